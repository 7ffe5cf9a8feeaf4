// The dated and cut-off checks that read a date, a blank value or a value's
// length a word at a time, held equal to the byte-by-byte versions they
// replaced (kept here as references). Every value is handed to both in each
// place a check may find it (a slot with stale bytes after its NUL, the very
// end of the body slots, a buffer of exactly its size), its dependance in a
// slot or in a buffer of its own; a check that rewrites its value must leave
// the same bytes as the reference.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>

#include "equivalences.h"
#include "outils.h"
#include "checks/comparaisons.h"
#include "checks/dates.h"
#include "checks/generiques.h"
#include "checks/nombres.h"
#include "model/modele.h"
#include "reference/valautorise.h"

namespace {

using essai::Emplacement;
using essai::kPlaces;
using essai::montrer;
using essai::Place;

// ---------------------------------------------------------------------------
// References: the previous straightforward code.
namespace ref {

// The YYYYMMDD rewrite of a date's first 8 characters (blanks as '0' when
// asked, NUL past the end of a shorter value), compared by unsigned code.
int ordre(const char* a, bool blancsA, const char* b, bool blancsB) {
    auto reecrire = [](const char* d, bool blancs, unsigned char* r) {
        unsigned char c[8] = {};
        for (int i = 0; i < 8 && d[i] != '\0'; ++i) c[i] = static_cast<unsigned char>(blancs && d[i] == ' ' ? '0' : d[i]);
        const int ordreDesOctets[8] = {4, 5, 6, 7, 2, 3, 0, 1};
        for (int i = 0; i < 8; ++i) r[i] = c[ordreDesOctets[i]];
    };
    unsigned char ra[8];
    unsigned char rb[8];
    reecrire(a, blancsA, ra);
    reecrire(b, blancsB, rb);
    return std::memcmp(ra, rb, 8);
}

int fVTABP(const char* dependance, const char* param) { return ordre(dependance, true, param, false) >= 0; }

bool moisBlanc(const char* v) { return v[0] != '\0' && v[1] != '\0' && v[2] == ' ' && v[3] == ' '; }
bool jourBlanc(const char* v) { return v[0] == ' ' && v[1] == ' '; }
bool estDateBlanche(const char* v) { return std::strcmp(v, "        ") == 0; }

int fDATEP6(char* champ) {
    if (ordre(champ, true, P6[0], false) >= 0 && (moisBlanc(champ) || jourBlanc(champ))) return 0;
    return essai::ancien::dateCouI(champ, INCOMPLETE);
}

int fDATEP6P7(char* champ) {
    const bool apresP6 = ordre(champ, true, P6[0], false) >= 0;
    const bool apresP7 = ordre(champ, true, P7[0], false) >= 0;
    if (apresP6 && apresP7) return essai::ancien::dateCouI(champ, COMPLETE);
    if (apresP6 && moisBlanc(champ)) return 0;
    if (apresP7 && jourBlanc(champ)) return 0;
    return essai::ancien::dateCouI(champ, INCOMPLETE);
}

// SUP: champ on or after dependance; INF: on or before.
int ordreDesDates(const char* dependance, const char* champ, esupInf sens) {
    const int o = ordre(dependance, false, champ, true);
    return sens == SUP ? o <= 0 : o >= 0;
}

bool tropLong(const char* v) { return std::strlen(v) > 98; }

bool vide(const char* v) {
    for (; *v != '\0'; ++v) {
        if (*v != ' ') return false;
    }
    return true;
}

int fVTABP5a8(const char* dependance, const char* champ, const void* sverif, int lenSverif, const char* p) {
    if (tropLong(champ)) return 0;
    if (vide(champ) && !fVTABP(dependance, p)) return 1;
    return estDansTableParcours(champ, sverif, lenSverif);
}

int fVDIFFNULLP(const char* dependance, const char* champ, const char* p) {
    if (tropLong(champ)) return 0;
    return !vide(champ) || !fVTABP(dependance, p);
}

int fVDIFFNULLVTAB(const char* champ, const void* sverif, int lenSverif) {
    if (std::strncmp(champ, "  ", 2) == 0 || std::strncmp(champ, "**", 2) == 0) return 1;
    return estDansTableParcours(champ, sverif, lenSverif);
}

// The number at the start of v as atoi reads it, saturated to 32 bits.
std::int32_t lireEntier(const char* v) {
    while (*v == ' ' || (*v >= '\t' && *v <= '\r')) ++v;
    const bool negatif = *v == '-';
    if (*v == '+' || *v == '-') ++v;
    long long valeur = 0;
    for (; *v >= '0' && *v <= '9'; ++v) {
        if (valeur <= 4000000000LL) valeur = valeur * 10 + (*v - '0');
    }
    if (negatif) valeur = -valeur;
    return static_cast<std::int32_t>(valeur < INT32_MIN ? INT32_MIN : valeur > INT32_MAX ? INT32_MAX : valeur);
}

// Empty (no characters or only blanks) and no longer than 30 characters.
bool videSimult(const char* v) { return vide(v) && std::strlen(v) <= std::strlen(trenteBlancs[0]); }

}  // namespace ref

// ---------------------------------------------------------------------------

// The check and the reference on a value in every place, with stale blanks,
// zeros, NULs or letters after it, the dependance in a trailer slot (stale
// nines after it) or in a buffer of its own: same answer, same bytes left in
// the value.
void comparer(const std::string& dependance, const std::string& v,
              const std::function<int(const char*, char*)>& rapide,
              const std::function<int(const char*, char*)>& reference) {
    essai::comparerSurDeuxValeurs(dependance, v, rapide, reference, {'S', ' ', '0', '\0'}, '9');
}

class Generateur : public essai::Tirage {
public:
    explicit Generateur(unsigned graine) : Tirage(graine, alphabet()) {}

    // A DDMMYYYY date, valid or not, most around the cut-offs (1998-2000,
    // 2007, 2011): day and month 00 to 39, "00" or blanked parts, a changed
    // byte, a cut, bytes added.
    std::string date() {
        static const int annees[] = {1998, 1999, 2000, 2007, 2011, 1899, 1900, 2024, 9999, 0};
        char d[16];
        const int jour = static_cast<int>(entier(4) == 0 ? entier(2) : entier(40));
        const int mois = static_cast<int>(entier(4) == 0 ? entier(2) * 6 + 1 : entier(20));
        const int annee = entier(3) != 0 ? annees[entier(sizeof annees / sizeof annees[0])] : static_cast<int>(entier(10000));
        std::snprintf(d, sizeof d, "%02d%02d%04d", jour, mois, annee);
        std::string v(d, 8);
        switch (entier(12)) {
            case 0: v.replace(0, 2, "  "); break;
            case 1: v.replace(0, 4, "    "); break;
            case 2: v.replace(2, 2, "  "); break;
            case 3: v[entier(8)] = auHasard(); break;
            case 4: v.resize(entier(8)); break;
            case 5: v += quelconque(3); break;
            case 6: v = "        "; break;
            case 7: v.replace(0, 2, "00"); break;
            case 8: v.replace(2, 2, "00"); break;
            default: break;
        }
        return v;
    }

    // A field value: empty, blanks (some past the 98 and 30 character
    // bounds), a code of the tables, blanks with a byte added, any bytes.
    std::string valeur() {
        static const char* const codes[] = {"FR", "BE", "DE", "  ", "**", "*", " *", "* ", "F", "FRA", "01", "ZZ"};
        static const int longueurs[] = {0, 1, 2, 7, 8, 9, 12, 29, 30, 31, 32, 33, 97, 98, 99, 100, 103, 104, 105, 200};
        switch (entier(6)) {
            case 0: return std::string(static_cast<std::size_t>(longueurs[entier(sizeof longueurs / sizeof longueurs[0])]), ' ');
            case 1: return codes[entier(sizeof codes / sizeof codes[0])];
            case 2: {
                std::string v(static_cast<std::size_t>(longueurs[entier(sizeof longueurs / sizeof longueurs[0])]), ' ');
                if (!v.empty()) v[entier(static_cast<unsigned>(v.size()))] = auHasard();
                return v;
            }
            case 3: {
                std::string v(static_cast<std::size_t>(longueurs[entier(sizeof longueurs / sizeof longueurs[0])]), 'A');
                return v + quelconque(2);
            }
            default: return quelconque(14);
        }
    }

private:
    static std::string alphabet() {
        std::string a = "  0123456789 0123456789ABFRZ*-\x7f";
        a += static_cast<char>(0x80);
        a += static_cast<char>(0xE9);
        a += static_cast<char>(0xFF);
        return a;
    }
};

constexpr const char* kDatesFixes[] = {"01071999", "30061999", "01011999", "31121998", "01052007", "01012011",
                                       "  071999", "    1999", "00071999", "01001999", "0107199",  "",
                                       "        ", "01 71999", "0107 999", "31129999", "29021900", "29022000"};

// The cut-off test, generic and with the key kept ready, and the dated checks
// that take a date of 8 digits by its word.
TEST(DatesRapides3, SeuilsEtDatesIncompletesCommeOctetParOctet) {
    Generateur g(31);
    struct Cas {
        const char* nom;
        std::function<int(const char*, char*)> rapide;
        std::function<int(const char*, char*)> reference;
    };
    const Cas cas[] = {
        {"fVTABP P5", [](const char* d, char*) { return fVTABP(d, P5[0]); }, [](const char* d, char*) { return ref::fVTABP(d, P5[0]); }},
        {"fVTABP P8", [](const char* d, char*) { return fVTABP(d, P8[0]); }, [](const char* d, char*) { return ref::fVTABP(d, P8[0]); }},
        {"fVTABP P17", [](const char* d, char*) { return fVTABP(d, P17[0]); }, [](const char* d, char*) { return ref::fVTABP(d, P17[0]); }},
        {"fVTABP P18", [](const char* d, char*) { return fVTABP(d, P18[0]); }, [](const char* d, char*) { return ref::fVTABP(d, P18[0]); }},
        {"apresP5", [](const char* d, char*) { return apresP5(d); }, [](const char* d, char*) { return ref::fVTABP(d, P5[0]); }},
        {"apresP6", [](const char* d, char*) { return apresP6(d); }, [](const char* d, char*) { return ref::fVTABP(d, P6[0]); }},
        {"apresP8", [](const char* d, char*) { return apresP8(d); }, [](const char* d, char*) { return ref::fVTABP(d, P8[0]); }},
        {"fDATEP6", [](const char* d, char* c) { return fDATEP6(d, c, nullptr, 0); }, [](const char*, char* c) { return ref::fDATEP6(c); }},
        {"fDATEP6P7", [](const char* d, char* c) { return fDATEP6P7(d, c, nullptr, 0); }, [](const char*, char* c) { return ref::fDATEP6P7(c); }},
        {"fDatRecCohe", [](const char* d, char* c) { return fDatRecCohe(d, c, nullptr, 0); },
         [](const char* d, char* c) { return ref::estDateBlanche(c) || ref::ordreDesDates(d, c, INF); }},
        {"fDatRecPost", [](const char* d, char* c) { return fDatRecPost(d, c, nullptr, 0); },
         [](const char* d, char* c) { return ref::estDateBlanche(c) || ref::ordreDesDates(d, c, SUP); }},
        {"fDatRecCorr_O_P18", [](const char* d, char* c) { return fDatRecCorr_O_P18(d, c, nullptr, 0); },
         [](const char* d, char* c) {
             if (ref::estDateBlanche(c)) return static_cast<int>(!ref::fVTABP(d, P18[0]));
             return essai::ancien::dateCouI(c, COMPLETE);
         }},
        {"fDATEC", [](const char* d, char* c) { return fDATEC(d, c, nullptr, 0); },
         [](const char*, char* c) { return essai::ancien::dateCouI(c, COMPLETE); }},
        {"fDATEI", [](const char* d, char* c) { return fDATEI(d, c, nullptr, 0); },
         [](const char*, char* c) { return essai::ancien::dateCouI(c, INCOMPLETE); }},
        {"fCoherenDCSupInf", [](const char* d, char* c) { return fCoherenDCSupInf(d, c, INF); },
         [](const char* d, char* c) { return ref::ordreDesDates(d, c, INF); }},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        for (const char* a : kDatesFixes) {
            for (const char* b : kDatesFixes) comparer(a, b, c.rapide, c.reference);
        }
        for (int i = 0; i < 3000; ++i) {
            const std::string d = i % 7 == 0 ? g.quelconque(10) : g.date();
            comparer(g.date(), d, c.rapide, c.reference);
        }
    }
    // Every day and month 00 to 13 of years on both sides of the cut-offs,
    // with the explicit "00" parts rewritten in place.
    for (const char* annee : {"1998", "1999", "2000", "2007", "1900", "2100"}) {
        for (int mois = 0; mois <= 13; ++mois) {
            for (int jour = 0; jour <= 32; ++jour) {
                char d[9];
                std::snprintf(d, sizeof d, "%02d%02d%s", jour, mois, annee);
                comparer("", d, cas[7].rapide, cas[7].reference);
                comparer("", d, cas[8].rapide, cas[8].reference);
            }
        }
    }
}

// The cut-off checks on a value's length and blanks, and the lookups that
// skip unknown and withheld values.
TEST(DatesRapides3, ControlesASeuilEtListesCommeAvant) {
    Generateur g(32);
    struct Cas {
        const char* nom;
        std::function<int(const char*, char*)> rapide;
        std::function<int(const char*, char*)> reference;
    };
    const Cas cas[] = {
        {"fVTABP5", [](const char* d, char* c) { return fVTABP5(d, c, TP, LenTP); },
         [](const char* d, char* c) { return ref::fVTABP5a8(d, c, TP, LenTP, P5[0]); }},
        {"fVTABP6", [](const char* d, char* c) { return fVTABP6(d, c, TR, LenTR); },
         [](const char* d, char* c) { return ref::fVTABP5a8(d, c, TR, LenTR, P6[0]); }},
        {"fVTABP8", [](const char* d, char* c) { return fVTABP8(d, c, TR, LenTR); },
         [](const char* d, char* c) { return ref::fVTABP5a8(d, c, TR, LenTR, P8[0]); }},
        {"fVTABP8 TP", [](const char* d, char* c) { return fVTABP8(d, c, TP, LenTP); },
         [](const char* d, char* c) { return ref::fVTABP5a8(d, c, TP, LenTP, P8[0]); }},
        {"fVTABP5a8 P18", [](const char* d, char* c) { return fVTABP5a8(d, c, TP, LenTP, P18[0]); },
         [](const char* d, char* c) { return ref::fVTABP5a8(d, c, TP, LenTP, P18[0]); }},
        {"fVDIFFNULLP5", [](const char* d, char* c) { return fVDIFFNULLP5(d, c, nullptr, 0); },
         [](const char* d, char* c) { return ref::fVDIFFNULLP(d, c, P5[0]); }},
        {"fVDIFFNULLP6", [](const char* d, char* c) { return fVDIFFNULLP6(d, c, nullptr, 0); },
         [](const char* d, char* c) { return ref::fVDIFFNULLP(d, c, P6[0]); }},
        {"fVDIFFNULLP P17", [](const char* d, char* c) { return fVDIFFNULLP(d, c, nullptr, 0, P17[0]); },
         [](const char* d, char* c) { return ref::fVDIFFNULLP(d, c, P17[0]); }},
        {"fVDIFFNULLVTAB TP", [](const char* d, char* c) { return fVDIFFNULLVTAB(d, c, TP, LenTP); },
         [](const char*, char* c) { return ref::fVDIFFNULLVTAB(c, TP, LenTP); }},
        {"fVDIFFNULLVTAB TR", [](const char* d, char* c) { return fVDIFFNULLVTAB(d, c, TR, LenTR); },
         [](const char*, char* c) { return ref::fVDIFFNULLVTAB(c, TR, LenTR); }},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        for (int i = 0; i < 2500; ++i) {
            // Both sides of every cut-off, and any date.
            const std::string d = i % 3 == 0 ? kDatesFixes[g.entier(sizeof kDatesFixes / sizeof kDatesFixes[0])] : g.date();
            comparer(d, g.valeur(), c.rapide, c.reference);
        }
        // Blanks of every length around the bounds, with and without a
        // non-blank at each end, before and after the cut-off.
        for (int n = 0; n <= 110; ++n) {
            for (const char* d : {"31121990", "01012020"}) {
                const std::string blancs(static_cast<std::size_t>(n), ' ');
                comparer(d, blancs, c.rapide, c.reference);
                comparer(d, blancs + "A", c.rapide, c.reference);
                comparer(d, "A" + blancs, c.rapide, c.reference);
            }
        }
    }
}

// Both or neither of two values empty, around the 30 blanks and the 32 bytes
// read at once.
TEST(DatesRapides3, SimultaneiteCommeAvant) {
    Generateur g(33);
    auto rapide = [](const char* a, char* b) { return fSimult(a, b, nullptr, 0); };
    auto reference = [](const char* a, char* b) { return ref::videSimult(a) == ref::videSimult(b); };
    for (int n = 0; n <= 40; ++n) {
        const std::string blancs(static_cast<std::size_t>(n), ' ');
        for (const std::string& autre : {std::string(), std::string("FR"), std::string(12, ' '), std::string(31, ' ')}) {
            comparer(blancs, autre, rapide, reference);
            comparer(autre, blancs, rapide, reference);
            comparer(blancs + "\x7f", autre, rapide, reference);
            comparer(autre, blancs + "1", rapide, reference);
        }
    }
    for (int i = 0; i < 8000; ++i) comparer(g.valeur(), g.valeur(), rapide, reference);
}

// Numbers read a word at a time from the slots: runs of 0 to 20 digits
// followed by any byte (stale digits after the NUL included), every byte
// value right after the digits, signs and blanks in front.
TEST(DatesRapides3, LectureDesNombresDansLesSlotsCommeAvant) {
    Generateur g(34);
    auto rapide = [](const char*, char* v) { return static_cast<int>(lireEntier(v)); };
    auto comparerNombre = [&](const std::string& v) {
        const std::int32_t attendu = ref::lireEntier(v.c_str());
        for (const Place place : kPlaces) {
            for (const char remplissage : {'S', '0', '9', ' '}) {
                Emplacement e(place, v, remplissage);
                ASSERT_EQ(rapide("", e.get()), attendu) << montrer(v) << " place " << static_cast<int>(place)
                                                       << " remplissage " << remplissage;
            }
        }
    };
    for (int n = 0; n <= 20; ++n) {
        for (int octet = 1; octet < 256; ++octet) {
            std::string v;
            for (int i = 0; i < n; ++i) v += static_cast<char>('0' + (i * 7 + octet) % 10);
            v += static_cast<char>(octet);
            comparerNombre(v);
            comparerNombre(v.substr(0, static_cast<std::size_t>(n)));
        }
    }
    const std::string debuts[] = {"", " ", "+", "-", "\t", "0", "00000000", "99999999"};
    for (int i = 0; i < 20000; ++i) {
        std::string v = debuts[g.entier(sizeof debuts / sizeof debuts[0])];
        const unsigned chiffres = g.entier(20);
        for (unsigned k = 0; k < chiffres; ++k) v += static_cast<char>('0' + g.entier(10));
        comparerNombre(v + g.quelconque(3));
    }
}

}  // namespace
