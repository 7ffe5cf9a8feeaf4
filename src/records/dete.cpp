// DETE records: a keeper's identity and postal address under a 12-character
// keeper or holding number. A creation ties the number to the establishment
// of the header and takes its title or legal form from TRSCRE; a modification
// only asks for a known department and takes TRSMOD, which also holds the
// older titles; a request names the kind of its number in C12.
#include "records/dete.h"

#include <cstring>

#include "checks/coherence.h"
#include "checks/comparaisons.h"
#include "checks/generiques.h"
#include "checks/octets.h"
#include "checks/identifiants.h"
#include "records/records.h"

int fCoherenCC_dete_dem(const char* dependance, char* champ, const void* sverif, int lenSverif) {
    // The layout has no jump before C12, so its slot holds it.
    if (egalTexte(valCorpsVSE[C12].valeur, "D")) return fConform3(dependance, champ, TDD, LenTDD);
    return fConform8(dependance, champ, sverif, lenSverif);
}

// Obligation columns: CRE, DEM, INV, EDI, MOD. Rows that only cut a field out
// carry NON_CONTROLE.
const sCorps tDete[] = {
    {C1, 63, 64, 0, 0, 0, 2, 0, fVerifValAut, TAB(FR), SANS_DEP, 30},  // country
    // C2 keeper or holding number: tied to the establishment on creation, a
    // known department on modification, by its kind C12 on request.
    {C2, 65, 76, 0, 0, 0, 2, 0, fVerifDiffNull, TAB(DouzeBlancs), SANS_DEP, 30},
    {C2, 0, 0, 0, 1, 0, 2, 1, fCoherenCCD, SANS_TAB, DEP_E(E8), 50},
    {C2, 0, 0, 1, 1, 1, 2, 0, fConform3, TAB(TDD), DEP_E(E8), 50},
    {C2, 0, 0, 1, 0, 1, 2, 1, fCoherenCC_dete_dem, TAB(TD), DEP_E(E8), 50},
    {C3, 77, 78, NON_CONTROLE, nullptr, SANS_TAB, SANS_DEP, 0},  // processing status
    // C4 title or legal form.
    {C4, 79, 82, 0, 1, 1, 2, 1, fVerifValAut, TAB(TRSCRE), SANS_DEP, 39},
    {C4, 0, 0, 1, 1, 1, 2, 0, fVerifValAut, TAB(TRSMOD), SANS_DEP, 39},
    {C5, 83, 112, 0, 1, 1, 2, 0, fVerifDiffNull, TAB(trenteBlancs), SANS_DEP, 39},  // name
    // C6, C7 address lines: at least one of them.
    {C6, 113, 142, 0, 1, 1, 2, 0, fVDIFFVD, TAB(NB), DEP_C(C7), 74},
    {C7, 143, 172, 0, 1, 1, 2, 0, fVDIFFVD, TAB(NB), DEP_C(C6), 74},
    {C8, 173, 177, 0, 1, 1, 2, 0, fVerifDiffNull, TAB(cinqBlancs), SANS_DEP, 40},     // postal code
    {C9, 178, 207, 0, 1, 1, 2, 0, fVerifDiffNull, TAB(trenteBlancs), SANS_DEP, 79},   // town
    {C10, 208, 221, NON_CONTROLE, nullptr, SANS_TAB, SANS_DEP, 0},
    {C11, 222, 223, 0, 1, 1, 2, 0, fVerifValAut, TAB(TP), SANS_DEP, 80},  // country of the address
    {C12, 224, 224, 1, 0, 1, 2, 1, fVerifValAut, TAB(TEMOIN), SANS_DEP, 130},  // kind of C2 (request)
    {C13, 225, 230, NON_CONTROLE, nullptr, SANS_TAB, SANS_DEP, 0},
};
const int lDete = static_cast<int>(sizeof tDete / sizeof tDete[0]);

// Labels of the body fields.
const sLibelle libDete[] = {
    {C1, "code pays"},
    {C2, "numéro de détenteur ou d'exploitation"},
    {C3, "code résultat"},
    {C4, "civilité ou forme juridique"},
    {C5, "nom"},
    {C6, "ligne d'adresse 1"},
    {C7, "ligne d'adresse 2"},
    {C8, "code postal"},
    {C9, "commune"},
    {C10, "zone sans règle"},
    {C11, "code pays de l'adresse"},
    {C12, "nature du numéro (D ou E)"},
    {C13, "zone sans règle"},
};
const int nbLibDete = static_cast<int>(sizeof libDete / sizeof libDete[0]);
