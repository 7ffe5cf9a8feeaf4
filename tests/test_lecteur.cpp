// End to end: the reader and the main loop, the first record, the record
// count, the pairing of consecutive records, the traces.
#include <gtest/gtest.h>

#include "driver/sorties.h"
#include "outils.h"

using namespace essai;

namespace {

const std::set<std::string> LIVRE = {"log.txt", "out.txt"};
const std::set<std::string> REMIS = {"in.txt", "log.txt"};

// Error numbers of an error record, as written in columns 112 onwards.
std::string numeros(const std::string& ligne) {
    std::string n = col(ligne, 112, 230);
    return n.substr(0, n.find_last_not_of(' ') + 1);
}

// A run that must stop: exit 1, the input put back unchanged, one log line.
void attendreArret(const std::string& contenu, const std::string& message, const std::vector<std::string>& options = {}) {
    Repertoire rep;
    const auto r = valider(rep, contenu, options);
    EXPECT_EQ(r.code, 1) << message;
    EXPECT_EQ(rep.fichiers(), REMIS) << message;
    EXPECT_EQ(rep.lire("in.txt"), contenu) << message;
    EXPECT_TRUE(estLigneDeJournal(rep.lire("log.txt"), message)) << rep.lire("log.txt");
}

Vse exp1(const std::string& lien) {
    Vse v;
    v.e6 = "EXP1";
    v.colonnes(63, "FR").colonnes(65, lien).colonnes(79, "EARL").colonnes(113, "DUPONT");
    v.colonnes(143, "JEAN").colonnes(173, "75001").colonnes(178, "PARIS").colonnes(222, "10");
    return v;
}

Vse exp2(const std::string& lien) {
    Vse v;
    v.e6 = "EXP2";
    v.colonnes(63, "FR").colonnes(65, lien).colonnes(79, "FR").colonnes(81, "01234567    ");
    v.colonnes(141, "15062024");
    return v;
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
    struct Cas {
        std::string fin;
    };
    for (const std::string fin : {"\n", "\r\n", "\r"}) {
        Repertoire rep;
        const std::string e = entrValide().texte();
        const auto r = valider(rep, fichier({fich(2).texte(), e, e}, fin));
        EXPECT_EQ(r.code, 0);
        EXPECT_EQ(lignes(rep.lire("out.txt"), fin).size(), 3u);
        EXPECT_EQ(rep.lire("out.txt").size(), 3 * (256 + fin.size()));
        Repertoire rep2;
        Vse mauvais = entrValide();
        mauvais.f5 = "-";
        const auto r2 = valider(rep2, fichier({fich(2).texte(), e, mauvais.texte()}, fin));
        EXPECT_EQ(r2.code, 2);
        EXPECT_EQ(rep2.lire("out.txt").size(), 2 * (256 + fin.size()));
        EXPECT_EQ(lignes(rep2.lire("out.txt"), fin).size(), 2u);
    }
}

TEST(Lecteur, FinDeLEntree) {
    const std::string f1 = fich(1).texte(), f2 = fich(2).texte();
    const std::string e = entrValide().texte();
    struct Cas {
        std::string contenu;
        int code;
        size_t lignesSortie;
    };
    for (const Cas& c : std::vector<Cas>{
             {f1 + "\n" + e + "\n" + e, 0, 2},          // an unfinished last line is not processed
             {f2 + "\n" + e + "\n" + e, 2, 2},          // ... nor counted: error 100
             {f1 + "\n" + e + "\n\x1a" + e + "\n", 0, 2},  // Ctrl-Z ends the input
             {f1 + "\n" + e + "\n" + e + "\x1a\n", 0, 2},  // Ctrl-Z mid-line: the line is not processed
             {f1 + "\n" + e + "\n\x1a", 0, 2},
             {f2 + "\r\n" + e + "\r\n" + e + "\r\n\x1a\r\n", 0, 3},
         }) {
        Repertoire rep;
        const auto r = valider(rep, c.contenu);
        EXPECT_EQ(r.code, c.code) << c.contenu.size();
        EXPECT_EQ(rep.fichiers(), LIVRE);
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
        const auto r = valider(rep, fichier({fich(1).texte(), c.ligne}));
        EXPECT_EQ(r.code, 2) << c.attendu;
        const std::string sortie = rep.lire("out.txt");
        const auto l = lignes(sortie);
        ASSERT_EQ(l.size(), 2u);
        EXPECT_EQ(l[1].size(), 256u);
        EXPECT_EQ(numeros(l[1]), c.attendu);
        // The record's own bytes are echoed as they were read.
        EXPECT_EQ(col(l[1], 35, 42), col(c.ligne + std::string(256, ' '), 35, 42));
    }
}

TEST(Lecteur, NulEchoDansLEnregistrementDErreur) {
    std::string e = entrValide().texte();
    e[52] = '\0';  // in E11, echoed at column 53 of the error record
    Repertoire rep;
    const auto r = valider(rep, fichier({fich(1).texte(), e}));
    EXPECT_EQ(r.code, 2);
    const auto l = lignes(rep.lire("out.txt"));
    ASSERT_EQ(l.size(), 2u);
    ASSERT_EQ(l[1].size(), 256u);
    EXPECT_EQ(l[1][52], '\0');
    EXPECT_EQ(numeros(l[1]), "I1061");
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
    Vse second = fich(1);
    Vse inconnu = entrValide();
    inconnu.e6 = "LIST";
    inconnu.f5 = "-";  // the trailer of a type not in the table is not checked
    Vse inconnuEcq = inconnu;
    inconnuEcq.e5 = "ECQ";
    Repertoire rep;
    const auto r = valider(rep, fichier({fich(5).texte(), e, second.texte(), inconnu.texte(), inconnuEcq.texte(), e}));
    EXPECT_EQ(r.code, 2);
    const auto l = lignes(rep.lire("out.txt"));
    ASSERT_EQ(l.size(), 4u);
    EXPECT_EQ(col(l[0], 95, 118), "000003000005000003000002");
    EXPECT_EQ(col(l[1], 63, 69), "FICHINF");
    EXPECT_EQ(numeros(l[1]), "I1091");
    EXPECT_EQ(col(l[1], 70, 111), std::string(42, ' '));
    EXPECT_EQ(col(l[2], 63, 69), "LISTCRE");
    EXPECT_EQ(numeros(l[2]), "I0851I0861");
    EXPECT_EQ(col(l[2], 70, 111), std::string(42, ' '));
    EXPECT_EQ(numeros(l[3]), "I0851");
}

TEST(Lecteur, SecondFichEnDernier) {
    Repertoire rep;
    const auto r = valider(rep, fichier({fich(2).texte(), entrValide().texte(), fich(1).texte()}));
    EXPECT_EQ(r.code, 2);
    const auto l = lignes(rep.lire("out.txt"));
    ASSERT_EQ(l.size(), 2u);
    EXPECT_EQ(numeros(l[1]), "I1091");
}

TEST(Lecteur, TraceInformatique) {
    Repertoire rep;
    Vse mauvais = entrValide();
    mauvais.e6 = "LIST";
    Vse mauvais2 = entrValide();
    mauvais2.f1 = "32012024";
    mauvais2.f2 = "24h000";
    const std::string e = entrValide().texte();
    const auto r = valider(rep, fichier({fich(4).texte(), mauvais.texte(), e + "X", mauvais2.texte(), e}), {"-i"});
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(r.sortie, "E6.85;E6.86;VSE trop long \nF1.90;F2.91;");
}

TEST(Lecteur, Appariements) {
    const std::string f = fich(2).texte();
    const std::string lien = "01234567    ";
    struct Cas {
        std::vector<std::string> enregistrements;
        int code;
        std::vector<std::string> erreurs;  // error numbers of each error record, in order
        std::string compte;                // columns 95 to 118 of the refused summary
    };
    Vse exp1Errone = exp1(lien);
    exp1Errone.f5 = "-";
    Vse exp2Autre = exp2("09876543    ");
    Vse exp2Mod = exp2(lien);
    exp2Mod.e5 = "MOD";
    for (const Cas& c : std::vector<Cas>{
             {{exp1(lien).texte(), exp2(lien).texte()}, 0, {}, ""},
             {{exp1(lien).texte(), exp2Autre.texte()}, 2, {"I1051"}, "000001000002000001000001"},
             {{exp1(lien).texte(), entrValide().texte()}, 2, {"I1051"}, "000001000002000001000001"},
             {{exp1(lien).texte(), exp2Mod.texte()}, 2, {"I1051"}, "000001000002000001000001"},
             {{entrValide().texte(), exp1(lien).texte()}, 2, {"I1051"}, "000001000002000001000001"},
             {{exp1Errone.texte(), entrValide().texte()}, 2, {"I0941"}, "000001000002000001000001"},
             {{exp1(lien).texte(), exp1(lien).texte()}, 2, {"I1051", "I1051"}, "000002000002000002000000"},
         }) {
        Repertoire rep;
        std::vector<std::string> l = {f};
        l.insert(l.end(), c.enregistrements.begin(), c.enregistrements.end());
        const auto r = valider(rep, fichier(l));
        EXPECT_EQ(r.code, c.code);
        const auto sortie = lignes(rep.lire("out.txt"));
        if (c.code == 0) continue;
        ASSERT_EQ(sortie.size(), c.erreurs.size() + 1);
        EXPECT_EQ(col(sortie[0], 95, 118), c.compte);
        for (size_t i = 0; i < c.erreurs.size(); ++i) EXPECT_EQ(numeros(sortie[i + 1]), c.erreurs[i]);
        if (c.erreurs[0] == "I1051") {
            // The prepared answer echoes the EXP1 creation it stands for.
            EXPECT_EQ(col(sortie[1], 63, 83), "EXP1CRE" + std::string("FR") + lien);
        }
    }
}
