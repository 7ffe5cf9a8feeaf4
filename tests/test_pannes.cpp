// Every file operation of a run, made to fail in turn: whatever fails, the
// input is never lost, the file to send is never a partial answer, and the
// exit code and the log line tell what happened.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cerrno>
#include <iostream>
#include <sstream>

#include "driver/fichiers.h"
#include "driver/sorties.h"
#include "test_surete_outils.h"

using namespace essai;
using namespace surete;
using ops::Operation;

namespace {

// What a run does when one given operation fails.
enum class Issue {
    absorbee,          // nothing visible: the run ends as a clean run does
    sansJournal,       // the log cannot be opened: nothing is created, nothing logged
    avantDeplacement,  // stopped before the input is moved: the input untouched, one log line
    echec,             // failure closing: the input put back, the outputs removed, one log line
    echecSansLigne,    // failure closing whose log line cannot be written
    entreeGardee,      // the input cannot be put back: it stays under its temporary name, IG009
};

struct Attendu {
    Issue issue;
    const char* message = nullptr;
};

const char* nomOperation(Operation genre) {
    switch (genre) {
    case Operation::ouvrir: return "open";
    case Operation::lire: return "read";
    case Operation::ecrire: return "write";
    case Operation::synchroniser: return "fsync";
    case Operation::fermer: return "close";
    case Operation::renommer: return "rename";
    case Operation::renommerSansEcraser: return "rename without overwriting";
    case Operation::supprimer: return "unlink";
    case Operation::synchroniserRepertoire: return "fsync of the directory";
    case Operation::tronquer: return "ftruncate";
    case Operation::etat: return "stat";
    case Operation::variable: return "getenv";
    case Operation::toute: break;
    }
    return "?";
}

// The file the call touches: its path, or for a descriptor the path of the
// last opening that returned it.
std::string fichierDe(const std::vector<ops::Appel>& journal, size_t i) {
    const ops::Appel& a = journal[i];
    if (!a.chemin.empty()) return a.chemin;
    for (size_t j = i; j-- > 0;) {
        if (journal[j].genre == Operation::ouvrir && journal[j].fd == a.fd) return journal[j].chemin;
    }
    return "";
}

// What the run must do when the call i (0-based) of the clean run `journal`
// of scenario `s` fails.
Attendu attendu(const Scenario& s, const Essai& e, const std::vector<ops::Appel>& journal, size_t i) {
    const ops::Appel& a = journal[i];
    const std::string f = fichierDe(journal, i);
    const bool livre = s.code != 1;
    const std::string livreNom = s.code == 0 ? e.tmpEmis() : e.tmpErre();
    const char* messageLivraison = s.code == 0 ? message::IG004 : message::IG002;
    switch (a.genre) {
    case Operation::ouvrir:
        if (f == e.journal()) return {Issue::sansJournal};
        if (f == e.entree()) return {Issue::avantDeplacement, message::IG003};
        if (f == e.tmpRecu() || f == e.sortie()) return {Issue::echec, message::IG003};
        if (f == e.tmpEmis()) return {Issue::echec, message::IG004};
        if (f == e.tmpErre()) return {Issue::echec, message::IG002};
        break;
    case Operation::renommerSansEcraser:
        if (a.chemin == e.entree()) return {Issue::avantDeplacement, message::IG009};
        if (a.chemin == e.tmpRecu()) return {Issue::entreeGardee, message::IG009};
        break;
    case Operation::lire:
        return {Issue::echec, message::IG003};
    case Operation::fermer:
    case Operation::ecrire:
    case Operation::synchroniser:
        // The empty file to send, created and closed at set-up.
        if (f == e.sortie() && a.genre == Operation::fermer) return {Issue::echec, message::IG003};
        // The log is written once, by a failing run; a failed write loses its line.
        if (f == e.journal()) return {a.genre == Operation::ecrire ? Issue::echecSansLigne : Issue::absorbee};
        // The file delivered must reach the disk whole.
        if (livre && f == livreNom) return {Issue::echec, messageLivraison};
        // The input once read, the check of the input, the file not delivered.
        return {Issue::absorbee};
    case Operation::renommer:
        return {Issue::echec, message::IG010};
    case Operation::synchroniserRepertoire:
        return {Issue::echec, messageLivraison};
    case Operation::supprimer:
        return {Issue::absorbee};
    case Operation::etat:
        // A name that cannot be looked at before the run is checked again
        // once opened; a TMPDIR that cannot be looked at is not used.
        if (!a.chemin.empty()) return {Issue::absorbee};
        // The check of what was opened fails as the opening would.
        if (f == e.entree()) return {Issue::avantDeplacement, message::IG003};
        if (f == e.tmpRecu()) return {Issue::echec, message::IG003};
        break;
    case Operation::variable:
        // TMPDIR looks unset: that temporary file goes beside its file.
        return {Issue::absorbee};
    case Operation::tronquer:
        break;
    case Operation::toute:
        break;
    }
    ADD_FAILURE() << "unexpected call: " << nomOperation(a.genre) << " " << f;
    return {Issue::absorbee};
}

struct Propre {
    int code;
    std::string reponse;  // masked
    std::vector<ops::Appel> journal;
};

Propre lancerPropre(const Scenario& s) {
    Essai e;
    e.rep.ecrire("in.txt", s.entree);
    Propre p;
    ops::remettreAZero();
    ops::fixerJournal(&p.journal);
    p.code = lancerIci(e);
    if (p.code != 1) p.reponse = masquer(e.rep.lire("out.txt"));
    return p;
}

// Checks the files left by a run that ended with `code` against what the
// scenario and the issue require. `trace` names the case in failures.
void verifier(const Scenario& s, const Propre& propre, const Essai& e, int code, const std::string& erreurs,
              Attendu a, const std::string& trace) {
    SCOPED_TRACE(trace);
    const std::set<std::string> remis = {"in.txt", "log.txt"};
    // A failure caused by a file operation is reported on the standard error.
    if (a.issue != Issue::absorbee) {
        EXPECT_NE(erreurs, "");
    }
    if (a.issue == Issue::absorbee && s.code == 1) a = {Issue::echec, s.message};
    switch (a.issue) {
    case Issue::absorbee:
        ASSERT_EQ(code, s.code);
        EXPECT_EQ(e.rep.fichiers(), (std::set<std::string>{"log.txt", "out.txt"}));
        EXPECT_EQ(masquer(e.rep.lire("out.txt")), propre.reponse);
        EXPECT_EQ(e.rep.lire("log.txt"), "");
        EXPECT_TRUE(e.tmp.fichiers().empty());
        return;
    case Issue::sansJournal:
        EXPECT_EQ(code, 1);
        EXPECT_EQ(e.rep.fichiers(), std::set<std::string>{"in.txt"});
        EXPECT_EQ(e.rep.lire("in.txt"), s.entree);
        EXPECT_TRUE(e.tmp.fichiers().empty());
        break;
    case Issue::avantDeplacement:
    case Issue::echec:
    case Issue::echecSansLigne:
        EXPECT_EQ(code, 1);
        EXPECT_EQ(e.rep.fichiers(), remis);
        EXPECT_EQ(e.rep.lire("in.txt"), s.entree);
        EXPECT_TRUE(e.tmp.fichiers().empty());
        if (a.issue == Issue::echecSansLigne) {
            EXPECT_EQ(e.rep.lire("log.txt"), "");
        } else {
            EXPECT_TRUE(estLigneDeJournal(e.rep.lire("log.txt"), a.message))
                << e.rep.lire("log.txt") << " instead of " << a.message;
        }
        break;
    case Issue::entreeGardee:
        EXPECT_EQ(code, 1);
        EXPECT_EQ(e.rep.fichiers(), std::set<std::string>{"log.txt"});
        EXPECT_EQ(e.tmp.fichiers(), std::set<std::string>{"in.txt_r"});
        EXPECT_EQ(e.tmp.lire("in.txt_r"), s.entree);
        EXPECT_TRUE(estLigneDeJournal(e.rep.lire("log.txt"), message::IG009)) << e.rep.lire("log.txt");
        break;
    }
}

struct Run {
    int code;
    std::string erreurs;
    std::vector<ops::Appel> journal;
};

Run lancerAvecPannes(const Essai& e, long rang, bool remiseEnPanne) {
    Run r;
    ops::remettreAZero();
    ops::fixerJournal(&r.journal);
    ops::fixerPanne(rang, EIO);
    // The second renommerSansEcraser of a run is the put-back of its input.
    if (remiseEnPanne) ops::ajouterPanne(2, EIO, Operation::renommerSansEcraser);
    testing::internal::CaptureStderr();
    r.code = lancerIci(e);
    r.erreurs = testing::internal::GetCapturedStderr();
    return r;
}

// Runs scenario `s` with a fault at every rank of its clean run, and with a
// second fault on the put-back of the input wherever the first one leads to
// a put-back. Returns the number of runs made.
int toutesLesPannes(const Scenario& s) {
    const Propre propre = lancerPropre(s);
    EXPECT_EQ(propre.code, s.code) << s.nom;
    const long appels = static_cast<long>(propre.journal.size());
    EXPECT_GT(appels, 10) << s.nom;
    int essais = 0;
    for (long rang = 1; rang <= appels; ++rang) {
        const size_t i = static_cast<size_t>(rang - 1);
        Attendu a;
        bool remiseApres = false;
        {
            Essai e;
            e.rep.ecrire("in.txt", s.entree);
            const Run r = lancerAvecPannes(e, rang, false);
            ++essais;
            // Up to the failing call a run does what the clean run did.
            if (r.journal.size() <= i || r.journal[i].genre != propre.journal[i].genre) {
                ADD_FAILURE() << s.nom << ": the run diverged before call " << rang;
                continue;
            }
            a = attendu(s, e, r.journal, i);
            std::ostringstream trace;
            trace << s.nom << ", call " << rang << " of " << appels << " fails: "
                  << nomOperation(r.journal[i].genre) << " " << fichierDe(r.journal, i);
            verifier(s, propre, e, r.code, r.erreurs, a, trace.str());
            // Does a put-back follow the failure?
            for (size_t j = i + 1; j < r.journal.size(); ++j) {
                if (r.journal[j].genre == Operation::renommerSansEcraser && r.journal[j].chemin == e.tmpRecu()) {
                    remiseApres = true;
                }
            }
        }
        if (!remiseApres || (a.issue != Issue::echec && a.issue != Issue::absorbee)) continue;
        Essai e;
        e.rep.ecrire("in.txt", s.entree);
        const Run r = lancerAvecPannes(e, rang, true);
        ++essais;
        std::ostringstream trace;
        trace << s.nom << ", call " << rang << " of " << appels << " fails, then the put-back";
        verifier(s, propre, e, r.code, r.erreurs, {Issue::entreeGardee}, trace.str());
    }
    return essais;
}

}  // namespace

// Runs that deliver the result file, deliver the error file, and stop on a
// processing failure, small and large enough for the buffers to be flushed
// while records are processed (the summary line is then written in place).
TEST(Pannes, ChaqueOperationDUnRun) {
    int total = 0;
    for (const Scenario& s : {resultat(2), refus(3), sansEnregistrement(), formatsMelanges(2), sansFich(),
                              resultat(600), refus(600), formatsMelanges(600)}) {
        const int n = toutesLesPannes(s);
        std::cout << "[ pannes   ] " << s.nom << ": " << n << " fault points\n";
        total += n;
    }
    std::cout << "[ pannes   ] " << total << " fault points exercised\n";
    RecordProperty("points_de_panne", total);
}

// The three paths may name the same file. The log is truncated first of all:
// a log that names the input (or a hard link to it) stops the run before any
// file is touched. A file to send that names the input is removed before the
// input is put back, so a failing run gives the input back.
TEST(Pannes, CheminsQuiSeRecouvrent) {
    const Scenario valide = resultat(2);
    const Scenario echoue = sansEnregistrement();
    {
        Essai e;
        e.rep.ecrire("in.txt", valide.entree);
        ASSERT_EQ(::link(e.entree().c_str(), (e.rep / "lien.txt").c_str()), 0);
        for (const char* journal : {"in.txt", "lien.txt"}) {
            const auto r = lancer({"in.txt", "out.txt", journal}, e.rep.chemin(), e.tmp.chemin());
            EXPECT_EQ(r.code, 1) << journal;
            EXPECT_EQ(r.erreur, "Ouverture du fichier log: File exists\n");
            EXPECT_EQ(e.rep.fichiers(), (std::set<std::string>{"in.txt", "lien.txt"}));
            EXPECT_EQ(e.rep.lire("in.txt"), valide.entree);
            EXPECT_TRUE(e.tmp.fichiers().empty());
        }
    }
    {
        Essai e;
        e.rep.ecrire("in.txt", echoue.entree);
        const auto r = lancer({"in.txt", "in.txt", "log.txt"}, e.rep.chemin(), e.tmp.chemin());
        EXPECT_EQ(r.code, 1);
        EXPECT_EQ(e.rep.fichiers(), (std::set<std::string>{"in.txt", "log.txt"}));
        EXPECT_EQ(e.rep.lire("in.txt"), echoue.entree);
        EXPECT_TRUE(estLigneDeJournal(e.rep.lire("log.txt"), echoue.message));
        EXPECT_TRUE(e.tmp.fichiers().empty());
    }
    {
        Essai e;
        e.rep.ecrire("in.txt", valide.entree);
        const auto r = lancer({"in.txt", "in.txt", "log.txt"}, e.rep.chemin(), e.tmp.chemin());
        EXPECT_EQ(r.code, 0);
        EXPECT_EQ(e.rep.fichiers(), (std::set<std::string>{"in.txt", "log.txt"}));
        EXPECT_EQ(lignes(e.rep.lire("in.txt")).size(), 3u);
        EXPECT_EQ(col(lignes(e.rep.lire("in.txt"))[0], 19, 21), "INF");
        EXPECT_TRUE(e.tmp.fichiers().empty());
    }
}
