// Field verification engine.
#include "engine/verif.h"

#include <cstdio>
#include <cstring>

namespace {

// Obligation column selected by an action code: 0 CRE (and ECQ), 1 DEM,
// 2 INV, 3 EDI, 4 MOD; -1 for any other code.
int colonneObligation(const char* valE5) {
    static const char* const actions[] = {"CRE", "DEM", "INV", "EDI", "MOD", "ECQ"};
    for (int i = 0; i < 6; ++i) {
        if (std::strcmp(valE5, actions[i]) == 0) return i == 5 ? 0 : i;
    }
    return -1;
}

int obligation(const sCorps& regle, int colonne) {
    switch (colonne) {
    case 0: return regle.typeCRE;
    case 1: return regle.typeDEM;
    case 2: return regle.typeINV;
    case 3: return regle.typeEDI;
    case 4: return regle.typeMOD;
    default: return -1;
    }
}

// Reports a faulty line (bad characters, wrong length) once per record.
int signalerDefautLigne(int& drapeau, int valeurDrapeau, int visu, const char* trace, int numero,
                        int* codeErreur, int n) {
    if (drapeau != valeurDrapeau) return n;
    if (visu == infVisu) std::fputs(trace, stdout);
    if (n <= 9) {
        drapeau = 0;
        codeErreur[n++] = numero;
    }
    return n;
}

}  // namespace

void preparerVue(const char* ligne, int longueur, char* vue) {
    for (int i = 0; i < longueur; ++i) vue[i] = ligne[i] == '\0' ? NUL_VU : ligne[i];
    vue[longueur] = '\0';
}

void getvseChamps(const sCorps* tCorps, int lCorps, const char* tampon, int longueur, valeurVSE* tValVSE,
                  int visu) {
    std::memcpy(xdebug, tampon, static_cast<size_t>(longueur) + 1);
    int k = 0;
    for (int i = 0; i < lCorps; ++i) {
        const sCorps& regle = tCorps[i];
        if (regle.fin == 0) continue;
        const int largeur = regle.fin - regle.debut + 1;
        int disponibles = longueur - (regle.debut - 1);
        if (disponibles < 0) disponibles = 0;
        const int copies = disponibles < largeur ? disponibles : largeur;
        char* slot = tValVSE[k].valeur;
        std::memcpy(slot, tampon + (regle.debut - 1 < longueur ? regle.debut - 1 : longueur), static_cast<size_t>(copies));
        slot[copies] = '\0';
        ++k;
    }
    if (visu == dgVisu) std::fputc('\n', stdout);
}

int verifChamps(sExecution& ctx, int visu, int nbErreurPassee, const sCorps* pChamps, int lpChamps,
                valeurVSE* valChampsVSE, const char* valE5, const char* premLettre) {
    int n = nbErreurPassee;
    int* codeErreur = ctx.codeErreur;
    n = signalerDefautLigne(ctx.codCaract, 1, visu, "VSE  cars non autorisés \n", 106, codeErreur, n);
    n = signalerDefautLigne(ctx.codLong, 1, visu, "VSE trop long \n", 107, codeErreur, n);
    n = signalerDefautLigne(ctx.codLong, 2, visu, "VSE trop court \n", 108, codeErreur, n);
    if (lpChamps <= 0) return n;

    const int colonne = valE5 != nullptr ? colonneObligation(valE5) : 0;
    int i = -1;
    for (int r = 0; r < lpChamps; ++r) {
        const sCorps& regle = pChamps[r];
        if (visu == dgVisu) std::printf("champ: %d  ", regle.numChamp + 1);
        if (regle.debut != 0) ++i;
        if (n > 9 || regle.pfVerif == nullptr) continue;
        char* valeur = valChampsVSE[i].valeur;
        if (valE5 != nullptr) {
            const int code = obligation(regle, colonne);
            if (code == 1) {
                if (visu == dgVisu) std::printf("verif ignoree! '%s'\n", valeur);
                continue;
            }
            if (code != 0) {
                if (visu == dgVisu) {
                    std::printf("verifOblg = [%d]\n", code);
                } else if (visu == infVisu) {
                    std::printf("%s%i.%i;", premLettre, i + 1, 86);
                }
                codeErreur[n++] = 86;
                continue;
            }
        }
        if (visu == dgVisu) std::printf("'%s'\n", valeur);
        if (regle.pfVerif(regle.dependance, valeur, regle.sverif, *regle.plenSverif) == 0) {
            if (visu == dgVisu) std::printf("! erreurChamp sur [%s]\n", valeur);
            if (visu == infVisu) std::printf("%s%i.%i;", premLettre, i + 1, regle.noErr);
            codeErreur[n++] = regle.noErr;
        }
    }
    return n;
}

bool colonnesDuSlot(const sCorps* tCorps, int lCorps, int slot, int* debut, int* fin) {
    int k = 0;
    for (int i = 0; i < lCorps; ++i) {
        if (tCorps[i].fin == 0) continue;
        if (k == slot) {
            *debut = tCorps[i].debut;
            *fin = tCorps[i].fin;
            return true;
        }
        ++k;
    }
    return false;
}
