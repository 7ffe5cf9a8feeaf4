// GROC records (a sheep or goat identifier and its tag): the checks that
// belong to this type.
#pragma once

// Check functions (contract: see pfVerif_t in model/modele.h).

// Optional second date C10: 8 blanks, or a valid date (the dependance, the
// first date C6, is not compared with it).
int groc_cre_C10_1(const char* dependance, char* champ, const void* sverif, int lenSverif);
// Optional second date C10, dependance the record's date F1: 8 blanks, or a
// date not after F1.
int groc_cre_C10_2(const char* dependance, char* champ, const void* sverif, int lenSverif);
// Time C12 of the second date, dependance C10: a valid time when C10 is
// given, else 6 blanks.
int groc_cre_C12(const char* dependance, char* champ, const void* sverif, int lenSverif);
