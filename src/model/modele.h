// The model layer: the record model (value slots, field rules, record-type
// entries and the enumerations that index them), the build-time settings and
// the messages of the fatal errors (messages.h). Every layer above uses it;
// it may use src/reference only.
//
// A VSE is one line of 256 characters: header in columns 1 to 62, body in
// 63 to 230, trailer in 231 to 256. A rule table cuts a record into value
// slots; each rule names the free function that checks its field.
#pragma once

#include "reference/valautorise.h"

// Width of a record and of its zones.
inline constexpr int LONGUEUR_VSE = 256;

// One field value: the field's characters followed by a terminating NUL.
// Values keep their blanks and are never trimmed.
struct valeurVSE {
    char valeur[LONGUEUR_VSE + 1];
};

// Record types. AVER, FICH and LIST have no entry in the switch table.
enum codeVSE {
    ABAT = 0, ACTI, ASSO, AVER, DETE, DETI, ECBO, ECHA, EGET, ENTR, ERTI, ERRE, EXP1, EXP2,
    FICH, GROC, IMOC, IMPO, INFO, LIST, NAIS, NUMA, NVMN, PASS, PICO, RACO, RATA, REBO, SORT
};

// Obligation codes of a body rule, one per action column (CRE, DEM, INV, EDI,
// MOD; ECQ uses the CRE column): run the check, skip it, or refuse the field
// with error 86 whatever its value.
enum obligationVSE { A_CONTROLER = 0, SANS_CONTROLE = 1, INTERDIT = 2 };

// Column patterns of rules. NON_CONTROLE: a body field that no action checks
// (the row only cuts it out). TOUJOURS: header, trailer and FICH rules, which
// run for every record without consulting the obligation columns.
#define NON_CONTROLE 1, 1, 1, 1, 1
#define TOUJOURS 1, 1, 1, 1, 1

// Body slots C1 to C100 (0-based); CINC names no field.
enum numCorpsVSE {
    C1 = 0, C2, C3, C4, C5, C6, C7, C8, C9, C10, C11, C12, C13, C14, C15, C16, C17, C18, C19,
    C20, C21, C22, C23, C24, C25, C26, C27, C28, C29, C30, C31, C32, C33, C34, C35, C36, C37,
    C38, C39, C40, C41, C42, C43, C44, C45, C46, C47, C48, C49, C50, C51, C52, C53, C54, C55,
    C56, C57, C58, C59, C60, C61, C62, C63, C64, C65, C66, C67, C68, C69, C70, C71, C72, C73,
    C74, C75, C76, C77, C78, C79, C80, C81, C82, C83, C84, C85, C86, C87, C88, C89, C90, C91,
    C92, C93, C94, C95, C96, C97, C98, C99, C100, CINC
};

// Header slots E1 to E13 and trailer slots F1 to F5.
enum numEnteteVSE { E1 = 0, E2, E3, E4, E5, E6, E7, E8, E9, E10, E11, E12, E13 };
enum numFinVSE { F1 = 0, F2, F3, F4, F5 };

inline constexpr int NB_ENTETE = 13;
inline constexpr int NB_CORPS = 100;
inline constexpr int NB_FIN = 5;
inline constexpr int NB_CORPS_FICH = 9;

// Console display mode: none, coded results (-i), decoded results (-d).
enum visuVSE { noVisu = 0, infVisu = 1, dgVisu = 2 };

// The check contract: dependance is the value of the field the check depends on
// (or an empty string), champ the field's value slot, sverif and lenSverif the
// rule's allowed-value table and its count. Nonzero accepts, 0 refuses.
// A check only reads dependance and sverif; it rewrites champ only where the
// incomplete-date validation says so.
using pfVerif_t = int (*)(const char* dependance, char* champ, const void* sverif, int lenSverif);

// One field rule. A rule with debut 0 adds a check to the field of the nearest
// preceding rule that has columns and takes no slot of its own.
struct sCorps {
    int numChamp;          // numCorpsVSE, 0-based field number
    int debut;             // first column, 1-based; 0 for an additional rule
    int fin;               // last column, inclusive; 0 when debut is 0
    int typeCRE;           // obligation for CRE (and ECQ): 0 check, 1 skip, 2 error 86
    int typeDEM;
    int typeINV;
    int typeEDI;
    int typeMOD;
    pfVerif_t pfVerif;     // the check, or null: the rule only cuts the field out
    const int* plenSverif; // count of sverif; &Len0 when there is no table
    const void* sverif;    // allowed-value table (array of tValAutorise), or null
    const char* dependance;// value slot of the field the check depends on, or depVide
    int noErr;             // error number recorded when the check refuses
};

// One record type of the switch table.
struct sAiguillage {
    const char* nomVSE;        // record type as written in header slot E6
    const sCorps* tabVerif;    // body rule table; null in the closing entry
    const int* pLenTabVerif;   // number of rules in tabVerif
    int code;                  // codeVSE; -1 marks the closing entry
    numCorpsVSE champErrC7;    // slot echoed (2 characters) in an error record, or CINC
    numCorpsVSE champErrC8;    // slot echoed (12 characters) after it, or CINC
};


// Value slots of the record being processed and of the file's FICH record.
// The rule tables point into them (dependance), so they are filled before any
// check runs and read by checks through their first argument.
extern valeurVSE valEnteteVSE[NB_ENTETE];
extern valeurVSE valCorpsVSE[NB_CORPS];
extern valeurVSE valFinVSE[NB_FIN];
extern valeurVSE valFichEnteteVSE[NB_ENTETE];
extern valeurVSE valFichCorpsVSE[NB_CORPS_FICH];

// Text of the current record, as the checks see it (NUL bytes of the line
// stand as an ordinary non-printable character), NUL-terminated.
extern char xdebug[4096];

// The shared empty string of rules that depend on nothing.
extern const char depVide[];

// Snapshot of the body of a slaughter notification (ABAT), one member per
// field C1 to C12, each a NUL-terminated copy of at most its field's width
// taken from xdebug (a field past the end of a short line stays empty). The
// ABAT checks read the companion fields of their record from it. It is
// retaken from the current line by the first C2 rule of each ABAT record,
// before any other ABAT check reads it, so one record's fields never reach
// the next record's checks; no other record type touches it.
struct vseCorps {
    char CODE_PAYS_BOV[2 + 1];             // C1: cleared, never filled (C1 is read from the line)
    char NUME_NATI_BOV[64 + 1];            // C2, columns 65-76
    char CODE_RESULTAT[64 + 1];            // C3, columns 77-78
    char CODE_EXPLOIT_PROVENANCE[64 + 1];  // C4, columns 79-80
    char NUME_EXPLOIT_PROVENANCE[64 + 1];  // C5, columns 81-92
    char DATE_ENTREE_ABAT[64 + 1];         // C6, columns 93-100
    char DATE_ABATTAGE[64 + 1];            // C7, columns 101-108
    char NUME_TUERIE[64 + 1];              // C8, columns 109-116
    char POIDS_CARCASSE[64 + 1];           // C9, columns 117-123
    char CODE_PAYS_ABAT_NOTIF[64 + 1];     // C10, columns 124-125
    char NUME_IDENT_ABAT_NOTIF[64 + 1];    // C11, columns 126-137
    char INDIC_CREA_INVA_ABATT[64 + 1];    // C12, column 138
};

// The run's one ABAT body snapshot.
extern vseCorps cp;

// Clears every value slot, xdebug and the ABAT body snapshot (start of a run).
void effacerModele();

// Rule-table shorthands: the table with its count, no table, and dependances
// on a slot of the header, body or trailer of the current record or on the
// header of the FICH record.
#define TAB(t) &Len##t, t
#define SANS_TAB &Len0, nullptr
#define DEP_E(e) valEnteteVSE[e].valeur
#define DEP_C(c) valCorpsVSE[c].valeur
#define DEP_F(f) valFinVSE[f].valeur
#define DEP_FICH_E(e) valFichEnteteVSE[e].valeur
#define SANS_DEP depVide

// Build-time settings.
inline constexpr char VARIANTE[] = "TELVAROS  ";
inline char telvarosRES() { return '4'; }  // first character of the status stamp "40"
inline int dependanceVSE() { return 1; }   // pairing EXP1->EXP2 and EGET->RATA is on
inline int maxAutoVSE() { return 1; }      // the limit of 10000 records is on
