// EGET, ERTI and RATA (establishments): the checks of these types, and the
// rule tables row by row against their listings.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "harnais_tables.h"
#include "checks/generiques.h"
#include "model/modele.h"
#include "records/eget.h"
#include "records/erti.h"
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

const std::string B30(30, ' ');

TEST(Eget, NameAndAddressLinesOneAtLeast) {
    struct Cas {
        std::string propre, autre;
        int attendu;
    };
    const Cas cas[] = {
        {"ETABLISSEMENT DUPONT" + std::string(10, ' '), B30, 1},
        {B30, "12 RUE DES LILAS" + std::string(14, ' '), 1},  // C5 blank, C6 filled
        {B30, B30, 0},                                         // both blank: refused on each row
        {"X" + std::string(29, ' '), "Y" + std::string(29, ' '), 1},
        {std::string(29, ' ') + "Z", B30, 1},
        {std::string(29, ' '), B30, 1},  // cut short by a short record: not 30 blanks
        {"", B30, 1},
        {B30, "", 1},
        {B30, std::string(31, ' '), 1},  // longer than 30 blanks is not "nothing"
        {"\x7f" + std::string(29, ' '), B30, 1},
    };
    for (const Cas& c : cas) {
        auto v = copie(c.propre);
        auto d = copie(c.autre);
        EXPECT_EQ(eget_fC5C6(d.get(), v.get(), nullptr, 0) != 0, c.attendu == 1)
            << '"' << c.propre << "\" / \"" << c.autre << '"';
    }
}

TEST(Erti, ProductionKindDependsOnTheProductionCode) {
    struct Cas {
        std::string c4, c5;
        int attendu;
    };
    const Cas cas[] = {
        {"P", " ", 1},  // C4 P, C5 blank
        {"P", "D", 0},  // C4 P, C5 D
        {"V", " ", 0},  // C4 V, C5 blank: not in PROD_EV
        {"V", "D", 1},
        {"V", "M", 1},
        {"V", "J", 1},
        {"V", "I", 0},
        {"V", "A", 0},
        {"V", "d", 0},
        {"V", "", 0},   // cut short
        {"P", "", 0},
        {"V ", "D", 0}, // the code must be exactly "V"
        {"", " ", 1},   // C4 cut short: not V
        {" ", " ", 1},
        {"X", "M", 0},
        {"P", "  ", 0},
    };
    for (const Cas& c : cas) {
        auto v = copie(c.c5);
        auto d = copie(c.c4);
        EXPECT_EQ(erti_fC5(d.get(), v.get(), PROD_EV, LenPROD_EV) != 0, c.attendu == 1)
            << "C4 \"" << c.c4 << "\" C5 \"" << c.c5 << '"';
    }
}

TEST(Erti, SectorAndRearingCodeOnlyForKindM) {
    struct Cas {
        std::string c5, valeur;
        const tValAutorise* table;
        int len;
        int attendu;
    };
    const Cas cas[] = {
        {"M", "OEUF", FIL_V, LenFIL_V, 1},
        {"M", "2   ", ELV_V, LenELV_V, 1},
        {"M", "0   ", ELV_V, LenELV_V, 1},
        {"M", "4   ", ELV_V, LenELV_V, 0},
        {"M", "    ", FIL_V, LenFIL_V, 0},  // kind M needs the codes
        {"M", "    ", ELV_V, LenELV_V, 0},
        {"M", "oeuf", FIL_V, LenFIL_V, 0},
        {"M", "OEUF", ELV_V, LenELV_V, 0},  // each row has its own table
        {"M", "OEU", FIL_V, LenFIL_V, 0},
        {"D", "OEUF", FIL_V, LenFIL_V, 0},  // C5 D with C9 "OEUF"
        {"D", "    ", FIL_V, LenFIL_V, 1},
        {"D", "2   ", ELV_V, LenELV_V, 0},
        {" ", "    ", ELV_V, LenELV_V, 1},
        {"", "    ", FIL_V, LenFIL_V, 1},  // C5 cut short: not M
        {"D", "   ", FIL_V, LenFIL_V, 0},  // cut short: not 4 blanks
        {"D", "     ", FIL_V, LenFIL_V, 0},
        {"D", "", FIL_V, LenFIL_V, 0},
    };
    for (const Cas& c : cas) {
        auto v = copie(c.valeur);
        auto d = copie(c.c5);
        EXPECT_EQ(erti_fC9C10(d.get(), v.get(), c.table, c.len) != 0, c.attendu == 1)
            << "C5 \"" << c.c5 << "\" value \"" << c.valeur << '"';
    }
}

// Rule tables against their listings. One line per row: field, columns
// ("same" for a further rule on the field above), obligation codes for CRE
// DEM INV EDI MOD, check, allowed-value table with its count, dependance (the
// field its slot holds), error number; "-" for none.
const std::vector<std::string> listeEget = {
    "C1 63-64 0 2 0 2 0 fVerifValAut FR(1) - 139",
    "C2 65-76 0 2 0 2 0 fVerifDiffNull DouzeBlancs(1) - 139",
    "C2 same 0 2 0 2 0 fConformEget NEV(202) - 140",
    "C2 same 0 2 0 2 0 fCoherenCCEget NEV(202) E8 50",
    "C3 77-78 1 1 1 1 1 - - - -",
    "C4 79-79 0 2 0 2 0 fVerifValAut PROD_E(2) - 131",
    "C5 80-109 0 2 1 2 0 eget_fC5C6 - C6 141",
    "C6 110-139 0 2 1 2 0 eget_fC5C6 - C5 141",
    "C7 140-144 0 2 1 2 0 fVerifDiffNull cinqBlancs(1) - 142",
    "C8 145-174 0 2 1 2 0 fVerifDiffNull trenteBlancs(1) - 143",
    "C9 175-230 1 1 1 1 1 - - - -",
};

const std::vector<std::string> listeErti = {
    "C1 63-64 0 2 0 2 0 fVerifValAut FR(1) - 139",
    "C2 65-76 0 2 0 2 0 fVerifDiffNull DouzeBlancs(1) - 139",
    "C2 same 0 2 0 2 0 fConformEget NEV(202) - 140",
    "C2 same 0 2 0 2 0 fCoherenCCEget NEV(202) E8 50",
    "C3 77-78 1 1 1 1 1 - - - -",
    "C4 79-79 0 2 0 2 0 fVerifValAut PROD_E(2) - 131",
    "C5 80-80 0 2 0 2 0 erti_fC5 PROD_EV(9) C4 131",
    "C6 81-88 0 2 1 2 1 fDATEC - - 144",
    "C6 same 0 2 1 2 1 fCoherenDC - F1 52",
    "C6 same 1 2 1 2 0 fVerifValAut HuitBlancs(1) - 192",
    "C7 89-96 0 2 1 2 0 fDatRecCorr - - 145",
    "C7 same 0 2 1 2 0 fDatRecPost - C6 149",
    "C7 same 0 2 1 2 0 fDatRecCohe - F1 52",
    "C8 97-104 1 2 0 2 0 fDATEC - - 144",
    "C8 same 1 2 0 2 0 fCoherenDC - F1 52",
    "C9 105-108 0 2 1 2 0 erti_fC9C10 FIL_V(1) C5 146",
    "C10 109-112 0 2 1 2 0 erti_fC9C10 ELV_V(4) C5 147",
    "C11 113-230 1 1 1 1 1 - - - -",
};

const std::vector<std::string> listeRata = {
    "C1 63-64 0 2 1 2 0 fVerifValAut FR(1) - 139",
    "C2 65-76 0 2 1 2 0 fVerifDiffNull DouzeBlancs(1) - 139",
    "C2 same 0 2 1 2 0 fConformEget NEV(202) - 140",
    "C2 same 0 2 1 2 0 fCoherenCCEget NEV(202) E8 50",
    "C3 77-78 1 1 1 1 1 - - - -",
    "C4 79-79 0 2 1 2 0 fVerifValAut PROD_E(2) - 131",
    "C5 80-81 0 2 1 2 0 fVerifValAut FR(1) - 31",
    "C6 82-93 0 2 1 2 0 fVerifDiffNull DouzeBlancs(1) - 31",
    "C6 same 0 2 1 2 0 fConform8 TD(97) C1 68",
    "C7 94-95 1 2 1 2 0 fVerifValAut FR(1) - 31",
    "C8 96-107 1 2 1 2 0 fVerifDiffNull DouzeBlancs(1) - 31",
    "C8 same 1 2 1 2 0 fConform8 TD(97) C1 68",
    "C9 108-115 0 2 1 2 0 fDATEC - - 148",
    "C9 same 0 2 1 2 0 fCoherenDC - F1 52",
    "C10 116-123 1 2 1 2 0 fDATEC - - 148",
    "C10 same 1 2 1 2 0 fCoherenDC - F1 52",
    "C11 124-230 1 1 1 1 1 - - - -",
};

const essai::NomsDeChecks kChecksEtablissements = {
    NOM_CHECK(eget_fC5C6),
    NOM_CHECK(erti_fC5),
    NOM_CHECK(erti_fC9C10),
};

TEST(Eget, TableRowByRow) { essai::comparerListing(tEget, lEget, listeEget, kChecksEtablissements); }

TEST(Erti, TableRowByRow) { essai::comparerListing(tErti, lErti, listeErti, kChecksEtablissements); }

TEST(Rata, TableRowByRow) { essai::comparerListing(tRata, lRata, listeRata, kChecksEtablissements); }

TEST(Etablissements, SlotsReadOutsideTheDependances) {
    // fConformEget and fCoherenCCEget read the kind of establishment from slot
    // C4; the three types echo no identification pair in their error records.
    for (const char* type : {"EGET", "ERTI", "RATA"}) {
        const sAiguillage& entree = tAiguillage[chercherAiguillage(type)];
        SCOPED_TRACE(type);
        EXPECT_EQ(essai::champDuSlot(entree.tabVerif, *entree.pLenTabVerif, C4), C4);
        EXPECT_EQ(essai::correspondanceSlots(entree.tabVerif, *entree.pLenTabVerif), "");
        EXPECT_EQ(entree.champErrC7, CINC);
        EXPECT_EQ(entree.champErrC8, CINC);
    }
    EXPECT_EQ(lEget, 11);
    EXPECT_EQ(lErti, 18);
    EXPECT_EQ(lRata, 17);
}

// Decision on the list checks: fVerifValAut accepts the partner codes whatever
// its table, so an ERTI modification whose first date holds one of them
// passes the rule that wants eight blanks there.
TEST(Erti, ModificationFirstDateTakesThePartnerCodes) {
    const sCorps& regle = tErti[9];
    ASSERT_EQ(regle.noErr, 192);
    for (const char* c6 : {"NORMABEV", "NORM01  ", "NORM02  ", "PFOC01  ", "        "}) {
        auto v = copie(c6);
        EXPECT_NE(regle.pfVerif(regle.dependance, v.get(), regle.sverif, *regle.plenSverif), 0) << c6;
    }
    for (const char* c6 : {"15032024", "POINTFOC", "OVINFOS ", "       ", ""}) {
        auto v = copie(c6);
        EXPECT_EQ(regle.pfVerif(regle.dependance, v.get(), regle.sverif, *regle.plenSverif), 0) << c6;
    }
}

}  // namespace
