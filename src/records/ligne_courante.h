// The length of the current line (xdebug), asked against a fixed column.
#pragma once

#include <cstdint>
#include <cstring>

#include "model/modele.h"

// True when the line in xdebug holds at least n characters: no NUL among its
// first n bytes. They are read 16 at a time at fixed offsets of xdebug (the
// last block ends at byte n), all inside its 4096 bytes whatever the line;
// the stale bytes past the line's NUL are read but never decide, the NUL
// itself being among the n bytes whenever the line is shorter.
template <int n>
bool ligneAuMoins() {
    static_assert(n >= 16 && n <= static_cast<int>(sizeof xdebug));
    using Bloc = signed char __attribute__((vector_size(16)));
    Bloc nuls{};
    Bloc bloc;
    for (int debut = 0; debut + 16 <= n; debut += 16) {
        std::memcpy(&bloc, xdebug + debut, sizeof bloc);
        nuls |= bloc == 0;
    }
    if (n % 16 != 0) {
        std::memcpy(&bloc, xdebug + (n - 16), sizeof bloc);
        nuls |= bloc == 0;
    }
    std::uint64_t moities[2];
    std::memcpy(moities, &nuls, sizeof moities);
    return (moities[0] | moities[1]) == 0;
}
