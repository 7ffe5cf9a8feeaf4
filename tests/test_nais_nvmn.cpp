// NAIS and NVMN (births): the checks of these types, and the rule tables row
// by row against their listings.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "outils.h"
#include "harnais_tables.h"
#include "checks/coherence.h"
#include "checks/comparaisons.h"
#include "checks/dates.h"
#include "checks/generiques.h"
#include "checks/identifiants.h"
#include "model/modele.h"
#include "records/nais.h"
#include "records/nvmn.h"
#include "records/records.h"
#include "reference/valautorise.h"

namespace {

// A writable copy of exactly the value's size, so that a check reading past
// the terminating NUL is caught by the address sanitizer.
void remplirSlot(numCorpsVSE slot, const std::string& valeur) {
    ASSERT_LT(valeur.size(), sizeof valCorpsVSE[slot].valeur);
    std::strcpy(valCorpsVSE[slot].valeur, valeur.c_str());
}

const std::string B12(12, ' ');

TEST(Nais, C2IsAFrenchNumberNotEndingIn0000) {
    struct Cas {
        std::string c2;
        int attendu;
    };
    const Cas cas[] = {
        {"0112345678  ", 1},
        {"0112340001  ", 1},
        {"0112341000  ", 1},
        {"0000000001  ", 0},  // prefix "00" is no department
        {"0112340000  ", 0},  // characters 7 to 10 "0000"
        {"9712340000  ", 0},
        {"0100000000  ", 0},
        {"0100001234  ", 1},  // zeros elsewhere do not count
        {"2A12345678  ", 0},  // not conform
        {"9751234567  ", 0},
        {"0112345678", 0},    // cut short
        {"011234", 0},
        {"", 0},
        {B12, 0},
        {"DE0112340000", 0},
    };
    for (const Cas& c : cas) {
        auto v = essai::Valeur(c.c2);
        EXPECT_EQ(nais_C2(depVide, v.get(), TD, LenTD) != 0, c.attendu == 1) << '"' << c.c2 << '"';
        auto w = essai::Valeur(c.c2);
        EXPECT_EQ(nvmn_C2(depVide, w.get(), TD, LenTD) != 0, c.attendu == 1) << '"' << c.c2 << '"';
    }
}

TEST(Nais, C7MustNotBeFourBlanks) {
    struct Cas {
        std::string c7;
        int attendu;
    };
    const Cas cas[] = {
        {"    ", 0},
        {"A   ", 1},
        {"   1", 1},
        {" 0  ", 1},
        {"\t   ", 1},
        {"  ", 1},  // cut short: the missing characters are no blanks
        {"   ", 1},
        {"", 1},
    };
    for (const Cas& c : cas) {
        auto v = essai::Valeur(c.c7);
        EXPECT_EQ(nais_C7(depVide, v.get(), nullptr, 0) != 0, c.attendu == 1) << '"' << c.c7 << '"';
    }
}

// The three checks on the number of related animal 1, with the birth date as
// dependance and the country read from slot C10.
TEST(Nais, C11LeftOutBeforeJuly1999ElseHeldToItsCountryRules) {
    struct Cas {
        std::string c6;
        std::string c10;
        std::string c11;
        int fr;      // nais_C11
        int ueNon;   // nais_C11FRnonUEnon
        int ueOui;   // nais_C11FRnonUEoui
    };
    const Cas cas[] = {
        // Before the cut-off a blank number passes whatever the country.
        {"30061999", "FR", B12, 1, 1, 1},
        {"30061999", "  ", B12, 1, 1, 1},
        {"30061999", "DE", B12, 1, 1, 1},
        {"30061999", "US", B12, 1, 1, 1},
        {"15031999", "US", B12, 1, 1, 1},   // after 1 January 1999 still before the cut-off
        {"        ", "US", B12, 1, 1, 1},   // a blank date reads as 00000000
        {"  061999", "US", B12, 1, 1, 1},
        // From the cut-off on, the delegated checks judge the blank number.
        {"01071999", "FR", B12, 0, 1, 1},
        {"01071999", "DE", B12, 1, 1, 0},
        {"01071999", "US", B12, 1, 0, 1},
        {"01071999", "  ", B12, 1, 0, 1},
        {"15032024", "FR", B12, 0, 1, 1},
        {"  072000", "US", B12, 1, 0, 1},
        // A number given is always judged, before the cut-off as well.
        {"15031998", "FR", "0112345678  ", 1, 1, 1},
        {"15031998", "FR", "2A12345678  ", 0, 1, 1},
        {"15031998", "US", "2A12345678  ", 1, 0, 1},
        {"15031998", "DE", "DE12345678  ", 1, 1, 0},
        {"15031998", "DE", "0112345678  ", 1, 1, 1},
        {"01071999", "BE", "BE0123456789", 1, 1, 0},
        {"01071999", "CH", "A12345      ", 1, 1, 1},
        // A number cut short is not 12 blanks.
        {"15031998", "FR", "      ", 0, 1, 1},
        {"15031998", "DE", "      ", 1, 1, 0},
        {"15031998", "US", "", 1, 0, 1},
        // A birth date cut short orders before the cut-off.
        {"0107", "US", B12, 1, 1, 1},
    };
    // Neighbouring slots hold other country codes: only slot C10 may be read.
    remplirSlot(C9, "X");
    remplirSlot(C11, "IT");
    remplirSlot(C13, "IT");
    remplirSlot(C16, "IT");
    for (const Cas& c : cas) {
        remplirSlot(C10, c.c10);
        const std::string nom = c.c6 + " / " + c.c10 + " / \"" + c.c11 + '"';
        auto a = essai::Valeur(c.c11);
        EXPECT_EQ(nais_C11(c.c6.c_str(), a.get(), TD, LenTD) != 0, c.fr == 1) << nom;
        auto b = essai::Valeur(c.c11);
        EXPECT_EQ(nais_C11FRnonUEnon(c.c6.c_str(), b.get(), TD, LenTD) != 0, c.ueNon == 1) << nom;
        auto d = essai::Valeur(c.c11);
        EXPECT_EQ(nais_C11FRnonUEoui(c.c6.c_str(), d.get(), nullptr, 0) != 0, c.ueOui == 1) << nom;
    }
}

TEST(Nais, C17LeftOutBeforeJuly1999ElseAFrenchHolding) {
    struct Cas {
        std::string c6;
        std::string c17;
        int attendu;
    };
    const Cas cas[] = {
        {"15031998", B12, 1},
        {"30061999", B12, 1},
        {"15031999", B12, 1},  // after 1 January 1999, before 1 July 1999
        {"        ", B12, 1},
        {"01071999", B12, 0},
        {"15032000", B12, 0},
        {"  072000", B12, 0},
        {"15031998", "01234567    ", 1},
        {"15031998", "2A234567    ", 0},
        {"15031998", "0123456     ", 0},
        {"15032000", "01234567    ", 1},
        {"15032000", "97512345    ", 0},
        {"15032000", "98123456    ", 1},
        {"15031998", "           ", 0},  // cut short: not 12 blanks
        {"15031998", "", 0},
        {"15031998", std::string(12, '*'), 0},
    };
    for (const Cas& c : cas) {
        auto v = essai::Valeur(c.c17);
        EXPECT_EQ(nais_C17(c.c6.c_str(), v.get(), TD, LenTD) != 0, c.attendu == 1)
            << c.c6 << " / \"" << c.c17 << '"';
    }
}

// Rule tables against their listings. One line per row: field, columns
// ("same" for a further rule on the field above), obligation codes for CRE
// DEM INV EDI MOD, check, allowed-value table with its count, dependance (the
// field its slot holds), error number; "-" for none.
const std::vector<std::string> listeNais = {
    "C1 63-64 0 1 0 2 0 fVerifValAut FR(1) - 1",
    "C1 same 1 0 1 2 1 fVerifValAut TP(245) - 1",
    "C2 65-76 0 0 0 2 0 fVerifDiffNull DouzeBlancs(1) - 1",
    "C2 same 0 1 1 2 1 nais_C2 TD(97) - 67",
    "C2 same 1 1 0 2 0 fConform10 TD(97) - 67",
    "C2 same 1 0 1 2 1 fConform10FR TD(97) C1 67",
    "C2 same 1 0 1 2 1 fConform10FRnonECHAnon TD(97) C1 118",
    "C2 same 1 0 1 2 1 fConform10FRnonECHAoui - C1 1",
    "C2 same 0 1 0 2 1 fCoherenCC - E8 50",
    "C3 77-78 1 1 1 1 1 - - - -",
    "C4 79-79 0 1 1 2 0 fVerifValAut SEX(2) - 3",
    "C5 80-81 0 1 1 2 0 fVerifValAut TR(70) - 4",
    "C6 82-89 0 1 1 2 1 fDATEC - - 5",
    "C6 same 1 1 1 2 0 fDATEP6P7 - - 5",
    "C6 same 0 1 1 2 0 fCoherenDC - F1 52",
    "C7 90-93 0 1 1 2 0 nais_C7 - - 10",
    "C8 94-103 1 1 1 1 1 - - - -",
    "C9 104-104 1 1 1 1 1 - - - -",
    "C10 105-106 0 1 1 2 1 fVerifValAut TP(245) - 6",
    "C10 same 1 1 1 2 0 fVTABP5 TP(245) C6 7",
    "C11 107-118 0 1 1 2 1 fVerifDiffNull DouzeBlancs(1) - 6",
    "C11 same 0 1 1 2 1 fConform10FR TD(97) C10 67",
    "C11 same 0 1 1 2 1 fConform10FRnonECHAnon TD(97) C10 118",
    "C11 same 0 1 1 2 1 fConform10FRnonECHAoui - C10 6",
    "C11 same 1 1 1 2 0 fVDIFFNULLP5 - C6 7",
    "C11 same 1 1 1 2 0 nais_C11 TD(97) C6 67",
    "C11 same 1 1 1 2 0 nais_C11FRnonUEnon TD(97) C6 118",
    "C11 same 1 1 1 2 0 nais_C11FRnonUEoui - C6 6",
    "C11 same 1 1 1 2 0 fSimult - C10 113",
    "C12 119-120 0 1 1 2 1 fVerifValAut TR(70) - 8",
    "C12 same 1 1 1 2 0 fVTABP8 TR(70) C6 8",
    "C13 121-122 0 1 1 2 0 fVDIFFNULLVTAB TP(245) - 14",
    "C14 123-134 0 1 1 2 0 fSimult - C13 114",
    "C14 same 0 1 1 2 0 fVerifNumEtrangerN - C13 14",
    "C15 135-136 0 1 1 2 1 fVerifValAut TR(70) - 9",
    "C15 same 1 1 1 2 0 fVTABP8 TR(70) C6 9",
    "C16 137-138 0 1 1 2 1 fVerifValAut FR(1) - 2",
    "C16 same 1 1 1 2 0 fVTABP6 FR(1) C6 2",
    "C17 139-150 0 1 1 2 1 fVerifDiffNull DouzeBlancs(1) - 2",
    "C17 same 0 1 1 2 1 fConform8 TD(97) - 68",
    "C17 same 0 1 1 2 1 fCoherenCC - E8 50",
    "C17 same 1 1 1 2 0 fVDIFFNULLP6 - C6 2",
    "C17 same 1 1 1 2 0 nais_C17 TD(97) C6 68",
    "C17 same 1 1 1 2 0 fSimult - C16 115",
    "C24 159-159 0 1 1 2 1 fVerifValAut BOOL(2) - 83",
    "C25 160-160 1 1 1 2 0 fVerifValAut BOOL(2) - 132",
    "C26 161-168 0 1 1 2 1 fDatRecCorr_O - - 134",
    "C26 same 0 1 1 2 1 fDatRecCohe - F1 52",
    "C26 same 0 1 1 2 1 fDatRecPost - C6 137",
    "C27 169-230 1 1 1 1 1 - - - -",
};

const std::vector<std::string> listeNvmn = {
    "C1 63-64 0 2 0 2 0 fVerifValAut FR(1) - 1",
    "C2 65-76 0 2 0 2 0 fVerifDiffNull DouzeBlancs(1) - 1",
    "C2 same 0 2 1 2 0 nvmn_C2 TD(97) - 67",
    "C2 same 1 2 0 2 1 fConform10 TD(97) - 67",
    "C2 same 0 2 0 2 0 fCoherenCC - E8 50",
    "C3 77-78 1 1 1 1 1 - - - -",
    "C4 79-79 0 2 1 2 0 fVerifValAut SEX(2) - 3",
    "C5 80-81 0 2 1 2 0 fVerifValAut TR(70) - 4",
    "C6 82-89 0 2 1 2 0 fDATEC - - 5",
    "C6 same 0 2 1 2 0 fCoherenDC - F1 52",
    "C7 90-93 1 1 1 1 1 - - - -",
    "C8 94-103 1 1 1 1 1 - - - -",
    "C9 104-104 1 1 1 1 1 - - - -",
    "C10 105-106 0 2 1 2 0 fVerifValAut TP(245) - 7",
    "C11 107-118 0 2 1 2 0 fVerifDiffNull DouzeBlancs(1) - 7",
    "C11 same 0 2 1 2 0 fConform10FR TD(97) C10 67",
    "C11 same 0 2 1 2 0 fConform10FRnonECHAnon TD(97) C10 118",
    "C11 same 0 2 1 2 0 fConform10FRnonECHAoui - C10 6",
    "C12 119-120 0 2 1 2 0 fVerifValAut TR(70) - 8",
    "C13 121-122 0 2 1 2 0 fVDIFFNULLVTAB TP(245) - 14",
    "C14 123-134 0 2 1 2 0 fSimult - C13 114",
    "C14 same 0 2 1 2 0 fVerifNumEtrangerN - C13 14",
    "C15 135-136 0 2 1 2 0 fVerifValAut TR(70) - 9",
    "C16 137-138 0 2 1 2 0 fVerifValAut FR(1) - 2",
    "C17 139-150 0 2 1 2 0 fVerifDiffNull DouzeBlancs(1) - 2",
    "C17 same 0 2 1 2 0 fConform8 TD(97) - 68",
    "C17 same 0 2 1 2 0 fCoherenCC - E8 50",
    "C18 151-158 0 2 1 2 1 fDatRecCorr_O - - 134",
    "C18 same 0 2 1 2 1 fDatRecCohe - F1 52",
    "C18 same 0 2 1 2 1 fDatRecPost - C6 137",
    "C19 159-230 1 1 1 1 1 - - - -",
};

// The checks of the two types, by name.
const essai::NomsDeChecks kChecksNaisNvmn = {
    NOM_CHECK(nais_C2),
    NOM_CHECK(nais_C7),
    NOM_CHECK(nais_C11),
    NOM_CHECK(nais_C11FRnonUEnon),
    NOM_CHECK(nais_C11FRnonUEoui),
    NOM_CHECK(nais_C17),
    NOM_CHECK(nvmn_C2),
};

TEST(Nais, TableRowByRow) { essai::comparerListing(tNais, lNais, listeNais, kChecksNaisNvmn); }

TEST(Nvmn, TableRowByRow) { essai::comparerListing(tNvmn, lNvmn, listeNvmn, kChecksNaisNvmn); }

TEST(NaisNvmn, SlotsReadOutsideTheDependances) {
    // The C11 checks read the country from slot C10; error records echo the
    // holding of birth from the slots named in the switch table.
    EXPECT_EQ(essai::champDuSlot(tNais, lNais, C10), C10);
    for (const char* type : {"NAIS", "NVMN"}) {
        const sAiguillage& entree = tAiguillage[chercherAiguillage(type)];
        SCOPED_TRACE(type);
        EXPECT_EQ(entree.champErrC7, C16);
        EXPECT_EQ(entree.champErrC8, C17);
        EXPECT_EQ(essai::champDuSlot(entree.tabVerif, *entree.pLenTabVerif, C16), C16);
        EXPECT_EQ(essai::champDuSlot(entree.tabVerif, *entree.pLenTabVerif, C17), C17);
    }
    // The fields after C17 do not follow their numbers in NAIS.
    EXPECT_EQ(essai::champDuSlot(tNais, lNais, 17), C24);
    EXPECT_EQ(essai::champDuSlot(tNais, lNais, 20), C27);
    EXPECT_EQ(essai::champDuSlot(tNvmn, lNvmn, C18), C18);
}

}  // namespace
