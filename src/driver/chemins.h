// What the paths of a run name, found out before the run creates, moves or
// truncates anything: the run refuses paths that name one file twice, an
// input that is not a regular file, outputs that exist and are not regular
// files, and temporary directories on another file system than the files
// they stand in for. The outputs and the log are then opened without ever
// following a symbolic link, and checked again once opened.
#pragma once

#include <sys/stat.h>

#include <string>

// What one name was found to be (through the file layer, without following a
// final symbolic link).
struct sNom {
    std::string chemin;
    bool connu = false;          // the name could be looked at (found, or absent)
    bool existe = false;
    struct stat etat {};         // of the name itself when it exists
    bool repertoireConnu = false;
    dev_t repertoireDev = 0;     // the directory that holds the name
    ino_t repertoireIno = 0;
    std::string base;            // the name within that directory
};

sNom examinerNom(const std::string& chemin);

// True when both name one directory entry (whether it exists or not).
bool memeEntree(const sNom& a, const sNom& b);
// True when both name one file: one directory entry, or two names of one
// existing file (a hard link).
bool memeFichier(const sNom& a, const sNom& b);

// The six names of a run, examined once.
struct sNomsDuRun {
    sNom recu, emis, log, tmpRecu, tmpEmis, erre;
};

// Why the paths of a run are refused: the text written on the standard error
// (without line end) and the message of the log line, or none when the log
// itself is at fault (it is then neither truncated nor written). `errnoLog`
// is set when the text is the system's description of that errno (perror).
struct sRefus {
    std::string texte;
    const char* ligne = nullptr;
    int errnoLog = 0;
};

// Checks the names; false and `refus` filled when the run must not start.
bool verifierNoms(const sNomsDuRun& noms, sRefus& refus);

// The log's own checks only: false when the log may not be truncated nor
// written (it is not a regular file, or names another file of the run).
bool journalUtilisable(const sNomsDuRun& noms);

// Opens for writing a regular file whose name was examined as `attendu`:
// an absent name is created exclusively; an existing one is opened without
// following a symbolic link nor blocking on a special file, proved to be the
// very file examined (`attenduExiste` false: any regular file), and only then
// emptied. Returns the descriptor; -1 with errno set when it cannot be
// opened, and -1 with `remplace` true when what was found is not the file
// examined (nothing was changed in it).
int ouvrirEnEcriture(const sNom& attendu, bool attenduExiste, bool& remplace);

// Opens for reading the input examined as `attendu` (under `chemin`, its own
// name or the one it was moved to), without following a symbolic link nor
// blocking on a special file, and proves it is that regular file. Same
// returns as ouvrirEnEcriture.
int ouvrirEnLecture(const char* chemin, const sNom& attendu, bool& remplace);

// Text written when an opened file is not the file examined.
inline constexpr char FICHIER_REMPLACE[] = "le fichier a été remplacé pendant sa vérification";
