// The engine's verdicts, without any file: what became of each record of a
// sequence (accepted and stamped, refused with its numbers and the record it
// answers, a pairing answer prepared or due, a stop with its message), and
// the end-of-input verdict on the record count and an open pairing.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "engine/traitement.h"
#include "engine/verif.h"
#include "model/messages.h"
#include "outils.h"
#include "records/records.h"

using namespace essai;

namespace {

// One engine over a fresh model, records handed to it as the main loop does.
class Moteur {
public:
    Moteur() : m_(std::make_unique<sMoteur>()) { effacerModele(); }

    // Processes `texte` as line `numero`; the record stays in tampon() until
    // the next call, as the verdict points into it.
    sVerdict traiter(const std::string& texte, int numero) {
        tampon_ = texte;
        m_->codLong = texte.size() < LONGUEUR_VSE ? 2 : 0;
        m_->codCaract = 0;
        m_->nbErreur = 0;
        return traitement(*m_, tampon_.data(), static_cast<int>(tampon_.size()), noVisu, numero);
    }
    const std::string& tampon() const { return tampon_; }
    sMoteur& etat() { return *m_; }

private:
    std::unique_ptr<sMoteur> m_;
    std::string tampon_;
};

std::vector<int> codes(const sVerdict& v) { return {v.codes, v.codes + std::min(v.nbErreur, 10)}; }

// First column of slot C7 (premier) or C8 of a record type's identification
// pair; 0 when its table does not cut it.
int debutPaire(const char* type, bool premier) {
    const sAiguillage& a = tAiguillage[chercherAiguillage(type)];
    const numCorpsVSE slot = premier ? a.champErrC7 : a.champErrC8;
    int debut = 0, fin = 0;
    if (slot == CINC || !colonnesDuSlot(a.tabVerif, *a.pLenTabVerif, slot, &debut, &fin)) return 0;
    return debut;
}

}  // namespace

TEST(Verdicts, ArretsSurLePremierEnregistrement) {
    Vse sansNumero = fich(1);
    sansNumero.colonnes(63, std::string(16, ' '));
    struct Cas {
        std::string premier;
        const char* message;
    };
    for (const Cas& c : std::vector<Cas>{
             {entrValide().texte(), message::IG011},
             {sansNumero.texte(), message::I099},
         }) {
        Moteur moteur;
        const sVerdict v = moteur.traiter(c.premier, 1);
        EXPECT_EQ(v.issue, sVerdict::Issue::arret) << c.message;
        EXPECT_STREQ(v.message, c.message);
        EXPECT_FALSE(moteur.etat().fichTraite);
    }
}

TEST(Verdicts, IssueDeChaqueEnregistrement) {
    Moteur moteur;
    const std::string f = fich(6).texte();
    const sVerdict vFich = moteur.traiter(f, 1);
    EXPECT_EQ(vFich.issue, sVerdict::Issue::fich);
    EXPECT_EQ(vFich.nbErreur, 0);
    EXPECT_TRUE(moteur.etat().fichTraite);
    EXPECT_EQ(std::string(moteur.etat().tamponFich, 256), f);

    // Accepted: the record itself, stamped "40" in columns 77 and 78.
    const std::string entr = entrValide().texte();
    sVerdict v = moteur.traiter(entr, 2);
    EXPECT_EQ(v.issue, sVerdict::Issue::accepte);
    EXPECT_EQ(v.nbErreur, 0);
    EXPECT_EQ(v.octets, moteur.tampon().data());
    EXPECT_EQ(std::string(v.octets, static_cast<size_t>(v.longueur)), tamponne(entr));
    EXPECT_FALSE(v.appariementDu);
    EXPECT_EQ(v.appariementPrepare, 0);

    // Refused, type unknown: its numbers, and its body echoed as blanks.
    Vse inconnu = entrValide();
    inconnu.e6 = "LIST";
    v = moteur.traiter(inconnu.texte(), 3);
    EXPECT_EQ(v.issue, sVerdict::Issue::refuse);
    EXPECT_EQ(codes(v), (std::vector<int>{85, 86}));
    EXPECT_EQ(v.repondu.ligne, moteur.tampon().data());
    EXPECT_EQ(v.repondu.longueur, 256);
    EXPECT_TRUE(v.repondu.corpsEnBlanc);
    EXPECT_EQ(v.repondu.debutC7, 0);

    // Refused, known type: the identification pair of its switch-table entry.
    Vse mauvaiseDate = entrValide();
    mauvaiseDate.f1 = "32062024";
    v = moteur.traiter(mauvaiseDate.texte(), 4);
    EXPECT_EQ(v.issue, sVerdict::Issue::refuse);
    EXPECT_EQ(codes(v), (std::vector<int>{90}));
    EXPECT_FALSE(v.repondu.corpsEnBlanc);
    EXPECT_GT(debutPaire("ENTR", true), 0);
    EXPECT_EQ(v.repondu.debutC7, debutPaire("ENTR", true));
    EXPECT_EQ(v.repondu.debutC8, debutPaire("ENTR", false));

    // An EXP1 creation prepares error 105; a record other than its EXP2
    // makes it due; a matching EXP2 does not.
    const std::string lien = "01234567    ";
    v = moteur.traiter(exp1(lien).texte(), 5);
    EXPECT_EQ(v.issue, sVerdict::Issue::accepte);
    EXPECT_EQ(v.appariementPrepare, erreur::EXP2_MANQUANTE);
    EXPECT_EQ(v.repondu.ligne, moteur.tampon().data());
    EXPECT_EQ(v.repondu.debutC7, debutPaire("EXP1", true));
    v = moteur.traiter(entr, 6);
    EXPECT_TRUE(v.appariementDu);
    EXPECT_EQ(v.issue, sVerdict::Issue::accepte);
    moteur.traiter(exp1(lien).texte(), 7);
    v = moteur.traiter(exp2(lien).texte(), 8);
    EXPECT_FALSE(v.appariementDu);
    EXPECT_EQ(v.appariementPrepare, 0);
    v = moteur.traiter(exp1(lien).texte(), 9);
    v = moteur.traiter(exp2("09876543    ").texte(), 10);
    EXPECT_TRUE(v.appariementDu);
}

TEST(Verdicts, Cloture) {
    struct Cas {
        const char* nom;
        int annonce;
        std::vector<std::string> enregistrements;
        bool appariementDu;
        bool fichEnErreur;
    };
    const std::string entr = entrValide().texte();
    const std::string e1 = exp1("01234567    ").texte();
    for (const Cas& c : std::vector<Cas>{
             {"count right", 2, {entr, entr}, false, false},
             {"count wrong", 3, {entr, entr}, false, true},
             {"pairing open", 2, {entr, e1}, true, false},
             {"both", 1, {entr, e1}, true, true},
         }) {
        SCOPED_TRACE(c.nom);
        Moteur moteur;
        ASSERT_EQ(moteur.traiter(fich(c.annonce).texte(), 1).issue, sVerdict::Issue::fich);
        int numero = 2;
        for (const std::string& e : c.enregistrements) moteur.traiter(e, numero++);
        const sCloture fin = cloture(moteur.etat(), static_cast<int>(c.enregistrements.size()));
        EXPECT_EQ(fin.appariementDu, c.appariementDu);
        EXPECT_EQ(fin.fichEnErreur, c.fichEnErreur);
        EXPECT_EQ(moteur.etat().errFich, c.fichEnErreur ? 1 : 0);
        if (c.fichEnErreur) {
            EXPECT_EQ(moteur.etat().codeFichErreur[0], erreur::NOMBRE_ANNONCE);
        }
    }
    // A FICH record already in error gets 100 as its next number and is not
    // counted again.
    Moteur moteur;
    Vse f = fich(3);
    f.f5 = "-";
    ASSERT_EQ(moteur.traiter(f.texte(), 1).nbErreur, 1);
    moteur.traiter(entr, 2);
    const sCloture fin = cloture(moteur.etat(), 1);
    EXPECT_FALSE(fin.fichEnErreur);
    EXPECT_EQ(moteur.etat().errFich, 2);
    EXPECT_EQ(moteur.etat().codeFichErreur[1], erreur::NOMBRE_ANNONCE);
}
