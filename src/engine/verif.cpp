// Field verification engine.
#include "engine/verif.h"

#include <cstdio>
#include <cstring>

#include "checks/generiques.h"
#include "checks/index.h"

namespace {

// The obligation columns of a rule, in the order of colonneObligation.
constexpr int sCorps::* kColonnes[] = {&sCorps::typeCRE, &sCorps::typeDEM, &sCorps::typeINV, &sCorps::typeEDI,
                                       &sCorps::typeMOD};

// Obligation column selected by an action code: 0 CRE (and ECQ), 1 DEM,
// 2 INV, 3 EDI, 4 MOD; -1 for any other code. Codes are 3 characters: the
// value is compared with each, whole, once it is known to be 3 long.
int colonneObligation(const char* valE5) {
    static constexpr char actions[][4] = {"CRE", "DEM", "INV", "EDI", "MOD", "ECQ"};
    if (valE5[0] == '\0' || valE5[1] == '\0' || valE5[2] == '\0' || valE5[3] != '\0') return -1;
    for (int i = 0; i < 6; ++i) {
        if (std::memcmp(valE5, actions[i], 3) == 0) return i == 5 ? 0 : i;
    }
    return -1;
}

// The check of a rule the record's action refuses, in the plans of a run
// without a trace: error 86 whatever the value.
int refuserPourLAction(const char*, char*, const void*, int) { return 0; }

// Reports a faulty line (bad characters, wrong length) once per record.
int signalerDefautLigne(int& drapeau, int valeurDrapeau, int visu, const char* trace, int numero,
                        int* codeErreur, int n) {
    if (drapeau != valeurDrapeau) return n;
    if (visu == infVisu) std::fputs(trace, stdout);
    if (n <= 9) {
        drapeau = 0;
        codeErreur[n++] = numero;
    }
    return n;
}

// Record-level faults first, in this order.
int signalerDefautsLigne(sMoteur& m, int visu, int n) {
    if ((m.codCaract | m.codLong) == 0) return n;  // the usual line
    n = signalerDefautLigne(m.codCaract, 1, visu, "VSE  cars non autorisés \n", erreur::CARACTERES, m.codeErreur, n);
    n = signalerDefautLigne(m.codLong, 1, visu, "VSE trop long \n", erreur::TROP_LONG, m.codeErreur, n);
    return signalerDefautLigne(m.codLong, 2, visu, "VSE trop court \n", erreur::TROP_COURT, m.codeErreur, n);
}

// Copies the field at 0-based column debut of a record of longueur
// characters into a slot, cut short at the record's end.
void couperChamp(const char* tampon, int longueur, int debut, int largeur, char* slot) {
    int disponibles = longueur - debut;
    if (disponibles < 0) disponibles = 0;
    const int copies = disponibles < largeur ? disponibles : largeur;
    std::memcpy(slot, tampon + (debut < longueur ? debut : longueur), static_cast<size_t>(copies));
    slot[copies] = '\0';
}

}  // namespace

void preparerVue(const char* ligne, int longueur, char* vue) {
    const size_t n = static_cast<size_t>(longueur);
    std::memcpy(vue, ligne, n);
    vue[n] = '\0';
    char* const fin = vue + n;
    for (char* nul = static_cast<char*>(std::memchr(vue, '\0', n)); nul != nullptr;
         nul = static_cast<char*>(std::memchr(nul + 1, '\0', static_cast<size_t>(fin - nul - 1)))) {
        *nul = NUL_VU;
    }
}

int getvseChamps(const sCorps* tCorps, int lCorps, const char* tampon, int longueur, valeurVSE* tValVSE,
                 int visu) {
    if (tampon != xdebug) std::memcpy(xdebug, tampon, static_cast<size_t>(longueur) + 1);
    int k = 0;
    for (int i = 0; i < lCorps; ++i) {
        const sCorps& regle = tCorps[i];
        if (regle.fin == 0) continue;
        couperChamp(tampon, longueur, regle.debut - 1, regle.fin - regle.debut + 1, tValVSE[k++].valeur);
    }
    if (visu == dgVisu) std::fputc('\n', stdout);
    return k;
}

namespace {

// A field of the header or trailer: its slot, first column (1-based) and width.
struct ChampFixe {
    int slot;
    int debut;
    int largeur;
};
// The columns of tEntete and tFin (a test holds them equal).
constexpr ChampFixe kChampsEntete[] = {{E1, 1, 1},   {E2, 2, 1},   {E3, 3, 8},   {E4, 11, 8},  {E5, 19, 3},
                                       {E6, 22, 4},  {E7, 26, 1},  {E8, 27, 8},  {E9, 35, 8},  {E10, 43, 8},
                                       {E11, 51, 10}, {E12, 61, 1}, {E13, 62, 1}};
constexpr ChampFixe kChampsFin[] = {{F1, 231, 8}, {F2, 239, 6}, {F3, 245, 3}, {F4, 248, 8}, {F5, 256, 1}};

template <std::size_t N>
[[gnu::always_inline]] inline void couperFixe(const char* vue, const ChampFixe (&champs)[N], valeurVSE* slots) {
#pragma GCC unroll 16
    for (const ChampFixe& c : champs) {
        static_assert(TableCompilee::MARGE_VUE >= 16);
        std::memcpy(slots[c.slot].valeur, vue + c.debut - 1, 16);  // every field is at most 16 wide
        slots[c.slot].valeur[c.largeur] = '\0';
    }
}

}  // namespace

void couperEnteteEtFin(const char* vue) {
    couperFixe(vue, kChampsEntete, valEnteteVSE);
    couperFixe(vue, kChampsFin, valFinVSE);
}

bool colonnesDuSlot(const sCorps* tCorps, int lCorps, int slot, int* debut, int* fin) {
    int k = 0;
    for (int i = 0; i < lCorps; ++i) {
        if (tCorps[i].fin == 0) continue;
        if (k == slot) {
            *debut = tCorps[i].debut;
            *fin = tCorps[i].fin;
            return true;
        }
        ++k;
    }
    return false;
}

TableCompilee::TableCompilee(const sCorps* tCorps, int lCorps) : regles_(tCorps), nombre_(lCorps) {
    for (int r = 0; r < lCorps; ++r) {
        if (tCorps[r].fin == 0) continue;
        coupes_.push_back({tCorps[r].debut - 1, tCorps[r].fin - tCorps[r].debut + 1});
        if (coupes_.back().largeur > 16) coupesLongues_.push_back(static_cast<int>(coupes_.size()) - 1);
        coupesDansLeVSE_ = coupesDansLeVSE_ && tCorps[r].debut >= 1 && tCorps[r].fin <= LONGUEUR_VSE;
    }
    compiler(false, plans_);
}

void TableCompilee::compiler(bool traces, std::vector<Etape> (&plans)[7]) const {
    for (int plan = 0; plan < 7; ++plan) {
        int slot = -1;
        for (int r = 0; r < nombre_; ++r) {
            const sCorps& regle = regles_[r];
            if (regle.debut != 0) ++slot;
            const auto decalage = static_cast<std::ptrdiff_t>(slot) * static_cast<std::ptrdiff_t>(sizeof(valeurVSE));
            Etape etape{nullptr,  nullptr,          nullptr,           nullptr, 0, erreur::OBLIGATION, slot,
                        decalage, Genre::sansCheck, AvantLaListe::rien, 0,       regle.numChamp};
            if (regle.pfVerif != nullptr) {
                int code = 0;
                if (plan == PLAN_ACTION_INCONNUE) {
                    code = -1;
                } else if (plan != PLAN_SANS_OBLIGATION) {
                    code = regle.*kColonnes[plan];
                }
                etape.code = code;
                if (code == 1) {
                    etape.genre = Genre::ignoree;
                } else if (code != 0) {
                    etape.genre = Genre::interdite;
                } else {
                    etape.genre = Genre::controle;
                    etape.verif = regle.pfVerif;
                    etape.dependance = regle.dependance;
                    etape.sverif = regle.sverif;
                    etape.lenSverif = *regle.plenSverif;
                    etape.noErr = regle.noErr;
                    // The traced walk calls the list checks that look at the
                    // value first, so that a trace holds the two ways equal.
                    AvantLaListe avant = AvantLaListe::rien;
                    if (listeIndexee(regle.pfVerif, avant) && (!traces || avant == AvantLaListe::rien)) {
                        etape.index = indexDeTable(regle.sverif, *regle.plenSverif);
                        etape.avant = avant;
                    }
                }
                if (!traces && etape.genre == Genre::interdite) etape.verif = refuserPourLAction;
                if (traces || etape.genre != Genre::ignoree) plans[plan].push_back(etape);
            } else if (traces) {
                plans[plan].push_back(etape);
            }
        }
    }
}

int TableCompilee::couper(const char* vue, int longueur, valeurVSE* tValVSE) const {
    valeurVSE* slot = tValVSE;
    if (longueur == LONGUEUR_VSE && coupesDansLeVSE_) {
        // A whole record holds every field: each is moved 16 bytes at a
        // time. The moves may read up to 15 bytes past the field (the view's
        // margin) and write as many past it in the slot (a field of w bytes
        // writes at most w rounded up to 16, never more than 256), all after
        // the NUL that ends the value.
        for (const Coupe& c : coupes_) {
            char* const valeur = (slot++)->valeur;
            std::memcpy(valeur, vue + c.debut, 16);  // most fields: one move
            valeur[c.largeur] = '\0';
        }
        for (const int k : coupesLongues_) {
            const Coupe& c = coupes_[static_cast<std::size_t>(k)];
            char* const valeur = tValVSE[k].valeur;
            const char* const champ = vue + c.debut;
            for (int fait = 16; fait < c.largeur; fait += 16) std::memcpy(valeur + fait, champ + fait, 16);
            valeur[c.largeur] = '\0';
        }
    } else {
        for (const Coupe& c : coupes_) couperChamp(vue, longueur, c.debut, c.largeur, (slot++)->valeur);
    }
    return static_cast<int>(coupes_.size());
}

int TableCompilee::plan(const char* valE5) {
    if (valE5 == nullptr) return PLAN_SANS_OBLIGATION;
    const int colonne = colonneObligation(valE5);
    return colonne < 0 ? PLAN_ACTION_INCONNUE : colonne;
}

namespace {

// The observer of a run without a trace: reports nothing, and makes the walk
// stop at the tenth error.
struct SansTrace {
    static constexpr bool TOUTES_LES_REGLES = false;
    static constexpr int visu = noVisu;
};

// The observer of the -i (infVisu) and -d (dgVisu) traces: visits every rule,
// even past the tenth error, and prints what the walk does with it.
struct Trace {
    static constexpr bool TOUTES_LES_REGLES = true;
    int visu;
    const char* zone;

    void regle(const TableCompilee::Etape& e) {
        if (visu == dgVisu) std::printf("champ: %d  ", e.numChamp + 1);
    }
    void ignoree(const char* valeur) {
        if (visu == dgVisu) std::printf("verif ignoree! '%s'\n", valeur);
    }
    void interdite(const TableCompilee::Etape& e) {
        if (visu == dgVisu) {
            std::printf("verifOblg = [%d]\n", e.code);
        } else if (visu == infVisu) {
            std::printf("%s%i.%i;", zone, e.slot + 1, erreur::OBLIGATION);
        }
    }
    void controle(const char* valeur) {
        if (visu == dgVisu) std::printf("'%s'\n", valeur);
    }
    void refusee(const TableCompilee::Etape& e, const char* valeur) {
        if (visu == dgVisu) std::printf("! erreurChamp sur [%s]\n", valeur);
        if (visu == infVisu) std::printf("%s%i.%i;", zone, e.slot + 1, e.noErr);
    }
};

}  // namespace

// Inlined into each verifier: the run without a trace keeps the loop of its
// plan free of calls it does not need.
template <class Observateur>
[[gnu::always_inline]] inline int TableCompilee::parcourir(const std::vector<Etape>& etapes, sMoteur& m, int n,
                                                           valeurVSE* valChampsVSE,
                                                           Observateur& observateur) const {
    n = signalerDefautsLigne(m, observateur.visu, n);
    return parcourirRegles(etapes, m.codeErreur, n, valChampsVSE, observateur);
}

template <class Observateur>
[[gnu::always_inline]] inline int TableCompilee::parcourirRegles(const std::vector<Etape>& etapes, int* codes, int n,
                                                                 valeurVSE* valChampsVSE,
                                                                 Observateur& observateur) const {
    if (nombre_ <= 0) return n;
    if constexpr (!Observateur::TOUTES_LES_REGLES) {
        // Without a trace every step of the plan runs its check (a rule the
        // action refuses has one that always refuses), up to the tenth error.
        if (n > 9) return n;
        char* const premier = valChampsVSE[0].valeur;
        for (const Etape& etape : etapes) {
            char* const valeur = premier + etape.decalage;
            const bool accepte = etape.index != nullptr
                                     ? dansLaListe(*etape.index, etape.avant, valeur)
                                     : etape.verif(etape.dependance, valeur, etape.sverif, etape.lenSverif) != 0;
            if (!accepte) {
                codes[n++] = etape.noErr;
                if (n > 9) break;
            }
        }
        return n;
    } else {
        // A traced walk visits every rule, even past the tenth error.
        for (const Etape& etape : etapes) {
            observateur.regle(etape);
            if (n > 9) continue;
            if (etape.genre == Genre::sansCheck) continue;
            if (etape.genre == Genre::ignoree) {
                observateur.ignoree(valChampsVSE[etape.slot].valeur);
                continue;
            }
            if (etape.verif == nullptr) {
                observateur.interdite(etape);
                codes[n++] = erreur::OBLIGATION;
                continue;
            }
            char* const valeur = valChampsVSE[etape.slot].valeur;
            observateur.controle(valeur);
            const bool accepte = etape.index != nullptr
                                     ? dansLaListe(*etape.index, etape.avant, valeur)
                                     : etape.verif(etape.dependance, valeur, etape.sverif, etape.lenSverif) != 0;
            if (!accepte) {
                observateur.refusee(etape, valeur);
                codes[n++] = etape.noErr;
            }
        }
    }
    return n;
}

int TableCompilee::verifier(sMoteur& m, int nbErreurPassee, valeurVSE* valChampsVSE, const char* valE5) const {
    SansTrace observateur;
    return parcourir(plans_[plan(valE5)], m, nbErreurPassee, valChampsVSE, observateur);
}

int TableCompilee::signalerDefautsPresents(sMoteur& m, int n) { return signalerDefautsLigne(m, noVisu, n); }

int TableCompilee::verifierRegles(int* codes, valeurVSE* valChampsVSE, const char* valE5) const {
    SansTrace observateur;
    return parcourirRegles(plans_[plan(valE5)], codes, 0, valChampsVSE, observateur);
}

int TableCompilee::verifier(sMoteur& m, int visu, int nbErreurPassee, valeurVSE* valChampsVSE, const char* valE5,
                            const char* premLettre) const {
    if (visu == noVisu) return verifier(m, nbErreurPassee, valChampsVSE, valE5);
    if (!tracesCompilees_) {
        compiler(true, plansTraces_);
        tracesCompilees_ = true;
    }
    Trace observateur{visu, premLettre};
    return parcourir(plansTraces_[plan(valE5)], m, nbErreurPassee, valChampsVSE, observateur);
}
