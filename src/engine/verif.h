// Field verification engine: cuts a record into value slots with a rule
// table, then runs the rules' checks under the obligation code of the
// record's action, collecting the record's error numbers.
#pragma once

#include <vector>

#include "engine/moteur.h"
#include "model/modele.h"

class IndexValeurs;

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

// Runs the rules of a table over its slots and appends the error numbers to
// m.codeErreur, from nbErreurPassee on, at most 10 in all; returns the new
// count. valE5 is the record's action code, or null to run every check
// without consulting the obligation columns (header, trailer, FICH body).
// premLettre tags the zone in the -i trace ("E", "C" or "F").
int verifChamps(sMoteur& m, int visu, int nbErreurPassee, const sCorps* pChamps, int lpChamps,
                valeurVSE* valChampsVSE, const char* valE5, const char* premLettre);

// Columns of the field held in slot `slot` of a rule table; false when the
// table cuts no such slot.
bool colonnesDuSlot(const sCorps* tCorps, int lCorps, int slot, int* debut, int* fin);

// A rule table compiled once for the record loop: the columns of its slots,
// and for each action code the rules that run, in table order, each with its
// slot and the count of its allowed-value table read once. Cutting and
// checking with it give exactly the slots and errors of getvseChamps and
// verifChamps in noVisu mode, without walking the rules that do nothing for
// the record's action. The rule table must outlive it.
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
    // verifChamps with visu noVisu.
    int verifier(sMoteur& m, int nbErreurPassee, valeurVSE* valChampsVSE, const char* valE5) const;

private:
    struct Coupe {
        int debut;  // 0-based
        int largeur;
    };
    // A rule that runs; a null check records error 86 without running. A
    // list check (fVerifValAut) on an indexed table asks the index directly.
    struct Etape {
        const IndexValeurs* index;
        pfVerif_t verif;
        const char* dependance;
        const void* sverif;
        int lenSverif;
        int noErr;
        int slot;
    };
    // Plans by obligation column (0 to 4, see colonneObligation), then for
    // an action code of none (every check records 86) and for a null valE5
    // (every check runs).
    static constexpr int PLAN_ACTION_INCONNUE = 5;
    static constexpr int PLAN_SANS_OBLIGATION = 6;

    const sCorps* regles_;
    int nombre_;
    std::vector<Coupe> coupes_;
    bool coupesDansLeVSE_ = true;  // every field lies within the 256 columns
    std::vector<Etape> plans_[7];
};
