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

// End of the input: the FICH record must have been followed by records; a
// pairing left open is answered; the record count announced by FICH is
// compared; then the closing delivers one output.
int finDeFichier(sExecution& ctx) {
    if (!ctx.moteur.fichTraite) return echouer(ctx, message::IG011);
    if (ctx.nombreDeVSE == 2) return echouer(ctx, message::IG014);
    const int nombre = ctx.nombreDeVSE - 2;
    const sCloture c = cloture(ctx.moteur, nombre);
    if (c.appariementDu) {
        ecrireAppariement(ctx, ctx.formatDuFichier);
        ctx.existDependanceVSEerr = 1;
        ++ctx.nbVSE_Err;
    }
    if (c.fichEnErreur) ++ctx.nbVSE_Err;
    return faireVSEFICH(ctx, ctx.nbVSE_Err, nombre, ctx.formatDuFichier);
}

bool estImprimable(unsigned char c) { return c >= 32 && c <= 126; }

// First byte of [p, fin) outside the printable range 32 to 126, or fin. Line
// ends are such bytes, so a line is mostly one run of printable bytes: it is
// tested a block at a time, by the largest distance of a byte from 32 (a
// loop the compiler turns into vector code, once it is kept from unrolling
// it), and the block that holds a non-printable byte is then read byte by byte.
const char* premierNonImprimable(const char* p, const char* fin) {
    constexpr int BLOC = 32;
    while (fin - p >= BLOC) {
        unsigned char ecart = 0;
#pragma GCC unroll 1
        for (int i = 0; i < BLOC; ++i) {
            const auto d = static_cast<unsigned char>(static_cast<unsigned char>(p[i]) - 32);
            ecart = d > ecart ? d : ecart;
        }
        if (ecart > 126 - 32) break;
        p += BLOC;
    }
    while (p < fin && estImprimable(static_cast<unsigned char>(*p))) ++p;
    return p;
}

// Appends n bytes of the line to tampon, which keeps the first 256; any
// byte dropped makes the line too long.
void ranger(sExecution& ctx, const char* octets, long n, char* tampon, int& longueur) {
    const long place = LONGUEUR_VSE - longueur;
    if (n > place) {
        ctx.moteur.codLong = 1;
        n = place;
    }
    std::memcpy(tampon + longueur, octets, static_cast<size_t>(n));
    longueur += static_cast<int>(n);
}

// Reads one line as telvarosFgets does, without copying it into xdebug (the
// main loop hands most lines to traitement, which copies them itself).
int lireLigne(sExecution& ctx, char* tampon, int* longueur) {
    FichierEntree& entree = ctx.fp_recu;
    int n = 0;
    int fin = TELVAROS_EOF;
    for (bool finDeLigne = false; !finDeLigne;) {
        const char* octets;
        const long disponibles = entree.disponibles(&octets);
        if (disponibles <= 0) {
            fin = disponibles == 0 ? TELVAROS_EOF : TELVAROS_ERREUR;
            break;
        }
        const char* p = octets;
        const char* const bout = octets + disponibles;
        while (p < bout) {
            const char* const imprimables = p;
            p = premierNonImprimable(p, bout);
            ranger(ctx, imprimables, p - imprimables, tampon, n);
            if (p == bout) break;
            const unsigned char c = static_cast<unsigned char>(*p);
            if (c == '\r' || c == '\n' || c == CTRL_Z) {
                ++p;
                finDeLigne = true;
                fin = c == '\n' ? TELVAROS_UNIX : c == CTRL_Z ? TELVAROS_CTRLZ : TELVAROS_MAC;
                break;
            }
            ctx.moteur.codCaract = 1;  // any other byte outside 32..126 is kept as a character
            ranger(ctx, p++, 1, tampon, n);
        }
        entree.consommer(static_cast<size_t>(p - octets));
    }
    if (fin == TELVAROS_MAC) {
        // A CR followed by LF ends a DOS line; any other byte is left for the
        // next line.
        const char* suivant;
        const long disponibles = entree.disponibles(&suivant);
        if (disponibles < 0) {
            fin = TELVAROS_ERREUR;
        } else if (disponibles > 0 && suivant[0] == '\n') {
            entree.consommer(1);
            fin = TELVAROS_DOS;
        }
    }
    tampon[n] = '\0';
    *longueur = n;
    if (fin == TELVAROS_DOS || fin == TELVAROS_UNIX || fin == TELVAROS_MAC) {
        if (n == 0) return TELVAROS_LONGNULLE;
        if (n < LONGUEUR_VSE) ctx.moteur.codLong = 2;
    }
    return fin;
}

}  // namespace

int telvarosFgets(sExecution& ctx, char* tampon, int* longueur) {
    const int fin = lireLigne(ctx, tampon, longueur);
    preparerVue(tampon, *longueur, xdebug);
    return fin;
}

int traiterLigne(sExecution& ctx, char* tampon, int longueur, int visu, int nombreDeVSE, int formatDuFichier) {
    const sVerdict verdict = traitement(ctx.moteur, tampon, longueur, visu, nombreDeVSE);
    if (verdict.issue == sVerdict::Issue::arret) {
        echouer(ctx, verdict.message);
        return -2;
    }
    ecrireVerdict(ctx, verdict, formatDuFichier);
    return verdict.nbErreur;
}

int traiterFichier(sExecution& ctx) {
    ctx.moteur.nbErreur = 0;
    ctx.nbVSE_Err = 0;
    ctx.nombreDeVSE = 1;
    ctx.moteur.errFich = 0;
    ctx.formatDuFichier = -1;
    char tampon[LONGUEUR_VSE + 1];
    for (;;) {
        ctx.moteur.codLong = 0;
        ctx.moteur.codCaract = 0;
        int longueur = 0;
        const int fin = lireLigne(ctx, tampon, &longueur);
        const bool aTraiter = (fin == TELVAROS_DOS || fin == TELVAROS_UNIX || fin == TELVAROS_MAC) &&
                              (ctx.formatDuFichier == -1 || ctx.formatDuFichier == fin);
        // traitement makes a line it processes the current line of the checks;
        // any other line becomes it here.
        if (!aTraiter) preparerVue(tampon, longueur, xdebug);
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
        const int resultat = traiterLigne(ctx, tampon, longueur, ctx.visu, ctx.nombreDeVSE, fin);
        if (resultat == -2) return 1;
        ctx.formatDuFichier = fin;
        if (resultat > 0) ++ctx.nbVSE_Err;
        if (ctx.existDependanceVSEerr > 0) ++ctx.nbVSE_Err;
        ctx.moteur.nbErreur = 0;
        ++ctx.nombreDeVSE;
        if (ctx.nombreDeVSE > LIMITE_LIGNES && maxAutoVSE() != 0) return echouer(ctx, message::I073);
    }
}
