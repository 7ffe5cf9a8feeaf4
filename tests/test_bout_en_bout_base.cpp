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
