// Byte comparisons shared by the checks. Values are compared byte by byte and
// never trimmed; a value may be shorter than its field, and nothing past its
// terminating NUL is read.
#pragma once

#include <cstddef>
#include <cstring>

inline bool estChiffre(char c) { return c >= '0' && c <= '9'; }
inline bool estMajuscule(char c) { return c >= 'A' && c <= 'Z'; }
inline bool estChiffreOuMajuscule(char c) { return estChiffre(c) || estMajuscule(c); }

// Whole-string equality.
inline bool egal(const char* a, const char* b) { return std::strcmp(a, b) == 0; }

// True when valeur begins with the whole of prefixe; a shorter value does not.
inline bool commencePar(const char* valeur, const char* prefixe) {
    return std::strncmp(valeur, prefixe, std::strlen(prefixe)) == 0;
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
