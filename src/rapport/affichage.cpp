// The report written for a reader or for a program.
#include "rapport/affichage.h"

namespace {

std::string numero3(int n) {
    char t[16];
    std::snprintf(t, sizeof t, "%03d", n);
    return t;
}

const char* nomOrigine(Origine o) {
    switch (o) {
    case Origine::regle: return "regle";
    case Origine::interdite: return "interdite";
    case Origine::ligne: return "ligne";
    case Origine::partenaire: return "partenaire";
    case Origine::statut: return "statut";
    case Origine::appariement: return "appariement";
    case Origine::nombre: return "nombre";
    case Origine::inconnue: return "inconnue";
    }
    return "inconnue";
}

// "C5, colonnes 81-92, numéro de l'exploitation", "colonnes 77-78, statut de
// traitement", or "" when no field is concerned.
std::string zoneEtChamp(const sErreurExpliquee& e) {
    if (e.zone == 0) return "";
    std::string s;
    if (e.champ >= 0) s = std::string(1, e.zone) + std::to_string(e.champ + 1) + ", ";
    s += "colonnes " + std::to_string(e.debut) + "-" + std::to_string(e.fin);
    if (!e.libelle.empty()) s += ", " + e.libelle;
    return s;
}

std::string nomDuChamp(const sErreurExpliquee& e) {
    if (e.zone == 0 || e.champ < 0) return "";
    return std::string(1, e.zone) + std::to_string(e.champ + 1);
}

// The line on the rule that refused the field.
std::string ligneDeRegle(const sErreurExpliquee& e) {
    std::string s = e.regle;
    if (!e.teste.empty()) s += " : " + e.teste;
    if (!e.table.empty()) s += " ; table " + e.table;
    if (!e.dependance.empty()) s += " ; dépend de " + e.dependance;
    return s;
}

}  // namespace

std::string chaineJson(const std::string& texte, bool utf8) {
    std::string s = "\"";
    for (const char c : texte) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (c == '"') {
            s += "\\\"";
        } else if (c == '\\') {
            s += "\\\\";
        } else if (u < 32 || u == 127 || (u > 127 && !utf8)) {
            char t[8];
            std::snprintf(t, sizeof t, "\\u%04x", u);
            s += t;
        } else {
            s += c;
        }
    }
    return s + "\"";
}

const char* reponseDuCode(int code) {
    switch (code) {
    case 0: return "fichier résultat";
    case 2: return "fichier d'erreur";
    default: return "aucune réponse";
    }
}

void ecrireTexte(std::FILE* f, const std::string& chemin, const sRapport& r) {
    std::fprintf(f, "Rapport du fichier %s\n", echapper(chemin).c_str());
    for (const sEnregistrementEnErreur& en : r.enErreur) {
        std::fprintf(f, "\nLigne %d : type \"%s\", action \"%s\", identification \"%s\" \"%s\"\n", en.ligne,
                     echapper(en.type).c_str(), echapper(en.action).c_str(), echapper(en.c7).c_str(),
                     echapper(en.c8).c_str());
        for (const sErreurExpliquee& e : en.erreurs) {
            std::string tete = "  erreur " + numero3(e.numero);
            const std::string champ = zoneEtChamp(e);
            if (!champ.empty()) {
                tete += " : " + champ;
            } else if (e.origine == Origine::ligne) {
                tete += " : la ligne";
            } else if (e.origine == Origine::partenaire) {
                tete += " : l'enregistrement";
            }
            std::fprintf(f, "%s\n", tete.c_str());
            if (e.valeurLue) {
                std::string v = "    valeur lue : \"" + echapper(e.valeur) + "\"";
                const int attendus = e.fin - e.debut + 1;
                if (static_cast<int>(e.valeur.size()) < attendus) {
                    v += " (" + std::to_string(e.valeur.size()) + " caractère" + (e.valeur.size() > 1 ? "s" : "") +
                         " sur " + std::to_string(attendus) + " : ligne courte)";
                }
                std::fprintf(f, "%s\n", v.c_str());
            }
            if (!e.regle.empty()) std::fprintf(f, "    règle : %s\n", ligneDeRegle(e).c_str());
            if (!e.detail.empty()) {
                const char* quoi = e.origine == Origine::interdite   ? "obligation"
                                   : e.origine == Origine::inconnue ? "origine non retrouvée"
                                                                    : "règle du traitement";
                std::fprintf(f, "    %s : %s\n", quoi, e.detail.c_str());
            } else if (e.regle.empty()) {
                std::fprintf(f, "    origine non retrouvée\n");
            }
        }
    }
    std::fprintf(f, "\nRésumé : %d enregistrement%s lu%s (FICH compris), %d accepté%s, %d en erreur.\n", r.lus,
                 r.lus > 1 ? "s" : "", r.lus > 1 ? "s" : "", r.acceptes, r.acceptes > 1 ? "s" : "", r.nbEnErreur);
    if (r.code == 1) {
        std::fprintf(f, "Arrêt à la ligne %d.\n", r.ligneArret);
        std::fprintf(f, "Réponse de telvaros : code 1, aucune réponse ; message du journal : %s\n", r.message.c_str());
    } else {
        std::fprintf(f, "Réponse de telvaros : code %d, %s.\n", r.code, reponseDuCode(r.code));
    }
}

void ecrireJson(std::FILE* f, const sRapport& r) {
    for (const sEnregistrementEnErreur& en : r.enErreur) {
        std::string s = "{\"objet\":\"enregistrement\",\"ligne\":" + std::to_string(en.ligne) +
                        ",\"type\":" + chaineJson(en.type, false) + ",\"action\":" + chaineJson(en.action, false) +
                        ",\"identification\":[" + chaineJson(en.c7, false) + "," + chaineJson(en.c8, false) +
                        "],\"erreurs\":[";
        bool premier = true;
        for (const sErreurExpliquee& e : en.erreurs) {
            if (!premier) s += ",";
            premier = false;
            s += "{\"numero\":" + std::to_string(e.numero) + ",\"origine\":\"" + nomOrigine(e.origine) + "\"";
            if (e.zone != 0) {
                s += ",\"champ\":" + chaineJson(nomDuChamp(e), true) + ",\"debut\":" + std::to_string(e.debut) +
                     ",\"fin\":" + std::to_string(e.fin) + ",\"libelle\":" + chaineJson(e.libelle, true);
            }
            if (e.valeurLue) s += ",\"valeur\":" + chaineJson(e.valeur, false);
            if (!e.regle.empty()) {
                s += ",\"regle\":" + chaineJson(e.regle, true) + ",\"teste\":" + chaineJson(e.teste, true) +
                     ",\"table\":" + chaineJson(e.table, true) + ",\"dependance\":" + chaineJson(e.dependance, true);
            }
            if (!e.detail.empty()) s += ",\"detail\":" + chaineJson(e.detail, true);
            s += "}";
        }
        s += "]}";
        std::fprintf(f, "%s\n", s.c_str());
    }
    std::string s = "{\"objet\":\"resume\",\"lus\":" + std::to_string(r.lus) +
                    ",\"acceptes\":" + std::to_string(r.acceptes) + ",\"en_erreur\":" + std::to_string(r.nbEnErreur) +
                    ",\"code\":" + std::to_string(r.code) + ",\"reponse\":" + chaineJson(reponseDuCode(r.code), true) +
                    ",\"message\":" + chaineJson(r.message, true) + ",\"ligne_arret\":" + std::to_string(r.ligneArret) +
                    ",\"explications_conformes\":" + (r.explicationsConformes ? "true" : "false") + "}";
    std::fprintf(f, "%s\n", s.c_str());
}
