// Explanation of an error file already received.
#include "rapport/erreurs_recues.h"

#include <vector>

#include "rapport/affichage.h"
#include "rapport/analyse.h"
#include "rapport/regles.h"
#include "records/records.h"

namespace {

std::vector<std::string> decouper(const std::string& contenu) {
    std::vector<std::string> lignes;
    std::string ligne;
    for (size_t i = 0; i < contenu.size(); ++i) {
        const char c = contenu[i];
        if (c == '\n' || c == '\r') {
            if (c == '\r' && i + 1 < contenu.size() && contenu[i + 1] == '\n') ++i;
            lignes.push_back(ligne);
            ligne.clear();
        } else {
            ligne += c;
        }
    }
    if (!ligne.empty()) lignes.push_back(ligne);
    return lignes;
}

std::string col(const std::string& ligne, int debut, int fin) {
    if (static_cast<int>(ligne.size()) < debut) return "";
    return ligne.substr(static_cast<size_t>(debut - 1), static_cast<size_t>(fin - debut + 1));
}

// The "I%03d1" items from column 112 on.
std::vector<int> numeros(const std::string& ligne) {
    std::vector<int> n;
    for (size_t p = 111; p + 5 <= ligne.size() && n.size() < 10; p += 5) {
        const char* i = ligne.data() + p;
        const bool item = i[0] == 'I' && i[1] >= '0' && i[1] <= '9' && i[2] >= '0' && i[2] <= '9' && i[3] >= '0' &&
                          i[3] <= '9' && i[4] == '1';
        if (!item) break;
        n.push_back((i[1] - '0') * 100 + (i[2] - '0') * 10 + (i[3] - '0'));
    }
    return n;
}

struct Champ {
    std::string nom;  // "C5", "E8", "F1"
    int debut, fin;
    std::string libelle, regle, table;
};

std::vector<Champ> champsPortant(int numero, const std::string& type) {
    const sTableDecrite corps = type == "FICH" ? tableFich() : tableCorps(chercherAiguillage(type.c_str()));
    std::vector<Champ> champs;
    for (const sRegleTrouvee& t : reglesPortant(numero, corps)) {
        const sCorps& r = t.table.regles[t.rang];
        Champ c;
        c.nom = t.table.zone + std::to_string(r.numChamp + 1);
        colonnesDeRegle(t.table, t.rang, &c.debut, &c.fin);
        c.libelle = libelle(t.table, r.numChamp);
        c.regle = nomDeCheck(r.pfVerif);
        c.table = nomDeTable(r);
        champs.push_back(c);
    }
    return champs;
}

}  // namespace

void expliquerErreurs(std::FILE* f, const std::string& chemin, const std::string& contenu, bool json) {
    const std::vector<std::string> lignes = decouper(contenu);
    if (!json) std::fprintf(f, "Explication du fichier d'erreur %s\n", echapper(chemin).c_str());
    int enregistrements = 0;
    for (size_t i = 0; i < lignes.size(); ++i) {
        const std::string& l = lignes[i];
        const int numeroLigne = static_cast<int>(i) + 1;
        if (col(l, 19, 25) != "ERRERRE") {
            if (i == 0 && col(l, 19, 25) == "INFFICH") {
                const std::string fichier = col(l, 63, 78), enErreur = col(l, 95, 100), nombre = col(l, 101, 106),
                                  bons = col(l, 113, 118);
                if (json) {
                    std::fprintf(f,
                                 "{\"objet\":\"resume_recu\",\"ligne\":1,\"fichier\":%s,\"en_erreur\":%s,"
                                 "\"nombre\":%s,\"bons\":%s}\n",
                                 chaineJson(fichier, false).c_str(), chaineJson(enErreur, false).c_str(),
                                 chaineJson(nombre, false).c_str(), chaineJson(bons, false).c_str());
                } else {
                    std::fprintf(f,
                                 "\nLigne 1 : résumé du fichier \"%s\" : %s enregistrements, %s en erreur, %s "
                                 "bons\n",
                                 echapper(fichier).c_str(), echapper(nombre).c_str(), echapper(enErreur).c_str(),
                                 echapper(bons).c_str());
                }
            } else if (!json) {
                std::fprintf(f, "\nLigne %d : pas un enregistrement d'erreur\n", numeroLigne);
            }
            continue;
        }
        ++enregistrements;
        const std::string type = col(l, 63, 66), action = col(l, 67, 69), c7 = col(l, 98, 99),
                          c8 = col(l, 100, 111);
        const std::vector<int> ns = numeros(l);
        if (json) {
            std::string s = "{\"objet\":\"erreur_recue\",\"ligne\":" + std::to_string(numeroLigne) +
                            ",\"type\":" + chaineJson(type, false) + ",\"action\":" + chaineJson(action, false) +
                            ",\"identification\":[" + chaineJson(c7, false) + "," + chaineJson(c8, false) +
                            "],\"erreurs\":[";
            for (size_t k = 0; k < ns.size(); ++k) {
                if (k > 0) s += ",";
                s += "{\"numero\":" + std::to_string(ns[k]) + ",\"champs\":[";
                const std::vector<Champ> champs = champsPortant(ns[k], type);
                for (size_t j = 0; j < champs.size(); ++j) {
                    const Champ& c = champs[j];
                    if (j > 0) s += ",";
                    s += "{\"champ\":" + chaineJson(c.nom, true) + ",\"debut\":" + std::to_string(c.debut) +
                         ",\"fin\":" + std::to_string(c.fin) + ",\"libelle\":" + chaineJson(c.libelle, true) +
                         ",\"regle\":" + chaineJson(c.regle, true) + ",\"table\":" + chaineJson(c.table, true) + "}";
                }
                s += "],\"moteur\":" + chaineJson(erreurDuMoteur(ns[k]), true) + "}";
            }
            s += "]}";
            std::fprintf(f, "%s\n", s.c_str());
            continue;
        }
        std::fprintf(f, "\nLigne %d : enregistrement \"%s\", action \"%s\", identification \"%s\" \"%s\"\n",
                     numeroLigne, echapper(type).c_str(), echapper(action).c_str(), echapper(c7).c_str(),
                     echapper(c8).c_str());
        if (ns.empty()) std::fprintf(f, "  aucun numéro d'erreur lisible en colonne 112\n");
        for (const int n : ns) {
            std::fprintf(f, "  erreur %03d\n", n);
            const std::vector<Champ> champs = champsPortant(n, type);
            for (const Champ& c : champs) {
                std::fprintf(f, "    %s, colonnes %d-%d, %s : règle %s%s%s\n", c.nom.c_str(), c.debut, c.fin,
                             c.libelle.c_str(), c.regle.c_str(), c.table.empty() ? "" : ", table ",
                             c.table.c_str());
            }
            const std::string moteur = erreurDuMoteur(n);
            if (!moteur.empty()) std::fprintf(f, "    règle du traitement : %s\n", moteur.c_str());
            if (champs.empty() && moteur.empty()) {
                std::fprintf(f, "    aucune règle de ce type ne porte ce numéro\n");
            }
        }
    }
    if (!json) std::fprintf(f, "\n%d enregistrement%s d'erreur.\n", enregistrements, enregistrements > 1 ? "s" : "");
}
