// End to end: the reader and the main loop, the first record, the record
// count, the pairing of consecutive records, the traces.
#include <gtest/gtest.h>

#include "driver/sorties.h"
#include "engine/verif.h"
#include "model/modele.h"
#include "records/records.h"
#include "outils.h"

using namespace essai;

namespace {

const std::set<std::string> LIVRE = {"log.txt", "out.txt"};
const std::set<std::string> REMIS = {"in.txt", "log.txt"};

// A run that must stop: exit 1, the input put back unchanged, one log line.
void attendreArret(const std::string& contenu, const std::string& message, const std::vector<std::string>& options = {}) {
    Repertoire rep;
    const auto r = valider(rep, contenu, options);
    EXPECT_EQ(r.code, 1) << message;
    EXPECT_EQ(rep.fichiers(), REMIS) << message;
    EXPECT_EQ(rep.lire("in.txt"), contenu) << message;
    EXPECT_TRUE(estLigneDeJournal(rep.lire("log.txt"), message)) << rep.lire("log.txt");
}

// First column of the field that the record type of switch-table entry idx
// echoes as its identification pair (0 when the type's table does not cut it).
int colonnePaire(int idx, bool premier) {
    const sAiguillage& a = tAiguillage[idx];
    const numCorpsVSE slot = premier ? a.champErrC7 : a.champErrC8;
    int debut = 0, fin = 0;
    if (slot == CINC || !colonnesDuSlot(a.tabVerif, *a.pLenTabVerif, slot, &debut, &fin)) return 0;
    return debut;
}

}  // namespace

TEST(Lecteur, ArretsDuTraitement) {
    const std::string f = fich(1).texte();
    const std::string e = entrValide().texte();
    Vse sansNumero = fich(1);
    sansNumero.colonnes(63, std::string(16, ' '));
    attendreArret(fichier({e, f}), message::IG011);                   // first record not FICH
    attendreArret("", message::IG011);                                 // empty input
    attendreArret(f, message::IG011);                                  // only an unfinished line
    attendreArret(fichier({sansNumero.texte(), e}), message::I099);    // FICH without file number
    attendreArret(fichier({f}), message::IG014);                       // FICH alone
    attendreArret(fichier({f}) + "\x1a", message::IG014);
    attendreArret(fichier({f, e}) + "\n", message::IG015);             // empty line, last
    attendreArret(fichier({f}) + "\n" + e + "\n", message::IG015);     // empty line inside
    attendreArret(fichier({f}) + "\r\n" + e + "\r\n", message::IG015);
    attendreArret(f + "\r\n" + e + "\r\n" + e + "\n", message::IG008);  // DOS then UNIX
    attendreArret(f + "\n" + e + "\r\n", message::IG008);
    attendreArret(f + "\n" + e + "\r", message::IG008);                 // UNIX then MAC
}

TEST(Lecteur, FormatsMelangesArretesAvantLaTroisiemeLigne) {
    Repertoire rep;
    Vse trois = entrValide();
    trois.e11 = "TROISIEME";
    const std::string contenu = fich(2).texte() + "\r\n" + entrValide().texte() + "\r\n" + trois.texte() + "\n";
    const auto r = valider(rep, contenu, {"-d"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.sortie.find("TROISIEME"), std::string::npos);
    EXPECT_NE(r.sortie.find("VSE=|" + entrValide().texte() + "|"), std::string::npos);
}

TEST(Lecteur, FinsDeLigneDesSorties) {
    // Every output line ends with the input's own line end, the last included.
    for (const std::string fin : {"\n", "\r\n", "\r"}) {
        SCOPED_TRACE(fin.size() == 2 ? "DOS" : fin == "\n" ? "UNIX" : "MAC");
        const std::string f = fich(2).texte();
        const std::string e = entrValide().texte();
        Repertoire rep;
        attendreLivraison(rep, valider(rep, fichier({f, e, e}, fin)), 0,
                          {accepteAttendu(f, 2), tamponne(e), tamponne(e)}, fin);
        Vse mauvais = entrValide();
        mauvais.f5.assign(1, '-');
        Repertoire rep2;
        attendreLivraison(rep2, valider(rep2, fichier({f, e, mauvais.texte()}, fin)), 2,
                          {refusAttendu(f, 1, 2, 1), erreurAttendue(mauvais.texte(), f, "I0941", 88, 90)}, fin);
    }
}

TEST(Lecteur, FinDeLEntree) {
    const std::string f1 = fich(1).texte(), f2 = fich(2).texte();
    const std::string e = entrValide().texte();
    const std::vector<std::string> accepte = {accepteAttendu(f1, 1), tamponne(e)};
    const std::vector<std::string> compteFaux = {refusAttendu(f2, 1, 1, 1), erreurAttendue(f2, f2, "I1001", 0, 0, CorpsRepondu::blanc)};
    struct Cas {
        std::string contenu;
        int code;
        std::vector<std::string> attendu;
        std::string fin = "\n";
    };
    for (const Cas& c : std::vector<Cas>{
             {f1 + "\n" + e + "\n" + e, 0, accepte},           // an unfinished last line is not processed
             {f2 + "\n" + e + "\n" + e, 2, compteFaux},        // ... nor counted: error 100
             {f1 + "\n" + e + "\n\x1a" + e + "\n", 0, accepte},  // Ctrl-Z ends the input
             {f1 + "\n" + e + "\n" + e + "\x1a\n", 0, accepte},  // Ctrl-Z mid-line: the line is not processed
             {f1 + "\n" + e + "\n\x1a", 0, accepte},
             {f2 + "\r\n" + e + "\r\n" + e + "\r\n\x1a\r\n", 0, {accepteAttendu(f2, 2), tamponne(e), tamponne(e)}, "\r\n"},
         }) {
        Repertoire rep;
        const auto r = valider(rep, c.contenu);
        attendreLivraison(rep, r, c.code, c.attendu, c.fin);
    }
    // Ctrl-Z right after the FICH line: IG014, not IG015.
    attendreArret(f1 + "\n\x1a" + e + "\n", message::IG014);
}

TEST(Lecteur, LongueurEtCaracteres) {
    const std::string e = entrValide().texte();
    std::string tabulationApres256 = e + "\t";
    std::string nulAuMilieu = e;
    nulAuMilieu[44] = '\0';  // in E10: 88, and 106 for the character
    std::string accent = e;
    accent.replace(119, 2, "\xc3\xa9");  // an accented letter in C10: 106, and 107
    struct Cas {
        std::string ligne;
        std::string attendu;
    };
    for (const Cas& c : std::vector<Cas>{
             {e + std::string(44, 'Z'), "I1071"},   // 300 characters: the first 256 are processed
             {e.substr(0, 255), "I1081I0941"},      // 255: too short, and no end mark
             {tabulationApres256, "I1061I1071"},
             {nulAuMilieu, "I1061I0881"},
             {accent.substr(0, 256) + "\xa9", "I1061I1071"},
         }) {
        Repertoire rep;
        const std::string f = fich(1).texte();
        const auto r = valider(rep, fichier({f, c.ligne}));
        // The record's own bytes (its first 256) are echoed as they were read.
        attendreLivraison(rep, r, 2,
                          {refusAttendu(f, 1, 1, 0), erreurAttendue(c.ligne.substr(0, 256), f, c.attendu, 88, 90)});
    }
}

TEST(Lecteur, NulEchoDansLEnregistrementDErreur) {
    std::string e = entrValide().texte();
    e[52] = '\0';  // in E11, echoed at column 53 of the error record
    Repertoire rep;
    const std::string f = fich(1).texte();
    const auto r = valider(rep, fichier({f, e}));
    attendreLivraison(rep, r, 2, {refusAttendu(f, 1, 1, 0), erreurAttendue(e, f, "I1061", 88, 90)});
    EXPECT_EQ(lignes(rep.lire("out.txt"))[1][52], '\0');
}

TEST(Lecteur, LimiteDeDixMilleEnregistrements) {
    const std::string e = entrValide().texte();
    Vse mauvais = entrValide();
    mauvais.f5 = "-";
    {
        Repertoire rep;
        std::vector<std::string> l = {fich(10000).texte()};
        l.insert(l.end(), 10000, e);
        const auto r = valider(rep, fichier(l));
        EXPECT_EQ(r.code, 0);
        EXPECT_EQ(col(lignes(rep.lire("out.txt"))[0], 113, 118), "010000");
    }
    {
        // The 10002nd line is processed (its trace shows), then the run stops.
        Repertoire rep;
        std::vector<std::string> l = {fich(10001).texte()};
        l.insert(l.end(), 10000, e);
        l.push_back(mauvais.texte());
        const std::string contenu = fichier(l);
        const auto r = valider(rep, contenu, {"-i"});
        EXPECT_EQ(r.code, 1);
        EXPECT_EQ(r.sortie, "F5.94;");
        EXPECT_EQ(rep.fichiers(), REMIS);
        EXPECT_TRUE(estLigneDeJournal(rep.lire("log.txt"), message::I073));
    }
}

TEST(Lecteur, EnregistrementsParticuliers) {
    const std::string e = entrValide().texte();
    const std::string second = fich(1).texte();
    Vse inconnu = entrValide();
    inconnu.e6 = "LIST";
    inconnu.f5 = "-";  // the trailer of a type not in the table is not checked
    Vse inconnuEcq = inconnu;
    inconnuEcq.e5 = "ECQ";
    const std::string f = fich(5).texte();
    Repertoire rep;
    const auto r = valider(rep, fichier({f, e, second, inconnu.texte(), inconnuEcq.texte(), e}));
    attendreLivraison(rep, r, 2,
                      {refusAttendu(f, 3, 5, 2), erreurAttendue(second, f, "I1091", 0, 0, CorpsRepondu::blanc),
                       erreurAttendue(inconnu.texte(), f, "I0851I0861", 0, 0, CorpsRepondu::blanc),
                       erreurAttendue(inconnuEcq.texte(), f, "I0851", 0, 0, CorpsRepondu::blanc)});
}

TEST(Lecteur, SecondFichEnDernier) {
    Repertoire rep;
    const std::string f = fich(2).texte(), second = fich(1).texte();
    const auto r = valider(rep, fichier({f, entrValide().texte(), second}));
    attendreLivraison(rep, r, 2, {refusAttendu(f, 1, 2, 1), erreurAttendue(second, f, "I1091", 0, 0, CorpsRepondu::blanc)});
}

TEST(Lecteur, TraceInformatique) {
    Repertoire rep;
    Vse mauvais = entrValide();
    mauvais.e6 = "LIST";
    Vse mauvais2 = entrValide();
    mauvais2.f1 = "32122024";
    mauvais2.f2 = "24h000";
    const std::string e = entrValide().texte();
    const auto r = valider(rep, fichier({fich(4).texte(), mauvais.texte(), e + "X", mauvais2.texte(), e}), {"-i"});
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(r.sortie, "E6.85;E6.86;VSE trop long \nF1.90;F2.91;");
}

TEST(Lecteur, Appariements) {
    const std::string f = fich(2).texte();
    const std::string lien = "01234567    ";
    const std::string e1 = exp1(lien).texte();
    const int exp1Idx = chercherAiguillage("EXP1");
    const std::string reponse105 =
        erreurAttendue(e1, f, "I1051", colonnePaire(exp1Idx, true), colonnePaire(exp1Idx, false));
    Vse exp1Errone = exp1(lien);
    exp1Errone.f5 = "-";
    const std::string e2 = exp2(lien).texte();
    const std::string e2Autre = exp2("01876543    ").texte();
    Vse exp2Mod = exp2(lien);
    exp2Mod.e5 = "MOD";
    const std::string entr = entrValide().texte();
    struct Cas {
        const char* nom;
        std::vector<std::string> enregistrements;
        int code;
        std::vector<std::string> attendu;
    };
    for (const Cas& c : std::vector<Cas>{
             {"apparie", {e1, e2}, 0, {accepteAttendu(f, 2), tamponne(e1), tamponne(e2)}},
             {"autre lien", {e1, e2Autre}, 2, {refusAttendu(f, 1, 2, 1), reponse105}},
             {"autre type", {e1, entr}, 2, {refusAttendu(f, 1, 2, 1), reponse105}},
             {"autre action", {e1, exp2Mod.texte()}, 2, {refusAttendu(f, 1, 2, 1), reponse105}},
             {"ouvert a la fin", {entr, e1}, 2, {refusAttendu(f, 1, 2, 1), reponse105}},
             {"ouvreur errone", {exp1Errone.texte(), entr}, 2,
              {refusAttendu(f, 1, 2, 1),
               erreurAttendue(exp1Errone.texte(), f, "I0941", colonnePaire(exp1Idx, true),
                              colonnePaire(exp1Idx, false))}},
             {"deux ouvreurs", {e1, e1}, 2, {refusAttendu(f, 2, 2, 0), reponse105, reponse105}},
         }) {
        Repertoire rep;
        std::vector<std::string> l = {f};
        l.insert(l.end(), c.enregistrements.begin(), c.enregistrements.end());
        const auto r = valider(rep, fichier(l));
        SCOPED_TRACE(c.nom);
        attendreLivraison(rep, r, c.code, c.attendu);
    }
}

TEST(Lecteur, TraceDecodee) {
    const Vse f = fich(1);
    Vse inconnu = entrValide();
    inconnu.e6 = "LIST";
    Repertoire rep;
    const auto r = valider(rep, fichier({f.texte(), inconnu.texte()}), {"-d"});
    EXPECT_EQ(r.code, 2);
    auto entete = [](const Vse& v, const std::string& erreurE6) {
        return "champ: 1  champ: 2  champ: 3  '" + v.e3 + "'\nchamp: 4  '" + v.e4 + "'\nchamp: 5  '" + v.e5 +
               "'\nchamp: 6  '" + v.e6 + "'\n" + erreurE6 + "champ: 6  '" + v.e6 + "'\n" + erreurE6 +
               "champ: 7  champ: 8  '" + v.e8 + "'\nchamp: 9  '" + v.e9 + "'\nchamp: 10  '" + v.e10 +
               "'\nchamp: 11  champ: 12  '" + v.e12 + "'\nchamp: 13  '" + v.e13 + "'\n";
    };
    const std::string attendu =
        "VSE=|" + f.texte() + "|\n\n\n" + entete(f, "") + "\n" +
        "champ: 1  champ: 2  champ: 3  champ: 4  champ: 5  champ: 6  champ: 7  champ: 8  champ: 9  " +
        "champ: 1  '" + f.f1 + "'\nchamp: 2  '" + f.f2 + "'\nchamp: 2  champ: 3  '" + f.f3 + "'\nchamp: 4  champ: 5  '" +
        f.f5 + "'\n" + "VSE=|" + inconnu.texte() + "|\n\n\n" + entete(inconnu, "! erreurChamp sur [LIST]\n");
    EXPECT_EQ(r.sortie, attendu);
}
