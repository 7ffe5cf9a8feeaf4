// NUMA, REBO, PICO, GROC, IMOC and RACO (identification devices and small
// ruminants): the checks of these types, and the rule tables row by row
// against their listings.
#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "harnais_tables.h"
#include "checks/dispositifs.h"
#include "model/modele.h"
#include "outils.h"
#include "records/groc.h"
#include "records/numa.h"
#include "records/pico.h"
#include "records/raco.h"
#include "records/records.h"
#include "reference/valautorise.h"

namespace {

using essai::Valeur;

void remplirSlot(numCorpsVSE slot, const std::string& valeur) {
    ASSERT_LT(valeur.size(), sizeof valCorpsVSE[slot].valeur);
    std::strcpy(valCorpsVSE[slot].valeur, valeur.c_str());
}

const std::string B6(6, ' ');
const std::string B8(8, ' ');
const std::string B12(12, ' ');

// Quantities of NUMA: 6 digits not 0 (48), 1 to 1000 (177), and the serial
// part of the first number (C5 from its third character) plus the quantity at
// most 100000000 (179). Numbers are read as atoi reads them, saturated.
TEST(Numa, QuantiteEtFinDePlage) {
    struct Cas {
        std::string c5;
        std::string c6;
        int e48, e177, e179;  // 1: accepted
    };
    const Cas cas[] = {
        {"0112345678  ", "000000", 0, 0, 1},
        {"0112345678  ", "000001", 1, 1, 1},
        {"0112345678  ", "001000", 1, 1, 1},
        {"0112345678  ", "001001", 1, 0, 1},
        {"0112345678  ", "999999", 1, 0, 1},
        {"0112345678  ", " 00001", 0, 1, 1},  // atoi skips the blank
        {"0112345678  ", "00001 ", 0, 1, 1},
        {"0112345678  ", "+00010", 0, 1, 1},
        {"0112345678  ", "-00001", 0, 0, 1},
        {"0112345678  ", "00000A", 0, 0, 1},
        {"0112345678  ", "A00001", 0, 0, 1},
        {"0112345678  ", "      ", 0, 0, 1},
        {"0112345678  ", "00010", 0, 1, 1},   // cut short
        {"0112345678  ", "", 0, 0, 1},
        // The end of the range.
        {"0199999999  ", "000001", 1, 1, 1},   // 100000000
        {"0199999999  ", "000002", 1, 1, 0},
        {"0199999000  ", "001000", 1, 1, 1},
        {"0199999001  ", "001000", 1, 1, 0},
        {"0100000000  ", "001000", 1, 1, 1},
        {"01 99999999 ", "000002", 1, 1, 0},   // leading blank skipped
        {"0199999X99  ", "000002", 1, 1, 1},   // reading stops at X: 99999
        // Numbers past the 32-bit range read as the bound, never wrapped.
        {"019999999999", "000001", 1, 1, 0},
        {"012147483647", "000000", 0, 0, 0},
        {"014294967297", "000001", 1, 1, 0},   // a wrapped reading would give 1
        {"01-999999999", "000001", 1, 1, 1},
        // A first number cut short before its third character reads 0.
        {"0", "001000", 1, 1, 1},
        {"", "001000", 1, 1, 1},
    };
    for (const Cas& c : cas) {
        const std::string nom = '"' + c.c5 + "\" / \"" + c.c6 + '"';
        Valeur c5(c.c5);
        Valeur a(c.c6), b(c.c6), d(c.c6);
        EXPECT_EQ(numa_fC6_1(depVide, a.get(), nullptr, 0) != 0, c.e48 == 1) << nom;
        EXPECT_EQ(numa_fC6_2(depVide, b.get(), nullptr, 0) != 0, c.e177 == 1) << nom;
        EXPECT_EQ(numa_fC6_3(c5.get(), d.get(), nullptr, 0) != 0, c.e179 == 1) << nom;
    }
}

// Quantities of PICO: 6 digits not 0 (48), 1 to 10000 (178), and the end of
// the range by order type (180).
TEST(Pico, QuantiteEtFinDePlageSelonLeTypeDeCommande) {
    struct Cas {
        std::string c9;
        std::string c5;
        std::string c6;
        int e48, e178, e180;
    };
    const Cas cas[] = {
        {"I1", "1234561     ", "000000", 0, 0, 1},
        {"I1", "1234561     ", "010000", 1, 1, 1},
        {"I1", "1234561     ", "010001", 1, 0, 1},
        {"I1", "1234561     ", " 00001", 0, 1, 1},
        // Replacement orders: characters 8 to 12 plus the quantity up to 10000.
        {"PR", "123456R1234 ", "008766", 1, 1, 1},
        {"PR", "123456R1234 ", "008767", 1, 1, 0},
        {"PR", "123456R     ", "010000", 1, 1, 1},
        {"PC", "123456C9999 ", "000001", 1, 1, 1},
        {"PC", "123456C9999 ", "000002", 1, 1, 0},
        // Other orders: characters 7 to 12 plus the quantity up to 100000.
        {"I0", "12345612345 ", "087655", 1, 0, 1},
        {"I0", "12345612345 ", "087656", 1, 0, 0},
        {"I0", "1234561     ", "010000", 1, 1, 1},
        {"I1", "12345699999 ", "000001", 1, 1, 1},
        {"I1", "12345699999 ", "000002", 1, 1, 0},
        {"PR", "12345699999 ", "000001", 1, 1, 1},  // from character 8: 9999
        {"PR", "12345699999 ", "000002", 1, 1, 0},
        {"PR ", "12345699999 ", "000002", 1, 1, 0},  // not exactly "PR": from character 7
        {"PR ", "12345699999 ", "000001", 1, 1, 1},
        {"", "12345699999 ", "000002", 1, 1, 0},
        // A first identifier cut short reads 0 where it has no character.
        {"PR", "123456", "010000", 1, 1, 1},
        {"I1", "", "010000", 1, 1, 1},
    };
    remplirSlot(C8, "PR");
    remplirSlot(C10, "PC");
    for (const Cas& c : cas) {
        remplirSlot(C9, c.c9);
        const std::string nom = c.c9 + " \"" + c.c5 + "\" / \"" + c.c6 + '"';
        Valeur c5(c.c5);
        Valeur a(c.c6), b(c.c6), d(c.c6);
        EXPECT_EQ(pico_fC6_1(depVide, a.get(), nullptr, 0) != 0, c.e48 == 1) << nom;
        EXPECT_EQ(pico_fC6_2(depVide, b.get(), nullptr, 0) != 0, c.e178 == 1) << nom;
        EXPECT_EQ(pico_fC6_3(c5.get(), d.get(), nullptr, 0) != 0, c.e180 == 1) << nom;
    }
    for (numCorpsVSE s : {C8, C9, C10}) valCorpsVSE[s].valeur[0] = '\0';
}

TEST(Raco, EffectifEnSixChiffres) {
    struct Cas {
        std::string c6;
        int attendu;
    };
    const Cas cas[] = {
        {"000000", 1}, {"123456", 1}, {"999999", 1}, {"00000 ", 0}, {" 00000", 0},
        {"-12345", 0}, {"12345", 0},  {"", 0},       {B6, 0},       {"1234567", 1},
    };
    for (const Cas& c : cas) {
        Valeur v(c.c6);
        EXPECT_EQ(raco_fC6(depVide, v.get(), nullptr, 0) != 0, c.attendu == 1) << '"' << c.c6 << '"';
    }
}

// The optional second date of GROC and its time.
TEST(Groc, SecondeDateEtHeure) {
    struct Cas {
        std::string c10;
        int format;   // groc_cre_C10_1, dependance C6 "16062024"
        int avantF1;  // groc_cre_C10_2, dependance F1 "20062024"
    };
    const Cas dates[] = {
        {B8, 1, 1},
        {"15062024", 1, 1},  // before C6: not compared with it
        {"20062024", 1, 1},
        {"21062024", 1, 0},
        {"31022024", 0, 1},
        {"  062024", 0, 1},
        {"       ", 0, 1},   // 7 blanks: no blank date; fCoherenDC only orders
        {"", 0, 1},
    };
    for (const Cas& c : dates) {
        Valeur a(c.c10), b(c.c10);
        EXPECT_EQ(groc_cre_C10_1("16062024", a.get(), nullptr, 0) != 0, c.format == 1) << '"' << c.c10 << '"';
        EXPECT_EQ(groc_cre_C10_2("20062024", b.get(), nullptr, 0) != 0, c.avantF1 == 1) << '"' << c.c10 << '"';
    }
    struct CasHeure {
        std::string c10;
        std::string c12;
        int attendu;
    };
    const CasHeure heures[] = {
        {B8, B6, 1},
        {B8, "120000", 0},
        {B8, "     ", 0},
        {B8, "", 0},
        {"15062024", "120000", 1},
        {"15062024", "235959", 1},
        {"15062024", "240000", 0},
        {"15062024", "126000", 0},
        {"15062024", B6, 0},
        {"31022024", "120000", 1},  // the date is judged by its own rules
        {"", "120000", 1},           // a date cut short is not blank
    };
    for (const CasHeure& c : heures) {
        Valeur v(c.c12);
        EXPECT_EQ(groc_cre_C12(c.c10.c_str(), v.get(), nullptr, 0) != 0, c.attendu == 1)
            << '"' << c.c10 << "\" / \"" << c.c12 << '"';
    }
}

// ---------------------------------------------------------------------------
// Rule tables against their listings. One line per row: field, columns
// ("same" for a further rule on the field above), obligation codes for CRE
// DEM INV EDI MOD, check, allowed-value table with its count, dependance (the
// field its slot holds), error number; "-" for none.

// The checks of the six types (the device-model checks are known to the
// harness).
const essai::NomsDeChecks kChecksDispositifs = {
    NOM_CHECK(numa_fC6_1),            NOM_CHECK(numa_fC6_2),            NOM_CHECK(numa_fC6_3),
    NOM_CHECK(pico_fC6_1),            NOM_CHECK(pico_fC6_2),            NOM_CHECK(pico_fC6_3),
    NOM_CHECK(groc_cre_C10_1),        NOM_CHECK(groc_cre_C10_2),        NOM_CHECK(groc_cre_C12),
    NOM_CHECK(raco_fC6),
};

const std::vector<std::string> kListingNuma = {
    "C1 63-64 0 2 2 2 0 fVerifValAut FR(1) - 27",
    "C2 65-76 0 2 2 2 0 fVerifDiffNull DouzeBlancs(1) - 27",
    "C2 same 0 2 2 2 0 fConform8 TD(97) - 68",
    "C2 same 0 2 2 2 0 fCoherenCC - E8 50",
    "C3 77-78 1 1 1 1 1 - - - -",
    "C4 79-80 0 2 2 2 0 fVerifValAut FR(1) - 26",
    "C5 81-92 0 2 2 2 0 fVerifDiffNull DouzeBlancs(1) - 26",
    "C5 same 0 2 2 2 0 fConform10 TD(97) - 67",
    "C5 same 0 2 2 2 0 fCoherenCC - E8 50",
    "C6 93-98 0 2 2 2 0 numa_fC6_1 - - 48",
    "C6 same 0 2 2 2 0 numa_fC6_2 - - 177",
    "C6 same 0 2 2 2 0 numa_fC6_3 - C5 179",
    "C7 99-106 0 2 2 2 1 fDATEC - - 28",
    "C7 same 0 2 2 2 1 fCoherenDC - F1 52",
    "C8 107-107 1 2 2 2 0 fVerifValAut UTIL_BOUC(6) - 150",
    "C9 108-115 0 2 2 2 0 fConform_BV_model1 - C7 153",
    "C9 same 0 2 2 2 0 fConform_BV_model2 FAB_REP(14) - 154",
    "C9 same 0 2 2 2 0 fConform_BV_model3 C2_MODEL_BV(1) - 155",
    "C9 same 0 2 2 2 0 fConform_BV_model4 C3_MODEL_BV(2) - 156",
    "C9 same 0 2 2 2 0 fConform_BV_model5 - - 157",
    "C10 116-123 0 2 2 2 0 fConform_BV_model1 - C7 153",
    "C10 same 0 2 2 2 0 fConform_BV_model2 FAB_REP(14) - 154",
    "C10 same 0 2 2 2 0 fConform_BV_model3 C2_MODEL_BV(1) - 155",
    "C10 same 0 2 2 2 0 fConform_BV_model4 C3_MODEL_BV(2) - 156",
    "C10 same 0 2 2 2 0 fConform_BV_model5 - - 157",
    "C11 124-230 1 1 1 1 1 - - - -",
};

// The second date runs for INV and MOD (rows 13 and 14); the fields after the
// jump from C6 to C23 sit in slots C7 to C10.
const std::vector<std::string> kListingRebo = {
    "C1 63-64 0 2 0 2 0 fVerifValAut TP(245) - 1",
    "C2 65-76 0 2 0 2 0 fVerifDiffNull DouzeBlancs(1) - 1",
    "C2 same 0 2 0 2 0 fConform10FR TD(97) C1 67",
    "C2 same 0 2 0 2 0 fConform10FRnonECHAnon TD(97) C1 118",
    "C2 same 0 2 0 2 0 fConform10FRnonECHAoui - C1 1",
    "C3 77-78 1 1 1 1 1 - - - -",
    "C4 79-86 0 2 1 2 0 fDATEC - - 28",
    "C4 same 0 2 1 2 0 fCoherenDC - F1 52",
    "C5 87-88 0 2 0 2 0 fVerifValAut FR(1) - 27",
    "C6 89-100 0 2 0 2 0 fVerifDiffNull DouzeBlancs(1) - 27",
    "C6 same 0 2 0 2 0 fConform8 TD(97) - 68",
    "C6 same 0 2 0 2 0 fCoherenCC - E8 50",
    "C23 212-219 1 2 0 2 0 fDATEC - - 28",
    "C23 same 1 2 0 2 0 fCoherenDC - F1 52",
    "C24 220-227 0 2 1 2 1 fConform_BV_model1 - C4 153",
    "C24 same 0 2 1 2 1 fConform_BV_model2 FAB_REP(14) - 154",
    "C24 same 0 2 1 2 1 fConform_BV_model3 C2_MODEL_BV(1) - 155",
    "C24 same 0 2 1 2 1 fConform_BV_model4 C3_MODEL_BV(2) - 156",
    "C24 same 0 2 1 2 1 fConform_BV_model5 - - 157",
    "C25 228-228 1 2 1 2 0 fConform_temoin_bouc1 UTIL_BOUC(6) C4 150",
    "C25 same 1 2 1 2 0 fConform_temoin_bouc2 - - 191",
    "C26 229-230 1 1 1 1 1 - - - -",
};

const std::vector<std::string> kListingPico = {
    "C1 63-64 0 2 2 2 2 fVerifValAut FR(1) - 27",
    "C2 65-76 0 2 2 2 2 fVerifDiffNull DouzeBlancs(1) - 27",
    "C2 same 0 2 2 2 2 fConform8 TD(97) - 68",
    "C2 same 0 2 2 2 2 fCoherenCC - E8 50",
    "C3 77-78 1 1 1 1 1 - - - -",
    "C4 79-80 0 2 2 2 2 fVerifValAut FR(1) - 164",
    "C5 81-92 0 2 2 2 2 fVerifDiffNull DouzeBlancs(1) - 165",
    "C5 same 0 2 2 2 2 fConform_OC_TP IND_M(303) C4 151",
    "C5 same 0 2 2 2 2 fCoheren_OC_IND_M IND_M(303) E8 50",
    "C6 93-98 0 2 2 2 2 pico_fC6_1 - - 48",
    "C6 same 0 2 2 2 2 pico_fC6_2 - - 178",
    "C6 same 0 2 2 2 2 pico_fC6_3 - C5 180",
    "C7 99-106 0 2 2 2 2 fDATEC - - 28",
    "C7 same 0 2 2 2 2 fCoherenDC - F1 52",
    "C8 107-114 0 2 2 2 2 fConform_OC_model1 - - 153",
    "C8 same 0 2 2 2 2 fConform_OC_model2 FAB_REP(14) - 154",
    "C8 same 0 2 2 2 2 fConform_OC_model3 C2_MODEL(3) - 155",
    "C8 same 0 2 2 2 2 fConform_OC_model4 C3_MODEL(2) - 156",
    "C8 same 0 2 2 2 2 fConform_OC_model5 - - 157",
    "C9 115-116 0 2 2 2 2 fVerifValAut TYP_COM(8) - 166",
    "C10 117-118 0 2 2 2 2 fVerifValAut TP(245) - 152",
    "C11 119-119 0 2 2 2 2 fConform_OC_compteur - C8 158",
    "C12 120-230 1 1 1 1 1 - - - -",
};

const std::vector<std::string> kListingGroc = {
    "C1 63-64 0 0 2 2 2 fVerifValAut TECH(30) - 1",
    "C2 65-76 0 0 2 2 2 fVerifDiffNull DouzeBlancs(1) - 1",
    "C2 same 0 0 2 2 2 fConform_OC_FR IND_M(303) C1 151",
    "C2 same 0 0 2 2 2 fConform_OC_UE - C1 1",
    "C3 77-78 1 1 1 1 1 - - - -",
    "C4 79-80 0 1 2 2 2 fVerifValAut FR(1) - 27",
    "C5 81-92 0 1 2 2 2 fVerifDiffNull DouzeBlancs(1) - 27",
    "C5 same 0 1 2 2 2 fConform8 TD(97) C1 68",
    "C5 same 0 1 2 2 2 fCoherenCC - E8 50",
    "C6 93-100 0 1 2 2 2 fDATEC - - 28",
    "C6 same 0 1 2 2 2 fCoherenDC - F1 52",
    "C7 101-108 0 0 2 2 2 fConform_OC_model1 - - 153",
    "C7 same 0 0 2 2 2 fConform_OC_model2 FAB_REP(14) - 154",
    "C7 same 0 0 2 2 2 fConform_OC_model3 C2_MODEL(3) - 155",
    "C7 same 0 0 2 2 2 fConform_OC_model4 C3_MODEL(2) - 156",
    "C7 same 0 0 2 2 2 fConform_OC_model5 - - 157",
    "C8 109-110 0 1 2 2 2 fConform_OC_pays_orig - C1 152",
    "C9 111-111 0 1 2 2 2 fConform_OC_compteur - C7 158",
    "C10 112-119 0 1 2 2 2 groc_cre_C10_1 - C6 102",
    "C10 same 0 1 2 2 2 groc_cre_C10_2 - F1 52",
    "C10 same 1 1 2 2 2 fDATEC - - 102",
    "C10 same 1 1 2 2 2 fCoherenDC - F1 52",
    "C11 120-121 1 1 2 2 2 - - - -",
    "C12 122-127 0 1 2 2 2 groc_cre_C12 - C10 103",
    "C12 same 1 1 2 2 2 fHEUREC - - 103",
    "C13 128-230 1 1 1 1 1 - - - -",
};

const std::vector<std::string> kListingImoc = {
    "C1 63-64 0 2 0 2 2 fVerifValAut FR(1) - 159",
    "C2 65-76 0 2 0 2 2 fVerifDiffNull DouzeBlancs(1) - 160",
    "C2 same 0 2 0 2 2 fConform_OC_IND_M - - 161",
    "C2 same 0 2 0 2 2 fCoheren_OC_IND_M IND_M(303) E8 50",
    "C3 77-78 1 1 1 1 1 - - - -",
    "C4 79-80 0 2 1 2 2 fVerifValAut FR(1) - 27",
    "C5 81-92 0 2 1 2 2 fVerifDiffNull DouzeBlancs(1) - 27",
    "C5 same 0 2 1 2 2 fConform8 TD(97) C1 68",
    "C5 same 0 2 1 2 2 fCoherenCC - E8 50",
    "C6 93-93 0 2 1 2 2 fVerifValAut C2_MODEL(3) - 162",
    "C7 94-101 0 2 1 2 2 fDATEC - - 163",
    "C7 same 0 2 1 2 2 fCoherenDC - F1 52",
    "C8 102-230 1 1 1 1 1 - - - -",
};

const std::vector<std::string> kListingRaco = {
    "C1 63-64 0 2 0 2 0 fVerifValAut FR(1) - 27",
    "C2 65-76 0 2 0 2 0 fVerifDiffNull DouzeBlancs(1) - 27",
    "C2 same 0 2 0 2 0 fConform8 TD(97) - 68",
    "C2 same 0 2 0 2 0 fCoherenCC - E8 50",
    "C3 77-78 1 1 1 1 1 - - - -",
    "C4 79-82 0 2 0 2 0 fCoherenD_OC_an_1 - - 167",
    "C4 same 0 2 0 2 0 fCoherenD_OC_an_2 - F1 168",
    "C5 83-88 0 2 0 2 0 fVerifValAut CAT_RECEN(10) - 169",
    "C6 89-94 0 2 1 2 0 raco_fC6 - - 170",
    "C7 95-102 0 2 1 2 1 fDatRecCorr - - 134",
    "C7 same 0 2 1 2 1 fDatRecCohe - F1 52",
    "C7 same 0 2 1 2 1 fDatRec_OC_Post - C4 137",
    "C8 103-230 1 1 1 1 1 - - - -",
};

TEST(TablesDispositifs, ReglesLigneParLigne) {
    EXPECT_EQ(lNuma, 26);
    EXPECT_EQ(lRebo, 22);
    EXPECT_EQ(lPico, 23);
    EXPECT_EQ(lGroc, 26);
    EXPECT_EQ(lImoc, 13);
    EXPECT_EQ(lRaco, 13);
    {
        SCOPED_TRACE("NUMA");
        essai::comparerListing(tNuma, lNuma, kListingNuma, kChecksDispositifs);
    }
    {
        SCOPED_TRACE("REBO");
        essai::comparerListing(tRebo, lRebo, kListingRebo, kChecksDispositifs);
    }
    {
        SCOPED_TRACE("PICO");
        essai::comparerListing(tPico, lPico, kListingPico, kChecksDispositifs);
    }
    {
        SCOPED_TRACE("GROC");
        essai::comparerListing(tGroc, lGroc, kListingGroc, kChecksDispositifs);
    }
    {
        SCOPED_TRACE("IMOC");
        essai::comparerListing(tImoc, lImoc, kListingImoc, kChecksDispositifs);
    }
    {
        SCOPED_TRACE("RACO");
        essai::comparerListing(tRaco, lRaco, kListingRaco, kChecksDispositifs);
    }
}

// The switch table sends each type to its table and echoes its pair of
// reference fields in an error record; REBO's slots after the jump hold the
// fields C23 to C26.
TEST(TablesDispositifs, AiguillageVersLesTables) {
    struct Cas {
        const char* type;
        const sCorps* table;
        int lignes;
        numCorpsVSE c7;
        numCorpsVSE c8;
    };
    const Cas cas[] = {
        {"NUMA", tNuma, 26, C1, C2}, {"REBO", tRebo, 22, C5, C6}, {"PICO", tPico, 23, C1, C2},
        {"GROC", tGroc, 26, C4, C5}, {"IMOC", tImoc, 13, C4, C5}, {"RACO", tRaco, 13, C1, C2},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.type);
        const int i = chercherAiguillage(c.type);
        ASSERT_NE(i, ERR_AIGUILLAGE);
        const sAiguillage& a = tAiguillage[i];
        EXPECT_EQ(a.tabVerif, c.table);
        EXPECT_EQ(*a.pLenTabVerif, c.lignes);
        EXPECT_EQ(a.champErrC7, c.c7);
        EXPECT_EQ(a.champErrC8, c.c8);
    }
    EXPECT_EQ(essai::correspondanceSlots(tRebo, lRebo),
              "slot C7 = field C23, slot C8 = field C24, slot C9 = field C25, slot C10 = field C26");
    for (const Cas& c : cas) {
        if (c.table != tRebo) {
            EXPECT_EQ(essai::correspondanceSlots(c.table, c.lignes), "") << c.type;
        }
    }
}

}  // namespace
