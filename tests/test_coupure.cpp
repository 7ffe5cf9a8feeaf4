// Power loss: the journal of a run's file operations is replayed on a model
// of the file system, and every prefix of it is "lost power" in every way the
// model allows. What is left must be what a crash may leave: the file to send
// absent, empty or a whole answer, and the input whole under one of its
// names, unless its answer was delivered.
//
// The model: a file's bytes survive only as they were at its last fsync
// (every later write is dropped); the names (creations, renames, removals)
// reach the disk in the order they were made, and those made since the last
// directory sync may be kept or lost, each prefix of them in turn (a
// journaling file system commits name changes in order).
#include <gtest/gtest.h>

#include <fcntl.h>

#include <iostream>
#include <map>

#include "driver/fichiers.h"
#include "test_surete_outils.h"

using namespace essai;
using namespace surete;
using ops::Operation;

namespace {

struct Fichier {
    std::string contenu;  // as the run sees it
    std::string durable;  // as it was at its last fsync
};

struct ChangementDeNom {
    enum Genre { creer, renommer, supprimer } genre;
    std::string de, vers;
    int fichier = -1;
};

using Noms = std::map<std::string, int>;

void appliquer(Noms& noms, const ChangementDeNom& c) {
    switch (c.genre) {
    case ChangementDeNom::creer: noms[c.de] = c.fichier; break;
    case ChangementDeNom::renommer: {
        const auto it = noms.find(c.de);
        if (it == noms.end()) break;
        const int f = it->second;
        noms.erase(it);
        noms[c.vers] = f;
        break;
    }
    case ChangementDeNom::supprimer: noms.erase(c.de); break;
    }
}

// The file system as a run's journal changes it.
struct Modele {
    std::vector<Fichier> fichiers;
    Noms noms, nomsDurables;
    std::vector<ChangementDeNom> enAttente;  // since the last directory sync
    struct Ouvert {
        int fichier;
        size_t position;
    };
    std::map<int, Ouvert> descripteurs;

    void changer(const ChangementDeNom& c) {
        appliquer(noms, c);
        enAttente.push_back(c);
    }

    void rejouer(const ops::Appel& a) {
        if (!a.reussi) return;
        switch (a.genre) {
        case Operation::ouvrir: {
            auto it = noms.find(a.chemin);
            int f;
            if (it != noms.end()) {
                f = it->second;
            } else {
                f = static_cast<int>(fichiers.size());
                fichiers.push_back({});
                changer({ChangementDeNom::creer, a.chemin, "", f});
            }
            if ((a.drapeaux & O_TRUNC) != 0) fichiers[static_cast<size_t>(f)].contenu.clear();
            descripteurs[a.fd] = {f, 0};
            break;
        }
        case Operation::ecrire: {
            Ouvert& o = descripteurs.at(a.fd);
            std::string& c = fichiers[static_cast<size_t>(o.fichier)].contenu;
            const size_t debut = a.position >= 0 ? static_cast<size_t>(a.position) : o.position;
            if (c.size() < debut + a.octets.size()) c.resize(debut + a.octets.size());
            c.replace(debut, a.octets.size(), a.octets);
            if (a.position < 0) o.position += a.octets.size();
            break;
        }
        case Operation::tronquer: fichiers[static_cast<size_t>(descripteurs.at(a.fd).fichier)].contenu.clear(); break;
        case Operation::synchroniser: {
            Fichier& f = fichiers[static_cast<size_t>(descripteurs.at(a.fd).fichier)];
            f.durable = f.contenu;
            break;
        }
        case Operation::fermer: descripteurs.erase(a.fd); break;
        case Operation::renommer:
        case Operation::renommerSansEcraser: changer({ChangementDeNom::renommer, a.chemin, a.vers}); break;
        case Operation::supprimer: changer({ChangementDeNom::supprimer, a.chemin, ""}); break;
        case Operation::synchroniserRepertoire:
            for (const auto& c : enAttente) appliquer(nomsDurables, c);
            enAttente.clear();
            break;
        default: break;
        }
    }

    // What the disk holds after a power loss that kept the first `gardes`
    // name changes made since the last directory sync.
    std::map<std::string, std::string> apresCoupure(size_t gardes) const {
        Noms n = nomsDurables;
        for (size_t i = 0; i < gardes; ++i) appliquer(n, enAttente[i]);
        std::map<std::string, std::string> disque;
        for (const auto& [nom, f] : n) disque[nom] = fichiers[static_cast<size_t>(f)].durable;
        return disque;
    }
};

// Replays every prefix of `journal` (a run of `s` over the files of `e`) and
// every power loss after it; returns the number of states checked, and counts
// in `fautes` the states a crash must not leave (each one reported).
long rejouerToutesLesCoupures(const Scenario& s, const Essai& e, const std::vector<ops::Appel>& journal,
                              const std::string& reponse, int& fautes, bool signaler) {
    const std::set<std::string> permis = {e.entree(), e.sortie(), e.journal(), e.tmpRecu(), e.tmpEmis(), e.tmpErre()};
    auto faute = [&](const std::string& quoi, size_t k, size_t gardes) {
        ++fautes;
        if (signaler) {
            ADD_FAILURE() << s.nom << ": power lost after call " << k << " of " << journal.size() << ", " << gardes
                          << " name changes kept: " << quoi;
        }
    };
    Modele m;
    m.fichiers.push_back({s.entree, s.entree});
    m.noms[e.entree()] = 0;
    m.nomsDurables = m.noms;
    long etats = 0;
    for (size_t k = 0; k <= journal.size(); ++k) {
        if (k > 0) m.rejouer(journal[k - 1]);
        for (size_t gardes = 0; gardes <= m.enAttente.size(); ++gardes) {
            const auto disque = m.apresCoupure(gardes);
            ++etats;
            for (const auto& entree : disque) {
                if (permis.count(entree.first) == 0) faute("unexpected file " + entree.first, k, gardes);
            }
            bool livre = false;
            if (const auto it = disque.find(e.sortie()); it != disque.end() && !it->second.empty()) {
                if (s.code == 1) faute("a failing run left an answer", k, gardes);
                if (masquer(it->second) != reponse) faute("partial answer under the name of the file to send", k, gardes);
                livre = true;
            }
            int entrees = 0;
            for (const std::string& nom : {e.entree(), e.tmpRecu()}) {
                const auto it = disque.find(nom);
                if (it == disque.end()) continue;
                if (it->second != s.entree) faute("input changed under " + nom, k, gardes);
                ++entrees;
            }
            if (entrees > 1) faute("input under both names", k, gardes);
            if (entrees == 0 && !livre) faute("input lost", k, gardes);
        }
    }
    return etats;
}

}  // namespace

TEST(Coupure, ChaquePrefixeDUnRun) {
    long total = 0;
    for (const Scenario& s : {resultat(600), refus(600), formatsMelanges(600), sansEnregistrement(), sansFich()}) {
        Essai e;
        e.rep.ecrire("in.txt", s.entree);
        std::vector<ops::Appel> journal;
        ops::remettreAZero();
        ops::fixerJournal(&journal);
        testing::internal::CaptureStderr();
        ASSERT_EQ(lancerIci(e), s.code) << s.nom;
        testing::internal::GetCapturedStderr();
        const std::string reponse = s.code != 1 ? masquer(e.rep.lire("out.txt")) : "";
        int fautes = 0;
        const long etats = rejouerToutesLesCoupures(s, e, journal, reponse, fautes, true);
        EXPECT_EQ(fautes, 0);
        std::cout << "[ coupure  ] " << s.nom << ": " << journal.size() << " calls, " << etats << " states\n";
        total += etats;

        // The check catches a run that would deliver before its answer is on
        // disk (its fsyncs left out). (Under names kept in order, leaving out
        // the directory sync alone loses nothing the model can show.)
        if (s.code == 0) {
            for (Operation omise : {Operation::synchroniser}) {
                std::vector<ops::Appel> fautif;
                for (const ops::Appel& a : journal) {
                    if (a.genre != omise) fautif.push_back(a);
                }
                int f = 0;
                rejouerToutesLesCoupures(s, e, fautif, reponse, f, false);
                EXPECT_GT(f, 0) << "without " << static_cast<int>(omise);
            }
        }
    }
    RecordProperty("etats_apres_coupure", static_cast<int>(total));
}
