// Quantities of the device records (see dispositifs_communs.h).
#include "records/dispositifs_communs.h"

#include "checks/nombres.h"
#include "checks/octets.h"

bool quantiteEnChiffres(const char* quantite) {
    // Six digits read as a number are 0 only when all six are '0'.
    bool nonNul = false;
    for (int i = 0; i < 6; ++i) {
        if (!estChiffre(quantite[i])) return false;  // also stops at the end of a short value
        nonNul = nonNul || quantite[i] != '0';
    }
    return nonNul;
}

bool quantiteJusqua(const char* quantite, int maximum) {
    const int n = lireEntier(quantite);
    return n > 0 && n <= maximum;
}

bool plageJusqua(const char* numero, int depuis, const char* quantite, int maximum) {
    // A number cut short before that character has nothing to read there: 0.
    const char* suite = longueurBornee(numero, depuis - 1) == depuis - 1 ? numero + depuis - 1 : "";
    return sommeSaturee(lireEntier(suite), lireEntier(quantite)) <= maximum;
}
