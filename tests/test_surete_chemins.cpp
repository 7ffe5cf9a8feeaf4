// Paths that alias, links, special files, closed standard streams and a
// temporary directory on another file system: a run refuses them before it
// touches any file, and never destroys nor reads a file it was not named.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <thread>

#include "driver/chemins.h"
#include "driver/sorties.h"
#include "test_surete_outils.h"

extern char** environ;

using namespace essai;

namespace {

const std::string VALIDE = surete::resultat(2).entree;
const std::string ECHOUE = surete::sansEnregistrement().entree;

struct Issue {
    int code = -1;
    std::string erreur;  // standard error
    bool fini = true;    // false: still running after the delay, killed
};

// Runs the binary in `repertoire` with TMPDIR as given (removed when empty),
// the standard descriptors in `fermes` closed, and a delay after which the
// run is killed (a run that blocks is a fault, not a hang of the tests).
Issue lancerSurveille(const std::vector<std::string>& arguments, const std::string& repertoire,
                      const std::string& tmpdir = "", const std::vector<int>& fermes = {}) {
    Repertoire traces;
    const std::string fichierErreur = traces / "stderr";
    std::vector<std::string> env;
    for (char** e = environ; *e != nullptr; ++e) {
        if (std::strncmp(*e, "TMPDIR=", 7) != 0) env.emplace_back(*e);
    }
    if (!tmpdir.empty()) env.push_back("TMPDIR=" + tmpdir);
    const pid_t pid = ::fork();
    if (pid == 0) {
        const int err = ::open(fichierErreur.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int nul = ::open("/dev/null", O_RDWR);
        ::dup2(nul, 0);
        ::dup2(nul, 1);
        ::dup2(err, 2);
        ::close(err);
        ::close(nul);
        for (int fd : fermes) ::close(fd);
        if (::chdir(repertoire.c_str()) != 0) ::_exit(126);
        std::vector<char*> argv = {const_cast<char*>(TELVAROS_BINAIRE)};
        for (const auto& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        std::vector<char*> envp;
        for (auto& e : env) envp.push_back(e.data());
        envp.push_back(nullptr);
        ::execve(TELVAROS_BINAIRE, argv.data(), envp.data());
        ::_exit(127);
    }
    Issue r;
    int statut = 0;
    const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (::waitpid(pid, &statut, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > limite) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &statut, 0);
            r.fini = false;
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    r.code = WIFEXITED(statut) ? WEXITSTATUS(statut) : 128 + WTERMSIG(statut);
    r.erreur = traces.lire("stderr");
    return r;
}

struct stat etatDuNom(const std::string& chemin) {
    struct stat e {};
    EXPECT_EQ(::lstat(chemin.c_str(), &e), 0) << chemin;
    return e;
}

// A refused run: exit 1, its message alone on the standard error, and the log
// line where the log is a file of its own (`ligne` null: the log untouched).
void attendreRefus(const Issue& r, const std::string& message, const Repertoire& rep, const std::string& log,
                   const char* ligne) {
    EXPECT_TRUE(r.fini) << "the run blocked";
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.erreur, message + "\n");
    if (ligne != nullptr) {
        EXPECT_TRUE(estLigneDeJournal(rep.lire(log), ligne)) << rep.lire(log);
    }
}

}  // namespace

// Finding 1: a file to send, or a log, that is one of the temporary names of
// the run (without TMPDIR the input is moved beside itself).
TEST(SureteChemins, NomsTemporairesRefuses) {
    struct Cas {
        std::vector<std::string> arguments;
        bool tmpdir;
        std::string message;
        const char* ligne;
    };
    for (const Cas& cas : std::vector<Cas>{
             {{"in.vse", "in.vse_r", "log"}, false,
              "Ouverture du fichier résultat: même fichier que le fichier à traiter renommé", message::IG004},
             {{"in.vse", "in.vse_e", "log"}, false,
              "Ouverture du fichier résultat: même fichier que le fichier résultat temporaire", message::IG004},
             {{"in.vse", "in.vse_o", "log"}, false,
              "Ouverture du fichier résultat: même fichier que le fichier des erreurs", message::IG004},
             {{"in.vse", "out", "in.vse_r"}, false,
              "Ouverture du fichier log: même fichier que le fichier à traiter renommé", nullptr},
             {{"in.vse", "out", "./in.vse_o"}, false,
              "Ouverture du fichier log: même fichier que le fichier des erreurs", nullptr},
             {{"in.vse", "tmp/in.vse_r", "log"}, true,
              "Ouverture du fichier résultat: même fichier que le fichier à traiter renommé", message::IG004},
         }) {
        SCOPED_TRACE(cas.arguments[1] + " " + cas.arguments[2]);
        Repertoire rep;
        rep.ecrire("in.vse", VALIDE);
        if (cas.tmpdir) {
            ASSERT_EQ(::mkdir((rep / "tmp").c_str(), 0700), 0);
        }
        const auto r = lancerSurveille(cas.arguments, rep.chemin(), cas.tmpdir ? rep / "tmp" : "");
        attendreRefus(r, cas.message, rep, "log", cas.ligne);
        std::set<std::string> restants = {"in.vse"};
        if (cas.ligne != nullptr) restants.insert("log");
        if (cas.tmpdir) restants.insert("tmp");
        EXPECT_EQ(rep.fichiers(), restants);
        EXPECT_EQ(rep.lire("in.vse"), VALIDE);
        if (cas.tmpdir) {
            EXPECT_FALSE(rep.existe("tmp/in.vse_r"));
        }
    }
}

// Finding 2 (and the log's own case): two names of one file through a hard link.
TEST(SureteChemins, LiensPhysiquesRefuses) {
    {
        Repertoire rep;
        rep.ecrire("in.vse", VALIDE);
        ASSERT_EQ(::link((rep / "in.vse").c_str(), (rep / "out").c_str()), 0);
        const auto r = lancerSurveille({"in.vse", "out", "log"}, rep.chemin());
        attendreRefus(r, "Ouverture du fichier résultat: même fichier que le fichier à traiter", rep, "log",
                      message::IG004);
        EXPECT_EQ(rep.fichiers(), (std::set<std::string>{"in.vse", "out", "log"}));
        EXPECT_EQ(rep.lire("in.vse"), VALIDE);
        EXPECT_EQ(etatDuNom(rep / "out").st_nlink, 2u);
    }
    {
        Repertoire rep;
        rep.ecrire("in.vse", VALIDE);
        rep.ecrire("out", "ancienne reponse");
        ASSERT_EQ(::link((rep / "out").c_str(), (rep / "log").c_str()), 0);
        const auto r = lancerSurveille({"in.vse", "out", "log"}, rep.chemin());
        attendreRefus(r, "Ouverture du fichier log: même fichier que le fichier résultat", rep, "log", nullptr);
        EXPECT_EQ(rep.lire("out"), "ancienne reponse");
        EXPECT_EQ(rep.lire("in.vse"), VALIDE);
    }
}

// Finding 3: the log is the file to send, under one spelling or another.
TEST(SureteChemins, JournalEgalAuFichierAEmettre) {
    for (const char* log : {"out", "./out", "../" }) {
        Repertoire rep;
        ASSERT_EQ(::mkdir((rep / "d").c_str(), 0700), 0);
        rep.ecrire("d/in.vse", "junk\n");
        const std::string chemin = std::string(log) == "../" ? "../d/out" : log;
        SCOPED_TRACE(chemin);
        const auto r = lancerSurveille({"in.vse", "out", chemin}, rep / "d");
        attendreRefus(r, "Ouverture du fichier log: même fichier que le fichier résultat", rep, "", nullptr);
        EXPECT_EQ(rep.lire("d/in.vse"), "junk\n");
        EXPECT_FALSE(rep.existe("d/out"));
    }
}

// Finding 4: a file to send or a log that is a symbolic link, to a victim or
// to the input: the link is never followed, on a run that would deliver and
// on one that would fail.
TEST(SureteChemins, LiensSymboliquesRefuses) {
    struct Cas {
        std::string entree;
        bool journal;      // the link is the log (else the file to send)
        bool versEntree;   // the link points at the input
    };
    for (const Cas& cas : std::vector<Cas>{{VALIDE, false, false}, {ECHOUE, false, false}, {VALIDE, true, false},
                                           {ECHOUE, true, false}, {VALIDE, false, true}}) {
        SCOPED_TRACE(std::string(cas.journal ? "log" : "file to send") + (cas.versEntree ? " to the input" : ""));
        Repertoire rep;
        rep.ecrire("in.vse", cas.entree);
        rep.ecrire("victim", "x\n");
        ASSERT_EQ(::chmod((rep / "victim").c_str(), 0600), 0);
        const std::string cible = cas.versEntree ? rep / "in.vse" : rep / "victim";
        ASSERT_EQ(::symlink(cible.c_str(), (rep / "lien").c_str()), 0);
        const auto r = lancerSurveille({"in.vse", cas.journal ? "out" : "lien", cas.journal ? "lien" : "log"},
                                       rep.chemin());
        attendreRefus(r,
                      cas.journal ? "Ouverture du fichier log: est un lien symbolique"
                                  : "Ouverture du fichier résultat: est un lien symbolique",
                      rep, "log", cas.journal ? nullptr : message::IG004);
        EXPECT_EQ(rep.lire("victim"), "x\n");
        EXPECT_EQ(rep.lire("in.vse"), cas.entree);
        EXPECT_TRUE(S_ISLNK(etatDuNom(rep / "lien").st_mode));
        EXPECT_FALSE(rep.existe("out"));
    }
}

// Finding 5: a relative symbolic link as input, with TMPDIR set, would be
// moved where it names another file.
TEST(SureteChemins, EntreeLienSymboliqueRefusee) {
    Repertoire rep, tmp;
    rep.ecrire("reel.vse", VALIDE);
    tmp.ecrire("reel.vse", ECHOUE);
    ASSERT_EQ(::symlink("reel.vse", (rep / "in.vse").c_str()), 0);
    const auto r = lancerSurveille({"in.vse", "out", "log"}, rep.chemin(), tmp.chemin());
    attendreRefus(r, "Ouverture du fichier à traiter: est un lien symbolique", rep, "log", message::IG003);
    EXPECT_EQ(rep.fichiers(), (std::set<std::string>{"in.vse", "log", "reel.vse"}));
    EXPECT_EQ(rep.lire("reel.vse"), VALIDE);
    EXPECT_TRUE(S_ISLNK(etatDuNom(rep / "in.vse").st_mode));
    EXPECT_EQ(tmp.fichiers(), std::set<std::string>{"reel.vse"});
    EXPECT_EQ(tmp.lire("reel.vse"), ECHOUE);
}

// Finding 6: special files. /dev/null stays a device; a FIFO as input never
// blocks the run; a directory is no input and no file to send.
TEST(SureteChemins, FichiersSpeciauxRefuses) {
    {
        Repertoire rep;
        ASSERT_EQ(::mkfifo((rep / "in.vse").c_str(), 0600), 0);
        rep.ecrire("log", "ligne d'un run precedent\n");
        const auto r = lancerSurveille({"in.vse", "out", "log"}, rep.chemin());
        attendreRefus(r, "Ouverture du fichier à traiter: est un tube nommé", rep, "log", message::IG003);
        EXPECT_TRUE(S_ISFIFO(etatDuNom(rep / "in.vse").st_mode));
        EXPECT_EQ(rep.fichiers(), (std::set<std::string>{"in.vse", "log"}));
    }
    {
        Repertoire rep;
        ASSERT_EQ(::mkdir((rep / "in.vse").c_str(), 0700), 0);
        const auto r = lancerSurveille({"in.vse", "out", "log"}, rep.chemin());
        attendreRefus(r, "Ouverture du fichier à traiter: est un répertoire", rep, "log", message::IG003);
    }
    {
        Repertoire rep;
        rep.ecrire("in.vse", VALIDE);
        ASSERT_EQ(::mkdir((rep / "out").c_str(), 0700), 0);
        const auto r = lancerSurveille({"in.vse", "out", "log"}, rep.chemin());
        attendreRefus(r, "Ouverture du fichier résultat: est un répertoire", rep, "log", message::IG004);
        EXPECT_EQ(rep.lire("in.vse"), VALIDE);
    }
    {
        // A device node of its own, the same device as /dev/null: the test
        // never puts the machine's /dev/null at stake.
        Repertoire rep;
        rep.ecrire("in.vse", VALIDE);
        if (::mknod((rep / "null").c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0) {
            GTEST_SKIP() << "cannot make a device node here";
        }
        const auto r = lancerSurveille({"in.vse", rep / "null", "log"}, rep.chemin());
        attendreRefus(r, "Ouverture du fichier résultat: est un fichier spécial", rep, "log", message::IG004);
        const struct stat apres = etatDuNom(rep / "null");
        EXPECT_TRUE(S_ISCHR(apres.st_mode));
        EXPECT_EQ(apres.st_rdev, makedev(1, 3));
        EXPECT_EQ(rep.lire("in.vse"), VALIDE);
    }
}

// Finding 7: standard descriptors closed at start never become the log.
TEST(SureteChemins, FluxStandardsFermes) {
    {
        // The input is missing: its perror text goes nowhere, the log holds
        // the IG003 line alone.
        Repertoire rep;
        const auto r = lancerSurveille({"in.vse", "out", "log"}, rep.chemin(), "", {2});
        EXPECT_EQ(r.code, 1);
        EXPECT_TRUE(estLigneDeJournal(rep.lire("log"), message::IG003)) << rep.lire("log");
    }
    {
        // The -d trace of a delivering run goes nowhere; the log stays empty.
        Repertoire rep;
        rep.ecrire("in.vse", VALIDE);
        const auto r = lancerSurveille({"-d", "in.vse", "out", "log"}, rep.chemin(), "", {0, 1});
        EXPECT_EQ(r.code, 0);
        EXPECT_EQ(rep.lire("log"), "");
        EXPECT_EQ(rep.fichiers(), (std::set<std::string>{"log", "out"}));
    }
}

// Finding 8: what exit 1 leaves under the name of the file to send. Before
// the input is moved aside, an older file there is not touched (it may be an
// earlier run's answer); once the input was moved aside, nothing is left.
TEST(SureteChemins, AncienFichierAEmettre) {
    struct Cas {
        const char* nom;
        bool entree;        // the input exists
        bool tmpPris;       // its temporary name is taken
        std::string contenu;
        const char* ligne;
        bool garde;         // the older file to send is kept
    };
    for (const Cas& cas : std::vector<Cas>{{"IG003", false, false, "", message::IG003, true},
                                           {"IG009", true, true, VALIDE, message::IG009, true},
                                           {"IG014", true, false, ECHOUE, "IG014: Pas de VSE de base", false}}) {
        SCOPED_TRACE(cas.nom);
        Repertoire rep;
        if (cas.entree) rep.ecrire("in.vse", cas.contenu);
        if (cas.tmpPris) rep.ecrire("in.vse_r", "autre run");
        rep.ecrire("out", "reponse d'un run precedent");
        const auto r = lancerSurveille({"in.vse", "out", "log"}, rep.chemin());
        EXPECT_EQ(r.code, 1);
        EXPECT_TRUE(estLigneDeJournal(rep.lire("log"), cas.ligne)) << rep.lire("log");
        EXPECT_EQ(rep.existe("out"), cas.garde);
        if (cas.garde) {
            EXPECT_EQ(rep.lire("out"), "reponse d'un run precedent");
        }
        if (cas.entree) {
            EXPECT_EQ(rep.lire("in.vse"), cas.contenu);
        }
    }
}

// Finding 9: a temporary directory on another file system than the input, or
// than the file to send, is refused before anything moves, with a message
// that says so.
TEST(SureteChemins, RepertoireTemporaireSurUnAutreSysteme) {
    Repertoire rep;
    struct stat ici {}, shm {};
    if (::stat(rep.chemin().c_str(), &ici) != 0 || ::stat("/dev/shm", &shm) != 0 || !S_ISDIR(shm.st_mode) ||
        ici.st_dev == shm.st_dev) {
        GTEST_SKIP() << "no second file system (/dev/shm) beside " << rep.chemin();
    }
    char modele[] = "/dev/shm/telvaros-essai-XXXXXX";
    ASSERT_NE(::mkdtemp(modele), nullptr);
    const std::string autre = modele;
    {
        rep.ecrire("in.vse", VALIDE);
        const auto r = lancerSurveille({"in.vse", "out", "log"}, rep.chemin(), autre);
        attendreRefus(r, "Répertoire temporaire: pas sur le système de fichiers du fichier à traiter", rep, "log",
                      message::IG009);
        EXPECT_EQ(rep.fichiers(), (std::set<std::string>{"in.vse", "log"}));
        EXPECT_EQ(rep.lire("in.vse"), VALIDE);
    }
    {
        // The input and TMPDIR on one file system, the file to send on another.
        const std::string entree = autre + "/in.vse";
        std::ofstream(entree, std::ios::binary) << VALIDE;
        const auto r = lancerSurveille({entree, "out2", "log2"}, rep.chemin(), autre);
        attendreRefus(r, "Répertoire temporaire: pas sur le système de fichiers du fichier résultat", rep, "log2",
                      message::IG010);
        EXPECT_FALSE(rep.existe("out2"));
        std::ifstream f(entree, std::ios::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(f), {}), VALIDE);
        ::unlink(entree.c_str());
    }
    ::rmdir(autre.c_str());
}

// A link planted by another user in a sticky, world-writable directory
// (a shared spool): the run, as root, never truncates the root-owned file
// behind it, as file to send nor as log.
TEST(SureteChemins, LienPlanteDansUnRepertoireCollant) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to act as another user";
    if (::access("/usr/bin/setpriv", X_OK) != 0) GTEST_SKIP() << "setpriv not available";
    Repertoire base;
    ASSERT_EQ(::chmod(base.chemin().c_str(), 0755), 0);
    const std::string spool = base / "spool";
    ASSERT_EQ(::mkdir(spool.c_str(), 0777), 0);
    ASSERT_EQ(::chmod(spool.c_str(), 01777), 0);
    base.ecrire("secret", "donnees de root\n");
    ASSERT_EQ(::chmod((base / "secret").c_str(), 0600), 0);
    // "nobody" plants both links.
    const std::string commande = "/usr/bin/setpriv --reuid=65534 --regid=65534 --clear-groups /bin/sh -c 'ln -s " +
                                 (base / "secret") + " " + spool + "/out && ln -s " + (base / "secret") + " " +
                                 spool + "/log' 2>/dev/null";
    if (std::system(commande.c_str()) != 0) GTEST_SKIP() << "cannot act as another user here (setpriv refused)";
    struct stat lien = etatDuNom(spool + "/out");
    ASSERT_EQ(lien.st_uid, 65534u);
    base.ecrire("spool/in.vse", VALIDE);
    {
        const auto r = lancerSurveille({"in.vse", "out", "journal"}, spool);
        EXPECT_EQ(r.code, 1);
        EXPECT_EQ(r.erreur, "Ouverture du fichier résultat: est un lien symbolique\n");
    }
    {
        const auto r = lancerSurveille({"in.vse", "sortie", "log"}, spool);
        EXPECT_EQ(r.code, 1);
        EXPECT_EQ(r.erreur, "Ouverture du fichier log: est un lien symbolique\n");
    }
    EXPECT_EQ(base.lire("secret"), "donnees de root\n");
    EXPECT_EQ(base.lire("spool/in.vse"), VALIDE);
    EXPECT_FALSE(base.existe("spool/sortie"));
}

// What was checked is checked again once opened: a file swapped in between
// the check and the opening is neither emptied nor read.
TEST(SureteChemins, EchangeEntreVerificationEtOuverture) {
    Repertoire rep;
    rep.ecrire("out", "verifie");
    rep.ecrire("autre", "a garder");
    const sNom examine = examinerNom(rep / "out");
    ASSERT_TRUE(examine.existe);
    ASSERT_EQ(::rename((rep / "autre").c_str(), (rep / "out").c_str()), 0);
    bool remplace = false;
    EXPECT_EQ(ouvrirEnEcriture(examine, true, remplace), -1);
    EXPECT_TRUE(remplace);
    EXPECT_EQ(rep.lire("out"), "a garder");
    EXPECT_EQ(ouvrirEnLecture((rep / "out").c_str(), examine, remplace), -1);
    EXPECT_TRUE(remplace);

    // A name found absent is created exclusively: a file that took it since
    // is not opened.
    const sNom absent = examinerNom(rep / "nouveau");
    ASSERT_FALSE(absent.existe);
    rep.ecrire("nouveau", "arrive entre-temps");
    errno = 0;
    EXPECT_EQ(ouvrirEnEcriture(absent, false, remplace), -1);
    EXPECT_EQ(errno, EEXIST);
    EXPECT_EQ(rep.lire("nouveau"), "arrive entre-temps");

    // A link swapped in is not followed.
    ASSERT_EQ(::unlink((rep / "out").c_str()), 0);
    ASSERT_EQ(::symlink((rep / "nouveau").c_str(), (rep / "out").c_str()), 0);
    EXPECT_EQ(ouvrirEnEcriture(examine, true, remplace), -1);
    EXPECT_EQ(rep.lire("nouveau"), "arrive entre-temps");

    // The file examined, unchanged, is opened and emptied.
    rep.ecrire("propre", "ancien contenu");
    const sNom propre = examinerNom(rep / "propre");
    const int fd = ouvrirEnEcriture(propre, true, remplace);
    ASSERT_GE(fd, 0);
    ::close(fd);
    EXPECT_EQ(rep.lire("propre"), "");
}
