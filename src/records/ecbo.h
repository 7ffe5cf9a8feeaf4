// ECBO records: the checks that belong to this type, on the optional third
// identification (country C12, number C13, code C15). The group is left out
// when the three fields are all blank; once any of them is given, each is
// held to its own rule.
#pragma once

// Check functions (contract: see pfVerif_t in model/modele.h). Each reads the
// two other fields of the group from the record's slots C12, C13 and C15.

// Country C12, table TP: a known country unless the group is left out.
int ecbo_C12(const char* dependance, char* champ, const void* sverif, int lenSverif);
// Number C13, table DouzeBlancs, dependance the country C12: unless the group
// is left out, not blank, and for a country other than France a foreign
// number that does not repeat its country code.
int ecbo_C13(const char* dependance, char* champ, const void* sverif, int lenSverif);
// Code C15, table TRG: a known code unless the group is left out.
int ecbo_C15(const char* dependance, char* champ, const void* sverif, int lenSverif);
