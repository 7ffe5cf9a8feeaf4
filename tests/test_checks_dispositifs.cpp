// Identification-device checks: sheep and goat identification numbers, tag
// model codes part by part, the counter that goes with a model, the country
// of origin, and the bovine tag model and use indicator against the
// 1 January 2011 cut-off.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "checks/dispositifs.h"
#include "model/modele.h"
#include "outils.h"
#include "reference/valautorise.h"

namespace {

using essai::Valeur;

int appeler(pfVerif_t check, const std::string& dependance, const std::string& valeur,
            const void* sverif = nullptr, int lenSverif = 0) {
    Valeur dep(dependance);
    Valeur champ(valeur);
    return check(dep.get(), champ.get(), sverif, lenSverif);
}

struct Cas {
    std::string dependance;
    std::string valeur;
    int attendu;
};

void verifier(pfVerif_t check, const char* nom, const std::vector<Cas>& cas, const void* sverif = nullptr,
              int lenSverif = 0) {
    for (const Cas& c : cas) {
        EXPECT_EQ(appeler(check, c.dependance, c.valeur, sverif, lenSverif) != 0, c.attendu == 1)
            << nom << " \"" << c.dependance << "\" / \"" << c.valeur << '"';
    }
}

TEST(ChecksDispositifs, NumeroFrancaisDeGroc) {
    verifier(fConform_OC_FR, "fConform_OC_FR",
             {
                 {"FR", "10000012345 ", 1},
                 {"FR", "68349999999 ", 1},
                 {"FR", "50000000000 ", 1},
                 {"FR", "09999912345 ", 0},   // below the lowest marking code
                 {"FR", "68350012345 ", 0},   // above the highest
                 {"FR", "1000001234  ", 0},   // a blank in position 11
                 {"FR", "100000123456", 0},   // no final blank
                 {"FR", "10000012345", 0},    // cut short
                 {"FR", "10000012345  ", 0},  // one character too many
                 {"FR", "1000001234A ", 0},
                 {"FR", "10000 12345 ", 0},
                 {"FR", "", 0},
                 {"FR", std::string(12, ' '), 0},
                 {"FR", "10000012345\x7f", 0},
                 // Other countries, and a country that is not exactly "FR".
                 {"BE", "", 1},
                 {"BE", "anything", 1},
                 {"FR ", "x", 1},
                 {"", "x", 1},
             },
             IND_M, LenIND_M);
}

TEST(ChecksDispositifs, NumeroEtrangerDeGroc) {
    verifier(fConform_OC_UE, "fConform_OC_UE",
             {
                 {"FR", "", 1},
                 {"FR", "anything", 1},
                 {"BE", "123456789012", 1},
                 {"BE", "A12345      ", 1},
                 {"BE", "BE1234567890", 0},  // repeats its own country
                 {"BE", "12 345      ", 0},  // an embedded blank
                 {"BE", "a12345      ", 0},
                 {"BE", std::string(12, ' '), 0},
                 {"BE", "", 0},
             });
}

// PICO's first identifier: character 7 set by the order type of slot C9.
TEST(ChecksDispositifs, NumeroDePicoSelonLeTypeDeCommande) {
    struct CasTp {
        std::string c9;
        std::string valeur;
        int attendu;
    };
    const CasTp cas[] = {
        {"PR", "123456R1234 ", 1},
        {"PR", "123456R     ", 1},
        {"PR", "1234561     ", 0},
        {"PR", "123456C     ", 0},
        {"PR", "123456R12 4 ", 0},
        {"PC", "123456C     ", 1},
        {"PC", "123456C9999 ", 1},
        {"PC", "123456R     ", 0},
        {"I1", "1234561     ", 1},
        {"I1", "12345671234 ", 1},
        {"I1", "123456R     ", 0},
        {"I1", "123456712 4 ", 0},   // blanks and digits mixed in characters 8 to 11
        {"I1", "1234567 234 ", 0},
        {"I1", "1234567     X", 0},
        {"I1", "1234567     ", 1},
        {"I1", "1234567    ", 0},    // cut short
        {"I1", "123456", 0},
        {"I1", "", 0},
        {"I1", "0999991     ", 0},
        {"I1", "6834991     ", 1},
        {"I1", "6835001     ", 0},
        {"I1", "12345A1     ", 0},
        {"I0", "1234560     ", 1},
        // Only an exact "PR" or "PC" asks for a letter.
        {"PR ", "123456R     ", 0},
        {"P", "1234561     ", 1},
        {"", "1234561     ", 1},
    };
    // Slots around C9 hold the other order types: only C9 may be read.
    std::strcpy(valCorpsVSE[C8].valeur, "PR");
    std::strcpy(valCorpsVSE[C10].valeur, "PC");
    for (const CasTp& c : cas) {
        std::strcpy(valCorpsVSE[C9].valeur, c.c9.c_str());
        EXPECT_EQ(appeler(fConform_OC_TP, "FR", c.valeur, IND_M, LenIND_M) != 0, c.attendu == 1)
            << c.c9 << " / \"" << c.valeur << '"';
        EXPECT_EQ(appeler(fConform_OC_TP, "BE", c.valeur, IND_M, LenIND_M), 1) << c.valeur;
    }
    std::strcpy(valCorpsVSE[C9].valeur, "PR");
    EXPECT_EQ(appeler(fConform_OC_TP, "DE", "1234561     ", IND_M, LenIND_M), 1);
    EXPECT_EQ(appeler(fConform_OC_TP, "FR ", "garbage", IND_M, LenIND_M), 1);
    for (numCorpsVSE s : {C8, C9, C10}) valCorpsVSE[s].valeur[0] = '\0';
}

TEST(ChecksDispositifs, CodeDeMarquage) {
    verifier(fConform_OC_IND_M, "fConform_OC_IND_M",
             {
                 {"", "123456      ", 1},
                 {"", "100000      ", 1},
                 {"", "683499      ", 1},
                 {"", "099999      ", 0},
                 {"", "683500      ", 0},
                 {"", "123456     X", 0},
                 {"", "123456     ", 0},
                 {"", "123456       ", 0},
                 {"", "12345A      ", 0},
                 {"", " 23456      ", 0},
                 {"", "", 0},
                 {"", std::string(12, ' '), 0},
             });
}

// The five parts of a model code, each with its own rule: for the sheep and
// goat tags (_OC_) and, with their own tables, for the bovine tags (_BV_),
// which accept a blank code in parts 2 to 5.
TEST(ChecksDispositifs, CodeDeModelePartieParPartie) {
    struct CasModele {
        std::string code;
        int oc[5];  // fConform_OC_model1 to model5 (tables FAB_REP, C2_MODEL, C3_MODEL)
        int bv[4];  // fConform_BV_model2 to model5 (FAB_REP, C2_MODEL_BV, C3_MODEL_BV)
    };
    const CasModele cas[] = {
        {"AZE123  ", {1, 1, 1, 1, 1}, {1, 0, 1, 1}},
        {"AZX123  ", {1, 1, 1, 0, 1}, {1, 0, 0, 1}},
        {"OZE123  ", {1, 0, 1, 1, 1}, {0, 0, 1, 1}},
        {"AZE12   ", {0, 1, 1, 1, 0}, {1, 0, 1, 0}},
        {"NOC999  ", {1, 1, 1, 1, 1}, {1, 0, 1, 1}},
        {"ACC000  ", {1, 1, 1, 1, 1}, {1, 0, 1, 1}},
        {"ABE123  ", {1, 1, 0, 1, 1}, {1, 1, 1, 1}},
        {"ABC123  ", {1, 1, 0, 1, 1}, {1, 1, 1, 1}},
        {"ABE 23  ", {0, 1, 0, 1, 0}, {1, 1, 1, 0}},
        {"ABE12A  ", {1, 1, 0, 1, 0}, {1, 1, 1, 0}},
        {"aZE123  ", {1, 0, 1, 1, 1}, {0, 0, 1, 1}},
        {"AZE123 X", {0, 1, 1, 1, 1}, {1, 0, 1, 1}},
        {"AZE123 ", {0, 1, 1, 1, 1}, {1, 0, 1, 1}},    // cut short
        {"AZE123   ", {0, 1, 1, 1, 1}, {1, 0, 1, 1}},  // too long
        {"AZE1", {0, 1, 1, 1, 0}, {1, 0, 1, 0}},
        {"AZ", {0, 1, 1, 0, 0}, {1, 0, 0, 0}},
        {"A", {0, 1, 0, 0, 0}, {1, 0, 0, 0}},
        {"", {0, 0, 0, 0, 0}, {0, 0, 0, 0}},
        {"        ", {0, 0, 0, 0, 0}, {1, 1, 1, 1}},
        {"       ", {0, 0, 0, 0, 0}, {0, 0, 0, 0}},  // 7 blanks are no blank code
        {"\x7f" "ZE123  ", {1, 0, 1, 1, 1}, {0, 0, 1, 1}},
    };
    const pfVerif_t oc[5] = {fConform_OC_model1, fConform_OC_model2, fConform_OC_model3, fConform_OC_model4,
                             fConform_OC_model5};
    const void* tablesOc[5] = {nullptr, FAB_REP, C2_MODEL, C3_MODEL, nullptr};
    const int lensOc[5] = {0, LenFAB_REP, LenC2_MODEL, LenC3_MODEL, 0};
    const pfVerif_t bv[4] = {fConform_BV_model2, fConform_BV_model3, fConform_BV_model4, fConform_BV_model5};
    const void* tablesBv[4] = {FAB_REP, C2_MODEL_BV, C3_MODEL_BV, nullptr};
    const int lensBv[4] = {LenFAB_REP, LenC2_MODEL_BV, LenC3_MODEL_BV, 0};
    for (const CasModele& c : cas) {
        for (int k = 0; k < 5; ++k) {
            EXPECT_EQ(appeler(oc[k], "", c.code, tablesOc[k], lensOc[k]) != 0, c.oc[k] == 1)
                << "fConform_OC_model" << k + 1 << " \"" << c.code << '"';
        }
        for (int k = 0; k < 4; ++k) {
            EXPECT_EQ(appeler(bv[k], "01012011", c.code, tablesBv[k], lensBv[k]) != 0, c.bv[k] == 1)
                << "fConform_BV_model" << k + 2 << " \"" << c.code << '"';
        }
    }
}

// A blank bovine tag model is allowed for a record dated before 2011 only.
TEST(ChecksDispositifs, ModeleBovinVideAvant2011) {
    verifier(fConform_BV_model1, "fConform_BV_model1",
             {
                 {"31122010", "        ", 1},
                 {"01012011", "        ", 0},
                 {"02012011", "        ", 0},
                 {"15062024", "        ", 0},
                 {"01012010", "        ", 1},
                 {"        ", "        ", 1},  // a blank date reads as 00000000
                 {"  012011", "        ", 1},  // 20110100, before the cut-off
                 {"01  2011", "        ", 1},  // 20110001, before the cut-off
                 {"0101", "        ", 1},      // cut short: before the cut-off
                 {"", "        ", 1},
                 {"31122010", "ABE123  ", 1},
                 {"01012011", "ABE123  ", 1},
                 {"01012011", "ABE 23  ", 0},
                 {"31122010", "ABE 23  ", 0},
                 {"31122010", "ABE123 ", 0},
                 {"31122010", "       ", 0},
                 {"31122010", "         ", 0},
                 {"31122010", "", 0},
                 {"31122010", "ZZZZZZ  ", 1},  // the parts are judged by model2 to model5
             });
}

TEST(ChecksDispositifs, CompteurSelonLeModele) {
    verifier(fConform_OC_compteur, "fConform_OC_compteur",
             {
                 {"AZE123  ", "0", 1},
                 {"AZE123  ", "3", 1},
                 {"AZE123  ", "7", 1},
                 {"AZE123  ", "8", 0},
                 {"AZE123  ", "9", 0},
                 {"AZE123  ", "/", 0},
                 {"AZE123  ", " ", 0},
                 {"AZE123  ", "", 0},  // empty: refused
                 {"AZC123  ", " ", 1},
                 {"AZC123  ", "0", 0},
                 {"AZC123  ", "", 0},
                 {"AZC123  ", "  ", 0},
                 {"  E", "5", 1},       // only character 3 counts
                 {"AZ", " ", 1},        // a model without character 3
                 {"AZ", "0", 0},
                 {"", " ", 1},
                 {"AZe123  ", "0", 0},
             });
}

TEST(ChecksDispositifs, PaysDOrigine) {
    verifier(fConform_OC_pays_orig, "fConform_OC_pays_orig",
             {
                 {"FR", "DE", 1},
                 {"FR", "FR", 1},
                 {"FR", "  ", 0},
                 {"FR", "ZZ", 0},
                 {"FR", "", 1},  // TP holds an empty entry
                 {"BE", "  ", 1},
                 {"BE", "DE", 0},
                 {"BE", " ", 0},
                 {"BE", "", 0},
                 {"", "  ", 1},
             });
}

TEST(ChecksDispositifs, TemoinDeBouclage) {
    verifier(fConform_temoin_bouc1, "fConform_temoin_bouc1",
             {
                 {"01012011", " ", 0},
                 {"01012011", "0", 1},  // then refused by fConform_temoin_bouc2
                 {"01012011", "1", 1},
                 {"01012011", "X", 1},  // not matched against a list
                 {"15062024", " ", 0},
                 {"31122010", " ", 1},
                 {"        ", " ", 1},
                 {"01012011", "", 1},   // a missing character is no blank
             },
             UTIL_BOUC, LenUTIL_BOUC);
    verifier(fConform_temoin_bouc2, "fConform_temoin_bouc2",
             {
                 {"", "0", 0},
                 {"", "1", 1},
                 {"", "5", 1},
                 {"", " ", 1},
                 {"", "", 1},
                 {"", "00", 1},
             });
}

}  // namespace
