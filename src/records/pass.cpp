// PASS records: a request on a bovine kept in a holding, with a code, two
// dates, a time and a flag.
#include "records/pass.h"

#include "checks/coherence.h"
#include "checks/dates.h"
#include "checks/generiques.h"
#include "checks/identifiants.h"
#include "records/records.h"

namespace {

bool dateEtHeureRequises(const char* drapeau) { return drapeau[0] == '0'; }

}  // namespace

int pass_C7(const char* dependance, char* champ, const void*, int) {
    return !dateEtHeureRequises(dependance) || fDATEC(dependance, champ, nullptr, 0);
}

int pass_C10(const char* dependance, char* champ, const void*, int) {
    return !dateEtHeureRequises(dependance) || fHEUREC(dependance, champ, nullptr, 0);
}

// Obligation columns: CRE, DEM, INV, EDI, MOD. Creation and modification are
// refused on every checked row. A request checks the bovine and the holding;
// an inventory also the first date and the time; an edition the dates, the
// time and the flag, the first date and the time only when the flag asks.
const sCorps tPass[] = {
    // C1, C2 the bovine: any known country; a French number is well formed, a
    // foreign one is French-formed outside the exchanges and foreign-formed
    // inside them.
    {C1, 63, 64, 2, 0, 0, 0, 2, fVerifValAut, TAB(TP), SANS_DEP, 1},
    {C2, 65, 76, 2, 0, 0, 0, 2, fVerifDiffNull, TAB(DouzeBlancs), SANS_DEP, 1},
    {C2, 0, 0, 2, 0, 0, 0, 2, fConform10FR, TAB(TD), DEP_C(C1), 67},
    {C2, 0, 0, 2, 0, 0, 0, 2, fConform10FRnonECHAnon, TAB(TD), DEP_C(C1), 118},
    {C2, 0, 0, 2, 0, 0, 0, 2, fConform10FRnonECHAoui, SANS_TAB, DEP_C(C1), 1},
    {C3, 77, 78, NON_CONTROLE, nullptr, SANS_TAB, SANS_DEP, 0},  // processing status
    // C4, C5 the holding, in the establishment's department.
    {C4, 79, 80, 2, 0, 0, 0, 2, fVerifValAut, TAB(FR), SANS_DEP, 25},
    {C5, 81, 92, 2, 0, 0, 0, 2, fVerifDiffNull, TAB(DouzeBlancs), SANS_DEP, 25},
    {C5, 0, 0, 2, 0, 0, 0, 2, fConform8, TAB(TD), SANS_DEP, 68},
    {C5, 0, 0, 2, 0, 0, 0, 2, fCoherenCC, SANS_TAB, DEP_E(E8), 50},
    {C6, 93, 94, 2, 0, 0, 0, 2, fVerifValAut, TAB(TCEP), SANS_DEP, 44},
    {C7, 95, 102, 2, 1, 1, 0, 2, pass_C7, SANS_TAB, DEP_C(C11), 102},
    {C7, 0, 0, 2, 1, 0, 1, 2, fDATEC, SANS_TAB, SANS_DEP, 102},
    {C8, 103, 104, NON_CONTROLE, nullptr, SANS_TAB, SANS_DEP, 0},
    // C9 second date, not after the record's date.
    {C9, 105, 112, 2, 1, 1, 0, 2, fDATEC, SANS_TAB, SANS_DEP, 77},
    {C9, 0, 0, 2, 1, 1, 0, 2, fCoherenDC, SANS_TAB, DEP_F(F1), 52},
    {C10, 113, 118, 2, 1, 1, 0, 2, pass_C10, SANS_TAB, DEP_C(C11), 103},
    {C10, 0, 0, 2, 1, 0, 1, 2, fHEUREC, SANS_TAB, SANS_DEP, 103},
    {C11, 119, 119, 2, 1, 1, 0, 2, fVerifValAut, TAB(BOOL), SANS_DEP, 104},
    {C12, 120, 230, NON_CONTROLE, nullptr, SANS_TAB, SANS_DEP, 0},
};
const int lPass = static_cast<int>(sizeof tPass / sizeof tPass[0]);

// Labels of the body fields.
const sLibelle libPass[] = {
    {C1, "code pays du bovin"},
    {C2, "numéro national du bovin"},
    {C3, "code résultat"},
    {C4, "code pays de l'exploitation"},
    {C5, "numéro de l'exploitation"},
    {C6, "code de passeport"},
    {C7, "première date"},
    {C8, "zone sans règle"},
    {C9, "seconde date"},
    {C10, "heure"},
    {C11, "indicateur date et heure requises"},
    {C12, "zone sans règle"},
};
const int nbLibPass = static_cast<int>(sizeof libPass / sizeof libPass[0]);
