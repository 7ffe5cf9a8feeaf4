// Rule tables seen as a whole: one row rendered on one line, a table compared
// row by row with a listing written from its layout, and the defects of a
// table that no single row shows (columns, counts, dependances, error
// numbers, echoed slots).
#pragma once

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "model/modele.h"

namespace essai {

// A check function and the name it is listed under. The harness knows every
// check of the shared library and of the header and trailer; a record type's
// own checks are handed to it by the test of that type.
using NomDeCheck = std::pair<pfVerif_t, const char*>;
#define NOM_CHECK(f) ::essai::NomDeCheck { f, #f }
using NomsDeChecks = std::vector<NomDeCheck>;

// Name of a check, "-" for none, "?" for one neither known nor in `propres`.
std::string nomDeCheck(pfVerif_t f, const NomsDeChecks& propres = {});

// The allowed-value table of a rule with its count, as "TP(245)"; "-" for no
// table; "TP(count 3 of another table)" when the count handed is not the
// table's own; "?" for a table that is not a reference table.
std::string nomDeTable(const sCorps& r);

// Field held by value slot `slot` of a table (the field of its slot-th rule
// with columns), or -1 when the table cuts fewer slots.
int champDuSlot(const sCorps* t, int n, int slot);
// Number of value slots a table cuts.
int nombreDeSlots(const sCorps* t, int n);

// What a dependance reads: "-" for none; "E5", "F1", "FICH.E3" (the FICH
// record's header), "FICH.C3", "FICH.F1"; for a body slot of the current
// record, the field that the table (t, n) holds in it, "C23", or "slot C7
// (not cut)" when the table cuts no such slot; "?" for any other pointer.
std::string nomDeDependance(const char* d, const sCorps* t, int n);

// One row: field, columns ("63-64", or "same" for an additional rule), the
// five obligation codes, check, table, dependance, error ("-" for 0), e.g.
// "C2 same 0 2 0 2 0 fConform10FR TD(97) C1 67".
std::string ligneDeRegle(const sCorps& r, const sCorps* t, int n, const NomsDeChecks& propres = {});

// Compares a table with its listing, row by row, and its count.
void comparerListing(const sCorps* t, int n, const std::vector<std::string>& attendu,
                     const NomsDeChecks& propres = {});

// The zone a table's columns must lie in.
struct Zone {
    int debut;
    int fin;
};
inline constexpr Zone ZONE_ENTETE{1, 62};
inline constexpr Zone ZONE_CORPS{63, 230};
inline constexpr Zone ZONE_FIN{231, 256};

// Every defect of a table, one line each, "row N: ..."; empty when sound:
// columns inside the zone, in increasing order (a field cut again on the same
// columns as the cut before it is allowed); an additional rule follows a rule
// with columns and names its field; obligation codes in {0, 1, 2}; a check
// has a nonzero error number and a row without a check has 0; the count
// handed with a value table is that table's own and the table is a reference
// table; a dependance names a slot the table cuts, a header, trailer or FICH
// slot, or nothing.
std::vector<std::string> defautsDeTable(const sCorps* t, int n, Zone zone);

// Defects of a switch-table entry's echoed slots: champErrC7 and champErrC8
// are CINC or slots of width 2 and 12 that the table cuts.
std::vector<std::string> defautsDesSlotsEchoes(const sAiguillage& entree);

// For a table whose slot and field numbers differ from some slot on, the
// mapping "slot C7 = field C23, ..."; empty when every slot holds the field
// of its own number.
std::string correspondanceSlots(const sCorps* t, int n);

}  // namespace essai
