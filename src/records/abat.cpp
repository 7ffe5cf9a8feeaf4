// ABAT records (slaughter notification): body rule table and the checks of
// this type.
//
// The record names the animal (C1, C2), the holding it came from (C4, C5),
// its dates of entry and of slaughter (C6, C7), the slaughterhouse (C8), the
// carcass weight (C9) and the party that notifies the slaughter (C10, C11).
// The notifier is either an office, whose identifier "OFFICE" or "ONICAB" is
// followed by its country, or a French slaughterhouse named by a number of
// its department. Many rules depend on it, so the checks read the companion
// fields of their record from the body snapshot cp, which presence_C2 takes
// from the current line as the first check of every record.
#include "records/abat.h"

#include <algorithm>
#include <cstring>
#include <initializer_list>

#include "checks/coherence.h"
#include "checks/dates.h"
#include "checks/generiques.h"
#include "checks/identifiants.h"
#include "checks/index.h"
#include "checks/nombres.h"
#include "checks/octets.h"
#include "records/records.h"

namespace {

// Copies at most `largeur` characters of the current line from its 1-based
// column `debut` into `cible` (largeur + 1 bytes); empty when the line ends
// before that column.
void copierDeLaLigne(int debut, int largeur, char* cible) {
    const int decalage = debut - 1;
    if (longueurBornee(xdebug, decalage) < decalage) {
        cible[0] = '\0';
        return;
    }
    copierDebut(xdebug + decalage, static_cast<std::size_t>(largeur), cible);
}

// Country code of the bovine, C1, as the line holds it.
struct PaysDuBovin {
    char code[3];
    PaysDuBovin() { copierDeLaLigne(63, 2, code); }
};

// True when v is exactly n blanks.
bool queDesBlancs(const char* v, int n) {
    if (longueurBornee(v, n + 1) != n) return false;
    for (int i = 0; i < n; ++i) {
        if (v[i] != ' ') return false;
    }
    return true;
}

// An ASCII letter or digit, judged on the byte value: no locale, and a byte
// above 127 is neither.
bool lettreOuChiffre(char c) {
    return estChiffre(c) || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// The number held in characters debut to debut + n - 1 (1-based) of valeur,
// and in no other: 0 when the value ends before debut.
int nombreDe(const char* valeur, int debut, int n) {
    const int decalage = debut - 1;
    if (longueurBornee(valeur, decalage) < decalage) return 0;
    return lireEntierDe(valeur + decalage, n);
}

// Year of a date DDMMYYYY: its characters 5 to 8.
int anneeDe(const char* date) { return nombreDe(date, 5, 4); }

// The notifier of the snapshot is an office of the kind(s) given.
bool notifieParOffice() { return commencePar(cp.NUME_IDENT_ABAT_NOTIF, "OFFICE"); }
bool notifieParOfficeOuOnicab() { return notifieParOffice() || commencePar(cp.NUME_IDENT_ABAT_NOTIF, "ONICAB"); }

// The lists these checks compare with, indexed once: whole-string equality
// with an entry, without the partner codes that the list rules also accept.
const IndexValeurs& paysDeProvenance() {
    static const IndexValeurs index(TP, LenTP,
                                    std::span<const char* const>(TCPNOCEE, static_cast<std::size_t>(LenTCPNOCEE)));
    return index;
}
const IndexValeurs& departements() {
    static const IndexValeurs index(TD, LenTD, {});
    return index;
}

// Number of characters of v before its first blank (all of them when it has none).
std::size_t avantPremierBlanc(const char* v) { return std::strcspn(v, " "); }

}  // namespace

void getVseCorps() {
    std::memset(&cp, 0, sizeof cp);
    // The line's length up to the last column of the snapshot, measured once:
    // each member takes its field's characters that the line holds.
    const int longueur = longueurBornee(xdebug, 138);
    auto copier = [longueur](int debut, int largeur, char* cible) {
        const int presents = std::clamp(longueur - (debut - 1), 0, largeur);
        std::memcpy(cible, xdebug + (debut - 1), static_cast<std::size_t>(presents));
        cible[presents] = '\0';
    };
    // C1 is left cleared: the checks that need it read it from the line.
    copier(65, 12, cp.NUME_NATI_BOV);
    copier(77, 2, cp.CODE_RESULTAT);
    copier(79, 2, cp.CODE_EXPLOIT_PROVENANCE);
    copier(81, 12, cp.NUME_EXPLOIT_PROVENANCE);
    copier(93, 8, cp.DATE_ENTREE_ABAT);
    copier(101, 8, cp.DATE_ABATTAGE);
    copier(109, 8, cp.NUME_TUERIE);
    copier(117, 7, cp.POIDS_CARCASSE);
    copier(124, 2, cp.CODE_PAYS_ABAT_NOTIF);
    copier(126, 12, cp.NUME_IDENT_ABAT_NOTIF);
    copier(138, 1, cp.INDIC_CREA_INVA_ABATT);
}

int presence_C2(const char*, char*, const void*, int) {
    getVseCorps();
    return !queDesBlancs(cp.NUME_NATI_BOV, 12);
}

int vAbat_C2_1(const char*, char* champ, const void*, int) {
    const PaysDuBovin pays;
    if (egal(pays.code, "FR")) return verifNumBovinFrOuImporte(champ);
    return 1;
}

int vAbat_C2_2(const char*, char* champ, const void*, int) {
    const PaysDuBovin pays;
    if (egal(pays.code, "FR")) return 1;
    if (egal(pays.code, "CH") || appartient_UE(pays.code)) return fVerifNumEtranger(pays.code, champ, nullptr, 0);
    return 1;
}

int fVerif_ASDA(const char*, char* champ, const void*, int) {
    return paysDeProvenance().contient(champ);
}

int presence_C5(const char*, char*, const void*, int) { return !champVide(cp.NUME_EXPLOIT_PROVENANCE); }

int fVerif_NUM_ASDA(const char*, char* champ, const void*, int) {
    if (!egal(cp.CODE_EXPLOIT_PROVENANCE, "FR")) return 1;
    if (cp.INDIC_CREA_INVA_ABATT[0] == '\0') return 0;
    if (notifieParOfficeOuOnicab()) return 1;
    return verifNumExploitFr(champ);
}

int fVerifDateInputPost(const char*, char* champ, const void*, int) {
    return champVide(champ) || anneeDe(champ) > 1997;
}

int fVerifDateAbatPost(const char*, char* champ, const void*, int) { return anneeDe(champ) > 1997; }

int fVerifDateAbatPostEntr(const char*, char* champ, const void*, int) {
    const char* entree = cp.DATE_ENTREE_ABAT;
    if (queDesBlancs(entree, 8) || queDesBlancs(champ, 8)) return 1;
    const int cleEntree[3] = {anneeDe(entree), nombreDe(entree, 3, 2), nombreDe(entree, 1, 2)};
    const int cleAbattage[3] = {anneeDe(champ), nombreDe(champ, 3, 2), nombreDe(champ, 1, 2)};
    // Years, then months, then days: the first that differ decide.
    for (int i = 0; i < 3; ++i) {
        if (cleEntree[i] != cleAbattage[i]) return cleEntree[i] < cleAbattage[i];
    }
    return 1;
}

int presence_C8(const char*, char*, const void*, int) {
    const char* tuerie = cp.NUME_TUERIE;
    if (longueurBornee(tuerie, 8) < 8) return 0;
    if (queDesBlancs(tuerie, 8)) return 1;
    if (tuerie[0] == ' ') return 0;
    for (const char* c = tuerie; *c != '\0'; ++c) {
        if (!lettreOuChiffre(*c) && *c != ' ') return 0;
    }
    return 1;
}

int fVerif_NUM_TUE(const char*, char* champ, const void*, int) {
    if (queDesBlancs(champ, 8)) return 1;
    if (notifieParOffice()) {
        // An office's slaughterhouse is named by the provenance country and
        // the office's country side by side; what follows a blank is not read.
        char attendu[sizeof cp.CODE_EXPLOIT_PROVENANCE + sizeof cp.CODE_PAYS_ABAT_NOTIF];
        std::strcpy(attendu, cp.CODE_EXPLOIT_PROVENANCE);
        std::strcat(attendu, cp.CODE_PAYS_ABAT_NOTIF);
        const std::size_t longueur = avantPremierBlanc(champ);
        return longueur == std::strlen(attendu) && std::strncmp(champ, attendu, longueur) == 0;
    }
    if (longueurBornee(champ, 8) < 8) return 0;
    return lettreOuChiffre(champ[0]);
}

int fVerif_chaine_POIDS(const char*, char* champ, const void*, int) {
    if (longueurBornee(champ, 8) != 7) return 0;
    if (queDesBlancs(champ, 7)) return 1;
    if (champ[4] != ',') return 0;
    for (int i : {0, 1, 2, 3, 5, 6}) {
        if (!estChiffre(champ[i])) return 0;
    }
    return 1;
}

int fVerif_POIDS(const char*, char* champ, const void*, int) {
    if (queDesBlancs(champ, 7)) return 1;
    // Kilograms in characters 1 to 4, hundredths in 6 and 7; exactly those.
    const int kilos = nombreDe(champ, 1, 4);
    const int centiemes = nombreDe(champ, 6, 2);
    return !(kilos > 1000 || (kilos == 1000 && centiemes > 0));
}

int fVerif_CODEPE_ABATNOT(const char*, char* champ, const void*, int) {
    if (notifieParOfficeOuOnicab()) {
        // The office's country: characters 7 and 8 of its identifier.
        char paysOffice[3];
        copierDebut(cp.NUME_IDENT_ABAT_NOTIF + 6, 2, paysOffice);
        return egal(cp.CODE_PAYS_ABAT_NOTIF, paysOffice);
    }
    return egal(champ, "FR");
}

int presence_C11(const char*, char*, const void*, int) {
    const char* notifiant = cp.NUME_IDENT_ABAT_NOTIF;
    return notifiant[0] != '\0' && !queDesBlancs(notifiant, 12);
}

int fVerif_NUMID_ABATNOT_CONF(const char*, char* champ, const void*, int) {
    if (champ[0] == '\0' || champ[0] == ' ') return 0;
    const std::size_t tete = avantPremierBlanc(champ);
    if (tete != 7 && tete != 8) return 0;
    if (commencePar(champ, "ONICAB") || commencePar(champ, "OFFICE")) return 1;
    // A slaughterhouse number: characters 11 and 12 blank (a shorter value
    // has no such characters), and a department code in characters 1 and 2.
    if (longueurBornee(champ, 12) < 12 || champ[10] != ' ' || champ[11] != ' ') return 0;
    char departement[3];
    copierDebut(champ, 2, departement);
    if (egal(departement, "2A") || egal(departement, "2B")) return 1;
    return departements().contient(departement);
}

int fVerif_NUMID_ABATNOT_COHER(const char*, char*, const void*, int) { return 1; }

int fVerif_NUMID_ABATNOT_TABREF(const char*, char*, const void*, int) { return 1; }

int fVerif_INDIC_ABAT(const char*, char*, const void*, int) { return 1; }

// Obligation columns: CRE, DEM, INV, EDI, MOD. Every check runs for CRE (and
// ECQ), INV and MOD, and none for DEM and EDI. The first C2 rule takes the
// body snapshot that the later rules of the record read.
const sCorps tAbat[] = {
    // C1, C2 the bovine: country and national number.
    {C1, 63, 64, 0, 1, 0, 1, 0, fVerifValAut, TAB(TP), SANS_DEP, 1},
    {C2, 65, 76, 0, 1, 0, 1, 0, presence_C2, SANS_TAB, SANS_DEP, 1},
    {C2, 0, 0, 0, 1, 0, 1, 0, vAbat_C2_1, SANS_TAB, SANS_DEP, 67},
    {C2, 0, 0, 0, 1, 0, 1, 0, vAbat_C2_2, SANS_TAB, SANS_DEP, 1},
    {C3, 77, 78, NON_CONTROLE, nullptr, SANS_TAB, SANS_DEP, 0},  // processing status
    // C4, C5 the holding of provenance.
    {C4, 79, 80, 0, 1, 0, 1, 0, fVerif_ASDA, SANS_TAB, SANS_DEP, 31},
    {C5, 81, 92, 0, 1, 0, 1, 0, presence_C5, TAB(FR), SANS_DEP, 31},
    {C5, 0, 0, 0, 1, 0, 1, 0, fVerif_NUM_ASDA, TAB(FR), SANS_DEP, 68},
    // C6 date of entry into the slaughterhouse, may be blank.
    {C6, 93, 100, 0, 1, 0, 1, 0, fDATECxad, SANS_TAB, SANS_DEP, 120},
    {C6, 0, 0, 0, 1, 0, 1, 0, fCoherenDC, SANS_TAB, DEP_F(F1), 52},
    {C6, 0, 0, 0, 1, 0, 1, 0, fVerifDateInputPost, SANS_TAB, SANS_DEP, 121},
    // C7 slaughter date.
    {C7, 101, 108, 0, 1, 0, 1, 0, fDATEC, SANS_TAB, SANS_DEP, 122},
    {C7, 0, 0, 0, 1, 0, 1, 0, fCoherenDC, SANS_TAB, DEP_F(F1), 52},
    {C7, 0, 0, 0, 1, 0, 1, 0, fVerifDateAbatPost, SANS_TAB, SANS_DEP, 123},
    {C7, 0, 0, 0, 1, 0, 1, 0, fVerifDateAbatPostEntr, SANS_TAB, SANS_DEP, 124},
    // C8 slaughterhouse number.
    {C8, 109, 116, 0, 1, 0, 1, 0, presence_C8, SANS_TAB, SANS_DEP, 68},
    {C8, 0, 0, 0, 1, 0, 1, 0, fVerif_NUM_TUE, SANS_TAB, SANS_DEP, 128},
    // C9 carcass weight.
    {C9, 117, 123, 0, 1, 0, 1, 0, fVerif_chaine_POIDS, SANS_TAB, SANS_DEP, 125},
    {C9, 0, 0, 0, 1, 0, 1, 0, fVerif_POIDS, SANS_TAB, SANS_DEP, 126},
    // C10, C11 the notifier: country and identifier.
    {C10, 124, 125, 0, 1, 0, 1, 0, fVerif_CODEPE_ABATNOT, TAB(FR), SANS_DEP, 127},
    {C11, 126, 137, 0, 1, 0, 1, 0, presence_C11, SANS_TAB, SANS_DEP, 127},
    {C11, 0, 0, 0, 1, 0, 1, 0, fVerif_NUMID_ABATNOT_CONF, SANS_TAB, SANS_DEP, 68},
    {C11, 0, 0, 0, 1, 0, 1, 0, fVerif_NUMID_ABATNOT_COHER, SANS_TAB, SANS_DEP, 129},
    {C11, 0, 0, 0, 1, 0, 1, 0, fVerif_NUMID_ABATNOT_TABREF, SANS_TAB, SANS_DEP, 127},
    // C12 creation/invalidation indicator. Columns 139 to 230 are not cut.
    {C12, 138, 138, 0, 1, 0, 1, 0, fVerif_INDIC_ABAT, TAB(FR), SANS_DEP, 139},
};
const int lAbat = static_cast<int>(sizeof tAbat / sizeof tAbat[0]);

// Labels of the body fields.
const sLibelle libAbat[] = {
    {C1, "code pays du bovin"},
    {C2, "numéro national du bovin"},
    {C3, "code résultat"},
    {C4, "code pays de l'exploitation de provenance"},
    {C5, "numéro de l'exploitation de provenance"},
    {C6, "date d'entrée à l'abattoir"},
    {C7, "date d'abattage"},
    {C8, "numéro de l'abattoir"},
    {C9, "poids de carcasse"},
    {C10, "code pays du notifiant de l'abattage"},
    {C11, "identifiant du notifiant de l'abattage"},
    {C12, "indicateur de création ou d'invalidation de l'abattage"},
};
const int nbLibAbat = static_cast<int>(sizeof libAbat / sizeof libAbat[0]);
