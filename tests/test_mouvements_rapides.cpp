// The shortened date checks of the movement and birth records held equal to
// the straightforward versions they replaced, kept here as references. Every
// value is handed to both in each place a check may find it: a value slot of
// the body, trailer or header (stale bytes after its NUL), the last bytes of
// the last body slot (too near the end of the slots for a word read), and a
// heap buffer of exactly its own length.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "equivalences.h"
#include "outils.h"
#include "checks/comparaisons.h"
#include "checks/dates.h"
#include "checks/identifiants.h"
#include "model/modele.h"
#include "records/entr.h"
#include "records/nais.h"
#include "records/nvmn.h"
#include "records/sort.h"
#include "reference/valautorise.h"

namespace {

using essai::Emplacement;
using essai::kPlaces;
using essai::montrer;
using essai::Place;

// ---------------------------------------------------------------------------
// References: the previous straightforward code.
namespace ref {

int longueurBornee(const char* v, int max) {
    int n = 0;
    while (n < max && v[n] != '\0') ++n;
    return n;
}

std::uint64_t cle(const char* date, bool blancsEnZeros) {
    unsigned char c[8] = {};
    for (int i = 0; i < 8 && date[i] != '\0'; ++i) {
        c[i] = static_cast<unsigned char>(blancsEnZeros && date[i] == ' ' ? '0' : date[i]);
    }
    static constexpr int ORDRE_AAAAMMJJ[8] = {4, 5, 6, 7, 2, 3, 0, 1};
    std::uint64_t k = 0;
    for (const int i : ORDRE_AAAAMMJJ) k = k << 8 | c[i];
    return k;
}

int fVTABP(const char* dependance, const char* param) { return cle(dependance, true) >= cle(param, false); }

bool sontBlancs(const char* v, int debut, int n) {
    if (longueurBornee(v, debut + n) < debut + n) return false;
    for (int i = debut; i < debut + n; ++i) {
        if (v[i] != ' ') return false;
    }
    return true;
}

using essai::ancien::dateCouI;

int fDATEP6(char* champ) {
    if (fVTABP(champ, P6[0])) {
        if (sontBlancs(champ, 2, 2)) return 0;
        if (sontBlancs(champ, 0, 2)) return 0;
    }
    return dateCouI(champ, INCOMPLETE);
}

int fDATEP6P7(char* champ) {
    const bool apresP6 = fVTABP(champ, P6[0]);
    const bool apresP7 = fVTABP(champ, P7[0]);
    if (apresP6 && apresP7) return dateCouI(champ, COMPLETE);
    if (apresP6 && sontBlancs(champ, 2, 2)) return 0;
    if (apresP7 && sontBlancs(champ, 0, 2)) return 0;
    return dateCouI(champ, INCOMPLETE);
}

int nais_C2(const char* dependance, char* champ, const void* sverif, int lenSverif) {
    return fConform10(dependance, champ, sverif, lenSverif) && fVerifDiffZero(champ, 7, 10);
}

bool codeParmi(const char* valeur, const char* codes) {
    if (valeur[0] == '\0') return false;
    for (const char* c = codes; *c != '\0'; ++c) {
        if (*c == valeur[0]) return true;
    }
    return false;
}

int mvt_fC5(const char* actionE5, const char* cause) {
    if (!codeParmi(cause, "FGST")) return 1;
    return std::strcmp(actionE5, "CRE") == 0;
}

}  // namespace ref

// ---------------------------------------------------------------------------
// Generated values.

class Generateur : public essai::Tirage {
public:
    explicit Generateur(unsigned graine) : Tirage(graine, alphabet()) {}

    // A DDMMYYYY date around the cut-offs (1999, 2007, 2011), valid or not,
    // with a blank or "00" day or month, a changed byte, a cut or a tail.
    std::string date() {
        static const int annees[] = {1898, 1899, 1900, 1998, 1999, 2000, 2006, 2007, 2008, 2010, 2011, 2012, 9999, 0};
        const int jour = static_cast<int>(entier(5) == 0 ? entier(3) : entier(40));
        const int mois = static_cast<int>(entier(3) == 0 ? entier(2) + 6 : entier(14));
        const int annee = entier(4) != 0 ? annees[entier(sizeof annees / sizeof annees[0])] : static_cast<int>(entier(10000));
        char d[16];
        std::snprintf(d, sizeof d, "%02d%02d%04d", jour, mois, annee % 10000);
        std::string v(d, 8);
        switch (entier(12)) {
            case 0: v.replace(0, 2, "  "); break;
            case 1: v.replace(0, 4, "    "); break;
            case 2: v.replace(2, 2, "  "); break;
            case 3: v.replace(0, 2, "00"); break;
            case 4: v.replace(2, 2, "00"); break;
            case 5: v[entier(8)] = auHasard(); break;
            case 6: v.resize(entier(8)); break;
            case 7: v += quelconque(2); break;
            case 8: v = std::string(entier(9), ' '); break;
            default: break;
        }
        return v;
    }

private:
    static std::string alphabet() {
        std::string a = " 0123456789 0123456789 00AZaz*/\x7f";
        a += static_cast<char>(0x80);
        a += static_cast<char>(0xE9);
        a += static_cast<char>(0xFF);
        return a;
    }
};

// This file's values sit in C6 and F3, over '1' bytes.
class EmplacementMvt : public essai::Emplacement {
public:
    EmplacementMvt(Place place, const std::string& v) : Emplacement(place, v, '1', C6, F3) {}
};

// Dates to try: generated ones, any bytes, and every cut of the cut-off
// dates and of their neighbours.
std::vector<std::string> datesEssayees(unsigned graine, int nombre) {
    Generateur g(graine);
    std::vector<std::string> dates;
    for (const char* s : {P5[0], P6[0], P7[0], P8[0], P17[0], P18[0], "30061999", "02071999", "31121998", "  071999",
                          "    1999", "00071999", "01001999", "  001999", "", " ", "  ", "   ", "    "}) {
        const std::string d(s);
        for (std::size_t n = 0; n <= d.size(); ++n) dates.push_back(d.substr(0, n));
    }
    for (int i = 0; i < nombre; ++i) dates.push_back(i % 4 == 0 ? g.quelconque(10) : g.date());
    return dates;
}

// A one-value date check and its reference: same answer, same bytes left in
// the value (both may rewrite it in place), in every place.
template <typename Rapide, typename Reference>
void comparer(const std::vector<std::string>& dates, Rapide rapide, Reference reference) {
    for (const std::string& d : dates) {
        std::string attendu = d;
        const int resultat = reference(attendu.data()) != 0;
        for (const Place place : kPlaces) {
            EmplacementMvt e(place, d);
            ASSERT_EQ(rapide(e.get()) != 0, resultat) << montrer(d) << " place " << static_cast<int>(place);
            ASSERT_EQ(std::string(e.get()), std::string(attendu.c_str())) << montrer(d);
        }
    }
}

TEST(MouvementsRapides, DatesIncompletesAvantEtApresLesSeuils) {
    const std::vector<std::string> dates = datesEssayees(11, 30000);
    comparer(dates, [](char* c) { return fDATEP6(nullptr, c, nullptr, 0); }, ref::fDATEP6);
    comparer(dates, [](char* c) { return fDATEP6P7(nullptr, c, nullptr, 0); }, ref::fDATEP6P7);
    comparer(dates, [](char* c) { return fDATEI(nullptr, c, nullptr, 0); },
             [](char* c) { return ref::dateCouI(c, INCOMPLETE); });
    comparer(dates, [](char* c) { return fDATEC(nullptr, c, nullptr, 0); },
             [](char* c) { return ref::dateCouI(c, COMPLETE); });
}

// The cut-off keys kept ready give the order the dates' bytes give, for the
// cut-off tables and for any other date handed as the cut-off.
TEST(MouvementsRapides, SeuilsConnusEtAutresSeuils) {
    const std::vector<std::string> dates = datesEssayees(12, 6000);
    std::vector<std::string> autresSeuils = {"", "0107", "01071999", "31129999", "  071999"};
    Generateur g(13);
    for (int i = 0; i < 30; ++i) autresSeuils.push_back(g.date());
    for (const std::string& d : dates) {
        for (const Place place : kPlaces) {
            EmplacementMvt e(place, d);
            for (const tValAutorise* p : {P5, P6, P7, P8, P17, P18}) {
                ASSERT_EQ(fVTABP(e.get(), p[0]), ref::fVTABP(d.c_str(), p[0])) << montrer(d) << ' ' << p[0];
            }
            for (const std::string& s : autresSeuils) {
                const essai::Valeur seuil(s);
                ASSERT_EQ(fVTABP(e.get(), seuil.get()), ref::fVTABP(d.c_str(), s.c_str())) << montrer(d) << ' ' << s;
            }
        }
    }
}

// The calf's number: a department of the table, ten digits whose last four
// are not all zeros, two blanks; held equal to the full test of the last four
// over numbers around every edge (zeros, cuts, tails, other bytes).
TEST(MouvementsRapides, NumeroDuVeauSansQuatreZerosEnFin) {
    Generateur g(14);
    const char* departements[] = {"01", "2A", "2B", "97", "99", "00", "75", "AB", "  "};
    const char* fins[] = {"0000", "0001", "1000", "0010", "9999", "000", "00", "0", "", "000 ", "00\x7f" "0"};
    std::vector<std::string> numeros;
    for (const char* d : departements) {
        for (const char* f : fins) {
            for (const char* milieu : {"1234", "3000", "0000", "4123"}) {
                const std::string base = std::string(d) + milieu + f;
                for (const char* queue : {"  ", " ", "", "   ", "A "}) numeros.push_back(base + queue);
            }
        }
    }
    for (int i = 0; i < 20000; ++i) {
        std::string v = std::string(departements[g.entier(9)]) + std::to_string(1000 + g.entier(9000)) +
                        (g.entier(2) == 0 ? std::string("0000") : std::to_string(g.entier(10000)));
        if (g.entier(3) == 0) v[g.entier(static_cast<unsigned>(v.size()))] = g.quelconque(1).append("0")[0];
        v += g.entier(4) == 0 ? g.quelconque(3) : std::string("  ");
        numeros.push_back(v);
    }
    for (const std::string& v : numeros) {
        const int attendu = ref::nais_C2(nullptr, essai::Valeur(v).get(), TD, LenTD) != 0;
        for (const Place place : kPlaces) {
            EmplacementMvt e(place, v);
            ASSERT_EQ(nais_C2(nullptr, e.get(), TD, LenTD) != 0, attendu) << montrer(v);
            ASSERT_EQ(nvmn_C2(nullptr, e.get(), TD, LenTD) != 0, attendu) << montrer(v);
            ASSERT_EQ(std::string(e.get()), v);
        }
    }
}

// The causes admitted for a creation only, over every first byte of the
// cause and the actions around "CRE".
TEST(MouvementsRapides, CausesDeCreationSeulement) {
    std::vector<std::string> causes = {"", "FG", "S ", "T\x7f"};
    for (int b = 1; b < 256; ++b) causes.emplace_back(1, static_cast<char>(b));
    for (const std::string& cause : causes) {
        for (const std::string action : {"CRE", "MOD", "CR", "CREE", "", "cre", "DEM"}) {
            const int attendu = ref::mvt_fC5(action.c_str(), cause.c_str()) != 0;
            for (const Place place : kPlaces) {
                EmplacementMvt e(place, cause);
                const essai::Valeur a(action);
                ASSERT_EQ(entr_fC5(a.get(), e.get(), nullptr, 0) != 0, attendu) << montrer(cause) << ' ' << action;
                ASSERT_EQ(sort_fC5(a.get(), e.get(), nullptr, 0) != 0, attendu) << montrer(cause) << ' ' << action;
            }
        }
    }
}

}  // namespace
