// REBO records (re-tagging of a bovine): body rule table.
//
// The animal C1, C2 and the holding C5, C6 are checked for every admitted
// action. The re-tagging date C4 is checked on creation and modification;
// the second date, cut at columns 212 to 219 (field C23, value slot C7), on
// inventory and modification. The new tag's model C24 is checked on creation,
// the tag use code C25 on modification; both depend on the date C4 (a model
// and an indicator are required from 2011 on).
#include "checks/coherence.h"
#include "checks/dates.h"
#include "checks/dispositifs.h"
#include "checks/generiques.h"
#include "checks/identifiants.h"
#include "records/records.h"

// Obligation columns: CRE, DEM, INV, EDI, MOD. Rows that only cut a field out
// carry NON_CONTROLE.
const sCorps tRebo[] = {
    // C1, C2 the bovine.
    {C1, 63, 64, 0, 2, 0, 2, 0, fVerifValAut, TAB(TP), SANS_DEP, 1},
    {C2, 65, 76, 0, 2, 0, 2, 0, fVerifDiffNull, TAB(DouzeBlancs), SANS_DEP, 1},
    {C2, 0, 0, 0, 2, 0, 2, 0, fConform10FR, TAB(TD), DEP_C(C1), 67},
    {C2, 0, 0, 0, 2, 0, 2, 0, fConform10FRnonECHAnon, TAB(TD), DEP_C(C1), 118},
    {C2, 0, 0, 0, 2, 0, 2, 0, fConform10FRnonECHAoui, SANS_TAB, DEP_C(C1), 1},
    {C3, 77, 78, NON_CONTROLE, nullptr, SANS_TAB, SANS_DEP, 0},  // processing status
    // C4 the date of re-tagging.
    {C4, 79, 86, 0, 2, 1, 2, 0, fDATEC, SANS_TAB, SANS_DEP, 28},
    {C4, 0, 0, 0, 2, 1, 2, 0, fCoherenDC, SANS_TAB, DEP_F(F1), 52},
    // C5, C6 the holding.
    {C5, 87, 88, 0, 2, 0, 2, 0, fVerifValAut, TAB(FR), SANS_DEP, 27},
    {C6, 89, 100, 0, 2, 0, 2, 0, fVerifDiffNull, TAB(DouzeBlancs), SANS_DEP, 27},
    {C6, 0, 0, 0, 2, 0, 2, 0, fConform8, TAB(TD), SANS_DEP, 68},
    {C6, 0, 0, 0, 2, 0, 2, 0, fCoherenCC, SANS_TAB, DEP_E(E8), 50},
    // Columns 101 to 211 belong to no field. C23 the second date.
    {C23, 212, 219, 1, 2, 0, 2, 0, fDATEC, SANS_TAB, SANS_DEP, 28},
    {C23, 0, 0, 1, 2, 0, 2, 0, fCoherenDC, SANS_TAB, DEP_F(F1), 52},
    // C24 the model of the new tag.
    {C24, 220, 227, 0, 2, 1, 2, 1, fConform_BV_model1, SANS_TAB, DEP_C(C4), 153},
    {C24, 0, 0, 0, 2, 1, 2, 1, fConform_BV_model2, TAB(FAB_REP), SANS_DEP, 154},
    {C24, 0, 0, 0, 2, 1, 2, 1, fConform_BV_model3, TAB(C2_MODEL_BV), SANS_DEP, 155},
    {C24, 0, 0, 0, 2, 1, 2, 1, fConform_BV_model4, TAB(C3_MODEL_BV), SANS_DEP, 156},
    {C24, 0, 0, 0, 2, 1, 2, 1, fConform_BV_model5, SANS_TAB, SANS_DEP, 157},
    // C25 the tag use code.
    {C25, 228, 228, 1, 2, 1, 2, 0, fConform_temoin_bouc1, TAB(UTIL_BOUC), DEP_C(C4), 150},
    {C25, 0, 0, 1, 2, 1, 2, 0, fConform_temoin_bouc2, SANS_TAB, SANS_DEP, 191},
    {C26, 229, 230, NON_CONTROLE, nullptr, SANS_TAB, SANS_DEP, 0},
};
const int lRebo = static_cast<int>(sizeof tRebo / sizeof tRebo[0]);

// Labels of the body fields.
const sLibelle libRebo[] = {
    {C1, "code pays du bovin"},
    {C2, "numéro national du bovin"},
    {C3, "code résultat"},
    {C4, "date de rebouclage"},
    {C5, "code pays de l'exploitation"},
    {C6, "numéro de l'exploitation"},
    {C23, "seconde date"},
    {C24, "modèle de la nouvelle boucle"},
    {C25, "code d'utilisation de la boucle"},
    {C26, "zone sans règle"},
};
const int nbLibRebo = static_cast<int>(sizeof libRebo / sizeof libRebo[0]);
