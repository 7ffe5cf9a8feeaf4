// The length of the current line (xdebug), asked against a fixed column.
#pragma once

#include <cstdint>
#include <cstring>

#include "model/modele.h"

// True when the line in xdebug holds at least n characters: no NUL among its
// first n bytes. They are read 16 at a time at fixed offsets of xdebug (the
// last block ends at byte n), all inside its 4096 bytes whatever the line;
// the stale bytes past the line's NUL are read but never decide, the NUL
// itself being among the n bytes whenever the line is shorter. The blocks
// are folded by their byte-wise minimum, which is 0 exactly when one of them
// holds a NUL.
template <int n>
bool ligneAuMoins() {
    static_assert(n >= 16 && n <= static_cast<int>(sizeof xdebug));
    using Bloc = unsigned char __attribute__((vector_size(16)));
    Bloc minimum;
    std::memcpy(&minimum, xdebug + (n - 16), sizeof minimum);
#pragma GCC unroll 16
    for (int debut = 0; debut < n - 16; debut += 16) {
        Bloc bloc;
        std::memcpy(&bloc, xdebug + debut, sizeof bloc);
        minimum = minimum < bloc ? minimum : bloc;
    }
    const Bloc nuls = minimum == 0;
    std::uint64_t moities[2];
    std::memcpy(moities, &nuls, sizeof moities);
    return (moities[0] | moities[1]) == 0;
}
