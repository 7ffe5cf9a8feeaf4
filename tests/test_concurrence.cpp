// Two runs at the same time over two files of the same base name in two
// directories, with one temporary directory: their temporary names are the
// same. Each run either ends as it would alone, or stops with IG009 and
// leaves its input in place; no input is lost, overwritten or mixed.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <iostream>
#include <random>

#include "driver/fichiers.h"
#include "driver/sorties.h"
#include "test_surete_outils.h"

using namespace essai;
using namespace surete;

namespace {

struct Cote {
    Scenario s;
    std::string reponse;  // masked answer of a run alone
};

std::string reponseSeule(const Scenario& s) {
    Essai e;
    e.rep.ecrire("in.txt", s.entree);
    testing::internal::CaptureStderr();
    const int code = lancerIci(e);
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(code, s.code) << s.nom;
    return s.code == 1 ? "" : masquer(e.rep.lire("out.txt"));
}

// Checks one side; true when it ended as it would alone, false when it
// stopped on the taken temporary name.
bool verifierCote(const Cote& c, const Repertoire& rep, int code) {
    SCOPED_TRACE(c.s.nom);
    const bool arrete = code == 1 && estLigneDeJournal(rep.lire("log.txt"), message::IG009);
    if (arrete || c.s.code == 1) {
        EXPECT_EQ(code, 1);
        EXPECT_EQ(rep.fichiers(), (std::set<std::string>{"in.txt", "log.txt"}));
        EXPECT_EQ(rep.lire("in.txt"), c.s.entree);
        if (!arrete) {
            EXPECT_TRUE(estLigneDeJournal(rep.lire("log.txt"), c.s.message)) << rep.lire("log.txt");
        }
        return !arrete;
    }
    EXPECT_EQ(code, c.s.code) << rep.lire("log.txt");
    EXPECT_EQ(rep.fichiers(), (std::set<std::string>{"log.txt", "out.txt"}));
    EXPECT_EQ(rep.lire("log.txt"), "");
    EXPECT_EQ(masquer(rep.lire("out.txt")), c.reponse);
    return true;
}

}  // namespace

TEST(Concurrence, DeuxRunsMemeNomDeBase) {
    // Inputs of different sizes and outcomes, so that the two runs meet at
    // every stage of each other.
    std::vector<Cote> cotes;
    for (const Scenario& s : {resultat(1), resultat(40), resultat(400), refus(5), refus(300), sansEnregistrement(),
                              formatsMelanges(50)}) {
        cotes.push_back({s, reponseSeule(s)});
    }
    std::mt19937 alea(20240620);
    constexpr int TOURS = 400;
    int deuxAuBout = 0, unArrete = 0;
    for (int tour = 0; tour < TOURS; ++tour) {
        const Cote& a = cotes[alea() % cotes.size()];
        const Cote& b = cotes[alea() % cotes.size()];
        // Start delays in microseconds: mostly overlapping, now and then one
        // run after the other.
        const unsigned retardA = alea() % 400, retardB = alea() % (tour % 4 == 0 ? 3000 : 400);
        Repertoire tmp, repA, repB;
        repA.ecrire("in.txt", a.s.entree);
        repB.ecrire("in.txt", b.s.entree);
        int depart[2];
        ASSERT_EQ(::pipe(depart), 0);
        auto corps = [&](const Repertoire& rep, unsigned retard) {
            return [&, retard] {
                char c;
                ::close(depart[1]);
                if (::read(depart[0], &c, 1) < 0) return 99;
                ::usleep(retard);
                ::setenv("TMPDIR", tmp.chemin().c_str(), 1);
                ops::remettreAZero();
                return lancerEnProcessus({rep / "in.txt", rep / "out.txt", rep / "log.txt"});
            };
        };
        const pid_t pa = lancerFils(corps(repA, retardA));
        const pid_t pb = lancerFils(corps(repB, retardB));
        ::close(depart[0]);
        ::close(depart[1]);  // both start
        const int codeA = attendreFils(pa), codeB = attendreFils(pb);
        SCOPED_TRACE("round " + std::to_string(tour) + ": " + a.s.nom + " and " + b.s.nom);
        const bool finiA = verifierCote(a, repA, codeA), finiB = verifierCote(b, repB, codeB);
        // The first to take the temporary name goes to the end.
        EXPECT_TRUE(finiA || finiB);
        EXPECT_TRUE(tmp.fichiers().empty());
        if (finiA && finiB) {
            ++deuxAuBout;
        } else {
            ++unArrete;
        }
        if (HasFailure()) break;
    }
    std::cout << "[ concur.  ] " << TOURS << " rounds: both ended as alone " << deuxAuBout << ", one stopped with IG009 "
              << unArrete << "\n";
    // Both outcomes must have occurred, or the runs never met.
    EXPECT_GT(deuxAuBout, 0);
    EXPECT_GT(unArrete, 0);
}
