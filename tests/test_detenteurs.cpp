// DETE, DETI, EXP1, EXP2, ACTI (keepers and holdings): the checks of these
// types, and the rule tables row by row against their listings.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "harnais_tables.h"
#include "model/modele.h"
#include "outils.h"
#include "records/dete.h"
#include "records/exp1.h"
#include "records/records.h"
#include "reference/valautorise.h"

namespace {

void remplirSlot(numCorpsVSE slot, const std::string& valeur) {
    ASSERT_LT(valeur.size(), sizeof valCorpsVSE[slot].valeur);
    std::strcpy(valCorpsVSE[slot].valeur, valeur.c_str());
}

const std::string B12(12, ' ');

// A request names the kind of its number in C12 (slot C12): "D" a keeper
// number, judged by its three-character department; anything else a holding
// number. The establishment handed as dependance is never compared.
TEST(Dete, DemandeC2ByTheKindInC12) {
    struct Cas {
        std::string c12;
        std::string c2;
        std::string e8;
        int attendu;
    };
    const Cas cas[] = {
        // Keeper numbers: the first three characters a department of TDD.
        {"D", "001234567   ", "001IPG  ", 1},
        {"D", "001XXXXXXXXX", "001IPG  ", 1},
        {"D", "095123456789", "001IPG  ", 1},
        {"D", "02A123456   ", "001IPG  ", 1},
        {"D", "02B123456   ", "001IPG  ", 1},
        {"D", "974123456   ", "001IPG  ", 1},
        {"D", "098123456   ", "001IPG  ", 1},
        {"D", "001234567   ", "095XYZ  ", 1},  // another establishment: not compared
        {"D", "001234567   ", "", 1},
        {"D", "020123456   ", "001IPG  ", 0},  // 020 is no department
        {"D", "096123456   ", "001IPG  ", 0},
        {"D", "975123456   ", "001IPG  ", 0},
        {"D", "2A0123456   ", "001IPG  ", 0},
        {"D", "01234567    ", "001IPG  ", 1},  // only the first three characters are read
        {"D", "2A234567    ", "001IPG  ", 0},
        {"D", "00", "001IPG  ", 0},            // too short to hold a department
        {"D", "", "001IPG  ", 0},
        {"D", B12, "001IPG  ", 0},
        // Any other kind: a French holding number.
        {"E", "01234567    ", "001IPG  ", 1},
        {"E", "95123456    ", "001IPG  ", 1},
        {"E", "20123456    ", "001IPG  ", 1},
        {"E", "97512345    ", "001IPG  ", 0},
        {"E", "001234567   ", "001IPG  ", 0},
        {"E", "0123456     ", "001IPG  ", 0},
        {"E", "01234567", "001IPG  ", 0},
        {"E", B12, "001IPG  ", 0},
        {" ", "01234567    ", "001IPG  ", 1},
        {" ", "001234567   ", "001IPG  ", 0},
        {"d", "001234567   ", "001IPG  ", 0},  // only a capital D
        {"d", "01234567    ", "001IPG  ", 1},
        {"", "001234567   ", "001IPG  ", 0},   // slot cut short
        {"", "01234567    ", "001IPG  ", 1},
        {"DD", "001234567   ", "001IPG  ", 0},  // exactly "D"
        {"DD", "01234567    ", "001IPG  ", 1},
    };
    // Neighbouring slots hold "D": only slot C12 may be read.
    remplirSlot(C11, "D");
    remplirSlot(C13, "D");
    remplirSlot(C1, "D");
    for (const Cas& c : cas) {
        remplirSlot(C12, c.c12);
        essai::Valeur v(c.c2);
        EXPECT_EQ(fCoherenCC_dete_dem(c.e8.c_str(), v.get(), TD, LenTD) != 0, c.attendu == 1)
            << '"' << c.c12 << "\" / \"" << c.c2 << "\" / " << c.e8;
    }
}

// The title or legal form of a holding: blank or withheld for any action,
// else a code of the action's list. The old titles are in TRSMOD only.
TEST(Exp1, C4TitleCodesByAction) {
    struct Cas {
        std::string c4;
        int creation;      // with TRSCRE
        int modification;  // with TRSMOD
    };
    const Cas cas[] = {
        {"    ", 1, 1}, {"****", 1, 1}, {"EARL", 1, 1}, {"GAEC", 1, 1}, {"MME ", 1, 1},
        {"M   ", 1, 1}, {"ASS.", 1, 1}, {"SCIC", 1, 1}, {"MLLE", 1, 1},
        // Titles of modifications only.
        {"ETS ", 0, 1}, {"MR  ", 0, 1}, {"MLE ", 0, 1}, {"STE ", 0, 1}, {"MRS ", 0, 1},
        // Neither.
        {"ETS", 0, 0}, {"MR", 0, 0}, {"   ", 0, 0}, {"***", 0, 0}, {"", 0, 0}, {"*   ", 0, 0},
        {"** *", 0, 0}, {"earl", 0, 0}, {" EARL", 0, 0}, {"EARL ", 0, 0}, {"XXXX", 0, 0},
        {"MME", 0, 0}, {"M.  ", 0, 0},
    };
    for (const Cas& c : cas) {
        essai::Valeur a(c.c4), b(c.c4);
        EXPECT_EQ(fexp1_C4(depVide, a.get(), TRSCRE, LenTRSCRE) != 0, c.creation == 1) << '"' << c.c4 << '"';
        EXPECT_EQ(fexp1_C4(depVide, b.get(), TRSMOD, LenTRSMOD) != 0, c.modification == 1) << '"' << c.c4 << '"';
    }
}

// The list of modifications is the list of creations and five old titles.
TEST(Exp1, TitleListsDifferByTheFiveOldTitles) {
    const std::set<std::string> creation(TRSCRE, TRSCRE + LenTRSCRE);
    const std::set<std::string> modification(TRSMOD, TRSMOD + LenTRSMOD);
    EXPECT_EQ(creation.size(), static_cast<size_t>(LenTRSCRE));
    EXPECT_EQ(modification.size(), static_cast<size_t>(LenTRSMOD));
    std::set<std::string> enPlus;
    for (const std::string& t : modification) {
        if (creation.count(t) == 0) enPlus.insert(t);
    }
    for (const std::string& t : creation) EXPECT_EQ(modification.count(t), 1u) << t;
    EXPECT_EQ(enPlus, (std::set<std::string>{"ETS ", "MR  ", "MLE ", "STE ", "MRS "}));
    for (const std::string& t : modification) EXPECT_EQ(t.size(), 4u) << t;
}

// Rule tables against their listings. One line per row: field, columns
// ("same" for a further rule on the field above), obligation codes for CRE
// DEM INV EDI MOD, check, allowed-value table with its count, dependance (the
// field its slot holds), error number; "-" for none.
const std::vector<std::string> listeDete = {
    "C1 63-64 0 0 0 2 0 fVerifValAut FR(1) - 30",
    "C2 65-76 0 0 0 2 0 fVerifDiffNull DouzeBlancs(1) - 30",
    "C2 same 0 1 0 2 1 fCoherenCCD - E8 50",
    "C2 same 1 1 1 2 0 fConform3 TDD(102) E8 50",
    "C2 same 1 0 1 2 1 fCoherenCC_dete_dem TD(97) E8 50",
    "C3 77-78 1 1 1 1 1 - - - -",
    "C4 79-82 0 1 1 2 1 fVerifValAut TRSCRE(47) - 39",
    "C4 same 1 1 1 2 0 fVerifValAut TRSMOD(52) - 39",
    "C5 83-112 0 1 1 2 0 fVerifDiffNull trenteBlancs(1) - 39",
    "C6 113-142 0 1 1 2 0 fVDIFFVD NB(1) C7 74",
    "C7 143-172 0 1 1 2 0 fVDIFFVD NB(1) C6 74",
    "C8 173-177 0 1 1 2 0 fVerifDiffNull cinqBlancs(1) - 40",
    "C9 178-207 0 1 1 2 0 fVerifDiffNull trenteBlancs(1) - 79",
    "C10 208-221 1 1 1 1 1 - - - -",
    "C11 222-223 0 1 1 2 0 fVerifValAut TP(245) - 80",
    "C12 224-224 1 0 1 2 1 fVerifValAut TEMOIN(2) - 130",
    "C13 225-230 1 1 1 1 1 - - - -",
};

const std::vector<std::string> listeDeti = {
    "C1 63-64 0 2 0 2 0 fVerifValAut FR(1) - 30",
    "C2 65-76 0 2 0 2 0 fVerifDiffNull DouzeBlancs(1) - 30",
    "C2 same 0 2 0 2 0 fConform3 TDD(102) E8 50",
    "C3 77-78 1 1 1 1 1 - - - -",
    "C4 79-79 0 2 0 2 0 fVerifValAut BOOL(2) - 81",
    "C5 80-87 0 2 1 2 0 fDATEC - - 42",
    "C5 same 0 2 1 2 0 fCoherenDC - F1 52",
    "C6 88-95 1 2 0 2 0 fDATEI - - 29",
    "C6 same 1 2 0 2 0 fCoherenDC - F1 52",
    "C7 96-230 1 1 1 1 1 - - - -",
};

const std::vector<std::string> listeExp1 = {
    "C1 63-64 0 2 0 2 0 fVerifValAut FR(1) - 31",
    "C2 65-76 0 2 0 2 0 fVerifDiffNull DouzeBlancs(1) - 31",
    "C2 same 0 2 0 2 0 fConform8 TD(97) C1 68",
    "C2 same 0 2 0 2 0 fCoherenCC - E8 50",
    "C3 77-78 1 1 1 1 1 - - - -",
    "C4 79-82 0 2 1 2 1 fexp1_C4 TRSCRE(47) - 32",
    "C4 same 1 2 1 2 0 fexp1_C4 TRSMOD(52) - 32",
    "C5 83-112 1 1 1 1 1 - - - -",
    "C6 113-142 0 2 1 2 0 fCDIFF trenteBlancs(1) C7 75",
    "C7 143-172 0 2 1 2 0 fCDIFF trenteBlancs(1) C6 75",
    "C8 173-177 0 2 1 2 0 fVerifDiffNull cinqBlancs(1) - 33",
    "C9 178-207 0 2 1 2 0 fVerifDiffNull trenteBlancs(1) - 82",
    "C10 208-221 1 1 1 1 1 - - - -",
    "C11 222-223 0 2 1 2 0 fVerifValAut TTE(9) - 35",
    "C12 224-230 1 1 1 1 1 - - - -",
};

const std::vector<std::string> listeExp2 = {
    "C1 63-64 0 2 0 2 0 fVerifValAut FR(1) - 31",
    "C2 65-76 0 2 0 2 0 fVerifDiffNull DouzeBlancs(1) - 31",
    "C2 same 0 2 0 2 0 fConform8 TD(97) C1 68",
    "C2 same 0 2 0 2 0 fCoherenCC - E8 50",
    "C3 77-78 1 1 1 1 1 - - - -",
    "C4 79-80 0 2 1 2 0 fVerifValAut FR(1) - 30",
    "C5 81-92 0 2 1 2 0 fVerifDiffNull DouzeBlancs(1) - 30",
    "C5 same 0 2 1 2 0 fConform3 TDD(102) - 30",
    "C6 93-93 1 1 1 1 1 - - - -",
    "C7 94-94 1 1 1 1 1 - - - -",
    "C8 95-95 1 1 1 1 1 - - - -",
    "C9 96-96 1 1 1 1 1 - - - -",
    "C10 97-98 1 2 0 2 0 fVerifValAut FR(1) - 76",
    "C11 99-110 1 2 0 2 0 fVerifDiffNull DouzeBlancs(1) - 76",
    "C11 same 1 2 0 2 0 fConform3 TDD(102) - 76",
    "C12 111-120 1 1 1 1 1 - - - -",
    "C13 121-130 1 1 1 1 1 - - - -",
    "C14 131-140 1 1 1 1 1 - - - -",
    "C15 141-148 0 2 1 2 0 fDATEC - - 22",
    "C15 same 0 2 1 2 0 fCoherenDC - F1 52",
    "C16 149-156 1 2 0 2 0 fDATEC - - 22",
    "C16 same 1 2 0 2 0 fCoherenDC - F1 52",
    "C17 157-230 1 1 1 1 1 - - - -",
};

const std::vector<std::string> listeActi = {
    "C1 63-64 0 2 0 2 0 fVerifValAut FR(1) - 31",
    "C2 65-76 0 2 0 2 0 fVerifDiffNull DouzeBlancs(1) - 31",
    "C2 same 0 2 0 2 0 fConform8 TD(97) C1 68",
    "C2 same 0 2 0 2 0 fCoherenCC - E8 50",
    "C3 77-78 1 1 1 1 1 - - - -",
    "C4 79-79 0 2 0 2 0 fVerifValAut BOOL(2) - 81",
    "C5 80-87 0 2 1 2 0 fDATEC - - 36",
    "C5 same 0 2 1 2 0 fCoherenDC - F1 52",
    "C6 88-95 1 2 0 2 0 fDATEI - - 29",
    "C6 same 1 2 0 2 0 fCoherenDC - F1 52",
    "C7 96-96 0 2 0 2 0 fVerifValAut PROD(6) - 131",
    "C8 97-230 1 1 1 1 1 - - - -",
};

// The checks of the five types, by name.
const essai::NomsDeChecks kChecksDetenteurs = {
    NOM_CHECK(fCoherenCC_dete_dem),
    NOM_CHECK(fexp1_C4),
};

TEST(Dete, TableRowByRow) { essai::comparerListing(tDete, lDete, listeDete, kChecksDetenteurs); }
TEST(Deti, TableRowByRow) { essai::comparerListing(tDeti, lDeti, listeDeti, kChecksDetenteurs); }
TEST(Exp1, TableRowByRow) { essai::comparerListing(tExp1, lExp1, listeExp1, kChecksDetenteurs); }
TEST(Exp2, TableRowByRow) { essai::comparerListing(tExp2, lExp2, listeExp2, kChecksDetenteurs); }
TEST(Acti, TableRowByRow) { essai::comparerListing(tActi, lActi, listeActi, kChecksDetenteurs); }

TEST(Detenteurs, SlotsReadOutsideTheDependances) {
    // The request check reads the kind of number from slot C12 of DETE.
    EXPECT_EQ(essai::champDuSlot(tDete, lDete, C12), C12);
    // Every slot holds the field of its own number in the five layouts.
    for (const char* type : {"DETE", "DETI", "EXP1", "EXP2", "ACTI"}) {
        const int i = chercherAiguillage(type);
        ASSERT_NE(i, ERR_AIGUILLAGE) << type;
        const sAiguillage& entree = tAiguillage[i];
        SCOPED_TRACE(type);
        EXPECT_EQ(essai::correspondanceSlots(entree.tabVerif, *entree.pLenTabVerif), "");
        // Error records echo the country and the number of the keeper or holding.
        EXPECT_EQ(entree.champErrC7, C1);
        EXPECT_EQ(entree.champErrC8, C2);
        EXPECT_EQ(essai::champDuSlot(entree.tabVerif, *entree.pLenTabVerif, C1), C1);
        EXPECT_EQ(essai::champDuSlot(entree.tabVerif, *entree.pLenTabVerif, C2), C2);
    }
}

}  // namespace
