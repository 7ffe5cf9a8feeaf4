// IMPO records (import of a bovine into a French holding): the checks that
// belong to this type.
#pragma once

// Check functions (contract: see pfVerif_t in model/modele.h).

// National number C2: a French bovine number whose characters 7 to 10 are
// not "0000".
int impo_C2(const char* dependance, char* champ, const void* sverif, int lenSverif);
// Birth date C6, table HuitBlancsFal: left out (8 blanks) or withheld
// ("********"), else a date whose day, or day and month, may be unknown. An
// unknown part is rewritten in place as zeros, and the following rules see
// the rewritten value.
int impo_C6_1(const char* dependance, char* champ, const void* sverif, int lenSverif);
// Birth date C6, dependance the record's date F1: left out or withheld, else
// not after the record's date.
int impo_C6_2(const char* dependance, char* champ, const void* sverif, int lenSverif);
// Code C7: not four blanks.
int impo_C7(const char* dependance, char* champ, const void* sverif, int lenSverif);
// Country of origin C20, table TP: a known country other than France.
int impo_C20(const char* dependance, char* champ, const void* sverif, int lenSverif);
