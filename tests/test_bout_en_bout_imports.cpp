// End-to-end: the real binary over files of imports, exchanges and requests
// (IMPO, ECHA, ECBO, PASS, INFO) and of associations (ASSO). Each file holds
// many records; the file delivered is compared byte by byte with the one
// expected: the accepted records stamped "40", or one ERRE record per
// rejected record, in input order, carrying the expected error numbers.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "outils.h"

using namespace essai;

namespace {

const std::string B8(8, ' ');
const std::string B12(12, ' ');
const std::vector<int> DIX_86(10, 86);

Vse avecAction(Vse v, const std::string& action) {
    v.e5 = action;
    return v;
}

// An animal born on 15 March 2024 with its related animals and holding of
// birth, on the columns that IMPO and ECHA share (79 to 150).
Vse animal(Vse v) {
    return avec(v, {
        {79, "1"},             // C4 sex
        {80, "10"},            // C5 breed code
        {82, "15032024"},      // C6 birth date
        {90, "A123"},          // C7
        {105, "DE"},           // C10, C11 related animal 1
        {107, "0987654321  "},
        {119, "10"},           // C12 its breed code
        {121, "BE"},           // C13, C14 related animal 2
        {123, "1234567890  "},
        {135, "10"},           // C15 its breed code
        {137, "DE"},           // C16, C17 holding of birth, in Germany
        {139, "12345678    "},
    });
}

// An IMPO record that every rule of its action accepts: a French animal of
// department 01 (as the establishment 001IPG of the default header) imported
// from Germany into holding 01234567.
Vse impoValide(const std::string& action = "CRE") {
    return avec(animal(vide("IMPO", action)), {
        {63, "FR"},                // C1
        {65, "0112345678  "},      // C2
        {151, "FR"},               // C18, C19 importing holding
        {153, "01234567    "},
        {165, "DE"},               // C20 country of origin
        {167, "DE123456789012"},   // C21 identifier there
        {181, "0"},                // C22
        {182, "0"},                // C23 correction flag
        {183, "16032024"},         // C24 correction date
    });
}

// An ECHA record that every rule of its action accepts: a German animal
// whose related animal 1 is French.
Vse echaValide(const std::string& action = "CRE") {
    return avec(animal(vide("ECHA", action)), {
        {63, "DE"},                // C1
        {65, "0987654300  "},      // C2
        {105, "FR"},               // C10, C11 related animal 1
        {107, "0112345678  "},
        {151, "FR"},               // C18, C19 receiving holding
        {153, "01234567    "},
        {165, "NOT CHECKD"},       // C20
        {175, "1"},                // C21
        {176, "0"},                // C22 correction flag
        {177, "16032024"},         // C23 correction date
    });
}

Vse ecboValide(const std::string& action = "CRE") {
    return avec(vide("ECBO", action), {
        {63, "FR"},                // C1, C2 the bovine
        {65, "0112345678  "},
        {79, "10"},                // C4
        {81, "1"},                 // C5, C6 flags
        {82, "*"},
        {83, "DE"},                // C7, C8 the second bovine
        {85, "0987654321  "},
        {111, "20"},               // C11
        {113, "BE"},               // C12, C13, C15 the third identification
        {115, "1234567890  "},
        {137, "12"},
    });
}

Vse passValide(const std::string& action) {
    return avec(vide("PASS", action), {
        {63, "FR"},                // C1, C2 the bovine
        {65, "0112345678  "},
        {79, "FR"},                // C4, C5 the holding
        {81, "01234567    "},
        {93, "01"},                // C6
        {95, "15032024"},          // C7 first date
        {105, "16032024"},         // C9 second date
        {113, "103000"},           // C10 time
        {119, "0"},                // C11 flag
    });
}

Vse infoValide(const std::string& emetteur = "NORM02  ") {
    Vse v = avec(vide("INFO", "DEM"), {{63, "FR"}, {65, "0112345678  "}});
    v.e3 = emetteur;
    return v;
}

// An ASSO record associating a SIRET number with holding 01234567 from
// 1 January 2024, open-ended.
Vse assoValide(const std::string& action = "CRE") {
    return avec(vide("ASSO", action), {
        {63, "FR"},                        // C1, C2 the holding
        {65, "01234567    "},
        {79, "E"},                         // C4
        {80, "SIRET"},                     // C5
        {85, "73282932000074      "},      // C6
        {105, "01012024"},                 // C7 start
        {113, B8},                         // C8 end
    });
}

// A keeper (C4 "D") with an identifier of the kind given.
Vse assoDetenteur(const std::string& action, const std::string& genre, const std::string& identifiant) {
    return avec(assoValide(action), {{65, "0112345678  "}, {79, "D"}, {80, genre}, {85, identifiant}});
}

Vse assoExploitation(const std::string& action, const std::string& genre, const std::string& identifiant) {
    return avec(assoValide(action), {{80, genre}, {85, identifiant}});
}

std::string c6(const std::string& identifiant) {
    std::string v = identifiant;
    v.resize(20, ' ');
    return v;
}

struct Cas {
    std::string nom;
    Vse vse;
    std::vector<int> erreurs;  // empty: the record is accepted
};

// Error numbers as an error record writes them: "I%03d1" each.
std::string enNumeros(const std::vector<int>& erreurs) {
    std::string s;
    for (int e : erreurs) {
        char groupe[8];
        std::snprintf(groupe, sizeof groupe, "I%03d1", e);
        s += groupe;
    }
    return s;
}

// First columns of the identification pair that an error record echoes for
// the record's type (0: none).
std::pair<int, int> paireEchoee(const std::string& type) {
    if (type == "IMPO" || type == "ECHA") return {151, 153};
    if (type == "PASS") return {79, 81};
    if (type == "ASSO") return {63, 65};
    return {0, 0};
}

// The file-header record of a file sent by `emetteur` to `recepteur`.
Vse fichDe(size_t nombre, const std::string& emetteur = "001IPG  ", const std::string& recepteur = "031BDN  ") {
    Vse f = fich(static_cast<int>(nombre));
    f.e3 = emetteur;
    f.e4 = recepteur;
    return f;
}

// Runs one file holding every case after its FICH record and compares the
// file delivered with the expected one, byte by byte. Header E11 (no rule)
// numbers the records so that an ERRE record names the record it answers.
void verifierVerdicts(std::vector<Cas> cas, const std::string& emetteur = "001IPG  ",
                      const std::string& recepteur = "031BDN  ", const std::vector<std::string>& options = {}) {
    const std::string entete = fichDe(cas.size(), emetteur, recepteur).texte();
    std::vector<std::string> entree{entete};
    std::vector<std::string> rejets;    // expected ERRE records, in input order
    std::vector<std::string> acceptes;  // expected records of the result file
    for (size_t i = 0; i < cas.size(); ++i) {
        cas[i].vse.e11 = numero(i + 1, 10);
        const std::string texte = cas[i].vse.texte();
        entree.push_back(texte);
        if (cas[i].erreurs.empty()) {
            acceptes.push_back(tamponne(texte));
        } else {
            const auto [c7, c8] = paireEchoee(cas[i].vse.e6);
            rejets.push_back(erreurAttendue(texte, entete, enNumeros(cas[i].erreurs), c7, c8));
        }
    }
    Repertoire rep;
    const auto r = valider(rep, fichier(entree), options);
    EXPECT_EQ(r.code, rejets.empty() ? 0 : 2) << r.erreur;
    EXPECT_EQ(rep.fichiers(), (std::set<std::string>{"log.txt", "out.txt"}));
    EXPECT_EQ(rep.lire("log.txt"), "");
    const std::string contenu = rep.lire("out.txt");
    const size_t nombre = rejets.empty() ? cas.size() : rejets.size();
    ASSERT_EQ(contenu.size(), (nombre + 1) * 257);
    const auto sortie = lignes(contenu);
    ASSERT_EQ(sortie.size(), nombre + 1);
    if (rejets.empty()) {
        EXPECT_EQ(sortie[0], accepteAttendu(entete, static_cast<int>(cas.size())));
        for (size_t i = 0; i < cas.size(); ++i) EXPECT_EQ(sortie[i + 1], acceptes[i]) << cas[i].nom;
        return;
    }
    const int n = static_cast<int>(cas.size()), enErreur = static_cast<int>(rejets.size());
    EXPECT_EQ(masquerHorodatage(sortie[0]), refusAttendu(entete, enErreur, n, n - enErreur));
    size_t k = 0;
    for (const Cas& c : cas) {
        if (c.erreurs.empty()) continue;
        EXPECT_EQ(masquerHorodatage(sortie[k + 1]), rejets[k]) << c.nom;
        ++k;
    }
}

TEST(BoutEnBoutImports, ValidRecordsOfEveryAdmittedActionAreDelivered) {
    verifierVerdicts({
        {"IMPO CRE", impoValide("CRE"), {}},
        {"IMPO ECQ", impoValide("ECQ"), {}},
        {"IMPO INV", impoValide("INV"), {}},
        {"IMPO MOD", impoValide("MOD"), {}},
        {"IMPO INV, nothing but the animal", avec(vide("IMPO", "INV"), {{63, "FR"}, {65, "0112345678  "}}), {}},
        {"ECHA CRE", echaValide("CRE"), {}},
        {"ECHA INV", echaValide("INV"), {}},
        {"ECHA MOD", echaValide("MOD"), {}},
        {"ECBO CRE", ecboValide("CRE"), {}},
        {"ECBO INV", ecboValide("INV"), {}},
        {"PASS DEM", passValide("DEM"), {}},
        {"PASS INV", passValide("INV"), {}},
        {"PASS EDI", passValide("EDI"), {}},
        {"ASSO CRE", assoValide("CRE"), {}},
        {"ASSO INV", assoValide("INV"), {}},
        {"ASSO MOD", assoValide("MOD"), {}},
    });
    verifierVerdicts({{"INFO DEM from NORM02", infoValide("NORM02  "), {}}}, "NORM02  ");
    verifierVerdicts({{"INFO DEM from PFOC01", infoValide("PFOC01  "), {}}}, "PFOC01  ");
}

TEST(BoutEnBoutImports, ImpoCreation) {
    const Vse v = impoValide("CRE");
    verifierVerdicts({
        {"valid", v, {}},
        {"C1 not FR", avec(v, {{63, "DE"}}), {1}},
        {"C2 digits 7 to 10 0000", avec(v, {{65, "0112340000  "}}), {118}},
        {"C2 of another department", avec(v, {{65, "0212345678  "}}), {50}},
        {"C2 blank", avec(v, {{65, B12}}), {1, 118, 50}},
        {"C4 sex", avec(v, {{79, "3"}}), {3}},
        {"C5 breed", avec(v, {{80, "ZZ"}}), {4}},
        {"C6 withheld", avec(v, {{82, "********"}}), {}},
        {"C6 left out", avec(v, {{82, B8}}), {}},
        {"C6 day unknown", avec(v, {{82, "  032024"}}), {}},
        {"C6 day and month unknown", avec(v, {{82, "    2024"}}), {}},
        {"C6 month alone unknown", avec(v, {{82, "15  2024"}}), {5}},
        {"C6 no such day", avec(v, {{82, "30022024"}}), {5}},
        {"C6 after the record's date", avec(v, {{82, "21062024"}}), {52, 137}},
        {"C7 four blanks", avec(v, {{90, "    "}}), {10}},
        {"C10 unknown", avec(v, {{105, "ZZ"}}), {6}},
        {"C10 without C11", avec(v, {{107, B12}}), {113}},
        {"C11 without C10", avec(v, {{105, "  "}}), {113}},
        {"related animal 1 left out", avec(v, {{105, "  "}, {107, B12}}), {}},
        {"C11 repeats its country", avec(v, {{107, "DE0987654321"}}), {6}},
        {"C12 unknown", avec(v, {{119, "ZZ"}}), {8}},
        {"C13 unknown", avec(v, {{121, "ZZ"}}), {14}},
        {"C13 without C14", avec(v, {{123, B12}}), {114}},
        {"C15 unknown", avec(v, {{135, "ZZ"}}), {9}},
        {"C16 unknown", avec(v, {{137, "ZZ"}}), {2}},
        {"C17 French but not conform", avec(v, {{137, "FR"}, {139, "2A345678    "}}), {68}},
        {"C17 French, withheld", avec(v, {{137, "FR"}, {139, "************"}}), {}},
        {"C17 foreign with a blank inside", avec(v, {{139, "12 45678    "}}), {2}},
        {"C17 without C16", avec(v, {{137, "  "}}), {115}},
        {"C18 not FR", avec(v, {{151, "DE"}}), {21}},
        {"C19 blank", avec(v, {{153, B12}}), {21, 68, 50}},
        {"C19 of another department", avec(v, {{153, "02345678    "}}), {50}},
        {"C20 FR", avec(v, {{165, "FR"}}), {49}},
        {"C20 unknown", avec(v, {{165, "ZZ"}}), {49}},
        {"C20 another country", avec(v, {{165, "US"}}), {}},
        {"C21 blank", avec(v, {{167, std::string(14, ' ')}}), {49}},
        {"C22 not 0", avec(v, {{181, "1"}}), {54}},
        {"C23 not checked", avec(v, {{182, "X"}}), {}},
        {"C24 blank", avec(v, {{183, B8}}), {134}},
        {"C24 before the birth", avec(v, {{183, "14032024"}}), {137}},
        {"C24 after the record's date", avec(v, {{183, "21062024"}}), {52}},
        {"C24 on a day-unknown birth date of the same month", avec(v, {{82, "  032024"}, {183, "01032024"}}), {}},
        {"C24 before a day-and-month-unknown birth date", avec(v, {{82, "    2024"}, {183, "31122023"}}), {137}},
        {"blank body: the first ten errors", vide("IMPO", "CRE"), {1, 1, 118, 50, 3, 4, 10, 21, 21, 68}},
    });
}

TEST(BoutEnBoutImports, ImpoModificationInventoryAndActionsNotAdmitted) {
    const Vse mod = impoValide("MOD");
    const Vse inv = impoValide("INV");
    verifierVerdicts({
        {"MOD C2 of another department passes", avec(mod, {{65, "0212345678  "}}), {}},
        {"MOD C2 digits 7 to 10 0000", avec(mod, {{65, "0112340000  "}}), {118}},
        {"MOD importing holding not checked", avec(mod, {{151, "  "}, {153, B12}}), {}},
        {"MOD C23 blank", avec(mod, {{182, " "}}), {132}},
        {"MOD C24 not checked", avec(mod, {{183, B8}}), {}},
        {"MOD C20 FR", avec(mod, {{165, "FR"}}), {49}},
        {"MOD C6 month alone unknown", avec(mod, {{82, "15  2024"}}), {5}},
        {"INV C2 of another department", avec(inv, {{65, "0212345678  "}}), {50}},
        {"INV C1 not FR", avec(inv, {{63, "DE"}}), {1}},
        {"INV other fields not checked", avec(inv, {{79, "9"}, {90, "    "}, {165, "FR"}, {183, B8}}), {}},
        {"DEM", impoValide("DEM"), DIX_86},
        {"EDI", impoValide("EDI"), DIX_86},
    });
}

// The -d trace prints each value as a rule reads it: the birth date's unknown
// day, rewritten by its first rule, is read rewritten by the next ones, while
// the record delivered keeps the date as sent.
TEST(BoutEnBoutImports, ImpoIncompleteDateRewrittenForTheRulesOnly) {
    const Vse v = avec(impoValide("CRE"), {{82, "  032024"}});
    const std::string texte = v.texte();
    const std::string entete = fichDe(1).texte();
    Repertoire rep;
    const auto r = valider(rep, fichier({entete, texte}), {"-d"});
    attendreLivraison(rep, r, 0, {accepteAttendu(entete, 1), tamponne(texte)});
    EXPECT_NE(r.sortie.find("'  032024'\n"), std::string::npos) << r.sortie;
    EXPECT_NE(r.sortie.find("'00032024'\n"), std::string::npos) << r.sortie;
    EXPECT_EQ(col(rep.lire("out.txt").substr(257), 82, 89), "  032024");
}

TEST(BoutEnBoutImports, Echa) {
    const Vse v = echaValide("CRE");
    const Vse mod = echaValide("MOD");
    verifierVerdicts({
        {"valid", v, {}},
        {"C1 FR", avec(v, {{63, "FR"}}), {1}},
        {"C1 outside the exchanges", avec(v, {{63, "US"}}), {1}},
        {"C2 repeats its country", avec(v, {{65, "DE0987654321"}}), {1}},
        {"C2 blank", avec(v, {{65, B12}}), {1, 1}},
        {"C6 day unknown", avec(v, {{82, "  032024"}}), {5}},
        {"C6 after the record's date", avec(v, {{82, "21062024"}}), {52, 137}},
        {"C7 four blanks", avec(v, {{90, "    "}}), {10}},
        {"C11 French, not conform", avec(v, {{107, "2A12345678  "}}), {67}},
        {"C11 French, withheld", avec(v, {{107, "************"}}), {}},
        {"holding of birth left out in 2024", avec(v, {{137, "  "}, {139, B12}}), {55, 55}},
        {"holding of birth left out in 1998", avec(v, {{82, "15031998"}, {137, "  "}, {139, B12}}), {}},
        {"C17 French, not conform", avec(v, {{137, "FR"}, {139, "2A345678    "}}), {68}},
        {"C18 not FR", avec(v, {{151, "DE"}}), {21}},
        {"C19 blank", avec(v, {{153, B12}}), {68, 50}},
        {"C19 of another department", avec(v, {{153, "02345678    "}}), {50}},
        {"C21 not 1", avec(v, {{175, "0"}}), {54}},
        {"C22 not checked", avec(v, {{176, " "}}), {}},
        {"C23 blank", avec(v, {{177, B8}}), {134}},
        {"MOD valid", mod, {}},
        {"MOD C22 blank", avec(mod, {{176, " "}}), {132}},
        {"MOD receiving holding and C23 not checked", avec(mod, {{153, B12}, {177, B8}}), {}},
        {"INV C1 FR", avec(echaValide("INV"), {{63, "FR"}}), {1}},
        {"DEM", echaValide("DEM"), DIX_86},
    });
}

TEST(BoutEnBoutImports, Ecbo) {
    const Vse v = ecboValide("CRE");
    verifierVerdicts({
        {"valid", v, {}},
        {"C1 unknown", avec(v, {{63, "ZZ"}}), {1}},
        {"C2 French, not conform", avec(v, {{65, "2A12345678  "}}), {67}},
        {"C2 foreign outside the exchanges", avec(v, {{63, "US"}, {65, "US12345     "}}), {118}},
        {"C2 foreign, repeats its country", avec(v, {{63, "DE"}, {65, "DE12345     "}}), {1}},
        {"C2 foreign", avec(v, {{63, "DE"}, {65, "0987654321  "}}), {}},
        {"C4 not in TRG", avec(v, {{79, "11"}}), {11}},
        {"C5", avec(v, {{81, "2"}}), {12}},
        {"C5 blank", avec(v, {{81, " "}}), {}},
        {"C6", avec(v, {{82, "X"}}), {13}},
        {"C7 unknown", avec(v, {{83, "ZZ"}}), {17}},
        {"C7 FR", avec(v, {{83, "FR"}, {85, "0112345678  "}}), {}},
        {"C8 blank", avec(v, {{85, B12}}), {17, 17}},
        {"C8 repeats its country", avec(v, {{85, "DE0987654321"}}), {17}},
        {"C11 blank", avec(v, {{111, "  "}}), {20}},
        {"third identification left out", avec(v, {{113, "  "}, {115, B12}, {137, "  "}}), {}},
        {"third identification: country FR alone", avec(v, {{113, "FR"}, {115, B12}, {137, "  "}}), {14, 16}},
        {"third identification: FR with any number", avec(v, {{113, "FR"}, {115, "ANYTHING    "}}), {}},
        {"third identification: a code alone", avec(v, {{113, "  "}, {115, B12}}), {14, 14}},
        {"third identification: number repeats its country", avec(v, {{115, "BE1234567890"}}), {14}},
        {"C15 unknown", avec(v, {{137, "11"}}), {16}},
        {"INV nothing but the bovine", avec(vide("ECBO", "INV"), {{63, "FR"}, {65, "0112345678  "}}), {}},
        {"MOD", ecboValide("MOD"), DIX_86},
        {"DEM", ecboValide("DEM"), DIX_86},
    });
}

TEST(BoutEnBoutImports, Pass) {
    const Vse dem = passValide("DEM");
    const Vse inv = passValide("INV");
    const Vse edi = passValide("EDI");
    verifierVerdicts({
        {"DEM C2 foreign outside the exchanges", avec(dem, {{63, "US"}, {65, "US12        "}}), {118}},
        {"DEM C4 not FR", avec(dem, {{79, "DE"}}), {25}},
        {"DEM C5 blank", avec(dem, {{81, B12}}), {25, 68, 50}},
        {"DEM C5 of another department", avec(dem, {{81, "02345678    "}}), {50}},
        {"DEM C6 not in TCEP", avec(dem, {{93, "10"}}), {44}},
        {"DEM dates, time and flag not checked", avec(dem, {{95, B8}, {105, B8}, {113, "      "}, {119, "X"}}), {}},
        {"INV C7 blank", avec(inv, {{95, B8}}), {102}},
        {"INV C10 not a time", avec(inv, {{113, "250000"}}), {103}},
        {"INV C9 and C11 not checked", avec(inv, {{105, B8}, {119, "X"}}), {}},
        {"EDI flag 1: first date and time may be blank", avec(edi, {{119, "1"}, {95, B8}, {113, "      "}}), {}},
        {"EDI flag 0: first date blank", avec(edi, {{95, B8}}), {102}},
        {"EDI flag 0: time blank", avec(edi, {{113, "      "}}), {103}},
        {"EDI C9 blank", avec(edi, {{105, B8}}), {77}},
        {"EDI C9 after the record's date", avec(edi, {{105, "21062024"}}), {52}},
        {"EDI flag 2", avec(edi, {{119, "2"}, {95, B8}}), {104}},
        // The header refuses a creation or a modification, and every body
        // rule with a check adds 86.
        {"CRE", passValide("CRE"), DIX_86},
        {"MOD", passValide("MOD"), DIX_86},
    });
}

// The partner rules of an information request: only NORM02 and PFOC01 may
// ask (110), and only the central receiver (85); the national partners send
// the central receiver nothing but requests (111), and slaughter records.
TEST(BoutEnBoutImports, InfoRequests) {
    const Vse info = infoValide("NORM02  ");
    verifierVerdicts(
        {
            {"valid", info, {}},
            {"a German bovine", avec(info, {{63, "DE"}, {65, "0987654321  "}}), {}},
            {"C1 unknown", avec(info, {{63, "ZZ"}}), {1}},
            {"C2 French, not conform", avec(info, {{65, "2A12345678  "}}), {67}},
            {"C2 blank", avec(info, {{65, B12}}), {1, 67}},
            {"C2 foreign outside the exchanges", avec(info, {{63, "US"}, {65, "US12        "}}), {118}},
            {"status xx from a national partner", avec(info, {{77, "xx"}}), {64}},
            {"INV", avecAction(info, "INV"), {111, 86, 86, 86, 86, 86, 86}},
            {"CRE", avecAction(info, "CRE"), {111, 86, 86, 86, 86, 86, 86}},
            {"IMPO CRE", impoValide("CRE"), {111}},
            {"ECHA CRE", echaValide("CRE"), {111}},
            {"ASSO CRE", assoValide("CRE"), {111}},
            {"PASS DEM", passValide("DEM"), {111}},
        },
        "NORM02  ");
    verifierVerdicts(
        {
            {"valid", infoValide("PFOC01  "), {}},
            {"IMPO INV", impoValide("INV"), {111}},
            {"ECBO CRE", ecboValide("CRE"), {111}},
        },
        "PFOC01  ");
    verifierVerdicts(
        {
            {"INFO from NORM01: not entitled to ask", infoValide("NORM01  "), {110}},
            {"IMPO MOD", impoValide("MOD"), {111}},
            {"PASS EDI", passValide("EDI"), {111}},
        },
        "NORM01  ");
    verifierVerdicts(
        {
            {"INFO from an establishment", infoValide("001IPG  "), {110}},
            {"INFO from an establishment, body faulty too", avec(infoValide("001IPG  "), {{63, "ZZ"}}), {110, 1}},
            {"status xx from an establishment", avec(impoValide("CRE"), {{77, "xx"}}), {51}},
        },
        "001IPG  ");
    // Another receiver than the central one: the request is misaddressed.
    verifierVerdicts(
        {
            {"INFO to NORM01", infoValide("NORM02  "), {85}},
            {"IMPO to NORM01: no partner rule", impoValide("CRE"), {}},
        },
        "NORM02  ", "NORM01  ");
    verifierVerdicts({{"INFO from an establishment to NORM01", infoValide("001IPG  "), {110, 85}}}, "001IPG  ",
                     "NORM01  ");
}

TEST(BoutEnBoutImports, Asso) {
    const Vse v = assoValide("CRE");
    verifierVerdicts({
        {"valid", v, {}},
        {"keeper SIREN", assoDetenteur("CRE", "SIREN", c6("732829320")), {}},
        {"keeper AGRIN", assoDetenteur("CRE", "AGRIN", c6("A12345678")), {}},
        {"holding AGRIT", assoExploitation("CRE", "AGRIT", c6("B12345678901")), {}},
        {"holding AGRSA", assoExploitation("CRE", "AGRSA", c6("01123456")), {}},
        {"holding AGRSA in Corsica", assoExploitation("CRE", "AGRSA", c6("2A12345")), {}},
        {"holding AGRSA overseas", assoExploitation("CRE", "AGRSA", c6("97412345")), {}},
        {"holding CEM", assoExploitation("CRE", "CEM  ", c6("AB12cd9")), {}},
        {"with an end date", avec(v, {{113, "31052024"}}), {}},
        {"C1 not FR", avec(v, {{63, "DE"}}), {30}},
        {"C2 blank", avec(v, {{65, B12}}), {30, 50, 68}},
        {"C2 of another department", avec(v, {{65, "02345678    "}}), {50}},
        {"C2 of a keeper: any number", assoDetenteur("CRE", "SIREN", c6("732829320")), {}},
        {"C4 unknown", avec(v, {{79, "X"}}), {171, 183}},
        {"keeper with a SIRET", avec(v, {{79, "D"}}), {183}},
        {"keeper with a SIRET failing its Luhn sum", avec(v, {{79, "D"}, {85, c6("73282932000075")}}), {183, 41}},
        {"C5 unknown", avec(v, {{80, "SIRXX"}}), {172, 183}},
        {"C6 blank", avec(v, {{85, c6("")}}), {173, 41}},
        {"SIRET failing its Luhn sum", avec(v, {{85, c6("73282932000075")}}), {41}},
        {"SIRET followed by a character", avec(v, {{85, c6("73282932000074   X")}}), {41}},
        {"SIREN failing its Luhn sum", assoDetenteur("CRE", "SIREN", c6("732829321")), {136}},
        {"AGRIN with a small letter", assoDetenteur("CRE", "AGRIN", c6("a12345678")), {181}},
        {"AGRIT too short", assoExploitation("CRE", "AGRIT", c6("B1234567890")), {181}},
        {"AGRSA 975", assoExploitation("CRE", "AGRSA", c6("97512345")), {184}},
        {"AGRSA 20", assoExploitation("CRE", "AGRSA", c6("20123456")), {184}},
        {"AGRSA 98", assoExploitation("CRE", "AGRSA", c6("98123456")), {184}},
        {"AGRSA with a blank", assoExploitation("CRE", "AGRSA", c6("01 23456")), {184}},
        {"CEM with a hyphen", assoExploitation("CRE", "CEM  ", c6("AB-12cd")), {181}},
        {"C7 blank", avec(v, {{105, B8}}), {174}},
        {"C7 after the record's date", avec(v, {{105, "21062024"}}), {52}},
        {"C8 no such day", avec(v, {{113, "31042024"}}), {175}},
        {"C8 before the start", avec(v, {{113, "31122023"}}), {149}},
        {"C8 after the record's date", avec(v, {{113, "21062024"}}), {52}},
    });
}

TEST(BoutEnBoutImports, AssoModificationInventoryAndActionsNotAdmitted) {
    const Vse mod = assoValide("MOD");
    const Vse inv = assoValide("INV");
    verifierVerdicts({
        {"MOD SIREN failing its Luhn sum", assoDetenteur("MOD", "SIREN", c6("732829321")), {136}},
        {"MOD keeper with a SIRET", avec(mod, {{79, "D"}}), {183}},
        {"MOD C8 before the start", avec(mod, {{113, "31122023"}}), {149}},
        {"INV SIREN failing its Luhn sum", assoDetenteur("INV", "SIREN", c6("732829321")), {}},
        {"INV SIRET failing its Luhn sum", avec(inv, {{85, c6("73282932000075")}}), {}},
        {"INV SIRET of 13 digits", avec(inv, {{85, c6("7328293200007")}}), {41}},
        {"INV keeper with a SIRET", avec(inv, {{79, "D"}}), {}},
        {"INV dates not checked", avec(inv, {{105, B8}, {113, "31042024"}}), {}},
        {"INV AGRSA 975", assoExploitation("INV", "AGRSA", c6("97512345")), {184}},
        {"INV C2 of another department", avec(inv, {{65, "02345678    "}}), {50}},
        {"DEM", assoValide("DEM"), DIX_86},
        {"EDI", assoValide("EDI"), DIX_86},
    });
}

// Every example file is delivered, each record stamped "40".
TEST(BoutEnBoutImports, ExampleFilesAreDelivered) {
    for (const char* nom : {"imports.vse", "associations.vse", "demandes-info.vse"}) {
        SCOPED_TRACE(nom);
        const std::string contenu = lireExemple(nom);
        const auto enregistrements = lignes(contenu);
        ASSERT_GE(enregistrements.size(), 2u);
        Repertoire rep;
        const auto r = valider(rep, contenu);
        std::vector<std::string> attendu{accepteAttendu(enregistrements[0], static_cast<int>(enregistrements.size() - 1))};
        for (size_t i = 1; i < enregistrements.size(); ++i) attendu.push_back(tamponne(enregistrements[i]));
        attendreLivraison(rep, r, 0, attendu);
    }
}

}  // namespace
