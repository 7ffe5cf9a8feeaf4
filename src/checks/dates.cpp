// Date and time checks.
#include "checks/dates.h"

#include <bit>
#include <cstdint>
#include <cstring>

#include "checks/generiques.h"
#include "checks/octets.h"
#include "model/modele.h"
#include "reference/valautorise.h"

namespace {

constexpr int LONGUEUR_DATE = 8;
constexpr int LONGUEUR_HEURE = 6;
constexpr char FIN_SANS_LIMITE[] = "TOUJOURS";

// A DDMMYYYY date as its YYYYMMDD rewrite compares by character code: its
// first 8 bytes packed in the order year, month, day, most significant first,
// so that dates compare as integers. Blanks read as '0' when asked; positions
// past the end of a shorter value read as NUL, which is neither a digit nor a
// blank and orders before both. mot holds the date's leading bytes as
// lireMot8 packs them (first byte lowest, 0 past the end).
}  // namespace

std::uint64_t cleDuMot(std::uint64_t mot, bool blancsEnZeros) {
    // ' ' (0x20) | 0x10 == '0'; a 0 byte past the end is no blank and stays 0.
    if (blancsEnZeros) mot |= octetsEgaux(mot, ' ') >> 3;
    const std::uint64_t jjmmaaaa = __builtin_bswap64(mot);  // DDMMYYYY, first byte highest
    const std::uint64_t jjmm = jjmmaaaa >> 32;
    return (jjmmaaaa << 32) | ((jjmm & 0xFFFF) << 16) | (jjmm >> 16);
}

namespace {

// cleAAAAMMJJ, inlined into the checks of this file: every dated check reads
// one or two keys.
[[gnu::always_inline]] inline std::uint64_t cleLue(const char* date, bool blancsEnZeros) {
    std::uint64_t mot;
    lireMot8(date, mot);
    return cleDuMot(mot, blancsEnZeros);
}

}  // namespace

std::uint64_t cleAAAAMMJJ(const char* date, bool blancsEnZeros) { return cleLue(date, blancsEnZeros); }

namespace {

// The first 8 bytes of a value held in the slots, when they are all digits
// (most dates): then the value has no NUL and no blank among them, and its
// word reads as lireMot8 would read it. False for any other value, whatever
// it holds, which then takes the general reading.
[[gnu::always_inline]] inline bool huitChiffresDansSlot(const char* v, std::uint64_t& mot) {
    if (std::endian::native != std::endian::little || !octetsLisibles(v, 8)) return false;
    std::memcpy(&mot, v, sizeof mot);
    return huitChiffres(mot);
}

// cleLue with blanks read as '0': a word of 8 digits holds no blank and no
// NUL, its key is its bytes reordered.
[[gnu::always_inline]] inline std::uint64_t cleBlancsEnZeros(const char* date) {
    std::uint64_t mot;
    if (huitChiffresDansSlot(date, mot)) return cleDuMot(mot, false);
    return cleLue(date, true);
}

}  // namespace

namespace {

// Keys of the cut-off dates. The cut-off tables hold constant strings,
// compared with every dated record: their keys are computed once, before the
// first record (the tables are constants, filled before any code runs). The
// most asked by fVTABP come first (P5, P6 and P8 also have their own tests,
// apresP5 to apresP8, that read their keys directly, as do the dated checks
// of this file). Any other date is read
// each time.
struct Seuil {
    const char* date;
    std::uint64_t cle;
};
const Seuil kSeuils[] = {
    {P5[0], cleAAAAMMJJ(P5[0], false)}, {P6[0], cleAAAAMMJJ(P6[0], false)},
    {P8[0], cleAAAAMMJJ(P8[0], false)}, {P17[0], cleAAAAMMJJ(P17[0], false)},
    {P18[0], cleAAAAMMJJ(P18[0], false)}, {P7[0], cleAAAAMMJJ(P7[0], false)},
};
const std::uint64_t& kCleP5 = kSeuils[0].cle;
const std::uint64_t& kCleP6 = kSeuils[1].cle;
const std::uint64_t& kCleP8 = kSeuils[2].cle;
const std::uint64_t& kCleP18 = kSeuils[4].cle;
const std::uint64_t& kCleP7 = kSeuils[5].cle;

std::uint64_t cleSeuil(const char* seuil) {
    for (const Seuil& s : kSeuils) {
        if (s.date == seuil) return s.cle;
    }
    return cleAAAAMMJJ(seuil, false);
}

// Value of the two digits at v[i], v[i + 1] (checked beforehand).
int deuxChiffres(const char* v, int i) { return (v[i] - '0') * 10 + (v[i + 1] - '0'); }

// The month of a date, characters 3 and 4, is two blanks. A value that ends
// before them does not have them: each byte is read only once the bytes
// before it are known to be no NUL.
bool moisBlanc(const char* v) { return v[0] != '\0' && v[1] != '\0' && v[2] == ' ' && v[3] == ' '; }

// The day of a date, characters 1 and 2, is two blanks.
bool jourBlanc(const char* v) { return v[0] == ' ' && v[1] == ' '; }

// A blank date is exactly eight blanks. Once its first 8 bytes are known to
// be blanks, its ninth byte exists (its NUL at the latest).
bool estDateBlanche(const char* champ) {
    if (champ[0] != ' ') return false;  // most dates: decided on their first byte
    std::uint64_t mot;
    return lireMot8(champ, mot) == LONGUEUR_DATE && mot == HUIT_BLANCS_MOT && champ[LONGUEUR_DATE] == '\0';
}

// The first 8 characters are blanks, whatever follows.
bool commenceParHuitBlancs(const char* champ) {
    if (champ[0] != ' ') return false;
    std::uint64_t mot;
    return lireMot8(champ, mot) == LONGUEUR_DATE && mot == HUIT_BLANCS_MOT;
}

// Incomplete dates write an unknown day, or day and month, with blanks. They
// become zeros so that the date can be read; an explicit "00" day or month is
// not a way of writing an unknown part and becomes a blank, so that the digit
// test refuses it.
void reecrireDateIncomplete(char* champ) {
    // Each byte is compared only once the bytes before it matched a
    // non-NUL character, so nothing past a short value's NUL is read.
    auto moisZero = [champ] { return champ[2] == '0' && champ[3] == '0'; };
    if (jourBlanc(champ)) {
        if (champ[2] == ' ' && champ[3] == ' ') {
            std::memcpy(champ, "0000", 4);
            return;
        }
        std::memcpy(champ, "00", 2);
        if (moisZero()) champ[2] = ' ';
    } else if (champ[0] == '0' && champ[1] == '0') {
        champ[0] = ' ';
    } else if (champ[0] != '\0' && champ[1] != '\0' && moisZero()) {
        champ[2] = ' ';
    }
}

}  // namespace

int DateCalc_leap_year(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DateCalc_check_date(int year, int month, int day) {
    static constexpr int joursParMois[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (year < 1 || month < 1 || month > 12 || day < 1) return 0;
    const int joursDuMois = joursParMois[month - 1] + (month == 2 && DateCalc_leap_year(year));
    return day <= joursDuMois;
}

namespace {

// The calendar check of a date whose 8 bytes are digits, mot holding them as
// lireMot8 packs them. INCOMPLETE reads a day or month 0 as 1 (only a
// rewritten unknown part can still read 0 then).
[[gnu::always_inline]] inline int dateDuMot(std::uint64_t mot, eCouI mode) {
    // The four two-digit numbers of the word at once: each byte's digit
    // value, then each pair as tens * 10 + units in the pair's low byte.
    const std::uint64_t valeurs = mot - 0x3030303030303030ull;
    const std::uint64_t paires = (valeurs * 10 + (valeurs >> 8)) & 0x00FF00FF00FF00FFull;
    unsigned jour = static_cast<unsigned>(paires & 0xFF);
    unsigned mois = static_cast<unsigned>((paires >> 16) & 0xFF);
    // The year as its century and its year in the century: before 1900 is a
    // century before 19, and the leap rule reads on the two parts (100 is a
    // multiple of 4; a century year is a leap year when its century is).
    const unsigned siecle = static_cast<unsigned>((paires >> 32) & 0xFF);
    const unsigned an = static_cast<unsigned>(paires >> 48);
    if (siecle < 19) return 0;
    if (mode == INCOMPLETE) {
        if (jour == 0) jour = 1;
        if (mois == 0) mois = 1;
    }
    if (jour == 0 || mois - 1 >= 12) return 0;
    static constexpr unsigned char joursParMois[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (jour <= joursParMois[mois]) return 1;
    // Past the common length: only 29 February of a leap year.
    return mois == 2 && jour == 29 && (an != 0 ? (an & 3) == 0 : (siecle & 3) == 0);
}

// fDATECouI(champ, INCOMPLETE) for a date whose first 8 bytes, in mot, are
// digits: no unknown part to rewrite, only an explicit "00" day (else
// month) turned into a blank, which the digit test then refuses.
[[gnu::always_inline]] inline int dateIncompleteDeChiffres(char* champ, std::uint64_t mot) {
    constexpr std::uint64_t ZERO_ZERO = 0x3030;
    if ((mot & 0xFFFF) == ZERO_ZERO) {
        champ[0] = ' ';
        return 0;
    }
    if (((mot >> 16) & 0xFFFF) == ZERO_ZERO) {
        champ[2] = ' ';
        return 0;
    }
    return dateDuMot(mot, COMPLETE);  // neither day nor month reads 0: both modes agree
}

}  // namespace

int fDATECouI(char* champ, eCouI mode) {
    // Most dates are 8 digits in a slot: nothing unknown to rewrite.
    std::uint64_t chiffres;
    if (huitChiffresDansSlot(champ, chiffres)) {
        return mode == INCOMPLETE ? dateIncompleteDeChiffres(champ, chiffres) : dateDuMot(chiffres, COMPLETE);
    }
    if (mode == INCOMPLETE) reecrireDateIncomplete(champ);
    // Eight digits; a shorter value has its NUL among them.
    std::uint64_t mot;
    if (lireMot8(champ, mot) != LONGUEUR_DATE || !huitChiffres(mot)) return 0;
    return dateDuMot(mot, mode);
}

namespace {

// fCoherenDCSupInf, inlined into the dated checks of this file.
[[gnu::always_inline]] inline int ordreDesDates(const char* dependance, const char* champ, esupInf sens) {
    const std::uint64_t reference = cleLue(dependance, false);
    const std::uint64_t date = cleBlancsEnZeros(champ);
    return sens == SUP ? reference <= date : reference >= date;
}

}  // namespace

int fCoherenDCSupInf(const char* dependance, const char* champ, esupInf sens) {
    return ordreDesDates(dependance, champ, sens);
}

int fVTABP(const char* dependance, const char* param) { return cleBlancsEnZeros(dependance) >= cleSeuil(param); }

int apresP5(const char* dependance) { return cleBlancsEnZeros(dependance) >= kCleP5; }
int apresP6(const char* dependance) { return cleBlancsEnZeros(dependance) >= kCleP6; }
int apresP8(const char* dependance) { return cleBlancsEnZeros(dependance) >= kCleP8; }

int fDATEC(const char*, char* champ, const void*, int) { return fDATECouI(champ, COMPLETE); }

int fDATEI(const char*, char* champ, const void*, int) { return fDATECouI(champ, INCOMPLETE); }

int fDATECxad(const char*, char* champ, const void*, int) {
    return estDateBlanche(champ) || fDATECouI(champ, COMPLETE);
}

int fDATEC_INC(const char*, char* champ, const void*, int) {
    return commenceParHuitBlancs(champ) || fDATECouI(champ, COMPLETE);
}

int fDatRecCorr(const char*, char* champ, const void*, int) {
    return estDateBlanche(champ) || fDATECouI(champ, COMPLETE);
}

int fDatRecCorr_O(const char*, char* champ, const void*, int) {
    return !estDateBlanche(champ) && fDATECouI(champ, COMPLETE);
}

int fDatRecCorr_O_P18(const char* dependance, char* champ, const void*, int) {
    // The date became mandatory for records whose reference date is on or
    // after the cut-off.
    if (estDateBlanche(champ)) return cleBlancsEnZeros(dependance) < kCleP18;
    return fDATECouI(champ, COMPLETE);
}

int fDATEP6(const char*, char* champ, const void*, int) {
    // A date of 8 digits has neither an unknown month nor an unknown day.
    std::uint64_t mot;
    if (huitChiffresDansSlot(champ, mot)) return dateIncompleteDeChiffres(champ, mot);
    // From the cut-off on, neither the month nor the day may be unknown.
    if (cleLue(champ, true) >= kCleP6 && (moisBlanc(champ) || jourBlanc(champ))) return 0;
    return fDATECouI(champ, INCOMPLETE);
}

int fDATEP6P7(const char*, char* champ, const void*, int) {
    std::uint64_t mot;
    if (huitChiffresDansSlot(champ, mot)) {
        // Neither an unknown month nor an unknown day: complete from both
        // cut-offs on, incomplete before either.
        const std::uint64_t cle = cleDuMot(mot, false);
        if (cle >= kCleP6 && cle >= kCleP7) return dateDuMot(mot, COMPLETE);
        return dateIncompleteDeChiffres(champ, mot);
    }
    const std::uint64_t cle = cleLue(champ, true);
    const bool apresP6 = cle >= kCleP6;
    const bool apresP7 = cle >= kCleP7;
    if (apresP6 && apresP7) return fDATECouI(champ, COMPLETE);
    if (apresP6 && moisBlanc(champ)) return 0;
    if (apresP7 && jourBlanc(champ)) return 0;
    return fDATECouI(champ, INCOMPLETE);
}

int fDatRecCohe(const char* dependance, char* champ, const void*, int) {
    return estDateBlanche(champ) || ordreDesDates(dependance, champ, INF);
}

int fDatRecPost(const char* dependance, char* champ, const void*, int) {
    return estDateBlanche(champ) || ordreDesDates(dependance, champ, SUP);
}

int fDatRecPost_tr(const char* dependance, char* champ, const void*, int) {
    if (estDateBlanche(champ)) return 1;
    if (egalTexte(valCorpsVSE[C5].valeur, "J")) return 1;
    return ordreDesDates(dependance, champ, SUP);
}

int fDatRec_OC_Post(const char* dependance, char* champ, const void*, int) {
    if (estDateBlanche(champ)) return 1;
    // The year is characters 5 to 8; a shorter value has fewer of them.
    char annee[5] = {};
    if (longueurBornee(champ, 4) == 4) std::strncpy(annee, champ + 4, 4);
    return std::strcmp(annee, dependance) > 0;
}

int fVerifValAutDate(const char* dependance, char* champ, const void* sverif, int lenSverif) {
    // sverif holds pairs: a code, then the last date on which the code is
    // accepted (DDMMYYYY) or "TOUJOURS".
    if (lenSverif <= 1 || sverif == nullptr) return 0;
    const tValAutorise* paires = static_cast<const tValAutorise*>(sverif);
    for (int i = 0; i < lenSverif / 2; ++i) {
        if (!egalChaine(champ, paires[2 * i])) continue;
        const char* derniereDate = paires[2 * i + 1];
        if (egalTexte(derniereDate, FIN_SANS_LIMITE)) return 1;
        return fCoherenDCSupInf(derniereDate, dependance, INF);
    }
    return 0;
}

namespace {
// Length of trenteBlancs, taken before the first record (the table is a
// constant, filled before any code runs): no guard on each call.
const int nbBlancs = static_cast<int>(std::strlen(trenteBlancs[0]));
}  // namespace

namespace {

// Empty: no characters, or only blanks, and no longer than trenteBlancs (a
// longer value is never taken for its blanks). Read 8 bytes at a time: the
// next word is read only once the previous one held 8 characters.
bool estVideSimult(const char* v) {
    // Most filled values start with a non-blank: decided on that byte.
    if (v[0] != ' ') return v[0] == '\0';
    for (int debut = 0;; debut += 8) {
        std::uint64_t mot;
        const int n = lireMot8(v + debut, mot);
        const std::uint64_t lus = n == 8 ? ~std::uint64_t{0} : (std::uint64_t{1} << (8 * n)) - 1;
        if (((mot ^ HUIT_BLANCS_MOT) & lus) != 0) return false;
        if (n < 8 || debut + 8 > nbBlancs) return debut + n <= nbBlancs;
    }
}

// estVideSimult for a value with 32 bytes readable from it (in the slots):
// empty when its first byte other than a blank is its NUL, found among its
// first nbBlancs + 1 bytes. Whole words are read; a value of 32 blanks or
// more has no NUL there.
[[gnu::always_inline]] inline bool estVideSimultMots(const char* v) {
    for (int debut = 0; debut < 32; debut += 8) {
        std::uint64_t mot;
        std::memcpy(&mot, v + debut, sizeof mot);
        const std::uint64_t ecarts = mot ^ HUIT_BLANCS_MOT;
        if (ecarts != 0) {
            const int k = __builtin_ctzll(ecarts) >> 3;
            return debut + k <= nbBlancs && ((mot >> (8 * k)) & 0xFF) == 0;
        }
    }
    return false;
}

}  // namespace

int fSimult(const char* dependance, char* champ, const void*, int) {
    auto estVide = [](const char* v) {
        if (v[0] != ' ') return v[0] == '\0';
        if (std::endian::native == std::endian::little && nbBlancs < 32 && octetsLisibles(v, 32)) {
            return estVideSimultMots(v);
        }
        return estVideSimult(v);
    };
    return estVide(dependance) == estVide(champ);
}

int fHEUREC(const char*, char* champ, const void*, int) {
    for (int i = 0; i < LONGUEUR_HEURE; ++i) {
        if (!estChiffre(champ[i])) return 0;  // also stops at the end of a short value
    }
    return deuxChiffres(champ, 0) < 24 && deuxChiffres(champ, 2) < 60 && deuxChiffres(champ, 4) < 60;
}
