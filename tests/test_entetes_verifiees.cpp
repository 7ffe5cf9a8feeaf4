// Header and trailer verdicts taken again from the records already checked in
// a run: over long runs of records with headers and trailers drawn at random
// (valid and faulty fields, the unchecked columns changing, lines cut short,
// odd bytes, a record repeating the previous one but for one byte),
// every record gets exactly the error numbers an engine that has seen no
// other record gives it.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "engine/traitement.h"
#include "outils.h"

using namespace essai;

namespace {

// An engine over a fresh model that has processed the FICH record.
class Moteur {
public:
    explicit Moteur(const std::string& fichier) : m_(std::make_unique<sMoteur>()) {
        effacerModele();
        traiter(fichier, 1);
    }
    sVerdict traiter(const std::string& texte, int numero) {
        tampon_ = texte;
        m_->codLong = texte.size() < LONGUEUR_VSE ? 2 : texte.size() > LONGUEUR_VSE ? 1 : 0;
        m_->codCaract = 0;
        for (const char c : texte.substr(0, LONGUEUR_VSE)) {
            if (static_cast<unsigned char>(c) < 32 || static_cast<unsigned char>(c) > 126) m_->codCaract = 1;
        }
        m_->nbErreur = 0;
        if (tampon_.size() > LONGUEUR_VSE) tampon_.resize(LONGUEUR_VSE);
        return traitement(*m_, tampon_.data(), static_cast<int>(tampon_.size()), noVisu, numero);
    }

private:
    std::unique_ptr<sMoteur> m_;
    std::string tampon_;
};

std::vector<int> codes(const sVerdict& v) {
    if (v.nbErreur <= 0) return {};
    return {v.codes, v.codes + std::min(v.nbErreur, 10)};
}

template <class T>
const T& unDe(std::mt19937& alea, const std::vector<T>& choix) {
    return choix[std::uniform_int_distribution<size_t>(0, choix.size() - 1)(alea)];
}

// A record whose header fields are drawn among valid and faulty values; the
// unchecked columns (1, 2, 26, 51 to 60) take any byte; now and then a byte
// of a checked field becomes a NUL, a DEL or a byte above 127, or the line is
// cut short or made too long.
std::string enregistrement(std::mt19937& alea) {
    const std::vector<std::string> emetteurs = {"001IPG  ", "OFFICE01", "ONICAB22", "NORM01  ", "NORM02  ",
                                                "PFOC01  ", "OVINFOS ", "ZZZZZZZZ", "001IPG",  "        "};
    const std::vector<std::string> recepteurs = {"031BDN  ", "001IPG  ", "BDN     ", "031BDN"};
    const std::vector<std::string> actions = {"CRE", "MOD", "INV", "DEM", "EDI", "ECQ", "XYZ", "CR ", "   "};
    const std::vector<std::string> types = {"ENTR", "SORT", "DETE", "ABAT", "INFO", "FICH", "ERRE", "NAIS", "ZZZZ"};
    const std::vector<std::string> etablissements = {"001IPG  ", "NORMABEV", "OFFICE12", "POINTFOC",
                                                     "OVINFOS ", "ONICAB01", "ZZZ     ", "        "};
    const std::vector<std::string> codes9 = {"00000001", "        ", "0000 001", "12345678"};
    const std::vector<std::string> destinataires = {"BDN     ", "XXX     ", "        "};
    std::uniform_int_distribution<int> octet(0, 255);
    std::uniform_int_distribution<int> cent(0, 99);
    const std::vector<std::string> dates = {"20062024", "20062024", "31022024", "2006202", "00000000", "01011899"};
    const std::vector<std::string> heures = {"120000", "120000", "250000", "12 000", "235959"};
    const std::vector<std::string> versions = {"025", "025", "999", "02 "};
    const std::vector<std::string> marques = {"*", "*", "+", " "};
    auto finAuHasard = [&](Vse& v) {
        v.f1 = unDe(alea, dates);
        v.f2 = unDe(alea, heures);
        v.f3 = unDe(alea, versions);
        v.f4 = numero(static_cast<size_t>(octet(alea)), 8);
        v.f5 = unDe(alea, marques);
    };
    if (cent(alea) < 40) {
        // A valid creation; only its unchecked columns change, and now and
        // then its trailer.
        Vse v = entrValide();
        v.e1 = std::string(1, static_cast<char>('A' + cent(alea) % 26));
        v.e7 = std::string(1, static_cast<char>('0' + cent(alea) % 10));
        v.e11 = numero(static_cast<size_t>(octet(alea)), 10);
        v.f4 = numero(static_cast<size_t>(octet(alea)), 8);
        if (cent(alea) < 20) finAuHasard(v);
        return v.texte();
    }
    Vse v = vide(unDe(alea, types), unDe(alea, actions));
    v.e1 = std::string(1, static_cast<char>(octet(alea)));
    v.e2 = std::string(1, static_cast<char>(octet(alea)));
    v.e3 = unDe(alea, emetteurs);
    v.e4 = unDe(alea, recepteurs);
    v.e7 = std::string(1, static_cast<char>(octet(alea)));
    v.e8 = unDe(alea, etablissements);
    v.e9 = unDe(alea, codes9);
    v.e10 = unDe(alea, destinataires);
    v.e11 = numero(static_cast<size_t>(octet(alea)) * 1000 + static_cast<size_t>(octet(alea)), 10);
    v.e12 = unDe(alea, std::vector<std::string>{"3", "4", "5"});
    v.e13 = unDe(alea, std::vector<std::string>{"N", "U", "X"});
    finAuHasard(v);
    std::string t = v.texte();
    if (cent(alea) < 10) {
        t[std::uniform_int_distribution<size_t>(2, 49)(alea)] = unDe(alea, std::vector<char>{'\0', '\x7f', '\xe9'});
    }
    if (cent(alea) < 5) t.resize(std::uniform_int_distribution<size_t>(1, 80)(alea));
    if (cent(alea) < 3) t += "XYZ";
    return t;
}

}  // namespace

TEST(EntetesVerifiees, ChaqueEnregistrementCommeSeul) {
    const std::string fichier = fich(10000).texte();
    for (unsigned graine : {1u, 2u, 3u}) {
        std::mt19937 alea(graine);
        Moteur suivi(fichier);
        int refuses = 0;
        std::string t;
        for (int i = 0; i < 4000; ++i) {
            if (i > 0 && t.size() >= LONGUEUR_VSE && std::uniform_int_distribution<int>(0, 2)(alea) == 0) {
                // The previous record with one byte of its header or
                // trailer changed.
                const char octets[] = {' ', '0', '1', '2', 'A', 'O', 'Z', '*', '\xe9'};
                size_t colonne = std::uniform_int_distribution<size_t>(0, 61 + 26)(alea);
                if (colonne >= 62) colonne += 230 - 62;
                t[colonne] = octets[std::uniform_int_distribution<size_t>(0, 8)(alea)];
            } else {
                t = enregistrement(alea);
            }
            const std::vector<int> attendus = codes(Moteur(fichier).traiter(t, 2));
            ASSERT_EQ(codes(suivi.traiter(t, 2 + i)), attendus) << "graine " << graine << ", enregistrement " << i
                                                                 << ": [" << t << "]";
            if (!attendus.empty()) ++refuses;
        }
        // The draw gives both kinds of records.
        EXPECT_GT(refuses, 1000);
        EXPECT_LT(refuses, 3000);
    }
}

// The same header with only its unchecked columns changed gets the same
// errors, and one changed checked byte gets its own.
TEST(EntetesVerifiees, ColonnesNonControlees) {
    const std::string fichier = fich(10000).texte();
    Moteur m(fichier);
    Vse v = entrValide();
    v.e9 = "0000 001";
    const std::vector<int> refus = codes(m.traiter(v.texte(), 2));
    EXPECT_EQ(refus, std::vector<int>{89});
    for (int i = 0; i < 5; ++i) {
        v.e1 = std::string(1, static_cast<char>('A' + i));
        v.e7 = std::string(1, static_cast<char>('0' + i));
        v.e11 = numero(static_cast<size_t>(i), 10);
        EXPECT_EQ(codes(m.traiter(v.texte(), 3 + i)), refus);
    }
    v.e9 = "00000001";
    EXPECT_EQ(codes(m.traiter(v.texte(), 10)), std::vector<int>{});
}

// The answer of the emitter and establishment rule is kept from record to
// record: for emitters of every kind (national, regional with its pairs, an
// establishment sending its own records) and establishments that change,
// repeat, hold a NUL or end the line early, each record gets the errors an
// engine that has seen no other record gives it, and a new file forgets the
// previous emitter's answers.
TEST(EntetesVerifiees, CoherenceEmetteurEtablissement) {
    const std::vector<std::string> emetteurs = {"013ARS  ", "001IPG  ", "NORM01  ", "004IPG  ", "013ARS"};
    const std::vector<std::string> etablissements = {"004IPG  ", "005IPG  ", "013IPG  ", "999IPG  ", "013ARS  ",
                                                     "001IPG  ", "004IPG",   "        "};
    std::mt19937 alea(7);
    int refus135 = 0;
    int sans135 = 0;
    for (int passe = 0; passe < 3; ++passe) {
        for (const std::string& emetteur : emetteurs) {
            Vse f = fich(10000);
            f.e3 = emetteur;
            const std::string fichier = f.texte();
            Moteur suivi(fichier);
            for (int i = 0; i < 200; ++i) {
                Vse v = entrValide();
                v.e3 = emetteur;
                v.e8 = unDe(alea, etablissements);
                std::string t = v.texte();
                const int sorte = std::uniform_int_distribution<int>(0, 19)(alea);
                if (sorte == 0) t[26 + std::uniform_int_distribution<size_t>(0, 7)(alea)] = '\0';
                if (sorte == 1) t.resize(26 + std::uniform_int_distribution<size_t>(0, 8)(alea));
                const std::vector<int> attendus = codes(Moteur(fichier).traiter(t, 2));
                ASSERT_EQ(codes(suivi.traiter(t, 2 + i)), attendus)
                    << "emetteur [" << emetteur << "], enregistrement " << i << ": [" << t << "]";
                if (std::find(attendus.begin(), attendus.end(), 135) != attendus.end()) {
                    ++refus135;
                } else {
                    ++sans135;
                }
            }
        }
    }
    // Both answers of the rule are drawn.
    EXPECT_GT(refus135, 300);
    EXPECT_GT(sans135, 300);
}
