// ABAT records (slaughter notification): body rule table and the checks of
// this type.
//
// The record names the animal (C1, C2), the holding it came from (C4, C5),
// its dates of entry and of slaughter (C6, C7), the slaughterhouse (C8), the
// carcass weight (C9) and the party that notifies the slaughter (C10, C11).
// The notifier is either an office, whose identifier "OFFICE" or "ONICAB" is
// followed by its country, or a French slaughterhouse named by a number of
// its department. Many rules depend on it, so the checks read the companion
// fields of their record from the body snapshot cp, which presence_C2 takes
// from the current line as the first check of every record.
#include "records/abat.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

#include "checks/coherence.h"
#include "checks/dates.h"
#include "checks/generiques.h"
#include "checks/identifiants.h"
#include "checks/index.h"
#include "checks/nombres.h"
#include "checks/octets.h"
#include "records/ligne_courante.h"
#include "records/records.h"

namespace {

// Classes of byte values: ASCII digits, ASCII letters and the blank. No
// locale is consulted, and a byte above 127 belongs to none.
enum : unsigned char { CHIFFRE = 1, LETTRE = 2, BLANC = 4 };
constexpr std::array<unsigned char, 256> kClasses = [] {
    std::array<unsigned char, 256> t{};
    for (int c = '0'; c <= '9'; ++c) t[static_cast<std::size_t>(c)] = CHIFFRE;
    for (int c = 'A'; c <= 'Z'; ++c) t[static_cast<std::size_t>(c)] = LETTRE;
    for (int c = 'a'; c <= 'z'; ++c) t[static_cast<std::size_t>(c)] = LETTRE;
    t[' '] = BLANC;
    return t;
}();
unsigned classe(char c) { return kClasses[static_cast<unsigned char>(c)]; }

// An ASCII letter or digit, judged on the byte value.
bool lettreOuChiffre(char c) { return (classe(c) & (CHIFFRE | LETTRE)) != 0; }

// Value of the digit c, or a value above 9 when c is no digit (the NUL
// included).
unsigned chiffre(char c) { return static_cast<unsigned>(static_cast<unsigned char>(c)) - '0'; }

// True when v is exactly n blanks.
bool queDesBlancs(const char* v, int n) {
    for (int i = 0; i < n; ++i) {
        if (v[i] != ' ') return false;
    }
    return v[n] == '\0';
}

// The number held in characters debut to debut + n - 1 (1-based) of valeur,
// and in no other: 0 when the value ends before debut. The general reader,
// for the values that the shortcuts below leave to it.
int nombreDe(const char* valeur, int debut, int n) {
    const int decalage = debut - 1;
    if (longueurBornee(valeur, decalage) < decalage) return 0;
    return lireEntierDe(valeur + decalage, n);
}

// Characters 1 to 4 of v are present and 5 to 8 are digits: their number.
// Read in order, so nothing past the NUL of a shorter value is touched.
bool anneeEnChiffres(const char* v, int& annee) {
    if (v[0] == '\0' || v[1] == '\0' || v[2] == '\0' || v[3] == '\0') return false;
    const unsigned a = chiffre(v[4]);
    if (a > 9) return false;
    const unsigned b = chiffre(v[5]);
    if (b > 9) return false;
    const unsigned c = chiffre(v[6]);
    if (c > 9) return false;
    const unsigned d = chiffre(v[7]);
    if (d > 9) return false;
    annee = static_cast<int>(((a * 10 + b) * 10 + c) * 10 + d);
    return true;
}

// Year of a date DDMMYYYY: its characters 5 to 8.
int anneeDe(const char* date) {
    int annee;
    if (anneeEnChiffres(date, annee)) return annee;
    return nombreDe(date, 5, 4);
}

// Eight characters DDMMYYYY, read as one word (the first character in the
// low byte), rearranged so that the year's characters weigh most, then the
// month's, then the day's: for dates in digits, the order of these keys is
// the order of the numbers year, month and day compared in turn.
std::uint64_t cleDeMot(std::uint64_t mot) {
    const auto annee = static_cast<std::uint64_t>(__builtin_bswap32(static_cast<std::uint32_t>(mot >> 32)));
    const auto mois = static_cast<std::uint64_t>(__builtin_bswap16(static_cast<std::uint16_t>(mot >> 16)));
    const auto jour = static_cast<std::uint64_t>(__builtin_bswap16(static_cast<std::uint16_t>(mot)));
    return annee << 32 | mois << 16 | jour;
}

// The first 8 bytes of v as a word; v must hold them.
std::uint64_t mot8(const char* v) {
    std::uint64_t mot;
    std::memcpy(&mot, v, sizeof mot);
    return mot;
}

constexpr std::uint64_t OCTETS_01 = 0x0101010101010101ull;

// Every byte of the word is an ASCII digit (a NUL is none).
bool motDeChiffres(std::uint64_t mot) {
    constexpr std::uint64_t HAUT = 0xF0 * OCTETS_01;
    // High half 3, and still 3 once 6 is added: 0x30 to 0x39. No byte
    // carries into the next, none being above 0x45 after the addition.
    return (mot & HAUT) == 0x30 * OCTETS_01 && ((mot + 0x06 * OCTETS_01) & HAUT) == 0x30 * OCTETS_01;
}

// v begins with 8 digits, read in order, so nothing past the NUL of a
// shorter value is touched: its date key.
bool cleEnChiffres(const char* v, std::uint64_t& cle) {
    for (int i = 0; i < 8; ++i) {
        if (chiffre(v[i]) > 9) return false;
    }
    cle = cleDeMot(mot8(v));
    return true;
}

// The notifier of the snapshot is an office of the kind(s) given. The member
// holds 65 bytes, so 6 of them can always be read; a value shorter than 6
// characters differs from the prefix at its NUL.
bool notifieParOffice() { return std::memcmp(cp.NUME_IDENT_ABAT_NOTIF, "OFFICE", 6) == 0; }
bool notifieParOfficeOuOnicab() {
    return notifieParOffice() || std::memcmp(cp.NUME_IDENT_ABAT_NOTIF, "ONICAB", 6) == 0;
}

// The characters of partie (no blank among them) stand in v from position
// i on; i is moved past them.
bool suiviDe(const char* v, int& i, const char* partie) {
    for (; *partie != '\0'; ++partie, ++i) {
        if (*partie == ' ' || v[i] != *partie) return false;
    }
    return true;
}

// v is exactly the 2 characters of code.
bool vaut2(const char* v, const char* code) {
    return v[0] == code[0] && v[0] != '\0' && v[1] == code[1] && v[2] == '\0';
}

// C1 of the current line is the country code given (2 characters, no NUL):
// columns 63 and 64 hold it, and the line does not end before column 63. It
// then reaches column 64 too, since the NUL that ends a line of 62 or 63
// characters would stand in column 63 or 64.
bool paysDuBovinEst(const char* code) {
    return xdebug[62] == code[0] && xdebug[63] == code[1] && ligneAuMoins<62>();
}

// Country code of the bovine, C1, as the line holds it: at most its 2
// characters, none when the line ends before column 63.
struct PaysDuBovin {
    char code[3];
    PaysDuBovin() {
        const int presents = ligneAuMoins<64>() ? 2 : std::clamp(longueurBornee(xdebug, 64) - 62, 0, 2);
        code[0] = xdebug[62];
        code[1] = xdebug[63];
        code[presents] = '\0';
    }
};

// appartient_UE, which depends on its argument alone, asked once per pair of
// capital letters and remembered; any other code is asked each time.
bool membreUE(const char* code) {
    const unsigned a = static_cast<unsigned char>(code[0]) - 'A';
    const unsigned b = a < 26 ? static_cast<unsigned char>(code[1]) - 'A' : 26;
    if (a >= 26 || b >= 26 || code[2] != '\0') return appartient_UE(code) != 0;
    static signed char connus[26][26] = {};  // 0 not asked yet, 1 member, -1 not
    signed char& connu = connus[a][b];
    if (connu == 0) connu = appartient_UE(code) ? 1 : -1;
    return connu > 0;
}

// The lists these checks compare with, indexed once: whole-string equality
// with an entry, without the partner codes that the list rules also accept.
const IndexValeurs& paysDeProvenance() {
    static const IndexValeurs index(TP, LenTP,
                                    std::span<const char* const>(TCPNOCEE, static_cast<std::size_t>(LenTCPNOCEE)));
    return index;
}
const IndexValeurs& departements() {
    static const IndexValeurs index(TD, LenTD, {});
    return index;
}

// Copies the field of `largeur` characters from 1-based column `debut` of a
// line known to reach past it, followed by a NUL. The copy moves a whole
// word or two (8 or 16 bytes), whatever follows the field in xdebug: the
// member has room for it, and the NUL then cuts it where the field ends.
template <int largeur, std::size_t taille>
void copierEntier(int debut, char (&cible)[taille]) {
    constexpr std::size_t copie = largeur > 8 ? 16 : 8;
    static_assert(largeur <= 16 && copie < taille);
    static_assert(138 + copie <= sizeof xdebug);
    std::memcpy(cible, xdebug + (debut - 1), copie);
    cible[largeur] = '\0';
}

}  // namespace

void getVseCorps() {
    // Each member takes its field's characters that the line holds, followed
    // by a NUL; a line that reaches the last column of the snapshot holds
    // them all, a shorter one is measured once. What lies past that NUL in a
    // member is never read.
    if (ligneAuMoins<138>()) {
        // A whole body: every width is known.
        copierEntier<12>(65, cp.NUME_NATI_BOV);
        copierEntier<2>(77, cp.CODE_RESULTAT);
        copierEntier<2>(79, cp.CODE_EXPLOIT_PROVENANCE);
        copierEntier<12>(81, cp.NUME_EXPLOIT_PROVENANCE);
        copierEntier<8>(93, cp.DATE_ENTREE_ABAT);
        copierEntier<8>(101, cp.DATE_ABATTAGE);
        copierEntier<8>(109, cp.NUME_TUERIE);
        copierEntier<7>(117, cp.POIDS_CARCASSE);
        copierEntier<2>(124, cp.CODE_PAYS_ABAT_NOTIF);
        copierEntier<12>(126, cp.NUME_IDENT_ABAT_NOTIF);
        copierEntier<1>(138, cp.INDIC_CREA_INVA_ABATT);
        return;
    }
    const int longueur = longueurBornee(xdebug, 138);
    auto copier = [longueur](int debut, int largeur, char* cible) {
        const int presents = std::clamp(longueur - (debut - 1), 0, largeur);
        std::memcpy(cible, xdebug + (debut - 1), static_cast<std::size_t>(presents));
        cible[presents] = '\0';
    };
    // C1 is left as the run's start cleared it: the checks that need it read
    // it from the line.
    copier(65, 12, cp.NUME_NATI_BOV);
    copier(77, 2, cp.CODE_RESULTAT);
    copier(79, 2, cp.CODE_EXPLOIT_PROVENANCE);
    copier(81, 12, cp.NUME_EXPLOIT_PROVENANCE);
    copier(93, 8, cp.DATE_ENTREE_ABAT);
    copier(101, 8, cp.DATE_ABATTAGE);
    copier(109, 8, cp.NUME_TUERIE);
    copier(117, 7, cp.POIDS_CARCASSE);
    copier(124, 2, cp.CODE_PAYS_ABAT_NOTIF);
    copier(126, 12, cp.NUME_IDENT_ABAT_NOTIF);
    copier(138, 1, cp.INDIC_CREA_INVA_ABATT);
}

int presence_C2(const char*, char*, const void*, int) {
    getVseCorps();
    // 12 blanks begin with a blank.
    return cp.NUME_NATI_BOV[0] != ' ' || !queDesBlancs(cp.NUME_NATI_BOV, 12);
}

int vAbat_C2_1(const char*, char* champ, const void*, int) {
    if (paysDuBovinEst("FR")) return verifNumBovinFrOuImporte(champ);
    return 1;
}

int vAbat_C2_2(const char*, char* champ, const void*, int) {
    // Columns 63 and 64 hold "FR": either the line reaches them and C1 is
    // "FR", or it ends before column 63 (its NUL would otherwise stand in
    // one of them) and C1 is empty, which is judged below as no member
    // state. Both accept, without measuring the line.
    static const bool videMembre = appartient_UE("") != 0;
    if (xdebug[62] == 'F' && xdebug[63] == 'R' && !videMembre) return 1;
    const PaysDuBovin pays;
    if (vaut2(pays.code, "FR")) return 1;
    if (vaut2(pays.code, "CH") || membreUE(pays.code)) return fVerifNumEtranger(pays.code, champ, nullptr, 0);
    return 1;
}

int fVerif_ASDA(const char*, char* champ, const void*, int) {
    return paysDeProvenance().contient(champ);
}

int presence_C5(const char*, char*, const void*, int) { return !champVide(cp.NUME_EXPLOIT_PROVENANCE); }

int fVerif_NUM_ASDA(const char*, char* champ, const void*, int) {
    if (!vaut2(cp.CODE_EXPLOIT_PROVENANCE, "FR")) return 1;
    if (cp.INDIC_CREA_INVA_ABATT[0] == '\0') return 0;
    if (notifieParOfficeOuOnicab()) return 1;
    return verifNumExploitFr(champ);
}

int fVerifDateInputPost(const char*, char* champ, const void*, int) {
    // A year in digits: the value holds a digit, so it is not blank.
    int annee;
    if (anneeEnChiffres(champ, annee)) return annee > 1997;
    return champVide(champ) || anneeDe(champ) > 1997;
}

int fVerifDateAbatPost(const char*, char* champ, const void*, int) { return anneeDe(champ) > 1997; }

int fVerifDateAbatPostEntr(const char*, char* champ, const void*, int) {
    const char* entree = cp.DATE_ENTREE_ABAT;
    // The member holds 65 bytes: its first 8 are read as one word. A NUL
    // among them is neither a digit nor a blank.
    const std::uint64_t motEntree = mot8(entree);
    if (motEntree == 0x20 * OCTETS_01 && entree[8] == '\0') return 1;
    // Both dates in digits: neither is blank, and their keys compare as
    // years, then months, then days do.
    std::uint64_t cleA;
    if (motDeChiffres(motEntree) && cleEnChiffres(champ, cleA)) return cleDeMot(motEntree) <= cleA;
    if (queDesBlancs(entree, 8) || queDesBlancs(champ, 8)) return 1;
    const int cleEntree[3] = {anneeDe(entree), nombreDe(entree, 3, 2), nombreDe(entree, 1, 2)};
    const int cleAbattage[3] = {anneeDe(champ), nombreDe(champ, 3, 2), nombreDe(champ, 1, 2)};
    // Years, then months, then days: the first that differ decide.
    for (int i = 0; i < 3; ++i) {
        if (cleEntree[i] != cleAbattage[i]) return cleEntree[i] < cleAbattage[i];
    }
    return 1;
}

int presence_C8(const char*, char*, const void*, int) {
    const char* tuerie = cp.NUME_TUERIE;
    // Every character a letter, a digit or a blank (the NUL of a value of
    // fewer than 8 characters is none of them).
    unsigned toutes = CHIFFRE | LETTRE | BLANC;
    int i = 0;
    for (; i < 8; ++i) {
        const unsigned c = classe(tuerie[i]);
        if (c == 0) return 0;
        toutes &= c;
    }
    for (; tuerie[i] != '\0'; ++i) {
        if (classe(tuerie[i]) == 0) return 0;
    }
    if (tuerie[0] != ' ') return 1;
    // A leading blank: only 8 blanks are accepted.
    return toutes == BLANC && i == 8;
}

int fVerif_NUM_TUE(const char*, char* champ, const void*, int) {
    if (champ[0] == ' ' && queDesBlancs(champ, 8)) return 1;
    if (notifieParOffice()) {
        // An office's slaughterhouse is named by the provenance country and
        // the office's country side by side; what follows a blank is not
        // read. The characters before the first blank hold none, so a
        // country with a blank is never matched.
        int i = 0;
        if (!suiviDe(champ, i, cp.CODE_EXPLOIT_PROVENANCE) || !suiviDe(champ, i, cp.CODE_PAYS_ABAT_NOTIF)) return 0;
        return champ[i] == ' ' || champ[i] == '\0';
    }
    if (!lettreOuChiffre(champ[0])) return 0;
    return longueurBornee(champ, 8) == 8;
}

int fVerif_chaine_POIDS(const char*, char* champ, const void*, int) {
    // The usual form "KKKK,HH", read in order.
    if (chiffre(champ[0]) <= 9 && chiffre(champ[1]) <= 9 && chiffre(champ[2]) <= 9 && chiffre(champ[3]) <= 9 &&
        champ[4] == ',' && chiffre(champ[5]) <= 9 && chiffre(champ[6]) <= 9) {
        return champ[7] == '\0';
    }
    // Otherwise only 7 blanks are accepted.
    return queDesBlancs(champ, 7);
}

int fVerif_POIDS(const char*, char* champ, const void*, int) {
    // Kilograms in characters 1 to 4, hundredths in 6 and 7; exactly those.
    int kilos, centiemes;
    const unsigned k0 = chiffre(champ[0]);
    if (k0 <= 9 && chiffre(champ[1]) <= 9 && chiffre(champ[2]) <= 9 && chiffre(champ[3]) <= 9 && champ[4] != '\0' &&
        chiffre(champ[5]) <= 9 && chiffre(champ[6]) <= 9) {
        // In digits: not blank.
        kilos = static_cast<int>(((k0 * 10 + chiffre(champ[1])) * 10 + chiffre(champ[2])) * 10 + chiffre(champ[3]));
        centiemes = static_cast<int>(chiffre(champ[5]) * 10 + chiffre(champ[6]));
    } else {
        if (queDesBlancs(champ, 7)) return 1;
        kilos = nombreDe(champ, 1, 4);
        centiemes = nombreDe(champ, 6, 2);
    }
    return !(kilos > 1000 || (kilos == 1000 && centiemes > 0));
}

int fVerif_CODEPE_ABATNOT(const char*, char* champ, const void*, int) {
    if (notifieParOfficeOuOnicab()) {
        // The office's country: characters 7 and 8 of its identifier, fewer
        // when it ends before (6 characters are known to be there).
        const char* paysOffice = cp.NUME_IDENT_ABAT_NOTIF + 6;
        const char* pays = cp.CODE_PAYS_ABAT_NOTIF;
        if (pays[0] != paysOffice[0]) return 0;
        if (pays[0] == '\0') return 1;
        if (pays[1] != paysOffice[1]) return 0;
        if (pays[1] == '\0') return 1;
        return pays[2] == '\0';
    }
    return vaut2(champ, "FR");
}

int presence_C11(const char*, char*, const void*, int) {
    const char* notifiant = cp.NUME_IDENT_ABAT_NOTIF;
    if (notifiant[0] != ' ') return notifiant[0] != '\0';
    return !queDesBlancs(notifiant, 12);
}

int fVerif_NUMID_ABATNOT_CONF(const char*, char* champ, const void*, int) {
    if (champ[0] == '\0' || champ[0] == ' ') return 0;
    // 7 or 8 characters before the first blank (or the end): counted up to 9.
    int tete = 1;
    while (tete < 9 && champ[tete] != '\0' && champ[tete] != ' ') ++tete;
    if (tete != 7 && tete != 8) return 0;
    // Characters 1 to 7 are present: 6 of them can be compared.
    if (std::memcmp(champ, "ONICAB", 6) == 0 || std::memcmp(champ, "OFFICE", 6) == 0) return 1;
    // A slaughterhouse number: characters 11 and 12 blank (a shorter value
    // has no such characters), and a department code in characters 1 and 2.
    for (int i = tete; i < 10; ++i) {
        if (champ[i] == '\0') return 0;
    }
    if (champ[10] != ' ' || champ[11] != ' ') return 0;
    if (champ[0] == '2' && (champ[1] == 'A' || champ[1] == 'B')) return 1;
    const char departement[3] = {champ[0], champ[1], '\0'};
    return departements().contient(departement);
}

int fVerif_NUMID_ABATNOT_COHER(const char*, char*, const void*, int) { return 1; }

int fVerif_NUMID_ABATNOT_TABREF(const char*, char*, const void*, int) { return 1; }

int fVerif_INDIC_ABAT(const char*, char*, const void*, int) { return 1; }

// Obligation columns: CRE, DEM, INV, EDI, MOD. Every check runs for CRE (and
// ECQ), INV and MOD, and none for DEM and EDI. The first C2 rule takes the
// body snapshot that the later rules of the record read.
const sCorps tAbat[] = {
    // C1, C2 the bovine: country and national number.
    {C1, 63, 64, 0, 1, 0, 1, 0, fVerifValAut, TAB(TP), SANS_DEP, 1},
    {C2, 65, 76, 0, 1, 0, 1, 0, presence_C2, SANS_TAB, SANS_DEP, 1},
    {C2, 0, 0, 0, 1, 0, 1, 0, vAbat_C2_1, SANS_TAB, SANS_DEP, 67},
    {C2, 0, 0, 0, 1, 0, 1, 0, vAbat_C2_2, SANS_TAB, SANS_DEP, 1},
    {C3, 77, 78, NON_CONTROLE, nullptr, SANS_TAB, SANS_DEP, 0},  // processing status
    // C4, C5 the holding of provenance.
    {C4, 79, 80, 0, 1, 0, 1, 0, fVerif_ASDA, SANS_TAB, SANS_DEP, 31},
    {C5, 81, 92, 0, 1, 0, 1, 0, presence_C5, TAB(FR), SANS_DEP, 31},
    {C5, 0, 0, 0, 1, 0, 1, 0, fVerif_NUM_ASDA, TAB(FR), SANS_DEP, 68},
    // C6 date of entry into the slaughterhouse, may be blank.
    {C6, 93, 100, 0, 1, 0, 1, 0, fDATECxad, SANS_TAB, SANS_DEP, 120},
    {C6, 0, 0, 0, 1, 0, 1, 0, fCoherenDC, SANS_TAB, DEP_F(F1), 52},
    {C6, 0, 0, 0, 1, 0, 1, 0, fVerifDateInputPost, SANS_TAB, SANS_DEP, 121},
    // C7 slaughter date.
    {C7, 101, 108, 0, 1, 0, 1, 0, fDATEC, SANS_TAB, SANS_DEP, 122},
    {C7, 0, 0, 0, 1, 0, 1, 0, fCoherenDC, SANS_TAB, DEP_F(F1), 52},
    {C7, 0, 0, 0, 1, 0, 1, 0, fVerifDateAbatPost, SANS_TAB, SANS_DEP, 123},
    {C7, 0, 0, 0, 1, 0, 1, 0, fVerifDateAbatPostEntr, SANS_TAB, SANS_DEP, 124},
    // C8 slaughterhouse number.
    {C8, 109, 116, 0, 1, 0, 1, 0, presence_C8, SANS_TAB, SANS_DEP, 68},
    {C8, 0, 0, 0, 1, 0, 1, 0, fVerif_NUM_TUE, SANS_TAB, SANS_DEP, 128},
    // C9 carcass weight.
    {C9, 117, 123, 0, 1, 0, 1, 0, fVerif_chaine_POIDS, SANS_TAB, SANS_DEP, 125},
    {C9, 0, 0, 0, 1, 0, 1, 0, fVerif_POIDS, SANS_TAB, SANS_DEP, 126},
    // C10, C11 the notifier: country and identifier.
    {C10, 124, 125, 0, 1, 0, 1, 0, fVerif_CODEPE_ABATNOT, TAB(FR), SANS_DEP, 127},
    {C11, 126, 137, 0, 1, 0, 1, 0, presence_C11, SANS_TAB, SANS_DEP, 127},
    {C11, 0, 0, 0, 1, 0, 1, 0, fVerif_NUMID_ABATNOT_CONF, SANS_TAB, SANS_DEP, 68},
    {C11, 0, 0, 0, 1, 0, 1, 0, fVerif_NUMID_ABATNOT_COHER, SANS_TAB, SANS_DEP, 129},
    {C11, 0, 0, 0, 1, 0, 1, 0, fVerif_NUMID_ABATNOT_TABREF, SANS_TAB, SANS_DEP, 127},
    // C12 creation/invalidation indicator. Columns 139 to 230 are not cut.
    {C12, 138, 138, 0, 1, 0, 1, 0, fVerif_INDIC_ABAT, TAB(FR), SANS_DEP, 139},
};
const int lAbat = static_cast<int>(sizeof tAbat / sizeof tAbat[0]);

// Labels of the body fields.
const sLibelle libAbat[] = {
    {C1, "code pays du bovin"},
    {C2, "numéro national du bovin"},
    {C3, "code résultat"},
    {C4, "code pays de l'exploitation de provenance"},
    {C5, "numéro de l'exploitation de provenance"},
    {C6, "date d'entrée à l'abattoir"},
    {C7, "date d'abattage"},
    {C8, "numéro de l'abattoir"},
    {C9, "poids de carcasse"},
    {C10, "code pays du notifiant de l'abattage"},
    {C11, "identifiant du notifiant de l'abattage"},
    {C12, "indicateur de création ou d'invalidation de l'abattage"},
};
const int nbLibAbat = static_cast<int>(sizeof libAbat / sizeof libAbat[0]);
