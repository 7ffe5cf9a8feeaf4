// Input reader and main loop.
#pragma once

#include "driver/execution.h"

// Reads one line of the input into tampon (at most 256 characters kept, then
// a NUL; the buffer holds LONGUEUR_VSE + 1) and its length into *longueur;
// sets the engine's codLong and codCaract; returns the line-end kind.
int telvarosFgets(sExecution& ctx, char* tampon, int* longueur);

// Processes one line as record nombreDeVSE through the engine and writes
// its answers (line ends of formatDuFichier). Returns -2 when the engine
// stopped the run (the input is then put back and the message logged), else
// the record's error count.
int traiterLigne(sExecution& ctx, char* tampon, int longueur, int visu, int nombreDeVSE, int formatDuFichier);

// Reads the input line by line, processes every record, checks the end of the
// input and closes the run; returns the exit code.
int traiterFichier(sExecution& ctx);
