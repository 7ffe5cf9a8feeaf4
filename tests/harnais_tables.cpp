// Rule tables seen as a whole (see harnais_tables.h).
#include "harnais_tables.h"

#include <gtest/gtest.h>

#include "checks/coherence.h"
#include "checks/comparaisons.h"
#include "checks/dates.h"
#include "checks/dispositifs.h"
#include "checks/generiques.h"
#include "checks/identifiants.h"
#include "engine/entete.h"
#include "reference/valautorise.h"

namespace essai {

namespace {

const NomsDeChecks& checksCommuns() {
    static const NomsDeChecks noms = {
        // Lists and presence
        NOM_CHECK(fVerifValAut), NOM_CHECK(fVerifDiffNull), NOM_CHECK(fVerifAucunBlanc),
        NOM_CHECK(fVerifAucunBlanc_SD), NOM_CHECK(fVerifDepE6),
        // Identifiers
        NOM_CHECK(fConform8), NOM_CHECK(fConform8FR), NOM_CHECK(fConform8FRnon), NOM_CHECK(fCONFORM8FRNULL),
        NOM_CHECK(fConform10), NOM_CHECK(fConform10FR), NOM_CHECK(fConform10FRnon),
        NOM_CHECK(fConform10FRnonECHAnon), NOM_CHECK(fConform10FRnonECHAoui), NOM_CHECK(fCONFORM10FRNULL),
        NOM_CHECK(fConformEget), NOM_CHECK(fVerifNumEtranger), NOM_CHECK(fVerifNumEtrangerN),
        NOM_CHECK(fConform3),
        // Coherence
        NOM_CHECK(fCoherenCC), NOM_CHECK(fCoherenCC_tr), NOM_CHECK(fCoherenCCD), NOM_CHECK(fCoherenCCEget),
        NOM_CHECK(fCoheren_OC_IND_M), NOM_CHECK(fCoherenDC), NOM_CHECK(fCoherenDC_tr),
        NOM_CHECK(fCoherenDC_tr2), NOM_CHECK(fCoherenD_OC_an_1), NOM_CHECK(fCoherenD_OC_an_2),
        NOM_CHECK(fCoherenDateSup),
        // Comparisons
        NOM_CHECK(fVDIFFVD), NOM_CHECK(fCDIFF), NOM_CHECK(fVTABDIFFFR), NOM_CHECK(fVDIFFNULLVTAB),
        NOM_CHECK(fVTABP5), NOM_CHECK(fVTABP6), NOM_CHECK(fVTABP8), NOM_CHECK(fVDIFFNULLP5),
        NOM_CHECK(fVDIFFNULLP6),
        // Dates and times
        NOM_CHECK(fDATEC), NOM_CHECK(fDATEI), NOM_CHECK(fDATECxad), NOM_CHECK(fDATEC_INC),
        NOM_CHECK(fDatRecCorr), NOM_CHECK(fDatRecCorr_O), NOM_CHECK(fDatRecCorr_O_P18), NOM_CHECK(fDATEP6),
        NOM_CHECK(fDATEP6P7), NOM_CHECK(fDatRecCohe), NOM_CHECK(fDatRecPost), NOM_CHECK(fDatRecPost_tr),
        NOM_CHECK(fDatRec_OC_Post), NOM_CHECK(fVerifValAutDate), NOM_CHECK(fSimult), NOM_CHECK(fHEUREC),
        // Identification devices
        NOM_CHECK(fConform_OC_FR), NOM_CHECK(fConform_OC_UE), NOM_CHECK(fConform_OC_TP),
        NOM_CHECK(fConform_OC_IND_M), NOM_CHECK(fConform_OC_model1), NOM_CHECK(fConform_OC_model2),
        NOM_CHECK(fConform_OC_model3), NOM_CHECK(fConform_OC_model4), NOM_CHECK(fConform_OC_model5),
        NOM_CHECK(fConform_OC_pays_orig), NOM_CHECK(fConform_OC_compteur), NOM_CHECK(fConform_BV_model1),
        NOM_CHECK(fConform_BV_model2), NOM_CHECK(fConform_BV_model3), NOM_CHECK(fConform_BV_model4),
        NOM_CHECK(fConform_BV_model5), NOM_CHECK(fConform_temoin_bouc1), NOM_CHECK(fConform_temoin_bouc2),
        // Header and trailer
        NOM_CHECK(enteteE3), NOM_CHECK(enteteE4), NOM_CHECK(enteteE8), NOM_CHECK(enteteE9),
        NOM_CHECK(enteteE10), NOM_CHECK(enteteE12), NOM_CHECK(enteteE13), NOM_CHECK(finF3),
    };
    return noms;
}

struct TableDeValeurs {
    const tValAutorise* valeurs;
    const int* nombre;
    const char* nom;
};

const std::vector<TableDeValeurs>& tablesDeValeurs() {
#define TABLE_DE_VALEURS(t) TableDeValeurs{t, &Len##t, #t},
    static const std::vector<TableDeValeurs> tables = {TABLES_DE_REFERENCE(TABLE_DE_VALEURS)};
#undef TABLE_DE_VALEURS
    return tables;
}

// Index of the slot `d` points to in an array of value slots, or -1.
int slotDans(const char* d, const valeurVSE* slots, int nombre) {
    for (int k = 0; k < nombre; ++k) {
        if (d == slots[k].valeur) return k;
    }
    return -1;
}

// A prefix followed by a number, built by appending: g++ 12 misreads
// `"literal" + std::string` in Release builds (a false -Wrestrict).
std::string numerote(const char* prefixe, int numero) {
    std::string s = prefixe;
    s += std::to_string(numero);
    return s;
}

std::string nomDeChamp(int champ) { return numerote("C", champ + 1); }

bool estUnCodeDObligation(int code) { return code == A_CONTROLER || code == SANS_CONTROLE || code == INTERDIT; }

}  // namespace

std::string nomDeCheck(pfVerif_t f, const NomsDeChecks& propres) {
    if (f == nullptr) return "-";
    for (const NomsDeChecks* noms : {&propres, &checksCommuns()}) {
        for (const auto& [g, nom] : *noms) {
            if (g == f) return nom;
        }
    }
    return "?";
}

std::string nomDeTable(const sCorps& r) {
    if (r.sverif == nullptr) return r.plenSverif == &Len0 ? "-" : "-(count handed without a table)";
    for (const TableDeValeurs& t : tablesDeValeurs()) {
        if (r.sverif != t.valeurs) continue;
        if (r.plenSverif != t.nombre) {
            return std::string(t.nom) + "(count " + std::to_string(*r.plenSverif) + " of another table)";
        }
        return std::string(t.nom) + "(" + std::to_string(*t.nombre) + ")";
    }
    return "?";
}

int champDuSlot(const sCorps* t, int n, int slot) {
    int k = 0;
    for (int i = 0; i < n; ++i) {
        if (t[i].debut == 0) continue;
        if (k++ == slot) return t[i].numChamp;
    }
    return -1;
}

int nombreDeSlots(const sCorps* t, int n) {
    int k = 0;
    for (int i = 0; i < n; ++i) k += t[i].debut != 0;
    return k;
}

std::string nomDeDependance(const char* d, const sCorps* t, int n) {
    if (d == depVide) return "-";
    int k = slotDans(d, valCorpsVSE, NB_CORPS);
    if (k >= 0) {
        const int champ = champDuSlot(t, n, k);
        if (champ >= 0) return nomDeChamp(champ);
        std::string s = "slot ";
        s += nomDeChamp(k);
        s += " (not cut)";
        return s;
    }
    if ((k = slotDans(d, valEnteteVSE, NB_ENTETE)) >= 0) return numerote("E", k + 1);
    if ((k = slotDans(d, valFinVSE, NB_FIN)) >= 0) return numerote("F", k + 1);
    if ((k = slotDans(d, valFichEnteteVSE, NB_ENTETE)) >= 0) return numerote("FICH.E", k + 1);
    if ((k = slotDans(d, valFichCorpsVSE, NB_CORPS_FICH)) >= 0) return numerote("FICH.C", k + 1);
    return "?";
}

std::string ligneDeRegle(const sCorps& r, const sCorps* t, int n, const NomsDeChecks& propres) {
    std::string s = nomDeChamp(r.numChamp) + " ";
    if (r.debut == 0 && r.fin == 0) {
        s += "same";
    } else {
        s += std::to_string(r.debut);
        s += '-';
        s += std::to_string(r.fin);
    }
    for (int code : {r.typeCRE, r.typeDEM, r.typeINV, r.typeEDI, r.typeMOD}) s += numerote(" ", code);
    const std::string morceaux[] = {nomDeCheck(r.pfVerif, propres), nomDeTable(r),
                                    nomDeDependance(r.dependance, t, n)};
    for (const std::string& morceau : morceaux) {
        s += ' ';
        s += morceau;
    }
    s += ' ';
    s += r.noErr == 0 ? std::string("-") : std::to_string(r.noErr);
    return s;
}

void comparerListing(const sCorps* t, int n, const std::vector<std::string>& attendu, const NomsDeChecks& propres) {
    EXPECT_EQ(n, static_cast<int>(attendu.size())) << "number of rules";
    const int commun = std::min(n, static_cast<int>(attendu.size()));
    for (int i = 0; i < commun; ++i) EXPECT_EQ(ligneDeRegle(t[i], t, n, propres), attendu[i]) << "row " << i + 1;
}

std::vector<std::string> defautsDeTable(const sCorps* t, int n, Zone zone) {
    std::vector<std::string> defauts;
    auto defaut = [&](int i, const std::string& texte) {
        defauts.push_back("row " + std::to_string(i + 1) + ": " + texte);
    };
    const sCorps* coupe = nullptr;  // the last rule with columns
    for (int i = 0; i < n; ++i) {
        const sCorps& r = t[i];
        if (r.numChamp < 0 || r.numChamp >= NB_CORPS) defaut(i, "field number out of range");
        if (r.debut == 0) {
            if (r.fin != 0) defaut(i, "additional rule with an end column");
            if (coupe == nullptr) {
                defaut(i, "additional rule before any rule with columns");
            } else if (r.numChamp != coupe->numChamp) {
                defaut(i, "additional rule names " + nomDeChamp(r.numChamp) + " after a cut of " +
                              nomDeChamp(coupe->numChamp));
            }
        } else {
            if (r.debut < zone.debut || r.fin > zone.fin || r.fin < r.debut) {
                defaut(i, "columns " + std::to_string(r.debut) + "-" + std::to_string(r.fin) + " outside " +
                              std::to_string(zone.debut) + "-" + std::to_string(zone.fin));
            }
            const bool memeCoupe = coupe != nullptr && coupe->debut == r.debut && coupe->fin == r.fin;
            if (coupe != nullptr && !memeCoupe && r.debut <= coupe->fin) {
                defaut(i, "columns " + std::to_string(r.debut) + "-" + std::to_string(r.fin) +
                              " do not follow the columns before them");
            }
            coupe = &r;
        }
        for (int code : {r.typeCRE, r.typeDEM, r.typeINV, r.typeEDI, r.typeMOD}) {
            if (!estUnCodeDObligation(code)) defaut(i, "obligation code " + std::to_string(code));
        }
        if (r.pfVerif != nullptr && r.noErr == 0) defaut(i, "check without an error number");
        if (r.pfVerif == nullptr && r.noErr != 0) defaut(i, "error number without a check");
        const std::string table = nomDeTable(r);
        if (table == "?" || table.find("(count") != std::string::npos) defaut(i, "value table " + table);
        const std::string dependance = nomDeDependance(r.dependance, t, n);
        if (dependance == "?" || dependance.find("not cut") != std::string::npos) {
            defaut(i, "dependance " + dependance);
        }
    }
    return defauts;
}

std::vector<std::string> defautsDesSlotsEchoes(const sAiguillage& entree) {
    std::vector<std::string> defauts;
    const sCorps* t = entree.tabVerif;
    const int n = *entree.pLenTabVerif;
    for (auto [slot, largeur, nom] : {std::tuple{entree.champErrC7, 2, "champErrC7"},
                                      std::tuple{entree.champErrC8, 12, "champErrC8"}}) {
        if (slot == CINC) continue;
        int k = 0;
        const sCorps* coupe = nullptr;
        for (int i = 0; i < n && coupe == nullptr; ++i) {
            if (t[i].debut != 0 && k++ == slot) coupe = &t[i];
        }
        if (coupe == nullptr) {
            defauts.push_back(std::string(nom) + " names slot " + nomDeChamp(slot) + ", which the table does not cut");
        } else if (coupe->fin - coupe->debut + 1 != largeur) {
            defauts.push_back(std::string(nom) + " names slot " + nomDeChamp(slot) + " of width " +
                              std::to_string(coupe->fin - coupe->debut + 1) + ", not " + std::to_string(largeur));
        }
    }
    return defauts;
}

std::string correspondanceSlots(const sCorps* t, int n) {
    std::string s;
    for (int k = 0, champ; (champ = champDuSlot(t, n, k)) >= 0; ++k) {
        if (champ == k) continue;
        s += (s.empty() ? "" : ", ") + ("slot " + nomDeChamp(k) + " = field " + nomDeChamp(champ));
    }
    return s;
}

}  // namespace essai
