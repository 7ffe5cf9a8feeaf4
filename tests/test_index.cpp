// Indexes of the allowed-value tables: every answer must be the answer of the
// scan they replace (partner codes, then the table's strings, whole-string
// comparison), for every reference table and for values in and out of it.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <memory>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "outils.h"
#include "checks/generiques.h"
#include "checks/index.h"
#include "model/modele.h"
#include "reference/valautorise.h"

namespace {

const char* const kPartenaires[] = {"NORMABEV", "NORM01  ", "NORM02  ", "PFOC01  "};

// The scan, written out independently of the code under test.
bool parcours(const std::string& valeur, const tValAutorise* table, int nombre,
              bool avecPartenaires = true) {
    if (avecPartenaires) {
        for (const char* p : kPartenaires) {
            if (valeur == p) return true;
        }
    }
    for (int i = 0; i < nombre; ++i) {
        if (valeur == table[i]) return true;
    }
    return false;
}

// A copy of exactly the value's size, so that a lookup reading past the
// terminating NUL is caught by the address sanitizer.
// Values to look up: every string of every reference table, each also cut
// short, lengthened and altered at either end; the partner codes likewise;
// blanks and stars of every width up to 62; every value of one and two
// characters from a wide alphabet; bytes outside ASCII.
const std::vector<std::string>& sondes() {
    static const std::vector<std::string> toutes = [] {
        std::set<std::string> s;
        auto variantes = [&s](const std::string& v) {
            s.insert(v);
            for (size_t n = 0; n < v.size(); ++n) s.insert(v.substr(0, n));
            s.insert(v + " ");
            s.insert(v + "A");
            s.insert(v + v);
            if (!v.empty()) {
                std::string w = v;
                w.back() = static_cast<char>(w.back() + 1);
                s.insert(w);
                w = v;
                w.front() = static_cast<char>(w.front() ^ 0x20);
                s.insert(w);
                s.insert(v.substr(1));
            }
        };
        for (const TableDeReference& t : tablesDeReference()) {
            for (int i = 0; i < *t.nombre; ++i) variantes(t.valeurs[i]);
        }
        for (const char* p : kPartenaires) variantes(p);
        for (size_t n = 0; n <= 62; ++n) {
            s.insert(std::string(n, ' '));
            s.insert(std::string(n, '*'));
        }
        const std::string alphabet = " *.,0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabz\x7f\xc9\xff";
        for (const char a : alphabet) {
            s.insert(std::string(1, a));
            for (const char b : alphabet) s.insert(std::string{a, b});
        }
        // A value is a C string: it holds no NUL.
        std::vector<std::string> valeurs;
        for (const std::string& v : s) {
            if (v.find('\0') == std::string::npos) valeurs.push_back(v);
        }
        return valeurs;
    }();
    return toutes;
}

}  // namespace

TEST(Index, EveryReferenceTableAnswersAsTheScan) {
    const RepertoireIndex repertoire(kPartenaires);
    for (const TableDeReference& t : tablesDeReference()) {
        SCOPED_TRACE(t.nom);
        const IndexValeurs* index = repertoire.trouver(t.valeurs, *t.nombre);
        ASSERT_NE(index, nullptr);
        const IndexValeurs sansPartenaires(t.valeurs, *t.nombre, {});
        for (const std::string& v : sondes()) {
            const auto valeur = essai::Valeur(v);
            const bool attendu = parcours(v, t.valeurs, *t.nombre);
            ASSERT_EQ(index->contient(valeur.get()), attendu) << '"' << v << '"';
            ASSERT_EQ(estDansTable(valeur.get(), t.valeurs, *t.nombre), attendu) << '"' << v << '"';
            ASSERT_EQ(fVerifValAut("", valeur.get(), t.valeurs, *t.nombre), attendu) << '"' << v << '"';
            ASSERT_EQ(sansPartenaires.contient(valeur.get()), parcours(v, t.valeurs, *t.nombre, false))
                << '"' << v << '"';
        }
    }
}

// A value held in a slot is read a word at a time, whatever the slot holds
// past its NUL: the slot is filled with a garbage byte before the value is
// written (a NUL among the garbage included), and the answer must still be
// the scan's.
TEST(Index, ValuesInASlotAnswerAsTheScan) {
    const RepertoireIndex repertoire(kPartenaires);
    const char dechets[] = {'\0', ' ', 'A', '0', '\x7f', '\xff', '\x80', '\x01'};
    for (const TableDeReference& t : tablesDeReference()) {
        SCOPED_TRACE(t.nom);
        const IndexValeurs* index = repertoire.trouver(t.valeurs, *t.nombre);
        ASSERT_NE(index, nullptr);
        for (const std::string& v : sondes()) {
            if (v.size() > LONGUEUR_VSE) continue;
            const bool attendu = parcours(v, t.valeurs, *t.nombre);
            for (const char dechet : dechets) {
                valeurVSE slot;
                std::memset(slot.valeur, dechet, sizeof slot.valeur);
                std::memcpy(slot.valeur, v.c_str(), v.size() + 1);
                ASSERT_EQ(index->contientDansSlot(slot.valeur), attendu)
                    << '"' << v << "\" after " << static_cast<int>(static_cast<unsigned char>(dechet));
            }
        }
    }
}

TEST(Index, EveryTableDefinedIsListed) {
    // One list of the tables declares them and registers their indexes: a
    // table defined outside it would still be scanned, but this test says so.
    std::ifstream f(std::string(TELVAROS_SOURCE) + "/src/reference/valautorise.cpp");
    ASSERT_TRUE(f);
    std::stringstream texte;
    texte << f.rdbuf();
    const std::string contenu = texte.str();
    const std::regex declaration(R"(\nconst tValAutorise (\w+)\[\] = )");
    std::set<std::string> declarees;
    for (auto it = std::sregex_iterator(contenu.begin(), contenu.end(), declaration); it != std::sregex_iterator();
         ++it) {
        declarees.insert((*it)[1]);
    }
    std::set<std::string> listees;
    for (const TableDeReference& t : tablesDeReference()) EXPECT_TRUE(listees.insert(t.nom).second) << t.nom;
    EXPECT_GT(declarees.size(), 60u);
    EXPECT_EQ(listees, declarees);
}

TEST(Index, OnlyReferenceTablesWithTheirOwnCountAreIndexed) {
    const RepertoireIndex repertoire(kPartenaires);
    // The large tables are indexed.
    for (const auto& [table, nombre] : std::vector<std::pair<const tValAutorise*, int>>{
             {TP, LenTP}, {TDC, LenTDC}, {TD, LenTD}, {TCPNOCEE, LenTCPNOCEE}, {TRG, LenTRG}, {TR, LenTR}}) {
        EXPECT_NE(repertoire.trouver(table, nombre), nullptr);
        // Read with another count, the table is scanned.
        EXPECT_EQ(repertoire.trouver(table, nombre - 1), nullptr);
    }
    EXPECT_EQ(repertoire.trouver(nullptr, 0), nullptr);
    EXPECT_EQ(repertoire.trouver(TP + 1, LenTP - 1), nullptr);

    // A table built elsewhere is scanned, with the same answers.
    const tValAutorise locale[] = {"ZZ", "", "UNE VALEUR DE PLUS DE HUIT", "NORM01"};
    EXPECT_EQ(repertoire.trouver(locale, 4), nullptr);
    for (const std::string& v : {std::string("ZZ"), std::string(""), std::string("UNE VALEUR DE PLUS DE HUIT"),
                                 std::string("UNE VALEUR DE PLUS DE HUI"), std::string("NORM01"),
                                 std::string("NORM01  "), std::string("NORMABEV"), std::string("FR")}) {
        const auto valeur = essai::Valeur(v);
        EXPECT_EQ(estDansTable(valeur.get(), locale, 4), parcours(v, locale, 4)) << v;
        EXPECT_EQ(estDansTable(valeur.get(), locale, 2), parcours(v, locale, 2)) << v;
        EXPECT_EQ(estDansTableParcours(valeur.get(), locale, 4), parcours(v, locale, 4)) << v;
    }
    // A reference table read with a shorter count stops where the count says.
    EXPECT_EQ(estDansTable("98", TD, LenTD), 1);
    EXPECT_EQ(estDansTable("98", TD, LenTD - 1), 0);
    EXPECT_EQ(estDansTable("NORM02  ", TD, 0), 1);
}

TEST(Index, LongEmptyRepeatedAndSharedPrefixStrings) {
    // Strings that agree on their first 8 bytes differ only in what follows;
    // the empty string and repeated strings are ordinary members.
    const tValAutorise table[] = {
        "",          "ABCDEFGH",         "ABCDEFGHX", "ABCDEFGHY",        "ABCDEFGHXY", "ABCDEFG",
        "ABCDEFGH",  "        ",         "         ", "\xc9T\xc9",        "A",          "AB",
        "0123456789012345678901234567890123456789012345678901234567890",
    };
    const int nombre = static_cast<int>(std::size(table));
    const std::vector<std::string> valeurs = {
        "", " ", "A", "AB", "ABC", "ABCDEFG", "ABCDEFGH", "ABCDEFGHX", "ABCDEFGHY", "ABCDEFGHZ", "ABCDEFGHXY",
        "ABCDEFGHXYZ", "ABCDEFGHYX", "BBCDEFGHX", "       ", "        ", "         ", "          ", "\xc9T\xc9",
        "\xc9T", "\xc9T\xc9 ", "0123456789012345678901234567890123456789012345678901234567890",
        "012345678901234567890123456789012345678901234567890123456789",
        "01234567890123456789012345678901234567890123456789012345678901", "NORMABEV", "NORM01  ",
    };
    for (int n = 0; n <= nombre; ++n) {
        const IndexValeurs avec(table, n, kPartenaires);
        const IndexValeurs sans(table, n, {});
        for (const std::string& v : valeurs) {
            const auto valeur = essai::Valeur(v);
            EXPECT_EQ(avec.contient(valeur.get()), parcours(v, table, n)) << n << " \"" << v << '"';
            EXPECT_EQ(sans.contient(valeur.get()), parcours(v, table, n, false)) << n << " \"" << v << '"';
        }
    }
    // Many strings of one length that share their first 8 bytes: only what
    // follows tells members (even numbers) from the others.
    std::vector<std::string> textes;
    for (int i = 0; i < 600; ++i) textes.push_back("PREFIXE:" + std::to_string(1000 + i));
    std::vector<const char*> pairs;
    for (size_t i = 0; i < textes.size(); i += 2) pairs.push_back(textes[i].c_str());
    const IndexValeurs prefixes(pairs.data(), static_cast<int>(pairs.size()), {});
    for (size_t i = 0; i < textes.size(); ++i) {
        EXPECT_EQ(prefixes.contient(textes[i].c_str()), i % 2 == 0) << textes[i];
    }

    // Two-character strings, printable or not, with values of 2 characters
    // on either side of the printable range.
    const tValAutorise paires[] = {"AB", "~~", "  ", "\xc9T", "ABC"};
    for (int n = 0; n <= 5; ++n) {
        const IndexValeurs index(paires, n, {});
        for (const std::string& v : {std::string("AB"), std::string("AC"), std::string("~~"), std::string("  "),
                                     std::string("\xc9T"), std::string("\x1f "), std::string(" \x7f"),
                                     std::string("\x7f\x7f"), std::string("A"), std::string("ABC")}) {
            EXPECT_EQ(index.contient(essai::Valeur(v).get()), parcours(v, paires, n, false)) << n << " \"" << v << '"';
        }
    }

    // No string at all: nothing is a member, not even the empty value.
    const IndexValeurs vide(nullptr, 0, {});
    EXPECT_FALSE(vide.contient(""));
    EXPECT_FALSE(vide.contient("NORMABEV"));
}
