// Checks shared by the entry (ENTR) and exit (SORT) records.
#include "records/mouvements.h"

#include <cstring>

#include "checks/dates.h"
#include "checks/generiques.h"
#include "checks/index.h"
#include "checks/octets.h"
#include "checks/identifiants.h"
#include "model/modele.h"
#include "reference/valautorise.h"

namespace {

// Blank means exactly the field's width of spaces: a value cut short by a
// short line is not blank.
constexpr char kPaysBlanc[] = "  ";
bool paysBlanc(const char* pays) { return egalTexte(pays, kPaysBlanc); }
bool numeroBlanc(const char* numero) { return egalTexte(numero, "            "); }
// A name that does not start with a blank is no run of blanks: no call.
bool nomBlanc(const char* nom) { return nom[0] == ' ' && std::strcmp(nom, soixanteBlancs[0]) == 0; }

// True when the first character of the value is one of the codes. An empty
// value has no first character and is in no set.
bool codeParmi(const char* valeur, const char* codes) {
    if (valeur[0] == '\0') return false;
    for (const char* c = codes; *c != '\0'; ++c) {
        if (*c == valeur[0]) return true;
    }
    return false;
}

// True when the record's movement cause C5 is one of the codes.
bool causeParmi(const char* codes) { return codeParmi(valCorpsVSE[C5].valeur, codes); }

// A modification of a movement dated (C4) before 1 January 1999 is exempt
// from the partner requirements; a creation never is.
bool exempte(regimeMvt regime) { return regime == MVT_MOD && !fVTABP(valCorpsVSE[C4].valeur, P8[0]); }

}  // namespace

int mvt_fC5(const char* actionE5, const char* cause) {
    // An empty cause has its NUL here, none of the four.
    const char c = cause[0];
    if (c != 'F' && c != 'G' && c != 'S' && c != 'T') return 1;
    return egalTexte(actionE5, "CRE");
}

int mvt_fC8(const char* pays, const CausesMvt& causes, regimeMvt regime) {
    if (!paysBlanc(pays)) return dansTableFixe<TP, &LenTP>(pays);
    return !causeParmi(causes.paysRequis) || exempte(regime);
}

int mvt_fC9_1(const char* numero, const CausesMvt& causes, regimeMvt regime) {
    const bool sansPays = paysBlanc(valCorpsVSE[C8].valeur);
    if (!numeroBlanc(numero)) return !sansPays;
    if (sansPays) return 1;
    return causeParmi(causes.paysSansNumero) || exempte(regime);
}

int mvt_fC9_2(char* numero) {
    if (numeroBlanc(numero)) return 1;
    return fConform8FR(valCorpsVSE[C8].valeur, numero, TD, LenTD);
}

int mvt_fC10(const char* nom, const CausesMvt& causes, regimeMvt regime) {
    if (!nomBlanc(nom)) return 1;
    if (causeParmi(causes.nomFacultatif)) return 1;
    return !numeroBlanc(valCorpsVSE[C9].valeur) || exempte(regime);
}
