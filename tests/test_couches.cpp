// The layers of src/ depend one way: reference <- model <- checks <- records
// <- engine <- driver <- main.cpp. The report program (rapport/) stands at
// the level of main.cpp: it may use every layer, and nothing outside it
// includes it. Every `#include "..."` line of src/ is read, and one that
// names a file of a higher layer fails the test.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <regex>
#include <string>
#include <vector>

namespace {

// Rank of a path relative to src/ in the stack, from the bottom; -1 for a
// path in no layer (a folder that the stack does not know yet).
int rangDeCouche(const std::string& chemin) {
    static const char* const couches[] = {"reference/", "model/", "checks/", "records/", "engine/", "driver/"};
    for (int i = 0; i < 6; ++i) {
        if (chemin.rfind(couches[i], 0) == 0) return i;
    }
    if (chemin == "main.cpp" || chemin.rfind("rapport/", 0) == 0) return 6;
    return -1;
}

// For the line `ligne` of the file `fichier` (relative to src/): a
// description of the fault when it includes a file of a higher layer, or of
// no layer; nothing for any other line.
std::optional<std::string> includeMontant(const std::string& fichier, const std::string& ligne) {
    static const std::regex include(R"(^\s*#\s*include\s*"([^"]+)\")");
    std::smatch m;
    if (!std::regex_search(ligne, m, include)) return std::nullopt;
    const std::string inclus = m[1];
    const int de = rangDeCouche(fichier);
    const int vers = rangDeCouche(inclus);
    if (de < 0) return fichier + " lies in no layer";
    if (vers < 0) return fichier + " includes " + inclus + ", which lies in no layer";
    if (vers > de) return fichier + " includes " + inclus + ", a higher layer";
    if (inclus.rfind("rapport/", 0) == 0 && fichier.rfind("rapport/", 0) != 0) {
        return fichier + " includes " + inclus + ", of the report program";
    }
    return std::nullopt;
}

}  // namespace

TEST(Couches, RangDesChemins) {
    struct Cas {
        const char* chemin;
        int rang;
    };
    for (const Cas& c : std::vector<Cas>{
             {"reference/valautorise.h", 0},
             {"model/modele.h", 1},
             {"checks/dates.cpp", 2},
             {"records/aiguillage.cpp", 3},
             {"engine/traitement.h", 4},
             {"driver/sorties.cpp", 5},
             {"main.cpp", 6},
             {"rapport/analyse.cpp", 6},
             {"rapportx/a.h", -1},
             {"outils/x.h", -1},
             {"enginex/y.h", -1},
             {"xengine/y.h", -1},
         }) {
        EXPECT_EQ(rangDeCouche(c.chemin), c.rang) << c.chemin;
    }
}

TEST(Couches, LeControleSurDesLignesFaites) {
    // The checker itself: an include that goes up is caught; one that stays
    // in its layer or goes down is not; lines that include nothing of src/
    // are ignored.
    struct Cas {
        const char* fichier;
        const char* ligne;
        bool faute;
    };
    for (const Cas& c : std::vector<Cas>{
             {"engine/traitement.h", "#include \"driver/execution.h\"", true},
             {"engine/traitement.cpp", "  #  include   \"driver/sorties.h\"  // comment", true},
             {"checks/dates.cpp", "#include \"records/records.h\"", true},
             {"checks/dates.cpp", "#include \"engine/verif.h\"", true},
             {"reference/valautorise.cpp", "#include \"model/modele.h\"", true},
             {"driver/lecteur.cpp", "#include \"main.cpp\"", true},
             {"records/nais.cpp", "#include \"outils/aide.h\"", true},
             {"records/nais.cpp", "#include \"records/records.h\"", false},
             {"records/nais.cpp", "#include \"checks/dates.h\"", false},
             {"driver/lecteur.cpp", "#include \"engine/traitement.h\"", false},
             {"main.cpp", "#include \"driver/telvaros.h\"", false},
             {"rapport/analyse.cpp", "#include \"driver/lecteur.h\"", false},
             {"rapport/main.cpp", "#include \"rapport/analyse.h\"", false},
             {"main.cpp", "#include \"rapport/analyse.h\"", true},
             {"driver/lecteur.cpp", "#include \"rapport/analyse.h\"", true},
             {"engine/verif.cpp", "#include <cstdio>", false},
             {"engine/verif.cpp", "// #include \"driver/execution.h\" in a comment", false},
             {"engine/verif.cpp", "int x = 0;", false},
         }) {
        EXPECT_EQ(includeMontant(c.fichier, c.ligne).has_value(), c.faute) << c.fichier << ": " << c.ligne;
    }
}

TEST(Couches, AucunIncludeNeMonte) {
    const std::filesystem::path src = std::filesystem::path(TELVAROS_SOURCE) / "src";
    int fichiers = 0;
    int includes = 0;
    for (const auto& entree : std::filesystem::recursive_directory_iterator(src)) {
        if (!entree.is_regular_file()) continue;
        const std::string extension = entree.path().extension().string();
        if (extension != ".h" && extension != ".cpp") continue;
        ++fichiers;
        const std::string relatif = entree.path().lexically_relative(src).generic_string();
        std::ifstream f(entree.path());
        ASSERT_TRUE(f) << relatif;
        int numero = 0;
        for (std::string ligne; std::getline(f, ligne);) {
            ++numero;
            if (ligne.find("#include \"") != std::string::npos) ++includes;
            const auto faute = includeMontant(relatif, ligne);
            EXPECT_FALSE(faute.has_value()) << *faute << " (line " << numero << ")";
        }
    }
    // The tree was read.
    EXPECT_GT(fichiers, 40);
    EXPECT_GT(includes, 80);
}
