// Cross-field coherence checks: identifiers against the establishment of the
// header, dates against the record's own date, and the emitter against the
// establishment it sends for.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "checks/coherence.h"
#include "model/modele.h"
#include "outils.h"
#include "reference/valautorise.h"

namespace {

using essai::Valeur;

int appeler(pfVerif_t check, const std::string& dependance, const std::string& valeur,
            const void* sverif = nullptr, int lenSverif = 0) {
    Valeur dep(dependance);
    Valeur champ(valeur);
    return check(dep.get(), champ.get(), sverif, lenSverif);
}

// An 8-character establishment code and a value checked against it.
struct Cas {
    const char* dependance;
    const char* valeur;
    int attendu;
};

// Checks that also read body slots C4 or C5 of the current record.
class AvecCorps : public ::testing::Test {
protected:
    void TearDown() override {
        valCorpsVSE[C4].valeur[0] = '\0';
        valCorpsVSE[C5].valeur[0] = '\0';
    }
    static void poser(numCorpsVSE slot, const char* valeur) {
        std::strcpy(valCorpsVSE[slot].valeur, valeur);
    }
};

}  // namespace

TEST(CoherenceEtablissement, DepartementDuNumero) {
    const Cas cas[] = {
        {"001IPG  ", "01234567    ", 1}, {"001IPG  ", "02234567    ", 0},
        {"095IPG  ", "9512345678  ", 1}, {"075IPG  ", "7512345678  ", 1},
        {"02BIPG  ", "20123456    ", 1}, {"02BIPG  ", "2B123456    ", 0},
        {"02AIPG  ", "20123456    ", 1}, {"02AIPG  ", "2A123456    ", 0},
        {"974IPG  ", "97412345    ", 1}, {"974IPG  ", "98123456    ", 1},
        {"974IPG  ", "97112345    ", 0}, {"971IPG  ", "98123456    ", 0},
        {"971IPG  ", "97112345    ", 1}, {"976IPG  ", "97612345    ", 1},
        {"972IPG  ", "72123456    ", 0}, {"973IPG  ", "97312345    ", 1},
        {"POINTFOC", "n'importe quoi", 1}, {"POINTFOC", "", 1},
        {"POINTFO ", "01234567    ", 0},
        // Short values: the comparison stops at the terminator.
        {"001IPG  ", "0", 0},            {"001IPG  ", "", 0},
        {"", "01234567    ", 0},         {"0", "01234567    ", 0},
        {"974", "98", 1},                {"97", "97", 0},
    };
    for (const Cas& c : cas) {
        EXPECT_EQ(appeler(fCoherenCC, c.dependance, c.valeur), c.attendu)
            << c.dependance << " / " << c.valeur;
    }
}

TEST_F(AvecCorps, DepartementSaufTransitJ) {
    const std::string autreDepartement = "02234567    ";
    const std::string memeDepartement = "01234567    ";
    struct CasC5 {
        const char* c5;
        int autre;
    };
    // Only C5 exactly "J" lifts the check.
    for (const CasC5& c : {CasC5{"J", 1}, CasC5{"A", 0}, CasC5{"j", 0}, CasC5{"J ", 0},
                           CasC5{"", 0}}) {
        poser(C5, c.c5);
        EXPECT_EQ(appeler(fCoherenCC_tr, "001IPG  ", autreDepartement), c.autre) << c.c5;
        EXPECT_EQ(appeler(fCoherenCC_tr, "001IPG  ", memeDepartement), 1) << c.c5;
    }
}

TEST(CoherenceEtablissement, DepartementDuDetenteur) {
    const Cas cas[] = {
        {"974IPG  ", "974123456789", 1}, {"974IPG  ", "098123456789", 1},
        {"974IPG  ", "971123456789", 0}, {"02AIPG  ", "02A123456789", 1},
        {"02AIPG  ", "020123456789", 0}, {"02AIPG  ", "02B123456789", 0},
        {"02AIPG  ", "098123456789", 0}, {"001IPG  ", "001123456789", 1},
        {"001IPG  ", "098123456789", 0}, {"001IPG  ", "00", 0},
        {"00", "00", 0},                 {"", "", 0},
    };
    for (const Cas& c : cas) {
        EXPECT_EQ(appeler(fCoherenCCD, c.dependance, c.valeur), c.attendu)
            << c.dependance << " / " << c.valeur;
    }
}

TEST_F(AvecCorps, EtablissementNatureV) {
    poser(C4, "V");
    const Cas cas[] = {
        {"002IPG  ", "CAB12       ", 1}, {"002IPG  ", "DAB12       ", 1},
        {"002IPG  ", "ILB12       ", 1}, {"002IPG  ", "AAB12       ", 0},
        {"001IPG  ", "AAB12       ", 1}, {"001IPG  ", "HLB12       ", 1},
        {"02AIPG  ", "ZAB12       ", 1}, {"976IPG  ", "XPB12       ", 1},
        {"976IPG  ", "XQB12       ", 0}, {"POINTFOC", "AAB12       ", 0},
        {"001IP", "AAB12       ", 0},    {"", "AAB12       ", 0},
        {"001IPG  ", "A", 0},            {"001IPG  ", "", 0},
        // Codes are whole items of the list.
        {"001IPG  ", ",,B12       ", 0}, {"001IPG  ", "A,B12       ", 0},
        {"001IPG  ", ",BB12       ", 0},
    };
    for (const Cas& c : cas) {
        EXPECT_EQ(appeler(fCoherenCCEget, c.dependance, c.valeur, NEV, LenNEV), c.attendu)
            << c.dependance << " / " << c.valeur;
    }
    EXPECT_EQ(appeler(fCoherenCCEget, "001IPG  ", "AAB12       ", NEV, 1), 0);
    EXPECT_EQ(appeler(fCoherenCCEget, "001IPG  ", "AAB12       ", NEV, 2), 1);
    EXPECT_EQ(appeler(fCoherenCCEget, "002IPG  ", "CAB12       ", NEV, 3), 0);
}

TEST_F(AvecCorps, EtablissementNatureP) {
    poser(C4, "P");
    const Cas cas[] = {
        {"974IPG  ", "98A12       ", 1}, {"974IPG  ", "974AB       ", 0},
        {"971IPG  ", "971AB       ", 1}, {"971IPG  ", "97A12       ", 1},
        {"971IPG  ", "97C12       ", 1}, {"971IPG  ", "97D12       ", 1},
        {"971IPG  ", "97B12       ", 0}, {"971IPG  ", "98A12       ", 0},
        {"972IPG  ", "972AB       ", 1}, {"972IPG  ", "97B12       ", 1},
        {"972IPG  ", "971AB       ", 0}, {"973IPG  ", "973AB       ", 1},
        {"973IPG  ", "97312       ", 1}, {"973IPG  ", "97212       ", 0},
        {"976IPG  ", "976AB       ", 1}, {"976IPG  ", "98A12       ", 0},
        {"001IPG  ", "01A2B       ", 1}, {"001IPG  ", "02A2B       ", 0},
        {"02AIPG  ", "2AB12       ", 1}, {"02AIPG  ", "20B12       ", 0},
        {"974IPG  ", "9", 0},            {"001IPG  ", "0", 0},
        {"", "01A2B       ", 0},         {"0", "01A2B       ", 0},
    };
    for (const Cas& c : cas) {
        EXPECT_EQ(appeler(fCoherenCCEget, c.dependance, c.valeur, NEV, LenNEV), c.attendu)
            << c.dependance << " / " << c.valeur;
    }
}

TEST_F(AvecCorps, EtablissementAutreNature) {
    for (const char* nature : {"B", "", "v", "P "}) {
        poser(C4, nature);
        EXPECT_EQ(appeler(fCoherenCCEget, "001IPG  ", "AAB12       ", NEV, LenNEV), 0) << nature;
        EXPECT_EQ(appeler(fCoherenCCEget, "001IPG  ", "01A2B       ", NEV, LenNEV), 0) << nature;
    }
}

TEST(CoherenceEtablissement, PlagesIdentification) {
    const Cas cas[] = {
        // Range of IND_M, bounds included.
        {"001IPG  ", "100000000000", 1}, {"001IPG  ", "104999999999", 1},
        {"001IPG  ", "105000000000", 0}, {"001IPG  ", "099999999999", 0},
        {"976IPG  ", "650000000000", 1}, {"976IPG  ", "655000000000", 1},
        {"976IPG  ", "655001000000", 0},
        // Extra ranges of the establishment, on top of its own.
        {"076IPG  ", "520000000000", 1}, {"076IPG  ", "655001000000", 1},
        {"076IPG  ", "660000000000", 1}, {"076IPG  ", "683499000000", 1},
        {"076IPG  ", "655000000000", 0}, {"076IPG  ", "683500000000", 0},
        {"076IPG  ", "655500000000", 0}, {"022IPG  ", "655500000000", 1},
        {"049IPG  ", "674500000000", 1}, {"049IPG  ", "674499000000", 0},
        {"043IPG  ", "674000000000", 1}, {"072IPG  ", "680499000000", 1},
        {"072IPG  ", "680500000000", 0},
        // An establishment absent from IND_M has no range of its own.
        {"POINTFOC", "650000000000", 0}, {"POINTFOC", "655001000000", 0},
        {"", "100000000000", 0},
        // Short values compare below every bound.
        {"001IPG  ", "10000", 0},        {"001IPG  ", "", 0},
        {"001IP", "100000000000", 0},
    };
    for (const Cas& c : cas) {
        EXPECT_EQ(appeler(fCoheren_OC_IND_M, c.dependance, c.valeur, IND_M, LenIND_M), c.attendu)
            << c.dependance << " / " << c.valeur;
    }
    // The extra ranges do not depend on the table; the own range does.
    EXPECT_EQ(appeler(fCoheren_OC_IND_M, "076IPG  ", "655001000000", IND_M, 0), 1);
    EXPECT_EQ(appeler(fCoheren_OC_IND_M, "001IPG  ", "100000000000", IND_M, 0), 0);
    EXPECT_EQ(appeler(fCoheren_OC_IND_M, "001IPG  ", "100000000000", IND_M, 2), 0);
    EXPECT_EQ(appeler(fCoheren_OC_IND_M, "001IPG  ", "100000000000", IND_M, 3), 1);
}

TEST(CoherenceEmetteur, EmetteurEtEtablissement) {
    const Cas cas[] = {
        {"013ARS  ", "004IPG  ", 1}, {"013ARS  ", "001IPG  ", 0}, {"NORM01  ", "001IPG  ", 1},
        {"NORM02  ", "976IPG  ", 1}, {"PFOC01  ", "POINTFOC", 1}, {"001IPG  ", "001IPG  ", 1},
        {"350ARS  ", "086IPG  ", 1}, {"013ARS  ", "086IPG  ", 0}, {"NORMABEV", "001IPG  ", 0},
        {"OVINFOS ", "OVINFOS ", 1}, {"013ARS", "004IPG  ", 0},   {"013ARS  ", "004IPG", 0},
        {"NORM0", "001IPG  ", 0},    {"001IPG  ", "001IPG", 0},   {"", "", 1},
    };
    for (const Cas& c : cas) {
        Valeur emetteur(c.dependance);
        Valeur etablissement(c.valeur);
        EXPECT_EQ(fCoherenCCE(emetteur.get(), etablissement.get()), c.attendu)
            << c.dependance << " / " << c.valeur;
    }
}

TEST(CoherenceDates, PasApresLaDateDuRecord) {
    const Cas cas[] = {
        {"15062024", "15062024", 1}, {"15062024", "14062024", 1}, {"15062024", "31121999", 1},
        {"15062024", "        ", 1}, {"15062024", "16062024", 0}, {"15062024", "01072024", 0},
        {"15062024", "15062025", 0}, {"15062024", "  062024", 1}, {"15062024", "", 1},
    };
    for (const Cas& c : cas) {
        EXPECT_EQ(appeler(fCoherenDC, c.dependance, c.valeur), c.attendu)
            << c.dependance << " / " << c.valeur;
        // fCoherenDateSup is the same order the other way round.
        const int egal = std::strcmp(c.dependance, c.valeur) == 0;
        EXPECT_EQ(appeler(fCoherenDateSup, c.dependance, c.valeur), c.attendu == 0 || egal)
            << c.dependance << " / " << c.valeur;
    }
}

TEST_F(AvecCorps, DateDecaleeDUnAn) {
    // One year later when C5 is "J", and always for fCoherenDC_tr2.
    const Cas decales[] = {
        {"15062024", "15062025", 1}, {"15062024", "16062025", 0}, {"15062024", "14062024", 1},
        {"15062024", "        ", 1}, {"15062099", "01012100", 1}, {"15062099", "16062100", 0},
        {"15060999", "15061000", 1}, {"15060999", "16061000", 0},
        // No year after 9999: every date of that year is within the limit.
        {"15069999", "31129999", 1},
    };
    poser(C5, "J");
    for (const Cas& c : decales) {
        EXPECT_EQ(appeler(fCoherenDC_tr, c.dependance, c.valeur), c.attendu)
            << c.dependance << " / " << c.valeur;
    }
    for (const char* c5 : {"A", "J", ""}) {
        poser(C5, c5);
        for (const Cas& c : decales) {
            EXPECT_EQ(appeler(fCoherenDC_tr2, c.dependance, c.valeur), c.attendu)
                << c5 << " " << c.dependance << " / " << c.valeur;
        }
    }
    // Any other C5 keeps the record's date.
    for (const char* c5 : {"A", "j", "J ", ""}) {
        poser(C5, c5);
        EXPECT_EQ(appeler(fCoherenDC_tr, "15062024", "15062025"), 0) << c5;
        EXPECT_EQ(appeler(fCoherenDC_tr, "15062024", "15062024"), 1) << c5;
    }
    // A record date whose year is not four digits is used as it stands.
    const Cas nonDecales[] = {
        {"1506202 ", "        ", 1}, {"1506202 ", "15062020", 0}, {"150620", "15062020", 0},
        {"150620", "        ", 1},   {"1506202A", "15062024", 1}, {"", "15062024", 0},
    };
    poser(C5, "J");
    for (const Cas& c : nonDecales) {
        EXPECT_EQ(appeler(fCoherenDC_tr, c.dependance, c.valeur), c.attendu)
            << c.dependance << " / " << c.valeur;
        EXPECT_EQ(appeler(fCoherenDC_tr2, c.dependance, c.valeur), c.attendu)
            << c.dependance << " / " << c.valeur;
        EXPECT_EQ(appeler(fCoherenDC, c.dependance, c.valeur), c.attendu)
            << c.dependance << " / " << c.valeur;
    }
}

TEST(CoherenceDates, AnneeAvantCelleDuRecord) {
    const Cas formes[] = {
        {"", "2023", 1}, {"", "0000", 1}, {"", "202A", 0}, {"", "    ", 0},
        {"", "202", 0},  {"", "", 0},
    };
    for (const Cas& c : formes) {
        EXPECT_EQ(appeler(fCoherenD_OC_an_1, c.dependance, c.valeur), c.attendu) << c.valeur;
    }
    const Cas annees[] = {
        {"15062024", "2023", 1}, {"15062024", "1999", 1}, {"15062024", "2024", 0},
        {"15062024", "2025", 0}, {"15062024", "3000", 0}, {"1506", "2023", 0},
        {"", "2023", 0},
    };
    for (const Cas& c : annees) {
        EXPECT_EQ(appeler(fCoherenD_OC_an_2, c.dependance, c.valeur), c.attendu)
            << c.dependance << " / " << c.valeur;
    }
}
