// The driver: command line, run lifecycle, file operations, the reader and
// main loop, and the result, error and log files with their record formats.
// It hands each record to the engine and writes what the engine's verdict
// says. It may use every layer below it (src/engine, src/records,
// src/checks, src/model, src/reference); only main.cpp uses it.
//
// State of one run: the files, the main loop's counts, and the engine's
// state. One run, one sExecution.
#pragma once

#include <string>

#include "driver/fichiers.h"
#include "engine/moteur.h"

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

    // Main loop.
    int formatDuFichier = -1;   // -1 until a line is processed, then DOS, UNIX or MAC
    int nombreDeVSE = 1;        // 1-based number of the line being read
    int nbVSE_Err = 0;          // records in error so far

    // The pairing answer prepared for a pending EXP1 or EGET creation, and
    // whether the current record's processing wrote it.
    char sauvTamponVSE[257] = {};
    int existDependanceVSEerr = 0;

    // Record processing: the engine's state.
    sMoteur moteur;
};
