// RATA records: the link of an establishment to a holding from a start date;
// a modification moves it to a second holding and gives the end date. The
// RATA creation closes the pairing opened by the EGET creation with the same
// establishment number C2.
#include "checks/coherence.h"
#include "checks/dates.h"
#include "checks/generiques.h"
#include "checks/identifiants.h"
#include "records/records.h"

// Obligation columns: CRE, DEM, INV, EDI, MOD. Only creations and
// modifications are checked; the second holding C7-C8 and the end date C10
// belong to modifications.
const sCorps tRata[] = {
    {C1, 63, 64, 0, 2, 1, 2, 0, fVerifValAut, TAB(FR), SANS_DEP, 139},  // country
    // C2 establishment number: its form by kind (C4), and its issuer (E8).
    {C2, 65, 76, 0, 2, 1, 2, 0, fVerifDiffNull, TAB(DouzeBlancs), SANS_DEP, 139},
    {C2, 0, 0, 0, 2, 1, 2, 0, fConformEget, TAB(NEV), SANS_DEP, 140},
    {C2, 0, 0, 0, 2, 1, 2, 0, fCoherenCCEget, TAB(NEV), DEP_E(E8), 50},
    {C3, 77, 78, NON_CONTROLE, nullptr, SANS_TAB, SANS_DEP, 0},  // processing status
    {C4, 79, 79, 0, 2, 1, 2, 0, fVerifValAut, TAB(PROD_E), SANS_DEP, 131},  // production code
    // C5, C6 the holding.
    {C5, 80, 81, 0, 2, 1, 2, 0, fVerifValAut, TAB(FR), SANS_DEP, 31},
    {C6, 82, 93, 0, 2, 1, 2, 0, fVerifDiffNull, TAB(DouzeBlancs), SANS_DEP, 31},
    {C6, 0, 0, 0, 2, 1, 2, 0, fConform8, TAB(TD), DEP_C(C1), 68},
    // C7, C8 the second holding.
    {C7, 94, 95, 1, 2, 1, 2, 0, fVerifValAut, TAB(FR), SANS_DEP, 31},
    {C8, 96, 107, 1, 2, 1, 2, 0, fVerifDiffNull, TAB(DouzeBlancs), SANS_DEP, 31},
    {C8, 0, 0, 1, 2, 1, 2, 0, fConform8, TAB(TD), DEP_C(C1), 68},
    {C9, 108, 115, 0, 2, 1, 2, 0, fDATEC, SANS_TAB, SANS_DEP, 148},  // start date
    {C9, 0, 0, 0, 2, 1, 2, 0, fCoherenDC, SANS_TAB, DEP_F(F1), 52},
    {C10, 116, 123, 1, 2, 1, 2, 0, fDATEC, SANS_TAB, SANS_DEP, 148},  // end date
    {C10, 0, 0, 1, 2, 1, 2, 0, fCoherenDC, SANS_TAB, DEP_F(F1), 52},
    {C11, 124, 230, NON_CONTROLE, nullptr, SANS_TAB, SANS_DEP, 0},
};
const int lRata = static_cast<int>(sizeof tRata / sizeof tRata[0]);

// Labels of the body fields.
const sLibelle libRata[] = {
    {C1, "code pays"},
    {C2, "numéro d'établissement"},
    {C3, "code résultat"},
    {C4, "code de production"},
    {C5, "code pays de l'exploitation"},
    {C6, "numéro de l'exploitation"},
    {C7, "code pays de la seconde exploitation"},
    {C8, "numéro de la seconde exploitation"},
    {C9, "date de début"},
    {C10, "date de fin"},
    {C11, "zone sans règle"},
};
const int nbLibRata = static_cast<int>(sizeof libRata / sizeof libRata[0]);
