// The report program telvaros-rapport: its verdict against the tool's over
// every example file and the fuzz seed corpus, and end-to-end runs of its
// binary (several types, short lines, odd bytes, fatal cases, --json read
// back, --erreurs on an error file of the tool, usage errors, and a file
// left exactly as it was).
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "outils.h"
#include "rapport/affichage.h"
#include "rapport/analyse.h"
#include "rapport/regles.h"
#include "records/records.h"

extern char** environ;

using namespace essai;

namespace {

// ---- Running the report binary -------------------------------------------

std::string binaireRapport() {
    const std::string outil = TELVAROS_BINAIRE;
    return outil.substr(0, outil.rfind('/') + 1) + "telvaros-rapport";
}

Resultat rapporter(const std::vector<std::string>& arguments, const std::string& repertoire) {
    std::vector<std::string> environnement;
    for (char** e = environ; *e != nullptr; ++e) environnement.emplace_back(*e);
    return lancerProgramme(binaireRapport(), arguments, repertoire, std::move(environnement));
}

// ---- A small JSON reader, enough for the report's lines --------------------

struct Json {
    enum class Genre { nul, booleen, nombre, chaine, tableau, objet } genre = Genre::nul;
    bool booleen = false;
    long long nombre = 0;
    std::string chaine;
    std::vector<Json> elements;
    std::map<std::string, Json> membres;

    const Json& operator[](const std::string& cle) const {
        static const Json absent;
        const auto i = membres.find(cle);
        return i == membres.end() ? absent : i->second;
    }
};

// Reads one JSON value; false on any syntax fault. A \u escape below 256
// gives the byte of that number (the report writes a record's bytes so),
// any other the UTF-8 of the code point.
class LecteurJson {
public:
    explicit LecteurJson(const std::string& texte) : t_(texte) {}

    bool lire(Json& v) {
        if (!valeur(v)) return false;
        blancs();
        return p_ == t_.size();
    }

private:
    void blancs() {
        while (p_ < t_.size() && (t_[p_] == ' ' || t_[p_] == '\n' || t_[p_] == '\t' || t_[p_] == '\r')) ++p_;
    }
    bool litteral(const char* mot) {
        const size_t n = std::strlen(mot);
        if (t_.compare(p_, n, mot) != 0) return false;
        p_ += n;
        return true;
    }
    bool chaine(std::string& s) {
        if (p_ >= t_.size() || t_[p_] != '"') return false;
        ++p_;
        while (p_ < t_.size()) {
            const unsigned char c = static_cast<unsigned char>(t_[p_++]);
            if (c == '"') return true;
            if (c < 32) return false;  // a control byte must be escaped
            if (c != '\\') {
                s += static_cast<char>(c);
                continue;
            }
            if (p_ >= t_.size()) return false;
            const char e = t_[p_++];
            switch (e) {
            case '"': s += '"'; break;
            case '\\': s += '\\'; break;
            case '/': s += '/'; break;
            case 'n': s += '\n'; break;
            case 't': s += '\t'; break;
            case 'r': s += '\r'; break;
            case 'b': s += '\b'; break;
            case 'f': s += '\f'; break;
            case 'u': {
                if (p_ + 4 > t_.size()) return false;
                unsigned point = 0;
                for (int i = 0; i < 4; ++i) {
                    const char h = t_[p_++];
                    point <<= 4;
                    if (h >= '0' && h <= '9') point |= static_cast<unsigned>(h - '0');
                    else if (h >= 'a' && h <= 'f') point |= static_cast<unsigned>(h - 'a' + 10);
                    else if (h >= 'A' && h <= 'F') point |= static_cast<unsigned>(h - 'A' + 10);
                    else return false;
                }
                if (point < 256) {
                    s += static_cast<char>(point);
                } else if (point < 0x800) {
                    s += static_cast<char>(0xC0 | (point >> 6));
                    s += static_cast<char>(0x80 | (point & 0x3F));
                } else {
                    s += static_cast<char>(0xE0 | (point >> 12));
                    s += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
                    s += static_cast<char>(0x80 | (point & 0x3F));
                }
                break;
            }
            default: return false;
            }
        }
        return false;
    }
    bool valeur(Json& v) {
        blancs();
        if (p_ >= t_.size()) return false;
        const char c = t_[p_];
        if (c == '{') {
            v.genre = Json::Genre::objet;
            ++p_;
            blancs();
            if (p_ < t_.size() && t_[p_] == '}') return ++p_, true;
            for (;;) {
                blancs();
                std::string cle;
                if (!chaine(cle)) return false;
                blancs();
                if (p_ >= t_.size() || t_[p_++] != ':') return false;
                Json m;
                if (!valeur(m)) return false;
                v.membres[cle] = m;
                blancs();
                if (p_ >= t_.size()) return false;
                if (t_[p_] == ',') { ++p_; continue; }
                if (t_[p_] == '}') return ++p_, true;
                return false;
            }
        }
        if (c == '[') {
            v.genre = Json::Genre::tableau;
            ++p_;
            blancs();
            if (p_ < t_.size() && t_[p_] == ']') return ++p_, true;
            for (;;) {
                Json e;
                if (!valeur(e)) return false;
                v.elements.push_back(e);
                blancs();
                if (p_ >= t_.size()) return false;
                if (t_[p_] == ',') { ++p_; continue; }
                if (t_[p_] == ']') return ++p_, true;
                return false;
            }
        }
        if (c == '"') {
            v.genre = Json::Genre::chaine;
            return chaine(v.chaine);
        }
        if (litteral("true")) { v.genre = Json::Genre::booleen; v.booleen = true; return true; }
        if (litteral("false")) { v.genre = Json::Genre::booleen; return true; }
        if (litteral("null")) return true;
        if (c == '-' || (c >= '0' && c <= '9')) {
            size_t fin = p_ + 1;
            while (fin < t_.size() && t_[fin] >= '0' && t_[fin] <= '9') ++fin;
            v.genre = Json::Genre::nombre;
            v.nombre = std::stoll(t_.substr(p_, fin - p_));
            p_ = fin;
            return true;
        }
        return false;
    }

    const std::string& t_;
    size_t p_ = 0;
};

// Every line of a --json output read back; a line that is not valid JSON fails.
std::vector<Json> lignesJson(const std::string& sortie) {
    std::vector<Json> objets;
    std::istringstream flux(sortie);
    for (std::string ligne; std::getline(flux, ligne);) {
        Json v;
        EXPECT_TRUE(LecteurJson(ligne).lire(v)) << "not JSON: " << ligne;
        EXPECT_EQ(v.genre, Json::Genre::objet) << ligne;
        objets.push_back(v);
    }
    return objets;
}

// ---- What the tool's error file says ----------------------------------------

// Lines of a file with any of the three line ends.
std::vector<std::string> lignesBrutes(const std::string& contenu) {
    std::vector<std::string> l;
    std::string courante;
    for (size_t i = 0; i < contenu.size(); ++i) {
        const char c = contenu[i];
        if (c == '\n' || c == '\r') {
            if (c == '\r' && i + 1 < contenu.size() && contenu[i + 1] == '\n') ++i;
            l.push_back(courante);
            courante.clear();
        } else {
            courante += c;
        }
    }
    if (!courante.empty()) l.push_back(courante);
    return l;
}

// A record in error: its type and its error numbers, in order.
struct EnErreur {
    std::string type;
    std::vector<long long> numeros;
    bool operator==(const EnErreur&) const = default;
};
std::ostream& operator<<(std::ostream& o, const EnErreur& e) {
    o << e.type << ":";
    for (long long n : e.numeros) o << " " << n;
    return o;
}

std::vector<EnErreur> selonLOutil(const std::string& fichierErreur) {
    std::vector<EnErreur> l;
    const auto lignes = lignesBrutes(fichierErreur);
    for (size_t i = 1; i < lignes.size(); ++i) {
        const std::string& e = lignes[i];
        EnErreur x{col(e, 63, 66), {}};
        for (size_t p = 111; p + 5 <= e.size() && e[p] == 'I' && e[p + 4] == '1'; p += 5) {
            x.numeros.push_back(std::stoll(e.substr(p + 1, 3)));
        }
        l.push_back(x);
    }
    return l;
}

std::vector<EnErreur> selonLeRapport(const std::vector<Json>& objets) {
    std::vector<EnErreur> l;
    for (const Json& o : objets) {
        if (o["objet"].chaine != "enregistrement") continue;
        EnErreur x{o["type"].chaine, {}};
        // A short line's type may be cut: the error record carries blanks then.
        x.type.resize(4, ' ');
        for (const Json& e : o["erreurs"].elements) x.numeros.push_back(e["numero"].nombre);
        l.push_back(x);
    }
    return l;
}

std::string lireFichier(const std::filesystem::path& p) {
    std::ifstream f(p, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

// ---- Files used by the end-to-end tests -------------------------------------

// An ENTR creation with the movement cause (C5, column 87) given.
Vse entrCause(const std::string& c5) {
    Vse v = entrValide();
    v.colonnes(87, c5);
    return v;
}

// An EXP1 and its EXP2 are the builders' own; a SORT creation every rule accepts.
Vse sortValide() {
    Vse v;
    v.e6 = "SORT";
    v.colonnes(63, "FR").colonnes(65, "0112345678  ").colonnes(79, "15062024").colonnes(87, "B");
    v.colonnes(88, "FR").colonnes(90, "01234567    ").colonnes(102, "FR").colonnes(104, "02345678    ");
    v.colonnes(184, "16062024");
    return v;
}

// The state of a directory: its names, and for each file its bytes and
// modification time.
struct Etat {
    std::map<std::string, std::pair<std::string, long long>> fichiers;
    bool operator==(const Etat&) const = default;
};
Etat etatDe(const Repertoire& rep) {
    Etat e;
    for (const std::string& nom : rep.fichiers()) {
        struct stat s;
        EXPECT_EQ(::stat((rep / nom).c_str(), &s), 0);
        const long long mtime = static_cast<long long>(s.st_mtim.tv_sec) * 1000000000LL + s.st_mtim.tv_nsec;
        e.fichiers[nom] = {rep.lire(nom), mtime};
    }
    return e;
}

}  // namespace

// ---- The verdict is the tool's ----------------------------------------------

TEST(RapportAccord, ExemplesEtCorpusDeFuzzing) {
    const std::filesystem::path source = TELVAROS_SOURCE;
    std::vector<std::filesystem::path> fichiers;
    for (const char* dossier : {"examples", "fuzz/corpus"}) {
        for (const auto& e : std::filesystem::directory_iterator(source / dossier)) {
            if (e.is_regular_file()) fichiers.push_back(e.path());
        }
    }
    std::sort(fichiers.begin(), fichiers.end());
    ASSERT_GT(fichiers.size(), 100u);
    int livraisons[3] = {};
    for (const auto& chemin : fichiers) {
        SCOPED_TRACE(chemin.string());
        const std::string contenu = lireFichier(chemin);
        Repertoire rep;
        rep.ecrire("in.txt", contenu);
        // The report first: the tool moves its input away.
        const Resultat rapport = rapporter({"--json", "in.txt"}, rep.chemin());
        ASSERT_EQ(rep.lire("in.txt"), contenu);
        const Resultat outil = lancer({"in.txt", "out.txt", "log.txt"}, rep.chemin());
        ASSERT_TRUE(outil.code == 0 || outil.code == 1 || outil.code == 2) << outil.code;
        ++livraisons[outil.code];
        EXPECT_EQ(rapport.code, outil.code);
        const std::vector<Json> objets = lignesJson(rapport.sortie);
        ASSERT_FALSE(objets.empty());
        const Json& resume = objets.back();
        ASSERT_EQ(resume["objet"].chaine, "resume");
        EXPECT_EQ(resume["code"].nombre, outil.code);
        EXPECT_TRUE(resume["explications_conformes"].booleen);
        if (outil.code == 2) {
            const std::string erreurs = rep.lire("out.txt");
            EXPECT_EQ(selonLeRapport(objets), selonLOutil(erreurs));
            // The summary record's count of records in error.
            EXPECT_EQ(resume["en_erreur"].nombre, std::stoll(col(lignesBrutes(erreurs)[0], 95, 100)));
        } else if (outil.code == 0) {
            EXPECT_TRUE(selonLeRapport(objets).empty());
            EXPECT_EQ(resume["en_erreur"].nombre, 0);
            // Every record but FICH is in the result file.
            EXPECT_EQ(static_cast<size_t>(resume["acceptes"].nombre), lignesBrutes(rep.lire("out.txt")).size() - 1);
        } else {
            EXPECT_TRUE(estLigneDeJournal(rep.lire("log.txt"), resume["message"].chaine)) << rep.lire("log.txt");
        }
    }
    // The files cover the three answers.
    EXPECT_GT(livraisons[0], 0);
    EXPECT_GT(livraisons[1], 0);
    EXPECT_GT(livraisons[2], 0);
}

// ---- End-to-end runs of the report ------------------------------------------

TEST(Rapport, PlusieursTypesLigneCourteOctetsNulEtLatin) {
    Repertoire rep;
    std::string courte = entrValide().texte().substr(0, 120);
    std::string nul = sortValide().texte();
    nul[80] = '\0';  // column 81, in C4, the date of exit
    const std::string contenu = fichier({fich(5).texte(), entrValide().texte(), courte, nul,
                                         entrCause("\xe9").texte(), sortValide().texte()});
    rep.ecrire("in.vse", contenu);
    const Resultat r = rapporter({"in.vse"}, rep.chemin());
    EXPECT_EQ(r.code, 2);
    const std::string& s = r.sortie;
    // The short ENTR line.
    EXPECT_NE(s.find("Ligne 3 : type \"ENTR\", action \"CRE\", identification \"FR\" \"01234567    \"\n"
                     "  erreur 108 : la ligne\n"
                     "    règle du traitement : la ligne n'a que 120 caractères sur 256\n"),
              std::string::npos)
        << s;
    EXPECT_NE(s.find("  erreur 090 : F1, colonnes 231-238, date de l'enregistrement\n"
                     "    valeur lue : \"\" (0 caractère sur 8 : ligne courte)\n"
                     "    règle : fDATEC : date JJMMAAAA complète et valide\n"),
              std::string::npos)
        << s;
    // The NUL in a SORT date.
    EXPECT_NE(s.find("Ligne 4 : type \"SORT\", action \"CRE\""), std::string::npos) << s;
    EXPECT_NE(s.find("    règle du traitement : premier octet hors de 32 à 126 en colonne 81 (\\x00)\n"),
              std::string::npos)
        << s;
    EXPECT_NE(s.find("C4, colonnes 79-86, date du mouvement\n    valeur lue : \"15\\x0062024\"\n"), std::string::npos)
        << s;
    // The é as the cause of an entry.
    EXPECT_NE(s.find("Ligne 5 : type \"ENTR\""), std::string::npos) << s;
    EXPECT_NE(s.find("  erreur 023 : C5, colonnes 87-87, cause du mouvement\n    valeur lue : \"\\xe9\"\n"
                     "    règle : fVerifValAutDate ; table TCME (10 valeurs) ; dépend de C4 (date du mouvement)\n"),
              std::string::npos)
        << s;
    EXPECT_NE(s.find("Résumé : 6 enregistrements lus (FICH compris), 2 acceptés, 3 en erreur.\n"
                     "Réponse de telvaros : code 2, fichier d'erreur.\n"),
              std::string::npos)
        << s;
    // The tool agrees.
    rep.ecrire("in.txt", contenu);
    EXPECT_EQ(lancer({"in.txt", "out.txt", "log.txt"}, rep.chemin()).code, 2);
}

TEST(Rapport, JsonRelu) {
    Repertoire rep;
    std::string nul = entrValide().texte();
    nul[100] = '\0';
    const std::string contenu =
        fichier({fich(3).texte(), entrCause("\xe9").texte(), nul, exp1("01234567    ").texte()});
    rep.ecrire("in.vse", contenu);
    const Resultat r = rapporter({"--json", "in.vse"}, rep.chemin());
    EXPECT_EQ(r.code, 2);
    const std::vector<Json> o = lignesJson(r.sortie);
    ASSERT_EQ(o.size(), 4u) << r.sortie;

    EXPECT_EQ(o[0]["objet"].chaine, "enregistrement");
    EXPECT_EQ(o[0]["ligne"].nombre, 2);
    EXPECT_EQ(o[0]["type"].chaine, "ENTR");
    EXPECT_EQ(o[0]["identification"].elements.size(), 2u);
    EXPECT_EQ(o[0]["identification"].elements[0].chaine, "FR");
    EXPECT_EQ(o[0]["identification"].elements[1].chaine, "01234567    ");
    const Json& e1 = o[0]["erreurs"].elements[0];
    EXPECT_EQ(e1["numero"].nombre, 106);
    EXPECT_EQ(e1["origine"].chaine, "ligne");
    bool causeVue = false;
    for (const Json& e : o[0]["erreurs"].elements) {
        if (e["champ"].chaine != "C5") continue;
        causeVue = true;
        EXPECT_EQ(e["valeur"].chaine, "\xe9");  // the byte itself, read back
        EXPECT_EQ(e["debut"].nombre, 87);
        EXPECT_EQ(e["libelle"].chaine, "cause du mouvement");
        EXPECT_EQ(e["numero"].nombre, 23);
        EXPECT_EQ(e["regle"].chaine, "fVerifValAutDate");
        EXPECT_EQ(e["table"].chaine, "TCME (10 valeurs)");
        EXPECT_EQ(e["dependance"].chaine, "C4 (date du mouvement)");
    }
    EXPECT_TRUE(causeVue) << r.sortie;

    EXPECT_EQ(o[1]["ligne"].nombre, 3);
    bool nulVu = false;
    for (const Json& e : o[1]["erreurs"].elements) {
        if (e["valeur"].chaine.find('\0') != std::string::npos) nulVu = true;
    }
    EXPECT_TRUE(nulVu) << r.sortie;
    // The EXP1 creation at the end: its EXP2 never came.
    EXPECT_EQ(o[2]["ligne"].nombre, 4);
    EXPECT_EQ(o[2]["type"].chaine, "EXP1");
    ASSERT_EQ(o[2]["erreurs"].elements.size(), 1u);
    EXPECT_EQ(o[2]["erreurs"].elements[0]["numero"].nombre, 105);
    EXPECT_EQ(o[2]["erreurs"].elements[0]["origine"].chaine, "appariement");

    EXPECT_EQ(o[3]["objet"].chaine, "resume");
    EXPECT_EQ(o[3]["lus"].nombre, 4);
    EXPECT_EQ(o[3]["acceptes"].nombre, 1);
    EXPECT_EQ(o[3]["en_erreur"].nombre, 3);
    EXPECT_EQ(o[3]["code"].nombre, 2);
    EXPECT_EQ(o[3]["reponse"].chaine, "fichier d'erreur");
    EXPECT_EQ(o[3]["message"].chaine, "");
}

TEST(Rapport, CasFatals) {
    struct Cas {
        const char* nom;
        std::string contenu;
        const char* message;
        int ligne;
    };
    const std::vector<Cas> cas = {
        {"sans FICH", fichier({entrValide().texte(), entrValide().texte()}),
         "IG011: Données incorrectes ou absentes : VSE FICH n'existe pas", 1},
        {"fins de ligne mêlées", fich(2).texte() + "\n" + entrValide().texte() + "\r\n" + entrValide().texte() + "\n",
         "IG008: Differents formats de VSE (DOS, UNIX, MAC)", 2},
        {"FICH seul", fichier({fich(0).texte()}), "IG014: Pas de VSE de base", 2},
        {"ligne vide", fichier({fich(1).texte(), ""}), "IG015: Présence de VSE de longueur nulle", 2},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        Repertoire rep;
        rep.ecrire("in.vse", c.contenu);
        const Resultat texte = rapporter({"in.vse"}, rep.chemin());
        EXPECT_EQ(texte.code, 1);
        EXPECT_NE(texte.sortie.find("Arrêt à la ligne " + std::to_string(c.ligne) + ".\n"
                                    "Réponse de telvaros : code 1, aucune réponse ; message du journal : " +
                                    c.message + "\n"),
                  std::string::npos)
            << texte.sortie;
        const Resultat json = rapporter({"--json", "in.vse"}, rep.chemin());
        EXPECT_EQ(json.code, 1);
        const auto o = lignesJson(json.sortie);
        ASSERT_FALSE(o.empty());
        EXPECT_EQ(o.back()["message"].chaine, c.message);
        EXPECT_EQ(o.back()["ligne_arret"].nombre, c.ligne);
        // The tool logs the same message.
        rep.ecrire("in.txt", c.contenu);
        EXPECT_EQ(lancer({"in.txt", "out.txt", "log.txt"}, rep.chemin()).code, 1);
        EXPECT_TRUE(estLigneDeJournal(rep.lire("log.txt"), c.message)) << rep.lire("log.txt");
    }
}

TEST(Rapport, ExpliqueUnFichierDErreurDeLOutil) {
    Repertoire rep;
    rep.ecrire("in.txt", fichier({fich(2).texte(), entrCause("Z").texte(), entrValide().texte().substr(0, 200)}));
    ASSERT_EQ(lancer({"in.txt", "out.txt", "log.txt"}, rep.chemin()).code, 2);
    const Resultat r = rapporter({"--erreurs", "out.txt"}, rep.chemin());
    EXPECT_EQ(r.code, 0);
    const std::string& s = r.sortie;
    EXPECT_NE(s.find("Ligne 1 : résumé du fichier \"FIC0000000000001\" : 000002 enregistrements, 000002 en erreur"),
              std::string::npos)
        << s;
    EXPECT_NE(s.find("Ligne 2 : enregistrement \"ENTR\", action \"CRE\", identification \"FR\" \"01234567    \"\n"),
              std::string::npos)
        << s;
    // The cause refused: the rules of ENTR that carry the number name C5.
    EXPECT_NE(s.find("    C5, colonnes 87-87, cause du mouvement : règle entr_fC5"), std::string::npos) << s;
    // The short line: 108 is the engine's own.
    EXPECT_NE(s.find("  erreur 108\n    règle du traitement : ligne de moins de 256 caractères\n"), std::string::npos)
        << s;
    EXPECT_NE(s.find("\n2 enregistrements d'erreur.\n"), std::string::npos) << s;

    const Resultat j = rapporter({"--json", "--erreurs", "out.txt"}, rep.chemin());
    EXPECT_EQ(j.code, 0);
    const auto o = lignesJson(j.sortie);
    ASSERT_EQ(o.size(), 3u) << j.sortie;
    EXPECT_EQ(o[0]["objet"].chaine, "resume_recu");
    EXPECT_EQ(o[1]["objet"].chaine, "erreur_recue");
    EXPECT_EQ(o[1]["type"].chaine, "ENTR");
    EXPECT_EQ(o[2]["erreurs"].elements[0]["numero"].nombre, 108);
    EXPECT_NE(o[2]["erreurs"].elements[0]["moteur"].chaine, "");
}

TEST(Rapport, ErreursDUsage) {
    Repertoire rep;
    rep.ecrire("in.vse", fichier({fich(1).texte(), entrValide().texte()}));
    for (const std::vector<std::string>& arguments : std::vector<std::vector<std::string>>{
             {}, {"--json"}, {"-x", "in.vse"}, {"in.vse", "autre.vse"}, {"--erreurs"}, {"--inconnue", "in.vse"}}) {
        const Resultat r = rapporter(arguments, rep.chemin());
        EXPECT_EQ(r.code, 3) << arguments.size();
        EXPECT_NE(r.erreur.find("Usage : telvaros-rapport"), std::string::npos) << r.erreur;
        EXPECT_EQ(r.sortie, "");
    }
    // A file that cannot be opened: the tool would stop with IG003.
    const Resultat absent = rapporter({"absent.vse"}, rep.chemin());
    EXPECT_EQ(absent.code, 1);
    EXPECT_NE(absent.sortie.find("IG003"), std::string::npos);
}

TEST(Rapport, LeFichierResteIntactEtRienNEstCree) {
    Repertoire rep;
    std::string courte = entrValide().texte().substr(0, 90);
    rep.ecrire("in.vse", fichier({fich(3).texte(), entrValide().texte(), courte, entrCause("\xe9").texte()}, "\r\n"));
    rep.ecrire("in.txt", fichier({fich(1).texte(), entrCause("Z").texte()}));
    ASSERT_EQ(lancer({"in.txt", "erreurs.txt", "log.txt"}, rep.chemin()).code, 2);
    // Make the times old, so that any write would show.
    for (const char* nom : {"in.vse", "erreurs.txt", "log.txt"}) {
        const timespec t[2] = {{1000000000, 0}, {1000000000, 0}};
        ASSERT_EQ(utimensat(AT_FDCWD, (rep / nom).c_str(), t, 0), 0);
    }
    const Etat avant = etatDe(rep);
    EXPECT_EQ(rapporter({"in.vse"}, rep.chemin()).code, 2);
    EXPECT_EQ(rapporter({"--json", "in.vse"}, rep.chemin()).code, 2);
    EXPECT_EQ(rapporter({"--erreurs", "erreurs.txt"}, rep.chemin()).code, 0);
    EXPECT_EQ(rapporter({"--json", "--erreurs", "erreurs.txt"}, rep.chemin()).code, 0);
    // From another directory, with a path.
    Repertoire ailleurs;
    EXPECT_EQ(rapporter({rep / "in.vse"}, ailleurs.chemin()).code, 2);
    EXPECT_TRUE(ailleurs.fichiers().empty());
    EXPECT_EQ(etatDe(rep), avant);
    // A read-only file in a read-only directory is read all the same.
    ASSERT_EQ(::chmod((rep / "in.vse").c_str(), 0444), 0);
    ASSERT_EQ(::chmod(rep.chemin().c_str(), 0555), 0);
    EXPECT_EQ(rapporter({"in.vse"}, rep.chemin()).code, 2);
    ASSERT_EQ(::chmod(rep.chemin().c_str(), 0755), 0);
    ASSERT_EQ(::chmod((rep / "in.vse").c_str(), 0644), 0);
    Etat apres = etatDe(rep);
    EXPECT_EQ(apres, avant);
}

// ---- Units -------------------------------------------------------------------

TEST(RapportUnites, EchappementsDesOctets) {
    struct Cas {
        std::string octets, texte, json;
    };
    for (const Cas& c : std::vector<Cas>{
             {"FR", "FR", "\"FR\""},
             {std::string("A\0B", 3), "A\\x00B", "\"A\\u0000B\""},
             {"\xe9t\xe9", "\\xe9t\\xe9", "\"\\u00e9t\\u00e9\""},
             {"a\\b\"c", "a\\\\b\"c", "\"a\\\\b\\\"c\""},
             {"\x7f\x1f\n", "\\x7f\\x1f\\x0a", "\"\\u007f\\u001f\\u000a\""},
             {"~ ", "~ ", "\"~ \""},
         }) {
        EXPECT_EQ(echapper(c.octets), c.texte) << c.texte;
        EXPECT_EQ(chaineJson(c.octets, false), c.json) << c.texte;
    }
    // The program's own texts keep their UTF-8.
    EXPECT_EQ(chaineJson("date de réception", true), "\"date de réception\"");
}

TEST(RapportUnites, ChaqueRegleANomChaqueChampUnLibelle) {
    std::vector<sTableDecrite> tables = {tableEntete(), tableFin(), tableFich()};
    for (int i = 0; i < ERR_AIGUILLAGE; ++i) tables.push_back(tableCorps(i));
    for (const sTableDecrite& t : tables) {
        ASSERT_NE(t.regles, nullptr);
        for (int i = 0; i < t.nombre; ++i) {
            const sCorps& r = t.regles[i];
            SCOPED_TRACE(std::string(t.zone) + std::to_string(r.numChamp + 1) + " row " + std::to_string(i + 1));
            if (r.pfVerif != nullptr) {
                EXPECT_TRUE(nomTrouve(r.pfVerif));
            }
            EXPECT_STRNE(libelle(t, r.numChamp), "");
        }
        // No label names a field the table does not have.
        for (int k = 0; k < t.nbLibelles; ++k) {
            bool trouve = false;
            for (int i = 0; i < t.nombre; ++i) trouve = trouve || t.regles[i].numChamp == t.libelles[k].champ;
            EXPECT_TRUE(trouve) << t.zone << t.libelles[k].champ + 1 << " " << t.libelles[k].libelle;
        }
    }
    EXPECT_EQ(tableCorps(ERR_AIGUILLAGE).regles, nullptr);
}

TEST(RapportUnites, ReglesPortantUnNumero) {
    const sTableDecrite entr = tableCorps(chercherAiguillage("ENTR"));
    struct Cas {
        int numero;
        std::vector<std::string> attendus;  // "zone+field check"
    };
    for (const Cas& c : std::vector<Cas>{
             {90, {"F1 fDATEC"}},
             {94, {"F5 fVerifValAut"}},
             {86, {"E6 fVerifDepE6"}},
             {95, {"E3 enteteE3"}},
             {999, {}},
         }) {
        std::vector<std::string> vus;
        for (const sRegleTrouvee& t : reglesPortant(c.numero, entr)) {
            const sCorps& r = t.table.regles[t.rang];
            vus.push_back(t.table.zone + std::to_string(r.numChamp + 1) + " " + nomDeCheck(r.pfVerif));
        }
        EXPECT_EQ(vus, c.attendus) << c.numero;
    }
    // A rule on a field cut twice gives the columns of its own cut.
    int debut = 0, fin = 0;
    colonnesDeRegle(tableFin(), 2, &debut, &fin);  // the additional rule on F2
    EXPECT_EQ(debut, 239);
    EXPECT_EQ(fin, 244);
}
