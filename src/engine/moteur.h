// The engine: cuts a record into its value slots, runs the header, body and
// trailer rules, the partner rules, the processing status rule and the
// pairing of creations, and says what became of the record. It keeps the
// state that record processing carries from one record to the next (this
// file), and writes no file: the driver turns its verdicts into output
// records. It may use src/records, src/checks, src/model and src/reference,
// never src/driver.
#pragma once

#include "model/modele.h"

// Error numbers that the engine records itself, not through a rule table.
namespace erreur {
inline constexpr int RECEPTEUR_INFO = 85;            // information request not addressed to the central receiver
inline constexpr int OBLIGATION = 86;                // field not admitted for the action, or action selecting no column
inline constexpr int NOMBRE_ANNONCE = 100;           // FICH announced another record count
inline constexpr int EXP2_MANQUANTE = 105;           // accepted EXP1 creation not followed by its EXP2 creation
inline constexpr int CARACTERES = 106;               // byte outside 32..126 in the line
inline constexpr int TROP_LONG = 107;
inline constexpr int TROP_COURT = 108;
inline constexpr int FICH_REPETE = 109;              // a FICH record after the first line
inline constexpr int EMETTEUR_NON_HABILITE = 110;    // emitter not entitled to INFO requests or ABAT records
inline constexpr int NON_ADMIS_CENTRAL = 111;        // type and action not admitted towards the central receiver
inline constexpr int ETABLISSEMENT_ABATTAGE = 129;   // ABAT from NORM01 whose establishment is not NORMABEV
inline constexpr int EMETTEUR_ETABLISSEMENT = 135;   // emitter and establishment incoherent
inline constexpr int RATA_MANQUANTE = 138;           // accepted EGET creation not followed by its RATA creation
// Processing status not admitted, by build variant.
inline constexpr int STATUT = 51;
inline constexpr int STATUT_PARTENAIRE = 64;
inline constexpr int STATUT_DEPARTEMENT = 806;
inline constexpr int STATUT_POINT_FOCAL = 807;
}  // namespace erreur

// Engine state of one run: the current record's line faults and error
// numbers, the FICH record's errors and bytes, and what the pairing of
// creations remembers of the previous record.
struct sMoteur {
    // Line faults of the current record, set by the reader; cleared once
    // recorded as errors 106 to 108.
    int codLong = 0;            // 0 right length, 1 too long, 2 too short
    int codCaract = 0;          // 1 when the line holds a byte outside 32..126

    int codeErreur[11] = {};    // error numbers of the current record (10 used)
    int nbErreur = 0;           // error count of the current record
    int errFich = 0;            // error count of the FICH record
    int codeFichErreur[11] = {};
    bool fichTraite = false;    // the FICH record has been processed

    // Partners of the file, and the pairing of creations.
    char sauvEmetteur[9] = {};  // E3 of the FICH record
    char sauvRecepteur[9] = {}; // E4 of the FICH record
    // What the partner rules ask of them, answered once at the FICH record.
    struct Partenaires {
        bool recepteurCentral = false;  // receiver "031BDN  "
        bool norm01 = false;            // emitter "NORM01  "
        bool norm02 = false;            // emitter "NORM02  "
        bool pfoc01 = false;            // emitter "PFOC01  "
        bool abattoirs = false;         // emitter beginning with "OFFICE" or "ONICAB"
    } partenaires;
    // The last answer of the emitter and establishment rule (error 135): it
    // depends only on the file's emitter, fixed at the FICH record, and on
    // the establishment E8, whose first 9 bytes (the value and its NUL) are
    // kept here.
    struct CoherenceEmetteur {
        bool valide = false;
        char etablissement[9] = {};
        bool admise = false;
    } coherence;
    char sauvCodeVSE[5] = {};   // E6 of the previous record
    char sauvTypeVSE[4] = {};   // E5 of the previous record
    int sauvCodeVSEerr = 0;     // error count of the previous record
    char sauvLienVSE[13] = {};  // C2 of a pending EXP1 or EGET creation

    // Verdicts of the header and trailer rules already found in this run.
    // Those rules read nothing but their zone's checked fields (the trailer's
    // format version rule also asks whether the record is a FICH record): the
    // same bytes there give the same errors. An entry holds those bytes as
    // the checks see them, the columns of the fields without a check blanked
    // (header columns 1, 2, 26 and 51 to 60, a record number in many files;
    // trailer columns 248 to 255), and the error numbers of the zone's rules
    // alone. Header entries are chosen by the action and type columns, which
    // change from record to record, among two of a set; the trailer, the date
    // and time of the records, has one.
    struct ZoneVerifiee {
        bool valide = false;
        char colonnes[64] = {};
        int nombre = 0;
        int codes[10] = {};
    };
    static constexpr int NB_ENTETES_VERIFIEES = 64;  // 32 sets of two, the last used first
    ZoneVerifiee entetesVerifiees[NB_ENTETES_VERIFIEES];
    ZoneVerifiee finVerifiee;

    // The FICH record as read, echoed in the summary records and error records.
    char tamponFich[LONGUEUR_VSE] = {};
    int longueurFich = 0;
};
