// RACO records (a census line of a holding): the check that belongs to this
// type.
#pragma once

// Check function (contract: see pfVerif_t in model/modele.h).

// Count C6: 6 digits (0 is a count).
int raco_fC6(const char* dependance, char* champ, const void* sverif, int lenSverif);
