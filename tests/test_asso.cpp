// ASSO (business identifiers of keepers and holdings): the checks of this
// type, and its rule table row by row against its listing.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "harnais_tables.h"
#include "outils.h"
#include "model/modele.h"
#include "records/asso.h"
#include "records/records.h"
#include "reference/valautorise.h"

namespace {

using essai::Valeur;

// A C6 value: the identifier left-aligned, padded with blanks to 20.
std::string c6(const std::string& identifiant) {
    std::string v = identifiant;
    v.resize(20, ' ');
    return v;
}

void remplir(valeurVSE* slots, int slot, const std::string& valeur) {
    ASSERT_LT(valeur.size(), sizeof slots[slot].valeur);
    std::strcpy(slots[slot].valeur, valeur.c_str());
}

TEST(Asso, C2IsAHoldingOfTheEstablishmentOnlyForAHolding) {
    const struct {
        std::string c4, e8, c2;
        int coherent, conforme;  // asso_fC2_1, asso_fC2_2
    } cas[] = {
        {"E", "001IPG  ", "01234567    ", 1, 1},
        {"E", "001IPG  ", "02234567    ", 0, 1},   // another department
        {"E", "002IPG  ", "02234567    ", 1, 1},
        {"E", "001IPG  ", "0123456     ", 1, 0},   // seven digits
        {"E", "001IPG  ", "012345678   ", 1, 0},
        {"E", "001IPG  ", "2A234567    ", 0, 0},
        {"E", "02A IPG ", "20234567    ", 1, 1},   // Corsica issues "20"
        {"E", "001IPG  ", "0123456789  ", 1, 0},   // a bovine's number
        {"E", "001IPG  ", "01234567", 1, 0},       // cut short
        {"D", "001IPG  ", "99999999ZZZZ", 1, 1},   // a keeper: anything
        {"D", "001IPG  ", "", 1, 1},
        {"", "001IPG  ", "02234567    ", 1, 1},
        {"e", "001IPG  ", "02234567    ", 1, 1},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.c4 + " / " + c.e8 + " / \"" + c.c2 + '"');
        remplir(valCorpsVSE, C4, c.c4);
        remplir(valEnteteVSE, E8, c.e8);
        Valeur a(c.c2), b(c.c2);
        EXPECT_EQ(asso_fC2_1(depVide, a.get(), nullptr, 0) != 0, c.coherent == 1);
        EXPECT_EQ(asso_fC2_2(depVide, b.get(), nullptr, 0) != 0, c.conforme == 1);
    }
}

TEST(Asso, C5PairsTheKindOfIdentifierWithTheKindOfParty) {
    const struct {
        std::string c4, c5;
        int attendu;
    } cas[] = {
        {"D", "SIREN", 1}, {"D", "AGRIN", 1}, {"D", "SIRET", 0}, {"D", "AGRIT", 0}, {"D", "AGRSA", 0},
        {"D", "CEM  ", 0}, {"E", "SIRET", 1}, {"E", "AGRIT", 1}, {"E", "AGRSA", 1}, {"E", "CEM  ", 1},
        {"E", "CEMXY", 1},  // begins with CEM
        {"E", "SIREN", 0}, {"E", "AGRIN", 0}, {"X", "SIREN", 0}, {" ", "SIRET", 0}, {"", "SIREN", 0},
        {"D", "SIRE", 0},   // cut short
        {"E", "CE", 0},
    };
    for (const auto& c : cas) {
        remplir(valCorpsVSE, C4, c.c4);
        Valeur v(c.c5);
        EXPECT_EQ(asso_fC5(depVide, v.get(), nullptr, 0) != 0, c.attendu == 1) << c.c4 << " " << c.c5;
    }
}

// Each form check, on each kind of identifier: a check accepts a record of
// another kind, whatever C6 holds.
TEST(Asso, C6FormOfEachKind) {
    using Check = int (*)(const char*, char*, const void*, int);
    const struct {
        std::string c5, c6;
        int siren, sirenInv, siret, siretInv, agrin, agrit, agrsa, cem;
    } cas[] = {
        // SIREN: 9 digits, Luhn sum (not on inventory), then blanks.
        {"SIREN", c6("732829320"), 1, 1, 1, 1, 1, 1, 1, 1},
        {"SIREN", c6("123456782"), 1, 1, 1, 1, 1, 1, 1, 1},
        {"SIREN", c6("732829321"), 0, 1, 1, 1, 1, 1, 1, 1},
        {"SIREN", c6("73282932"), 0, 0, 1, 1, 1, 1, 1, 1},
        {"SIREN", c6("7328293200"), 0, 0, 1, 1, 1, 1, 1, 1},
        {"SIREN", c6("73282 320"), 0, 0, 1, 1, 1, 1, 1, 1},
        {"SIREN", c6("73282932A"), 0, 0, 1, 1, 1, 1, 1, 1},
        {"SIREN", c6("732829320") .substr(0, 15), 0, 0, 1, 1, 1, 1, 1, 1},  // cut short
        {"SIREN", c6("732829320         X"), 0, 0, 1, 1, 1, 1, 1, 1},
        // SIRET: 14 digits, Luhn sum (not on inventory), then blanks.
        {"SIRET", c6("73282932000074"), 1, 1, 1, 1, 1, 1, 1, 1},
        {"SIRET", c6("12345678901237"), 1, 1, 1, 1, 1, 1, 1, 1},
        {"SIRET", c6("73282932000075"), 1, 1, 0, 1, 1, 1, 1, 1},
        {"SIRET", c6("73282932000074    X"), 1, 1, 0, 0, 1, 1, 1, 1},
        {"SIRET", c6("7328293200007"), 1, 1, 0, 0, 1, 1, 1, 1},
        {"SIRET", c6("732829320"), 1, 1, 0, 0, 1, 1, 1, 1},
        // AGRIN: a capital letter, 8 digits, then blanks.
        {"AGRIN", c6("A12345678"), 1, 1, 1, 1, 1, 1, 1, 1},
        {"AGRIN", c6("Z00000000"), 1, 1, 1, 1, 1, 1, 1, 1},
        {"AGRIN", c6("a12345678"), 1, 1, 1, 1, 0, 1, 1, 1},
        {"AGRIN", c6("112345678"), 1, 1, 1, 1, 0, 1, 1, 1},
        {"AGRIN", c6("A1234567"), 1, 1, 1, 1, 0, 1, 1, 1},
        {"AGRIN", c6("A123456789"), 1, 1, 1, 1, 0, 1, 1, 1},
        // AGRIT: a capital letter, 11 digits, then blanks.
        {"AGRIT", c6("B12345678901"), 1, 1, 1, 1, 1, 1, 1, 1},
        {"AGRIT", c6("B1234567890"), 1, 1, 1, 1, 1, 0, 1, 1},
        {"AGRIT", c6("B12345678901 2"), 1, 1, 1, 1, 1, 0, 1, 1},
        {"AGRIT", c6("B1234567890A"), 1, 1, 1, 1, 1, 0, 1, 1},
        // CEM: 7 letters or digits, then blanks.
        {"CEM  ", c6("AB12cd9"), 1, 1, 1, 1, 1, 1, 1, 1},
        {"CEM  ", c6("0000000"), 1, 1, 1, 1, 1, 1, 1, 1},
        {"CEM  ", c6("AB12cd"), 1, 1, 1, 1, 1, 1, 1, 0},
        {"CEM  ", c6("AB12cd90"), 1, 1, 1, 1, 1, 1, 1, 0},
        {"CEM  ", c6("AB-12cd"), 1, 1, 1, 1, 1, 1, 1, 0},
        {"CEMXY", c6("AB12cd"), 1, 1, 1, 1, 1, 1, 1, 0},
        // Another kind: no form check applies.
        {"XXXXX", c6("?"), 1, 1, 1, 1, 1, 1, 1, 1},
        {"SIRE", c6("?"), 1, 1, 1, 1, 1, 1, 1, 1},
    };
    const Check checks[] = {asso_fC6_1, asso_fC6_1_INV, asso_fC6_2, asso_fC6_2_INV,
                            asso_fC6_3, asso_fC6_4, asso_fC6_5, asso_fC6_6};
    for (const auto& c : cas) {
        SCOPED_TRACE(c.c5 + " \"" + c.c6 + '"');
        remplir(valCorpsVSE, C5, c.c5);
        const int attendus[] = {c.siren, c.sirenInv, c.siret, c.siretInv, c.agrin, c.agrit, c.agrsa, c.cem};
        for (int k = 0; k < 8; ++k) {
            Valeur v(c.c6);
            EXPECT_EQ(checks[k](depVide, v.get(), TD, LenTD) != 0, attendus[k] == 1) << "check " << k;
        }
    }
}

TEST(Asso, C6SanitaryApprovalNumber) {
    const struct {
        std::string c6;
        int attendu;
    } cas[] = {
        {c6("01123456"), 1},
        {c6("0112345"), 1},          // character 8 is free
        {c6("01ABCDEX"), 1},         // characters 3 to 8 need not be digits
        {c6("2A12345"), 1},
        {c6("2B123456"), 1},
        {c6("2A12345 X"), 0},
        {c6("97112345"), 1},
        {c6("97612345"), 1},
        {c6("97412345"), 1},
        {c6("97512345"), 0},
        {c6("97012345"), 0},
        {c6("97712345"), 0},
        {c6("97A12345"), 0},
        {c6("20123456"), 0},
        {c6("98123456"), 0},
        {c6("99123456"), 0},         // no such department
        {c6("00123456"), 0},
        {c6("01 23456"), 0},         // a blank among the first 7 characters
        {c6("012345 6"), 0},
        {c6("011234"), 0},
        {c6("01123456 X"), 0},       // characters 9 to 20 not blank
        {c6("01123456").substr(0, 12), 0},  // cut short
        {"0112345", 0},              // cut short after character 7
        {"01123456", 0},
        {"", 0},
    };
    remplir(valCorpsVSE, C5, "AGRSA");
    for (const auto& c : cas) {
        Valeur v(c.c6);
        EXPECT_EQ(asso_fC6_5(depVide, v.get(), TD, LenTD) != 0, c.attendu == 1) << '"' << c.c6 << '"';
    }
}

TEST(Asso, C8EndDateBlankOrCompleteNotBeforeTheStartNorAfterTheRecord) {
    const struct {
        std::string c8;
        int date, apresC7, avantF1;  // asso_fC8_1, _2 (C7 01032024), _3 (F1 20062024)
    } cas[] = {
        {"        ", 1, 1, 1},
        {"01032024", 1, 1, 1},
        {"20062024", 1, 1, 1},
        {"29022024", 1, 0, 1},
        {"28022024", 1, 0, 1},
        {"21062024", 1, 1, 0},
        {"31042024", 0, 1, 1},
        {"  032024", 0, 0, 1},  // blanks read as zeros: 00 March
        {"       ", 0, 0, 1},   // cut short: not blank
        {"", 0, 0, 1},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE('"' + c.c8 + '"');
        Valeur a(c.c8), b(c.c8), d(c.c8);
        EXPECT_EQ(asso_fC8_1(depVide, a.get(), nullptr, 0) != 0, c.date == 1);
        EXPECT_EQ(asso_fC8_2("01032024", b.get(), nullptr, 0) != 0, c.apresC7 == 1);
        EXPECT_EQ(asso_fC8_3("20062024", d.get(), nullptr, 0) != 0, c.avantF1 == 1);
    }
}

const std::vector<std::string> listeAsso = {
    "C1 63-64 0 2 0 2 0 fVerifValAut FR(1) - 30",
    "C2 65-76 0 2 0 2 0 fVerifDiffNull DouzeBlancs(1) - 30",
    "C2 same 0 2 0 2 0 asso_fC2_1 - - 50",
    "C2 same 0 2 0 2 0 asso_fC2_2 - - 68",
    "C3 77-78 1 1 1 1 1 - - - -",
    "C4 79-79 0 2 0 2 0 fVerifValAut TYP_IDENT(2) - 171",
    "C5 80-84 0 2 0 2 0 fVerifValAut TYP_NUMERO(6) - 172",
    "C5 same 0 2 1 2 0 asso_fC5 - - 183",
    "C6 85-104 0 2 0 2 0 fVerifDiffNull vingtBlancs(1) - 173",
    "C6 same 0 2 1 2 0 asso_fC6_1 - - 136",
    "C6 same 1 2 0 2 1 asso_fC6_1_INV - - 136",
    "C6 same 0 2 1 2 0 asso_fC6_2 - - 41",
    "C6 same 1 2 0 2 1 asso_fC6_2_INV - - 41",
    "C6 same 0 2 0 2 0 asso_fC6_3 - - 181",
    "C6 same 0 2 0 2 0 asso_fC6_4 - - 181",
    "C6 same 0 2 0 2 0 asso_fC6_5 TD(97) - 184",
    "C6 same 0 2 0 2 0 asso_fC6_6 - - 181",
    "C7 105-112 0 2 1 2 0 fDATEC - - 174",
    "C7 same 0 2 1 2 0 fCoherenDC - F1 52",
    "C8 113-120 0 2 1 2 0 asso_fC8_1 - - 175",
    "C8 same 0 2 1 2 0 asso_fC8_2 - C7 149",
    "C8 same 0 2 1 2 0 asso_fC8_3 - F1 52",
    "C9 121-230 1 1 1 1 1 - - - -",
};

const essai::NomsDeChecks kChecksAsso = {
    NOM_CHECK(asso_fC2_1),     NOM_CHECK(asso_fC2_2), NOM_CHECK(asso_fC5),   NOM_CHECK(asso_fC6_1),
    NOM_CHECK(asso_fC6_1_INV), NOM_CHECK(asso_fC6_2), NOM_CHECK(asso_fC6_2_INV), NOM_CHECK(asso_fC6_3),
    NOM_CHECK(asso_fC6_4),     NOM_CHECK(asso_fC6_5), NOM_CHECK(asso_fC6_6), NOM_CHECK(asso_fC8_1),
    NOM_CHECK(asso_fC8_2),     NOM_CHECK(asso_fC8_3),
};

TEST(Asso, TableRowByRow) { essai::comparerListing(tAsso, lAsso, listeAsso, kChecksAsso); }

TEST(Asso, SlotsReadOutsideTheDependances) {
    // The checks read C4 and C5 from their slots; error records echo C1, C2.
    EXPECT_EQ(essai::champDuSlot(tAsso, lAsso, C4), C4);
    EXPECT_EQ(essai::champDuSlot(tAsso, lAsso, C5), C5);
    const sAiguillage& a = tAiguillage[chercherAiguillage("ASSO")];
    EXPECT_EQ(a.tabVerif, tAsso);
    EXPECT_EQ(a.champErrC7, C1);
    EXPECT_EQ(a.champErrC8, C2);
}

}  // namespace
