// Input reader and main loop.
#include "driver/lecteur.h"

#include <cstdio>
#include <cstring>

#include "driver/sorties.h"
#include "engine/traitement.h"
#include "engine/verif.h"

namespace {

constexpr int CTRL_Z = 26;
// The FICH record and at most 10000 records: the 10002nd line end stops the run.
constexpr int LIMITE_LIGNES = 10002;

// Decimal number of a count field: leading blanks skipped, reading stops at
// the first non-digit; blanks alone read as 0.
int lireNombre(const char* texte) {
    while (*texte == ' ') ++texte;
    int valeur = 0;
    for (; *texte >= '0' && *texte <= '9'; ++texte) {
        if (valeur < 100000000) valeur = valeur * 10 + (*texte - '0');
    }
    return valeur;
}

// End of the input: the FICH record must have been followed by records; a
// pairing left open is answered; the record count announced by FICH is
// compared; then the closing delivers one output.
int finDeFichier(sExecution& ctx) {
    if (!ctx.fichTraite) return echouer(ctx, message::IG011);
    if (ctx.nombreDeVSE == 2) return echouer(ctx, message::IG014);
    const int nombre = ctx.nombreDeVSE - 2;

    if (dependanceVSE() == 1 && (std::strcmp(ctx.sauvCodeVSE, "EXP1") == 0 || std::strcmp(ctx.sauvCodeVSE, "EGET") == 0) &&
        std::strcmp(ctx.sauvTypeVSE, "CRE") == 0 && ctx.sauvCodeVSEerr == 0) {
        faireFinDeLigne(ctx.fp_erre, ctx.formatDuFichier);
        ctx.fp_erre.ecrire(ctx.sauvTamponVSE, LONGUEUR_VSE);
        ctx.existDependanceVSEerr = 1;
        ++ctx.nbVSE_Err;
    }

    if (lireNombre(valFichCorpsVSE[C3].valeur) != nombre) {
        if (ctx.errFich <= 9) {
            ctx.codeFichErreur[ctx.errFich] = 100;
            if (ctx.errFich == 0) ++ctx.nbVSE_Err;
        }
        ++ctx.errFich;
    }
    return faireVSEFICH(ctx, ctx.nbVSE_Err, nombre, ctx.formatDuFichier);
}

}  // namespace

int telvarosFgets(sExecution& ctx, char* tampon, int* longueur) {
    FichierEntree& entree = ctx.fp_recu;
    int n = 0;
    int fin;
    for (;;) {
        const int c = entree.lireCar();
        if (c == FichierEntree::FIN) {
            fin = TELVAROS_EOF;
            break;
        }
        if (c == FichierEntree::ERREUR) {
            fin = TELVAROS_ERREUR;
            break;
        }
        if (c == '\r') {
            const int suivant = entree.lireCar();
            if (suivant == '\n') {
                fin = TELVAROS_DOS;
            } else if (suivant == FichierEntree::ERREUR) {
                fin = TELVAROS_ERREUR;
            } else {
                if (suivant != FichierEntree::FIN) entree.remettre(suivant);
                fin = TELVAROS_MAC;
            }
            break;
        }
        if (c == '\n') {
            fin = TELVAROS_UNIX;
            break;
        }
        if (c == CTRL_Z) {
            fin = TELVAROS_CTRLZ;
            break;
        }
        if (c < 32 || c > 126) ctx.codCaract = 1;
        if (n == LONGUEUR_VSE) {
            ctx.codLong = 1;
        } else {
            tampon[n++] = static_cast<char>(c);
        }
    }
    tampon[n] = '\0';
    *longueur = n;
    preparerVue(tampon, n, xdebug);
    if (fin == TELVAROS_DOS || fin == TELVAROS_UNIX || fin == TELVAROS_MAC) {
        if (n == 0) return TELVAROS_LONGNULLE;
        if (n < LONGUEUR_VSE) ctx.codLong = 2;
    }
    return fin;
}

int traiterFichier(sExecution& ctx) {
    ctx.nbErreur = 0;
    ctx.nbVSE_Err = 0;
    ctx.nombreDeVSE = 1;
    ctx.errFich = 0;
    ctx.formatDuFichier = -1;
    char tampon[LONGUEUR_VSE + 1];
    for (;;) {
        ctx.codLong = 0;
        ctx.codCaract = 0;
        int longueur = 0;
        const int fin = telvarosFgets(ctx, tampon, &longueur);
        switch (fin) {
        case TELVAROS_LONGNULLE:
            return echouer(ctx, message::IG015);
        case TELVAROS_ERREUR:
            std::perror("Lecture du fichier à traiter");
            return echouer(ctx, message::IG003);
        case TELVAROS_EOF:
        case TELVAROS_CTRLZ:
            return finDeFichier(ctx);
        default:
            break;
        }
        // One line-end kind per file: DOS, UNIX or MAC.
        if (ctx.formatDuFichier != -1 && ctx.formatDuFichier != fin) return echouer(ctx, message::IG008);
        const int resultat = traitement(ctx, tampon, longueur, ctx.visu, ctx.nombreDeVSE, fin);
        if (resultat == -2) return 1;
        ctx.formatDuFichier = fin;
        if (resultat > 0) ++ctx.nbVSE_Err;
        if (ctx.existDependanceVSEerr > 0) ++ctx.nbVSE_Err;
        ctx.nbErreur = 0;
        ++ctx.nombreDeVSE;
        if (ctx.nombreDeVSE > LIMITE_LIGNES && maxAutoVSE() != 0) return echouer(ctx, message::I073);
    }
}
