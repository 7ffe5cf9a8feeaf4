// Every rule table of the tool checked as a whole: the 26 body tables of the
// switch table, the header, the trailer and the FICH body. Each property is
// also shown to catch a fault, on a copy of a real table with one row broken.
#include <gtest/gtest.h>

#include <iostream>
#include <string>
#include <vector>

#include "engine/entete.h"
#include "harnais_tables.h"
#include "model/modele.h"
#include "records/records.h"
#include "reference/valautorise.h"

namespace {

using essai::defautsDeTable;
using essai::ZONE_CORPS;

std::string enLignes(const std::vector<std::string>& defauts) {
    std::string s;
    for (const std::string& d : defauts) s += d + "\n";
    return s;
}

TEST(CoherenceDesTables, EveryBodyTableOfTheSwitchTable) {
    for (int i = 0; i < ERR_AIGUILLAGE; ++i) {
        const sAiguillage& a = tAiguillage[i];
        SCOPED_TRACE(a.nomVSE);
        ASSERT_NE(a.tabVerif, nullptr);
        EXPECT_EQ(enLignes(defautsDeTable(a.tabVerif, *a.pLenTabVerif, ZONE_CORPS)), "");
        // Every type has its rules: an empty table would accept any body.
        EXPECT_GT(*a.pLenTabVerif, 0);
        EXPECT_EQ(enLignes(essai::defautsDesSlotsEchoes(a)), "");
        const std::string correspondance = essai::correspondanceSlots(a.tabVerif, *a.pLenTabVerif);
        if (!correspondance.empty()) std::cout << a.nomVSE << ": " << correspondance << "\n";
    }
    // The closing entry has no table and is found for no name.
    EXPECT_EQ(tAiguillage[ERR_AIGUILLAGE].tabVerif, nullptr);
    EXPECT_EQ(tAiguillage[ERR_AIGUILLAGE].code, -1);
}

TEST(CoherenceDesTables, HeaderTrailerAndFich) {
    EXPECT_EQ(enLignes(defautsDeTable(tEntete, lEntete, essai::ZONE_ENTETE)), "");
    EXPECT_EQ(enLignes(defautsDeTable(tFin, lFin, essai::ZONE_FIN)), "");
    EXPECT_EQ(enLignes(defautsDeTable(tFich, lFich, ZONE_CORPS)), "");
    // The engine reads NB_ENTETE, NB_FIN and NB_CORPS_FICH slots of them.
    EXPECT_EQ(essai::nombreDeSlots(tEntete, lEntete), NB_ENTETE);
    EXPECT_EQ(essai::nombreDeSlots(tFin, lFin), NB_FIN);
    EXPECT_EQ(essai::nombreDeSlots(tFich, lFich), NB_CORPS_FICH);
}

// Each record type names a distinct table, and every type of the header's
// list of types but FICH has an entry.
TEST(CoherenceDesTables, OneEntryPerRecordType) {
    int entrees = 0;
    for (int k = 0; k < LentE6; ++k) {
        const std::string type = tE6[k];
        if (type == "FICH") continue;
        const int i = chercherAiguillage(type.c_str());
        ASSERT_NE(i, ERR_AIGUILLAGE) << type;
        ++entrees;
        for (int j = 0; j < ERR_AIGUILLAGE; ++j) {
            if (j != i) {
                EXPECT_NE(tAiguillage[j].tabVerif, tAiguillage[i].tabVerif) << type;
            }
        }
    }
    EXPECT_EQ(entrees, ERR_AIGUILLAGE);
}

// A copy of ENTR's table, to be broken one row at a time.
std::vector<sCorps> copieEntr() { return std::vector<sCorps>(tEntr, tEntr + lEntr); }

std::vector<std::string> defautsDe(const std::vector<sCorps>& t) {
    return defautsDeTable(t.data(), static_cast<int>(t.size()), ZONE_CORPS);
}

TEST(CoherenceDesTables, EachPropertyCatchesABrokenRow) {
    ASSERT_TRUE(defautsDe(copieEntr()).empty());
    ASSERT_EQ(tEntr[1].numChamp, C2);  // C2 65-76, followed by three additional rules on C2
    ASSERT_EQ(tEntr[2].debut, 0);
    ASSERT_EQ(tEntr[6].numChamp, C4);  // C4 79-86 with fDATEC

    struct Cas {
        const char* propriete;
        void (*casser)(std::vector<sCorps>&);
        const char* defaut;
    };
    const Cas cas[] = {
        {"columns outside the body", [](std::vector<sCorps>& t) { t[0].debut = 60; },
         "row 1: columns 60-64 outside 63-230"},
        {"columns past the body", [](std::vector<sCorps>& t) { t.back().fin = 231; },
         "row 31: columns 193-231 outside 63-230"},
        {"columns going back", [](std::vector<sCorps>& t) { t[6].debut = 70, t[6].fin = 77; },
         "row 7: columns 70-77 do not follow the columns before them"},
        {"additional rule first", [](std::vector<sCorps>& t) { t[0].debut = 0, t[0].fin = 0; },
         "row 1: additional rule before any rule with columns"},
        {"additional rule on another field", [](std::vector<sCorps>& t) { t[2].numChamp = C3; },
         "row 3: additional rule names C3 after a cut of C2"},
        {"obligation code", [](std::vector<sCorps>& t) { t[6].typeINV = 3; }, "row 7: obligation code 3"},
        {"check without error", [](std::vector<sCorps>& t) { t[6].noErr = 0; },
         "row 7: check without an error number"},
        {"error without check", [](std::vector<sCorps>& t) { t[5].noErr = 12; },
         "row 6: error number without a check"},
        {"count of another table", [](std::vector<sCorps>& t) { t[0].plenSverif = &LenTD; },
         "row 1: value table TP(count 97 of another table)"},
        {"count without a table", [](std::vector<sCorps>& t) { t[6].plenSverif = &LenTD; },
         "row 7: value table -(count handed without a table)"},
        {"dependance on a slot not cut", [](std::vector<sCorps>& t) { t[2].dependance = valCorpsVSE[C40].valeur; },
         "row 3: dependance slot C40 (not cut)"},
        {"dependance outside the slots", [](std::vector<sCorps>& t) { t[2].dependance = valCorpsVSE[C1].valeur + 1; },
         "row 3: dependance ?"},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.propriete);
        std::vector<sCorps> t = copieEntr();
        c.casser(t);
        EXPECT_EQ(enLignes(defautsDe(t)), std::string(c.defaut) + "\n");
    }
}

TEST(CoherenceDesTables, EchoedSlotsCatchAWrongSlot) {
    sAiguillage entr = tAiguillage[chercherAiguillage("ENTR")];
    ASSERT_TRUE(essai::defautsDesSlotsEchoes(entr).empty());
    entr.champErrC7 = C5;  // one column wide
    entr.champErrC8 = C40;
    EXPECT_EQ(enLignes(essai::defautsDesSlotsEchoes(entr)),
              "champErrC7 names slot C5 of width 1, not 2\n"
              "champErrC8 names slot C40, which the table does not cut\n");
}

// Slot and field numbers part where a table cuts a field twice: ENTR's date
// of the record, at 185-192, takes slots C13 and C14, so C14 lies in slot C15.
TEST(CoherenceDesTables, SlotsAndFieldsOfADoubleCut) {
    EXPECT_EQ(essai::correspondanceSlots(tEntr, lEntr), "slot C14 = field C13, slot C15 = field C14");
    EXPECT_EQ(essai::nomDeDependance(valCorpsVSE[C14].valeur, tEntr, lEntr), "C13");
    EXPECT_EQ(essai::nomDeDependance(valCorpsVSE[C15].valeur, tEntr, lEntr), "C14");
    EXPECT_EQ(essai::nomDeDependance(valCorpsVSE[C16].valeur, tEntr, lEntr), "slot C16 (not cut)");
    EXPECT_EQ(essai::nomDeDependance(valFichEnteteVSE[E3].valeur, tEntr, lEntr), "FICH.E3");
}

}  // namespace
