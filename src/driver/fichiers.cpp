// File operations and buffered streams.
#include "driver/fichiers.h"

#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>

namespace ops {
namespace {

constexpr int NB_GENRES = static_cast<int>(Operation::variable) + 1;
long appels[NB_GENRES] = {};

struct Panne {
    Operation genre;
    long rang;
    int numeroErreur;
};
Panne pannes[4];
int nbPannes = 0;
long rangArret = 0;
std::vector<Appel>* journal = nullptr;
long rangCourtes = 0;
size_t plafondCourtes = 0;
std::vector<size_t> plafondsLectures;
size_t prochainPlafondLecture = 0;

// Records the outcome of the call just counted.
void noter(bool reussi) {
    if (journal != nullptr) journal->back().reussi = reussi;
}

// Bytes one write may hand to the file (short writes planned by a test).
size_t plafonne(size_t n) {
    if (rangCourtes > 0 && appels[static_cast<int>(Operation::ecrire)] >= rangCourtes && n > plafondCourtes) {
        return plafondCourtes;
    }
    return n;
}

// Bytes one read may ask for (short reads planned by a test).
size_t plafonneLecture(size_t n) {
    if (plafondsLectures.empty()) return n;
    const size_t plafond = plafondsLectures[prochainPlafondLecture];
    prochainPlafondLecture = (prochainPlafondLecture + 1) % plafondsLectures.size();
    return n < plafond ? n : plafond;
}

// Records what a write handed to the file.
void noterEcriture(const void* octets, ssize_t ecrit, long long position) {
    if (journal == nullptr) return;
    Appel& a = journal->back();
    a.reussi = ecrit >= 0;
    a.position = position;
    if (ecrit > 0) a.octets.assign(static_cast<const char*>(octets), static_cast<size_t>(ecrit));
}

// Counts one call (and records it when a journal is kept); true when this
// call is one chosen to fail.
bool enPanne(Operation genre, int fd = -1, const char* chemin = nullptr, const char* vers = nullptr) {
    ++appels[static_cast<int>(Operation::toute)];
    ++appels[static_cast<int>(genre)];
    if (journal != nullptr) {
        Appel a;
        a.genre = genre;
        a.fd = fd;
        if (chemin != nullptr) a.chemin = chemin;
        if (vers != nullptr) a.vers = vers;
        journal->push_back(std::move(a));
    }
    if (appels[static_cast<int>(Operation::toute)] == rangArret) ::raise(SIGKILL);
    for (int i = 0; i < nbPannes; ++i) {
        const Panne& p = pannes[i];
        if ((p.genre == Operation::toute || p.genre == genre) && appels[static_cast<int>(p.genre)] == p.rang) {
            errno = p.numeroErreur;
            return true;
        }
    }
    return false;
}

}  // namespace

void fixerPanne(long rang, int numeroErreur, Operation genre) {
    nbPannes = 0;
    ajouterPanne(rang, numeroErreur, genre);
}
void ajouterPanne(long rang, int numeroErreur, Operation genre) {
    if (rang > 0 && nbPannes < 4) pannes[nbPannes++] = {genre, rang, numeroErreur};
}
long nombreAppels(Operation genre) { return appels[static_cast<int>(genre)]; }
void fixerArret(long rang) { rangArret = rang; }
void fixerJournal(std::vector<Appel>* j) { journal = j; }
void fixerEcrituresCourtes(long rang, size_t plafond) {
    rangCourtes = plafond > 0 ? rang : 0;
    plafondCourtes = plafond;
}
void fixerLecturesCourtes(const std::vector<size_t>& plafonds) {
    plafondsLectures = plafonds;
    prochainPlafondLecture = 0;
}
void remettreAZero() {
    for (long& n : appels) n = 0;
    nbPannes = 0;
    rangArret = 0;
    journal = nullptr;
    rangCourtes = 0;
    plafondCourtes = 0;
    plafondsLectures.clear();
    prochainPlafondLecture = 0;
}

int ouvrir(const char* chemin, int drapeaux) {
    if (enPanne(Operation::ouvrir, -1, chemin)) return -1;
    int fd;
    do {
        fd = ::open(chemin, drapeaux | O_CLOEXEC, 0666);
    } while (fd < 0 && errno == EINTR);
    if (journal != nullptr) {
        journal->back().fd = fd;
        journal->back().drapeaux = drapeaux;
    }
    noter(fd >= 0);
    return fd;
}

ssize_t lire(int fd, void* tampon, size_t n) {
    if (enPanne(Operation::lire, fd)) return -1;
    n = plafonneLecture(n);
    ssize_t lu;
    do {
        lu = ::read(fd, tampon, n);
    } while (lu < 0 && errno == EINTR);
    return lu;
}

ssize_t ecrire(int fd, const void* octets, size_t n) {
    if (enPanne(Operation::ecrire, fd)) return -1;
    ssize_t ecrit;
    n = plafonne(n);
    do {
        ecrit = ::write(fd, octets, n);
    } while (ecrit < 0 && errno == EINTR);
    noterEcriture(octets, ecrit, -1);
    return ecrit;
}

ssize_t ecrireA(int fd, const void* octets, size_t n, off_t position) {
    if (enPanne(Operation::ecrire, fd)) return -1;
    ssize_t ecrit;
    n = plafonne(n);
    do {
        ecrit = ::pwrite(fd, octets, n, position);
    } while (ecrit < 0 && errno == EINTR);
    noterEcriture(octets, ecrit, position);
    return ecrit;
}

int synchroniser(int fd) {
    if (enPanne(Operation::synchroniser, fd)) return -1;
    const int r = ::fsync(fd);
    noter(r == 0);
    return r;
}

int fermer(int fd) {
    if (enPanne(Operation::fermer, fd)) {
        ::close(fd);  // the descriptor is released whatever close reports
        return -1;
    }
    const int r = ::close(fd);
    noter(r == 0);
    return r;
}

int renommer(const char* de, const char* vers) {
    if (enPanne(Operation::renommer, -1, de, vers)) return -1;
    const int r = ::rename(de, vers);
    noter(r == 0);
    return r;
}

int renommerSansEcraser(const char* de, const char* vers) {
    if (enPanne(Operation::renommerSansEcraser, -1, de, vers)) return -1;
    if (::renameat2(AT_FDCWD, de, AT_FDCWD, vers, RENAME_NOREPLACE) == 0) {
        noter(true);
        return 0;
    }
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) return -1;
    // File systems without the exclusive rename: a hard link fails when the
    // name is taken, and the old name is dropped only once the new one exists.
    if (::link(de, vers) != 0) return -1;
    if (::unlink(de) != 0) {
        const int e = errno;
        ::unlink(vers);
        errno = e;
        return -1;
    }
    noter(true);
    return 0;
}

int supprimer(const char* chemin) {
    if (enPanne(Operation::supprimer, -1, chemin)) return -1;
    const int r = ::unlink(chemin);
    noter(r == 0);
    return r;
}

int tronquer(int fd) {
    if (enPanne(Operation::tronquer, fd)) return -1;
    int r;
    do {
        r = ::ftruncate(fd, 0);
    } while (r != 0 && errno == EINTR);
    noter(r == 0);
    return r;
}

int etat(const char* chemin, struct stat* e) {
    if (enPanne(Operation::etat, -1, chemin)) return -1;
    const int r = ::stat(chemin, e);
    noter(r == 0);
    return r;
}

int etatDuNom(const char* chemin, struct stat* e) {
    if (enPanne(Operation::etat, -1, chemin)) return -1;
    const int r = ::lstat(chemin, e);
    noter(r == 0);
    return r;
}

int etatOuvert(int fd, struct stat* e) {
    if (enPanne(Operation::etat, fd)) return -1;
    const int r = ::fstat(fd, e);
    noter(r == 0);
    return r;
}

const char* variable(const char* nom) {
    if (enPanne(Operation::variable, -1, nom)) return nullptr;
    const char* valeur = std::getenv(nom);
    noter(valeur != nullptr);
    return valeur;
}

int synchroniserRepertoire(const char* chemin) {
    if (enPanne(Operation::synchroniserRepertoire, -1, chemin)) return -1;
    // The directory part: up to the last '/', "/" for a file at the root,
    // "." for a name without directory.
    const char* barre = std::strrchr(chemin, '/');
    const std::string repertoire = barre == nullptr ? std::string(".")
                                   : barre == chemin ? std::string("/")
                                                     : std::string(chemin, static_cast<size_t>(barre - chemin));
    const int fd = ::open(repertoire.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return -1;
    const int resultat = ::fsync(fd);
    const int e = errno;
    ::close(fd);
    errno = e;
    // Some file systems cannot sync a directory; the rename is then as durable
    // as they make it.
    if (resultat != 0 && (errno == EINVAL || errno == ENOTSUP)) {
        noter(true);
        return 0;
    }
    noter(resultat == 0);
    return resultat;
}

}  // namespace ops

FichierEntree::~FichierEntree() {
    if (fd_ >= 0) ops::fermer(fd_);
}

bool FichierEntree::ouvrir(const char* chemin) {
    const int fd = ops::ouvrir(chemin, O_RDONLY);
    if (fd < 0) return false;
    adopter(fd);
    return true;
}

void FichierEntree::adopter(int fd) {
    fd_ = fd;
    ouvert_ = true;
    erreur_ = false;
    donnees_ = tampon_;
    position_ = rempli_ = 0;
}

void FichierEntree::ouvrirMemoire(const char* octets, size_t longueur) {
    fd_ = -1;
    ouvert_ = true;
    erreur_ = false;
    donnees_ = octets;
    position_ = 0;
    rempli_ = longueur;
}

bool FichierEntree::remplir() {
    if (fd_ < 0 || erreur_) return false;
    const ssize_t lu = ops::lire(fd_, tampon_, sizeof tampon_);
    if (lu < 0) {
        erreur_ = true;
        return false;
    }
    position_ = 0;
    rempli_ = static_cast<size_t>(lu);
    return lu > 0;
}

bool FichierEntree::fermer() {
    if (!ouvert_) return true;
    ouvert_ = false;
    if (fd_ < 0) return true;
    const int fd = fd_;
    fd_ = -1;
    return ops::fermer(fd) == 0;
}

FichierSortie::~FichierSortie() {
    if (fd_ >= 0) ops::fermer(fd_);
}

bool FichierSortie::ouvrir(const char* chemin, int drapeaux) {
    const int fd = ops::ouvrir(chemin, drapeaux);
    if (fd < 0) return false;
    adopter(fd);
    return true;
}

void FichierSortie::adopter(int fd) {
    fd_ = fd;
    ouvert_ = true;
    erreur_ = false;
    memoire_ = nullptr;
    nul_ = false;
    plein_ = ecrits_ = 0;
}

void FichierSortie::ouvrirMemoire(std::string* memoire) {
    fd_ = -1;
    ouvert_ = true;
    erreur_ = false;
    memoire_ = memoire;
    memoire_->clear();
    nul_ = false;
    plein_ = ecrits_ = 0;
}

void FichierSortie::ouvrirNul() {
    fd_ = -1;
    ouvert_ = true;
    erreur_ = false;
    memoire_ = nullptr;
    nul_ = true;
    plein_ = ecrits_ = 0;
}

bool FichierSortie::vider() {
    size_t fait = 0;
    while (fait < plein_) {
        if (nul_) {
            fait = plein_;
            break;
        }
        if (memoire_ != nullptr) {
            memoire_->append(tampon_ + fait, plein_ - fait);
            fait = plein_;
            break;
        }
        const ssize_t n = ops::ecrire(fd_, tampon_ + fait, plein_ - fait);
        if (n <= 0) {
            erreur_ = true;
            break;
        }
        fait += static_cast<size_t>(n);
    }
    ecrits_ += plein_;
    plein_ = 0;
    return !erreur_;
}

void FichierSortie::ecrireParMorceaux(const char* octets, size_t n) {
    if (!ouvert_ || erreur_) return;
    while (n > 0) {
        if (plein_ == sizeof tampon_ && !vider()) return;
        const size_t place = sizeof tampon_ - plein_;
        const size_t morceau = n < place ? n : place;
        std::memcpy(tampon_ + plein_, octets, morceau);
        plein_ += morceau;
        octets += morceau;
        n -= morceau;
    }
}

void FichierSortie::reecrireDebut(const char* octets, size_t n) {
    if (!ouvert_ || erreur_) return;
    if (ecrits_ == 0 && n <= plein_) {
        // The start of the file is still in the buffer.
        std::memcpy(tampon_, octets, n);
        return;
    }
    if (!vider()) return;
    if (nul_) return;
    if (memoire_ != nullptr) {
        memoire_->replace(0, n, octets, n);
        return;
    }
    size_t fait = 0;
    while (fait < n) {
        const ssize_t e = ops::ecrireA(fd_, octets + fait, n - fait, static_cast<off_t>(fait));
        if (e <= 0) {
            erreur_ = true;
            return;
        }
        fait += static_cast<size_t>(e);
    }
}

bool FichierSortie::fermer(bool synchroniser) {
    if (!ouvert_) return !erreur_;
    ouvert_ = false;
    if (!erreur_) vider();
    if (fd_ < 0) return !erreur_;
    if (!erreur_ && synchroniser && ops::synchroniser(fd_) != 0) erreur_ = true;
    const int fd = fd_;
    fd_ = -1;
    if (ops::fermer(fd) != 0) erreur_ = true;
    return !erreur_;
}
