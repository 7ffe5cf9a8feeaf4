// Compiled rule tables: cutting through them must give exactly the slots of
// getvseChamps, for every table of the switch table, the header, the trailer
// and the FICH body, on valid, faulty, short and random records; and
// traitement must answer the same with the -i trace's observer as without.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "checks/coherence.h"
#include "driver/execution.h"
#include "driver/lecteur.h"
#include "engine/entete.h"
#include "engine/traitement.h"
#include "engine/verif.h"
#include "outils.h"
#include "records/records.h"

using namespace essai;

namespace {

struct TableNommee {
    std::string nom;
    const sCorps* regles;
    int nombre;
    valeurVSE* slots;  // the zone's global slots, which the rules' dependances read
    int nbSlots;
};

std::vector<TableNommee> toutesLesTables() {
    std::vector<TableNommee> tables = {
        {"entete", tEntete, lEntete, valEnteteVSE, NB_ENTETE},
        {"fin", tFin, lFin, valFinVSE, NB_FIN},
        {"FICH", tFich, lFich, valCorpsVSE, NB_CORPS},
    };
    for (int i = 0; i < ERR_AIGUILLAGE; ++i) {
        tables.push_back({tAiguillage[i].nomVSE, tAiguillage[i].tabVerif, *tAiguillage[i].pLenTabVerif, valCorpsVSE,
                          NB_CORPS});
    }
    return tables;
}

// Example records, faulty variants of them, short records and random ones.
std::vector<std::string> enregistrements() {
    std::vector<std::string> tous;
    for (const char* nom : {"exemple.vse", "entrees-sorties.vse", "naissances.vse"}) {
        for (const std::string& l : lignes(lireExemple(nom))) tous.push_back(l);
    }
    const std::vector<std::string> exemples = tous;
    std::mt19937 alea(20240617);
    for (const std::string& e : exemples) {
        for (const size_t n : {0u, 1u, 25u, 62u, 63u, 64u, 76u, 120u, 200u, 230u, 255u}) tous.push_back(e.substr(0, n));
        std::string abime = e;
        for (int k = 0; k < 12; ++k) abime[alea() % abime.size()] = " X9*\x7f"[alea() % 5];
        tous.push_back(abime);
    }
    for (int k = 0; k < 20; ++k) {
        std::string r(256, ' ');
        for (char& c : r) c = static_cast<char>(' ' + alea() % 95);
        tous.push_back(r);
    }
    tous.push_back(std::string(256, ' '));
    tous.push_back(std::string(256, '0'));
    return tous;
}

// The record as traitement lays it out before the body is checked: the view
// in xdebug, the header and the trailer cut into their global slots.
void preparer(const std::string& e) {
    preparerVue(e.data(), static_cast<int>(e.size()), xdebug);
    getvseChamps(tEntete, lEntete, xdebug, static_cast<int>(e.size()), valEnteteVSE, noVisu);
    getvseChamps(tFin, lFin, xdebug, static_cast<int>(e.size()), valFinVSE, noVisu);
}

std::vector<std::string> copieDesSlots(const valeurVSE* slots, int n) {
    std::vector<std::string> v;
    for (int i = 0; i < n; ++i) v.emplace_back(slots[i].valeur);
    return v;
}

}  // namespace

TEST(TablesCompilees, SameSlotsAsGetvseChamps) {
    const std::vector<std::string> tous = enregistrements();
    for (const TableNommee& t : toutesLesTables()) {
        SCOPED_TRACE(t.nom);
        const TableCompilee compilee(t.regles, t.nombre);
        EXPECT_EQ(compilee.regles(), t.regles);
        EXPECT_EQ(compilee.nombre(), t.nombre);
        for (const std::string& e : tous) {
            const int longueur = static_cast<int>(e.size());
            preparer(e);
            std::memset(t.slots, '#', sizeof(valeurVSE) * static_cast<size_t>(t.nbSlots));
            const int coupesA = getvseChamps(t.regles, t.nombre, xdebug, longueur, t.slots, noVisu);
            const std::vector<std::string> slotsCoupes = copieDesSlots(t.slots, coupesA);
            std::memset(t.slots, '#', sizeof(valeurVSE) * static_cast<size_t>(t.nbSlots));
            preparer(e);
            ASSERT_EQ(compilee.couper(xdebug, longueur, t.slots), coupesA) << e;
            ASSERT_EQ(copieDesSlots(t.slots, coupesA), slotsCoupes) << e;
        }
    }
}

// The header and trailer of a whole record are cut by constant moves: the
// same slots as their tables give, on every whole record of the set.
TEST(TablesCompilees, HeaderAndTrailerOfAWholeRecordAsTheirTables) {
    int entiers = 0;
    for (const std::string& e : enregistrements()) {
        if (e.size() != LONGUEUR_VSE) continue;
        ++entiers;
        preparerVue(e.data(), LONGUEUR_VSE, xdebug);
        std::memset(valEnteteVSE, '#', sizeof valEnteteVSE);
        std::memset(valFinVSE, '#', sizeof valFinVSE);
        ASSERT_EQ(getvseChamps(tEntete, lEntete, xdebug, LONGUEUR_VSE, valEnteteVSE, noVisu), NB_ENTETE);
        ASSERT_EQ(getvseChamps(tFin, lFin, xdebug, LONGUEUR_VSE, valFinVSE, noVisu), NB_FIN);
        const std::vector<std::string> entete = copieDesSlots(valEnteteVSE, NB_ENTETE);
        const std::vector<std::string> fin = copieDesSlots(valFinVSE, NB_FIN);
        std::memset(valEnteteVSE, '#', sizeof valEnteteVSE);
        std::memset(valFinVSE, '#', sizeof valFinVSE);
        couperEnteteEtFin(xdebug);
        ASSERT_EQ(copieDesSlots(valEnteteVSE, NB_ENTETE), entete) << e;
        ASSERT_EQ(copieDesSlots(valFinVSE, NB_FIN), fin) << e;
    }
    EXPECT_GT(entiers, 100);
}

TEST(TablesCompilees, TraitementAnswersAlikeWithAndWithoutTrace) {
    // The same file processed without a trace and with the -i trace (the
    // walk that visits every rule): same results, same answers in both outputs.
    const std::vector<std::string> tous = enregistrements();
    struct Sortie {
        std::vector<int> resultats;
        std::string emis, erre;
    };
    auto traiter = [&tous](int visu) {
        Sortie s;
        auto ctx = std::make_unique<sExecution>();
        effacerModele();
        std::memcpy(ctx->VSEDate, "17062024120000025        *", 27);
        ctx->fp_emis.ouvrirMemoire(&s.emis);
        ctx->fp_erre.ouvrirMemoire(&s.erre);
        testing::internal::CaptureStdout();
        int numero = 1;
        for (const std::string& e : tous) {
            if (e.empty()) continue;
            std::string tampon = e;
            ctx->moteur.codLong = e.size() < 256 ? 2 : 0;
            ctx->moteur.codCaract = 0;
            for (const char c : e) ctx->moteur.codCaract |= static_cast<unsigned char>(c) < 32 || static_cast<unsigned char>(c) > 126;
            ctx->moteur.nbErreur = 0;
            s.resultats.push_back(
                traiterLigne(*ctx, tampon.data(), static_cast<int>(tampon.size()), visu, numero++, TELVAROS_UNIX));
            s.resultats.push_back(ctx->existDependanceVSEerr);
        }
        testing::internal::GetCapturedStdout();
        ctx->fp_emis.fermer(false);
        ctx->fp_erre.fermer(false);
        return s;
    };
    const Sortie sans = traiter(noVisu);
    const Sortie avec = traiter(infVisu);
    EXPECT_EQ(sans.resultats, avec.resultats);
    EXPECT_EQ(sans.emis, avec.emis);
    EXPECT_EQ(sans.erre, avec.erre);
    // Both kinds of answer were given.
    EXPECT_GT(sans.emis.size(), 10u * 256);
    EXPECT_GT(sans.erre.size(), 10u * 256);
}

TEST(TablesCompilees, BodySlotsLeftOverAreEmpty) {
    // A record whose table cuts fewer slots than the previous one's reads the
    // slots past its own as empty, whatever came before.
    auto ctx = std::make_unique<sExecution>();
    std::string emis, erre;
    effacerModele();
    ctx->fp_emis.ouvrirMemoire(&emis);
    ctx->fp_erre.ouvrirMemoire(&erre);
    auto traiter = [&](const std::string& e, int numero) {
        std::string tampon = e;
        ctx->moteur.codLong = e.size() < 256 ? 2 : 0;
        ctx->moteur.codCaract = 0;
        ctx->moteur.nbErreur = 0;
        return traiterLigne(*ctx, tampon.data(), static_cast<int>(tampon.size()), noVisu, numero, TELVAROS_UNIX);
    };
    const std::vector<std::string> exemple = lignes(lireExemple("exemple.vse"));
    ASSERT_EQ(traiter(exemple[0], 1), 0);  // FICH: 9 slots
    auto nombreDeSlots = [](const char* type) {
        static valeurVSE brouillon[NB_CORPS];
        const sAiguillage& a = tAiguillage[chercherAiguillage(type)];
        return TableCompilee(a.tabVerif, *a.pLenTabVerif).couper(xdebug, 0, brouillon);
    };
    for (const std::string& e : exemple) {
        if (e.compare(21, 4, "NAIS") == 0) {
            traiter(e, 2);
            break;
        }
    }
    const int slotsNais = nombreDeSlots("NAIS");
    ASSERT_GT(slotsNais, 20);
    // Fill every slot behind the engine's back up to NAIS's count, then an
    // ENTR record: its own slots are cut, the rest up to NAIS's are empty.
    for (const std::string& e : exemple) {
        if (e.compare(18, 7, "CREENTR") == 0) {
            for (int k = 0; k < slotsNais; ++k) std::strcpy(valCorpsVSE[k].valeur, "RESTE");
            EXPECT_EQ(traiter(e, 3), 0);
            break;
        }
    }
    const int slotsEntr = nombreDeSlots("ENTR");
    ASSERT_LT(slotsEntr, slotsNais);
    for (int k = slotsEntr; k < NB_CORPS; ++k) EXPECT_STREQ(valCorpsVSE[k].valeur, "") << k;
}

TEST(TablesCompilees, SwitchTableLookupByWholeType) {
    for (int i = 0; i < ERR_AIGUILLAGE; ++i) {
        const std::string nom = tAiguillage[i].nomVSE;
        ASSERT_EQ(nom.size(), 4u) << nom;
        EXPECT_EQ(chercherAiguillage(nom.c_str()), i) << nom;
        EXPECT_EQ(chercherAiguillage((nom + " ").c_str()), ERR_AIGUILLAGE) << nom;
        EXPECT_EQ(chercherAiguillage(nom.substr(0, 3).c_str()), ERR_AIGUILLAGE) << nom;
        std::string minuscule = nom;
        minuscule[0] = static_cast<char>(minuscule[0] | 0x20);
        EXPECT_EQ(chercherAiguillage(minuscule.c_str()), ERR_AIGUILLAGE) << nom;
    }
    for (const char* absent : {"", "A", "AB", "ABA", "FICH", "AVER", "LIST", "ZZZZ", "ABATT", "ABA\x7f"}) {
        EXPECT_EQ(chercherAiguillage(absent), ERR_AIGUILLAGE) << absent;
    }
}

TEST(TablesCompilees, EmitterRuleAnsweredForEveryEstablishment) {
    // traitement keeps the last answer of the emitter/establishment rule:
    // records whose establishment changes, comes back, or is cut short must
    // each get the rule's own answer (error 135 when it refuses).
    for (const char* emetteur : {"350ARS  ", "001IPG  ", "NORM01  "}) {
        auto ctx = std::make_unique<sExecution>();
        std::string emis, erre;
        effacerModele();
        ctx->fp_emis.ouvrirMemoire(&emis);
        ctx->fp_erre.ouvrirMemoire(&erre);
        Vse f = fich(3);
        f.e3 = emetteur;
        std::string tampon = f.texte();
        ASSERT_EQ(traiterLigne(*ctx, tampon.data(), 256, noVisu, 1, TELVAROS_UNIX), 0);
        int numero = 2;
        for (const char* etablissement : {"086IPG  ", "086IPG  ", "001IPG  ", "001IPG  ", "086IPG  ", "014IPG  ",
                                          "350ARS  ", "086IPG", "086IPG  ", "NORMABEV", "086IPG  "}) {
            Vse e = entrValide();
            e.e8 = etablissement;
            tampon = e.texte();
            if (std::strlen(etablissement) < 8) tampon = tampon.substr(0, 26 + std::strlen(etablissement));
            ctx->moteur.codLong = tampon.size() < 256 ? 2 : 0;
            ctx->moteur.codCaract = 0;
            ctx->moteur.nbErreur = 0;
            const int n = traiterLigne(*ctx, tampon.data(), static_cast<int>(tampon.size()), noVisu, numero++,
                                     TELVAROS_UNIX);
            const bool refuse = std::find(ctx->moteur.codeErreur, ctx->moteur.codeErreur + std::min(n, 10), 135) !=
                                ctx->moteur.codeErreur + std::min(n, 10);
            EXPECT_EQ(refuse, fCoherenCCE(emetteur, valEnteteVSE[E8].valeur) == 0)
                << emetteur << " / \"" << etablissement << '"';
        }
    }
}
