// EGET records: an establishment, identified by its number C2 and its
// production code C4, with its name and address. An accepted creation opens a
// pairing that the RATA creation with the same C2 must close.
#include "records/eget.h"

#include <cstring>

#include "checks/coherence.h"
#include "checks/generiques.h"
#include "checks/octets.h"
#include "checks/identifiants.h"
#include "records/records.h"

namespace {

// A line of 30 blanks holds nothing. A line cut short by a short record is
// not 30 blanks.
bool ligneRemplie(const char* ligne) { return ligne[0] != ' ' || std::strcmp(ligne, trenteBlancs[0]) != 0; }

}  // namespace

int eget_fC5C6(const char* dependance, char* champ, const void*, int) {
    return ligneRemplie(champ) || ligneRemplie(dependance);
}

// Obligation columns: CRE, DEM, INV, EDI, MOD. Requests and editions are not
// admitted; an inventory checks only the establishment's identification.
const sCorps tEget[] = {
    {C1, 63, 64, 0, 2, 0, 2, 0, fVerifValAut, TAB(FR), SANS_DEP, 139},  // country
    // C2 establishment number: its form by kind (C4), and its issuer (E8).
    {C2, 65, 76, 0, 2, 0, 2, 0, fVerifDiffNull, TAB(DouzeBlancs), SANS_DEP, 139},
    {C2, 0, 0, 0, 2, 0, 2, 0, fConformEget, TAB(NEV), SANS_DEP, 140},
    {C2, 0, 0, 0, 2, 0, 2, 0, fCoherenCCEget, TAB(NEV), DEP_E(E8), 50},
    {C3, 77, 78, NON_CONTROLE, nullptr, SANS_TAB, SANS_DEP, 0},  // processing status
    {C4, 79, 79, 0, 2, 0, 2, 0, fVerifValAut, TAB(PROD_E), SANS_DEP, 131},  // production code
    // C5, C6 name and address lines: one of the two at least.
    {C5, 80, 109, 0, 2, 1, 2, 0, eget_fC5C6, SANS_TAB, DEP_C(C6), 141},
    {C6, 110, 139, 0, 2, 1, 2, 0, eget_fC5C6, SANS_TAB, DEP_C(C5), 141},
    {C7, 140, 144, 0, 2, 1, 2, 0, fVerifDiffNull, TAB(cinqBlancs), SANS_DEP, 142},     // postal code
    {C8, 145, 174, 0, 2, 1, 2, 0, fVerifDiffNull, TAB(trenteBlancs), SANS_DEP, 143},  // town
    {C9, 175, 230, NON_CONTROLE, nullptr, SANS_TAB, SANS_DEP, 0},
};
const int lEget = static_cast<int>(sizeof tEget / sizeof tEget[0]);

// Labels of the body fields.
const sLibelle libEget[] = {
    {C1, "code pays"},
    {C2, "numéro d'établissement"},
    {C3, "code résultat"},
    {C4, "code de production"},
    {C5, "nom et adresse, ligne 1"},
    {C6, "nom et adresse, ligne 2"},
    {C7, "code postal"},
    {C8, "commune"},
    {C9, "zone sans règle"},
};
const int nbLibEget = static_cast<int>(sizeof libEget / sizeof libEget[0]);
