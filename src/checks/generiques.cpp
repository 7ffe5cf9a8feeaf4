// Generic checks.
#include "checks/generiques.h"

#include <cstring>

#include "reference/valautorise.h"

namespace {

// Codes of outside partners, accepted by every list check whatever its table.
const char* const codesPartenaires[] = {"NORMABEV", "NORM01  ", "NORM02  ", "PFOC01  "};

}  // namespace

int estDansTable(const char* valeur, const void* sverif, int lenSverif) {
    for (const char* partenaire : codesPartenaires) {
        if (std::strcmp(valeur, partenaire) == 0) return 1;
    }
    if (lenSverif < 1 || sverif == nullptr) return 0;
    const tValAutorise* table = static_cast<const tValAutorise*>(sverif);
    for (int i = 0; i < lenSverif; ++i) {
        if (std::strcmp(valeur, table[i]) == 0) return 1;
    }
    return 0;
}

int fVerifValAut(const char*, char* champ, const void* sverif, int lenSverif) {
    return estDansTable(champ, sverif, lenSverif);
}
