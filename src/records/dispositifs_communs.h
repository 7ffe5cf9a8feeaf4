// Quantities of the device records NUMA and PICO: a range of numbers given by
// its first number and a quantity of 6 characters. Numbers are read as atoi
// reads them, saturated to 32 bits (checks/nombres.h).
#pragma once

// All 6 characters of the quantity are digits and it is not 0.
bool quantiteEnChiffres(const char* quantite);

// The quantity read is greater than 0 and at most `maximum`.
bool quantiteJusqua(const char* quantite, int maximum);

// The number read from `numero` from its character `depuis` (1-based) on,
// plus the quantity, is at most `maximum`: the range does not run past the
// last number of its series. The sum does not wrap.
bool plageJusqua(const char* numero, int depuis, const char* quantite, int maximum);
