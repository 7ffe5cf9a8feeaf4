// Generic checks: list membership with the partner codes, presence, blank
// placement, action/record-type pairing and the two value predicates.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "outils.h"
#include "checks/generiques.h"
#include "checks/octets.h"
#include "reference/valautorise.h"

namespace {

// A writable copy of exactly the value's size, so that a check reading past
// the terminating NUL is caught by the address sanitizer.
struct CasTable {
    const char* valeur;
    const tValAutorise* table;
    int longueur;
    int attendu;
};

TEST(ChecksGeneriques, VerifValAutPartnersFirstThenWholeStringEquality) {
    const CasTable cas[] = {
        // Partner codes pass whatever the table, even an absent one.
        {"NORMABEV", nullptr, 0, 1},
        {"NORM01  ", nullptr, 0, 1},
        {"NORM02  ", TD, LenTD, 1},
        {"PFOC01  ", BDN8, LenBDN8, 1},
        {"NORM01", nullptr, 0, 0},     // partner codes are 8 characters
        {"NORMABEV ", TDC, LenTDC, 0},
        {"normabev", nullptr, 0, 0},
        // Table entries match only with the same width.
        {"001IPG  ", TDC, LenTDC, 1},
        {"001IPG", TDC, LenTDC, 0},
        {"976IPG  ", TDC, LenTDC, 1},  // last entry
        {"BDN     ", BDN8, LenBDN8, 1},
        {"BDN", BDN8, LenBDN8, 0},
        {"01", TD, LenTD, 1},
        {"98", TD, LenTD, 1},
        {"1", TD, LenTD, 0},
        {"99", TD, LenTD, 0},
        {"XI", TP, LenTP, 1},
        // The count bounds the search, and nothing matches an empty table.
        {"98", TD, LenTD - 1, 0},
        {"01", TD, 0, 0},
        {"01", TD, -1, 0},
        // TP holds an empty entry: an empty value (a short line) matches it.
        {"", TP, LenTP, 1},
        {"", TD, LenTD, 0},
    };
    for (const CasTable& c : cas) {
        auto v = essai::Valeur(c.valeur);
        EXPECT_EQ(fVerifValAut("", v.get(), c.table, c.longueur), c.attendu) << '"' << c.valeur << '"';
        EXPECT_EQ(estDansTable(c.valeur, c.table, c.longueur), c.attendu) << '"' << c.valeur << '"';
    }
}

TEST(ChecksGeneriques, VerifDiffNullRefusesOnlyTheBlankPatternOfTheFieldWidth) {
    const CasTable cas[] = {
        {"            ", DouzeBlancs, LenDouzeBlancs, 0},
        {"           1", DouzeBlancs, LenDouzeBlancs, 1},
        {"X           ", DouzeBlancs, LenDouzeBlancs, 1},
        {"           ", DouzeBlancs, LenDouzeBlancs, 1},   // 11 blanks: not the pattern
        {"             ", DouzeBlancs, LenDouzeBlancs, 1}, // 13 blanks
        {"    ", quatreBlancs, LenquatreBlancs, 0},
        {"                              ", trenteBlancs, LentrenteBlancs, 0},
        {"NORMABEV", HuitBlancs, LenHuitBlancs, 1},  // partner codes get no favour
        {"01", TD, LenTD, 0},                        // first equal entry refuses
        {"00", TD, LenTD, 1},
        {"            ", nullptr, 0, 1},
        {"            ", DouzeBlancs, 0, 1},
    };
    for (const CasTable& c : cas) {
        auto v = essai::Valeur(c.valeur);
        EXPECT_EQ(fVerifDiffNull("", v.get(), c.table, c.longueur), c.attendu) << '"' << c.valeur << '"';
    }
}

TEST(ChecksGeneriques, BlankPlacement) {
    struct Cas {
        const char* valeur;
        int aucunBlanc;
        int aucunBlancSD;
    };
    const Cas cas[] = {
        {"AB12", 1, 1},
        {"", 1, 1},
        {"AB12        ", 0, 1},
        {"ABC         ", 0, 1},
        {"AB 12       ", 0, 0},
        {" ABC        ", 0, 0},
        {"            ", 0, 0},
        {" ", 0, 0},
        {"A", 1, 1},
        {"A B", 0, 0},
        {"********", 1, 1},
    };
    for (const Cas& c : cas) {
        auto v = essai::Valeur(c.valeur);
        EXPECT_EQ(fVerifAucunBlanc("", v.get(), nullptr, 0), c.aucunBlanc) << '"' << c.valeur << '"';
        EXPECT_EQ(fVerifAucunBlanc_SD("", v.get(), nullptr, 0), c.aucunBlancSD) << '"' << c.valeur << '"';
    }
}

TEST(ChecksGeneriques, VerifDepE6PairsActionWithRecordType) {
    struct Cas {
        const char* action;
        const char* type;
        int attendu;
    };
    const Cas cas[] = {
        {"CRE", "ABAT", 1}, {"CRE", "SORT", 1}, {"CRE", "PASS", 0}, {"CRE", "INFO", 0},
        {"CRE", "FICH", 0}, {"DEM", "PASS", 1}, {"DEM", "GROC", 1}, {"DEM", "ABAT", 0},
        {"ECQ", "ABAT", 1}, {"ECQ", "FICH", 1}, {"ECQ", "ZZZZ", 1}, {"ECQ", "", 1},
        {"EDI", "PASS", 1}, {"EDI", "ABAT", 0}, {"EDI", "INFO", 0}, {"INV", "PASS", 1},
        {"INV", "NUMA", 0}, {"INV", "IMOC", 1}, {"MOD", "NUMA", 1}, {"MOD", "ECBO", 0},
        {"MOD", "IMOC", 0}, {"INF", "FICH", 1}, {"INF", "ABAT", 0},
        // Whole-string comparison of the action code; unknown actions refuse.
        {"ANN", "ABAT", 0}, {"", "ABAT", 0}, {"CR", "ABAT", 0}, {"CRE ", "ABAT", 0},
        {"cre", "ABAT", 0}, {"ECQ ", "ABAT", 0},
        // The record type must be whole too.
        {"CRE", "ABA", 0}, {"CRE", "ABAT ", 0},
    };
    for (const Cas& c : cas) {
        auto v = essai::Valeur(c.type);
        EXPECT_EQ(fVerifDepE6(c.action, v.get(), nullptr, 0), c.attendu)
            << '"' << c.action << "\" / \"" << c.type << '"';
    }
}

TEST(ChecksGeneriques, ChampVide) {
    EXPECT_EQ(champVide(""), 1);
    EXPECT_EQ(champVide("     "), 1);
    EXPECT_EQ(champVide(" "), 1);
    EXPECT_EQ(champVide("    x"), 0);
    EXPECT_EQ(champVide("x    "), 0);
    EXPECT_EQ(champVide("\t"), 0);
}

TEST(ChecksGeneriques, VerifDateCompleteEtCorrecte) {
    struct Cas {
        const char* valeur;
        int attendu;
    };
    const Cas cas[] = {
        {"29022000", 1}, {"29021900", 0}, {"29022024", 1}, {"29022023", 0}, {"30022024", 0},
        {"31042024", 0}, {"30042024", 1}, {"31062024", 0}, {"31092024", 0}, {"31112024", 0},
        {"31072024", 1}, {"31122024", 1}, {"32012024", 0}, {"00012024", 0}, {"01002024", 0},
        {"15131999", 0}, {"01011899", 0}, {"01011900", 1}, {"3112189 ", 0}, {"0101 024", 0},
        {"010120245", 0}, {"0101202", 0}, {"", 0}, {"        ", 0}, {"01O12024", 0},
        {"31129999", 1},
    };
    for (const Cas& c : cas) {
        auto v = essai::Valeur(c.valeur);
        EXPECT_EQ(verifDateCompleteEtCorrecte(v.get()), c.attendu) << '"' << c.valeur << '"';
    }
}

TEST(ChecksGeneriques, LongueurBorneeStopsAtNulOrBound) {
    EXPECT_EQ(longueurBornee("", 5), 0);
    EXPECT_EQ(longueurBornee("abc", 5), 3);
    EXPECT_EQ(longueurBornee("abcdef", 4), 4);
    EXPECT_EQ(longueurBornee("abc", 0), 0);
    // The bound keeps the scan inside a buffer that has no NUL.
    const char sansFin[3] = {'a', 'b', 'c'};
    EXPECT_EQ(longueurBornee(sansFin, 3), 3);
}

}  // namespace
