// ECHA records: a bovine identified in another country of the exchanges
// arrives in a French holding. The animal carries its foreign number; its
// related animals and holding of birth sit on the columns of a birth, C18 and
// C19 name the receiving holding. The type has no checks of its own.
#include "checks/coherence.h"
#include "checks/comparaisons.h"
#include "checks/dates.h"
#include "checks/generiques.h"
#include "checks/identifiants.h"
#include "records/importations.h"
#include "records/records.h"

// Obligation columns: CRE, DEM, INV, EDI, MOD. An inventory checks the
// animal's identification only; a modification leaves the receiving holding
// and the correction date alone but may set the correction flag.
const sCorps tEcha[] = {
    // C1, C2 the animal: a country of the exchanges other than France, and a
    // foreign number that does not repeat it.
    {C1, 63, 64, 0, 2, 0, 2, 0, fVTABDIFFFR, TAB(TECH), SANS_DEP, 1},
    {C2, 65, 76, 0, 2, 0, 2, 0, fVerifDiffNull, TAB(DouzeBlancs), SANS_DEP, 1},
    {C2, 0, 0, 0, 2, 0, 2, 0, fVerifNumEtranger, SANS_TAB, DEP_C(C1), 1},
    {C3, 77, 78, NON_CONTROLE, nullptr, SANS_TAB, SANS_DEP, 0},  // processing status
    LIGNES_SEXE_RACE,
    // C6 birth date: complete from the cut-off dates on, not after the
    // record's date.
    {C6, 82, 89, 0, 2, 1, 2, 0, fDATEP6P7, SANS_TAB, SANS_DEP, 5},
    {C6, 0, 0, 0, 2, 1, 2, 0, fCoherenDC, SANS_TAB, DEP_F(F1), 52},
    {C7, 90, 93, 0, 2, 1, 2, 0, fVerifDiffNull, TAB(quatreBlancs), SANS_DEP, 10},
    {C8, 94, 103, NON_CONTROLE, nullptr, SANS_TAB, SANS_DEP, 0},
    {C9, 104, 104, NON_CONTROLE, nullptr, SANS_TAB, SANS_DEP, 0},
    // C10, C11 related animal 1: country and number, both or neither; a
    // French number is well formed.
    {C10, 105, 106, 0, 2, 1, 2, 0, fVDIFFNULLVTAB, TAB(TP), SANS_DEP, 6},
    {C11, 107, 118, 0, 2, 1, 2, 0, fVerifNumEtrangerN, SANS_TAB, DEP_C(C10), 6},
    {C11, 0, 0, 0, 2, 1, 2, 0, fCONFORM10FRNULL, TAB(TD), DEP_C(C10), 67},
    {C11, 0, 0, 0, 2, 1, 2, 0, fSimult, SANS_TAB, DEP_C(C10), 113},
    LIGNES_RACE_APPARENTE1_APPARENTE2,
    // C16, C17 holding of birth: required from the cut-off on (birth date
    // C6); a French number when the country is France.
    {C16, 137, 138, 0, 2, 1, 2, 0, fVDIFFNULLP6, SANS_TAB, DEP_C(C6), 55},
    {C16, 0, 0, 0, 2, 1, 2, 0, fVDIFFNULLVTAB, TAB(TP), DEP_C(C6), 2},
    {C17, 139, 150, 0, 2, 1, 2, 0, fVDIFFNULLP6, SANS_TAB, DEP_C(C6), 55},
    {C17, 0, 0, 0, 2, 1, 2, 0, fConform8FR, TAB(TD), DEP_C(C16), 68},
    {C17, 0, 0, 0, 2, 1, 2, 0, fConform8FRnon, SANS_TAB, DEP_C(C16), 2},
    {C17, 0, 0, 0, 2, 1, 2, 0, fSimult, SANS_TAB, DEP_C(C16), 115},
    // C18, C19 the receiving holding, in the establishment's department.
    LIGNE_PAYS_DETENTION,
    {C19, 153, 164, 0, 2, 1, 2, 1, fConform8, TAB(TD), SANS_DEP, 68},
    {C19, 0, 0, 0, 2, 1, 2, 1, fCoherenCC, SANS_TAB, DEP_E(E8), 50},
    {C20, 165, 174, NON_CONTROLE, nullptr, SANS_TAB, SANS_DEP, 0},
    {C21, 175, 175, 0, 2, 1, 2, 0, fVerifValAut, TAB(UN), SANS_DEP, 54},
    LIGNES_CORRECTION(C22, 176, C23, 177),
    {C24, 185, 230, NON_CONTROLE, nullptr, SANS_TAB, SANS_DEP, 0},
};
const int lEcha = static_cast<int>(sizeof tEcha / sizeof tEcha[0]);

// Labels of the body fields.
const sLibelle libEcha[] = {
    {C1, "code pays du bovin"},
    {C2, "numéro étranger du bovin"},
    {C3, "code résultat"},
    {C4, "sexe"},
    {C5, "code race"},
    {C6, "date de naissance"},
    {C7, "code de 4 caractères non blanc"},
    {C8, "zone sans règle"},
    {C9, "zone sans règle"},
    {C10, "code pays de l'animal apparenté 1"},
    {C11, "numéro de l'animal apparenté 1"},
    {C12, "code race de l'animal apparenté 1"},
    {C13, "code pays de l'animal apparenté 2"},
    {C14, "numéro de l'animal apparenté 2"},
    {C15, "code race de l'animal apparenté 2"},
    {C16, "code pays de l'exploitation de naissance"},
    {C17, "numéro de l'exploitation de naissance"},
    {C18, "code pays de l'exploitation d'accueil"},
    {C19, "numéro de l'exploitation d'accueil"},
    {C20, "zone sans règle"},
    {C21, "indicateur un"},
    {C22, "indicateur de modification"},
    {C23, "date de réception"},
    {C24, "zone sans règle"},
};
const int nbLibEcha = static_cast<int>(sizeof libEcha / sizeof libEcha[0]);
