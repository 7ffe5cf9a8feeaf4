// EXP2 records: the link between a holding and a keeper number, with a
// second keeper number (inventory and modification) and two dates. The
// creation of a holding's EXP2 follows its EXP1 creation.
#include "checks/coherence.h"
#include "checks/dates.h"
#include "checks/generiques.h"
#include "checks/identifiants.h"
#include "records/records.h"

// Obligation columns: CRE, DEM, INV, EDI, MOD. Rows that only cut a field out
// carry NON_CONTROLE.
const sCorps tExp2[] = {
    {C1, 63, 64, 0, 2, 0, 2, 0, fVerifValAut, TAB(FR), SANS_DEP, 31},  // country
    // C2 holding number, of the establishment's department.
    {C2, 65, 76, 0, 2, 0, 2, 0, fVerifDiffNull, TAB(DouzeBlancs), SANS_DEP, 31},
    {C2, 0, 0, 0, 2, 0, 2, 0, fConform8, TAB(TD), DEP_C(C1), 68},
    {C2, 0, 0, 0, 2, 0, 2, 0, fCoherenCC, SANS_TAB, DEP_E(E8), 50},
    {C3, 77, 78, NON_CONTROLE, nullptr, SANS_TAB, SANS_DEP, 0},  // processing status
    // C4, C5 keeper: country and number, of a known department.
    {C4, 79, 80, 0, 2, 1, 2, 0, fVerifValAut, TAB(FR), SANS_DEP, 30},
    {C5, 81, 92, 0, 2, 1, 2, 0, fVerifDiffNull, TAB(DouzeBlancs), SANS_DEP, 30},
    {C5, 0, 0, 0, 2, 1, 2, 0, fConform3, TAB(TDD), SANS_DEP, 30},
    {C6, 93, 93, NON_CONTROLE, nullptr, SANS_TAB, SANS_DEP, 0},
    {C7, 94, 94, NON_CONTROLE, nullptr, SANS_TAB, SANS_DEP, 0},
    {C8, 95, 95, NON_CONTROLE, nullptr, SANS_TAB, SANS_DEP, 0},
    {C9, 96, 96, NON_CONTROLE, nullptr, SANS_TAB, SANS_DEP, 0},
    // C10, C11 second keeper, on inventory and modification.
    {C10, 97, 98, 1, 2, 0, 2, 0, fVerifValAut, TAB(FR), SANS_DEP, 76},
    {C11, 99, 110, 1, 2, 0, 2, 0, fVerifDiffNull, TAB(DouzeBlancs), SANS_DEP, 76},
    {C11, 0, 0, 1, 2, 0, 2, 0, fConform3, TAB(TDD), SANS_DEP, 76},
    {C12, 111, 120, NON_CONTROLE, nullptr, SANS_TAB, SANS_DEP, 0},
    {C13, 121, 130, NON_CONTROLE, nullptr, SANS_TAB, SANS_DEP, 0},
    {C14, 131, 140, NON_CONTROLE, nullptr, SANS_TAB, SANS_DEP, 0},
    // C15 first date (creation, modification), C16 second date (inventory,
    // modification): complete, not after the record's date.
    {C15, 141, 148, 0, 2, 1, 2, 0, fDATEC, SANS_TAB, SANS_DEP, 22},
    {C15, 0, 0, 0, 2, 1, 2, 0, fCoherenDC, SANS_TAB, DEP_F(F1), 52},
    {C16, 149, 156, 1, 2, 0, 2, 0, fDATEC, SANS_TAB, SANS_DEP, 22},
    {C16, 0, 0, 1, 2, 0, 2, 0, fCoherenDC, SANS_TAB, DEP_F(F1), 52},
    {C17, 157, 230, NON_CONTROLE, nullptr, SANS_TAB, SANS_DEP, 0},
};
const int lExp2 = static_cast<int>(sizeof tExp2 / sizeof tExp2[0]);

// Labels of the body fields.
const sLibelle libExp2[] = {
    {C1, "code pays"},
    {C2, "numéro d'exploitation"},
    {C3, "code résultat"},
    {C4, "code pays du détenteur"},
    {C5, "numéro de détenteur"},
    {C6, "caractère 93, sans règle"},
    {C7, "caractère 94, sans règle"},
    {C8, "caractère 95, sans règle"},
    {C9, "caractère 96, sans règle"},
    {C10, "code pays du second détenteur"},
    {C11, "numéro du second détenteur"},
    {C12, "zone sans règle"},
    {C13, "zone sans règle"},
    {C14, "zone sans règle"},
    {C15, "première date"},
    {C16, "seconde date"},
    {C17, "zone sans règle"},
};
const int nbLibExp2 = static_cast<int>(sizeof libExp2 / sizeof libExp2[0]);
