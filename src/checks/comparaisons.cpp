// Value comparison checks.
#include "checks/comparaisons.h"

#include <bit>
#include <cstdint>
#include <cstring>

#include "checks/dates.h"
#include "checks/generiques.h"
#include "checks/octets.h"
#include "reference/valautorise.h"

namespace {

// Values longer than this are refused before any scan. Field values never
// come near it.
constexpr int LONGUEUR_MAX = 98;

// A value whose NUL is among its first 8 bytes (most codes) is measured
// without a library call.
bool tropLong(const char* v) {
    std::uint64_t mot;
    if (lireMot8(v, mot) < 8) return false;
    return longueurBornee(v, LONGUEUR_MAX + 1) > LONGUEUR_MAX;
}

// True when v holds at least one character other than a blank.
bool contientNonBlanc(const char* v) { return !champVide(v); }

// What the cut-off checks ask of a value: whether it is longer than
// LONGUEUR_MAX, and if not, whether it holds a character other than a blank.
struct Apercu {
    bool tropLong;
    bool nonBlanc;
};

// Apercu of a value with LONGUEUR_MAX + 1 bytes readable from it rounded up
// to whole words (in the slots): a word at a time up to its NUL, the bytes
// past the NUL masked off. A value without a NUL in those bytes is too long.
constexpr int MOTS_APERCU = (LONGUEUR_MAX + 1 + 7) / 8;

[[gnu::noinline]] Apercu apercuMots(const char* v) {
    std::uint64_t ecarts = 0;
    for (int i = 0; i < MOTS_APERCU; ++i) {
        std::uint64_t mot;
        std::memcpy(&mot, v + 8 * i, sizeof mot);
        const std::uint64_t nuls = octetsNuls(mot);
        if (nuls != 0) {
            const int k = __builtin_ctzll(nuls) >> 3;  // the NUL, the lowest byte marked
            ecarts |= (mot ^ HUIT_BLANCS_MOT) & ((std::uint64_t{1} << (8 * k)) - 1);
            return {8 * i + k > LONGUEUR_MAX, ecarts != 0};
        }
        ecarts |= mot ^ HUIT_BLANCS_MOT;
    }
    return {true, ecarts != 0};
}

// Apercu of any other value, a byte at a time.
[[gnu::noinline]] Apercu apercuOctets(const char* v) {
    if (tropLong(v)) return {true, false};
    return {false, contientNonBlanc(v)};
}

// Most values (codes) end within their first word: answered inline.
[[gnu::always_inline]] inline Apercu apercu(const char* v) {
    if (std::endian::native != std::endian::little || !octetsLisibles(v, 8 * MOTS_APERCU)) return apercuOctets(v);
    std::uint64_t mot;
    std::memcpy(&mot, v, sizeof mot);
    const std::uint64_t nuls = octetsNuls(mot);
    if (nuls == 0) return apercuMots(v);
    const int k = __builtin_ctzll(nuls) >> 3;
    return {false, ((mot ^ HUIT_BLANCS_MOT) & ((std::uint64_t{1} << (8 * k)) - 1)) != 0};
}

// fVTABP5a8 with the cut-off given by its test: apres(dependance) is
// fVTABP(dependance, p). The table's index is kept between calls.
template <typename Apres>
[[gnu::always_inline]] inline int vtabAvecSeuil(const char* dependance, char* champ, const void* sverif,
                                               int lenSverif, Apres apres) {
    const Apercu a = apercu(champ);
    if (a.tropLong) return 0;
    // Before the cut-off the field may be left blank.
    if (!a.nonBlanc && !apres(dependance)) return 1;
    thread_local IndexMemorise index;
    return index.contient(champ, sverif, lenSverif);
}

// fVDIFFNULLP with the cut-off given by its test.
template <typename Apres>
[[gnu::always_inline]] inline int diffNullAvecSeuil(const char* dependance, char* champ, Apres apres) {
    const Apercu a = apercu(champ);
    if (a.tropLong) return 0;
    // From the cut-off on, the field must be filled in (a filled field
    // passes whatever the date).
    return a.nonBlanc || !apres(dependance);
}

// True when v equals an entry of the table, whole-string (no partner codes).
bool egaleUneEntree(const char* v, const void* sverif, int lenSverif) {
    if (sverif == nullptr) return false;
    const tValAutorise* table = static_cast<const tValAutorise*>(sverif);
    for (int i = 0; i < lenSverif; ++i) {
        if (egalChaine(v, table[i])) return true;
    }
    return false;
}

}  // namespace

int fVDIFFVD(const char* dependance, char* champ, const void*, int) {
    // One of the two 30-character fields must be filled in.
    const char* const blancs = trenteBlancs[0];
    // A value that does not start with a blank is filled in: no call.
    auto rempli = [blancs](const char* v) { return v[0] != ' ' || std::strcmp(v, blancs) != 0; };
    return rempli(champ) || rempli(dependance);
}

int fCDIFF(const char* dependance, char* champ, const void* sverif, int lenSverif) {
    if (tropLong(dependance)) return 0;
    if (contientNonBlanc(dependance)) return 1;
    return !egaleUneEntree(champ, sverif, lenSverif);
}

int fVTABDIFFFR(const char*, char* champ, const void* sverif, int lenSverif) {
    if (egalTexte(champ, "FR")) return 0;
    thread_local IndexMemorise index;
    return index.contient(champ, sverif, lenSverif);
}

int fVDIFFNULLVTAB(const char*, char* champ, const void* sverif, int lenSverif) {
    // Unknown ("  ") or withheld ("**") values pass without a lookup. The
    // second byte is read only once the first is known to be no NUL.
    const char premier = champ[0];
    if ((premier == ' ' || premier == '*') && champ[1] == premier) return 1;
    thread_local IndexMemorise index;
    return index.contient(champ, sverif, lenSverif);
}

int fVTABP5a8(const char* dependance, char* champ, const void* sverif, int lenSverif, const char* p) {
    return vtabAvecSeuil(dependance, champ, sverif, lenSverif, [p](const char* d) { return fVTABP(d, p); });
}

int fVTABP5(const char* dependance, char* champ, const void* sverif, int lenSverif) {
    return vtabAvecSeuil(dependance, champ, sverif, lenSverif, apresP5);
}

int fVTABP6(const char* dependance, char* champ, const void* sverif, int lenSverif) {
    return vtabAvecSeuil(dependance, champ, sverif, lenSverif, apresP6);
}

int fVTABP8(const char* dependance, char* champ, const void* sverif, int lenSverif) {
    return vtabAvecSeuil(dependance, champ, sverif, lenSverif, apresP8);
}

int fVDIFFNULLP(const char* dependance, char* champ, const void*, int, const char* p) {
    return diffNullAvecSeuil(dependance, champ, [p](const char* d) { return fVTABP(d, p); });
}

int fVDIFFNULLP5(const char* dependance, char* champ, const void*, int) {
    return diffNullAvecSeuil(dependance, champ, apresP5);
}

int fVDIFFNULLP6(const char* dependance, char* champ, const void*, int) {
    return diffNullAvecSeuil(dependance, champ, apresP6);
}

int fVerifDiffZero(const char* champ, int posDebut, int posFin) {
    if (tropLong(champ)) return 0;
    // An empty span, or one that starts before the value or runs past its
    // end, does not read as zeros.
    if (posDebut < 1 || posFin < posDebut) return 1;
    if (longueurBornee(champ, posFin) < posFin) return 1;
    for (int i = posDebut - 1; i < posFin; ++i) {
        if (champ[i] != '0') return 1;
    }
    return 0;
}
