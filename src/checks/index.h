// Indexes of the allowed-value tables. A list check asks whether a value is
// one of a table's first n strings or one of the partner codes accepted with
// every table; an index answers exactly as that scan does, in constant time.
//
// Each reference table of valautorise.h gets its index once, the first time
// any table is looked up; an index is found by the address of the table and
// its count, so a table built elsewhere (or a reference table read with
// another count) is simply not indexed and stays with the scan.
#pragma once

#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

#include "checks/generiques.h"
#include "model/modele.h"
#include "reference/valautorise.h"

// Fibonacci hashing: 2^64 divided by the golden ratio (odd).
inline constexpr std::uint64_t MULTIPLICATEUR_FIBONACCI = 0x9E3779B97F4A7C15ull;

// Set of strings: the first `nombre` entries of a table plus extra codes.
// Values are compared whole and byte for byte, the empty string included.
class IndexValeurs {
public:
    IndexValeurs(const tValAutorise* table, int nombre, std::span<const char* const> codesEnPlus);

    // True when valeur equals one of the strings. Reads the value up to its
    // terminating NUL, and past its 8th byte no further than one byte beyond
    // the length of the longest string. Values of up to 2 characters, the
    // most frequent, are answered here from sets of bits.
    bool contient(const char* valeur) const {
        const auto a = static_cast<unsigned char>(valeur[0]);
        if (a == 0) return contientVide_;
        const auto b = static_cast<unsigned char>(valeur[1]);
        if (b == 0) return (unCaractere_[a / 64] >> (a % 64)) & 1;
        if (valeur[2] == '\0' && pairesDirectes_) {
            const unsigned i = a - 32u;
            const unsigned j = b - 32u;
            if (i >= NB_IMPRIMABLES || j >= NB_IMPRIMABLES || paires_.empty()) return false;
            const unsigned bit = i * NB_IMPRIMABLES + j;
            return (paires_[bit / 64] >> (bit % 64)) & 1;
        }
        return contientParHachage(valeur);
    }

    // contient for a value held in a slot (valeurVSE): at least 16 bytes are
    // readable from valeur whatever its length, so its first 8 bytes and its
    // length up to 8 are read as one word; the bytes past its NUL, whatever
    // they hold, are masked off.
    bool contientDansSlot(const char* valeur) const {
        if (valeur[0] == '\0' || valeur[1] == '\0' || valeur[2] == '\0') return contient(valeur);
        std::uint64_t mot;
        std::memcpy(&mot, valeur, sizeof mot);
        // The lowest byte found zero here is the value's first NUL (a borrow
        // only marks bytes above a zero byte).
        const std::uint64_t zeros = (mot - 0x0101010101010101ull) & ~mot & 0x8080808080808080ull;
        std::uint32_t longueur;
        if (zeros != 0) {
            longueur = static_cast<std::uint32_t>(__builtin_ctzll(zeros)) / 8;
            mot &= longueur == 0 ? 0 : ~std::uint64_t{0} >> (64 - 8 * longueur);
        } else if (valeur[8] == '\0') {
            longueur = 8;
        } else {
            return contientParHachage(valeur);  // longer than 8
        }
        if (longueur > longueurMax_) return false;
        return trouve(Cle{mot, longueur, valeur}, hacher(mot, 0));
    }

private:
    // A string as it is compared: its length, its first 8 bytes (zeros
    // after a shorter string: a string holds no NUL, so for at most 8 bytes
    // the pair is the string) and the string itself for the bytes after 8.
    struct Cle {
        std::uint64_t tete = 0;
        std::uint32_t longueur = 0;
        const char* texte = nullptr;
    };

    static std::uint64_t hacher(std::uint64_t tete, std::uint64_t suite);
    // The key of texte and its hash; false, without reading on, when texte
    // is longer than longueurMax.
    static bool decrire(const char* texte, std::uint32_t longueurMax, Cle& cle, std::uint64_t& h);
    void inserer(const char* texte);
    bool trouve(const Cle& cle, std::uint64_t h) const;
    bool contientParHachage(const char* valeur) const;

    // Open addressing, the keys in the cases themselves: one memory access
    // per probe, 4 cases per cache line. The strings themselves are only
    // read for their bytes past the 8th.
    struct Case {
        static constexpr std::uint32_t LIBRE = UINT32_MAX;  // longueur of a free case
        std::uint64_t tete = 0;
        std::uint32_t longueur = LIBRE;
        std::uint32_t rang = 0;  // of the string in textes_
    };
    std::vector<Case> cases_;
    std::vector<const char*> textes_;

    // The empty string, the strings of 1 character (one bit per byte value)
    // and those of 2 characters (country, department and breed codes: one bit
    // per pair of printable characters, when all of them are printable) are
    // also held apart, and values of those lengths are answered there.
    static constexpr unsigned NB_IMPRIMABLES = 126 - 32 + 1;
    bool contientVide_ = false;
    std::uint64_t unCaractere_[4] = {};
    bool pairesDirectes_ = true;
    std::vector<std::uint64_t> paires_;  // empty when no string has 2 characters
    std::uint64_t masque_ = 0;
    std::uint32_t longueurMax_ = 0;
};

// A table of valautorise.h: its name, its strings and its count.
struct TableDeReference {
    const char* nom;
    const tValAutorise* valeurs;
    const int* nombre;
};

// Every table of valautorise.h.
std::span<const TableDeReference> tablesDeReference();

// The indexes of every table of valautorise.h, each with the same extra codes.
class RepertoireIndex {
public:
    explicit RepertoireIndex(std::span<const char* const> codesEnPlus);
    RepertoireIndex(const RepertoireIndex&) = delete;
    RepertoireIndex& operator=(const RepertoireIndex&) = delete;

    // The index of the reference table at `table` read with `nombre`
    // strings, or null when there is none.
    const IndexValeurs* trouver(const void* table, int nombre) const {
        const std::size_t masque = cases_.size() - 1;
        for (std::size_t i = caseDe(table) & masque; cases_[i].index != nullptr; i = (i + 1) & masque) {
            const Entree& e = cases_[i];
            if (e.table == table && e.nombre == nombre) return e.index;
        }
        return nullptr;
    }

private:
    struct Entree {
        const void* table = nullptr;
        int nombre = 0;
        const IndexValeurs* index = nullptr;  // into index_; null when the case is free
    };
    static std::size_t caseDe(const void* table) {
        // Tables are at least 8 bytes apart: the low bits of an address carry nothing.
        const auto adresse = reinterpret_cast<std::uintptr_t>(table) >> 3;
        return static_cast<std::size_t>((adresse * MULTIPLICATEUR_FIBONACCI) >> 32);
    }

    std::vector<IndexValeurs> index_;
    std::vector<Entree> cases_;
};

// List checks that are a lookup in their table once the value's first bytes
// are looked at: the record walk asks the table's index itself rather than
// calling them.
enum class AvantLaListe : unsigned char {
    rien,             // fVerifValAut: the lookup alone
    inconnuOuRetenu,  // fVDIFFNULLVTAB: a value beginning with "  " or "**" passes
    saufFR,           // fVTABDIFFFR: the value "FR" is refused
};

// True when `verif` is such a list check, with what it looks at first.
bool listeIndexee(pfVerif_t verif, AvantLaListe& avant);

// The answer of a list check of kind `avant` on a value held in a slot,
// with the index of its table.
inline bool dansLaListe(const IndexValeurs& index, AvantLaListe avant, const char* valeur) {
    switch (avant) {
        case AvantLaListe::rien:
            break;
        case AvantLaListe::inconnuOuRetenu:
            if ((valeur[0] == ' ' || valeur[0] == '*') && valeur[1] == valeur[0]) return true;
            break;
        case AvantLaListe::saufFR:
            if (valeur[0] == 'F' && valeur[1] == 'R' && valeur[2] == '\0') return false;
            break;
    }
    return index.contientDansSlot(valeur);
}

// estDansTable on a table fixed at the call (a reference table and its
// count): its index is found at the first call, not at every one.
template <const tValAutorise* Table, const int* Nombre>
bool dansTableFixe(const char* valeur) {
    static const IndexValeurs* const index = indexDeTable(Table, *Nombre);
    return index != nullptr ? index->contient(valeur) : estDansTableParcours(valeur, Table, *Nombre) != 0;
}
