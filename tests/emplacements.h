// Places where a check may find its value, for the tests that hold a fast
// check equal to its plain version: a body, trailer or header slot whose
// bytes past the value's NUL are stale, the very end of the body slots
// (where fewer than 8 bytes follow the value), and a buffer of exactly the
// value's size.
#pragma once

#include <cstddef>
#include <cstdio>
#include <cstring>
#include <string>

#include "model/modele.h"
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

}  // namespace essai
