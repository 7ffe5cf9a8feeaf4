// GROC records (a sheep or goat identifier and its tag): body rule table and
// the checks of this type.
//
// A creation is checked whole. A request checks only the identifier and the
// tag model. The second date C10 and its time C12 are optional together: a
// blank date requires a blank time.
#include "records/groc.h"

#include "checks/coherence.h"
#include "checks/dates.h"
#include "checks/dispositifs.h"
#include "checks/generiques.h"
#include "checks/identifiants.h"
#include "checks/octets.h"
#include "records/records.h"

namespace {
bool dateBlanche(const char* v) { return egalTexte(v, "        "); }
}  // namespace

int groc_cre_C10_1(const char* dependance, char* champ, const void* sverif, int lenSverif) {
    return dateBlanche(champ) || fDATEC(dependance, champ, sverif, lenSverif);
}

int groc_cre_C10_2(const char* dependance, char* champ, const void* sverif, int lenSverif) {
    return dateBlanche(champ) || fCoherenDC(dependance, champ, sverif, lenSverif);
}

int groc_cre_C12(const char* dependance, char* champ, const void* sverif, int lenSverif) {
    if (!dateBlanche(dependance)) return fHEUREC(dependance, champ, sverif, lenSverif);
    return egalTexte(champ, "      ");
}

// Obligation columns: CRE, DEM, INV, EDI, MOD. Rows that only cut a field out
// carry NON_CONTROLE.
const sCorps tGroc[] = {
    // C1, C2 the identifier, French or from a country of the exchanges.
    {C1, 63, 64, 0, 0, 2, 2, 2, fVerifValAut, TAB(TECH), SANS_DEP, 1},
    {C2, 65, 76, 0, 0, 2, 2, 2, fVerifDiffNull, TAB(DouzeBlancs), SANS_DEP, 1},
    {C2, 0, 0, 0, 0, 2, 2, 2, fConform_OC_FR, TAB(IND_M), DEP_C(C1), 151},
    {C2, 0, 0, 0, 0, 2, 2, 2, fConform_OC_UE, SANS_TAB, DEP_C(C1), 1},
    {C3, 77, 78, NON_CONTROLE, nullptr, SANS_TAB, SANS_DEP, 0},  // processing status
    // C4, C5 the holding.
    {C4, 79, 80, 0, 1, 2, 2, 2, fVerifValAut, TAB(FR), SANS_DEP, 27},
    {C5, 81, 92, 0, 1, 2, 2, 2, fVerifDiffNull, TAB(DouzeBlancs), SANS_DEP, 27},
    {C5, 0, 0, 0, 1, 2, 2, 2, fConform8, TAB(TD), DEP_C(C1), 68},
    {C5, 0, 0, 0, 1, 2, 2, 2, fCoherenCC, SANS_TAB, DEP_E(E8), 50},
    // C6 the date.
    {C6, 93, 100, 0, 1, 2, 2, 2, fDATEC, SANS_TAB, SANS_DEP, 28},
    {C6, 0, 0, 0, 1, 2, 2, 2, fCoherenDC, SANS_TAB, DEP_F(F1), 52},
    // C7 the tag model, C8 the country of origin, C9 the counter of the model.
    {C7, 101, 108, 0, 0, 2, 2, 2, fConform_OC_model1, SANS_TAB, SANS_DEP, 153},
    {C7, 0, 0, 0, 0, 2, 2, 2, fConform_OC_model2, TAB(FAB_REP), SANS_DEP, 154},
    {C7, 0, 0, 0, 0, 2, 2, 2, fConform_OC_model3, TAB(C2_MODEL), SANS_DEP, 155},
    {C7, 0, 0, 0, 0, 2, 2, 2, fConform_OC_model4, TAB(C3_MODEL), SANS_DEP, 156},
    {C7, 0, 0, 0, 0, 2, 2, 2, fConform_OC_model5, SANS_TAB, SANS_DEP, 157},
    {C8, 109, 110, 0, 1, 2, 2, 2, fConform_OC_pays_orig, SANS_TAB, DEP_C(C1), 152},
    {C9, 111, 111, 0, 1, 2, 2, 2, fConform_OC_compteur, SANS_TAB, DEP_C(C7), 158},
    // C10 the optional second date; the two plain date rules run for no
    // admitted action.
    {C10, 112, 119, 0, 1, 2, 2, 2, groc_cre_C10_1, SANS_TAB, DEP_C(C6), 102},
    {C10, 0, 0, 0, 1, 2, 2, 2, groc_cre_C10_2, SANS_TAB, DEP_F(F1), 52},
    {C10, 0, 0, 1, 1, 2, 2, 2, fDATEC, SANS_TAB, SANS_DEP, 102},
    {C10, 0, 0, 1, 1, 2, 2, 2, fCoherenDC, SANS_TAB, DEP_F(F1), 52},
    {C11, 120, 121, 1, 1, 2, 2, 2, nullptr, SANS_TAB, SANS_DEP, 0},
    // C12 the time of the second date.
    {C12, 122, 127, 0, 1, 2, 2, 2, groc_cre_C12, SANS_TAB, DEP_C(C10), 103},
    {C12, 0, 0, 1, 1, 2, 2, 2, fHEUREC, SANS_TAB, SANS_DEP, 103},
    {C13, 128, 230, NON_CONTROLE, nullptr, SANS_TAB, SANS_DEP, 0},
};
const int lGroc = static_cast<int>(sizeof tGroc / sizeof tGroc[0]);

// Labels of the body fields.
const sLibelle libGroc[] = {
    {C1, "code pays de l'identifiant"},
    {C2, "identifiant ovin ou caprin"},
    {C3, "code résultat"},
    {C4, "code pays de l'exploitation"},
    {C5, "numéro de l'exploitation"},
    {C6, "date"},
    {C7, "modèle de boucle"},
    {C8, "pays d'origine"},
    {C9, "compteur"},
    {C10, "seconde date"},
    {C11, "zone sans règle"},
    {C12, "heure de la seconde date"},
    {C13, "zone sans règle"},
};
const int nbLibGroc = static_cast<int>(sizeof libGroc / sizeof libGroc[0]);
