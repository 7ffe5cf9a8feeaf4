// Record processing.
#include "engine/traitement.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <optional>

#include "checks/coherence.h"
#include "checks/octets.h"
#include "engine/entete.h"
#include "model/messages.h"
#include "engine/verif.h"
#include "records/records.h"

namespace {

// Whole-string equality with a literal, inlined: the comparison stops at the
// first difference, so nothing past the value's NUL is read.
template <size_t N>
constexpr bool vaut(const char* valeur, const char (&litteral)[N]) {
    for (size_t i = 0; i < N; ++i) {
        if (valeur[i] != litteral[i]) return false;
    }
    return true;
}

// The first N bytes of a value (N at most 8) as one number: a value equals a
// literal of N - 1 characters exactly when the numbers of their first N
// bytes are equal, the literal's NUL included. The value must have N
// readable bytes: a slot or an array of the engine state.
template <size_t N>
constexpr std::uint64_t motDe(const char (&litteral)[N]) {
    static_assert(N <= 8);
    std::array<char, 8> octets{};
    for (size_t i = 0; i < N; ++i) octets[i] = litteral[i];
    return std::bit_cast<std::uint64_t>(octets);
}
template <size_t N>
std::uint64_t motDe(const char* valeur) {
    static_assert(N <= 8);
    std::array<char, 8> octets{};
    std::memcpy(octets.data(), valeur, N);
    return std::bit_cast<std::uint64_t>(octets);
}
// Record types (4 characters) and actions (3) as numbers of 5 and 4 bytes.
std::uint64_t typeDe(const char* valeur) { return motDe<5>(valeur); }
std::uint64_t actionDe(const char* valeur) { return motDe<4>(valeur); }

// fCoherenCCE on the emitter of the file and the establishment E8 of a
// record. For a regional emitter it scans the table of pairs; the answer
// depends on nothing else, so the last one is kept with the establishment it
// was given (which seldom changes within a file). The slot holds at least 9
// readable bytes; a value of at most 8 characters is known by them.
bool emetteurCoherent(sMoteur& m, const char* etablissement) {
    sMoteur::CoherenceEmetteur& c = m.coherence;
    static_assert(sizeof c.etablissement == 9);
    if (c.valide && motDe<8>(c.etablissement) == motDe<8>(etablissement) && c.etablissement[8] == etablissement[8]) {
        return c.admise;
    }
    const bool admise = fCoherenCCE(m.sauvEmetteur, etablissement) != 0;
    c.valide = std::memchr(etablissement, '\0', sizeof c.etablissement) != nullptr;
    std::memcpy(c.etablissement, etablissement, sizeof c.etablissement);
    c.admise = admise;
    return admise;
}

// Partners whose records are admitted towards the central receiver.
bool estPartenaireNational(const char* emetteur) {
    return vaut(emetteur, "NORM01  ") || vaut(emetteur, "NORM02  ") || vaut(emetteur, "PFOC01  ");
}

// Columns lo..hi (1-based) of the current record as the checks see it,
// cut short at its end.
void colonnes(const char* vue, int longueur, int debut, int fin, char* destination) {
    if (fin <= longueur) {
        std::memcpy(destination, vue + debut - 1, static_cast<size_t>(fin - debut + 1));
        destination[fin - debut + 1] = '\0';
        return;
    }
    int n = 0;
    for (int c = debut; c <= fin && c <= longueur; ++c) destination[n++] = vue[c - 1];
    destination[n] = '\0';
}

// The rule tables of the header, the trailer and the FICH body, compiled at
// the first record, and those of the switch table's entries, each compiled
// the first time a record of its type comes (most files hold one or two
// types).
class Tables {
public:
    TableCompilee entete{tEntete, lEntete};
    TableCompilee fin{tFin, lFin};
    TableCompilee fich{tFich, lFich};

    const TableCompilee& corps(int idx) {
        std::optional<TableCompilee>& c = corps_[static_cast<size_t>(idx)];
        if (!c) c.emplace(tAiguillage[idx].tabVerif, *tAiguillage[idx].pLenTabVerif);
        return *c;
    }

private:
    std::optional<TableCompilee> corps_[ERR_AIGUILLAGE];  // by switch-table index
};

// The compiled tables, built at the first record of the first run; the
// record loop asks for them through a pointer set once.
[[gnu::noinline]] Tables* construireTables() {
    static Tables compilees;
    return &compilees;
}
Tables* tablesCompilees = nullptr;
inline Tables& tables() {
    if (tablesCompilees == nullptr) [[unlikely]] tablesCompilees = construireTables();
    return *tablesCompilees;
}

// Cutting and checking go through the compiled tables; the -d trace ends
// the cutting of each zone with a line end, and the traces of the checks
// come from the compiled walk's observer. The view cut is xdebug, which has
// the margin that couper() needs.
static_assert(sizeof xdebug >= LONGUEUR_VSE + TableCompilee::MARGE_VUE);
int couper(const TableCompilee& table, int visu, const char* vue, int longueur, valeurVSE* slots) {
    const int coupes = table.couper(vue, longueur, slots);
    if (visu == dgVisu) std::fputc('\n', stdout);
    return coupes;
}

int verifier(sMoteur& m, const TableCompilee& table, int visu, int n, valeurVSE* slots, const char* valE5,
             const char* zone) {
    if (visu != noVisu) return table.verifier(m, visu, n, slots, valE5, zone);
    return table.verifier(m, n, slots, valE5);
}

bool tient(const sMoteur::ZoneVerifiee& z, const char (&cle)[64]) {
    return z.valide && std::memcmp(z.colonnes, cle, sizeof cle) == 0;
}

// The rules of a zone on the current record, after its line faults, from n
// on: the errors of z when it holds the key, otherwise the rules' own, kept
// in z under that key.
int verifierZone(sMoteur& m, const TableCompilee& table, valeurVSE* slots, int n, const char (&cle)[64],
                 sMoteur::ZoneVerifiee& z, bool connue) {
    n = TableCompilee::signalerDefauts(m, n);
    if (!connue) {
        z.nombre = table.verifierRegles(z.codes, slots, nullptr);
        std::memcpy(z.colonnes, cle, sizeof cle);
        z.valide = true;
    }
    for (int i = 0; i < z.nombre && n <= 9; ++i) m.codeErreur[n++] = z.codes[i];
    return n;
}

// The same when the zone is cut short: checked, not kept.
int verifierZoneCourte(sMoteur& m, const TableCompilee& table, valeurVSE* slots, int n) {
    n = TableCompilee::signalerDefauts(m, n);
    int codes[10];
    const int trouves = table.verifierRegles(codes, slots, nullptr);
    for (int i = 0; i < trouves && n <= 9; ++i) m.codeErreur[n++] = codes[i];
    return n;
}

// The header rules (columns 1 to 62).
int verifierEntete(sMoteur& m, const TableCompilee& entete, int visu, int n, const char* vue, int longueur) {
    if (visu != noVisu) return verifier(m, entete, visu, n, valEnteteVSE, nullptr, "E");
    if (longueur < 62) return verifierZoneCourte(m, entete, valEnteteVSE, n);
    char cle[64] = {};
    std::memcpy(cle, vue, 62);
    cle[0] = cle[1] = cle[25] = ' ';
    std::memset(cle + 50, ' ', 10);
    std::uint64_t actionEtType;  // columns 19 to 26
    std::memcpy(&actionEtType, vue + 18, sizeof actionEtType);
    static_assert(sMoteur::NB_ENTETES_VERIFIEES == 64);
    sMoteur::ZoneVerifiee* const ensemble =
        &m.entetesVerifiees[2 * (((actionEtType ^ (actionEtType >> 29)) * 0x9E3779B97F4A7C15ull) >> 59)];
    // The second entry of the set, when it holds the key, becomes the first;
    // a new key takes the first place, the first going second.
    bool connue = tient(ensemble[0], cle);
    if (!connue) {
        const sMoteur::ZoneVerifiee premiere = ensemble[0];
        connue = tient(ensemble[1], cle);
        ensemble[0] = ensemble[1];
        ensemble[1] = premiere;
    }
    return verifierZone(m, entete, valEnteteVSE, n, cle, ensemble[0], connue);
}

// The trailer rules (columns 231 to 256).
int verifierFin(sMoteur& m, const TableCompilee& fin, int visu, int n, const char* vue, int longueur) {
    if (visu != noVisu) return verifier(m, fin, visu, n, valFinVSE, nullptr, "F");
    if (longueur < LONGUEUR_VSE) return verifierZoneCourte(m, fin, valFinVSE, n);
    char cle[64] = {};
    std::memcpy(cle, vue + 230, 26);
    std::memset(cle + 17, ' ', 8);
    cle[26] = vaut(valEnteteVSE[E6].valeur, "FICH") ? 'F' : ' ';
    return verifierZone(m, fin, valFinVSE, n, cle, m.finVerifiee, tient(m.finVerifiee, cle));
}

// Body slots from this one on are known to be empty.
int corpsVideApres = NB_CORPS;

// Cuts the body of the record. Slots left over from an earlier record must
// not leak into this one: those the table does not cut are emptied, as far
// as an earlier record may have filled them.
void couperCorps(const TableCompilee& table, int visu, const char* vue, int longueur) {
    const int coupes = couper(table, visu, vue, longueur, valCorpsVSE);
    for (int k = coupes; k < corpsVideApres; ++k) valCorpsVSE[k].valeur[0] = '\0';
    corpsVideApres = coupes;
}

// How an error record echoes the current record, of switch-table entry idx.
sVSERepondu repondre(const char* tampon, int longueur, int idx) {
    sVSERepondu r;
    r.ligne = tampon;
    r.longueur = longueur;
    const sAiguillage& entree = tAiguillage[idx];
    r.corpsEnBlanc = idx == ERR_AIGUILLAGE;
    r.erre = entree.code == ERRE;
    if (entree.champErrC7 != CINC) {
        colonnesDuSlot(entree.tabVerif, *entree.pLenTabVerif, entree.champErrC7, &r.debutC7, &r.finC7);
    }
    if (entree.champErrC8 != CINC) {
        colonnesDuSlot(entree.tabVerif, *entree.pLenTabVerif, entree.champErrC8, &r.debutC8, &r.finC8);
    }
    return r;
}

sVerdict arret(const char* message) {
    sVerdict v;
    v.issue = sVerdict::Issue::arret;
    v.nbErreur = -2;
    v.message = message;
    return v;
}

sVerdict premierEnregistrement(sMoteur& m, const char* tampon, int longueur, int visu, const char* vue) {
    const char* typeVSE = valEnteteVSE[E6].valeur;
    if (!vaut(typeVSE, "FICH")) return arret(message::IG011);

    Tables& t = tables();
    m.errFich = verifier(m, t.entete, visu, m.nbErreur, valEnteteVSE, nullptr, "E");
    couperCorps(t.fich, visu, vue, longueur);
    if (vaut(valCorpsVSE[C1].valeur, "                ")) return arret(message::I099);
    if (m.errFich <= 9) {
        m.errFich = verifier(m, t.fich, visu, m.errFich, valCorpsVSE, nullptr, "C");
        if (m.errFich <= 9) m.errFich = verifier(m, t.fin, visu, m.errFich, valFinVSE, nullptr, "F");
    }
    std::memcpy(valFichEnteteVSE, valEnteteVSE, sizeof valFichEnteteVSE);
    std::memcpy(valFichCorpsVSE, valCorpsVSE, sizeof valFichCorpsVSE);
    std::memcpy(m.codeFichErreur, m.codeErreur, sizeof m.codeFichErreur);
    std::memcpy(m.tamponFich, tampon, static_cast<size_t>(longueur));
    m.longueurFich = longueur;
    m.fichTraite = true;

    m.nbErreur = m.errFich;
    copierDebut(valEnteteVSE[E3].valeur, 8, m.sauvEmetteur);
    copierDebut(valEnteteVSE[E4].valeur, 8, m.sauvRecepteur);
    m.partenaires.recepteurCentral = vaut(m.sauvRecepteur, "031BDN  ");
    m.partenaires.norm01 = vaut(m.sauvEmetteur, "NORM01  ");
    m.partenaires.norm02 = vaut(m.sauvEmetteur, "NORM02  ");
    m.partenaires.pfoc01 = vaut(m.sauvEmetteur, "PFOC01  ");
    m.partenaires.abattoirs = commencePar(m.sauvEmetteur, "OFFICE") || commencePar(m.sauvEmetteur, "ONICAB");
    m.coherence.valide = false;
    if (dependanceVSE() == 1) {
        copierDebut(typeVSE, 4, m.sauvCodeVSE);
        copierDebut(valEnteteVSE[E5].valeur, 3, m.sauvTypeVSE);
        m.sauvCodeVSEerr = 0;
    }
    sVerdict v;
    v.issue = sVerdict::Issue::fich;
    v.nbErreur = m.nbErreur;
    return v;
}

// Decimal number of a count field: leading blanks skipped, reading stops at
// the first non-digit; blanks alone read as 0.
int lireNombre(const char* texte) {
    while (*texte == ' ') ++texte;
    int valeur = 0;
    for (; *texte >= '0' && *texte <= '9'; ++texte) {
        if (valeur < 100000000) valeur = valeur * 10 + (*texte - '0');
    }
    return valeur;
}

// An error-free EXP1 or EGET creation is pending: the record that follows
// it must be its partner creation with the same link.
bool appariementOuvert(const sMoteur& m) {
    static_assert(sizeof m.sauvTypeVSE == 4 && sizeof m.sauvCodeVSE == 5);
    return actionDe(m.sauvTypeVSE) == motDe("CRE") && m.sauvCodeVSEerr == 0 &&
           (typeDe(m.sauvCodeVSE) == motDe("EXP1") || typeDe(m.sauvCodeVSE) == motDe("EGET"));
}

}  // namespace

int regleStatut(const char* variante, const char* emetteur, const char* typeVSE, const char* statut) {
    if (vaut(typeVSE, "ERRE")) return 0;
    if (vaut(variante, "TELVAROS  ")) {
        if (!vaut(statut, "xx")) return 0;
        return estPartenaireNational(emetteur) ? erreur::STATUT_PARTENAIRE : erreur::STATUT;
    }
    if (vaut(variante, "TELVAROSD ")) return vaut(statut, "  ") || vaut(statut, "10") ? 0 : erreur::STATUT_DEPARTEMENT;
    if (vaut(variante, "TELVAROSL ")) {
        if (estPartenaireNational(emetteur)) return vaut(statut, "20") ? 0 : erreur::STATUT_PARTENAIRE;
        return vaut(statut, "  ") || vaut(statut, "10") ? 0 : erreur::STATUT_DEPARTEMENT;
    }
    if (vaut(variante, "TELVAROSPF")) {
        return vaut(statut, "10") || vaut(typeVSE, "ABAT") ? 0 : erreur::STATUT_POINT_FOCAL;
    }
    return 0;
}

sVerdict traitement(sMoteur& m, char* tampon, int longueur, int visu, int nombreDeVSE) {
    // The record as the checks see it is cut from xdebug itself.
    const char* const vue = xdebug;
    preparerVue(tampon, longueur, xdebug);
    if (visu == dgVisu) {
        std::fputs("VSE=|", stdout);
        std::fwrite(tampon, 1, static_cast<size_t>(longueur), stdout);
        std::fputs("|\n", stdout);
    }
    std::memset(m.codeErreur, 0, 10 * sizeof m.codeErreur[0]);
    Tables& t = tables();
    if (longueur == LONGUEUR_VSE && visu == noVisu) {
        couperEnteteEtFin(vue);
    } else {
        couper(t.entete, visu, vue, longueur, valEnteteVSE);
        couper(t.fin, visu, vue, longueur, valFinVSE);
    }

    if (nombreDeVSE == 1) return premierEnregistrement(m, tampon, longueur, visu, vue);

    const char* typeVSE = valEnteteVSE[E6].valeur;
    const char* action = valEnteteVSE[E5].valeur;
    const char* emetteur = m.sauvEmetteur;
    const sMoteur::Partenaires& p = m.partenaires;
    const std::uint64_t type = typeDe(typeVSE);
    const std::uint64_t act = actionDe(action);
    int n = m.nbErreur;
    auto ajouter = [&](int numero) {
        if (n <= 9) m.codeErreur[n++] = numero;
    };

    // Partner rules, on the emitter and receiver of the FICH record.
    if constexpr (vaut(VARIANTE, "TELVAROS  ")) {
        if (!emetteurCoherent(m, valEnteteVSE[E8].valeur)) ajouter(erreur::EMETTEUR_ETABLISSEMENT);
    }
    const bool demandeInfo = type == motDe("INFO") && act == motDe("DEM");
    if (demandeInfo) {
        if (!p.norm02 && !p.pfoc01) ajouter(erreur::EMETTEUR_NON_HABILITE);
        if (!p.recepteurCentral) ajouter(erreur::RECEPTEUR_INFO);
    }
    if (type == motDe("ABAT")) {
        if (p.norm01) {
            if (!vaut(valEnteteVSE[E8].valeur, "NORMABEV")) ajouter(erreur::ETABLISSEMENT_ABATTAGE);
        } else if (!p.abattoirs) {
            ajouter(erreur::EMETTEUR_NON_HABILITE);
        }
    }
    if (p.recepteurCentral) {
        const bool abatAdmis =
            type == motDe("ABAT") && (act == motDe("CRE") || act == motDe("MOD") || act == motDe("INV"));
        if (p.pfoc01) {
            if (!demandeInfo) ajouter(erreur::NON_ADMIS_CENTRAL);
        } else if (p.norm01 || p.norm02) {
            if (!demandeInfo && !abatAdmis) ajouter(erreur::NON_ADMIS_CENTRAL);
        }
    }
    if (type == motDe("FICH")) ajouter(erreur::FICH_REPETE);

    int idx = ERR_AIGUILLAGE;
    if (n <= 9) {
        n = verifierEntete(m, t.entete, visu, n, vue, longueur);
        idx = chercherAiguillage(typeVSE);
        if (tAiguillage[idx].code != -1) {
            const TableCompilee& corps = t.corps(idx);
            couperCorps(corps, visu, vue, longueur);
            n = verifier(m, corps, visu, n, valCorpsVSE, action, "C");
            // The processing status: body columns 77 to 78 in every type but ERRE.
            char statut[3];
            colonnes(vue, longueur, 77, 78, statut);
            // This build's variant refuses no status but "xx".
            if (!vaut(VARIANTE, "TELVAROS  ") || vaut(statut, "xx")) {
                const int refusStatut = regleStatut(VARIANTE, emetteur, typeVSE, statut);
                if (refusStatut > 0) ajouter(refusStatut);
            }
            if (n <= 9) n = verifierFin(m, t.fin, visu, n, vue, longueur);
        }
    }
    m.nbErreur = n;

    // The link of a pairing: body columns 65 to 76 (blank when the type is unknown).
    char lien[13];
    if (idx == ERR_AIGUILLAGE) {
        std::strcpy(valCorpsVSE[C1].valeur, "  ");
        std::strcpy(valCorpsVSE[C2].valeur, "            ");
        if (corpsVideApres < C2 + 1) corpsVideApres = C2 + 1;
        std::strcpy(lien, "            ");
    } else {
        colonnes(vue, longueur, 65, 76, lien);
    }

    sVerdict v;
    v.nbErreur = n;
    if (n == 0) {
        if (!(type == motDe("ERRE") && act == motDe("ECQ"))) {
            tampon[76] = telvarosRES();
            tampon[77] = '0';
        }
        v.issue = sVerdict::Issue::accepte;
        v.octets = tampon;
        v.longueur = longueur;
    } else {
        v.issue = sVerdict::Issue::refuse;
        v.codes = m.codeErreur;
        v.repondu = repondre(tampon, longueur, idx);
    }

    // Pairing: an error-free EXP1 or EGET creation must be followed by its
    // EXP2 or RATA creation with the same link.
    if (dependanceVSE() == 1 && appariementOuvert(m)) {
        const char* partenaire = vaut(m.sauvCodeVSE, "EXP1") ? "EXP2" : "RATA";
        v.appariementDu = !(egal(typeVSE, partenaire) && vaut(action, "CRE") && egal(lien, m.sauvLienVSE));
    }

    // The type and action of this record, as the next one sees them: slots
    // of at least 5 bytes whose value (4 and 3 wide) ends within them.
    m.sauvCodeVSEerr = m.nbErreur;
    static_assert(sizeof m.sauvCodeVSE == 5 && sizeof m.sauvTypeVSE == 4);
    std::memcpy(m.sauvCodeVSE, typeVSE, sizeof m.sauvCodeVSE);
    std::memcpy(m.sauvTypeVSE, action, sizeof m.sauvTypeVSE);
    if (dependanceVSE() == 1 && m.nbErreur == 0 && act == motDe("CRE") &&
        (type == motDe("EXP1") || type == motDe("EGET"))) {
        copierDebut(lien, 12, m.sauvLienVSE);
        v.appariementPrepare = type == motDe("EXP1") ? erreur::EXP2_MANQUANTE : erreur::RATA_MANQUANTE;
        v.repondu = repondre(tampon, longueur, idx);
    }
    return v;
}

sCloture cloture(sMoteur& m, int nombre) {
    sCloture c;
    c.appariementDu = dependanceVSE() == 1 && appariementOuvert(m);
    if (lireNombre(valFichCorpsVSE[C3].valeur) != nombre) {
        if (m.errFich <= 9) {
            m.codeFichErreur[m.errFich] = erreur::NOMBRE_ANNONCE;
            c.fichEnErreur = m.errFich == 0;
        }
        ++m.errFich;
    }
    return c;
}
