// DETE records (a keeper's identity and postal address): the check of this
// type only. The body rule table tDete is declared in records/records.h.
#pragma once

// Check functions (contract: see pfVerif_t in model/modele.h).

// Keeper or holding number C2 of a request, by the kind of number that C12
// (read from slot C12) announces: "D" a keeper number, whose first three
// characters are a department of TDD; anything else a French holding number
// held to the row's table (TD). The dependance is not compared with C2.
int fCoherenCC_dete_dem(const char* dependance, char* champ, const void* sverif, int lenSverif);
