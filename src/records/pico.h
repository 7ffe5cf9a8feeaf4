// PICO records (an order of sheep and goat identifiers): the checks that
// belong to this type.
#pragma once

// Check functions (contract: see pfVerif_t in model/modele.h).

// Quantity C6: 6 digits, not 0.
int pico_fC6_1(const char* dependance, char* champ, const void* sverif, int lenSverif);
// Quantity C6: from 1 to 10000.
int pico_fC6_2(const char* dependance, char* champ, const void* sverif, int lenSverif);
// Quantity C6, dependance the first identifier C5, order type read from slot
// C9: for a replacement order ("PR", "PC") the number from character 8 of C5
// on plus the quantity is at most 10000; for any other order the number from
// character 7 on plus the quantity is at most 100000.
int pico_fC6_3(const char* dependance, char* champ, const void* sverif, int lenSverif);
