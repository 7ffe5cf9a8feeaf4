// Test helpers: VSE record builders, a temporary directory, and a runner for
// the real binary.
#pragma once

#include <cstring>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace essai {

// A value in a buffer of exactly its own length, so that a read past its
// terminator is caught when the tests run under the address sanitizer.
class Valeur {
public:
    explicit Valeur(const std::string& texte) : octets_(new char[texte.size() + 1]) {
        std::memcpy(octets_.get(), texte.c_str(), texte.size() + 1);
    }
    char* get() const { return octets_.get(); }

private:
    std::unique_ptr<char[]> octets_;
};

// A VSE record built field by field; every field is padded with blanks (or
// cut) to its width, so texte() is always 256 characters. The defaults form a
// header and trailer that every header and trailer rule accepts.
struct Vse {
    std::string e1 = "A", e2 = "B", e3 = "001IPG  ", e4 = "031BDN  ", e5 = "CRE", e6 = "ENTR", e7 = "X",
                e8 = "001IPG  ", e9 = "00000001", e10 = "BDN     ", e11 = "0000000001", e12 = "3", e13 = "N";
    std::string corps;  // columns 63 to 230
    std::string f1 = "20062024", f2 = "120000", f3 = "025", f4 = "        ", f5 = "*";

    std::string texte() const;
    // Writes `valeur` into the body at column `colonne` (63 to 230).
    Vse& colonnes(int colonne, const std::string& valeur);
};

// A record of a type and action whose header and trailer every rule accepts,
// with a blank body.
Vse vide(const std::string& type, const std::string& action);
// v with the given body columns written: {column, value}, ...
Vse avec(Vse v, const std::vector<std::pair<int, std::string>>& champs);
// n in `largeur` digits, with leading zeros.
std::string numero(size_t n, int largeur);
// Error numbers of an ERRE error record: the groups "I%03d1" from column 112
// on, up to the first blank group; -1 for a malformed group (and the end).
std::vector<int> codesErreur(const std::string& erre);

// The file-header record announcing `nombre` records.
Vse fich(int nombre, const std::string& numeroFichier = "FIC0000000000001");
// An ENTR creation that every rule accepts.
Vse entrValide();

// An EXP1 creation and an EXP2 creation with the pairing link `lien` (body
// columns 65 to 76).
Vse exp1(const std::string& lien);
Vse exp2(const std::string& lien);

// Content of a file of examples/.
std::string lireExemple(const std::string& nom);

// Lines joined with a line end after each ("\n", "\r\n" or "\r").
std::string fichier(const std::vector<std::string>& lignes, const std::string& finDeLigne = "\n");

// Splits the content of an output file into its lines (without line ends).
std::vector<std::string> lignes(const std::string& contenu, const std::string& finDeLigne = "\n");

// Columns debut..fin (1-based) of a line.
std::string col(const std::string& ligne, int debut, int fin);

// Replaces the run's time stamp (columns 231 to 244 of each generated line)
// by '#' after checking that it is a date and time.
std::string masquerHorodatage(const std::string& ligne);

// True when `ligne` is "Le DD/MM/YYYY a HH:MM:SS : " followed by message and a newline.
bool estLigneDeJournal(const std::string& ligne, const std::string& message);

class Repertoire {
public:
    Repertoire();
    ~Repertoire();
    Repertoire(const Repertoire&) = delete;
    Repertoire& operator=(const Repertoire&) = delete;

    const std::string& chemin() const { return chemin_; }
    std::string operator/(const std::string& nom) const { return chemin_ + "/" + nom; }
    void ecrire(const std::string& nom, const std::string& contenu) const;
    std::string lire(const std::string& nom) const;
    bool existe(const std::string& nom) const;
    // Names of the files in the directory (not recursive).
    std::set<std::string> fichiers() const;

private:
    std::string chemin_;
};

struct Resultat {
    int code = -1;
    std::string sortie;  // standard output
    std::string erreur;  // standard error
};

// Runs `binaire` with `arguments` in directory `repertoire` and the given
// environment, and collects its exit code, standard output and error.
Resultat lancerProgramme(const std::string& binaire, const std::vector<std::string>& arguments,
                         const std::string& repertoire, std::vector<std::string> environnement);

// Runs the tool with `arguments` in directory `repertoire`. TMPDIR is removed
// from its environment unless `tmpdir` is given.
Resultat lancer(const std::vector<std::string>& arguments, const std::string& repertoire,
                const std::optional<std::string>& tmpdir = std::nullopt);

// Runs the tool over `contenu` as "in.txt" with "out.txt" and "log.txt" in a
// fresh directory `rep`, with optional options before the paths.
Resultat valider(const Repertoire& rep, const std::string& contenu, const std::vector<std::string>& options = {});

// Expected output lines, built column by column from the layouts of the
// answer files (the run's own time stamps masked as masquerHorodatage does).
// `repondu` is the answered record as read; `numeros` its error numbers as
// written ("I0941I0911"); c7 and c8 the first columns of the identification
// pair echoed (0: blanks), 2 and 12 characters wide.
enum class CorpsRepondu { normal, blanc, erre };
std::string erreurAttendue(const std::string& repondu, const std::string& fich, const std::string& numeros,
                           int c7 = 0, int c8 = 0, CorpsRepondu corps = CorpsRepondu::normal);
std::string refusAttendu(const std::string& fich, int enErreur, int nombre, int bons);
std::string accepteAttendu(const std::string& fich, int nombre);
// The record as accepted: "40" in columns 77 and 78.
std::string tamponne(const std::string& enregistrement);

// Checks a delivering run: exit code, the files left (log.txt empty and
// out.txt), and out.txt line by line against `attendu` (time stamps masked in
// an error file), every line ended by `fin`.
void attendreLivraison(const Repertoire& rep, const Resultat& r, int code, const std::vector<std::string>& attendu,
                       const std::string& fin = "\n");

// Runs the tool inside this process, so that file operations can be made to
// fail (ops::remettreAZero, then ops::fixerPanne before the call); returns its
// exit code.
int lancerEnProcessus(const std::vector<std::string>& arguments);

}  // namespace essai
