// Cross-field coherence checks: an identifier against the establishment code
// of header slot E8, a date against the record's own date in trailer slot F1,
// a year against the year of that date, and the emitter of the file against
// the establishment it sends for.
#pragma once

// Check functions (contract: see pfVerif_t in model/modele.h).
int fCoherenCC(const char* dependance, char* champ, const void* sverif, int lenSverif);
int fCoherenCC_tr(const char* dependance, char* champ, const void* sverif, int lenSverif);
int fCoherenCCD(const char* dependance, char* champ, const void* sverif, int lenSverif);
int fCoherenCCEget(const char* dependance, char* champ, const void* sverif, int lenSverif);
int fCoheren_OC_IND_M(const char* dependance, char* champ, const void* sverif, int lenSverif);
int fCoherenDC(const char* dependance, char* champ, const void* sverif, int lenSverif);
int fCoherenDC_tr(const char* dependance, char* champ, const void* sverif, int lenSverif);
int fCoherenDC_tr2(const char* dependance, char* champ, const void* sverif, int lenSverif);
int fCoherenD_OC_an_1(const char* dependance, char* champ, const void* sverif, int lenSverif);
int fCoherenD_OC_an_2(const char* dependance, char* champ, const void* sverif, int lenSverif);
int fCoherenDateSup(const char* dependance, char* champ, const void* sverif, int lenSverif);

// May the emitter dependance (the FICH record's E3) send records for the
// establishment champ (the record's E8)? Called by record processing, which
// records error 135 on 0.
int fCoherenCCE(const char* dependance, const char* champ);

// Is the two-digit department d (0 to 99, written "00" to "99") an entry of
// TD, as estDansTable answers it? Each answer is asked once and remembered.
bool departementChiffresDansTD(unsigned d);
