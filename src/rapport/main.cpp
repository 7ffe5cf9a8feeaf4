// telvaros-rapport: says, without touching the file, what telvaros would
// answer to it and why; or explains an error file already received.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "model/messages.h"
#include "rapport/affichage.h"
#include "rapport/analyse.h"
#include "rapport/erreurs_recues.h"

namespace {

constexpr char USAGE[] =
    "Usage : telvaros-rapport [--json] <fichier a traiter>\n"
    "        telvaros-rapport [--json] --erreurs <fichier d'erreur>\n"
    "\n"
    "  Lit le fichier sans le déplacer ni le modifier, et ne crée aucun fichier.\n"
    "  Sans option : pour chaque enregistrement en erreur, la ligne, le type, l'action,\n"
    "  l'identification et chaque erreur (champ, valeur lue, numéro, règle), puis le\n"
    "  résumé et la réponse que donnerait telvaros ; le code de sortie est le sien\n"
    "  (0 fichier résultat, 2 fichier d'erreur, 1 arrêt).\n"
    "  --json : la même chose, un objet JSON par ligne.\n"
    "  --erreurs : explique un fichier d'erreur reçu, numéro par numéro.\n"
    "  Code 3 : ligne de commande refusée.\n";

int usage(const char* raison) {
    if (raison != nullptr) std::fprintf(stderr, "telvaros-rapport : %s\n", raison);
    std::fputs(USAGE, stderr);
    return 3;
}

// Opens a file for reading only; the access time is left alone where the
// system allows it.
int ouvrirEnLecture(const char* chemin) {
    int fd = ::open(chemin, O_RDONLY | O_CLOEXEC | O_NOATIME);
    if (fd < 0 && errno == EPERM) fd = ::open(chemin, O_RDONLY | O_CLOEXEC);
    return fd;
}

}  // namespace

int main(int argc, char** argv) {
    bool json = false;
    bool erreurs = false;
    const char* chemin = nullptr;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--json") {
            json = true;
        } else if (a == "--erreurs") {
            erreurs = true;
        } else if (a == "-h" || a == "--aide" || a == "--help") {
            std::fputs(USAGE, stdout);
            return 3;
        } else if (a.size() > 1 && a[0] == '-') {
            return usage(("option inconnue : " + a).c_str());
        } else if (chemin != nullptr) {
            return usage("un seul fichier");
        } else {
            chemin = argv[i];
        }
    }
    if (chemin == nullptr) return usage("fichier manquant");

    const int fd = ouvrirEnLecture(chemin);
    if (erreurs) {
        if (fd < 0) {
            std::perror(chemin);
            return 1;
        }
        std::string contenu;
        char tampon[65536];
        for (;;) {
            const ssize_t n = ::read(fd, tampon, sizeof tampon);
            if (n < 0) {
                std::perror(chemin);
                ::close(fd);
                return 1;
            }
            if (n == 0) break;
            contenu.append(tampon, static_cast<size_t>(n));
        }
        ::close(fd);
        expliquerErreurs(stdout, chemin, contenu, json);
        return 0;
    }

    sRapport r;
    if (fd < 0) {
        // The tool could not open it either: it would stop with IG003.
        std::perror("Ouverture du fichier à traiter");
        r.code = 1;
        r.message = message::IG003;
    } else {
        r = analyser(fd);  // closes fd
    }
    if (json) {
        ecrireJson(stdout, r);
    } else {
        ecrireTexte(stdout, chemin, r);
    }
    std::fflush(stdout);
    return r.code;
}
