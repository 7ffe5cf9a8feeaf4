// Value comparison checks: a field that may be blank, must differ from
// another field or must come from a list, according to a companion field or
// to the record's main date against a cut-off date.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "outils.h"
#include "checks/comparaisons.h"
#include "model/modele.h"
#include "reference/valautorise.h"

namespace {

// A writable copy of exactly the value's size, so that a check reading past
// the terminating NUL is caught by the address sanitizer.
const std::string B30(30, ' ');
const std::string NOM = "DUPONT" + std::string(24, ' ');

TEST(ChecksComparaisons, OneOfTwoNameFieldsMustBeFilled) {
    struct Cas {
        std::string dependance;
        std::string valeur;
        int vdiffvd;
        int cdiff;
    };
    const Cas cas[] = {
        {B30, B30, 0, 0},
        {NOM, B30, 1, 1},
        {B30, NOM, 1, 1},
        {NOM, NOM, 1, 1},
        {B30, "NB" + std::string(28, ' '), 1, 1},  // the NB list changes nothing
        {std::string(29, ' '), std::string(29, ' '), 1, 1},  // not the 30-blank pattern
        {"", B30, 1, 0},  // an empty companion counts as blank for fCDIFF only
        {B30, "", 1, 1},
    };
    for (const Cas& c : cas) {
        auto v = essai::Valeur(c.valeur);
        EXPECT_EQ(fVDIFFVD(c.dependance.c_str(), v.get(), NB, LenNB), c.vdiffvd)
            << '"' << c.dependance << "\" / \"" << c.valeur << '"';
        EXPECT_EQ(fCDIFF(c.dependance.c_str(), v.get(), trenteBlancs, LentrenteBlancs), c.cdiff)
            << '"' << c.dependance << "\" / \"" << c.valeur << '"';
    }
}

TEST(ChecksComparaisons, CdiffLengthGuardOnTheCompanion) {
    auto v = essai::Valeur(NOM);
    EXPECT_EQ(fCDIFF(std::string(98, 'X').c_str(), v.get(), trenteBlancs, LentrenteBlancs), 1);
    EXPECT_EQ(fCDIFF(std::string(99, 'X').c_str(), v.get(), trenteBlancs, LentrenteBlancs), 0);
    auto blanc = essai::Valeur(B30);
    EXPECT_EQ(fCDIFF(std::string(98, ' ').c_str(), blanc.get(), trenteBlancs, LentrenteBlancs), 0);
    EXPECT_EQ(fCDIFF(B30.c_str(), blanc.get(), nullptr, 0), 1);  // no list: nothing to equal
}

TEST(ChecksComparaisons, ForeignCountryCodes) {
    struct Cas {
        const char* valeur;
        int difffr;    // fVTABDIFFFR with TECH
        int diffnull;  // fVDIFFNULLVTAB with TP
    };
    const Cas cas[] = {
        {"FR", 0, 1}, {"DE", 1, 1},       {"CH", 1, 1}, {"US", 0, 1},       {"ZZ", 0, 0},
        {"  ", 0, 1}, {"**", 0, 1},       {"* ", 0, 0}, {" *", 0, 0},       {"*", 0, 0},
        {" ", 0, 0},  {"FR ", 0, 0},      {"fr", 0, 0}, {"NORMABEV", 1, 1}, {"", 0, 1},
    };
    for (const Cas& c : cas) {
        auto v = essai::Valeur(c.valeur);
        EXPECT_EQ(fVTABDIFFFR("", v.get(), TECH, LenTECH), c.difffr) << '"' << c.valeur << '"';
        EXPECT_EQ(fVDIFFNULLVTAB("", v.get(), TP, LenTP), c.diffnull) << '"' << c.valeur << '"';
    }
    // Blanks and "**" pass without a lookup, even in an empty list.
    char blancs[] = "  ";
    char etoiles[] = "**";
    EXPECT_EQ(fVDIFFNULLVTAB("", blancs, nullptr, 0), 1);
    EXPECT_EQ(fVDIFFNULLVTAB("", etoiles, nullptr, 0), 1);
}

TEST(ChecksComparaisons, ListRequiredFromTheCutOffOn) {
    struct Cas {
        pfVerif_t f;
        const tValAutorise* table;
        int longueur;
        const char* naissance;
        const char* valeur;
        int attendu;
    };
    const Cas cas[] = {
        // P5 = 01071999, on NAIS C10 (TP).
        {fVTABP5, TP, LenTP, "30061999", "  ", 1},
        {fVTABP5, TP, LenTP, "01071999", "  ", 0},
        {fVTABP5, TP, LenTP, "        ", "  ", 1},  // a blank birth date reads 00000000
        {fVTABP5, TP, LenTP, "  071999", "  ", 1},  // read 19990700
        {fVTABP5, TP, LenTP, "01071999", "DE", 1},
        {fVTABP5, TP, LenTP, "30061999", "DE", 1},
        {fVTABP5, TP, LenTP, "30061999", "ZZ", 0},  // filled: looked up before the cut-off too
        {fVTABP5, TP, LenTP, "30061999", "", 1},
        {fVTABP5, TP, LenTP, "30061999", " D", 0},
        // P6 = 01071999, on NAIS C16 (FR).
        {fVTABP6, FR, LenFR, "30061999", "  ", 1},
        {fVTABP6, FR, LenFR, "01071999", "  ", 0},
        {fVTABP6, FR, LenFR, "01071999", "FR", 1},
        {fVTABP6, FR, LenFR, "30061999", "DE", 0},
        // P8 = 01011999, on NAIS C12 and C15 (TR).
        {fVTABP8, TR, LenTR, "31121998", "  ", 1},
        {fVTABP8, TR, LenTR, "01011999", "  ", 0},
        {fVTABP8, TR, LenTR, "01011999", "97", 1},
        {fVTABP8, TR, LenTR, "01011999", "99", 0},
    };
    for (const Cas& c : cas) {
        auto v = essai::Valeur(c.valeur);
        EXPECT_EQ(c.f(c.naissance, v.get(), c.table, c.longueur), c.attendu)
            << c.naissance << " \"" << c.valeur << '"';
    }
}

TEST(ChecksComparaisons, FilledInFromTheCutOffOn) {
    struct Cas {
        pfVerif_t f;
        const char* naissance;
        std::string valeur;
        int attendu;
    };
    const Cas cas[] = {
        {fVDIFFNULLP5, "01071999", "            ", 0},
        {fVDIFFNULLP5, "01071999", "", 0},
        {fVDIFFNULLP5, "01071999", "           1", 1},
        {fVDIFFNULLP5, "30061999", "            ", 1},
        {fVDIFFNULLP5, "        ", "            ", 1},
        {fVDIFFNULLP6, "01071999", "            ", 0},
        {fVDIFFNULLP6, "01071999", "ANYTHING    ", 1},
        {fVDIFFNULLP6, "15082024", "**", 1},
        {fVDIFFNULLP6, "30061999", "", 1},
        // The length guard refuses before the cut-off is even looked at.
        {fVDIFFNULLP6, "30061999", std::string(99, 'X'), 0},
        {fVDIFFNULLP6, "01071999", std::string(98, 'X'), 1},
        {fVTABP5, "30061999", std::string(99, ' '), 0},
        {fVTABP5, "30061999", std::string(98, ' '), 1},
    };
    for (const Cas& c : cas) {
        auto v = essai::Valeur(c.valeur);
        EXPECT_EQ(c.f(c.naissance, v.get(), TP, LenTP), c.attendu)
            << c.naissance << " \"" << c.valeur << '"';
    }
}

TEST(ChecksComparaisons, CutOffRoutinesTakeTheDateGiven) {
    char blanc[] = "  ";
    EXPECT_EQ(fVTABP5a8("31122010", blanc, TP, LenTP, "01012011"), 1);
    EXPECT_EQ(fVTABP5a8("01012011", blanc, TP, LenTP, "01012011"), 0);
    EXPECT_EQ(fVDIFFNULLP("31122010", blanc, nullptr, 0, "01012011"), 1);
    EXPECT_EQ(fVDIFFNULLP("01012011", blanc, nullptr, 0, "01012011"), 0);
}

TEST(ChecksComparaisons, VerifDiffZeroOnCharacters7To10) {
    struct Cas {
        std::string valeur;
        int debut;
        int fin;
        int attendu;
    };
    const Cas cas[] = {
        {"FR1234000056", 7, 10, 0},
        {"FR1234000156", 7, 10, 1},
        {"FR1234100056", 7, 10, 1},
        {"FR1234 00056", 7, 10, 1},
        {"1234560000", 7, 10, 0},   // the span ends with the value
        {"123456000", 7, 10, 1},    // runs past the end: not "0000"
        {"123456", 7, 10, 1},
        {"", 7, 10, 1},
        {"0000000000000", 1, 13, 0},
        {"0000000000001", 1, 13, 1},
        {"FR1234000056", 0, 10, 1},   // a span must start at the first character or later
        {"FR1234000056", 10, 7, 1},   // an empty span reads nothing
        {std::string(98, '0'), 95, 98, 0},
        {std::string(99, '0'), 7, 10, 0},  // length guard
        {std::string(99, '1'), 7, 10, 0},
    };
    for (const Cas& c : cas) {
        auto v = essai::Valeur(c.valeur);
        EXPECT_EQ(fVerifDiffZero(v.get(), c.debut, c.fin), c.attendu)
            << '"' << c.valeur << "\" " << c.debut << '-' << c.fin;
    }
}

}  // namespace
