// Indexes of the allowed-value tables.
#include "checks/index.h"

#include <cstring>

#include "checks/comparaisons.h"
#include "checks/generiques.h"

namespace {

constexpr std::uint64_t PREMIER_FNV = 0x100000001B3ull;

// Smallest power of two that is at least twice n (and at least 8): the open
// addressing tables stay at most half full.
std::size_t capacitePour(std::size_t n) {
    std::size_t capacite = 8;
    while (capacite < 2 * n) capacite *= 2;
    return capacite;
}

#define TABLE(t) {#t, t, &Len##t},
const TableDeReference kTables[] = {TABLES_DE_REFERENCE(TABLE)};
#undef TABLE

}  // namespace

IndexValeurs::IndexValeurs(const tValAutorise* table, int nombre, std::span<const char* const> codesEnPlus) {
    const std::size_t total = (nombre > 0 ? static_cast<std::size_t>(nombre) : 0) + codesEnPlus.size();
    cases_.assign(capacitePour(total), Case{});
    textes_.reserve(total);
    masque_ = cases_.size() - 1;
    for (const char* code : codesEnPlus) inserer(code);
    for (int i = 0; i < nombre; ++i) inserer(table[i]);
}

std::uint64_t IndexValeurs::hacher(std::uint64_t tete, std::uint64_t suite) {
    const std::uint64_t x = (tete ^ (suite * PREMIER_FNV)) * MULTIPLICATEUR_FIBONACCI;
    return x ^ (x >> 29);
}

bool IndexValeurs::decrire(const char* texte, std::uint32_t longueurMax, Cle& cle, std::uint64_t& h) {
    cle = Cle{};
    cle.texte = texte;
    for (; cle.longueur < 8 && texte[cle.longueur] != '\0'; ++cle.longueur) {
        cle.tete |= static_cast<std::uint64_t>(static_cast<unsigned char>(texte[cle.longueur])) << (8 * cle.longueur);
    }
    std::uint64_t suite = 0;
    if (cle.longueur == 8) {
        for (; texte[cle.longueur] != '\0'; ++cle.longueur) {
            if (cle.longueur == longueurMax) return false;
            suite = (suite ^ static_cast<unsigned char>(texte[cle.longueur])) * PREMIER_FNV;
        }
    }
    if (cle.longueur > longueurMax) return false;
    h = hacher(cle.tete, suite);
    return true;
}

void IndexValeurs::inserer(const char* texte) {
    Cle cle;
    std::uint64_t h = 0;
    decrire(texte, UINT32_MAX, cle, h);
    if (trouve(cle, h)) return;  // a repeated string
    std::uint64_t i = h & masque_;
    while (cases_[i].longueur != Case::LIBRE) i = (i + 1) & masque_;
    cases_[i] = {cle.tete, cle.longueur, static_cast<std::uint32_t>(textes_.size())};
    textes_.push_back(texte);
    if (cle.longueur > longueurMax_) longueurMax_ = cle.longueur;
    if (cle.longueur == 0) contientVide_ = true;
    if (cle.longueur == 1) {
        const auto a = static_cast<unsigned char>(texte[0]);
        unCaractere_[a / 64] |= std::uint64_t{1} << (a % 64);
    }
    if (cle.longueur == 2) {
        const unsigned a = static_cast<unsigned char>(texte[0]) - 32u;
        const unsigned b = static_cast<unsigned char>(texte[1]) - 32u;
        if (a < NB_IMPRIMABLES && b < NB_IMPRIMABLES) {
            if (paires_.empty()) paires_.assign((NB_IMPRIMABLES * NB_IMPRIMABLES + 63) / 64, 0);
            const unsigned bit = a * NB_IMPRIMABLES + b;
            paires_[bit / 64] |= std::uint64_t{1} << (bit % 64);
        } else {
            pairesDirectes_ = false;
        }
    }
}

bool IndexValeurs::trouve(const Cle& cle, std::uint64_t h) const {
    for (std::uint64_t i = h & masque_; cases_[i].longueur != Case::LIBRE; i = (i + 1) & masque_) {
        const Case& c = cases_[i];
        if (c.tete == cle.tete && c.longueur == cle.longueur &&
            (c.longueur <= 8 || std::memcmp(textes_[c.rang] + 8, cle.texte + 8, c.longueur - 8) == 0)) {
            return true;
        }
    }
    return false;
}

bool IndexValeurs::contientParHachage(const char* valeur) const {
    Cle cle;
    std::uint64_t h = 0;
    return decrire(valeur, longueurMax_, cle, h) && trouve(cle, h);
}

std::span<const TableDeReference> tablesDeReference() { return kTables; }

RepertoireIndex::RepertoireIndex(std::span<const char* const> codesEnPlus) {
    const std::span<const TableDeReference> tables = tablesDeReference();
    index_.reserve(tables.size());
    cases_.resize(capacitePour(tables.size()));
    for (const TableDeReference& t : tables) {
        const std::size_t masque = cases_.size() - 1;
        std::size_t i = caseDe(t.valeurs) & masque;
        while (cases_[i].index != nullptr) i = (i + 1) & masque;
        // index_ holds room for every table: its elements never move.
        cases_[i] = {t.valeurs, *t.nombre, &index_.emplace_back(t.valeurs, *t.nombre, codesEnPlus)};
    }
}

bool listeIndexee(pfVerif_t verif, AvantLaListe& avant) {
    if (verif == fVerifValAut) {
        avant = AvantLaListe::rien;
    } else if (verif == fVDIFFNULLVTAB) {
        avant = AvantLaListe::inconnuOuRetenu;
    } else if (verif == fVTABDIFFFR) {
        avant = AvantLaListe::saufFR;
    } else {
        return false;
    }
    return true;
}
