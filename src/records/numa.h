// NUMA records (a range of bovine national numbers allocated to a holding):
// the checks that belong to this type.
#pragma once

// Check functions (contract: see pfVerif_t in model/modele.h).

// Quantity C6: 6 digits, not 0.
int numa_fC6_1(const char* dependance, char* champ, const void* sverif, int lenSverif);
// Quantity C6: from 1 to 1000.
int numa_fC6_2(const char* dependance, char* champ, const void* sverif, int lenSverif);
// Quantity C6, dependance the first number C5: the serial part of C5 (from its
// third character on) plus the quantity is at most 100000000.
int numa_fC6_3(const char* dependance, char* champ, const void* sverif, int lenSverif);
