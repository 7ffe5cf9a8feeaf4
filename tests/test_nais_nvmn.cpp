// NAIS and NVMN (births): the checks of these types, and the rule tables row
// by row against their listings.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "checks/coherence.h"
#include "checks/comparaisons.h"
#include "checks/dates.h"
#include "checks/generiques.h"
#include "checks/identifiants.h"
#include "engine/modele.h"
#include "records/nais.h"
#include "records/nvmn.h"
#include "records/records.h"
#include "reference/valautorise.h"

namespace {

// A writable copy of exactly the value's size, so that a check reading past
// the terminating NUL is caught by the address sanitizer.
std::unique_ptr<char[]> copie(const std::string& v) {
    auto tampon = std::make_unique<char[]>(v.size() + 1);
    std::memcpy(tampon.get(), v.c_str(), v.size() + 1);
    return tampon;
}

void remplirSlot(numCorpsVSE slot, const std::string& valeur) {
    ASSERT_LT(valeur.size(), sizeof valCorpsVSE[slot].valeur);
    std::strcpy(valCorpsVSE[slot].valeur, valeur.c_str());
}

const std::string B12(12, ' ');

TEST(Nais, C2IsAFrenchNumberNotEndingIn0000) {
    struct Cas {
        std::string c2;
        int attendu;
    };
    const Cas cas[] = {
        {"0112345678  ", 1},
        {"0112340001  ", 1},
        {"0112341000  ", 1},
        {"0000000001  ", 0},  // prefix "00" is no department
        {"0112340000  ", 0},  // characters 7 to 10 "0000"
        {"9712340000  ", 0},
        {"0100000000  ", 0},
        {"0100001234  ", 1},  // zeros elsewhere do not count
        {"2A12345678  ", 0},  // not conform
        {"9751234567  ", 0},
        {"0112345678", 0},    // cut short
        {"011234", 0},
        {"", 0},
        {B12, 0},
        {"DE0112340000", 0},
    };
    for (const Cas& c : cas) {
        auto v = copie(c.c2);
        EXPECT_EQ(nais_C2(depVide, v.get(), TD, LenTD) != 0, c.attendu == 1) << '"' << c.c2 << '"';
        auto w = copie(c.c2);
        EXPECT_EQ(nvmn_C2(depVide, w.get(), TD, LenTD) != 0, c.attendu == 1) << '"' << c.c2 << '"';
    }
}

TEST(Nais, C7MustNotBeFourBlanks) {
    struct Cas {
        std::string c7;
        int attendu;
    };
    const Cas cas[] = {
        {"    ", 0},
        {"A   ", 1},
        {"   1", 1},
        {" 0  ", 1},
        {"\t   ", 1},
        {"  ", 1},  // cut short: the missing characters are no blanks
        {"   ", 1},
        {"", 1},
    };
    for (const Cas& c : cas) {
        auto v = copie(c.c7);
        EXPECT_EQ(nais_C7(depVide, v.get(), nullptr, 0) != 0, c.attendu == 1) << '"' << c.c7 << '"';
    }
}

// The three checks on the number of related animal 1, with the birth date as
// dependance and the country read from slot C10.
TEST(Nais, C11LeftOutBeforeJuly1999ElseHeldToItsCountryRules) {
    struct Cas {
        std::string c6;
        std::string c10;
        std::string c11;
        int fr;      // nais_C11
        int ueNon;   // nais_C11FRnonUEnon
        int ueOui;   // nais_C11FRnonUEoui
    };
    const Cas cas[] = {
        // Before the cut-off a blank number passes whatever the country.
        {"30061999", "FR", B12, 1, 1, 1},
        {"30061999", "  ", B12, 1, 1, 1},
        {"30061999", "DE", B12, 1, 1, 1},
        {"30061999", "US", B12, 1, 1, 1},
        {"15031999", "US", B12, 1, 1, 1},   // after 1 January 1999 still before the cut-off
        {"        ", "US", B12, 1, 1, 1},   // a blank date reads as 00000000
        {"  061999", "US", B12, 1, 1, 1},
        // From the cut-off on, the delegated checks judge the blank number.
        {"01071999", "FR", B12, 0, 1, 1},
        {"01071999", "DE", B12, 1, 1, 0},
        {"01071999", "US", B12, 1, 0, 1},
        {"01071999", "  ", B12, 1, 0, 1},
        {"15032024", "FR", B12, 0, 1, 1},
        {"  072000", "US", B12, 1, 0, 1},
        // A number given is always judged, before the cut-off as well.
        {"15031998", "FR", "0112345678  ", 1, 1, 1},
        {"15031998", "FR", "2A12345678  ", 0, 1, 1},
        {"15031998", "US", "2A12345678  ", 1, 0, 1},
        {"15031998", "DE", "DE12345678  ", 1, 1, 0},
        {"15031998", "DE", "0112345678  ", 1, 1, 1},
        {"01071999", "BE", "BE0123456789", 1, 1, 0},
        {"01071999", "CH", "A12345      ", 1, 1, 1},
        // A number cut short is not 12 blanks.
        {"15031998", "FR", "      ", 0, 1, 1},
        {"15031998", "DE", "      ", 1, 1, 0},
        {"15031998", "US", "", 1, 0, 1},
        // A birth date cut short orders before the cut-off.
        {"0107", "US", B12, 1, 1, 1},
    };
    // Neighbouring slots hold other country codes: only slot C10 may be read.
    remplirSlot(C9, "X");
    remplirSlot(C11, "IT");
    remplirSlot(C13, "IT");
    remplirSlot(C16, "IT");
    for (const Cas& c : cas) {
        remplirSlot(C10, c.c10);
        const std::string nom = c.c6 + " / " + c.c10 + " / \"" + c.c11 + '"';
        auto a = copie(c.c11);
        EXPECT_EQ(nais_C11(c.c6.c_str(), a.get(), TD, LenTD) != 0, c.fr == 1) << nom;
        auto b = copie(c.c11);
        EXPECT_EQ(nais_C11FRnonUEnon(c.c6.c_str(), b.get(), TD, LenTD) != 0, c.ueNon == 1) << nom;
        auto d = copie(c.c11);
        EXPECT_EQ(nais_C11FRnonUEoui(c.c6.c_str(), d.get(), nullptr, 0) != 0, c.ueOui == 1) << nom;
    }
}

TEST(Nais, C17LeftOutBeforeJuly1999ElseAFrenchHolding) {
    struct Cas {
        std::string c6;
        std::string c17;
        int attendu;
    };
    const Cas cas[] = {
        {"15031998", B12, 1},
        {"30061999", B12, 1},
        {"15031999", B12, 1},  // after 1 January 1999, before 1 July 1999
        {"        ", B12, 1},
        {"01071999", B12, 0},
        {"15032000", B12, 0},
        {"  072000", B12, 0},
        {"15031998", "01234567    ", 1},
        {"15031998", "2A234567    ", 0},
        {"15031998", "0123456     ", 0},
        {"15032000", "01234567    ", 1},
        {"15032000", "97512345    ", 0},
        {"15032000", "98123456    ", 1},
        {"15031998", "           ", 0},  // cut short: not 12 blanks
        {"15031998", "", 0},
        {"15031998", std::string(12, '*'), 0},
    };
    for (const Cas& c : cas) {
        auto v = copie(c.c17);
        EXPECT_EQ(nais_C17(c.c6.c_str(), v.get(), TD, LenTD) != 0, c.attendu == 1)
            << c.c6 << " / \"" << c.c17 << '"';
    }
}

// Rule tables against their listings. One line per row: row number, field,
// columns ("same" for a further rule on the field above), obligation codes
// for CRE DEM INV EDI MOD, check, allowed-value table with its count,
// dependance, error number; "-" for none.
const char* const listeNais[] = {
        "1  C1  63-64   0 1 0 2 0 fVerifValAut           FR(1)          -   1",
        "2  C1  same    1 0 1 2 1 fVerifValAut           TP(245)        -   1",
        "3  C2  65-76   0 0 0 2 0 fVerifDiffNull         DouzeBlancs(1) -   1",
        "4  C2  same    0 1 1 2 1 nais_C2                TD(97)         -   67",
        "5  C2  same    1 1 0 2 0 fConform10             TD(97)         -   67",
        "6  C2  same    1 0 1 2 1 fConform10FR           TD(97)         C1  67",
        "7  C2  same    1 0 1 2 1 fConform10FRnonECHAnon TD(97)         C1  118",
        "8  C2  same    1 0 1 2 1 fConform10FRnonECHAoui -              C1  1",
        "9  C2  same    0 1 0 2 1 fCoherenCC             -              E8  50",
        "10 C3  77-78   1 1 1 1 1 -                      -              -   -",
        "11 C4  79      0 1 1 2 0 fVerifValAut           SEX(2)         -   3",
        "12 C5  80-81   0 1 1 2 0 fVerifValAut           TR(70)         -   4",
        "13 C6  82-89   0 1 1 2 1 fDATEC                 -              -   5",
        "14 C6  same    1 1 1 2 0 fDATEP6P7              -              -   5",
        "15 C6  same    0 1 1 2 0 fCoherenDC             -              F1  52",
        "16 C7  90-93   0 1 1 2 0 nais_C7                -              -   10",
        "17 C8  94-103  1 1 1 1 1 -                      -              -   -",
        "18 C9  104     1 1 1 1 1 -                      -              -   -",
        "19 C10 105-106 0 1 1 2 1 fVerifValAut           TP(245)        -   6",
        "20 C10 same    1 1 1 2 0 fVTABP5                TP(245)        C6  7",
        "21 C11 107-118 0 1 1 2 1 fVerifDiffNull         DouzeBlancs(1) -   6",
        "22 C11 same    0 1 1 2 1 fConform10FR           TD(97)         C10 67",
        "23 C11 same    0 1 1 2 1 fConform10FRnonECHAnon TD(97)         C10 118",
        "24 C11 same    0 1 1 2 1 fConform10FRnonECHAoui -              C10 6",
        "25 C11 same    1 1 1 2 0 fVDIFFNULLP5           -              C6  7",
        "26 C11 same    1 1 1 2 0 nais_C11               TD(97)         C6  67",
        "27 C11 same    1 1 1 2 0 nais_C11FRnonUEnon     TD(97)         C6  118",
        "28 C11 same    1 1 1 2 0 nais_C11FRnonUEoui     -              C6  6",
        "29 C11 same    1 1 1 2 0 fSimult                -              C10 113",
        "30 C12 119-120 0 1 1 2 1 fVerifValAut           TR(70)         -   8",
        "31 C12 same    1 1 1 2 0 fVTABP8                TR(70)         C6  8",
        "32 C13 121-122 0 1 1 2 0 fVDIFFNULLVTAB         TP(245)        -   14",
        "33 C14 123-134 0 1 1 2 0 fSimult                -              C13 114",
        "34 C14 same    0 1 1 2 0 fVerifNumEtrangerN     -              C13 14",
        "35 C15 135-136 0 1 1 2 1 fVerifValAut           TR(70)         -   9",
        "36 C15 same    1 1 1 2 0 fVTABP8                TR(70)         C6  9",
        "37 C16 137-138 0 1 1 2 1 fVerifValAut           FR(1)          -   2",
        "38 C16 same    1 1 1 2 0 fVTABP6                FR(1)          C6  2",
        "39 C17 139-150 0 1 1 2 1 fVerifDiffNull         DouzeBlancs(1) -   2",
        "40 C17 same    0 1 1 2 1 fConform8              TD(97)         -   68",
        "41 C17 same    0 1 1 2 1 fCoherenCC             -              E8  50",
        "42 C17 same    1 1 1 2 0 fVDIFFNULLP6           -              C6  2",
        "43 C17 same    1 1 1 2 0 nais_C17               TD(97)         C6  68",
        "44 C17 same    1 1 1 2 0 fSimult                -              C16 115",
        "45 C24 159     0 1 1 2 1 fVerifValAut           BOOL(2)        -   83",
        "46 C25 160     1 1 1 2 0 fVerifValAut           BOOL(2)        -   132",
        "47 C26 161-168 0 1 1 2 1 fDatRecCorr_O          -              -   134",
        "48 C26 same    0 1 1 2 1 fDatRecCohe            -              F1  52",
        "49 C26 same    0 1 1 2 1 fDatRecPost            -              C6  137",
        "50 C27 169-230 1 1 1 1 1 -                      -              -   -",
};

const char* const listeNvmn[] = {
        "1  C1  63-64   0 2 0 2 0 fVerifValAut           FR(1)          -   1",
        "2  C2  65-76   0 2 0 2 0 fVerifDiffNull         DouzeBlancs(1) -   1",
        "3  C2  same    0 2 1 2 0 nvmn_C2                TD(97)         -   67",
        "4  C2  same    1 2 0 2 1 fConform10             TD(97)         -   67",
        "5  C2  same    0 2 0 2 0 fCoherenCC             -              E8  50",
        "6  C3  77-78   1 1 1 1 1 -                      -              -   -",
        "7  C4  79      0 2 1 2 0 fVerifValAut           SEX(2)         -   3",
        "8  C5  80-81   0 2 1 2 0 fVerifValAut           TR(70)         -   4",
        "9  C6  82-89   0 2 1 2 0 fDATEC                 -              -   5",
        "10 C6  same    0 2 1 2 0 fCoherenDC             -              F1  52",
        "11 C7  90-93   1 1 1 1 1 -                      -              -   -",
        "12 C8  94-103  1 1 1 1 1 -                      -              -   -",
        "13 C9  104     1 1 1 1 1 -                      -              -   -",
        "14 C10 105-106 0 2 1 2 0 fVerifValAut           TP(245)        -   7",
        "15 C11 107-118 0 2 1 2 0 fVerifDiffNull         DouzeBlancs(1) -   7",
        "16 C11 same    0 2 1 2 0 fConform10FR           TD(97)         C10 67",
        "17 C11 same    0 2 1 2 0 fConform10FRnonECHAnon TD(97)         C10 118",
        "18 C11 same    0 2 1 2 0 fConform10FRnonECHAoui -              C10 6",
        "19 C12 119-120 0 2 1 2 0 fVerifValAut           TR(70)         -   8",
        "20 C13 121-122 0 2 1 2 0 fVDIFFNULLVTAB         TP(245)        -   14",
        "21 C14 123-134 0 2 1 2 0 fSimult                -              C13 114",
        "22 C14 same    0 2 1 2 0 fVerifNumEtrangerN     -              C13 14",
        "23 C15 135-136 0 2 1 2 0 fVerifValAut           TR(70)         -   9",
        "24 C16 137-138 0 2 1 2 0 fVerifValAut           FR(1)          -   2",
        "25 C17 139-150 0 2 1 2 0 fVerifDiffNull         DouzeBlancs(1) -   2",
        "26 C17 same    0 2 1 2 0 fConform8              TD(97)         -   68",
        "27 C17 same    0 2 1 2 0 fCoherenCC             -              E8  50",
        "28 C18 151-158 0 2 1 2 1 fDatRecCorr_O          -              -   134",
        "29 C18 same    0 2 1 2 1 fDatRecCohe            -              F1  52",
        "30 C18 same    0 2 1 2 1 fDatRecPost            -              C6  137",
        "31 C19 159-230 1 1 1 1 1 -                      -              -   -",
};

const std::map<std::string, pfVerif_t>& verifsParNom() {
    static const std::map<std::string, pfVerif_t> noms = {
        {"-", nullptr},
        {"fVerifValAut", fVerifValAut},
        {"fVerifDiffNull", fVerifDiffNull},
        {"fConform8", fConform8},
        {"fConform10", fConform10},
        {"fConform10FR", fConform10FR},
        {"fConform10FRnonECHAnon", fConform10FRnonECHAnon},
        {"fConform10FRnonECHAoui", fConform10FRnonECHAoui},
        {"fVerifNumEtrangerN", fVerifNumEtrangerN},
        {"fCoherenCC", fCoherenCC},
        {"fCoherenDC", fCoherenDC},
        {"fDATEC", fDATEC},
        {"fDATEP6P7", fDATEP6P7},
        {"fDatRecCorr_O", fDatRecCorr_O},
        {"fDatRecCohe", fDatRecCohe},
        {"fDatRecPost", fDatRecPost},
        {"fSimult", fSimult},
        {"fVDIFFNULLVTAB", fVDIFFNULLVTAB},
        {"fVTABP5", fVTABP5},
        {"fVTABP6", fVTABP6},
        {"fVTABP8", fVTABP8},
        {"fVDIFFNULLP5", fVDIFFNULLP5},
        {"fVDIFFNULLP6", fVDIFFNULLP6},
        {"nais_C2", nais_C2},
        {"nais_C7", nais_C7},
        {"nais_C11", nais_C11},
        {"nais_C11FRnonUEnon", nais_C11FRnonUEnon},
        {"nais_C11FRnonUEoui", nais_C11FRnonUEoui},
        {"nais_C17", nais_C17},
        {"nvmn_C2", nvmn_C2},
    };
    return noms;
}

struct Table {
    const void* valeurs;
    const int* nombre;
};

const std::map<std::string, Table>& tablesParNom() {
    static const std::map<std::string, Table> noms = {
        {"FR", {FR, &LenFR}},   {"TP", {TP, &LenTP}},     {"TD", {TD, &LenTD}},
        {"TR", {TR, &LenTR}},   {"SEX", {SEX, &LenSEX}},  {"BOOL", {BOOL, &LenBOOL}},
        {"DouzeBlancs", {DouzeBlancs, &LenDouzeBlancs}},
    };
    return noms;
}

// Field number of "C<n>": n - 1.
int numeroDeChamp(const std::string& nom) { return std::stoi(nom.substr(1)) - 1; }

const char* dependanceParNom(const std::string& nom) {
    if (nom == "-") return depVide;
    if (nom == "E8") return valEnteteVSE[E8].valeur;
    if (nom == "F1") return valFinVSE[F1].valeur;
    if (nom[0] == 'C') return valCorpsVSE[numeroDeChamp(nom)].valeur;
    return nullptr;
}

// Field held by value slot `slot` of a rule table: the field of its
// slot-th rule with columns, or -1.
int champDuSlot(const sCorps* table, int nombre, int slot) {
    int k = 0;
    for (int i = 0; i < nombre; ++i) {
        if (table[i].debut == 0) continue;
        if (k++ == slot) return table[i].numChamp;
    }
    return -1;
}

template <size_t N>
void comparerTable(const sCorps* table, int nombre, const char* const (&liste)[N]) {
    ASSERT_EQ(nombre, static_cast<int>(N));
    for (int r = 0; r < nombre; ++r) {
        const sCorps& regle = table[r];
        std::istringstream ligne(liste[r]);
        int rang = 0;
        std::string champ, colonnes, verif, valeurs, dependance, erreur;
        int obligations[5] = {};
        ligne >> rang >> champ >> colonnes;
        for (int& o : obligations) ligne >> o;
        ligne >> verif >> valeurs >> dependance >> erreur;
        ASSERT_FALSE(ligne.fail()) << liste[r];
        ASSERT_EQ(rang, r + 1);
        SCOPED_TRACE(liste[r]);

        EXPECT_EQ(regle.numChamp, numeroDeChamp(champ));
        if (colonnes == "same") {
            EXPECT_EQ(regle.debut, 0);
            EXPECT_EQ(regle.fin, 0);
        } else {
            const size_t tiret = colonnes.find('-');
            const int debut = std::stoi(colonnes.substr(0, tiret));
            const int fin = tiret == std::string::npos ? debut : std::stoi(colonnes.substr(tiret + 1));
            EXPECT_EQ(regle.debut, debut);
            EXPECT_EQ(regle.fin, fin);
        }
        EXPECT_EQ(regle.typeCRE, obligations[0]);
        EXPECT_EQ(regle.typeDEM, obligations[1]);
        EXPECT_EQ(regle.typeINV, obligations[2]);
        EXPECT_EQ(regle.typeEDI, obligations[3]);
        EXPECT_EQ(regle.typeMOD, obligations[4]);

        ASSERT_EQ(verifsParNom().count(verif), 1u);
        EXPECT_EQ(regle.pfVerif, verifsParNom().at(verif));

        if (valeurs == "-") {
            EXPECT_EQ(regle.sverif, nullptr);
            EXPECT_EQ(regle.plenSverif, &Len0);
        } else {
            const size_t parenthese = valeurs.find('(');
            const std::string nom = valeurs.substr(0, parenthese);
            ASSERT_EQ(tablesParNom().count(nom), 1u);
            const Table& t = tablesParNom().at(nom);
            EXPECT_EQ(regle.sverif, t.valeurs);
            EXPECT_EQ(regle.plenSverif, t.nombre);
            EXPECT_EQ(*regle.plenSverif, std::stoi(valeurs.substr(parenthese + 1)));
        }

        EXPECT_EQ(regle.dependance, dependanceParNom(dependance));
        // A dependance on a body field designates the slot that holds it.
        if (dependance[0] == 'C') {
            EXPECT_EQ(champDuSlot(table, nombre, numeroDeChamp(dependance)), numeroDeChamp(dependance));
        }
        EXPECT_EQ(regle.noErr, erreur == "-" ? 0 : std::stoi(erreur));
    }
}

TEST(Nais, TableRowByRow) { comparerTable(tNais, lNais, listeNais); }

TEST(Nvmn, TableRowByRow) { comparerTable(tNvmn, lNvmn, listeNvmn); }

TEST(NaisNvmn, SlotsReadOutsideTheDependances) {
    // The C11 checks read the country from slot C10; error records echo the
    // holding of birth from the slots named in the switch table.
    EXPECT_EQ(champDuSlot(tNais, lNais, C10), C10);
    for (const char* type : {"NAIS", "NVMN"}) {
        const sAiguillage& entree = tAiguillage[chercherAiguillage(type)];
        SCOPED_TRACE(type);
        EXPECT_EQ(entree.champErrC7, C16);
        EXPECT_EQ(entree.champErrC8, C17);
        EXPECT_EQ(champDuSlot(entree.tabVerif, *entree.pLenTabVerif, C16), C16);
        EXPECT_EQ(champDuSlot(entree.tabVerif, *entree.pLenTabVerif, C17), C17);
    }
    // The fields after C17 do not follow their numbers in NAIS.
    EXPECT_EQ(champDuSlot(tNais, lNais, 17), C24);
    EXPECT_EQ(champDuSlot(tNais, lNais, 20), C27);
    EXPECT_EQ(champDuSlot(tNvmn, lNvmn, C18), C18);
}

}  // namespace
