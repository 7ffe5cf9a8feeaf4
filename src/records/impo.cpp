// IMPO records: a bovine imported into a French holding. The animal and its
// related animals sit on the columns of a birth; C18, C19 name the importing
// holding, C20 and C21 the country of origin and the animal's identifier
// there.
#include "records/impo.h"

#include <cstdint>
#include <cstring>

#include "checks/coherence.h"
#include "checks/comparaisons.h"
#include "checks/dates.h"
#include "checks/generiques.h"
#include "checks/octets.h"
#include "checks/identifiants.h"
#include "records/importations.h"
#include "records/records.h"

namespace {

// True when the value equals an entry of the table (no partner code counts).
// The birth date's table holds 8 blanks and 8 stars only: a value beginning
// with any other byte equals neither, and the table is not walked.
bool egaleUneEntree(char* champ, const void* sverif, int lenSverif) {
    if (sverif == HuitBlancsFal && lenSverif == LenHuitBlancsFal && champ[0] != ' ' && champ[0] != '*') {
        return false;
    }
    return fVerifDiffNull(depVide, champ, sverif, lenSverif) == 0;
}

// The byte of rank i (0 first) of a word read from memory.
unsigned octet(std::uint64_t mot, int i) { return static_cast<unsigned>(mot >> (8 * i)) & 0xFF; }

}  // namespace

int impo_C2(const char* dependance, char* champ, const void* sverif, int lenSverif) {
    // The usual value, read as two words from its slot: 10 digits, 2 blanks,
    // its NUL. Then the number is conform when its department (2 digits) is in
    // TD, with an accepted third character after "97"; its characters 7 to 10
    // must not be "0000". Any other shape, table or place takes the general
    // path.
    std::uint64_t tete;
    std::uint64_t queue;
    if (std::endian::native == std::endian::little && sverif == TD && lenSverif == LenTD &&
        octetsLisibles(champ, 16)) {
        std::memcpy(&tete, champ, sizeof tete);
        std::memcpy(&queue, champ + 8, sizeof queue);
        // Bytes 8 to 12: two digits, two blanks, the NUL.
        constexpr std::uint64_t CINQ = 0xFFFFFFFFFFull;
        const std::uint64_t fin = queue & CINQ;
        const std::uint64_t deuxChiffres = fin & 0xFFFF;
        if (huitChiffres(tete) && (fin >> 16) == 0x2020 && huitChiffres(deuxChiffres | 0x3030303030300000ull)) {
            const unsigned departement = (octet(tete, 0) - '0') * 10 + (octet(tete, 1) - '0');
            if (!departementChiffresDansTD(departement)) return 0;
            if (departement == 97) {
                const unsigned troisieme = octet(tete, 2);
                if (troisieme != '1' && troisieme != '2' && troisieme != '3' && troisieme != '4' &&
                    troisieme != '6') {
                    return 0;
                }
            }
            // Characters 7 to 10: bytes 6, 7 of the first word, 0, 1 of the second.
            return (tete >> 48) != 0x3030 || deuxChiffres != 0x3030;
        }
    }
    return fConform10(dependance, champ, sverif, lenSverif) && fVerifDiffZero(champ, 7, 10);
}

int impo_C6_1(const char* dependance, char* champ, const void* sverif, int lenSverif) {
    if (egaleUneEntree(champ, sverif, lenSverif)) return 1;
    return fDATEI(dependance, champ, nullptr, 0);
}

int impo_C6_2(const char* dependance, char* champ, const void* sverif, int lenSverif) {
    if (egaleUneEntree(champ, sverif, lenSverif)) return 1;
    return fCoherenDC(dependance, champ, nullptr, 0);
}

int impo_C7(const char*, char* champ, const void*, int) {
    // A value cut short ends before its fourth character, which is then no blank.
    return !commencePar(champ, "    ");
}

int impo_C20(const char*, char* champ, const void* sverif, int lenSverif) {
    // Both lists are looked up through their indexes, found once (fVerifValAut's
    // answers); a table without an index is scanned.
    static const IndexValeurs* const france = indexDeTable(FR, LenFR);
    static const IndexValeurs* const paysTP = indexDeTable(TP, LenTP);
    if (france != nullptr ? france->contient(champ) : estDansTableParcours(champ, FR, LenFR) != 0) return 0;
    if (sverif == TP && lenSverif == LenTP && paysTP != nullptr) return paysTP->contient(champ);
    return estDansTable(champ, sverif, lenSverif);
}

// Obligation columns: CRE, DEM, INV, EDI, MOD. An inventory checks the
// animal's identification only; a modification leaves the importing holding
// and the correction date alone but may set the correction flag.
const sCorps tImpo[] = {
    // C1, C2 the animal: a French number issued by the record's establishment.
    {C1, 63, 64, 0, 2, 0, 2, 0, fVerifValAut, TAB(FR), SANS_DEP, 1},
    {C2, 65, 76, 0, 2, 0, 2, 0, fVerifDiffNull, TAB(DouzeBlancs), SANS_DEP, 1},
    {C2, 0, 0, 0, 2, 0, 2, 0, impo_C2, TAB(TD), SANS_DEP, 118},
    {C2, 0, 0, 0, 2, 0, 2, 1, fCoherenCC, SANS_TAB, DEP_E(E8), 50},
    {C3, 77, 78, NON_CONTROLE, nullptr, SANS_TAB, SANS_DEP, 0},  // processing status
    LIGNES_SEXE_RACE,
    // C6 birth date: left out, withheld, or a date that may be incomplete.
    {C6, 82, 89, 0, 2, 1, 2, 0, impo_C6_1, TAB(HuitBlancsFal), SANS_DEP, 5},
    {C6, 0, 0, 0, 2, 1, 2, 0, impo_C6_2, TAB(HuitBlancsFal), DEP_F(F1), 52},
    {C7, 90, 93, 0, 2, 1, 2, 0, impo_C7, SANS_TAB, SANS_DEP, 10},
    {C8, 94, 103, NON_CONTROLE, nullptr, SANS_TAB, SANS_DEP, 0},
    {C9, 104, 104, NON_CONTROLE, nullptr, SANS_TAB, SANS_DEP, 0},
    // C10, C11 related animal 1: country and number, both or neither.
    {C10, 105, 106, 0, 2, 1, 2, 0, fVDIFFNULLVTAB, TAB(TP), SANS_DEP, 6},
    {C11, 107, 118, 0, 2, 1, 2, 0, fVerifNumEtrangerN, SANS_TAB, DEP_C(C10), 6},
    {C11, 0, 0, 0, 2, 1, 2, 0, fSimult, SANS_TAB, DEP_C(C10), 113},
    LIGNES_RACE_APPARENTE1_APPARENTE2,
    // C16, C17 holding of birth: a French number when the country is France.
    {C16, 137, 138, 0, 2, 1, 2, 0, fVDIFFNULLVTAB, TAB(TP), SANS_DEP, 2},
    {C17, 139, 150, 0, 2, 1, 2, 0, fCONFORM8FRNULL, TAB(TD), DEP_C(C16), 68},
    {C17, 0, 0, 0, 2, 1, 2, 0, fConform8FRnon, SANS_TAB, DEP_C(C16), 2},
    {C17, 0, 0, 0, 2, 1, 2, 0, fSimult, SANS_TAB, DEP_C(C16), 115},
    // C18, C19 the importing holding, in the establishment's department.
    LIGNE_PAYS_DETENTION,
    {C19, 153, 164, 0, 2, 1, 2, 1, fVerifDiffNull, TAB(DouzeBlancs), SANS_DEP, 21},
    {C19, 0, 0, 0, 2, 1, 2, 1, fConform8, TAB(TD), SANS_DEP, 68},
    {C19, 0, 0, 0, 2, 1, 2, 1, fCoherenCC, SANS_TAB, DEP_E(E8), 50},
    // C20, C21 country of origin and the animal's identifier there.
    {C20, 165, 166, 0, 2, 1, 2, 0, impo_C20, TAB(TP), SANS_DEP, 49},
    {C21, 167, 180, 0, 2, 1, 2, 0, fVerifDiffNull, TAB(quatorzeBlancs), SANS_DEP, 49},
    {C22, 181, 181, 0, 2, 1, 2, 0, fVerifValAut, TAB(ZERO), SANS_DEP, 54},
    LIGNES_CORRECTION(C23, 182, C24, 183),
    {C25, 191, 230, NON_CONTROLE, nullptr, SANS_TAB, SANS_DEP, 0},
};
const int lImpo = static_cast<int>(sizeof tImpo / sizeof tImpo[0]);

// Labels of the body fields.
const sLibelle libImpo[] = {
    {C1, "code pays du bovin"},
    {C2, "numéro national du bovin"},
    {C3, "code résultat"},
    {C4, "sexe"},
    {C5, "code race"},
    {C6, "date de naissance"},
    {C7, "code de 4 caractères non blanc"},
    {C8, "zone sans règle"},
    {C9, "zone sans règle"},
    {C10, "code pays de l'animal apparenté 1"},
    {C11, "numéro de l'animal apparenté 1"},
    {C12, "code race de l'animal apparenté 1"},
    {C13, "code pays de l'animal apparenté 2"},
    {C14, "numéro de l'animal apparenté 2"},
    {C15, "code race de l'animal apparenté 2"},
    {C16, "code pays de l'exploitation de naissance"},
    {C17, "numéro de l'exploitation de naissance"},
    {C18, "code pays de l'exploitation importatrice"},
    {C19, "numéro de l'exploitation importatrice"},
    {C20, "pays d'origine"},
    {C21, "identifiant dans le pays d'origine"},
    {C22, "indicateur zéro"},
    {C23, "indicateur de modification"},
    {C24, "date de réception"},
    {C25, "zone sans règle"},
};
const int nbLibImpo = static_cast<int>(sizeof libImpo / sizeof libImpo[0]);
