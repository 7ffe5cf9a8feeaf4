// What the report program says about a rule: the name of its check, of its
// allowed-value table and of the field it depends on, the label of a field,
// and the errors that the engine records itself. The report program sits at
// the driver's level of the layers: it may use every layer below it, and
// nothing includes it.
#pragma once

#include <string>
#include <vector>

#include "model/modele.h"
#include "records/records.h"

// A rule table with the labels of its fields.
struct sTableDecrite {
    const char* zone;        // "E" header, "C" body, "F" trailer
    const sCorps* regles;
    int nombre;
    const sLibelle* libelles;
    int nbLibelles;
};

// The header and trailer tables, and the body table of a record type given by
// its switch-table index (ERR_AIGUILLAGE: none, regles null); fichier() is the
// body table of the FICH record.
sTableDecrite tableEntete();
sTableDecrite tableFin();
sTableDecrite tableCorps(int idx);
sTableDecrite tableFich();

// Label of field numChamp of a table, or "" when it has none.
const char* libelle(const sTableDecrite& t, int numChamp);

// Name of a check function ("?" when it is none of the known checks).
const char* nomDeCheck(pfVerif_t f);
// True when every check named by every rule table has a name.
bool nomTrouve(pfVerif_t f);

// One short line on what a check function tests, or "" when none is written.
const char* ceQueTeste(pfVerif_t f);

// The allowed-value table of a rule as "TP (245 valeurs)", or "" for none.
std::string nomDeTable(const sCorps& r);

// The field a rule's dependance reads, as "C1 (code pays)" or "E6 (type
// d'enregistrement)" or "E3 de l'enregistrement FICH (...)"; "" for none.
std::string nomDeDependance(const sCorps& r, const sTableDecrite& t);

// Columns of a rule's field: its own, or those of the rule above with
// columns when it is an additional rule.
void colonnesDeRegle(const sTableDecrite& t, int rang, int* debut, int* fin);

// What an error number the engine records itself means, or "" when the
// number is only recorded by rules.
const char* erreurDuMoteur(int numero);

// A rule that carries an error number: its table, its row.
struct sRegleTrouvee {
    sTableDecrite table;
    int rang;
};
// Every rule of the header, of the body table and of the trailer that records
// `numero` when its check refuses.
std::vector<sRegleTrouvee> reglesPortant(int numero, const sTableDecrite& corps);
