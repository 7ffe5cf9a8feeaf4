// Reference tables: every count, and the entries whose exact bytes matter.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "reference/valautorise.h"

TEST(Tables, Comptes) {
    struct Cas {
        const char* nom;
        int compte;
        int attendu;
    };
    // Pair and triple tables count strings, except TEDC, which counts pairs.
    for (const Cas& c : std::vector<Cas>{
        {"tE5", LentE5, 7},
        {"tE6", LentE6, 27},
        {"tE6CRE", LentE6CRE, 23},
        {"tE6INV", LentE6INV, 20},
        {"tE6MOD", LentE6MOD, 19},
        {"tE6DEM", LentE6DEM, 5},
        {"tE6EDI", LentE6EDI, 1},
        {"tE6INF", LentE6INF, 1},
        {"TEC", LenTEC, 26},
        {"TDC", LenTDC, 101},
        {"BDN031", LenBDN031, 1},
        {"BDN8", LenBDN8, 1},
        {"TOUQ", LenTOUQ, 2},
        {"NOUU", LenNOUU, 2},
        {"versionVSE", LenversionVSE, 1},
        {"ET1", LenET1, 1},
        {"FR", LenFR, 1},
        {"TCEE", LenTCEE, 29},
        {"TECH", LenTECH, 30},
        {"TCPNOCEE", LenTCPNOCEE, 216},
        {"TP", LenTP, 245},
        {"TD", LenTD, 97},
        {"TDD", LenTDD, 102},
        {"SEX", LenSEX, 2},
        {"BOOL", LenBOOL, 2},
        {"BOOLFal", LenBOOLFal, 4},
        {"TR", LenTR, 70},
        {"TRG", LenTRG, 84},
        {"TTE", LenTTE, 9},
        {"TCEP", LenTCEP, 10},
        {"TRSCRE", LenTRSCRE, 47},
        {"TRSMOD", LenTRSMOD, 52},
        {"PROD", LenPROD, 6},
        {"PROD_E", LenPROD_E, 2},
        {"PROD_EV", LenPROD_EV, 9},
        {"FIL_V", LenFIL_V, 1},
        {"ELV_V", LenELV_V, 4},
        {"CAT_RECEN", LenCAT_RECEN, 10},
        {"TYP_COM", LenTYP_COM, 8},
        {"TYP_NUMERO", LenTYP_NUMERO, 6},
        {"TYP_IDENT", LenTYP_IDENT, 2},
        {"UTIL_BOUC", LenUTIL_BOUC, 6},
        {"TEMOIN", LenTEMOIN, 2},
        {"C2_MODEL", LenC2_MODEL, 3},
        {"C3_MODEL", LenC3_MODEL, 2},
        {"C2_MODEL_BV", LenC2_MODEL_BV, 1},
        {"C3_MODEL_BV", LenC3_MODEL_BV, 2},
        {"FAB_REP", LenFAB_REP, 14},
        {"NB", LenNB, 1},
        {"ZERO", LenZERO, 1},
        {"UN", LenUN, 1},
        {"ET4", LenET4, 1},
        {"ET12", LenET12, 1},
        {"quatreBlancs", LenquatreBlancs, 1},
        {"cinqBlancs", LencinqBlancs, 1},
        {"HuitBlancs", LenHuitBlancs, 1},
        {"HuitBlancsFal", LenHuitBlancsFal, 2},
        {"DouzeBlancs", LenDouzeBlancs, 1},
        {"vingtBlancs", LenvingtBlancs, 1},
        {"quatorzeBlancs", LenquatorzeBlancs, 1},
        {"trenteBlancs", LentrenteBlancs, 1},
        {"soixanteBlancs", LensoixanteBlancs, 1},
        {"P5", LenP5, 1},
        {"P6", LenP6, 1},
        {"P7", LenP7, 1},
        {"P8", LenP8, 1},
        {"P17", LenP17, 1},
        {"P18", LenP18, 1},
        {"TCMS", LenTCMS, 20},
        {"TCME", LenTCME, 10},
        {"TEDC", LenTEDC, 90},
        {"NEV", LenNEV, 202},
        {"IND_M", LenIND_M, 303},
         }) {
        EXPECT_EQ(c.compte, c.attendu) << c.nom;
    }
    EXPECT_EQ(Len0, 0);
}

TEST(Tables, EntreesAvecBlancsEtEntreesVides) {
    auto contient = [](const tValAutorise* t, int n, const std::string& v) {
        for (int i = 0; i < n; ++i) {
            if (v == t[i]) return true;
        }
        return false;
    };
    EXPECT_TRUE(contient(TRSCRE, LenTRSCRE, "M   "));
    EXPECT_FALSE(contient(TRSCRE, LenTRSCRE, "M"));
    EXPECT_STREQ(BDN031[0], "031BDN  ");
    EXPECT_STREQ(BDN8[0], "BDN     ");
    EXPECT_STREQ(TDC[0], "001IPG  ");
    EXPECT_STREQ(TEDC[2 * 89], "OVINFOS ");
    EXPECT_STREQ(TEDC[2 * 89 + 1], "OVINFOS ");
    // TP holds an empty entry between "MA" and "MQ", and "RS" where TCPNOCEE has "XS".
    EXPECT_STREQ(TP[135], "MA");
    EXPECT_STREQ(TP[136], "");
    EXPECT_STREQ(TP[137], "MQ");
    EXPECT_TRUE(contient(TP, LenTP, "RS"));
    EXPECT_FALSE(contient(TCPNOCEE, LenTCPNOCEE, "RS"));
    EXPECT_TRUE(contient(TCPNOCEE, LenTCPNOCEE, "XS"));
    EXPECT_STREQ(NEV[1], "AA,BA,,HL");
    EXPECT_STREQ(NEV[3], "CA,DA,,IL");
    EXPECT_STREQ(NEV[200], "976IPG");
    EXPECT_STREQ(IND_M[300], "976IPG");
    EXPECT_STREQ(IND_M[301], "650000");
    EXPECT_STREQ(IND_M[302], "655000");
    EXPECT_STREQ(TCMS[2 * 2], "D");
    EXPECT_STREQ(TCMS[2 * 2 + 1], "01011999");
    for (const char* cinqDansModSeulement : {"ETS ", "MR  ", "MLE ", "STE ", "MRS "}) {
        EXPECT_TRUE(contient(TRSMOD, LenTRSMOD, cinqDansModSeulement));
        EXPECT_FALSE(contient(TRSCRE, LenTRSCRE, cinqDansModSeulement));
    }
    // TECH is TCEE plus CH.
    for (int i = 0; i < LenTCEE; ++i) EXPECT_TRUE(contient(TECH, LenTECH, TCEE[i])) << TCEE[i];
    EXPECT_TRUE(contient(TECH, LenTECH, "CH"));
}

TEST(Tables, LargeursDesMotifsDeBlancs) {
    struct Cas {
        const tValAutorise* t;
        size_t largeur;
    };
    for (const Cas& c : std::vector<Cas>{{quatreBlancs, 4}, {cinqBlancs, 5}, {HuitBlancs, 8}, {DouzeBlancs, 12},
                                         {vingtBlancs, 20}, {quatorzeBlancs, 14}, {trenteBlancs, 30},
                                         {soixanteBlancs, 60}, {NB, 30}}) {
        EXPECT_EQ(std::strlen(c.t[0]), c.largeur);
        EXPECT_EQ(std::string(c.t[0]).find_first_not_of(' ', c.t == NB ? 2 : 0), std::string::npos);
    }
    // Department codes are all 2 characters: a prefix lookup is a whole-value lookup.
    for (int i = 0; i < LenTD; ++i) EXPECT_EQ(std::strlen(TD[i]), 2u) << i;
    EXPECT_STREQ(ET12[0], "************");
    EXPECT_STREQ(HuitBlancsFal[1], "********");
}
