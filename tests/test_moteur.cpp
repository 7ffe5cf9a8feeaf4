// The verification engine on small rule tables: value slots, obligation
// codes by action, the cap of ten errors, the line faults, the traces.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <functional>

#include "engine/traitement.h"
#include "engine/verif.h"

namespace {

int accepte(const char*, char*, const void*, int) { return 1; }
int refuse(const char*, char*, const void*, int) { return 0; }
// Refuses a value that begins with 'X'.
int refuseX(const char*, char* champ, const void*, int) { return champ[0] != 'X'; }

// Three fields of 2 columns from column 1; the second has an extra rule.
const sCorps table[] = {
    {C1, 1, 2, 0, 1, 2, 0, 0, refuseX, SANS_TAB, SANS_DEP, 11},
    {C2, 3, 4, 0, 0, 0, 0, 0, refuseX, SANS_TAB, SANS_DEP, 12},
    {C2, 0, 0, 2, 1, 0, 0, 0, refuse, SANS_TAB, SANS_DEP, 13},
    {C3, 5, 6, 1, 1, 1, 1, 1, nullptr, SANS_TAB, SANS_DEP, 0},
};
constexpr int lTable = 4;

valeurVSE slots[10];

int verifier(sMoteur& ctx, const char* ligne, const char* action, int visu = noVisu, int n = 0) {
    getvseChamps(table, lTable, ligne, static_cast<int>(std::strlen(ligne)), slots, noVisu);
    return TableCompilee(table, lTable).verifier(ctx, visu, n, slots, action, "C");
}

std::vector<int> erreurs(const sMoteur& ctx, int n) { return {ctx.codeErreur, ctx.codeErreur + n}; }

std::string capturer(const std::function<void()>& f) {
    testing::internal::CaptureStdout();
    f();
    std::fflush(stdout);
    return testing::internal::GetCapturedStdout();
}

}  // namespace

TEST(Moteur, DecoupageEnSlots) {
    // An extra rule takes no slot; a rule naming columns again takes its own;
    // a field past the end of a short record is cut short or empty.
    const sCorps t[] = {
        {C1, 1, 3, 1, 1, 1, 1, 1, nullptr, SANS_TAB, SANS_DEP, 0},
        {C1, 0, 0, 1, 1, 1, 1, 1, accepte, SANS_TAB, SANS_DEP, 1},
        {C2, 4, 6, 1, 1, 1, 1, 1, nullptr, SANS_TAB, SANS_DEP, 0},
        {C2, 4, 6, 1, 1, 1, 1, 1, nullptr, SANS_TAB, SANS_DEP, 0},
        {C3, 7, 10, 1, 1, 1, 1, 1, nullptr, SANS_TAB, SANS_DEP, 0},
        {C4, 11, 12, 1, 1, 1, 1, 1, nullptr, SANS_TAB, SANS_DEP, 0},
    };
    valeurVSE v[5];
    std::memset(v, 'Z', sizeof v);
    getvseChamps(t, 6, "ABCDEFGHI", 9, v, noVisu);
    EXPECT_STREQ(v[0].valeur, "ABC");
    EXPECT_STREQ(v[1].valeur, "DEF");
    EXPECT_STREQ(v[2].valeur, "DEF");
    EXPECT_STREQ(v[3].valeur, "GHI");
    EXPECT_STREQ(v[4].valeur, "");
    EXPECT_STREQ(xdebug, "ABCDEFGHI");
}

TEST(Moteur, ObligationsParAction) {
    struct Cas {
        const char* action;
        const char* ligne;
        std::vector<int> attendu;
    };
    for (const Cas& c : std::vector<Cas>{
             {"CRE", "AAAAAA", {86}},          // rule 3 refused for CRE: 86 without running
             {"ECQ", "AAAAAA", {86}},          // ECQ uses the CRE column
             {"CRE", "XAXAAA", {11, 12, 86}},
             {"DEM", "XAXAAA", {12}},          // rule 1 skipped although its value fails
             {"INV", "AAAAAA", {86, 13}},      // 86 even though the value would pass
             {"EDI", "XAAAAA", {11, 13}},
             {"MOD", "AAXAAA", {12, 13}},
             {"INF", "AAAAAA", {86, 86, 86}},  // no column: every rule with a check
             {"ANN", "XXXXXX", {86, 86, 86}},
             {"CR", "AAAAAA", {86, 86, 86}},   // the whole code is compared
         }) {
        sMoteur ctx;
        const int n = verifier(ctx, c.ligne, c.action);
        EXPECT_EQ(erreurs(ctx, n), c.attendu) << c.action << " " << c.ligne;
    }
    // Without an action code (header, trailer) every check runs.
    sMoteur ctx;
    const int n = verifier(ctx, "XAXAAA", nullptr);
    EXPECT_EQ(erreurs(ctx, n), (std::vector<int>{11, 12, 13}));
}

TEST(Moteur, DixErreursAuPlusEtDefautsDeLigne) {
    {
        sMoteur ctx;
        ctx.codCaract = 1;
        ctx.codLong = 2;
        const int n = verifier(ctx, "XAXAAA", "CRE");
        EXPECT_EQ(erreurs(ctx, n), (std::vector<int>{106, 108, 11, 12, 86}));
        EXPECT_EQ(ctx.codCaract, 0);
        EXPECT_EQ(ctx.codLong, 0);
    }
    {
        sMoteur ctx;
        ctx.codLong = 1;
        const int n = verifier(ctx, "XAXAAA", "CRE", noVisu, 8);
        EXPECT_EQ(n, 10);
        EXPECT_EQ(ctx.codeErreur[8], 107);
        EXPECT_EQ(ctx.codeErreur[9], 11);
    }
    {
        // A record that already has 10 errors keeps its flags set and gets
        // nothing more; the decoded trace still names every rule.
        sMoteur ctx;
        ctx.codCaract = 1;
        ctx.codLong = 2;
        int n = 0;
        const std::string trace = capturer([&] { n = verifier(ctx, "XAXAAA", "CRE", dgVisu, 10); });
        EXPECT_EQ(n, 10);
        EXPECT_EQ(ctx.codCaract, 1);
        EXPECT_EQ(ctx.codLong, 2);
        EXPECT_EQ(trace, "champ: 1  champ: 2  champ: 2  champ: 3  ");
    }
}

TEST(Moteur, TraceInformatique) {
    sMoteur ctx;
    ctx.codCaract = 1;
    ctx.codLong = 1;
    const std::string trace = capturer([&] { verifier(ctx, "XAXAAA", "CRE", infVisu); });
    EXPECT_EQ(trace, "VSE  cars non autorisés \nVSE trop long \nC1.11;C2.12;C2.86;");
    sMoteur court;
    court.codLong = 2;
    EXPECT_EQ(capturer([&] { verifier(court, "AAAAAA", "MOD", infVisu); }), "VSE trop court \nC2.13;");
}

TEST(Moteur, TraceDecodee) {
    sMoteur ctx;
    const std::string trace = capturer([&] { verifier(ctx, "XAXAAA", "DEM", dgVisu); });
    EXPECT_EQ(trace,
              "champ: 1  verif ignoree! 'XA'\n"
              "champ: 2  'XA'\n! erreurChamp sur [XA]\n"
              "champ: 2  verif ignoree! 'XA'\n"
              "champ: 3  ");
    sMoteur ctx2;
    EXPECT_EQ(capturer([&] { verifier(ctx2, "AAAAAA", "CRE", dgVisu); }),
              "champ: 1  'AA'\nchamp: 2  'AA'\nchamp: 2  verifOblg = [2]\nchamp: 3  ");
    sMoteur ctx3;
    EXPECT_EQ(capturer([&] { verifier(ctx3, "AAAAAA", "ZZZ", dgVisu); }),
              "champ: 1  verifOblg = [-1]\nchamp: 2  verifOblg = [-1]\nchamp: 2  verifOblg = [-1]\nchamp: 3  ");
}

TEST(Moteur, RegleDuStatutParVariante) {
    struct Cas {
        const char* variante;
        const char* emetteur;
        const char* type;
        const char* statut;
        int attendu;
    };
    for (const Cas& c : std::vector<Cas>{
             {"TELVAROS  ", "001IPG  ", "NAIS", "xx", 51},
             {"TELVAROS  ", "NORM02  ", "NAIS", "xx", 64},
             {"TELVAROS  ", "001IPG  ", "NAIS", "40", 0},
             {"TELVAROS  ", "001IPG  ", "NAIS", "XX", 0},
             {"TELVAROS  ", "001IPG  ", "ERRE", "xx", 0},
             {"TELVAROSD ", "001IPG  ", "NAIS", "  ", 0},
             {"TELVAROSD ", "001IPG  ", "NAIS", "10", 0},
             {"TELVAROSD ", "001IPG  ", "NAIS", "20", 806},
             {"TELVAROSL ", "PFOC01  ", "NAIS", "20", 0},
             {"TELVAROSL ", "PFOC01  ", "NAIS", "10", 64},
             {"TELVAROSL ", "001IPG  ", "NAIS", "10", 0},
             {"TELVAROSL ", "001IPG  ", "NAIS", "20", 806},
             {"TELVAROSPF", "001IPG  ", "NAIS", "  ", 807},
             {"TELVAROSPF", "001IPG  ", "NAIS", "10", 0},
             {"TELVAROSPF", "001IPG  ", "ABAT", "  ", 0},
             {"AUTRE     ", "001IPG  ", "NAIS", "xx", 0},
         }) {
        EXPECT_EQ(regleStatut(c.variante, c.emetteur, c.type, c.statut), c.attendu)
            << c.variante << " " << c.emetteur << " " << c.statut;
    }
}

TEST(Moteur, UnNulEstUnCaractereOrdinaire) {
    const char ligne[] = {'A', '\0', 'B', 'C'};
    char vue[5];
    preparerVue(ligne, 4, vue);
    EXPECT_EQ(std::strlen(vue), 4u);
    EXPECT_EQ(vue[1], NUL_VU);
    EXPECT_EQ(vue[2], 'B');
}
