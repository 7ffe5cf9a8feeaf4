// The word-at-a-time and unrolled checks held equal to the straightforward
// versions they replaced, kept here as references. Every value is handed to
// both in each place a check may find it: a value slot of the body, trailer
// or header (stale bytes after its NUL), the last bytes of the last body slot
// (too near the end of the slots for a word read), and a buffer of exactly its
// own length.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "equivalences.h"
#include "outils.h"
#include "checks/coherence.h"
#include "checks/comparaisons.h"
#include "checks/dates.h"
#include "checks/dispositifs.h"
#include "checks/generiques.h"
#include "checks/identifiants.h"
#include "checks/nombres.h"
#include "checks/octets.h"
#include "model/modele.h"
#include "records/dispositifs_communs.h"
#include "records/entr.h"
#include "records/sort.h"
#include "records/erre.h"
#include "reference/valautorise.h"

namespace {

using essai::Emplacement;
using essai::kPlaces;
using essai::montrer;
using essai::Place;
using essai::comparerSurDeuxValeurs;

// ---------------------------------------------------------------------------
// References: the previous straightforward code.
namespace ref {

bool estChiffre(char c) { return c >= '0' && c <= '9'; }

int longueurBornee(const char* v, int max) {
    int n = 0;
    while (n < max && v[n] != '\0') ++n;
    return n;
}

void copierDebut(const char* source, std::size_t n, char* cible) {
    std::size_t i = 0;
    for (; i < n && source[i] != '\0'; ++i) cible[i] = source[i];
    cible[i] = '\0';
}

std::uint64_t cle(const char* date, bool blancsEnZeros) {
    unsigned char c[8] = {};
    for (int i = 0; i < 8 && date[i] != '\0'; ++i) {
        c[i] = static_cast<unsigned char>(blancsEnZeros && date[i] == ' ' ? '0' : date[i]);
    }
    static constexpr int ORDRE_AAAAMMJJ[8] = {4, 5, 6, 7, 2, 3, 0, 1};
    std::uint64_t k = 0;
    for (const int i : ORDRE_AAAAMMJJ) k = k << 8 | c[i];
    return k;
}

int coherenSupInf(const char* dependance, const char* champ, esupInf sens) {
    const std::uint64_t reference = cle(dependance, false);
    const std::uint64_t date = cle(champ, true);
    return sens == SUP ? reference <= date : reference >= date;
}

using essai::ancien::dateCouI;

bool estDateBlanche(const char* champ) { return std::strcmp(champ, "        ") == 0; }

void unAnPlusTard(const char* date, char* limite) {
    copierDebut(date, 8, limite);
    if (std::strlen(limite) != 8) return;
    int annee = 0;
    for (int i = 4; i < 8; ++i) {
        if (limite[i] < '0' || limite[i] > '9') return;
        annee = annee * 10 + (limite[i] - '0');
    }
    if (annee == 9999) {
        std::memcpy(limite, "31129999", 8);
        return;
    }
    ++annee;
    for (int i = 7; i >= 4; --i, annee /= 10) limite[i] = static_cast<char>('0' + annee % 10);
}

int avantDateDecalee(const char* date, const char* champ) {
    char limite[9];
    unAnPlusTard(date, limite);
    return coherenSupInf(limite, champ, INF);
}

int fDATEC_INC(char* champ) {
    return std::strncmp(champ, "        ", 8) == 0 || dateCouI(champ, COMPLETE);
}

int fSimult(const char* dependance, const char* champ) {
    const int nbBlancs = static_cast<int>(std::strlen(trenteBlancs[0]));
    auto estVide = [nbBlancs](const char* v) {
        for (int i = 0;; ++i) {
            if (v[i] == '\0') return true;
            if (v[i] != ' ' || i == nbBlancs) return false;
        }
    };
    return estVide(dependance) == estVide(champ);
}

bool commencePar(const char* valeur, const char* prefixe) {
    return std::strncmp(valeur, prefixe, std::strlen(prefixe)) == 0;
}

bool estChiffreOuMajuscule(char c) { return estChiffre(c) || (c >= 'A' && c <= 'Z'); }

bool premiersEgaux(const char* a, const char* b, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) {
        if (a[i] == '\0' || a[i] != b[i]) return false;
    }
    return true;
}

int numEtranger(const char* dependance, const char* champ) {
    std::size_t dernier = std::strlen(champ);
    while (dernier > 0 && champ[dernier - 1] == ' ') --dernier;
    if (dernier == 0) return 0;
    for (std::size_t i = 0; i < dernier; ++i) {
        if (!estChiffreOuMajuscule(champ[i])) return 0;
    }
    return !premiersEgaux(champ, dependance, 2);
}

int numEtrangerN(const char* dependance, const char* champ) {
    const bool remplissage = std::strcmp(champ, DouzeBlancs[0]) == 0 || std::strcmp(champ, ET12[0]) == 0;
    return remplissage || numEtranger(dependance, champ);
}

int appartientUE(const char* s) {
    static constexpr const char* kPaysUE[] = {"DE", "AT", "BE", "DK", "ES", "FI", "FR", "EL",
                                              "IE", "LU", "NL", "PT", "UK", "SE", "IT"};
    for (const char* pays : kPaysUE) {
        if (std::strcmp(s, pays) == 0) return 1;
    }
    return 0;
}

constexpr std::int64_t MIN32 = INT32_MIN;
constexpr std::int64_t MAX32 = INT32_MAX;

std::int32_t lireEntierDe(const char* texte, int n) {
    auto estBlancC = [](char c) {
        return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
    };
    int i = 0;
    while (i < n && texte[i] != '\0' && estBlancC(texte[i])) ++i;
    bool negatif = false;
    if (i < n && (texte[i] == '+' || texte[i] == '-')) negatif = texte[i++] == '-';
    std::int64_t valeur = 0;
    for (; i < n && texte[i] >= '0' && texte[i] <= '9'; ++i) {
        if (valeur <= MAX32 + 1) valeur = valeur * 10 + (texte[i] - '0');
    }
    const std::int64_t v = negatif ? -valeur : valeur;
    return static_cast<std::int32_t>(v < MIN32 ? MIN32 : v > MAX32 ? MAX32 : v);
}

bool quantiteEnChiffres(const char* quantite) {
    for (int i = 0; i < 6; ++i) {
        if (!estChiffre(quantite[i])) return false;
    }
    return lireEntierDe(quantite, 6) != 0;
}

// The ERRE checks as they read the line before: every column copied out of
// xdebug, then compared with the library.
void erreColonnes(int debut, int fin, char* destination) {
    const int longueur = longueurBornee(xdebug, fin);
    int n = 0;
    for (int c = debut; c <= fin && c <= longueur; ++c) destination[n++] = xdebug[c - 1];
    destination[n] = '\0';
}

struct Pays {
    char code[3];
};
Pays colonnes(int debut, int fin) {
    Pays p;
    erreColonnes(debut, fin, p.code);
    return p;
}

bool retourSurAbat() {
    char c1[5];
    erreColonnes(63, 66, c1);
    return std::strcmp(c1, "ABAT") == 0;
}

int erreC5(char* champ) {
    if (retourSurAbat()) {
        if (champ[0] == ' ' || (champ[0] != '\0' && champ[1] == ' ')) return 0;
    } else if (std::strcmp(champ, "  ") == 0) {
        return 1;
    }
    return fVerifValAut(depVide, champ, TP, LenTP);
}

int erreC6(char* champ) {
    if (champVide(champ)) return !retourSurAbat();
    return numEtranger(colonnes(84, 85).code, champ);
}

int erreC8(char* champ) {
    if (champVide(champ)) return 1;
    return retourSurAbat() ? verifNumAgrementSanitaireFr(champ) : verifNumExploitFr(champ);
}

int erreC9(char* champ) {
    if (std::strlen(champ) != 4) return 0;
    for (int i = 0; i < 4; ++i) {
        const char c = champ[i];
        if (!estChiffre(c) && !(c >= 'A' && c <= 'Z') && !(c >= 'a' && c <= 'z')) return 0;
    }
    return 1;
}

int erreC32_1(char* champ) {
    if (champVide(champ)) return 1;
    if (std::strcmp(colonnes(176, 177).code, "FR") != 0) return 1;
    return verifNumBovinFrOuImporte(champ);
}

int erreC32_2(char* champ) {
    if (champVide(champ)) return 1;
    const Pays pays = colonnes(176, 177);
    if (std::strcmp(pays.code, "FR") == 0 || std::strcmp(pays.code, "CH") == 0 || appartientUE(pays.code)) return 1;
    return verifNumBovinFrOuImporte(champ);
}

int erreC32_3(char* champ) {
    if (champVide(champ)) return 1;
    const Pays pays = colonnes(176, 177);
    if (std::strcmp(pays.code, "FR") == 0) return 1;
    if (std::strcmp(pays.code, "CH") == 0 || appartientUE(pays.code)) return numEtranger(pays.code, champ);
    return 1;
}

int erreC36(char* champ) {
    if (std::strlen(champ) != 8) return 0;
    if (champVide(champ)) return !retourSurAbat();
    return verifDateCompleteEtCorrecte(champ);
}

int coherenCC(const char* etablissement, const char* champ) {
    if (commencePar(etablissement, "POINTFOC")) return 1;
    if (commencePar(etablissement, "02A") || commencePar(etablissement, "02B")) {
        return commencePar(champ, "20");
    }
    if (commencePar(etablissement, "971") || commencePar(etablissement, "972") ||
        commencePar(etablissement, "973") || commencePar(etablissement, "974") ||
        commencePar(etablissement, "976")) {
        if (premiersEgaux(champ, etablissement, 3)) return 1;
        return commencePar(champ, "98") && commencePar(etablissement, "974");
    }
    return premiersEgaux(champ, etablissement[0] == '\0' ? "" : etablissement + 1, 2);
}

int vdiffNullVtab(const char* champ) {
    if (std::strncmp(champ, "  ", 2) == 0 || std::strncmp(champ, "**", 2) == 0) return 1;
    return estDansTable(champ, TR, LenTR);
}

int vdiffNullP(const char* dependance, const char* champ, const char* p) {
    if (longueurBornee(champ, 99) > 98) return 0;
    return !champVide(champ) || !fVTABP(dependance, p);
}

// Movements: the previous comparisons with the library, for ENTR (causes
// F, G, N) and SORT (causes S, T, M).
struct Causes {
    const char* paysRequis;
    const char* paysSansNumero;
    const char* nomFacultatif;
};
constexpr Causes kEntree = {"FG", "FG", "N"};
constexpr Causes kSortie = {"ST", "MST", ""};
bool paysBlanc(const char* p) { return std::strcmp(p, "  ") == 0; }
bool numeroBlanc(const char* n) { return std::strcmp(n, DouzeBlancs[0]) == 0; }
bool nomBlanc(const char* n) { return std::strcmp(n, soixanteBlancs[0]) == 0; }
bool causeParmi(const char* codes) {
    const char* v = valCorpsVSE[C5].valeur;
    return v[0] != '\0' && std::strchr(codes, v[0]) != nullptr;
}
bool exempte(bool modification) { return modification && !fVTABP(valCorpsVSE[C4].valeur, P8[0]); }
int mvtC5(const char* action, const char* cause) {
    if (!(cause[0] != '\0' && std::strchr("FGST", cause[0]) != nullptr)) return 1;
    return std::strcmp(action, "CRE") == 0;
}
int mvtC8(const char* pays, const Causes& c, bool mod) {
    if (!paysBlanc(pays)) return estDansTable(pays, TP, LenTP);
    return !causeParmi(c.paysRequis) || exempte(mod);
}
int mvtC9_1(const char* numero, const Causes& c, bool mod) {
    const bool sansPays = paysBlanc(valCorpsVSE[C8].valeur);
    if (!numeroBlanc(numero)) return !sansPays;
    if (sansPays) return 1;
    return causeParmi(c.paysSansNumero) || exempte(mod);
}
int mvtC10(const char* nom, const Causes& c, bool mod) {
    if (!nomBlanc(nom)) return 1;
    if (causeParmi(c.nomFacultatif)) return 1;
    return !numeroBlanc(valCorpsVSE[C9].valeur) || exempte(mod);
}

bool chiffres(const char* v, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) {
        if (!estChiffre(v[i])) return false;
    }
    return true;
}

bool blancs(const char* v, std::size_t debut, std::size_t fin) {
    for (std::size_t i = debut; i <= fin; ++i) {
        if (v[i] != ' ') return false;
    }
    return true;
}

bool departementTD(const char* v) {
    char departement[3];
    copierDebut(v, 2, departement);
    return estDansTable(departement, TD, LenTD) != 0;
}

// French numbers with the department table TD: department rule, digits,
// then exactly the blanks up to the 12th character.
int conformeFrancais(const char* champ, std::size_t nbChiffres, const char* fin) {
    const bool departement = champ[0] != '\0' && champ[1] != '\0' && departementTD(champ);
    if (!departement) return 0;
    if (std::strncmp(champ, "97", 2) == 0 && !(champ[2] != '\0' && std::strchr("12346", champ[2]) != nullptr)) return 0;
    return chiffres(champ, nbChiffres) && std::strcmp(champ + nbChiffres, fin) == 0;
}

int numExploitFr(const char* champ) { return chiffres(champ, 8) && blancs(champ, 8, 11) && departementTD(champ); }

int numBovinFr(const char* champ) {
    if (!chiffres(champ, 10) || !blancs(champ, 10, 11) || !departementTD(champ)) return 0;
    return std::strncmp(champ, "97", 2) != 0 || (champ[2] != '\0' && std::strchr("1234", champ[2]) != nullptr);
}

int erreC37_2(const char* dependance, const char* champ) {
    if (champVide(champ)) return 1;
    if (std::strcmp(champ, dependance) == 0) return 1;
    for (int i = 0; i < LenTEDC; ++i) {
        if (std::strcmp(dependance, TEDC[2 * i]) == 0 && std::strcmp(champ, TEDC[2 * i + 1]) == 0) return 1;
    }
    return 0;
}

int coherenCCE(const char* dependance, const char* champ) {
    if (std::strcmp(champ, dependance) == 0) return 1;
    if (std::strncmp(dependance, "NORM01", 6) == 0 || std::strncmp(dependance, "NORM02", 6) == 0 ||
        std::strncmp(dependance, "PFOC01", 6) == 0) {
        return 1;
    }
    for (int i = 0; i < LenTEDC; ++i) {
        if (std::strcmp(TEDC[2 * i], dependance) == 0 && std::strcmp(TEDC[2 * i + 1], champ) == 0) return 1;
    }
    return 0;
}

int vdiffVD(const char* dependance, const char* champ) {
    return std::strcmp(champ, trenteBlancs[0]) != 0 || std::strcmp(dependance, trenteBlancs[0]) != 0;
}

}  // namespace ref

// ---------------------------------------------------------------------------
// Generated values.

class Generateur : public essai::Tirage {
public:
    explicit Generateur(unsigned graine) : Tirage(graine, alphabet()) {}

    // A DDMMYYYY date, valid or not: any day 00-39 and month 00-19, years
    // around the edges (1899, 1900, leap and century years, 9999), blanked
    // day or month, a changed byte, or a cut.
    std::string date() {
        static const int annees[] = {1899, 1900, 1901, 1996, 2000, 2023, 2024, 2100, 2400, 9998, 9999, 0, 1};
        char d[9];
        const int jour = static_cast<int>(entier(5) == 0 ? 29 : entier(40));
        const int mois = static_cast<int>(entier(4) == 0 ? 2 : entier(20));
        const int annee = entier(2) == 0 ? annees[entier(sizeof annees / sizeof annees[0])] : static_cast<int>(entier(10000));
        std::snprintf(d, sizeof d, "%02d%02d%04d", jour, mois, annee);
        std::string v(d, 8);
        switch (entier(10)) {
            case 0: v.replace(0, 2, "  "); break;
            case 1: v.replace(0, 4, "    "); break;
            case 2: v[entier(8)] = auHasard(); break;
            case 3: v.resize(entier(8)); break;
            case 4: v += quelconque(2); break;
            case 5: v = "        "; break;
            default: break;
        }
        return v;
    }

private:
    static std::string alphabet() {
        std::string a = " 0123456789 0123456789ABCZaz*-/:@\x7f";
        a += static_cast<char>(0x80);
        a += static_cast<char>(0xE9);
        a += static_cast<char>(0xFF);
        return a;
    }
};

// Runs a one-value check and its reference on copies of v in every place and
// compares both the answer and the bytes left in the value (a check may
// rewrite its value in place).
void comparerSurUneValeur(const std::string& v, const std::function<int(char*)>& rapide,
                          const std::function<int(char*)>& reference) {
    std::string attendu = v;
    const int resultat = reference(attendu.data());
    for (const Place place : kPlaces) {
        Emplacement e(place, v);
        ASSERT_EQ(rapide(e.get()) != 0, resultat != 0) << montrer(v) << " place " << static_cast<int>(place);
        ASSERT_EQ(std::string(e.get()), std::string(attendu.c_str())) << montrer(v);
    }
}

}  // namespace

// The word read of a value: the same bytes and count as a byte-by-byte read,
// in every place and at every length, with the NUL stand-in and high bytes.
TEST(ControlesRapides, MotDeHuitOctetsCommeLaLectureOctetParOctet) {
    Generateur g(1);
    for (int i = 0; i < 20000; ++i) {
        const std::string v = g.quelconque(12);
        std::uint64_t attendu = 0;
        const int n = ref::longueurBornee(v.c_str(), 8);
        for (int k = 0; k < n; ++k) attendu |= std::uint64_t{static_cast<unsigned char>(v[k])} << (8 * k);
        for (const Place place : kPlaces) {
            Emplacement e(place, v);
            std::uint64_t mot = ~std::uint64_t{0};
            ASSERT_EQ(lireMot8(e.get(), mot), n) << montrer(v);
            ASSERT_EQ(mot, attendu) << montrer(v);
        }
    }
    // Only slots are read a word at a time, and never past the last slot.
    EXPECT_TRUE(octetsLisibles(valCorpsVSE[0].valeur, 8));
    EXPECT_TRUE(octetsLisibles(valCorpsVSE[NB_CORPS - 1].valeur + LONGUEUR_VSE + 1 - 8, 8));
    EXPECT_FALSE(octetsLisibles(valCorpsVSE[NB_CORPS - 1].valeur + LONGUEUR_VSE + 1 - 7, 8));
    EXPECT_FALSE(octetsLisibles("court", 8));
}

// Digits, blanks and literal comparisons against their plain definitions.
TEST(ControlesRapides, PredicatsDOctetsCommeLeursDefinitions) {
    Generateur g(2);
    for (int i = 0; i < 50000; ++i) {
        std::string v = g.quelconque(10);
        if (i % 4 == 0) v = g.date();
        essai::Valeur e(v);
        std::uint64_t mot = 0;
        const int n = lireMot8(e.get(), mot);
        bool chiffres = n == 8;
        for (int k = 0; k < n; ++k) chiffres = chiffres && ref::estChiffre(v[k]);
        ASSERT_EQ(n == 8 && huitChiffres(mot), chiffres) << montrer(v);
        for (int k = 0; k < 8; ++k) {
            const bool blanc = ((octetsEgaux(mot, ' ') >> (8 * k)) & 0x80) != 0;
            ASSERT_EQ(blanc, k < n && v[k] == ' ') << montrer(v) << ' ' << k;
        }
        ASSERT_EQ(egalTexte(e.get(), "FR"), v == "FR");
        ASSERT_EQ(egalTexte(e.get(), "            "), v == "            ");
        ASSERT_EQ(egalTexte(e.get(), ""), v.empty());
        for (const char* borne : {"100000", "683499", "971", "976", "2024", "", "\xE9", "00"}) {
            for (const std::size_t n : {0u, 1u, 3u, 4u, 6u, 9u}) {
                const int attendu = std::strncmp(e.get(), borne, n);
                const int obtenu = comparerDebut(e.get(), borne, n);
                ASSERT_EQ((obtenu > 0) - (obtenu < 0), (attendu > 0) - (attendu < 0)) << montrer(v) << ' ' << n;
            }
        }
        for (const char* prefixe : {"", "2", "97", "02A", "POINTFOC", "0000"}) {
            ASSERT_EQ(commencePar(e.get(), prefixe), ref::commencePar(e.get(), prefixe)) << montrer(v);
        }
    }
}

// Every byte in every position of a word of digits, and of a word of blanks.
TEST(ControlesRapides, ChaqueOctetDansChaquePosition) {
    for (int b = 1; b < 256; ++b) {
        for (int k = 0; k < 8; ++k) {
            std::string chiffres = "12345678";
            std::string blancs(8, ' ');
            chiffres[k] = static_cast<char>(b);
            blancs[k] = static_cast<char>(b);
            std::uint64_t mot = 0;
            ASSERT_EQ(lireMot8(chiffres.c_str(), mot), 8);
            ASSERT_EQ(huitChiffres(mot), ref::estChiffre(static_cast<char>(b))) << b << ' ' << k;
            ASSERT_EQ(lireMot8(blancs.c_str(), mot), 8);
            ASSERT_EQ(octetsEgaux(mot, ' ') == 0x8080808080808080ull, b == ' ') << b << ' ' << k;
            ASSERT_EQ(mot == HUIT_BLANCS_MOT, b == ' ');
            const char c = static_cast<char>(b);
            ASSERT_EQ(estChiffreOuMajuscule(c), ref::estChiffre(c) || (c >= 'A' && c <= 'Z')) << b;
        }
    }
}

// The date keys and the ordering checks over random dates, valid or not.
TEST(ControlesRapides, ClesEtOrdreDesDatesCommeOctetParOctet) {
    Generateur g(3);
    for (int i = 0; i < 20000; ++i) {
        const std::string d = i % 3 == 0 ? g.quelconque(10) : g.date();
        for (const Place place : kPlaces) {
            Emplacement e(place, d);
            ASSERT_EQ(cleAAAAMMJJ(e.get(), false), ref::cle(d.c_str(), false)) << montrer(d);
            ASSERT_EQ(cleAAAAMMJJ(e.get(), true), ref::cle(d.c_str(), true)) << montrer(d);
        }
        const std::string reference = i % 4 == 0 ? "20062024" : g.date();
        comparerSurDeuxValeurs(
            reference, d, [](const char* r, char* c) { return fCoherenDCSupInf(r, c, SUP); },
            [](const char* r, char* c) { return ref::coherenSupInf(r, c, SUP); });
        comparerSurDeuxValeurs(
            reference, d, [](const char* r, char* c) { return fCoherenDC(r, c, nullptr, 0); },
            [](const char* r, char* c) { return ref::coherenSupInf(r, c, INF); });
        comparerSurDeuxValeurs(
            reference, d, [](const char* r, char* c) { return fDatRecCohe(r, c, nullptr, 0); },
            [](const char* r, char* c) { return ref::estDateBlanche(c) || ref::coherenSupInf(r, c, INF); });
        comparerSurDeuxValeurs(
            reference, d, [](const char* r, char* c) { return fDatRecPost(r, c, nullptr, 0); },
            [](const char* r, char* c) { return ref::estDateBlanche(c) || ref::coherenSupInf(r, c, SUP); });
        // One year later: the reference date's year moved on, 9999 capped.
        comparerSurDeuxValeurs(
            d, reference, [](const char* r, char* c) { return fCoherenDC_tr2(r, c, nullptr, 0); },
            [](const char* r, char* c) { return ref::avantDateDecalee(r, c); });
    }
    // The edges of the year moved on, explicitly.
    for (const char* r : {"31129998", "01019999", "31129999", "0101999", "0101ABCD", "01011999 ", "0101 999"}) {
        for (const char* c : {"31129999", "01010000", "01012000", "31121999", "        ", "0101999"}) {
            comparerSurDeuxValeurs(
                r, c, [](const char* a, char* b) { return fCoherenDC_tr2(a, b, nullptr, 0); },
                [](const char* a, char* b) { return ref::avantDateDecalee(a, b); });
        }
    }
}

// Calendar validity, complete and incomplete (with its rewrite in place), and
// the blank-date forms, over random dates including leap days and invalid ones.
TEST(ControlesRapides, ValiditeDesDatesCommeLaLectureOctetParOctet) {
    Generateur g(4);
    for (int i = 0; i < 40000; ++i) {
        const std::string d = i % 5 == 0 ? g.quelconque(10) : g.date();
        comparerSurUneValeur(
            d, [](char* c) { return fDATEC(depVide, c, nullptr, 0); },
            [](char* c) { return ref::dateCouI(c, COMPLETE); });
        comparerSurUneValeur(
            d, [](char* c) { return fDATEI(depVide, c, nullptr, 0); },
            [](char* c) { return ref::dateCouI(c, INCOMPLETE); });
        comparerSurUneValeur(
            d, [](char* c) { return fDATEC_INC(depVide, c, nullptr, 0); },
            [](char* c) { return ref::fDATEC_INC(c); });
        comparerSurUneValeur(
            d, [](char* c) { return fDATECxad(depVide, c, nullptr, 0); },
            [](char* c) { return ref::estDateBlanche(c) || ref::dateCouI(c, COMPLETE); });
        comparerSurUneValeur(
            d, [](char* c) { return fDatRecCorr_O(depVide, c, nullptr, 0); },
            [](char* c) { return !ref::estDateBlanche(c) && ref::dateCouI(c, COMPLETE); });
    }
    // Every day of a leap and a common year, and the 29th of February of the
    // century years.
    for (const char* annee : {"2024", "2023", "1900", "2000", "2100", "2400"}) {
        for (int mois = 0; mois <= 13; ++mois) {
            for (int jour = 0; jour <= 32; ++jour) {
                char d[9];
                std::snprintf(d, sizeof d, "%02d%02d%s", jour, mois, annee);
                comparerSurUneValeur(
                    d, [](char* c) { return fDATEC(depVide, c, nullptr, 0); },
                    [](char* c) { return ref::dateCouI(c, COMPLETE); });
                comparerSurUneValeur(
                    d, [](char* c) { return fDATEI(depVide, c, nullptr, 0); },
                    [](char* c) { return ref::dateCouI(c, INCOMPLETE); });
            }
        }
    }
}

// Both or neither of two values empty (blank, at most 30 characters).
TEST(ControlesRapides, SimultaneiteCommeLaLectureOctetParOctet) {
    Generateur g(5);
    auto valeur = [&g](int i) {
        switch (i % 6) {
            case 0: return std::string(g.entier(34), ' ');
            case 1: return std::string(g.entier(34), ' ') + g.quelconque(2);
            case 2: return std::string();
            default: return g.quelconque(14);
        }
    };
    for (int i = 0; i < 30000; ++i) {
        const std::string a = valeur(i);
        const std::string b = valeur(i / 6 + g.entier(6));
        comparerSurDeuxValeurs(
            a, b, [](const char* x, char* y) { return fSimult(x, y, nullptr, 0); },
            [](const char* x, char* y) { return ref::fSimult(x, y); });
    }
    for (int n = 0; n <= 34; ++n) {
        comparerSurDeuxValeurs(
            std::string(n, ' '), "", [](const char* x, char* y) { return fSimult(x, y, nullptr, 0); },
            [](const char* x, char* y) { return ref::fSimult(x, y); });
    }
}

// Foreign national numbers, the filler values, the member countries and the
// whole-string comparison of the French numbers' tails.
TEST(ControlesRapides, IdentifiantsCommeAvant) {
    Generateur g(6);
    const std::vector<std::string> numeros = {"DE27600091234", "0112345678  ", "BE123456789012", "            ",
                                              "************", "", "AB CD       ", "ABCD        ", "abcd",
                                              "DE", "D", "FR0112345678"};
    const std::vector<std::string> pays = {"DE", "FR", "BE", "CH", "  ", "", "D", "DEX", "ES", "UK", "IT", "EL"};
    for (int i = 0; i < 40000; ++i) {
        std::string v = i % 3 == 0 ? numeros[g.entier(static_cast<unsigned>(numeros.size()))] : g.quelconque(14);
        if (i % 7 == 0) v += std::string(g.entier(4), ' ');
        const std::string p = i % 2 == 0 ? pays[g.entier(static_cast<unsigned>(pays.size()))] : g.quelconque(3);
        comparerSurDeuxValeurs(
            p, v, [](const char* d, char* c) { return fVerifNumEtranger(d, c, nullptr, 0); },
            [](const char* d, char* c) { return ref::numEtranger(d, c); });
        comparerSurDeuxValeurs(
            p, v, [](const char* d, char* c) { return fVerifNumEtrangerN(d, c, nullptr, 0); },
            [](const char* d, char* c) { return ref::numEtrangerN(d, c); });
        comparerSurUneValeur(
            p, [](char* c) { return appartient_UE(c); }, [](char* c) { return ref::appartientUE(c); });
        ASSERT_EQ(egalChaine(v.c_str(), p.c_str()), std::strcmp(v.c_str(), p.c_str()) == 0);
        ASSERT_EQ(egalChaine(v.c_str(), v.c_str()), true);
    }
}

// Numbers read as atoi reads them, saturated: long runs of digits, signs,
// every white-space character, high bytes, every bound.
TEST(ControlesRapides, LectureDesNombresCommeAvant) {
    Generateur g(7);
    const std::string debuts[] = {"", " ", "\t\n\v\f\r ", "+", "-", " -", "- ", "+-", "\x85", "0"};
    for (int i = 0; i < 60000; ++i) {
        std::string v = debuts[g.entier(sizeof debuts / sizeof debuts[0])];
        const unsigned chiffres = g.entier(26);
        for (unsigned k = 0; k < chiffres; ++k) v += static_cast<char>('0' + (i % 5 == 0 ? 9 : g.entier(10)));
        if (i % 3 == 0) v += g.quelconque(4);
        if (i % 11 == 0) v = g.quelconque(8);
        for (const int n : {0, 1, 2, 5, 6, 7, 12, 18, 19, 20, 21, 30, INT32_MAX}) {
            ASSERT_EQ(lireEntierDe(v.c_str(), n), ref::lireEntierDe(v.c_str(), n)) << montrer(v) << " n " << n;
        }
        ASSERT_EQ(lireEntier(v.c_str()), ref::lireEntierDe(v.c_str(), INT32_MAX)) << montrer(v);
        comparerSurUneValeur(
            v.substr(0, 8), [](char* c) { return static_cast<int>(quantiteEnChiffres(c)); },
            [](char* c) { return static_cast<int>(ref::quantiteEnChiffres(c)); });
    }
    for (const char* v : {"2147483647", "2147483648", "-2147483648", "-2147483649", "99999999999999999999999",
                          "-000000000000000000000002147483649", "000000", "000001", "00000", "0000 1"}) {
        ASSERT_EQ(lireEntier(v), ref::lireEntierDe(v, INT32_MAX)) << v;
        ASSERT_EQ(quantiteEnChiffres(v), ref::quantiteEnChiffres(v)) << v;
    }
}

// The ERRE checks that read columns of the line, over lines of every length
// around those columns (stale bytes of a longer line after the NUL), with
// the returned type, the countries and the values drawn among the codes the
// checks name.
TEST(ControlesRapides, ColonnesErreCommeAvant) {
    Generateur g(8);
    const char* const types[] = {"ABAT", "ABAX", "NAIS", "    "};
    const char* const paysCodes[] = {"FR", "CH", "DE", "IT", "UK", "EL", "US", "  ", "F ", "CX", "fr"};
    const std::vector<std::string> valeurs = {"            ", "", "0112345678  ", "01123456    ", "2A12345     ",
                                              "DE27600091234", "CH1234", "E067", "e0a1", "15032024", "        ",
                                              "31022024", "FR", "  ", "F "};
    const int longueurs[] = {50, 62, 63, 64, 65, 66, 84, 85, 86, 175, 176, 177, 178, 256};
    for (int i = 0; i < 6000; ++i) {
        std::string ligne;
        while (ligne.size() < 256) ligne += g.quelconque(8);
        ligne.resize(256);
        ligne.replace(62, 4, types[g.entier(4)]);
        ligne.replace(83, 2, paysCodes[g.entier(11)]);
        ligne.replace(175, 2, paysCodes[g.entier(11)]);
        for (char& c : ligne) {
            if (c == '\0') c = '\x7f';
        }
        // A longer line first, then this one cut short over its stale bytes.
        std::memset(xdebug, 'A', sizeof xdebug);
        std::memcpy(xdebug + 62, "ABATFR", 6);
        std::memcpy(xdebug + 175, "FR", 2);
        const int longueur = i % 2 == 0 ? 256 : longueurs[g.entier(sizeof longueurs / sizeof longueurs[0])];
        std::memcpy(xdebug, ligne.data(), static_cast<std::size_t>(longueur));
        xdebug[longueur] = '\0';
        for (int debut = 60; debut <= 180; debut += 3) {
            char attendu[8];
            char obtenu[8];
            ref::erreColonnes(debut, debut + 3, attendu);
            erreColonnes(debut, debut + 3, obtenu);
            ASSERT_STREQ(obtenu, attendu);
        }
        std::string v = valeurs[g.entier(static_cast<unsigned>(valeurs.size()))];
        if (i % 4 == 0) v = g.quelconque(13);
        const auto verifier = [&v](pfVerif_t rapide, int (*reference)(char*)) {
            comparerSurUneValeur(
                v, [rapide](char* c) { return rapide(depVide, c, nullptr, 0); }, reference);
        };
        verifier(vErre_C5, ref::erreC5);
        verifier(vErre_C6, ref::erreC6);
        verifier(vErre_C8_conf, ref::erreC8);
        verifier(vErre_C30, ref::erreC8);
        verifier(vErre_C9, ref::erreC9);
        verifier(vErre_C32_1, ref::erreC32_1);
        verifier(vErre_C32_2, ref::erreC32_2);
        verifier(vErre_C32_3, ref::erreC32_3);
        verifier(vErre_C36_1, ref::erreC36);
    }
}

// The blank and filler entries of the tables that checks now compare as
// literals hold exactly those literals.
TEST(ControlesRapides, LitterauxCommeLesTables) {
    EXPECT_STREQ(DouzeBlancs[0], "            ");
    EXPECT_STREQ(ET12[0], "************");
    EXPECT_STREQ(quatreBlancs[0], "    ");
    EXPECT_STREQ(ET4[0], "****");
    EXPECT_STREQ(HuitBlancs[0], "        ");
    EXPECT_EQ(LenDouzeBlancs, 1);
    EXPECT_EQ(LenET12, 1);
}

// The establishment rule read byte by byte, and the list checks that let
// unknown or withheld codes and values of a cut-off date through.
TEST(ControlesRapides, EtablissementEtListesCommeAvant) {
    Generateur g(9);
    const std::vector<std::string> etablissements = {"001IPG  ", "02AIPG  ", "02BIPG  ", "971IPG  ", "972IPG  ",
                                                     "973IPG  ", "974IPG  ", "976IPG  ", "975IPG  ", "POINTFOC",
                                                     "POINTFO", "0", "", "97", "02", "9", "P"};
    const std::vector<std::string> champs = {"0112345678  ", "2012345678  ", "9712345678  ", "9812345678  ",
                                             "97", "0", "", "  ", "**", "*", " ", "BL", "CH"};
    for (int i = 0; i < 30000; ++i) {
        const std::string e = i % 3 == 0 ? g.quelconque(9) : etablissements[g.entier(static_cast<unsigned>(etablissements.size()))];
        const std::string c = i % 4 == 0 ? g.quelconque(12) : champs[g.entier(static_cast<unsigned>(champs.size()))];
        comparerSurDeuxValeurs(
            e, c, [](const char* d, char* v) { return fCoherenCC(d, v, nullptr, 0); },
            [](const char* d, char* v) { return ref::coherenCC(d, v); });
        comparerSurUneValeur(
            c, [](char* v) { return fVDIFFNULLVTAB(depVide, v, TR, LenTR); },
            [](char* v) { return ref::vdiffNullVtab(v); });
        const std::string date = g.date();
        const std::string long_ = std::string(g.entier(3) == 0 ? 90 + g.entier(20) : g.entier(12), ' ') + c;
        comparerSurDeuxValeurs(
            date, long_, [](const char* d, char* v) { return fVDIFFNULLP5(d, v, nullptr, 0); },
            [](const char* d, char* v) { return ref::vdiffNullP(d, v, P5[0]); });
    }
}

// The movement checks of ENTR and SORT over the causes, partner countries,
// numbers and names they react to, with dates on both sides of the cut-off.
TEST(ControlesRapides, MouvementsCommeAvant) {
    Generateur g(10);
    const std::vector<std::string> causes = {"F", "G", "N", "S", "T", "M", "A", "", " ", "FX"};
    const std::vector<std::string> pays = {"  ", "FR", "DE", " ", "", "XX", "  X"};
    const std::vector<std::string> numeros = {"            ", "0112345678  ", "           ", "", "             "};
    const std::vector<std::string> noms = {std::string(60, ' '), std::string(59, ' '), "DUPONT", "", " X",
                                           std::string(61, ' ')};
    const std::vector<std::string> dates = {"01011998", "01011999", "31121998", "        ", "0101"};
    auto choisir = [&g](const std::vector<std::string>& v) { return v[g.entier(static_cast<unsigned>(v.size()))]; };
    for (int i = 0; i < 20000; ++i) {
        std::strcpy(valCorpsVSE[C4].valeur, choisir(dates).c_str());
        std::strcpy(valCorpsVSE[C5].valeur, choisir(causes).c_str());
        std::strcpy(valCorpsVSE[C8].valeur, choisir(pays).c_str());
        std::strcpy(valCorpsVSE[C9].valeur, choisir(numeros).c_str());
        const std::string action = i % 2 == 0 ? "CRE" : (i % 4 == 1 ? "MOD" : "CR");
        const std::string p = i % 5 == 0 ? g.quelconque(3) : choisir(pays);
        const std::string n = i % 5 == 0 ? g.quelconque(13) : choisir(numeros);
        const std::string nom = i % 5 == 0 ? g.quelconque(4) : choisir(noms);
        const std::string cause = choisir(causes);
        auto une = [](pfVerif_t f) { return [f](char* v) { return f(depVide, v, nullptr, 0); }; };
        comparerSurDeuxValeurs(
            action, cause, [](const char* a, char* c) { return entr_fC5(a, c, nullptr, 0); },
            [](const char* a, char* c) { return ref::mvtC5(a, c); });
        for (const bool mod : {false, true}) {
            comparerSurUneValeur(p, une(mod ? entr_fC8_mod : entr_fC8_cre),
                                 [mod](char* v) { return ref::mvtC8(v, ref::kEntree, mod); });
            comparerSurUneValeur(p, une(mod ? sort_fC8_mod : sort_fC8_cre),
                                 [mod](char* v) { return ref::mvtC8(v, ref::kSortie, mod); });
            comparerSurUneValeur(n, une(mod ? entr_fC9_1_mod : entr_fC9_1_cre),
                                 [mod](char* v) { return ref::mvtC9_1(v, ref::kEntree, mod); });
            comparerSurUneValeur(n, une(mod ? sort_fC9_1_mod : sort_fC9_1_cre),
                                 [mod](char* v) { return ref::mvtC9_1(v, ref::kSortie, mod); });
            comparerSurUneValeur(nom, une(mod ? entr_fC10_mod : entr_fC10_cre),
                                 [mod](char* v) { return ref::mvtC10(v, ref::kEntree, mod); });
            comparerSurUneValeur(nom, une(mod ? sort_fC10_mod : sort_fC10_cre),
                                 [mod](char* v) { return ref::mvtC10(v, ref::kSortie, mod); });
        }
    }
}

// French holding and bovine numbers: the digits tested a word at a time, over
// numbers of every department form, cut short, lengthened or with a stray byte.
TEST(ControlesRapides, NumerosFrancaisCommeAvant) {
    Generateur g(11);
    const std::vector<std::string> bases = {"0112345678  ", "01123456    ", "9712345678  ", "9752345678  ",
                                            "2A12345678  ", "9812345678  ", "0012345678  ", "97",
                                            "0112345678", "01123456", "0112345678   ", "011234567   "};
    for (int i = 0; i < 30000; ++i) {
        std::string v = bases[g.entier(static_cast<unsigned>(bases.size()))];
        switch (g.entier(5)) {
            case 0: v[g.entier(static_cast<unsigned>(v.size()))] = g.quelconque(1).empty() ? ':' : g.quelconque(1)[0]; break;
            case 1: v.resize(g.entier(static_cast<unsigned>(v.size()) + 1)); break;
            case 2: v = g.quelconque(13); break;
            default: break;
        }
        comparerSurUneValeur(
            v, [](char* c) { return fConform10(depVide, c, TD, LenTD); },
            [](char* c) { return ref::conformeFrancais(c, 10, "  "); });
        comparerSurUneValeur(
            v, [](char* c) { return fConform8(depVide, c, TD, LenTD); },
            [](char* c) { return ref::conformeFrancais(c, 8, "    "); });
        comparerSurUneValeur(
            v, [](char* c) { return verifNumExploitFr(c); }, [](char* c) { return ref::numExploitFr(c); });
        comparerSurUneValeur(
            v, [](char* c) { return verifNumBovinFrOuImporte(c); }, [](char* c) { return ref::numBovinFr(c); });
    }
}

// Device checks that compared with the library: the counter of a model
// (ordered against "0" and "7"), blank models, and the marking code.
TEST(ControlesRapides, DispositifsCommeAvant) {
    Generateur g(12);
    const std::vector<std::string> valeurs = {"0", "7", "8", "", " ", "00", "07", "/", "ABE123  ", "        ",
                                              "ABE123 ", "ABE123   ", "       ", "100000123451 ", "683499123451 ",
                                              "683500123451 ", "099999123451 ", "1000001234  "};
    auto chiffres = [](const char* v, int debut, int n) {
        for (int i = 0; i < debut + n; ++i) {
            if (v[i] == '\0') return false;
            if (i >= debut && !ref::estChiffre(v[i])) return false;
        }
        return true;
    };
    for (int i = 0; i < 20000; ++i) {
        const std::string v = i % 3 == 0 ? g.quelconque(13) : valeurs[g.entier(static_cast<unsigned>(valeurs.size()))];
        const std::string modele = i % 2 == 0 ? "ABE123  " : g.quelconque(4);
        comparerSurDeuxValeurs(
            modele, v, [](const char* d, char* c) { return fConform_OC_compteur(d, c, nullptr, 0); },
            [](const char* d, char* c) {
                if (ref::longueurBornee(d, 3) == 3 && d[2] == 'E') return static_cast<int>(std::strcmp(c, "0") >= 0 && std::strcmp(c, "7") <= 0);
                return static_cast<int>(std::strcmp(c, " ") == 0);
            });
        comparerSurUneValeur(
            v, [](char* c) { return fConform_BV_model5(depVide, c, nullptr, 0); },
            [chiffres](char* c) { return static_cast<int>(std::strcmp(c, "        ") == 0 || chiffres(c, 3, 3)); });
        comparerSurDeuxValeurs(
            "FR", v, [](const char* d, char* c) { return fConform_OC_FR(d, c, nullptr, 0); },
            [chiffres](const char*, char* c) {
                const bool marquage = chiffres(c, 0, 6) && std::strncmp(c, "100000", 6) >= 0 && std::strncmp(c, "683499", 6) <= 0;
                return static_cast<int>(marquage && chiffres(c, 6, 5) && std::strcmp(c + 11, " ") == 0);
            });
        comparerSurUneValeur(
            v, [](char* c) { return fConform_temoin_bouc2(depVide, c, nullptr, 0); },
            [](char* c) { return static_cast<int>(std::strcmp(c, "0") != 0); });
    }
}

// Emitter codes against the offices and the emitter pairs, and the pair of
// 30-character fields of which one must be filled in.
TEST(ControlesRapides, EmetteursCommeAvant) {
    Generateur g(13);
    std::vector<std::string> codes = {"001IPG  ", "NORMABEV", "POINTFOC", "ONICAB01", "OFFICE  ", "NORM01  ",
                                      "NORM02  ", "PFOC01  ", "        ", "", "001IPG", "001IPG   ", "0 1IPG  ",
                                      "POINTFO ", "999IPG  "};
    for (int i = 0; i < LenTEDC && i < 6; ++i) {
        codes.push_back(TEDC[2 * i]);
        codes.push_back(TEDC[2 * i + 1]);
    }
    for (int i = 0; i < LenTDC && i < 6; ++i) codes.push_back(TDC[i]);
    auto choisir = [&] { return g.entier(4) == 0 ? g.quelconque(9) : codes[g.entier(static_cast<unsigned>(codes.size()))]; };
    for (int i = 0; i < 20000; ++i) {
        const std::string a = choisir();
        const std::string b = choisir();
        comparerSurUneValeur(
            a, [](char* c) { return vErre_C37_1(depVide, c, nullptr, 0); }, [](char* c) { return essai::ancien::erreC37_1(c); });
        comparerSurDeuxValeurs(
            b, a, [](const char* d, char* c) { return vErre_C37_2(d, c, nullptr, 0); },
            [](const char* d, char* c) { return ref::erreC37_2(d, c); });
        comparerSurDeuxValeurs(
            b, a, [](const char* d, char* c) { return fCoherenCCE(d, c); },
            [](const char* d, char* c) { return ref::coherenCCE(d, c); });
        const std::string x = g.entier(2) == 0 ? std::string(30 - g.entier(2) + g.entier(2), ' ') : a;
        const std::string y = g.entier(2) == 0 ? std::string(30, ' ') : b;
        comparerSurDeuxValeurs(
            x, y, [](const char* d, char* c) { return fVDIFFVD(d, c, nullptr, 0); },
            [](const char* d, char* c) { return ref::vdiffVD(d, c); });
    }
}

// Cause codes accepted up to a last date: the code looked up among the pairs,
// the record's date compared with the code's last date.
TEST(ControlesRapides, CodesDatesCommeAvant) {
    Generateur g(14);
    auto reference = [](const char* dependance, const char* champ, const tValAutorise* paires, int n) {
        for (int i = 0; i < n / 2; ++i) {
            if (std::strcmp(champ, paires[2 * i]) != 0) continue;
            if (std::strcmp(paires[2 * i + 1], "TOUJOURS") == 0) return 1;
            return ref::coherenSupInf(paires[2 * i + 1], dependance, INF);
        }
        return 0;
    };
    for (int i = 0; i < 20000; ++i) {
        const bool entree = i % 2 == 0;
        const tValAutorise* paires = entree ? TCME : TCMS;
        const int n = entree ? LenTCME : LenTCMS;
        const std::string code = g.entier(3) == 0 ? g.quelconque(2) : paires[2 * g.entier(static_cast<unsigned>(n / 2))];
        const std::string date = g.date();
        comparerSurDeuxValeurs(
            date, code, [paires, n](const char* d, char* c) { return fVerifValAutDate(d, c, paires, n); },
            [&reference, paires, n](const char* d, char* c) { return reference(d, c, paires, n); });
    }
}
