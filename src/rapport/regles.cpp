// What the report program says about a rule.
#include "rapport/regles.h"

#include <cstdio>
#include <cstring>

#include "checks/coherence.h"
#include "checks/comparaisons.h"
#include "checks/dates.h"
#include "checks/dispositifs.h"
#include "checks/generiques.h"
#include "checks/identifiants.h"
#include "engine/entete.h"
#include "records/abat.h"
#include "records/asso.h"
#include "records/dete.h"
#include "records/ecbo.h"
#include "records/eget.h"
#include "records/entr.h"
#include "records/erre.h"
#include "records/erti.h"
#include "records/exp1.h"
#include "records/groc.h"
#include "records/impo.h"
#include "records/nais.h"
#include "records/numa.h"
#include "records/nvmn.h"
#include "records/pass.h"
#include "records/pico.h"
#include "records/raco.h"
#include "records/sort.h"
#include "checks/index.h"
#include "engine/moteur.h"
#include "records/records.h"

namespace {

struct NomDeCheck {
    pfVerif_t f;
    const char* nom;
};

// Every check function that a rule table may name, by the header that
// declares it.
#define NOM(f) NomDeCheck{f, #f}
const NomDeCheck kChecks[] = {
    // checks/coherence.h
    NOM(fCoherenCC), NOM(fCoherenCC_tr), NOM(fCoherenCCD), NOM(fCoherenCCEget), NOM(fCoheren_OC_IND_M),
    NOM(fCoherenDC), NOM(fCoherenDC_tr), NOM(fCoherenDC_tr2), NOM(fCoherenD_OC_an_1), NOM(fCoherenD_OC_an_2),
    NOM(fCoherenDateSup),
    // checks/comparaisons.h
    NOM(fVDIFFVD), NOM(fCDIFF), NOM(fVTABDIFFFR), NOM(fVDIFFNULLVTAB), NOM(fVTABP5), NOM(fVTABP6),
    NOM(fVTABP8), NOM(fVDIFFNULLP5), NOM(fVDIFFNULLP6),
    // checks/dates.h
    NOM(fDATEC), NOM(fDATEI), NOM(fDATECxad), NOM(fDATEC_INC), NOM(fDatRecCorr), NOM(fDatRecCorr_O),
    NOM(fDatRecCorr_O_P18), NOM(fDATEP6), NOM(fDATEP6P7), NOM(fDatRecCohe), NOM(fDatRecPost),
    NOM(fDatRecPost_tr), NOM(fDatRec_OC_Post), NOM(fVerifValAutDate), NOM(fSimult), NOM(fHEUREC),
    // checks/dispositifs.h
    NOM(fConform_OC_FR), NOM(fConform_OC_UE), NOM(fConform_OC_TP), NOM(fConform_OC_IND_M),
    NOM(fConform_OC_model1), NOM(fConform_OC_model2), NOM(fConform_OC_model3), NOM(fConform_OC_model4),
    NOM(fConform_OC_model5), NOM(fConform_OC_pays_orig), NOM(fConform_OC_compteur), NOM(fConform_BV_model1),
    NOM(fConform_BV_model2), NOM(fConform_BV_model3), NOM(fConform_BV_model4), NOM(fConform_BV_model5),
    NOM(fConform_temoin_bouc1), NOM(fConform_temoin_bouc2),
    // checks/generiques.h
    NOM(fVerifValAut), NOM(fVerifDiffNull), NOM(fVerifAucunBlanc), NOM(fVerifAucunBlanc_SD), NOM(fVerifDepE6),
    // checks/identifiants.h
    NOM(fConform8), NOM(fConform8FR), NOM(fConform8FRnon), NOM(fCONFORM8FRNULL), NOM(fConform10),
    NOM(fConform10FR), NOM(fConform10FRnon), NOM(fConform10FRnonECHAnon), NOM(fConform10FRnonECHAoui),
    NOM(fCONFORM10FRNULL), NOM(fConformEget), NOM(fVerifNumEtranger), NOM(fVerifNumEtrangerN), NOM(fConform3),
    // engine/entete.h
    NOM(enteteE3), NOM(enteteE4), NOM(enteteE8), NOM(enteteE9), NOM(enteteE10), NOM(enteteE12),
    NOM(enteteE13), NOM(finF3),
    // records/abat.h
    NOM(presence_C2), NOM(vAbat_C2_1), NOM(vAbat_C2_2), NOM(fVerif_ASDA), NOM(presence_C5),
    NOM(fVerif_NUM_ASDA), NOM(fVerifDateInputPost), NOM(fVerifDateAbatPost), NOM(fVerifDateAbatPostEntr),
    NOM(presence_C8), NOM(fVerif_NUM_TUE), NOM(fVerif_chaine_POIDS), NOM(fVerif_POIDS),
    NOM(fVerif_CODEPE_ABATNOT), NOM(presence_C11), NOM(fVerif_NUMID_ABATNOT_CONF),
    NOM(fVerif_NUMID_ABATNOT_COHER), NOM(fVerif_NUMID_ABATNOT_TABREF), NOM(fVerif_INDIC_ABAT),
    // records/asso.h
    NOM(asso_fC2_1), NOM(asso_fC2_2), NOM(asso_fC5), NOM(asso_fC6_1), NOM(asso_fC6_1_INV), NOM(asso_fC6_2),
    NOM(asso_fC6_2_INV), NOM(asso_fC6_3), NOM(asso_fC6_4), NOM(asso_fC6_5), NOM(asso_fC6_6), NOM(asso_fC8_1),
    NOM(asso_fC8_2), NOM(asso_fC8_3),
    // records/dete.h
    NOM(fCoherenCC_dete_dem),
    // records/ecbo.h
    NOM(ecbo_C12), NOM(ecbo_C13), NOM(ecbo_C15),
    // records/eget.h
    NOM(eget_fC5C6),
    // records/entr.h
    NOM(entr_fC5), NOM(entr_fC8_cre), NOM(entr_fC8_mod), NOM(entr_fC9_1_cre), NOM(entr_fC9_1_mod),
    NOM(entr_fC9_2_cre), NOM(entr_fC9_2_mod), NOM(entr_fC10_cre), NOM(entr_fC10_mod),
    // records/erre.h
    NOM(vErre_C1), NOM(vErre_C4), NOM(vErre_C8), NOM(vErre_C10), NOM(vErre_C5), NOM(vErre_C6), NOM(vErre_C7),
    NOM(vErre_C8_conf), NOM(vErre_C30), NOM(vErre_C9), NOM(vErre_C29), NOM(vErre_C31), NOM(vErre_C32_1),
    NOM(vErre_C32_2), NOM(vErre_C32_3), NOM(vErre_C36_1), NOM(vErre_C37_1), NOM(vErre_C37_2),
    // records/erti.h
    NOM(erti_fC5), NOM(erti_fC9C10),
    // records/exp1.h
    NOM(fexp1_C4),
    // records/groc.h
    NOM(groc_cre_C10_1), NOM(groc_cre_C10_2), NOM(groc_cre_C12),
    // records/impo.h
    NOM(impo_C2), NOM(impo_C6_1), NOM(impo_C6_2), NOM(impo_C7), NOM(impo_C20),
    // records/nais.h
    NOM(nais_C2), NOM(nais_C7), NOM(nais_C11), NOM(nais_C11FRnonUEnon), NOM(nais_C11FRnonUEoui),
    NOM(nais_C17),
    // records/numa.h
    NOM(numa_fC6_1), NOM(numa_fC6_2), NOM(numa_fC6_3),
    // records/nvmn.h
    NOM(nvmn_C2),
    // records/pass.h
    NOM(pass_C7), NOM(pass_C10),
    // records/pico.h
    NOM(pico_fC6_1), NOM(pico_fC6_2), NOM(pico_fC6_3),
    // records/raco.h
    NOM(raco_fC6),
    // records/sort.h
    NOM(sort_fC5), NOM(sort_fC8_cre), NOM(sort_fC8_mod), NOM(sort_fC9_1_cre), NOM(sort_fC9_1_mod),
    NOM(sort_fC9_2_cre), NOM(sort_fC9_2_mod), NOM(sort_fC10_cre), NOM(sort_fC10_mod),
};
#undef NOM

// What the checks shared by every record type test.
struct Description {
    pfVerif_t f;
    const char* texte;
};
const Description kDescriptions[] = {
    {fVerifValAut, "la valeur figure dans la table (ou est un code de partenaire national)"},
    {fVerifDiffNull, "la valeur ne figure pas dans la table (le champ n'est pas laissé en blanc)"},
    {fVerifAucunBlanc, "le champ ne contient aucun blanc"},
    {fVerifAucunBlanc_SD, "aucun blanc avant le dernier caractère non blanc, et le champ n'est pas tout blanc"},
    {fVerifDepE6, "le type d'enregistrement est admis avec ce code action"},
    {fConform8, "numéro d'exploitation française conforme"},
    {fConform8FR, "numéro d'exploitation française conforme quand le pays est FR"},
    {fConform8FRnon, "numéro sans blanc intercalé quand le pays n'est ni FR ni blanc"},
    {fCONFORM8FRNULL, "12 blancs, 12 '*', ou numéro d'exploitation conforme quand le pays est FR"},
    {fConform10, "numéro national de bovin français conforme"},
    {fConform10FR, "numéro national de bovin conforme quand le pays est FR"},
    {fConform10FRnon, "numéro étranger conforme quand le pays n'est pas FR"},
    {fConform10FRnonECHAnon, "numéro national de bovin conforme quand le pays n'est pas un pays d'échange"},
    {fConform10FRnonECHAoui, "numéro étranger conforme quand le pays est un pays d'échange autre que FR"},
    {fCONFORM10FRNULL, "12 blancs, 12 '*', ou numéro national conforme quand le pays est FR"},
    {fConformEget, "numéro d'établissement conforme à son genre (C4)"},
    {fVerifNumEtranger, "numéro national étranger conforme"},
    {fVerifNumEtrangerN, "12 blancs, 12 '*', ou numéro national étranger conforme"},
    {fConform3, "les 3 premiers caractères sont un département de la table"},
    {fCoherenCC, "le département du numéro correspond à l'établissement (E8)"},
    {fCoherenCC_tr, "le département du numéro correspond à l'établissement (E8), sauf transhumance"},
    {fCoherenCCD, "le département du détenteur correspond à l'établissement (E8)"},
    {fCoherenCCEget, "le numéro d'établissement appartient à l'établissement (E8)"},
    {fCoheren_OC_IND_M, "le numéro d'identification est dans une plage de l'établissement (E8)"},
    {fCoherenDC, "la date n'est pas postérieure à la date de l'enregistrement (F1)"},
    {fCoherenDC_tr, "la date n'est pas postérieure à la date de l'enregistrement (un an de plus en transhumance)"},
    {fCoherenDC_tr2, "la date n'est pas postérieure de plus d'un an à la date de l'enregistrement"},
    {fCoherenD_OC_an_1, "l'année est faite de 4 chiffres"},
    {fCoherenD_OC_an_2, "l'année précède celle de la date de l'enregistrement"},
    {fDATEC, "date JJMMAAAA complète et valide"},
    {fDATEI, "date JJMMAAAA valide, éventuellement incomplète"},
    {fDATECxad, "date JJMMAAAA valide ou blanche"},
    {fHEUREC, "heure HHMMSS valide"},
};

const int kNombreChecks = static_cast<int>(sizeof kChecks / sizeof kChecks[0]);

// Label tables of the body tables, by record type (codeVSE).
struct Libelles {
    const sLibelle* libelles;
    const int* nombre;
};
Libelles libellesDuType(int code) {
    switch (code) {
    case ABAT: return {libAbat, &nbLibAbat};
    case ACTI: return {libActi, &nbLibActi};
    case ASSO: return {libAsso, &nbLibAsso};
    case DETE: return {libDete, &nbLibDete};
    case DETI: return {libDeti, &nbLibDeti};
    case ECBO: return {libEcbo, &nbLibEcbo};
    case ECHA: return {libEcha, &nbLibEcha};
    case EGET: return {libEget, &nbLibEget};
    case ENTR: return {libEntr, &nbLibEntr};
    case ERRE: return {libErre, &nbLibErre};
    case ERTI: return {libErti, &nbLibErti};
    case EXP1: return {libExp1, &nbLibExp1};
    case EXP2: return {libExp2, &nbLibExp2};
    case GROC: return {libGroc, &nbLibGroc};
    case IMOC: return {libImoc, &nbLibImoc};
    case IMPO: return {libImpo, &nbLibImpo};
    case INFO: return {libInfo, &nbLibInfo};
    case NAIS: return {libNais, &nbLibNais};
    case NUMA: return {libNuma, &nbLibNuma};
    case NVMN: return {libNvmn, &nbLibNvmn};
    case PASS: return {libPass, &nbLibPass};
    case PICO: return {libPico, &nbLibPico};
    case RACO: return {libRaco, &nbLibRaco};
    case RATA: return {libRata, &nbLibRata};
    case REBO: return {libRebo, &nbLibRebo};
    case SORT: return {libSort, &nbLibSort};
    default: return {nullptr, nullptr};
    }
}

// Index of the value slot that `d` points to in `slots`, or -1.
int slotVise(const char* d, const valeurVSE* slots, int nombre) {
    for (int k = 0; k < nombre; ++k) {
        if (d == slots[k].valeur) return k;
    }
    return -1;
}

// Field held by value slot `slot` of a table, or -1.
int champDuSlot(const sCorps* t, int n, int slot) {
    int k = 0;
    for (int i = 0; i < n; ++i) {
        if (t[i].fin == 0) continue;
        if (k++ == slot) return t[i].numChamp;
    }
    return -1;
}

std::string nomDeChamp(const char* zone, int numChamp, const char* texte) {
    std::string s = zone + std::to_string(numChamp + 1);
    if (texte != nullptr && *texte != '\0') s += std::string(" (") + texte + ")";
    return s;
}

}  // namespace

sTableDecrite tableEntete() { return {"E", tEntete, lEntete, libEntete, nbLibEntete}; }
sTableDecrite tableFin() { return {"F", tFin, lFin, libFin, nbLibFin}; }
sTableDecrite tableFich() { return {"C", tFich, lFich, libFich, nbLibFich}; }
sTableDecrite tableCorps(int idx) {
    if (idx < 0 || idx >= ERR_AIGUILLAGE) return {"C", nullptr, 0, nullptr, 0};
    const sAiguillage& e = tAiguillage[idx];
    const Libelles l = libellesDuType(e.code);
    return {"C", e.tabVerif, *e.pLenTabVerif, l.libelles, l.nombre != nullptr ? *l.nombre : 0};
}

const char* libelle(const sTableDecrite& t, int numChamp) {
    for (int i = 0; i < t.nbLibelles; ++i) {
        if (t.libelles[i].champ == numChamp) return t.libelles[i].libelle;
    }
    return "";
}

const char* nomDeCheck(pfVerif_t f) {
    for (int i = 0; i < kNombreChecks; ++i) {
        if (kChecks[i].f == f) return kChecks[i].nom;
    }
    return "?";
}

bool nomTrouve(pfVerif_t f) { return std::strcmp(nomDeCheck(f), "?") != 0; }

const char* ceQueTeste(pfVerif_t f) {
    for (const Description& d : kDescriptions) {
        if (d.f == f) return d.texte;
    }
    return "";
}

std::string nomDeTable(const sCorps& r) {
    if (r.sverif == nullptr) return "";
    for (const TableDeReference& t : tablesDeReference()) {
        if (static_cast<const void*>(t.valeurs) != r.sverif) continue;
        std::string s = t.nom;
        s += " (" + std::to_string(*r.plenSverif) + (*r.plenSverif > 1 ? " valeurs)" : " valeur)");
        return s;
    }
    return "table de " + std::to_string(*r.plenSverif) + " valeurs";
}

std::string nomDeDependance(const sCorps& r, const sTableDecrite& t) {
    const char* d = r.dependance;
    if (d == nullptr || d == depVide) return "";
    int k;
    if ((k = slotVise(d, valEnteteVSE, NB_ENTETE)) >= 0) return nomDeChamp("E", k, libelle(tableEntete(), k));
    if ((k = slotVise(d, valFinVSE, NB_FIN)) >= 0) return nomDeChamp("F", k, libelle(tableFin(), k));
    if ((k = slotVise(d, valFichEnteteVSE, NB_ENTETE)) >= 0) {
        return nomDeChamp("E", k, libelle(tableEntete(), k)) + " de l'enregistrement FICH";
    }
    if ((k = slotVise(d, valFichCorpsVSE, NB_CORPS_FICH)) >= 0) {
        return nomDeChamp("C", k, libelle(tableFich(), k)) + " de l'enregistrement FICH";
    }
    if ((k = slotVise(d, valCorpsVSE, NB_CORPS)) >= 0) {
        const int champ = champDuSlot(t.regles, t.nombre, k);
        if (champ < 0) return "emplacement C" + std::to_string(k + 1) + " (non découpé)";
        return nomDeChamp("C", champ, libelle(t, champ));
    }
    return "";
}

void colonnesDeRegle(const sTableDecrite& t, int rang, int* debut, int* fin) {
    *debut = 0;
    *fin = 0;
    for (int i = rang; i >= 0; --i) {
        if (t.regles[i].fin != 0) {
            *debut = t.regles[i].debut;
            *fin = t.regles[i].fin;
            return;
        }
    }
}

const char* erreurDuMoteur(int numero) {
    switch (numero) {
    case erreur::RECEPTEUR_INFO: return "demande d'information non adressée au récepteur central";
    case erreur::OBLIGATION: return "champ non admis pour le code action, ou code action inconnu";
    case erreur::NOMBRE_ANNONCE: return "l'enregistrement FICH annonce un autre nombre d'enregistrements";
    case erreur::EXP2_MANQUANTE: return "création EXP1 acceptée non suivie de sa création EXP2 de même lien";
    case erreur::CARACTERES: return "octet hors de 32 à 126 dans la ligne";
    case erreur::TROP_LONG: return "ligne de plus de 256 caractères";
    case erreur::TROP_COURT: return "ligne de moins de 256 caractères";
    case erreur::FICH_REPETE: return "enregistrement FICH ailleurs qu'en première ligne";
    case erreur::EMETTEUR_NON_HABILITE: return "émetteur non habilité aux demandes INFO ou aux enregistrements ABAT";
    case erreur::NON_ADMIS_CENTRAL: return "type et action non admis vers le récepteur central";
    case erreur::ETABLISSEMENT_ABATTAGE: return "ABAT de NORM01 dont l'établissement n'est pas NORMABEV";
    case erreur::EMETTEUR_ETABLISSEMENT: return "émetteur du fichier et établissement (E8) incohérents";
    case erreur::RATA_MANQUANTE: return "création EGET acceptée non suivie de sa création RATA de même lien";
    case erreur::STATUT: return "statut de traitement (colonnes 77-78) non admis";
    case erreur::STATUT_PARTENAIRE: return "statut de traitement (colonnes 77-78) non admis pour ce partenaire";
    case erreur::STATUT_DEPARTEMENT: return "statut de traitement (colonnes 77-78) non admis (départemental)";
    case erreur::STATUT_POINT_FOCAL: return "statut de traitement (colonnes 77-78) non admis (point focal)";
    default: return "";
    }
}

std::vector<sRegleTrouvee> reglesPortant(int numero, const sTableDecrite& corps) {
    std::vector<sRegleTrouvee> trouvees;
    for (const sTableDecrite& t : {tableEntete(), corps, tableFin()}) {
        for (int i = 0; i < t.nombre; ++i) {
            if (t.regles[i].pfVerif != nullptr && t.regles[i].noErr == numero) trouvees.push_back({t, i});
        }
    }
    return trouvees;
}
