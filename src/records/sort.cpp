// SORT records: a bovine left a holding. C8 to C10 name the holding it went
// to (the destination).
#include "records/sort.h"

#include "checks/coherence.h"
#include "checks/dates.h"
#include "checks/generiques.h"
#include "checks/identifiants.h"
#include "records/mouvements.h"
#include "records/records.h"

namespace {

// Exits by cause S or T need the country of the destination; those and exits
// by cause M accept it without a holding number. No exit may leave the
// destination wholly blank.
constexpr CausesMvt kCausesSortie = {"ST", "MST", ""};

}  // namespace

int sort_fC5(const char* dependance, char* champ, const void*, int) { return mvt_fC5(dependance, champ); }

int sort_fC8_cre(const char*, char* champ, const void*, int) { return mvt_fC8(champ, kCausesSortie, MVT_CRE); }
int sort_fC8_mod(const char*, char* champ, const void*, int) { return mvt_fC8(champ, kCausesSortie, MVT_MOD); }

int sort_fC9_1_cre(const char*, char* champ, const void*, int) {
    return mvt_fC9_1(champ, kCausesSortie, MVT_CRE);
}
int sort_fC9_1_mod(const char*, char* champ, const void*, int) {
    return mvt_fC9_1(champ, kCausesSortie, MVT_MOD);
}

int sort_fC9_2_cre(const char*, char* champ, const void*, int) { return mvt_fC9_2(champ); }
int sort_fC9_2_mod(const char*, char* champ, const void*, int) { return mvt_fC9_2(champ); }

int sort_fC10_cre(const char*, char* champ, const void*, int) { return mvt_fC10(champ, kCausesSortie, MVT_CRE); }
int sort_fC10_mod(const char*, char* champ, const void*, int) { return mvt_fC10(champ, kCausesSortie, MVT_MOD); }

// Obligation columns: CRE, DEM, INV, EDI, MOD. Rules with 0 for CRE and 1 for
// MOD serve creations, their twins with 1 for CRE and 0 for MOD
// modifications. The date at columns 184 to 191 is cut twice: its second slot
// carries the rule for modifications, so C13 lies in the slot after it.
const sCorps tSort[] = {
    {C1, 63, 64, 0, 2, 0, 2, 0, fVerifValAut, TAB(TP), SANS_DEP, 1},  // country of the bovine
    {C2, 65, 76, 0, 2, 0, 2, 0, fVerifDiffNull, TAB(DouzeBlancs), SANS_DEP, 1},  // national number
    {C2, 0, 0, 0, 2, 0, 2, 0, fConform10FR, TAB(TD), DEP_C(C1), 67},
    {C2, 0, 0, 0, 2, 0, 2, 0, fConform10FRnonECHAnon, TAB(TD), DEP_C(C1), 118},
    {C2, 0, 0, 0, 2, 0, 2, 0, fConform10FRnonECHAoui, SANS_TAB, DEP_C(C1), 1},
    {C3, 77, 78, NON_CONTROLE, nullptr, SANS_TAB, SANS_DEP, 0},  // processing status
    {C4, 79, 86, 0, 2, 1, 2, 1, fDATEC, SANS_TAB, SANS_DEP, 22},  // date of exit
    {C4, 0, 0, 1, 2, 1, 2, 0, fDATEP6, SANS_TAB, SANS_DEP, 22},
    {C4, 0, 0, 0, 2, 1, 2, 0, fCoherenDC_tr, SANS_TAB, DEP_F(F1), 52},
    {C5, 87, 87, 0, 2, 1, 2, 0, fVerifValAutDate, TAB(TCMS), DEP_C(C4), 23},  // cause of exit
    {C5, 0, 0, 0, 2, 1, 2, 0, sort_fC5, TAB(TCMS), DEP_E(E5), 23},
    {C6, 88, 89, 0, 2, 0, 2, 0, fVerifValAut, TAB(FR), SANS_DEP, 21},  // country of the holding
    {C7, 90, 101, 0, 2, 0, 2, 0, fVerifDiffNull, TAB(DouzeBlancs), SANS_DEP, 21},  // holding
    {C7, 0, 0, 0, 2, 0, 2, 0, fConform8, TAB(TD), SANS_DEP, 68},
    {C7, 0, 0, 0, 2, 1, 2, 0, fCoherenCC_tr, SANS_TAB, DEP_E(E8), 50},
    {C8, 102, 103, 0, 2, 1, 2, 1, sort_fC8_cre, SANS_TAB, SANS_DEP, 24},  // country of the destination
    {C8, 0, 0, 1, 2, 1, 2, 0, sort_fC8_mod, SANS_TAB, SANS_DEP, 24},
    {C9, 104, 115, 0, 2, 1, 2, 1, sort_fC9_1_cre, SANS_TAB, SANS_DEP, 24},  // holding of the destination
    {C9, 0, 0, 0, 2, 1, 2, 1, sort_fC9_2_cre, SANS_TAB, SANS_DEP, 68},
    {C9, 0, 0, 1, 2, 1, 2, 0, sort_fC9_1_mod, SANS_TAB, SANS_DEP, 24},
    {C9, 0, 0, 1, 2, 1, 2, 0, sort_fC9_2_mod, SANS_TAB, SANS_DEP, 68},
    {C10, 116, 175, 0, 2, 1, 2, 1, sort_fC10_cre, SANS_TAB, SANS_DEP, 24},  // name of the destination
    {C10, 0, 0, 1, 2, 1, 2, 0, sort_fC10_mod, SANS_TAB, SANS_DEP, 24},
    {C11, 176, 183, 1, 2, 0, 2, 0, fDATEP6, SANS_TAB, SANS_DEP, 58},
    {C11, 0, 0, 1, 2, 0, 2, 0, fCoherenDC_tr2, SANS_TAB, DEP_F(F1), 52},
    {C12, 184, 191, 0, 2, 1, 2, 1, fDatRecCorr_O, SANS_TAB, SANS_DEP, 134},
    {C12, 0, 0, 0, 2, 1, 2, 1, fDatRecCohe, SANS_TAB, DEP_F(F1), 52},
    {C12, 0, 0, 0, 2, 1, 2, 1, fDatRecPost_tr, SANS_TAB, DEP_C(C4), 137},
    {C12, 184, 191, 1, 2, 1, 2, 0, fDatRecCorr_O_P18, SANS_TAB, DEP_C(C4), 134},
    {C13, 192, 230, NON_CONTROLE, nullptr, SANS_TAB, SANS_DEP, 0},
};
const int lSort = static_cast<int>(sizeof tSort / sizeof tSort[0]);

// Labels of the body fields.
const sLibelle libSort[] = {
    {C1, "code pays du bovin"},
    {C2, "numéro national du bovin"},
    {C3, "code résultat"},
    {C4, "date du mouvement"},
    {C5, "cause du mouvement"},
    {C6, "code pays de l'exploitation déclarante"},
    {C7, "numéro de l'exploitation déclarante"},
    {C8, "code pays de l'exploitation partenaire"},
    {C9, "numéro de l'exploitation partenaire"},
    {C10, "nom du partenaire"},
    {C11, "seconde date"},
    {C12, "date de réception"},
    {C13, "zone sans règle"},
};
const int nbLibSort = static_cast<int>(sizeof libSort / sizeof libSort[0]);
