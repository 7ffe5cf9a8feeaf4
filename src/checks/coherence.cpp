// Cross-field coherence checks.
#include "checks/coherence.h"

#include <cstring>

#include "reference/valautorise.h"

int fCoherenCCE(const char* dependance, const char* champ) {
    // An establishment sends its own records; the national partners send for all.
    if (std::strcmp(champ, dependance) == 0) return 1;
    if (std::strncmp(dependance, "NORM01", 6) == 0 || std::strncmp(dependance, "NORM02", 6) == 0 ||
        std::strncmp(dependance, "PFOC01", 6) == 0) {
        return 1;
    }
    // A regional emitter sends for the establishments it is paired with.
    for (int i = 0; i < LenTEDC; ++i) {
        if (std::strcmp(TEDC[2 * i], dependance) == 0 && std::strcmp(TEDC[2 * i + 1], champ) == 0) {
            return 1;
        }
    }
    return 0;
}
