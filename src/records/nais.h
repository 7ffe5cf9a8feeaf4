// NAIS records (birth of a bovine): the checks that belong to this type.
#pragma once

// Check functions (contract: see pfVerif_t in model/modele.h).

// Calf number C2: a French bovine number whose characters 7 to 10 are not "0000".
int nais_C2(const char* dependance, char* champ, const void* sverif, int lenSverif);
// Code C7: not four blanks.
int nais_C7(const char* dependance, char* champ, const void* sverif, int lenSverif);

// Number C11 of related animal 1, dependance the birth date C6: for a birth
// before 1 July 1999 it may be left out (12 blanks); otherwise, and whenever
// it is given, it is held to the identifier check of the country in C10
// (read from the record's slot C10).
int nais_C11(const char* dependance, char* champ, const void* sverif, int lenSverif);
int nais_C11FRnonUEnon(const char* dependance, char* champ, const void* sverif, int lenSverif);
int nais_C11FRnonUEoui(const char* dependance, char* champ, const void* sverif, int lenSverif);

// Holding of birth C17, dependance the birth date C6: for a birth before
// 1 July 1999 it may be left out (12 blanks); otherwise, and whenever it is
// given, it must be a French holding number.
int nais_C17(const char* dependance, char* champ, const void* sverif, int lenSverif);
