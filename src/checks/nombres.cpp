// Numbers inside fields (see nombres.h).
#include "checks/nombres.h"

#include <limits>

namespace {

constexpr std::int64_t MIN32 = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t MAX32 = std::numeric_limits<std::int32_t>::max();

bool estBlancC(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

std::int32_t borner(std::int64_t v) { return static_cast<std::int32_t>(v < MIN32 ? MIN32 : v > MAX32 ? MAX32 : v); }

}  // namespace

std::int32_t lireEntierDe(const char* texte, int n) {
    int i = 0;
    while (i < n && texte[i] != '\0' && estBlancC(texte[i])) ++i;
    bool negatif = false;
    if (i < n && (texte[i] == '+' || texte[i] == '-')) negatif = texte[i++] == '-';
    // Past the 32-bit range the value only needs to stay past it: the
    // accumulator stops growing once it exceeds the bound.
    std::int64_t valeur = 0;
    for (; i < n && texte[i] >= '0' && texte[i] <= '9'; ++i) {
        if (valeur <= MAX32 + 1) valeur = valeur * 10 + (texte[i] - '0');
    }
    return borner(negatif ? -valeur : valeur);
}

std::int32_t lireEntier(const char* texte) { return lireEntierDe(texte, std::numeric_limits<int>::max()); }

std::int32_t sommeSaturee(std::int32_t a, std::int32_t b) {
    return borner(static_cast<std::int64_t>(a) + static_cast<std::int64_t>(b));
}
