// Helpers shared by the fault, crash and concurrency tests: runs of known
// outcome, a run inside this process or inside a child process, and the
// comparison of an answer with the one a clean run delivers.
#pragma once

#include <sys/types.h>

#include <functional>
#include <string>
#include <vector>

#include "outils.h"

namespace surete {

// An input and what a clean run makes of it: the exit code, and for a
// failing run the message of its log line.
struct Scenario {
    std::string nom;
    std::string entree;
    int code = 0;
    const char* message = nullptr;
};

// Every record accepted: the result file is delivered (0).
Scenario resultat(int nombre);
// The last record refused: the error file is delivered (2).
Scenario refus(int nombre);
// A FICH record alone: IG014.
Scenario sansEnregistrement();
// `nombre` records with LF, then one with CR LF: IG008.
Scenario formatsMelanges(int nombre);
// A first record that is no FICH record: IG011 (stopped by record processing).
Scenario sansFich();

// The files of one run: in.txt, out.txt and log.txt in one directory, the
// temporary files in another, named by TMPDIR.
struct Essai {
    essai::Repertoire rep, tmp;
    std::string entree() const { return rep / "in.txt"; }
    std::string sortie() const { return rep / "out.txt"; }
    std::string journal() const { return rep / "log.txt"; }
    std::string tmpRecu() const { return tmp / "in.txt_r"; }
    std::string tmpEmis() const { return tmp / "in.txt_e"; }
    std::string tmpErre() const { return tmp / "in.txt_o"; }
};

// Runs the tool in this process over the files of `e` (TMPDIR set for the
// run only); faults and journals are planned by the caller, and reset after.
int lancerIci(const Essai& e);

// Runs `corps` in a child process whose standard output and error go to
// /dev/null; the child ends with the value `corps` returns. Returns the pid.
pid_t lancerFils(const std::function<int()>& corps);
// Waits for a child; its exit code, or 128 + the signal that ended it.
int attendreFils(pid_t pid);

// The content of an answer with the run's time stamps masked, line by line
// (any line end), so that two runs of the same input compare equal.
std::string masquer(const std::string& contenu);

}  // namespace surete
