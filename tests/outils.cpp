#include "outils.h"

#include "driver/telvaros.h"

#include <gtest/gtest.h>

#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <utility>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <regex>
#include <sstream>
#include <stdexcept>

extern char** environ;

namespace essai {
namespace {

std::string ajuster(const std::string& valeur, size_t largeur) {
    std::string s = valeur.substr(0, largeur);
    s.resize(largeur, ' ');
    return s;
}

void supprimerArbre(const std::string& chemin) {
    DIR* d = opendir(chemin.c_str());
    if (d != nullptr) {
        while (dirent* e = readdir(d)) {
            const std::string nom = e->d_name;
            if (nom == "." || nom == "..") continue;
            const std::string complet = chemin + "/" + nom;
            struct stat s;
            if (lstat(complet.c_str(), &s) == 0 && S_ISDIR(s.st_mode)) {
                supprimerArbre(complet);
            } else {
                unlink(complet.c_str());
            }
        }
        closedir(d);
    }
    rmdir(chemin.c_str());
}

}  // namespace

std::string Vse::texte() const {
    std::string t;
    t.reserve(256);
    t += ajuster(e1, 1) + ajuster(e2, 1) + ajuster(e3, 8) + ajuster(e4, 8) + ajuster(e5, 3) + ajuster(e6, 4) +
         ajuster(e7, 1) + ajuster(e8, 8) + ajuster(e9, 8) + ajuster(e10, 8) + ajuster(e11, 10) + ajuster(e12, 1) +
         ajuster(e13, 1);
    t += ajuster(corps, 168);
    t += ajuster(f1, 8) + ajuster(f2, 6) + ajuster(f3, 3) + ajuster(f4, 8) + ajuster(f5, 1);
    return t;
}

Vse& Vse::colonnes(int colonne, const std::string& valeur) {
    if (colonne < 63 || colonne + static_cast<int>(valeur.size()) - 1 > 230) {
        throw std::out_of_range("body columns are 63 to 230");
    }
    corps.resize(168, ' ');
    corps.replace(static_cast<size_t>(colonne - 63), valeur.size(), valeur);
    return *this;
}

Vse fich(int nombre, const std::string& numeroFichier) {
    Vse v;
    v.e5 = "INF";
    v.e6 = "FICH";
    char compte[16];
    std::snprintf(compte, sizeof compte, "%06d", nombre);
    v.colonnes(63, ajuster(numeroFichier, 16));
    v.colonnes(95, compte);
    v.colonnes(119, "REF001");
    return v;
}

Vse exp1(const std::string& lien) {
    Vse v;
    v.e6 = "EXP1";
    v.colonnes(63, "FR").colonnes(65, lien).colonnes(79, "EARL").colonnes(113, "DUPONT");
    v.colonnes(143, "JEAN").colonnes(173, "75001").colonnes(178, "PARIS").colonnes(222, "10");
    return v;
}

Vse exp2(const std::string& lien) {
    Vse v;
    v.e6 = "EXP2";
    v.colonnes(63, "FR").colonnes(65, lien).colonnes(79, "FR").colonnes(81, "01234567    ");
    v.colonnes(97, "FR").colonnes(99, "01234567    ");
    v.colonnes(141, "15062024").colonnes(149, "15062024");
    return v;
}

Vse vide(const std::string& type, const std::string& action) {
    Vse v;
    v.e6 = type;
    v.e5 = action;
    return v;
}

Vse avec(Vse v, const std::vector<std::pair<int, std::string>>& champs) {
    for (const auto& [colonne, valeur] : champs) v.colonnes(colonne, valeur);
    return v;
}

std::string numero(size_t n, int largeur) {
    char texte[32];
    std::snprintf(texte, sizeof texte, "%0*zu", largeur, n);
    return texte;
}

std::vector<int> codesErreur(const std::string& erre) {
    std::vector<int> codes;
    for (int c = 112; c + 4 <= 230; c += 5) {
        const std::string groupe = col(erre, c, c + 4);
        if (groupe == "     ") break;
        if (groupe[0] != 'I' || groupe[4] != '1') {
            codes.push_back(-1);
            break;
        }
        codes.push_back(std::stoi(groupe.substr(1, 3)));
    }
    return codes;
}

Vse entrValide() {
    Vse v;
    v.e6 = "ENTR";
    v.colonnes(63, "FR");             // C1 country of the bovine
    v.colonnes(65, "0112345678  ");   // C2 national number
    v.colonnes(77, "  ");             // C3 status
    v.colonnes(79, "15062024");       // C4 date of entry
    v.colonnes(87, "A");              // C5 cause
    v.colonnes(88, "FR");             // C6 country of the holding
    v.colonnes(90, "01234567    ");   // C7 holding
    v.colonnes(102, "FR");            // C8 country of the provenance
    v.colonnes(104, "02345678    ");  // C9 provenance holding
    v.colonnes(185, "16062024");      // C13 date
    return v;
}

std::string lireExemple(const std::string& nom) {
    std::ifstream f(std::string(TELVAROS_SOURCE) + "/examples/" + nom, std::ios::binary);
    if (!f) throw std::runtime_error("example file not found: " + nom);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

std::string fichier(const std::vector<std::string>& lignes, const std::string& finDeLigne) {
    std::string contenu;
    for (const auto& l : lignes) contenu += l + finDeLigne;
    return contenu;
}

std::vector<std::string> lignes(const std::string& contenu, const std::string& finDeLigne) {
    std::vector<std::string> resultat;
    size_t debut = 0;
    while (debut < contenu.size()) {
        const size_t fin = contenu.find(finDeLigne, debut);
        if (fin == std::string::npos) {
            resultat.push_back(contenu.substr(debut));
            break;
        }
        resultat.push_back(contenu.substr(debut, fin - debut));
        debut = fin + finDeLigne.size();
    }
    return resultat;
}

std::string col(const std::string& ligne, int debut, int fin) {
    return ligne.substr(static_cast<size_t>(debut - 1), static_cast<size_t>(fin - debut + 1));
}

std::string masquerHorodatage(const std::string& ligne) {
    static const std::regex horodatage("[0-3][0-9][01][0-9][0-9]{4}[0-2][0-9][0-5][0-9][0-5][0-9]025        \\*");
    if (ligne.size() != 256) return ligne;
    if (!std::regex_match(ligne.substr(230), horodatage)) return ligne;
    std::string masquee = ligne;
    masquee.replace(230, 14, std::string(14, '#'));
    return masquee;
}

bool estLigneDeJournal(const std::string& ligne, const std::string& message) {
    static const std::regex entete("Le [0-3][0-9]/[01][0-9]/[0-9]{4} a [0-2][0-9]:[0-5][0-9]:[0-5][0-9] : ");
    if (ligne.size() < 27) return false;
    return std::regex_match(ligne.substr(0, 27), entete) && ligne.substr(27) == message + "\n";
}

Repertoire::Repertoire() {
    const char* racine = std::getenv("TEST_TMPDIR");
    std::string modele = std::string(racine != nullptr ? racine : "/tmp") + "/telvaros-essai-XXXXXX";
    std::vector<char> tampon(modele.begin(), modele.end());
    tampon.push_back('\0');
    if (mkdtemp(tampon.data()) == nullptr) throw std::runtime_error("mkdtemp");
    chemin_ = tampon.data();
}

Repertoire::~Repertoire() { supprimerArbre(chemin_); }

void Repertoire::ecrire(const std::string& nom, const std::string& contenu) const {
    std::ofstream f(*this / nom, std::ios::binary);
    f << contenu;
}

std::string Repertoire::lire(const std::string& nom) const {
    std::ifstream f(*this / nom, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

bool Repertoire::existe(const std::string& nom) const {
    struct stat s;
    return lstat((*this / nom).c_str(), &s) == 0;
}

std::set<std::string> Repertoire::fichiers() const {
    std::set<std::string> noms;
    DIR* d = opendir(chemin_.c_str());
    if (d == nullptr) return noms;
    while (dirent* e = readdir(d)) {
        const std::string nom = e->d_name;
        if (nom != "." && nom != "..") noms.insert(nom);
    }
    closedir(d);
    return noms;
}

Resultat lancerProgramme(const std::string& binaire, const std::vector<std::string>& arguments,
                         const std::string& repertoire, std::vector<std::string> environnement) {
    int sortie[2], erreur[2];
    if (pipe(sortie) != 0 || pipe(erreur) != 0) throw std::runtime_error("pipe");
    const pid_t pid = fork();
    if (pid < 0) throw std::runtime_error("fork");
    if (pid == 0) {
        dup2(sortie[1], 1);
        dup2(erreur[1], 2);
        close(sortie[0]);
        close(erreur[0]);
        close(sortie[1]);
        close(erreur[1]);
        if (chdir(repertoire.c_str()) != 0) _exit(126);
        std::vector<char*> argv;
        argv.push_back(const_cast<char*>(binaire.c_str()));
        for (const auto& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        std::vector<char*> envp;
        for (auto& e : environnement) envp.push_back(e.data());
        envp.push_back(nullptr);
        execve(binaire.c_str(), argv.data(), envp.data());
        _exit(127);
    }
    close(sortie[1]);
    close(erreur[1]);
    Resultat r;
    pollfd fds[2] = {{sortie[0], POLLIN, 0}, {erreur[0], POLLIN, 0}};
    int ouverts = 2;
    char tampon[65536];
    while (ouverts > 0) {
        if (poll(fds, 2, -1) < 0) break;
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || fds[i].revents == 0) continue;
            const ssize_t n = read(fds[i].fd, tampon, sizeof tampon);
            if (n <= 0) {
                close(fds[i].fd);
                fds[i].fd = -1;
                --ouverts;
            } else {
                (i == 0 ? r.sortie : r.erreur).append(tampon, static_cast<size_t>(n));
            }
        }
    }
    int statut = 0;
    waitpid(pid, &statut, 0);
    r.code = WIFEXITED(statut) ? WEXITSTATUS(statut) : 128 + WTERMSIG(statut);
    return r;
}

Resultat lancer(const std::vector<std::string>& arguments, const std::string& repertoire,
                const std::optional<std::string>& tmpdir) {
    std::vector<std::string> env;
    for (char** e = environ; *e != nullptr; ++e) {
        if (std::strncmp(*e, "TMPDIR=", 7) != 0) env.emplace_back(*e);
    }
    if (tmpdir) env.push_back("TMPDIR=" + *tmpdir);
    return lancerProgramme(TELVAROS_BINAIRE, arguments, repertoire, std::move(env));
}

Resultat valider(const Repertoire& rep, const std::string& contenu, const std::vector<std::string>& options) {
    rep.ecrire("in.txt", contenu);
    std::vector<std::string> arguments = options;
    arguments.insert(arguments.end(), {"in.txt", "out.txt", "log.txt"});
    return lancer(arguments, rep.chemin());
}

int lancerEnProcessus(const std::vector<std::string>& arguments) {
    std::vector<std::string> copies = {"telvaros"};
    copies.insert(copies.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (auto& a : copies) argv.push_back(a.data());
    argv.push_back(nullptr);
    return telvaros(static_cast<int>(copies.size()), argv.data());
}

namespace {

std::string colonnes(const std::string& ligne, int debut, int fin) {
    std::string c;
    for (int i = debut; i <= fin; ++i) c += i <= static_cast<int>(ligne.size()) ? ligne[static_cast<size_t>(i - 1)] : ' ';
    return c;
}

const std::string HORODATAGE_MASQUE = "##############025        *";

}  // namespace

std::string erreurAttendue(const std::string& a, const std::string& fich, const std::string& numeros, int c7, int c8,
                           CorpsRepondu corps) {
    std::string e = colonnes(a, 1, 2) + colonnes(a, 11, 18) + colonnes(a, 3, 10) + "ERR" + "ERRE" + colonnes(a, 26, 26) +
                    "INTERFAC" + colonnes(a, 35, 42) + colonnes(fich, 3, 10) + colonnes(a, 51, 60) +
                    colonnes(a, 61, 61) + colonnes(a, 62, 62) + colonnes(a, 22, 25) + colonnes(a, 19, 21);
    switch (corps) {
    case CorpsRepondu::normal: e += colonnes(a, 63, 64) + colonnes(a, 65, 76); break;
    case CorpsRepondu::blanc: e += std::string(14, ' '); break;
    case CorpsRepondu::erre: e += colonnes(a, 63, 66) + colonnes(a, 67, 69) + std::string(7, ' '); break;
    }
    e += std::string(14, ' ');
    e += c7 != 0 ? colonnes(a, c7, c7 + 1) : "  ";
    e += c8 != 0 ? colonnes(a, c8, c8 + 11) : std::string(12, ' ');
    e += numeros + std::string(119 - numeros.size(), ' ') + HORODATAGE_MASQUE;
    return e;
}

std::string refusAttendu(const std::string& fich, int enErreur, int nombre, int bons) {
    char comptes[32];
    std::snprintf(comptes, sizeof comptes, "%06d%06d%06d%06d", enErreur, nombre, enErreur, bons);
    return colonnes(fich, 1, 2) + colonnes(fich, 11, 18) + colonnes(fich, 3, 10) + "INF" + colonnes(fich, 22, 62) +
           colonnes(fich, 63, 78) + colonnes(fich, 63, 78) + comptes + colonnes(fich, 119, 124) + "1" +
           std::string(105, ' ') + HORODATAGE_MASQUE;
}

std::string accepteAttendu(const std::string& fich, int nombre) {
    char compte[16];
    std::snprintf(compte, sizeof compte, "%06d", nombre);
    return colonnes(fich, 1, 18) + "INF" + colonnes(fich, 22, 62) + colonnes(fich, 63, 112) + compte +
           colonnes(fich, 119, 125) + std::string(105, ' ') + colonnes(fich, 231, 256);
}

std::string tamponne(const std::string& enregistrement) {
    std::string t = enregistrement;
    t.replace(76, 2, "40");
    return t;
}

void attendreLivraison(const Repertoire& rep, const Resultat& r, int code, const std::vector<std::string>& attendu,
                       const std::string& fin) {
    EXPECT_EQ(r.code, code) << r.erreur;
    EXPECT_EQ(rep.fichiers(), (std::set<std::string>{"log.txt", "out.txt"}));
    EXPECT_EQ(rep.lire("log.txt"), "");
    const std::string sortie = rep.lire("out.txt");
    EXPECT_EQ(sortie.size(), attendu.size() * (256 + fin.size()));
    const auto l = lignes(sortie, fin);
    ASSERT_EQ(l.size(), attendu.size());
    // Every line of an error file is written by the run and stamped by it;
    // a result file repeats the trailers it read.
    for (size_t i = 0; i < l.size(); ++i) {
        EXPECT_EQ(code == 2 ? masquerHorodatage(l[i]) : l[i], attendu[i]) << "line " << i + 1;
    }
}

}  // namespace essai
