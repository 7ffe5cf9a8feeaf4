// Value comparison checks.
#include "checks/comparaisons.h"

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
    // Unknown ("  ") or withheld ("**") values pass without a lookup.
    if (commencePar(champ, "  ") || commencePar(champ, "**")) return 1;
    thread_local IndexMemorise index;
    return index.contient(champ, sverif, lenSverif);
}

int fVTABP5a8(const char* dependance, char* champ, const void* sverif, int lenSverif, const char* p) {
    if (tropLong(champ)) return 0;
    // Before the cut-off the field may be left blank.
    if (champVide(champ) && !fVTABP(dependance, p)) return 1;
    return estDansTable(champ, sverif, lenSverif);
}

int fVTABP5(const char* dependance, char* champ, const void* sverif, int lenSverif) {
    return fVTABP5a8(dependance, champ, sverif, lenSverif, P5[0]);
}

int fVTABP6(const char* dependance, char* champ, const void* sverif, int lenSverif) {
    return fVTABP5a8(dependance, champ, sverif, lenSverif, P6[0]);
}

int fVTABP8(const char* dependance, char* champ, const void* sverif, int lenSverif) {
    return fVTABP5a8(dependance, champ, sverif, lenSverif, P8[0]);
}

int fVDIFFNULLP(const char* dependance, char* champ, const void*, int, const char* p) {
    if (tropLong(champ)) return 0;
    // From the cut-off on, the field must be filled in (a filled field
    // passes whatever the date).
    return contientNonBlanc(champ) || !fVTABP(dependance, p);
}

int fVDIFFNULLP5(const char* dependance, char* champ, const void* sverif, int lenSverif) {
    return fVDIFFNULLP(dependance, champ, sverif, lenSverif, P5[0]);
}

int fVDIFFNULLP6(const char* dependance, char* champ, const void* sverif, int lenSverif) {
    return fVDIFFNULLP(dependance, champ, sverif, lenSverif, P6[0]);
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
