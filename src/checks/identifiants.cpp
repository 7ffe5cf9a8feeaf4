// Identifier conformity checks.
//
// Values are compared byte by byte and never trimmed. A value may be shorter
// than its field (a short input line): every test walks the value from its
// first character and stops at the first failing one, so the terminating NUL
// (neither a digit, a letter nor a blank) ends the walk and nothing past it is
// read.
#include "checks/identifiants.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "checks/generiques.h"
#include "checks/index.h"
#include "checks/octets.h"
#include "model/modele.h"
#include "reference/valautorise.h"

namespace {

// Third characters accepted after the shared overseas prefix "97"; each check
// has its own list.
constexpr char kDomConform[] = "12346";  // fConform8, fConform10 (and kDomConformChiffres)
constexpr char kDomAgrementSanitaire[] = "12346";
constexpr char kDomBovin[] = "1234";

// True when the first n characters of valeur are digits. From 8 on, the
// first 8 are tested as one word (a value in a slot is read at once).
bool chiffres(const char* valeur, std::size_t n) {
    std::size_t i = 0;
    if (n >= 8) {
        std::uint64_t mot;
        if (lireMot8(valeur, mot) != 8 || !huitChiffres(mot)) return false;
        i = 8;
    }
    for (; i < n; ++i) {
        if (!estChiffre(valeur[i])) return false;
    }
    return true;
}

// True when characters debut to fin (0-based, inclusive) are blanks; the
// caller has checked that the characters before debut are present.
bool blancs(const char* valeur, std::size_t debut, std::size_t fin) {
    for (std::size_t i = debut; i <= fin; ++i) {
        if (valeur[i] != ' ') return false;
    }
    return true;
}

// Third character of a value that begins with "97", tested against a list.
bool troisiemeAdmis(const char* valeur, const char* admis) {
    return valeur[2] != '\0' && std::strchr(admis, valeur[2]) != nullptr;
}

// Membership of TD and TECH, their indexes found once: the same answers as
// estDansTable, without looking the index up at every value.
template <const tValAutorise* TABLE, const int* NOMBRE>
bool dansTableDeReference(const char* cle) {
    static const IndexValeurs* const index = indexDeTable(TABLE, *NOMBRE);
    if (index != nullptr) return index->contient(cle);
    return estDansTableParcours(cle, TABLE, *NOMBRE) != 0;
}

// The 2-character entries of TD as one bit per pair of bytes (first byte
// low): a department code is answered by one bit test. No partner code has 2
// characters, so for a 2-character value this is the answer of the index.
class PairesTD {
public:
    PairesTD() {
        for (int i = 0; i < LenTD; ++i) {
            const char* d = TD[i];
            if (d[0] != '\0' && d[1] != '\0' && d[2] == '\0') {
                const unsigned n = paire(d[0], d[1]);
                bits_[n / 64] |= std::uint64_t{1} << (n % 64);
            }
        }
    }
    bool contient(char a, char b) const {
        const unsigned n = paire(a, b);
        return (bits_[n / 64] >> (n % 64)) & 1;
    }

private:
    static unsigned paire(char a, char b) {
        return static_cast<unsigned char>(a) | static_cast<unsigned>(static_cast<unsigned char>(b)) << 8;
    }
    std::uint64_t bits_[65536 / 64] = {};
};

[[gnu::always_inline]] inline const PairesTD& pairesTD() {
    static const PairesTD paires;
    return paires;
}

// True when the first two characters of valeur are a department of TD.
bool departementTD(const char* valeur) {
    return valeur[0] != '\0' && valeur[1] != '\0' && pairesTD().contient(valeur[0], valeur[1]);
}

// Department prefix shared by the French holding and bovine numbers: the
// first two characters must start an entry of the table, and an overseas
// number ("97") must carry one of the accepted third characters.
bool regleDepartement(const char* valeur, const void* sverif, int lenSverif) {
    bool trouve = false;
    if (sverif == TD && lenSverif == LenTD) {
        // Every department code of TD is 2 characters: an entry whose first
        // 2 characters are the value's is the entry equal to them.
        trouve = departementTD(valeur);
    } else if (sverif != nullptr) {
        const auto* table = static_cast<const tValAutorise*>(sverif);
        for (int i = 0; i < lenSverif && !trouve; ++i) trouve = premiersEgaux(valeur, table[i], 2);
    }
    if (!trouve) return false;
    return !commencePar(valeur, "97") || troisiemeAdmis(valeur, kDomConform);
}

// True when the 16 bytes from v lie in the value slots (see octetsLisibles),
// the body slots, where checks find their values, tested first.
inline bool seizeOctetsLisibles(const char* v) {
    const auto p = reinterpret_cast<std::uintptr_t>(v);
    if (p - reinterpret_cast<std::uintptr_t>(valCorpsVSE) <= sizeof valCorpsVSE - 16) return true;
    return octetsLisibles(v, 16);
}

// 16 bytes as one vector of the compiler (vector extension): a comparison
// gives 0xFF in each byte where it holds, 0 elsewhere.
using Octets16 = unsigned char __attribute__((vector_size(16)));

// Foreign number read as 16 bytes, for a value whose first 16 bytes are
// readable (little-endian): 1 for digits and capitals (at least one), then
// blanks up to the NUL; 0 otherwise; -1 when the run of digits and capitals,
// or of the blanks after it, goes past the 16 bytes (left to the byte walk).
inline int numeroEtrangerMots(const char* champ) {
    Octets16 v;
    std::memcpy(&v, champ, sizeof v);
    // Unsigned bytes: below '0' (or 'A') wraps round to 246 and more.
    const auto forts = (v - '0' < 10) | (v - 'A' < 26);
    const auto blancs = v == ' ';
    std::uint64_t f[2];
    std::uint64_t b[2];
    static_assert(sizeof forts == sizeof f && sizeof blancs == sizeof b);
    std::memcpy(f, &forts, sizeof f);
    std::memcpy(b, &blancs, sizeof b);
    // The first byte that is no digit or capital: word k, byte p.
    int k = 0;
    if (f[0] == ~std::uint64_t{0}) {
        k = 1;
        if (f[1] == ~std::uint64_t{0}) return -1;
    }
    const int p = __builtin_ctzll(~f[k]) >> 3;
    if (k == 0 && p == 0) return 0;
    // From there on, the first byte that is no blank must be the NUL.
    std::uint64_t nonBlancs = ~b[k] & (~std::uint64_t{0} << (8 * p));
    if (nonBlancs == 0) {
        if (k == 1) return -1;
        k = 1;
        nonBlancs = ~b[1];
        if (nonBlancs == 0) return -1;
    }
    return champ[8 * k + (__builtin_ctzll(nonBlancs) >> 3)] == '\0';
}

// Blanks from the nbChiffres-th character to the 12th, then the end.
constexpr char kDouzeBlancs[] = "            ";

// French identifier, any table: department rule, nbChiffres digits, then
// exactly the blanks up to the end of the 12-character field, walked byte by
// byte.
int conformeFrancaisParcours(const char* champ, const void* sverif, int lenSverif, int nbChiffres) {
    // The digits are no NUL: champ + nbChiffres is within the value.
    return regleDepartement(champ, sverif, lenSverif) && chiffres(champ, static_cast<std::size_t>(nbChiffres)) &&
           egalChaine(champ + nbChiffres, kDouzeBlancs + nbChiffres);
}

// The same with TD, for a value whose first 16 bytes are readable: the first
// 8 digits are one word, the next 4 characters another, the 13th must be the
// NUL, and the department (two digits by then) is one bit.
inline int conformeFrancaisTD(const char* champ, int nbChiffres) {
    std::uint64_t debut;
    std::memcpy(&debut, champ, sizeof debut);
    if (!huitChiffres(debut) || champ[12] != '\0') return 0;
    // Characters 9 to 12: 4 blanks, or 2 digits and 2 blanks (words of
    // blanks read the same in either byte order).
    if (nbChiffres == 8) {
        std::uint32_t blancs;
        std::memcpy(&blancs, champ + 8, sizeof blancs);
        if (blancs != 0x20202020u) return 0;
    } else {
        std::uint16_t blancs;
        std::memcpy(&blancs, champ + 10, sizeof blancs);
        if (blancs != 0x2020u || !estChiffre(champ[8]) || !estChiffre(champ[9])) return 0;
    }
    const char c0 = champ[0];
    const char c1 = champ[1];
    if (!pairesTD().contient(c0, c1)) return 0;
    // Overseas: the third character, a digit here, one of kDomConform.
    constexpr unsigned kDomConformChiffres = 1u << 1 | 1u << 2 | 1u << 3 | 1u << 4 | 1u << 6;
    return c0 != '9' || c1 != '7' || ((kDomConformChiffres >> (champ[2] - '0')) & 1) != 0;
}

int conformeFrancais(const char* champ, const void* sverif, int lenSverif, int nbChiffres) {
    if (sverif == TD && lenSverif == LenTD && seizeOctetsLisibles(champ)) return conformeFrancaisTD(champ, nbChiffres);
    return conformeFrancaisParcours(champ, sverif, lenSverif, nbChiffres);
}

bool estFrance(const char* pays) { return egalTexte(pays, "FR"); }
bool estPaysEchange(const char* pays) { return dansTableDeReference<TECH, &LenTECH>(pays); }

// Field left unfilled on purpose: all blank or all '*', 12 of them (the
// single entries of DouzeBlancs and ET12).
bool estRemplissage(const char* champ) {
    return egalTexte(champ, "            ") || egalTexte(champ, "************");
}

// First five characters of an establishment of kind "V": a two-letter code
// listed in the table of codes, a capital letter, two digits.
bool debutEtablissementV(const char* champ, const void* sverif, int lenSverif) {
    if (lenSverif < 2 || sverif == nullptr) return false;
    char code[3];
    copierDebut(champ, 2, code);
    if (std::strlen(code) != 2) return false;
    const auto* paires = static_cast<const tValAutorise*>(sverif);
    bool liste = false;
    for (int i = 0; i < lenSverif / 2 && !liste; ++i) liste = itemDeListe(paires[2 * i + 1], code);
    return liste && estMajuscule(champ[2]) && estChiffre(champ[3]) && estChiffre(champ[4]);
}

// First five characters of an establishment of kind "P": an overseas prefix
// and two characters, or a department and three characters; the characters
// after the prefix are digits or capital letters.
bool debutEtablissementP(const char* champ) {
    static constexpr const char* kPrefixesDom[] = {"971", "97A", "97C", "97D",
                                                   "972", "97B", "973", "976"};
    std::size_t suite;
    if (commencePar(champ, "97")) {
        bool admis = false;
        for (const char* prefixe : kPrefixesDom) admis = admis || premiersEgaux(champ, prefixe, 3);
        if (!admis) return false;
        suite = 3;
    } else {
        if (!commencePar(champ, "98") && !commencePar(champ, "2A") && !commencePar(champ, "2B") &&
            !departementTD(champ)) {
            return false;
        }
        suite = 2;
    }
    for (std::size_t i = suite; i < 5; ++i) {
        if (!estChiffreOuMajuscule(champ[i])) return false;
    }
    return true;
}

}  // namespace

int fConform8(const char*, char* champ, const void* sverif, int lenSverif) {
    return conformeFrancais(champ, sverif, lenSverif, 8);
}

int fConform8FR(const char* dependance, char* champ, const void* sverif, int lenSverif) {
    return estFrance(dependance) ? fConform8(dependance, champ, sverif, lenSverif) : 1;
}

int fConform8FRnon(const char* dependance, char* champ, const void*, int) {
    if (estFrance(dependance) || egalTexte(dependance, "  ")) return 1;
    return fVerifAucunBlanc_SD(dependance, champ, nullptr, 0);
}

int fCONFORM8FRNULL(const char* dependance, char* champ, const void* sverif, int lenSverif) {
    return estRemplissage(champ) || fConform8FR(dependance, champ, sverif, lenSverif);
}

int fConform10(const char*, char* champ, const void* sverif, int lenSverif) {
    return conformeFrancais(champ, sverif, lenSverif, 10);
}

int fConform10FR(const char* dependance, char* champ, const void* sverif, int lenSverif) {
    return estFrance(dependance) ? fConform10(dependance, champ, sverif, lenSverif) : 1;
}

int fConform10FRnon(const char* dependance, char* champ, const void* sverif, int lenSverif) {
    return estFrance(dependance) || fVerifNumEtranger(dependance, champ, sverif, lenSverif);
}

int fConform10FRnonECHAnon(const char* dependance, char* champ, const void* sverif, int lenSverif) {
    return estPaysEchange(dependance) || fConform10(dependance, champ, sverif, lenSverif);
}

int fConform10FRnonECHAoui(const char* dependance, char* champ, const void* sverif, int lenSverif) {
    if (estPaysEchange(dependance) && !estFrance(dependance)) {
        return fVerifNumEtranger(dependance, champ, sverif, lenSverif);
    }
    return 1;
}

int fCONFORM10FRNULL(const char* dependance, char* champ, const void* sverif, int lenSverif) {
    return estRemplissage(champ) || fConform10FR(dependance, champ, sverif, lenSverif);
}

int fConformEget(const char*, char* champ, const void* sverif, int lenSverif) {
    // The kind of establishment is the record's own field C4.
    const char* nature = valCorpsVSE[C4].valeur;
    bool debut;
    if (egalTexte(nature, "V")) {
        debut = debutEtablissementV(champ, sverif, lenSverif);
    } else if (egalTexte(nature, "P")) {
        debut = debutEtablissementP(champ);
    } else {
        return 0;
    }
    // Both kinds have checked five characters, so champ + 5 is in the value.
    return debut && egalTexte(champ + 5, "       ");
}

int fVerifNumEtranger(const char* dependance, char* champ, const void*, int) {
    // Digits and capital letters up to the last non-blank character: trailing
    // blanks are allowed, embedded ones, an all-blank and an empty value not.
    if (std::endian::native == std::endian::little && seizeOctetsLisibles(champ)) {
        const int r = numeroEtrangerMots(champ);
        if (r >= 0) return r != 0 && !premiersEgaux(champ, dependance, 2);
    }
    // One walk: the characters are checked as they come, and once a blank is
    // met only blanks may follow it up to the NUL.
    std::size_t i = 0;
    for (; estChiffreOuMajuscule(champ[i]); ++i) {
    }
    if (i == 0) return 0;
    for (std::size_t j = i; champ[j] != '\0'; ++j) {
        if (champ[j] != ' ') return 0;
    }
    // A national number does not repeat its own country code.
    return !premiersEgaux(champ, dependance, 2);
}

int fVerifNumEtrangerN(const char* dependance, char* champ, const void* sverif, int lenSverif) {
    return estRemplissage(champ) || fVerifNumEtranger(dependance, champ, sverif, lenSverif);
}

int fConform3(const char*, char* champ, const void* sverif, int lenSverif) {
    if (sverif == nullptr) return 0;
    const auto* table = static_cast<const tValAutorise*>(sverif);
    for (int i = 0; i < lenSverif; ++i) {
        if (premiersEgaux(champ, table[i], 3)) return 1;
    }
    return 0;
}

int fVerifLuhn(const char* chaine) {
    // Digit sum of twice each digit.
    static constexpr int kSommeDouble[10] = {0, 2, 4, 6, 8, 1, 3, 5, 7, 9};
    int total = 0;
    bool doubler = false;
    for (std::size_t i = std::strlen(chaine); i-- > 0;) {
        if (!estChiffre(chaine[i])) return 0;
        const int chiffre = chaine[i] - '0';
        total += doubler ? kSommeDouble[chiffre] : chiffre;
        doubler = !doubler;
    }
    return total % 10 == 0;
}

int appartient_UE(const char* s) {
    // Every member code is 2 characters: only a value of exactly 2 can be one.
    static constexpr const char* kPaysUE[] = {"DE", "AT", "BE", "DK", "ES", "FI", "FR", "EL",
                                              "IE", "LU", "NL", "PT", "UK", "SE", "IT"};
    if (s[0] == '\0' || s[1] == '\0' || s[2] != '\0') return 0;
    for (const char* pays : kPaysUE) {
        if (s[0] == pays[0] && s[1] == pays[1]) return 1;
    }
    return 0;
}

// The three predicates below examine the first 12 characters only.

int verifNumAgrementSanitaireFr(const char* champ) {
    // Department: two digits, or "2A"/"2B"; five digits; a digit or a blank;
    // four blanks.
    if (!estChiffre(champ[0])) return 0;
    const bool corse = champ[0] == '2' && (champ[1] == 'A' || champ[1] == 'B');
    if (!estChiffre(champ[1]) && !corse) return 0;
    if (!chiffres(champ + 2, 5)) return 0;
    if (!estChiffre(champ[7]) && champ[7] != ' ') return 0;
    if (!blancs(champ, 8, 11)) return 0;
    if (!corse) {
        // "20" and "98" are departments of TD but issue no approval numbers.
        if (!departementTD(champ) || commencePar(champ, "20") || commencePar(champ, "98")) return 0;
        if (commencePar(champ, "97") && !troisiemeAdmis(champ, kDomAgrementSanitaire)) return 0;
    }
    return 1;
}

int verifNumExploitFr(const char* champ) {
    return chiffres(champ, 8) && blancs(champ, 8, 11) && departementTD(champ);
}

int verifNumBovinFrOuImporte(const char* champ) {
    if (!chiffres(champ, 10) || !blancs(champ, 10, 11) || !departementTD(champ)) return 0;
    return !commencePar(champ, "97") || troisiemeAdmis(champ, kDomBovin);
}
