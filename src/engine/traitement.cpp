// Record processing.
#include "engine/traitement.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "checks/coherence.h"
#include "checks/octets.h"
#include "driver/sorties.h"
#include "engine/entete.h"
#include "engine/verif.h"
#include "records/records.h"

namespace {

// Whole-string equality with a literal, inlined: the comparison stops at the
// first difference, so nothing past the value's NUL is read.
template <size_t N>
bool vaut(const char* valeur, const char (&litteral)[N]) {
    for (size_t i = 0; i < N; ++i) {
        if (valeur[i] != litteral[i]) return false;
    }
    return true;
}

// fCoherenCCE on the emitter of the file and the establishment of a record.
// Its answer depends on nothing else, and for a regional emitter it scans
// the table of pairs: the last answer is kept with the two values it was
// given, which seldom change within a file.
int coherenceEmetteur(const char* emetteur, const char* etablissement) {
    constexpr int LARGEUR = 8;  // both are 8-column fields
    static char dernierEmetteur[LARGEUR + 1];
    static char dernierEtablissement[LARGEUR + 1];
    static int derniereReponse = -1;
    const bool memorisable =
        longueurBornee(emetteur, LARGEUR + 1) <= LARGEUR && longueurBornee(etablissement, LARGEUR + 1) <= LARGEUR;
    if (memorisable && derniereReponse >= 0 && egal(emetteur, dernierEmetteur) &&
        egal(etablissement, dernierEtablissement)) {
        return derniereReponse;
    }
    const int reponse = fCoherenCCE(emetteur, etablissement);
    if (memorisable) {
        copierDebut(emetteur, LARGEUR, dernierEmetteur);
        copierDebut(etablissement, LARGEUR, dernierEtablissement);
        derniereReponse = reponse;
    }
    return reponse;
}

// Partners whose records are admitted towards the central receiver.
bool estPartenaireNational(const char* emetteur) {
    return vaut(emetteur, "NORM01  ") || vaut(emetteur, "NORM02  ") || vaut(emetteur, "PFOC01  ");
}

// Columns lo..hi (1-based) of the current record as the checks see it,
// cut short at its end.
void colonnes(const char* vue, int longueur, int debut, int fin, char* destination) {
    int n = 0;
    for (int c = debut; c <= fin && c <= longueur; ++c) destination[n++] = vue[c - 1];
    destination[n] = '\0';
}

// The rule tables of the header, the trailer, the FICH body and of every
// entry of the switch table, compiled at the first record.
struct Tables {
    TableCompilee entete{tEntete, lEntete};
    TableCompilee fin{tFin, lFin};
    TableCompilee fich{tFich, lFich};
    std::vector<TableCompilee> corps;  // by switch-table index; empty for the closing entry

    Tables() {
        corps.reserve(ERR_AIGUILLAGE);
        for (int i = 0; i < ERR_AIGUILLAGE; ++i) corps.emplace_back(tAiguillage[i].tabVerif, *tAiguillage[i].pLenTabVerif);
    }
};

const Tables& tables() {
    static const Tables compilees;
    return compilees;
}

// Cutting and checking go through the compiled tables, but through the
// engine's own walk of the rules when the console trace asks for each rule.
// The view cut is xdebug, which has the margin that couper() needs.
static_assert(sizeof xdebug >= LONGUEUR_VSE + TableCompilee::MARGE_VUE);
int couper(const TableCompilee& table, int visu, const char* vue, int longueur, valeurVSE* slots) {
    if (visu == dgVisu) return getvseChamps(table.regles(), table.nombre(), vue, longueur, slots, visu);
    return table.couper(vue, longueur, slots);
}

int verifier(sExecution& ctx, const TableCompilee& table, int visu, int n, valeurVSE* slots, const char* valE5,
             const char* zone) {
    if (visu != noVisu) return verifChamps(ctx, visu, n, table.regles(), table.nombre(), slots, valE5, zone);
    return table.verifier(ctx, n, slots, valE5);
}

// Body slots from this one on are known to be empty.
int corpsVideApres = NB_CORPS;

// Cuts the body of the record. Slots left over from an earlier record must
// not leak into this one: those the table does not cut are emptied, as far
// as an earlier record may have filled them.
void couperCorps(const TableCompilee& table, int visu, const char* vue, int longueur) {
    const int coupes = couper(table, visu, vue, longueur, valCorpsVSE);
    for (int k = coupes; k < corpsVideApres; ++k) valCorpsVSE[k].valeur[0] = '\0';
    corpsVideApres = coupes;
}

// How an error record echoes the current record, of switch-table entry idx.
sVSERepondu repondre(const char* tampon, int longueur, int idx) {
    sVSERepondu r;
    r.ligne = tampon;
    r.longueur = longueur;
    const sAiguillage& entree = tAiguillage[idx];
    r.corpsEnBlanc = idx == ERR_AIGUILLAGE;
    r.erre = entree.code == ERRE;
    if (entree.champErrC7 != CINC) {
        colonnesDuSlot(entree.tabVerif, *entree.pLenTabVerif, entree.champErrC7, &r.debutC7, &r.finC7);
    }
    if (entree.champErrC8 != CINC) {
        colonnesDuSlot(entree.tabVerif, *entree.pLenTabVerif, entree.champErrC8, &r.debutC8, &r.finC8);
    }
    return r;
}

int premierEnregistrement(sExecution& ctx, char* tampon, int longueur, int visu, const char* vue) {
    const char* typeVSE = valEnteteVSE[E6].valeur;
    if (!vaut(typeVSE, "FICH")) {
        echouer(ctx, message::IG011);
        return -2;
    }

    const Tables& t = tables();
    ctx.errFich = verifier(ctx, t.entete, visu, ctx.nbErreur, valEnteteVSE, nullptr, "E");
    couperCorps(t.fich, visu, vue, longueur);
    if (vaut(valCorpsVSE[C1].valeur, "                ")) {
        echouer(ctx, message::I099);
        return -2;
    }
    if (ctx.errFich <= 9) {
        ctx.errFich = verifier(ctx, t.fich, visu, ctx.errFich, valCorpsVSE, nullptr, "C");
        if (ctx.errFich <= 9) ctx.errFich = verifier(ctx, t.fin, visu, ctx.errFich, valFinVSE, nullptr, "F");
    }
    std::memcpy(valFichEnteteVSE, valEnteteVSE, sizeof valFichEnteteVSE);
    std::memcpy(valFichCorpsVSE, valCorpsVSE, sizeof valFichCorpsVSE);
    std::memcpy(valFichFinVSE, valFinVSE, sizeof valFichFinVSE);
    std::memcpy(ctx.codeFichErreur, ctx.codeErreur, sizeof ctx.codeFichErreur);
    std::memcpy(ctx.tamponFich, tampon, static_cast<size_t>(longueur));
    ctx.longueurFich = longueur;
    ctx.fichTraite = true;

    ctx.nbErreur = ctx.errFich;
    copierDebut(valEnteteVSE[E3].valeur, 8, ctx.sauvEmetteur);
    copierDebut(valEnteteVSE[E4].valeur, 8, ctx.sauvRecepteur);
    if (dependanceVSE() == 1) {
        copierDebut(typeVSE, 4, ctx.sauvCodeVSE);
        copierDebut(valEnteteVSE[E5].valeur, 3, ctx.sauvTypeVSE);
        ctx.sauvCodeVSEerr = 0;
    }
    return ctx.nbErreur;
}

}  // namespace

int regleStatut(const char* variante, const char* emetteur, const char* typeVSE, const char* statut) {
    if (vaut(typeVSE, "ERRE")) return 0;
    if (vaut(variante, "TELVAROS  ")) {
        if (!vaut(statut, "xx")) return 0;
        return estPartenaireNational(emetteur) ? 64 : 51;
    }
    if (vaut(variante, "TELVAROSD ")) return vaut(statut, "  ") || vaut(statut, "10") ? 0 : 806;
    if (vaut(variante, "TELVAROSL ")) {
        if (estPartenaireNational(emetteur)) return vaut(statut, "20") ? 0 : 64;
        return vaut(statut, "  ") || vaut(statut, "10") ? 0 : 806;
    }
    if (vaut(variante, "TELVAROSPF")) return vaut(statut, "10") || vaut(typeVSE, "ABAT") ? 0 : 807;
    return 0;
}

int traitement(sExecution& ctx, char* tampon, int longueur, int visu, int nombreDeVSE, int formatDuFichier) {
    // The record as the checks see it is cut from xdebug itself.
    const char* const vue = xdebug;
    preparerVue(tampon, longueur, xdebug);
    if (visu == dgVisu) {
        std::fputs("VSE=|", stdout);
        std::fwrite(tampon, 1, static_cast<size_t>(longueur), stdout);
        std::fputs("|\n", stdout);
    }
    std::memset(ctx.codeErreur, 0, 10 * sizeof ctx.codeErreur[0]);
    const Tables& t = tables();
    couper(t.entete, visu, vue, longueur, valEnteteVSE);
    couper(t.fin, visu, vue, longueur, valFinVSE);

    if (nombreDeVSE == 1) return premierEnregistrement(ctx, tampon, longueur, visu, vue);

    const char* typeVSE = valEnteteVSE[E6].valeur;
    const char* action = valEnteteVSE[E5].valeur;
    const char* emetteur = ctx.sauvEmetteur;
    const char* recepteur = ctx.sauvRecepteur;
    int n = ctx.nbErreur;
    auto ajouter = [&](int numero) {
        if (n <= 9) ctx.codeErreur[n++] = numero;
    };

    // Partner rules, on the emitter and receiver of the FICH record.
    if (vaut(VARIANTE, "TELVAROS  ") && coherenceEmetteur(emetteur, valEnteteVSE[E8].valeur) == 0) ajouter(135);
    const bool demandeInfo = vaut(typeVSE, "INFO") && vaut(action, "DEM");
    if (demandeInfo) {
        if (!vaut(emetteur, "NORM02  ") && !vaut(emetteur, "PFOC01  ")) ajouter(110);
        if (!vaut(recepteur, "031BDN  ")) ajouter(85);
    }
    if (vaut(typeVSE, "ABAT")) {
        if (vaut(emetteur, "NORM01  ")) {
            if (!vaut(valEnteteVSE[E8].valeur, "NORMABEV")) ajouter(129);
        } else if (!commencePar(emetteur, "OFFICE") && !commencePar(emetteur, "ONICAB")) {
            ajouter(110);
        }
    }
    if (vaut(recepteur, "031BDN  ")) {
        const bool abatAdmis =
            vaut(typeVSE, "ABAT") && (vaut(action, "CRE") || vaut(action, "MOD") || vaut(action, "INV"));
        if (vaut(emetteur, "PFOC01  ")) {
            if (!demandeInfo) ajouter(111);
        } else if (vaut(emetteur, "NORM01  ") || vaut(emetteur, "NORM02  ")) {
            if (!demandeInfo && !abatAdmis) ajouter(111);
        }
    }
    if (vaut(typeVSE, "FICH")) ajouter(109);

    int idx = ERR_AIGUILLAGE;
    ctx.err_aux = 0;
    if (n <= 9) {
        n = verifier(ctx, t.entete, visu, n, valEnteteVSE, nullptr, "E");
        idx = chercherAiguillage(typeVSE);
        if (tAiguillage[idx].code != -1) {
            const TableCompilee& corps = t.corps[static_cast<size_t>(idx)];
            couperCorps(corps, visu, vue, longueur);
            n = verifier(ctx, corps, visu, n, valCorpsVSE, action, "C");
            // The processing status: body columns 77 to 78 in every type but ERRE.
            char statut[3];
            colonnes(vue, longueur, 77, 78, statut);
            ctx.err_aux = regleStatut(VARIANTE, emetteur, typeVSE, statut);
            if (ctx.err_aux > 0) ajouter(ctx.err_aux);
            if (n <= 9) n = verifier(ctx, t.fin, visu, n, valFinVSE, nullptr, "F");
        }
    }
    ctx.nbErreur = n;

    // The link of a pairing: body columns 65 to 76 (blank when the type is unknown).
    char lien[13];
    if (idx == ERR_AIGUILLAGE) {
        std::strcpy(valCorpsVSE[C1].valeur, "  ");
        std::strcpy(valCorpsVSE[C2].valeur, "            ");
        if (corpsVideApres < C2 + 1) corpsVideApres = C2 + 1;
        std::strcpy(lien, "            ");
    } else {
        colonnes(vue, longueur, 65, 76, lien);
    }

    if (n == 0) {
        faireFinDeLigne(ctx.fp_emis, formatDuFichier);
        if (!(vaut(typeVSE, "ERRE") && vaut(action, "ECQ"))) {
            tampon[76] = telvarosRES();
            tampon[77] = '0';
        }
        ctx.fp_emis.ecrire(tampon, static_cast<size_t>(longueur));
    } else {
        faireFinDeLigne(ctx.fp_erre, formatDuFichier);
        faireVSEERR(ctx, repondre(tampon, longueur, idx), n, ctx.codeErreur);
    }

    // Pairing: an error-free EXP1 or EGET creation must be followed by its
    // EXP2 or RATA creation with the same link.
    ctx.existDependanceVSEerr = 0;
    if (dependanceVSE() == 1) {
        if (vaut(ctx.sauvTypeVSE, "CRE") && ctx.sauvCodeVSEerr == 0 &&
            (vaut(ctx.sauvCodeVSE, "EXP1") || vaut(ctx.sauvCodeVSE, "EGET"))) {
            const char* partenaire = vaut(ctx.sauvCodeVSE, "EXP1") ? "EXP2" : "RATA";
            if (!(egal(typeVSE, partenaire) && vaut(action, "CRE") && egal(lien, ctx.sauvLienVSE))) {
                faireFinDeLigne(ctx.fp_erre, formatDuFichier);
                ctx.fp_erre.ecrire(ctx.sauvTamponVSE, LONGUEUR_VSE);
                ctx.existDependanceVSEerr = 1;
            }
        }
    }

    ctx.sauvCodeVSEerr = ctx.nbErreur;
    copierDebut(typeVSE, 4, ctx.sauvCodeVSE);
    copierDebut(action, 3, ctx.sauvTypeVSE);
    if (dependanceVSE() == 1 && ctx.nbErreur == 0 && vaut(action, "CRE") &&
        (vaut(typeVSE, "EXP1") || vaut(typeVSE, "EGET"))) {
        copierDebut(lien, 12, ctx.sauvLienVSE);
        faireTamponVSEERR(ctx, vaut(typeVSE, "EXP1") ? 105 : 138, repondre(tampon, longueur, idx));
    }
    return ctx.nbErreur;
}
