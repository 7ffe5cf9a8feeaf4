// The floor of a run: the file operations that one delivering run of telvaros
// makes, in the same order and with the same buffer sizes, and nothing else
// (no validation, no formatting). A whole run cannot cost less than this.
//
//   plancher <fichier a traiter> <fichier a emettre> <fichier log>
//
// Truncates or creates the log; opens the input to check it, then moves it
// aside under "<name>_r" without replacing anything; creates the file to send
// empty; creates the temporary result "<name>_e" and error "<name>_o" files
// (next to the file to send, as telvaros does without TMPDIR), each with a
// placeholder line of 256 blanks; copies the input into the temporary result
// through 64 KiB buffers; overwrites the placeholder; syncs and closes the
// result, closes and removes the error file, renames the result to the file
// to send, syncs its directory, removes the moved input and closes the log.
// Exit code 0, or 1 with the failing call reported.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr size_t TAMPON = 1 << 16;
constexpr int LONGUEUR_LIGNE = 256;

char entree[TAMPON];
char sortie[TAMPON];
size_t plein = 0;

[[noreturn]] void echec(const char* appel) {
    std::perror(appel);
    std::_Exit(1);
}

std::string repertoire(const std::string& chemin) {
    const auto s = chemin.rfind('/');
    return s == std::string::npos ? "." : chemin.substr(0, s == 0 ? 1 : s);
}

std::string nom(const std::string& chemin) {
    const auto s = chemin.rfind('/');
    return s == std::string::npos ? chemin : chemin.substr(s + 1);
}

void ecrireTout(int fd, const char* octets, size_t n) {
    while (n > 0) {
        const ssize_t e = ::write(fd, octets, n);
        if (e < 0) echec("write");
        octets += e;
        n -= static_cast<size_t>(e);
    }
}

// Buffered writes to the temporary result, flushed when the buffer is full.
void ecrireBuffer(int fd, const char* octets, size_t n) {
    while (n > 0) {
        const size_t k = n < TAMPON - plein ? n : TAMPON - plein;
        std::memcpy(sortie + plein, octets, k);
        plein += k;
        octets += k;
        n -= k;
        if (plein == TAMPON) {
            ecrireTout(fd, sortie, plein);
            plein = 0;
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fputs("usage: plancher <fichier a traiter> <fichier a emettre> <fichier log>\n", stderr);
        return 1;
    }
    const std::string recu = argv[1], emis = argv[2], log = argv[3];
    const std::string base = repertoire(emis) + "/" + nom(recu);
    const std::string tmpRecu = repertoire(recu) + "/" + nom(recu) + "_r";
    const std::string tmpEmis = base + "_e", erre = base + "_o";

    const int fdLog = ::open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fdLog < 0) echec("open log");
    struct stat etat;
    int fd = ::open(recu.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0 || ::fstat(fd, &etat) != 0) echec("open input");
    ::close(fd);
    if (::renameat2(AT_FDCWD, recu.c_str(), AT_FDCWD, tmpRecu.c_str(), RENAME_NOREPLACE) != 0) echec("rename");
    const int fdRecu = ::open(tmpRecu.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fdRecu < 0 || ::fstat(fdRecu, &etat) != 0) echec("open moved input");
    fd = ::open(emis.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0 || ::close(fd) != 0) echec("open file to send");
    const int fdEmis = ::open(tmpEmis.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fdEmis < 0) echec("open temporary result");
    const int fdErre = ::open(erre.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fdErre < 0) echec("open error file");

    char blancs[LONGUEUR_LIGNE + 1];
    std::memset(blancs, ' ', LONGUEUR_LIGNE);
    blancs[LONGUEUR_LIGNE] = '\n';
    ecrireBuffer(fdEmis, blancs, sizeof blancs);
    for (;;) {
        const ssize_t lus = ::read(fdRecu, entree, TAMPON);
        if (lus < 0) echec("read");
        if (lus == 0) break;
        ecrireBuffer(fdEmis, entree, static_cast<size_t>(lus));
    }
    ::close(fdRecu);
    ecrireTout(fdEmis, sortie, plein);
    if (::pwrite(fdEmis, blancs, LONGUEUR_LIGNE, 0) != LONGUEUR_LIGNE) echec("pwrite");
    if (::fsync(fdEmis) != 0 || ::close(fdEmis) != 0) echec("fsync");
    ecrireTout(fdErre, blancs, sizeof blancs);
    if (::close(fdErre) != 0 || ::unlink(erre.c_str()) != 0) echec("unlink");
    if (::rename(tmpEmis.c_str(), emis.c_str()) != 0) echec("rename");
    const int fdRep = ::open(repertoire(emis).c_str(), O_RDONLY | O_CLOEXEC | O_DIRECTORY);
    if (fdRep < 0 || ::fsync(fdRep) != 0 || ::close(fdRep) != 0) echec("fsync directory");
    if (::unlink(tmpRecu.c_str()) != 0) echec("unlink");
    ::close(fdLog);
    return 0;
}
