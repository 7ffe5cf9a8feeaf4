// EXP1 records (a holding's identity and postal address): the check of this
// type only. The body rule table tExp1 is declared in records/records.h.
#pragma once

// Check functions (contract: see pfVerif_t in model/modele.h).

// Title or legal form C4: four blanks (none given) or "****" (withheld), or
// else a code of the row's table (TRSCRE for creations, TRSMOD for
// modifications).
int fexp1_C4(const char* dependance, char* champ, const void* sverif, int lenSverif);
