// Engine throughput: traitement over records already in memory, as the main
// loop hands them over; the verdicts are not written (no file, no output
// format: the engine alone). One benchmark per record
// type and action of the example files (valid records; all 26 types), one
// over the mixed example file, and one per kind of faulty record. Every benchmark reports
// records per second (items_per_second).
//
//   telvaros_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
//   telvaros_bench --passes valides/NAIS/MOD 1000   (no timing: for callgrind)
//   telvaros_bench --liste                          (the names of the benchmarks)
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/traitement.h"
#include "model/modele.h"

namespace {

std::vector<std::string> lignesExemple(const std::string& nom) {
    std::ifstream f(std::string(TELVAROS_SOURCE) + "/examples/" + nom, std::ios::binary);
    if (!f) throw std::runtime_error("cannot read examples/" + nom);
    std::vector<std::string> lignes;
    for (std::string ligne; std::getline(f, ligne);) lignes.push_back(ligne);
    return lignes;
}

// One record as the reader delivers it: its bytes and its line faults.
struct Enregistrement {
    std::string texte;
    int codLong = 0;
    int codCaract = 0;

    explicit Enregistrement(std::string t) : texte(std::move(t)) {
        if (texte.size() > LONGUEUR_VSE) {
            texte.resize(LONGUEUR_VSE);
            codLong = 1;
        } else if (texte.size() < LONGUEUR_VSE) {
            codLong = 2;
        }
        for (const char c : texte) {
            if (static_cast<unsigned char>(c) < 32 || static_cast<unsigned char>(c) > 126) codCaract = 1;
        }
    }
};

// An engine whose FICH record has been processed.
class Moteur {
public:
    explicit Moteur(const std::string& fich) : m_(std::make_unique<sMoteur>()) {
        effacerModele();
        if (traiter(Enregistrement(fich), 1) != 0) throw std::runtime_error("the FICH record is refused");
    }

    // Processes one record as line `numero` and returns its error count.
    int traiter(const Enregistrement& e, int numero) {
        char tampon[LONGUEUR_VSE + 1];
        std::memcpy(tampon, e.texte.data(), e.texte.size());
        tampon[e.texte.size()] = '\0';
        m_->codLong = e.codLong;
        m_->codCaract = e.codCaract;
        m_->nbErreur = 0;
        return traitement(*m_, tampon, static_cast<int>(e.texte.size()), noVisu, numero).nbErreur;
    }

private:
    std::unique_ptr<sMoteur> m_;
};

// Processes the records in turn, over and over, after the FICH record `fich`;
// `valides` says whether every record must be accepted or every record refused.
void traiterEnBoucle(benchmark::State& state, const std::string& fich, const std::vector<Enregistrement>& enregistrements,
                     bool valides) {
    Moteur moteur(fich);
    for (const Enregistrement& e : enregistrements) {
        const int n = moteur.traiter(e, 2);
        if ((n == 0) != valides) {
            state.SkipWithError(valides ? "a record meant to be valid is refused"
                                        : "a record meant to be faulty is accepted");
            return;
        }
    }
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(moteur.traiter(enregistrements[i], 2));
        if (++i == enregistrements.size()) i = 0;
    }
    state.SetItemsProcessed(state.iterations());
}

// Faulty variants of a valid ENTR creation, one per kind of fault.
std::vector<std::pair<std::string, Enregistrement>> fautifs(const std::string& entr) {
    auto variante = [&](int colonne, const std::string& valeur) {
        std::string t = entr;
        t.replace(static_cast<size_t>(colonne - 1), valeur.size(), valeur);
        return t;
    };
    std::string dixErreurs = variante(63, "ZZ");
    dixErreurs = dixErreurs.substr(0, 62) + std::string(168, '#') + dixErreurs.substr(230);
    std::string controle = entr;
    controle[150] = '\t';
    return {
        {"pays_inconnu", Enregistrement(variante(63, "ZZ"))},
        {"date_invalide", Enregistrement(variante(79, "31022024"))},
        {"type_inconnu", Enregistrement(variante(22, "XXXX"))},
        {"action_inconnue", Enregistrement(variante(19, "ANN"))},
        {"ligne_courte", Enregistrement(entr.substr(0, 120))},
        {"ligne_longue", Enregistrement(entr + "EN TROP")},
        {"caractere_de_controle", Enregistrement(controle)},
        {"dix_erreurs", Enregistrement(dixErreurs)},
    };
}

// A set of records processed in turn by one benchmark, after a FICH record.
struct Jeu {
    std::string nom;
    std::string fich;
    std::vector<Enregistrement> enregistrements;
    bool valides;
};

// The example files, each family file before the file that mixes them: a
// type and action takes its records from the first file that holds it.
constexpr const char* FICHIERS[] = {
    "abattages.vse", "abattages-office.vse", "abattages-onicab.vse", "associations.vse", "demandes-info.vse",
    "detenteurs.vse", "dispositifs.vse", "entrees-sorties.vse", "etablissements.vse", "imports.vse",
    "naissances.vse", "retours-erreur.vse", "exemple.vse"};

std::vector<Jeu> jeux() {
    std::vector<Jeu> resultat;
    // Adds a record to the set of its name, made after the FICH record `fich`;
    // when that set was made for the FICH record of another emitter (columns
    // 3 to 10), to a set named after this file's emitter.
    auto ajouter = [&resultat](const std::string& nom, const std::string& fich, const std::string& ligne) {
        auto nommee = [&resultat](const std::string& n) {
            return std::find_if(resultat.begin(), resultat.end(), [&n](const Jeu& j) { return j.nom == n; });
        };
        std::string cle = nom;
        auto jeu = nommee(cle);
        if (jeu != resultat.end() && jeu->fich.compare(2, 8, fich, 2, 8) != 0) {
            const std::string emetteur = fich.substr(2, 8);
            cle.append("@").append(emetteur, 0, emetteur.find(' '));
            jeu = nommee(cle);
        }
        if (jeu == resultat.end()) jeu = resultat.insert(resultat.end(), Jeu{cle, fich, {}, true});
        jeu->enregistrements.emplace_back(ligne);
    };

    // Valid records by type and action (columns 22-25 and 19-21), with the
    // FICH record of their file. An EXP1 or EGET creation comes with the
    // record that follows it (its pair, which also counts as a record of its
    // own type alone).
    for (const char* nom : FICHIERS) {
        const std::vector<std::string> lignes = lignesExemple(nom);
        const std::string& fich = lignes.front();
        for (size_t i = 1; i < lignes.size(); ++i) {
            const std::string& l = lignes[i];
            const std::string cle = "valides/" + l.substr(21, 4) + "/" + l.substr(18, 3);
            ajouter(cle, fich, l);
            const bool paire = l.compare(18, 7, "CREEXP1") == 0 || l.compare(18, 7, "CREEGET") == 0;
            if (paire && i + 1 < lignes.size()) {
                const std::string& suite = lignes[++i];
                ajouter(cle, fich, suite);
                ajouter("valides/" + suite.substr(21, 4) + "/" + suite.substr(18, 3), fich, suite);
            }
        }
    }
    std::sort(resultat.begin(), resultat.end(), [](const Jeu& a, const Jeu& b) { return a.nom < b.nom; });

    // Every record of the file that mixes the types, in its order.
    const std::vector<std::string> melange = lignesExemple("exemple.vse");
    Jeu tous{"valides/melange", melange.front(), {}, true};
    for (size_t i = 1; i < melange.size(); ++i) tous.enregistrements.emplace_back(melange[i]);
    resultat.push_back(tous);

    std::string entr;
    for (const Enregistrement& e : tous.enregistrements) {
        if (entr.empty() && e.texte.compare(18, 7, "CREENTR") == 0) entr = e.texte;
    }
    for (const auto& [nom, e] : fautifs(entr)) resultat.push_back({"erreurs/" + nom, tous.fich, {e}, false});
    return resultat;
}

// Without timing: processes n records of one set, so that an instruction
// count (valgrind --tool=callgrind) can be taken; the difference between the
// counts for two values of n, divided by their difference, is the cost of a
// record.
int passes(const Jeu& jeu, long n) {
    Moteur moteur(jeu.fich);
    int erreurs = 0;
    for (long i = 0; i < n; ++i) {
        const Enregistrement& e = jeu.enregistrements[static_cast<size_t>(i) % jeu.enregistrements.size()];
        erreurs += moteur.traiter(e, 2) != 0;
    }
    std::printf("%s: %ld records, %d refused\n", jeu.nom.c_str(), n, erreurs);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<Jeu> tous = jeux();
    if (argc == 2 && std::strcmp(argv[1], "--liste") == 0) {
        for (const Jeu& jeu : tous) std::printf("%s\n", jeu.nom.c_str());
        return 0;
    }
    if (argc == 4 && std::strcmp(argv[1], "--passes") == 0) {
        for (const Jeu& jeu : tous) {
            if (jeu.nom == argv[2]) return passes(jeu, std::atol(argv[3]));
        }
        std::fprintf(stderr, "no benchmark named %s\n", argv[2]);
        return 1;
    }
    for (const Jeu& jeu : tous) {
        benchmark::RegisterBenchmark(jeu.nom.c_str(), [&jeu](benchmark::State& s) {
            traiterEnBoucle(s, jeu.fich, jeu.enregistrements, jeu.valides);
        });
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
