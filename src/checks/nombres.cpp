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

constexpr std::uint64_t ZEROS_ASCII = 0x3030303030303030ull;

// Count of the leading ASCII digits among the 8 bytes of a word (first byte
// lowest), given as its bytes less '0' each: valeurs = mot - ZEROS_ASCII.
// Below the first non-digit every byte holds 0 to 9 and nothing borrows, so
// that byte holds its own code less '0': 0x80 or more when it was below '0'
// (it may borrow from the bytes above, which no longer matter), else 10 or
// more, which adding 0x76 carries into bit 7 (the digits below, at most 9,
// reach 0x7F and carry nothing).
int chiffresEnTete(std::uint64_t valeurs) {
    const std::uint64_t nonChiffres = (valeurs | (valeurs + 0x7676767676767676ull)) & 0x8080808080808080ull;
    return nonChiffres == 0 ? 8 : __builtin_ctzll(nonChiffres) >> 3;
}

// Value of the k leading digits (1 <= k <= 8) of a word given as its bytes
// less '0', the first the most significant: moved to the top bytes, the
// bytes below read as leading zeros, then paired, grouped by four and joined.
std::uint64_t valeurDeChiffres(std::uint64_t valeurs, int k) {
    std::uint64_t v = valeurs << (8 * (8 - k));
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
        mot -= ZEROS_ASCII;
        const int k = chiffresEnTete(mot);
        if (k > 0 && k < 8) return static_cast<std::int32_t>(valeurDeChiffres(mot, k));
        if (k == 8) {
            const std::uint64_t haut = valeurDeChiffres(mot, 8);
            std::memcpy(&mot, texte + 8, sizeof mot);
            mot -= ZEROS_ASCII;
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
