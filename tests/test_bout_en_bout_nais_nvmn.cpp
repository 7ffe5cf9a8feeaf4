// End-to-end: the real binary over files of birth records NAIS and NVMN. Each
// file holds many records; every rejected record is answered by its own ERRE
// record, in input order, carrying the expected error numbers.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "outils.h"

using namespace essai;

namespace {

const std::string B12(12, ' ');

// Body fields shared by NAIS and NVMN, up to column 150, of a calf born on
// 15 March 2024 on holding 01234567 (department 01, as the establishment
// 001IPG of the default header).
Vse naissance(const std::string& type, const std::string& action) {
    Vse v;
    v.e6 = type;
    v.e5 = action;
    v.colonnes(63, "FR")              // C1 country of the calf
        .colonnes(65, "0112345678  ")  // C2 its national number
        .colonnes(77, "  ")            // C3 status
        .colonnes(79, "1")             // C4 sex
        .colonnes(80, "10")            // C5 breed code
        .colonnes(82, "15032024")      // C6 birth date
        .colonnes(90, "A123")          // C7
        .colonnes(105, "FR")           // C10 related animal 1: country
        .colonnes(107, "3598765432  ") // C11 number
        .colonnes(119, "10")           // C12 breed code
        .colonnes(121, "DE")           // C13 related animal 2: country
        .colonnes(123, "0987654321  ") // C14 number
        .colonnes(135, "10")           // C15 breed code
        .colonnes(137, "FR")           // C16 holding of birth: country
        .colonnes(139, "01234567    ");// C17 number
    return v;
}

// A NAIS record that every rule of its action accepts.
Vse naisValide(const std::string& action = "CRE") {
    return naissance("NAIS", action)
        .colonnes(159, "0")         // C24
        .colonnes(160, "1")         // C25
        .colonnes(161, "16032024"); // C26, between the birth and the record's date
}

// An NVMN record that every rule of its action accepts.
Vse nvmnValide(const std::string& action = "CRE") {
    return naissance("NVMN", action).colonnes(151, "16032024");  // C18
}

struct Cas {
    std::string nom;
    Vse vse;
    std::vector<int> erreurs;  // empty: the record is accepted
};

// Runs one file holding every case after its FICH record and checks the
// verdict of each record. Header E11 (no rule) numbers the records so that an
// ERRE record names the record it answers.
void verifierVerdicts(std::vector<Cas> cas) {
    std::vector<std::string> entree{fich(static_cast<int>(cas.size())).texte()};
    std::vector<const Cas*> rejetes;
    for (size_t i = 0; i < cas.size(); ++i) {
        cas[i].vse.e11 = numero(i + 1, 10);
        entree.push_back(cas[i].vse.texte());
        if (!cas[i].erreurs.empty()) rejetes.push_back(&cas[i]);
    }
    Repertoire rep;
    const auto r = valider(rep, fichier(entree));
    EXPECT_EQ(rep.fichiers(), (std::set<std::string>{"log.txt", "out.txt"}));
    EXPECT_EQ(rep.lire("log.txt"), "");
    const auto sortie = lignes(rep.lire("out.txt"));

    if (rejetes.empty()) {
        EXPECT_EQ(r.code, 0) << r.erreur;
        ASSERT_EQ(sortie.size(), cas.size() + 1);
        EXPECT_EQ(col(sortie[0], 113, 118), numero(cas.size(), 6));
        for (size_t i = 0; i < cas.size(); ++i) {
            SCOPED_TRACE(cas[i].nom);
            std::string attendue = entree[i + 1];
            attendue.replace(76, 2, "40");
            EXPECT_EQ(sortie[i + 1], attendue);
        }
        return;
    }

    EXPECT_EQ(r.code, 2) << r.erreur;
    ASSERT_EQ(sortie.size(), rejetes.size() + 1);
    // The refused summary: records in error, records announced, good records.
    EXPECT_EQ(col(sortie[0], 19, 21), "INF");
    EXPECT_EQ(col(sortie[0], 95, 100), numero(rejetes.size(), 6));
    EXPECT_EQ(col(sortie[0], 101, 106), numero(cas.size(), 6));
    EXPECT_EQ(col(sortie[0], 107, 112), numero(rejetes.size(), 6));
    EXPECT_EQ(col(sortie[0], 113, 118), numero(cas.size() - rejetes.size(), 6));
    for (size_t k = 0; k < rejetes.size(); ++k) {
        const Cas& c = *rejetes[k];
        const std::string& erre = sortie[k + 1];
        const std::string texte = c.vse.texte();
        SCOPED_TRACE(c.nom);
        ASSERT_EQ(erre.size(), 256u);
        EXPECT_EQ(col(erre, 19, 25), "ERRERRE");
        EXPECT_EQ(col(erre, 51, 60), c.vse.e11);
        EXPECT_EQ(col(erre, 63, 66), c.vse.e6);
        EXPECT_EQ(col(erre, 67, 69), c.vse.e5);
        EXPECT_EQ(col(erre, 70, 83), col(texte, 63, 76));    // C1, C2: the calf
        EXPECT_EQ(col(erre, 98, 111), col(texte, 137, 150));  // C16, C17: holding of birth
        EXPECT_EQ(codesErreur(erre), c.erreurs);
    }
}

const std::vector<int> DIX_86(10, 86);

TEST(BoutEnBoutNaisNvmn, ValidRecordsOfEveryActionAreDelivered) {
    verifierVerdicts({
        {"NAIS CRE", naisValide("CRE"), {}},
        {"NAIS ECQ", naisValide("ECQ"), {}},
        {"NAIS INV", naisValide("INV"), {}},
        {"NAIS MOD", naisValide("MOD"), {}},
        {"NAIS DEM", naisValide("DEM"), {}},
        {"NAIS MOD of a birth in 1998, related animal 1 and holding left out",
         avec(naisValide("MOD"),
              {{82, "  061998"}, {105, "  "}, {107, B12}, {119, "  "}, {135, "  "}, {137, "  "}, {139, B12}}),
         {}},
        {"NAIS DEM of a German calf, nothing else",
         avec(vide("NAIS", "DEM"), {{63, "DE"}, {65, "0987654321  "}}), {}},
        {"NAIS INV, nothing but the calf", avec(vide("NAIS", "INV"), {{63, "FR"}, {65, "0112345678  "}}), {}},
        {"NVMN CRE", nvmnValide("CRE"), {}},
        {"NVMN INV", nvmnValide("INV"), {}},
        {"NVMN MOD", nvmnValide("MOD"), {}},
    });
}

TEST(BoutEnBoutNaisNvmn, NaisCreation) {
    const Vse v = naisValide("CRE");
    verifierVerdicts({
        {"valid", v, {}},
        {"C2 digits 7 to 10 0000", avec(v, {{65, "0112340000  "}}), {67}},
        {"C2 not conform, other department", avec(v, {{65, "2A12345678  "}}), {67, 50}},
        {"C2 of another department", avec(v, {{65, "0212345678  "}}), {50}},
        {"C1 not FR", avec(v, {{63, "DE"}}), {1}},
        {"C4 sex", avec(v, {{79, "3"}}), {3}},
        {"C5 breed", avec(v, {{80, "99"}}), {4}},
        {"C6 no such day", avec(v, {{82, "31022024"}}), {5}},
        {"C6 incomplete", avec(v, {{82, "  032024"}}), {5}},
        {"C6 after the record's date", avec(v, {{82, "21062024"}}), {52, 137}},
        {"C7 four blanks", avec(v, {{90, "    "}}), {10}},
        {"ECQ takes the CRE rules", avec(naisValide("ECQ"), {{90, "    "}}), {10}},
        {"C10 blank", avec(v, {{105, "  "}}), {6}},
        {"C11 blank", avec(v, {{107, B12}}), {6, 67}},
        {"C11 repeats its country", avec(v, {{105, "DE"}, {107, "DE12345678  "}}), {6}},
        {"C11 foreign, country outside the exchanges", avec(v, {{105, "US"}, {107, "US1234      "}}), {118}},
        {"C11 foreign number", avec(v, {{105, "CH"}, {107, "A12345      "}}), {}},
        {"C12 blank", avec(v, {{119, "  "}}), {8}},
        {"C13 without C14", avec(v, {{123, B12}}), {114}},
        {"C14 without C13", avec(v, {{121, "  "}}), {114}},
        {"related animal 2 left out", avec(v, {{121, "  "}, {123, B12}}), {}},
        {"C13 unknown", avec(v, {{121, "ZZ"}}), {14}},
        {"C14 repeats its country", avec(v, {{123, "DE87654321  "}}), {14}},
        {"C15 blank", avec(v, {{135, "  "}}), {9}},
        {"C16 not FR", avec(v, {{137, "BE"}}), {2}},
        {"C17 of another department", avec(v, {{139, "02345678    "}}), {50}},
        {"C17 blank", avec(v, {{139, B12}}), {2, 68, 50}},
        {"C24 blank", avec(v, {{159, " "}}), {83}},
        {"C25 not checked", avec(v, {{160, "X"}}), {}},
        {"C26 blank", avec(v, {{161, "        "}}), {134}},
        {"C26 no such day", avec(v, {{161, "31042024"}}), {134}},
        {"C26 before the birth", avec(v, {{161, "14032024"}}), {137}},
        {"C26 after the record's date", avec(v, {{161, "21062024"}}), {52}},
        {"blank body: the first ten errors", vide("NAIS", "CRE"), {1, 1, 67, 50, 3, 4, 5, 10, 6, 6}},
    });
}

// Modifications: births before 1 July 1999 (1 January 1999 for the breed
// codes of the related animals) may leave related animal 1 and the holding
// of birth out.
TEST(BoutEnBoutNaisNvmn, NaisModificationAndItsCutOffDates) {
    const Vse v = naisValide("MOD");
    auto ne = [&](const std::string& date, const std::vector<std::pair<int, std::string>>& champs = {}) {
        Vse n = avec(v, {{82, date}});
        return avec(n, champs);
    };
    const std::pair<int, std::string> sansC10{105, "  "}, sansC11{107, B12}, sansC16{137, "  "},
        sansC17{139, B12};
    verifierVerdicts({
        {"valid", v, {}},
        {"C2 digits 7 to 10 0000 pass", avec(v, {{65, "0112340000  "}}), {}},
        {"C2 not conform", avec(v, {{65, "2A12345678  "}}), {67}},
        {"C2 of another department passes", avec(v, {{65, "0212345678  "}}), {}},
        {"C7 four blanks", avec(v, {{90, "    "}}), {10}},
        {"C24 not checked", avec(v, {{159, "X"}}), {}},
        {"C25 blank", avec(v, {{160, " "}}), {132}},
        {"C26 not checked", avec(v, {{161, "        "}}), {}},
        // Related animal 1 (P5).
        {"30061999, C10 and C11 blank", ne("30061999", {sansC10, sansC11}), {}},
        {"01071999, C10 and C11 blank", ne("01071999", {sansC10, sansC11}), {7, 7, 118}},
        {"01071999, C11 blank", ne("01071999", {sansC11}), {7, 67, 113}},
        {"01071999, C11 blank, C10 DE", ne("01071999", {{105, "DE"}, sansC11}), {7, 6, 113}},
        {"30061999, C11 blank", ne("30061999", {sansC11}), {113}},
        {"30061999, C10 blank", ne("30061999", {sansC10}), {113}},
        {"15031998, C11 given but not conform", ne("15031998", {{107, "2A12345678  "}}), {67}},
        {"15031998, C11 foreign outside the exchanges", ne("15031998", {{105, "US"}, {107, "X1          "}}),
         {118}},
        // Holding of birth (P6).
        {"15031998, C16 and C17 blank", ne("15031998", {sansC16, sansC17}), {}},
        {"15032000, C16 and C17 blank", ne("15032000", {sansC16, sansC17}), {2, 2, 68}},
        {"15031998, C17 blank", ne("15031998", {sansC17}), {115}},
        {"15031998, C17 not conform", ne("15031998", {{139, "2A234567    "}}), {68}},
        {"15032000, C17 of another department passes", ne("15032000", {{139, "02345678    "}}), {}},
        // Breed codes of the related animals (P8).
        {"31121998, C12 and C15 blank", ne("31121998", {{119, "  "}, {135, "  "}}), {}},
        {"01011999, C12 and C15 blank", ne("01011999", {{119, "  "}, {135, "  "}}), {8, 9}},
        {"31121998, C12 unknown", ne("31121998", {{119, "99"}}), {8}},
        // Birth date: incomplete only before the cut-off.
        {"day unknown in 1998", ne("  061998", {sansC10, sansC11, sansC16, sansC17}), {}},
        {"day and month unknown in 1998", ne("    1998"), {}},
        {"day unknown in 2000", ne("  072000"), {5}},
        {"no such day in 2000", ne("30022000"), {5}},
        {"after the record's date", ne("21062024"), {52}},
    });
}

TEST(BoutEnBoutNaisNvmn, NaisInventoryAndRequest) {
    const Vse inv = naisValide("INV");
    const Vse dem = avec(vide("NAIS", "DEM"), {{63, "FR"}, {65, "0112345678  "}});
    verifierVerdicts({
        {"INV valid", inv, {}},
        {"INV C2 digits 7 to 10 0000 pass", avec(inv, {{65, "0112340000  "}}), {}},
        {"INV C1 not FR", avec(inv, {{63, "DE"}}), {1}},
        {"INV C2 of another department", avec(inv, {{65, "0212345678  "}}), {50}},
        {"INV C2 blank", avec(inv, {{65, B12}}), {1, 67, 50}},
        {"INV other fields not checked", avec(inv, {{79, "9"}, {90, "    "}, {105, "  "}, {161, "        "}}), {}},
        {"DEM FR", dem, {}},
        {"DEM DE", avec(dem, {{63, "DE"}, {65, "0987654321  "}}), {}},
        {"DEM C1 not in TP", avec(dem, {{63, "QQ"}}), {1}},
        {"DEM C1 blank", avec(dem, {{63, "  "}}), {1}},
        {"DEM FR, C2 not conform", avec(dem, {{65, "2A12345678  "}}), {67}},
        {"DEM FR, C2 digits 7 to 10 0000 pass", avec(dem, {{65, "0112340000  "}}), {}},
        {"DEM FR, C2 of another department passes", avec(dem, {{65, "0212345678  "}}), {}},
        {"DEM US, C2 must be French", avec(dem, {{63, "US"}, {65, "US12        "}}), {118}},
        {"DEM DE, C2 repeats its country", avec(dem, {{63, "DE"}, {65, "DE12345678  "}}), {1}},
        {"DEM FR, C2 blank", avec(dem, {{65, B12}}), {1, 67}},
        {"DEM DE, C2 blank", avec(dem, {{63, "DE"}, {65, B12}}), {1, 1}},
    });
}

TEST(BoutEnBoutNaisNvmn, Nvmn) {
    const Vse cre = nvmnValide("CRE");
    const Vse mod = nvmnValide("MOD");
    const Vse inv = nvmnValide("INV");
    verifierVerdicts({
        {"CRE valid", cre, {}},
        {"CRE C2 digits 7 to 10 0000", avec(cre, {{65, "0112340000  "}}), {67}},
        {"CRE C2 blank", avec(cre, {{65, B12}}), {1, 67, 50}},
        {"CRE C2 of another department", avec(cre, {{65, "0212345678  "}}), {50}},
        {"CRE C6 incomplete", avec(cre, {{82, "  032024"}}), {5}},
        {"CRE C7 not checked", avec(cre, {{90, "    "}}), {}},
        {"CRE C10 unknown", avec(cre, {{105, "ZZ"}}), {7}},
        {"CRE C11 blank", avec(cre, {{107, B12}}), {7, 67}},
        {"CRE C11 foreign outside the exchanges", avec(cre, {{105, "US"}, {107, "US1234      "}}), {118}},
        {"CRE C11 repeats its country", avec(cre, {{105, "DE"}, {107, "DE12345678  "}}), {6}},
        {"CRE C13 without C14", avec(cre, {{123, B12}}), {114}},
        {"CRE C17 blank", avec(cre, {{139, B12}}), {2, 68, 50}},
        {"CRE C18 blank", avec(cre, {{151, "        "}}), {134}},
        {"CRE C18 before the birth", avec(cre, {{151, "14032024"}}), {137}},
        {"CRE C18 after the record's date", avec(cre, {{151, "21062024"}}), {52}},
        {"MOD valid", mod, {}},
        {"MOD C2 digits 7 to 10 0000", avec(mod, {{65, "0112340000  "}}), {67}},
        {"MOD C2 of another department", avec(mod, {{65, "0212345678  "}}), {50}},
        {"MOD C6 incomplete", avec(mod, {{82, "  061998"}}), {5}},
        {"MOD C18 not checked", avec(mod, {{151, "        "}}), {}},
        {"INV valid", inv, {}},
        {"INV C2 digits 7 to 10 0000 pass", avec(inv, {{65, "0112340000  "}}), {}},
        {"INV C2 not conform", avec(inv, {{65, "2A12345678  "}}), {67, 50}},
        {"INV nothing but the calf", avec(vide("NVMN", "INV"), {{63, "FR"}, {65, "0112345678  "}}), {}},
    });
}

// An action that the record type does not admit: the header refuses it (86)
// and every body rule with a check adds 86, up to ten errors.
TEST(BoutEnBoutNaisNvmn, ActionsNotAdmittedGiveTen86) {
    verifierVerdicts({
        {"NAIS EDI", naisValide("EDI"), DIX_86},
        {"NAIS INF", naisValide("INF"), DIX_86},
        {"NVMN DEM", nvmnValide("DEM"), DIX_86},
        {"NVMN EDI", nvmnValide("EDI"), DIX_86},
        {"NAIS CRE still checked after them", avec(naisValide("CRE"), {{90, "    "}}), {10}},
    });
}

TEST(BoutEnBoutNaisNvmn, ExampleFileIsDelivered) {
    const std::string contenu = lireExemple("naissances.vse");
    const auto enregistrements = lignes(contenu);
    ASSERT_GE(enregistrements.size(), 2u);

    Repertoire rep;
    const auto r = valider(rep, contenu);
    EXPECT_EQ(r.code, 0) << r.erreur;
    EXPECT_EQ(rep.fichiers(), (std::set<std::string>{"log.txt", "out.txt"}));
    EXPECT_EQ(rep.lire("log.txt"), "");
    const auto sortie = lignes(rep.lire("out.txt"));
    ASSERT_EQ(sortie.size(), enregistrements.size());
    for (size_t i = 1; i < sortie.size(); ++i) EXPECT_EQ(col(sortie[i], 77, 78), "40") << i;
}

}  // namespace
