// File operations of a run, and the buffered streams built on them.
//
// Every operation that touches the file system goes through the functions of
// `ops`, which count their calls: a test can make the Nth call fail with a
// chosen errno, and so prove that the run keeps its guarantees whatever
// operation fails.
#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <cstddef>
#include <cstring>
#include <string>
#include <vector>

namespace ops {

int ouvrir(const char* chemin, int drapeaux);                   // open; mode 0666 before umask
ssize_t lire(int fd, void* tampon, size_t n);                    // read
ssize_t ecrire(int fd, const void* octets, size_t n);            // write
ssize_t ecrireA(int fd, const void* octets, size_t n, off_t position);  // pwrite
int synchroniser(int fd);                                        // fsync
int fermer(int fd);                                              // close
int renommer(const char* de, const char* vers);                  // rename, replacing vers
int renommerSansEcraser(const char* de, const char* vers);       // rename; EEXIST when vers exists
int supprimer(const char* chemin);                               // unlink
int synchroniserRepertoire(const char* chemin);                  // fsync of the directory holding chemin
int tronquer(int fd);                                            // ftruncate to 0 bytes
int etat(const char* chemin, struct stat* e);                    // stat (follows a symbolic link)
int etatDuNom(const char* chemin, struct stat* e);               // lstat (the name itself)
int etatOuvert(int fd, struct stat* e);                          // fstat
// getenv; a fault makes the variable look unset.
const char* variable(const char* nom);

// Kinds of operation, for fault injection.
enum class Operation {
    toute, ouvrir, lire, ecrire, synchroniser, fermer, renommer, renommerSansEcraser, supprimer,
    synchroniserRepertoire, tronquer, etat, variable
};

// Short writes: from the call numbered `rang` (1-based, among the writes,
// counted from the last reset) on, every write hands at most `plafond` bytes
// to the file and reports that count, as a write interrupted by a signal or
// a full pipe does. 0 stops it.
void fixerEcrituresCourtes(long rang, size_t plafond);

// Short reads: from now on, the reads hand at most plafonds[0] bytes, then
// plafonds[1], and so on, starting again at the first when the list is
// used up, as reads from a pipe do (each at least 1: a read of 0 bytes is an
// end of file). An empty list stops it.
void fixerLecturesCourtes(const std::vector<size_t>& plafonds);

// Fault injection: the call numbered `rang` (1-based, counted from the last
// reset) among the calls of kind `genre` fails with `numeroErreur` without
// touching the file system. fixerPanne replaces the faults planned so far,
// ajouterPanne adds one (at most 4).
void fixerPanne(long rang, int numeroErreur, Operation genre = Operation::toute);
void ajouterPanne(long rang, int numeroErreur, Operation genre = Operation::toute);
// Calls made since the last reset, of every kind or of one kind.
long nombreAppels(Operation genre = Operation::toute);

// Crash simulation: the call numbered `rang` (1-based, all kinds counted from
// the last reset) kills the process with SIGKILL before it touches the file
// system, as a crash between two file operations would.
void fixerArret(long rang);

// One call, as recorded in a journal: its kind, its descriptor (the one
// returned for ouvrir) and the paths it names (ouvrir, renommer,
// renommerSansEcraser, supprimer, synchroniserRepertoire, etat), and for a
// replay of the run: the flags of an opening, the bytes a write handed to the
// file and where (-1: at the descriptor's offset).
struct Appel {
    Operation genre;
    int fd = -1;
    std::string chemin;
    std::string vers;  // the new name of a rename
    int drapeaux = 0;
    std::string octets;
    long long position = -1;
    bool reussi = false;  // the call did what it was asked
};
// Records every call from now on into `journal` (nullptr stops recording), so
// that a test can tell which file the Nth call touched.
void fixerJournal(std::vector<Appel>* journal);

// Forgets the counts, the planned faults and crash, and the journal.
void remettreAZero();

}  // namespace ops

// Input stream read through its buffer: a reader scans the unread bytes in
// place and says how many it has consumed.
class FichierEntree {
public:
    static constexpr long ERREUR = -2;  // read error

    FichierEntree() = default;
    FichierEntree(const FichierEntree&) = delete;
    FichierEntree& operator=(const FichierEntree&) = delete;
    ~FichierEntree();

    bool ouvrir(const char* chemin);
    // Reads from a descriptor already opened (and checked) by the caller.
    void adopter(int fd);
    // Reads from memory instead of a file (tests, benchmarks, fuzzing).
    void ouvrirMemoire(const char* octets, size_t longueur);
    bool estOuvert() const { return ouvert_; }

    // The unread bytes, read from the file when none is left: points *octets
    // at them and returns how many; 0 at the end of the input, ERREUR when
    // the file cannot be read (and from then on).
    long disponibles(const char** octets) {
        if (position_ == rempli_ && !remplir()) return erreur_ ? ERREUR : 0;
        *octets = donnees_ + position_;
        return static_cast<long>(rempli_ - position_);
    }
    // Consumes the first n of the bytes that disponibles() returned.
    void consommer(size_t n) { position_ += n; }
    bool fermer();

private:
    // Refills the buffer; false at the end of the input or on a read error.
    bool remplir();

    int fd_ = -1;
    bool ouvert_ = false;
    bool erreur_ = false;
    const char* donnees_ = nullptr;
    size_t position_ = 0;
    size_t rempli_ = 0;
    char tampon_[1 << 16];
};

// Output stream with its own buffer. Write errors are remembered, and
// reported by fermer(): a file that is to be delivered is only delivered when
// every byte of it reached the disk.
class FichierSortie {
public:
    FichierSortie() = default;
    FichierSortie(const FichierSortie&) = delete;
    FichierSortie& operator=(const FichierSortie&) = delete;
    ~FichierSortie();

    // Opens with open(2) flags; false (errno set) when the file cannot be opened.
    bool ouvrir(const char* chemin, int drapeaux);
    // Writes to a descriptor already opened (and checked) by the caller.
    void adopter(int fd);
    // Keeps everything written in memory (tests), or discards it (benchmarks).
    void ouvrirMemoire(std::string* memoire);
    void ouvrirNul();
    bool estOuvert() const { return ouvert_; }

    // Bytes that fit in the buffer are copied there at once; the others go
    // through ecrireParMorceaux, which empties the buffer as it fills.
    void ecrire(const char* octets, size_t n) {
        if (n <= sizeof tampon_ - plein_ && ouvert_ && !erreur_) {
            std::memcpy(tampon_ + plein_, octets, n);
            plein_ += n;
            return;
        }
        ecrireParMorceaux(octets, n);
    }
    void ecrire(char c) {
        if (plein_ < sizeof tampon_ && ouvert_ && !erreur_) {
            tampon_[plein_++] = c;
            return;
        }
        ecrireParMorceaux(&c, 1);
    }
    // Writes over the first n bytes of the file (the placeholder line).
    void reecrireDebut(const char* octets, size_t n);
    // Flushes, optionally syncs to disk, and closes. False when anything
    // written since the opening failed to reach the file.
    bool fermer(bool synchroniser);

private:
    bool vider();
    void ecrireParMorceaux(const char* octets, size_t n);

    int fd_ = -1;
    bool ouvert_ = false;
    bool erreur_ = false;
    std::string* memoire_ = nullptr;
    bool nul_ = false;
    size_t plein_ = 0;
    size_t ecrits_ = 0;  // bytes already handed to the file
    char tampon_[1 << 16];
};
