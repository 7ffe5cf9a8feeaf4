// Numbers inside fields (see nombres.h).
#include "checks/nombres.h"

#include <bit>
#include <cstring>
#include <limits>

#include "checks/octets.h"

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

namespace {

// Count of the leading ASCII digits among the 8 bytes of mot (first byte
// lowest). A byte is a digit when its high nibble is 3, and still 3 once 6 is
// added; the addition may carry into the next byte only out of a byte of
// 0xFA or more, itself no digit, so the first non-digit is found exactly.
int chiffresEnTete(std::uint64_t mot) {
    constexpr std::uint64_t HAUT = 0xF0F0F0F0F0F0F0F0ull;
    constexpr std::uint64_t TROIS = 0x3030303030303030ull;
    constexpr std::uint64_t BAS = 0x7F7F7F7F7F7F7F7Full;
    const std::uint64_t ecart = ((mot & HAUT) ^ TROIS) | (((mot + 0x0606060606060606ull) & HAUT) ^ TROIS);
    const std::uint64_t nonChiffres = (((ecart & BAS) + BAS) | ecart) & ~BAS;
    return nonChiffres == 0 ? 8 : __builtin_ctzll(nonChiffres) >> 3;
}

// Value of the k leading digits of mot (1 <= k <= 8), the first the most
// significant: moved to the top bytes, the bytes below read as leading zeros,
// then paired, grouped by four and joined.
std::uint64_t valeurDeChiffres(std::uint64_t mot, int k) {
    std::uint64_t v = (mot - 0x3030303030303030ull) << (8 * (8 - k));
    v = (v * 10 + (v >> 8)) & 0x00FF00FF00FF00FFull;
    v = (v * 100 + (v >> 16)) & 0x0000FFFF0000FFFFull;
    return (v * 10000 + (v >> 32)) & 0xFFFFFFFFull;
}

}  // namespace

std::int32_t lireEntier(const char* texte) {
    // A value of a slot that starts with digits (a quantity, a serial) is
    // read 8 bytes at a time: up to 16 digits, exact in 64 bits, then any
    // non-digit. A blank, a sign, a value outside the slots or a longer run
    // of digits takes the general reading.
    if (std::endian::native == std::endian::little && octetsLisibles(texte, 16)) {
        std::uint64_t mot;
        std::memcpy(&mot, texte, sizeof mot);
        const int k = chiffresEnTete(mot);
        if (k > 0 && k < 8) return static_cast<std::int32_t>(valeurDeChiffres(mot, k));
        if (k == 8) {
            const std::uint64_t haut = valeurDeChiffres(mot, 8);
            std::memcpy(&mot, texte + 8, sizeof mot);
            const int k2 = chiffresEnTete(mot);
            if (k2 == 0) return borner(static_cast<std::int64_t>(haut));
            if (k2 < 8) {
                static constexpr std::int64_t PUISSANCES[8] = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000};
                return borner(static_cast<std::int64_t>(haut) * PUISSANCES[k2] +
                              static_cast<std::int64_t>(valeurDeChiffres(mot, k2)));
            }
        }
    }
    return lireEntierDe(texte, std::numeric_limits<int>::max());
}

std::int32_t sommeSaturee(std::int32_t a, std::int32_t b) {
    return borner(static_cast<std::int64_t>(a) + static_cast<std::int64_t>(b));
}
