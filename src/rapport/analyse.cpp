// The report of a file. The main loop is the tool's (the reader, the engine's
// record processing and closing, and the counts the tool keeps); nothing is
// written, and each record in error is walked a second time through its
// rules to tell which rule gave which number. That walk repeats the engine's
// order (partner rules, line faults, header, body, status, trailer, ten
// numbers at most); its numbers are compared with the engine's, which are
// the verdict.
#include "rapport/analyse.h"

#include <cstdio>
#include <cstring>
#include <memory>

#include "checks/coherence.h"
#include "checks/generiques.h"
#include "checks/index.h"
#include "checks/octets.h"
#include "driver/execution.h"
#include "driver/lecteur.h"
#include "driver/sorties.h"
#include "engine/entete.h"
#include "engine/traitement.h"
#include "engine/verif.h"
#include "model/messages.h"
#include "rapport/regles.h"
#include "records/records.h"

namespace {

// The FICH record and at most 10000 records, as the tool counts its lines.
constexpr int LIMITE_LIGNES = 10002;

bool vaut(const char* valeur, const char* litteral) { return std::strcmp(valeur, litteral) == 0; }

// Columns debut..fin (1-based) of a line of longueur bytes, cut short at its end.
std::string colonnes(const char* ligne, int longueur, int debut, int fin) {
    std::string s;
    for (int c = debut; c <= fin && c <= longueur; ++c) s += ligne[c - 1];
    return s;
}

// Obligation column of an action code: 0 CRE and ECQ, 1 DEM, 2 INV, 3 EDI,
// 4 MOD, -1 any other code.
int colonneObligation(const char* action) {
    static const char* const actions[] = {"CRE", "DEM", "INV", "EDI", "MOD", "ECQ"};
    for (int i = 0; i < 6; ++i) {
        if (vaut(action, actions[i])) return i == 5 ? 0 : i;
    }
    return -1;
}

int codeObligation(const sCorps& r, int colonne) {
    switch (colonne) {
    case 0: return r.typeCRE;
    case 1: return r.typeDEM;
    case 2: return r.typeINV;
    case 3: return r.typeEDI;
    case 4: return r.typeMOD;
    default: return -1;
    }
}

// The second walk over one record: the line as read, its line faults, and
// the numbers found so far (ten at most, as the engine keeps).
class Explication {
public:
    Explication(const char* ligne, int longueur, int codLong, int codCaract)
        : ligne_(ligne), longueur_(longueur), codLong_(codLong), codCaract_(codCaract) {}

    std::vector<sErreurExpliquee> erreurs;
    bool plein() const { return erreurs.size() > 9; }

    void ajouter(sErreurExpliquee e) {
        if (!plein()) erreurs.push_back(std::move(e));
    }

    // An error of the engine's own rules, on a field or on none.
    void moteur(int numero, Origine origine, char zone, int champ, int debut, int fin, const char* libelle,
                const std::string& detail) {
        sErreurExpliquee e;
        e.numero = numero;
        e.origine = origine;
        e.zone = zone;
        e.champ = champ;
        e.debut = debut;
        e.fin = fin;
        if (libelle != nullptr) e.libelle = libelle;
        if (zone != 0) {
            e.valeur = colonnes(ligne_, longueur_, debut, fin);
            e.valeurLue = true;
        }
        e.detail = detail;
        ajouter(std::move(e));
    }

    // The rules of a table over the slots cut from this line; action null
    // runs every check without its obligation columns.
    void parcourir(const sTableDecrite& t, valeurVSE* slots, const char* action) {
        defautsDeLigne();
        if (t.nombre <= 0) return;
        const int colonne = action == nullptr ? 0 : colonneObligation(action);
        int slot = -1;
        for (int i = 0; i < t.nombre; ++i) {
            const sCorps& r = t.regles[i];
            if (r.debut != 0) ++slot;
            if (r.pfVerif == nullptr) continue;
            const int code = action == nullptr ? 0 : codeObligation(r, colonne);
            if (code == SANS_CONTROLE) continue;
            if (plein()) break;
            if (code != A_CONTROLER) {
                sErreurExpliquee e = surLeChamp(t, i);
                e.numero = erreur::OBLIGATION;
                e.origine = Origine::interdite;
                e.detail = colonne < 0 ? "code action inconnu : aucun champ n'est admis"
                                       : "champ non admis pour le code action";
                ajouter(std::move(e));
                continue;
            }
            char* const valeur = slots[slot].valeur;
            const IndexValeurs* index =
                r.pfVerif == fVerifValAut ? indexDeTable(r.sverif, *r.plenSverif) : nullptr;
            const bool accepte = index != nullptr ? index->contient(valeur)
                                                  : r.pfVerif(r.dependance, valeur, r.sverif, *r.plenSverif) != 0;
            if (accepte) continue;
            sErreurExpliquee e = surLeChamp(t, i);
            e.numero = r.noErr;
            e.origine = Origine::regle;
            e.regle = nomDeCheck(r.pfVerif);
            e.teste = ceQueTeste(r.pfVerif);
            e.table = nomDeTable(r);
            e.dependance = nomDeDependance(r, t);
            ajouter(std::move(e));
        }
    }

private:
    // The line faults, each recorded once, before the first table's rules.
    void defautsDeLigne() {
        if (codCaract_ == 1 && !plein()) {
            codCaract_ = 0;
            int colonne = 1;
            while (colonne <= longueur_) {
                const unsigned char c = static_cast<unsigned char>(ligne_[colonne - 1]);
                if (c < 32 || c > 126) break;
                ++colonne;
            }
            char detail[96];
            std::snprintf(detail, sizeof detail, "premier octet hors de 32 à 126 en colonne %d (\\x%02x)", colonne,
                          colonne <= longueur_ ? static_cast<unsigned char>(ligne_[colonne - 1]) : 0);
            moteur(erreur::CARACTERES, Origine::ligne, 0, -1, 0, 0, nullptr, detail);
        }
        if (codLong_ == 1 && !plein()) {
            codLong_ = 0;
            moteur(erreur::TROP_LONG, Origine::ligne, 0, -1, 0, 0, nullptr,
                   "la ligne a plus de 256 caractères (la suite est ignorée)");
        }
        if (codLong_ == 2 && !plein()) {
            codLong_ = 0;
            moteur(erreur::TROP_COURT, Origine::ligne, 0, -1, 0, 0, nullptr,
                   "la ligne n'a que " + std::to_string(longueur_) + " caractères sur 256");
        }
    }

    // The field of rule `rang` of a table, with the value read in its columns.
    sErreurExpliquee surLeChamp(const sTableDecrite& t, int rang) {
        sErreurExpliquee e;
        const sCorps& r = t.regles[rang];
        e.zone = t.zone[0];
        e.champ = r.numChamp;
        colonnesDeRegle(t, rang, &e.debut, &e.fin);
        e.libelle = libelle(t, r.numChamp);
        e.valeur = colonnes(ligne_, longueur_, e.debut, e.fin);
        e.valeurLue = true;
        return e;
    }

    const char* ligne_;
    int longueur_;
    int codLong_;
    int codCaract_;
};

// Cuts a table's fields from the line as the checks see it (NUL bytes
// replaced), into the engine's value slots.
void couper(const sTableDecrite& t, const char* ligne, int longueur, valeurVSE* slots) {
    preparerVue(ligne, longueur, xdebug);
    getvseChamps(t.regles, t.nombre, xdebug, longueur, slots, noVisu);
}

// The walk of the FICH record (line 1).
std::vector<sErreurExpliquee> expliquerFich(const char* ligne, int longueur, int codLong, int codCaract) {
    Explication x(ligne, longueur, codLong, codCaract);
    couper(tableEntete(), ligne, longueur, valEnteteVSE);
    couper(tableFin(), ligne, longueur, valFinVSE);
    x.parcourir(tableEntete(), valEnteteVSE, nullptr);
    couper(tableFich(), ligne, longueur, valCorpsVSE);
    if (!x.plein()) {
        x.parcourir(tableFich(), valCorpsVSE, nullptr);
        if (!x.plein()) x.parcourir(tableFin(), valFinVSE, nullptr);
    }
    return x.erreurs;
}

bool partenaireNational(const char* emetteur) {
    return vaut(emetteur, "NORM01  ") || vaut(emetteur, "NORM02  ") || vaut(emetteur, "PFOC01  ");
}

// The walk of a record after FICH.
std::vector<sErreurExpliquee> expliquer(const sMoteur& m, const char* ligne, int longueur, int codLong,
                                        int codCaract) {
    Explication x(ligne, longueur, codLong, codCaract);
    const sTableDecrite entete = tableEntete();
    couper(entete, ligne, longueur, valEnteteVSE);
    couper(tableFin(), ligne, longueur, valFinVSE);
    const std::string type = valEnteteVSE[E6].valeur;
    const std::string action = valEnteteVSE[E5].valeur;
    const std::string e8 = valEnteteVSE[E8].valeur;
    const char* emetteur = m.sauvEmetteur;
    const char* recepteur = m.sauvRecepteur;
    const std::string deLaLigne1 = " (émetteur du fichier \"" + echapper(emetteur) + "\", récepteur \"" +
                                   echapper(recepteur) + "\")";
    auto partenaire = [&](int numero, int champ, const std::string& detail) {
        int debut = 0, fin = 0;
        if (champ >= 0) colonnesDuSlot(tEntete, lEntete, champ, &debut, &fin);
        x.moteur(numero, Origine::partenaire, champ >= 0 ? 'E' : 0, champ, debut, fin,
                 champ >= 0 ? libelle(entete, champ) : nullptr, detail + deLaLigne1);
    };

    // Partner rules, in the engine's order.
    if (vaut(VARIANTE, "TELVAROS  ") && fCoherenCCE(emetteur, e8.c_str()) == 0) {
        partenaire(erreur::EMETTEUR_ETABLISSEMENT, E8, erreurDuMoteur(erreur::EMETTEUR_ETABLISSEMENT));
    }
    const bool demandeInfo = type == "INFO" && action == "DEM";
    if (demandeInfo) {
        if (!vaut(emetteur, "NORM02  ") && !vaut(emetteur, "PFOC01  ")) {
            partenaire(erreur::EMETTEUR_NON_HABILITE, -1, "seuls NORM02 et PFOC01 émettent des demandes INFO");
        }
        if (!vaut(recepteur, "031BDN  ")) {
            partenaire(erreur::RECEPTEUR_INFO, -1, erreurDuMoteur(erreur::RECEPTEUR_INFO));
        }
    }
    if (type == "ABAT") {
        if (vaut(emetteur, "NORM01  ")) {
            if (e8 != "NORMABEV") partenaire(erreur::ETABLISSEMENT_ABATTAGE, E8, erreurDuMoteur(129));
        } else if (!commencePar(emetteur, "OFFICE") && !commencePar(emetteur, "ONICAB")) {
            partenaire(erreur::EMETTEUR_NON_HABILITE, -1, "seuls NORM01, OFFICE et ONICAB émettent des ABAT");
        }
    }
    if (vaut(recepteur, "031BDN  ")) {
        const bool abatAdmis = type == "ABAT" && (action == "CRE" || action == "MOD" || action == "INV");
        const bool refuse = vaut(emetteur, "PFOC01  ") ? !demandeInfo
                            : vaut(emetteur, "NORM01  ") || vaut(emetteur, "NORM02  ") ? !demandeInfo && !abatAdmis
                                                                                        : false;
        if (refuse) partenaire(erreur::NON_ADMIS_CENTRAL, E6, erreurDuMoteur(erreur::NON_ADMIS_CENTRAL));
    }
    if (type == "FICH") partenaire(erreur::FICH_REPETE, E6, erreurDuMoteur(erreur::FICH_REPETE));

    if (x.plein()) return x.erreurs;
    x.parcourir(entete, valEnteteVSE, nullptr);
    const int idx = chercherAiguillage(type.c_str());
    if (tAiguillage[idx].code == -1) return x.erreurs;
    const sTableDecrite corps = tableCorps(idx);
    couper(corps, ligne, longueur, valCorpsVSE);
    x.parcourir(corps, valCorpsVSE, action.c_str());
    const std::string statut = colonnes(ligne, longueur, 77, 78);
    const int refusStatut = regleStatut(VARIANTE, emetteur, type.c_str(), statut.c_str());
    if (refusStatut > 0) {
        x.moteur(refusStatut, Origine::statut, 'C', -1, 77, 78, "statut de traitement",
                 std::string(erreurDuMoteur(refusStatut)) + (partenaireNational(emetteur) ? " (partenaire national)" : ""));
    }
    if (!x.plein()) x.parcourir(tableFin(), valFinVSE, nullptr);
    return x.erreurs;
}

// The numbers the engine gave, explained by the walk when both agree, else
// shown without explanation.
std::vector<sErreurExpliquee> rapprocher(std::vector<sErreurExpliquee> explications, const int* codes, int n,
                                         bool& conformes) {
    if (n > 10) n = 10;
    bool egaux = static_cast<int>(explications.size()) == n;
    for (int i = 0; egaux && i < n; ++i) egaux = explications[static_cast<size_t>(i)].numero == codes[i];
    if (egaux) return explications;
    conformes = false;
    std::vector<sErreurExpliquee> nues;
    for (int i = 0; i < n; ++i) {
        sErreurExpliquee e;
        e.numero = codes[i];
        e.detail = erreurDuMoteur(codes[i]);
        nues.push_back(e);
    }
    return nues;
}

// The record as its error record identifies it: type, action, and the pair
// the error record carries in its columns 98 to 111.
sEnregistrementEnErreur identifier(const sExecution& ctx, const sVSERepondu& repondu, int ligne) {
    sEnregistrementEnErreur e;
    e.ligne = ligne;
    e.type = colonnes(repondu.ligne, repondu.longueur, 22, 25);
    e.action = colonnes(repondu.ligne, repondu.longueur, 19, 21);
    char enregistrement[LONGUEUR_VSE];
    construireVSEERR(ctx, repondu, nullptr, 0, enregistrement);
    e.c7.assign(enregistrement + 97, 2);
    e.c8.assign(enregistrement + 99, 12);
    return e;
}

sEnregistrementEnErreur appariementManquant(const sExecution& ctx, const sVSERepondu& repondu, int ligne,
                                            int numero) {
    sEnregistrementEnErreur e = identifier(ctx, repondu, ligne);
    sErreurExpliquee x;
    x.numero = numero;
    x.origine = Origine::appariement;
    x.zone = 'C';
    x.debut = 65;
    x.fin = 76;
    x.libelle = "lien de l'appariement";
    x.valeur = colonnes(repondu.ligne, repondu.longueur, 65, 76);
    x.valeurLue = true;
    x.detail = erreurDuMoteur(numero);
    x.detail += numero == erreur::EXP2_MANQUANTE ? " (ligne suivante attendue : EXP2 CRE)"
                                                 : " (ligne suivante attendue : RATA CRE)";
    e.erreurs.push_back(x);
    return e;
}

}  // namespace

std::string echapper(const std::string& octets) {
    std::string s;
    for (const char c : octets) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (u == '\\') {
            s += "\\\\";
        } else if (u >= 32 && u <= 126) {
            s += c;
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02x", u);
            s += hex;
        }
    }
    return s;
}

sRapport analyser(int fd) {
    sRapport r;
    effacerModele();
    auto ctx = std::make_unique<sExecution>();
    ctx->fp_recu.adopter(fd);
    sMoteur& m = ctx->moteur;

    int format = -1;
    int nombreDeVSE = 1;
    int nbVSE_Err = 0;
    std::vector<sErreurExpliquee> explicationsFich;
    // The pairing answer prepared for the last accepted EXP1 or EGET creation.
    sEnregistrementEnErreur appariement;
    auto arreter = [&](const char* message) {
        r.code = 1;
        r.message = message;
        r.ligneArret = nombreDeVSE;
        r.nbEnErreur = nbVSE_Err;
        return r;
    };

    char tampon[LONGUEUR_VSE + 1];
    for (;;) {
        m.codLong = 0;
        m.codCaract = 0;
        int longueur = 0;
        const int fin = telvarosFgets(*ctx, tampon, &longueur);
        if (fin == TELVAROS_LONGNULLE) return arreter(message::IG015);
        if (fin == TELVAROS_ERREUR) {
            std::perror("Lecture du fichier à traiter");
            return arreter(message::IG003);
        }
        if (fin == TELVAROS_EOF || fin == TELVAROS_CTRLZ) break;
        if (format != -1 && format != fin) return arreter(message::IG008);

        const int codLong = m.codLong;
        const int codCaract = m.codCaract;
        std::string ligne(tampon, static_cast<size_t>(longueur));
        const sVerdict v = traitement(m, tampon, longueur, noVisu, nombreDeVSE);
        if (v.issue == sVerdict::Issue::arret) return arreter(v.message);
        ++r.lus;
        int existDependanceVSEerr = 0;
        if (v.issue == sVerdict::Issue::fich) {
            if (m.errFich > 0) {
                explicationsFich = rapprocher(expliquerFich(ligne.data(), longueur, codLong, codCaract),
                                              m.codeFichErreur, m.errFich, r.explicationsConformes);
            }
        } else {
            if (v.issue == sVerdict::Issue::accepte) {
                ++r.acceptes;
            } else {
                sEnregistrementEnErreur e = identifier(*ctx, v.repondu, nombreDeVSE);
                e.erreurs = rapprocher(expliquer(m, ligne.data(), longueur, codLong, codCaract), v.codes,
                                       v.nbErreur, r.explicationsConformes);
                r.enErreur.push_back(std::move(e));
            }
            if (v.appariementDu) {
                r.enErreur.push_back(appariement);
                existDependanceVSEerr = 1;
            }
            if (v.appariementPrepare != 0) {
                appariement = appariementManquant(*ctx, v.repondu, nombreDeVSE, v.appariementPrepare);
            }
        }
        format = fin;
        if (v.nbErreur > 0) ++nbVSE_Err;
        if (existDependanceVSEerr > 0) ++nbVSE_Err;
        m.nbErreur = 0;
        ++nombreDeVSE;
        if (nombreDeVSE > LIMITE_LIGNES && maxAutoVSE() != 0) return arreter(message::I073);
    }

    // End of the input, as the tool closes it.
    if (!m.fichTraite) return arreter(message::IG011);
    if (nombreDeVSE == 2) return arreter(message::IG014);
    const int nombre = nombreDeVSE - 2;
    const int errFichAvant = m.errFich;
    const sCloture c = cloture(m, nombre);
    if (c.appariementDu) {
        r.enErreur.push_back(appariement);
        ++nbVSE_Err;
    }
    if (c.fichEnErreur) ++nbVSE_Err;
    if (m.errFich > errFichAvant && errFichAvant <= 9) {
        sErreurExpliquee e;
        e.numero = erreur::NOMBRE_ANNONCE;
        e.origine = Origine::nombre;
        e.zone = 'C';
        e.champ = C3;
        e.debut = 95;
        e.fin = 100;
        e.libelle = libelle(tableFich(), C3);
        e.valeur = colonnes(m.tamponFich, m.longueurFich, 95, 100);
        e.valeurLue = true;
        e.detail = "le fichier compte " + std::to_string(nombre) + " enregistrement" + (nombre > 1 ? "s" : "") +
                   " après l'enregistrement FICH";
        explicationsFich.push_back(e);
    }
    if (m.errFich > 0) {
        sVSERepondu fich;
        fich.ligne = m.tamponFich;
        fich.longueur = m.longueurFich;
        fich.corpsEnBlanc = true;
        sEnregistrementEnErreur e = identifier(*ctx, fich, 1);
        e.erreurs = explicationsFich;
        if (e.erreurs.size() > 10) e.erreurs.resize(10);
        r.enErreur.push_back(std::move(e));
    }
    r.nbEnErreur = nbVSE_Err;
    r.code = nbVSE_Err == 0 && m.errFich == 0 ? 0 : 2;
    return r;
}
