// The report of a file: the file is read as the tool reads it, every record
// goes through the engine's record processing, and what the tool would answer
// is gathered, with an explanation of every error number: the rule, the
// field and the value that gave it.
#pragma once

#include <string>
#include <vector>

// Where an error number comes from.
enum class Origine {
    regle,        // a rule's check refused the field
    interdite,    // the field is not admitted for the action (86 without a check)
    ligne,        // a fault of the line itself (106 to 108)
    partenaire,   // a partner rule of the record processing
    statut,       // the processing status rule
    appariement,  // a creation whose dependent record did not follow (105, 138)
    nombre,       // the record count announced by FICH (100)
    inconnue,     // not found again (the explanation walk disagrees with the engine)
};

struct sErreurExpliquee {
    int numero = 0;
    Origine origine = Origine::inconnue;
    char zone = 0;          // 'E', 'C', 'F'; 0 when no field is concerned
    int champ = -1;         // field number (0-based), or -1
    int debut = 0, fin = 0; // columns of the field
    std::string libelle;    // label of the field
    std::string valeur;     // the bytes read in its columns (cut short at the end of a short line)
    bool valeurLue = false; // valeur is meaningful
    std::string regle;      // the check's name
    std::string teste;      // what the check tests, when known
    std::string table;      // its allowed-value table
    std::string dependance; // the field it depends on
    std::string detail;     // what the engine's own rule found
};

struct sEnregistrementEnErreur {
    int ligne = 0;               // 1-based line of the input
    std::string type, action;    // header E6 and E5 as read
    std::string c7, c8;          // the identification pair that the error record carries
    std::vector<sErreurExpliquee> erreurs;  // in the order of the error record (at most 10)
};

struct sRapport {
    std::vector<sEnregistrementEnErreur> enErreur;  // in the order of the error file
    int lus = 0;        // lines handed to the record processing, FICH included
    int acceptes = 0;   // records that would go to the result file
    int nbEnErreur = 0; // records in error, as the summary record counts them
    int code = 0;       // exit code of the tool: 0, 2, or 1
    std::string message;  // the log message of a fatal stop ("" otherwise)
    int ligneArret = 0;   // the line being read when the run stopped (fatal case)
    bool explicationsConformes = true;  // every explanation walk found the engine's numbers
};

// Reads the file open on descriptor fd (read-only, never written) and gives
// the report of it. A read error stops as the tool does (IG003).
sRapport analyser(int fd);

// Bytes outside 32 to 126 written "\xHH", and the backslash "\\".
std::string echapper(const std::string& octets);
