// Output formats: the error record, the two summary records, line ends.
#include <gtest/gtest.h>

#include <cstring>

#include "driver/sorties.h"
#include "outils.h"

using namespace essai;

namespace {

// A record whose every column holds a character telling its column apart.
std::string enregistrementReconnaissable() {
    std::string r;
    for (int c = 1; c <= 256; ++c) r += static_cast<char>('!' + c % 90);
    return r;
}

struct Contexte {
    sExecution ctx;
    Contexte() {
        const std::string f = fich(3).texte();
        std::memcpy(ctx.moteur.tamponFich, f.data(), 256);
        ctx.moteur.longueurFich = 256;
        std::memcpy(ctx.VSEDate, "01022025103000025        *", 27);
    }
    // The answer to record `a` as read, whole (256 columns).
    static sVSERepondu repondre(const std::string& a) {
        sVSERepondu r;
        r.ligne = a.data();
        r.longueur = static_cast<int>(a.size());
        return r;
    }
    std::string construire(const sVSERepondu& r, std::vector<int> codes) {
        char enr[256];
        construireVSEERR(ctx, r, codes.data(), static_cast<int>(codes.size()), enr);
        return std::string(enr, 256);
    }
};

}  // namespace

TEST(EnregistrementErreur, ColonneParColonne) {
    Contexte c;
    const std::string a = enregistrementReconnaissable();
    sVSERepondu r = Contexte::repondre(a);
    r.debutC7 = 88;
    r.finC7 = 89;
    r.debutC8 = 90;
    r.finC8 = 101;
    const std::string numeros[] = {"", "I0941", "I0911I0941"};
    const std::vector<std::vector<int>> listes = {{}, {94}, {91, 94}};
    for (size_t i = 0; i < listes.size(); ++i) {
        const std::string e = c.construire(r, listes[i]);
        ASSERT_EQ(e.size(), 256u);
        EXPECT_EQ(col(e, 1, 2), col(a, 1, 2));
        EXPECT_EQ(col(e, 3, 10), col(a, 11, 18));   // the receiver answers
        EXPECT_EQ(col(e, 11, 18), col(a, 3, 10));
        EXPECT_EQ(col(e, 19, 25), "ERRERRE");
        EXPECT_EQ(col(e, 26, 26), col(a, 26, 26));
        EXPECT_EQ(col(e, 27, 34), "INTERFAC");
        EXPECT_EQ(col(e, 35, 42), col(a, 35, 42));
        EXPECT_EQ(col(e, 43, 50), "001IPG  ");      // emitter of the file
        EXPECT_EQ(col(e, 51, 62), col(a, 51, 62));
        EXPECT_EQ(col(e, 63, 66), col(a, 22, 25));
        EXPECT_EQ(col(e, 67, 69), col(a, 19, 21));
        EXPECT_EQ(col(e, 70, 83), col(a, 63, 76));
        EXPECT_EQ(col(e, 84, 97), std::string(14, ' '));
        EXPECT_EQ(col(e, 98, 99), col(a, 88, 89));
        EXPECT_EQ(col(e, 100, 111), col(a, 90, 101));
        const size_t n = numeros[i].size();
        EXPECT_EQ(e.substr(111, n), numeros[i]);
        EXPECT_EQ(e.substr(111 + n, 119 - n), std::string(119 - n, ' '));
        EXPECT_EQ(col(e, 231, 256), "01022025103000025        *");
    }
}

TEST(EnregistrementErreur, DixNumerosAuPlus) {
    Contexte c;
    const std::string a = entrValide().texte();
    sVSERepondu r = Contexte::repondre(a);
    c.ctx.moteur.nbErreur = 12;
    std::string ecrit;
    c.ctx.fp_erre.ouvrirMemoire(&ecrit);
    const int codes[12] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    faireVSEERR(c.ctx, r, 12, codes);
    c.ctx.fp_erre.fermer(false);
    ASSERT_EQ(ecrit.size(), 256u);
    EXPECT_EQ(col(ecrit, 112, 161), "I0011I0021I0031I0041I0051I0061I0071I0081I0091I0101");
    EXPECT_EQ(col(ecrit, 162, 230), std::string(69, ' '));
    EXPECT_EQ(c.ctx.moteur.nbErreur, 10);
}

TEST(EnregistrementErreur, DispositionsParticulieres) {
    Contexte c;
    const std::string a = enregistrementReconnaissable();
    sVSERepondu r = Contexte::repondre(a);
    // An ERRE record: its C1 and C2 are 4 and 3 characters, then 7 blanks.
    r.erre = true;
    std::string e = c.construire(r, {85});
    EXPECT_EQ(col(e, 70, 76), col(a, 63, 69));
    EXPECT_EQ(col(e, 77, 97), std::string(21, ' '));
    EXPECT_EQ(col(e, 112, 116), "I0851");
    // A record whose type is not in the switch table: blank body fields and pair.
    r.erre = false;
    r.corpsEnBlanc = true;
    e = c.construire(r, {85, 86});
    EXPECT_EQ(col(e, 63, 69), col(a, 22, 25) + col(a, 19, 21));
    EXPECT_EQ(col(e, 70, 111), std::string(42, ' '));
    EXPECT_EQ(col(e, 112, 121), "I0851I0861");
    // A short record: its missing columns are echoed as blanks.
    const std::string court = a.substr(0, 40);
    r.ligne = court.data();
    r.longueur = 40;
    r.corpsEnBlanc = false;
    r.debutC7 = 88;
    r.finC7 = 89;
    e = c.construire(r, {108});
    ASSERT_EQ(e.size(), 256u);
    EXPECT_EQ(col(e, 35, 42), col(a, 35, 40) + "  ");
    EXPECT_EQ(col(e, 51, 62), std::string(12, ' '));
    EXPECT_EQ(col(e, 63, 69), col(a, 22, 25) + col(a, 19, 21));
    EXPECT_EQ(col(e, 70, 111), std::string(42, ' '));
    EXPECT_EQ(col(e, 112, 116), "I1081");
}

TEST(RecapitulatifEtFinsDeLigne, ResultatAccepte) {
    for (const std::string fin : {"\n", "\r\n"}) {
        Repertoire rep;
        Vse f = fich(2);
        f.colonnes(79, "SECOND NUMERO 16").colonnes(101, "AAAAAABBBBBBCCCCCC").colonnes(119, "REF0019");
        f.colonnes(126, "ignore").f4 = "F4F4F4F4";
        const std::string e1 = entrValide().texte();
        const auto r = valider(rep, fichier({f.texte(), e1, e1}, fin));
        ASSERT_EQ(r.code, 0) << r.sortie;
        const std::string sortie = rep.lire("out.txt");
        const auto l = lignes(sortie, fin);
        ASSERT_EQ(l.size(), 3u);
        EXPECT_EQ(sortie.size(), 3 * (256 + fin.size()));  // every line ends, the last included
        const std::string t = f.texte();
        std::string attendu = t.substr(0, 18) + "INF" + t.substr(21, 41) + t.substr(62, 50) + "000002" +
                              t.substr(118, 7) + std::string(105, ' ') + t.substr(230);
        EXPECT_EQ(l[0], attendu);
        std::string stampe = e1;
        stampe.replace(76, 2, "40");
        EXPECT_EQ(l[1], stampe);
        EXPECT_EQ(l[2], stampe);
    }
}

TEST(RecapitulatifEtFinsDeLigne, RefusDUnEnregistrementParmiSix) {
    for (const std::string fin : {"\n", "\r\n"}) {
        Repertoire rep;
        Vse mauvais = entrValide();
        mauvais.f2 = "250000";  // 91
        mauvais.f5 = "-";       // 94
        const std::string bon = entrValide().texte();
        const Vse f = fich(6);
        const auto r = valider(rep, fichier({f.texte(), bon, bon, mauvais.texte(), bon, bon, bon}, fin));
        ASSERT_EQ(r.code, 2);
        const std::string sortie = rep.lire("out.txt");
        EXPECT_EQ(sortie.size(), 2 * (256 + fin.size()));
        const auto l = lignes(sortie, fin);
        ASSERT_EQ(l.size(), 2u);
        const std::string t = f.texte();
        const std::string attendu = t.substr(0, 2) + t.substr(10, 8) + t.substr(2, 8) + "INF" + t.substr(21, 41) +
                                    t.substr(62, 16) + t.substr(62, 16) + "000001" + "000006" + "000001" +
                                    "000005" + t.substr(118, 6) + "1" + std::string(105, ' ') +
                                    "##############025        *";
        EXPECT_EQ(masquerHorodatage(l[0]), attendu);
        EXPECT_EQ(col(l[1], 112, 121), "I0911I0941");
        EXPECT_EQ(col(l[1], 122, 230), std::string(109, ' '));
        EXPECT_EQ(col(l[1], 63, 69), "ENTRCRE");
        EXPECT_EQ(col(l[1], 70, 83), col(mauvais.texte(), 63, 76));
        EXPECT_EQ(col(l[1], 98, 111), col(mauvais.texte(), 88, 101));  // C6 and C7 of an ENTR
    }
}

TEST(RecapitulatifEtFinsDeLigne, NombreAnnonceFaux) {
    Repertoire rep;
    const Vse f = fich(4);
    const std::string bon = entrValide().texte();
    const auto r = valider(rep, fichier({f.texte(), bon, bon, bon}));
    ASSERT_EQ(r.code, 2);
    const auto l = lignes(rep.lire("out.txt"));
    ASSERT_EQ(l.size(), 2u);
    // The FICH record in error counts among the records in error, and among
    // the good records as well (count - errors + 1).
    EXPECT_EQ(col(l[0], 95, 118), "000001000003000001000003");
    const std::string t = f.texte();
    const std::string e = masquerHorodatage(l[1]);
    EXPECT_EQ(col(e, 1, 62), t.substr(0, 2) + t.substr(10, 8) + t.substr(2, 8) + "ERRERRE" + t.substr(25, 1) +
                                 "INTERFAC" + t.substr(34, 8) + "001IPG  " + t.substr(50, 12));
    EXPECT_EQ(col(e, 63, 69), "FICHINF");
    EXPECT_EQ(col(e, 70, 111), std::string(42, ' '));
    EXPECT_EQ(col(e, 112, 116), "I1001");
    EXPECT_EQ(col(e, 117, 256), std::string(114, ' ') + "##############025        *");
}
