// IMOC records (a marking code assigned to a holding): body rule table.
//
// The marking code C2 must lie in the establishment's range; an inventory
// checks only that code, a creation the holding, the model letter and the
// date as well.
#include "checks/coherence.h"
#include "checks/dates.h"
#include "checks/dispositifs.h"
#include "checks/generiques.h"
#include "checks/identifiants.h"
#include "records/records.h"

// Obligation columns: CRE, DEM, INV, EDI, MOD. Rows that only cut a field out
// carry NON_CONTROLE.
const sCorps tImoc[] = {
    // C1, C2 the marking code.
    {C1, 63, 64, 0, 2, 0, 2, 2, fVerifValAut, TAB(FR), SANS_DEP, 159},
    {C2, 65, 76, 0, 2, 0, 2, 2, fVerifDiffNull, TAB(DouzeBlancs), SANS_DEP, 160},
    {C2, 0, 0, 0, 2, 0, 2, 2, fConform_OC_IND_M, SANS_TAB, SANS_DEP, 161},
    {C2, 0, 0, 0, 2, 0, 2, 2, fCoheren_OC_IND_M, TAB(IND_M), DEP_E(E8), 50},
    {C3, 77, 78, NON_CONTROLE, nullptr, SANS_TAB, SANS_DEP, 0},  // processing status
    // C4, C5 the holding.
    {C4, 79, 80, 0, 2, 1, 2, 2, fVerifValAut, TAB(FR), SANS_DEP, 27},
    {C5, 81, 92, 0, 2, 1, 2, 2, fVerifDiffNull, TAB(DouzeBlancs), SANS_DEP, 27},
    {C5, 0, 0, 0, 2, 1, 2, 2, fConform8, TAB(TD), DEP_C(C1), 68},
    {C5, 0, 0, 0, 2, 1, 2, 2, fCoherenCC, SANS_TAB, DEP_E(E8), 50},
    // C6 the species letter of the models, C7 the date.
    {C6, 93, 93, 0, 2, 1, 2, 2, fVerifValAut, TAB(C2_MODEL), SANS_DEP, 162},
    {C7, 94, 101, 0, 2, 1, 2, 2, fDATEC, SANS_TAB, SANS_DEP, 163},
    {C7, 0, 0, 0, 2, 1, 2, 2, fCoherenDC, SANS_TAB, DEP_F(F1), 52},
    {C8, 102, 230, NON_CONTROLE, nullptr, SANS_TAB, SANS_DEP, 0},
};
const int lImoc = static_cast<int>(sizeof tImoc / sizeof tImoc[0]);

// Labels of the body fields.
const sLibelle libImoc[] = {
    {C1, "code pays"},
    {C2, "code de marquage"},
    {C3, "code résultat"},
    {C4, "code pays de l'exploitation"},
    {C5, "numéro de l'exploitation"},
    {C6, "code de modèle"},
    {C7, "date"},
    {C8, "zone sans règle"},
};
const int nbLibImoc = static_cast<int>(sizeof libImoc / sizeof libImoc[0]);
