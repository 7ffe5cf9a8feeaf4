// Value slots of the current record and of the FICH record.
#include "model/modele.h"

#include <cstring>

valeurVSE valEnteteVSE[NB_ENTETE];
valeurVSE valCorpsVSE[NB_CORPS];
valeurVSE valFinVSE[NB_FIN];
valeurVSE valFichEnteteVSE[NB_ENTETE];
valeurVSE valFichCorpsVSE[NB_CORPS_FICH];

char xdebug[4096];

const char depVide[] = "";

vseCorps cp;

void effacerModele() {
    std::memset(valEnteteVSE, 0, sizeof valEnteteVSE);
    std::memset(valCorpsVSE, 0, sizeof valCorpsVSE);
    std::memset(valFinVSE, 0, sizeof valFinVSE);
    std::memset(valFichEnteteVSE, 0, sizeof valFichEnteteVSE);
    std::memset(valFichCorpsVSE, 0, sizeof valFichCorpsVSE);
    std::memset(xdebug, 0, sizeof xdebug);
    std::memset(&cp, 0, sizeof cp);
}
