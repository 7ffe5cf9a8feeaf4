// Rows shared by the import (IMPO) and exchange (ECHA) rule tables. Both
// types describe the animal and its related animals on the same columns as a
// birth, and end with the same late-correction group; the rows that read the
// same in both tables are written once here and spliced into each table.
//
// Obligation columns: CRE, DEM, INV, EDI, MOD. A request (DEM) or an edition
// (EDI) is refused on every checked row; an inventory (INV) checks nothing
// here.
#pragma once

#include "checks/dates.h"
#include "checks/comparaisons.h"
#include "checks/generiques.h"
#include "checks/identifiants.h"
#include "model/modele.h"

// C4 sex and C5 breed code of the animal.
#define LIGNES_SEXE_RACE                                                    \
    {C4, 79, 79, 0, 2, 1, 2, 0, fVerifValAut, TAB(SEX), SANS_DEP, 3},       \
    {C5, 80, 81, 0, 2, 1, 2, 0, fVerifValAut, TAB(TR), SANS_DEP, 4}

// C12 breed code of related animal 1; C13, C14, C15 related animal 2:
// country, number (foreign numbers allowed, both or neither given), breed
// code. Unknown ("  ") and withheld ("**") codes pass.
#define LIGNES_RACE_APPARENTE1_APPARENTE2                                                \
    {C12, 119, 120, 0, 2, 1, 2, 0, fVDIFFNULLVTAB, TAB(TR), SANS_DEP, 8},                \
    {C13, 121, 122, 0, 2, 1, 2, 0, fVDIFFNULLVTAB, TAB(TP), SANS_DEP, 14},               \
    {C14, 123, 134, 0, 2, 1, 2, 0, fVerifNumEtrangerN, SANS_TAB, DEP_C(C13), 14},        \
    {C14, 0, 0, 0, 2, 1, 2, 0, fSimult, SANS_TAB, DEP_C(C13), 114},                      \
    {C15, 135, 136, 0, 2, 1, 2, 0, fVDIFFNULLVTAB, TAB(TR), SANS_DEP, 9}

// C18 country of the holding that takes the animal in: France, checked on
// creation only.
#define LIGNE_PAYS_DETENTION {C18, 151, 152, 0, 2, 1, 2, 1, fVerifValAut, TAB(FR), SANS_DEP, 21}

// Late correction: a flag, given on modification only, and a date, required
// on creation, not after the record's date F1 and not before the birth C6.
#define LIGNES_CORRECTION(drapeau, colDrapeau, date, debutDate)                                  \
    {drapeau, colDrapeau, colDrapeau, 1, 2, 1, 2, 0, fVerifValAut, TAB(BOOL), SANS_DEP, 132},    \
    {date, debutDate, (debutDate) + 7, 0, 2, 1, 2, 1, fDatRecCorr_O, SANS_TAB, SANS_DEP, 134},   \
    {date, 0, 0, 0, 2, 1, 2, 1, fDatRecCohe, SANS_TAB, DEP_F(F1), 52},                          \
    {date, 0, 0, 0, 2, 1, 2, 1, fDatRecPost, SANS_TAB, DEP_C(C6), 137}
