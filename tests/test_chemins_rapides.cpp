// Fast paths of the record loop held equal to the plain code they replace:
// the bounded length that reads a word at a time, the date order computed on
// whole words, and the indexed lists of the ABAT checks against the scans of
// their tables.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "outils.h"
#include "checks/coherence.h"
#include "checks/octets.h"
#include "records/abat.h"
#include "reference/valautorise.h"

namespace {

// The byte-at-a-time count, written out independently of the code under test.
int longueurParOctets(const char* v, int max) {
    int n = 0;
    while (n < max && v[n] != '\0') ++n;
    return n;
}

bool dansTable(const std::string& v, const tValAutorise* table, int n) {
    for (int i = 0; i < n; ++i) {
        if (v == table[i]) return true;
    }
    return false;
}

// Values of up to 3 characters over an alphabet that holds every byte the
// tables use, blanks, a NUL stand-in (0x7F) and bytes above 127, plus every
// string of the tables, cut short and lengthened.
std::vector<std::string> valeursDeListe(std::initializer_list<std::pair<const tValAutorise*, int>> tables) {
    std::set<std::string> s;
    std::string alphabet = " 0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabz*-\x7f";
    alphabet += static_cast<char>(0xC9);
    s.insert("");
    for (char a : alphabet) {
        s.insert(std::string(1, a));
        for (char b : alphabet) {
            s.insert(std::string{a, b});
            s.insert(std::string{a, b, ' '});
        }
    }
    for (const auto& [table, n] : tables) {
        for (int i = 0; i < n; ++i) {
            const std::string v = table[i];
            for (size_t k = 0; k < v.size(); ++k) s.insert(v.substr(0, k));
            s.insert(v + " ");
            s.insert(v + "X");
        }
    }
    for (const char* partenaire : {"NORMABEV", "NORM01  ", "NORM02  ", "PFOC01  "}) s.insert(partenaire);
    return {s.begin(), s.end()};
}

}  // namespace

// Every bound from 0 to 300, over strings whose NUL falls anywhere (or
// nowhere within the bound), at every alignment of a 64-byte block.
TEST(CheminsRapides, LongueurBorneeCommeLaLectureOctetParOctet) {
    std::mt19937 alea(19);
    std::vector<char> zone(512 + 64);
    for (int essai = 0; essai < 400; ++essai) {
        for (char& c : zone) c = static_cast<char>(1 + alea() % 255);
        const size_t decalage = alea() % 64;
        char* const v = zone.data() + decalage;
        const int nul = static_cast<int>(alea() % 320);
        v[nul] = '\0';
        if (essai % 3 == 0) v[alea() % 320] = '\0';  // sometimes a second NUL before or after
        for (int max = 0; max <= 300; ++max) {
            ASSERT_EQ(longueurBornee(v, max), longueurParOctets(v, max))
                << "essai " << essai << " max " << max << " nul " << nul;
        }
    }
}

// The country of provenance: a code of TP or of TCPNOCEE, and nothing else
// (not the partner codes that list rules accept).
TEST(CheminsRapides, PaysDeProvenanceAbatCommeLesTables) {
    int acceptes = 0;
    for (const std::string& v : valeursDeListe({{TP, LenTP}, {TCPNOCEE, LenTCPNOCEE}})) {
        essai::Valeur champ(v);
        const bool attendu = dansTable(v, TP, LenTP) || dansTable(v, TCPNOCEE, LenTCPNOCEE);
        ASSERT_EQ(fVerif_ASDA("", champ.get(), nullptr, 0) != 0, attendu) << "'" << v << "'";
        acceptes += attendu;
    }
    EXPECT_GE(acceptes, LenTP);
}

// The notifier's identifier of a slaughterhouse: the department in its first
// two characters is "2A", "2B" or a code of TD; every pair of characters is
// tried in an identifier of the right shape, and the offices still pass.
TEST(CheminsRapides, DepartementDuNotifiantAbatCommeLaTable) {
    int acceptes = 0;
    for (const std::string& v : valeursDeListe({{TD, LenTD}})) {
        if (v.size() != 2) continue;
        essai::Valeur champ(v + "12345   " + "  ");
        const bool attendu = v[0] != ' ' && v[1] != ' ' && (v == "2A" || v == "2B" || dansTable(v, TD, LenTD));
        ASSERT_EQ(fVerif_NUMID_ABATNOT_CONF("", champ.get(), nullptr, 0) != 0, attendu) << "'" << v << "'";
        acceptes += attendu;
    }
    EXPECT_GE(acceptes, LenTD);
    for (const char* office : {"OFFICEDE    ", "ONICABFR    "}) {
        essai::Valeur champ(office);
        EXPECT_NE(fVerif_NUMID_ABATNOT_CONF("", champ.get(), nullptr, 0), 0) << office;
    }
}

namespace {

// The date order key written out byte by byte: the YYYYMMDD rewrite of the
// first 8 characters, blanks read as '0' where asked, missing positions as
// NUL (below every character).
std::vector<unsigned char> cleParOctets(const std::string& date, bool blancsEnZeros) {
    std::string c(8, '\0');
    for (size_t i = 0; i < 8 && i < date.size(); ++i) c[i] = blancsEnZeros && date[i] == ' ' ? '0' : date[i];
    const std::string cle = c.substr(4, 4) + c.substr(2, 2) + c.substr(0, 2);
    return {cle.begin(), cle.end()};
}

}  // namespace

// fCoherenDC (the date is not after the reference date, blanks of the date
// read as zeros) over dates of 0 to 10 characters, with blanks, digits, the
// NUL stand-in and bytes above 127 in every position.
TEST(CheminsRapides, DateOrderOnWholeWordsAsByteByByte) {
    std::mt19937 alea(20261208);
    std::string alphabet = " 0123456789 09\x7f";
    alphabet += static_cast<char>(0xE9);
    alphabet += static_cast<char>(0x80);
    auto date = [&] {
        std::string d(alea() % 11, ' ');
        for (char& c : d) c = alphabet[alea() % alphabet.size()];
        return d;
    };
    for (int i = 0; i < 200000; ++i) {
        const std::string reference = i % 3 == 0 ? "20062024" : date();
        const std::string valeur = i % 5 == 0 ? "  062024" : date();
        essai::Valeur champ(valeur);
        const int attendu = cleParOctets(reference, false) >= cleParOctets(valeur, true);
        ASSERT_EQ(fCoherenDC(reference.c_str(), champ.get(), nullptr, 0), attendu)
            << '"' << reference << "\" \"" << valeur << '"';
    }
}
