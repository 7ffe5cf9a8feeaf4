// Header (columns 1 to 62) and trailer (231 to 256) rules.
#include "engine/entete.h"

#include <cstring>

#include "checks/dates.h"
#include "checks/generiques.h"
#include "checks/octets.h"
namespace {

bool estFich(const char* typeVSE) {
    // Compared byte by byte up to the first difference (inlined: every header
    // check asks).
    return typeVSE[0] == 'F' && typeVSE[1] == 'I' && typeVSE[2] == 'C' && typeVSE[3] == 'H' && typeVSE[4] == '\0';
}
}  // namespace

// Emitter of the file: a departmental office, or an outside partner.
int enteteE3(const char* dependance, char* champ, const void* sverif, int lenSverif) {
    if (!estFich(dependance)) return 1;
    return estDansTable(champ, sverif, lenSverif) || egal(champ, "OVINFOS ") || commencePar(champ, "OFFICE") ||
           commencePar(champ, "ONICAB") || commencePar(champ, "NORM01") || commencePar(champ, "NORM02") ||
           commencePar(champ, "PFOC01");
}

// Receiver of the file: the central receiver.
int enteteE4(const char* dependance, char* champ, const void* sverif, int lenSverif) {
    if (!estFich(dependance)) return 1;
    return estDansTable(champ, sverif, lenSverif);
}

// Establishment a record is sent for.
int enteteE8(const char* dependance, char* champ, const void* sverif, int lenSverif) {
    if (estFich(dependance)) return 1;
    return estDansTable(champ, sverif, lenSverif) || egal(champ, "POINTFOC") || egal(champ, "NORMABEV") ||
           egal(champ, "OVINFOS ") || commencePar(champ, "OFFICE") || commencePar(champ, "ONICAB");
}

// E9 is filled without blanks; only the slaughter partners may leave it wholly blank.
int enteteE9(const char* dependance, char* champ, const void*, int) {
    if (estFich(dependance)) return 1;
    if (std::strchr(champ, ' ') == nullptr) return 1;
    const char* e8 = valEnteteVSE[E8].valeur;
    return egal(champ, "        ") &&
           (egal(e8, "NORMABEV") || commencePar(e8, "OFFICE") || commencePar(e8, "ONICAB"));
}

int enteteE10(const char* dependance, char* champ, const void* sverif, int lenSverif) {
    if (estFich(dependance)) return 1;
    return estDansTable(champ, sverif, lenSverif);
}

int enteteE12(const char* dependance, char* champ, const void* sverif, int lenSverif) {
    if (!estFich(dependance)) return 1;
    return estDansTable(champ, sverif, lenSverif);
}

int enteteE13(const char* dependance, char* champ, const void* sverif, int lenSverif) {
    if (!estFich(dependance)) return 1;
    return estDansTable(champ, sverif, lenSverif);
}

// Format version of the file.
int finF3(const char* dependance, char* champ, const void* sverif, int lenSverif) {
    if (!estFich(dependance)) return 1;
    return estDansTable(champ, sverif, lenSverif);
}

// Header and trailer rules run for every action (TOUJOURS).

const sCorps tEntete[] = {
    {C1, 1, 1, TOUJOURS, nullptr, SANS_TAB, SANS_DEP, 0},
    {C2, 2, 2, TOUJOURS, nullptr, SANS_TAB, SANS_DEP, 0},
    {C3, 3, 10, TOUJOURS, enteteE3, TAB(TEC), DEP_E(E6), 95},         // emitter
    {C4, 11, 18, TOUJOURS, enteteE4, TAB(BDN031), DEP_E(E6), 96},     // receiver
    {C5, 19, 21, TOUJOURS, fVerifValAut, TAB(tE5), SANS_DEP, 84},     // action code
    {C6, 22, 25, TOUJOURS, fVerifValAut, TAB(tE6), SANS_DEP, 85},     // record type
    {C6, 0, 0, TOUJOURS, fVerifDepE6, SANS_TAB, DEP_E(E5), 86},       // type admitted with the action
    {C7, 26, 26, TOUJOURS, nullptr, SANS_TAB, SANS_DEP, 0},
    {C8, 27, 34, TOUJOURS, enteteE8, TAB(TDC), DEP_E(E6), 87},        // establishment
    {C9, 35, 42, TOUJOURS, enteteE9, TAB(HuitBlancs), DEP_E(E6), 89},
    {C10, 43, 50, TOUJOURS, enteteE10, TAB(BDN8), DEP_E(E6), 88},
    {C11, 51, 60, TOUJOURS, nullptr, SANS_TAB, SANS_DEP, 0},
    {C12, 61, 61, TOUJOURS, enteteE12, TAB(TOUQ), DEP_E(E6), 97},
    {C13, 62, 62, TOUJOURS, enteteE13, TAB(NOUU), DEP_E(E6), 98},
};
const int lEntete = static_cast<int>(sizeof tEntete / sizeof tEntete[0]);

const sCorps tFin[] = {
    {C1, 231, 238, TOUJOURS, fDATEC, SANS_TAB, SANS_DEP, 90},         // date of the record
    {C2, 239, 244, TOUJOURS, fHEUREC, SANS_TAB, SANS_DEP, 91},        // time
    {C2, 0, 0, TOUJOURS, nullptr, SANS_TAB, SANS_DEP, 0},
    {C3, 245, 247, TOUJOURS, finF3, TAB(versionVSE), DEP_E(E6), 93},  // format version
    {C4, 248, 255, TOUJOURS, nullptr, SANS_TAB, SANS_DEP, 0},
    {C5, 256, 256, TOUJOURS, fVerifValAut, TAB(ET1), SANS_DEP, 94},   // end mark
};
const int lFin = static_cast<int>(sizeof tFin / sizeof tFin[0]);

const sLibelle libEntete[] = {
    {C1, "premier caractère de l'en-tête"},
    {C2, "deuxième caractère de l'en-tête"},
    {C3, "émetteur"},
    {C4, "récepteur"},
    {C5, "code action"},
    {C6, "type d'enregistrement"},
    {C7, "caractère 26 de l'en-tête"},
    {C8, "établissement"},
    {C9, "code de l'établissement, sans blanc"},
    {C10, "destinataire"},
    {C11, "zone libre de l'en-tête"},
    {C12, "indicateur 3 ou 4"},
    {C13, "indicateur N ou U"},
};
const int nbLibEntete = static_cast<int>(sizeof libEntete / sizeof libEntete[0]);

const sLibelle libFin[] = {
    {C1, "date de l'enregistrement"},
    {C2, "heure de l'enregistrement"},
    {C3, "version du format"},
    {C4, "zone libre de la fin"},
    {C5, "marque de fin"},
};
const int nbLibFin = static_cast<int>(sizeof libFin / sizeof libFin[0]);
