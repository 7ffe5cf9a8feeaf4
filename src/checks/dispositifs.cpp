// Identification-device checks (see dispositifs.h).
//
// Values are read byte by byte and never trimmed; a value cut short by a
// short line is refused wherever a character it lacks is required, and
// nothing past its terminating NUL is read.
#include "checks/dispositifs.h"

#include <cstring>

#include "checks/comparaisons.h"
#include "checks/dates.h"
#include "checks/generiques.h"
#include "checks/identifiants.h"
#include "checks/octets.h"
#include "model/modele.h"
#include "reference/valautorise.h"

namespace {

// Lowest and highest marking codes: from the lowest range of IND_M to the
// highest of the ranges some establishments hold on top of it.
constexpr char MARQUAGE_MIN[] = "100000";
constexpr char MARQUAGE_MAX[] = "683499";
constexpr char HUIT_BLANCS[] = "        ";

bool estFR(const char* pays) { return egalTexte(pays, "FR"); }

// True when characters debut to debut + n - 1 (0-based) of v are digits; the
// value's NUL is no digit, so a shorter value fails without being read past.
bool chiffres(const char* v, int debut, int n) {
    for (int i = 0; i < debut + n; ++i) {
        if (v[i] == '\0') return false;
        if (i >= debut && !estChiffre(v[i])) return false;
    }
    return true;
}

// True when characters debut to debut + n - 1 of v are blanks (same reading).
bool blancs(const char* v, int debut, int n) {
    for (int i = 0; i < debut + n; ++i) {
        if (v[i] == '\0') return false;
        if (i >= debut && v[i] != ' ') return false;
    }
    return true;
}

// The first 6 characters are 6 digits between the lowest and the highest
// marking code.
bool marquageValide(const char* v) {
    return chiffres(v, 0, 6) && comparerDebut(v, MARQUAGE_MIN, 6) >= 0 && comparerDebut(v, MARQUAGE_MAX, 6) <= 0;
}

// Characters 1 to 6 of a model code are no blanks and the value ends with
// exactly 2 blanks after them.
bool modeleRempli(const char* v) {
    for (int i = 0; i < 6; ++i) {
        if (v[i] == '\0' || v[i] == ' ') return false;
    }
    return egalTexte(v + 6, "  ");
}

// Character `position` (1-based) of a model code, as a 1-character string,
// is an entry of the rule's table. A value without that character is refused.
template <int POSITION>
bool caractereDansTable(const char* v, const void* sverif, int lenSverif) {
    if (longueurBornee(v, POSITION) < POSITION) return false;
    const char cle[2] = {v[POSITION - 1], '\0'};
    thread_local IndexMemorise index;
    return index.contient(cle, sverif, lenSverif);
}

// Characters 4 to 6 of a model code are digits.
bool numeroDeModele(const char* v) { return chiffres(v, 3, 3); }

bool huitBlancs(const char* v) { return egalTexte(v, HUIT_BLANCS); }

// The record's date (blanks read as '0') is on or after 1 January 2011.
bool depuis2011(const char* date) { return fVTABP(date, P17[0]) != 0; }

}  // namespace

int fConform_OC_FR(const char* dependance, char* champ, const void*, int) {
    if (!estFR(dependance)) return 1;
    // 6 digits of the marking code, 5 digits, one blank.
    return marquageValide(champ) && chiffres(champ, 6, 5) && egalTexte(champ + 11, " ");
}

int fConform_OC_UE(const char* dependance, char* champ, const void* sverif, int lenSverif) {
    if (estFR(dependance)) return 1;
    return fVerifNumEtranger(dependance, champ, sverif, lenSverif);
}

int fConform_OC_TP(const char* dependance, char* champ, const void*, int) {
    if (!estFR(dependance)) return 1;
    if (!marquageValide(champ)) return 0;
    // Character 7 is set by the order type: 'R' or 'C' for the two kinds of
    // replacement orders, a digit for any other.
    const char* typeCommande = valCorpsVSE[C9].valeur;
    const char septieme = champ[6];
    if (egalTexte(typeCommande, "PR")) {
        if (septieme != 'R') return 0;
    } else if (egalTexte(typeCommande, "PC")) {
        if (septieme != 'C') return 0;
    } else if (!estChiffre(septieme)) {
        return 0;
    }
    // Then 4 blanks or 4 digits, never a mixture, and one blank.
    if (!blancs(champ, 7, 4) && !chiffres(champ, 7, 4)) return 0;
    return egalTexte(champ + 11, " ");
}

int fConform_OC_IND_M(const char*, char* champ, const void*, int) {
    return marquageValide(champ) && egalTexte(champ + 6, "      ");
}

int fConform_OC_model1(const char*, char* champ, const void*, int) { return modeleRempli(champ); }

int fConform_OC_model2(const char*, char* champ, const void* sverif, int lenSverif) {
    return caractereDansTable<1>(champ, sverif, lenSverif);
}

int fConform_OC_model3(const char*, char* champ, const void* sverif, int lenSverif) {
    return caractereDansTable<2>(champ, sverif, lenSverif);
}

int fConform_OC_model4(const char*, char* champ, const void* sverif, int lenSverif) {
    return caractereDansTable<3>(champ, sverif, lenSverif);
}

int fConform_OC_model5(const char*, char* champ, const void*, int) { return numeroDeModele(champ); }

int fConform_OC_pays_orig(const char* dependance, char* champ, const void*, int) {
    // A French identifier names the country the animal comes from; a foreign
    // one leaves it blank.
    if (estFR(dependance)) return estDansTable(champ, TP, LenTP);
    return egalTexte(champ, "  ");
}

int fConform_OC_compteur(const char* dependance, char* champ, const void*, int) {
    // Only the tags of kind 'E' (character 3 of the model) carry a counter,
    // "0" to "7" compared as whole strings, so that an empty value is refused.
    const bool avecCompteur = longueurBornee(dependance, 3) == 3 && dependance[2] == 'E';
    if (avecCompteur) return comparerDebut(champ, "0", 2) >= 0 && comparerDebut(champ, "7", 2) <= 0;
    return egalTexte(champ, " ");
}

int fConform_BV_model1(const char* dependance, char* champ, const void*, int) {
    // A blank model is allowed for records dated before 2011 only.
    if (huitBlancs(champ)) return !depuis2011(dependance);
    return modeleRempli(champ);
}

int fConform_BV_model2(const char*, char* champ, const void* sverif, int lenSverif) {
    return huitBlancs(champ) || caractereDansTable<1>(champ, sverif, lenSverif);
}

int fConform_BV_model3(const char*, char* champ, const void* sverif, int lenSverif) {
    return huitBlancs(champ) || caractereDansTable<2>(champ, sverif, lenSverif);
}

int fConform_BV_model4(const char*, char* champ, const void* sverif, int lenSverif) {
    return huitBlancs(champ) || caractereDansTable<3>(champ, sverif, lenSverif);
}

int fConform_BV_model5(const char*, char* champ, const void*, int) {
    return huitBlancs(champ) || numeroDeModele(champ);
}

int fConform_temoin_bouc1(const char* dependance, char* champ, const void*, int) {
    // From 2011 on the indicator is given: its first character is no blank.
    // Its value is judged by fConform_temoin_bouc2 alone, not against a list.
    return !depuis2011(dependance) || champ[0] != ' ';
}

int fConform_temoin_bouc2(const char*, char* champ, const void*, int) { return !egalTexte(champ, "0"); }
