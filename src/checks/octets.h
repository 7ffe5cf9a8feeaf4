// Byte comparisons shared by the checks. Values are compared byte by byte and
// never trimmed; a value may be shorter than its field, and nothing past its
// terminating NUL is read.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "model/modele.h"

inline bool estChiffre(char c) { return c >= '0' && c <= '9'; }
inline bool estMajuscule(char c) { return c >= 'A' && c <= 'Z'; }
// Digit or capital letter, looked up in a table of the 256 byte values: one
// load in the loops that walk identifiers.
inline constexpr struct ClassesOctets {
    bool chiffreOuMajuscule[256] = {};
    constexpr ClassesOctets() {
        for (int c = 0; c < 256; ++c) {
            chiffreOuMajuscule[c] = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z');
        }
    }
} kClassesOctets{};
inline bool estChiffreOuMajuscule(char c) { return kClassesOctets.chiffreOuMajuscule[static_cast<unsigned char>(c)]; }

// Whole-string equality.
inline bool egal(const char* a, const char* b) { return std::strcmp(a, b) == 0; }

// Equality with a string literal, byte by byte up to and including the
// literal's NUL. The walk stops at the first difference: a byte of v is read
// only after the one before it matched a non-NUL byte of the literal, so
// nothing past v's own NUL is read. Short literals unroll into a few compares.
template <std::size_t N>
inline bool egalTexte(const char* v, const char (&texte)[N]) {
    for (std::size_t i = 0; i < N; ++i) {
        if (v[i] != texte[i]) return false;
    }
    return true;
}

// Whole-string equality, byte by byte: for short strings, cheaper than a
// library call. Stops at the first difference or at the common NUL.
inline bool egalChaine(const char* a, const char* b) {
    for (;; ++a, ++b) {
        if (*a != *b) return false;
        if (*a == '\0') return true;
    }
}

// Order of the first n characters of a and b by unsigned character code,
// as strncmp orders them (only the sign is meaningful): the walk stops at the
// first difference or at a NUL both share, so nothing past either NUL is read.
inline int comparerDebut(const char* a, const char* b, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) {
        const auto x = static_cast<unsigned char>(a[i]);
        const auto y = static_cast<unsigned char>(b[i]);
        if (x != y) return x < y ? -1 : 1;
        if (x == '\0') return 0;
    }
    return 0;
}

// True when valeur begins with the whole of prefixe; a shorter value does not.
// Same stopping rule as egalTexte: a NUL of valeur differs from every byte of
// the prefix, and ends the walk.
inline bool commencePar(const char* valeur, const char* prefixe) {
    for (; *prefixe != '\0'; ++valeur, ++prefixe) {
        if (*valeur != *prefixe) return false;
    }
    return true;
}

// True when a and b both hold at least n characters and their first n agree.
inline bool premiersEgaux(const char* a, const char* b, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) {
        if (a[i] == '\0' || a[i] != b[i]) return false;
    }
    return true;
}

// Copies at most n leading characters of source into cible (n + 1 bytes).
inline void copierDebut(const char* source, std::size_t n, char* cible) {
    std::size_t i = 0;
    for (; i < n && source[i] != '\0'; ++i) cible[i] = source[i];
    cible[i] = '\0';
}

// Length of v, counting at most max characters. Short bounds are counted
// here; long ones (a column of the line, read through xdebug) by strnlen,
// which examines a word or a vector at a time.
inline int longueurBornee(const char* v, int max) {
    if (max > 16) return static_cast<int>(strnlen(v, static_cast<std::size_t>(max)));
    int longueur = 0;
    while (longueur < max && v[longueur] != '\0') ++longueur;
    return longueur;
}

// True when the n bytes from v all lie inside the value slots of the current
// record (body, trailer, header). Those are whole arrays of 257-byte slots:
// bytes past a value's NUL there are stale but readable, so a value held in a
// slot may be read a word at a time once the word is known to be in them.
// Any other pointer (a constant, a short string of a test) is read byte by
// byte.
inline bool octetsLisibles(const char* v, std::size_t n) {
    const auto p = reinterpret_cast<std::uintptr_t>(v);
    auto dans = [p, n](const void* zone, std::size_t taille) {
        return p - reinterpret_cast<std::uintptr_t>(zone) <= taille - n;
    };
    return dans(valCorpsVSE, sizeof valCorpsVSE) || dans(valFinVSE, sizeof valFinVSE) ||
           dans(valEnteteVSE, sizeof valEnteteVSE);
}

// Mask of 0x80 at each zero byte of x at or below the first zero byte (bytes
// above it may be marked too): its lowest set bit marks the first zero byte.
inline std::uint64_t octetsNuls(std::uint64_t x) {
    return (x - 0x0101010101010101ull) & ~x & 0x8080808080808080ull;
}

// Mask of 0x80 at each byte of x equal to b, exact in every byte.
inline std::uint64_t octetsEgaux(std::uint64_t x, unsigned char b) {
    constexpr std::uint64_t BAS = 0x7F7F7F7F7F7F7F7Full;
    const std::uint64_t y = x ^ (0x0101010101010101ull * b);
    return ~(((y & BAS) + BAS) | y | BAS);
}

// The leading bytes of v up to its NUL, at most 8, packed into mot (first
// byte lowest, bytes past the end 0); returns their count. A value in a slot
// is read as one word, any other byte by byte.
inline int lireMot8(const char* v, std::uint64_t& mot) {
    if (std::endian::native == std::endian::little && octetsLisibles(v, 8)) {
        std::memcpy(&mot, v, sizeof mot);
        const std::uint64_t nuls = octetsNuls(mot);
        if (nuls == 0) return 8;
        const int n = __builtin_ctzll(nuls) >> 3;
        mot &= (std::uint64_t{1} << (8 * n)) - 1;  // n < 8
        return n;
    }
    mot = 0;
    int n = 0;
    for (; n < 8 && v[n] != '\0'; ++n) mot |= std::uint64_t{static_cast<unsigned char>(v[n])} << (8 * n);
    return n;
}

// The 8 bytes of mot are all ASCII digits.
inline bool huitChiffres(std::uint64_t mot) {
    constexpr std::uint64_t HAUT = 0xF0F0F0F0F0F0F0F0ull;
    constexpr std::uint64_t TROIS = 0x3030303030303030ull;
    // Every high nibble 3 first; then adding 6 to each byte (no carry between
    // bytes, each being at most 0x3F) keeps it 3 for '0' to '9' only.
    return (mot & HAUT) == TROIS && ((mot + 0x0606060606060606ull) & HAUT) == TROIS;
}

inline constexpr std::uint64_t HUIT_BLANCS_MOT = 0x2020202020202020ull;

// True when code is one item of the comma-separated list. Items are matched
// whole, so a code never matches across a comma or an empty item.
inline bool itemDeListe(const char* liste, const char* code) {
    const std::size_t longueur = std::strlen(code);
    for (const char* item = liste;;) {
        const char* virgule = std::strchr(item, ',');
        const std::size_t taille = virgule != nullptr ? static_cast<std::size_t>(virgule - item) : std::strlen(item);
        if (taille == longueur && std::strncmp(item, code, longueur) == 0) return true;
        if (virgule == nullptr) return false;
        item = virgule + 1;
    }
}
