// End-to-end: ENTR and SORT records through the real binary.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "outils.h"

using namespace essai;

namespace {

const std::string NOM = "GAEC DES PRES";
const std::string B12(12, ' ');
const std::string B60(60, ' ');

// Records that every rule accepts for the given action. The second date
// (C11) is checked for INV and MOD only; the builders fill it for those.
Vse entree(const std::string& action) {
    Vse v = entrValide();
    v.e5 = action;
    if (action != "CRE") v.colonnes(176, "10062024");
    return v;
}

Vse sortie(const std::string& action) {
    Vse v;
    v.e6 = "SORT";
    v.e5 = action;
    v.colonnes(63, "FR")                // C1 country of the bovine
        .colonnes(65, "0112345678  ")   // C2 national number
        .colonnes(79, "15062024")       // C4 date of exit
        .colonnes(87, "B")              // C5 cause
        .colonnes(88, "FR")             // C6 country of the holding
        .colonnes(90, "01234567    ")   // C7 holding
        .colonnes(102, "FR")            // C8 country of the destination
        .colonnes(104, "02345678    ")  // C9 destination holding
        .colonnes(184, "16062024");     // C12 date
    if (action != "CRE") v.colonnes(176, "10062024");
    return v;
}

// The partner of the movement: country C8, number C9, name C10.
Vse partenaire(Vse v, const std::string& pays, const std::string& numero, const std::string& nom) {
    return v.colonnes(102, pays).colonnes(104, numero).colonnes(116, nom);
}
Vse date(Vse v, const std::string& c4) { return v.colonnes(79, c4); }
Vse cause(Vse v, const std::string& c5) { return v.colonnes(87, c5); }
Vse colonnes(Vse v, int colonne, const std::string& valeur) { return v.colonnes(colonne, valeur); }

std::string ajuste(std::string s, size_t largeur) {
    s.resize(largeur, ' ');
    return s;
}

std::string sixChiffres(size_t n) {
    char texte[8];
    std::snprintf(texte, sizeof texte, "%06zu", n);
    return texte;
}

// Error numbers of a -i trace ("E6.86;C5.23;" gives 86 and 23; the line
// that reports a short record stands for 108).
const std::string kTropCourt = "VSE trop court \n";
std::vector<int> numerosDeTrace(const std::string& trace) {
    std::vector<int> numeros;
    if (trace.starts_with(kTropCourt)) numeros.push_back(108);
    size_t p = 0;
    while ((p = trace.find('.', p)) != std::string::npos) {
        numeros.push_back(std::stoi(trace.substr(p + 1, trace.find(';', p) - p - 1)));
        ++p;
    }
    return numeros;
}

// Error numbers as written in an error record from column 112 on.
std::string colonnesErreurs(const std::vector<int>& numeros) {
    std::string texte;
    for (int n : numeros) {
        char numero[8];
        std::snprintf(numero, sizeof numero, "I%03d1", n);
        texte += numero;
    }
    return ajuste(texte, 230 - 111);
}

// Every record accepted: the result file repeats them, stamped "40".
void verifierLivre(const Repertoire& rep, const Resultat& r, const std::vector<std::string>& enregistrements) {
    EXPECT_EQ(r.code, 0) << r.erreur;
    EXPECT_EQ(rep.fichiers(), (std::set<std::string>{"log.txt", "out.txt"}));
    EXPECT_EQ(rep.lire("log.txt"), "");
    const auto sortie = lignes(rep.lire("out.txt"));
    ASSERT_EQ(sortie.size(), enregistrements.size());
    EXPECT_EQ(col(sortie[0], 19, 21), "INF");
    EXPECT_EQ(col(sortie[0], 113, 118), sixChiffres(enregistrements.size() - 1));
    for (size_t i = 1; i < sortie.size(); ++i) {
        std::string attendu = enregistrements[i];
        attendu.replace(76, 2, "40");
        EXPECT_EQ(sortie[i], attendu) << "record " << i;
    }
}

TEST(BoutEnBoutEntrSort, EnregistrementsValidesLivres) {
    const std::vector<Vse> valides = {
        entree("CRE"),
        entree("INV"),
        entree("MOD"),
        sortie("CRE"),
        sortie("INV"),
        sortie("MOD"),
        // An entry by cause N (birth) may leave the provenance wholly blank.
        partenaire(cause(entree("CRE"), "N"), "  ", B12, B60),
        // An exit by cause M may name the destination country without a number.
        partenaire(cause(sortie("CRE"), "M"), "DE", B12, NOM),
        // A foreign partner's number is not held to the French format.
        partenaire(entree("CRE"), "DE", "DE0123456789", B60),
        partenaire(sortie("MOD"), "BE", "BE 12-34", B60),
        // Modifications of movements dated before 1999 are exempt from the
        // partner rules; the repeated date may then stay blank.
        colonnes(partenaire(date(entree("MOD"), "31121998"), "DE", B12, B60), 185, "        "),
        colonnes(partenaire(date(sortie("MOD"), "20121998"), "  ", B12, B60), 184, "        "),
        // Up to April 2007 a modification may leave the repeated date blank.
        colonnes(date(entree("MOD"), "30042007"), 185, "        "),
        colonnes(date(sortie("MOD"), "30042007"), 184, "        "),
        // An inventory runs none of the rules on the date, the cause, the
        // partner and the repeated date.
        colonnes(partenaire(cause(date(entree("INV"), "        "), "Q"), "ZZ", "ABC", B60), 185, "        "),
        colonnes(partenaire(cause(date(sortie("INV"), "99999999"), "S"), "  ", "0234567A", B60), 184, "XX"),
    };
    std::vector<std::string> enregistrements = {fich(static_cast<int>(valides.size())).texte()};
    for (const Vse& v : valides) enregistrements.push_back(v.texte());
    Repertoire rep;
    const auto r = valider(rep, fichier(enregistrements));
    verifierLivre(rep, r, enregistrements);
}

// One file of records each breaking the rules named in its -i trace; the
// trace gives both the slot numbers and, in order, the error numbers the
// error record must carry.
TEST(BoutEnBoutEntrSort, EnregistrementsRefuses) {
    struct Cas {
        const char* quoi;
        Vse vse;
        std::string trace;
    };
    const std::string dixFois86 = "E6.86;C1.86;C2.86;C2.86;C2.86;C2.86;C4.86;C4.86;C4.86;C5.86;";
    const std::vector<Cas> cas = {
        // Cause F needs a provenance country (F is no longer an entry cause).
        {"ENTR CRE F sans pays", partenaire(cause(entree("CRE"), "F"), "  ", B12, NOM), "C5.23;C8.24;"},
        {"ENTR MOD F sans pays 1998", partenaire(cause(date(entree("MOD"), "15061998"), "F"), "  ", B12, NOM),
         "C5.23;C5.23;"},
        {"ENTR MOD F sans pays 1999", partenaire(cause(date(entree("MOD"), "01011999"), "F"), "  ", B12, NOM),
         "C5.23;C5.23;C8.24;"},
        {"ENTR CRE G", cause(entree("CRE"), "G"), "C5.23;"},
        {"ENTR MOD G", cause(entree("MOD"), "G"), "C5.23;C5.23;"},
        // A country without a number, for a cause that does not allow it.
        {"ENTR CRE A pays sans numero", partenaire(entree("CRE"), "DE", B12, NOM), "C9.24;"},
        {"ENTR MOD A pays sans numero 2024", partenaire(entree("MOD"), "DE", B12, NOM), "C9.24;"},
        {"ENTR CRE A pays sans numero 1998", partenaire(date(entree("CRE"), "15061998"), "DE", B12, NOM), "C9.24;"},
        {"ENTR MOD A pays sans numero 1999", partenaire(date(entree("MOD"), "01011999"), "DE", B12, NOM), "C9.24;"},
        // A number without a country, even before 1999.
        {"ENTR CRE numero sans pays", partenaire(entree("CRE"), "  ", "02345678    ", B60), "C9.24;"},
        {"ENTR MOD numero sans pays 1998", partenaire(date(entree("MOD"), "15061998"), "  ", "02345678    ", B60),
         "C9.24;"},
        // Neither number nor name.
        {"ENTR CRE partenaire vide", partenaire(entree("CRE"), "  ", B12, B60), "C10.24;"},
        {"ENTR MOD partenaire vide 1999", partenaire(date(entree("MOD"), "01011999"), "  ", B12, B60), "C10.24;"},
        // The partner's country and number themselves.
        {"ENTR CRE pays inconnu", partenaire(entree("CRE"), "ZZ", B12, NOM), "C8.24;C9.24;"},
        {"ENTR MOD pays inconnu", partenaire(entree("MOD"), "ZZ", "02345678", B60), "C8.24;"},
        {"ENTR CRE numero francais faux", partenaire(entree("CRE"), "FR", "0234567A", B60), "C9.68;"},
        {"ENTR MOD numero francais faux", partenaire(entree("MOD"), "FR", "02345678 1", B60), "C9.68;"},
        // The repeated date at columns 185 to 192: three rules for a creation
        // on the first slot, one for a modification on the second.
        {"ENTR CRE date vide", colonnes(entree("CRE"), 185, "        "), "C13.134;"},
        {"ENTR CRE date apres le VSE", colonnes(entree("CRE"), 185, "21062024"), "C13.52;"},
        {"ENTR CRE date avant l'entree", colonnes(entree("CRE"), 185, "14062024"), "C13.137;"},
        {"ENTR MOD date vide", colonnes(entree("MOD"), 185, "        "), "C14.134;"},
        {"ENTR MOD date fausse", colonnes(entree("MOD"), 185, "32062024"), "C14.134;"},
        {"ENTR INV sans seconde date", colonnes(entree("INV"), 176, "        "), "C11.58;"},
        // Actions the type does not admit: 86 for every rule, ten at most.
        {"ENTR DEM", entree("DEM"), dixFois86},
        {"ENTR EDI", entree("EDI"), dixFois86},

        {"SORT CRE S sans pays", partenaire(cause(sortie("CRE"), "S"), "  ", B12, NOM), "C5.23;C8.24;"},
        {"SORT MOD T sans pays 1998", partenaire(cause(date(sortie("MOD"), "15061998"), "T"), "  ", B12, NOM),
         "C5.23;C5.23;"},
        {"SORT CRE B pays sans numero", partenaire(sortie("CRE"), "DE", B12, NOM), "C9.24;"},
        {"SORT MOD B pays sans numero 1999", partenaire(date(sortie("MOD"), "01011999"), "DE", B12, NOM),
         "C9.24;"},
        {"SORT CRE numero sans pays", partenaire(sortie("CRE"), "  ", "02345678", NOM), "C9.24;"},
        {"SORT CRE M partenaire vide", partenaire(cause(sortie("CRE"), "M"), "  ", B12, B60), "C10.24;"},
        {"SORT CRE partenaire vide 1998", partenaire(date(sortie("CRE"), "15061998"), "  ", B12, B60), "C10.24;"},
        {"SORT MOD partenaire vide 2024", partenaire(sortie("MOD"), "  ", B12, B60), "C10.24;"},
        {"SORT CRE numero francais faux", partenaire(sortie("CRE"), "FR", "2A345678", B60), "C9.68;"},
        // The repeated date at columns 184 to 191.
        {"SORT CRE date vide", colonnes(sortie("CRE"), 184, "        "), "C12.134;"},
        {"SORT MOD date vide", colonnes(sortie("MOD"), 184, "        "), "C13.134;"},
        {"SORT CRE date placee comme en ENTR", colonnes(colonnes(sortie("CRE"), 184, " "), 185, "16062024"),
         "C12.134;C12.52;"},
        {"SORT INV sans seconde date", colonnes(sortie("INV"), 176, "        "), "C11.58;"},
        {"SORT DEM", sortie("DEM"), dixFois86},
    };

    std::vector<std::string> enregistrements = {fich(static_cast<int>(cas.size()) + 3).texte(),
                                                entree("CRE").texte()};
    for (const Cas& c : cas) enregistrements.push_back(c.vse.texte());
    enregistrements.push_back(sortie("MOD").texte());
    // A line cut short after column 110, in the middle of the partner number:
    // no field is read past the end of the line.
    enregistrements.push_back(sortie("CRE").texte().substr(0, 110));
    // The partial partner number is no holding number; a missing name counts
    // as given; the missing trailer leaves no record date to bound the
    // movement date; the missing repeated date fails its rules.
    const std::string traceCourte = kTropCourt + "C4.52;C9.68;C12.134;C12.137;F1.90;F2.91;F5.94;";

    Repertoire rep;
    const auto r = valider(rep, fichier(enregistrements), {"-i"});
    EXPECT_EQ(r.code, 2) << r.erreur;
    EXPECT_EQ(rep.fichiers(), (std::set<std::string>{"log.txt", "out.txt"}));
    EXPECT_EQ(rep.lire("log.txt"), "");

    std::string traceAttendue;
    for (const Cas& c : cas) traceAttendue += c.trace;
    traceAttendue += traceCourte;
    EXPECT_EQ(r.sortie, traceAttendue);

    const auto sortie = lignes(rep.lire("out.txt"));
    const size_t refuses = cas.size() + 1;
    ASSERT_EQ(sortie.size(), 1 + refuses);
    for (const auto& l : sortie) EXPECT_EQ(l.size(), 256u);
    const std::string& resume = sortie[0];
    EXPECT_EQ(col(resume, 19, 21), "INF");
    EXPECT_EQ(col(resume, 95, 100), sixChiffres(refuses));
    EXPECT_EQ(col(resume, 101, 106), sixChiffres(enregistrements.size() - 1));
    EXPECT_EQ(col(resume, 107, 112), sixChiffres(refuses));
    EXPECT_EQ(col(resume, 113, 118), sixChiffres(enregistrements.size() - 1 - refuses));

    for (size_t i = 0; i < refuses; ++i) {
        const std::string& erre = sortie[1 + i];
        const std::string& origine = enregistrements[i == cas.size() ? enregistrements.size() - 1 : 2 + i];
        const std::string quoi = i == cas.size() ? "short line" : cas[i].quoi;
        const std::string trace = i == cas.size() ? traceCourte : cas[i].trace;
        EXPECT_EQ(col(erre, 22, 25), "ERRE") << quoi;
        EXPECT_EQ(col(erre, 63, 66), col(origine, 22, 25)) << quoi;
        EXPECT_EQ(col(erre, 67, 69), col(origine, 19, 21)) << quoi;
        EXPECT_EQ(col(erre, 70, 83), col(origine, 63, 76)) << quoi;
        // The declaring holding, C6 and C7, identifies the movement.
        EXPECT_EQ(col(erre, 98, 111), "FR01234567    ") << quoi;
        EXPECT_EQ(col(erre, 112, 230), colonnesErreurs(numerosDeTrace(trace))) << quoi;
    }
}

// The example file is delivered whole.
TEST(BoutEnBoutEntrSort, FichierExemple) {
    const std::string contenu = lireExemple("entrees-sorties.vse");
    const auto enregistrements = lignes(contenu);
    ASSERT_GE(enregistrements.size(), 7u);
    EXPECT_EQ(col(enregistrements[0], 22, 25), "FICH");

    Repertoire rep;
    const auto r = valider(rep, contenu);
    verifierLivre(rep, r, enregistrements);
    for (const char* type : {"ENTR", "SORT"}) {
        for (const char* action : {"CRE", "INV", "MOD"}) {
            bool present = false;
            for (const auto& e : enregistrements) present = present || (col(e, 22, 25) == type && col(e, 19, 21) == action);
            EXPECT_TRUE(present) << type << " " << action;
        }
    }
}

}  // namespace
