// Identifier and generic checks that read their value a word at a time or
// answer a table by one bit test, held equal to the byte-by-byte versions
// they replaced (kept below as references). Every value is handed to both in
// each place a check may find it: a body, trailer or header slot with stale
// bytes after its NUL, the very end of the body slots (too near for a word
// read), and a buffer of exactly its own size.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "equivalences.h"
#include "outils.h"
#include "checks/generiques.h"
#include "checks/identifiants.h"
#include "checks/octets.h"
#include "model/modele.h"
#include "reference/valautorise.h"

namespace {

using essai::Emplacement;
using essai::kPlaces;
using essai::montrer;
using essai::Place;

// ---------------------------------------------------------------------------
// References: the previous straightforward code.
namespace ref {

bool chiffre(char c) { return c >= '0' && c <= '9'; }
bool chiffreOuMajuscule(char c) { return chiffre(c) || (c >= 'A' && c <= 'Z'); }

bool premiersEgaux(const char* a, const char* b, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) {
        if (a[i] == '\0' || a[i] != b[i]) return false;
    }
    return true;
}

// Department of TD: the first two characters, looked up by the full scan.
bool departementTD(const char* v) {
    char d[3] = {};
    for (int i = 0; i < 2 && v[i] != '\0'; ++i) d[i] = v[i];
    return estDansTableParcours(d, TD, LenTD) != 0;
}

bool regleDepartement(const char* v, const void* sverif, int lenSverif) {
    bool trouve = false;
    if (sverif == TD && lenSverif == LenTD) {
        trouve = v[0] != '\0' && v[1] != '\0' && departementTD(v);
    } else if (sverif != nullptr) {
        const auto* table = static_cast<const tValAutorise*>(sverif);
        for (int i = 0; i < lenSverif && !trouve; ++i) trouve = premiersEgaux(v, table[i], 2);
    }
    if (!trouve) return false;
    return std::strncmp(v, "97", 2) != 0 || (v[2] != '\0' && std::strchr("12346", v[2]) != nullptr);
}

int conformeFrancais(const char* champ, const void* sverif, int lenSverif, std::size_t n, const char* fin) {
    if (!regleDepartement(champ, sverif, lenSverif)) return 0;
    for (std::size_t i = 0; i < n; ++i) {
        if (!chiffre(champ[i])) return 0;
    }
    return std::strcmp(champ + n, fin) == 0;
}

int numEtranger(const char* dependance, const char* champ) {
    std::size_t i = 0;
    while (chiffreOuMajuscule(champ[i])) ++i;
    if (i == 0) return 0;
    for (std::size_t j = i; champ[j] != '\0'; ++j) {
        if (champ[j] != ' ') return 0;
    }
    return !premiersEgaux(champ, dependance, 2);
}

int diffNull(const char* champ, const void* sverif, int lenSverif) {
    if (sverif == nullptr) return 1;
    const auto* table = static_cast<const tValAutorise*>(sverif);
    for (int i = 0; i < lenSverif; ++i) {
        if (std::strcmp(champ, table[i]) == 0) return 0;
    }
    return 1;
}

}  // namespace ref

// ---------------------------------------------------------------------------
// Generated values.

class Generateur : public essai::Tirage {
public:
    explicit Generateur(unsigned graine) : Tirage(graine, alphabet()) {}

    // A French number of the given digits padded with blanks to 12, of any
    // department form, then maybe spoilt: a byte changed, cut, lengthened,
    // or replaced by any bytes.
    std::string numeroFrancais(int nbChiffres) {
        static const char* const departements[] = {"01", "20", "2A", "2B", "95", "96", "97", "98", "99", "00"};
        std::string v = departements[entier(sizeof departements / sizeof departements[0])];
        for (int i = 2; i < nbChiffres; ++i) v += static_cast<char>('0' + entier(10));
        v += std::string(static_cast<std::size_t>(12 - nbChiffres), ' ');
        switch (entier(8)) {
            case 0: v[entier(static_cast<unsigned>(v.size()))] = auHasard(); break;
            case 1: v.resize(entier(static_cast<unsigned>(v.size()) + 1)); break;
            case 2: v += auHasard(); break;
            case 3: v = quelconque(14); break;
            case 4: v[8 + entier(4)] = static_cast<char>('0' + entier(10)); break;
            default: break;
        }
        return v;
    }

    // A foreign number: capitals and digits, then blanks, maybe spoilt.
    std::string numeroEtranger() {
        static const char forts[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
        std::string v;
        const unsigned n = entier(21);
        for (unsigned i = 0; i < n; ++i) v += forts[entier(sizeof forts - 1)];
        v += std::string(entier(11), ' ');
        switch (entier(6)) {
            case 0:
                if (!v.empty()) v[entier(static_cast<unsigned>(v.size()))] = auHasard();
                break;
            case 1: v = quelconque(17); break;
            case 2: v.insert(0, std::string(entier(3), ' ')); break;
            default: break;
        }
        return v;
    }

private:
    static std::string alphabet() {
        std::string a = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ   az*:/@[`\x7F\x80\xC3\xFF\x01";
        a += std::string(4, ' ');
        return a;
    }
};

void comparerSurUneValeur(const std::string& v, const std::function<int(char*)>& rapide,
                          const std::function<int(const char*)>& reference) {
    const int attendu = reference(v.c_str()) != 0;
    for (const Place place : kPlaces) {
        for (const char remplissage : {'S', '\0', ' ', '0'}) {
            Emplacement e(place, v, remplissage);
            ASSERT_EQ(rapide(e.get()) != 0, attendu) << montrer(v) << " place " << static_cast<int>(place);
            ASSERT_EQ(std::string(e.get()), v) << montrer(v);
        }
    }
}

void comparerSurDeuxValeurs(const std::string& dependance, const std::string& v,
                            const std::function<int(const char*, char*)>& rapide,
                            const std::function<int(const char*, const char*)>& reference) {
    const int attendu = reference(dependance.c_str(), v.c_str()) != 0;
    for (const Place place : kPlaces) {
        for (const char remplissage : {'S', ' ', 'D'}) {
            Emplacement e(place, v, remplissage);
            essai::Valeur dep(dependance);
            ASSERT_EQ(rapide(dep.get(), e.get()) != 0, attendu)
                << montrer(dependance) << ' ' << montrer(v) << " place " << static_cast<int>(place);
        }
    }
}

// Tables other than TD for the department rule: the scan of their first two
// characters must stay as it was.
const tValAutorise kAutresDepartements[] = {"01X", "97", "2A", "9"};

}  // namespace

// The French numbers of 8 and 10 digits, with TD (word reads and one bit for
// the department) and with other tables (scanned), over every department form.
TEST(IdentifiantsRapides3, NumerosFrancaisCommeAvant) {
    Generateur g(31);
    for (int i = 0; i < 40000; ++i) {
        const int n = i % 2 == 0 ? 8 : 10;
        const std::string v = g.numeroFrancais(i % 5 == 0 ? 18 - n : n);
        comparerSurUneValeur(
            v, [](char* c) { return fConform8(depVide, c, TD, LenTD); },
            [](const char* c) { return ref::conformeFrancais(c, TD, LenTD, 8, "    "); });
        comparerSurUneValeur(
            v, [](char* c) { return fConform10(depVide, c, TD, LenTD); },
            [](const char* c) { return ref::conformeFrancais(c, TD, LenTD, 10, "  "); });
        if (i % 4 == 0) {
            comparerSurUneValeur(
                v, [](char* c) { return fConform8(depVide, c, kAutresDepartements, 4); },
                [](const char* c) { return ref::conformeFrancais(c, kAutresDepartements, 4, 8, "    "); });
            comparerSurUneValeur(
                v, [](char* c) { return fConform10(depVide, c, TD, LenTD - 1); },
                [](const char* c) { return ref::conformeFrancais(c, TD, LenTD - 1, 10, "  "); });
        }
    }
}

// Every pair of bytes as the department of a well-formed number: the bit
// test answers as the scan of TD, and only a 2-character entry matches.
TEST(IdentifiantsRapides3, DepartementsParPaireCommeLaTable) {
    int acceptes = 0;
    for (int a = 1; a < 256; ++a) {
        for (int b = 1; b < 256; ++b) {
            std::string v8 = {static_cast<char>(a), static_cast<char>(b)};
            std::string v10 = v8;
            v8 += "345678    ";
            v10 += "34567890  ";
            ASSERT_EQ(verifNumExploitFr(v8.c_str()) != 0, ref::departementTD(v8.c_str())) << montrer(v8);
            Emplacement e8(Place::corps, v8);
            Emplacement e10(Place::corps, v10, 'S', C8);
            const bool attendu8 = ref::conformeFrancais(v8.c_str(), TD, LenTD, 8, "    ") != 0;
            ASSERT_EQ(fConform8(depVide, e8.get(), TD, LenTD) != 0, attendu8) << montrer(v8);
            ASSERT_EQ(fConform10(depVide, e10.get(), TD, LenTD) != 0,
                      ref::conformeFrancais(v10.c_str(), TD, LenTD, 10, "  ") != 0)
                << montrer(v10);
            acceptes += attendu8;
        }
    }
    // Every department of TD but the overseas "97" (its third character here
    // is '3', accepted) is 2 digits: all of them pass.
    EXPECT_EQ(acceptes, LenTD);
}

// Foreign national numbers and their filled variant, against every country
// form, in every place.
TEST(IdentifiantsRapides3, NumerosEtrangersCommeAvant) {
    Generateur g(32);
    const std::vector<std::string> pays = {"DE", "FR", "BE", "  ", "", "D", "DEX", "0", "01", "AB"};
    for (int i = 0; i < 40000; ++i) {
        const std::string v = g.numeroEtranger();
        const std::string p = i % 3 == 0 ? v.substr(0, 2) : pays[g.entier(static_cast<unsigned>(pays.size()))];
        comparerSurDeuxValeurs(
            p, v, [](const char* d, char* c) { return fVerifNumEtranger(d, c, nullptr, 0); },
            [](const char* d, const char* c) { return ref::numEtranger(d, c); });
        comparerSurDeuxValeurs(
            p, v, [](const char* d, char* c) { return fVerifNumEtrangerN(d, c, nullptr, 0); },
            [](const char* d, const char* c) {
                return std::strcmp(c, "            ") == 0 || std::strcmp(c, "************") == 0 ||
                       ref::numEtranger(d, c);
            });
    }
}

// The "differs from nothing" check: one-entry tables of blanks answered from
// the first byte, longer tables and empty entries walked, a null table.
TEST(IdentifiantsRapides3, DifferentDuVideCommeAvant) {
    Generateur g(33);
    static const tValAutorise deux[] = {"        ", "FALSE   "};
    static const tValAutorise vide[] = {""};
    static const tValAutorise avecVide[] = {"AB", "", " "};
    struct Table {
        const tValAutorise* valeurs;
        int nombre;
    };
    const Table tables[] = {{DouzeBlancs, LenDouzeBlancs}, {quatreBlancs, LenquatreBlancs}, {deux, 2}, {vide, 1},
                            {avecVide, 3},  {avecVide, 1},   {deux, 0}, {nullptr, 0}};
    for (int i = 0; i < 20000; ++i) {
        const Table& t = tables[g.entier(sizeof tables / sizeof tables[0])];
        std::string v;
        switch (g.entier(4)) {
            case 0:
                if (t.valeurs != nullptr && t.nombre > 0) v = t.valeurs[g.entier(static_cast<unsigned>(t.nombre))];
                break;
            case 1: v = std::string(g.entier(14), ' '); break;
            default: v = g.quelconque(13); break;
        }
        if (!v.empty() && g.entier(5) == 0) v.back() = g.quelconque(1).empty() ? 'x' : ' ';
        comparerSurUneValeur(
            v, [&t](char* c) { return fVerifDiffNull(depVide, c, t.valeurs, t.nombre); },
            [&t](const char* c) { return ref::diffNull(c, t.valeurs, t.nombre); });
    }
}
