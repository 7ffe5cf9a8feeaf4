// Checks of the paths of a run, and openings that never follow a link.
#include "driver/chemins.h"

#include <fcntl.h>

#include <cerrno>

#include "driver/fichiers.h"
#include "driver/sorties.h"

namespace {

constexpr char CONTEXTE_LOG[] = "Ouverture du fichier log";
constexpr char CONTEXTE_RECU[] = "Ouverture du fichier à traiter";
constexpr char CONTEXTE_EMIS[] = "Ouverture du fichier résultat";
constexpr char CONTEXTE_TMP[] = "Répertoire temporaire";

// What a name that exists and is no regular file is.
const char* genreRefuse(const sNom& n) {
    if (!n.existe) return nullptr;
    const mode_t m = n.etat.st_mode;
    if (S_ISREG(m)) return nullptr;
    if (S_ISLNK(m)) return "est un lien symbolique";
    if (S_ISFIFO(m)) return "est un tube nommé";
    if (S_ISDIR(m)) return "est un répertoire";
    return "est un fichier spécial";
}

bool refuser(sRefus& r, const char* contexte, const std::string& raison, const char* ligne) {
    r.texte = std::string(contexte) + ": " + raison;
    r.ligne = ligne;
    r.errnoLog = 0;
    return false;
}

// The directory part of a path for the system: up to its last '/', "/" for a
// name at the root, "." for a name without '/'.
std::string repertoireDe(const std::string& chemin, std::string& base) {
    std::string::size_type fin = chemin.size();
    while (fin > 1 && chemin[fin - 1] == '/') --fin;  // "a/b/" names b in a
    const std::string sansFin = chemin.substr(0, fin);
    const auto barre = sansFin.rfind('/');
    if (barre == std::string::npos) {
        base = sansFin;
        return ".";
    }
    base = sansFin.substr(barre + 1);
    return barre == 0 ? std::string("/") : sansFin.substr(0, barre);
}

bool memeInode(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// The other names of the run, with the words that name them in a refusal.
struct Autre {
    const sNom* nom;
    const char* raison;
};

}  // namespace

sNom examinerNom(const std::string& chemin) {
    sNom n;
    n.chemin = chemin;
    if (ops::etatDuNom(chemin.c_str(), &n.etat) == 0) {
        n.connu = n.existe = true;
    } else {
        n.connu = errno == ENOENT;
    }
    const std::string repertoire = repertoireDe(chemin, n.base);
    struct stat r;
    if (!n.base.empty() && n.base != "." && n.base != ".." && ops::etat(repertoire.c_str(), &r) == 0) {
        n.repertoireConnu = true;
        n.repertoireDev = r.st_dev;
        n.repertoireIno = r.st_ino;
    }
    return n;
}

bool memeEntree(const sNom& a, const sNom& b) {
    return a.repertoireConnu && b.repertoireConnu && a.repertoireDev == b.repertoireDev &&
           a.repertoireIno == b.repertoireIno && a.base == b.base;
}

bool memeFichier(const sNom& a, const sNom& b) {
    return memeEntree(a, b) || (a.existe && b.existe && memeInode(a.etat, b.etat));
}

bool journalUtilisable(const sNomsDuRun& n) {
    if (genreRefuse(n.log) != nullptr) return false;
    for (const sNom* autre : {&n.recu, &n.emis, &n.tmpRecu, &n.tmpEmis, &n.erre}) {
        if (memeFichier(n.log, *autre)) return false;
    }
    return true;
}

bool verifierNoms(const sNomsDuRun& n, sRefus& r) {
    // The log first: when it is at fault, nothing is written anywhere.
    if (const char* genre = genreRefuse(n.log)) return refuser(r, CONTEXTE_LOG, genre, nullptr);
    if (memeFichier(n.log, n.recu)) {
        r.texte = CONTEXTE_LOG;
        r.ligne = nullptr;
        r.errnoLog = EEXIST;
        return false;
    }
    for (const Autre& a : {Autre{&n.emis, "même fichier que le fichier résultat"},
                           Autre{&n.tmpRecu, "même fichier que le fichier à traiter renommé"},
                           Autre{&n.tmpEmis, "même fichier que le fichier résultat temporaire"},
                           Autre{&n.erre, "même fichier que le fichier des erreurs"}}) {
        if (memeFichier(n.log, *a.nom)) return refuser(r, CONTEXTE_LOG, a.raison, nullptr);
    }

    // The input: a regular file under its own name. A missing input is
    // reported when it is opened.
    if (const char* genre = genreRefuse(n.recu)) return refuser(r, CONTEXTE_RECU, genre, message::IG003);

    // The file to send. It may be the input's own name: the input leaves that
    // name before the file to send is created, and the answer replaces it.
    if (const char* genre = genreRefuse(n.emis)) return refuser(r, CONTEXTE_EMIS, genre, message::IG004);
    if (!memeEntree(n.emis, n.recu) && memeFichier(n.emis, n.recu)) {
        return refuser(r, CONTEXTE_EMIS, "même fichier que le fichier à traiter", message::IG004);
    }
    for (const Autre& a : {Autre{&n.tmpRecu, "même fichier que le fichier à traiter renommé"},
                           Autre{&n.tmpEmis, "même fichier que le fichier résultat temporaire"},
                           Autre{&n.erre, "même fichier que le fichier des erreurs"}}) {
        if (memeFichier(n.emis, *a.nom)) return refuser(r, CONTEXTE_EMIS, a.raison, message::IG004);
    }
    // A temporary name that already is the input (a hard link).
    for (const Autre& a : {Autre{&n.tmpRecu, "même fichier que le fichier à traiter renommé"},
                           Autre{&n.tmpEmis, "même fichier que le fichier résultat temporaire"},
                           Autre{&n.erre, "même fichier que le fichier des erreurs"}}) {
        if (memeFichier(n.recu, *a.nom)) return refuser(r, CONTEXTE_RECU, a.raison, message::IG003);
    }

    // A name moves to its temporary name, and back, only within one file
    // system.
    auto autreSysteme = [](const sNom& a, const sNom& b) {
        return a.repertoireConnu && b.repertoireConnu && a.repertoireDev != b.repertoireDev;
    };
    if (autreSysteme(n.tmpRecu, n.recu)) {
        return refuser(r, CONTEXTE_TMP, "pas sur le système de fichiers du fichier à traiter", message::IG009);
    }
    if (autreSysteme(n.tmpEmis, n.emis) || autreSysteme(n.erre, n.emis)) {
        return refuser(r, CONTEXTE_TMP, "pas sur le système de fichiers du fichier résultat", message::IG010);
    }
    return true;
}

int ouvrirEnEcriture(const sNom& attendu, bool attenduExiste, bool& remplace) {
    remplace = false;
    const char* chemin = attendu.chemin.c_str();
    if (!attendu.connu || !attenduExiste) {
        // Created here and now: nothing can stand behind the name.
        const int fd = ops::ouvrir(chemin, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW);
        if (fd >= 0 || attendu.connu || errno != EEXIST) return fd;
    }
    const int fd = ops::ouvrir(chemin, O_WRONLY | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0) return -1;
    struct stat e;
    if (ops::etatOuvert(fd, &e) != 0) {
        const int erreur = errno;
        ops::fermer(fd);
        errno = erreur;
        return -1;
    }
    if (!S_ISREG(e.st_mode) || (attendu.connu && attenduExiste && !memeInode(e, attendu.etat))) {
        ops::fermer(fd);
        remplace = true;
        return -1;
    }
    if (ops::tronquer(fd) != 0) {
        const int erreur = errno;
        ops::fermer(fd);
        errno = erreur;
        return -1;
    }
    return fd;
}

int ouvrirEnLecture(const char* chemin, const sNom& attendu, bool& remplace) {
    remplace = false;
    const int fd = ops::ouvrir(chemin, O_RDONLY | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0) return -1;
    struct stat e;
    if (ops::etatOuvert(fd, &e) != 0) {
        const int erreur = errno;
        ops::fermer(fd);
        errno = erreur;
        return -1;
    }
    if (!S_ISREG(e.st_mode) || (attendu.existe && !memeInode(e, attendu.etat))) {
        ops::fermer(fd);
        remplace = true;
        return -1;
    }
    return fd;
}
