// The ERRE checks and the date coherence check that read their values a word
// at a time or skip measuring the line, held equal to their plain versions
// (values walked byte by byte, the line measured before each read of it).
// Both run on the same generated values: dates and codes as they come, then
// bent (short, empty, blanks, letters, 0x7F, bytes above 127), held in body
// slots with stale bytes after their NUL, at the very end of the slot arrays,
// in the trailer slot F1, in exact-size heap buffers, with lines of every
// length around the columns the checks read.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "checks/coherence.h"
#include "checks/dates.h"
#include "checks/generiques.h"
#include "checks/identifiants.h"
#include "checks/octets.h"
#include "engine/verif.h"
#include "equivalences.h"
#include "model/modele.h"
#include "records/erre.h"
#include "records/ligne_courante.h"
#include "reference/valautorise.h"

namespace {

// ---------------------------------------------------------------------------
// The plain versions.
namespace simple {

int vErre_C5(char* champ) {
    if (essai::ancien::erreRetourSurAbat()) {
        if (champ[0] == ' ' || (champ[0] != '\0' && champ[1] == ' ')) return 0;
    } else if (std::strcmp(champ, "  ") == 0) {
        return 1;
    }
    return fVerifValAut(depVide, champ, TP, LenTP);
}

// Columns debut..fin of the line, cut short by its end.
std::string colonnes(int debut, int fin) {
    const int longueur = static_cast<int>(strnlen(xdebug, static_cast<std::size_t>(fin)));
    std::string v;
    for (int c = debut; c <= fin && c <= longueur; ++c) v.push_back(xdebug[c - 1]);
    return v;
}

int vErre_C6(char* champ) {
    if (champVide(champ)) return !essai::ancien::erreRetourSurAbat();
    return fVerifNumEtranger(colonnes(84, 85).c_str(), champ, nullptr, 0);
}

// The country C31 as the line holds it (columns 176, 177, cut short).
std::string paysC31() {
    const int longueur = static_cast<int>(strnlen(xdebug, 177));
    std::string code;
    for (int c = 176; c <= 177 && c <= longueur; ++c) code.push_back(xdebug[c - 1]);
    return code;
}

int vErre_C32(int regle, char* champ) {
    if (champVide(champ)) return 1;
    const std::string pays = paysC31();
    const bool fr = pays == "FR";
    const bool chOuUe = !fr && (pays == "CH" || appartient_UE(pays.c_str()));
    switch (regle) {
    case 1:
        return fr ? verifNumBovinFrOuImporte(champ) : 1;
    case 2:
        return !fr && !chOuUe ? verifNumBovinFrOuImporte(champ) : 1;
    default:
        return chOuUe ? fVerifNumEtranger(pays.c_str(), champ, nullptr, 0) : 1;
    }
}

}  // namespace simple

// ---------------------------------------------------------------------------
// Generated values.

std::mt19937& alea() {
    static std::mt19937 g(20261208);
    return g;
}
int tirer(int n) { return static_cast<int>(alea()() % static_cast<unsigned>(n)); }

// Bytes that matter: digits, blank, letters, 0x7F, bytes above 127.
char octetBizarre() {
    static const char choix[] = {'0', '1', '9', ' ', 'A', 'z', '\x7F', '\x80', '\xE9', '\xFF', '/', ':'};
    return choix[tirer(sizeof choix)];
}

// A value bent from a base: unchanged, cut, lengthened, one byte changed,
// blanks, empty.
std::string plier(const std::string& base) {
    std::string v = base;
    switch (tirer(8)) {
    case 0:
    case 1:
        break;
    case 2:
        v.resize(static_cast<std::size_t>(tirer(static_cast<int>(v.size()) + 1)));
        break;
    case 3:
        v.push_back(octetBizarre());
        break;
    case 4:
    case 5:
        if (!v.empty()) v[static_cast<std::size_t>(tirer(static_cast<int>(v.size())))] = octetBizarre();
        break;
    case 6:
        v.assign(v.size(), ' ');
        break;
    default:
        v.clear();
        break;
    }
    return v;
}

std::string dateAuHasard() {
    static const std::vector<std::string> dates = {"15032024", "01011900", "31129999", "29022024", "20062024",
                                                   "21062024", "19062024", "20072023", "        ", "  062024",
                                                   "00002024", "99999999"};
    return plier(dates[static_cast<std::size_t>(tirer(static_cast<int>(dates.size())))]);
}

// Places a value is handed from: a body slot with stale bytes after its NUL,
// the last bytes of the body slots, an exact-size heap buffer.
enum class Place { corps, finDesSlots, tas };

struct Valeur {
    std::unique_ptr<char[]> tas;
    char* p = nullptr;
};

Valeur placer(const std::string& v, Place place, int slot) {
    Valeur r;
    switch (place) {
    case Place::corps:
        std::memset(valCorpsVSE[slot].valeur, '7', sizeof valCorpsVSE[slot].valeur);
        r.p = valCorpsVSE[slot].valeur;
        break;
    case Place::finDesSlots:
        r.p = valCorpsVSE[NB_CORPS - 1].valeur + (sizeof valCorpsVSE[0].valeur - v.size() - 1);
        break;
    case Place::tas:
        r.tas = std::make_unique<char[]>(v.size() + 1);
        r.p = r.tas.get();
        break;
    }
    std::memcpy(r.p, v.c_str(), v.size() + 1);
    return r;
}

Place placeAuHasard() { return static_cast<Place>(tirer(3)); }

// ---------------------------------------------------------------------------

// fCoherenDC reads both dates a word at a time when the reference is the
// trailer slot F1 and the date is in a body slot; any other call, and any
// NUL among the first 8 bytes, goes to the byte-by-byte comparison.
TEST(ErreRapide, CoherenDCEgaleLaComparaisonGenerale) {
    for (int essai = 0; essai < 40000; ++essai) {
        const std::string reference = dateAuHasard();
        const std::string date = dateAuHasard();
        const bool referenceDansF1 = tirer(4) != 0;
        std::unique_ptr<char[]> autre;
        const char* dependance;
        if (referenceDansF1) {
            std::memset(valFinVSE[F1].valeur, tirer(2) ? '\0' : '5', sizeof valFinVSE[F1].valeur);
            std::memcpy(valFinVSE[F1].valeur, reference.c_str(), reference.size() + 1);
            dependance = valFinVSE[F1].valeur;
        } else {
            autre = std::make_unique<char[]>(reference.size() + 1);
            std::memcpy(autre.get(), reference.c_str(), reference.size() + 1);
            dependance = autre.get();
        }
        const Valeur v = placer(date, placeAuHasard(), C33);
        const int attendu = fCoherenDCSupInf(dependance, v.p, INF);
        ASSERT_EQ(fCoherenDC(dependance, v.p, nullptr, 0), attendu)
            << "reference '" << reference << "' date '" << date << "'";
    }
}

// Known answers of the comparison, on the fast path (F1 and a body slot).
TEST(ErreRapide, CoherenDCOrdonneAnMoisJour) {
    struct Cas {
        const char* reference;
        const char* date;
        int attendu;
    } const cas[] = {
        {"20062024", "20062024", 1}, {"20062024", "21062024", 0}, {"20062024", "19062024", 1},
        {"20062024", "01072024", 0}, {"20062024", "31052024", 1}, {"20062024", "01012025", 0},
        {"01012025", "31122024", 1}, {"20062024", "        ", 1}, {"20062024", "  062024", 1},
        {"20062024", "  072024", 0},
    };
    for (const Cas& c : cas) {
        std::strcpy(valFinVSE[F1].valeur, c.reference);
        std::strcpy(valCorpsVSE[C34].valeur, c.date);
        EXPECT_EQ(fCoherenDC(valFinVSE[F1].valeur, valCorpsVSE[C34].valeur, nullptr, 0), c.attendu)
            << c.reference << " " << c.date;
    }
}

// Makes a line of `longueur` characters whose columns 63 to 66 hold c1 (cut
// by the end of the line); the bytes of xdebug past its end are stale.
void poserLigne(const char* c1, int longueur) {
    std::string ligne(256, 'X');
    std::memcpy(ligne.data() + 62, c1, 4);
    std::memset(xdebug, 'A', sizeof xdebug);
    std::memcpy(xdebug + 62, "ABAT", 4);
    preparerVue(ligne.data(), longueur, xdebug);
}

// vErre_C5 measures the line only for a value with a blank in its first two
// characters.
TEST(ErreRapide, C5EgaleLaVersionSimple) {
    static const std::vector<std::string> pays = {"FR", "DE", "BE", "CH", "US", "  ", " F", "F ", "", "F", "FRA", "ZZ"};
    static const char* const types[] = {"ABAT", "ABAX", "NAIS", "    "};
    for (int essai = 0; essai < 20000; ++essai) {
        poserLigne(types[tirer(4)], tirer(5) == 0 ? 60 + tirer(10) : 256);
        const std::string v = plier(pays[static_cast<std::size_t>(tirer(static_cast<int>(pays.size())))]);
        const Valeur p = placer(v, placeAuHasard(), C5);
        const int attendu = simple::vErre_C5(p.p);
        ASSERT_EQ(vErre_C5(depVide, p.p, nullptr, 0), attendu) << "'" << v << "'";
    }
}

// vErre_C37_1 reads its 8 characters as one word: where its code ends, and
// whether a blank lies inside it, are taken from that word.
TEST(ErreRapide, C37EgaleLaVersionSimple) {
    std::vector<std::string> codes = {"001IPG  ", "075IPG  ", "999IPG  ", "ONICAB01", "OFFICEDE", "NORMABEV",
                                      "POINTFOC", "ONICAB  ", "OFFIC   ", "NORM01  ", "        ", "0 1IPG  ",
                                      "001IPG 1", "ABCDEF  ", "ABCDE   ", "ABCDEFG ", "OFFICE X"};
    for (int i = 0; i < LenTDC && i < 20; ++i) codes.emplace_back(TDC[i]);
    for (int essai = 0; essai < 40000; ++essai) {
        const std::string v = plier(codes[static_cast<std::size_t>(tirer(static_cast<int>(codes.size())))]);
        const Valeur p = placer(v, placeAuHasard(), C37);
        const int attendu = essai::ancien::erreC37_1(p.p);
        ASSERT_EQ(vErre_C37_1(depVide, p.p, nullptr, 0), attendu) << "'" << v << "'";
    }
}

// The C32 rules look at the bytes of columns 176 and 177 first and measure
// the line only when those bytes leave the answer open; the member states are
// remembered per pair of bytes.
TEST(ErreRapide, C32EgaleLaVersionSimple) {
    static const char* const pays[] = {"FR", "CH", "DE", "BE", "IT", "FI", "ES", "US", "GB", "  ", "F ", "fr", "\x7F\x7F", "\xE9R", "CZ", "FX"};
    static const std::vector<std::string> numeros = {"FR0112345678", "2A1234567890", "DE1234567890", "0123456789  ",
                                                     "            ", "123456789012", "FR01123456  "};
    for (int essai = 0; essai < 30000; ++essai) {
        std::string ligne(256, 'X');
        std::memcpy(ligne.data() + 175, pays[tirer(16)], 2);
        const int longueur = tirer(3) == 0 ? 172 + tirer(8) : 256;
        std::memset(xdebug, 'A', sizeof xdebug);
        std::memcpy(xdebug + 175, pays[tirer(16)], 2);  // stale bytes past a short line
        preparerVue(ligne.data(), longueur, xdebug);
        const std::string v = plier(numeros[static_cast<std::size_t>(tirer(static_cast<int>(numeros.size())))]);
        for (int regle = 1; regle <= 3; ++regle) {
            const Valeur p = placer(v, placeAuHasard(), C32);
            const int attendu = simple::vErre_C32(regle, p.p);
            const int obtenu = regle == 1   ? vErre_C32_1(depVide, p.p, nullptr, 0)
                               : regle == 2 ? vErre_C32_2(depVide, p.p, nullptr, 0)
                                            : vErre_C32_3(depVide, p.p, nullptr, 0);
            ASSERT_EQ(obtenu, attendu) << "C32_" << regle << " '" << v << "' line " << longueur << " C31 '"
                                       << std::string(xdebug + 175, 2) << "'";
        }
    }
}

// The rules that read C1 (columns 63-66) or C5 (84-85) from the line test
// its length 16 bytes at a time: held equal to the plain rules on lines of
// every length around those columns, with stale bytes of xdebug past the
// line's end and, at times, a NUL written into the line itself.
TEST(ErreRapide, ReglesSurC1EtC5EgalesAuxVersionsSimples) {
    static const char* const types[] = {"ABAT", "ABAX", "NAIS", "    "};
    static const char* const pays[] = {"FR", "DE", "BE", "CH", "  ", "US", "\x7F\x7F"};
    static const std::vector<std::string> numeros = {"            ", "0123456789  ", "FR0112345678", "01123456    ",
                                                     "2A1234567890", "DE1234567890", "75012345    "};
    static const std::vector<std::string> dates = {"        ", "15032024", "31022024", "01011899", "       "};
    for (int essai = 0; essai < 30000; ++essai) {
        std::string ligne(256, 'X');
        std::memcpy(ligne.data() + 62, types[tirer(4)], 4);
        std::memcpy(ligne.data() + 83, pays[tirer(7)], 2);
        const int longueur = tirer(3) != 0 ? 56 + tirer(36) : 256;
        std::memset(xdebug, tirer(2) ? 'A' : '\0', sizeof xdebug);
        std::memcpy(xdebug + 62, "ABAT", 4);  // stale bytes past a short line
        std::memcpy(xdebug + 83, "DE", 2);
        preparerVue(ligne.data(), longueur, xdebug);
        if (tirer(8) == 0) xdebug[tirer(90)] = '\0';
        const std::string numero = plier(numeros[static_cast<std::size_t>(tirer(static_cast<int>(numeros.size())))]);
        const std::string date = plier(dates[static_cast<std::size_t>(tirer(static_cast<int>(dates.size())))]);
        const std::string lieu = "longueur " + std::to_string(longueur) + " '" + numero + "' '" + date + "'";
        {
            const Valeur p = placer(numero, placeAuHasard(), C6);
            const int attendu = simple::vErre_C6(p.p);
            ASSERT_EQ(vErre_C6(depVide, p.p, nullptr, 0), attendu) << "C6 " << lieu;
        }
        {
            const Valeur p = placer(numero, placeAuHasard(), C8);
            const int attendu = essai::ancien::erreNumeroDeReference(p.p);
            ASSERT_EQ(vErre_C8_conf(depVide, p.p, nullptr, 0), attendu) << "C8 " << lieu;
            ASSERT_EQ(vErre_C30(depVide, p.p, nullptr, 0), attendu) << "C30 " << lieu;
        }
        {
            const Valeur p = placer(date, placeAuHasard(), C36);
            const int attendu = essai::ancien::erreC36_1(p.p);
            ASSERT_EQ(vErre_C36_1(depVide, p.p, nullptr, 0), attendu) << "C36 " << lieu;
        }
        {
            const Valeur p = placer(pays[tirer(7)], placeAuHasard(), C5);
            const int attendu = simple::vErre_C5(p.p);
            ASSERT_EQ(vErre_C5(depVide, p.p, nullptr, 0), attendu) << "C5 " << lieu;
        }
    }
}

// ligneAuMoins<n> against strnlen, for every line length from 0 to 256 and
// the columns the checks ask about, with xdebug's bytes past the line stale
// (blanks, letters or NULs) and, at times, a NUL written inside the line.
template <int n>
void comparerLongueur(int longueur, int essai) {
    ASSERT_EQ(ligneAuMoins<n>(), static_cast<int>(strnlen(xdebug, n)) == n)
        << "n " << n << " longueur " << longueur << " essai " << essai;
}

TEST(ErreRapide, LigneAuMoinsCommeStrnlen) {
    for (int essai = 0; essai < 6; ++essai) {
        for (int longueur = 0; longueur <= 256; ++longueur) {
            std::memset(xdebug, essai % 3 == 0 ? ' ' : essai % 3 == 1 ? 'A' : '\0', sizeof xdebug);
            const std::string ligne(static_cast<std::size_t>(longueur), '\xE9');
            preparerVue(ligne.data(), longueur, xdebug);
            if (essai >= 3 && longueur > 0) xdebug[tirer(longueur)] = '\0';
            comparerLongueur<16>(longueur, essai);
            comparerLongueur<17>(longueur, essai);
            comparerLongueur<32>(longueur, essai);
            comparerLongueur<62>(longueur, essai);
            comparerLongueur<64>(longueur, essai);
            comparerLongueur<66>(longueur, essai);
            comparerLongueur<85>(longueur, essai);
            comparerLongueur<138>(longueur, essai);
            comparerLongueur<177>(longueur, essai);
            comparerLongueur<256>(longueur, essai);
        }
    }
}

}  // namespace
