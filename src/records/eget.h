// EGET records (an establishment's name and address): the checks that belong
// to this type.
#pragma once

// Check functions (contract: see pfVerif_t in model/modele.h).

// Name and address lines C5 and C6, one function on both rows: a line is
// accepted when it is filled, or when the other line (the dependance) is.
// Both lines blank are refused on both rows.
int eget_fC5C6(const char* dependance, char* champ, const void* sverif, int lenSverif);
