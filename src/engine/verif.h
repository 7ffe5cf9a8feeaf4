// Field verification engine: cuts a record into value slots with a rule
// table, then runs the rules' checks under the obligation code of the
// record's action, collecting the record's error numbers.
#pragma once

#include "driver/execution.h"
#include "engine/modele.h"

// NUL bytes of a line are ordinary non-printable characters: the text the
// checks see carries this byte in their place, so that a NUL never ends a
// field early.
inline constexpr char NUL_VU = '\x7f';

// Copies a line (longueur bytes) into the text the checks see: NUL bytes
// replaced by NUL_VU, then a terminating NUL.
void preparerVue(const char* ligne, int longueur, char* vue);

// Cuts the record `tampon` (longueur characters) into the slots of tValVSE,
// one slot per rule that has columns, in table order, and returns the number
// of slots cut. A field lying wholly or partly past the end of a short record
// is cut short (empty when wholly past). The record is first copied into
// xdebug, unless tampon is xdebug itself.
int getvseChamps(const sCorps* tCorps, int lCorps, const char* tampon, int longueur, valeurVSE* tValVSE,
                  int visu);

// Runs the rules of a table over its slots and appends the error numbers to
// ctx.codeErreur, from nbErreurPassee on, at most 10 in all; returns the new
// count. valE5 is the record's action code, or null to run every check
// without consulting the obligation columns (header, trailer, FICH body).
// premLettre tags the zone in the -i trace ("E", "C" or "F").
int verifChamps(sExecution& ctx, int visu, int nbErreurPassee, const sCorps* pChamps, int lpChamps,
                valeurVSE* valChampsVSE, const char* valE5, const char* premLettre);

// Columns of the field held in slot `slot` of a rule table; false when the
// table cuts no such slot.
bool colonnesDuSlot(const sCorps* tCorps, int lCorps, int slot, int* debut, int* fin);
