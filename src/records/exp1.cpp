// EXP1 records: a holding's identity and postal address, the twin of DETE
// for holdings. An accepted creation must be followed by the EXP2 creation
// of the same holding; record processing enforces that pairing.
#include "records/exp1.h"

#include <cstring>

#include "checks/coherence.h"
#include "checks/comparaisons.h"
#include "checks/generiques.h"
#include "checks/octets.h"
#include "checks/identifiants.h"
#include "records/records.h"

int fexp1_C4(const char* dependance, char* champ, const void* sverif, int lenSverif) {
    if (egalTexte(champ, "    ") || egalTexte(champ, "****")) return 1;
    return fVerifValAut(dependance, champ, sverif, lenSverif);
}

// Obligation columns: CRE, DEM, INV, EDI, MOD. Rows that only cut a field out
// carry NON_CONTROLE.
const sCorps tExp1[] = {
    {C1, 63, 64, 0, 2, 0, 2, 0, fVerifValAut, TAB(FR), SANS_DEP, 31},  // country
    // C2 holding number, of the establishment's department.
    {C2, 65, 76, 0, 2, 0, 2, 0, fVerifDiffNull, TAB(DouzeBlancs), SANS_DEP, 31},
    {C2, 0, 0, 0, 2, 0, 2, 0, fConform8, TAB(TD), DEP_C(C1), 68},
    {C2, 0, 0, 0, 2, 0, 2, 0, fCoherenCC, SANS_TAB, DEP_E(E8), 50},
    {C3, 77, 78, NON_CONTROLE, nullptr, SANS_TAB, SANS_DEP, 0},  // processing status
    // C4 title or legal form.
    {C4, 79, 82, 0, 2, 1, 2, 1, fexp1_C4, TAB(TRSCRE), SANS_DEP, 32},
    {C4, 0, 0, 1, 2, 1, 2, 0, fexp1_C4, TAB(TRSMOD), SANS_DEP, 32},
    {C5, 83, 112, NON_CONTROLE, nullptr, SANS_TAB, SANS_DEP, 0},  // name
    // C6, C7 address lines: at least one of them.
    {C6, 113, 142, 0, 2, 1, 2, 0, fCDIFF, TAB(trenteBlancs), DEP_C(C7), 75},
    {C7, 143, 172, 0, 2, 1, 2, 0, fCDIFF, TAB(trenteBlancs), DEP_C(C6), 75},
    {C8, 173, 177, 0, 2, 1, 2, 0, fVerifDiffNull, TAB(cinqBlancs), SANS_DEP, 33},    // postal code
    {C9, 178, 207, 0, 2, 1, 2, 0, fVerifDiffNull, TAB(trenteBlancs), SANS_DEP, 82},  // town
    {C10, 208, 221, NON_CONTROLE, nullptr, SANS_TAB, SANS_DEP, 0},
    {C11, 222, 223, 0, 2, 1, 2, 0, fVerifValAut, TAB(TTE), SANS_DEP, 35},
    {C12, 224, 230, NON_CONTROLE, nullptr, SANS_TAB, SANS_DEP, 0},
};
const int lExp1 = static_cast<int>(sizeof tExp1 / sizeof tExp1[0]);

// Labels of the body fields.
const sLibelle libExp1[] = {
    {C1, "code pays"},
    {C2, "numéro d'exploitation"},
    {C3, "code résultat"},
    {C4, "civilité ou forme juridique"},
    {C5, "nom"},
    {C6, "ligne d'adresse 1"},
    {C7, "ligne d'adresse 2"},
    {C8, "code postal"},
    {C9, "commune"},
    {C10, "zone sans règle"},
    {C11, "type d'exploitation"},
    {C12, "zone sans règle"},
};
const int nbLibExp1 = static_cast<int>(sizeof libExp1 / sizeof libExp1[0]);
