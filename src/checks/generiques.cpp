// Generic checks.
#include "checks/generiques.h"

#include <cstring>

#include "checks/dates.h"
#include "checks/index.h"
#include "checks/octets.h"
#include "reference/valautorise.h"

namespace {

// Codes of outside partners, accepted by every list check whatever its table.
const char* const codesPartenaires[] = {"NORMABEV", "NORM01  ", "NORM02  ", "PFOC01  "};

// Record types allowed with each action code of header slot E5. ECQ admits
// every record type and has no list of its own (null table).
struct ActionTypes {
    char action[4];
    const tValAutorise* types;
    const int* nbTypes;
};
const ActionTypes typesParAction[] = {
    {"CRE", tE6CRE, &LentE6CRE},
    {"DEM", tE6DEM, &LentE6DEM},
    {"ECQ", nullptr, &Len0},
    {"EDI", tE6EDI, &LentE6EDI},
    {"INV", tE6INV, &LentE6INV},
    {"MOD", tE6MOD, &LentE6MOD},
    {"INF", tE6INF, &LentE6INF},
};

// The reference tables, each indexed with the partner codes.
const RepertoireIndex& indexDesTables() {
    static const RepertoireIndex repertoire(codesPartenaires);
    return repertoire;
}

}  // namespace

int estDansTable(const char* valeur, const void* sverif, int lenSverif) {
    if (const IndexValeurs* index = indexDesTables().trouver(sverif, lenSverif)) return index->contient(valeur);
    return estDansTableParcours(valeur, sverif, lenSverif);
}

const IndexValeurs* indexDeTable(const void* sverif, int lenSverif) {
    return indexDesTables().trouver(sverif, lenSverif);
}

int estDansTableParcours(const char* valeur, const void* sverif, int lenSverif) {
    for (const char* partenaire : codesPartenaires) {
        if (std::strcmp(valeur, partenaire) == 0) return 1;
    }
    if (lenSverif < 1 || sverif == nullptr) return 0;
    const tValAutorise* table = static_cast<const tValAutorise*>(sverif);
    for (int i = 0; i < lenSverif; ++i) {
        if (std::strcmp(valeur, table[i]) == 0) return 1;
    }
    return 0;
}

int fVerifValAut(const char*, char* champ, const void* sverif, int lenSverif) {
    return estDansTable(champ, sverif, lenSverif);
}

int fVerifDiffNull(const char*, char* champ, const void* sverif, int lenSverif) {
    // The table holds the value that stands for "nothing" (blanks of the
    // field's width); partner codes get no special treatment here.
    if (sverif == nullptr) return 1;
    const tValAutorise* table = static_cast<const tValAutorise*>(sverif);
    // One entry (blanks), and a filled field differs from its first byte on.
    if (lenSverif == 1 && champ[0] != table[0][0]) return 1;
    for (int i = 0; i < lenSverif; ++i) {
        // A filled field mostly differs from the first byte on.
        if (champ[0] == table[i][0] && std::strcmp(champ, table[i]) == 0) return 0;
    }
    return 1;
}

int fVerifAucunBlanc(const char*, char* champ, const void*, int) {
    return std::strchr(champ, ' ') == nullptr;
}

int fVerifAucunBlanc_SD(const char*, char* champ, const void*, int) {
    // Left-aligned without an embedded blank: blanks may only trail.
    const std::size_t longueur = std::strlen(champ);
    if (longueur == 0) return 1;
    std::size_t fin = longueur;
    while (fin > 0 && champ[fin - 1] == ' ') --fin;
    if (fin == 0) return 0;  // all blank
    return std::memchr(champ, ' ', fin) == nullptr;
}

int fVerifDepE6(const char* dependance, char* champ, const void*, int) {
    // Action codes are 3 characters: a value of another length is none of them.
    if (longueurBornee(dependance, 4) != 3) return 0;
    for (const ActionTypes& entree : typesParAction) {
        if (std::memcmp(dependance, entree.action, 3) != 0) continue;
        if (entree.types == nullptr) return 1;
        return estDansTable(champ, entree.types, *entree.nbTypes);
    }
    return 0;
}

int champVide(const char* champ) {
    for (const char* c = champ; *c != '\0'; ++c) {
        if (*c != ' ') return 0;
    }
    return 1;
}

int verifDateCompleteEtCorrecte(const char* champ) {
    for (int i = 0; i < 8; ++i) {
        if (!estChiffre(champ[i])) return 0;  // also stops at the end of a short value
    }
    if (champ[8] != '\0') return 0;
    const int jour = (champ[0] - '0') * 10 + (champ[1] - '0');
    const int mois = (champ[2] - '0') * 10 + (champ[3] - '0');
    const int annee = ((champ[4] - '0') * 10 + (champ[5] - '0')) * 100 + (champ[6] - '0') * 10 +
                      (champ[7] - '0');
    if (annee < 1900) return 0;
    return DateCalc_check_date(annee, mois, jour);
}
