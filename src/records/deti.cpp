// DETI records: a flag and two dates on a keeper number. The first date is
// given on creation; the second, whose day or month may be unknown, on
// inventory.
#include "checks/coherence.h"
#include "checks/dates.h"
#include "checks/generiques.h"
#include "checks/identifiants.h"
#include "records/records.h"

// Obligation columns: CRE, DEM, INV, EDI, MOD. Rows that only cut a field out
// carry NON_CONTROLE.
const sCorps tDeti[] = {
    {C1, 63, 64, 0, 2, 0, 2, 0, fVerifValAut, TAB(FR), SANS_DEP, 30},  // country
    // C2 keeper number: its department first.
    {C2, 65, 76, 0, 2, 0, 2, 0, fVerifDiffNull, TAB(DouzeBlancs), SANS_DEP, 30},
    {C2, 0, 0, 0, 2, 0, 2, 0, fConform3, TAB(TDD), DEP_E(E8), 50},
    {C3, 77, 78, NON_CONTROLE, nullptr, SANS_TAB, SANS_DEP, 0},  // processing status
    {C4, 79, 79, 0, 2, 0, 2, 0, fVerifValAut, TAB(BOOL), SANS_DEP, 81},  // flag
    // C5 first date, complete, not after the record's date.
    {C5, 80, 87, 0, 2, 1, 2, 0, fDATEC, SANS_TAB, SANS_DEP, 42},
    {C5, 0, 0, 0, 2, 1, 2, 0, fCoherenDC, SANS_TAB, DEP_F(F1), 52},
    // C6 second date, maybe incomplete, not after the record's date.
    {C6, 88, 95, 1, 2, 0, 2, 0, fDATEI, SANS_TAB, SANS_DEP, 29},
    {C6, 0, 0, 1, 2, 0, 2, 0, fCoherenDC, SANS_TAB, DEP_F(F1), 52},
    {C7, 96, 230, NON_CONTROLE, nullptr, SANS_TAB, SANS_DEP, 0},
};
const int lDeti = static_cast<int>(sizeof tDeti / sizeof tDeti[0]);

// Labels of the body fields.
const sLibelle libDeti[] = {
    {C1, "code pays"},
    {C2, "numéro de détenteur"},
    {C3, "code résultat"},
    {C4, "indicateur"},
    {C5, "première date"},
    {C6, "seconde date"},
    {C7, "zone sans règle"},
};
const int nbLibDeti = static_cast<int>(sizeof libDeti / sizeof libDeti[0]);
