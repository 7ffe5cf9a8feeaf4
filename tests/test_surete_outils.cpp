#include "test_surete_outils.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "driver/fichiers.h"

using namespace essai;

namespace surete {

namespace {

std::vector<std::string> enregistrements(int nombre) {
    std::vector<std::string> l = {fich(nombre).texte()};
    for (int i = 0; i < nombre; ++i) l.push_back(entrValide().texte());
    return l;
}

}  // namespace

Scenario resultat(int nombre) { return {"resultat" + std::to_string(nombre), fichier(enregistrements(nombre)), 0}; }

Scenario refus(int nombre) {
    auto l = enregistrements(nombre);
    Vse mauvais = entrValide();
    mauvais.f5.assign(1, '-');  // no end mark
    l.back() = mauvais.texte();
    return {"refus" + std::to_string(nombre), fichier(l), 2};
}

Scenario sansEnregistrement() { return {"IG014", fichier({fich(0).texte()}), 1, "IG014: Pas de VSE de base"}; }

Scenario formatsMelanges(int nombre) {
    return {"IG008_" + std::to_string(nombre), fichier(enregistrements(nombre)) + entrValide().texte() + "\r\n", 1,
            "IG008: Differents formats de VSE (DOS, UNIX, MAC)"};
}

Scenario sansFich() {
    return {"IG011", fichier({entrValide().texte(), entrValide().texte()}), 1,
            "IG011: Données incorrectes ou absentes : VSE FICH n'existe pas"};
}

int lancerIci(const Essai& e) {
    ::setenv("TMPDIR", e.tmp.chemin().c_str(), 1);
    const int code = lancerEnProcessus({e.entree(), e.sortie(), e.journal()});
    ::unsetenv("TMPDIR");
    ops::remettreAZero();
    return code;
}

pid_t lancerFils(const std::function<int()>& corps) {
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid != 0) return pid;
    const int nul = ::open("/dev/null", O_WRONLY);
    ::dup2(nul, 1);
    ::dup2(nul, 2);
    ::_exit(corps());
}

int attendreFils(pid_t pid) {
    int statut = 0;
    if (::waitpid(pid, &statut, 0) != pid) return -1;
    return WIFEXITED(statut) ? WEXITSTATUS(statut) : 128 + WTERMSIG(statut);
}

std::string masquer(const std::string& contenu) {
    std::string masque;
    size_t debut = 0;
    while (debut < contenu.size()) {
        size_t fin = contenu.find_first_of("\r\n", debut);
        if (fin == std::string::npos) fin = contenu.size();
        masque += masquerHorodatage(contenu.substr(debut, fin - debut));
        // One line end: CR LF, CR or LF.
        const size_t longueurFin = contenu.compare(fin, 2, "\r\n") == 0 ? 2 : fin < contenu.size() ? 1 : 0;
        masque += contenu.substr(fin, longueurFin);
        debut = fin + longueurFin;
    }
    return masque;
}

}  // namespace surete
