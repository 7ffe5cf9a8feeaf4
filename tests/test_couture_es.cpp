// The file layer as the one way to the file system: short writes complete
// the output or fail the run, and stat, getenv and the streams' last close
// can be failed like every other operation.
#include <gtest/gtest.h>

#include <fcntl.h>

#include <cerrno>

#include "driver/fichiers.h"
#include "driver/sorties.h"
#include "test_surete_outils.h"

using namespace essai;
using namespace surete;

namespace {

std::string motif(size_t n) {
    std::string s(n, ' ');
    for (size_t i = 0; i < n; ++i) s[i] = static_cast<char>('a' + i % 23);
    return s;
}

}  // namespace

// Every write hands only a few bytes: the stream writes the rest itself, the
// placeholder rewritten in place included.
TEST(CoutureES, EcrituresCourtesCompletees) {
    for (size_t plafond : {size_t{1}, size_t{7}, size_t{4095}}) {
        SCOPED_TRACE(plafond);
        Repertoire rep;
        const std::string contenu = motif(plafond == 1 ? 70000 : 200000);
        std::vector<ops::Appel> journal;
        ops::remettreAZero();
        ops::fixerJournal(&journal);
        ops::fixerEcrituresCourtes(1, plafond);
        {
            FichierSortie f;
            ASSERT_TRUE(f.ouvrir((rep / "f").c_str(), O_WRONLY | O_CREAT | O_EXCL));
            f.ecrire(contenu.data(), contenu.size());
            f.reecrireDebut(std::string(300, '#').data(), 300);
            EXPECT_TRUE(f.fermer(true));
        }
        const long ecritures = ops::nombreAppels(ops::Operation::ecrire);
        ops::remettreAZero();
        EXPECT_EQ(rep.lire("f"), std::string(300, '#') + contenu.substr(300));
        EXPECT_GE(ecritures, static_cast<long>(contenu.size() / plafond));
        for (const ops::Appel& a : journal) {
            if (a.genre == ops::Operation::ecrire) {
                EXPECT_LE(a.octets.size(), plafond);
            }
        }
    }
}

// Whole runs with short writes everywhere give the answer a clean run gives;
// a short write followed by a failed one fails the run and gives the input
// back.
TEST(CoutureES, RunsAvecEcrituresCourtes) {
    for (const Scenario& s : {resultat(600), refus(600), sansEnregistrement()}) {
        SCOPED_TRACE(s.nom);
        std::string propre;
        {
            Essai e;
            e.rep.ecrire("in.txt", s.entree);
            ASSERT_EQ(lancerIci(e), s.code);
            if (s.code != 1) propre = masquer(e.rep.lire("out.txt"));
        }
        {
            Essai e;
            e.rep.ecrire("in.txt", s.entree);
            ops::remettreAZero();
            ops::fixerEcrituresCourtes(1, 100);
            testing::internal::CaptureStderr();
            const int code = lancerIci(e);
            testing::internal::GetCapturedStderr();
            EXPECT_EQ(code, s.code);
            EXPECT_TRUE(e.tmp.fichiers().empty());
            if (s.code != 1) {
                EXPECT_EQ(e.rep.fichiers(), (std::set<std::string>{"log.txt", "out.txt"}));
                EXPECT_EQ(masquer(e.rep.lire("out.txt")), propre);
                EXPECT_EQ(e.rep.lire("log.txt"), "");
            } else {
                EXPECT_TRUE(estLigneDeJournal(e.rep.lire("log.txt"), s.message));
            }
        }
        // The result file takes every write but the last ones here: the
        // 40th write is one of its own.
        if (s.code != 0) continue;
        Essai e;
        e.rep.ecrire("in.txt", s.entree);
        ops::remettreAZero();
        ops::fixerEcrituresCourtes(1, 100);
        ops::fixerPanne(40, ENOSPC, ops::Operation::ecrire);
        testing::internal::CaptureStderr();
        const int code = lancerIci(e);
        testing::internal::GetCapturedStderr();
        EXPECT_EQ(code, 1);
        EXPECT_EQ(e.rep.fichiers(), (std::set<std::string>{"in.txt", "log.txt"}));
        EXPECT_EQ(e.rep.lire("in.txt"), s.entree);
        EXPECT_TRUE(e.tmp.fichiers().empty());
        EXPECT_TRUE(estLigneDeJournal(e.rep.lire("log.txt"), message::IG004)) << e.rep.lire("log.txt");
    }
}

// A stream dropped while open is closed through the file layer.
TEST(CoutureES, FermetureDuDestructeur) {
    Repertoire rep;
    rep.ecrire("e", "x");
    std::vector<ops::Appel> journal;
    ops::remettreAZero();
    ops::fixerJournal(&journal);
    ops::fixerPanne(1, EIO, ops::Operation::fermer);
    {
        FichierSortie s;
        ASSERT_TRUE(s.ouvrir((rep / "s").c_str(), O_WRONLY | O_CREAT | O_EXCL));
        FichierEntree e;
        ASSERT_TRUE(e.ouvrir((rep / "e").c_str()));
    }
    ops::remettreAZero();
    ASSERT_EQ(journal.size(), 4u);
    EXPECT_EQ(journal[2].genre, ops::Operation::fermer);
    EXPECT_EQ(journal[2].fd, journal[1].fd);  // the input, destroyed first
    EXPECT_FALSE(journal[2].reussi);
    EXPECT_EQ(journal[3].genre, ops::Operation::fermer);
    EXPECT_EQ(journal[3].fd, journal[0].fd);
    EXPECT_TRUE(journal[3].reussi);
}

// TMPDIR read through the file layer: when getenv, or the stat of the
// directory it names, fails, the temporary files go beside their files and
// the run ends as a clean run does.
TEST(CoutureES, TmpdirIllisible) {
    for (ops::Operation genre : {ops::Operation::variable, ops::Operation::etat}) {
        Essai e;
        const Scenario s = resultat(2);
        e.rep.ecrire("in.txt", s.entree);
        std::vector<ops::Appel> journal;
        ops::remettreAZero();
        ops::fixerJournal(&journal);
        // The first three calls of each kind: the three temporary names
        // (the stats of TMPDIR come first).
        for (long rang = 1; rang <= 3; ++rang) ops::ajouterPanne(rang, EIO, genre);
        EXPECT_EQ(lancerIci(e), 0);
        bool beside = false;
        for (const ops::Appel& a : journal) {
            if (a.genre == ops::Operation::ouvrir && a.chemin == e.rep / "in.txt_e") beside = true;
        }
        EXPECT_TRUE(beside) << static_cast<int>(genre);
        EXPECT_EQ(e.rep.fichiers(), (std::set<std::string>{"log.txt", "out.txt"}));
        EXPECT_TRUE(e.tmp.fichiers().empty());
    }
}
