// RACO records (a census line of a holding): body rule table and the check
// of this type.
//
// The census year C4 is before the year of the record's date; the optional
// date C7 falls in a later year than the census.
#include "records/raco.h"

#include "checks/coherence.h"
#include "checks/dates.h"
#include "checks/generiques.h"
#include "checks/identifiants.h"
#include "checks/octets.h"
#include "records/records.h"

int raco_fC6(const char*, char* champ, const void*, int) {
    for (int i = 0; i < 6; ++i) {
        if (!estChiffre(champ[i])) return 0;  // also stops at the end of a short value
    }
    return 1;
}

// Obligation columns: CRE, DEM, INV, EDI, MOD. Rows that only cut a field out
// carry NON_CONTROLE.
const sCorps tRaco[] = {
    // C1, C2 the holding.
    {C1, 63, 64, 0, 2, 0, 2, 0, fVerifValAut, TAB(FR), SANS_DEP, 27},
    {C2, 65, 76, 0, 2, 0, 2, 0, fVerifDiffNull, TAB(DouzeBlancs), SANS_DEP, 27},
    {C2, 0, 0, 0, 2, 0, 2, 0, fConform8, TAB(TD), SANS_DEP, 68},
    {C2, 0, 0, 0, 2, 0, 2, 0, fCoherenCC, SANS_TAB, DEP_E(E8), 50},
    {C3, 77, 78, NON_CONTROLE, nullptr, SANS_TAB, SANS_DEP, 0},  // processing status
    // C4 the census year, C5 the census category, C6 the count.
    {C4, 79, 82, 0, 2, 0, 2, 0, fCoherenD_OC_an_1, SANS_TAB, SANS_DEP, 167},
    {C4, 0, 0, 0, 2, 0, 2, 0, fCoherenD_OC_an_2, SANS_TAB, DEP_F(F1), 168},
    {C5, 83, 88, 0, 2, 0, 2, 0, fVerifValAut, TAB(CAT_RECEN), SANS_DEP, 169},
    {C6, 89, 94, 0, 2, 1, 2, 0, raco_fC6, SANS_TAB, SANS_DEP, 170},
    // C7 the date.
    {C7, 95, 102, 0, 2, 1, 2, 1, fDatRecCorr, SANS_TAB, SANS_DEP, 134},
    {C7, 0, 0, 0, 2, 1, 2, 1, fDatRecCohe, SANS_TAB, DEP_F(F1), 52},
    {C7, 0, 0, 0, 2, 1, 2, 1, fDatRec_OC_Post, SANS_TAB, DEP_C(C4), 137},
    {C8, 103, 230, NON_CONTROLE, nullptr, SANS_TAB, SANS_DEP, 0},
};
const int lRaco = static_cast<int>(sizeof tRaco / sizeof tRaco[0]);

// Labels of the body fields.
const sLibelle libRaco[] = {
    {C1, "code pays de l'exploitation"},
    {C2, "numéro de l'exploitation"},
    {C3, "code résultat"},
    {C4, "année du recensement"},
    {C5, "catégorie de recensement"},
    {C6, "effectif"},
    {C7, "date"},
    {C8, "zone sans règle"},
};
const int nbLibRaco = static_cast<int>(sizeof libRaco / sizeof libRaco[0]);
