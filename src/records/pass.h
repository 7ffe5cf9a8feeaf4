// PASS records: the checks that belong to this type. The flag C11 decides
// whether an edition carries the first date C7 and the time C10: "0" at its
// first character requires them.
#pragma once

// Check functions (contract: see pfVerif_t in model/modele.h).

// First date C7, dependance the flag C11: a complete date when the flag
// begins with '0'; anything otherwise.
int pass_C7(const char* dependance, char* champ, const void* sverif, int lenSverif);
// Time C10, dependance the flag C11: a valid HHMMSS time when the flag begins
// with '0'; anything otherwise.
int pass_C10(const char* dependance, char* champ, const void* sverif, int lenSverif);
