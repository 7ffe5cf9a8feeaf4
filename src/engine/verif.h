// Field verification engine: cuts a record into value slots with a rule
// table, then runs the rules' checks under the obligation code of the
// record's action, collecting the record's error numbers.
#pragma once

#include <cstddef>
#include <vector>

#include "checks/index.h"
#include "engine/moteur.h"
#include "model/modele.h"

// NUL bytes of a line are ordinary non-printable characters: the text the
// checks see carries this byte in their place, so that a NUL never ends a
// field early.
inline constexpr char NUL_VU = '\x7f';

// Copies a line (longueur bytes) into the text the checks see: NUL bytes
// replaced by NUL_VU, then a terminating NUL.
void preparerVue(const char* ligne, int longueur, char* vue);

// Cuts the record `tampon` (longueur characters) into the slots of tValVSE,
// one slot per rule that has columns, in table order, and returns the number
// of slots cut. A field lying wholly or partly past the end of a short record
// is cut short (empty when wholly past). The record is first copied into
// xdebug, unless tampon is xdebug itself.
int getvseChamps(const sCorps* tCorps, int lCorps, const char* tampon, int longueur, valeurVSE* tValVSE,
                 int visu);

// The header and trailer slots of a whole record (LONGUEUR_VSE characters
// of `vue`, with the view's margin), as TableCompilee::couper cuts them with
// tEntete and tFin, by moves of constant width at constant columns.
void couperEnteteEtFin(const char* vue);

// Columns of the field held in slot `slot` of a rule table; false when the
// table cuts no such slot.
bool colonnesDuSlot(const sCorps* tCorps, int lCorps, int slot, int* debut, int* fin);

// A rule table compiled once for the record loop: the columns of its slots,
// and for each action code the rules that run, in table order, each with its
// slot and the count of its allowed-value table read once. Checking walks
// only the rules that do something for the record's action; the -i and -d
// traces walk every rule of the same plans through an observer that prints
// them, which a run without a trace does not instantiate. The rule table must
// outlive it.
class TableCompilee {
public:
    TableCompilee(const sCorps* tCorps, int lCorps);

    const sCorps* regles() const { return regles_; }
    int nombre() const { return nombre_; }

    // Bytes that must be readable in the text cut by couper() past the
    // longest record.
    static constexpr int MARGE_VUE = 16;

    // getvseChamps of `vue` (longueur characters, in a buffer of at least
    // LONGUEUR_VSE + MARGE_VUE bytes) into tValVSE, without the copy into
    // xdebug and the trace. Slot bytes past the NUL are left undefined.
    int couper(const char* vue, int longueur, valeurVSE* tValVSE) const;

    // Runs the rules over their slots and appends the error numbers to
    // m.codeErreur, from nbErreurPassee on, at most 10 in all; returns the new
    // count. The line faults (m.codLong, m.codCaract) come first, as errors
    // 106 to 108, each cleared once recorded. valE5 is the record's action
    // code, or null to run every check without consulting the obligation
    // columns (header, trailer, FICH body).
    int verifier(sMoteur& m, int nbErreurPassee, valeurVSE* valChampsVSE, const char* valE5) const;
    // The same with the console trace of `visu` (infVisu: the line faults and
    // each error as zone letter, slot, error number; dgVisu: every rule,
    // decoded); premLettre is the zone letter ("E", "C" or "F").
    int verifier(sMoteur& m, int visu, int nbErreurPassee, valeurVSE* valChampsVSE, const char* valE5,
                 const char* premLettre) const;

    // The two halves of verifier without a trace: the line faults, as
    // errors 106 to 108 appended from n on; and the rules alone, whose error
    // numbers are written to codes from its start (at most 10); each returns
    // the new count.
    static int signalerDefauts(sMoteur& m, int n) {
        return (m.codCaract | m.codLong) == 0 ? n : signalerDefautsPresents(m, n);  // most lines have none
    }
    int verifierRegles(int* codes, valeurVSE* valChampsVSE, const char* valE5) const;

    // A step of a plan. In the plans of a run without a trace, every step
    // runs its check: a rule the action refuses has one that always refuses
    // (error 86). The traced plans hold every rule of the table; there a
    // null check records error 86 without running.
    enum class Genre {
        controle,   // the check runs
        interdite,  // error 86 without running (obligation code other than 0 and 1)
        ignoree,    // obligation code 1: skipped (traced plans only)
        sansCheck,  // the rule only cuts its field (traced plans only)
    };
    struct Etape {
        const IndexValeurs* index;  // a list check (listeIndexee) on an indexed table asks it directly
        pfVerif_t verif;
        const char* dependance;
        const void* sverif;
        int lenSverif;
        int noErr;
        int slot;
        std::ptrdiff_t decalage;  // of the slot's value from the first slot's, in bytes
        Genre genre;
        AvantLaListe avant;  // with index: what the list check looks at first
        int code;      // the obligation code that applied (-1: the action selects no column)
        int numChamp;
    };

private:
    static int signalerDefautsPresents(sMoteur& m, int n);

    struct Coupe {
        int debut;  // 0-based
        int largeur;
    };
    // Plans by obligation column (0 to 4, see colonneObligation), then for
    // an action code of none (every check records 86) and for a null valE5
    // (every check runs).
    static constexpr int PLAN_ACTION_INCONNUE = 5;
    static constexpr int PLAN_SANS_OBLIGATION = 6;
    static int plan(const char* valE5);

    template <class Observateur>
    int parcourir(const std::vector<Etape>& etapes, sMoteur& m, int n, valeurVSE* valChampsVSE,
                  Observateur& observateur) const;
    template <class Observateur>
    int parcourirRegles(const std::vector<Etape>& etapes, int* codes, int n, valeurVSE* valChampsVSE,
                        Observateur& observateur) const;

    // The plans of one obligation column: those of a run without a trace,
    // or (traces) every rule.
    void compiler(bool traces, std::vector<Etape> (&plans)[7]) const;

    const sCorps* regles_;
    int nombre_;
    std::vector<Coupe> coupes_;
    // Fields wider than 16 columns, by their index in coupes_: a whole
    // record moves the first 16 bytes of every field, then the rest of these.
    std::vector<int> coupesLongues_;
    bool coupesDansLeVSE_ = true;  // every field lies within the 256 columns
    std::vector<Etape> plans_[7];
    // Compiled at the first traced walk: a run without a trace never needs them.
    mutable bool tracesCompilees_ = false;
    mutable std::vector<Etape> plansTraces_[7];
};
