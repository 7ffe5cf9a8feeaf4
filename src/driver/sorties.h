// Result, error and log files: the error record, the summary records, the
// closing that delivers one output, and the closing that delivers none.
#pragma once

#include "driver/execution.h"

// Messages of the fatal errors, as written in the log.
namespace message {
inline constexpr char IG002[] =
    "IG002: Données incorrectes ou absentes : impossible d'accéder au fichier d'erreur";
inline constexpr char IG003[] =
    "IG003: Données incorrectes ou absentes : impossible d'accéder au fichier temporaire à traiter";
inline constexpr char IG004[] =
    "IG004: Données incorrectes ou absentes : impossible d'accéder au fichier à émettre";
inline constexpr char IG008[] = "IG008: Differents formats de VSE (DOS, UNIX, MAC)";
inline constexpr char IG009[] =
    "IG009: Données incorrectes ou absentes : impossible de renommer le fichier reçu";
inline constexpr char IG010[] =
    "IG010: Données incorrectes ou absentes : impossible de renommer le fichier à envoyer";
inline constexpr char IG011[] = "IG011: Données incorrectes ou absentes : VSE FICH n'existe pas";
inline constexpr char IG014[] = "IG014: Pas de VSE de base";
inline constexpr char IG015[] = "IG015: Présence de VSE de longueur nulle";
inline constexpr char I073[] = "I073 : Plus de 10000 enregistrements dans le fichier";
inline constexpr char I099[] = "I099 : Donnée absente : numéro du fichier émis";
}  // namespace message

// Builds the 26-character trailer "DDMMYYYYhhmmss025        *" of the local time.
void prepareVSEDate(char VSEDate[36]);

// Writes the single log line for `erreur` (local time) and closes the log;
// when the line cannot be written, says so on the standard error. Once the
// line is written, later calls write nothing.
void consigner(sExecution& ctx, const char* erreur);

// Writes the 256-space placeholder line into the result and the error file.
void initFichier(sExecution& ctx);

// Writes the line end of the input's format: CR LF (DOS), CR (MAC), else LF.
void faireFinDeLigne(FichierSortie& fp, int formatDeFichier);

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

// How an error record echoes the record it answers.
struct sVSERepondu {
    const char* ligne = nullptr;  // the answered record as read
    int longueur = 0;
    bool corpsEnBlanc = false;    // body fields C1 and C2 echoed as blanks
    bool erre = false;            // ERRE layout: C1 of 4 and C2 of 3 characters, then 7 blanks
    int debutC7 = 0, finC7 = 0;   // columns of the identification pair; 0 echoes blanks
    int debutC8 = 0, finC8 = 0;
};

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

// The closing: writes the summary record, delivers the result file (0) or
// the error file (2); 1 when the delivery failed (its message is logged).
int faireVSEFICH(sExecution& ctx, int nbVSE_Err, int nombreDeVSE, int formatDuFichier);
