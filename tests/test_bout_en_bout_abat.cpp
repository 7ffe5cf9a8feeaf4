// End-to-end: slaughter notifications ABAT through the real binary. The
// answer file is compared whole, line by line: the result file when every
// record is accepted, else the error file with one ERRE record per rejected
// record, in input order, carrying the expected error numbers.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "outils.h"

using namespace essai;

namespace {

const std::string B8(8, ' ');
const std::string B12(12, ' ');

// The emitter of a file (FICH E3), its receiver (FICH E4) and the E8 of its
// records.
struct Emission {
    std::string emetteur;
    std::string e8;
    std::string recepteur = "031BDN  ";
};
const Emission NORMABEV{"NORM01  ", "NORMABEV"};
const Emission OFFICE_DE{"OFFICEDE", "OFFICEDE"};
const Emission ONICAB_FR{"ONICABFR", "ONICABFR"};

// A valid slaughter notified by a French slaughterhouse: a French bovine from
// a French holding, entered on 14 and slaughtered on 15 June 2024 (the
// records are dated 20 June 2024).
Vse abattage(const std::string& action = "CRE") {
    Vse v;
    v.e5 = action;
    v.e6 = "ABAT";
    v.colonnes(63, "FR")               // C1 country of the bovine
        .colonnes(65, "0112345678  ")  // C2 its national number
        .colonnes(77, "  ")            // C3 status
        .colonnes(79, "FR")            // C4 country of the holding of provenance
        .colonnes(81, "01234567    ")  // C5 its number
        .colonnes(93, "14062024")      // C6 date of entry
        .colonnes(101, "15062024")     // C7 slaughter date
        .colonnes(109, "A1234567")     // C8 slaughterhouse
        .colonnes(117, "0350,50")      // C9 carcass weight
        .colonnes(124, "FR")           // C10 notifier's country
        .colonnes(126, "0112345     ") // C11 notifier
        .colonnes(138, "C");           // C12 indicator
    return v;
}

// The same slaughter notified by the office of Germany: its slaughterhouse
// is named by the provenance country and the office's country.
Vse parOffice(Vse v) { return v.colonnes(124, "DE").colonnes(126, "OFFICEDE    ").colonnes(109, "FRDE    "); }

struct Cas {
    std::string nom;
    Vse vse;
    std::vector<int> erreurs;  // empty: the record is accepted
    std::string e8 = "";       // the record's E8 when not the emission's
};

// Header and trailer only, the body blank.
Vse blanc(const std::string& action) {
    Vse v;
    v.e5 = action;
    v.e6 = "ABAT";
    return v;
}

std::string numeros(const std::vector<int>& erreurs) {
    std::string texte;
    for (int e : erreurs) {
        char n[8];
        std::snprintf(n, sizeof n, "I%03d1", e);
        texte += n;
    }
    return texte;
}

// Runs one file of every case, sent as `emission` says, and compares the
// answer file whole. Header E11 numbers the records. `erreursFich`: the
// errors expected on the FICH record itself.
void verifierVerdicts(const Emission& emission, std::vector<Cas> cas, const std::vector<int>& erreursFich = {}) {
    Vse f = fich(static_cast<int>(cas.size()));
    f.e3 = emission.emetteur;
    f.e4 = emission.recepteur;
    const std::string texteFich = f.texte();
    std::vector<std::string> entree{texteFich};
    std::vector<std::string> reponses;
    int rejetes = 0;
    for (size_t i = 0; i < cas.size(); ++i) {
        Vse& v = cas[i].vse;
        v.e3 = emission.emetteur;
        v.e8 = cas[i].e8.empty() ? emission.e8 : cas[i].e8;
        v.e11 = numero(i + 1, 10);
        entree.push_back(v.texte());
        if (!cas[i].erreurs.empty()) {
            ++rejetes;
            reponses.push_back(erreurAttendue(v.texte(), texteFich, numeros(cas[i].erreurs)));
        }
    }
    Repertoire rep;
    const auto r = valider(rep, fichier(entree));
    const int nombre = static_cast<int>(cas.size());
    std::vector<std::string> attendu;
    if (rejetes == 0 && erreursFich.empty()) {
        attendu.push_back(accepteAttendu(texteFich, nombre));
        for (size_t i = 1; i < entree.size(); ++i) attendu.push_back(tamponne(entree[i]));
        attendreLivraison(rep, r, 0, attendu);
        return;
    }
    if (erreursFich.empty()) {
        attendu.push_back(refusAttendu(texteFich, rejetes, nombre, nombre - rejetes));
    } else {
        attendu.push_back(refusAttendu(texteFich, rejetes + 1, nombre, nombre - rejetes));
    }
    attendu.insert(attendu.end(), reponses.begin(), reponses.end());
    if (!erreursFich.empty()) {
        attendu.push_back(erreurAttendue(texteFich, texteFich, numeros(erreursFich), 0, 0, CorpsRepondu::blanc));
    }
    // An ERRE record names the record it answers by its E11, the case's
    // position in `cas`.
    attendreLivraison(rep, r, 2, attendu);
}

TEST(BoutEnBoutAbat, ValidRecordsOfEveryNotifierAreDelivered) {
    const Vse v = abattage();
    const Vse o = parOffice(abattage());
    const std::vector<Cas> valides = {
        {"CRE", v, {}},
        {"INV", abattage("INV"), {}},
        {"MOD", abattage("MOD"), {}},
        {"office of Germany", o, {}},
        {"office, holding number not French", avec(o, {{81, "2A234567    "}}), {}},
        {"ONICAB of Belgium", avec(v, {{124, "BE"}, {126, "ONICABBE    "}, {109, "B1234567"}}), {}},
        {"notifier of Corsica", avec(v, {{126, "2A123456    "}}), {}},
        {"German bovine", avec(v, {{63, "DE"}, {65, "0987654321  "}}), {}},
        {"Swiss bovine", avec(v, {{63, "CH"}, {65, "A12345      "}}), {}},
        {"bovine of another country", avec(v, {{63, "US"}, {65, "US 1-2      "}}), {}},
        {"provenance in TCPNOCEE only", avec(v, {{79, "MH"}, {81, "MAJ 55      "}}), {}},
        {"entry date blank", avec(v, {{93, B8}}), {}},
        {"entry and slaughter the same day", avec(v, {{93, "15062024"}}), {}},
        {"slaughterhouse blank", avec(v, {{109, B8}}), {}},
        {"weight blank", avec(v, {{117, "       "}}), {}},
        {"weight 1000,00", avec(v, {{117, "1000,00"}}), {}},
        {"indicator blank", avec(v, {{138, " "}}), {}},
        {"status 40", avec(v, {{77, "40"}}), {}},
        {"columns 139 to 230 not read", avec(v, {{139, std::string(92, '?')}}), {}},
    };
    verifierVerdicts(NORMABEV, valides);
    verifierVerdicts(OFFICE_DE, valides);
    verifierVerdicts(ONICAB_FR, valides);
}

// Each case breaks one rule (or the rules that one value breaks together).
TEST(BoutEnBoutAbat, RecordsBreakingOneRuleAtATime) {
    const Vse v = abattage();
    const Vse o = parOffice(abattage());
    verifierVerdicts(NORMABEV, {
        {"valid", v, {}},
        {"C1 unknown", avec(v, {{63, "ZZ"}}), {1}},
        {"C2 blank", avec(v, {{65, B12}}), {1, 67}},
        {"C2 French, not conform", avec(v, {{65, "2A12345678  "}}), {67}},
        {"C2 French, department 976", avec(v, {{65, "9761234567  "}}), {67}},
        {"C2 German repeating its country", avec(v, {{63, "DE"}, {65, "DE12345678  "}}), {1}},
        {"C2 Swiss, embedded blank", avec(v, {{63, "CH"}, {65, "12 345      "}}), {1}},
        {"C2 German, blank", avec(v, {{63, "DE"}, {65, B12}}), {1, 1}},
        {"C4 unknown", avec(v, {{79, "ZZ"}}), {31}},
        {"C5 blank", avec(v, {{81, B12}}), {31, 68}},
        {"C5 not a French holding", avec(v, {{81, "2A234567    "}}), {68}},
        {"C5 foreign holding, anything", avec(v, {{79, "BE"}, {81, "2A234567    "}}), {}},
        {"C6 no such day", avec(v, {{93, "31022024"}}), {120}},
        {"C6 in 1997", avec(v, {{93, "31121997"}}), {121}},
        {"C6 after the record's date", avec(v, {{93, "21062024"}}), {52, 124}},
        {"C6 one day after the slaughter", avec(v, {{93, "16062024"}}), {124}},
        {"C7 no such day", avec(v, {{101, "31022024"}}), {122, 124}},
        {"C7 in 1997", avec(v, {{93, B8}, {101, "31121997"}}), {123}},
        {"C7 blank", avec(v, {{101, B8}}), {122, 123}},
        {"C7 after the record's date", avec(v, {{101, "21062024"}}), {52}},
        {"C8 begins with a blank", avec(v, {{109, " 1234567"}}), {68, 128}},
        {"C8 with a hyphen", avec(v, {{109, "12-45678"}}), {68}},
        {"C9 without comma", avec(v, {{117, "0350500"}}), {125}},
        {"C9 comma misplaced", avec(v, {{117, "035,050"}}), {125}},
        {"C9 1000,01", avec(v, {{117, "1000,01"}}), {126}},
        {"C9 1001,00", avec(v, {{117, "1001,00"}}), {126}},
        {"C10 not FR", avec(v, {{124, "DE"}}), {127}},
        {"C11 blank", avec(v, {{126, B12}}), {127, 68}},
        {"C11 nine characters", avec(v, {{126, "011234567   "}}), {68}},
        {"C11 department unknown", avec(v, {{126, "9912345     "}}), {68}},
        {"C3 xx from a national partner", avec(v, {{77, "xx"}}), {64}},
        {"byte above 127 in C8", avec(v, {{111, "\xE9"}}), {106, 68}},
        {"NUL byte in C11, its column kept", avec(v, {{130, std::string(1, '\0')}}), {106}},
        {"office: valid", o, {}},
        {"office: C8 FRFR", avec(o, {{109, "FRFR    "}}), {128}},
        {"office: C8 a number", avec(o, {{109, "A1234567"}}), {128}},
        {"office: C10 FR", avec(o, {{124, "FR"}}), {128, 127}},
        {"office: C11 OFFICE alone", avec(o, {{126, "OFFICE      "}}), {127, 68}},
        {"ONICAB: C10 FR", avec(v, {{124, "FR"}, {126, "ONICABBE    "}}), {127}},
        {"ONICAB: C8 with a hyphen", avec(v, {{124, "BE"}, {126, "ONICABBE    "}, {109, "-1234567"}}), {68, 128}},
        {"blank body", blanc("CRE"), {1, 1, 31, 31, 122, 123, 127, 127, 68}},
        {"blank body, INV", blanc("INV"), {1, 1, 31, 31, 122, 123, 127, 127, 68}},
        {"blank body, DEM: header refuses the action, no body rule", blanc("DEM"), {111, 86}},
    });
}

// Who may send slaughters: NORM01 with E8 "NORMABEV" (else 129), the offices
// "OFFICE..." and "ONICAB..."; any other emitter gets 110. To the central
// receiver, NORM01 and NORM02 may send ABAT only as CRE, INV or MOD, and
// PFOC01 no ABAT at all (111).
TEST(BoutEnBoutAbat, PartnerRulesByEmitterAndReceiver) {
    const Vse v = abattage();
    const std::vector<int> dem{111, 86};
    verifierVerdicts({"001IPG  ", "001IPG  "}, {
        {"CRE", v, {110}},
        {"INV", abattage("INV"), {110}},
        {"DEM", abattage("DEM"), {110, 86}},
    });
    verifierVerdicts(NORMABEV, {
        {"CRE", v, {}},
        {"INV", abattage("INV"), {}},
        {"MOD", abattage("MOD"), {}},
        {"E8 of an establishment", v, {129}, "001IPG  "},
        {"E8 of an office", v, {129}, "OFFICEDE"},
        {"ECQ", abattage("ECQ"), {111}},
        {"DEM", abattage("DEM"), {111, 86}},
        {"EDI", abattage("EDI"), {111, 86}},
        {"INF: no action column, every rule refused", abattage("INF"), {111, 86, 86, 86, 86, 86, 86, 86, 86, 86}},
        {"E8 and action both refused", abattage("DEM"), {129, 111, 86}, "001IPG  "},
    });
    verifierVerdicts({"NORM02  ", "NORMABEV"}, {
        {"CRE", v, {110}},
        {"MOD", abattage("MOD"), {110}},
        {"DEM", abattage("DEM"), {110, 111, 86}},
    });
    verifierVerdicts({"PFOC01  ", "POINTFOC"}, {
        {"CRE", v, {110, 111}},
        {"INV", abattage("INV"), {110, 111}},
    });
    verifierVerdicts(OFFICE_DE, {
        {"CRE", v, {}},
        {"ECQ", abattage("ECQ"), {}},
        {"E8 of another office", v, {135}, "OFFICEBE"},
        {"DEM", abattage("DEM"), {86}},
        {"EDI", abattage("EDI"), {86}},
    });
    verifierVerdicts(ONICAB_FR, {
        {"CRE", v, {}},
        {"MOD", abattage("MOD"), {}},
        {"E8 of NORMABEV", v, {135}, "NORMABEV"},
        {"DEM", abattage("DEM"), {86}},
    });
    // A receiver other than "031BDN  ": no 111.
    verifierVerdicts({"PFOC01  ", "POINTFOC", "NORM02  "}, {
        {"CRE", v, {110}},
    });
    verifierVerdicts({"NORM01  ", "NORMABEV", "NORM02  "}, {
        {"CRE", v, {}},
        {"ECQ", abattage("ECQ"), {}},
        {"DEM", abattage("DEM"), {86}},
        {"E8 of an establishment", v, {129}, "001IPG  "},
    });
    // A receiver that the file header refuses (96): the file is refused,
    // its records still judged without 111.
    verifierVerdicts({"NORM01  ", "NORMABEV", "099XXX  "}, {
        {"CRE", v, {}},
        {"ECQ", abattage("ECQ"), {}},
        {"DEM", abattage("DEM"), {86}},
    }, {96});
}

// The checks of one record read the fields of that record only: every
// record's first C2 rule retakes the snapshot. Each record below is judged
// differently had the checks seen the notifier of the record before it.
TEST(BoutEnBoutAbat, EachRecordIsCheckedOnItsOwnFields) {
    const std::pair<int, std::string> horsFrance{81, "2A234567    "};  // no French holding number
    const Vse office = avec(parOffice(abattage()), {horsFrance});
    verifierVerdicts(OFFICE_DE, {
        {"office", office, {}},
        {"French slaughterhouse after an office", avec(abattage(), {horsFrance, {124, "DE"}, {109, "FRDE    "}}),
         {68, 127}},
        {"office after a French slaughterhouse", office, {}},
        {"ONICAB of Belgium", avec(abattage(), {horsFrance, {124, "BE"}, {126, "ONICABBE    "}, {109, "FRDE    "}}),
         {}},
        {"French slaughterhouse after ONICAB", avec(abattage(), {horsFrance}), {68}},
        {"a request, no rule runs", avec(abattage("DEM"), {{65, B12}}), {86}},
        {"office after a request", avec(office, {{109, "FRFR    "}}), {128}},
        {"French slaughterhouse, valid", abattage(), {}},
        {"office, provenance of Belgium", avec(parOffice(abattage()), {{79, "BE"}, {109, "BEDE    "}}), {}},
        {"office, provenance of France again", avec(parOffice(abattage()), {{109, "BEDE    "}}), {128}},
    });
}

// The -i and -d traces change nothing in the answer.
TEST(BoutEnBoutAbat, TracesAnswerAlike) {
    Vse f = fich(4);
    f.e3 = "OFFICEDE";
    std::vector<std::string> entree{f.texte()};
    for (Vse v : {parOffice(abattage()), avec(abattage(), {{124, "DE"}, {81, "2A234567    "}}),
                  avec(parOffice(abattage("MOD")), {{109, "FRFR    "}}), abattage("DEM")}) {
        v.e3 = v.e8 = "OFFICEDE";
        entree.push_back(v.texte());
    }
    std::string reference;
    for (const std::vector<std::string>& options :
         {std::vector<std::string>{}, std::vector<std::string>{"-i"}, std::vector<std::string>{"-d"}}) {
        Repertoire rep;
        const auto r = valider(rep, fichier(entree), options);
        EXPECT_EQ(r.code, 2);
        std::string sortie;
        for (const std::string& l : lignes(rep.lire("out.txt"))) sortie += masquerHorodatage(l) + "\n";
        if (reference.empty()) {
            reference = sortie;
            EXPECT_EQ(lignes(reference).size(), 4u);  // summary and three ERRE records
        } else {
            EXPECT_EQ(sortie, reference) << (options.empty() ? "" : options[0]);
        }
    }
}

// The example files are delivered whole, every record stamped "40".
TEST(BoutEnBoutAbat, ExampleFilesAreDelivered) {
    for (const char* nom : {"abattages.vse", "abattages-office.vse", "abattages-onicab.vse"}) {
        SCOPED_TRACE(nom);
        const std::string contenu = lireExemple(nom);
        const auto enregistrements = lignes(contenu);
        ASSERT_GE(enregistrements.size(), 6u);
        Repertoire rep;
        const auto r = valider(rep, contenu);
        std::vector<std::string> attendu = {
            accepteAttendu(enregistrements[0], static_cast<int>(enregistrements.size()) - 1)};
        for (size_t i = 1; i < enregistrements.size(); ++i) {
            EXPECT_EQ(col(enregistrements[i], 22, 25), "ABAT");
            attendu.push_back(tamponne(enregistrements[i]));
        }
        attendreLivraison(rep, r, 0, attendu);
    }
}

}  // namespace
