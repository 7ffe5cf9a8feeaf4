// ABAT (slaughter notification): the body snapshot, the checks of this type,
// and the rule table row by row against its listing.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "engine/moteur.h"
#include "engine/verif.h"
#include "harnais_tables.h"
#include "model/modele.h"
#include "outils.h"
#include "records/abat.h"
#include "records/records.h"
#include "reference/valautorise.h"

namespace {

using essai::Valeur;
using essai::Vse;

const std::string B12(12, ' ');

// Body of a valid slaughter notified by a French slaughterhouse: a French
// bovine from a French holding, entered on 14 and slaughtered on 15 June 2024.
Vse abattage() {
    Vse v;
    v.e6 = "ABAT";
    v.colonnes(63, "FR")               // C1 country of the bovine
        .colonnes(65, "0112345678  ")  // C2 its national number
        .colonnes(77, "  ")            // C3 status
        .colonnes(79, "FR")            // C4 country of the holding of provenance
        .colonnes(81, "01234567    ")  // C5 its number
        .colonnes(93, "14062024")      // C6 date of entry
        .colonnes(101, "15062024")     // C7 slaughter date
        .colonnes(109, "A1234567")     // C8 slaughterhouse
        .colonnes(117, "0350,50")      // C9 carcass weight
        .colonnes(124, "FR")           // C10 notifier's country
        .colonnes(126, "0112345     ") // C11 notifier
        .colonnes(138, "C");           // C12 indicator
    return v;
}

// Makes `ligne` the current line as the engine does (NUL bytes seen as 0x7F)
// and takes the snapshot from it.
void ligneCourante(const std::string& ligne) {
    preparerVue(ligne.data(), static_cast<int>(ligne.size()), xdebug);
    getVseCorps();
}

// The record's line cut after `longueur` characters.
std::string coupee(const Vse& v, size_t longueur) { return v.texte().substr(0, longueur); }

Vse avec(Vse v, int colonne, const std::string& valeur) {
    v.colonnes(colonne, valeur);
    return v;
}

TEST(Abat, SnapshotTakesEveryFieldFromTheLine) {
    Vse v = abattage();
    v.colonnes(77, "xy").colonnes(139, "ZZZZ");
    ligneCourante(v.texte());
    EXPECT_STREQ(cp.CODE_PAYS_BOV, "");  // never filled: C1 is read from the line
    EXPECT_STREQ(cp.NUME_NATI_BOV, "0112345678  ");
    EXPECT_STREQ(cp.CODE_RESULTAT, "xy");
    EXPECT_STREQ(cp.CODE_EXPLOIT_PROVENANCE, "FR");
    EXPECT_STREQ(cp.NUME_EXPLOIT_PROVENANCE, "01234567    ");
    EXPECT_STREQ(cp.DATE_ENTREE_ABAT, "14062024");
    EXPECT_STREQ(cp.DATE_ABATTAGE, "15062024");
    EXPECT_STREQ(cp.NUME_TUERIE, "A1234567");
    EXPECT_STREQ(cp.POIDS_CARCASSE, "0350,50");
    EXPECT_STREQ(cp.CODE_PAYS_ABAT_NOTIF, "FR");
    EXPECT_STREQ(cp.NUME_IDENT_ABAT_NOTIF, "0112345     ");
    EXPECT_STREQ(cp.INDIC_CREA_INVA_ABATT, "C");  // nothing of column 139 on
}

TEST(Abat, SnapshotOfAShortLineLeavesTheMissingFieldsEmpty) {
    // A long line first: nothing of it may remain.
    ligneCourante(abattage().texte());
    ligneCourante(coupee(abattage(), 112));  // ends inside C8
    EXPECT_STREQ(cp.NUME_NATI_BOV, "0112345678  ");
    EXPECT_STREQ(cp.DATE_ABATTAGE, "15062024");
    EXPECT_STREQ(cp.NUME_TUERIE, "A123");
    EXPECT_STREQ(cp.POIDS_CARCASSE, "");
    EXPECT_STREQ(cp.CODE_PAYS_ABAT_NOTIF, "");
    EXPECT_STREQ(cp.NUME_IDENT_ABAT_NOTIF, "");
    EXPECT_STREQ(cp.INDIC_CREA_INVA_ABATT, "");

    ligneCourante(coupee(abattage(), 40));  // ends inside the header
    EXPECT_STREQ(cp.NUME_NATI_BOV, "");
    EXPECT_STREQ(cp.INDIC_CREA_INVA_ABATT, "");
    ligneCourante("");
    EXPECT_STREQ(cp.NUME_NATI_BOV, "");
}

TEST(Abat, SnapshotKeepsEveryByteInItsColumn) {
    std::string ligne = abattage().texte();
    ligne[110] = '\0';    // column 111, in C8
    ligne[111] = '\xE9';  // column 112
    ligne[66] = '\xFF';   // column 67, in C2
    ligneCourante(ligne);
    EXPECT_STREQ(cp.NUME_TUERIE, "A1\x7f\xE9" "4567");
    EXPECT_STREQ(cp.NUME_NATI_BOV, "01\xFF" "2345678  ");
    EXPECT_STREQ(cp.POIDS_CARCASSE, "0350,50");
}

TEST(Abat, SnapshotIsClearedAtTheStartOfARun) {
    ligneCourante(abattage().texte());
    effacerModele();
    EXPECT_STREQ(cp.NUME_NATI_BOV, "");
    EXPECT_STREQ(cp.NUME_IDENT_ABAT_NOTIF, "");
    EXPECT_STREQ(cp.INDIC_CREA_INVA_ABATT, "");
}

// presence_C2 takes the snapshot of the current line before judging C2.
TEST(Abat, PresenceC2TakesTheSnapshotAfreshForEachRecord) {
    const std::string premier = avec(abattage(), 126, "OFFICEDE    ").texte();
    const std::string second = avec(abattage(), 65, B12).texte();
    preparerVue(premier.data(), 256, xdebug);
    Valeur c2a("0112345678  ");
    EXPECT_EQ(presence_C2(depVide, c2a.get(), nullptr, 0), 1);
    EXPECT_STREQ(cp.NUME_IDENT_ABAT_NOTIF, "OFFICEDE    ");

    preparerVue(second.data(), 256, xdebug);
    // The verdict follows the line's C2, whatever value the engine hands.
    Valeur c2b("0112345678  ");
    EXPECT_EQ(presence_C2(depVide, c2b.get(), nullptr, 0), 0);
    EXPECT_STREQ(cp.NUME_IDENT_ABAT_NOTIF, "0112345     ");

    struct Cas {
        std::string ligne;
        int attendu;
    };
    const Cas cas[] = {
        {avec(abattage(), 65, "           1").texte(), 1},
        {avec(abattage(), 65, "************").texte(), 1},
        {coupee(abattage(), 75), 1},  // C2 cut short is not 12 blanks
        {coupee(avec(abattage(), 65, B12), 75), 1},
        {coupee(abattage(), 62), 1},  // nor is an empty C2
    };
    for (const Cas& c : cas) {
        preparerVue(c.ligne.data(), static_cast<int>(c.ligne.size()), xdebug);
        Valeur v("x");
        EXPECT_EQ(presence_C2(depVide, v.get(), nullptr, 0), c.attendu) << '"' << c.ligne.substr(62, 14) << '"';
    }
}

// The national number C2 by the country C1 of the line: French numbers
// through the French-or-imported rule (67), Swiss and member-state numbers
// through the foreign-number rule (1), any other country free.
TEST(Abat, NationalNumberByCountry) {
    struct Cas {
        std::string c1;
        std::string c2;
        int francais;  // vAbat_C2_1
        int etranger;  // vAbat_C2_2
    };
    const Cas cas[] = {
        {"FR", "0112345678  ", 1, 1},
        {"FR", "9741234567  ", 1, 1},
        {"FR", "9761234567  ", 0, 1},  // 976 is no bovine department
        {"FR", "2A12345678  ", 0, 1},
        {"FR", "011234567   ", 0, 1},
        {"FR", "0112345678", 0, 1},  // cut short
        {"FR", B12, 0, 1},
        {"FR", "DE12345678  ", 0, 1},
        {"CH", "A12345      ", 1, 1},
        {"CH", "CH12345     ", 1, 0},  // repeats its country
        {"CH", B12, 1, 0},
        {"DE", "0123456789  ", 1, 1},
        {"DE", "DE12345678  ", 1, 0},
        {"DE", "1234 5678   ", 1, 0},  // embedded blank
        {"BE", "be123       ", 1, 0},  // lower case
        {"IT", "12345678ABCD", 1, 1},
        {"EL", "", 1, 0},
        {"UK", "UK123       ", 1, 0},
        {"US", "not a number", 1, 1},  // neither member state nor Switzerland
        {"GB", B12, 1, 1},
        {"fr", "2A12345678  ", 1, 1},  // "fr" is not "FR"
        {"  ", B12, 1, 1},
    };
    // The slot C1 holds another country: only the line counts.
    std::strcpy(valCorpsVSE[C1].valeur, "US");
    for (const Cas& c : cas) {
        preparerVue(avec(abattage(), 63, c.c1).texte().data(), 256, xdebug);
        const std::string nom = c.c1 + " / \"" + c.c2 + '"';
        Valeur a(c.c2);
        EXPECT_EQ(vAbat_C2_1(depVide, a.get(), nullptr, 0) != 0, c.francais == 1) << nom;
        Valeur b(c.c2);
        EXPECT_EQ(vAbat_C2_2(depVide, b.get(), nullptr, 0) != 0, c.etranger == 1) << nom;
    }
    // A line that ends before C1, or inside it, has no country.
    for (size_t longueur : {size_t{40}, size_t{63}}) {
        const std::string ligne = coupee(abattage(), longueur);
        preparerVue(ligne.data(), static_cast<int>(longueur), xdebug);
        Valeur a("2A12345678  ");
        EXPECT_EQ(vAbat_C2_1(depVide, a.get(), nullptr, 0), 1) << longueur;
        Valeur b(B12);
        EXPECT_EQ(vAbat_C2_2(depVide, b.get(), nullptr, 0), 1) << longueur;
    }
}

TEST(Abat, ProvenanceCountryInEitherList) {
    struct Cas {
        std::string c4;
        int attendu;
    };
    const Cas cas[] = {
        {"FR", 1}, {"DE", 1}, {"CH", 1}, {"US", 1},
        {"MH", 1}, {"XS", 1},  // in TCPNOCEE only
        {"", 1},  // TP holds an empty entry: a line that ends before C4
        {"ZZ", 0}, {"fr", 0}, {"  ", 0}, {"F", 0}, {"FRA", 0},
        {"NORMABEV", 0},  // partner codes are no countries here
    };
    for (const Cas& c : cas) {
        Valeur v(c.c4);
        EXPECT_EQ(fVerif_ASDA(depVide, v.get(), nullptr, 0), c.attendu) << '"' << c.c4 << '"';
    }
    for (int i = 0; i < LenTCPNOCEE; ++i) {
        Valeur v(TCPNOCEE[i]);
        EXPECT_EQ(fVerif_ASDA(depVide, v.get(), nullptr, 0), 1) << TCPNOCEE[i];
    }
    for (int i = 0; i < LenTP; ++i) {
        Valeur v(TP[i]);
        EXPECT_EQ(fVerif_ASDA(depVide, v.get(), nullptr, 0), 1) << TP[i];
    }
}

// The provenance number: present (31); for a French holding, the indicator
// present, then a French holding number unless an office notifies (68).
TEST(Abat, ProvenanceNumberWithAndWithoutOffices) {
    struct Cas {
        std::string nom;
        std::string ligne;
        std::string c5;  // the value handed to fVerif_NUM_ASDA
        int presence;
        int numero;
    };
    const Vse v = abattage();
    const std::string mauvais = "2A234567    ";
    const Cas cas[] = {
        {"French holding", v.texte(), "01234567    ", 1, 1},
        {"not a French number", avec(v, 81, mauvais).texte(), mauvais, 1, 0},
        {"seven digits", avec(v, 81, "0123456     ").texte(), "0123456     ", 1, 0},
        {"department 20", avec(v, 81, "20234567    ").texte(), "20234567    ", 1, 1},
        {"blank", avec(v, 81, B12).texte(), B12, 0, 0},
        {"one digit", avec(v, 81, "          1 ").texte(), "          1 ", 1, 0},
        {"office OFFICE", avec(avec(v, 81, mauvais), 126, "OFFICEDE    ").texte(), mauvais, 1, 1},
        {"office ONICAB", avec(avec(v, 81, mauvais), 126, "ONICABFR    ").texte(), mauvais, 1, 1},
        {"OFFIC is no office", avec(avec(v, 81, mauvais), 126, "OFFIC1234   ").texte(), mauvais, 1, 0},
        {"office in lower case", avec(avec(v, 81, mauvais), 126, "officeDE    ").texte(), mauvais, 1, 0},
        {"blank indicator is present", avec(v, 138, " ").texte(), "01234567    ", 1, 1},
        {"no indicator: line ends at 137", coupee(v, 137), "01234567    ", 1, 0},
        {"no indicator, office", coupee(avec(v, 126, "OFFICEDE    "), 137), "01234567    ", 1, 0},
        {"foreign holding", avec(avec(v, 79, "DE"), 81, "DE-1 2      ").texte(), "DE-1 2      ", 1, 1},
        {"foreign holding, no indicator", coupee(avec(avec(v, 79, "BE"), 81, mauvais), 137), mauvais, 1, 1},
        {"C4 fr is not FR", avec(avec(v, 79, "fr"), 81, mauvais).texte(), mauvais, 1, 1},
        {"line ends before C5", coupee(v, 80), "", 0, 0},  // C4 "FR" without indicator
    };
    for (const Cas& c : cas) {
        ligneCourante(c.ligne);
        Valeur a("ignored");
        EXPECT_EQ(presence_C5(depVide, a.get(), FR, LenFR), c.presence) << c.nom;
        Valeur b(c.c5);
        EXPECT_EQ(fVerif_NUM_ASDA(depVide, b.get(), FR, LenFR), c.numero) << c.nom;
    }
}

// Year floors: a year after 1997, read from characters 5 to 8 and from no
// other; a blank entry date is allowed, a blank slaughter date is not.
TEST(Abat, DatesAfter1997) {
    struct Cas {
        std::string date;
        int entree;    // fVerifDateInputPost
        int abattage;  // fVerifDateAbatPost
    };
    const Cas cas[] = {
        {"01011998", 1, 1},
        {"15062024", 1, 1},
        {"31121997", 0, 0},
        {"01011997", 0, 0},
        {"        ", 1, 0},
        {"", 1, 0},
        {"   ", 1, 0},
        {"0101 998", 0, 0},
        {"010119979", 0, 0},   // characters 5 to 8 are 1997, whatever follows
        {"0101199", 0, 0},     // 199
        {"0101", 0, 0},        // no year
        {"01012O24", 0, 0},    // reads 2
        {"xxxx1998", 1, 1},    // the day and month are not read here
        {"  0 1998", 1, 1},
        {"0101+1998", 0, 0},   // +199
        {"0101-200", 0, 0},
    };
    for (const Cas& c : cas) {
        Valeur a(c.date);
        EXPECT_EQ(fVerifDateInputPost(depVide, a.get(), nullptr, 0), c.entree) << '"' << c.date << '"';
        Valeur b(c.date);
        EXPECT_EQ(fVerifDateAbatPost(depVide, b.get(), nullptr, 0), c.abattage) << '"' << c.date << '"';
    }
}

// The entry C6 (from the snapshot) may not be later than the slaughter C7.
TEST(Abat, EntryNotAfterSlaughter) {
    struct Cas {
        std::string c6;
        std::string c7;
        int attendu;
    };
    const std::string B8(8, ' ');
    const Cas cas[] = {
        {"15062024", "15062024", 1},  // the same day
        {"14062024", "15062024", 1},
        {"16062024", "15062024", 0},  // one day after
        {"01072024", "30062024", 0},  // a later month, an earlier day
        {"01012025", "31122024", 0},  // a later year
        {"31052024", "01062024", 1},
        {"31122023", "01012024", 1},
        {"31122024", "01012025", 1},
        {B8, "15062024", 1},
        {"16062024", B8, 1},
        {B8, B8, 1},
        {"  062024", "15062024", 1},  // day read as 0
        {"16062024", "  062024", 0},
        {"1606", "15062024", 1},      // cut short: year 0
        {"16062024", "1506", 0},
        {"16062024", "1506202", 0},   // year 202
        {"1606202", "15062024", 1},
        {"16062024", "150620245", 0}, // characters 5 to 8 only
    };
    for (const Cas& c : cas) {
        // A C6 shorter than 8 characters: the line ends inside it.
        const Vse r = avec(abattage(), 93, c.c6);
        ligneCourante(c.c6.size() < 8 ? coupee(r, 92 + c.c6.size()) : r.texte());
        Valeur v(c.c7);
        EXPECT_EQ(fVerifDateAbatPostEntr(depVide, v.get(), nullptr, 0), c.attendu) << c.c6 << " / " << c.c7;
    }
}

// The slaughterhouse C8: its form (68, from the snapshot) and its number
// (128), which an office notifier (C11 "OFFICE...") ties to C4 and C10.
TEST(Abat, SlaughterhouseNumbers) {
    struct Cas {
        std::string c8;
        std::string c11;
        int forme;   // presence_C8
        int numero;  // fVerif_NUM_TUE
    };
    const std::string B8(8, ' ');
    const std::string office = "OFFICEDE    ";
    const Cas cas[] = {
        // A French slaughterhouse notifies.
        {"A1234567", "0112345     ", 1, 1},
        {"a1b2c3d4", "0112345     ", 1, 1},
        {"12 4 678", "0112345     ", 1, 1},
        {B8, "0112345     ", 1, 1},
        {" 1234567", "0112345     ", 0, 0},
        {"12-45678", "0112345     ", 0, 1},
        {"-1234567", "0112345     ", 0, 0},
        {"1234\xE9" "678", "0112345     ", 0, 1},
        {"\xE9" "1234567", "0112345     ", 0, 0},
        {"FRFR    ", "0112345     ", 1, 1},
        // ONICAB is no OFFICE here.
        {"FRFR    ", "ONICABFR    ", 1, 1},
        {"-FRFR   ", "ONICABFR    ", 0, 0},
        // An office of Germany, provenance France.
        {"FRDE    ", office, 1, 1},
        {"FRFR    ", office, 1, 0},
        {"FRDE FR ", office, 1, 1},  // what follows the first blank is not read
        {"FRDEX   ", office, 1, 0},
        {"FRD     ", office, 1, 0},
        {" FRDE   ", office, 0, 0},
        {"FRDE-   ", office, 0, 0},
        {B8, office, 1, 1},
        {"A1234567", office, 1, 0},
    };
    for (const Cas& c : cas) {
        // C4 "FR" and C10 "DE": what an office of Germany expects is "FRDE".
        ligneCourante(avec(avec(avec(abattage(), 124, "DE"), 109, c.c8), 126, c.c11).texte());
        Valeur a(c.c8);
        EXPECT_EQ(presence_C8(depVide, a.get(), nullptr, 0), c.forme) << c.c8 << " / " << c.c11;
        Valeur b(c.c8);
        EXPECT_EQ(fVerif_NUM_TUE(depVide, b.get(), nullptr, 0), c.numero) << c.c8 << " / " << c.c11;
    }
    // C8 cut short by the line's end.
    for (const std::string& c11 : {std::string("0112345     "), office}) {
        ligneCourante(coupee(avec(abattage(), 126, c11), 112));
        Valeur a("A123");
        EXPECT_EQ(presence_C8(depVide, a.get(), nullptr, 0), 0);
        ligneCourante(coupee(avec(abattage(), 126, c11), 100));
        Valeur b("");
        EXPECT_EQ(presence_C8(depVide, b.get(), nullptr, 0), 0);
    }
    // The number handed is judged, the snapshot gives C4, C10 and C11.
    ligneCourante(avec(avec(abattage(), 126, "0112345     "), 109, "A1234567").texte());
    Valeur court("A123456");
    EXPECT_EQ(fVerif_NUM_TUE(depVide, court.get(), nullptr, 0), 0);
    ligneCourante(avec(avec(abattage(), 124, "DE"), 126, office).texte());
    Valeur frde("FRDE");
    EXPECT_EQ(fVerif_NUM_TUE(depVide, frde.get(), nullptr, 0), 1);
}

// The weight: "KKKK,HH" or 7 blanks (125), at most 1000,00 kg (126).
TEST(Abat, CarcassWeights) {
    struct Cas {
        std::string c9;
        int chaine;  // fVerif_chaine_POIDS
        int poids;   // fVerif_POIDS
    };
    const Cas cas[] = {
        {"0350,50", 1, 1},
        {"0000,00", 1, 1},
        {"0999,99", 1, 1},
        {"1000,00", 1, 1},
        {"1000,01", 1, 0},
        {"1001,00", 1, 0},
        {"9999,99", 1, 0},
        {"       ", 1, 1},
        {"0350500", 0, 1},  // no comma; 0350 and 00, not 350500
        {"2000000", 0, 0},
        {"03505,0", 0, 1},
        {"035,050", 0, 1},
        {",035050", 0, 1},
        {"035050,", 0, 1},
        {"1000.01", 0, 0},
        {"0350,5 ", 0, 1},
        {"035 ,50", 0, 1},
        {"1000,1 ", 0, 0},
        {"-100,00", 0, 1},  // no lower bound
        {" 1001,0", 0, 1},
        {"0350,50 ", 0, 1},
        {"0350,5", 0, 1},
        {"1000,", 0, 1},
        {"1001", 0, 0},
        {"", 0, 1},
        {"      ", 0, 1},
        {"abcd,ef", 0, 1},
        {"035\xB9,50", 0, 1},
    };
    for (const Cas& c : cas) {
        Valeur a(c.c9);
        EXPECT_EQ(fVerif_chaine_POIDS(depVide, a.get(), nullptr, 0), c.chaine) << '"' << c.c9 << '"';
        Valeur b(c.c9);
        EXPECT_EQ(fVerif_POIDS(depVide, b.get(), nullptr, 0), c.poids) << '"' << c.c9 << '"';
    }
}

// The notifier: its country C10 (127) and its identifier C11 (127, 68).
TEST(Abat, NotifierCountry) {
    struct Cas {
        std::string c10;
        std::string c11;
        int attendu;
    };
    const Cas cas[] = {
        {"FR", "0112345     ", 1},
        {"DE", "0112345     ", 0},
        {"fr", "0112345     ", 0},
        {"  ", "0112345     ", 0},
        {"DE", "OFFICEDE    ", 1},
        {"FR", "OFFICEDE    ", 0},
        {"BE", "ONICABBE    ", 1},
        {"FR", "ONICABBE    ", 0},
        {"FR", "ONICABFR    ", 1},
        {"  ", "OFFICE      ", 1},
        {"DE", "officeDE    ", 0},  // lower case: no office, so "FR" is needed
        {"FR", "officeDE    ", 1},
        {"DE", "OFFICDE     ", 0},
        {"FR", B12, 1},
    };
    for (const Cas& c : cas) {
        ligneCourante(avec(avec(abattage(), 124, c.c10), 126, c.c11).texte());
        Valeur v(c.c10);
        EXPECT_EQ(fVerif_CODEPE_ABATNOT(depVide, v.get(), FR, LenFR), c.attendu) << c.c10 << " / " << c.c11;
    }
    // An office identifier cut short by the line's end.
    ligneCourante(coupee(avec(avec(abattage(), 124, "DE"), 126, "OFFICEDE"), 133));
    Valeur de("DE");
    EXPECT_EQ(fVerif_CODEPE_ABATNOT(depVide, de.get(), FR, LenFR), 1);
    ligneCourante(coupee(avec(avec(abattage(), 124, "DE"), 126, "OFFICEDE"), 132));
    Valeur de2("DE");
    EXPECT_EQ(fVerif_CODEPE_ABATNOT(depVide, de2.get(), FR, LenFR), 0);
}

TEST(Abat, NotifierIdentifierForms) {
    struct Cas {
        std::string c11;
        int attendu;  // fVerif_NUMID_ABATNOT_CONF
    };
    const Cas cas[] = {
        {"2A12345     ", 1},
        {"2B123456    ", 1},
        {"0112345     ", 1},
        {"01123456    ", 1},
        {"2012345     ", 1},  // 20 is in TD
        {"9812345     ", 1},
        {"9712345     ", 1},
        {"9912345     ", 0},
        {"0012345     ", 0},
        {"2C12345     ", 0},
        {"2a12345     ", 0},
        {"011234567   ", 0},  // nine characters before the first blank
        {"011234      ", 0},  // six
        {" 0112345    ", 0},
        {"", 0},
        {B12, 0},
        {"0112345 AB  ", 1},  // what follows the first blank is not read
        {"0112345   AB", 0},  // characters 11 and 12 must be blank
        {"0112345    X", 0},
        {"0112345", 0},       // cut short: no characters 11 and 12
        {"01123456  ", 0},
        {"OFFICEDE    ", 1},
        {"ONICABFR    ", 1},
        {"OFFICED     ", 1},
        {"OFFICEDE  XY", 1},
        {"OFFICEDE", 1},
        {"OFFICEDEX   ", 0},
        {"OFFICE      ", 0},
        {"OFFICEDE1234", 0},
    };
    for (const Cas& c : cas) {
        Valeur v(c.c11);
        EXPECT_EQ(fVerif_NUMID_ABATNOT_CONF(depVide, v.get(), nullptr, 0), c.attendu) << '"' << c.c11 << '"';
    }
    // Every department code of TD, then five digits.
    for (int i = 0; i < LenTD; ++i) {
        Valeur v(std::string(TD[i]) + "12345     ");
        EXPECT_EQ(fVerif_NUMID_ABATNOT_CONF(depVide, v.get(), nullptr, 0), 1) << TD[i];
    }
}

TEST(Abat, NotifierPresenceAndReservedRules) {
    struct Cas {
        std::string ligne;
        int attendu;
    };
    const Cas cas[] = {
        {abattage().texte(), 1},
        {avec(abattage(), 126, B12).texte(), 0},
        {avec(abattage(), 126, "           X").texte(), 1},
        {coupee(avec(abattage(), 126, B12), 136), 1},  // 11 blanks are not 12
        {coupee(abattage(), 125), 0},                  // nothing
    };
    for (const Cas& c : cas) {
        ligneCourante(c.ligne);
        Valeur v("x");
        EXPECT_EQ(presence_C11(depVide, v.get(), nullptr, 0), c.attendu) << '"' << c.ligne.substr(125) << '"';
    }
    for (const std::string& valeur : {std::string(""), B12, std::string("?"), std::string("0112345     ")}) {
        Valeur a(valeur), b(valeur), d(valeur);
        EXPECT_EQ(fVerif_NUMID_ABATNOT_COHER(depVide, a.get(), nullptr, 0), 1);
        EXPECT_EQ(fVerif_NUMID_ABATNOT_TABREF(depVide, b.get(), nullptr, 0), 1);
        EXPECT_EQ(fVerif_INDIC_ABAT(depVide, d.get(), FR, LenFR), 1);
    }
}

// The whole table through the engine: the errors of one record in table
// order, and no body rule for DEM and EDI.
std::vector<int> erreursDuCorps(const Vse& v, const char* action) {
    const std::string ligne = v.texte();
    std::strcpy(valFinVSE[F1].valeur, "20062024");
    getvseChamps(tAbat, lAbat, ligne.c_str(), 256, valCorpsVSE, noVisu);
    sMoteur moteur;
    const int n = TableCompilee(tAbat, lAbat).verifier(moteur, 0, valCorpsVSE, action);
    return {moteur.codeErreur, moteur.codeErreur + n};
}

TEST(Abat, RulesOfEachAction) {
    const Vse v = abattage();
    Vse faux = v;  // more than ten errors: the first ten are kept
    faux.colonnes(63, "ZZ")
        .colonnes(65, B12)
        .colonnes(79, "ZZ")
        .colonnes(93, "31022024")
        .colonnes(101, "01011997")
        .colonnes(109, "-1234567")
        .colonnes(117, "1000,01")
        .colonnes(124, "DE")
        .colonnes(126, "011234567   ");
    Vse faux2 = v;  // the fields after C7
    faux2.colonnes(109, " 1234567").colonnes(117, "0350500").colonnes(124, "DE").colonnes(126, "011234567   ");
    for (const char* action : {"CRE", "ECQ", "INV", "MOD"}) {
        EXPECT_EQ(erreursDuCorps(v, action), std::vector<int>{}) << action;
        EXPECT_EQ(erreursDuCorps(faux, action), (std::vector<int>{1, 1, 31, 120, 123, 124, 68, 128, 126, 127}))
            << action;
        EXPECT_EQ(erreursDuCorps(faux2, action), (std::vector<int>{68, 128, 125, 127, 68})) << action;
    }
    for (const char* action : {"DEM", "EDI"}) {
        EXPECT_EQ(erreursDuCorps(faux, action), std::vector<int>{}) << action;
        EXPECT_EQ(erreursDuCorps(faux2, action), std::vector<int>{}) << action;
    }
    // An unknown action refuses every rule that has a check.
    EXPECT_EQ(erreursDuCorps(v, "ANN"), std::vector<int>(10, 86));
}

// The table against its listing. One line per row: field, columns ("same"
// for a further rule on the field above), obligation codes for CRE DEM INV
// EDI MOD, check, allowed-value table with its count, dependance, error.
const std::vector<std::string> listeAbat = {
    "C1 63-64 0 1 0 1 0 fVerifValAut TP(245) - 1",
    "C2 65-76 0 1 0 1 0 presence_C2 - - 1",
    "C2 same 0 1 0 1 0 vAbat_C2_1 - - 67",
    "C2 same 0 1 0 1 0 vAbat_C2_2 - - 1",
    "C3 77-78 1 1 1 1 1 - - - -",
    "C4 79-80 0 1 0 1 0 fVerif_ASDA - - 31",
    "C5 81-92 0 1 0 1 0 presence_C5 FR(1) - 31",
    "C5 same 0 1 0 1 0 fVerif_NUM_ASDA FR(1) - 68",
    "C6 93-100 0 1 0 1 0 fDATECxad - - 120",
    "C6 same 0 1 0 1 0 fCoherenDC - F1 52",
    "C6 same 0 1 0 1 0 fVerifDateInputPost - - 121",
    "C7 101-108 0 1 0 1 0 fDATEC - - 122",
    "C7 same 0 1 0 1 0 fCoherenDC - F1 52",
    "C7 same 0 1 0 1 0 fVerifDateAbatPost - - 123",
    "C7 same 0 1 0 1 0 fVerifDateAbatPostEntr - - 124",
    "C8 109-116 0 1 0 1 0 presence_C8 - - 68",
    "C8 same 0 1 0 1 0 fVerif_NUM_TUE - - 128",
    "C9 117-123 0 1 0 1 0 fVerif_chaine_POIDS - - 125",
    "C9 same 0 1 0 1 0 fVerif_POIDS - - 126",
    "C10 124-125 0 1 0 1 0 fVerif_CODEPE_ABATNOT FR(1) - 127",
    "C11 126-137 0 1 0 1 0 presence_C11 - - 127",
    "C11 same 0 1 0 1 0 fVerif_NUMID_ABATNOT_CONF - - 68",
    "C11 same 0 1 0 1 0 fVerif_NUMID_ABATNOT_COHER - - 129",
    "C11 same 0 1 0 1 0 fVerif_NUMID_ABATNOT_TABREF - - 127",
    "C12 138-138 0 1 0 1 0 fVerif_INDIC_ABAT FR(1) - 139",
};

const essai::NomsDeChecks kChecksAbat = {
    NOM_CHECK(presence_C2),
    NOM_CHECK(vAbat_C2_1),
    NOM_CHECK(vAbat_C2_2),
    NOM_CHECK(fVerif_ASDA),
    NOM_CHECK(presence_C5),
    NOM_CHECK(fVerif_NUM_ASDA),
    NOM_CHECK(fVerifDateInputPost),
    NOM_CHECK(fVerifDateAbatPost),
    NOM_CHECK(fVerifDateAbatPostEntr),
    NOM_CHECK(presence_C8),
    NOM_CHECK(fVerif_NUM_TUE),
    NOM_CHECK(fVerif_chaine_POIDS),
    NOM_CHECK(fVerif_POIDS),
    NOM_CHECK(fVerif_CODEPE_ABATNOT),
    NOM_CHECK(presence_C11),
    NOM_CHECK(fVerif_NUMID_ABATNOT_CONF),
    NOM_CHECK(fVerif_NUMID_ABATNOT_COHER),
    NOM_CHECK(fVerif_NUMID_ABATNOT_TABREF),
    NOM_CHECK(fVerif_INDIC_ABAT),
};

TEST(Abat, TableRowByRow) { essai::comparerListing(tAbat, lAbat, listeAbat, kChecksAbat); }

TEST(Abat, SwitchTableEntry) {
    const sAiguillage& entree = tAiguillage[chercherAiguillage("ABAT")];
    EXPECT_EQ(entree.tabVerif, tAbat);
    EXPECT_EQ(*entree.pLenTabVerif, 25);
    EXPECT_EQ(entree.code, ABAT);
    EXPECT_EQ(entree.champErrC7, CINC);
    EXPECT_EQ(entree.champErrC8, CINC);
    // Slots and fields agree: C2 is slot C2, C12 slot C12.
    EXPECT_EQ(essai::correspondanceSlots(tAbat, lAbat), "");
    EXPECT_EQ(essai::nombreDeSlots(tAbat, lAbat), 12);
}

}  // namespace
