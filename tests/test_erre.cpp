// ERRE (error returns received with action ECQ): the checks of this type,
// which read the returned record's type and two countries from the current
// line, and the rule table row by row against its listing.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "harnais_tables.h"
#include "engine/verif.h"
#include "model/modele.h"
#include "outils.h"
#include "records/erre.h"
#include "records/records.h"
#include "reference/valautorise.h"

namespace {

std::unique_ptr<char[]> copie(const std::string& v) {
    auto tampon = std::make_unique<char[]>(v.size() + 1);
    std::memcpy(tampon.get(), v.c_str(), v.size() + 1);
    return tampon;
}

const std::string B12(12, ' ');

// An error return on a slaughter notification that every rule accepts.
essai::Vse erreValide() {
    essai::Vse v;
    v.e5 = "ECQ";
    v.e6 = "ERRE";
    v.colonnes(63, "ABAT")               // C1 type of the returned record
        .colonnes(67, "CRE")             // C2 its action
        .colonnes(70, "FR")              // C3
        .colonnes(72, "0112345678  ")    // C4
        .colonnes(84, "FR")              // C5
        .colonnes(86, "0112345678  ")    // C6
        .colonnes(98, "FR")              // C7
        .colonnes(100, "01123456    ")   // C8 sanitary approval
        .colonnes(112, "I067")           // C9
        .colonnes(116, "1")              // C10
        .colonnes(162, "FR")             // C29
        .colonnes(164, "01123456    ")   // C30
        .colonnes(176, "FR")             // C31
        .colonnes(178, "0112345678  ")   // C32
        .colonnes(190, "15032024")       // C33
        .colonnes(198, "16032024")       // C34
        .colonnes(206, "17032024")       // C35
        .colonnes(214, "18032024")       // C36
        .colonnes(222, "001IPG  ");      // C37
    return v;
}

// Makes `texte` the current line as the engine leaves it in xdebug.
void ligneCourante(const std::string& texte) {
    ASSERT_LT(texte.size(), sizeof xdebug);
    preparerVue(texte.data(), static_cast<int>(texte.size()), xdebug);
}

// The current line: a valid ERRE with some columns replaced.
void ligneAvec(const std::vector<std::pair<int, std::string>>& champs) {
    essai::Vse v = erreValide();
    for (const auto& [colonne, valeur] : champs) v.colonnes(colonne, valeur);
    ligneCourante(v.texte());
}

int appeler(pfVerif_t f, const std::string& valeur, const char* dependance = depVide) {
    auto v = copie(valeur);
    return f(dependance, v.get(), nullptr, 0) != 0 ? 1 : 0;
}

TEST(Erre, ColumnsAreReadWithinTheLine) {
    char c[16];
    ligneCourante(erreValide().texte());
    erreColonnes(63, 66, c);
    EXPECT_STREQ(c, "ABAT");
    erreColonnes(176, 177, c);
    EXPECT_STREQ(c, "FR");
    // A line of 64 columns: C1 has two of its characters, C5 none, although
    // the buffer still holds the longer line's bytes past the end.
    ligneCourante(erreValide().texte());
    xdebug[64] = '\0';
    erreColonnes(63, 66, c);
    EXPECT_STREQ(c, "AB");
    erreColonnes(84, 85, c);
    EXPECT_STREQ(c, "");
    // A NUL of the line is seen as an ordinary character.
    std::string texte = erreValide().texte();
    texte[63] = '\0';
    ligneCourante(texte);
    erreColonnes(63, 66, c);
    EXPECT_STREQ(c, "A\x7f" "AT");
}

TEST(Erre, PlainFieldRules) {
    struct Cas {
        const char* nom;
        pfVerif_t f;
        std::string valeur;
        int attendu;
    };
    ligneCourante(erreValide().texte());
    const Cas cas[] = {
        {"C1", vErre_C1, "ABAT", 1},
        {"C1", vErre_C1, "NAIS", 0},
        {"C1", vErre_C1, "abat", 0},
        {"C1", vErre_C1, "ABA", 0},
        {"C4", vErre_C4, "0112345678  ", 1},
        {"C4", vErre_C4, "           X", 1},
        {"C4", vErre_C4, B12, 0},
        {"C4", vErre_C4, "", 0},
        {"C8", vErre_C8, B12, 0},
        {"C8", vErre_C8, "X", 1},
        {"C10", vErre_C10, " ", 0},
        {"C10", vErre_C10, "1", 1},
        {"C10", vErre_C10, "", 0},
        {"C7", vErre_C7, "FR", 1},
        {"C7", vErre_C7, "DE", 0},
        {"C7", vErre_C7, "  ", 0},
        {"C7", vErre_C7, "F", 0},
        {"C9", vErre_C9, "I067", 1},
        {"C9", vErre_C9, "i067", 1},
        {"C9", vErre_C9, "ABCD", 1},
        {"C9", vErre_C9, "AB1 ", 0},
        {"C9", vErre_C9, " AB1", 0},
        {"C9", vErre_C9, "AB1", 0},
        {"C9", vErre_C9, "AB-1", 0},
        {"C9", vErre_C9, "AB\x7f" "1", 0},
        {"C9", vErre_C9, "AB\xc3\xa9", 0},
        {"C29", vErre_C29, "FR", 1},
        {"C29", vErre_C29, "  ", 1},
        {"C29", vErre_C29, "", 1},
        {"C29", vErre_C29, "DE", 0},
        {"C29", vErre_C29, "F ", 0},
        {"C31", vErre_C31, "  ", 1},
        {"C31", vErre_C31, "DE", 1},
        {"C31", vErre_C31, "FR", 1},
        {"C31", vErre_C31, "ZZ", 0},
        {"C31", vErre_C31, " F", 0},
        {"C31", vErre_C31, "", 1},  // TP holds an empty entry: a line ending before C31
    };
    for (const Cas& c : cas) EXPECT_EQ(appeler(c.f, c.valeur), c.attendu) << c.nom << " \"" << c.valeur << '"';
}

// The rules that depend on the returned record's type C1, read from the line.
TEST(Erre, RulesThatDependOnTheReturnedType) {
    struct Cas {
        const char* nom;
        std::string c1;
        pfVerif_t f;
        std::string valeur;
        int attendu;
    };
    const Cas cas[] = {
        // C5: required on a slaughter return.
        {"C5", "ABAT", vErre_C5, "FR", 1},
        {"C5", "ABAT", vErre_C5, "DE", 1},
        {"C5", "ABAT", vErre_C5, "  ", 0},
        {"C5", "ABAT", vErre_C5, "F ", 0},
        {"C5", "ABAT", vErre_C5, " R", 0},
        {"C5", "ABAT", vErre_C5, "ZZ", 0},
        {"C5", "ABAT", vErre_C5, "", 1},  // no character, no blank; TP holds an empty entry
        {"C5", "NAIS", vErre_C5, "  ", 1},
        {"C5", "NAIS", vErre_C5, "FR", 1},
        {"C5", "NAIS", vErre_C5, "ZZ", 0},
        {"C5", "NAIS", vErre_C5, "F ", 0},
        // C6 (C5 is "FR" on the line).
        {"C6", "ABAT", vErre_C6, B12, 0},
        {"C6", "ABAT", vErre_C6, "0112345678  ", 1},
        {"C6", "ABAT", vErre_C6, "FR12345     ", 0},  // repeats its country
        {"C6", "ABAT", vErre_C6, "01 2345     ", 0},
        {"C6", "NAIS", vErre_C6, B12, 1},
        {"C6", "NAIS", vErre_C6, "", 1},
        {"C6", "NAIS", vErre_C6, "FR12345     ", 0},
        // C8 and C30: sanitary approval on a slaughter return, else holding.
        {"C8", "ABAT", vErre_C8_conf, B12, 1},
        {"C8", "ABAT", vErre_C8_conf, "01123456    ", 1},
        {"C8", "ABAT", vErre_C8_conf, "0112345     ", 1},
        {"C8", "ABAT", vErre_C8_conf, "01234567    ", 1},  // a holding number the approval rule accepts
        {"C8", "ABAT", vErre_C8_conf, "2A12345     ", 1},
        {"C8", "ABAT", vErre_C8_conf, "97112345    ", 1},
        {"C8", "ABAT", vErre_C8_conf, "97512345    ", 0},
        {"C8", "ABAT", vErre_C8_conf, "20123456    ", 0},  // department 20
        {"C8", "ABAT", vErre_C8_conf, "98123456    ", 0},  // department 98
        {"C8", "ABAT", vErre_C8_conf, "01123456   X", 0},
        {"C8", "NAIS", vErre_C8_conf, "01234567    ", 1},
        {"C8", "NAIS", vErre_C8_conf, "0112345     ", 0},
        {"C8", "NAIS", vErre_C8_conf, "2A123456    ", 0},
        {"C8", "NAIS", vErre_C8_conf, B12, 1},
        {"C30", "ABAT", vErre_C30, "20123456    ", 0},
        {"C30", "ABAT", vErre_C30, "01123456    ", 1},
        {"C30", "ABAT", vErre_C30, B12, 1},
        {"C30", "ABAT", vErre_C30, "", 1},
        {"C30", "NAIS", vErre_C30, "01234567    ", 1},
        {"C30", "NAIS", vErre_C30, "0123456     ", 0},
        // C36: a date of 8 characters; blank only on other returns.
        {"C36", "ABAT", vErre_C36_1, "18032024", 1},
        {"C36", "ABAT", vErre_C36_1, "        ", 0},
        {"C36", "ABAT", vErre_C36_1, "31022024", 0},
        {"C36", "ABAT", vErre_C36_1, "  032024", 0},
        {"C36", "ABAT", vErre_C36_1, "18031899", 0},
        {"C36", "ABAT", vErre_C36_1, "1803202", 0},
        {"C36", "NAIS", vErre_C36_1, "        ", 1},
        {"C36", "NAIS", vErre_C36_1, "       ", 0},
        {"C36", "NAIS", vErre_C36_1, "", 0},
        {"C36", "NAIS", vErre_C36_1, "29022024", 1},
    };
    for (const Cas& c : cas) {
        ligneAvec({{63, c.c1}});
        EXPECT_EQ(appeler(c.f, c.valeur), c.attendu) << c.nom << " C1 " << c.c1 << " \"" << c.valeur << '"';
    }
}

// C6 depends on the country C5 of the line.
TEST(Erre, ForeignNumberOfCountryC5) {
    struct Cas {
        std::string c5, c6;
        int attendu;
    };
    const Cas cas[] = {
        {"DE", "12345       ", 1},
        {"DE", "DE12345     ", 0},
        {"DE", "AB12 5      ", 0},
        {"DE", "ab12        ", 0},
        {"  ", "12345       ", 1},
    };
    for (const Cas& c : cas) {
        ligneAvec({{84, c.c5}});
        EXPECT_EQ(appeler(vErre_C6, c.c6), c.attendu) << c.c5 << " \"" << c.c6 << '"';
    }
}

// The three rules on the bovine C32, by the country C31 of the line: the
// error each rule reports, or 0 where it accepts.
TEST(Erre, BovineNumberByCountryC31) {
    struct Cas {
        std::string c31, c32;
        int e1, e2, e3;  // 67, 118, 1 when refused
    };
    const Cas cas[] = {
        {"FR", "0112345678  ", 0, 0, 0},
        {"FR", "DE12345     ", 67, 0, 0},
        {"FR", "9751234567  ", 67, 0, 0},
        {"FR", B12, 0, 0, 0},
        {"DE", "0112345678  ", 0, 0, 0},
        {"DE", "X12345      ", 0, 0, 0},
        {"DE", "DE12345     ", 0, 0, 1},  // refused by the foreign-number rule only
        {"IT", "A 1         ", 0, 0, 1},
        {"CH", "CH1         ", 0, 0, 1},
        {"CH", "1234        ", 0, 0, 0},
        {"US", "US1234      ", 0, 118, 0},  // a third country: French or imported number only
        {"US", "0112345678  ", 0, 0, 0},
        {"US", B12, 0, 0, 0},
        {"  ", "X           ", 0, 118, 0},
    };
    for (const Cas& c : cas) {
        ligneAvec({{176, c.c31}});
        SCOPED_TRACE(c.c31 + " \"" + c.c32 + "\"");
        EXPECT_EQ(appeler(vErre_C32_1, c.c32), c.e1 == 0);
        EXPECT_EQ(appeler(vErre_C32_2, c.c32), c.e2 == 0);
        EXPECT_EQ(appeler(vErre_C32_3, c.c32), c.e3 == 0);
    }
}

TEST(Erre, ReportedEmitterCode) {
    struct Cas {
        std::string c37;
        int attendu;
    };
    const Cas cas[] = {
        {"        ", 1},
        {"", 1},
        {"001IPG  ", 1},
        {"02AIPG  ", 1},
        {"976IPG  ", 1},
        {"020IPG  ", 0},  // not an office of TDC
        {"001IPGXX", 0},
        {"NORMABEV", 1},
        {"POINTFOC", 1},
        {"ONICAB01", 1},
        {"OFFICE  ", 1},
        {"NORM01  ", 0},  // partner codes are not reported emitters
        {"NORM02  ", 0},
        {"PFOC01  ", 0},
        {"OVINFOS ", 0},
        {"013ARS  ", 0},
        {"ONI CAB ", 0},  // a blank inside
        {" 001IPG ", 0},
        {"AB      ", 0},  // shorter than 6
        {"OFFIC   ", 0},
        {"001IPG ", 0},   // 7 characters
    };
    for (const Cas& c : cas) EXPECT_EQ(appeler(vErre_C37_1, c.c37), c.attendu) << '"' << c.c37 << '"';
}

TEST(Erre, ReportedEmitterRelatedToTheFileEmitter) {
    struct Cas {
        std::string emetteur, c37;
        int attendu;
    };
    const Cas cas[] = {
        {"001IPG  ", "001IPG  ", 1},
        {"001IPG  ", "        ", 1},
        {"001IPG  ", "002IPG  ", 0},
        {"001IPG  ", "NORMABEV", 0},
        {"013ARS  ", "004IPG  ", 1},  // paired in TEDC
        {"013ARS  ", "084IPG  ", 1},
        {"013ARS  ", "007IPG  ", 0},
        {"042ARS  ", "007IPG  ", 1},
        {"004IPG  ", "013ARS  ", 0},  // a pair is not read backwards
        {"NORM02  ", "NORMABEV", 1},
        {"PFOC01  ", "POINTFOC", 1},
        {"OFFICE01", "OFFICE01", 1},
        {"001IPG  ", "001IPG", 0},
    };
    for (const Cas& c : cas) {
        EXPECT_EQ(appeler(vErre_C37_2, c.c37, c.emetteur.c_str()), c.attendu)
            << c.emetteur << " / \"" << c.c37 << '"';
    }
}

// Columns past the end of a short line are missing: a line that stops before
// C1 returns no slaughter notification, whatever an earlier line left in the
// buffer there.
TEST(Erre, ShortLineHasNoReturnedType) {
    ligneCourante(erreValide().texte());
    xdebug[60] = '\0';
    EXPECT_EQ(appeler(vErre_C6, B12), 1);
    EXPECT_EQ(appeler(vErre_C36_1, "        "), 1);
    EXPECT_EQ(appeler(vErre_C5, "  "), 1);
    EXPECT_EQ(appeler(vErre_C8_conf, "01234567    "), 1);
    EXPECT_EQ(appeler(vErre_C8_conf, "0112345     "), 0);
    // A line that stops before C31: the country is not "FR".
    ligneCourante(erreValide().texte());
    xdebug[174] = '\0';
    EXPECT_EQ(appeler(vErre_C32_1, "DE12345     "), 1);
    ligneCourante(erreValide().texte());
    EXPECT_EQ(appeler(vErre_C32_1, "DE12345     "), 0);
}

const std::vector<std::string> listeErre = {
    "C1 63-66 0 1 0 1 0 fVerifValAut tE6(27) - 85",
    "C1 same 0 1 0 1 0 vErre_C1 - - 190",
    "C2 67-69 0 1 0 1 0 fVerifValAut tE5(7) - 84",
    "C3 70-71 0 1 0 1 0 fVerifValAut TP(245) - 1",
    "C4 72-83 0 1 0 1 0 vErre_C4 - - 185",
    "C5 84-85 0 1 0 1 0 vErre_C5 - - 1",
    "C6 86-97 0 1 0 1 0 vErre_C6 - - 186",
    "C7 98-99 0 1 0 1 0 vErre_C7 - - 21",
    "C8 100-111 0 1 0 1 0 vErre_C8 - - 21",
    "C8 same 0 1 0 1 0 vErre_C8_conf - - 68",
    "C9 112-115 0 1 0 1 0 vErre_C9 - - 187",
    "C10 116-116 0 1 0 1 0 vErre_C10 - - 188",
    "C29 162-163 0 1 0 1 0 vErre_C29 - - 189",
    "C30 164-175 0 1 0 1 0 vErre_C30 - - 189",
    "C31 176-177 0 1 0 1 0 vErre_C31 - - 1",
    "C32 178-189 0 1 0 1 0 vErre_C32_1 - - 67",
    "C32 same 0 1 0 1 0 vErre_C32_2 - - 118",
    "C32 same 0 1 0 1 0 vErre_C32_3 - - 1",
    "C33 190-197 0 1 0 1 0 fDATEC_INC - - 5",
    "C33 same 0 1 0 1 0 fCoherenDC - F1 52",
    "C34 198-205 0 1 0 1 0 fDATEC_INC - - 22",
    "C34 same 0 1 0 1 0 fCoherenDC - F1 52",
    "C35 206-213 0 1 0 1 0 fDATEC_INC - - 22",
    "C35 same 0 1 0 1 0 fCoherenDC - F1 52",
    "C36 214-221 0 1 0 1 0 vErre_C36_1 - - 122",
    "C36 same 0 1 0 1 0 fCoherenDC - F1 52",
    "C37 222-229 0 1 0 1 0 vErre_C37_1 - - 87",
    "C37 same 0 1 0 1 0 vErre_C37_2 - FICH.E3 135",
};

const essai::NomsDeChecks kChecksErre = {
    NOM_CHECK(vErre_C1),    NOM_CHECK(vErre_C4),    NOM_CHECK(vErre_C5),     NOM_CHECK(vErre_C6),
    NOM_CHECK(vErre_C7),    NOM_CHECK(vErre_C8),    NOM_CHECK(vErre_C8_conf), NOM_CHECK(vErre_C9),
    NOM_CHECK(vErre_C10),   NOM_CHECK(vErre_C29),   NOM_CHECK(vErre_C30),    NOM_CHECK(vErre_C31),
    NOM_CHECK(vErre_C32_1), NOM_CHECK(vErre_C32_2), NOM_CHECK(vErre_C32_3),  NOM_CHECK(vErre_C36_1),
    NOM_CHECK(vErre_C37_1), NOM_CHECK(vErre_C37_2),
};

TEST(Erre, TableRowByRow) { essai::comparerListing(tErre, lErre, listeErre, kChecksErre); }

TEST(Erre, SlotsAfterTheJump) {
    // Field numbers jump from C10 to C29: C29 is slot 10, C31 slot 12.
    EXPECT_EQ(essai::correspondanceSlots(tErre, lErre).rfind("slot C11 = field C29, slot C12 = field C30, ", 0), 0u)
        << essai::correspondanceSlots(tErre, lErre);
    EXPECT_EQ(essai::champDuSlot(tErre, lErre, 12), C31);
    EXPECT_EQ(essai::nombreDeSlots(tErre, lErre), 19);
    const sAiguillage& entree = tAiguillage[chercherAiguillage("ERRE")];
    EXPECT_EQ(entree.tabVerif, tErre);
    EXPECT_EQ(*entree.pLenTabVerif, 28);
    EXPECT_EQ(entree.champErrC7, CINC);
    EXPECT_EQ(entree.champErrC8, CINC);
}

}  // namespace
