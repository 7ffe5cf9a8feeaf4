// Date and time checks: calendar rule, complete and incomplete dates with the
// in-place rewrite that following rules see, cut-off dates, ordering against
// another date, dated cause codes, presence pairing and times.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "outils.h"
#include "checks/dates.h"
#include "model/modele.h"
#include "reference/valautorise.h"

namespace {

// A writable copy of exactly the value's size, so that a check reading past
// the terminating NUL is caught by the address sanitizer.
const char* const BLANC8 = "        ";

TEST(ChecksDates, CalendarRule) {
    EXPECT_EQ(DateCalc_leap_year(2000), 1);
    EXPECT_EQ(DateCalc_leap_year(2400), 1);
    EXPECT_EQ(DateCalc_leap_year(1900), 0);
    EXPECT_EQ(DateCalc_leap_year(2100), 0);
    EXPECT_EQ(DateCalc_leap_year(2024), 1);
    EXPECT_EQ(DateCalc_leap_year(2023), 0);

    struct Cas {
        int annee, mois, jour, attendu;
    };
    const Cas cas[] = {
        {2024, 2, 29, 1}, {2023, 2, 29, 0}, {2000, 2, 29, 1}, {1900, 2, 29, 0}, {2024, 2, 30, 0},
        {2023, 2, 28, 1}, {2024, 1, 31, 1}, {2024, 1, 32, 0}, {2024, 4, 30, 1}, {2024, 4, 31, 0},
        {2024, 6, 31, 0}, {2024, 9, 31, 0}, {2024, 11, 31, 0}, {2024, 12, 31, 1}, {2024, 0, 1, 0},
        {2024, 13, 1, 0}, {2024, 1, 0, 0}, {2024, 1, -1, 0}, {1, 1, 1, 1}, {0, 1, 1, 0},
        {-4, 2, 29, 0},
    };
    for (const Cas& c : cas) {
        EXPECT_EQ(DateCalc_check_date(c.annee, c.mois, c.jour), c.attendu)
            << c.jour << '/' << c.mois << '/' << c.annee;
    }
}

TEST(ChecksDates, CompleteValidation) {
    struct Cas {
        const char* valeur;
        int attendu;
    };
    const Cas cas[] = {
        {"29022000", 1}, {"29021900", 0}, {"28021900", 1}, {"31041999", 0}, {"30041999", 1},
        {"01011899", 0}, {"31121899", 0}, {"01011900", 1}, {"00012000", 0}, {"01002000", 0},
        {"01132000", 0}, {"32012000", 0}, {"0101200A", 0}, {"0A012000", 0}, {"  012000", 0},
        {"    2000", 0}, {"        ", 0}, {"01 12000", 0}, {"+1012000", 0},
        // Short values (a short input line) are refused without reading past them.
        {"01012", 0}, {"0101200", 0}, {"", 0},
    };
    for (const Cas& c : cas) {
        auto v = essai::Valeur(c.valeur);
        EXPECT_EQ(fDATECouI(v.get(), COMPLETE), c.attendu) << '"' << c.valeur << '"';
        EXPECT_STREQ(v.get(), c.valeur) << "a complete date is never rewritten";
        EXPECT_EQ(fDATEC("", v.get(), nullptr, 0), c.attendu) << '"' << c.valeur << '"';
    }
}

TEST(ChecksDates, IncompleteValidationRewritesTheValue) {
    struct Cas {
        const char* valeur;
        int attendu;
        const char* reecrit;
    };
    const Cas cas[] = {
        {"  062005", 1, "00062005"},
        {"    2005", 1, "00002005"},
        {"15062005", 1, "15062005"},
        {"  022000", 1, "00022000"},
        {"    1900", 1, "00001900"},
        {"    1899", 0, "00001899"},
        // An explicit zero day or month becomes a non-digit and is refused.
        {"00062005", 0, " 0062005"},
        {"  002005", 0, "00 02005"},
        {"15002005", 0, "15 02005"},
        {"00002005", 0, " 0002005"},
        // Anything but the two blank forms stays as it is.
        {" 1062005", 0, " 1062005"},
        {"  1 2005", 0, "001 2005"},
        {"  132005", 0, "00132005"},
        {"31042005", 0, "31042005"},
        {BLANC8, 0, "0000    "},  // the year is not known either
        // Short values: only the characters present are rewritten.
        {"    2", 0, "00002"},
        {"  06", 0, "0006"},
        {"   ", 0, "00 "},
        {" ", 0, " "},
        {"0", 0, "0"},
        {"", 0, ""},
    };
    for (const Cas& c : cas) {
        auto v = essai::Valeur(c.valeur);
        EXPECT_EQ(fDATECouI(v.get(), INCOMPLETE), c.attendu) << '"' << c.valeur << '"';
        EXPECT_STREQ(v.get(), c.reecrit) << '"' << c.valeur << '"';
        auto w = essai::Valeur(c.valeur);
        EXPECT_EQ(fDATEI("", w.get(), nullptr, 0), c.attendu) << '"' << c.valeur << '"';
        EXPECT_STREQ(w.get(), c.reecrit);
    }
}

TEST(ChecksDates, RewriteIsSeenByTheFollowingRulesOnTheSameSlot) {
    // The engine runs every rule of a field on the same value slot.
    char* slot = valCorpsVSE[C6].valeur;

    // A blank date: refused as incomplete, and no longer blank afterwards.
    std::strcpy(slot, BLANC8);
    EXPECT_EQ(fDatRecPost("15062024", slot, nullptr, 0), 1);
    EXPECT_EQ(fDATEI("", slot, nullptr, 0), 0);
    EXPECT_STREQ(slot, "0000    ");
    EXPECT_EQ(fDatRecPost("15062024", slot, nullptr, 0), 0);
    EXPECT_EQ(fDATECxad("", slot, nullptr, 0), 0);

    // An unknown day: accepted, then seen with a zero day by a complete check.
    std::strcpy(slot, "  062005");
    EXPECT_EQ(fDATEI("", slot, nullptr, 0), 1);
    EXPECT_EQ(fDATEC("", slot, nullptr, 0), 0);
    EXPECT_EQ(fDatRecCohe("01062005", slot, nullptr, 0), 1);
    EXPECT_EQ(fDatRecCohe("31052005", slot, nullptr, 0), 0);
    EXPECT_STREQ(slot, "00062005");

    // An explicit zero day: refused, and the second run refuses again.
    std::strcpy(slot, "00062005");
    EXPECT_EQ(fDATEI("", slot, nullptr, 0), 0);
    EXPECT_EQ(fDATEI("", slot, nullptr, 0), 0);
    EXPECT_STREQ(slot, " 0062005");
    std::memset(slot, 0, sizeof valCorpsVSE[C6].valeur);
}

TEST(ChecksDates, BlankDateHandling) {
    // Result for: a blank date, 9 blanks, 5 blanks, a valid date, an invalid one.
    struct Cas {
        const char* nom;
        pfVerif_t f;
        int attendus[5];
    };
    const Cas cas[] = {
        {"fDATEC", fDATEC, {0, 0, 0, 1, 0}},
        {"fDATEI", fDATEI, {0, 0, 0, 1, 0}},
        {"fDATECxad", fDATECxad, {1, 0, 0, 1, 0}},
        {"fDATEC_INC", fDATEC_INC, {1, 1, 0, 1, 0}},
        {"fDatRecCorr", fDatRecCorr, {1, 0, 0, 1, 0}},
        {"fDatRecCorr_O", fDatRecCorr_O, {0, 0, 0, 1, 0}},
    };
    const char* const valeurs[5] = {BLANC8, "         ", "     ", "29022024", "29022023"};
    for (const Cas& c : cas) {
        for (int i = 0; i < 5; ++i) {
            auto v = essai::Valeur(valeurs[i]);
            EXPECT_EQ(c.f("", v.get(), nullptr, 0), c.attendus[i]) << c.nom << " \"" << valeurs[i] << '"';
        }
    }
}

TEST(ChecksDates, BlankDateAllowedBeforeP18Only) {
    struct Cas {
        const char* reference;
        const char* valeur;
        int attendu;
    };
    const Cas cas[] = {
        {"30042007", BLANC8, 1}, {"01052007", BLANC8, 0}, {"02052007", BLANC8, 0},
        {BLANC8, BLANC8, 1},  // a blank reference reads as 00000000
        {"01052007", "15062007", 1}, {"30042007", "15062007", 1},
        {"30042007", "31062007", 0}, {"30042007", "  062007", 0},
        {"30042007", "       ", 0},  // 7 blanks: not a blank date
    };
    for (const Cas& c : cas) {
        auto v = essai::Valeur(c.valeur);
        EXPECT_EQ(fDatRecCorr_O_P18(c.reference, v.get(), nullptr, 0), c.attendu)
            << c.reference << " \"" << c.valeur << '"';
    }
}

TEST(ChecksDates, CutOffComparison) {
    struct Cas {
        const char* date;
        const char* seuil;
        int attendu;
    };
    const Cas cas[] = {
        {"30061999", P6[0], 0}, {"01071999", P6[0], 1}, {"02071999", P6[0], 1},
        {"31122030", P6[0], 1}, {BLANC8, P6[0], 0},     {"  071999", P6[0], 0},
        {"  081999", P6[0], 1}, {"    1999", P6[0], 0}, {"    2000", P6[0], 1},
        {"31121998", P8[0], 0}, {"01011999", P8[0], 1}, {"30042007", P18[0], 0},
        {"01052007", P18[0], 1}, {"", P6[0], 0},        {"0107", P6[0], 0},
    };
    for (const Cas& c : cas) {
        EXPECT_EQ(fVTABP(c.date, c.seuil), c.attendu) << '"' << c.date << "\" / " << c.seuil;
    }
}

TEST(ChecksDates, IncompleteDatesBeforeTheCutOffOnly) {
    // P6 = P7 = 01071999: dates from the cut-off on must be complete.
    struct Cas {
        const char* valeur;
        int p6;
        int p6p7;
    };
    const Cas cas[] = {
        {"  071999", 1, 1},  // read 19990700: before the cut-off
        {"  061999", 1, 1},
        {"    1999", 1, 1},
        {"    1998", 1, 1},
        {"  081999", 0, 0},
        {"    2000", 0, 0},
        {"  062000", 0, 0},
        {"01071999", 1, 1},
        {"30061999", 1, 1},
        {"15082005", 1, 1},
        {"00071999", 0, 0},
        {"00082005", 0, 0},
        {"31061999", 0, 0},
        {"31062005", 0, 0},
        {"    1899", 0, 0},
        {BLANC8, 0, 0},
        {"  071", 0, 0},
        {"", 0, 0},
    };
    for (const Cas& c : cas) {
        auto v = essai::Valeur(c.valeur);
        EXPECT_EQ(fDATEP6("", v.get(), nullptr, 0), c.p6) << '"' << c.valeur << '"';
        auto w = essai::Valeur(c.valeur);
        EXPECT_EQ(fDATEP6P7("", w.get(), nullptr, 0), c.p6p7) << '"' << c.valeur << '"';
    }
    // The accepted incomplete form is rewritten for the following rules.
    char v[] = "  071999";
    EXPECT_EQ(fDATEP6("", v, nullptr, 0), 1);
    EXPECT_STREQ(v, "00071999");
}

TEST(ChecksDates, OrderingAgainstAReferenceDate) {
    struct Cas {
        const char* valeur;
        int inf;  // on or before the reference
        int sup;  // on or after the reference
    };
    const Cas cas[] = {
        {"15062024", 1, 1}, {"14062024", 1, 0}, {"16062024", 0, 1}, {BLANC8, 1, 0},
        {"15062023", 1, 0}, {"14072024", 0, 1}, {"01012025", 0, 1}, {"  062024", 1, 0},
        {"    2025", 0, 1},
    };
    for (const Cas& c : cas) {
        EXPECT_EQ(fCoherenDCSupInf("15062024", c.valeur, INF), c.inf) << '"' << c.valeur << '"';
        EXPECT_EQ(fCoherenDCSupInf("15062024", c.valeur, SUP), c.sup) << '"' << c.valeur << '"';
    }
}

TEST(ChecksDates, DatesComparedWithAnotherField) {
    struct Cas {
        const char* valeur;
        int cohe;  // fDatRecCohe: blank, or on or before
        int post;  // fDatRecPost: blank, or on or after
    };
    const Cas cas[] = {
        {BLANC8, 1, 1},     {"15062024", 1, 1}, {"14062024", 1, 0},
        {"16062024", 0, 1}, {"15062025", 0, 1}, {"       ", 1, 0},  // 7 blanks: ordered
    };
    for (const Cas& c : cas) {
        auto v = essai::Valeur(c.valeur);
        EXPECT_EQ(fDatRecCohe("15062024", v.get(), nullptr, 0), c.cohe) << '"' << c.valeur << '"';
        EXPECT_EQ(fDatRecPost("15062024", v.get(), nullptr, 0), c.post) << '"' << c.valeur << '"';
    }
}

TEST(ChecksDates, DatRecPostTrAcceptsAnyDateWhenC5IsJ) {
    struct Cas {
        const char* c5;
        const char* valeur;
        int attendu;
    };
    const Cas cas[] = {
        {"J", "14062024", 1}, {"J", "16062024", 1}, {"J", BLANC8, 1},
        {"N", "14062024", 0}, {"N", "15062024", 1}, {"N", BLANC8, 1},
        {"J ", "14062024", 0}, {"j", "14062024", 0}, {"", "14062024", 0},
    };
    for (const Cas& c : cas) {
        std::strcpy(valCorpsVSE[C5].valeur, c.c5);
        auto v = essai::Valeur(c.valeur);
        EXPECT_EQ(fDatRecPost_tr("15062024", v.get(), nullptr, 0), c.attendu)
            << "C5 \"" << c.c5 << "\" \"" << c.valeur << '"';
    }
    std::memset(valCorpsVSE[C5].valeur, 0, sizeof valCorpsVSE[C5].valeur);
}

TEST(ChecksDates, DatRecOcPostComparesTheYear) {
    struct Cas {
        const char* valeur;
        int attendu;
    };
    const Cas cas[] = {
        {"01012011", 1}, {"31122010", 0}, {"01012009", 0}, {BLANC8, 1},
        {"    2011", 1}, {"0101201", 0},  {"0101", 0},     {"", 0},
    };
    for (const Cas& c : cas) {
        auto v = essai::Valeur(c.valeur);
        EXPECT_EQ(fDatRec_OC_Post("2010", v.get(), nullptr, 0), c.attendu) << '"' << c.valeur << '"';
    }
}

TEST(ChecksDates, CauseCodesWithdrawnOnADate) {
    struct Cas {
        const tValAutorise* table;
        int longueur;
        const char* code;
        const char* date;
        int attendu;
    };
    const Cas cas[] = {
        {TCMS, LenTCMS, "D", "31121998", 1},
        {TCMS, LenTCMS, "D", "01011999", 1},
        {TCMS, LenTCMS, "D", "02011999", 0},
        {TCMS, LenTCMS, "D", "01012024", 0},
        {TCMS, LenTCMS, "D", BLANC8, 1},  // a blank date reads as 00000000
        {TCMS, LenTCMS, "B", "01011900", 1},
        {TCMS, LenTCMS, "B", "31129999", 1},
        {TCMS, LenTCMS, "U", "02011999", 0},  // last pair
        {TCMS, LenTCMS, "U", "01011999", 1},
        {TCMS, LenTCMS, "A", "01011990", 0},  // entry cause only
        {TCMS, LenTCMS, "D ", "01011990", 0},
        {TCMS, LenTCMS, "", "01011990", 0},
        {TCMS, LenTCMS, "NORMABEV", "01011990", 0},  // no partner codes here
        {TCME, LenTCME, "A", "01012024", 1},
        {TCME, LenTCME, "L", "01011999", 1},
        {TCME, LenTCME, "L", "02011999", 0},
        {TCME, LenTCME, "P", "02011999", 1},
        {TCME, LenTCME, "D", "01011990", 0},
        // The count bounds the search to whole pairs.
        {TCMS, 1, "B", "01011990", 0},
        {TCMS, 0, "B", "01011990", 0},
        {TCMS, 3, "B", "01011990", 1},
        {TCMS, 3, "C", "01011990", 0},
        {nullptr, 20, "B", "01011990", 0},
    };
    for (const Cas& c : cas) {
        auto v = essai::Valeur(c.code);
        EXPECT_EQ(fVerifValAutDate(c.date, v.get(), c.table, c.longueur), c.attendu)
            << '"' << c.code << "\" " << c.date << " /" << c.longueur;
    }
}

TEST(ChecksDates, Simult) {
    const std::string blancs30(30, ' ');
    const std::string blancs31(31, ' ');
    struct Cas {
        std::string dependance;
        std::string valeur;
        int attendu;
    };
    const Cas cas[] = {
        {"FR", "123456789012", 1},
        {"  ", "            ", 1},
        {"FR", "            ", 0},
        {"  ", "123456789012", 0},
        {"", "  ", 1},
        {"", "", 1},
        {"F ", "            ", 0},
        {"  ", "           1", 0},
        {blancs30, "", 1},
        {blancs31, "  ", 0},  // longer than 30: never empty
        {blancs31, "X", 1},
    };
    for (const Cas& c : cas) {
        auto v = essai::Valeur(c.valeur);
        EXPECT_EQ(fSimult(c.dependance.c_str(), v.get(), nullptr, 0), c.attendu)
            << '"' << c.dependance << "\" / \"" << c.valeur << '"';
    }
}

TEST(ChecksDates, HeureC) {
    struct Cas {
        const char* valeur;
        int attendu;
    };
    const Cas cas[] = {
        {"235959", 1}, {"000000", 1}, {"240000", 0}, {"236000", 0}, {"235960", 0},
        {"23 959", 0}, {"2359 9", 0}, {"23595", 0},  {"", 0},       {"2A5959", 0},
    };
    for (const Cas& c : cas) {
        auto v = essai::Valeur(c.valeur);
        EXPECT_EQ(fHEUREC("", v.get(), nullptr, 0), c.attendu) << '"' << c.valeur << '"';
    }
}

TEST(ChecksDates, ShortValuesAreRefusedByEveryDateCheck) {
    // Values cut short by a short input line, with digits after their end in
    // the same buffer: a check that reads past the NUL would see them.
    const pfVerif_t checks[] = {fDATEC,        fDATEI,           fDATECxad, fDATEC_INC,
                                fDatRecCorr,   fDatRecCorr_O,    fDATEP6,   fDATEP6P7,
                                fDatRecCorr_O_P18};
    const char* const valeurs[] = {"01012", "  062", "    2", "     ", "0101", ""};
    for (const char* valeur : valeurs) {
        for (pfVerif_t check : checks) {
            char tampon[16];
            std::memset(tampon, '1', sizeof tampon);
            std::memcpy(tampon, valeur, std::strlen(valeur) + 1);
            EXPECT_EQ(check("30042007", tampon, nullptr, 0), 0) << '"' << valeur << '"';
            EXPECT_EQ(std::strlen(tampon), std::strlen(valeur)) << "a rewrite stays inside the value";
        }
    }
}

}  // namespace

// A cut-off read from a buffer whose content changes is read anew each time.
TEST(ChecksDates, CutOffReadAnewFromAReusedBuffer) {
    char seuil[9] = "01071999";
    const char date[] = "30061999";
    EXPECT_EQ(fVTABP(date, seuil), 0);
    std::memcpy(seuil, "01061999", 9);
    EXPECT_EQ(fVTABP(date, seuil), 1);
    EXPECT_EQ(fVTABP(date, P6[0]), 0);
    EXPECT_EQ(fVTABP("01071999", P6[0]), 1);
}
