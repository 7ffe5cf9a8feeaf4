// Header and trailer rules, common to every record type. Some checks apply to
// the FICH record only, others to every record but FICH: each receives the
// record type (header slot E6) as its dependance and decides by it.
#pragma once

#include "model/modele.h"
#include "records/records.h"

extern const sCorps tEntete[];
extern const int lEntete;
extern const sCorps tFin[];
extern const int lFin;

// Labels of the header and trailer fields (E1 to E13, F1 to F5), in French.
extern const sLibelle libEntete[];
extern const int nbLibEntete;
extern const sLibelle libFin[];
extern const int nbLibFin;

// Check functions of the header and trailer rules (contract: see pfVerif_t).
int enteteE3(const char* dependance, char* champ, const void* sverif, int lenSverif);
int enteteE4(const char* dependance, char* champ, const void* sverif, int lenSverif);
int enteteE8(const char* dependance, char* champ, const void* sverif, int lenSverif);
int enteteE9(const char* dependance, char* champ, const void* sverif, int lenSverif);
int enteteE10(const char* dependance, char* champ, const void* sverif, int lenSverif);
int enteteE12(const char* dependance, char* champ, const void* sverif, int lenSverif);
int enteteE13(const char* dependance, char* champ, const void* sverif, int lenSverif);
int finF3(const char* dependance, char* champ, const void* sverif, int lenSverif);
