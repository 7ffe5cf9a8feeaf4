// Numbers inside fields, read as the C library's atoi reads them: leading
// white space (space, tab, newline, vertical tab, form feed, carriage return)
// skipped, one optional sign, then digits up to the first non-digit; a piece
// without digits reads as 0. Unlike atoi, a value beyond the 32-bit range
// reads as the nearest 32-bit bound (saturated, never wrapped), so that no
// field can turn a large number into a small or negative one.
#pragma once

#include <cstdint>

// Reads the number at the start of texte (up to its NUL).
std::int32_t lireEntier(const char* texte);

// Reads the number held in at most n characters from texte: exactly those
// characters are converted, never what follows them (a date's day is its
// first two characters, whatever comes after).
std::int32_t lireEntierDe(const char* texte, int n);

// a + b without wrapping: the sum saturated to the 32-bit range.
std::int32_t sommeSaturee(std::int32_t a, std::int32_t b);
