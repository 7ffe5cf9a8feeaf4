// Date and time checks.
#include "checks/dates.h"

#include <cstring>

namespace {

// Writes the first 8 characters of a DDMMYYYY date as YYYYMMDD, optionally
// reading blanks as '0'. Positions past the end of a shorter value hold NUL,
// which is neither a digit nor a blank and orders before both.
void versAAAAMMJJ(const char* jjmmaaaa, char aaaammjj[8], bool blancsEnZeros) {
    char source[8] = {};
    for (int i = 0; i < 8 && jjmmaaaa[i] != '\0'; ++i) source[i] = jjmmaaaa[i];
    std::memcpy(aaaammjj, source + 4, 4);
    std::memcpy(aaaammjj + 4, source + 2, 2);
    std::memcpy(aaaammjj + 6, source, 2);
    if (blancsEnZeros) {
        for (int i = 0; i < 8; ++i) {
            if (aaaammjj[i] == ' ') aaaammjj[i] = '0';
        }
    }
}

}  // namespace

int fCoherenDCSupInf(const char* dependance, const char* champ, esupInf sens) {
    char reference[8];
    char date[8];
    versAAAAMMJJ(dependance, reference, false);
    versAAAAMMJJ(champ, date, true);
    const int ordre = std::memcmp(reference, date, 8);
    return sens == SUP ? ordre <= 0 : ordre >= 0;
}

int fVTABP(const char* dependance, const char* param) {
    char date[8];
    char seuil[8];
    versAAAAMMJJ(dependance, date, true);
    versAAAAMMJJ(param, seuil, false);
    return std::memcmp(date, seuil, 8) >= 0;
}
