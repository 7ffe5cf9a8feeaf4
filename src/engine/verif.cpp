// Field verification engine.
#include "engine/verif.h"

#include <cstdio>
#include <cstring>

namespace {

// Obligation column of the rules selected by an action code: typeCRE for CRE
// (and ECQ), typeDEM, typeINV, typeEDI, typeMOD; null for any other code.
// Codes are 3 characters: the value is compared with each, whole, once it is
// known to be 3 long.
using ColonneObligation = int sCorps::*;
ColonneObligation colonneObligation(const char* valE5) {
    struct Action {
        char code[4];
        ColonneObligation colonne;
    };
    static constexpr Action actions[] = {
        {"CRE", &sCorps::typeCRE}, {"DEM", &sCorps::typeDEM}, {"INV", &sCorps::typeINV},
        {"EDI", &sCorps::typeEDI}, {"MOD", &sCorps::typeMOD}, {"ECQ", &sCorps::typeCRE},
    };
    if (valE5[0] == '\0' || valE5[1] == '\0' || valE5[2] == '\0' || valE5[3] != '\0') return nullptr;
    for (const Action& a : actions) {
        if (std::memcmp(valE5, a.code, 3) == 0) return a.colonne;
    }
    return nullptr;
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
    const size_t n = static_cast<size_t>(longueur);
    std::memcpy(vue, ligne, n);
    vue[n] = '\0';
    char* const fin = vue + n;
    for (char* nul = static_cast<char*>(std::memchr(vue, '\0', n)); nul != nullptr;
         nul = static_cast<char*>(std::memchr(nul + 1, '\0', static_cast<size_t>(fin - nul - 1)))) {
        *nul = NUL_VU;
    }
}

int getvseChamps(const sCorps* tCorps, int lCorps, const char* tampon, int longueur, valeurVSE* tValVSE,
                 int visu) {
    if (tampon != xdebug) std::memcpy(xdebug, tampon, static_cast<size_t>(longueur) + 1);
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
    return k;
}

int verifChamps(sExecution& ctx, int visu, int nbErreurPassee, const sCorps* pChamps, int lpChamps,
                valeurVSE* valChampsVSE, const char* valE5, const char* premLettre) {
    int n = nbErreurPassee;
    int* codeErreur = ctx.codeErreur;
    n = signalerDefautLigne(ctx.codCaract, 1, visu, "VSE  cars non autorisés \n", 106, codeErreur, n);
    n = signalerDefautLigne(ctx.codLong, 1, visu, "VSE trop long \n", 107, codeErreur, n);
    n = signalerDefautLigne(ctx.codLong, 2, visu, "VSE trop court \n", 108, codeErreur, n);
    if (lpChamps <= 0) return n;

    const ColonneObligation colonne = valE5 != nullptr ? colonneObligation(valE5) : nullptr;
    int i = -1;
    for (int r = 0; r < lpChamps; ++r) {
        const sCorps& regle = pChamps[r];
        if (visu == dgVisu) std::printf("champ: %d  ", regle.numChamp + 1);
        if (regle.debut != 0) ++i;
        if (n > 9 || regle.pfVerif == nullptr) continue;
        char* valeur = valChampsVSE[i].valeur;
        if (valE5 != nullptr) {
            const int code = colonne != nullptr ? regle.*colonne : -1;
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
