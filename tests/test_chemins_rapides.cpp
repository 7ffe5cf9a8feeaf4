// Fast paths of the record loop held equal to the plain code they replace:
// the bounded length that reads a word at a time, and the indexed lists of
// the ABAT checks against the scans of their tables.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "outils.h"
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
