// ACTI records: an activity of a holding, with a flag, two dates and a
// production code. The first date is given on creation; the second, whose
// day or month may be unknown, on inventory.
#include "checks/coherence.h"
#include "checks/dates.h"
#include "checks/generiques.h"
#include "checks/identifiants.h"
#include "records/records.h"

// Obligation columns: CRE, DEM, INV, EDI, MOD. Rows that only cut a field out
// carry NON_CONTROLE.
const sCorps tActi[] = {
    {C1, 63, 64, 0, 2, 0, 2, 0, fVerifValAut, TAB(FR), SANS_DEP, 31},  // country
    // C2 holding number, of the establishment's department.
    {C2, 65, 76, 0, 2, 0, 2, 0, fVerifDiffNull, TAB(DouzeBlancs), SANS_DEP, 31},
    {C2, 0, 0, 0, 2, 0, 2, 0, fConform8, TAB(TD), DEP_C(C1), 68},
    {C2, 0, 0, 0, 2, 0, 2, 0, fCoherenCC, SANS_TAB, DEP_E(E8), 50},
    {C3, 77, 78, NON_CONTROLE, nullptr, SANS_TAB, SANS_DEP, 0},  // processing status
    {C4, 79, 79, 0, 2, 0, 2, 0, fVerifValAut, TAB(BOOL), SANS_DEP, 81},  // flag
    // C5 first date, complete, not after the record's date.
    {C5, 80, 87, 0, 2, 1, 2, 0, fDATEC, SANS_TAB, SANS_DEP, 36},
    {C5, 0, 0, 0, 2, 1, 2, 0, fCoherenDC, SANS_TAB, DEP_F(F1), 52},
    // C6 second date, maybe incomplete, not after the record's date.
    {C6, 88, 95, 1, 2, 0, 2, 0, fDATEI, SANS_TAB, SANS_DEP, 29},
    {C6, 0, 0, 1, 2, 0, 2, 0, fCoherenDC, SANS_TAB, DEP_F(F1), 52},
    {C7, 96, 96, 0, 2, 0, 2, 0, fVerifValAut, TAB(PROD), SANS_DEP, 131},  // production code
    {C8, 97, 230, NON_CONTROLE, nullptr, SANS_TAB, SANS_DEP, 0},
};
const int lActi = static_cast<int>(sizeof tActi / sizeof tActi[0]);

// Labels of the body fields.
const sLibelle libActi[] = {
    {C1, "code pays"},
    {C2, "numéro d'exploitation"},
    {C3, "code résultat"},
    {C4, "indicateur"},
    {C5, "première date"},
    {C6, "seconde date"},
    {C7, "code de production"},
    {C8, "zone sans règle"},
};
const int nbLibActi = static_cast<int>(sizeof libActi / sizeof libActi[0]);
