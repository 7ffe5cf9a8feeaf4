// Result, error and log files.
#include "driver/sorties.h"

#include <fcntl.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>

namespace {

// Copies columns debut..fin (1-based) of a record; columns past the end of a
// short record are blanks, so every output record keeps its 256 columns.
char* copierColonnes(char* destination, const char* ligne, int longueur, int debut, int fin) {
    for (int colonne = debut; colonne <= fin; ++colonne) {
        *destination++ = colonne <= longueur ? ligne[colonne - 1] : ' ';
    }
    return destination;
}

char* copierTexte(char* destination, const char* texte, size_t largeur) {
    std::memcpy(destination, texte, largeur);
    return destination + largeur;
}

char* copierBlancs(char* destination, size_t largeur) {
    std::memset(destination, ' ', largeur);
    return destination + largeur;
}

// Copies a field into a fixed width: its first `largeur` columns, blanks after
// a shorter field or when there is no field (debut 0).
char* copierChamp(char* destination, const char* ligne, int longueur, int debut, int fin, int largeur) {
    if (debut == 0) return copierBlancs(destination, static_cast<size_t>(largeur));
    const int fournis = fin - debut + 1;
    if (fournis >= largeur) return copierColonnes(destination, ligne, longueur, debut, debut + largeur - 1);
    destination = copierColonnes(destination, ligne, longueur, debut, fin);
    return copierBlancs(destination, static_cast<size_t>(largeur - fournis));
}

char* copierNombre6(char* destination, int valeur) {
    char texte[16];
    std::snprintf(texte, sizeof texte, "%06d", valeur);
    return copierTexte(destination, texte, 6);
}

std::tm heureLocale() {
    const std::time_t maintenant = std::time(nullptr);
    std::tm local{};
    localtime_r(&maintenant, &local);
    return local;
}

// Removes a file that this run created, with a second attempt when the
// first fails: a file left behind would stand in the way of the next run over
// a file of the same name, or pass for an answer. A name already gone counts
// as removed.
bool retirer(const std::string& chemin) {
    for (int tentative = 0; tentative < 2; ++tentative) {
        if (ops::supprimer(chemin.c_str()) == 0 || errno == ENOENT) return true;
    }
    std::perror("remove");
    return false;
}

// Removes the outputs that this run created.
void supprimerSorties(sExecution& ctx) {
    if (ctx.tmpEmisCree && retirer(ctx.name_tmp_emis)) ctx.tmpEmisCree = false;
    if (ctx.erreCree && retirer(ctx.name_erre)) ctx.erreCree = false;
    if (ctx.emisCree && retirer(ctx.name_emis)) ctx.emisCree = false;
}

void fermerJournal(sExecution& ctx) {
    ctx.fp_log.fermer(false);
    ctx.journalEcrit = true;
}

// Columns 63 to 125 of the accepted summary record, and the rest of it.
void faireVSEFICHOk(const sExecution& ctx, int nombreDeVSE, char enregistrement[LONGUEUR_VSE]) {
    const char* fich = ctx.moteur.tamponFich;
    const int lg = ctx.moteur.longueurFich;
    char* p = copierColonnes(enregistrement, fich, lg, 1, 18);
    p = copierTexte(p, "INF", 3);
    p = copierColonnes(p, fich, lg, 22, 62);
    p = copierColonnes(p, fich, lg, 63, 112);
    p = copierNombre6(p, nombreDeVSE);
    p = copierColonnes(p, fich, lg, 119, 125);
    p = copierBlancs(p, 105);
    copierColonnes(p, fich, lg, 231, 256);
}

// The refused summary record: emitter and receiver exchanged, the counts of
// records in error and of good records, and a trailer stamped now.
void faireVSEFICHNok(const sExecution& ctx, int nbVSE_Err, int nombreDeVSE, int bons,
                     char enregistrement[LONGUEUR_VSE]) {
    const char* fich = ctx.moteur.tamponFich;
    const int lg = ctx.moteur.longueurFich;
    char* p = copierColonnes(enregistrement, fich, lg, 1, 2);
    p = copierColonnes(p, fich, lg, 11, 18);
    p = copierColonnes(p, fich, lg, 3, 10);
    p = copierTexte(p, "INF", 3);
    p = copierColonnes(p, fich, lg, 22, 62);
    p = copierColonnes(p, fich, lg, 63, 78);
    p = copierColonnes(p, fich, lg, 63, 78);
    p = copierNombre6(p, nbVSE_Err);
    p = copierNombre6(p, nombreDeVSE);
    p = copierNombre6(p, nbVSE_Err);
    p = copierNombre6(p, bons);
    p = copierColonnes(p, fich, lg, 119, 124);
    p = copierTexte(p, "1", 1);
    p = copierBlancs(p, 105);
    char trailer[36];
    prepareVSEDate(trailer);
    copierTexte(p, trailer, 26);
}

// One of the two outputs under construction: its stream, its temporary name,
// whether the run created it (and so may remove it), and the message of a
// failure to deliver it.
struct Sortie {
    FichierSortie& fichier;
    const std::string& nom;
    bool& cree;
    const char* messageEchec;
};

Sortie resultat(sExecution& ctx) { return {ctx.fp_emis, ctx.name_tmp_emis, ctx.tmpEmisCree, message::IG004}; }
Sortie erreurs(sExecution& ctx) { return {ctx.fp_erre, ctx.name_erre, ctx.erreCree, message::IG002}; }

// Renames the output to deliver to the name of the file to send, and makes
// the new name durable. 0 when delivered; 1 when not (the message is logged).
int emettre(sExecution& ctx, const Sortie& livree) {
    if (ops::renommer(livree.nom.c_str(), ctx.name_emis.c_str()) != 0) {
        std::perror("rename");
        return echouer(ctx, message::IG010);
    }
    // The delivered file now stands under the name of the file to send.
    livree.cree = false;
    ctx.emisCree = true;
    if (ops::synchroniserRepertoire(ctx.name_emis.c_str()) != 0) {
        std::perror("fsync");
        return echouer(ctx, livree.messageEchec);
    }
    return 0;
}

// Closes the files, then delivers one output once every byte of it is on
// disk; the other output goes before the delivery, and the input copy only
// after it, so that once the input copy is removed no temporary name of this
// run is left.
int livrer(sExecution& ctx, const Sortie& livree, const Sortie& autre, int code) {
    ctx.fp_recu.fermer();
    if (!livree.fichier.fermer(true)) {
        std::perror("write");
        return echouer(ctx, livree.messageEchec);
    }
    autre.fichier.fermer(false);
    if (autre.cree && retirer(autre.nom)) autre.cree = false;
    if (emettre(ctx, livree) != 0) return 1;
    if (retirer(ctx.name_tmp_recu)) ctx.recuDeplace = false;
    fermerJournal(ctx);
    return code;
}

}  // namespace

void prepareVSEDate(char VSEDate[36]) {
    const std::tm t = heureLocale();
    char texte[96];
    std::snprintf(texte, sizeof texte, "%02d%02d%04d%02d%02d%02d%s%s%s", t.tm_mday, t.tm_mon + 1,
                  t.tm_year + 1900, t.tm_hour, t.tm_min, t.tm_sec, "025", "        ", "*");
    std::memcpy(VSEDate, texte, 26);
    VSEDate[26] = '\0';
}

void consigner(sExecution& ctx, const char* erreur) {
    if (ctx.journalEcrit) return;
    const std::tm t = heureLocale();
    char ligne[512];
    const int n = std::snprintf(ligne, sizeof ligne, "Le %02d/%02d/%04d a %02d:%02d:%02d : %s\n", t.tm_mday,
                                t.tm_mon + 1, t.tm_year + 1900, t.tm_hour, t.tm_min, t.tm_sec, erreur);
    ctx.fp_log.ecrire(ligne, static_cast<size_t>(n < static_cast<int>(sizeof ligne) ? n : sizeof ligne - 1));
    ctx.journalEcrit = true;
    if (!ctx.fp_log.fermer(false)) std::perror("Ecriture du fichier log");
}

void initFichier(sExecution& ctx) {
    char blancs[LONGUEUR_VSE];
    std::memset(blancs, ' ', sizeof blancs);
    ctx.fp_emis.ecrire(blancs, sizeof blancs);
    ctx.fp_erre.ecrire(blancs, sizeof blancs);
}

void allCloseFile(sExecution& ctx) {
    ctx.fp_recu.fermer();
    ctx.fp_emis.fermer(false);
    ctx.fp_erre.fermer(false);
}

bool nePasEmettre(sExecution& ctx) {
    // The outputs go first: once the input is back under its own name, this
    // run holds no name that another run over a file of the same name needs.
    supprimerSorties(ctx);
    if (ctx.recuDeplace) {
        // Never over a file that arrived under the input's name meanwhile.
        if (ops::renommerSansEcraser(ctx.name_tmp_recu.c_str(), ctx.name_recu.c_str()) != 0) {
            std::perror("rename");
            consigner(ctx, message::IG009);
            return false;
        }
        ctx.recuDeplace = false;
    }
    return true;
}

int echouer(sExecution& ctx, const char* erreur) {
    allCloseFile(ctx);
    if (nePasEmettre(ctx)) consigner(ctx, erreur);
    return 1;
}

void construireVSEERR(const sExecution& ctx, const sVSERepondu& r, const int* codes, int n,
                      char enregistrement[LONGUEUR_VSE]) {
    const char* l = r.ligne;
    const int lg = r.longueur;
    char* p = copierColonnes(enregistrement, l, lg, 1, 2);   // E1, E2
    p = copierColonnes(p, l, lg, 11, 18);                    // E4: the receiver answers
    p = copierColonnes(p, l, lg, 3, 10);                     // E3
    p = copierTexte(p, "ERRERRE", 7);
    p = copierColonnes(p, l, lg, 26, 26);                    // E7
    p = copierTexte(p, "INTERFAC", 8);
    p = copierColonnes(p, l, lg, 35, 42);                    // E9
    p = copierColonnes(p, ctx.moteur.tamponFich, ctx.moteur.longueurFich, 3, 10);  // emitter of the file
    p = copierColonnes(p, l, lg, 51, 62);                    // E11, E12, E13
    p = copierColonnes(p, l, lg, 22, 25);                    // E6: type of the answered record
    p = copierColonnes(p, l, lg, 19, 21);                    // E5: its action
    if (r.corpsEnBlanc) {
        p = copierBlancs(p, 14);
    } else if (r.erre) {
        p = copierColonnes(p, l, lg, 63, 69);
        p = copierBlancs(p, 7);
    } else {
        p = copierColonnes(p, l, lg, 63, 76);
    }
    p = copierBlancs(p, 14);
    p = copierChamp(p, l, lg, r.debutC7, r.finC7, 2);
    p = copierChamp(p, l, lg, r.debutC8, r.finC8, 12);
    if (n > 10) n = 10;
    for (int i = 0; i < n; ++i) {
        // "I%03d1": the letter I, the number in three digits, the digit 1.
        const int numero = codes[i] % 1000;
        *p++ = 'I';
        *p++ = static_cast<char>('0' + numero / 100);
        *p++ = static_cast<char>('0' + numero / 10 % 10);
        *p++ = static_cast<char>('0' + numero % 10);
        *p++ = '1';
    }
    p = copierBlancs(p, static_cast<size_t>(enregistrement + 230 - p));
    copierTexte(p, ctx.VSEDate, 26);
}

void faireVSEERR(sExecution& ctx, const sVSERepondu& repondu, int nbErreurPassee, const int* codes) {
    if (nbErreurPassee > 10) {
        nbErreurPassee = 10;
        ctx.moteur.nbErreur = 10;
    }
    char enregistrement[LONGUEUR_VSE];
    construireVSEERR(ctx, repondu, codes, nbErreurPassee, enregistrement);
    ctx.fp_erre.ecrire(enregistrement, sizeof enregistrement);
}

void faireTamponVSEERR(sExecution& ctx, int codeErr, const sVSERepondu& repondu) {
    construireVSEERR(ctx, repondu, &codeErr, 1, ctx.sauvTamponVSE);
    ctx.sauvTamponVSE[LONGUEUR_VSE] = '\0';
}

void ecrireVerdict(sExecution& ctx, const sVerdict& v, int formatDuFichier) {
    ctx.existDependanceVSEerr = 0;
    if (v.issue == sVerdict::Issue::accepte) {
        faireFinDeLigne(ctx.fp_emis, formatDuFichier);
        ctx.fp_emis.ecrire(v.octets, static_cast<size_t>(v.longueur));
    } else if (v.issue == sVerdict::Issue::refuse) {
        faireFinDeLigne(ctx.fp_erre, formatDuFichier);
        faireVSEERR(ctx, v.repondu, v.nbErreur, v.codes);
    }
    if (v.appariementDu) {
        ecrireAppariement(ctx, formatDuFichier);
        ctx.existDependanceVSEerr = 1;
    }
    if (v.appariementPrepare != 0) faireTamponVSEERR(ctx, v.appariementPrepare, v.repondu);
}

void ecrireAppariement(sExecution& ctx, int formatDuFichier) {
    faireFinDeLigne(ctx.fp_erre, formatDuFichier);
    ctx.fp_erre.ecrire(ctx.sauvTamponVSE, LONGUEUR_VSE);
}

int faireVSEFICH(sExecution& ctx, int nbVSE_Err, int nombreDeVSE, int formatDuFichier) {
    char enregistrement[LONGUEUR_VSE];
    if (nbVSE_Err == 0 && ctx.moteur.errFich == 0) {
        faireFinDeLigne(ctx.fp_emis, formatDuFichier);
        faireVSEFICHOk(ctx, nombreDeVSE, enregistrement);
        ctx.fp_emis.reecrireDebut(enregistrement, sizeof enregistrement);
        return livrer(ctx, resultat(ctx), erreurs(ctx), 0);
    }
    faireFinDeLigne(ctx.fp_erre, formatDuFichier);
    int bons = nombreDeVSE - nbVSE_Err;
    if (ctx.moteur.errFich > 0) {
        // The FICH record answered last, its body fields echoed as blanks.
        sVSERepondu fich;
        fich.ligne = ctx.moteur.tamponFich;
        fich.longueur = ctx.moteur.longueurFich;
        fich.corpsEnBlanc = true;
        faireVSEERR(ctx, fich, ctx.moteur.errFich, ctx.moteur.codeFichErreur);
        faireFinDeLigne(ctx.fp_erre, formatDuFichier);
        bons += 1;
    }
    faireVSEFICHNok(ctx, nbVSE_Err, nombreDeVSE, bons, enregistrement);
    ctx.fp_erre.reecrireDebut(enregistrement, sizeof enregistrement);
    return livrer(ctx, erreurs(ctx), resultat(ctx), 2);
}
