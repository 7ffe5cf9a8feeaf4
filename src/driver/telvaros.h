// The driver: one run over one input file.
#pragma once

#include <string>

#include "driver/execution.h"

// Runs the tool on its command line; returns the exit code:
// 0 result file delivered, 2 error file delivered, 1 fatal error,
// 3 version shown or command line rejected.
int telvaros(int argc, char** argv);

// Reads the options ("D:vdi"), stores the display mode through pvisu and
// returns the position of the first path argument, or -2 when the version or
// the usage text was shown.
int verificationParametre(int argc, char** argv, int* pvisu);
void usage();

// Directory part of a path, without and with its separator, and base name.
std::string nomDuRep(const std::string& chemin);
std::string nomDuRep2(const std::string& chemin);
std::string nomDuFic(const std::string& chemin);

// Temporary name: the temporary directory chosen for `repertoire` ($TMPDIR
// when it names a directory, else `repertoire` when it is one, else /tmp),
// then the base name of the file to process and the suffix.
std::string nomTemporaire(const std::string& repertoire, const std::string& ficNameRecu, const char* suffixe);

// The set-up sequence and the main loop over the files named in ctx.
int executer(sExecution& ctx);
