// Header (columns 1 to 62) and trailer (231 to 256) rule tables.
#include "engine/entete.h"

const sCorps tEntete[] = {
    {C1, 1, 1, 1, 1, 1, 1, 1, nullptr, SANS_TAB, SANS_DEP, 0},
    {C2, 2, 2, 1, 1, 1, 1, 1, nullptr, SANS_TAB, SANS_DEP, 0},
    {C3, 3, 10, 1, 1, 1, 1, 1, nullptr, SANS_TAB, SANS_DEP, 0},
    {C4, 11, 18, 1, 1, 1, 1, 1, nullptr, SANS_TAB, SANS_DEP, 0},
    {C5, 19, 21, 1, 1, 1, 1, 1, nullptr, SANS_TAB, SANS_DEP, 0},
    {C6, 22, 25, 1, 1, 1, 1, 1, nullptr, SANS_TAB, SANS_DEP, 0},
    {C6, 0, 0, 1, 1, 1, 1, 1, nullptr, SANS_TAB, SANS_DEP, 0},
    {C7, 26, 26, 1, 1, 1, 1, 1, nullptr, SANS_TAB, SANS_DEP, 0},
    {C8, 27, 34, 1, 1, 1, 1, 1, nullptr, SANS_TAB, SANS_DEP, 0},
    {C9, 35, 42, 1, 1, 1, 1, 1, nullptr, SANS_TAB, SANS_DEP, 0},
    {C10, 43, 50, 1, 1, 1, 1, 1, nullptr, SANS_TAB, SANS_DEP, 0},
    {C11, 51, 60, 1, 1, 1, 1, 1, nullptr, SANS_TAB, SANS_DEP, 0},
    {C12, 61, 61, 1, 1, 1, 1, 1, nullptr, SANS_TAB, SANS_DEP, 0},
    {C13, 62, 62, 1, 1, 1, 1, 1, nullptr, SANS_TAB, SANS_DEP, 0},
};
const int lEntete = static_cast<int>(sizeof tEntete / sizeof tEntete[0]);

const sCorps tFin[] = {
    {C1, 231, 238, 1, 1, 1, 1, 1, nullptr, SANS_TAB, SANS_DEP, 0},
    {C2, 239, 244, 1, 1, 1, 1, 1, nullptr, SANS_TAB, SANS_DEP, 0},
    {C2, 0, 0, 1, 1, 1, 1, 1, nullptr, SANS_TAB, SANS_DEP, 0},
    {C3, 245, 247, 1, 1, 1, 1, 1, nullptr, SANS_TAB, SANS_DEP, 0},
    {C4, 248, 255, 1, 1, 1, 1, 1, nullptr, SANS_TAB, SANS_DEP, 0},
    {C5, 256, 256, 1, 1, 1, 1, 1, nullptr, SANS_TAB, SANS_DEP, 0},
};
const int lFin = static_cast<int>(sizeof tFin / sizeof tFin[0]);
