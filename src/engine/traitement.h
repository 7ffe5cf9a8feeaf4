// Processing of one record: the FICH record first, then every record through
// the partner rules, its header, body and trailer rules and the processing
// status rule; EXP1 and EGET creations are paired with the record that
// follows them. The engine says what became of the record in a verdict; the
// driver writes the answers.
#pragma once

#include "engine/moteur.h"

// How an error record echoes the record it answers.
struct sVSERepondu {
    const char* ligne = nullptr;  // the answered record as read
    int longueur = 0;
    bool corpsEnBlanc = false;    // body fields C1 and C2 echoed as blanks
    bool erre = false;            // ERRE layout: C1 of 4 and C2 of 3 characters, then 7 blanks
    int debutC7 = 0, finC7 = 0;   // columns of the identification pair; 0 echoes blanks
    int debutC8 = 0, finC8 = 0;
};

// What became of a record.
struct sVerdict {
    enum class Issue {
        fich,     // the FICH record: nothing is answered now (its errors go to the closing)
        accepte,  // to the result file: octets, stamped
        refuse,   // answered in the error file: codes (nbErreur of them, at most 10) and repondu
        arret,    // the run stops: message is logged and the input put back
    };
    Issue issue = Issue::fich;
    int nbErreur = 0;              // the record's error count
    const char* octets = nullptr;  // accepte: the record as stamped (longueur bytes)
    int longueur = 0;
    const int* codes = nullptr;    // refuse: the error numbers, in the order found
    sVSERepondu repondu;           // the record as an error record answers it
    // The pairing answer prepared for the previous creation is due: it
    // follows this record's own answer in the error file.
    bool appariementDu = false;
    // Nonzero: this record is a creation that needs its dependent record; the
    // answer with this single error number (answering repondu) is prepared,
    // to be written if that record does not follow.
    int appariementPrepare = 0;
    const char* message = nullptr;  // arret
};

// Processes the record `tampon` (longueur bytes as read, at most 256; stamped
// in place when accepted), line `nombreDeVSE` of the input (1 is the FICH
// record). The verdict points into tampon and into m: it is read before the
// next record.
sVerdict traitement(sMoteur& m, char* tampon, int longueur, int visu, int nombreDeVSE);

// End of the input, `nombre` records after the FICH record.
struct sCloture {
    bool appariementDu = false;  // the pending pairing answer is due: its dependent record never came
    bool fichEnErreur = false;   // the FICH record, error-free so far, is now in error
};
// Checks the record count that FICH announced (error 100 on the FICH record)
// and whether a pairing is left open.
sCloture cloture(sMoteur& m, int nombre);

// Error number of the processing status rule (0 when the status is admitted)
// for a build variant, the emitter of the file, the record type and the
// status field (body columns 77 to 78).
int regleStatut(const char* variante, const char* emetteur, const char* typeVSE, const char* statut);
