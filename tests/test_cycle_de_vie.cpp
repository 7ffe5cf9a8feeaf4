// Run lifecycle: which files exist after each kind of ending, where the
// temporary files go, and what a run does when a file operation fails.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>

#include "driver/fichiers.h"
#include "driver/sorties.h"
#include "outils.h"

using namespace essai;

namespace {

const std::set<std::string> LIVRE = {"log.txt", "out.txt"};
const std::set<std::string> REMIS = {"in.txt", "log.txt"};

std::string fichierValide() { return fichier({fich(2).texte(), entrValide().texte(), entrValide().texte()}); }

std::string fichierRefuse() {
    Vse mauvais = entrValide();
    mauvais.f5.assign(1, '-');  // end mark missing: error 94
    return fichier({fich(2).texte(), entrValide().texte(), mauvais.texte()});
}

// A run in this process over rep/in.txt, rep/out.txt, rep/log.txt with
// TMPDIR set to `tmp`; faults are planned by the caller.
int lancerIci(const Repertoire& rep, const Repertoire& tmp) {
    ::setenv("TMPDIR", tmp.chemin().c_str(), 1);
    const int code = lancerEnProcessus({rep / "in.txt", rep / "out.txt", rep / "log.txt"});
    ::unsetenv("TMPDIR");
    ops::remettreAZero();
    return code;
}

}  // namespace

TEST(CycleDeVie, LivraisonDuResultat) {
    Repertoire rep, tmp;
    rep.ecrire("in.txt", fichierValide());
    const auto r = lancer({"in.txt", "out.txt", "log.txt"}, rep.chemin(), tmp.chemin());
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(rep.fichiers(), LIVRE);
    EXPECT_TRUE(tmp.fichiers().empty());
    EXPECT_EQ(rep.lire("log.txt"), "");
    EXPECT_EQ(col(lignes(rep.lire("out.txt"))[0], 19, 21), "INF");
}

TEST(CycleDeVie, LivraisonDuFichierDErreurs) {
    Repertoire rep, tmp;
    rep.ecrire("in.txt", fichierRefuse());
    const auto r = lancer({"in.txt", "out.txt", "log.txt"}, rep.chemin(), tmp.chemin());
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(rep.fichiers(), LIVRE);
    EXPECT_TRUE(tmp.fichiers().empty());
    EXPECT_EQ(rep.lire("log.txt"), "");
    const auto sortie = lignes(rep.lire("out.txt"));
    ASSERT_EQ(sortie.size(), 2u);
    EXPECT_EQ(col(sortie[1], 19, 25), "ERRERRE");
}

TEST(CycleDeVie, EchecDeTraitementRemetLEntree) {
    Repertoire rep, tmp;
    const std::string contenu = fichier({fich(0).texte()});
    rep.ecrire("in.txt", contenu);
    const auto r = lancer({"in.txt", "out.txt", "log.txt"}, rep.chemin(), tmp.chemin());
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(rep.fichiers(), REMIS);
    EXPECT_EQ(rep.lire("in.txt"), contenu);
    EXPECT_TRUE(tmp.fichiers().empty());
    EXPECT_TRUE(estLigneDeJournal(rep.lire("log.txt"), "IG014: Pas de VSE de base"));
}

TEST(CycleDeVie, EntreeAbsente) {
    Repertoire rep;
    const auto r = lancer({"in.txt", "out.txt", "log.txt"}, rep.chemin());
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(rep.fichiers(), std::set<std::string>{"log.txt"});
    EXPECT_TRUE(estLigneDeJournal(rep.lire("log.txt"), message::IG003));
    EXPECT_EQ(r.erreur, "Ouverture du fichier à traiter: No such file or directory\n");
}

TEST(CycleDeVie, JournalImpossibleAOuvrir) {
    Repertoire rep;
    rep.ecrire("in.txt", fichierValide());
    const auto r = lancer({"in.txt", "out.txt", "absent/log.txt"}, rep.chemin());
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(rep.fichiers(), std::set<std::string>{"in.txt"});
    EXPECT_EQ(r.erreur, "Ouverture du fichier log: No such file or directory\n");
}

// A temporary name already taken means another run over a file of the same
// name: the run stops and leaves every file as it found it, or as it was
// before the run for the files it created.
TEST(CycleDeVie, NomTemporaireDejaPris) {
    struct Cas {
        std::string pris;
        const char* message;
    };
    for (const Cas& cas : std::vector<Cas>{{"in.txt_r", message::IG009},
                                           {"in.txt_e", message::IG004},
                                           {"in.txt_o", message::IG002}}) {
        Repertoire rep, tmp;
        const std::string contenu = fichierValide();
        rep.ecrire("in.txt", contenu);
        tmp.ecrire(cas.pris, "autre run");
        const auto r = lancer({"in.txt", "out.txt", "log.txt"}, rep.chemin(), tmp.chemin());
        EXPECT_EQ(r.code, 1) << cas.pris;
        EXPECT_EQ(rep.fichiers(), REMIS) << cas.pris;
        EXPECT_EQ(rep.lire("in.txt"), contenu);
        EXPECT_EQ(tmp.fichiers(), std::set<std::string>{cas.pris});
        EXPECT_EQ(tmp.lire(cas.pris), "autre run");
        EXPECT_TRUE(estLigneDeJournal(rep.lire("log.txt"), cas.message)) << rep.lire("log.txt");
    }
}

// Without TMPDIR the moved input stays beside the input, and the result and
// error files are built beside the file to send.
TEST(CycleDeVie, TemporairesSansTmpdir) {
    {
        Repertoire rep;
        rep.ecrire("in.txt", fichierValide());
        rep.ecrire("in.txt_r", "pris");
        const auto r = lancer({"in.txt", "out.txt", "log.txt"}, rep.chemin());
        EXPECT_EQ(r.code, 1);
        EXPECT_TRUE(estLigneDeJournal(rep.lire("log.txt"), message::IG009));
        EXPECT_EQ(r.erreur, "rename: File exists\n");
    }
    {
        Repertoire rep;
        ::mkdir((rep / "sortie").c_str(), 0755);
        rep.ecrire("in.txt", fichierValide());
        rep.ecrire("sortie/in.txt_o", "pris");
        const auto r = lancer({"in.txt", "sortie/out.txt", "log.txt"}, rep.chemin());
        EXPECT_EQ(r.code, 1);
        EXPECT_TRUE(estLigneDeJournal(rep.lire("log.txt"), message::IG002));
        EXPECT_EQ(rep.lire("sortie/in.txt_o"), "pris");
        EXPECT_FALSE(rep.existe("sortie/out.txt"));
        EXPECT_FALSE(rep.existe("sortie/in.txt_e"));
    }
}

// Set-up failures once the input is moved aside close like a processing
// failure: the input is put back, the outputs created so far are removed.
TEST(CycleDeVie, EchecsDeMiseEnPlace) {
    struct Cas {
        long ouverture;  // rank of the open(2) call that fails
        const char* message;
        const char* perror;
    };
    // Opens: 1 log, 2 input check, 3 moved input, 4 file to send, 5 result, 6 errors.
    for (const Cas& cas : std::vector<Cas>{
             {3, message::IG003, "Ouverture du fichier à traiter renommé"},
             {4, message::IG003, "Ouverture du fichier résultat"},
             {5, message::IG004, "Ouverture du fichier résultat temporaire"},
             {6, message::IG002, "Ouverture du fichier des erreurs"},
         }) {
        Repertoire rep, tmp;
        const std::string contenu = fichierValide();
        rep.ecrire("in.txt", contenu);
        ops::remettreAZero();
        ops::fixerPanne(cas.ouverture, EACCES, ops::Operation::ouvrir);
        testing::internal::CaptureStderr();
        EXPECT_EQ(lancerIci(rep, tmp), 1);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), std::string(cas.perror) + ": Permission denied\n");
        EXPECT_EQ(rep.fichiers(), REMIS) << cas.ouverture;
        EXPECT_EQ(rep.lire("in.txt"), contenu);
        EXPECT_TRUE(tmp.fichiers().empty());
        EXPECT_TRUE(estLigneDeJournal(rep.lire("log.txt"), cas.message));
    }
}

// Delivery: a rename refused at delivery puts the input back (IG010); when
// the input cannot be put back either, it stays under its temporary name and
// the log holds IG009 alone.
TEST(CycleDeVie, EchecsDeLivraison) {
    {
        Repertoire rep, tmp;
        const std::string contenu = fichierValide();
        rep.ecrire("in.txt", contenu);
        ops::remettreAZero();
        ops::fixerPanne(1, EXDEV, ops::Operation::renommer);
        testing::internal::CaptureStderr();
        EXPECT_EQ(lancerIci(rep, tmp), 1);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "rename: Invalid cross-device link\n");
        EXPECT_EQ(rep.fichiers(), REMIS);
        EXPECT_EQ(rep.lire("in.txt"), contenu);
        EXPECT_TRUE(tmp.fichiers().empty());
        EXPECT_TRUE(estLigneDeJournal(rep.lire("log.txt"), message::IG010));
    }
    {
        Repertoire rep, tmp;
        const std::string contenu = fichierRefuse();
        rep.ecrire("in.txt", contenu);
        ops::remettreAZero();
        ops::fixerPanne(1, EXDEV, ops::Operation::renommer);
        ops::ajouterPanne(2, EXDEV, ops::Operation::renommerSansEcraser);
        testing::internal::CaptureStderr();
        EXPECT_EQ(lancerIci(rep, tmp), 1);
        testing::internal::GetCapturedStderr();
        EXPECT_EQ(rep.fichiers(), std::set<std::string>{"log.txt"});
        EXPECT_EQ(tmp.fichiers(), std::set<std::string>{"in.txt_r"});
        EXPECT_EQ(tmp.lire("in.txt_r"), contenu);
        EXPECT_TRUE(estLigneDeJournal(rep.lire("log.txt"), message::IG009));
    }
}

// The file to deliver reaches the disk whole before it is renamed: a write,
// sync or close error on it is a failure, never a delivery.
TEST(CycleDeVie, LeFichierALivrerDoitAtteindreLeDisque) {
    struct Cas {
        bool refuse;
        ops::Operation genre;
        long rang;
        const char* message;
    };
    // Closes: 1 input check, 2 file to send, 3 moved input, 4 the file delivered.
    for (const Cas& cas : std::vector<Cas>{
             {false, ops::Operation::ecrire, 1, message::IG004},
             {false, ops::Operation::synchroniser, 1, message::IG004},
             {false, ops::Operation::fermer, 4, message::IG004},
             {false, ops::Operation::synchroniserRepertoire, 1, message::IG004},
             {true, ops::Operation::ecrire, 1, message::IG002},
             {true, ops::Operation::synchroniser, 1, message::IG002},
             {true, ops::Operation::fermer, 4, message::IG002},
             {true, ops::Operation::synchroniserRepertoire, 1, message::IG002},
         }) {
        Repertoire rep, tmp;
        const std::string contenu = cas.refuse ? fichierRefuse() : fichierValide();
        rep.ecrire("in.txt", contenu);
        ops::remettreAZero();
        ops::fixerPanne(cas.rang, ENOSPC, cas.genre);
        testing::internal::CaptureStderr();
        EXPECT_EQ(lancerIci(rep, tmp), 1);
        testing::internal::GetCapturedStderr();
        EXPECT_EQ(rep.fichiers(), REMIS) << static_cast<int>(cas.genre) << " " << cas.refuse;
        EXPECT_EQ(rep.lire("in.txt"), contenu);
        EXPECT_TRUE(tmp.fichiers().empty());
        EXPECT_TRUE(estLigneDeJournal(rep.lire("log.txt"), cas.message)) << rep.lire("log.txt");
    }
}

// Putting the input back never removes nor overwrites a file that arrived
// under the input's name during the run.
TEST(CycleDeVie, RemiseEnPlaceSansEcraser) {
    Repertoire rep, tmp;
    sExecution ctx;
    ctx.name_recu = rep / "in.txt";
    ctx.name_emis = rep / "out.txt";
    ctx.name_log = rep / "log.txt";
    ctx.name_tmp_recu = tmp / "in.txt_r";
    ctx.name_tmp_emis = tmp / "in.txt_e";
    ctx.name_erre = tmp / "in.txt_o";
    ASSERT_TRUE(ctx.fp_log.ouvrir(ctx.name_log.c_str(), O_WRONLY | O_CREAT | O_TRUNC));
    tmp.ecrire("in.txt_r", "entree deplacee");
    tmp.ecrire("in.txt_e", "");
    tmp.ecrire("in.txt_o", "");
    rep.ecrire("out.txt", "");
    rep.ecrire("in.txt", "nouveau fichier");
    ctx.recuDeplace = ctx.emisCree = ctx.tmpEmisCree = ctx.erreCree = true;
    testing::internal::CaptureStderr();
    EXPECT_EQ(echouer(ctx, message::IG014), 1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "rename: File exists\n");
    EXPECT_EQ(rep.lire("in.txt"), "nouveau fichier");
    EXPECT_EQ(tmp.fichiers(), std::set<std::string>{"in.txt_r"});
    EXPECT_EQ(tmp.lire("in.txt_r"), "entree deplacee");
    EXPECT_EQ(rep.fichiers(), REMIS);
    EXPECT_TRUE(estLigneDeJournal(rep.lire("log.txt"), message::IG009));
}
