// INFO records: an information request on one bovine, which carries the
// bovine's identification only. The type has no checks of its own; who may
// send a request, and to whom, is decided with the record's partners.
#include "checks/generiques.h"
#include "checks/identifiants.h"
#include "records/records.h"

// Obligation columns: CRE, DEM, INV, EDI, MOD. Only a request is checked;
// every other action is refused on every checked row. Columns 79 to 119
// belong to no field.
const sCorps tInfo[] = {
    // C1, C2 the bovine: any known country; a French number is well formed, a
    // foreign one is French-formed outside the exchanges and foreign-formed
    // inside them.
    {C1, 63, 64, 2, 0, 2, 2, 2, fVerifValAut, TAB(TP), SANS_DEP, 1},
    {C2, 65, 76, 2, 0, 2, 2, 2, fVerifDiffNull, TAB(DouzeBlancs), SANS_DEP, 1},
    {C2, 0, 0, 2, 0, 2, 2, 2, fConform10FR, TAB(TD), DEP_C(C1), 67},
    {C2, 0, 0, 2, 0, 2, 2, 2, fConform10FRnonECHAnon, TAB(TD), DEP_C(C1), 118},
    {C2, 0, 0, 2, 0, 2, 2, 2, fConform10FRnonECHAoui, SANS_TAB, DEP_C(C1), 1},
    {C3, 77, 78, NON_CONTROLE, nullptr, SANS_TAB, SANS_DEP, 0},  // processing status
    {C4, 120, 230, NON_CONTROLE, nullptr, SANS_TAB, SANS_DEP, 0},
};
const int lInfo = static_cast<int>(sizeof tInfo / sizeof tInfo[0]);

// Labels of the body fields.
const sLibelle libInfo[] = {
    {C1, "code pays du bovin"},
    {C2, "numéro national du bovin"},
    {C3, "code résultat"},
    {C4, "zone sans règle"},
};
const int nbLibInfo = static_cast<int>(sizeof libInfo / sizeof libInfo[0]);
