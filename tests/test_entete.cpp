// Header and trailer rules: the checks that apply to FICH only, those that
// apply to every record but FICH, and their effect on whole files.
#include <gtest/gtest.h>

#include <cstring>

#include "engine/entete.h"
#include "outils.h"

using namespace essai;

namespace {

int appeler(pfVerif_t f, const char* type, const std::string& valeur, const tValAutorise* table, int n) {
    char champ[64];
    std::strcpy(champ, valeur.c_str());
    return f(type, champ, table, n);
}

std::string numeros(const std::string& ligne) {
    std::string n = col(ligne, 112, 230);
    return n.substr(0, n.find_last_not_of(' ') + 1);
}

}  // namespace

TEST(Entete, ControlesParTypeDEnregistrement) {
    struct Cas {
        pfVerif_t f;
        const char* type;
        std::string valeur;
        const tValAutorise* table;
        int n;
        int attendu;
    };
    for (const Cas& c : std::vector<Cas>{
             {enteteE3, "FICH", "013ARS  ", TEC, LenTEC, 1},
             {enteteE3, "FICH", "002IPG  ", TEC, LenTEC, 0},
             {enteteE3, "FICH", "OVINFOS ", TEC, LenTEC, 1},
             {enteteE3, "FICH", "OVINFOSX", TEC, LenTEC, 0},
             {enteteE3, "FICH", "OFFICE99", TEC, LenTEC, 1},
             {enteteE3, "FICH", "PFOC01ZZ", TEC, LenTEC, 1},
             {enteteE3, "FICH", "NORMABEV", TEC, LenTEC, 1},   // partner code, any table
             {enteteE3, "ENTR", "n'importe", TEC, LenTEC, 1},  // FICH only
             {enteteE4, "FICH", "031BDN  ", BDN031, LenBDN031, 1},
             {enteteE4, "FICH", "031BDN ", BDN031, LenBDN031, 0},
             {enteteE4, "NAIS", "XXXXXXXX", BDN031, LenBDN031, 1},
             {enteteE8, "ENTR", "001IPG  ", TDC, LenTDC, 1},
             {enteteE8, "ENTR", "001ARS  ", TDC, LenTDC, 0},
             {enteteE8, "ENTR", "POINTFOC", TDC, LenTDC, 1},
             {enteteE8, "ENTR", "ONICAB12", TDC, LenTDC, 1},
             {enteteE8, "ENTR", "OVINFOS ", TDC, LenTDC, 1},
             {enteteE8, "FICH", "zzzzzzzz", TDC, LenTDC, 1},   // every type but FICH
             {enteteE10, "ENTR", "BDN     ", BDN8, LenBDN8, 1},
             {enteteE10, "ENTR", "BDN1    ", BDN8, LenBDN8, 0},
             {enteteE10, "ENTR", "PFOC01  ", BDN8, LenBDN8, 1},
             {enteteE10, "FICH", "BDN1    ", BDN8, LenBDN8, 1},
             {enteteE12, "FICH", "3", TOUQ, LenTOUQ, 1},
             {enteteE12, "FICH", "5", TOUQ, LenTOUQ, 0},
             {enteteE12, "ENTR", "5", TOUQ, LenTOUQ, 1},
             {enteteE13, "FICH", "U", NOUU, LenNOUU, 1},
             {enteteE13, "FICH", "O", NOUU, LenNOUU, 0},
             {enteteE13, "SORT", "O", NOUU, LenNOUU, 1},
             {finF3, "FICH", "025", versionVSE, LenversionVSE, 1},
             {finF3, "FICH", "024", versionVSE, LenversionVSE, 0},
             {finF3, "ENTR", "024", versionVSE, LenversionVSE, 1},
         }) {
        EXPECT_EQ(appeler(c.f, c.type, c.valeur, c.table, c.n), c.attendu) << c.type << " '" << c.valeur << "'";
    }
}

TEST(Entete, E9SansBlancSaufPourLesPartenairesDAbattage) {
    struct Cas {
        std::string e8;
        std::string e9;
        int attendu;
    };
    for (const Cas& c : std::vector<Cas>{
             {"001IPG  ", "00000001", 1},
             {"001IPG  ", "        ", 0},
             {"001IPG  ", "0000 001", 0},
             {"NORMABEV", "        ", 1},
             {"OFFICE12", "        ", 1},
             {"ONICAB  ", "        ", 1},
             {"NORMABEV", "000 0001", 0},   // partly blank: always refused
             {"NORMABE ", "        ", 0},
         }) {
        std::strcpy(valEnteteVSE[E8].valeur, c.e8.c_str());
        EXPECT_EQ(appeler(enteteE9, "ENTR", c.e9, HuitBlancs, LenHuitBlancs), c.attendu) << c.e8 << "/" << c.e9;
    }
    EXPECT_EQ(appeler(enteteE9, "FICH", "  x  ", HuitBlancs, LenHuitBlancs), 1);
    valEnteteVSE[E8].valeur[0] = '\0';
}

TEST(Entete, TablesDEnteteEtDeFin) {
    EXPECT_EQ(lEntete, 14);
    EXPECT_EQ(lFin, 6);
    // The rule on the action/type pairing extends E6 and depends on E5.
    EXPECT_EQ(tEntete[6].debut, 0);
    EXPECT_EQ(tEntete[6].dependance, valEnteteVSE[E5].valeur);
    EXPECT_EQ(tEntete[6].noErr, 86);
    EXPECT_EQ(tFin[2].debut, 0);
    EXPECT_EQ(tFin[2].pfVerif, nullptr);
}

// Whole files: which errors a header or trailer fault gives, on FICH and on
// the records that follow it, and the coded trace.
TEST(Entete, FichiersComplets) {
    const std::string bon = entrValide().texte();
    struct Cas {
        const char* nom;
        Vse fich;
        Vse enregistrement;
        std::string erreursEnregistrement;  // "" when the record is accepted
        std::string erreursFich;            // "" when the FICH record is accepted
        std::string trace;
    };
    auto avec = [](Vse v, void (*f)(Vse&)) {
        f(v);
        return v;
    };
    const std::vector<Cas> cas = {
        {"FICH en CRE", avec(fich(1), [](Vse& v) { v.e5 = "CRE"; }), entrValide(), "", "I0861", "E6.86;"},
        {"version ailleurs que sur FICH", fich(1), avec(entrValide(), [](Vse& v) { v.f3 = "024"; }), "", "", ""},
        {"version du FICH", avec(fich(1), [](Vse& v) { v.f3 = "024"; }), entrValide(), "", "I0931", "F3.93;"},
        {"marque de fin", fich(1), avec(entrValide(), [](Vse& v) { v.f5 = " "; }), "I0941", "", "F5.94;"},
        {"E10", fich(1), avec(entrValide(), [](Vse& v) { v.e10 = "BDN    1"; }), "I0881", "", "E10.88;"},
        {"E10 du FICH", avec(fich(1), [](Vse& v) { v.e10 = "XXX"; }), entrValide(), "", "", ""},
        {"E9 en partie blanc", fich(1), avec(entrValide(), [](Vse& v) { v.e9 = "1234 678"; }), "I0891", "", "E9.89;"},
        {"E9 blanc", fich(1), avec(entrValide(), [](Vse& v) { v.e9 = ""; }), "I0891", "", "E9.89;"},
        {"E12 et E13 hors FICH", fich(1), avec(entrValide(), [](Vse& v) { v.e12 = "9"; v.e13 = "9"; }), "", "", ""},
        {"E12 et E13 du FICH", avec(fich(1), [](Vse& v) { v.e12 = "9"; v.e13 = "9"; }), entrValide(), "",
         "I0971I0981", "E12.97;E13.98;"},
        {"date et heure", fich(1), avec(entrValide(), [](Vse& v) { v.f1 = "32122024"; v.f2 = "126000"; }),
         "I0901I0911", "", "F1.90;F2.91;"},
        {"emetteur du FICH", avec(fich(1), [](Vse& v) { v.e3 = "002IPG  "; }), entrValide(), "I1351", "I0951",
         "E3.95;"},
        {"type inconnu", fich(1), avec(entrValide(), [](Vse& v) { v.e6 = "AVER"; }), "I0851I0861", "", "E6.85;E6.86;"},
        {"type inconnu en ECQ", fich(1), avec(entrValide(), [](Vse& v) { v.e6 = "ZZZZ"; v.e5 = "ECQ"; }), "I0851", "",
         "E6.85;"},
        // An unknown action admits no body rule: 86 for each, up to ten errors.
        {"action inconnue", fich(1), avec(entrValide(), [](Vse& v) { v.e5 = "ANN"; }),
         "I0841I0861I0861I0861I0861I0861I0861I0861I0861I0861", "", "E5.84;E6.86;C1.86;"},
    };
    for (const Cas& c : cas) {
        Repertoire rep;
        const auto r = valider(rep, fichier({c.fich.texte(), c.enregistrement.texte()}), {"-i"});
        const bool refus = !c.erreursEnregistrement.empty() || !c.erreursFich.empty();
        EXPECT_EQ(r.code, refus ? 2 : 0) << c.nom;
        EXPECT_EQ(r.sortie.substr(0, c.trace.size()), c.trace) << c.nom;
        if (!refus) continue;
        const auto l = lignes(rep.lire("out.txt"));
        size_t i = 1;
        if (!c.erreursEnregistrement.empty()) {
            ASSERT_GT(l.size(), i) << c.nom;
            EXPECT_EQ(col(l[i], 63, 66), c.enregistrement.e6.substr(0, 4)) << c.nom;
            EXPECT_EQ(numeros(l[i++]), c.erreursEnregistrement) << c.nom;
        }
        if (!c.erreursFich.empty()) {
            ASSERT_GT(l.size(), i) << c.nom;
            EXPECT_EQ(col(l[i], 63, 66), "FICH") << c.nom;
            EXPECT_EQ(numeros(l[i++]), c.erreursFich) << c.nom;
        }
        EXPECT_EQ(l.size(), i) << c.nom;
    }
}
