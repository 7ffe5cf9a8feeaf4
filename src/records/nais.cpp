// NAIS records (birth of a bovine): body rule table and the checks of this type.
//
// A creation is held to the full identification rules. A modification uses
// dated variants: a birth before 1 July 1999 (P5, P6) or 1 January 1999 (P8)
// may leave the related animal, its breed codes and the holding of birth
// blank. A request checks only the calf's identification, for any known
// country.
#include "records/nais.h"

#include <cstring>

#include "checks/coherence.h"
#include "checks/comparaisons.h"
#include "checks/dates.h"
#include "checks/generiques.h"
#include "checks/octets.h"
#include "checks/identifiants.h"
#include "records/records.h"

namespace {

// True when the number is left out (12 blanks) for a birth before the cut-off.
// A value cut short by a short line is not 12 blanks.
bool laisseVideAvant(const char* dateNaissance, const char* seuil, const char* numero) {
    return egalTexte(numero, "            ") && !fVTABP(dateNaissance, seuil);
}

// Number C11 of related animal 1: left out before the cut-off, else held to
// verifNumero with the country code of slot C10 as its dependance.
int numeroApparente(const char* dateNaissance, char* numero, const void* sverif, int lenSverif,
                    pfVerif_t verifNumero) {
    if (laisseVideAvant(dateNaissance, P5[0], numero)) return 1;
    return verifNumero(valCorpsVSE[C10].valeur, numero, sverif, lenSverif);
}

}  // namespace

int nais_C2(const char* dependance, char* champ, const void* sverif, int lenSverif) {
    // The last four of the ten digits, characters 7 to 10, may not be "0000".
    // Once fConform10 accepts it, the value is exactly ten digits and two
    // blanks: those four characters are there, and are digits.
    return fConform10(dependance, champ, sverif, lenSverif) && !commencePar(champ + 6, "0000");
}

int nais_C7(const char*, char* champ, const void*, int) {
    // A value cut short ends before its fourth character, which is then no blank.
    return !commencePar(champ, "    ");
}

int nais_C11(const char* dependance, char* champ, const void* sverif, int lenSverif) {
    return numeroApparente(dependance, champ, sverif, lenSverif, fConform10FR);
}

int nais_C11FRnonUEnon(const char* dependance, char* champ, const void* sverif, int lenSverif) {
    return numeroApparente(dependance, champ, sverif, lenSverif, fConform10FRnonECHAnon);
}

int nais_C11FRnonUEoui(const char* dependance, char* champ, const void* sverif, int lenSverif) {
    return numeroApparente(dependance, champ, sverif, lenSverif, fConform10FRnonECHAoui);
}

int nais_C17(const char* dependance, char* champ, const void* sverif, int lenSverif) {
    if (laisseVideAvant(dependance, P6[0], champ)) return 1;
    return fConform8(dependance, champ, sverif, lenSverif);
}

// Obligation columns: CRE, DEM, INV, EDI, MOD. Rows that only cut a field out
// carry NON_CONTROLE. Dated rules take the birth date C6 as their dependance.
const sCorps tNais[] = {
    // C1 country of the calf: France, or any known country in a request.
    {C1, 63, 64, 0, 1, 0, 2, 0, fVerifValAut, TAB(FR), SANS_DEP, 1},
    {C1, 0, 0, 1, 0, 1, 2, 1, fVerifValAut, TAB(TP), SANS_DEP, 1},
    // C2 national number of the calf.
    {C2, 65, 76, 0, 0, 0, 2, 0, fVerifDiffNull, TAB(DouzeBlancs), SANS_DEP, 1},
    {C2, 0, 0, 0, 1, 1, 2, 1, nais_C2, TAB(TD), SANS_DEP, 67},
    {C2, 0, 0, 1, 1, 0, 2, 0, fConform10, TAB(TD), SANS_DEP, 67},
    {C2, 0, 0, 1, 0, 1, 2, 1, fConform10FR, TAB(TD), DEP_C(C1), 67},
    {C2, 0, 0, 1, 0, 1, 2, 1, fConform10FRnonECHAnon, TAB(TD), DEP_C(C1), 118},
    {C2, 0, 0, 1, 0, 1, 2, 1, fConform10FRnonECHAoui, SANS_TAB, DEP_C(C1), 1},
    {C2, 0, 0, 0, 1, 0, 2, 1, fCoherenCC, SANS_TAB, DEP_E(E8), 50},
    {C3, 77, 78, NON_CONTROLE, nullptr, SANS_TAB, SANS_DEP, 0},  // processing status
    {C4, 79, 79, 0, 1, 1, 2, 0, fVerifValAut, TAB(SEX), SANS_DEP, 3},
    {C5, 80, 81, 0, 1, 1, 2, 0, fVerifValAut, TAB(TR), SANS_DEP, 4},
    // C6 birth date: complete on creation; a modification of an old birth may
    // leave the day or the month unknown.
    {C6, 82, 89, 0, 1, 1, 2, 1, fDATEC, SANS_TAB, SANS_DEP, 5},
    {C6, 0, 0, 1, 1, 1, 2, 0, fDATEP6P7, SANS_TAB, SANS_DEP, 5},
    {C6, 0, 0, 0, 1, 1, 2, 0, fCoherenDC, SANS_TAB, DEP_F(F1), 52},
    {C7, 90, 93, 0, 1, 1, 2, 0, nais_C7, SANS_TAB, SANS_DEP, 10},
    {C8, 94, 103, NON_CONTROLE, nullptr, SANS_TAB, SANS_DEP, 0},
    {C9, 104, 104, NON_CONTROLE, nullptr, SANS_TAB, SANS_DEP, 0},
    // C10, C11, C12 related animal 1: country, number, breed code.
    {C10, 105, 106, 0, 1, 1, 2, 1, fVerifValAut, TAB(TP), SANS_DEP, 6},
    {C10, 0, 0, 1, 1, 1, 2, 0, fVTABP5, TAB(TP), DEP_C(C6), 7},
    {C11, 107, 118, 0, 1, 1, 2, 1, fVerifDiffNull, TAB(DouzeBlancs), SANS_DEP, 6},
    {C11, 0, 0, 0, 1, 1, 2, 1, fConform10FR, TAB(TD), DEP_C(C10), 67},
    {C11, 0, 0, 0, 1, 1, 2, 1, fConform10FRnonECHAnon, TAB(TD), DEP_C(C10), 118},
    {C11, 0, 0, 0, 1, 1, 2, 1, fConform10FRnonECHAoui, SANS_TAB, DEP_C(C10), 6},
    {C11, 0, 0, 1, 1, 1, 2, 0, fVDIFFNULLP5, SANS_TAB, DEP_C(C6), 7},
    {C11, 0, 0, 1, 1, 1, 2, 0, nais_C11, TAB(TD), DEP_C(C6), 67},
    {C11, 0, 0, 1, 1, 1, 2, 0, nais_C11FRnonUEnon, TAB(TD), DEP_C(C6), 118},
    {C11, 0, 0, 1, 1, 1, 2, 0, nais_C11FRnonUEoui, SANS_TAB, DEP_C(C6), 6},
    {C11, 0, 0, 1, 1, 1, 2, 0, fSimult, SANS_TAB, DEP_C(C10), 113},
    {C12, 119, 120, 0, 1, 1, 2, 1, fVerifValAut, TAB(TR), SANS_DEP, 8},
    {C12, 0, 0, 1, 1, 1, 2, 0, fVTABP8, TAB(TR), DEP_C(C6), 8},
    // C13, C14, C15 related animal 2: country, number (foreign numbers
    // allowed), breed code.
    {C13, 121, 122, 0, 1, 1, 2, 0, fVDIFFNULLVTAB, TAB(TP), SANS_DEP, 14},
    {C14, 123, 134, 0, 1, 1, 2, 0, fSimult, SANS_TAB, DEP_C(C13), 114},
    {C14, 0, 0, 0, 1, 1, 2, 0, fVerifNumEtrangerN, SANS_TAB, DEP_C(C13), 14},
    {C15, 135, 136, 0, 1, 1, 2, 1, fVerifValAut, TAB(TR), SANS_DEP, 9},
    {C15, 0, 0, 1, 1, 1, 2, 0, fVTABP8, TAB(TR), DEP_C(C6), 9},
    // C16, C17 holding of birth.
    {C16, 137, 138, 0, 1, 1, 2, 1, fVerifValAut, TAB(FR), SANS_DEP, 2},
    {C16, 0, 0, 1, 1, 1, 2, 0, fVTABP6, TAB(FR), DEP_C(C6), 2},
    {C17, 139, 150, 0, 1, 1, 2, 1, fVerifDiffNull, TAB(DouzeBlancs), SANS_DEP, 2},
    {C17, 0, 0, 0, 1, 1, 2, 1, fConform8, TAB(TD), SANS_DEP, 68},
    {C17, 0, 0, 0, 1, 1, 2, 1, fCoherenCC, SANS_TAB, DEP_E(E8), 50},
    {C17, 0, 0, 1, 1, 1, 2, 0, fVDIFFNULLP6, SANS_TAB, DEP_C(C6), 2},
    {C17, 0, 0, 1, 1, 1, 2, 0, nais_C17, TAB(TD), DEP_C(C6), 68},
    {C17, 0, 0, 1, 1, 1, 2, 0, fSimult, SANS_TAB, DEP_C(C16), 115},
    // Columns 151 to 158 belong to no field.
    {C24, 159, 159, 0, 1, 1, 2, 1, fVerifValAut, TAB(BOOL), SANS_DEP, 83},
    {C25, 160, 160, 1, 1, 1, 2, 0, fVerifValAut, TAB(BOOL), SANS_DEP, 132},
    // C26 a date on or after the birth and not after the record's date.
    {C26, 161, 168, 0, 1, 1, 2, 1, fDatRecCorr_O, SANS_TAB, SANS_DEP, 134},
    {C26, 0, 0, 0, 1, 1, 2, 1, fDatRecCohe, SANS_TAB, DEP_F(F1), 52},
    {C26, 0, 0, 0, 1, 1, 2, 1, fDatRecPost, SANS_TAB, DEP_C(C6), 137},
    {C27, 169, 230, NON_CONTROLE, nullptr, SANS_TAB, SANS_DEP, 0},
};
const int lNais = static_cast<int>(sizeof tNais / sizeof tNais[0]);

// Labels of the body fields.
const sLibelle libNais[] = {
    {C1, "code pays du veau"},
    {C2, "numéro national du veau"},
    {C3, "code résultat"},
    {C4, "sexe"},
    {C5, "code race du veau"},
    {C6, "date de naissance"},
    {C7, "code de 4 caractères non blanc"},
    {C8, "zone sans règle"},
    {C9, "zone sans règle"},
    {C10, "code pays de l'animal apparenté 1"},
    {C11, "numéro national de l'animal apparenté 1"},
    {C12, "code race de l'animal apparenté 1"},
    {C13, "code pays de l'animal apparenté 2"},
    {C14, "numéro de l'animal apparenté 2"},
    {C15, "code race de l'animal apparenté 2"},
    {C16, "code pays de l'exploitation de naissance"},
    {C17, "numéro de l'exploitation de naissance"},
    {C24, "indicateur (erreur 83)"},
    {C25, "indicateur de modification (erreur 132)"},
    {C26, "date de réception"},
    {C27, "zone sans règle"},
};
const int nbLibNais = static_cast<int>(sizeof libNais / sizeof libNais[0]);
