// NVMN records: the checks that belong to this type.
#pragma once

// Check functions (contract: see pfVerif_t in model/modele.h).

// Calf number C2: held to the same rule as the calf number of a NAIS record.
int nvmn_C2(const char* dependance, char* champ, const void* sverif, int lenSverif);
