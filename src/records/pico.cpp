// PICO records (an order of sheep and goat identifiers): body rule table and
// the checks of this type. Only creations are admitted.
//
// The range is its first identifier C5, whose character 7 depends on the
// order type C9, and a quantity C6 of at most 10000 that may not run past the
// last identifier of its series.
#include "records/pico.h"

#include "checks/coherence.h"
#include "checks/dates.h"
#include "checks/dispositifs.h"
#include "checks/generiques.h"
#include "checks/identifiants.h"
#include "checks/octets.h"
#include "records/dispositifs_communs.h"
#include "records/records.h"

namespace {
constexpr int QUANTITE_MAX = 10000;
// Replacement orders number their identifiers on 4 digits after the letter,
// the others on 5 digits after the digit of character 7.
constexpr int DERNIER_REMPLACEMENT = 10000;
constexpr int DERNIER_NUMERO = 100000;

bool estRemplacement(const char* typeCommande) { return egalTexte(typeCommande, "PR") || egalTexte(typeCommande, "PC"); }
}  // namespace

int pico_fC6_1(const char*, char* champ, const void*, int) { return quantiteEnChiffres(champ); }

int pico_fC6_2(const char*, char* champ, const void*, int) { return quantiteJusqua(champ, QUANTITE_MAX); }

int pico_fC6_3(const char* dependance, char* champ, const void*, int) {
    if (estRemplacement(valCorpsVSE[C9].valeur)) return plageJusqua(dependance, 8, champ, DERNIER_REMPLACEMENT);
    return plageJusqua(dependance, 7, champ, DERNIER_NUMERO);
}

// Obligation columns: CRE, DEM, INV, EDI, MOD. Rows that only cut a field out
// carry NON_CONTROLE.
const sCorps tPico[] = {
    // C1, C2 the holding.
    {C1, 63, 64, 0, 2, 2, 2, 2, fVerifValAut, TAB(FR), SANS_DEP, 27},
    {C2, 65, 76, 0, 2, 2, 2, 2, fVerifDiffNull, TAB(DouzeBlancs), SANS_DEP, 27},
    {C2, 0, 0, 0, 2, 2, 2, 2, fConform8, TAB(TD), SANS_DEP, 68},
    {C2, 0, 0, 0, 2, 2, 2, 2, fCoherenCC, SANS_TAB, DEP_E(E8), 50},
    {C3, 77, 78, NON_CONTROLE, nullptr, SANS_TAB, SANS_DEP, 0},  // processing status
    // C4, C5 the first identifier of the range, in the establishment's range.
    {C4, 79, 80, 0, 2, 2, 2, 2, fVerifValAut, TAB(FR), SANS_DEP, 164},
    {C5, 81, 92, 0, 2, 2, 2, 2, fVerifDiffNull, TAB(DouzeBlancs), SANS_DEP, 165},
    {C5, 0, 0, 0, 2, 2, 2, 2, fConform_OC_TP, TAB(IND_M), DEP_C(C4), 151},
    {C5, 0, 0, 0, 2, 2, 2, 2, fCoheren_OC_IND_M, TAB(IND_M), DEP_E(E8), 50},
    // C6 the quantity.
    {C6, 93, 98, 0, 2, 2, 2, 2, pico_fC6_1, SANS_TAB, SANS_DEP, 48},
    {C6, 0, 0, 0, 2, 2, 2, 2, pico_fC6_2, SANS_TAB, SANS_DEP, 178},
    {C6, 0, 0, 0, 2, 2, 2, 2, pico_fC6_3, SANS_TAB, DEP_C(C5), 180},
    // C7 the date.
    {C7, 99, 106, 0, 2, 2, 2, 2, fDATEC, SANS_TAB, SANS_DEP, 28},
    {C7, 0, 0, 0, 2, 2, 2, 2, fCoherenDC, SANS_TAB, DEP_F(F1), 52},
    // C8 the tag model.
    {C8, 107, 114, 0, 2, 2, 2, 2, fConform_OC_model1, SANS_TAB, SANS_DEP, 153},
    {C8, 0, 0, 0, 2, 2, 2, 2, fConform_OC_model2, TAB(FAB_REP), SANS_DEP, 154},
    {C8, 0, 0, 0, 2, 2, 2, 2, fConform_OC_model3, TAB(C2_MODEL), SANS_DEP, 155},
    {C8, 0, 0, 0, 2, 2, 2, 2, fConform_OC_model4, TAB(C3_MODEL), SANS_DEP, 156},
    {C8, 0, 0, 0, 2, 2, 2, 2, fConform_OC_model5, SANS_TAB, SANS_DEP, 157},
    // C9 the order type, C10 a country, C11 the counter of the model.
    {C9, 115, 116, 0, 2, 2, 2, 2, fVerifValAut, TAB(TYP_COM), SANS_DEP, 166},
    {C10, 117, 118, 0, 2, 2, 2, 2, fVerifValAut, TAB(TP), SANS_DEP, 152},
    {C11, 119, 119, 0, 2, 2, 2, 2, fConform_OC_compteur, SANS_TAB, DEP_C(C8), 158},
    {C12, 120, 230, NON_CONTROLE, nullptr, SANS_TAB, SANS_DEP, 0},
};
const int lPico = static_cast<int>(sizeof tPico / sizeof tPico[0]);

// Labels of the body fields.
const sLibelle libPico[] = {
    {C1, "code pays de l'exploitation"},
    {C2, "numéro de l'exploitation"},
    {C3, "code résultat"},
    {C4, "code pays de la plage"},
    {C5, "premier identifiant de la plage"},
    {C6, "quantité"},
    {C7, "date"},
    {C8, "modèle de boucle"},
    {C9, "type de commande"},
    {C10, "code pays"},
    {C11, "compteur"},
    {C12, "zone sans règle"},
};
const int nbLibPico = static_cast<int>(sizeof libPico / sizeof libPico[0]);
