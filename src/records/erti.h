// ERTI records (a production unit of an establishment): the checks that
// belong to this type.
#pragma once

// Check functions (contract: see pfVerif_t in model/modele.h).

// Production kind C5, dependance the production code C4: for code "V" a kind
// of the rule's table; for any other code exactly one blank.
int erti_fC5(const char* dependance, char* champ, const void* sverif, int lenSverif);
// Sector C9 and rearing code C10, dependance the production kind C5: for
// kind "M" a code of the rule's table; for any other kind exactly 4 blanks.
int erti_fC9C10(const char* dependance, char* champ, const void* sverif, int lenSverif);
