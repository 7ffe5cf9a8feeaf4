// The list checks that the record walk answers from their table's index
// (fVerifValAut, fVDIFFNULLVTAB, fVTABDIFFFR) give there exactly what the
// checks themselves answer: over every reference table, its own strings, the
// same strings cut, lengthened or changed by a byte, the values those checks
// look at first ("  ", "**", "FR" and their neighbours) and drawn values,
// each held in a body, trailer or header slot whose bytes past the value are
// stale.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "checks/comparaisons.h"
#include "checks/generiques.h"
#include "checks/index.h"
#include "equivalences.h"
#include "model/modele.h"

namespace {

using essai::Emplacement;
using essai::montrer;
using essai::Place;

struct ListeIndexee {
    const char* nom;
    pfVerif_t verif;
};
const ListeIndexee kListes[] = {
    {"fVerifValAut", fVerifValAut}, {"fVDIFFNULLVTAB", fVDIFFNULLVTAB}, {"fVTABDIFFFR", fVTABDIFFFR}};

// The values tried against a table: its strings and their neighbours, the
// values looked at first, and draws over the table's bytes and a few others.
std::vector<std::string> valeursPour(const TableDeReference& table, essai::Tirage& tirage) {
    std::vector<std::string> valeurs = {"",    " ",   "  ",  "   ", "  X", "**",  "**X", "*",   "* ",  " *",
                                        "*  ", "FR",  "FR ", "F",   "FRA", " FR", "fr",  "\x7f", "\xe9", "  \xe9"};
    for (int i = 0; i < *table.nombre; ++i) {
        const std::string s = table.valeurs[i];
        valeurs.push_back(s);
        if (!s.empty()) {
            valeurs.push_back(s.substr(0, s.size() - 1));
            std::string change = s;
            change[tirage.entier(static_cast<unsigned>(s.size()))] ^= 1;
            valeurs.push_back(change);
        }
        valeurs.push_back(s + " ");
        valeurs.push_back(s + "A");
    }
    for (int i = 0; i < 200; ++i) valeurs.push_back(tirage.quelconque(10));
    return valeurs;
}

}  // namespace

TEST(ListesIndexees, CommeLesControlesSurChaqueTable) {
    AvantLaListe avant = AvantLaListe::rien;
    EXPECT_FALSE(listeIndexee(fVerifDiffNull, avant));
    EXPECT_FALSE(listeIndexee(fVDIFFNULLP6, avant));
    int indexees = 0;
    int admises = 0;
    int refusees = 0;
    for (const ListeIndexee& liste : kListes) {
        ASSERT_TRUE(listeIndexee(liste.verif, avant)) << liste.nom;
        for (const TableDeReference& table : tablesDeReference()) {
            const IndexValeurs* index = indexDeTable(table.valeurs, *table.nombre);
            ASSERT_NE(index, nullptr) << table.nom;
            ++indexees;
            std::string alphabet = " *FR0123456789AZaz\x7f\xe9";
            for (int i = 0; i < *table.nombre; ++i) alphabet += table.valeurs[i];
            essai::Tirage tirage(static_cast<unsigned>(indexees), alphabet);
            for (const std::string& v : valeursPour(table, tirage)) {
                for (const Place place : {Place::corps, Place::fin, Place::entete}) {
                    for (const char remplissage : {'S', ' ', '*', 'R', '\0'}) {
                        const Emplacement ici(place, v, remplissage);
                        const bool attendu = liste.verif(nullptr, ici.get(), table.valeurs, *table.nombre) != 0;
                        const Emplacement la(place, v, remplissage);
                        ASSERT_EQ(dansLaListe(*index, avant, la.get()), attendu)
                            << liste.nom << " sur " << table.nom << ", valeur " << montrer(v);
                        ++(attendu ? admises : refusees);
                    }
                }
            }
        }
    }
    // Both answers are reached, on many tables.
    EXPECT_GT(indexees, 30);
    EXPECT_GT(admises, 10000);
    EXPECT_GT(refusees, 10000);
}
