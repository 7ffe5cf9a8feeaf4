// The reader copies and tests sixteen bytes at a time, and takes the usual
// line (256 printable bytes and its line end) in one step: every line it
// returns must be the line that a plain byte-by-byte reading gives, whatever
// the bytes, the line lengths, the line ends, and wherever the reads of the
// file stop short or fail. The buffered output's direct copy must write what
// its piecewise writing writes.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "driver/execution.h"
#include "driver/fichiers.h"
#include "driver/lecteur.h"
#include "outils.h"

using namespace essai;

namespace {

struct LigneLue {
    int fin;
    std::string texte;
    int codLong;
    int codCaract;
    bool operator==(const LigneLue&) const = default;
};

std::ostream& operator<<(std::ostream& os, const LigneLue& l) {
    return os << "{fin " << l.fin << ", " << l.texte.size() << " chars, codLong " << l.codLong << ", codCaract "
              << l.codCaract << '}';
}

// Where the input stops being readable: from the byte `octet` on, or at the
// end, when the end is reached for the `finEnPanne`th time (a CR at the end
// of the input makes the end be read once for its look-ahead, once more for
// the next line). Neither when octet is npos and finEnPanne 0.
struct Illisible {
    size_t octet = std::string::npos;
    int finEnPanne = 0;
};

// The plain reading: one byte at a time, one byte of look-ahead after a CR.
class LecteurSimple {
public:
    LecteurSimple(const std::string& octets, Illisible illisible)
        : octets_(octets), illisibleA_(illisible.octet), finEnPanne_(illisible.finEnPanne) {}

    LigneLue lire() {
        LigneLue l{TELVAROS_EOF, "", 0, 0};
        for (;;) {
            const int c = octet();
            if (c == FIN) break;
            if (c == ILLISIBLE) {
                l.fin = TELVAROS_ERREUR;
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
            if (c == '\r') {
                const int suivant = octet();
                if (suivant == ILLISIBLE) {
                    l.fin = TELVAROS_ERREUR;
                } else if (suivant == '\n') {
                    l.fin = TELVAROS_DOS;
                } else {
                    if (suivant != FIN) --position_;
                    l.fin = TELVAROS_MAC;
                }
                break;
            }
            if (c < 32 || c > 126) l.codCaract = 1;
            if (l.texte.size() < 256) {
                l.texte.push_back(static_cast<char>(c));
            } else {
                l.codLong = 1;
            }
        }
        if (l.fin == TELVAROS_DOS || l.fin == TELVAROS_UNIX || l.fin == TELVAROS_MAC) {
            if (l.texte.empty()) {
                l.fin = TELVAROS_LONGNULLE;
            } else if (l.texte.size() < 256) {
                l.codLong = 2;
            }
        }
        return l;
    }

private:
    static constexpr int FIN = -1;
    static constexpr int ILLISIBLE = -2;
    int octet() {
        if (position_ >= illisibleA_) return ILLISIBLE;
        if (position_ >= octets_.size()) {
            if (++finsLues_ == finEnPanne_) {
                illisibleA_ = position_;
                return ILLISIBLE;
            }
            return FIN;
        }
        return static_cast<unsigned char>(octets_[position_++]);
    }

    const std::string& octets_;
    size_t illisibleA_;
    int finEnPanne_;
    int finsLues_ = 0;
    size_t position_ = 0;
};

// Memory whose last byte is followed by a page that cannot be read or
// written: a read or a write one byte past the end stops the test.
class MemoireGardee {
public:
    explicit MemoireGardee(size_t taille) {
        const size_t page = static_cast<size_t>(sysconf(_SC_PAGESIZE));
        pages_ = (taille + page - 1) / page * page + page;
        base_ = static_cast<char*>(mmap(nullptr, pages_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0));
        if (base_ == MAP_FAILED) throw std::runtime_error("mmap");
        if (mprotect(base_ + pages_ - page, page, PROT_NONE) != 0) throw std::runtime_error("mprotect");
        debut_ = base_ + pages_ - page - taille;
    }
    ~MemoireGardee() { munmap(base_, pages_); }
    MemoireGardee(const MemoireGardee&) = delete;
    MemoireGardee& operator=(const MemoireGardee&) = delete;
    char* debut() const { return debut_; }

private:
    char* base_;
    size_t pages_;
    char* debut_;
};

// Reads the whole input with telvarosFgets, into a line buffer of exactly
// 257 bytes, and checks every line, its flags and its view in xdebug against
// the plain reading.
void comparer(sExecution& ctx, const std::string& octets, Illisible illisible, const std::string& cas) {
    LecteurSimple reference(octets, illisible);
    MemoireGardee ligne(LONGUEUR_VSE + 1);
    char* const tampon = ligne.debut();
    for (int numero = 1; numero < 100000; ++numero) {
        const LigneLue attendue = reference.lire();
        ctx.moteur.codLong = 0;
        ctx.moteur.codCaract = 0;
        int longueur = -1;
        const int fin = telvarosFgets(ctx, tampon, &longueur);
        ASSERT_GE(longueur, 0) << cas;
        ASSERT_LE(longueur, LONGUEUR_VSE) << cas;
        const LigneLue lue{fin, std::string(tampon, static_cast<size_t>(longueur)), ctx.moteur.codLong,
                           ctx.moteur.codCaract};
        ASSERT_EQ(lue, attendue) << cas << ", line " << numero;
        ASSERT_EQ(tampon[longueur], '\0') << cas << ", line " << numero;
        std::string vue = attendue.texte;
        for (char& c : vue) c = c == '\0' ? '\x7f' : c;
        ASSERT_EQ(std::string(xdebug), vue) << cas << ", line " << numero;
        if (fin == TELVAROS_EOF || fin == TELVAROS_ERREUR) return;
    }
    FAIL() << cas << ": the input never ends";
}

// A byte of a line: mostly printable, else any byte the reader treats apart
// (NUL, controls, Ctrl-Z, DEL, bytes above 127, and now and then a stray
// line-end byte inside the line).
char octetAuHasard(std::mt19937& alea) {
    const unsigned tirage = alea() % 100;
    if (tirage < 88) return static_cast<char>(32 + alea() % 95);
    static const unsigned char rares[] = {0, 1, 9, 31, 127, 128, 0xC9, 0xE9, 0xFF, '\r', '\n', 26};
    const unsigned choix = alea() % sizeof rares;
    // A line-end byte or Ctrl-Z inside a line is rarer still.
    if (rares[choix] == '\r' || rares[choix] == '\n' || rares[choix] == 26) {
        if (alea() % 4 != 0) return static_cast<char>(32 + alea() % 95);
    }
    return static_cast<char>(rares[choix]);
}

// Lines of random length from 0 to 600, many of them at and around 256,
// all printable or not, with random line ends, a run of blanks now and then,
// and sometimes no line end after the last line.
std::string entreeAuHasard(std::mt19937& alea) {
    std::string s;
    const int lignes = static_cast<int>(alea() % 30);
    const bool imprimableSeulement = alea() % 3 == 0;
    for (int i = 0; i < lignes; ++i) {
        size_t longueur;
        const unsigned forme = alea() % 10;
        if (forme < 4) {
            longueur = 256;
        } else if (forme < 6) {
            longueur = 250 + alea() % 13;
        } else {
            longueur = alea() % 601;
        }
        for (size_t k = 0; k < longueur; ++k) {
            s.push_back(imprimableSeulement && alea() % 50 != 0 ? static_cast<char>(32 + alea() % 95)
                                                                 : octetAuHasard(alea));
        }
        if (i + 1 == lignes && alea() % 4 == 0) break;
        static const char* const fins[] = {"\n", "\r\n", "\r", "\r\r\n", "\n\r", "\x1a", "\r\x1a"};
        const unsigned f = alea() % 20;
        s += f < 8 ? fins[0] : f < 16 ? fins[1] : f < 18 ? fins[2] : fins[3 + alea() % 4];
    }
    return s;
}

// Read sizes: tiny ones, ones around a line and its line end, and larger.
std::vector<size_t> plafondsAuHasard(std::mt19937& alea) {
    std::vector<size_t> plafonds;
    const int n = 1 + static_cast<int>(alea() % 6);
    for (int i = 0; i < n; ++i) {
        const unsigned forme = alea() % 4;
        plafonds.push_back(forme == 0   ? 1 + alea() % 4
                           : forme == 1 ? 255 + alea() % 5
                           : forme == 2 ? 1 + alea() % 80
                                        : 1 + alea() % 2000);
    }
    return plafonds;
}

// What the reads of `taille` bytes with these short reads cannot read when
// read number `rangPanne` (1-based) fails.
Illisible illisibleApres(size_t taille, const std::vector<size_t>& plafonds, long rangPanne) {
    size_t position = 0;
    for (long rang = 1;; ++rang) {
        if (rang == rangPanne) return {position, 0};
        size_t lu = plafonds[static_cast<size_t>(rang - 1) % plafonds.size()];
        if (lu > 65536) lu = 65536;
        if (lu > taille - position) lu = taille - position;
        if (lu == 0) return {std::string::npos, static_cast<int>(rangPanne - rang + 1)};
        position += lu;
    }
}

class LecteurRapide : public ::testing::Test {
protected:
    void TearDown() override { ops::remettreAZero(); }
};

}  // namespace

TEST_F(LecteurRapide, InMemoryInputUpToItsLastByte) {
    // The input ends where the readable memory ends.
    std::mt19937 alea(2024);
    for (int i = 0; i < 1500; ++i) {
        const std::string entree = entreeAuHasard(alea);
        MemoireGardee memoire(entree.size());
        std::memcpy(memoire.debut(), entree.data(), entree.size());
        auto ctx = std::make_unique<sExecution>();
        ctx->fp_recu.ouvrirMemoire(memoire.debut(), entree.size());
        comparer(*ctx, entree, {}, "input " + std::to_string(i));
        if (HasFatalFailure()) return;
    }
}

TEST_F(LecteurRapide, ShortReadsAndReadErrors) {
    Repertoire rep;
    std::mt19937 alea(77);
    for (int i = 0; i < 1000; ++i) {
        const std::string entree = entreeAuHasard(alea);
        rep.ecrire("f", entree);
        const std::vector<size_t> plafonds = plafondsAuHasard(alea);
        std::string cas = "input " + std::to_string(i) + ", reads of";
        for (size_t p : plafonds) {
            cas += ' ';
            cas += std::to_string(p);
        }
        {
            auto ctx = std::make_unique<sExecution>();
            ops::remettreAZero();
            ops::fixerLecturesCourtes(plafonds);
            ASSERT_TRUE(ctx->fp_recu.ouvrir((rep / "f").c_str()));
            comparer(*ctx, entree, {}, cas);
            if (HasFatalFailure()) return;
        }
        {
            // A read fails, sometimes one made at the end of the input.
            const long rang = 1 + static_cast<long>(alea() % 40);
            auto ctx = std::make_unique<sExecution>();
            ops::remettreAZero();
            ops::fixerLecturesCourtes(plafonds);
            ops::fixerPanne(rang, EIO, ops::Operation::lire);
            ASSERT_TRUE(ctx->fp_recu.ouvrir((rep / "f").c_str()));
            comparer(*ctx, entree, illisibleApres(entree.size(), plafonds, rang),
                     cas + ", read " + std::to_string(rang) + " fails");
            if (HasFatalFailure()) return;
        }
    }
}

TEST_F(LecteurRapide, EveryByteValueAtEveryPlaceOfAUsualLine) {
    // A single byte other than a printable one, at each of the 256 places of
    // a line and in the line-end places, with every line end after it.
    Repertoire rep;
    int n = 0;
    for (const char* fin : {"\n", "\r\n", "\r"}) {
        for (int place = 0; place < 259; place += (place < 8 || place > 247) ? 1 : 13) {
            for (int valeur = 0; valeur < 256; valeur += (valeur < 36 || valeur > 116) ? 1 : 9) {
                std::string ligne(256, 'A');
                ligne += fin;
                ligne += std::string(256, 'B') + fin;
                ligne[static_cast<size_t>(place)] = static_cast<char>(valeur);
                auto ctx = std::make_unique<sExecution>();
                ctx->fp_recu.ouvrirMemoire(ligne.data(), ligne.size());
                comparer(*ctx, ligne, {},
                         "byte " + std::to_string(valeur) + " at " + std::to_string(place));
                if (HasFatalFailure()) return;
                ++n;
            }
        }
    }
    EXPECT_GT(n, 10000);
}

TEST_F(LecteurRapide, BufferedOutputWritesWhatItIsGiven) {
    // Writes of every size, from one byte to more than the buffer, to memory
    // and to a file that takes short writes: the file holds their
    // concatenation.
    Repertoire rep;
    std::mt19937 alea(5);
    for (int essai = 0; essai < 20; ++essai) {
        std::string attendu;
        std::vector<std::string> morceaux;
        const int n = 1 + static_cast<int>(alea() % 200);
        for (int i = 0; i < n; ++i) {
            const unsigned forme = alea() % 10;
            const size_t taille = forme < 3 ? 256 : forme < 6 ? alea() % 3 : forme < 9 ? alea() % 3000 : alea() % 140000;
            std::string m(taille, '\0');
            for (char& c : m) c = static_cast<char>(alea());
            attendu += m;
            morceaux.push_back(std::move(m));
        }
        std::string memoire;
        FichierSortie enMemoire;
        enMemoire.ouvrirMemoire(&memoire);
        ops::remettreAZero();
        if (essai % 2 == 1) ops::fixerEcrituresCourtes(1 + alea() % 3, 1 + alea() % 5000);
        FichierSortie fichier;
        ASSERT_TRUE(fichier.ouvrir((rep / "sortie").c_str(), O_WRONLY | O_CREAT | O_TRUNC));
        for (const std::string& m : morceaux) {
            if (m.size() == 1 && alea() % 2 == 0) {
                enMemoire.ecrire(m[0]);
                fichier.ecrire(m[0]);
            } else {
                enMemoire.ecrire(m.data(), m.size());
                fichier.ecrire(m.data(), m.size());
            }
        }
        ASSERT_TRUE(enMemoire.fermer(false));
        ASSERT_TRUE(fichier.fermer(false));
        ops::remettreAZero();
        ASSERT_EQ(memoire.size(), attendu.size()) << "case " << essai;
        EXPECT_TRUE(memoire == attendu) << "case " << essai;
        EXPECT_TRUE(rep.lire("sortie") == attendu) << "case " << essai;
    }
}

TEST_F(LecteurRapide, BufferedOutputStopsAtTheFirstFailedWrite) {
    // Once a write fails nothing more is handed to the file, whichever way
    // the bytes came in, and the closing reports it.
    Repertoire rep;
    for (const size_t taille : {size_t{1}, size_t{256}, size_t{65536}, size_t{70000}}) {
        ops::remettreAZero();
        ops::fixerPanne(1, ENOSPC, ops::Operation::ecrire);
        FichierSortie fichier;
        ASSERT_TRUE(fichier.ouvrir((rep / "plein").c_str(), O_WRONLY | O_CREAT | O_TRUNC));
        const std::string octets(taille, 'x');
        for (int i = 0; i < 300; ++i) fichier.ecrire(octets.data(), octets.size());
        EXPECT_FALSE(fichier.fermer(false)) << taille;
        EXPECT_EQ(ops::nombreAppels(ops::Operation::ecrire), 1) << taille;
        ops::remettreAZero();
    }
}
