// The fast paths of the device, import and exchange checks held equal to the
// straightforward code they replaced, kept here as references. Each value is
// handed to both in every place a check may find it: a value slot of the body,
// trailer or header with stale bytes after its NUL, the last bytes of the last
// body slot (too near the end of the slots for a word read), and a buffer of
// exactly its own length.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "equivalences.h"
#include "outils.h"
#include "checks/comparaisons.h"
#include "checks/dispositifs.h"
#include "checks/generiques.h"
#include "checks/identifiants.h"
#include "checks/nombres.h"
#include "model/modele.h"
#include "records/dispositifs_communs.h"
#include "records/impo.h"
#include "reference/valautorise.h"

namespace {

using essai::Emplacement;
using essai::kPlaces;
using essai::montrer;
using essai::Place;

// ---------------------------------------------------------------------------
// References: the previous straightforward code.
namespace ref {

std::int32_t lireEntier(const char* texte) { return lireEntierDe(texte, INT32_MAX); }

bool quantiteJusqua(const char* quantite, int maximum) {
    const int n = lireEntier(quantite);
    return n > 0 && n <= maximum;
}

bool plageJusqua(const char* numero, int depuis, const char* quantite, int maximum) {
    int longueur = 0;
    while (longueur < depuis - 1 && numero[longueur] != '\0') ++longueur;
    const char* suite = longueur == depuis - 1 ? numero + depuis - 1 : "";
    return sommeSaturee(lireEntier(suite), lireEntier(quantite)) <= maximum;
}

// A model code's character at `position`, as a 1-character string, in the table.
bool caractereDansTable(const char* v, int position, const void* sverif, int lenSverif) {
    if (std::strlen(v) < static_cast<std::size_t>(position)) return false;
    const char cle[2] = {v[position - 1], '\0'};
    return estDansTable(cle, sverif, lenSverif) != 0;
}
bool huitBlancs(const char* v) { return std::strcmp(v, "        ") == 0; }

int oc(const char* v, int position, const void* sverif, int lenSverif) {
    return caractereDansTable(v, position, sverif, lenSverif);
}
int bv(const char* v, int position, const void* sverif, int lenSverif) {
    return huitBlancs(v) || caractereDansTable(v, position, sverif, lenSverif);
}

int vdiffNullVtab(const char* v, const void* sverif, int lenSverif) {
    if (std::strncmp(v, "  ", 2) == 0 || std::strncmp(v, "**", 2) == 0) return 1;
    return estDansTable(v, sverif, lenSverif);
}

bool regleDepartement(const char* v, const void* sverif, int lenSverif) {
    if (std::strlen(v) < 2 || sverif == nullptr) return false;
    bool trouve = false;
    const char departement[3] = {v[0], v[1], '\0'};
    if (sverif == TD && lenSverif == LenTD) {
        trouve = estDansTable(departement, TD, LenTD) != 0;
    } else {
        const auto* table = static_cast<const tValAutorise*>(sverif);
        for (int i = 0; i < lenSverif && !trouve; ++i) trouve = std::strncmp(v, table[i], 2) == 0 && std::strlen(table[i]) >= 2;
    }
    if (!trouve) return false;
    return std::strncmp(v, "97", 2) != 0 || (v[2] != '\0' && std::strchr("12346", v[2]) != nullptr);
}

int conformeFrancais(const char* v, const void* sverif, int lenSverif, std::size_t n, const char* fin) {
    if (!regleDepartement(v, sverif, lenSverif)) return 0;
    for (std::size_t i = 0; i < n; ++i) {
        if (v[i] < '0' || v[i] > '9') return 0;
    }
    return std::strcmp(v + n, fin) == 0;
}

bool estPaysEchange(const char* pays) { return estDansTable(pays, TECH, LenTECH) != 0; }

}  // namespace ref

// ---------------------------------------------------------------------------
// Generated values.
class Generateur {
public:
    explicit Generateur(unsigned graine) : alea_(graine) {}
    unsigned entier(unsigned n) { return static_cast<unsigned>(alea_() % n); }
    // Any byte but NUL (a NUL of the line reaches the checks as 0x7F).
    char octet() {
        static const char kChoix[] = {' ', '\t', '\n', '+', '-', '/', ':', '.', 'A', 'Z', 'a', '\x7F', '\x80', '\xFA',
                                      '\xFF', '0', '9', '5'};
        if (entier(3) == 0) return kChoix[entier(sizeof kChoix)];
        return static_cast<char>(1 + entier(255));
    }
    std::string quelconque(unsigned maximum) {
        std::string v;
        const unsigned n = entier(maximum + 1);
        for (unsigned i = 0; i < n; ++i) v += octet();
        return v;
    }
    std::string chiffres(unsigned n) {
        std::string v;
        for (unsigned i = 0; i < n; ++i) v += static_cast<char>('0' + entier(10));
        return v;
    }
    // Digits, then maybe a tail of any bytes, with a start drawn among blanks,
    // signs and zeros now and then: every way a number may be read.
    std::string nombre() {
        static const char* const kDebuts[] = {"", "", "", "", " ", "-", "+", "0", "000", "\t", "\xB0"};
        std::string v = kDebuts[entier(sizeof kDebuts / sizeof kDebuts[0])];
        const unsigned n = entier(4) == 0 ? entier(25) : entier(12);
        for (unsigned i = 0; i < n; ++i) v += static_cast<char>('0' + (entier(7) == 0 ? 9 : entier(10)));
        if (entier(3) == 0) v += quelconque(6);
        if (entier(13) == 0) v = quelconque(10);
        return v;
    }

private:
    std::mt19937 alea_;
};

}  // namespace

// Numbers read 8 bytes at a time: the same value as the general reading for
// every run of digits up to past 16, every start and tail, in every place,
// with digits or other bytes left stale after the NUL.
TEST(TypesRapides, LectureDesNombresCommeLaLectureGenerale) {
    Generateur g(11);
    for (int i = 0; i < 80000; ++i) {
        const std::string v = g.nombre();
        const std::int32_t attendu = ref::lireEntier(v.c_str());
        for (const Place place : kPlaces) {
            for (const char remplissage : {'S', '7', '\0'}) {
                Emplacement e(place, v, remplissage);
                ASSERT_EQ(lireEntier(e.get()), attendu)
                    << montrer(v) << " place " << static_cast<int>(place) << " reste " << int{remplissage};
            }
        }
    }
    // Every length of digits around the word and the 32-bit bounds.
    for (unsigned n = 0; n <= 20; ++n) {
        for (const char* suite : {"", " ", "9", "\xFA", "\xFF", "/", ":"}) {
            for (const char c : {'0', '1', '9'}) {
                const std::string v = std::string(n, c) + suite;
                for (const Place place : kPlaces) {
                    Emplacement e(place, v);
                    ASSERT_EQ(lireEntier(e.get()), ref::lireEntier(v.c_str())) << montrer(v);
                }
            }
        }
    }
    for (const char* v : {"2147483647", "2147483648", "4294967296", "9999999999999999", "0000000002147483647",
                          "00000000002147483648", "12345678", "123456789", "1234567890123456"}) {
        Emplacement e(Place::corps, v);
        ASSERT_EQ(lireEntier(e.get()), ref::lireEntier(v)) << v;
    }
}

// The quantity and range checks of NUMA and PICO built on that reading.
TEST(TypesRapides, QuantitesEtPlagesCommeAvant) {
    Generateur g(12);
    for (int i = 0; i < 30000; ++i) {
        const std::string quantite = i % 2 == 0 ? g.chiffres(6) : g.nombre().substr(0, 6);
        const std::string numero = i % 3 == 0 ? g.chiffres(12) : g.nombre().substr(0, 12);
        for (const int maximum : {1000, 10000}) {
            const bool attenduQ = ref::quantiteJusqua(quantite.c_str(), maximum);
            for (const Place place : kPlaces) {
                Emplacement q(place, quantite, '9');
                ASSERT_EQ(quantiteJusqua(q.get(), maximum), attenduQ) << montrer(quantite);
            }
        }
        for (const auto& [depuis, maximum] : {std::pair{3, 100000000}, std::pair{7, 100000}, std::pair{8, 10000}}) {
            const bool attendu = ref::plageJusqua(numero.c_str(), depuis, quantite.c_str(), maximum);
            for (const Place place : kPlaces) {
                Emplacement n(Place::corps, numero, '8', C5);
                Emplacement q(place, quantite, '9');
                ASSERT_EQ(plageJusqua(n.get(), depuis, q.get(), maximum), attendu)
                    << montrer(numero) << ' ' << montrer(quantite) << " depuis " << depuis;
                essai::Valeur exact(numero);
                ASSERT_EQ(plageJusqua(exact.get(), depuis, q.get(), maximum), attendu);
            }
        }
    }
}

// Lists looked up through kept indexes: the same answers as estDansTable for
// reference tables and a table of the test's own, taken in turns so that the
// kept indexes are replaced, over values of 0 to 3 characters.
TEST(TypesRapides, IndexGardesCommeEstDansTable) {
    static const tValAutorise propre[] = {"AB", "Z", "", "\x7F\x80", "XYZ"};
    struct Table {
        const void* valeurs;
        int nombre;
    };
    const Table tables[] = {{TP, LenTP},         {TR, LenTR},       {TD, LenTD},     {FAB_REP, LenFAB_REP},
                            {TP, LenTP - 1},     {propre, 5},       {propre, 2},     {C2_MODEL_BV, LenC2_MODEL_BV},
                            {nullptr, 0},        {TECH, LenTECH}};
    constexpr int NB_TABLES = static_cast<int>(sizeof tables / sizeof tables[0]);
    Generateur g(13);
    IndexMemorise index;
    // Every entry of every table asked of each table in turn, the tables in
    // several orders: the same table read with two counts, tables replaced
    // and found again.
    std::vector<std::string> entrees = {"", "  ", "**", "FR", "XX"};
    for (const Table& t : tables) {
        for (int i = 0; t.valeurs != nullptr && i < t.nombre; ++i) entrees.emplace_back(static_cast<const tValAutorise*>(t.valeurs)[i]);
    }
    // Each pair of tables as the first two kept, both orders, from fresh.
    for (const Table& a : tables) {
        for (const Table& b : tables) {
            IndexMemorise neuf;
            for (const std::string& v : entrees) {
                for (const Table* t : {&a, &b, &a}) {
                    ASSERT_EQ(neuf.contient(v.c_str(), t->valeurs, t->nombre),
                              estDansTable(v.c_str(), t->valeurs, t->nombre) != 0)
                        << montrer(v) << " tables " << (&a - tables) << ' ' << (&b - tables);
                }
            }
        }
    }
    for (int tour = 0; tour < 3 * NB_TABLES; ++tour) {
        const Table& t = tables[(tour * (tour % 3 + 1)) % NB_TABLES];
        for (const std::string& v : entrees) {
            ASSERT_EQ(index.contient(v.c_str(), t.valeurs, t.nombre), estDansTable(v.c_str(), t.valeurs, t.nombre) != 0)
                << montrer(v) << " table " << (&t - tables);
        }
        const Table& autre = tables[tour % NB_TABLES];
        const std::string& v = entrees[static_cast<std::size_t>(tour) % entrees.size()];
        ASSERT_EQ(index.contient(v.c_str(), autre.valeurs, autre.nombre),
                  estDansTable(v.c_str(), autre.valeurs, autre.nombre) != 0);
    }
    for (int i = 0; i < 60000; ++i) {
        // Mostly a few tables in turns, now and then any of them.
        const Table& t = tables[g.entier(5) == 0 ? g.entier(NB_TABLES) : i % 3];
        std::string v;
        if (g.entier(2) == 0 && t.nombre > 0 && t.valeurs != nullptr) {
            v = static_cast<const tValAutorise*>(t.valeurs)[g.entier(static_cast<unsigned>(t.nombre))];
        } else {
            v = g.quelconque(3);
        }
        ASSERT_EQ(index.contient(v.c_str(), t.valeurs, t.nombre), estDansTable(v.c_str(), t.valeurs, t.nombre) != 0)
            << montrer(v) << " table " << (&t - tables);
        for (const Place place : kPlaces) {
            Emplacement e(place, v);
            ASSERT_EQ(fVDIFFNULLVTAB(nullptr, e.get(), t.valeurs, t.nombre),
                      ref::vdiffNullVtab(v.c_str(), t.valeurs, t.nombre))
                << montrer(v);
            ASSERT_EQ(fVTABDIFFFR(nullptr, e.get(), t.valeurs, t.nombre) != 0,
                      v != "FR" && estDansTable(v.c_str(), t.valeurs, t.nombre) != 0)
                << montrer(v);
            ASSERT_EQ(impo_C20(nullptr, e.get(), t.valeurs, t.nombre) != 0,
                      !estDansTable(v.c_str(), FR, LenFR) && estDansTable(v.c_str(), t.valeurs, t.nombre))
                << montrer(v);
        }
    }
}

// The model checks of the tags, each with its own table, another one, and a
// table of the test's own.
TEST(TypesRapides, ModelesDeBouclesCommeAvant) {
    static const tValAutorise propre[] = {"A", "1", "\xC3"};
    Generateur g(14);
    using Controle = int (*)(const char*, char*, const void*, int);
    struct Cas {
        Controle controle;
        int position;
        bool bv;
    };
    const Cas cas[] = {{fConform_OC_model2, 1, false}, {fConform_OC_model3, 2, false}, {fConform_OC_model4, 3, false},
                       {fConform_BV_model2, 1, true},  {fConform_BV_model3, 2, true},  {fConform_BV_model4, 3, true}};
    const std::pair<const void*, int> tables[] = {
        {FAB_REP, LenFAB_REP}, {C2_MODEL, LenC2_MODEL}, {C3_MODEL, LenC3_MODEL}, {C2_MODEL_BV, LenC2_MODEL_BV},
        {C3_MODEL_BV, LenC3_MODEL_BV}, {propre, 3}, {nullptr, 0}};
    for (int i = 0; i < 20000; ++i) {
        std::string v;
        switch (g.entier(4)) {
            case 0: v = "        "; break;
            case 1: v = g.quelconque(9); break;
            default:
                for (int k = 0; k < 6; ++k) v += static_cast<char>(g.entier(2) == 0 ? 'A' + g.entier(26) : '0' + g.entier(10));
                v += "  ";
                if (g.entier(4) == 0) v = v.substr(0, g.entier(9));
        }
        const auto& [table, nombre] = tables[g.entier(4) == 0 ? g.entier(7) : i % 2];
        for (const Cas& c : cas) {
            const int attendu = c.bv ? ref::bv(v.c_str(), c.position, table, nombre)
                                     : ref::oc(v.c_str(), c.position, table, nombre);
            for (const Place place : kPlaces) {
                Emplacement e(place, v);
                ASSERT_EQ(c.controle(nullptr, e.get(), table, nombre) != 0, attendu != 0)
                    << montrer(v) << " position " << c.position;
            }
        }
    }
}

// French holding and bovine numbers, and the exchange countries, with TD
// looked up through its kept index.
TEST(TypesRapides, NumerosFrancaisCommeAvant) {
    static const tValAutorise propre[] = {"97", "2A", "0", "12"};
    Generateur g(15);
    const std::pair<const void*, int> tables[] = {{TD, LenTD}, {TD, LenTD - 3}, {propre, 4}, {nullptr, 0}};
    for (int i = 0; i < 40000; ++i) {
        std::string v;
        const unsigned forme = g.entier(6);
        if (forme == 0) {
            v = g.quelconque(13);
        } else {
            static const char* const kDebuts[] = {"97", "2A", "2B", "01", "75", "98", "00", "20", "976", "975", "9"};
            v = kDebuts[g.entier(sizeof kDebuts / sizeof kDebuts[0])];
            v += g.chiffres(10);
            v = v.substr(0, forme == 1 ? g.entier(13) : (g.entier(2) == 0 ? 8 : 10));
            v += std::string(12 - std::min<std::size_t>(v.size(), 12), ' ');
            if (g.entier(8) == 0) v[g.entier(12)] = g.octet();
        }
        const auto& [table, nombre] = tables[g.entier(3) == 0 ? g.entier(4) : 0];
        const int attendu8 = ref::conformeFrancais(v.c_str(), table, nombre, 8, "    ");
        const int attendu10 = ref::conformeFrancais(v.c_str(), table, nombre, 10, "  ");
        static const char* const kPays[] = {"FR", "BE", "DE", "XX", "  ", "F", "", "ES", "CH"};
        const std::string pays = kPays[g.entier(sizeof kPays / sizeof kPays[0])];
        const int attenduEchange = ref::estPaysEchange(pays.c_str()) || attendu10;
        for (const Place place : kPlaces) {
            Emplacement e(place, v);
            ASSERT_EQ(fConform8(nullptr, e.get(), table, nombre) != 0, attendu8 != 0) << montrer(v);
            ASSERT_EQ(fConform10(nullptr, e.get(), table, nombre) != 0, attendu10 != 0) << montrer(v);
            ASSERT_EQ(fConform10FRnonECHAnon(pays.c_str(), e.get(), table, nombre) != 0, attenduEchange != 0)
                << montrer(pays) << ' ' << montrer(v);
        }
    }
}
