// Identifier conformity checks: French holding and bovine numbers with their
// department rules, the country-dependent variants, foreign numbers,
// establishment numbers, department prefixes and the predicates.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "checks/identifiants.h"
#include "model/modele.h"
#include "outils.h"
#include "reference/valautorise.h"

namespace {

using essai::Valeur;

int appeler(pfVerif_t check, const std::string& dependance, const std::string& valeur,
            const void* sverif, int lenSverif) {
    Valeur dep(dependance);
    Valeur champ(valeur);
    return check(dep.get(), champ.get(), sverif, lenSverif);
}

int avecTD(pfVerif_t check, const std::string& pays, const std::string& valeur) {
    return appeler(check, pays, valeur, TD, LenTD);
}

int predicat(int (*p)(const char*), const std::string& valeur) {
    Valeur v(valeur);
    return p(v.get());
}

const std::string kBlancs12(12, ' ');
const std::string kEtoiles12(12, '*');

struct Cas {
    const char* valeur;
    int attendu;
};

struct CasPays {
    const char* pays;
    const char* valeur;
    int attendu;
};

}  // namespace

TEST(ConformFrancais, NumeroBovin) {
    const Cas cas[] = {
        {"0112345678  ", 1},  {"9761234567  ", 1},  {"2012345678  ", 1},  {"9812345678  ", 1},
        {"9512345678  ", 1},  {"9751234567  ", 0},  {"9771234567  ", 0},  {"9701234567  ", 0},
        {"2A12345678  ", 0},  {"9912345678  ", 0},  {"0012345678  ", 0},  {"011234567   ", 0},
        {"0112345678", 0},    {"0112345678 ", 0},   {"0112345678   ", 0}, {"0112345678 X", 0},
        {"01123456789 ", 0},  {"97", 0},            {"9", 0},             {"", 0},
        {" 112345678  ", 0},
    };
    for (const Cas& c : cas) EXPECT_EQ(avecTD(fConform10, "", c.valeur), c.attendu) << c.valeur;
    // The department comes from the rule's table: without one nothing passes.
    EXPECT_EQ(appeler(fConform10, "", "0112345678  ", TD, 0), 0);
}

TEST(ConformFrancais, NumeroExploitation) {
    const Cas cas[] = {
        {"01234567    ", 1}, {"20123456    ", 1}, {"98123456    ", 1}, {"97112345    ", 1},
        {"97612345    ", 1}, {"97512345    ", 0}, {"2A123456    ", 0}, {"01234567   X", 0},
        {"012345678   ", 0}, {"0123456     ", 0}, {"01234567", 0},     {"01234567     ", 0},
        {"0123456A    ", 0}, {"", 0},
    };
    for (const Cas& c : cas) EXPECT_EQ(avecTD(fConform8, "", c.valeur), c.attendu) << c.valeur;
    EXPECT_EQ(appeler(fConform8, "", "01234567    ", TD, 0), 0);
}

// The overseas departments share "97"; each check accepts its own third characters.
TEST(ConformFrancais, TroisiemeCaractereApres97) {
    struct Regle {
        const char* nom;
        int (*verifier)(char troisieme);
        const char* admis;
    };
    const Regle regles[] = {
        {"fConform8",
         [](char t) { return avecTD(fConform8, "", std::string("97") + t + "12345    "); },
         "12346"},
        {"fConform10",
         [](char t) { return avecTD(fConform10, "", std::string("97") + t + "1234567  "); },
         "12346"},
        {"verifNumAgrementSanitaireFr",
         [](char t) {
             return predicat(verifNumAgrementSanitaireFr, std::string("97") + t + "12345    ");
         },
         "12346"},
        {"verifNumBovinFrOuImporte",
         [](char t) {
             return predicat(verifNumBovinFrOuImporte, std::string("97") + t + "1234567  ");
         },
         "1234"},
        {"verifNumExploitFr",
         [](char t) { return predicat(verifNumExploitFr, std::string("97") + t + "12345    "); },
         "0123456789"},
    };
    for (const Regle& r : regles) {
        for (char t : std::string("0123456789A")) {
            const int attendu = std::strchr(r.admis, t) != nullptr;
            EXPECT_EQ(r.verifier(t), attendu) << r.nom << " 97" << t;
        }
    }
}

TEST(ConformFrancais, VariantesSelonPays) {
    const std::string bovinFr = "0112345678  ";
    const std::string bovinFaux = "2A12345678  ";
    struct CasVariante {
        const char* nom;
        pfVerif_t check;
        const char* pays;
        std::string valeur;
        int attendu;
    };
    const CasVariante cas[] = {
        // French format only for "FR", exactly that code.
        {"fConform10FR", fConform10FR, "FR", bovinFr, 1},
        {"fConform10FR", fConform10FR, "FR", bovinFaux, 0},
        {"fConform10FR", fConform10FR, "fr", bovinFaux, 1},
        {"fConform10FR", fConform10FR, "BE", bovinFaux, 1},
        {"fConform10FR", fConform10FR, "  ", bovinFaux, 1},
        {"fConform8FR", fConform8FR, "FR", "01234567    ", 1},
        {"fConform8FR", fConform8FR, "FR", "2A123456    ", 0},
        {"fConform8FR", fConform8FR, "FR ", "2A123456    ", 1},
        {"fConform8FR", fConform8FR, "BE", "n'importe", 1},
        // Blanks or stars stand for "not given", whatever the country.
        {"fCONFORM10FRNULL", fCONFORM10FRNULL, "FR", kBlancs12, 1},
        {"fCONFORM10FRNULL", fCONFORM10FRNULL, "FR", kEtoiles12, 1},
        {"fCONFORM10FRNULL", fCONFORM10FRNULL, "FR", bovinFaux, 0},
        {"fCONFORM10FRNULL", fCONFORM10FRNULL, "FR", bovinFr, 1},
        {"fCONFORM10FRNULL", fCONFORM10FRNULL, "FR", "*********** ", 0},
        {"fCONFORM10FRNULL", fCONFORM10FRNULL, "BE", bovinFaux, 1},
        {"fCONFORM8FRNULL", fCONFORM8FRNULL, "FR", kBlancs12, 1},
        {"fCONFORM8FRNULL", fCONFORM8FRNULL, "FR", kEtoiles12, 1},
        {"fCONFORM8FRNULL", fCONFORM8FRNULL, "FR", "2A123456    ", 0},
        {"fCONFORM8FRNULL", fCONFORM8FRNULL, "FR", "01234567    ", 1},
        {"fCONFORM8FRNULL", fCONFORM8FRNULL, "FR", std::string(11, ' '), 0},
        // Outside France and without a country, a left-aligned value without gaps.
        {"fConform8FRnon", fConform8FRnon, "  ", kBlancs12, 1},
        {"fConform8FRnon", fConform8FRnon, "FR", "AB 12       ", 1},
        {"fConform8FRnon", fConform8FRnon, "BE", kBlancs12, 0},
        {"fConform8FRnon", fConform8FRnon, "BE", "AB12        ", 1},
        {"fConform8FRnon", fConform8FRnon, "BE", "AB 12       ", 0},
        {"fConform8FRnon", fConform8FRnon, "BE", " AB12       ", 0},
        {"fConform8FRnon", fConform8FRnon, "BE", "ab-12/x     ", 1},
        {"fConform8FRnon", fConform8FRnon, "fr", kBlancs12, 0},
        {"fConform8FRnon", fConform8FRnon, " ", kBlancs12, 0},
        // Foreign format unless the country is France.
        {"fConform10FRnon", fConform10FRnon, "FR", "1 2 !", 1},
        {"fConform10FRnon", fConform10FRnon, "BE", "DE12345678  ", 1},
        {"fConform10FRnon", fConform10FRnon, "DE", "DE12345678  ", 0},
        {"fConform10FRnon", fConform10FRnon, "US", "12 34       ", 0},
        {"fConform10FRnon", fConform10FRnon, "fr", "12 34       ", 0},
        // Countries of the exchange area are exempt from the French format.
        {"fConform10FRnonECHAnon", fConform10FRnonECHAnon, "US", bovinFaux, 0},
        {"fConform10FRnonECHAnon", fConform10FRnonECHAnon, "US", bovinFr, 1},
        {"fConform10FRnonECHAnon", fConform10FRnonECHAnon, "DE", bovinFaux, 1},
        {"fConform10FRnonECHAnon", fConform10FRnonECHAnon, "FR", bovinFaux, 1},
        {"fConform10FRnonECHAnon", fConform10FRnonECHAnon, "CH", bovinFaux, 1},
        {"fConform10FRnonECHAnon", fConform10FRnonECHAnon, "XI", bovinFaux, 1},
        {"fConform10FRnonECHAnon", fConform10FRnonECHAnon, "  ", bovinFaux, 0},
        {"fConform10FRnonECHAnon", fConform10FRnonECHAnon, "fr", bovinFaux, 0},
        // ... and held to the foreign format instead, France excepted.
        {"fConform10FRnonECHAoui", fConform10FRnonECHAoui, "US", "12 34       ", 1},
        {"fConform10FRnonECHAoui", fConform10FRnonECHAoui, "DE", "DE12345678  ", 0},
        {"fConform10FRnonECHAoui", fConform10FRnonECHAoui, "DE", "0123456789  ", 1},
        {"fConform10FRnonECHAoui", fConform10FRnonECHAoui, "DE", "12 34       ", 0},
        {"fConform10FRnonECHAoui", fConform10FRnonECHAoui, "FR", "12 34       ", 1},
        {"fConform10FRnonECHAoui", fConform10FRnonECHAoui, "CH", "CH1234      ", 0},
        {"fConform10FRnonECHAoui", fConform10FRnonECHAoui, "  ", "12 34       ", 1},
        {"fConform10FRnonECHAoui", fConform10FRnonECHAoui, "fr", "12 34       ", 1},
    };
    for (const CasVariante& c : cas) {
        EXPECT_EQ(avecTD(c.check, c.pays, c.valeur), c.attendu)
            << c.nom << " pays '" << c.pays << "' valeur '" << c.valeur << "'";
    }
}

TEST(ConformFrancais, PrefixeDepartementTroisCaracteres) {
    const Cas cas[] = {
        {"02A123456789", 1}, {"098000000001", 1}, {"974000000000", 1}, {"001XXXXXXXXX", 1},
        {"020123456789", 0}, {"2A0123456789", 0}, {"975000000000", 0}, {"02", 0},
        {"", 0},
    };
    for (const Cas& c : cas) {
        EXPECT_EQ(appeler(fConform3, "", c.valeur, TDD, LenTDD), c.attendu) << c.valeur;
    }
    EXPECT_EQ(appeler(fConform3, "", "001123456789", TDD, 0), 0);
}

TEST(NumeroEtranger, FormeEtCodePays) {
    const CasPays cas[] = {
        {"DE", "DE12345678  ", 0}, {"BE", "DE12345678  ", 1}, {"BE", "de12345678  ", 0},
        {"BE", "1234 5678   ", 0}, {"BE", "12345678ABCD", 1}, {"DE", "0123456789  ", 1},
        {"BE", "            ", 0}, {"BE", "", 0},             {"BE", " 12345678901", 0},
        {"BE", "12345678-   ", 0}, {"DE", "D1234       ", 1}, {"BE", "BE", 0},
        {"", "DE12", 1},           {"DE", "D", 1},
    };
    for (const CasPays& c : cas) {
        EXPECT_EQ(appeler(fVerifNumEtranger, c.pays, c.valeur, nullptr, 0), c.attendu)
            << c.pays << " '" << c.valeur << "'";
    }
    // Blanks or stars stand for "not given", for every country.
    for (const char* pays : {"DE", "BE", "FR", "  "}) {
        EXPECT_EQ(appeler(fVerifNumEtrangerN, pays, kBlancs12, nullptr, 0), 1) << pays;
        EXPECT_EQ(appeler(fVerifNumEtrangerN, pays, kEtoiles12, nullptr, 0), 1) << pays;
    }
    EXPECT_EQ(appeler(fVerifNumEtrangerN, "DE", "DE12        ", nullptr, 0), 0);
    EXPECT_EQ(appeler(fVerifNumEtrangerN, "DE", "12AB        ", nullptr, 0), 1);
    EXPECT_EQ(appeler(fVerifNumEtrangerN, "DE", std::string(11, '*'), nullptr, 0), 0);
}

class ConformEget : public ::testing::Test {
protected:
    void TearDown() override { valCorpsVSE[C4].valeur[0] = '\0'; }
    static int verifier(const char* nature, const std::string& valeur, int lenSverif = LenNEV) {
        std::strcpy(valCorpsVSE[C4].valeur, nature);
        return appeler(fConformEget, "", valeur, NEV, lenSverif);
    }
};

TEST_F(ConformEget, NatureV) {
    const Cas cas[] = {
        {"AAB12       ", 1}, {"HLB12       ", 1}, {"QZB12       ", 1}, {"XPB12       ", 1},
        {"AA112       ", 0}, {"AAb12       ", 0}, {"ZZB12       ", 0}, {"AAB1        ", 0},
        {"AAB1X       ", 0}, {"AAB12      X", 0}, {"AAB12      ", 0},  {"AAB12        ", 0},
        {"AAB12", 0},        {"A", 0},            {"", 0},
        // A code is a whole item of a list, never an empty item nor a piece across a comma.
        {",,B12       ", 0}, {"A,B12       ", 0}, {",BB12       ", 0},
    };
    for (const Cas& c : cas) EXPECT_EQ(verifier("V", c.valeur), c.attendu) << c.valeur;
    EXPECT_EQ(verifier("V", "AAB12       ", 1), 0);
    EXPECT_EQ(verifier("V", "AAB12       ", 2), 1);
    EXPECT_EQ(verifier("V", "CAB12       ", 2), 0);  // only the first pair is walked
}

TEST_F(ConformEget, NatureP) {
    const Cas cas[] = {
        {"01A2B       ", 1}, {"97CAB       ", 1}, {"97DZ9       ", 1}, {"976AB       ", 1},
        {"97612       ", 1}, {"20A12       ", 1}, {"2AB12       ", 1}, {"2BZZZ       ", 1},
        {"98ABC       ", 1}, {"97E12       ", 0}, {"975AB       ", 0}, {"974AB       ", 0},
        {"20!12       ", 0}, {"2CB12       ", 0}, {"99ABC       ", 0}, {"97Dab       ", 0},
        {"01A2B      ", 0},  {"01A2B       X", 0}, {"01", 0},           {"97", 0},
        {"", 0},
    };
    for (const Cas& c : cas) EXPECT_EQ(verifier("P", c.valeur), c.attendu) << c.valeur;
    // Departments come from TD whatever the rule's table.
    EXPECT_EQ(verifier("P", "01A2B       ", 0), 1);
}

TEST_F(ConformEget, AutreNature) {
    for (const char* nature : {"B", "", "v", "p", "VV", "P "}) {
        EXPECT_EQ(verifier(nature, "AAB12       "), 0) << nature;
        EXPECT_EQ(verifier(nature, "01A2B       "), 0) << nature;
    }
}

TEST(Predicats, Luhn) {
    const Cas cas[] = {
        {"79927398713", 1},    {"79927398710", 0}, {"732829320", 1}, {"73282932000074", 1},
        {"73282932000075", 0}, {"59", 1},          {"18", 1},        {"17", 0},
        {"0", 1},              {"", 1},
        // A character that is not a digit has no place in the sum.
        {"7992739871A", 0},    {"7992739871 ", 0},
    };
    for (const Cas& c : cas) EXPECT_EQ(predicat(fVerifLuhn, c.valeur), c.attendu) << c.valeur;
}

TEST(Predicats, AppartientUE) {
    for (const char* pays : {"DE", "AT", "BE", "DK", "ES", "FI", "FR", "EL", "IE", "LU", "NL",
                             "PT", "UK", "SE", "IT"}) {
        EXPECT_EQ(predicat(appartient_UE, pays), 1) << pays;
    }
    for (const char* pays : {"BG", "XI", "CH", "PL", "fr", "FR ", "F", ""}) {
        EXPECT_EQ(predicat(appartient_UE, pays), 0) << pays;
    }
}

TEST(Predicats, AgrementSanitaire) {
    const Cas cas[] = {
        {"2A123456    ", 1}, {"2B12345     ", 1}, {"0112345     ", 1}, {"97412345    ", 1},
        {"97612345    ", 1}, {"01123456    ", 1}, {"2C123456    ", 0}, {"20123456    ", 0},
        {"98123456    ", 0}, {"97512345    ", 0}, {"00123456    ", 0}, {"3A123456    ", 0},
        {"A1123456    ", 0}, {"0112345A    ", 0}, {"01123456   X", 0}, {"01123456", 0},
        {"01123456   ", 0},
        // Only the first 12 characters are examined.
        {"01123456    XYZ", 1},
    };
    for (const Cas& c : cas) {
        EXPECT_EQ(predicat(verifNumAgrementSanitaireFr, c.valeur), c.attendu) << c.valeur;
    }
}

TEST(Predicats, ExploitationEtBovin) {
    const Cas exploitations[] = {
        {"01234567    ", 1}, {"20123456    ", 1}, {"99123456    ", 0}, {"2A123456    ", 0},
        {"0123456     ", 0}, {"01234567   X", 0}, {"01234567", 0},     {"01234567    ++", 1},
    };
    for (const Cas& c : exploitations) {
        EXPECT_EQ(predicat(verifNumExploitFr, c.valeur), c.attendu) << c.valeur;
    }
    const Cas bovins[] = {
        {"9741234567  ", 1}, {"0112345678  ", 1}, {"9812345678  ", 1}, {"9761234567  ", 0},
        {"9912345678  ", 0}, {"0112345678 X", 0}, {"0112345678", 0},   {"011234567   ", 0},
        {"0112345678  ..", 1},
    };
    for (const Cas& c : bovins) {
        EXPECT_EQ(predicat(verifNumBovinFrOuImporte, c.valeur), c.attendu) << c.valeur;
    }
    // The bovine predicate is narrower overseas than the rule check.
    EXPECT_EQ(avecTD(fConform10, "", "9761234567  "), 1);
}
