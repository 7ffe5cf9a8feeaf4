// ERRE records: an error return on a slaughter notification sent earlier,
// received with the action ECQ (whose rules are the CRE column).
#include "records/erre.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "checks/coherence.h"
#include "checks/dates.h"
#include "checks/generiques.h"
#include "checks/index.h"
#include "checks/identifiants.h"
#include "checks/octets.h"
#include "records/ligne_courante.h"
#include "records/records.h"

namespace {

// The returned record's type C1 (columns 63 to 66) is "ABAT": the four bytes
// of xdebug there (within its 4096 bytes whatever the line) are compared
// first, and the line is measured only when they match.
bool retourSurAbat() { return std::memcmp(xdebug + 62, "ABAT", 4) == 0 && ligneAuMoins<66>(); }

// The countries read from the line: C5 (of C6) and C31 (of the bovine C32).
struct Pays {
    char code[3];
};
// C5 as erreColonnes(84, 85) cuts it, its two bytes taken one by one.
Pays paysC5() {
    Pays p{};
    const int longueur = ligneAuMoins<85>() ? 85 : longueurBornee(xdebug, 85);
    if (longueur >= 84) p.code[0] = xdebug[83];
    if (longueur >= 85) p.code[1] = xdebug[84];
    return p;
}

// Country C31 (columns 176, 177) when it is one of the two-character codes
// the checks name: FR, CH or a member of the European Union. A code cut short
// by the end of the line is none of them, so the line is measured only when
// the two bytes of xdebug there name one.
enum class PaysC31 { FR, CH_OU_UE, AUTRE };

// appartient_UE, which depends on its argument alone, asked once per pair of
// bytes and remembered.
bool membreUE(const char (&code)[3]) {
    static signed char connus[256][256] = {};  // 0 not asked yet, 1 member, -1 not
    signed char& connu = connus[static_cast<unsigned char>(code[0])][static_cast<unsigned char>(code[1])];
    if (connu == 0) connu = appartient_UE(code) ? 1 : -1;
    return connu > 0;
}

PaysC31 paysC31() {
    const char code[3] = {xdebug[175], xdebug[176], '\0'};
    PaysC31 pays;
    if (code[0] == 'F' && code[1] == 'R') {
        pays = PaysC31::FR;
    } else if ((code[0] == 'C' && code[1] == 'H') || membreUE(code)) {
        pays = PaysC31::CH_OU_UE;
    } else {
        return PaysC31::AUTRE;
    }
    return ligneAuMoins<177>() ? pays : PaysC31::AUTRE;
}

// Columns 176 and 177 of xdebug hold "FR", whatever the length of the line.
bool octetsC31SontFR() { return xdebug[175] == 'F' && xdebug[176] == 'R'; }

// The first n bytes of texte packed as lireMot8 packs a value (first byte lowest).
constexpr std::uint64_t motDe(const char* texte, int n) {
    std::uint64_t mot = 0;
    for (int i = 0; i < n; ++i) mot |= std::uint64_t{static_cast<unsigned char>(texte[i])} << (8 * i);
    return mot;
}

// The byte of rank i (0 first) of such a word.
unsigned octetDe(std::uint64_t mot, int i) { return static_cast<unsigned>(mot >> (8 * i)) & 0xFF; }

// The department of a word whose first two bytes are digits.
unsigned departementDe(std::uint64_t mot) { return (octetDe(mot, 0) - '0') * 10 + (octetDe(mot, 1) - '0'); }

// Characters 9 to 12 of a value are 4 blanks: bytes 0 to 3 of its second word.
bool quatreBlancs(std::uint64_t suite) { return (suite & 0xFFFFFFFFull) == 0x20202020ull; }

// verifNumAgrementSanitaireFr and verifNumExploitFr for the usual values,
// read as two words from their slot: 8 digits (the eighth may be a blank for
// an approval number), then 4 blanks. Those are answered by their department
// alone; any other shape or place is left to the general check.
int agrementSanitaire(const char* champ) {
    if (std::endian::native == std::endian::little && octetsLisibles(champ, 16)) {
        std::uint64_t tete;
        std::uint64_t suite;
        std::memcpy(&tete, champ, sizeof tete);
        std::memcpy(&suite, champ + 8, sizeof suite);
        constexpr std::uint64_t HUITIEME = 0xFF00000000000000ull;
        const std::uint64_t chiffresSeuls =
            (tete & HUITIEME) == (std::uint64_t{' '} << 56) ? (tete & ~HUITIEME) | (std::uint64_t{'0'} << 56) : tete;
        if (huitChiffres(chiffresSeuls) && quatreBlancs(suite)) {
            // "20" and "98" are departments that issue no approval numbers.
            const unsigned departement = departementDe(tete);
            if (departement == 20 || departement == 98 || !departementChiffresDansTD(departement)) return 0;
            if (departement != 97) return 1;
            const unsigned troisieme = octetDe(tete, 2);
            return troisieme == '1' || troisieme == '2' || troisieme == '3' || troisieme == '4' || troisieme == '6';
        }
    }
    return verifNumAgrementSanitaireFr(champ);
}

int exploitation(const char* champ) {
    if (std::endian::native == std::endian::little && octetsLisibles(champ, 16)) {
        std::uint64_t tete;
        std::uint64_t suite;
        std::memcpy(&tete, champ, sizeof tete);
        std::memcpy(&suite, champ + 8, sizeof suite);
        if (huitChiffres(tete) && quatreBlancs(suite)) return departementChiffresDansTD(departementDe(tete));
    }
    return verifNumExploitFr(champ);
}

bool estAlphanumeriqueAscii(char c) { return estChiffre(c) || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// Holding number, or sanitary approval number when C1 is "ABAT"; blank accepted.
// champVide for a value in a slot, read 8 bytes at a time: up to its NUL,
// only blanks. Elsewhere, or past 16 characters, the byte walk answers.
bool vide(const char* champ) {
    if (std::endian::native == std::endian::little && octetsLisibles(champ, 16)) {
        for (int i = 0; i < 2; ++i) {
            std::uint64_t mot;
            std::memcpy(&mot, champ + 8 * i, sizeof mot);
            const std::uint64_t nuls = octetsNuls(mot);
            if (nuls != 0) {
                // The bytes before the first NUL (fewer than 8).
                const std::uint64_t avant = (std::uint64_t{1} << (__builtin_ctzll(nuls) & ~7)) - 1;
                return ((mot ^ HUIT_BLANCS_MOT) & avant) == 0;
            }
            if (mot != HUIT_BLANCS_MOT) return false;
        }
        return champVide(champ + 16) != 0;
    }
    return champVide(champ) != 0;
}

// A value that begins with a byte other than a blank or its NUL is not
// blank: only the others are walked.
bool videDebut(const char* champ) { return (champ[0] == ' ' || champ[0] == '\0') && vide(champ); }

// The 8-character entries of TDC, as words, in a table addressed by their
// hash (a word of 8 non-NUL bytes is never 0, the mark of a free case). An
// entry of another length never equals a value of 8 characters.
class BureauxTDC {
public:
    BureauxTDC() {
        // At least twice as many cases as entries: free cases remain.
        std::size_t taille = 64;
        while (taille < 2 * static_cast<std::size_t>(LenTDC) + 2) taille *= 2;
        cases_.assign(taille, 0);
        masque_ = taille - 1;
        for (int i = 0; i < LenTDC; ++i) {
            if (std::strlen(TDC[i]) != 8) continue;
            const std::uint64_t mot = motDe(TDC[i], 8);
            std::size_t c = caseDe(mot);
            while (cases_[c] != 0 && cases_[c] != mot) c = (c + 1) & masque_;
            cases_[c] = mot;
        }
    }
    bool contient(std::uint64_t mot) const {
        for (std::size_t c = caseDe(mot); cases_[c] != 0; c = (c + 1) & masque_) {
            if (cases_[c] == mot) return true;
        }
        return false;
    }

private:
    std::size_t caseDe(std::uint64_t mot) const {
        return static_cast<std::size_t>((mot * 0x9E3779B97F4A7C15ull) >> 40) & masque_;
    }
    std::vector<std::uint64_t> cases_;
    std::size_t masque_ = 0;
};

[[gnu::noinline]] const BureauxTDC& construireBureauxTDC() {
    static const BureauxTDC bureaux;
    return bureaux;
}

// The bytes of the FICH header slots from v on, n of them, lie inside those
// slots.
bool dansEnteteFich(const char* v, std::size_t n) {
    return reinterpret_cast<std::uintptr_t>(v) - reinterpret_cast<std::uintptr_t>(valFichEnteteVSE) <=
           sizeof valFichEnteteVSE - n;
}

// egalChaine of a value in a body, trailer or header slot and one in a FICH
// header slot, 8 bytes at a time: the bytes up to the first NUL of a, that
// NUL included, agree. Elsewhere, or past 16 characters, the byte walk.
bool egalMots(const char* a, const char* b) {
    if (std::endian::native == std::endian::little && octetsLisibles(a, 16) && dansEnteteFich(b, 16)) {
        for (int i = 0; i < 2; ++i) {
            std::uint64_t x;
            std::uint64_t y;
            std::memcpy(&x, a + 8 * i, sizeof x);
            std::memcpy(&y, b + 8 * i, sizeof y);
            const std::uint64_t nuls = octetsNuls(x);
            if (nuls != 0) {
                // The bytes up to and including the first NUL (at most 8).
                const int k = __builtin_ctzll(nuls) >> 3;
                const std::uint64_t jusquAuNul = k == 7 ? ~std::uint64_t{0} : (std::uint64_t{1} << (8 * k + 8)) - 1;
                return ((x ^ y) & jusquAuNul) == 0;
            }
            if (x != y) return false;
        }
        return egalChaine(a + 16, b + 16);
    }
    return egalChaine(a, b);
}

// A value that begins with a byte other than a blank or its NUL is not blank.
int numeroDeReference(const char* champ) {
    if (videDebut(champ)) return 1;
    return retourSurAbat() ? agrementSanitaire(champ) : exploitation(champ);
}

}  // namespace

void erreColonnes(int debut, int fin, char* destination) {
    // xdebug ends with a NUL at the end of the line: nothing past it is read.
    const int longueur = longueurBornee(xdebug, fin);
    const int n = longueur >= debut ? longueur - debut + 1 : 0;
    std::memcpy(destination, xdebug + debut - 1, static_cast<std::size_t>(n));
    destination[n] = '\0';
}

int vErre_C1(const char*, char* champ, const void*, int) { return egalTexte(champ, "ABAT"); }

int vErre_C4(const char*, char* champ, const void*, int) { return !champVide(champ); }
int vErre_C8(const char*, char* champ, const void*, int) { return !champVide(champ); }
int vErre_C10(const char*, char* champ, const void*, int) { return !champVide(champ); }

int vErre_C5(const char*, char* champ, const void*, int) {
    // Without a blank in its first two characters the value is judged by the
    // list alone, whatever C1: the line is measured only for the others.
    if (champ[0] != ' ' && (champ[0] == '\0' || champ[1] != ' ')) return dansTableFixe<TP, &LenTP>(champ);
    if (retourSurAbat()) {
        if (champ[0] == ' ' || (champ[0] != '\0' && champ[1] == ' ')) return 0;
    } else if (egalTexte(champ, "  ")) {
        return 1;
    }
    return dansTableFixe<TP, &LenTP>(champ);
}

int vErre_C6(const char*, char* champ, const void*, int) {
    if (champVide(champ)) return !retourSurAbat();
    return fVerifNumEtranger(paysC5().code, champ, nullptr, 0);
}

int vErre_C7(const char*, char* champ, const void*, int) { return egalTexte(champ, "FR"); }

int vErre_C8_conf(const char*, char* champ, const void*, int) { return numeroDeReference(champ); }
int vErre_C30(const char*, char* champ, const void*, int) { return numeroDeReference(champ); }

int vErre_C9(const char*, char* champ, const void*, int) {
    // A letter or digit is no NUL: the next character is read only after it.
    for (int i = 0; i < 4; ++i) {
        if (!estAlphanumeriqueAscii(champ[i])) return 0;
    }
    return champ[4] == '\0';
}

int vErre_C29(const char*, char* champ, const void*, int) { return champVide(champ) || egalTexte(champ, "FR"); }

int vErre_C31(const char*, char* champ, const void*, int) {
    return egalTexte(champ, "  ") || dansTableFixe<TP, &LenTP>(champ);
}

int vErre_C32_1(const char*, char* champ, const void*, int) {
    if (videDebut(champ)) return 1;
    // Only "FR" in the line's columns 176 and 177 is FR: any other bytes
    // there answer without measuring the line.
    if (!octetsC31SontFR() || paysC31() != PaysC31::FR) return 1;
    return verifNumBovinFrOuImporte(champ);
}

int vErre_C32_2(const char*, char* champ, const void*, int) {
    if (videDebut(champ)) return 1;
    if (paysC31() != PaysC31::AUTRE) return 1;
    return verifNumBovinFrOuImporte(champ);
}

int vErre_C32_3(const char*, char* champ, const void*, int) {
    if (videDebut(champ)) return 1;
    // "FR" there is FR, or no country when the line is shorter: never CH or
    // a member state other than FR, whatever the line's length.
    if (octetsC31SontFR() || paysC31() != PaysC31::CH_OU_UE) return 1;
    // The whole code is in the line: columns 176 and 177.
    const char code[3] = {xdebug[175], xdebug[176], '\0'};
    return fVerifNumEtranger(code, champ, nullptr, 0);
}

int vErre_C36_1(const char*, char* champ, const void*, int) {
    // Exactly 8 characters: the ninth is read once the first 8 are there.
    std::uint64_t mot;
    if (lireMot8(champ, mot) != 8 || champ[8] != '\0') return 0;
    if (mot == HUIT_BLANCS_MOT) return !retourSurAbat();
    // verifDateCompleteEtCorrecte on the word already read: 8 digits, a year
    // from 1900 on, a day of the calendar.
    if (!huitChiffres(mot)) return 0;
    auto nombre = [mot](int i) { return static_cast<int>(octetDe(mot, i)) - '0'; };
    const int jour = nombre(0) * 10 + nombre(1);
    const int mois = nombre(2) * 10 + nombre(3);
    const int annee = ((nombre(4) * 10 + nombre(5)) * 100) + nombre(6) * 10 + nombre(7);
    if (annee < 1900) return 0;
    return DateCalc_check_date(annee, mois, jour);
}

int vErre_C37_1(const char*, char* champ, const void*, int) {
    // Exactly 8 characters: the ninth is read once the first 8 are there. A
    // value of another length is accepted when blank only.
    std::uint64_t mot;
    if (lireMot8(champ, mot) != 8 || champ[8] != '\0') return champVide(champ);
    if (mot == HUIT_BLANCS_MOT) return 1;
    // The code runs up to its last non-blank character (there is one, the
    // value not being blank): at least 6 of them, with no blank inside.
    constexpr std::uint64_t HAUTS = 0x8080808080808080ull;
    const std::uint64_t blancs = octetsEgaux(mot, ' ');
    const std::uint64_t nonBlancs = ~blancs & HAUTS;
    const int fin = (63 - __builtin_clzll(nonBlancs)) / 8 + 1;
    const std::uint64_t code = fin == 8 ? ~std::uint64_t{0} : (std::uint64_t{1} << (8 * fin)) - 1;
    if (fin < 6 || (blancs & code) != 0) return 0;
    constexpr std::uint64_t SIX = 0xFFFFFFFFFFFFull;
    if (((mot >> 24) & 0xFFFFFF) == motDe("IPG", 3)) {
        // A departmental office: an entry of TDC, whole. Partner codes are
        // not offices.
        static const BureauxTDC& bureaux = construireBureauxTDC();
        return bureaux.contient(mot);
    }
    return (mot & SIX) == motDe("ONICAB", 6) || (mot & SIX) == motDe("OFFICE", 6) || mot == motDe("NORMABEV", 8) ||
           mot == motDe("POINTFOC", 8);
}

int vErre_C37_2(const char* dependance, char* champ, const void*, int) {
    // Blank, or the emitter itself: both accept, so the cheaper word
    // comparison is asked first.
    if (egalMots(champ, dependance) || videDebut(champ)) return 1;
    for (int i = 0; i < LenTEDC; ++i) {
        if (egalChaine(dependance, TEDC[2 * i]) && egalChaine(champ, TEDC[2 * i + 1])) return 1;
    }
    return 0;
}

// Obligation columns: CRE (and ECQ), DEM, INV, EDI, MOD. Every rule runs for
// CRE, INV and MOD and is skipped for DEM and EDI. The field numbers jump
// from C10 to C29: from C29 on, slot and field numbers differ (C29 is slot
// 10, C31 slot 12).
const sCorps tErre[] = {
    // The returned record: its type, action and identification.
    {C1, 63, 66, 0, 1, 0, 1, 0, fVerifValAut, TAB(tE6), SANS_DEP, 85},
    {C1, 0, 0, 0, 1, 0, 1, 0, vErre_C1, SANS_TAB, SANS_DEP, 190},
    {C2, 67, 69, 0, 1, 0, 1, 0, fVerifValAut, TAB(tE5), SANS_DEP, 84},
    {C3, 70, 71, 0, 1, 0, 1, 0, fVerifValAut, TAB(TP), SANS_DEP, 1},
    {C4, 72, 83, 0, 1, 0, 1, 0, vErre_C4, SANS_TAB, SANS_DEP, 185},
    {C5, 84, 85, 0, 1, 0, 1, 0, vErre_C5, SANS_TAB, SANS_DEP, 1},
    {C6, 86, 97, 0, 1, 0, 1, 0, vErre_C6, SANS_TAB, SANS_DEP, 186},
    // Reference holding, or sanitary approval of a slaughter.
    {C7, 98, 99, 0, 1, 0, 1, 0, vErre_C7, SANS_TAB, SANS_DEP, 21},
    {C8, 100, 111, 0, 1, 0, 1, 0, vErre_C8, SANS_TAB, SANS_DEP, 21},
    {C8, 0, 0, 0, 1, 0, 1, 0, vErre_C8_conf, SANS_TAB, SANS_DEP, 68},
    // The error itself.
    {C9, 112, 115, 0, 1, 0, 1, 0, vErre_C9, SANS_TAB, SANS_DEP, 187},
    {C10, 116, 116, 0, 1, 0, 1, 0, vErre_C10, SANS_TAB, SANS_DEP, 188},
    // Columns 117 to 161 belong to no field.
    {C29, 162, 163, 0, 1, 0, 1, 0, vErre_C29, SANS_TAB, SANS_DEP, 189},
    {C30, 164, 175, 0, 1, 0, 1, 0, vErre_C30, SANS_TAB, SANS_DEP, 189},
    {C31, 176, 177, 0, 1, 0, 1, 0, vErre_C31, SANS_TAB, SANS_DEP, 1},
    {C32, 178, 189, 0, 1, 0, 1, 0, vErre_C32_1, SANS_TAB, SANS_DEP, 67},
    {C32, 0, 0, 0, 1, 0, 1, 0, vErre_C32_2, SANS_TAB, SANS_DEP, 118},
    {C32, 0, 0, 0, 1, 0, 1, 0, vErre_C32_3, SANS_TAB, SANS_DEP, 1},
    // Dates, none after the record's own.
    {C33, 190, 197, 0, 1, 0, 1, 0, fDATEC_INC, SANS_TAB, SANS_DEP, 5},
    {C33, 0, 0, 0, 1, 0, 1, 0, fCoherenDC, SANS_TAB, DEP_F(F1), 52},
    {C34, 198, 205, 0, 1, 0, 1, 0, fDATEC_INC, SANS_TAB, SANS_DEP, 22},
    {C34, 0, 0, 0, 1, 0, 1, 0, fCoherenDC, SANS_TAB, DEP_F(F1), 52},
    {C35, 206, 213, 0, 1, 0, 1, 0, fDATEC_INC, SANS_TAB, SANS_DEP, 22},
    {C35, 0, 0, 0, 1, 0, 1, 0, fCoherenDC, SANS_TAB, DEP_F(F1), 52},
    {C36, 214, 221, 0, 1, 0, 1, 0, vErre_C36_1, SANS_TAB, SANS_DEP, 122},
    {C36, 0, 0, 0, 1, 0, 1, 0, fCoherenDC, SANS_TAB, DEP_F(F1), 52},
    // The emitter reported, related to the file's emitter. Column 230 belongs
    // to no field.
    {C37, 222, 229, 0, 1, 0, 1, 0, vErre_C37_1, SANS_TAB, SANS_DEP, 87},
    {C37, 0, 0, 0, 1, 0, 1, 0, vErre_C37_2, SANS_TAB, DEP_FICH_E(E3), 135},
};
const int lErre = static_cast<int>(sizeof tErre / sizeof tErre[0]);

// Labels of the body fields.
const sLibelle libErre[] = {
    {C1, "type de l'enregistrement en erreur"},
    {C2, "code action de l'enregistrement en erreur"},
    {C3, "code pays de l'identification"},
    {C4, "identification de l'enregistrement en erreur"},
    {C5, "code pays du numéro"},
    {C6, "numéro"},
    {C7, "code pays de l'exploitation de référence"},
    {C8, "exploitation de référence ou numéro d'agrément sanitaire"},
    {C9, "code d'erreur"},
    {C10, "indicateur non blanc"},
    {C29, "code pays de l'exploitation"},
    {C30, "numéro d'exploitation ou d'agrément sanitaire"},
    {C31, "code pays du bovin"},
    {C32, "numéro national du bovin"},
    {C33, "première date"},
    {C34, "deuxième date"},
    {C35, "troisième date"},
    {C36, "quatrième date"},
    {C37, "code de l'émetteur"},
};
const int nbLibErre = static_cast<int>(sizeof libErre / sizeof libErre[0]);
