// The reader scans its input buffer in place: every line it returns must be
// the line that the character-by-character reading defines (line ends, the
// 256-character cap, codLong, codCaract, the copy into xdebug), wherever the
// input's buffer boundaries and read errors fall.
#include <gtest/gtest.h>

#include <cerrno>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "driver/execution.h"
#include "driver/fichiers.h"
#include "driver/lecteur.h"
#include "outils.h"

using namespace essai;

namespace {

struct Ligne {
    int fin;
    std::string texte;
    int codLong;
    int codCaract;
    bool operator==(const Ligne&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Ligne& l) {
    return os << "{fin " << l.fin << ", " << l.texte.size() << " chars, codLong " << l.codLong << ", codCaract "
              << l.codCaract << '}';
}

// The reading one character at a time, with one character of push-back: the
// definition the reader must follow. Bytes from `erreurA` on cannot be read.
class LectureParCaractere {
public:
    LectureParCaractere(const std::string& octets, size_t erreurA) : octets_(octets), erreurA_(erreurA) {}

    Ligne lire() {
        Ligne l{TELVAROS_EOF, "", 0, 0};
        for (;;) {
            const int c = lireCar();
            if (c == FIN) break;
            if (c == ERREUR) {
                l.fin = TELVAROS_ERREUR;
                break;
            }
            if (c == '\r') {
                const int suivant = lireCar();
                if (suivant == '\n') {
                    l.fin = TELVAROS_DOS;
                } else if (suivant == ERREUR) {
                    l.fin = TELVAROS_ERREUR;
                } else {
                    if (suivant != FIN) --position_;  // pushed back
                    l.fin = TELVAROS_MAC;
                }
                break;
            }
            if (c == '\n') {
                l.fin = TELVAROS_UNIX;
                break;
            }
            if (c == 26) {
                l.fin = TELVAROS_CTRLZ;
                break;
            }
            if (c < 32 || c > 126) l.codCaract = 1;
            if (l.texte.size() == 256) {
                l.codLong = 1;
            } else {
                l.texte += static_cast<char>(c);
            }
        }
        if (l.fin == TELVAROS_DOS || l.fin == TELVAROS_UNIX || l.fin == TELVAROS_MAC) {
            if (l.texte.empty()) l.fin = TELVAROS_LONGNULLE;
            else if (l.texte.size() < 256) l.codLong = 2;
        }
        return l;
    }

private:
    static constexpr int FIN = -1;
    static constexpr int ERREUR = -2;
    int lireCar() {
        if (position_ >= erreurA_) return ERREUR;
        if (position_ >= octets_.size()) return FIN;
        return static_cast<unsigned char>(octets_[position_++]);
    }

    const std::string& octets_;
    size_t erreurA_;
    size_t position_ = 0;
};

// Reads the whole input with telvarosFgets from an opened context, as the
// main loop does, and checks every line against the definition.
void comparer(sExecution& ctx, const std::string& octets, size_t erreurA, const std::string& cas) {
    LectureParCaractere reference(octets, erreurA);
    for (int appel = 0; appel < 100000; ++appel) {
        const Ligne attendue = reference.lire();
        ctx.moteur.codLong = 0;
        ctx.moteur.codCaract = 0;
        char tampon[LONGUEUR_VSE + 1];
        int longueur = -1;
        const int fin = telvarosFgets(ctx, tampon, &longueur);
        ASSERT_GE(longueur, 0);
        const Ligne lue{fin, std::string(tampon, static_cast<size_t>(longueur)), ctx.moteur.codLong, ctx.moteur.codCaract};
        ASSERT_EQ(lue, attendue) << cas << ", line " << appel + 1;
        ASSERT_EQ(tampon[longueur], '\0');
        std::string vue = lue.texte;
        for (char& c : vue) c = c == '\0' ? '\x7f' : c;
        ASSERT_EQ(std::string(xdebug), vue) << cas << ", line " << appel + 1;
        if (fin == TELVAROS_EOF || fin == TELVAROS_ERREUR) return;
    }
    FAIL() << cas << ": the input never ends";
}

void comparerEnMemoire(const std::string& octets, const std::string& cas) {
    auto ctx = std::make_unique<sExecution>();
    ctx->fp_recu.ouvrirMemoire(octets.data(), octets.size());
    comparer(*ctx, octets, std::string::npos, cas);
}

// Inputs that mix every kind of byte the reader treats apart, in lines of
// every length around the cap.
std::string aleatoire(std::mt19937& alea, size_t taille) {
    static const std::string rares = "\r\n\x1a\t\x7f\xe9";
    std::string s;
    while (s.size() < taille) {
        const unsigned tirage = alea() % 100;
        if (tirage < 60) {
            s.append(alea() % 300, static_cast<char>('A' + alea() % 26));
        } else if (tirage < 75) {
            s += rares[alea() % rares.size()];
        } else if (tirage < 80) {
            s += '\0';
        } else if (tirage < 90) {
            s += "\r\n";
        } else {
            s.append(alea() % 3 + 254, ' ');
            s += "\n";
        }
    }
    return s;
}

}  // namespace

TEST(LectureTampon, LinesAsReadCharacterByCharacter) {
    const std::vector<std::string> cas = {
        "", "\n", "\r", "\r\n", "\n\r", "\r\r\n", "A", "A\n", "A\r", "A\rB\r\n", "A\r\n\n", "\x1a", "AB\x1a" "CD\n",
        "\x1a\n", "A\n\x1a", std::string("\0\0\n", 3), "\xe9t\xe9\r\n", "\tA\n", "A\x7f\n",
        std::string(255, 'A') + "\n", std::string(256, 'A') + "\n", std::string(257, 'A') + "\n",
        std::string(256, 'A') + "\r\n" + std::string(256, 'B') + "\r\n",
        std::string(280, 'A') + "\t" + std::string(20, 'A') + "\n",
        std::string(300, 'A') + "\r" + std::string(10, 'B'),
        std::string(40, 'A') + "\r" + std::string(40, 'B') + "\n",
        std::string(100000, 'A') + "\n",
    };
    for (const std::string& c : cas) {
        std::ostringstream nom;
        nom << '"' << c.substr(0, 40) << "\" (" << c.size() << " bytes)";
        comparerEnMemoire(c, nom.str());
    }

    std::mt19937 alea(17);
    for (int i = 0; i < 300; ++i) comparerEnMemoire(aleatoire(alea, alea() % 3000), "random input " + std::to_string(i));
}

TEST(LectureTampon, BufferBoundariesAndReadErrors) {
    // A file is read 65536 bytes at a time: line ends, Ctrl-Z and lines cut
    // by the cap are placed across that boundary, and a read error is made
    // to happen at it.
    constexpr size_t BORD = 65536;
    Repertoire rep;
    std::mt19937 alea(29);
    std::string remplissage;
    while (remplissage.size() < 2 * BORD) remplissage += std::string(250, 'A') + "\r\n";
    const std::vector<std::string> sequences = {"\r\n", "\r", "\n", "\x1a", "\r\rX\n", "\r\x1a", "\t\n",
                                                std::string(300, 'B') + "\n"};
    int n = 0;
    for (const size_t position : {BORD - 300, BORD - 2, BORD - 1, BORD, BORD + 1}) {
        for (const std::string& sequence : sequences) {
            std::string contenu(remplissage, 0, position);
            contenu.append(sequence).append("FIN\r\n").append(remplissage, 0, 500);
            std::ostringstream fichier;
            fichier << 'f' << n++;
            const std::string nom = fichier.str();
            rep.ecrire(nom, contenu);
            std::ostringstream description;
            description << "sequence at " << position << " in " << nom;
            const std::string cas = description.str();
            {
                auto ctx = std::make_unique<sExecution>();
                ASSERT_TRUE(ctx->fp_recu.ouvrir((rep / nom).c_str()));
                comparer(*ctx, contenu, std::string::npos, cas);
            }
            {
                // The second read fails: nothing from the boundary on can be read.
                auto ctx = std::make_unique<sExecution>();
                ops::remettreAZero();
                ops::fixerPanne(2, EIO, ops::Operation::lire);
                ASSERT_TRUE(ctx->fp_recu.ouvrir((rep / nom).c_str()));
                comparer(*ctx, contenu, BORD, cas + ", read error");
                ops::remettreAZero();
            }
        }
    }
    const std::string grand = aleatoire(alea, 5 * BORD);
    rep.ecrire("grand", grand);
    auto ctx = std::make_unique<sExecution>();
    ASSERT_TRUE(ctx->fp_recu.ouvrir((rep / "grand").c_str()));
    comparer(*ctx, grand, std::string::npos, "large random file");
}
