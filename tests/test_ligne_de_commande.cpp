// Command line: version, usage, options, and the names derived from the paths.
#include <gtest/gtest.h>

#include <cstdlib>

#include "driver/telvaros.h"
#include "outils.h"

using namespace essai;

namespace {

const std::string USAGE =
    "\n Usage : telvaros [-i|-d|-v] <fichier a traiter> <fichier a emettre> <fichier log>\n \n"
    "         -i : resultats des traitements des VSE \n"
    "              vers la console sous forme informatique\n"
    "         -d : resultats des traitements des VSE\n"
    "              vers la console sous forme décriptée\n"
    "         -v : donne la version de telvaros\n ";

}  // namespace

TEST(LigneDeCommande, VersionPartoutParmiLesOptions) {
    Repertoire rep;
    for (const std::vector<std::string>& arguments : std::vector<std::vector<std::string>>{
             {"-v"}, {"-v", "a", "b", "c"}, {"-i", "-v"}, {"-iv", "a"}, {"-D", "x", "-v", "a", "b", "c", "d"}}) {
        const auto r = lancer(arguments, rep.chemin());
        EXPECT_EQ(r.code, 3);
        EXPECT_EQ(r.sortie, "2.24.0 \n");
        EXPECT_EQ(r.erreur, "");
    }
    EXPECT_TRUE(rep.fichiers().empty());
}

TEST(LigneDeCommande, OptionInconnueAvantLaVersion) {
    Repertoire rep;
    const auto r = lancer({"-x", "-v"}, rep.chemin());
    EXPECT_EQ(r.code, 3);
    EXPECT_EQ(r.sortie, "2.24.0 \n");
    EXPECT_EQ(r.erreur, std::string(TELVAROS_BINAIRE) + ": illegal option -- x\n");
}

TEST(LigneDeCommande, UsageSansRienCreer) {
    Repertoire rep;
    rep.ecrire("in.txt", fichier({fich(1).texte(), entrValide().texte()}));
    struct Cas {
        std::vector<std::string> arguments;
        std::string erreur;
    };
    const std::string programme = TELVAROS_BINAIRE;
    for (const Cas& cas : std::vector<Cas>{
             {{"in.txt", "out.txt"}, ""},
             {{"in.txt", "out.txt", "log.txt", "autre.txt"}, ""},
             {{"-x", "in.txt", "out.txt", "log.txt"}, programme + ": illegal option -- x\n"},
             {{"-ix", "in.txt", "out.txt", "log.txt"}, programme + ": illegal option -- x\n"},
             {{"-:", "in.txt", "out.txt", "log.txt"}, programme + ": illegal option -- :\n"},
             {{"-i", "-D"}, programme + ": option requires an argument -- D\n"},
             {{"-D"}, programme + ": option requires an argument -- D\n"},
             {{}, ""},
         }) {
        const auto r = lancer(cas.arguments, rep.chemin());
        EXPECT_EQ(r.code, 3);
        EXPECT_EQ(r.sortie, USAGE);
        EXPECT_EQ(r.erreur, cas.erreur);
        EXPECT_EQ(rep.fichiers(), std::set<std::string>{"in.txt"});
    }
}

TEST(LigneDeCommande, OptionsAccepteesPuisChemins) {
    // -D takes a value (glued or separate) and ignores it; "--" ends the
    // options; a lone "-" is a path.
    for (const std::vector<std::string>& options : std::vector<std::vector<std::string>>{
             {"-D", "valeur"}, {"-Dvaleur"}, {"--"}, {"-i", "--"}}) {
        Repertoire rep;
        const auto r = valider(rep, fichier({fich(1).texte(), entrValide().texte()}), options);
        EXPECT_EQ(r.code, 0) << r.erreur;
        EXPECT_EQ(rep.fichiers(), (std::set<std::string>{"log.txt", "out.txt"}));
    }
    Repertoire rep;
    rep.ecrire("-", fichier({fich(1).texte(), entrValide().texte()}));
    const auto r = lancer({"-", "out.txt", "log.txt"}, rep.chemin());
    EXPECT_EQ(r.code, 0) << r.erreur;
    EXPECT_EQ(rep.fichiers(), (std::set<std::string>{"log.txt", "out.txt"}));
}

TEST(LigneDeCommande, LaDerniereOptionDAffichageGagne) {
    // -id is -i then -d: the decoded trace echoes the record.
    Repertoire rep;
    const std::string entr = entrValide().texte();
    const auto r = valider(rep, fichier({fich(1).texte(), entr}), {"-id"});
    EXPECT_EQ(r.code, 0);
    EXPECT_NE(r.sortie.find("VSE=|" + entr + "|\n"), std::string::npos);
    Repertoire rep2;
    const auto r2 = valider(rep2, fichier({fich(1).texte(), entr}), {"-d", "-i"});
    EXPECT_EQ(r2.sortie.find("VSE=|"), std::string::npos);
}

TEST(NomsDeFichiers, RepertoireEtNomDeBase) {
    struct Cas {
        std::string chemin, rep, rep2, fic;
    };
    for (const Cas& c : std::vector<Cas>{
             {"D:\\in\\F1.txt", "D:\\in", "D:\\in\\", "F1.txt"},
             {"a//b", "a", "a/", "b"},
             {"F1.txt", ".", ".", "F1.txt"},
             {"x/y\\z", "x", "x/", "y\\z"},
             {"/var/in/F1.txt", "/var/in", "/var/in/", "F1.txt"},
             {"rep/", "rep", "rep/", ""},
         }) {
        EXPECT_EQ(nomDuRep(c.chemin), c.rep) << c.chemin;
        EXPECT_EQ(nomDuRep2(c.chemin), c.rep2) << c.chemin;
        EXPECT_EQ(nomDuFic(c.chemin), c.fic) << c.chemin;
    }
}

TEST(NomsDeFichiers, RepertoireTemporaire) {
    Repertoire rep, tmp;
    const char* ancien = std::getenv("TMPDIR");
    const std::string sauve = ancien != nullptr ? ancien : "";
    ::unsetenv("TMPDIR");
    EXPECT_EQ(nomTemporaire(rep.chemin(), "F1.txt", "_r"), rep.chemin() + "/F1.txt_r");
    EXPECT_EQ(nomTemporaire(rep / "absent", "F1.txt", "_e"), "/tmp/F1.txt_e");
    ::setenv("TMPDIR", (tmp.chemin() + "//").c_str(), 1);
    EXPECT_EQ(nomTemporaire(rep.chemin(), "F1.txt", "_o"), tmp.chemin() + "/F1.txt_o");
    ::setenv("TMPDIR", (tmp / "absent").c_str(), 1);
    EXPECT_EQ(nomTemporaire(rep.chemin(), "F1.txt", "_o"), rep.chemin() + "/F1.txt_o");
    // Any length works: no fixed-capacity buffer.
    const std::string long_(3000, 'n');
    EXPECT_EQ(nomTemporaire(rep.chemin(), long_, "_r"), rep.chemin() + "/" + long_ + "_r");
    if (ancien != nullptr) {
        ::setenv("TMPDIR", sauve.c_str(), 1);
    } else {
        ::unsetenv("TMPDIR");
    }
}
