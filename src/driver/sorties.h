// Result, error and log files: the error record, the summary records, the
// closing that delivers one output, and the closing that delivers none.
#pragma once

#include "driver/execution.h"
#include "engine/traitement.h"
#include "model/messages.h"

// Builds the 26-character trailer "DDMMYYYYhhmmss025        *" of the local time.
void prepareVSEDate(char VSEDate[36]);

// Writes the single log line for `erreur` (local time) and closes the log;
// when the line cannot be written, says so on the standard error. Once the
// line is written, later calls write nothing.
void consigner(sExecution& ctx, const char* erreur);

// Writes the 256-space placeholder line into the result and the error file.
void initFichier(sExecution& ctx);

// Writes the line end of the input's format: CR LF (DOS), CR (MAC), else LF.
// Written before every record of the outputs, it is inlined.
[[gnu::always_inline]] inline void faireFinDeLigne(FichierSortie& fp, int formatDeFichier) {
    switch (formatDeFichier) {
    case TELVAROS_DOS:
        fp.ecrire("\r\n", 2);
        break;
    case TELVAROS_MAC:
        fp.ecrire('\r');
        break;
    default:
        fp.ecrire('\n');
        break;
    }
}

// Closes the input and both outputs, ignoring what they report.
void allCloseFile(sExecution& ctx);

// Removes every output the run created (a failed removal is tried once more),
// then puts the input back under its own name, never over a file that took
// that name meanwhile. False when the input could not be put back: it then
// stays under its temporary name and the IG009 line is logged.
bool nePasEmettre(sExecution& ctx);

// A fatal error once the input was moved aside: closes everything, puts the
// input back, removes the outputs, logs `erreur` (unless IG009 was logged
// instead). Returns the exit code 1.
int echouer(sExecution& ctx, const char* erreur);

// Builds the 256-character error record answering `repondu` with the first
// n error numbers of `codes` (n at most 10).
void construireVSEERR(const sExecution& ctx, const sVSERepondu& repondu, const int* codes, int n,
                      char enregistrement[LONGUEUR_VSE]);

// Writes the error record (without line end) to the error file. A count
// above 10 writes 10 numbers and sets the record's error count to 10.
void faireVSEERR(sExecution& ctx, const sVSERepondu& repondu, int nbErreurPassee, const int* codes);

// Prepares, in sauvTamponVSE, the error record with the single number codeErr
// that answers the current record if its dependent record does not follow.
void faireTamponVSEERR(sExecution& ctx, int codeErr, const sVSERepondu& repondu);

// Writes the answers of a record's verdict: the accepted record to the
// result file, or its error record to the error file, each after a line end
// of formatDuFichier; then the pairing answer when it is due; then prepares
// the pairing answer the verdict asks for.
void ecrireVerdict(sExecution& ctx, const sVerdict& verdict, int formatDuFichier);

// Writes the prepared pairing answer, after a line end, to the error file.
void ecrireAppariement(sExecution& ctx, int formatDuFichier);

// The closing: writes the summary record, delivers the result file (0) or
// the error file (2); 1 when the delivery failed (its message is logged).
int faireVSEFICH(sExecution& ctx, int nbVSE_Err, int nombreDeVSE, int formatDuFichier);
