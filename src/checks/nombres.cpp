// Numbers inside fields (see nombres.h).
#include "checks/nombres.h"

#include <limits>

namespace {

constexpr std::int64_t MIN32 = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t MAX32 = std::numeric_limits<std::int32_t>::max();

// ' ', or one of '\t' '\n' '\v' '\f' '\r' (9 to 13).
bool estBlancC(char c) { return c == ' ' || static_cast<unsigned char>(c - '\t') <= '\r' - '\t'; }

std::int32_t borner(std::int64_t v) { return static_cast<std::int32_t>(v < MIN32 ? MIN32 : v > MAX32 ? MAX32 : v); }

}  // namespace

std::int32_t lireEntierDe(const char* texte, int n) {
    // A white-space character is no NUL: the next one is read only after it.
    int i = 0;
    while (i < n && estBlancC(texte[i])) ++i;
    bool negatif = false;
    if (i < n && (texte[i] == '+' || texte[i] == '-')) negatif = texte[i++] == '-';
    // Up to 18 digits the exact value fits in 64 bits; past them the value
    // only needs to stay past the 32-bit range: the accumulator stops growing
    // once it exceeds the bound.
    std::int64_t valeur = 0;
    const int finExacte = n - i > 18 ? i + 18 : n;
    for (; i < finExacte; ++i) {
        const unsigned chiffre = static_cast<unsigned char>(texte[i]) - static_cast<unsigned>('0');
        if (chiffre > 9) return borner(negatif ? -valeur : valeur);
        valeur = valeur * 10 + chiffre;
    }
    for (; i < n && texte[i] >= '0' && texte[i] <= '9'; ++i) {
        if (valeur <= MAX32 + 1) valeur = valeur * 10 + (texte[i] - '0');
    }
    return borner(negatif ? -valeur : valeur);
}

std::int32_t lireEntier(const char* texte) { return lireEntierDe(texte, std::numeric_limits<int>::max()); }

std::int32_t sommeSaturee(std::int32_t a, std::int32_t b) {
    return borner(static_cast<std::int64_t>(a) + static_cast<std::int64_t>(b));
}
