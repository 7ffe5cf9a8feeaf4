// Processing of one record: the FICH record first, then every record through
// the partner rules, its header, body and trailer rules and the processing
// status rule; an accepted record goes to the result file, a rejected one is
// answered in the error file; EXP1 and EGET creations are paired with the
// record that follows them.
#pragma once

#include "driver/execution.h"

// Processes the record `tampon` (longueur bytes as read, at most 256; stamped
// in place when accepted). Returns -2 when the run has been stopped (the
// message is logged and the input put back), else the record's error count.
int traitement(sExecution& ctx, char* tampon, int longueur, int visu, int nombreDeVSE, int formatDuFichier);

// Error number of the processing status rule (0 when the status is admitted)
// for a build variant, the emitter of the file, the record type and the
// status field (body columns 77 to 78).
int regleStatut(const char* variante, const char* emetteur, const char* typeVSE, const char* statut);
