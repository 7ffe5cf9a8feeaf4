// ERTI records: a production unit of an establishment, with its production
// kind and three dates; laying units (kind "M") also give their sector and
// rearing code.
#include "records/erti.h"

#include <cstring>

#include "checks/coherence.h"
#include "checks/dates.h"
#include "checks/generiques.h"
#include "checks/octets.h"
#include "checks/identifiants.h"
#include "records/records.h"

int erti_fC5(const char* dependance, char* champ, const void* sverif, int lenSverif) {
    if (egalTexte(dependance, "V")) return estDansTable(champ, sverif, lenSverif);
    return egalTexte(champ, " ");
}

int erti_fC9C10(const char* dependance, char* champ, const void* sverif, int lenSverif) {
    if (egalTexte(dependance, "M")) return estDansTable(champ, sverif, lenSverif);
    return egalTexte(champ, "    ");
}

// Obligation columns: CRE, DEM, INV, EDI, MOD. The first date C6 is given on
// creation and left blank on modification; the third date C8 belongs to
// inventories and modifications.
const sCorps tErti[] = {
    {C1, 63, 64, 0, 2, 0, 2, 0, fVerifValAut, TAB(FR), SANS_DEP, 139},  // country
    // C2 establishment number: its form by kind (C4), and its issuer (E8).
    {C2, 65, 76, 0, 2, 0, 2, 0, fVerifDiffNull, TAB(DouzeBlancs), SANS_DEP, 139},
    {C2, 0, 0, 0, 2, 0, 2, 0, fConformEget, TAB(NEV), SANS_DEP, 140},
    {C2, 0, 0, 0, 2, 0, 2, 0, fCoherenCCEget, TAB(NEV), DEP_E(E8), 50},
    {C3, 77, 78, NON_CONTROLE, nullptr, SANS_TAB, SANS_DEP, 0},  // processing status
    {C4, 79, 79, 0, 2, 0, 2, 0, fVerifValAut, TAB(PROD_E), SANS_DEP, 131},  // production code
    {C5, 80, 80, 0, 2, 0, 2, 0, erti_fC5, TAB(PROD_EV), DEP_C(C4), 131},     // production kind
    {C6, 81, 88, 0, 2, 1, 2, 1, fDATEC, SANS_TAB, SANS_DEP, 144},
    {C6, 0, 0, 0, 2, 1, 2, 1, fCoherenDC, SANS_TAB, DEP_F(F1), 52},
    {C6, 0, 0, 1, 2, 1, 2, 0, fVerifValAut, TAB(HuitBlancs), SANS_DEP, 192},
    {C7, 89, 96, 0, 2, 1, 2, 0, fDatRecCorr, SANS_TAB, SANS_DEP, 145},
    {C7, 0, 0, 0, 2, 1, 2, 0, fDatRecPost, SANS_TAB, DEP_C(C6), 149},
    {C7, 0, 0, 0, 2, 1, 2, 0, fDatRecCohe, SANS_TAB, DEP_F(F1), 52},
    {C8, 97, 104, 1, 2, 0, 2, 0, fDATEC, SANS_TAB, SANS_DEP, 144},
    {C8, 0, 0, 1, 2, 0, 2, 0, fCoherenDC, SANS_TAB, DEP_F(F1), 52},
    {C9, 105, 108, 0, 2, 1, 2, 0, erti_fC9C10, TAB(FIL_V), DEP_C(C5), 146},   // sector
    {C10, 109, 112, 0, 2, 1, 2, 0, erti_fC9C10, TAB(ELV_V), DEP_C(C5), 147},  // rearing code
    {C11, 113, 230, NON_CONTROLE, nullptr, SANS_TAB, SANS_DEP, 0},
};
const int lErti = static_cast<int>(sizeof tErti / sizeof tErti[0]);

// Labels of the body fields.
const sLibelle libErti[] = {
    {C1, "code pays"},
    {C2, "numéro d'établissement"},
    {C3, "code résultat"},
    {C4, "code de production"},
    {C5, "genre de production"},
    {C6, "première date"},
    {C7, "deuxième date"},
    {C8, "troisième date"},
    {C9, "code de filière"},
    {C10, "code d'élevage"},
    {C11, "zone sans règle"},
};
const int nbLibErti = static_cast<int>(sizeof libErti / sizeof libErti[0]);
