// Input reader and main loop.
#include "driver/lecteur.h"

#include <bit>
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

// Sixteen bytes at a time, in the vector types of the compiler (plain SSE2
// code on x86-64, portable C elsewhere). Loads and stores go through memcpy:
// the line and the input buffer have no alignment.
typedef unsigned char Octets16 __attribute__((vector_size(16)));
typedef signed char Signes16 __attribute__((vector_size(16)));
typedef unsigned long long Mots2 __attribute__((vector_size(16)));

Octets16 charger(const char* p) {
    Octets16 v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

void deposer(char* d, Octets16 v) { std::memcpy(d, &v, sizeof v); }

// 0xFF in every byte outside 32..126, 0 in the others. Moved up by 96, the
// bytes 32..126 become exactly the signed values -128..-34, so one signed
// comparison tells them from every other byte.
Octets16 horsImprimables(Octets16 v) {
    const Octets16 decales = v + static_cast<unsigned char>(96);
    return reinterpret_cast<Octets16>(reinterpret_cast<Signes16>(decales) > static_cast<signed char>(-34));
}

// Distance of every byte from 32, as an unsigned byte: 0..94 for the bytes
// 32..126, more for every other byte.
Octets16 ecarts(Octets16 v) { return v - static_cast<unsigned char>(32); }

// The larger of the two bytes at every place.
Octets16 plusGrands(Octets16 a, Octets16 b) { return a > b ? a : b; }

// True when no distance exceeds 94: all sixteen bytes are printable. A
// distance from 95 to 222 gets its high bit from adding 33, one from 223 up
// has it already, one up to 94 has it neither way.
bool tousImprimables(Octets16 ecart) {
    const Mots2 m = reinterpret_cast<Mots2>((ecart + static_cast<unsigned char>(33)) | ecart);
    return ((m[0] | m[1]) & 0x8080808080808080ull) == 0;
}

// Index of the first marked byte of a mask that has one.
int premierMarque(Octets16 masque) {
    const Mots2 m = reinterpret_cast<Mots2>(masque);
    if constexpr (std::endian::native == std::endian::little) {
        return m[0] != 0 ? std::countr_zero(m[0]) / 8 : 8 + std::countr_zero(m[1]) / 8;
    } else {
        return m[0] != 0 ? std::countl_zero(m[0]) / 8 : 8 + std::countl_zero(m[1]) / 8;
    }
}

// Copies the printable bytes at the start of [p, p + n) to d, at most place of
// them, and returns how many: the copy stops before the first byte outside
// 32..126. Whole blocks are stored only where both the source and the
// destination hold them, so no byte outside [p, p + n) is read and none
// outside [d, d + place) is written; the bytes of a block past the first
// non-printable one are stored too, inside d's room, and are the caller's to
// overwrite or to leave past the line's length.
long copierImprimables(const char* p, long n, char* d, long place) {
    const long borne = n < place ? n : place;
    long k = 0;
    // 64 bytes at a time, then 16, then one: the lines that ligneUsuelle does
    // not take whole, and the parts of lines cut by the end of the buffer.
    while (borne - k >= 64) {
        const Octets16 a = charger(p + k), b = charger(p + k + 16), c = charger(p + k + 32),
                       e = charger(p + k + 48);
        deposer(d + k, a);
        deposer(d + k + 16, b);
        deposer(d + k + 32, c);
        deposer(d + k + 48, e);
        // One test for the 64 bytes, on their largest distance from 32; the
        // block that fails it is gone through again 16 bytes at a time.
        if (!tousImprimables(plusGrands(plusGrands(ecarts(a), ecarts(b)), plusGrands(ecarts(c), ecarts(e))))) break;
        k += 64;
    }
    while (borne - k >= 16) {
        const Octets16 a = charger(p + k);
        deposer(d + k, a);
        if (!tousImprimables(ecarts(a))) return k + premierMarque(horsImprimables(a));
        k += 16;
    }
    while (k < borne && estImprimable(static_cast<unsigned char>(p[k]))) {
        d[k] = p[k];
        ++k;
    }
    return k;
}

// First byte of [p, fin) outside the printable range 32 to 126, or fin. It
// passes over the bytes of a line beyond its 256th, mostly none: the byte at
// p is looked at first.
const char* premierNonImprimable(const char* p, const char* fin) {
    if (p < fin && !estImprimable(static_cast<unsigned char>(*p))) return p;
    while (fin - p >= 16) {
        const Octets16 a = charger(p);
        if (!tousImprimables(ecarts(a))) return p + premierMarque(horsImprimables(a));
        p += 16;
    }
    while (p < fin && estImprimable(static_cast<unsigned char>(*p))) ++p;
    return p;
}

// The usual line: 256 printable bytes and its line end, all in the input
// buffer with the byte after them (a CR there needs it). Copies the bytes to
// tampon, consumes the line and returns its line-end kind; 0 for any other
// line, which is left unread (tampon is then the reader's to overwrite).
int ligneUsuelle(FichierEntree& entree, const char* octets, long disponibles, char* tampon) {
    if (disponibles < LONGUEUR_VSE + 2) return 0;
    Octets16 plusGrandEcart = {};
    for (int k = 0; k < LONGUEUR_VSE; k += 16) {
        const Octets16 v = charger(octets + k);
        deposer(tampon + k, v);
        plusGrandEcart = plusGrands(plusGrandEcart, ecarts(v));
    }
    if (!tousImprimables(plusGrandEcart)) return 0;
    const char c = octets[LONGUEUR_VSE];
    if (c == '\n') {
        entree.consommer(LONGUEUR_VSE + 1);
        return TELVAROS_UNIX;
    }
    if (c != '\r') return 0;
    if (octets[LONGUEUR_VSE + 1] == '\n') {
        entree.consommer(LONGUEUR_VSE + 2);
        return TELVAROS_DOS;
    }
    entree.consommer(LONGUEUR_VSE + 1);
    return TELVAROS_MAC;
}

// Reads one line as telvarosFgets does, without copying it into xdebug (the
// main loop hands most lines to traitement, which copies them itself). The
// printable bytes go to tampon straight from the input buffer, while it has
// room; past it they are only passed over.
int lireLigne(sExecution& ctx, char* tampon, int* longueur) {
    FichierEntree& entree = ctx.fp_recu;
    // Every call of disponibles() may read the file: each answer is used
    // before it is asked again, so that an end of input is read only once.
    const char* octets;
    long disponibles = entree.disponibles(&octets);
    if (const int usuelle = ligneUsuelle(entree, octets, disponibles, tampon); usuelle != 0) {
        tampon[LONGUEUR_VSE] = '\0';
        *longueur = LONGUEUR_VSE;
        return usuelle;
    }
    long n = 0;
    int fin = TELVAROS_EOF;
    for (bool finDeLigne = false;; disponibles = entree.disponibles(&octets)) {
        if (disponibles <= 0) {
            fin = disponibles == 0 ? TELVAROS_EOF : TELVAROS_ERREUR;
            break;
        }
        const char* p = octets;
        const char* const bout = octets + disponibles;
        while (p < bout) {
            if (n < LONGUEUR_VSE) {
                const long k = copierImprimables(p, bout - p, tampon + n, LONGUEUR_VSE - n);
                p += k;
                n += k;
                if (p == bout) break;
                // The 256th byte is in: a printable byte after it is dropped below.
                if (n == LONGUEUR_VSE && estImprimable(static_cast<unsigned char>(*p))) continue;
            } else {
                const char* const q = premierNonImprimable(p, bout);
                if (q != p) ctx.moteur.codLong = 1;  // printable bytes dropped
                p = q;
                if (p == bout) break;
            }
            const unsigned char c = static_cast<unsigned char>(*p++);
            if (c == '\r' || c == '\n' || c == CTRL_Z) {
                finDeLigne = true;
                fin = c == '\n' ? TELVAROS_UNIX : c == CTRL_Z ? TELVAROS_CTRLZ : TELVAROS_MAC;
                break;
            }
            ctx.moteur.codCaract = 1;  // any other byte outside 32..126 is kept as a character
            if (n < LONGUEUR_VSE) {
                tampon[n++] = static_cast<char>(c);
            } else {
                ctx.moteur.codLong = 1;
            }
        }
        entree.consommer(static_cast<size_t>(p - octets));
        if (finDeLigne) break;
    }
    if (fin == TELVAROS_MAC) {
        // A CR followed by LF ends a DOS line; any other byte is left for the
        // next line.
        const char* suivant;
        const long apres = entree.disponibles(&suivant);
        if (apres < 0) {
            fin = TELVAROS_ERREUR;
        } else if (apres > 0 && suivant[0] == '\n') {
            entree.consommer(1);
            fin = TELVAROS_DOS;
        }
    }
    tampon[n] = '\0';
    *longueur = static_cast<int>(n);
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
