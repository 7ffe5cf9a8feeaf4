// End-to-end: the real binary over files of establishment records (EGET,
// ERTI, RATA) and of error returns (ERRE): verdicts rule by rule, the pairing
// of an EGET creation with its RATA creation, and ERRE acknowledgements
// copied unchanged.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "outils.h"

using namespace essai;

namespace {

const std::string B12(12, ' ');
const std::string B30(30, ' ');

// Establishment "AAB12" of kind V, issued by 001IPG (the default header's
// establishment), or "01ABC" of kind P.
const std::string ETAB_V = "AAB12       ";
const std::string ETAB_P = "01ABC       ";

Vse egetValide(const std::string& action = "CRE", const std::string& etab = ETAB_V, const std::string& kind = "V") {
    return vide("EGET", action)
        .colonnes(63, "FR")
        .colonnes(65, etab)
        .colonnes(77, "  ")
        .colonnes(79, kind)
        .colonnes(80, "ETABLISSEMENT DUPONT")  // C5
        .colonnes(110, "12 RUE DES LILAS")     // C6
        .colonnes(140, "01000")                // C7 postal code
        .colonnes(145, "BOURG EN BRESSE");     // C8 town
}

// A laying unit (kind V, production kind M) or a unit of kind P.
Vse ertiValide(const std::string& action = "CRE") {
    Vse v = vide("ERTI", action)
                .colonnes(63, "FR")
                .colonnes(65, ETAB_V)
                .colonnes(79, "V")
                .colonnes(80, "M")
                .colonnes(81, action == "MOD" ? "        " : "01032024")  // C6
                .colonnes(89, "15032024")                                 // C7
                .colonnes(97, "20032024")                                 // C8
                .colonnes(105, "OEUF")                                    // C9
                .colonnes(109, "2   ");                                   // C10
    return v;
}

Vse ertiP(const std::string& action = "CRE") {
    return avec(ertiValide(action), {{65, ETAB_P}, {79, "P"}, {80, " "}, {105, "    "}, {109, "    "}});
}

Vse rataValide(const std::string& action = "CRE", const std::string& etab = ETAB_V, const std::string& kind = "V") {
    Vse v = vide("RATA", action)
                .colonnes(63, "FR")
                .colonnes(65, etab)
                .colonnes(79, kind)
                .colonnes(80, "FR")
                .colonnes(82, "01234567    ")  // C6 holding
                .colonnes(108, "01032024");    // C9 start date
    if (action == "MOD") v.colonnes(94, "FR").colonnes(96, "01765432    ").colonnes(116, "10062024");
    return v;
}

// An acknowledgement of an error on a slaughter notification.
Vse erreValide(const std::string& action = "ECQ") {
    return vide("ERRE", action)
        .colonnes(63, "ABAT")
        .colonnes(67, "CRE")
        .colonnes(70, "FR")
        .colonnes(72, "0112345678  ")   // C4
        .colonnes(84, "FR")             // C5
        .colonnes(86, "0112345678  ")   // C6
        .colonnes(98, "FR")             // C7
        .colonnes(100, "01123456    ")  // C8 sanitary approval
        .colonnes(112, "I067")          // C9
        .colonnes(116, "1")             // C10
        .colonnes(162, "FR")            // C29
        .colonnes(164, "01123456    ")  // C30
        .colonnes(176, "FR")            // C31
        .colonnes(178, "0112345678  ")  // C32
        .colonnes(190, "15032024")      // C33
        .colonnes(198, "16032024")      // C34
        .colonnes(206, "17032024")      // C35
        .colonnes(214, "18032024")      // C36
        .colonnes(222, "001IPG  ");     // C37
}

struct Cas {
    std::string nom;
    Vse vse;
    std::vector<int> erreurs;  // empty: the record is accepted
};

bool estAccuse(const Vse& v) { return v.e6 == "ERRE" && v.e5 == "ECQ"; }

// Runs one file holding every case after its FICH record (from `emetteur`)
// and checks the verdict of each record: accepted records come back stamped
// "40" (an ERRE acknowledgement unchanged); each rejected record is answered
// by its own ERRE record, in input order, with the expected error numbers and
// the identification of the record (an ERRE's type and action). The cases
// must leave no EGET creation unpaired.
void verifierVerdicts(std::vector<Cas> cas, const std::string& emetteur = "001IPG  ") {
    Vse entete = fich(static_cast<int>(cas.size()));
    entete.e3 = emetteur;
    std::vector<std::string> entree{entete.texte()};
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
            EXPECT_EQ(sortie[i + 1], estAccuse(cas[i].vse) ? entree[i + 1] : tamponne(entree[i + 1]));
        }
        return;
    }

    EXPECT_EQ(r.code, 2) << r.erreur;
    ASSERT_EQ(sortie.size(), rejetes.size() + 1);
    EXPECT_EQ(col(sortie[0], 95, 100), numero(rejetes.size(), 6));
    EXPECT_EQ(col(sortie[0], 101, 106), numero(cas.size(), 6));
    EXPECT_EQ(col(sortie[0], 113, 118), numero(cas.size() - rejetes.size(), 6));
    for (size_t k = 0; k < rejetes.size(); ++k) {
        const Cas& c = *rejetes[k];
        const std::string& erre = sortie[k + 1];
        const std::string texte = c.vse.texte();
        SCOPED_TRACE(c.nom);
        ASSERT_EQ(erre.size(), 256u);
        EXPECT_EQ(col(erre, 19, 25), "ERRERRE");
        EXPECT_EQ(col(erre, 43, 50), emetteur);
        EXPECT_EQ(col(erre, 51, 60), c.vse.e11);
        EXPECT_EQ(col(erre, 63, 66), c.vse.e6);
        EXPECT_EQ(col(erre, 67, 69), c.vse.e5);
        if (c.vse.e6 == "ERRE") {
            EXPECT_EQ(col(erre, 70, 83), col(texte, 63, 69) + std::string(7, ' '));
        } else {
            EXPECT_EQ(col(erre, 70, 83), col(texte, 63, 76));
        }
        EXPECT_EQ(col(erre, 84, 111), std::string(28, ' '));  // no pair echoed by these types
        EXPECT_EQ(codesErreur(erre), c.erreurs);
    }
}

const std::vector<int> DIX_86(10, 86);

TEST(BoutEnBoutEtablissements, ValidRecordsOfEveryAdmittedActionAreDelivered) {
    verifierVerdicts({
        {"EGET CRE kind V", egetValide("CRE"), {}},
        {"its RATA CRE", rataValide("CRE"), {}},
        {"EGET CRE kind P", egetValide("CRE", ETAB_P, "P"), {}},
        {"its RATA CRE", rataValide("CRE", ETAB_P, "P"), {}},
        {"EGET CRE, first line blank", avec(egetValide("CRE"), {{80, B30}}), {}},
        {"its RATA CRE", rataValide("CRE"), {}},
        {"EGET ECQ opens no pairing", egetValide("ECQ"), {}},
        {"EGET INV", egetValide("INV"), {}},
        {"EGET INV, nothing but the identification",
         avec(vide("EGET", "INV"), {{63, "FR"}, {65, ETAB_V}, {79, "V"}}), {}},
        {"EGET MOD", egetValide("MOD"), {}},
        {"EGET MOD, second line blank", avec(egetValide("MOD"), {{110, B30}}), {}},
        {"ERTI CRE kind V", ertiValide("CRE"), {}},
        {"ERTI CRE kind P", ertiP("CRE"), {}},
        {"ERTI CRE, second date blank", avec(ertiValide("CRE"), {{89, "        "}}), {}},
        {"ERTI INV", ertiValide("INV"), {}},
        {"ERTI MOD", ertiValide("MOD"), {}},
        {"ERTI MOD kind P", ertiP("MOD"), {}},
        {"RATA MOD", rataValide("MOD"), {}},
        {"ERRE ECQ", erreValide(), {}},
    });
}

TEST(BoutEnBoutEtablissements, EgetRuleByRule) {
    const Vse v = egetValide("MOD");
    verifierVerdicts({
        {"valid", v, {}},
        {"C1 not FR", avec(v, {{63, "DE"}}), {139}},
        {"C2 blank", avec(v, {{65, B12}}), {139, 140, 50}},
        {"C2 code in no list", avec(v, {{65, "ZZB12       "}}), {140, 50}},
        {"C2 code of another establishment", avec(v, {{65, "CAB12       "}}), {50}},
        {"C2 code after an empty item", avec(v, {{65, "HLB12       "}}), {}},
        {"C2 small letter", avec(v, {{65, "AAb12       "}}), {140}},
        {"C2 not ending in blanks", avec(v, {{65, "AAB12      X"}}), {140}},
        {"C4 unknown", avec(v, {{79, "X"}}), {140, 50, 131}},
        {"C4 P with a number of kind V", avec(v, {{79, "P"}}), {140, 50}},
        {"kind P", avec(v, {{65, ETAB_P}, {79, "P"}}), {}},
        {"kind P of another department", avec(v, {{65, "02ABC       "}, {79, "P"}}), {50}},
        {"kind P, small letter", avec(v, {{65, "01aBC       "}, {79, "P"}}), {140}},
        {"C5 blank, C6 filled", avec(v, {{80, B30}}), {}},
        {"C5 and C6 blank", avec(v, {{80, B30}, {110, B30}}), {141, 141}},
        {"C7 blank", avec(v, {{140, "     "}}), {142}},
        {"C8 blank", avec(v, {{145, B30}}), {143}},
        {"C3 status xx", avec(v, {{77, "xx"}}), {51}},
        {"INV skips the address", avec(egetValide("INV"), {{80, B30}, {110, B30}, {140, "     "}, {145, B30}}), {}},
        {"INV checks the number", avec(egetValide("INV"), {{65, "CAB12       "}}), {50}},
        {"CRE with errors opens no pairing", avec(egetValide("CRE"), {{140, "     "}}), {142}},
        {"CRE blank body", vide("EGET", "CRE"), {139, 139, 140, 50, 131, 141, 141, 142, 143}},
        {"DEM", egetValide("DEM"), DIX_86},
        {"EDI", egetValide("EDI"), DIX_86},
    });
}

// Establishment numbers of the overseas establishments, sent by themselves.
TEST(BoutEnBoutEtablissements, OverseasEstablishmentNumbers) {
    auto de = [](const std::string& etablissement, const std::string& numero, const std::string& kind) {
        Vse v = avec(egetValide("MOD"), {{65, numero}, {79, kind}});
        v.e8 = etablissement;
        return v;
    };
    verifierVerdicts(
        {
            {"971 P 97A", de("971IPG  ", "97A12       ", "P"), {}},
            {"971 P 971", de("971IPG  ", "971AB       ", "P"), {}},
            {"971 P 97D", de("971IPG  ", "97D12       ", "P"), {}},
            {"971 P 972 of another", de("971IPG  ", "97212       ", "P"), {50}},
            {"971 P 975", de("971IPG  ", "97512       ", "P"), {140, 50}},
            {"971 V GH", de("971IPG  ", "GHA01       ", "V"), {}},
            {"971 V UP", de("971IPG  ", "UPA01       ", "V"), {}},
            {"971 V HH of 972", de("971IPG  ", "HHA01       ", "V"), {50}},
        },
        "971IPG  ");
    verifierVerdicts(
        {
            {"974 P 98", de("974IPG  ", "98123       ", "P"), {}},
            {"974 P 974", de("974IPG  ", "97412       ", "P"), {140, 50}},
            {"974 V KH", de("974IPG  ", "KHZ99       ", "V"), {}},
        },
        "974IPG  ");
}

TEST(BoutEnBoutEtablissements, ErtiRuleByRule) {
    const Vse cre = ertiValide("CRE");
    const Vse mod = ertiValide("MOD");
    const Vse inv = ertiValide("INV");
    verifierVerdicts({
        {"CRE valid", cre, {}},
        {"CRE C4 P, C5 blank", ertiP("CRE"), {}},
        {"CRE C4 P, C5 D", avec(ertiP("CRE"), {{80, "D"}}), {131}},
        {"CRE C4 V, C5 blank", avec(cre, {{80, " "}}), {131, 146, 147}},
        {"CRE C5 D with OEUF", avec(cre, {{80, "D"}, {109, "    "}}), {146}},
        {"CRE C5 D, codes blank", avec(cre, {{80, "D"}, {105, "    "}, {109, "    "}}), {}},
        {"CRE C9 blank for kind M", avec(cre, {{105, "    "}}), {146}},
        {"CRE C10 unknown", avec(cre, {{109, "4   "}}), {147}},
        {"CRE C6 blank", avec(cre, {{81, "        "}}), {144}},
        {"CRE C6 no such day", avec(cre, {{81, "30022024"}}), {144}},
        {"CRE C6 after the record's date", avec(cre, {{81, "21062024"}}), {52, 149}},
        {"CRE C7 no such day", avec(cre, {{89, "32032024"}}), {145}},
        {"CRE C7 before C6", avec(cre, {{89, "28022024"}}), {149}},
        {"CRE C7 after the record's date", avec(cre, {{89, "21062024"}}), {52}},
        {"CRE C8 not checked", avec(cre, {{97, "XXXXXXXX"}}), {}},
        {"MOD C6 a date", avec(mod, {{81, "01032024"}}), {192}},
        {"MOD C6 a partner code, C7 blank", avec(mod, {{81, "NORMABEV"}, {89, "        "}}), {}},
        {"MOD C8 blank", avec(mod, {{97, "        "}}), {144}},
        {"MOD C8 after the record's date", avec(mod, {{97, "21062024"}}), {52}},
        {"MOD C9 unknown", avec(mod, {{105, "LAIT"}}), {146}},
        {"INV valid", inv, {}},
        {"INV checks C5", avec(inv, {{80, "Z"}}), {131}},
        {"INV skips C6, C7, C9, C10", avec(inv, {{81, "XXXXXXXX"}, {89, "XXXXXXXX"}, {105, "XXXX"}, {109, "XXXX"}}), {}},
        {"INV C8 blank", avec(inv, {{97, "        "}}), {144}},
        {"DEM", ertiValide("DEM"), DIX_86},
        {"EDI", ertiValide("EDI"), DIX_86},
    });
}

TEST(BoutEnBoutEtablissements, RataRuleByRule) {
    const Vse cre = rataValide("CRE");
    const Vse mod = rataValide("MOD");
    verifierVerdicts({
        {"CRE valid", cre, {}},
        {"CRE C2 of another establishment", avec(cre, {{65, "CAB12       "}}), {50}},
        {"CRE C4 unknown", avec(cre, {{79, "X"}}), {140, 50, 131}},
        {"CRE C5 not FR", avec(cre, {{80, "DE"}}), {31}},
        {"CRE C6 blank", avec(cre, {{82, B12}}), {31, 68}},
        {"CRE C6 not a holding", avec(cre, {{82, "2A234567    "}}), {68}},
        {"CRE C6 of another department", avec(cre, {{82, "02345678    "}}), {}},
        {"CRE second holding not checked", avec(cre, {{94, "XX"}, {96, "X"}}), {}},
        {"CRE C9 blank", avec(cre, {{108, "        "}}), {148}},
        {"CRE C9 after the record's date", avec(cre, {{108, "21062024"}}), {52}},
        {"CRE C10 not checked", avec(cre, {{116, "XXXXXXXX"}}), {}},
        {"MOD valid", mod, {}},
        {"MOD C7 blank", avec(mod, {{94, "  "}}), {31}},
        {"MOD C8 blank", avec(mod, {{96, B12}}), {31, 68}},
        {"MOD C8 not a holding", avec(mod, {{96, "0123456X    "}}), {68}},
        {"MOD C10 blank", avec(mod, {{116, "        "}}), {148}},
        {"MOD C10 after the record's date", avec(mod, {{116, "21062024"}}), {52}},
        {"INV", rataValide("INV"), {86}},
        {"DEM", rataValide("DEM"), DIX_86},
        {"EDI", rataValide("EDI"), DIX_86},
    });
}

TEST(BoutEnBoutErre, RuleByRule) {
    const Vse v = erreValide();
    verifierVerdicts({
        {"valid", v, {}},
        {"status xx not ruled on ERRE", avec(v, {{77, "xx"}}), {}},
        {"C1 NAIS", avec(v, {{63, "NAIS"}}), {190}},
        {"C1 unknown", avec(v, {{63, "XXXX"}}), {85, 190}},
        {"C2 unknown", avec(v, {{67, "ERR"}}), {84}},
        {"C3 unknown", avec(v, {{70, "ZZ"}}), {1}},
        {"C4 blank", avec(v, {{72, B12}}), {185}},
        {"C5 blank", avec(v, {{84, "  "}}), {1}},
        {"C6 blank", avec(v, {{86, B12}}), {186}},
        {"C6 repeats its country", avec(v, {{86, "FR12345     "}}), {186}},
        {"C7 not FR", avec(v, {{98, "DE"}}), {21}},
        {"C8 blank", avec(v, {{100, B12}}), {21}},
        {"C8 holding number of department 01", avec(v, {{100, "01234567    "}}), {}},
        {"C8 department 20", avec(v, {{100, "20123456    "}}), {68}},
        {"C8 department 98", avec(v, {{100, "98123456    "}}), {68}},
        {"C8 holding number on another return", avec(v, {{63, "NAIS"}, {100, "01234567    "}}), {190}},
        {"C9 three characters", avec(v, {{112, "I06 "}}), {187}},
        {"C10 blank", avec(v, {{116, " "}}), {188}},
        {"C29 not FR", avec(v, {{162, "DE"}}), {189}},
        {"C29 and C30 blank", avec(v, {{162, "  "}, {164, B12}}), {}},
        {"C30 department 98", avec(v, {{164, "98123456    "}}), {189}},
        {"C31 unknown", avec(v, {{176, "ZZ"}}), {1}},
        {"C31 DE, C32 refused as a German number", avec(v, {{176, "DE"}, {178, "DE12345     "}}), {1}},
        {"C31 US, C32 neither French nor imported", avec(v, {{176, "US"}, {178, "US1234      "}}), {118}},
        {"C31 FR, C32 not a French number", avec(v, {{178, "0012345678  "}}), {67}},
        {"C31 and C32 blank", avec(v, {{176, "  "}, {178, B12}}), {}},
        {"C33 no such day", avec(v, {{190, "31022024"}}), {5}},
        {"C33 after the record's date", avec(v, {{190, "21062024"}}), {52}},
        {"C34 no such day", avec(v, {{198, "32012024"}}), {22}},
        {"C35 blank", avec(v, {{206, "        "}}), {}},
        {"C36 blank", avec(v, {{214, "        "}}), {122}},
        {"C36 blank on another return", avec(v, {{63, "NAIS"}, {214, "        "}}), {190}},
        {"C36 after the record's date", avec(v, {{214, "21062024"}}), {52}},
        {"C37 a partner code", avec(v, {{222, "NORM01  "}}), {87, 135}},
        {"C37 another office", avec(v, {{222, "002IPG  "}}), {135}},
        {"C37 NORMABEV", avec(v, {{222, "NORMABEV"}}), {135}},
        {"C37 blank", avec(v, {{222, "        "}}), {}},
        {"C37 with a blank inside", avec(v, {{222, "001 IPG "}}), {87, 135}},
        {"CRE: the header refuses it", erreValide("CRE"), {86}},
        {"INV", erreValide("INV"), {86}},
        {"MOD", erreValide("MOD"), {86}},
        {"DEM: every rule skipped", avec(erreValide("DEM"), {{63, "NAIS"}}), {86}},
        {"EDI", erreValide("EDI"), {86}},
        {"CRE with body errors", avec(erreValide("CRE"), {{63, "NAIS"}}), {86, 190}},
        {"blank body", vide("ERRE", "ECQ"), {85, 190, 84, 1, 185, 21, 21, 187, 188}},
    });
}

// A regional emitter reports the offices it is paired with.
TEST(BoutEnBoutErre, EmitterReportedByARegionalEmitter) {
    Vse v = erreValide();
    v.e8 = "004IPG  ";
    verifierVerdicts(
        {
            {"C37 an office paired with the emitter", avec(v, {{222, "004IPG  "}}), {}},
            {"C37 another paired office", avec(v, {{222, "084IPG  "}}), {}},
            {"C37 an office not paired", avec(v, {{222, "007IPG  "}}), {135}},
            {"C37 the emitter itself", avec(v, {{222, "013ARS  "}}), {87}},
        },
        "013ARS  ");
}

// ---- Pairing: an accepted EGET creation and the RATA creation after it ----

struct Fichier {
    Vse entete;
    std::vector<std::string> lignes;
};

Fichier fichierDe(const std::vector<Vse>& enregistrements) {
    Fichier f{fich(static_cast<int>(enregistrements.size())), {}};
    f.lignes.push_back(f.entete.texte());
    int n = 0;
    for (Vse v : enregistrements) {
        v.e11 = numero(static_cast<size_t>(++n), 10);
        f.lignes.push_back(v.texte());
    }
    return f;
}

TEST(BoutEnBoutEtablissements, EgetCreationFollowedByItsRata) {
    const Fichier f = fichierDe({egetValide("CRE"), rataValide("CRE"), egetValide("CRE", ETAB_P, "P"),
                                 rataValide("CRE", ETAB_P, "P")});
    const std::string fichTexte = f.lignes[0];
    Repertoire rep;
    const auto r = valider(rep, fichier(f.lignes));
    attendreLivraison(rep, r, 0,
                      {accepteAttendu(fichTexte, 4), tamponne(f.lignes[1]), tamponne(f.lignes[2]),
                       tamponne(f.lignes[3]), tamponne(f.lignes[4])});
}

TEST(BoutEnBoutEtablissements, EgetCreationNotFollowedByItsRata) {
    struct CasAppariement {
        std::string nom;
        Vse suivant;
    };
    const CasAppariement cas[] = {
        {"RATA with another link", rataValide("CRE", "BAB12       ")},
        {"RATA modification with the same link", rataValide("MOD")},
        {"ERTI creation with the same link", ertiValide("CRE")},
        {"another EGET creation", egetValide("MOD")},
    };
    for (const CasAppariement& c : cas) {
        SCOPED_TRACE(c.nom);
        const Fichier f = fichierDe({egetValide("CRE"), c.suivant});
        const std::string fichTexte = f.lignes[0];
        Repertoire rep;
        const auto r = valider(rep, fichier(f.lignes));
        // The second record is accepted; the EGET's prepared answer follows
        // it and counts as one record in error.
        attendreLivraison(rep, r, 2, {refusAttendu(fichTexte, 1, 2, 1), erreurAttendue(f.lignes[1], fichTexte, "I1381")});
    }
}

TEST(BoutEnBoutEtablissements, PairingAnswersComeAfterTheRecordThatShowsThemMissing) {
    // A rejected RATA with another link: its own answer first, then the
    // EGET's. A rejected RATA with the same link closes the pairing.
    const Vse rataRejetee = avec(rataValide("CRE", "BAB12       "), {{82, B12}});
    const Vse rataRejeteeMemeLien = avec(rataValide("CRE"), {{82, B12}});
    const Fichier f = fichierDe({egetValide("CRE"), rataRejetee, egetValide("CRE"), rataRejeteeMemeLien,
                                 // An EGET creation answered by the next EGET creation, which
                                 // opens its own pairing, closed by its RATA.
                                 egetValide("CRE"), egetValide("CRE", ETAB_P, "P"), rataValide("CRE", ETAB_P, "P")});
    const std::string fichTexte = f.lignes[0];
    Repertoire rep;
    const auto r = valider(rep, fichier(f.lignes));
    attendreLivraison(rep, r, 2,
                      {refusAttendu(fichTexte, 4, 7, 3), erreurAttendue(f.lignes[2], fichTexte, "I0311I0681"),
                       erreurAttendue(f.lignes[1], fichTexte, "I1381"),
                       erreurAttendue(f.lignes[4], fichTexte, "I0311I0681"),
                       erreurAttendue(f.lignes[5], fichTexte, "I1381")});
}

TEST(BoutEnBoutEtablissements, EgetCreationLeftOpenAtTheEnd) {
    const Fichier f = fichierDe({ertiValide("CRE"), egetValide("CRE")});
    const std::string fichTexte = f.lignes[0];
    Repertoire rep;
    const auto r = valider(rep, fichier(f.lignes));
    attendreLivraison(rep, r, 2, {refusAttendu(fichTexte, 1, 2, 1), erreurAttendue(f.lignes[2], fichTexte, "I1381")});
}

TEST(BoutEnBoutEtablissements, EgetCreationWithErrorsOpensNoPairing) {
    const Vse egetRejete = avec(egetValide("CRE"), {{145, B30}});
    for (const bool dernier : {false, true}) {
        SCOPED_TRACE(dernier ? "last record" : "followed by an ERTI");
        const Fichier f = dernier ? fichierDe({egetRejete}) : fichierDe({egetRejete, ertiValide("CRE")});
        const std::string fichTexte = f.lignes[0];
        const int nombre = dernier ? 1 : 2;
        Repertoire rep;
        const auto r = valider(rep, fichier(f.lignes));
        attendreLivraison(rep, r, 2,
                          {refusAttendu(fichTexte, 1, nombre, nombre - 1), erreurAttendue(f.lignes[1], fichTexte, "I1431")});
    }
}

// ---- ERRE records: acknowledgements copied as they are ----

TEST(BoutEnBoutErre, AcknowledgementsAreCopiedWithoutTheStamp) {
    const Fichier f = fichierDe({erreValide(), avec(erreValide(), {{77, "xx"}}), egetValide("MOD")});
    const std::string fichTexte = f.lignes[0];
    Repertoire rep;
    const auto r = valider(rep, fichier(f.lignes, "\r\n"));
    attendreLivraison(rep, r, 0, {accepteAttendu(fichTexte, 3), f.lignes[1], f.lignes[2], tamponne(f.lignes[3])},
                      "\r\n");
}

TEST(BoutEnBoutErre, RejectedErreAreAnsweredInTheAcknowledgementLayout) {
    const Fichier f = fichierDe({avec(erreValide(), {{112, "I0 7"}}), erreValide("CRE")});
    const std::string fichTexte = f.lignes[0];
    Repertoire rep;
    const auto r = valider(rep, fichier(f.lignes));
    attendreLivraison(rep, r, 2,
                      {refusAttendu(fichTexte, 2, 2, 0),
                       erreurAttendue(f.lignes[1], fichTexte, "I1871", 0, 0, CorpsRepondu::erre),
                       erreurAttendue(f.lignes[2], fichTexte, "I0861", 0, 0, CorpsRepondu::erre)});
}

// A short line is read only up to its end: a line that stops at column 61
// has no returned type C1, whatever the longer line before it left in the
// buffer there, so its missing C6 is admitted (it would be 186 after "ABAT").
TEST(BoutEnBoutErre, ShortLineReadsOnlyItsOwnColumns) {
    const Fichier f = fichierDe({erreValide(), erreValide()});
    std::vector<std::string> entree = f.lignes;
    entree[2].resize(61);
    Repertoire rep;
    const auto r = valider(rep, fichier(entree));
    EXPECT_EQ(r.code, 2) << r.erreur;
    const auto sortie = lignes(rep.lire("out.txt"));
    ASSERT_EQ(sortie.size(), 2u);
    EXPECT_EQ(col(sortie[1], 51, 60), "0000000002");
    EXPECT_EQ(col(sortie[1], 70, 83), std::string(14, ' '));
    EXPECT_EQ(codesErreur(sortie[1]), (std::vector<int>{108, 85, 190, 84, 185, 21, 21, 187, 188, 5}));
}

// ---- Example files ----

void verifierExemple(const std::string& nom) {
    SCOPED_TRACE(nom);
    const std::string contenu = lireExemple(nom);
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
        const std::string& e = enregistrements[i];
        if (col(e, 22, 25) == "ERRE" && col(e, 19, 21) == "ECQ") {
            EXPECT_EQ(sortie[i], e) << i;  // acknowledgements unchanged
        } else {
            EXPECT_EQ(sortie[i], tamponne(e)) << i;
        }
    }
}

TEST(BoutEnBoutEtablissements, ExampleFileIsDelivered) { verifierExemple("etablissements.vse"); }

TEST(BoutEnBoutErre, ExampleFileIsDelivered) { verifierExemple("retours-erreur.vse"); }

}  // namespace
