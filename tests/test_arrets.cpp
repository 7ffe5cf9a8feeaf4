// A run killed (SIGKILL) before each of its file operations in turn, over
// large files: the input is never lost, the file to send is never a partial
// answer, and what is left can always be run again to the same answer.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <iostream>
#include <map>

#include "driver/fichiers.h"
#include "test_surete_outils.h"

using namespace essai;
using namespace surete;

namespace {

struct Propre {
    int code = -1;
    long appels = 0;
    std::string reponse;  // masked
};

Propre lancerPropre(const Scenario& s) {
    Essai e;
    e.rep.ecrire("in.txt", s.entree);
    std::vector<ops::Appel> journal;
    ops::remettreAZero();
    ops::fixerJournal(&journal);
    Propre p;
    testing::internal::CaptureStderr();
    p.code = lancerIci(e);
    testing::internal::GetCapturedStderr();
    p.appels = static_cast<long>(journal.size());
    if (p.code != 1) p.reponse = masquer(e.rep.lire("out.txt"));
    return p;
}

// Where the input stands after a killed run.
enum class Etat { enPlace, deCote, livre, livreCopieRestante };

const char* nomEtat(Etat etat) {
    switch (etat) {
    case Etat::enPlace: return "input in place";
    case Etat::deCote: return "input moved aside";
    case Etat::livre: return "answer delivered";
    case Etat::livreCopieRestante: return "answer delivered, input copy left";
    }
    return "";
}

// Checks what a killed run left; returns where the input stands.
Etat verifierApresArret(const Scenario& s, const Propre& propre, const Essai& e) {
    const std::set<std::string> rep = e.rep.fichiers(), tmp = e.tmp.fichiers();
    for (const auto& nom : rep) EXPECT_TRUE(nom == "in.txt" || nom == "out.txt" || nom == "log.txt") << nom;
    for (const auto& nom : tmp) EXPECT_TRUE(nom == "in.txt_r" || nom == "in.txt_e" || nom == "in.txt_o") << nom;

    // The file to send: absent, empty (created at set-up) or the whole answer.
    bool livre = false;
    if (rep.count("out.txt") != 0) {
        const std::string sortie = e.rep.lire("out.txt");
        if (!sortie.empty()) {
            EXPECT_NE(s.code, 1) << "a failing run delivered an answer";
            EXPECT_EQ(masquer(sortie), propre.reponse) << "partial or wrong answer under the name of the file to send";
            livre = true;
        }
    }
    // The log: empty, or the line of the failure.
    const std::string journal = e.rep.lire("log.txt");
    if (!journal.empty()) {
        EXPECT_EQ(s.code, 1);
        if (s.message != nullptr) {
            EXPECT_TRUE(estLigneDeJournal(journal, s.message)) << journal;
        }
    }
    // The input: under its own name or its temporary name, unchanged, never
    // both; under neither only once the answer is delivered.
    const bool ici = rep.count("in.txt") != 0, deCote = tmp.count("in.txt_r") != 0;
    if (ici) {
        EXPECT_EQ(e.rep.lire("in.txt"), s.entree);
    }
    if (deCote) {
        EXPECT_EQ(e.tmp.lire("in.txt_r"), s.entree);
    }
    EXPECT_FALSE(ici && deCote);
    if (!ici && !deCote) {
        EXPECT_TRUE(livre) << "input lost";
    }
    if (livre) return deCote ? Etat::livreCopieRestante : Etat::livre;
    return ici ? Etat::enPlace : Etat::deCote;
}

// What an operator does after a crash: the input copy goes back under its
// name, the temporary outputs are removed, and the input is run again.
void reprendre(const Scenario& s, const Propre& propre, const Essai& e, Etat etat) {
    if (etat == Etat::livre) return;
    if (etat == Etat::livreCopieRestante) {
        std::remove(e.tmpRecu().c_str());
    } else if (etat == Etat::deCote) {
        ASSERT_EQ(std::rename(e.tmpRecu().c_str(), e.entree().c_str()), 0);
    }
    std::remove(e.tmpEmis().c_str());
    std::remove(e.tmpErre().c_str());
    if (etat == Etat::livreCopieRestante) return;
    testing::internal::CaptureStderr();
    const int code = lancerIci(e);
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(code, s.code);
    EXPECT_TRUE(e.tmp.fichiers().empty());
    if (s.code != 1) {
        EXPECT_EQ(e.rep.fichiers(), (std::set<std::string>{"log.txt", "out.txt"}));
        EXPECT_EQ(masquer(e.rep.lire("out.txt")), propre.reponse);
    } else {
        EXPECT_EQ(e.rep.fichiers(), (std::set<std::string>{"in.txt", "log.txt"}));
        EXPECT_EQ(e.rep.lire("in.txt"), s.entree);
    }
}

}  // namespace

// Large files (several buffers read and written), delivering the result
// file, delivering the error file, and stopping on a processing failure; and
// a small one for the closing of a run that found no record.
TEST(Arrets, AvantChaqueOperationDUnRun) {
    int total = 0;
    for (const Scenario& s : {resultat(3000), refus(3000), formatsMelanges(3000), sansEnregistrement()}) {
        const Propre propre = lancerPropre(s);
        ASSERT_EQ(propre.code, s.code) << s.nom;
        ASSERT_GT(propre.appels, 20) << s.nom;
        std::map<Etat, int> etats;
        for (long rang = 1; rang <= propre.appels; ++rang) {
            SCOPED_TRACE(s.nom + ", killed before call " + std::to_string(rang) + " of " +
                         std::to_string(propre.appels));
            Essai e;
            e.rep.ecrire("in.txt", s.entree);
            const pid_t pid = lancerFils([&] {
                ops::remettreAZero();
                ops::fixerArret(rang);
                return lancerIci(e);
            });
            ASSERT_EQ(attendreFils(pid), 128 + SIGKILL);
            const Etat etat = verifierApresArret(s, propre, e);
            ++etats[etat];
            reprendre(s, propre, e, etat);
            ++total;
        }
        std::cout << "[ arrets   ] " << s.nom << ": " << propre.appels << " kill points (";
        const char* separateur = "";
        for (const auto& [etat, n] : etats) {
            std::cout << separateur << nomEtat(etat) << ": " << n;
            separateur = ", ";
        }
        std::cout << ")\n";
    }
    std::cout << "[ arrets   ] " << total << " kill points exercised\n";
    RecordProperty("points_d_arret", total);
}
