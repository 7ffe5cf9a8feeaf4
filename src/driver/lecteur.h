// Input reader and main loop.
#pragma once

#include "driver/execution.h"

// Reads one line of the input into tampon (at most 256 characters kept, then
// a NUL; the buffer holds LONGUEUR_VSE + 1) and its length into *longueur;
// sets ctx.codLong and ctx.codCaract; returns the line-end kind.
int telvarosFgets(sExecution& ctx, char* tampon, int* longueur);

// Reads the input line by line, processes every record, checks the end of the
// input and closes the run; returns the exit code.
int traiterFichier(sExecution& ctx);
