// State of one run: the files, the reader's state, and what record
// processing keeps from one record to the next. One run, one sExecution.
#pragma once

#include <string>

#include "driver/fichiers.h"
#include "model/modele.h"

// Line-end kinds returned by the reader; DOS, UNIX and MAC are also the
// format codes of a file, which select the line end the outputs are written with.
enum telvarosFgetsRet {
    TELVAROS_EOF = 0,         // end of the input
    TELVAROS_DOS = 1,         // line ended by CR LF
    TELVAROS_UNIX = 2,        // line ended by LF
    TELVAROS_MAC = 3,         // line ended by a CR not followed by LF
    TELVAROS_LONGNULLE = 4,   // a line end with no character before it
    TELVAROS_CTRLZ = 5,       // the character 26
    TELVAROS_ERREUR = 6,      // the input could not be read
};

struct sExecution {
    // Files. The names are derived once from the three path arguments.
    std::string name_recu;      // file to process
    std::string name_emis;      // file to send
    std::string name_log;       // log
    std::string name_tmp_recu;  // the file to process, moved aside while it is read ("_r")
    std::string name_tmp_emis;  // result file under construction ("_e")
    std::string name_erre;      // error file under construction ("_o")
    FichierSortie fp_log;
    FichierEntree fp_recu;
    FichierSortie fp_emis;
    FichierSortie fp_erre;

    // What this run did to the file system: a run puts back only what it
    // moved and removes only what it created.
    bool recuDeplace = false;   // name_recu moved to name_tmp_recu
    bool emisCree = false;      // name_emis created or truncated
    bool tmpEmisCree = false;
    bool erreCree = false;
    bool journalEcrit = false;  // the single log line is written (the log is closed)

    int visu = noVisu;
    char VSEDate[36] = {};      // trailer stamped at the start of the run (26 characters)

    // Reader and main loop.
    int codLong = 0;            // 0 right length, 1 too long, 2 too short
    int codCaract = 0;          // 1 when the line holds a byte outside 32..126
    int formatDuFichier = -1;   // -1 until a line is processed, then DOS, UNIX or MAC
    int nombreDeVSE = 1;        // 1-based number of the line being read
    int nbVSE_Err = 0;          // records in error so far

    // Record processing.
    int codeErreur[11] = {};    // error numbers of the current record (10 used)
    int nbErreur = 0;           // error count of the current record
    int errFich = 0;            // error count of the FICH record
    int codeFichErreur[11] = {};
    char sauvEmetteur[9] = {};  // E3 of the FICH record
    char sauvRecepteur[9] = {}; // E4 of the FICH record
    char sauvCodeVSE[5] = {};   // E6 of the previous record
    char sauvTypeVSE[4] = {};   // E5 of the previous record
    int sauvCodeVSEerr = 0;     // error count of the previous record
    char sauvLienVSE[13] = {};  // C2 of a pending EXP1 or EGET creation
    char sauvTamponVSE[257] = {};  // error record prepared for that creation
    int existDependanceVSEerr = 0;
    int err_aux = 0;
    bool fichTraite = false;    // the FICH record has been processed

    // The FICH record as read, echoed in the summary records and error records.
    char tamponFich[LONGUEUR_VSE] = {};
    int longueurFich = 0;
};
