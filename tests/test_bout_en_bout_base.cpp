// End-to-end: the real binary over small files.
#include <gtest/gtest.h>

#include "outils.h"

using namespace essai;

TEST(BoutEnBout, FichierValideLivreLeResultat) {
    Repertoire rep;
    const auto r = valider(rep, fichier({fich(2).texte(), entrValide().texte(), entrValide().texte()}));
    EXPECT_EQ(r.code, 0) << r.erreur;
    EXPECT_EQ(rep.fichiers(), (std::set<std::string>{"log.txt", "out.txt"}));
    const auto sortie = lignes(rep.lire("out.txt"));
    ASSERT_EQ(sortie.size(), 3u);
    EXPECT_EQ(col(sortie[1], 77, 78), "40");
    EXPECT_EQ(rep.lire("log.txt"), "");
}

// The example file the README validates mixes every record type that one
// emitter, an establishment, may send (all but ABAT and INFO, which come from
// partners), and is delivered whole: every record stamped "40", but the
// acknowledgements (ERRE with ECQ), which are copied unchanged.
TEST(BoutEnBout, FichierExempleDuLisezMoi) {
    const std::string contenu = lireExemple("exemple.vse");
    const auto enregistrements = lignes(contenu);
    std::set<std::string> types;
    for (size_t i = 1; i < enregistrements.size(); ++i) types.insert(col(enregistrements[i], 22, 25));
    EXPECT_EQ(types, (std::set<std::string>{"ACTI", "ASSO", "DETE", "DETI", "ECBO", "ECHA", "EGET", "ENTR",
                                            "ERRE", "ERTI", "EXP1", "EXP2", "GROC", "IMOC", "IMPO", "NAIS",
                                            "NUMA", "NVMN", "PASS", "PICO", "RACO", "RATA", "REBO", "SORT"}));
    Repertoire rep;
    const auto r = valider(rep, contenu);
    std::vector<std::string> attendu = {accepteAttendu(enregistrements[0], static_cast<int>(enregistrements.size()) - 1)};
    for (size_t i = 1; i < enregistrements.size(); ++i) {
        const std::string& e = enregistrements[i];
        const bool acquittement = col(e, 22, 25) == "ERRE" && col(e, 19, 21) == "ECQ";
        attendu.push_back(acquittement ? e : tamponne(e));
    }
    attendreLivraison(rep, r, 0, attendu);
}

// Together, the example files hold every record type of the switch table,
// and each is delivered with exit 0.
TEST(BoutEnBout, LesFichiersExemplesCouvrentChaqueType) {
    std::set<std::string> types;
    for (const char* nom : {"exemple.vse", "abattages.vse", "abattages-office.vse", "abattages-onicab.vse",
                            "demandes-info.vse", "entrees-sorties.vse", "naissances.vse", "detenteurs.vse",
                            "dispositifs.vse", "etablissements.vse", "imports.vse", "associations.vse",
                            "retours-erreur.vse"}) {
        SCOPED_TRACE(nom);
        const std::string contenu = lireExemple(nom);
        const auto enregistrements = lignes(contenu);
        for (size_t i = 1; i < enregistrements.size(); ++i) types.insert(col(enregistrements[i], 22, 25));
        Repertoire rep;
        EXPECT_EQ(valider(rep, contenu).code, 0);
    }
    EXPECT_EQ(types.size(), 26u);
}
