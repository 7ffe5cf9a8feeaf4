// Field verification engine.
#include "engine/verif.h"

#include <cstdio>
#include <cstring>

#include "checks/generiques.h"
#include "checks/index.h"

namespace {

// The obligation columns of a rule, in the order of colonneObligation.
constexpr int sCorps::* kColonnes[] = {&sCorps::typeCRE, &sCorps::typeDEM, &sCorps::typeINV, &sCorps::typeEDI,
                                       &sCorps::typeMOD};

// Obligation column selected by an action code: 0 CRE (and ECQ), 1 DEM,
// 2 INV, 3 EDI, 4 MOD; -1 for any other code. Codes are 3 characters: the
// value is compared with each, whole, once it is known to be 3 long.
int colonneObligation(const char* valE5) {
    static constexpr char actions[][4] = {"CRE", "DEM", "INV", "EDI", "MOD", "ECQ"};
    if (valE5[0] == '\0' || valE5[1] == '\0' || valE5[2] == '\0' || valE5[3] != '\0') return -1;
    for (int i = 0; i < 6; ++i) {
        if (std::memcmp(valE5, actions[i], 3) == 0) return i == 5 ? 0 : i;
    }
    return -1;
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

// Record-level faults first, in this order.
int signalerDefautsLigne(sMoteur& m, int visu, int n) {
    n = signalerDefautLigne(m.codCaract, 1, visu, "VSE  cars non autorisés \n", erreur::CARACTERES, m.codeErreur, n);
    n = signalerDefautLigne(m.codLong, 1, visu, "VSE trop long \n", erreur::TROP_LONG, m.codeErreur, n);
    return signalerDefautLigne(m.codLong, 2, visu, "VSE trop court \n", erreur::TROP_COURT, m.codeErreur, n);
}

// Copies the field at 0-based column debut of a record of longueur
// characters into a slot, cut short at the record's end.
void couperChamp(const char* tampon, int longueur, int debut, int largeur, char* slot) {
    int disponibles = longueur - debut;
    if (disponibles < 0) disponibles = 0;
    const int copies = disponibles < largeur ? disponibles : largeur;
    std::memcpy(slot, tampon + (debut < longueur ? debut : longueur), static_cast<size_t>(copies));
    slot[copies] = '\0';
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
        couperChamp(tampon, longueur, regle.debut - 1, regle.fin - regle.debut + 1, tValVSE[k++].valeur);
    }
    if (visu == dgVisu) std::fputc('\n', stdout);
    return k;
}

int verifChamps(sMoteur& m, int visu, int nbErreurPassee, const sCorps* pChamps, int lpChamps,
                valeurVSE* valChampsVSE, const char* valE5, const char* premLettre) {
    int n = signalerDefautsLigne(m, visu, nbErreurPassee);
    if (lpChamps <= 0) return n;

    int* codeErreur = m.codeErreur;
    const int colonne = valE5 != nullptr ? colonneObligation(valE5) : 0;
    int i = -1;
    for (int r = 0; r < lpChamps; ++r) {
        const sCorps& regle = pChamps[r];
        if (visu == dgVisu) std::printf("champ: %d  ", regle.numChamp + 1);
        if (regle.debut != 0) ++i;
        if (n > 9 || regle.pfVerif == nullptr) continue;
        char* valeur = valChampsVSE[i].valeur;
        if (valE5 != nullptr) {
            const int code = colonne >= 0 ? regle.*kColonnes[colonne] : -1;
            if (code == 1) {
                if (visu == dgVisu) std::printf("verif ignoree! '%s'\n", valeur);
                continue;
            }
            if (code != 0) {
                if (visu == dgVisu) {
                    std::printf("verifOblg = [%d]\n", code);
                } else if (visu == infVisu) {
                    std::printf("%s%i.%i;", premLettre, i + 1, erreur::OBLIGATION);
                }
                codeErreur[n++] = erreur::OBLIGATION;
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

TableCompilee::TableCompilee(const sCorps* tCorps, int lCorps) : regles_(tCorps), nombre_(lCorps) {
    for (int r = 0; r < lCorps; ++r) {
        if (tCorps[r].fin == 0) continue;
        coupes_.push_back({tCorps[r].debut - 1, tCorps[r].fin - tCorps[r].debut + 1});
        coupesDansLeVSE_ = coupesDansLeVSE_ && tCorps[r].debut >= 1 && tCorps[r].fin <= LONGUEUR_VSE;
    }
    for (int plan = 0; plan < 7; ++plan) {
        int slot = -1;
        for (int r = 0; r < lCorps; ++r) {
            const sCorps& regle = tCorps[r];
            if (regle.debut != 0) ++slot;
            if (regle.pfVerif == nullptr) continue;
            int code = 0;
            if (plan == PLAN_ACTION_INCONNUE) {
                code = -1;
            } else if (plan != PLAN_SANS_OBLIGATION) {
                code = regle.*kColonnes[plan];
            }
            if (code == 1) continue;
            Etape etape{nullptr, nullptr, nullptr, nullptr, 0, erreur::OBLIGATION, slot};
            if (code == 0) {
                etape = {nullptr, regle.pfVerif, regle.dependance, regle.sverif, *regle.plenSverif, regle.noErr, slot};
                if (regle.pfVerif == fVerifValAut) etape.index = indexDeTable(regle.sverif, *regle.plenSverif);
            }
            plans_[plan].push_back(etape);
        }
    }
}

int TableCompilee::couper(const char* vue, int longueur, valeurVSE* tValVSE) const {
    valeurVSE* slot = tValVSE;
    if (longueur == LONGUEUR_VSE && coupesDansLeVSE_) {
        // A whole record holds every field: each is moved 16 bytes at a
        // time. The moves may read up to 15 bytes past the field (the view's
        // margin) and write as many past it in the slot (a field of w bytes
        // writes at most w rounded up to 16, never more than 256), all after
        // the NUL that ends the value.
        for (const Coupe& c : coupes_) {
            char* const valeur = (slot++)->valeur;
            const char* const champ = vue + c.debut;
            for (int fait = 0; fait < c.largeur; fait += 16) std::memcpy(valeur + fait, champ + fait, 16);
            valeur[c.largeur] = '\0';
        }
    } else {
        for (const Coupe& c : coupes_) couperChamp(vue, longueur, c.debut, c.largeur, (slot++)->valeur);
    }
    return static_cast<int>(coupes_.size());
}

int TableCompilee::verifier(sMoteur& m, int nbErreurPassee, valeurVSE* valChampsVSE, const char* valE5) const {
    int n = signalerDefautsLigne(m, noVisu, nbErreurPassee);
    if (nombre_ <= 0) return n;
    int plan = PLAN_SANS_OBLIGATION;
    if (valE5 != nullptr) {
        plan = colonneObligation(valE5);
        if (plan < 0) plan = PLAN_ACTION_INCONNUE;
    }
    for (const Etape& etape : plans_[plan]) {
        if (n > 9) break;
        if (etape.verif == nullptr) {
            m.codeErreur[n++] = erreur::OBLIGATION;
            continue;
        }
        char* const valeur = valChampsVSE[etape.slot].valeur;
        const bool accepte = etape.index != nullptr
                                 ? etape.index->contient(valeur)
                                 : etape.verif(etape.dependance, valeur, etape.sverif, etape.lenSverif) != 0;
        if (!accepte) m.codeErreur[n++] = etape.noErr;
    }
    return n;
}
