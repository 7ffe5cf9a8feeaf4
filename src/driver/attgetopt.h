// The classic single-letter option parser. Its state lives in an sGetopt
// rather than in globals, so that each run starts from a fresh parser.
#pragma once

struct sGetopt {
    int optind = 1;           // index of the next argument to examine
    int opterr = 1;           // print diagnostics when nonzero
    char* optarg = nullptr;   // argument of the last option, or null
    int position = 1;         // position inside the current argument
};

// Next option letter, '?' for an error, -1 when the options are over.
int getopt(sGetopt& etat, int argc, char** argv, const char* opts);
