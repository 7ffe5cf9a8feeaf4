// ASSO records: an official business identifier (SIREN, SIRET, approval
// numbers, CEM) associated with a keeper or a holding for a period.
#include "records/asso.h"

#include <cstring>

#include "checks/coherence.h"
#include "checks/dates.h"
#include "checks/generiques.h"
#include "checks/identifiants.h"
#include "checks/octets.h"
#include "records/records.h"

namespace {

constexpr int LARGEUR_C6 = 20;
constexpr char DATE_BLANCHE[] = "        ";

// Kind of party C4 of the record: its first character.
bool partie(char nature) { return valCorpsVSE[C4].valeur[0] == nature; }

// True when the record's kind of identifier C5 begins with the kind (the
// first 5 characters, or 3 for "CEM"); a value cut short does not.
bool genre(const char* nature) { return commencePar(valCorpsVSE[C5].valeur, nature); }

// True when characters debut to fin (1-based, inclusive) of v are present and
// all pass the test. The walk stops at the first failing character, so the
// terminating NUL of a value cut short ends it.
template <typename Test>
bool positions(const char* v, int debut, int fin, Test test) {
    for (int i = debut - 1; i < fin; ++i) {
        if (v[i] == '\0' || !test(v[i])) return false;
    }
    return true;
}

// True when the value holds the field's 20 characters and those from debut
// on are blanks. The length is measured first: a value cut short before
// debut is never read past its end.
bool blancsJusquAuBout(const char* v, int debut) {
    if (longueurBornee(v, LARGEUR_C6 + 1) != LARGEUR_C6) return false;
    return positions(v, debut, LARGEUR_C6, [](char c) { return c == ' '; });
}

bool estAlphanumerique(char c) { return estChiffreOuMajuscule(c) || (c >= 'a' && c <= 'z'); }

// A number of n digits, followed by blanks to the end of the field, whose
// digits pass the Luhn test when asked.
bool numeroSiren(const char* v, int n, bool luhn) {
    if (!positions(v, 1, n, estChiffre) || !blancsJusquAuBout(v, n + 1)) return false;
    if (!luhn) return true;
    char chiffres[LARGEUR_C6 + 1];
    copierDebut(v, static_cast<std::size_t>(n), chiffres);
    return fVerifLuhn(chiffres) != 0;
}

// A capital letter, digits up to character dernier, then blanks.
bool numeroAgrement(const char* v, int dernier) {
    return positions(v, 1, 1, estMajuscule) && positions(v, 2, dernier, estChiffre) &&
           blancsJusquAuBout(v, dernier + 1);
}

// True when the department (2 characters) begins an entry of the table.
bool departementConnu(const char* departement, const void* sverif, int lenSverif) {
    if (sverif == nullptr) return false;
    const auto* table = static_cast<const tValAutorise*>(sverif);
    for (int i = 0; i < lenSverif; ++i) {
        if (premiersEgaux(departement, table[i], 2)) return true;
    }
    return false;
}

}  // namespace

int asso_fC2_1(const char*, char* champ, const void*, int) {
    if (!partie('E')) return 1;
    return fCoherenCC(valEnteteVSE[E8].valeur, champ, nullptr, 0);
}

int asso_fC2_2(const char* dependance, char* champ, const void*, int) {
    if (!partie('E')) return 1;
    return fConform8(dependance, champ, TD, LenTD);
}

int asso_fC5(const char*, char* champ, const void*, int) {
    auto est = [champ](const char* nature) { return premiersEgaux(champ, nature, 5); };
    if (partie('D')) return est("SIREN") || est("AGRIN");
    if (partie('E')) return est("SIRET") || est("AGRIT") || est("AGRSA") || commencePar(champ, "CEM");
    return 0;
}

int asso_fC6_1(const char*, char* champ, const void*, int) {
    return !genre("SIREN") || numeroSiren(champ, 9, true);
}

int asso_fC6_1_INV(const char*, char* champ, const void*, int) {
    return !genre("SIREN") || numeroSiren(champ, 9, false);
}

int asso_fC6_2(const char*, char* champ, const void*, int) {
    return !genre("SIRET") || numeroSiren(champ, 14, true);
}

int asso_fC6_2_INV(const char*, char* champ, const void*, int) {
    return !genre("SIRET") || numeroSiren(champ, 14, false);
}

int asso_fC6_3(const char*, char* champ, const void*, int) {
    return !genre("AGRIN") || numeroAgrement(champ, 9);
}

int asso_fC6_4(const char*, char* champ, const void*, int) {
    return !genre("AGRIT") || numeroAgrement(champ, 12);
}

int asso_fC6_5(const char*, char* champ, const void* sverif, int lenSverif) {
    if (!genre("AGRSA")) return 1;
    // Characters 1 to 7 are present and none is a blank; character 8 is free.
    if (!positions(champ, 1, 7, [](char c) { return c != ' '; })) return 0;
    char departement[3];
    copierDebut(champ, 2, departement);
    const bool connu = departementConnu(departement, sverif, lenSverif);
    if (egalTexte(departement, "2A") || egalTexte(departement, "2B")) return blancsJusquAuBout(champ, 9);
    if (egalTexte(departement, "97")) {
        // Overseas: 971 to 976, but 975.
        if (comparerDebut(champ, "971", 3) < 0 || comparerDebut(champ, "976", 3) > 0 || champ[2] == '5') return 0;
    } else if (egalTexte(departement, "20") || egalTexte(departement, "98")) {
        return 0;
    }
    return connu && blancsJusquAuBout(champ, 9);
}

int asso_fC6_6(const char*, char* champ, const void*, int) {
    return !genre("CEM") || (positions(champ, 1, 7, estAlphanumerique) && blancsJusquAuBout(champ, 8));
}

int asso_fC8_1(const char* dependance, char* champ, const void*, int) {
    return egalTexte(champ, DATE_BLANCHE) || fDATEC(dependance, champ, nullptr, 0);
}

int asso_fC8_2(const char* dependance, char* champ, const void*, int) {
    return egalTexte(champ, DATE_BLANCHE) || fCoherenDateSup(dependance, champ, nullptr, 0);
}

int asso_fC8_3(const char* dependance, char* champ, const void*, int) {
    return egalTexte(champ, DATE_BLANCHE) || fCoherenDC(dependance, champ, nullptr, 0);
}

// Obligation columns: CRE, DEM, INV, EDI, MOD. An inventory checks the
// identifier's form without its Luhn sum and leaves the kinds' pairing and
// the dates alone; a request or an edition is refused on every checked row.
const sCorps tAsso[] = {
    // C1, C2 the keeper or the holding.
    {C1, 63, 64, 0, 2, 0, 2, 0, fVerifValAut, TAB(FR), SANS_DEP, 30},
    {C2, 65, 76, 0, 2, 0, 2, 0, fVerifDiffNull, TAB(DouzeBlancs), SANS_DEP, 30},
    {C2, 0, 0, 0, 2, 0, 2, 0, asso_fC2_1, SANS_TAB, SANS_DEP, 50},
    {C2, 0, 0, 0, 2, 0, 2, 0, asso_fC2_2, SANS_TAB, SANS_DEP, 68},
    {C3, 77, 78, NON_CONTROLE, nullptr, SANS_TAB, SANS_DEP, 0},  // processing status
    {C4, 79, 79, 0, 2, 0, 2, 0, fVerifValAut, TAB(TYP_IDENT), SANS_DEP, 171},
    {C5, 80, 84, 0, 2, 0, 2, 0, fVerifValAut, TAB(TYP_NUMERO), SANS_DEP, 172},
    {C5, 0, 0, 0, 2, 1, 2, 0, asso_fC5, SANS_TAB, SANS_DEP, 183},
    // C6 the identifier, in the form of its kind.
    {C6, 85, 104, 0, 2, 0, 2, 0, fVerifDiffNull, TAB(vingtBlancs), SANS_DEP, 173},
    {C6, 0, 0, 0, 2, 1, 2, 0, asso_fC6_1, SANS_TAB, SANS_DEP, 136},
    {C6, 0, 0, 1, 2, 0, 2, 1, asso_fC6_1_INV, SANS_TAB, SANS_DEP, 136},
    {C6, 0, 0, 0, 2, 1, 2, 0, asso_fC6_2, SANS_TAB, SANS_DEP, 41},
    {C6, 0, 0, 1, 2, 0, 2, 1, asso_fC6_2_INV, SANS_TAB, SANS_DEP, 41},
    {C6, 0, 0, 0, 2, 0, 2, 0, asso_fC6_3, SANS_TAB, SANS_DEP, 181},
    {C6, 0, 0, 0, 2, 0, 2, 0, asso_fC6_4, SANS_TAB, SANS_DEP, 181},
    {C6, 0, 0, 0, 2, 0, 2, 0, asso_fC6_5, TAB(TD), SANS_DEP, 184},
    {C6, 0, 0, 0, 2, 0, 2, 0, asso_fC6_6, SANS_TAB, SANS_DEP, 181},
    // C7, C8 the period: a start date not after the record's date; an end
    // date, or none.
    {C7, 105, 112, 0, 2, 1, 2, 0, fDATEC, SANS_TAB, SANS_DEP, 174},
    {C7, 0, 0, 0, 2, 1, 2, 0, fCoherenDC, SANS_TAB, DEP_F(F1), 52},
    {C8, 113, 120, 0, 2, 1, 2, 0, asso_fC8_1, SANS_TAB, SANS_DEP, 175},
    {C8, 0, 0, 0, 2, 1, 2, 0, asso_fC8_2, SANS_TAB, DEP_C(C7), 149},
    {C8, 0, 0, 0, 2, 1, 2, 0, asso_fC8_3, SANS_TAB, DEP_F(F1), 52},
    {C9, 121, 230, NON_CONTROLE, nullptr, SANS_TAB, SANS_DEP, 0},
};
const int lAsso = static_cast<int>(sizeof tAsso / sizeof tAsso[0]);

// Labels of the body fields.
const sLibelle libAsso[] = {
    {C1, "code pays"},
    {C2, "numéro de détenteur ou d'exploitation"},
    {C3, "code résultat"},
    {C4, "nature de la partie (D ou E)"},
    {C5, "nature de l'identifiant"},
    {C6, "identifiant"},
    {C7, "date de début de l'association"},
    {C8, "date de fin de l'association"},
    {C9, "zone sans règle"},
};
const int nbLibAsso = static_cast<int>(sizeof libAsso / sizeof libAsso[0]);
