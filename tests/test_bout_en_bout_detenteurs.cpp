// End-to-end: the real binary over files of keeper and holding records DETE,
// DETI, EXP1, EXP2 and ACTI. Each file holds many records; every rejected
// record is answered by its own ERRE record, in input order, carrying the
// expected error numbers, and an accepted EXP1 creation that its EXP2
// creation does not follow is answered by error 105. Output files are
// compared byte by byte.
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
const std::string B30(30, ' ');

// A keeper of department 01 with its postal address; the title is one of
// both lists, so that every action accepts it.
Vse deteValide(const std::string& action = "CRE") {
    return avec(vide("DETE", action), {{63, "FR"},                // C1 country
                                       {65, "001234567   "},      // C2 keeper number
                                       {77, "  "},                // C3 status
                                       {79, "GAEC"},              // C4 legal form
                                       {83, "GAEC DES PRES"},     // C5 name
                                       {113, "1 RUE DES PRES"},   // C6 address line 1
                                       {173, "01000"},            // C8 postal code
                                       {178, "BOURG EN BRESSE"},  // C9 town
                                       {222, "FR"}});             // C11 country of the address
}

// A request on a keeper number (C12 "D") or a holding number (C12 "E").
Vse deteDemande(const std::string& c2, const std::string& c12) {
    return avec(vide("DETE", "DEM"), {{63, "FR"}, {65, c2}, {224, c12}});
}

// A keeper record with both its dates, which every action accepts.
Vse detiValide(const std::string& action = "CRE") {
    return avec(vide("DETI", action), {{63, "FR"},
                                       {65, "001234567   "},  // C2 keeper number
                                       {79, "1"},             // C4 flag
                                       {80, "15062024"},      // C5 first date
                                       {88, "  062024"}});    // C6 second date, day unknown
}

// A holding of department 01 with its address.
Vse exp1Valide(const std::string& action = "CRE", const std::string& c2 = "01234567    ") {
    return avec(vide("EXP1", action), {{63, "FR"},
                                       {65, c2},              // C2 holding number
                                       {79, "EARL"},          // C4 legal form
                                       {83, "EARL DU MOULIN"},// C5 name
                                       {113, "LE MOULIN"},    // C6 address line 1
                                       {173, "01000"},        // C8 postal code
                                       {178, "BOURG"},        // C9 town
                                       {222, "10"}});         // C11 TTE code
}

// The link of a holding with its keepers and its two dates.
Vse exp2Valide(const std::string& action = "CRE", const std::string& c2 = "01234567    ") {
    return avec(vide("EXP2", action), {{63, "FR"},
                                       {65, c2},              // C2 holding number
                                       {79, "FR"},            // C4, C5 keeper
                                       {81, "001234567   "},
                                       {97, "FR"},            // C10, C11 second keeper
                                       {99, "002345678   "},
                                       {141, "15062024"},     // C15 first date
                                       {149, "16062024"}});   // C16 second date
}

// An activity of a holding.
Vse actiValide(const std::string& action = "CRE") {
    return avec(vide("ACTI", action), {{63, "FR"},
                                       {65, "01234567    "},  // C2 holding number
                                       {79, "0"},             // C4 flag
                                       {80, "15062024"},      // C5 first date
                                       {88, "    2024"},      // C6 second date, day and month unknown
                                       {96, "P"}});           // C7 production code
}

struct Cas {
    std::string nom;
    Vse vse;
    std::vector<int> erreurs;     // empty: the record is accepted
    bool sansPartenaire = false;  // an accepted EXP1 creation answered by 105
};

std::string numerosErreur(const std::vector<int>& erreurs) {
    std::string s;
    for (int e : erreurs) {
        char groupe[8];
        std::snprintf(groupe, sizeof groupe, "I%03d1", e);
        s += groupe;
    }
    return s;
}

// Runs one file holding every case after its FICH record and compares the
// delivered file byte by byte. Header E11 (no rule) numbers the records, so
// that an ERRE record names the record it answers. An EXP1 creation left
// without its partner is answered after the record that follows it, or at
// the end of the file.
void verifierVerdicts(std::vector<Cas> cas) {
    const std::string f = fich(static_cast<int>(cas.size())).texte();
    std::vector<std::string> entree{f};
    for (size_t i = 0; i < cas.size(); ++i) {
        cas[i].vse.e11 = numero(i + 1, 10);
        entree.push_back(cas[i].vse.texte());
    }
    // Both fields echoed in an error record are the country C1 and the
    // number C2 (columns 63 and 65) for these five types.
    auto reponse = [&](size_t i, const std::vector<int>& erreurs) {
        return erreurAttendue(entree[i + 1], f, numerosErreur(erreurs), 63, 65);
    };
    std::vector<std::string> erreurs;
    for (size_t i = 0; i < cas.size(); ++i) {
        if (!cas[i].erreurs.empty()) erreurs.push_back(reponse(i, cas[i].erreurs));
        if (i > 0 && cas[i - 1].sansPartenaire) erreurs.push_back(reponse(i - 1, {105}));
    }
    if (!cas.empty() && cas.back().sansPartenaire) erreurs.push_back(reponse(cas.size() - 1, {105}));

    std::vector<std::string> attendu;
    const int nombre = static_cast<int>(cas.size());
    if (erreurs.empty()) {
        attendu.push_back(accepteAttendu(f, nombre));
        for (size_t i = 0; i < cas.size(); ++i) attendu.push_back(tamponne(entree[i + 1]));
    } else {
        const int enErreur = static_cast<int>(erreurs.size());
        attendu.push_back(refusAttendu(f, enErreur, nombre, nombre - enErreur));
        attendu.insert(attendu.end(), erreurs.begin(), erreurs.end());
    }
    Repertoire rep;
    const auto r = valider(rep, fichier(entree));
    attendreLivraison(rep, r, erreurs.empty() ? 0 : 2, attendu);
}

const std::vector<int> DIX_86(10, 86);

TEST(BoutEnBoutDetenteurs, ValidRecordsOfEveryActionAreDelivered) {
    verifierVerdicts({
        {"DETE CRE", deteValide("CRE"), {}},
        {"DETE ECQ", deteValide("ECQ"), {}},
        {"DETE MOD", deteValide("MOD"), {}},
        {"DETE MOD, an old title", avec(deteValide("MOD"), {{79, "MR  "}}), {}},
        {"DETE INV", deteValide("INV"), {}},
        {"DETE INV, nothing but the keeper", avec(vide("DETE", "INV"), {{63, "FR"}, {65, "001234567   "}}), {}},
        {"DETE DEM on a keeper number", deteDemande("001234567   ", "D"), {}},
        {"DETE DEM on a holding number", deteDemande("01234567    ", "E"), {}},
        {"DETI CRE", detiValide("CRE"), {}},
        {"DETI INV", detiValide("INV"), {}},
        {"DETI MOD", detiValide("MOD"), {}},
        {"EXP1 CRE", exp1Valide("CRE"), {}},
        {"its EXP2 CRE", exp2Valide("CRE"), {}},
        {"EXP1 MOD", exp1Valide("MOD"), {}},
        {"EXP1 INV", exp1Valide("INV"), {}},
        {"EXP2 MOD", exp2Valide("MOD"), {}},
        {"EXP2 INV", exp2Valide("INV"), {}},
        {"EXP2 CRE on its own", exp2Valide("CRE", "01765432    "), {}},
        {"ACTI CRE", actiValide("CRE"), {}},
        {"ACTI INV", actiValide("INV"), {}},
        {"ACTI MOD", actiValide("MOD"), {}},
    });
}

TEST(BoutEnBoutDetenteurs, DeteCreation) {
    const Vse v = deteValide("CRE");
    verifierVerdicts({
        {"valid", v, {}},
        {"C1 not FR", avec(v, {{63, "DE"}}), {30}},
        {"C2 blank", avec(v, {{65, B12}}), {30, 50}},
        {"C2 of another department", avec(v, {{65, "002234567   "}}), {50}},
        {"C2 a holding number of the department", avec(v, {{65, "01234567    "}}), {50}},
        {"C4 a title of modifications only", avec(v, {{79, "ETS "}}), {39}},
        {"C4 MR", avec(v, {{79, "MR  "}}), {39}},
        {"C4 blank", avec(v, {{79, "    "}}), {39}},
        {"C4 MME", avec(v, {{79, "MME "}}), {}},
        {"C5 blank", avec(v, {{83, B30}}), {39}},
        {"C6 blank, C7 given", avec(v, {{113, B30}, {143, "BP 12"}}), {}},
        {"C6 and C7 given", avec(v, {{143, "BP 12"}}), {}},
        {"C6 and C7 blank", avec(v, {{113, B30}}), {74, 74}},
        {"C8 blank", avec(v, {{173, "     "}}), {40}},
        {"C8 any other value", avec(v, {{173, "X"}}), {}},
        {"C9 blank", avec(v, {{178, B30}}), {79}},
        {"C11 unknown country", avec(v, {{222, "ZZ"}}), {80}},
        {"C11 blank", avec(v, {{222, "  "}}), {80}},
        {"C11 another country", avec(v, {{222, "BE"}}), {}},
        {"C3, C10, C12, C13 not checked", avec(v, {{77, "12"}, {208, "ZZZ"}, {224, "X"}, {225, "ABCDEF"}}), {}},
        {"ECQ takes the CRE rules", avec(deteValide("ECQ"), {{79, "ETS "}}), {39}},
        {"blank body: the first ten errors", vide("DETE", "CRE"), {30, 30, 50, 39, 39, 74, 74, 40, 79, 80}},
    });
}

TEST(BoutEnBoutDetenteurs, DeteModificationAndInventory) {
    const Vse mod = deteValide("MOD");
    const Vse inv = deteValide("INV");
    verifierVerdicts({
        {"MOD valid", mod, {}},
        {"MOD C2 of another department passes", avec(mod, {{65, "002234567   "}}), {}},
        {"MOD C2 overseas", avec(mod, {{65, "974123456   "}}), {}},
        {"MOD C2 of no department", avec(mod, {{65, "020234567   "}}), {50}},
        {"MOD C2 a holding number: only its department is read", avec(mod, {{65, "01234567    "}}), {}},
        {"MOD C2 blank", avec(mod, {{65, B12}}), {30, 50}},
        {"MOD C4 ETS", avec(mod, {{79, "ETS "}}), {}},
        {"MOD C4 MLE", avec(mod, {{79, "MLE "}}), {}},
        {"MOD C4 STE", avec(mod, {{79, "STE "}}), {}},
        {"MOD C4 MRS", avec(mod, {{79, "MRS "}}), {}},
        {"MOD C4 unknown", avec(mod, {{79, "XXXX"}}), {39}},
        {"MOD C4 blank", avec(mod, {{79, "    "}}), {39}},
        {"MOD C6 and C7 blank", avec(mod, {{113, B30}}), {74, 74}},
        {"MOD C8 blank", avec(mod, {{173, "     "}}), {40}},
        {"MOD C12 not checked", avec(mod, {{224, "X"}}), {}},
        {"INV valid", inv, {}},
        {"INV C2 of another department", avec(inv, {{65, "002234567   "}}), {50}},
        {"INV C1 not FR", avec(inv, {{63, "  "}}), {30}},
        {"INV other fields not checked", avec(inv, {{79, "XXXX"}, {83, B30}, {113, B30}, {173, "     "}}), {}},
        {"EDI: refused everywhere", deteValide("EDI"), DIX_86},
    });
}

// A request names the kind of its number in C12: D a keeper number held to
// its department, E a holding number.
TEST(BoutEnBoutDetenteurs, DeteRequestByTheKindOfItsNumber) {
    verifierVerdicts({
        {"D, keeper number", deteDemande("001234567   ", "D"), {}},
        {"D, keeper of another department", deteDemande("095234567   ", "D"), {}},
        {"D, no department", deteDemande("020234567   ", "D"), {50}},
        {"D, a holding number: its first three characters are a department", deteDemande("01234567    ", "D"), {}},
        {"D, a Corsican holding number", deteDemande("2A234567    ", "D"), {50}},
        {"E, holding number", deteDemande("01234567    ", "E"), {}},
        {"E, holding of another department", deteDemande("95234567    ", "E"), {}},
        {"E, a keeper number", deteDemande("001234567   ", "E"), {50}},
        {"E, holding number not conform", deteDemande("97512345    ", "E"), {50}},
        {"C12 blank: judged as a holding, then refused", deteDemande("01234567    ", " "), {130}},
        {"C12 blank, a keeper number", deteDemande("001234567   ", " "), {50, 130}},
        {"C12 unknown", deteDemande("01234567    ", "X"), {130}},
        {"D, C2 blank", deteDemande(B12, "D"), {30, 50}},
        {"C1 not FR", avec(deteDemande("001234567   ", "D"), {{63, "DE"}}), {30}},
        {"the address is not checked", avec(deteValide("DEM"), {{79, "XXXX"}, {113, B30}, {224, "D"}}), {}},
    });
}

TEST(BoutEnBoutDetenteurs, Deti) {
    const Vse cre = detiValide("CRE");
    const Vse inv = detiValide("INV");
    const Vse mod = detiValide("MOD");
    verifierVerdicts({
        {"CRE valid", cre, {}},
        {"CRE C1 not FR", avec(cre, {{63, "DE"}}), {30}},
        {"CRE C2 blank", avec(cre, {{65, B12}}), {30, 50}},
        {"CRE C2 of another department passes", avec(cre, {{65, "002234567   "}}), {}},
        {"CRE C2 of no department", avec(cre, {{65, "020234567   "}}), {50}},
        {"CRE C4 blank", avec(cre, {{79, " "}}), {81}},
        {"CRE C4 not a flag", avec(cre, {{79, "2"}}), {81}},
        {"CRE C5 no such day", avec(cre, {{80, "31042024"}}), {42}},
        {"CRE C5 incomplete", avec(cre, {{80, "  062024"}}), {42}},
        {"CRE C5 blank", avec(cre, {{80, B8}}), {42}},
        {"CRE C5 after the record's date", avec(cre, {{80, "21062024"}}), {52}},
        {"CRE C5 no such day, after the record's date", avec(cre, {{80, "31062024"}}), {42, 52}},
        {"CRE C5 on the record's date", avec(cre, {{80, "20062024"}}), {}},
        {"CRE C6 not checked", avec(cre, {{88, "XXXXXXXX"}}), {}},
        {"INV valid", inv, {}},
        {"INV C5 not checked", avec(inv, {{80, B8}}), {}},
        {"INV C6 complete", avec(inv, {{88, "15062024"}}), {}},
        {"INV C6 day and month unknown", avec(inv, {{88, "    2024"}}), {}},
        {"INV C6 day 00", avec(inv, {{88, "00062024"}}), {29}},
        {"INV C6 month 00", avec(inv, {{88, "15002024"}}), {29}},
        {"INV C6 month unknown only", avec(inv, {{88, "15  2024"}}), {29}},
        {"INV C6 month 13", avec(inv, {{88, "  132023"}}), {29}},
        {"INV C6 blank", avec(inv, {{88, B8}}), {29}},
        {"INV C6 after the record's date", avec(inv, {{88, "21062024"}}), {52}},
        {"INV C6 month after the record's date", avec(inv, {{88, "  072024"}}), {52}},
        {"INV C2 of no department", avec(inv, {{65, "020234567   "}}), {50}},
        {"INV C4 blank", avec(inv, {{79, " "}}), {81}},
        {"MOD valid", mod, {}},
        {"MOD both dates wrong", avec(mod, {{80, "  062024"}, {88, "21062024"}}), {42, 52}},
        {"DEM: refused everywhere", detiValide("DEM"), {86, 86, 86, 86, 86, 86, 86, 86, 86}},
        {"EDI: refused everywhere", detiValide("EDI"), {86, 86, 86, 86, 86, 86, 86, 86, 86}},
    });
}

// EXP1 creations that are accepted are each followed by their EXP2.
TEST(BoutEnBoutDetenteurs, Exp1) {
    const Vse cre = exp1Valide("CRE");
    const Vse mod = exp1Valide("MOD");
    const Vse inv = exp1Valide("INV");
    const Vse exp2 = exp2Valide("CRE");
    verifierVerdicts({
        {"CRE valid", cre, {}},
        {"and its EXP2", exp2, {}},
        {"CRE C4 blank", avec(cre, {{79, "    "}}), {}},
        {"and its EXP2", exp2, {}},
        {"CRE C4 withheld", avec(cre, {{79, "****"}}), {}},
        {"and its EXP2", exp2, {}},
        {"CRE C5 and C7 blank, C6 given", avec(cre, {{83, B30}}), {}},
        {"and its EXP2", exp2, {}},
        {"CRE C6 blank, C7 given", avec(cre, {{113, B30}, {143, "BP 7"}}), {}},
        {"and its EXP2", exp2, {}},
        {"CRE C1 not FR", avec(cre, {{63, "DE"}}), {31}},
        {"CRE C2 blank", avec(cre, {{65, B12}}), {31, 68, 50}},
        {"CRE C2 of another department", avec(cre, {{65, "02345678    "}}), {50}},
        {"CRE C2 not conform", avec(cre, {{65, "0123456     "}}), {68}},
        {"CRE C2 a keeper number", avec(cre, {{65, "001234567   "}}), {68, 50}},
        {"CRE C4 a title of modifications only", avec(cre, {{79, "MR  "}}), {32}},
        {"CRE C4 unknown", avec(cre, {{79, "XXXX"}}), {32}},
        {"CRE C6 and C7 blank", avec(cre, {{113, B30}}), {75, 75}},
        {"CRE C8 blank", avec(cre, {{173, "     "}}), {33}},
        {"CRE C9 blank", avec(cre, {{178, B30}}), {82}},
        {"CRE C11 blank", avec(cre, {{222, "  "}}), {35}},
        {"CRE C11 not in TTE", avec(cre, {{222, "30"}}), {35}},
        {"blank body: C4 may be blank", vide("EXP1", "CRE"), {31, 31, 68, 50, 75, 75, 33, 82, 35}},
        {"MOD valid", mod, {}},
        {"MOD C4 STE", avec(mod, {{79, "STE "}}), {}},
        {"MOD C4 withheld", avec(mod, {{79, "****"}}), {}},
        {"MOD C4 unknown", avec(mod, {{79, "XXXX"}}), {32}},
        {"MOD C8 blank", avec(mod, {{173, "     "}}), {33}},
        {"MOD C2 of another department", avec(mod, {{65, "02345678    "}}), {50}},
        {"INV valid", inv, {}},
        {"INV nothing but the holding", avec(vide("EXP1", "INV"), {{63, "FR"}, {65, "01234567    "}}), {}},
        {"INV C2 not conform", avec(inv, {{65, "2A234567    "}}), {68, 50}},
        {"DEM", exp1Valide("DEM"), DIX_86},
        {"EDI", exp1Valide("EDI"), DIX_86},
    });
}

TEST(BoutEnBoutDetenteurs, Exp2) {
    const Vse cre = exp2Valide("CRE");
    const Vse inv = exp2Valide("INV");
    const Vse mod = exp2Valide("MOD");
    verifierVerdicts({
        {"CRE valid", cre, {}},
        {"CRE C2 of another department", avec(cre, {{65, "02345678    "}}), {50}},
        {"CRE C2 blank", avec(cre, {{65, B12}}), {31, 68, 50}},
        {"CRE C4 not FR", avec(cre, {{79, "BE"}}), {30}},
        {"CRE C5 blank", avec(cre, {{81, B12}}), {30, 30}},
        {"CRE C5 of no department", avec(cre, {{81, "096234567   "}}), {30}},
        {"CRE C5 of another department", avec(cre, {{81, "02A234567   "}}), {}},
        {"CRE C10, C11, C16 not checked", avec(cre, {{97, "  "}, {99, B12}, {149, B8}}), {}},
        {"CRE C15 no such day", avec(cre, {{141, "30022024"}}), {22}},
        {"CRE C15 blank", avec(cre, {{141, B8}}), {22}},
        {"CRE C15 after the record's date", avec(cre, {{141, "21062024"}}), {52}},
        {"INV valid", inv, {}},
        {"INV C4, C5, C15 not checked", avec(inv, {{79, "  "}, {81, B12}, {141, B8}}), {}},
        {"INV C10 not FR", avec(inv, {{97, "DE"}}), {76}},
        {"INV C11 blank", avec(inv, {{99, B12}}), {76, 76}},
        {"INV C11 of no department", avec(inv, {{99, "099234567   "}}), {76}},
        {"INV C16 incomplete", avec(inv, {{149, "  062024"}}), {22}},
        {"INV C16 after the record's date", avec(inv, {{149, "01072024"}}), {52}},
        {"MOD valid", mod, {}},
        {"MOD every keeper and date wrong", avec(mod, {{79, "  "}, {97, "  "}, {141, B8}, {149, "21062024"}}),
         {30, 76, 22, 52}},
        {"blank body MOD", vide("EXP2", "MOD"), {31, 31, 68, 50, 30, 30, 30, 76, 76, 76}},
        {"DEM", exp2Valide("DEM"), DIX_86},
        {"EDI", exp2Valide("EDI"), DIX_86},
    });
}

TEST(BoutEnBoutDetenteurs, Acti) {
    const Vse cre = actiValide("CRE");
    const Vse inv = actiValide("INV");
    const Vse mod = actiValide("MOD");
    verifierVerdicts({
        {"CRE valid", cre, {}},
        {"CRE C1 not FR", avec(cre, {{63, "DE"}}), {31}},
        {"CRE C2 blank", avec(cre, {{65, B12}}), {31, 68, 50}},
        {"CRE C2 of another department", avec(cre, {{65, "02345678    "}}), {50}},
        {"CRE C4 not a flag", avec(cre, {{79, "X"}}), {81}},
        {"CRE C5 no such day", avec(cre, {{80, "31042024"}}), {36}},
        {"CRE C5 after the record's date", avec(cre, {{80, "21062024"}}), {52}},
        {"CRE C6 not checked", avec(cre, {{88, B8}}), {}},
        {"CRE C7 unknown", avec(cre, {{96, "X"}}), {131}},
        {"CRE C7 blank", avec(cre, {{96, " "}}), {131}},
        {"CRE C7 another production", avec(cre, {{96, "V"}}), {}},
        {"INV valid", inv, {}},
        {"INV C5 not checked", avec(inv, {{80, B8}}), {}},
        {"INV C6 day unknown", avec(inv, {{88, "  052024"}}), {}},
        {"INV C6 blank", avec(inv, {{88, B8}}), {29}},
        {"INV C6 after the record's date", avec(inv, {{88, "    2025"}}), {52}},
        {"INV C7 blank", avec(inv, {{96, " "}}), {131}},
        {"MOD valid", mod, {}},
        {"MOD both dates wrong", avec(mod, {{80, "    2024"}, {88, "00002024"}}), {36, 29}},
        {"blank body MOD", vide("ACTI", "MOD"), {31, 31, 68, 50, 81, 36, 29, 131}},
        {"DEM", actiValide("DEM"), DIX_86},
        {"EDI", actiValide("EDI"), DIX_86},
    });
}

// The pairing of an accepted EXP1 creation with the EXP2 creation of the
// same holding that must follow it.
TEST(BoutEnBoutDetenteurs, Exp1ThenExp2Pairing) {
    const Vse exp1 = exp1Valide("CRE");
    const Vse exp2 = exp2Valide("CRE");
    const Vse autreExp2 = exp2Valide("CRE", "01765432    ");
    struct Groupe {
        std::string nom;
        std::vector<Cas> cas;
    };
    const std::vector<Groupe> groupes = {
        {"followed by its EXP2", {{"EXP1", exp1, {}}, {"EXP2", exp2, {}}}},
        {"EXP2 of another holding: 105 after it",
         {{"EXP1", exp1, {}, true}, {"EXP2 other C2", autreExp2, {}}}},
        {"EXP2 of another holding in error: its answer, then 105",
         {{"EXP1", exp1, {}, true}, {"EXP2 other C2", avec(autreExp2, {{141, B8}}), {22}}}},
        {"EXP2 of the same holding in error: still its partner",
         {{"EXP1", exp1, {}}, {"EXP2 in error", avec(exp2, {{141, B8}}), {22}}}},
        {"a record of another type", {{"EXP1", exp1, {}, true}, {"DETE", deteValide(), {}}}},
        {"an EXP2 modification", {{"EXP1", exp1, {}, true}, {"EXP2 MOD", exp2Valide("MOD"), {}}}},
        {"left open at the end",
         {{"DETE", deteValide(), {}}, {"EXP1", exp1, {}, true}}},
        {"EXP1 in error opens nothing",
         {{"EXP1 in error", avec(exp1, {{222, "  "}}), {35}}, {"DETE", deteValide(), {}}}},
        {"EXP1 in error at the end", {{"DETE", deteValide(), {}}, {"EXP1 in error", avec(exp1, {{173, "     "}}), {33}}}},
        {"EXP1 modification opens nothing", {{"EXP1 MOD", exp1Valide("MOD"), {}}, {"DETE", deteValide(), {}}}},
        {"EXP1 modification at the end", {{"DETE", deteValide(), {}}, {"EXP1 MOD", exp1Valide("MOD"), {}}}},
        {"EXP1 ECQ opens nothing", {{"EXP1 ECQ", exp1Valide("ECQ"), {}}, {"DETE", deteValide(), {}}}},
        {"two EXP1 in a row: the second is paired",
         {{"EXP1", exp1, {}, true}, {"EXP1 again", exp1Valide("CRE", "01765432    "), {}}, {"its EXP2", autreExp2, {}}}},
        {"a closed pair opens nothing",
         {{"EXP1", exp1, {}}, {"EXP2", exp2, {}}, {"DETE", deteValide(), {}}, {"ACTI", actiValide(), {}}}},
    };
    for (const Groupe& g : groupes) {
        SCOPED_TRACE(g.nom);
        verifierVerdicts(g.cas);
    }
}

TEST(BoutEnBoutDetenteurs, ExampleFileIsDelivered) {
    const std::string contenu = lireExemple("detenteurs.vse");
    const auto enregistrements = lignes(contenu);
    ASSERT_GE(enregistrements.size(), 2u);

    Repertoire rep;
    const auto r = valider(rep, contenu);
    EXPECT_EQ(r.code, 0) << r.erreur;
    EXPECT_EQ(rep.fichiers(), (std::set<std::string>{"log.txt", "out.txt"}));
    EXPECT_EQ(rep.lire("log.txt"), "");
    const auto sortie = lignes(rep.lire("out.txt"));
    ASSERT_EQ(sortie.size(), enregistrements.size());
    for (size_t i = 1; i < sortie.size(); ++i) {
        EXPECT_EQ(col(sortie[i], 77, 78), "40") << i;
        std::string attendue = enregistrements[i];
        attendue.replace(76, 2, "40");
        EXPECT_EQ(sortie[i], attendue) << i;
    }
}

}  // namespace
