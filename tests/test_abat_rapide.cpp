// The ABAT checks, which read their fields by hand and whose snapshot skips
// the clearing, held equal to their plain versions: the snapshot cleared and
// copied field by field, lengths measured before every read, numbers read by
// the one reader, lists scanned. Both run on the same generated records and
// values: valid ones, then every field bent (short, empty, blank, letters,
// signs and white space in numbers, 0x7F, bytes above 127, a NUL in the line,
// a line cut anywhere).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "checks/generiques.h"
#include "checks/identifiants.h"
#include "checks/nombres.h"
#include "checks/octets.h"
#include "engine/verif.h"
#include "model/modele.h"
#include "records/abat.h"
#include "records/records.h"
#include "reference/valautorise.h"

namespace {

// ---------------------------------------------------------------------------
// The plain versions. Each reads its companion fields from the snapshot it is
// given and C1 from the line, as the checks did before their shortcuts.
namespace simple {

void copierDeLaLigne(int debut, int largeur, char* cible) {
    const int decalage = debut - 1;
    if (static_cast<int>(strnlen(xdebug, static_cast<std::size_t>(decalage))) < decalage) {
        cible[0] = '\0';
        return;
    }
    copierDebut(xdebug + decalage, static_cast<std::size_t>(largeur), cible);
}

// Every member cleared, then each given its field's characters of the line.
void prendre(vseCorps& s) {
    std::memset(&s, 0, sizeof s);
    copierDeLaLigne(65, 12, s.NUME_NATI_BOV);
    copierDeLaLigne(77, 2, s.CODE_RESULTAT);
    copierDeLaLigne(79, 2, s.CODE_EXPLOIT_PROVENANCE);
    copierDeLaLigne(81, 12, s.NUME_EXPLOIT_PROVENANCE);
    copierDeLaLigne(93, 8, s.DATE_ENTREE_ABAT);
    copierDeLaLigne(101, 8, s.DATE_ABATTAGE);
    copierDeLaLigne(109, 8, s.NUME_TUERIE);
    copierDeLaLigne(117, 7, s.POIDS_CARCASSE);
    copierDeLaLigne(124, 2, s.CODE_PAYS_ABAT_NOTIF);
    copierDeLaLigne(126, 12, s.NUME_IDENT_ABAT_NOTIF);
    copierDeLaLigne(138, 1, s.INDIC_CREA_INVA_ABATT);
}

std::string paysDuBovin() {
    char code[3];
    copierDeLaLigne(63, 2, code);
    return code;
}

bool queDesBlancs(const char* v, int n) {
    if (static_cast<int>(std::strlen(v)) != n) return false;
    for (int i = 0; i < n; ++i) {
        if (v[i] != ' ') return false;
    }
    return true;
}

bool lettreOuChiffre(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

int nombreDe(const char* valeur, int debut, int n) {
    if (std::strlen(valeur) < static_cast<std::size_t>(debut - 1)) return 0;
    return lireEntierDe(valeur + debut - 1, n);
}

int anneeDe(const char* date) { return nombreDe(date, 5, 4); }

bool dansTable(const std::string& v, const tValAutorise* table, int n) {
    for (int i = 0; i < n; ++i) {
        if (v == table[i]) return true;
    }
    return false;
}

bool notifieParOffice(const vseCorps& s) { return commencePar(s.NUME_IDENT_ABAT_NOTIF, "OFFICE"); }
bool notifieParOfficeOuOnicab(const vseCorps& s) {
    return notifieParOffice(s) || commencePar(s.NUME_IDENT_ABAT_NOTIF, "ONICAB");
}

int presence_C2(const vseCorps& s) { return !queDesBlancs(s.NUME_NATI_BOV, 12); }

int vAbat_C2_1(const vseCorps&, const char* champ) {
    if (paysDuBovin() == "FR") return verifNumBovinFrOuImporte(champ);
    return 1;
}

int vAbat_C2_2(const vseCorps&, const char* champ) {
    const std::string pays = paysDuBovin();
    if (pays == "FR") return 1;
    if (pays == "CH" || appartient_UE(pays.c_str())) {
        return fVerifNumEtranger(pays.c_str(), const_cast<char*>(champ), nullptr, 0);
    }
    return 1;
}

int fVerif_ASDA(const vseCorps&, const char* champ) {
    return dansTable(champ, TP, LenTP) || dansTable(champ, TCPNOCEE, LenTCPNOCEE);
}

int presence_C5(const vseCorps& s) { return !champVide(s.NUME_EXPLOIT_PROVENANCE); }

int fVerif_NUM_ASDA(const vseCorps& s, const char* champ) {
    if (std::strcmp(s.CODE_EXPLOIT_PROVENANCE, "FR") != 0) return 1;
    if (s.INDIC_CREA_INVA_ABATT[0] == '\0') return 0;
    if (notifieParOfficeOuOnicab(s)) return 1;
    return verifNumExploitFr(champ);
}

int fVerifDateInputPost(const vseCorps&, const char* champ) { return champVide(champ) || anneeDe(champ) > 1997; }

int fVerifDateAbatPost(const vseCorps&, const char* champ) { return anneeDe(champ) > 1997; }

int fVerifDateAbatPostEntr(const vseCorps& s, const char* champ) {
    const char* entree = s.DATE_ENTREE_ABAT;
    if (queDesBlancs(entree, 8) || queDesBlancs(champ, 8)) return 1;
    const int e[3] = {anneeDe(entree), nombreDe(entree, 3, 2), nombreDe(entree, 1, 2)};
    const int a[3] = {anneeDe(champ), nombreDe(champ, 3, 2), nombreDe(champ, 1, 2)};
    for (int i = 0; i < 3; ++i) {
        if (e[i] != a[i]) return e[i] < a[i];
    }
    return 1;
}

int presence_C8(const vseCorps& s) {
    const char* tuerie = s.NUME_TUERIE;
    if (std::strlen(tuerie) < 8) return 0;
    if (queDesBlancs(tuerie, 8)) return 1;
    if (tuerie[0] == ' ') return 0;
    for (const char* c = tuerie; *c != '\0'; ++c) {
        if (!lettreOuChiffre(*c) && *c != ' ') return 0;
    }
    return 1;
}

int fVerif_NUM_TUE(const vseCorps& s, const char* champ) {
    if (queDesBlancs(champ, 8)) return 1;
    if (notifieParOffice(s)) {
        const std::string attendu = std::string(s.CODE_EXPLOIT_PROVENANCE) + s.CODE_PAYS_ABAT_NOTIF;
        const std::size_t longueur = std::strcspn(champ, " ");
        return longueur == attendu.size() && std::strncmp(champ, attendu.c_str(), longueur) == 0;
    }
    if (std::strlen(champ) < 8) return 0;
    return lettreOuChiffre(champ[0]);
}

int fVerif_chaine_POIDS(const vseCorps&, const char* champ) {
    if (std::strlen(champ) != 7) return 0;
    if (queDesBlancs(champ, 7)) return 1;
    if (champ[4] != ',') return 0;
    for (int i : {0, 1, 2, 3, 5, 6}) {
        if (!estChiffre(champ[i])) return 0;
    }
    return 1;
}

int fVerif_POIDS(const vseCorps&, const char* champ) {
    if (queDesBlancs(champ, 7)) return 1;
    const int kilos = nombreDe(champ, 1, 4);
    const int centiemes = nombreDe(champ, 6, 2);
    return !(kilos > 1000 || (kilos == 1000 && centiemes > 0));
}

int fVerif_CODEPE_ABATNOT(const vseCorps& s, const char* champ) {
    if (notifieParOfficeOuOnicab(s)) {
        char paysOffice[3];
        copierDebut(s.NUME_IDENT_ABAT_NOTIF + 6, 2, paysOffice);
        return std::strcmp(s.CODE_PAYS_ABAT_NOTIF, paysOffice) == 0;
    }
    return std::strcmp(champ, "FR") == 0;
}

int presence_C11(const vseCorps& s) {
    const char* notifiant = s.NUME_IDENT_ABAT_NOTIF;
    return notifiant[0] != '\0' && !queDesBlancs(notifiant, 12);
}

int fVerif_NUMID_ABATNOT_CONF(const vseCorps&, const char* champ) {
    if (champ[0] == '\0' || champ[0] == ' ') return 0;
    const std::size_t tete = std::strcspn(champ, " ");
    if (tete != 7 && tete != 8) return 0;
    if (commencePar(champ, "ONICAB") || commencePar(champ, "OFFICE")) return 1;
    if (std::strlen(champ) < 12 || champ[10] != ' ' || champ[11] != ' ') return 0;
    const std::string departement(champ, 2);
    if (departement == "2A" || departement == "2B") return 1;
    return dansTable(departement, TD, LenTD);
}

}  // namespace simple

// ---------------------------------------------------------------------------
// Generated records.

std::string octets(std::mt19937& alea, const std::string& alphabet, std::size_t n) {
    std::string s;
    for (std::size_t i = 0; i < n; ++i) s += alphabet[alea() % alphabet.size()];
    return s;
}

// Bytes that bend a field: blanks, digits and the bytes next to them, letters
// of both cases, signs, C white space, a comma, 0x7F (a NUL of the line) and
// bytes above 127.
const std::string kBruit = std::string(" 0123456789/:;?AZaz+-,\t\v\r\x7f\x80\xB9\xE9\xFF") + "OFRICNABDE";

// One value for a field of `largeur` characters: a usual one from `modeles`,
// or bytes of kBruit, then perhaps one or two bytes replaced, and perhaps
// cut short or lengthened (a value handed by a test need not have its
// field's width).
std::string valeur(std::mt19937& alea, const std::vector<std::string>& modeles, std::size_t largeur,
                   bool libreLongueur) {
    std::string v = alea() % 5 == 0 ? octets(alea, kBruit, largeur) : modeles[alea() % modeles.size()];
    v.resize(largeur, ' ');
    for (int k = static_cast<int>(alea() % 4) - 1; k > 0; --k) {
        v[alea() % largeur] = kBruit[alea() % kBruit.size()];
    }
    if (alea() % 6 == 0) v[alea() % largeur] = ' ';
    if (libreLongueur && alea() % 4 == 0) {
        if (alea() % 2 == 0) {
            v.resize(alea() % (largeur + 1));
        } else {
            v += octets(alea, kBruit, 1 + alea() % 3);
        }
    }
    return v;
}

struct Champ {
    int colonne;
    std::size_t largeur;
    std::vector<std::string> modeles;
};

const std::vector<Champ>& champs() {
    static const std::vector<Champ> c = {
        {63, 2, {"FR", "FR", "CH", "DE", "BE", "IT", "US", "GB", "fr", "  ", "F", "EL", "UK"}},
        {65, 12, {"0112345678  ", "9741234567  ", "2A12345678  ", "DE12345678  ", "A12345      ", std::string(12, ' '),
                  "12345678ABCD", "CH12345     "}},
        {77, 2, {"  ", "40", "xx"}},
        {79, 2, {"FR", "FR", "DE", "BE", "MH", "XS", "ZZ", "fr", "  "}},
        {81, 12, {"01234567    ", "2A234567    ", "20234567    ", std::string(12, ' '), "DE-4711     "}},
        {93, 8, {"14062024", "15062024", "01011998", "31121997", "        ", "  062024", "0101 998", "01012O24"}},
        {101, 8, {"15062024", "14062024", "16062024", "01012025", "31122023", "        ", "0101-200", "0101+199"}},
        {109, 8, {"A1234567", "a1b2c3d4", "12 4 678", "        ", " 1234567", "FRDE    ", "FRFR    ", "FRDE FR ",
                  "FRDEX   ", "FRD     "}},
        {117, 7, {"0350,50", "1000,00", "1000,01", "0999,99", "       ", "0350500", "-100,00", " 1001,0", "1000,1 "}},
        {124, 2, {"FR", "DE", "BE", "  ", "fr"}},
        {126, 12, {"0112345     ", "01123456    ", "2A12345     ", "2B123456    ", "9912345     ", "OFFICEDE    ",
                   "ONICABFR    ", "ONICABBE    ", "OFFICE      ", "OFFICEDE  XY", "0112345 AB  ", "0112345   AB",
                   std::string(12, ' '), "OFFIC1234   ", "officeDE    "}},
        {138, 1, {"C", "I", " "}},
    };
    return c;
}

// A whole line of 256 characters, or a line cut short anywhere (often
// inside the body), sometimes with a NUL byte or a byte above 127 in it.
std::string ligne(std::mt19937& alea) {
    std::string l(256, ' ');
    l.replace(0, 25, "ABNORM01  031BDN  CREABAT");
    for (const Champ& c : champs()) {
        l.replace(static_cast<std::size_t>(c.colonne - 1), c.largeur, valeur(alea, c.modeles, c.largeur, false));
    }
    if (alea() % 8 == 0) l[alea() % 256] = '\0';
    if (alea() % 8 == 0) l[alea() % 256] = '\xE9';
    switch (alea() % 6) {
        case 0: l.resize(alea() % 257); break;
        case 1: l.resize(55 + alea() % 90); break;  // around the body
        default: break;
    }
    return l;
}

// A value handed to a check: exactly as long as it is, on the heap, so that
// a read past its NUL is a read past the allocation.
class Valeur {
public:
    explicit Valeur(const std::string& s) : octets_(new char[s.size() + 1]) {
        std::memcpy(octets_.get(), s.data(), s.size());
        octets_[s.size()] = '\0';
    }
    char* get() const { return octets_.get(); }

private:
    std::unique_ptr<char[]> octets_;
};

// Every member of cp but C1 (never filled) filled with bytes that are no
// NUL, as a previous record's longer values would leave them.
void salirLeCliche(std::mt19937& alea) {
    char* debut = cp.NUME_NATI_BOV;
    char* fin = reinterpret_cast<char*>(&cp) + sizeof cp;
    for (char* c = debut; c != fin; ++c) c[0] = static_cast<char>(1 + alea() % 255);
}

constexpr const char* kMembres[] = {"C2", "C3", "C4", "C5", "C6", "C7", "C8", "C9", "C10", "C11", "C12"};

void comparerCliches(const vseCorps& attendu, const std::string& l) {
    const char* a[] = {attendu.NUME_NATI_BOV, attendu.CODE_RESULTAT, attendu.CODE_EXPLOIT_PROVENANCE,
                       attendu.NUME_EXPLOIT_PROVENANCE, attendu.DATE_ENTREE_ABAT, attendu.DATE_ABATTAGE,
                       attendu.NUME_TUERIE, attendu.POIDS_CARCASSE, attendu.CODE_PAYS_ABAT_NOTIF,
                       attendu.NUME_IDENT_ABAT_NOTIF, attendu.INDIC_CREA_INVA_ABATT};
    const char* o[] = {cp.NUME_NATI_BOV, cp.CODE_RESULTAT, cp.CODE_EXPLOIT_PROVENANCE, cp.NUME_EXPLOIT_PROVENANCE,
                       cp.DATE_ENTREE_ABAT, cp.DATE_ABATTAGE, cp.NUME_TUERIE, cp.POIDS_CARCASSE,
                       cp.CODE_PAYS_ABAT_NOTIF, cp.NUME_IDENT_ABAT_NOTIF, cp.INDIC_CREA_INVA_ABATT};
    for (int i = 0; i < 11; ++i) {
        ASSERT_STREQ(o[i], a[i]) << kMembres[i] << " of a line of " << l.size();
    }
}

// The checks that take the value they are handed, with their field.
struct CheckDeValeur {
    const char* nom;
    pfVerif_t rapide;
    int (*simple)(const vseCorps&, const char*);
    std::size_t champ;  // index in champs()
};

const CheckDeValeur kChecksDeValeur[] = {
    {"vAbat_C2_1", vAbat_C2_1, simple::vAbat_C2_1, 1},
    {"vAbat_C2_2", vAbat_C2_2, simple::vAbat_C2_2, 1},
    {"fVerif_ASDA", fVerif_ASDA, simple::fVerif_ASDA, 3},
    {"fVerif_NUM_ASDA", fVerif_NUM_ASDA, simple::fVerif_NUM_ASDA, 4},
    {"fVerifDateInputPost", fVerifDateInputPost, simple::fVerifDateInputPost, 5},
    {"fVerifDateAbatPost", fVerifDateAbatPost, simple::fVerifDateAbatPost, 6},
    {"fVerifDateAbatPostEntr", fVerifDateAbatPostEntr, simple::fVerifDateAbatPostEntr, 6},
    {"fVerif_NUM_TUE", fVerif_NUM_TUE, simple::fVerif_NUM_TUE, 7},
    {"fVerif_chaine_POIDS", fVerif_chaine_POIDS, simple::fVerif_chaine_POIDS, 8},
    {"fVerif_POIDS", fVerif_POIDS, simple::fVerif_POIDS, 8},
    {"fVerif_CODEPE_ABATNOT", fVerif_CODEPE_ABATNOT, simple::fVerif_CODEPE_ABATNOT, 9},
    {"fVerif_NUMID_ABATNOT_CONF", fVerif_NUMID_ABATNOT_CONF, simple::fVerif_NUMID_ABATNOT_CONF, 10},
};

// The checks that judge the snapshot alone.
struct CheckDuCliche {
    const char* nom;
    pfVerif_t rapide;
    int (*simple)(const vseCorps&);
};

const CheckDuCliche kChecksDuCliche[] = {
    {"presence_C5", presence_C5, simple::presence_C5},
    {"presence_C8", presence_C8, simple::presence_C8},
    {"presence_C11", presence_C11, simple::presence_C11},
};

std::string montrer(const std::string& s) {
    std::string r = "\"";
    for (unsigned char c : s) {
        if (c >= 32 && c < 127) {
            r += static_cast<char>(c);
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            r += hex;
        }
    }
    return r + "\"";
}

}  // namespace

// The snapshot, presence_C2 and every check that reads the snapshot or the
// line, over generated records; the checks that judge a value are handed the
// engine's slot of the record and other values of their field.
TEST(AbatRapide, ChecksAnswerAsTheirPlainVersions) {
    std::mt19937 alea(1789);
    vseCorps attendu;
    for (int essai = 0; essai < 25000; ++essai) {
        const std::string l = ligne(alea);
        preparerVue(l.data(), static_cast<int>(l.size()), xdebug);
        simple::prendre(attendu);
        salirLeCliche(alea);
        Valeur c2(l.size() > 64 ? l.substr(64, 12) : "");
        ASSERT_EQ(presence_C2(depVide, c2.get(), nullptr, 0) != 0, simple::presence_C2(attendu) != 0)
            << montrer(l);
        comparerCliches(attendu, l);

        for (const CheckDuCliche& c : kChecksDuCliche) {
            Valeur v("x");
            ASSERT_EQ(c.rapide(depVide, v.get(), nullptr, 0) != 0, c.simple(attendu) != 0)
                << c.nom << ' ' << montrer(l);
        }
        // The engine's slots of this record, then values of other records.
        getvseChamps(tAbat, lAbat, xdebug, static_cast<int>(l.size()), valCorpsVSE, noVisu);
        for (const CheckDeValeur& c : kChecksDeValeur) {
            const Champ& champ = champs()[c.champ];
            char* slot = valCorpsVSE[c.champ].valeur;
            ASSERT_EQ(c.rapide(depVide, slot, nullptr, 0) != 0, c.simple(attendu, slot) != 0)
                << c.nom << " slot " << montrer(slot) << " line " << montrer(l);
            for (int k = 0; k < 4; ++k) {
                std::string s = valeur(alea, champ.modeles, champ.largeur, true);
                // A slaughterhouse named after C4 and C10 of the line, as an
                // office's is, whatever bytes they hold.
                if (k == 3 && c.rapide == fVerif_NUM_TUE && l.size() >= 125) {
                    s = l.substr(78, 2) + l.substr(123, 2) + s.substr(0, alea() % 5);
                }
                Valeur v(s);
                ASSERT_EQ(c.rapide(depVide, v.get(), nullptr, 0) != 0, c.simple(attendu, v.get()) != 0)
                    << c.nom << ' ' << montrer(s) << " line " << montrer(l);
            }
        }
    }
    effacerModele();
}

// Values of every length up to their field's width plus one over a small
// alphabet, for the checks whose shortcut reads a fixed number of characters.
TEST(AbatRapide, ShortValuesOfEveryLength) {
    const std::string alphabet = std::string(" 09,+-\t/:") + '\x7f' + '\xE9';
    std::mt19937 alea(7);
    const std::string l = [&] {
        std::string s(256, ' ');
        s.replace(62, 2, "FR");
        s.replace(78, 2, "FR");
        s.replace(92, 8, "14062024");
        s.replace(123, 14, "DEOFFICEDE    ");
        return s;
    }();
    preparerVue(l.data(), 256, xdebug);
    vseCorps attendu;
    simple::prendre(attendu);
    getVseCorps();
    // Each value is handed on the heap, then in a body slot over the bytes
    // of an earlier value (which the checks may read a word at a time there),
    // then at the very end of the slots, where fewer than 8 bytes remain.
    char* const finDesSlots = valCorpsVSE[NB_CORPS - 1].valeur + sizeof valCorpsVSE[0].valeur;
    for (int essai = 0; essai < 60000; ++essai) {
        const std::string s = octets(alea, alphabet, alea() % 10);
        char* const slot = valCorpsVSE[alea() % NB_CORPS].valeur;
        for (int i = 0; i < 16; ++i) slot[i] = alphabet[alea() % alphabet.size()];
        std::memcpy(slot, s.c_str(), s.size() + 1);
        char* const auBout = finDesSlots - s.size() - 1 - alea() % 3;
        std::memcpy(auBout, s.c_str(), s.size() + 1);
        for (const CheckDeValeur& c : kChecksDeValeur) {
            Valeur v(s);
            const bool reponse = c.simple(attendu, v.get()) != 0;
            ASSERT_EQ(c.rapide(depVide, v.get(), nullptr, 0) != 0, reponse) << c.nom << ' ' << montrer(s);
            ASSERT_EQ(c.rapide(depVide, slot, nullptr, 0) != 0, reponse) << c.nom << " slot " << montrer(s);
            ASSERT_EQ(c.rapide(depVide, auBout, nullptr, 0) != 0, reponse) << c.nom << " end " << montrer(s);
        }
    }
    // The checks on members longer or shorter than their fields (no line
    // gives those, but a check judges whatever the member holds).
    const std::string lettres = std::string(" A9-") + '\x7f' + '\xE9';
    const std::vector<std::string> notifiants = {"OFFICE", "ONICAB", "OFFICED", "ONICABDE", "OFFICEDEX"};
    const std::vector<std::string> dates = {"        ", "14062024", "16062024"};
    for (int essai = 0; essai < 20000; ++essai) {
        const std::string& alphabetMembre = essai % 2 == 0 ? std::string("  A") : lettres;
        for (char* membre : {cp.NUME_TUERIE, cp.NUME_IDENT_ABAT_NOTIF, cp.NUME_EXPLOIT_PROVENANCE,
                             cp.CODE_PAYS_ABAT_NOTIF, cp.DATE_ENTREE_ABAT, cp.CODE_EXPLOIT_PROVENANCE}) {
            const std::string s = octets(alea, alphabetMembre, alea() % 14);
            std::memcpy(membre, s.c_str(), s.size() + 1);
        }
        if (alea() % 2 == 0) {
            const std::string s = notifiants[alea() % notifiants.size()] + octets(alea, lettres, alea() % 3);
            std::memcpy(cp.NUME_IDENT_ABAT_NOTIF, s.c_str(), s.size() + 1);
            const std::string pays = s.substr(6, alea() % 4) + octets(alea, "DX", alea() % 2);
            std::memcpy(cp.CODE_PAYS_ABAT_NOTIF, pays.c_str(), pays.size() + 1);
        }
        if (alea() % 2 == 0) {
            const std::string s = dates[alea() % dates.size()] + octets(alea, lettres, alea() % 2);
            std::memcpy(cp.DATE_ENTREE_ABAT, s.c_str(), s.size() + 1);
        }
        for (const CheckDuCliche& c : kChecksDuCliche) {
            Valeur v("x");
            ASSERT_EQ(c.rapide(depVide, v.get(), nullptr, 0) != 0, c.simple(cp) != 0)
                << c.nom << ' ' << montrer(cp.NUME_TUERIE) << ' ' << montrer(cp.NUME_IDENT_ABAT_NOTIF);
        }
        const std::vector<std::string> valeurs = {"        ", "14062024", "16062024", "0101-200", "0101 998"};
        const std::string valeurDuChamp = valeurs[alea() % valeurs.size()].substr(0, 6 + alea() % 3);
        for (const CheckDeValeur& c : kChecksDeValeur) {
            Valeur v(valeurDuChamp);
            ASSERT_EQ(c.rapide(depVide, v.get(), nullptr, 0) != 0, c.simple(cp, v.get()) != 0)
                << c.nom << ' ' << montrer(cp.NUME_IDENT_ABAT_NOTIF) << ' ' << montrer(cp.CODE_PAYS_ABAT_NOTIF)
                << ' ' << montrer(cp.DATE_ENTREE_ABAT) << ' ' << valeurDuChamp;
        }
    }
    getVseCorps();
    // Every digit string of a date against the entry date: the order by
    // year, then month, then day.
    for (int jour = 0; jour < 100; jour += 7) {
        for (int mois = 0; mois < 100; mois += 3) {
            for (int annee : {0, 999, 2023, 2024, 2025, 9999}) {
                char date[40];
                std::snprintf(date, sizeof date, "%02d%02d%04d", jour, mois, annee);
                Valeur v(date);
                ASSERT_EQ(fVerifDateAbatPostEntr(depVide, v.get(), nullptr, 0) != 0,
                          simple::fVerifDateAbatPostEntr(attendu, v.get()) != 0)
                    << date;
            }
        }
    }
    effacerModele();
}

// The member states, remembered per pair of capitals: vAbat_C2_2 answers as
// with appartient_UE asked each time, for every country of up to 2
// characters over capitals, other bytes and blanks (a line cut inside C1
// gives a shorter one), each asked twice. A foreign number that repeats no
// country passes for a member state or Switzerland, and anything passes for
// another country; one that repeats its country only for the others.
TEST(AbatRapide, MemberStatesAsAppartientUE) {
    std::string alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZaez @[\x7f";
    alphabet += '\xC1';
    std::vector<std::string> codes = {""};
    for (char a : alphabet) {
        codes.emplace_back(1, a);
        for (char b : alphabet) codes.push_back(std::string{a, b});
    }
    int membres = 0;
    for (int tour = 0; tour < 2; ++tour) {
        for (const std::string& code : codes) {
            std::string l(256, ' ');
            l.replace(62, 2, code + std::string(2 - code.size(), ' '));
            l.resize(62 + code.size());
            preparerVue(l.data(), static_cast<int>(l.size()), xdebug);
            membres += appartient_UE(code.c_str());
            for (const std::string& numero : {std::string("ZZ12345     "), code + "12345     "}) {
                Valeur v(numero);
                ASSERT_EQ(vAbat_C2_2(depVide, v.get(), nullptr, 0) != 0, simple::vAbat_C2_2(cp, v.get()) != 0)
                    << montrer(code) << ' ' << numero;
            }
        }
    }
    EXPECT_GT(membres, 0);  // the alphabet reaches member states
    effacerModele();
}
