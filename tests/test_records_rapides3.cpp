// The IMPO and ERRE checks that read their values as words, look their lists
// up directly or skip a table walk, held equal to their plain versions (the
// previous straightforward code, kept here) over generated values: numbers,
// dates and codes as they come, then bent (short, empty, blanks, letters,
// 0x7F, bytes above 127, a NUL inside), held in body slots with stale bytes
// after their NUL, at the very end of the slot arrays, in trailer slots and in
// exact-size heap buffers.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "checks/coherence.h"
#include "checks/comparaisons.h"
#include "checks/dates.h"
#include "checks/generiques.h"
#include "checks/identifiants.h"
#include "checks/octets.h"
#include "engine/verif.h"
#include "equivalences.h"
#include "model/modele.h"
#include "records/erre.h"
#include "records/impo.h"
#include "reference/valautorise.h"

namespace {

using essai::Emplacement;
using essai::kPlaces;
using essai::montrer;
using essai::Place;
using essai::Tirage;

// ---------------------------------------------------------------------------
// The plain versions.
namespace simple {

int impo_C2(const char* dependance, char* champ, const void* sverif, int lenSverif) {
    return fConform10(dependance, champ, sverif, lenSverif) && fVerifDiffZero(champ, 7, 10);
}

bool egaleUneEntree(char* champ, const void* sverif, int lenSverif) {
    return fVerifDiffNull(depVide, champ, sverif, lenSverif) == 0;
}

int impo_C6_1(const char* dependance, char* champ, const void* sverif, int lenSverif) {
    if (egaleUneEntree(champ, sverif, lenSverif)) return 1;
    return fDATEI(dependance, champ, nullptr, 0);
}

int impo_C6_2(const char* dependance, char* champ, const void* sverif, int lenSverif) {
    if (egaleUneEntree(champ, sverif, lenSverif)) return 1;
    return fCoherenDC(dependance, champ, nullptr, 0);
}

int impo_C20(const char*, char* champ, const void* sverif, int lenSverif) {
    if (estDansTable(champ, FR, LenFR)) return 0;
    return estDansTable(champ, sverif, lenSverif);
}

// The date DDMMYYYY one year later, packed as lireMot8 packs it; a date
// without 8 characters or a 4-digit year unchanged, 9999 held at its last day.
std::uint64_t unAnPlusTard(const char* date) {
    std::uint64_t mot;
    if (lireMot8(date, mot) != 8) return mot;
    int annee = 0;
    for (int i = 4; i < 8; ++i) {
        const unsigned chiffre = static_cast<unsigned>((mot >> (8 * i)) & 0xFF) - '0';
        if (chiffre > 9) return mot;
        annee = annee * 10 + static_cast<int>(chiffre);
    }
    if (annee == 9999) {
        std::uint64_t fin = 0;
        for (int i = 0; i < 8; ++i) fin |= std::uint64_t{static_cast<unsigned char>("31129999"[i])} << (8 * i);
        return fin;
    }
    ++annee;
    std::uint64_t an = 0;
    for (int i = 7; i >= 4; --i, annee /= 10) an |= std::uint64_t{static_cast<unsigned>('0' + annee % 10)} << (8 * i);
    return (mot & 0xFFFFFFFFull) | an;
}

int fCoherenDC_tr2(const char* dependance, char* champ) {
    return cleDuMot(unAnPlusTard(dependance), false) >= cleAAAAMMJJ(champ, true);
}

int vErre_C37_2(const char* dependance, char* champ) {
    if (champVide(champ)) return 1;
    if (std::strcmp(champ, dependance) == 0) return 1;
    for (int i = 0; i < LenTEDC; ++i) {
        if (std::strcmp(dependance, TEDC[2 * i]) == 0 && std::strcmp(champ, TEDC[2 * i + 1]) == 0) return 1;
    }
    return 0;
}

}  // namespace simple

// v with one byte changed, cut, or extended: the ways a value goes wrong.
std::string plier(Tirage& t, std::string v) {
    static const char kBizarres[] = {' ', '0', '9', 'A', 'z', '*', '\x7F', '\x80', '\xFF', '\x01'};
    switch (t.entier(8)) {
        case 0: return v;
        case 1: return v.substr(0, t.entier(static_cast<unsigned>(v.size()) + 1));
        case 2: return v + std::string(1 + t.entier(3), kBizarres[t.entier(sizeof kBizarres)]);
        case 3:
            if (!v.empty()) v[t.entier(static_cast<unsigned>(v.size()))] = kBizarres[t.entier(sizeof kBizarres)];
            return v;
        case 4:
            if (!v.empty()) v[t.entier(static_cast<unsigned>(v.size()))] = ' ';
            return v;
        case 5: return "";
        case 6: return std::string(v.size(), t.entier(2) == 0 ? ' ' : '*');
        default:
            if (!v.empty()) v[t.entier(static_cast<unsigned>(v.size()))] = static_cast<char>(t.entier(256));
            return v;
    }
}

// A national number: a department (any 2 digits, "97" and overseas third
// characters often), digits, characters 7 to 10 often "0000", 2 blanks.
std::string numeroNational(Tirage& t) {
    std::string v;
    const unsigned d = t.entier(4) == 0 ? 97 : t.entier(100);
    v += static_cast<char>('0' + d / 10);
    v += static_cast<char>('0' + d % 10);
    for (int i = 2; i < 10; ++i) v += static_cast<char>('0' + t.entier(10));
    if (t.entier(3) == 0) v.replace(6, 4, "0000");
    if (t.entier(4) == 0) v[2] = "12345678"[t.entier(8)];
    v += "  ";
    return plier(t, v);
}

TEST(RecordsRapides3, NumeroImpoCommeLaVerificationGenerale) {
    Tirage t(31, "0123456789 A");
    struct Table {
        const void* sverif;
        int len;
    };
    const Table tables[] = {{TD, LenTD}, {TD, LenTD - 1}, {TP, LenTP}, {nullptr, 0}};
    int acceptes = 0;
    for (int n = 0; n < 40000; ++n) {
        const std::string v = numeroNational(t);
        const Table& table = tables[n % 8 == 7 ? 1 + t.entier(3) : 0];
        for (const Place place : kPlaces) {
            Emplacement e(place, v, t.entier(2) == 0 ? ' ' : '0');
            const int attendu = simple::impo_C2(depVide, e.get(), table.sverif, table.len);
            ASSERT_EQ(impo_C2(depVide, e.get(), table.sverif, table.len) != 0, attendu != 0)
                << montrer(v) << " place " << static_cast<int>(place) << " table " << (table.sverif == TD);
            acceptes += attendu != 0;
        }
    }
    // The draws reach both answers, and every department.
    EXPECT_GT(acceptes, 10000);
    EXPECT_LT(acceptes, 150000);
    for (int d = 0; d < 100; ++d) {
        for (const char* reste : {"10000000  ", "20000100  ", "50000000  ", "60000000  ", "00000001  "}) {
            const std::string v = std::string{static_cast<char>('0' + d / 10), static_cast<char>('0' + d % 10)} + reste;
            for (const Place place : kPlaces) {
                Emplacement e(place, v);
                ASSERT_EQ(impo_C2(depVide, e.get(), TD, LenTD) != 0, simple::impo_C2(depVide, e.get(), TD, LenTD) != 0)
                    << montrer(v);
            }
        }
    }
}

// A birth date: a date, possibly without its day or month, 8 blanks or 8
// stars, then bent.
std::string dateDeNaissance(Tirage& t) {
    switch (t.entier(6)) {
        case 0: return plier(t, "        ");
        case 1: return plier(t, "********");
        default: break;
    }
    std::string v;
    for (int i = 0; i < 8; ++i) v += static_cast<char>('0' + t.entier(10));
    v[4] = t.entier(3) == 0 ? '1' : '2';
    v[5] = v[4] == '1' ? '9' : '0';
    if (t.entier(4) == 0) v.replace(0, 2, t.entier(2) == 0 ? "  " : "00");
    if (t.entier(5) == 0) v.replace(0, 4, "    ");
    return plier(t, v);
}

TEST(RecordsRapides3, DateDeNaissanceImpoCommeAvecLaTable) {
    Tirage t(37, "0123456789 *");
    std::strcpy(valFinVSE[F1].valeur, "20062024");
    struct Table {
        const void* sverif;
        int len;
    };
    const Table tables[] = {{HuitBlancsFal, LenHuitBlancsFal}, {HuitBlancsFal, 1}, {DouzeBlancs, LenDouzeBlancs}};
    for (int n = 0; n < 20000; ++n) {
        const std::string v = dateDeNaissance(t);
        const Table& table = tables[n % 5 == 4 ? 1 + t.entier(2) : 0];
        for (const Place place : kPlaces) {
            for (int regle = 0; regle < 2; ++regle) {
                // The first rule may rewrite the value: each version gets its own copy.
                Emplacement a(place, v, 'S', C6, F2);
                const int attendu = regle == 0 ? simple::impo_C6_1(depVide, a.get(), table.sverif, table.len)
                                               : simple::impo_C6_2(valFinVSE[F1].valeur, a.get(), table.sverif, table.len);
                const std::string apresSimple = a.get();
                Emplacement b(place, v, 'S', C6, F2);
                const int obtenu = regle == 0 ? impo_C6_1(depVide, b.get(), table.sverif, table.len)
                                              : impo_C6_2(valFinVSE[F1].valeur, b.get(), table.sverif, table.len);
                ASSERT_EQ(obtenu != 0, attendu != 0) << montrer(v) << " rule " << regle;
                ASSERT_EQ(std::string(b.get()), apresSimple) << montrer(v) << " rule " << regle;
            }
        }
    }
}

TEST(RecordsRapides3, PaysDOrigineImpoCommeLesTables) {
    Tirage t(41, "ABCDEFGHIKLMNOPRSTUZ *");
    struct Table {
        const void* sverif;
        int len;
    };
    const Table tables[] = {{TP, LenTP}, {TP, LenTP - 3}, {FR, LenFR}, {TD, LenTD}};
    std::vector<std::string> valeurs;
    for (int i = 0; i < LenTP; ++i) valeurs.push_back(TP[i]);
    for (const char* partenaire : {"NORMABEV", "NORM01  ", "PFOC01  ", "FR", "  ", "**", "", "F", "FRA"}) {
        valeurs.push_back(partenaire);
    }
    for (int n = 0; n < 3000; ++n) valeurs.push_back(plier(t, t.quelconque(3)));
    int acceptes = 0;
    for (const std::string& v : valeurs) {
        for (const Table& table : tables) {
            for (const Place place : kPlaces) {
                Emplacement e(place, v);
                const int attendu = simple::impo_C20(depVide, e.get(), table.sverif, table.len);
                ASSERT_EQ(impo_C20(depVide, e.get(), table.sverif, table.len) != 0, attendu != 0) << montrer(v);
                acceptes += attendu != 0;
            }
        }
    }
    EXPECT_GT(acceptes, LenTP);
}

// A date: 8 digits (years around the turns of decades and centuries, 9999),
// blanks in its day or month, then bent.
std::string dateAuHasard(Tirage& t) {
    static const char* const annees[] = {"2024", "2019", "2099", "2999", "1999", "9999", "9998", "0999", "2009", "1900"};
    std::string v;
    for (int i = 0; i < 4; ++i) v += static_cast<char>('0' + t.entier(10));
    v += t.entier(3) == 0 ? t.quelconque(0) + std::to_string(1000 + t.entier(9000)) : std::string(annees[t.entier(10)]);
    if (t.entier(6) == 0) v.replace(0, 2, "  ");
    if (t.entier(8) == 0) v.replace(2, 2, "  ");
    return t.entier(3) == 0 ? plier(t, v) : v;
}

TEST(RecordsRapides3, DatesUnAnPlusTardEtDateDuJourCommeAvant) {
    Tirage t(59, "0123456789 9");
    int acceptes = 0;
    for (int n = 0; n < 40000; ++n) {
        const std::string reference = dateAuHasard(t);
        const std::string date = dateAuHasard(t);
        for (const Place place : kPlaces) {
            // The reference in the record's date F1, or anywhere else.
            Emplacement ref(place, reference, t.entier(2) == 0 ? '9' : '\0', C33, F1);
            // The date anywhere but where the reference lies.
            Place ailleurs = kPlaces[t.entier(5)];
            if (ailleurs == place && (place == Place::entete || place == Place::queueDesSlots)) ailleurs = Place::corps;
            Emplacement e(ailleurs, date, ' ', C34, F2);
            const int attendu = simple::fCoherenDC_tr2(ref.get(), e.get());
            ASSERT_EQ(fCoherenDC_tr2(ref.get(), e.get(), nullptr, 0) != 0, attendu != 0)
                << montrer(reference) << " " << montrer(date);
            acceptes += attendu != 0;
            ASSERT_EQ(fCoherenDC(ref.get(), e.get(), nullptr, 0), fCoherenDCSupInf(ref.get(), e.get(), INF))
                << montrer(reference) << " " << montrer(date);
        }
    }
    EXPECT_GT(acceptes, 40000);
    EXPECT_LT(acceptes, 160000);
}

// A line of 256 characters (or `longueur`) whose columns 63 to 66 hold c1;
// the bytes of xdebug past a short line are stale.
void poserLigne(const char* c1, int longueur, char rebut) {
    std::string ligne(256, 'X');
    std::memcpy(ligne.data() + 62, c1, 4);
    std::memset(xdebug, rebut, sizeof xdebug);
    std::memcpy(xdebug + 62, "ABAT", 4);
    preparerVue(ligne.data(), longueur, xdebug);
}

// A holding or approval number: a department (every 2 digits, "2A", "2B",
// "97" with any third character), digits, the eighth often a blank, 4 blanks;
// or blanks of any count.
std::string numeroDeReferenceAuHasard(Tirage& t) {
    if (t.entier(6) == 0) return plier(t, std::string(t.entier(24), ' '));
    std::string v;
    const unsigned d = t.entier(5) == 0 ? 97 : t.entier(100);
    v += static_cast<char>('0' + d / 10);
    v += t.entier(12) == 0 ? "AB"[t.entier(2)] : static_cast<char>('0' + d % 10);
    for (int i = 2; i < 8; ++i) v += static_cast<char>('0' + t.entier(10));
    if (t.entier(3) == 0) v[7] = ' ';
    if (t.entier(4) == 0) v[2] = "12345678"[t.entier(8)];
    v += "    ";
    return plier(t, v);
}

TEST(RecordsRapides3, NumeroDeReferenceErreCommeLesVerificationsGenerales) {
    Tirage t(43, "0123456789 A");
    static const char* const types[] = {"ABAT", "ABAT", "NAIS", "ABA "};
    int acceptes = 0;
    int refuses = 0;
    for (int n = 0; n < 30000; ++n) {
        poserLigne(types[t.entier(4)], t.entier(6) == 0 ? 60 + static_cast<int>(t.entier(10)) : 256,
                   t.entier(2) == 0 ? 'A' : '\0');
        const std::string v = numeroDeReferenceAuHasard(t);
        for (const Place place : kPlaces) {
            Emplacement e(place, v, t.entier(2) == 0 ? ' ' : '\0', C30);
            const int attendu = essai::ancien::erreNumeroDeReference(e.get());
            ASSERT_EQ(vErre_C30(depVide, e.get(), nullptr, 0) != 0, attendu != 0)
                << montrer(v) << " line " << montrer(std::string(xdebug, 70));
            ASSERT_EQ(vErre_C8_conf(depVide, e.get(), nullptr, 0) != 0, attendu != 0) << montrer(v);
            (attendu != 0 ? acceptes : refuses) += 1;
        }
    }
    EXPECT_GT(acceptes, 20000);
    EXPECT_GT(refuses, 20000);
}

TEST(RecordsRapides3, QuatriemeDateErreCommeLaValidationGenerale) {
    Tirage t(61, "0123456789 9");
    static const char* const types[] = {"ABAT", "NAIS"};
    int acceptes = 0;
    for (int n = 0; n < 40000; ++n) {
        poserLigne(types[t.entier(2)], t.entier(6) == 0 ? 60 + static_cast<int>(t.entier(10)) : 256, 'A');
        // Dates of every day and month number 00 to 39, leap years, 1899 to 1901.
        std::string v = dateAuHasard(t);
        if (n % 3 == 0 && v.size() == 8) {
            v[0] = static_cast<char>('0' + t.entier(4));
            v[2] = static_cast<char>('0' + t.entier(2));
            if (t.entier(4) == 0) v.replace(4, 4, std::to_string(1899 + t.entier(3)));
        }
        for (const Place place : kPlaces) {
            Emplacement e(place, v, t.entier(2) == 0 ? ' ' : '\0', C36);
            const int attendu = essai::ancien::erreC36_1(e.get());
            ASSERT_EQ(vErre_C36_1(depVide, e.get(), nullptr, 0) != 0, attendu != 0) << montrer(v);
            acceptes += attendu != 0;
        }
    }
    EXPECT_GT(acceptes, 10000);
    EXPECT_LT(acceptes, 180000);
}

// Codes of emitters: every office of TDC, the other accepted codes, near
// misses, the file's emitter, blanks of every count, then bent.
std::vector<std::string> codesEmetteurs() {
    std::vector<std::string> codes = {"ONICAB01", "OFFICEDE", "NORMABEV", "POINTFOC", "ONICAB  ", "OFFIC   ",
                                      "NORM01  ", "PFOC01  ", "0 1IPG  ", "001IPG 1", "001IPGX ", "ABCDEF  ",
                                      "999IPG  ", "001IPG", "001IPG   ", "NORMABEVX", "POINTFO ", "OFFICE X",
                                      "013ARS  ", "001IPG\x7F ", "\xE9\xE9\xE9IPG  "};
    for (int i = 0; i < LenTDC; ++i) codes.emplace_back(TDC[i]);
    for (int i = 0; i < 2 * LenTEDC; ++i) codes.emplace_back(TEDC[i]);
    for (unsigned n = 0; n < 20; ++n) codes.emplace_back(n, ' ');
    return codes;
}

TEST(RecordsRapides3, EmetteurErreCommeLesTables) {
    Tirage t(47, "0123456789 IPGA");
    const std::vector<std::string> codes = codesEmetteurs();
    int bureaux = 0;
    for (int n = 0; n < 60000; ++n) {
        const std::string& base = codes[t.entier(static_cast<unsigned>(codes.size()))];
        const std::string v = n < static_cast<int>(codes.size()) ? codes[static_cast<std::size_t>(n)] : plier(t, base);
        for (const Place place : kPlaces) {
            Emplacement e(place, v, t.entier(2) == 0 ? ' ' : 'I', C37);
            const int attendu = essai::ancien::erreC37_1(e.get());
            ASSERT_EQ(vErre_C37_1(depVide, e.get(), nullptr, 0) != 0, attendu != 0) << montrer(v);
            bureaux += attendu != 0 && v.size() == 8 && v.compare(3, 3, "IPG") == 0;
        }
    }
    EXPECT_GT(bureaux, LenTDC);
}

// The emitter of the file in the FICH header slot E3 (stale bytes after it)
// or in a buffer of its own size, the record's code anywhere.
TEST(RecordsRapides3, EmetteurErreRelieAuFichierCommeLesTables) {
    Tirage t(53, "0123456789 IPGA");
    std::vector<std::string> codes = codesEmetteurs();
    for (int n = 0; n < 40; ++n) codes.push_back(t.quelconque(20));
    int acceptes = 0;
    for (int n = 0; n < 60000; ++n) {
        const std::string emetteur = plier(t, codes[t.entier(static_cast<unsigned>(codes.size()))]);
        const std::string v = t.entier(3) == 0 ? plier(t, emetteur) : plier(t, codes[t.entier(static_cast<unsigned>(codes.size()))]);
        // In E3, at the very end of the FICH header slots, or in a buffer of its own size.
        const unsigned lieu = t.entier(4);
        char* slot = valFichEnteteVSE[E3].valeur;
        std::memset(slot, t.entier(2) == 0 ? '\0' : v.empty() ? 'X' : v.back(), LONGUEUR_VSE + 1);
        if (lieu == 1) slot = valFichEnteteVSE[NB_ENTETE - 1].valeur + (LONGUEUR_VSE - emetteur.size());
        essai::Valeur ailleurs(emetteur);
        const char* dependance = ailleurs.get();
        if (lieu != 3) {
            std::memcpy(slot, emetteur.c_str(), emetteur.size() + 1);
            dependance = slot;
        }
        for (const Place place : kPlaces) {
            Emplacement e(place, v, t.entier(2) == 0 ? ' ' : 'Z', C37);
            const int attendu = simple::vErre_C37_2(dependance, e.get());
            ASSERT_EQ(vErre_C37_2(dependance, e.get(), nullptr, 0) != 0, attendu != 0)
                << montrer(v) << " emitter " << montrer(emetteur);
            acceptes += attendu != 0;
        }
    }
    EXPECT_GT(acceptes, 30000);
}

}  // namespace
