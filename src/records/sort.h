// SORT records (a bovine left a holding): the checks of this type only.
// The body rule table tSort is declared in records/records.h.
#pragma once

// Check functions (contract: see pfVerif_t in model/modele.h).
int sort_fC5(const char* dependance, char* champ, const void* sverif, int lenSverif);
int sort_fC8_cre(const char* dependance, char* champ, const void* sverif, int lenSverif);
int sort_fC8_mod(const char* dependance, char* champ, const void* sverif, int lenSverif);
int sort_fC9_1_cre(const char* dependance, char* champ, const void* sverif, int lenSverif);
int sort_fC9_1_mod(const char* dependance, char* champ, const void* sverif, int lenSverif);
int sort_fC9_2_cre(const char* dependance, char* champ, const void* sverif, int lenSverif);
int sort_fC9_2_mod(const char* dependance, char* champ, const void* sverif, int lenSverif);
int sort_fC10_cre(const char* dependance, char* champ, const void* sverif, int lenSverif);
int sort_fC10_mod(const char* dependance, char* champ, const void* sverif, int lenSverif);
