// Cross-field coherence checks.
//
// The establishment of a record is header slot E8, an 8-character code such
// as "001IPG  ": its first 3 characters are its department, characters 2 to 3
// the two-character department of the numbers it issues. Values are compared
// byte by byte; a value shorter than its field fails a comparison at its
// terminating NUL, and nothing past that NUL is read.
#include "checks/coherence.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "checks/dates.h"
#include "checks/generiques.h"
#include "checks/octets.h"
#include "model/modele.h"
#include "reference/valautorise.h"

namespace {

// The first n characters of valeur lie between inf and sup (n characters
// each), bounds included, by character code.
bool entre(const char* valeur, const char* inf, const char* sup, std::size_t n) {
    return comparerDebut(valeur, inf, n) >= 0 && comparerDebut(valeur, sup, n) <= 0;
}

// Characters 2 to 3 of an establishment code, or "" when it has none.
const char* departementDeux(const char* etablissement) {
    return etablissement[0] == '\0' ? "" : etablissement + 1;
}

// Index of the first group of the flat table whose key (its first string)
// equals the first 6 characters of the establishment, or -1.
int chercherEtablissement(const char* etablissement, const void* sverif, int lenSverif,
                          int tailleGroupe) {
    if (sverif == nullptr) return -1;
    char cle[7];
    copierDebut(etablissement, 6, cle);
    const auto* table = static_cast<const tValAutorise*>(sverif);
    for (int i = 0; i < lenSverif / tailleGroupe; ++i) {
        if (egalChaine(table[tailleGroupe * i], cle)) return i;
    }
    return -1;
}

// Identification numbers that an establishment may carry on top of its range
// of IND_M.
struct PlageSupplementaire {
    const char* etablissement;
    const char* inf;
    const char* sup;
};
constexpr PlageSupplementaire kPlagesSupplementaires[] = {
    {"076IPG", "655001", "655499"}, {"076IPG", "659500", "660499"}, {"076IPG", "680500", "683499"},
    {"022IPG", "655500", "657499"}, {"022IPG", "660500", "661999"}, {"035IPG", "657500", "659499"},
    {"035IPG", "668500", "673499"}, {"024IPG", "662000", "664499"}, {"029IPG", "664500", "667499"},
    {"031IPG", "667500", "667999"}, {"033IPG", "668000", "668499"}, {"042IPG", "673500", "673999"},
    {"043IPG", "674000", "674999"}, {"049IPG", "674500", "674999"}, {"053IPG", "675000", "677499"},
    {"056IPG", "677500", "677999"}, {"059IPG", "678000", "678999"}, {"061IPG", "679000", "679999"},
    {"072IPG", "680000", "680499"},
};

// Prefixes of the establishment numbers of kind "P" issued by the overseas
// establishments; any other establishment issues its own two-character
// department.
struct PrefixesDom {
    const char* etablissement;
    const char* prefixes[4];
};
constexpr PrefixesDom kPrefixesDom[] = {
    {"971IPG", {"971", "97A", "97C", "97D"}},
    {"972IPG", {"972", "97B"}},
    {"973IPG", {"973"}},
    {"976IPG", {"976"}},
    {"974IPG", {"98"}},
};

bool prefixeProducteur(const char* etablissement, const char* champ) {
    for (const PrefixesDom& dom : kPrefixesDom) {
        if (!commencePar(etablissement, dom.etablissement)) continue;
        for (const char* prefixe : dom.prefixes) {
            if (prefixe != nullptr && commencePar(champ, prefixe)) return true;
        }
        return false;
    }
    return premiersEgaux(champ, departementDeux(etablissement), 2);
}

bool estJ(const char* valeur) { return egalTexte(valeur, "J"); }

// The n bytes from v lie inside the body slots of the current record (a
// whole array of 257-byte slots: bytes past a value's NUL there are stale
// but readable).
bool dansCorps(const char* v, std::size_t n) {
    return reinterpret_cast<std::uintptr_t>(v) - reinterpret_cast<std::uintptr_t>(valCorpsVSE) <=
           sizeof valCorpsVSE - n;
}

// Ordering key of the 8 characters DDMMYYYY of mot (first character in the
// low byte, no NUL among them): year, month, day, most significant first,
// blanks read as '0' when asked. cleDuMot computes the same key out of line.
std::uint64_t cleDate(std::uint64_t mot, bool blancsEnZeros) {
    if (blancsEnZeros) mot |= octetsEgaux(mot, ' ') >> 3;  // ' ' | 0x10 == '0'
    const std::uint64_t jjmmaaaa = __builtin_bswap64(mot);
    const std::uint64_t jjmm = jjmmaaaa >> 32;
    return (jjmmaaaa << 32) | ((jjmm & 0xFFFF) << 16) | (jjmm >> 16);
}

// The date DDMMYYYY with its year one later, packed as lireMot8 packs it. A
// date whose year is not four digits is taken unchanged (its own format rule
// reports it). Past year 9999 the limit is the last day of 9999, which no date
// field exceeds.
std::uint64_t unAnPlusTard(const char* date) {
    std::uint64_t mot;
    if (lireMot8(date, mot) != 8) return mot;
    // The year, bytes 4 to 7 (its last digit highest), is four digits.
    const std::uint64_t annee = mot >> 32;
    if (!huitChiffres((annee << 32) | 0x30303030ull)) return mot;
    if (annee == 0x39393939ull) {
        std::uint64_t fin;
        std::memcpy(&fin, "31129999", 8);
        return std::endian::native == std::endian::little ? fin : __builtin_bswap64(fin);
    }
    // Adding one: the last digit that is not a 9 (there is one) goes up by
    // one, the 9s after it become 0s.
    const std::uint64_t nonNeufs = ~octetsEgaux(annee, '9') & 0x80808080ull;
    const int rang = (63 - __builtin_clzll(nonNeufs)) >> 3;
    const std::uint64_t jusquAuRang = (std::uint64_t{1} << (8 * rang + 8)) - 1;
    const std::uint64_t suivante = ((annee & jusquAuRang) + (std::uint64_t{1} << (8 * rang))) |
                                   (0x30303030ull & ~jusquAuRang);
    return (mot & 0xFFFFFFFFull) | (suivante << 32);
}

// The date champ (blanks read as '0') is on or before date with its year one
// later.
int avantDateDecalee(const char* date, const char* champ) {
    return cleDuMot(unAnPlusTard(date), false) >= cleAAAAMMJJ(champ, true);
}

}  // namespace

namespace {

struct DepartementsTD {
    bool oui[100];
};

// The answers of estDansTable for "00" to "99" in TD, taken once (out of line:
// the check that reads them keeps a short body).
[[gnu::noinline]] const DepartementsTD& departementsTD() {
    static const DepartementsTD table = [] {
        DepartementsTD t{};
        for (unsigned i = 0; i < 100; ++i) {
            const char code[3] = {static_cast<char>('0' + i / 10), static_cast<char>('0' + i % 10), '\0'};
            t.oui[i] = estDansTable(code, TD, LenTD) != 0;
        }
        return t;
    }();
    return table;
}

}  // namespace

bool departementChiffresDansTD(unsigned d) {
    static const DepartementsTD& table = departementsTD();
    return d < 100 && table.oui[d];
}

int fCoherenCC(const char* dependance, char* champ, const void*, int) {
    // The establishment's first bytes choose the rule; each byte is read only
    // after the one before it matched a non-NUL byte.
    const char* etablissement = dependance;
    if (etablissement[0] == 'P' && commencePar(etablissement, "POINTFOC")) return 1;
    if (etablissement[0] == '0' && etablissement[1] == '2' && (etablissement[2] == 'A' || etablissement[2] == 'B')) {
        return commencePar(champ, "20");
    }
    if (etablissement[0] == '9' && etablissement[1] == '7') {
        const char c = etablissement[2];
        if (c == '1' || c == '2' || c == '3' || c == '4' || c == '6') {
            if (premiersEgaux(champ, etablissement, 3)) return 1;
            return commencePar(champ, "98") && c == '4';
        }
    }
    return premiersEgaux(champ, departementDeux(etablissement), 2);
}

int fCoherenCC_tr(const char* dependance, char* champ, const void* sverif, int lenSverif) {
    // C5 "J": the holding is not checked against the establishment.
    if (estJ(valCorpsVSE[C5].valeur)) return 1;
    return fCoherenCC(dependance, champ, sverif, lenSverif);
}

int fCoherenCCD(const char* dependance, char* champ, const void*, int) {
    if (premiersEgaux(champ, dependance, 3)) return 1;
    return commencePar(champ, "098") && commencePar(dependance, "974");
}

int fCoherenCCEget(const char* dependance, char* champ, const void* sverif, int lenSverif) {
    // The kind of establishment is the record's own field C4.
    const char* nature = valCorpsVSE[C4].valeur;
    if (egalTexte(nature, "V")) {
        if (lenSverif < 2) return 0;
        const int paire = chercherEtablissement(dependance, sverif, lenSverif, 2);
        if (paire < 0) return 0;
        char code[3];
        copierDebut(champ, 2, code);
        const auto* table = static_cast<const tValAutorise*>(sverif);
        return std::strlen(code) == 2 && itemDeListe(table[2 * paire + 1], code);
    }
    if (egalTexte(nature, "P")) return prefixeProducteur(dependance, champ);
    return 0;
}

int fCoheren_OC_IND_M(const char* dependance, char* champ, const void* sverif, int lenSverif) {
    const int triple = chercherEtablissement(dependance, sverif, lenSverif, 3);
    if (triple >= 0) {
        const auto* table = static_cast<const tValAutorise*>(sverif);
        if (entre(champ, table[3 * triple + 1], table[3 * triple + 2], 6)) return 1;
    }
    // An establishment absent from IND_M (a partner code) has only the ranges below.
    for (const PlageSupplementaire& plage : kPlagesSupplementaires) {
        if (commencePar(dependance, plage.etablissement) && entre(champ, plage.inf, plage.sup, 6)) {
            return 1;
        }
    }
    return 0;
}

int fCoherenCCE(const char* dependance, const char* champ) {
    // An establishment sends its own records; the national partners send for all.
    if (egalChaine(champ, dependance)) return 1;
    if (commencePar(dependance, "NORM01") || commencePar(dependance, "NORM02") || commencePar(dependance, "PFOC01")) {
        return 1;
    }
    // A regional emitter sends for the establishments it is paired with.
    for (int i = 0; i < LenTEDC; ++i) {
        if (egalChaine(TEDC[2 * i], dependance) && egalChaine(TEDC[2 * i + 1], champ)) {
            return 1;
        }
    }
    return 0;
}

int fCoherenDC(const char* dependance, char* champ, const void*, int) {
    // The usual call: the record's date (trailer slot F1) against a date in a
    // body slot, both of at least 8 characters. Both words lie inside their
    // slot arrays (the body value is checked to have 8 bytes of them from it
    // on), so they are read whole; a NUL among their 8 bytes leaves the call
    // to the general comparison, which reads them byte by byte.
    // The record's date is compared with several dates of its record: its
    // key is kept with its word (one without NUL), and reused while the
    // word is the same.
    static std::uint64_t motReference = 0;  // 0 holds NULs: never matched
    static std::uint64_t cleReference = 0;
    if (std::endian::native == std::endian::little && dependance == valFinVSE[F1].valeur && dansCorps(champ, 8)) {
        std::uint64_t reference;
        std::uint64_t date;
        std::memcpy(&reference, dependance, sizeof reference);
        std::memcpy(&date, champ, sizeof date);
        if (reference != motReference) {
            if (octetsNuls(reference) != 0) return fCoherenDCSupInf(dependance, champ, INF);
            motReference = reference;
            cleReference = cleDate(reference, false);
        }
        // Eight digits, the usual date, hold neither a NUL nor a blank.
        if (huitChiffres(date)) return cleReference >= cleDate(date, false);
        if (octetsNuls(date) == 0) return cleReference >= cleDate(date, true);
    }
    return fCoherenDCSupInf(dependance, champ, INF);
}

int fCoherenDC_tr(const char* dependance, char* champ, const void*, int) {
    // C5 "J": the event may be recorded up to one year after the record's date.
    if (estJ(valCorpsVSE[C5].valeur)) return avantDateDecalee(dependance, champ);
    return fCoherenDCSupInf(dependance, champ, INF);
}

int fCoherenDC_tr2(const char* dependance, char* champ, const void*, int) {
    return avantDateDecalee(dependance, champ);
}

int fCoherenD_OC_an_1(const char*, char* champ, const void*, int) {
    for (int i = 0; i < 4; ++i) {
        if (champ[i] < '0' || champ[i] > '9') return 0;
    }
    return 1;
}

int fCoherenD_OC_an_2(const char* dependance, char* champ, const void*, int) {
    // The year of the record's date is characters 5 to 8.
    char date[9];
    copierDebut(dependance, 8, date);
    const char* annee = std::strlen(date) > 4 ? date + 4 : "";
    return comparerDebut(champ, annee, 4) < 0;
}

int fCoherenDateSup(const char* dependance, char* champ, const void*, int) {
    return fCoherenDCSupInf(dependance, champ, SUP);
}
