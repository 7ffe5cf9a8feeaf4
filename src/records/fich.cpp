// FICH, the file-header record: its body fields are cut out but not checked.
#include "records/records.h"

const sCorps tFich[] = {
    {C1, 63, 78, TOUJOURS, nullptr, SANS_TAB, SANS_DEP, 0},    // number of the emitted file
    {C2, 79, 94, TOUJOURS, nullptr, SANS_TAB, SANS_DEP, 0},
    {C3, 95, 100, TOUJOURS, nullptr, SANS_TAB, SANS_DEP, 0},   // number of records announced
    {C4, 101, 106, TOUJOURS, nullptr, SANS_TAB, SANS_DEP, 0},
    {C5, 107, 112, TOUJOURS, nullptr, SANS_TAB, SANS_DEP, 0},
    {C6, 113, 118, TOUJOURS, nullptr, SANS_TAB, SANS_DEP, 0},
    {C7, 119, 124, TOUJOURS, nullptr, SANS_TAB, SANS_DEP, 0},
    {C8, 125, 125, TOUJOURS, nullptr, SANS_TAB, SANS_DEP, 0},
    {C9, 126, 230, TOUJOURS, nullptr, SANS_TAB, SANS_DEP, 0},
};
const int lFich = static_cast<int>(sizeof tFich / sizeof tFich[0]);

// Labels of the body fields.
const sLibelle libFich[] = {
    {C1, "numéro du fichier émis"},
    {C2, "zone reprise dans le résumé"},
    {C3, "nombre d'enregistrements annoncé"},
    {C4, "zone reprise dans le résumé"},
    {C5, "zone reprise dans le résumé"},
    {C6, "zone sans règle"},
    {C7, "zone reprise dans le résumé"},
    {C8, "caractère 125, reprise dans le résumé"},
    {C9, "zone sans règle"},
};
const int nbLibFich = static_cast<int>(sizeof libFich / sizeof libFich[0]);
