// IMPO, ECHA, ECBO, PASS and INFO (imports, exchanges and requests): the
// checks of these types, and the rule tables row by row against their
// listings.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "harnais_tables.h"
#include "outils.h"
#include "checks/coherence.h"
#include "checks/dates.h"
#include "model/modele.h"
#include "records/ecbo.h"
#include "records/impo.h"
#include "records/pass.h"
#include "records/records.h"
#include "reference/valautorise.h"

namespace {

using essai::Valeur;

const std::string B8(8, ' ');
const std::string B12(12, ' ');

void remplirSlot(numCorpsVSE slot, const std::string& valeur) {
    ASSERT_LT(valeur.size(), sizeof valCorpsVSE[slot].valeur);
    std::strcpy(valCorpsVSE[slot].valeur, valeur.c_str());
}

// Runs rule `ligne` of a table on a value, with the rule's own dependance and
// table, as the engine does.
int appliquer(const sCorps* table, int ligne, const std::string& valeur) {
    const sCorps& r = table[ligne];
    Valeur v(valeur);
    return r.pfVerif(r.dependance, v.get(), r.sverif, *r.plenSverif);
}

struct Cas {
    std::string valeur;
    int attendu;
};

TEST(Impo, C2IsAFrenchNumberNotEndingIn0000) {
    const Cas cas[] = {
        {"0112345678  ", 1},
        {"0100001234  ", 1},  // zeros elsewhere do not count
        {"0112340000  ", 0},  // characters 7 to 10 "0000"
        {"0000000001  ", 0},  // "00" is no department
        {"9712345678  ", 1},
        {"9751234567  ", 0},
        {"2A12345678  ", 0},
        {"DE0123456789", 0},
        {"0112345678", 0},    // cut short
        {"", 0},
        {B12, 0},
    };
    for (const Cas& c : cas) {
        Valeur v(c.valeur);
        EXPECT_EQ(impo_C2(depVide, v.get(), TD, LenTD) != 0, c.attendu == 1) << '"' << c.valeur << '"';
    }
}

// C6: left out, withheld, or a date whose day, or day and month, may be
// unknown; an unknown month alone is refused.
TEST(Impo, C6MayBeLeftOutWithheldOrIncomplete) {
    struct CasDate {
        std::string c6;
        int valide;           // impo_C6_1
        std::string reecrit;  // the value after impo_C6_1
        int avantF1;          // impo_C6_2 against 20062024, run after impo_C6_1
    };
    const CasDate cas[] = {
        {B8, 1, B8, 1},
        {"********", 1, "********", 1},
        {"15032024", 1, "15032024", 1},
        {"  032024", 1, "00032024", 1},   // day unknown
        {"    2024", 1, "00002024", 1},   // day and month unknown
        {"15  2024", 0, "15  2024", 1},   // month alone unknown
        {"  062024", 1, "00062024", 1},
        {"  072024", 1, "00072024", 0},   // after the record's date
        {"    2025", 1, "00002025", 0},
        {"21062024", 1, "21062024", 0},
        {"31022024", 0, "31022024", 1},
        {"00032024", 0, " 0032024", 1},   // "00" is no way of writing an unknown day
        {"15001999", 0, "15 01999", 1},
        {"15031899", 0, "15031899", 1},
        {"*******", 0, "*******", 1},     // cut short: not withheld
        {"       ", 0, "0000   ", 1},   // cut short: the blanks are read as an unknown day and month
        {"NORMABEV", 0, "NORMABEV", 0},   // partner codes are no entry of the table
    };
    for (const CasDate& c : cas) {
        SCOPED_TRACE('"' + c.c6 + '"');
        Valeur v(c.c6);
        EXPECT_EQ(impo_C6_1(depVide, v.get(), HuitBlancsFal, LenHuitBlancsFal) != 0, c.valide == 1);
        EXPECT_EQ(std::string(v.get()), c.reecrit);
        EXPECT_EQ(impo_C6_2("20062024", v.get(), HuitBlancsFal, LenHuitBlancsFal) != 0, c.avantF1 == 1);
    }
}

// The rows of C6 and of the correction date run on the record's slot: the
// rewrite of an incomplete birth date by row 8 is what row 9 and the
// correction date's rule on C6 read.
TEST(Impo, RewrittenIncompleteDateIsSeenByLaterRules) {
    remplirSlot(C6, "    2024");
    char* c6 = valCorpsVSE[C6].valeur;
    std::strcpy(valFinVSE[F1].valeur, "20062024");
    ASSERT_EQ(tImpo[7].pfVerif, impo_C6_1);
    ASSERT_EQ(tImpo[8].pfVerif, impo_C6_2);
    EXPECT_NE(tImpo[7].pfVerif(tImpo[7].dependance, c6, tImpo[7].sverif, *tImpo[7].plenSverif), 0);
    EXPECT_STREQ(c6, "00002024");
    EXPECT_NE(tImpo[8].pfVerif(tImpo[8].dependance, c6, tImpo[8].sverif, *tImpo[8].plenSverif), 0);
    // The correction date's last rule takes the slot C6 as its dependance.
    const sCorps& apres = tImpo[34];
    ASSERT_EQ(apres.pfVerif, fDatRecPost);
    ASSERT_EQ(apres.dependance, valCorpsVSE[C6].valeur);
    Valeur correction("01012024");
    EXPECT_NE(apres.pfVerif(apres.dependance, correction.get(), nullptr, 0), 0);
    Valeur veille("31122023");
    EXPECT_EQ(apres.pfVerif(apres.dependance, veille.get(), nullptr, 0), 0);
}

TEST(Impo, C7MustNotBeFourBlanks) {
    const Cas cas[] = {{"    ", 0}, {"A   ", 1}, {"   1", 1}, {"  ", 1}, {"", 1}};
    for (const Cas& c : cas) {
        Valeur v(c.valeur);
        EXPECT_EQ(impo_C7(depVide, v.get(), nullptr, 0) != 0, c.attendu == 1) << '"' << c.valeur << '"';
    }
}

TEST(Impo, C20IsAKnownCountryOtherThanFrance) {
    const Cas cas[] = {
        {"DE", 1}, {"US", 1}, {"CH", 1}, {"FR", 0}, {"ZZ", 0}, {"  ", 0}, {"de", 0}, {"D", 0},
        {"DEU", 0},
        {"", 1},  // TP holds an empty entry: a field cut away by a short line passes

    };
    for (const Cas& c : cas) {
        Valeur v(c.valeur);
        EXPECT_EQ(impo_C20(depVide, v.get(), TP, LenTP) != 0, c.attendu == 1) << '"' << c.valeur << '"';
    }
}

// ECHA's animal comes from a country of the exchanges (TECH), not France,
// and its foreign number does not repeat the country code.
TEST(Echa, CountryOfTheExchangesAndForeignNumber) {
    const Cas pays[] = {
        {"DE", 1}, {"BE", 1}, {"IT", 1}, {"XI", 1}, {"UK", 1}, {"FR", 0}, {"US", 0}, {"CH", 1},
        {"  ", 0}, {"ZZ", 0}, {"D", 0},
    };
    ASSERT_EQ(tEcha[0].sverif, TECH);
    for (const Cas& c : pays) EXPECT_EQ(appliquer(tEcha, 0, c.valeur) != 0, c.attendu == 1) << c.valeur;

    const struct {
        std::string c1, c2;
        int attendu;
    } numeros[] = {
        {"DE", "0987654321  ", 1},
        {"DE", "DE0987654321", 0},  // repeats its country
        {"BE", "A12345B     ", 1},
        {"BE", "A12 345     ", 0},
        {"BE", "a12345      ", 0},
        {"BE", B12, 0},
        {"IT", "IT12        ", 0},
        {"IT", "12IT        ", 1},
    };
    for (const auto& c : numeros) {
        remplirSlot(C1, c.c1);
        EXPECT_EQ(appliquer(tEcha, 2, c.c2) != 0, c.attendu == 1) << c.c1 << " \"" << c.c2 << '"';
    }
}

// ECBO: the third identification (C12, C13, C15) is optional as a group.
TEST(Ecbo, OptionalThirdIdentification) {
    const struct {
        std::string c12, c13, c15;
        int r12, r13, r15;
    } cas[] = {
        {"  ", B12, "  ", 1, 1, 1},                        // left out
        {"FR", B12, "  ", 1, 0, 0},                        // a country alone
        {"FR", "0112345678  ", "10", 1, 1, 1},
        {"FR", "anything at ", "10", 1, 1, 1},             // a French number is not examined
        {"DE", "0987654321  ", "10", 1, 1, 1},
        {"DE", "DE0987654321", "10", 1, 0, 1},             // repeats its country
        {"DE", "09876 54321 ", "10", 1, 0, 1},
        {"ZZ", "0987654321  ", "10", 0, 1, 1},             // unknown country, number judged all the same
        {"  ", "0112345678  ", "10", 0, 1, 1},             // no country: the number is judged as foreign
        {"  ", B12, "10", 0, 0, 1},                        // a code alone
        {"  ", B12, "13", 0, 0, 0},
        {"DE", "0987654321  ", "  ", 1, 1, 0},
        {"DE", "0987654321  ", "11", 1, 1, 0},
        {"  ", "           ", "  ", 0, 0, 0},              // number cut short: not blank
        {" ", B12, "  ", 0, 0, 0},                         // country cut short: the group is not left out
    };
    remplirSlot(C11, "FR");
    remplirSlot(C14, "DE");
    for (const auto& c : cas) {
        SCOPED_TRACE(c.c12 + "|" + c.c13 + "|" + c.c15);
        remplirSlot(C12, c.c12);
        remplirSlot(C13, c.c13);
        remplirSlot(C15, c.c15);
        Valeur v12(c.c12), v13(c.c13), v15(c.c15);
        EXPECT_EQ(ecbo_C12(depVide, v12.get(), TP, LenTP) != 0, c.r12 == 1);
        EXPECT_EQ(ecbo_C13(c.c12.c_str(), v13.get(), DouzeBlancs, LenDouzeBlancs) != 0, c.r13 == 1);
        EXPECT_EQ(ecbo_C15(depVide, v15.get(), TRG, LenTRG) != 0, c.r15 == 1);
    }
}

// PASS: the flag C11 decides whether the first date C7 and the time C10 are
// required; otherwise anything passes.
TEST(Pass, FlagDecidesWhetherFirstDateAndTimeAreRequired) {
    const struct {
        std::string c11, valeur;
        int date, heure;  // pass_C7 and pass_C10 on the same value
    } cas[] = {
        {"0", "15032024", 1, 1},  // read as a time: 15:03:20
        {"0", "120000", 0, 1},
        {"0", "235959", 0, 1},
        {"0", "240000", 0, 0},
        {"0", "126000", 0, 0},
        {"0", "31022024", 0, 0},
        {"0", B8, 0, 0},
        {"0", "", 0, 0},
        {"1", B8, 1, 1},
        {"1", "garbage!", 1, 1},
        {" ", B8, 1, 1},
        {"", B8, 1, 1},
        {"X", "", 1, 1},
        {"00", B8, 0, 0},  // the first character decides
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.c11 + " / \"" + c.valeur + '"');
        Valeur d(c.valeur), h(c.valeur);
        EXPECT_EQ(pass_C7(c.c11.c_str(), d.get(), nullptr, 0) != 0, c.date == 1);
        EXPECT_EQ(pass_C10(c.c11.c_str(), h.get(), nullptr, 0) != 0, c.heure == 1);
    }
}

// Rule tables against their listings. One line per row: field, columns
// ("same" for a further rule on the field above), obligation codes for CRE
// DEM INV EDI MOD, check, allowed-value table with its count, dependance (the
// field its slot holds), error number; "-" for none.
const std::vector<std::string> listeImpo = {
    "C1 63-64 0 2 0 2 0 fVerifValAut FR(1) - 1",
    "C2 65-76 0 2 0 2 0 fVerifDiffNull DouzeBlancs(1) - 1",
    "C2 same 0 2 0 2 0 impo_C2 TD(97) - 118",
    "C2 same 0 2 0 2 1 fCoherenCC - E8 50",
    "C3 77-78 1 1 1 1 1 - - - -",
    "C4 79-79 0 2 1 2 0 fVerifValAut SEX(2) - 3",
    "C5 80-81 0 2 1 2 0 fVerifValAut TR(70) - 4",
    "C6 82-89 0 2 1 2 0 impo_C6_1 HuitBlancsFal(2) - 5",
    "C6 same 0 2 1 2 0 impo_C6_2 HuitBlancsFal(2) F1 52",
    "C7 90-93 0 2 1 2 0 impo_C7 - - 10",
    "C8 94-103 1 1 1 1 1 - - - -",
    "C9 104-104 1 1 1 1 1 - - - -",
    "C10 105-106 0 2 1 2 0 fVDIFFNULLVTAB TP(245) - 6",
    "C11 107-118 0 2 1 2 0 fVerifNumEtrangerN - C10 6",
    "C11 same 0 2 1 2 0 fSimult - C10 113",
    "C12 119-120 0 2 1 2 0 fVDIFFNULLVTAB TR(70) - 8",
    "C13 121-122 0 2 1 2 0 fVDIFFNULLVTAB TP(245) - 14",
    "C14 123-134 0 2 1 2 0 fVerifNumEtrangerN - C13 14",
    "C14 same 0 2 1 2 0 fSimult - C13 114",
    "C15 135-136 0 2 1 2 0 fVDIFFNULLVTAB TR(70) - 9",
    "C16 137-138 0 2 1 2 0 fVDIFFNULLVTAB TP(245) - 2",
    "C17 139-150 0 2 1 2 0 fCONFORM8FRNULL TD(97) C16 68",
    "C17 same 0 2 1 2 0 fConform8FRnon - C16 2",
    "C17 same 0 2 1 2 0 fSimult - C16 115",
    "C18 151-152 0 2 1 2 1 fVerifValAut FR(1) - 21",
    "C19 153-164 0 2 1 2 1 fVerifDiffNull DouzeBlancs(1) - 21",
    "C19 same 0 2 1 2 1 fConform8 TD(97) - 68",
    "C19 same 0 2 1 2 1 fCoherenCC - E8 50",
    "C20 165-166 0 2 1 2 0 impo_C20 TP(245) - 49",
    "C21 167-180 0 2 1 2 0 fVerifDiffNull quatorzeBlancs(1) - 49",
    "C22 181-181 0 2 1 2 0 fVerifValAut ZERO(1) - 54",
    "C23 182-182 1 2 1 2 0 fVerifValAut BOOL(2) - 132",
    "C24 183-190 0 2 1 2 1 fDatRecCorr_O - - 134",
    "C24 same 0 2 1 2 1 fDatRecCohe - F1 52",
    "C24 same 0 2 1 2 1 fDatRecPost - C6 137",
    "C25 191-230 1 1 1 1 1 - - - -",
};

const std::vector<std::string> listeEcha = {
    "C1 63-64 0 2 0 2 0 fVTABDIFFFR TECH(30) - 1",
    "C2 65-76 0 2 0 2 0 fVerifDiffNull DouzeBlancs(1) - 1",
    "C2 same 0 2 0 2 0 fVerifNumEtranger - C1 1",
    "C3 77-78 1 1 1 1 1 - - - -",
    "C4 79-79 0 2 1 2 0 fVerifValAut SEX(2) - 3",
    "C5 80-81 0 2 1 2 0 fVerifValAut TR(70) - 4",
    "C6 82-89 0 2 1 2 0 fDATEP6P7 - - 5",
    "C6 same 0 2 1 2 0 fCoherenDC - F1 52",
    "C7 90-93 0 2 1 2 0 fVerifDiffNull quatreBlancs(1) - 10",
    "C8 94-103 1 1 1 1 1 - - - -",
    "C9 104-104 1 1 1 1 1 - - - -",
    "C10 105-106 0 2 1 2 0 fVDIFFNULLVTAB TP(245) - 6",
    "C11 107-118 0 2 1 2 0 fVerifNumEtrangerN - C10 6",
    "C11 same 0 2 1 2 0 fCONFORM10FRNULL TD(97) C10 67",
    "C11 same 0 2 1 2 0 fSimult - C10 113",
    "C12 119-120 0 2 1 2 0 fVDIFFNULLVTAB TR(70) - 8",
    "C13 121-122 0 2 1 2 0 fVDIFFNULLVTAB TP(245) - 14",
    "C14 123-134 0 2 1 2 0 fVerifNumEtrangerN - C13 14",
    "C14 same 0 2 1 2 0 fSimult - C13 114",
    "C15 135-136 0 2 1 2 0 fVDIFFNULLVTAB TR(70) - 9",
    "C16 137-138 0 2 1 2 0 fVDIFFNULLP6 - C6 55",
    "C16 same 0 2 1 2 0 fVDIFFNULLVTAB TP(245) C6 2",
    "C17 139-150 0 2 1 2 0 fVDIFFNULLP6 - C6 55",
    "C17 same 0 2 1 2 0 fConform8FR TD(97) C16 68",
    "C17 same 0 2 1 2 0 fConform8FRnon - C16 2",
    "C17 same 0 2 1 2 0 fSimult - C16 115",
    "C18 151-152 0 2 1 2 1 fVerifValAut FR(1) - 21",
    "C19 153-164 0 2 1 2 1 fConform8 TD(97) - 68",
    "C19 same 0 2 1 2 1 fCoherenCC - E8 50",
    "C20 165-174 1 1 1 1 1 - - - -",
    "C21 175-175 0 2 1 2 0 fVerifValAut UN(1) - 54",
    "C22 176-176 1 2 1 2 0 fVerifValAut BOOL(2) - 132",
    "C23 177-184 0 2 1 2 1 fDatRecCorr_O - - 134",
    "C23 same 0 2 1 2 1 fDatRecCohe - F1 52",
    "C23 same 0 2 1 2 1 fDatRecPost - C6 137",
    "C24 185-230 1 1 1 1 1 - - - -",
};

const std::vector<std::string> listeEcbo = {
    "C1 63-64 0 2 0 2 2 fVerifValAut TP(245) - 1",
    "C2 65-76 0 2 0 2 2 fVerifDiffNull DouzeBlancs(1) - 1",
    "C2 same 0 2 0 2 2 fConform10FR TD(97) C1 67",
    "C2 same 0 2 0 2 2 fConform10FRnonECHAnon TD(97) C1 118",
    "C2 same 0 2 0 2 2 fConform10FRnonECHAoui - C1 1",
    "C3 77-78 1 1 1 1 1 - - - -",
    "C4 79-80 0 2 1 2 2 fVerifValAut TRG(84) - 11",
    "C5 81-81 0 2 1 2 2 fVerifValAut BOOLFal(4) - 12",
    "C6 82-82 0 2 1 2 2 fVerifValAut BOOLFal(4) - 13",
    "C7 83-84 0 2 1 2 2 fVerifValAut TP(245) - 17",
    "C8 85-96 0 2 1 2 2 fVerifDiffNull DouzeBlancs(1) - 17",
    "C8 same 0 2 1 2 2 fConform10FRnon - C7 17",
    "C9 97-106 1 1 1 1 1 - - - -",
    "C10 107-110 1 1 1 1 1 - - - -",
    "C11 111-112 0 2 1 2 2 fVerifValAut TRG(84) - 20",
    "C12 113-114 0 2 1 2 2 ecbo_C12 TP(245) - 14",
    "C13 115-126 0 2 1 2 2 ecbo_C13 DouzeBlancs(1) C12 14",
    "C14 127-136 1 1 1 1 1 - - - -",
    "C15 137-138 0 2 1 2 2 ecbo_C15 TRG(84) - 16",
    "C16 139-230 1 1 1 1 1 - - - -",
};

const std::vector<std::string> listePass = {
    "C1 63-64 2 0 0 0 2 fVerifValAut TP(245) - 1",
    "C2 65-76 2 0 0 0 2 fVerifDiffNull DouzeBlancs(1) - 1",
    "C2 same 2 0 0 0 2 fConform10FR TD(97) C1 67",
    "C2 same 2 0 0 0 2 fConform10FRnonECHAnon TD(97) C1 118",
    "C2 same 2 0 0 0 2 fConform10FRnonECHAoui - C1 1",
    "C3 77-78 1 1 1 1 1 - - - -",
    "C4 79-80 2 0 0 0 2 fVerifValAut FR(1) - 25",
    "C5 81-92 2 0 0 0 2 fVerifDiffNull DouzeBlancs(1) - 25",
    "C5 same 2 0 0 0 2 fConform8 TD(97) - 68",
    "C5 same 2 0 0 0 2 fCoherenCC - E8 50",
    "C6 93-94 2 0 0 0 2 fVerifValAut TCEP(10) - 44",
    "C7 95-102 2 1 1 0 2 pass_C7 - C11 102",
    "C7 same 2 1 0 1 2 fDATEC - - 102",
    "C8 103-104 1 1 1 1 1 - - - -",
    "C9 105-112 2 1 1 0 2 fDATEC - - 77",
    "C9 same 2 1 1 0 2 fCoherenDC - F1 52",
    "C10 113-118 2 1 1 0 2 pass_C10 - C11 103",
    "C10 same 2 1 0 1 2 fHEUREC - - 103",
    "C11 119-119 2 1 1 0 2 fVerifValAut BOOL(2) - 104",
    "C12 120-230 1 1 1 1 1 - - - -",
};

const std::vector<std::string> listeInfo = {
    "C1 63-64 2 0 2 2 2 fVerifValAut TP(245) - 1",
    "C2 65-76 2 0 2 2 2 fVerifDiffNull DouzeBlancs(1) - 1",
    "C2 same 2 0 2 2 2 fConform10FR TD(97) C1 67",
    "C2 same 2 0 2 2 2 fConform10FRnonECHAnon TD(97) C1 118",
    "C2 same 2 0 2 2 2 fConform10FRnonECHAoui - C1 1",
    "C3 77-78 1 1 1 1 1 - - - -",
    "C4 120-230 1 1 1 1 1 - - - -",
};

// The checks of the five types, by name.
const essai::NomsDeChecks kChecksImports = {
    NOM_CHECK(impo_C2), NOM_CHECK(impo_C6_1), NOM_CHECK(impo_C6_2), NOM_CHECK(impo_C7),
    NOM_CHECK(impo_C20), NOM_CHECK(ecbo_C12), NOM_CHECK(ecbo_C13), NOM_CHECK(ecbo_C15),
    NOM_CHECK(pass_C7), NOM_CHECK(pass_C10),
};

TEST(Impo, TableRowByRow) { essai::comparerListing(tImpo, lImpo, listeImpo, kChecksImports); }
TEST(Echa, TableRowByRow) { essai::comparerListing(tEcha, lEcha, listeEcha, kChecksImports); }
TEST(Ecbo, TableRowByRow) { essai::comparerListing(tEcbo, lEcbo, listeEcbo, kChecksImports); }
TEST(Pass, TableRowByRow) { essai::comparerListing(tPass, lPass, listePass, kChecksImports); }
TEST(Info, TableRowByRow) { essai::comparerListing(tInfo, lInfo, listeInfo, kChecksImports); }

TEST(Imports, SwitchTableEntriesAndSlotsReadOutsideTheDependances) {
    const struct {
        const char* type;
        const sCorps* table;
        const int* longueur;
        numCorpsVSE c7, c8;
    } entrees[] = {
        {"IMPO", tImpo, &lImpo, C18, C19}, {"ECHA", tEcha, &lEcha, C18, C19},
        {"ECBO", tEcbo, &lEcbo, CINC, CINC}, {"PASS", tPass, &lPass, C4, C5},
        {"INFO", tInfo, &lInfo, CINC, CINC},
    };
    for (const auto& e : entrees) {
        SCOPED_TRACE(e.type);
        const sAiguillage& a = tAiguillage[chercherAiguillage(e.type)];
        EXPECT_EQ(a.tabVerif, e.table);
        EXPECT_EQ(a.pLenTabVerif, e.longueur);
        EXPECT_EQ(a.champErrC7, e.c7);
        EXPECT_EQ(a.champErrC8, e.c8);
    }
    // The echoed slots hold the fields of their numbers; the ECBO checks read
    // C12, C13 and C15 from their slots.
    EXPECT_EQ(essai::champDuSlot(tImpo, lImpo, C19), C19);
    EXPECT_EQ(essai::champDuSlot(tEcha, lEcha, C19), C19);
    EXPECT_EQ(essai::champDuSlot(tPass, lPass, C5), C5);
    EXPECT_EQ(essai::champDuSlot(tEcbo, lEcbo, C12), C12);
    EXPECT_EQ(essai::champDuSlot(tEcbo, lEcbo, C13), C13);
    EXPECT_EQ(essai::champDuSlot(tEcbo, lEcbo, C15), C15);
    // INFO cuts no slot for columns 79 to 119.
    EXPECT_EQ(essai::nombreDeSlots(tInfo, lInfo), 4);
}

}  // namespace
