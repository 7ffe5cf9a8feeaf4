// The driver: command line, file names, set-up of the files, then the main loop.
#include "driver/telvaros.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

#include "driver/attgetopt.h"
#include "driver/chemins.h"
#include "driver/lecteur.h"
#include "driver/sorties.h"

namespace {

constexpr char VERSION[] = "2.24.0 ";

constexpr char TEXTE_USAGE[] =
    "\n Usage : telvaros [-i|-d|-v] <fichier a traiter> <fichier a emettre> <fichier log>\n \n"
    "         -i : resultats des traitements des VSE \n"
    "              vers la console sous forme informatique\n"
    "         -d : resultats des traitements des VSE\n"
    "              vers la console sous forme décriptée\n"
    "         -v : donne la version de telvaros\n ";

// Index of the last separator: the last '/', or the last '\' when there is no '/'.
std::string::size_type dernierSeparateur(const std::string& chemin) {
    const auto barre = chemin.rfind('/');
    return barre != std::string::npos ? barre : chemin.rfind('\\');
}

// Length of the directory part: up to the last separator, without the
// separators that end it.
std::string::size_type longueurRepertoire(const std::string& chemin) {
    auto s = dernierSeparateur(chemin);
    while (s > 0 && (chemin[s] == '/' || chemin[s] == '\\')) --s;
    return s;
}

bool estRepertoire(const char* chemin) {
    struct stat etat;
    return chemin != nullptr && *chemin != '\0' && ops::etat(chemin, &etat) == 0 && S_ISDIR(etat.st_mode);
}

constexpr int CREER_EXCLUSIF = O_WRONLY | O_CREAT | O_EXCL;

void annoncerManqueMemoire(const char* suite) {
    std::fputs("\allocation mémoire impossible", stdout);
    std::fputs(suite, stdout);
    std::fflush(stdout);
}

// A standard descriptor closed at start is opened on /dev/null, so that no
// file of the run takes its number and receives what is meant for the
// console.
void ouvrirFluxFermes() {
    for (int fd = 0; fd <= 2; ++fd) {
        if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
        // The lowest free descriptor: this one, the lower ones being open.
        const int nul = ops::ouvrir("/dev/null", O_RDWR);
        if (nul > fd) ops::fermer(nul);
    }
}

// Reports on the standard error why a file could not be opened: the system's
// description of errno, or that what was found is not the file examined.
void signalerOuverture(const char* contexte, bool remplace) {
    if (remplace) {
        std::fprintf(stderr, "%s: %s\n", contexte, FICHIER_REMPLACE);
    } else {
        std::perror(contexte);
    }
}

// Reports a refusal of the paths, and logs it where the log is a regular
// file of its own.
int refuserLeRun(sExecution& ctx, const sNomsDuRun& noms, const sRefus& refus) {
    if (refus.errnoLog != 0) {
        errno = refus.errnoLog;
        std::perror(refus.texte.c_str());
    } else {
        std::fprintf(stderr, "%s\n", refus.texte.c_str());
    }
    if (refus.ligne == nullptr || !journalUtilisable(noms)) return 1;
    bool remplace = false;
    const int fd = ouvrirEnEcriture(noms.log, noms.log.existe, remplace);
    if (fd < 0) {
        signalerOuverture("Ouverture du fichier log", remplace);
        return 1;
    }
    ctx.fp_log.adopter(fd);
    consigner(ctx, refus.ligne);
    return 1;
}

}  // namespace

void usage() { std::fputs(TEXTE_USAGE, stdout); }

int verificationParametre(int argc, char** argv, int* pvisu) {
    sGetopt etat;
    int erreurs = 0;
    int lettre;
    while ((lettre = getopt(etat, argc, argv, "D:vdi")) != -1) {
        switch (lettre) {
        case 'v':
            std::fputs(VERSION, stdout);
            std::fputc('\n', stdout);
            return -2;
        case 'i':
            *pvisu = infVisu;
            break;
        case 'd':
            *pvisu = dgVisu;
            break;
        case 'D':
            break;  // accepted and not used
        default:
            ++erreurs;
            break;
        }
    }
    if (erreurs > 0 || argc - etat.optind != 3) {
        usage();
        return -2;
    }
    return etat.optind;
}

std::string nomDuRep(const std::string& chemin) {
    if (dernierSeparateur(chemin) == std::string::npos) return ".";
    return chemin.substr(0, longueurRepertoire(chemin) + 1);
}

std::string nomDuRep2(const std::string& chemin) {
    if (dernierSeparateur(chemin) == std::string::npos) return ".";
    return chemin.substr(0, longueurRepertoire(chemin) + 2);
}

std::string nomDuFic(const std::string& chemin) {
    const auto s = dernierSeparateur(chemin);
    return s == std::string::npos ? chemin : chemin.substr(s + 1);
}

std::string nomTemporaire(const std::string& repertoire, const std::string& ficNameRecu, const char* suffixe) {
    const char* tmpdir = ops::variable("TMPDIR");
    std::string base;
    if (estRepertoire(tmpdir)) {
        base = tmpdir;
    } else if (estRepertoire(repertoire.c_str())) {
        base = repertoire;
    } else {
        base = "/tmp";
    }
    // Only the directory part of a fresh path in that directory is kept,
    // with one separator.
    std::string nom = nomDuRep2(base + "/x");
    nom += ficNameRecu;
    nom += suffixe;
    if (std::strcmp(VARIANTE, "TELVAROSPF") == 0) nom += "_pf";
    return nom;
}

int executer(sExecution& ctx) {
    std::string dirNameRecu, dirNameEmis, ficNameRecu;
    try {
        dirNameRecu = nomDuRep(ctx.name_recu);
        dirNameEmis = nomDuRep(ctx.name_emis);
        ficNameRecu = nomDuFic(ctx.name_recu);
    } catch (const std::bad_alloc&) {
        annoncerManqueMemoire("");
        return 1;
    }

    // Every name of the run is found out, and checked, before the first file
    // is touched.
    sNomsDuRun noms;
    try {
        ctx.name_tmp_recu = nomTemporaire(dirNameRecu, ficNameRecu, "_r");
    } catch (const std::bad_alloc&) {
        annoncerManqueMemoire(" sos-2");
        return 1;
    }
    try {
        ctx.name_tmp_emis = nomTemporaire(dirNameEmis, ficNameRecu, "_e");
        ctx.name_erre = nomTemporaire(dirNameEmis, ficNameRecu, "_o");
    } catch (const std::bad_alloc&) {
        annoncerManqueMemoire(" sos-3");
        return 1;
    }
    try {
        noms.recu = examinerNom(ctx.name_recu);
        noms.emis = examinerNom(ctx.name_emis);
        noms.log = examinerNom(ctx.name_log);
        noms.tmpRecu = examinerNom(ctx.name_tmp_recu);
        noms.tmpEmis = examinerNom(ctx.name_tmp_emis);
        noms.erre = examinerNom(ctx.name_erre);
    } catch (const std::bad_alloc&) {
        annoncerManqueMemoire("");
        return 1;
    }
    sRefus refus;
    if (!verifierNoms(noms, refus)) return refuserLeRun(ctx, noms, refus);

    // The log is truncated before anything else.
    bool remplace = false;
    const int fdLog = ouvrirEnEcriture(noms.log, noms.log.existe, remplace);
    if (fdLog < 0) {
        signalerOuverture("Ouverture du fichier log", remplace);
        return 1;
    }
    ctx.fp_log.adopter(fdLog);

    // The input must be there, a regular file, before it is moved.
    const int fd = ouvrirEnLecture(ctx.name_recu.c_str(), noms.recu, remplace);
    if (fd < 0) {
        signalerOuverture("Ouverture du fichier à traiter", remplace);
        consigner(ctx, message::IG003);
        return 1;
    }
    ops::fermer(fd);

    // Never over another file: a taken name means another run is at work.
    if (ops::renommerSansEcraser(ctx.name_recu.c_str(), ctx.name_tmp_recu.c_str()) != 0) {
        std::perror("rename");
        consigner(ctx, message::IG009);
        return 1;
    }
    ctx.recuDeplace = true;

    const int fdRecu = ouvrirEnLecture(ctx.name_tmp_recu.c_str(), noms.recu, remplace);
    if (fdRecu < 0) {
        signalerOuverture("Ouverture du fichier à traiter renommé", remplace);
        return echouer(ctx, message::IG003);
    }
    ctx.fp_recu.adopter(fdRecu);

    // The file to send exists, empty, from here on. When it is the input's
    // own name, that name was just left by the input.
    const bool emisExiste = noms.emis.existe && !memeEntree(noms.emis, noms.recu);
    const int fdEmis = ouvrirEnEcriture(noms.emis, emisExiste, remplace);
    if (fdEmis >= 0) ctx.emisCree = true;
    if (fdEmis < 0 || ops::fermer(fdEmis) != 0) {
        signalerOuverture("Ouverture du fichier résultat", remplace);
        return echouer(ctx, message::IG003);
    }

    if (!ctx.fp_emis.ouvrir(ctx.name_tmp_emis.c_str(), CREER_EXCLUSIF)) {
        std::perror("Ouverture du fichier résultat temporaire");
        return echouer(ctx, message::IG004);
    }
    ctx.tmpEmisCree = true;
    if (!ctx.fp_erre.ouvrir(ctx.name_erre.c_str(), CREER_EXCLUSIF)) {
        std::perror("Ouverture du fichier des erreurs");
        return echouer(ctx, message::IG002);
    }
    ctx.erreCree = true;

    initFichier(ctx);
    return traiterFichier(ctx);
}

int telvaros(int argc, char** argv) {
    ouvrirFluxFermes();
    sExecution ctx;
    effacerModele();
    prepareVSEDate(ctx.VSEDate);
    const int premier = verificationParametre(argc, argv, &ctx.visu);
    if (premier < 0) return 3;
    try {
        ctx.name_recu = argv[premier];
        ctx.name_emis = argv[premier + 1];
        ctx.name_log = argv[premier + 2];
    } catch (const std::bad_alloc&) {
        annoncerManqueMemoire("");
        return 1;
    }
    const int code = executer(ctx);
    std::fflush(stdout);
    return code;
}
