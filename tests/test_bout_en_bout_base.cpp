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

// The example file the README validates holds every implemented type, and is
// delivered whole.
TEST(BoutEnBout, FichierExempleDuLisezMoi) {
    const std::string contenu = lireExemple("exemple.vse");
    const auto enregistrements = lignes(contenu);
    std::set<std::string> types;
    for (size_t i = 1; i < enregistrements.size(); ++i) types.insert(col(enregistrements[i], 22, 25));
    EXPECT_EQ(types, (std::set<std::string>{"ENTR", "NAIS", "NVMN", "SORT"}));
    Repertoire rep;
    const auto r = valider(rep, contenu);
    std::vector<std::string> attendu = {accepteAttendu(enregistrements[0], static_cast<int>(enregistrements.size()) - 1)};
    for (size_t i = 1; i < enregistrements.size(); ++i) attendu.push_back(tamponne(enregistrements[i]));
    attendreLivraison(rep, r, 0, attendu);
}
