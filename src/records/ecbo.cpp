// ECBO records: a bovine with two codes and two flags, a second bovine that
// is not French, and an optional third identification.
#include "records/ecbo.h"

#include <cstring>

#include "checks/generiques.h"
#include "checks/octets.h"
#include "checks/identifiants.h"
#include "records/records.h"

namespace {

// The third identification is left out when its country, number and code
// are exactly blanks of their widths (a value cut short is not).
bool groupeLaisseVide(const char* pays, const char* numero, const char* code) {
    return egalTexte(pays, "  ") && egalTexte(numero, "            ") && egalTexte(code, "  ");
}

}  // namespace

int ecbo_C12(const char* dependance, char* champ, const void* sverif, int lenSverif) {
    if (groupeLaisseVide(champ, valCorpsVSE[C13].valeur, valCorpsVSE[C15].valeur)) return 1;
    return fVerifValAut(dependance, champ, sverif, lenSverif);
}

int ecbo_C13(const char* dependance, char* champ, const void* sverif, int lenSverif) {
    if (groupeLaisseVide(valCorpsVSE[C12].valeur, champ, valCorpsVSE[C15].valeur)) return 1;
    if (!fVerifDiffNull(dependance, champ, sverif, lenSverif)) return 0;
    if (egalTexte(dependance, "FR")) return 1;
    return fVerifNumEtranger(dependance, champ, nullptr, 0);
}

int ecbo_C15(const char* dependance, char* champ, const void* sverif, int lenSverif) {
    if (groupeLaisseVide(valCorpsVSE[C12].valeur, valCorpsVSE[C13].valeur, champ)) return 1;
    return fVerifValAut(dependance, champ, sverif, lenSverif);
}

// Obligation columns: CRE, DEM, INV, EDI, MOD. An inventory checks the
// bovine's identification only; any action but a creation or an inventory
// is refused on every checked row.
const sCorps tEcbo[] = {
    // C1, C2 the bovine: any known country; a French number is well formed, a
    // foreign one is French-formed outside the exchanges and foreign-formed
    // inside them.
    {C1, 63, 64, 0, 2, 0, 2, 2, fVerifValAut, TAB(TP), SANS_DEP, 1},
    {C2, 65, 76, 0, 2, 0, 2, 2, fVerifDiffNull, TAB(DouzeBlancs), SANS_DEP, 1},
    {C2, 0, 0, 0, 2, 0, 2, 2, fConform10FR, TAB(TD), DEP_C(C1), 67},
    {C2, 0, 0, 0, 2, 0, 2, 2, fConform10FRnonECHAnon, TAB(TD), DEP_C(C1), 118},
    {C2, 0, 0, 0, 2, 0, 2, 2, fConform10FRnonECHAoui, SANS_TAB, DEP_C(C1), 1},
    {C3, 77, 78, NON_CONTROLE, nullptr, SANS_TAB, SANS_DEP, 0},  // processing status
    {C4, 79, 80, 0, 2, 1, 2, 2, fVerifValAut, TAB(TRG), SANS_DEP, 11},
    {C5, 81, 81, 0, 2, 1, 2, 2, fVerifValAut, TAB(BOOLFal), SANS_DEP, 12},
    {C6, 82, 82, 0, 2, 1, 2, 2, fVerifValAut, TAB(BOOLFal), SANS_DEP, 13},
    // C7, C8 the second bovine: a known country, a number, not French.
    {C7, 83, 84, 0, 2, 1, 2, 2, fVerifValAut, TAB(TP), SANS_DEP, 17},
    {C8, 85, 96, 0, 2, 1, 2, 2, fVerifDiffNull, TAB(DouzeBlancs), SANS_DEP, 17},
    {C8, 0, 0, 0, 2, 1, 2, 2, fConform10FRnon, SANS_TAB, DEP_C(C7), 17},
    {C9, 97, 106, NON_CONTROLE, nullptr, SANS_TAB, SANS_DEP, 0},
    {C10, 107, 110, NON_CONTROLE, nullptr, SANS_TAB, SANS_DEP, 0},
    {C11, 111, 112, 0, 2, 1, 2, 2, fVerifValAut, TAB(TRG), SANS_DEP, 20},
    // C12, C13, C15 the optional third identification.
    {C12, 113, 114, 0, 2, 1, 2, 2, ecbo_C12, TAB(TP), SANS_DEP, 14},
    {C13, 115, 126, 0, 2, 1, 2, 2, ecbo_C13, TAB(DouzeBlancs), DEP_C(C12), 14},
    {C14, 127, 136, NON_CONTROLE, nullptr, SANS_TAB, SANS_DEP, 0},
    {C15, 137, 138, 0, 2, 1, 2, 2, ecbo_C15, TAB(TRG), SANS_DEP, 16},
    {C16, 139, 230, NON_CONTROLE, nullptr, SANS_TAB, SANS_DEP, 0},
};
const int lEcbo = static_cast<int>(sizeof tEcbo / sizeof tEcbo[0]);

// Labels of the body fields.
const sLibelle libEcbo[] = {
    {C1, "code pays du bovin"},
    {C2, "numéro national du bovin"},
    {C3, "code résultat"},
    {C4, "code race"},
    {C5, "premier indicateur"},
    {C6, "second indicateur"},
    {C7, "code pays du second bovin"},
    {C8, "numéro du second bovin"},
    {C9, "zone sans règle"},
    {C10, "zone sans règle"},
    {C11, "code race"},
    {C12, "code pays de la troisième identification"},
    {C13, "numéro de la troisième identification"},
    {C14, "zone sans règle"},
    {C15, "code race de la troisième identification"},
    {C16, "zone sans règle"},
};
const int nbLibEcbo = static_cast<int>(sizeof libEcbo / sizeof libEcbo[0]);
