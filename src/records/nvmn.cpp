// NVMN records: body rule table and the check of this type. The body follows
// the NAIS layout up to column 150, with fewer rules, and has its own date C18.
#include "records/nvmn.h"

#include "checks/coherence.h"
#include "checks/comparaisons.h"
#include "checks/dates.h"
#include "checks/generiques.h"
#include "checks/identifiants.h"
#include "records/nais.h"
#include "records/records.h"

int nvmn_C2(const char* dependance, char* champ, const void* sverif, int lenSverif) {
    return nais_C2(dependance, champ, sverif, lenSverif);
}

// Obligation columns: CRE, DEM, INV, EDI, MOD. Rows that only cut a field out
// carry NON_CONTROLE.
const sCorps tNvmn[] = {
    // C1, C2 identification of the calf.
    {C1, 63, 64, 0, 2, 0, 2, 0, fVerifValAut, TAB(FR), SANS_DEP, 1},
    {C2, 65, 76, 0, 2, 0, 2, 0, fVerifDiffNull, TAB(DouzeBlancs), SANS_DEP, 1},
    {C2, 0, 0, 0, 2, 1, 2, 0, nvmn_C2, TAB(TD), SANS_DEP, 67},
    {C2, 0, 0, 1, 2, 0, 2, 1, fConform10, TAB(TD), SANS_DEP, 67},
    {C2, 0, 0, 0, 2, 0, 2, 0, fCoherenCC, SANS_TAB, DEP_E(E8), 50},
    {C3, 77, 78, NON_CONTROLE, nullptr, SANS_TAB, SANS_DEP, 0},  // processing status
    {C4, 79, 79, 0, 2, 1, 2, 0, fVerifValAut, TAB(SEX), SANS_DEP, 3},
    {C5, 80, 81, 0, 2, 1, 2, 0, fVerifValAut, TAB(TR), SANS_DEP, 4},
    // C6 birth date.
    {C6, 82, 89, 0, 2, 1, 2, 0, fDATEC, SANS_TAB, SANS_DEP, 5},
    {C6, 0, 0, 0, 2, 1, 2, 0, fCoherenDC, SANS_TAB, DEP_F(F1), 52},
    {C7, 90, 93, NON_CONTROLE, nullptr, SANS_TAB, SANS_DEP, 0},
    {C8, 94, 103, NON_CONTROLE, nullptr, SANS_TAB, SANS_DEP, 0},
    {C9, 104, 104, NON_CONTROLE, nullptr, SANS_TAB, SANS_DEP, 0},
    // C10, C11, C12 related animal 1: country, number, breed code.
    {C10, 105, 106, 0, 2, 1, 2, 0, fVerifValAut, TAB(TP), SANS_DEP, 7},
    {C11, 107, 118, 0, 2, 1, 2, 0, fVerifDiffNull, TAB(DouzeBlancs), SANS_DEP, 7},
    {C11, 0, 0, 0, 2, 1, 2, 0, fConform10FR, TAB(TD), DEP_C(C10), 67},
    {C11, 0, 0, 0, 2, 1, 2, 0, fConform10FRnonECHAnon, TAB(TD), DEP_C(C10), 118},
    {C11, 0, 0, 0, 2, 1, 2, 0, fConform10FRnonECHAoui, SANS_TAB, DEP_C(C10), 6},
    {C12, 119, 120, 0, 2, 1, 2, 0, fVerifValAut, TAB(TR), SANS_DEP, 8},
    // C13, C14, C15 related animal 2: country, number (foreign numbers
    // allowed), breed code.
    {C13, 121, 122, 0, 2, 1, 2, 0, fVDIFFNULLVTAB, TAB(TP), SANS_DEP, 14},
    {C14, 123, 134, 0, 2, 1, 2, 0, fSimult, SANS_TAB, DEP_C(C13), 114},
    {C14, 0, 0, 0, 2, 1, 2, 0, fVerifNumEtrangerN, SANS_TAB, DEP_C(C13), 14},
    {C15, 135, 136, 0, 2, 1, 2, 0, fVerifValAut, TAB(TR), SANS_DEP, 9},
    // C16, C17 holding of birth.
    {C16, 137, 138, 0, 2, 1, 2, 0, fVerifValAut, TAB(FR), SANS_DEP, 2},
    {C17, 139, 150, 0, 2, 1, 2, 0, fVerifDiffNull, TAB(DouzeBlancs), SANS_DEP, 2},
    {C17, 0, 0, 0, 2, 1, 2, 0, fConform8, TAB(TD), SANS_DEP, 68},
    {C17, 0, 0, 0, 2, 1, 2, 0, fCoherenCC, SANS_TAB, DEP_E(E8), 50},
    // C18 a date on or after the birth and not after the record's date.
    {C18, 151, 158, 0, 2, 1, 2, 1, fDatRecCorr_O, SANS_TAB, SANS_DEP, 134},
    {C18, 0, 0, 0, 2, 1, 2, 1, fDatRecCohe, SANS_TAB, DEP_F(F1), 52},
    {C18, 0, 0, 0, 2, 1, 2, 1, fDatRecPost, SANS_TAB, DEP_C(C6), 137},
    {C19, 159, 230, NON_CONTROLE, nullptr, SANS_TAB, SANS_DEP, 0},
};
const int lNvmn = static_cast<int>(sizeof tNvmn / sizeof tNvmn[0]);

// Labels of the body fields.
const sLibelle libNvmn[] = {
    {C1, "code pays du veau"},
    {C2, "numéro national du veau"},
    {C3, "code résultat"},
    {C4, "sexe"},
    {C5, "code race du veau"},
    {C6, "date de naissance"},
    {C7, "zone sans règle"},
    {C8, "zone sans règle"},
    {C9, "zone sans règle"},
    {C10, "code pays de l'animal apparenté 1"},
    {C11, "numéro national de l'animal apparenté 1"},
    {C12, "code race de l'animal apparenté 1"},
    {C13, "code pays de l'animal apparenté 2"},
    {C14, "numéro de l'animal apparenté 2"},
    {C15, "code race de l'animal apparenté 2"},
    {C16, "code pays de l'exploitation de naissance"},
    {C17, "numéro de l'exploitation de naissance"},
    {C18, "date de réception"},
    {C19, "zone sans règle"},
};
const int nbLibNvmn = static_cast<int>(sizeof libNvmn / sizeof libNvmn[0]);
