// NUMA records (a range of bovine national numbers allocated to a holding):
// body rule table and the checks of this type.
//
// The range is its first number C5 and a quantity C6 of at most 1000 that may
// not run past the last 8-digit serial. Both tag models must be given for a
// record dated from 2011 on (C7); the tag use code C8 is checked on
// modification only, and the date on creation only.
#include "records/numa.h"

#include "checks/coherence.h"
#include "checks/dates.h"
#include "checks/dispositifs.h"
#include "checks/generiques.h"
#include "checks/identifiants.h"
#include "records/dispositifs_communs.h"
#include "records/records.h"

namespace {
constexpr int QUANTITE_MAX = 1000;
constexpr int DERNIER_NUMERO = 100000000;
}  // namespace

int numa_fC6_1(const char*, char* champ, const void*, int) { return quantiteEnChiffres(champ); }

int numa_fC6_2(const char*, char* champ, const void*, int) { return quantiteJusqua(champ, QUANTITE_MAX); }

int numa_fC6_3(const char* dependance, char* champ, const void*, int) {
    return plageJusqua(dependance, 3, champ, DERNIER_NUMERO);
}

// Obligation columns: CRE, DEM, INV, EDI, MOD. Rows that only cut a field out
// carry NON_CONTROLE.
const sCorps tNuma[] = {
    // C1, C2 the holding the numbers are allocated to.
    {C1, 63, 64, 0, 2, 2, 2, 0, fVerifValAut, TAB(FR), SANS_DEP, 27},
    {C2, 65, 76, 0, 2, 2, 2, 0, fVerifDiffNull, TAB(DouzeBlancs), SANS_DEP, 27},
    {C2, 0, 0, 0, 2, 2, 2, 0, fConform8, TAB(TD), SANS_DEP, 68},
    {C2, 0, 0, 0, 2, 2, 2, 0, fCoherenCC, SANS_TAB, DEP_E(E8), 50},
    {C3, 77, 78, NON_CONTROLE, nullptr, SANS_TAB, SANS_DEP, 0},  // processing status
    // C4, C5 the first national number of the range.
    {C4, 79, 80, 0, 2, 2, 2, 0, fVerifValAut, TAB(FR), SANS_DEP, 26},
    {C5, 81, 92, 0, 2, 2, 2, 0, fVerifDiffNull, TAB(DouzeBlancs), SANS_DEP, 26},
    {C5, 0, 0, 0, 2, 2, 2, 0, fConform10, TAB(TD), SANS_DEP, 67},
    {C5, 0, 0, 0, 2, 2, 2, 0, fCoherenCC, SANS_TAB, DEP_E(E8), 50},
    // C6 the quantity.
    {C6, 93, 98, 0, 2, 2, 2, 0, numa_fC6_1, SANS_TAB, SANS_DEP, 48},
    {C6, 0, 0, 0, 2, 2, 2, 0, numa_fC6_2, SANS_TAB, SANS_DEP, 177},
    {C6, 0, 0, 0, 2, 2, 2, 0, numa_fC6_3, SANS_TAB, DEP_C(C5), 179},
    // C7 the date.
    {C7, 99, 106, 0, 2, 2, 2, 1, fDATEC, SANS_TAB, SANS_DEP, 28},
    {C7, 0, 0, 0, 2, 2, 2, 1, fCoherenDC, SANS_TAB, DEP_F(F1), 52},
    // C8 the tag use code.
    {C8, 107, 107, 1, 2, 2, 2, 0, fVerifValAut, TAB(UTIL_BOUC), SANS_DEP, 150},
    // C9, C10 the models of the first and the second tag.
    {C9, 108, 115, 0, 2, 2, 2, 0, fConform_BV_model1, SANS_TAB, DEP_C(C7), 153},
    {C9, 0, 0, 0, 2, 2, 2, 0, fConform_BV_model2, TAB(FAB_REP), SANS_DEP, 154},
    {C9, 0, 0, 0, 2, 2, 2, 0, fConform_BV_model3, TAB(C2_MODEL_BV), SANS_DEP, 155},
    {C9, 0, 0, 0, 2, 2, 2, 0, fConform_BV_model4, TAB(C3_MODEL_BV), SANS_DEP, 156},
    {C9, 0, 0, 0, 2, 2, 2, 0, fConform_BV_model5, SANS_TAB, SANS_DEP, 157},
    {C10, 116, 123, 0, 2, 2, 2, 0, fConform_BV_model1, SANS_TAB, DEP_C(C7), 153},
    {C10, 0, 0, 0, 2, 2, 2, 0, fConform_BV_model2, TAB(FAB_REP), SANS_DEP, 154},
    {C10, 0, 0, 0, 2, 2, 2, 0, fConform_BV_model3, TAB(C2_MODEL_BV), SANS_DEP, 155},
    {C10, 0, 0, 0, 2, 2, 2, 0, fConform_BV_model4, TAB(C3_MODEL_BV), SANS_DEP, 156},
    {C10, 0, 0, 0, 2, 2, 2, 0, fConform_BV_model5, SANS_TAB, SANS_DEP, 157},
    {C11, 124, 230, NON_CONTROLE, nullptr, SANS_TAB, SANS_DEP, 0},
};
const int lNuma = static_cast<int>(sizeof tNuma / sizeof tNuma[0]);

// Labels of the body fields.
const sLibelle libNuma[] = {
    {C1, "code pays de l'exploitation"},
    {C2, "numéro de l'exploitation"},
    {C3, "code résultat"},
    {C4, "code pays de la plage"},
    {C5, "premier numéro national de la plage"},
    {C6, "quantité"},
    {C7, "date"},
    {C8, "code d'utilisation des boucles"},
    {C9, "modèle de la première boucle"},
    {C10, "modèle de la seconde boucle"},
    {C11, "zone sans règle"},
};
const int nbLibNuma = static_cast<int>(sizeof libNuma / sizeof libNuma[0]);
