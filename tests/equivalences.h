// Shared pieces of the tests that hold a fast check equal to its plain
// version: the places where a check may find its value (a body, trailer or
// header slot whose bytes past the value's NUL are stale, the very end of the
// body slots, where fewer than 8 bytes follow the value, and a buffer of
// exactly the value's size), the display of a value, and draws of values over
// an alphabet.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdio>
#include <cstring>
#include <functional>
#include <random>
#include <string>
#include <utility>

#include "checks/dates.h"
#include "checks/generiques.h"
#include "checks/identifiants.h"
#include "checks/octets.h"
#include "model/modele.h"
#include "reference/valautorise.h"
#include "outils.h"

namespace essai {

enum class Place { corps, fin, entete, queueDesSlots, exacte };
inline constexpr Place kPlaces[] = {Place::corps, Place::fin, Place::entete, Place::queueDesSlots, Place::exacte};

// A copy of v in one place; in a slot, the bytes after its NUL are
// `remplissage`. The body and trailer slots used are `corps` and `fin`.
class Emplacement {
public:
    Emplacement(Place place, const std::string& v, char remplissage = 'S', int corps = C7, int fin = F2)
        : exacte_(v) {
        const std::size_t taille = v.size() + 1;
        char* slot = nullptr;
        switch (place) {
            case Place::corps: slot = valCorpsVSE[corps].valeur; break;
            case Place::fin: slot = valFinVSE[fin].valeur; break;
            case Place::entete: slot = valEnteteVSE[E9].valeur; break;
            case Place::queueDesSlots: slot = valCorpsVSE[NB_CORPS - 1].valeur + (LONGUEUR_VSE + 1 - taille); break;
            case Place::exacte: ptr_ = exacte_.get(); return;
        }
        if (place != Place::queueDesSlots) std::memset(slot, remplissage, LONGUEUR_VSE + 1);
        std::memcpy(slot, v.c_str(), taille);
        ptr_ = slot;
    }
    char* get() const { return ptr_; }

private:
    Valeur exacte_;
    char* ptr_ = nullptr;
};

// v quoted, its bytes outside 32..126 written \xHH.
inline std::string montrer(const std::string& v) {
    std::string s;
    for (const char c : v) {
        const auto o = static_cast<unsigned char>(c);
        if (o < 32 || o > 126) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", o);
            s += hex;
        } else {
            s += c;
        }
    }
    return '"' + s + '"';
}

// A check of two values and its reference, the dependance placed in a
// trailer slot (stale bytes `remplissageDep` after it) or in a buffer of its
// own length, the value in every place with each of `remplissages` after it:
// the same answer, and the same bytes left in the value.
inline void comparerSurDeuxValeurs(const std::string& dependance, const std::string& v,
                                   const std::function<int(const char*, char*)>& rapide,
                                   const std::function<int(const char*, char*)>& reference,
                                   std::initializer_list<char> remplissages = {'S'}, char remplissageDep = 'T') {
    std::string attendu = v;
    const int resultat = reference(dependance.c_str(), attendu.data());
    for (const Place place : kPlaces) {
        for (const bool depDansSlot : {true, false}) {
            Valeur depExacte(dependance);
            const char* dep = depExacte.get();
            if (depDansSlot) {
                std::memset(valFinVSE[F1].valeur, remplissageDep, LONGUEUR_VSE + 1);
                std::memcpy(valFinVSE[F1].valeur, dependance.c_str(), dependance.size() + 1);
                dep = valFinVSE[F1].valeur;
            }
            for (const char remplissage : remplissages) {
                Emplacement e(place, v, remplissage);
                ASSERT_EQ(rapide(dep, e.get()) != 0, resultat != 0)
                    << montrer(dependance) << ' ' << montrer(v) << " place " << static_cast<int>(place)
                    << " remplissage " << static_cast<int>(remplissage);
                ASSERT_EQ(std::string(e.get()), std::string(attendu.c_str())) << montrer(v);
            }
        }
    }
}

// Draws over an alphabet: numbers below n, and strings of its bytes.
class Tirage {
public:
    Tirage(unsigned graine, std::string alphabet) : alea_(graine), alphabet_(std::move(alphabet)) {}

    unsigned entier(unsigned n) { return static_cast<unsigned>(alea_() % n); }

    // Any bytes of the alphabet, 0 to maxLongueur of them.
    std::string quelconque(unsigned maxLongueur) {
        std::string v(entier(maxLongueur + 1), ' ');
        for (char& c : v) c = alphabet_[entier(static_cast<unsigned>(alphabet_.size()))];
        return v;
    }

protected:
    char auHasard() { return alphabet_[entier(static_cast<unsigned>(alphabet_.size()))]; }

private:
    std::mt19937 alea_;
    std::string alphabet_;
};

// Checks as they were before they were rewritten, kept as the references of
// the tests that hold the new ones equal to them: the date validation, before
// it read dates as words, and ERRE's C8, C30, C36 and C37.
namespace ancien {

inline int deuxChiffres(const char* v, int i) { return (v[i] - '0') * 10 + (v[i + 1] - '0'); }

inline void reecrireDateIncomplete(char* champ) {
    const int longueur = longueurBornee(champ, 8);
    auto car = [&](int i) { return i < longueur ? champ[i] : '\0'; };
    auto regleMois = [&] {
        if (car(2) == '0' && car(3) == '0') champ[2] = ' ';
    };
    if (car(0) == ' ' && car(1) == ' ' && car(2) == ' ' && car(3) == ' ') {
        std::memcpy(champ, "0000", 4);
    } else if (car(0) == ' ' && car(1) == ' ') {
        std::memcpy(champ, "00", 2);
        regleMois();
    } else if (car(0) == '0' && car(1) == '0') {
        champ[0] = ' ';
    } else {
        regleMois();
    }
}

inline int dateCouI(char* champ, eCouI mode) {
    if (mode == INCOMPLETE) reecrireDateIncomplete(champ);
    for (int i = 0; i < 8; ++i) {
        if (!estChiffre(champ[i])) return 0;
    }
    int jour = deuxChiffres(champ, 0);
    int mois = deuxChiffres(champ, 2);
    const int annee = deuxChiffres(champ, 4) * 100 + deuxChiffres(champ, 6);
    if (annee < 1900) return 0;
    if (mode == COMPLETE) {
        if (jour == 0) return 0;
    } else {
        if (jour == 0) jour = 1;
        if (mois == 0) mois = 1;
    }
    static constexpr int joursParMois[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (mois < 1 || mois > 12 || jour < 1) return 0;
    const bool bissextile = (annee % 4 == 0 && annee % 100 != 0) || annee % 400 == 0;
    return jour <= joursParMois[mois - 1] + (mois == 2 && bissextile);
}

// ERRE's C37 (an office, a partner or an establishment code) as it was
// before it read its 8 characters as one word.
inline int erreC37_1(const char* champ) {
    if (champVide(champ)) return 1;
    if (std::strlen(champ) != 8) return 0;
    int fin = 8;
    while (fin > 0 && champ[fin - 1] == ' ') --fin;
    if (fin < 6 || std::memchr(champ, ' ', static_cast<size_t>(fin)) != nullptr) return 0;
    if (std::strncmp(champ + 3, "IPG", 3) == 0) {
        for (int i = 0; i < LenTDC; ++i) {
            if (std::strcmp(champ, TDC[i]) == 0) return 1;
        }
        return 0;
    }
    return std::strncmp(champ, "ONICAB", 6) == 0 || std::strncmp(champ, "OFFICE", 6) == 0 ||
           std::strcmp(champ, "NORMABEV") == 0 || std::strcmp(champ, "POINTFOC") == 0;
}

// Whether the current line (xdebug) is an ERRE record answering an ABAT
// record (columns 63 to 66), and ERRE's approval or holding number (C8, C30)
// and date (C36), as they were before they read their values as words.
inline bool erreRetourSurAbat() {
    const int longueur = static_cast<int>(strnlen(xdebug, 66));
    return longueur == 66 && std::strncmp(xdebug + 62, "ABAT", 4) == 0;
}
inline int erreNumeroDeReference(char* champ) {
    if (champVide(champ)) return 1;
    return erreRetourSurAbat() ? verifNumAgrementSanitaireFr(champ) : verifNumExploitFr(champ);
}
inline int erreC36_1(char* champ) {
    if (std::strlen(champ) != 8) return 0;
    if (std::strcmp(champ, "        ") == 0) return !erreRetourSurAbat();
    return verifDateCompleteEtCorrecte(champ);
}

}  // namespace ancien

}  // namespace essai
