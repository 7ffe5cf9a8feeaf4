// ENTR and SORT records: their rule tables row by row, and the checks on the
// movement cause and the partner holding called directly.
#include <gtest/gtest.h>

#include <cstring>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "harnais_tables.h"
#include "checks/coherence.h"
#include "checks/dates.h"
#include "checks/generiques.h"
#include "checks/identifiants.h"
#include "model/modele.h"
#include "engine/verif.h"
#include "records/entr.h"
#include "records/records.h"
#include "records/sort.h"

namespace {

// ---------------------------------------------------------------------------
// Rule tables: each row rendered on one line and compared with a listing
// written from the layouts of the two types.

// The checks of the two types, by name.
const essai::NomsDeChecks kChecksEntrSort = {
    NOM_CHECK(entr_fC5),
    NOM_CHECK(entr_fC8_cre),
    NOM_CHECK(entr_fC8_mod),
    NOM_CHECK(entr_fC9_1_cre),
    NOM_CHECK(entr_fC9_1_mod),
    NOM_CHECK(entr_fC9_2_cre),
    NOM_CHECK(entr_fC9_2_mod),
    NOM_CHECK(entr_fC10_cre),
    NOM_CHECK(entr_fC10_mod),
    NOM_CHECK(sort_fC5),
    NOM_CHECK(sort_fC8_cre),
    NOM_CHECK(sort_fC8_mod),
    NOM_CHECK(sort_fC9_1_cre),
    NOM_CHECK(sort_fC9_1_mod),
    NOM_CHECK(sort_fC9_2_cre),
    NOM_CHECK(sort_fC9_2_mod),
    NOM_CHECK(sort_fC10_cre),
    NOM_CHECK(sort_fC10_mod),
};

std::string nomCheck(pfVerif_t f) { return essai::nomDeCheck(f, kChecksEntrSort); }

// Field, columns, obligation for CRE DEM INV EDI MOD, check, table, dependance, error.
const std::vector<std::string> kListingEntr = {
    "C1 63-64 0 2 0 2 0 fVerifValAut TP(245) - 1",
    "C2 65-76 0 2 0 2 0 fVerifDiffNull DouzeBlancs(1) - 1",
    "C2 same 0 2 0 2 0 fConform10FR TD(97) C1 67",
    "C2 same 0 2 0 2 0 fConform10FRnonECHAnon TD(97) C1 118",
    "C2 same 0 2 0 2 0 fConform10FRnonECHAoui - C1 1",
    "C3 77-78 1 1 1 1 1 - - - -",
    "C4 79-86 0 2 1 2 1 fDATEC - - 22",
    "C4 same 1 2 1 2 0 fDATEP6 - - 22",
    "C4 same 0 2 1 2 0 fCoherenDC_tr - F1 52",
    "C5 87-87 0 2 1 2 0 fVerifValAutDate TCME(10) C4 23",
    "C5 same 0 2 1 2 0 entr_fC5 TCME(10) E5 23",
    "C6 88-89 0 2 0 2 0 fVerifValAut FR(1) - 21",
    "C7 90-101 0 2 0 2 0 fVerifDiffNull DouzeBlancs(1) - 21",
    "C7 same 0 2 0 2 0 fConform8 TD(97) - 68",
    "C7 same 0 2 1 2 0 fCoherenCC_tr - E8 50",
    "C8 102-103 0 2 1 2 1 entr_fC8_cre - - 24",
    "C8 same 1 2 1 2 0 entr_fC8_mod - - 24",
    "C9 104-115 0 2 1 2 1 entr_fC9_1_cre - - 24",
    "C9 same 0 2 1 2 1 entr_fC9_2_cre - - 68",
    "C9 same 1 2 1 2 0 entr_fC9_1_mod - - 24",
    "C9 same 1 2 1 2 0 entr_fC9_2_mod - - 68",
    "C10 116-175 0 2 1 2 1 entr_fC10_cre - - 24",
    "C10 same 1 2 1 2 0 entr_fC10_mod - - 24",
    "C11 176-183 1 2 0 2 0 fDATEP6 - - 58",
    "C11 same 1 2 0 2 0 fCoherenDC_tr2 - F1 52",
    "C12 184-184 1 1 1 1 1 - - - -",
    "C13 185-192 0 2 1 2 1 fDatRecCorr_O - - 134",
    "C13 same 0 2 1 2 1 fDatRecCohe - F1 52",
    "C13 same 0 2 1 2 1 fDatRecPost_tr - C4 137",
    "C13 185-192 1 2 1 2 0 fDatRecCorr_O_P18 - C4 134",
    "C14 193-230 1 1 1 1 1 - - - -",
};

const std::vector<std::string> kListingSort = {
    "C1 63-64 0 2 0 2 0 fVerifValAut TP(245) - 1",
    "C2 65-76 0 2 0 2 0 fVerifDiffNull DouzeBlancs(1) - 1",
    "C2 same 0 2 0 2 0 fConform10FR TD(97) C1 67",
    "C2 same 0 2 0 2 0 fConform10FRnonECHAnon TD(97) C1 118",
    "C2 same 0 2 0 2 0 fConform10FRnonECHAoui - C1 1",
    "C3 77-78 1 1 1 1 1 - - - -",
    "C4 79-86 0 2 1 2 1 fDATEC - - 22",
    "C4 same 1 2 1 2 0 fDATEP6 - - 22",
    "C4 same 0 2 1 2 0 fCoherenDC_tr - F1 52",
    "C5 87-87 0 2 1 2 0 fVerifValAutDate TCMS(20) C4 23",
    "C5 same 0 2 1 2 0 sort_fC5 TCMS(20) E5 23",
    "C6 88-89 0 2 0 2 0 fVerifValAut FR(1) - 21",
    "C7 90-101 0 2 0 2 0 fVerifDiffNull DouzeBlancs(1) - 21",
    "C7 same 0 2 0 2 0 fConform8 TD(97) - 68",
    "C7 same 0 2 1 2 0 fCoherenCC_tr - E8 50",
    "C8 102-103 0 2 1 2 1 sort_fC8_cre - - 24",
    "C8 same 1 2 1 2 0 sort_fC8_mod - - 24",
    "C9 104-115 0 2 1 2 1 sort_fC9_1_cre - - 24",
    "C9 same 0 2 1 2 1 sort_fC9_2_cre - - 68",
    "C9 same 1 2 1 2 0 sort_fC9_1_mod - - 24",
    "C9 same 1 2 1 2 0 sort_fC9_2_mod - - 68",
    "C10 116-175 0 2 1 2 1 sort_fC10_cre - - 24",
    "C10 same 1 2 1 2 0 sort_fC10_mod - - 24",
    "C11 176-183 1 2 0 2 0 fDATEP6 - - 58",
    "C11 same 1 2 0 2 0 fCoherenDC_tr2 - F1 52",
    "C12 184-191 0 2 1 2 1 fDatRecCorr_O - - 134",
    "C12 same 0 2 1 2 1 fDatRecCohe - F1 52",
    "C12 same 0 2 1 2 1 fDatRecPost_tr - C4 137",
    "C12 184-191 1 2 1 2 0 fDatRecCorr_O_P18 - C4 134",
    "C13 192-230 1 1 1 1 1 - - - -",
};

TEST(TablesEntrSort, ReglesLigneParLigne) {
    EXPECT_EQ(lEntr, 31);
    EXPECT_EQ(lSort, 30);
    essai::comparerListing(tEntr, lEntr, kListingEntr, kChecksEntrSort);
    essai::comparerListing(tSort, lSort, kListingSort, kChecksEntrSort);
}

TEST(TablesEntrSort, AiguillageVersLesTables) {
    const sAiguillage& entr = tAiguillage[chercherAiguillage("ENTR")];
    EXPECT_EQ(entr.tabVerif, tEntr);
    EXPECT_EQ(*entr.pLenTabVerif, 31);
    const sAiguillage& sort = tAiguillage[chercherAiguillage("SORT")];
    EXPECT_EQ(sort.tabVerif, tSort);
    EXPECT_EQ(*sort.pLenTabVerif, 30);
}

// The checks read C4, C5, C8, C9 and C10 by slot, and the dependances name
// slots: each of those slots must hold the columns of its field. The repeated
// date takes a slot of its own, so the last field moves up one slot.
TEST(TablesEntrSort, CasesDesChampsLus) {
    struct Attendu {
        int slot, debut, fin;
    };
    struct Table {
        const sCorps* t;
        int n;
        std::vector<Attendu> fin;  // the fields that follow C11, up to the last slot
    };
    const Table tables[] = {
        {tEntr, lEntr, {{C12, 184, 184}, {C13, 185, 192}, {C14, 185, 192}, {C15, 193, 230}}},
        {tSort, lSort, {{C12, 184, 191}, {C13, 184, 191}, {C14, 192, 230}}},
    };
    const Attendu communs[] = {{C1, 63, 64},   {C4, 79, 86},   {C5, 87, 87},   {C8, 102, 103},
                               {C9, 104, 115}, {C10, 116, 175}, {C11, 176, 183}};
    for (const Table& table : tables) {
        std::vector<Attendu> attendus(std::begin(communs), std::end(communs));
        attendus.insert(attendus.end(), table.fin.begin(), table.fin.end());
        for (const Attendu& a : attendus) {
            int debut = 0, fin = 0;
            ASSERT_TRUE(colonnesDuSlot(table.t, table.n, a.slot, &debut, &fin)) << a.slot;
            EXPECT_EQ(debut, a.debut) << a.slot;
            EXPECT_EQ(fin, a.fin) << a.slot;
        }
        int debut = 0, fin = 0;
        EXPECT_FALSE(colonnesDuSlot(table.t, table.n, table.fin.back().slot + 1, &debut, &fin));
    }
}

// ---------------------------------------------------------------------------
// Type-specific checks, called as the engine calls them: on the field's own
// slot, with the other fields of the record in their slots.

const std::string B2(2, ' ');
const std::string B12(12, ' ');
const std::string B60(60, ' ');
const std::string NOM = [] {
    std::string s = "GAEC DES PRES";
    s.resize(60, ' ');
    return s;
}();
const std::string NUM = "02345678    ";  // a French holding number

constexpr const char* kApres = "15062024";    // movement on or after 1 January 1999
constexpr const char* kAvant = "31121998";    // the day before
constexpr const char* kSeuil = "01011999";    // the day itself
constexpr const char* kAvantBlancs = "  001998";  // unknown day and month, read as zeros

// One record as the checks see it.
struct Enreg {
    std::string c4 = kApres, c5 = "A", c8 = "FR", c9 = NUM, c10 = B60;
};

void poser(numCorpsVSE slot, const std::string& valeur) {
    ASSERT_LT(valeur.size(), sizeof valCorpsVSE[slot].valeur);
    std::memset(valCorpsVSE[slot].valeur, 'x', sizeof valCorpsVSE[slot].valeur);  // no stale NUL
    std::memcpy(valCorpsVSE[slot].valeur, valeur.c_str(), valeur.size() + 1);
}

void charger(const Enreg& e) {
    poser(C4, e.c4);
    poser(C5, e.c5);
    poser(C8, e.c8);
    poser(C9, e.c9);
    poser(C10, e.c10);
}

int appeler(pfVerif_t f, numCorpsVSE champ, const Enreg& e, const char* dependance = depVide) {
    charger(e);
    return f(dependance, valCorpsVSE[champ].valeur, nullptr, 0);
}

// The checks run through pointers stored in the tables, so these are the
// functions the engine calls.
struct Jumeaux {
    const char* type;
    pfVerif_t c8Cre, c8Mod, c91Cre, c91Mod, c10Cre, c10Mod;
};
const Jumeaux kEntr = {"ENTR", entr_fC8_cre, entr_fC8_mod, entr_fC9_1_cre,
                       entr_fC9_1_mod, entr_fC10_cre, entr_fC10_mod};
const Jumeaux kSort = {"SORT", sort_fC8_cre, sort_fC8_mod, sort_fC9_1_cre,
                       sort_fC9_1_mod, sort_fC10_cre, sort_fC10_mod};

TEST(ChecksEntrSort, CauseReserveeALaCreation) {
    // F, G, S and T are admitted with action CRE only, in both types; every
    // other cause whatever the action.
    struct Cas {
        const char* cause;
        const char* action;
        int attendu;
    };
    const Cas cas[] = {
        {"F", "CRE", 1}, {"G", "CRE", 1}, {"S", "CRE", 1}, {"T", "CRE", 1},
        {"F", "MOD", 0}, {"G", "MOD", 0}, {"S", "MOD", 0}, {"T", "MOD", 0},
        {"G", "INV", 0}, {"T", "ECQ", 0}, {"S", "CR", 0},  {"F", "", 0},
        {"A", "MOD", 1}, {"N", "MOD", 1}, {"M", "MOD", 1}, {"B", "INV", 1},
        {"f", "MOD", 1}, {" ", "MOD", 1}, {"", "MOD", 1},  // a short line without C5
    };
    for (pfVerif_t f : {entr_fC5, sort_fC5}) {
        for (const Cas& c : cas) {
            Enreg e;
            e.c5 = c.cause;
            EXPECT_EQ(appeler(f, C5, e, c.action), c.attendu)
                << nomCheck(f) << " cause '" << c.cause << "' action '" << c.action << "'";
        }
    }
}

TEST(ChecksEntrSort, PaysDuPartenaire) {
    struct Cas {
        const Jumeaux* type;
        const char* c4;
        const char* cause;
        std::string c8;
        int cre, mod;  // expected from the _cre and the _mod check
    };
    const Cas cas[] = {
        // A filled country must be a known country, whatever the cause and date.
        {&kEntr, kApres, "A", "DE", 1, 1},
        {&kSort, kAvant, "S", "FR", 1, 1},
        {&kEntr, kAvant, "F", "ZZ", 0, 0},
        {&kSort, kApres, "B", "de", 0, 0},
        {&kEntr, kApres, "A", "D ", 0, 0},
        {&kSort, kApres, "B", " D", 0, 0},
        {&kEntr, kAvant, "F", "D", 0, 0},  // cut short: neither blank nor a country
        // No country at all (a line that ends before column 102): the list of
        // countries holds an empty entry, so the list check lets it through;
        // the line is refused for its length anyway.
        {&kSort, kAvant, "S", "", 1, 1},
        // Blank: refused for the causes that need a partner country, except for
        // a modification of a movement dated before 1999.
        {&kEntr, kApres, "F", B2, 0, 0},
        {&kEntr, kAvant, "F", B2, 0, 1},
        {&kEntr, kAvantBlancs, "G", B2, 0, 1},
        {&kEntr, kSeuil, "G", B2, 0, 0},
        {&kSort, kApres, "S", B2, 0, 0},
        {&kSort, kAvant, "T", B2, 0, 1},
        {&kSort, kSeuil, "T", B2, 0, 0},
        // Other causes may leave it blank; each type reacts to its own causes.
        {&kEntr, kApres, "A", B2, 1, 1},
        {&kEntr, kApres, "N", B2, 1, 1},
        {&kEntr, kApres, "S", B2, 1, 1},
        {&kEntr, kApres, "T", B2, 1, 1},
        {&kSort, kApres, "F", B2, 1, 1},
        {&kSort, kApres, "G", B2, 1, 1},
        {&kSort, kApres, "M", B2, 1, 1},
        {&kEntr, kApres, "", B2, 1, 1},
    };
    for (const Cas& c : cas) {
        Enreg e;
        e.c4 = c.c4;
        e.c5 = c.cause;
        e.c8 = c.c8;
        const std::string quoi = std::string(c.type->type) + " C4 " + c.c4 + " cause '" + c.cause + "' C8 '" + c.c8 + "'";
        EXPECT_EQ(appeler(c.type->c8Cre, C8, e), c.cre) << quoi;
        EXPECT_EQ(appeler(c.type->c8Mod, C8, e), c.mod) << quoi;
    }
}

TEST(ChecksEntrSort, NumeroDuPartenaire) {
    struct Cas {
        const Jumeaux* type;
        const char* c4;
        const char* cause;
        std::string c8, c9;
        int cre, mod;
    };
    const Cas cas[] = {
        // A partner number needs a partner country, even before 1999.
        {&kEntr, kApres, "A", "DE", NUM, 1, 1},
        {&kSort, kApres, "B", "FR", "X", 1, 1},
        {&kEntr, kApres, "A", "D", NUM, 1, 1},  // a short country is not blank
        {&kEntr, kApres, "A", B2, NUM, 0, 0},
        {&kEntr, kAvant, "F", B2, NUM, 0, 0},
        {&kSort, kAvant, "M", B2, NUM, 0, 0},
        {&kSort, kApres, "B", B2, "0234", 0, 0},  // a short number is not blank
        {&kEntr, kApres, "A", B2, std::string(11, ' '), 0, 0},
        // Neither country nor number.
        {&kEntr, kApres, "A", B2, B12, 1, 1},
        {&kSort, kApres, "S", B2, B12, 1, 1},
        // A country without a number: only for the causes that allow it, or a
        // modification of a movement dated before 1999.
        {&kEntr, kApres, "F", "DE", B12, 1, 1},
        {&kEntr, kApres, "G", "BE", B12, 1, 1},
        {&kEntr, kApres, "A", "DE", B12, 0, 0},
        {&kEntr, kApres, "N", "DE", B12, 0, 0},
        {&kEntr, kApres, "M", "DE", B12, 0, 0},
        {&kEntr, kAvant, "A", "DE", B12, 0, 1},
        {&kEntr, kAvantBlancs, "A", "DE", B12, 0, 1},
        {&kEntr, kSeuil, "A", "DE", B12, 0, 0},
        {&kEntr, kApres, "A", "D", B12, 0, 0},
        {&kSort, kApres, "M", "DE", B12, 1, 1},
        {&kSort, kApres, "S", "DE", B12, 1, 1},
        {&kSort, kApres, "T", "DE", B12, 1, 1},
        {&kSort, kApres, "B", "DE", B12, 0, 0},
        {&kSort, kApres, "F", "DE", B12, 0, 0},
        {&kSort, kAvant, "B", "FR", B12, 0, 1},
        {&kSort, kSeuil, "B", "FR", B12, 0, 0},
    };
    for (const Cas& c : cas) {
        Enreg e;
        e.c4 = c.c4;
        e.c5 = c.cause;
        e.c8 = c.c8;
        e.c9 = c.c9;
        const std::string quoi = std::string(c.type->type) + " C4 " + c.c4 + " cause '" + c.cause + "' C8 '" + c.c8 +
                                 "' C9 '" + c.c9 + "'";
        EXPECT_EQ(appeler(c.type->c91Cre, C9, e), c.cre) << quoi;
        EXPECT_EQ(appeler(c.type->c91Mod, C9, e), c.mod) << quoi;
    }
}

TEST(ChecksEntrSort, FormatDuNumeroDuPartenaire) {
    // The four checks behave the same: a blank number passes, a French
    // partner's number is a holding number, a foreign one is not checked here.
    struct Cas {
        std::string c8, c9;
        int attendu;
    };
    const Cas cas[] = {
        {"FR", B12, 1},
        {B2, B12, 1},
        {"FR", NUM, 1},
        {"FR", "2A345678    ", 0},
        {"FR", "0234567     ", 0},
        {"FR", "023456789   ", 0},
        {"FR", "0234567A    ", 0},
        {"FR", "99345678    ", 0},
        {"FR", " 2345678    ", 0},
        {"FR", "02345678", 0},          // cut short
        {"FR", std::string(11, ' '), 0},  // cut short: not blank
        {"DE", "DE-12 AB", 1},
        {B2, "0234567A    ", 1},
        {"F", "0234567A    ", 1},  // a short country is not "FR"
    };
    for (pfVerif_t f : {entr_fC9_2_cre, entr_fC9_2_mod, sort_fC9_2_cre, sort_fC9_2_mod}) {
        for (const char* date : {kApres, kAvant}) {
            for (const Cas& c : cas) {
                Enreg e;
                e.c4 = date;
                e.c8 = c.c8;
                e.c9 = c.c9;
                EXPECT_EQ(appeler(f, C9, e), c.attendu)
                    << nomCheck(f) << " C4 " << date << " C8 '" << c.c8 << "' C9 '" << c.c9 << "'";
            }
        }
    }
}

TEST(ChecksEntrSort, NomDuPartenaire) {
    struct Cas {
        const Jumeaux* type;
        const char* c4;
        const char* cause;
        std::string c9, c10;
        int cre, mod;
    };
    const Cas cas[] = {
        // A name, or a number, is enough.
        {&kEntr, kApres, "A", B12, NOM, 1, 1},
        {&kSort, kApres, "B", B12, NOM, 1, 1},
        {&kEntr, kApres, "A", NUM, B60, 1, 1},
        {&kSort, kApres, "B", "X", B60, 1, 1},
        {&kSort, kApres, "B", B12, std::string(59, ' '), 1, 1},  // cut short: not blank
        // Neither: refused, except entries by cause N and modifications of
        // movements dated before 1999.
        {&kEntr, kApres, "A", B12, B60, 0, 0},
        {&kEntr, kApres, "F", B12, B60, 0, 0},
        {&kEntr, kApres, "N", B12, B60, 1, 1},
        {&kEntr, kAvant, "A", B12, B60, 0, 1},
        {&kEntr, kSeuil, "A", B12, B60, 0, 0},
        {&kSort, kApres, "N", B12, B60, 0, 0},
        {&kSort, kApres, "M", B12, B60, 0, 0},
        {&kSort, kApres, "S", B12, B60, 0, 0},
        {&kSort, kAvant, "B", B12, B60, 0, 1},
        {&kSort, kAvantBlancs, "B", B12, B60, 0, 1},
        {&kSort, kSeuil, "B", B12, B60, 0, 0},
    };
    for (const Cas& c : cas) {
        Enreg e;
        e.c4 = c.c4;
        e.c5 = c.cause;
        e.c8 = B2;
        e.c9 = c.c9;
        e.c10 = c.c10;
        const std::string quoi =
            std::string(c.type->type) + " C4 " + c.c4 + " cause '" + c.cause + "' C9 '" + c.c9 + "' C10 '" + c.c10 + "'";
        EXPECT_EQ(appeler(c.type->c10Cre, C10, e), c.cre) << quoi;
        EXPECT_EQ(appeler(c.type->c10Mod, C10, e), c.mod) << quoi;
    }
}

// The checks never write into the slots they read.
TEST(ChecksEntrSort, LesValeursNeChangentPas) {
    Enreg e;
    e.c4 = kAvantBlancs;
    e.c5 = "F";
    e.c8 = B2;
    e.c9 = B12;
    e.c10 = B60;
    const pfVerif_t checks[] = {entr_fC8_cre, entr_fC8_mod, entr_fC9_1_cre, entr_fC9_1_mod, entr_fC9_2_cre,
                                entr_fC9_2_mod, entr_fC10_cre, entr_fC10_mod, sort_fC8_cre, sort_fC8_mod,
                                sort_fC9_1_cre, sort_fC9_1_mod, sort_fC9_2_cre, sort_fC9_2_mod, sort_fC10_cre,
                                sort_fC10_mod};
    const numCorpsVSE champs[] = {C8, C8, C9, C9, C9, C9, C10, C10, C8, C8, C9, C9, C9, C9, C10, C10};
    for (size_t i = 0; i < std::size(checks); ++i) {
        appeler(checks[i], champs[i], e);
        EXPECT_STREQ(valCorpsVSE[C4].valeur, kAvantBlancs) << nomCheck(checks[i]);
        EXPECT_EQ(valCorpsVSE[C5].valeur, std::string("F"));
        EXPECT_EQ(valCorpsVSE[C8].valeur, B2);
        EXPECT_EQ(valCorpsVSE[C9].valeur, B12);
        EXPECT_EQ(valCorpsVSE[C10].valeur, B60);
    }
}

}  // namespace
