// Fuzz target: arbitrary bytes as the file to process, through a whole run
// (set-up, reader, record processing, closing, delivery) in this process, in
// a directory of its own. After each run the lifecycle's promises are
// checked, and a broken one aborts like a crash:
// - the exit code is 0, 1 or 2;
// - 0 or 2: the input is consumed, the log is empty, and the file to send is
//   a whole answer (lines of 256 characters, each ended by the same line end,
//   a summary record first, then accepted records or error records);
// - 1: the input is back under its name, unchanged, the file to send is
//   absent, and the log holds one line;
// - no temporary file is left behind.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "driver/telvaros.h"

namespace {

std::string racine;    // this process's directory
std::string tmpdir;    // the run's temporary directory, inside it
std::string entree, sortie, journal;
FILE* nul = nullptr;

[[noreturn]] void rompu(const char* promesse) {
    std::fprintf(stderr, "\nbroken promise: %s\n", promesse);
    std::abort();
}

bool existe(const std::string& chemin) {
    struct stat etat;
    return ::lstat(chemin.c_str(), &etat) == 0;
}

std::string lire(const std::string& chemin) {
    std::string contenu;
    const int fd = ::open(chemin.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return contenu;
    char tampon[65536];
    ssize_t n;
    while ((n = ::read(fd, tampon, sizeof tampon)) > 0) contenu.append(tampon, static_cast<size_t>(n));
    ::close(fd);
    return contenu;
}

void ecrire(const std::string& chemin, const uint8_t* octets, size_t taille) {
    const int fd = ::open(chemin.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) rompu("the input file can be written");
    while (taille > 0) {
        const ssize_t n = ::write(fd, octets, taille);
        if (n <= 0) rompu("the input file can be written");
        octets += n;
        taille -= static_cast<size_t>(n);
    }
    ::close(fd);
}

bool repertoireVide(const std::string& chemin) {
    DIR* d = ::opendir(chemin.c_str());
    if (d == nullptr) return false;
    bool vide = true;
    while (dirent* e = ::readdir(d)) {
        if (std::strcmp(e->d_name, ".") != 0 && std::strcmp(e->d_name, "..") != 0) vide = false;
    }
    ::closedir(d);
    return vide;
}

void nettoyer() {
    if (racine.empty()) return;
    for (const std::string* f : {&entree, &sortie, &journal}) ::unlink(f->c_str());
    if (DIR* d = ::opendir(tmpdir.c_str())) {
        while (dirent* e = ::readdir(d)) ::unlink((tmpdir + "/" + e->d_name).c_str());
        ::closedir(d);
    }
    ::rmdir(tmpdir.c_str());
    ::rmdir(racine.c_str());
}

bool estLigneDeJournal(const std::string& l) {
    return l.size() > 27 && l.compare(0, 3, "Le ") == 0 && l.back() == '\n' && l.find('\n') == l.size() - 1;
}

// A whole answer: lines of 256 characters, each followed by the line end of
// the first; a summary record first; then error records (exit 2) or records
// stamped "40" (exit 0; an ERRE ECQ record is copied as it is).
void verifierReponse(const std::string& r, int code) {
    if (r.size() < 257) rompu("the file to send holds a whole answer");
    const std::string fin = r.compare(256, 2, "\r\n") == 0 ? "\r\n" : r.substr(256, 1);
    if (fin != "\n" && fin != "\r" && fin != "\r\n") rompu("every line of the answer is 256 characters long");
    const size_t pas = 256 + fin.size();
    if (r.size() % pas != 0) rompu("the answer is made of whole lines");
    for (size_t debut = 0; debut < r.size(); debut += pas) {
        if (r.compare(debut + 256, fin.size(), fin) != 0) rompu("every line ends with the same line end");
        const std::string ligne = r.substr(debut, 256);
        if (ligne.find_first_of("\r\n") != std::string::npos) rompu("no line end inside a line");
        if (debut == 0) {
            if (ligne.compare(18, 3, "INF") != 0) rompu("the answer begins with its summary record");
        } else if (code == 2) {
            if (ligne.compare(18, 7, "ERRERRE") != 0) rompu("an error file holds error records");
        } else if (ligne.compare(76, 2, "40") != 0 && ligne.compare(18, 7, "ECQERRE") != 0) {
            rompu("a result file holds accepted records");
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // /dev/shm when there is one: syncing a file there costs nothing.
    struct stat etat;
    std::string base = "/tmp";
    if (::stat("/dev/shm", &etat) == 0 && S_ISDIR(etat.st_mode) && ::access("/dev/shm", W_OK) == 0) {
        base = "/dev/shm";
    } else if (const char* t = std::getenv("TMPDIR"); t != nullptr && *t != '\0') {
        base = t;
    }
    std::string modele = base + "/telvaros-fuzz-XXXXXX";
    if (::mkdtemp(modele.data()) == nullptr) rompu("a working directory can be made");
    racine = modele;
    tmpdir = racine + "/tmp";
    if (::mkdir(tmpdir.c_str(), 0700) != 0) rompu("a working directory can be made");
    entree = racine + "/in.vse";
    sortie = racine + "/out.vse";
    journal = racine + "/log.txt";
    nul = std::fopen("/dev/null", "w");
    if (nul == nullptr) rompu("/dev/null can be opened");
    std::atexit(nettoyer);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* octets, size_t taille) {
    ecrire(entree, octets, taille);
    // The display options are chosen by the size, so that every input is
    // replayed the same way and the traces are fuzzed too.
    char programme[] = "telvaros", optionI[] = "-i", optionD[] = "-d";
    char* argv[6] = {programme};
    int argc = 1;
    if (taille % 3 == 1) argv[argc++] = optionI;
    if (taille % 3 == 2) argv[argc++] = optionD;
    argv[argc++] = entree.data();
    argv[argc++] = sortie.data();
    argv[argc++] = journal.data();
    argv[argc] = nullptr;

    // The run's own output goes nowhere; the fuzzer and the sanitizers keep
    // the real standard error.
    const char* tmpdirAvant = std::getenv("TMPDIR");
    const std::string ancienTmpdir = tmpdirAvant != nullptr ? tmpdirAvant : "";
    ::setenv("TMPDIR", tmpdir.c_str(), 1);
    FILE* const vraiStdout = stdout;
    FILE* const vraiStderr = stderr;
    stdout = nul;
    stderr = nul;
    const int code = telvaros(argc, argv);
    std::fflush(nul);
    stdout = vraiStdout;
    stderr = vraiStderr;
    if (tmpdirAvant != nullptr) {
        ::setenv("TMPDIR", ancienTmpdir.c_str(), 1);
    } else {
        ::unsetenv("TMPDIR");
    }

    if (code != 0 && code != 1 && code != 2) rompu("the exit code is 0, 1 or 2");
    if (!repertoireVide(tmpdir)) rompu("no temporary file is left behind");
    const std::string log = lire(journal);
    if (code == 1) {
        if (existe(sortie)) rompu("a failing run leaves no file to send");
        if (!existe(entree)) rompu("a failing run puts the input back");
        const std::string remis = lire(entree);
        if (remis.size() != taille || (taille > 0 && std::memcmp(remis.data(), octets, taille) != 0)) {
            rompu("the input is put back unchanged");
        }
        if (!estLigneDeJournal(log)) rompu("a failing run logs one line");
    } else {
        if (existe(entree)) rompu("a delivering run consumes its input");
        if (!log.empty()) rompu("a delivering run leaves the log empty");
        verifierReponse(lire(sortie), code);
    }
    ::unlink(entree.c_str());
    ::unlink(sortie.c_str());
    ::unlink(journal.c_str());
    return 0;
}
