// The records layer: the body rule table of every record type, one file per
// type with the checks of its own, the body table of the file-header record
// FICH, and the switch table tAiguillage (aiguillage.cpp), which is the list
// of types. It may use src/checks, src/model and src/reference, never
// src/engine or src/driver.
#pragma once

#include "model/modele.h"

// The switch table: one entry per record type, then the closing entry.
inline constexpr int LEN_AIGUILLAGE = 27;
inline constexpr int ERR_AIGUILLAGE = 26;
extern const sAiguillage tAiguillage[LEN_AIGUILLAGE];

// Index of the switch-table entry for a record type (whole-string comparison,
// first equal entry), or ERR_AIGUILLAGE when the type is not in the table.
int chercherAiguillage(const char* typeVSE);

extern const sCorps tAbat[];
extern const int lAbat;
extern const sCorps tActi[];
extern const int lActi;
extern const sCorps tAsso[];
extern const int lAsso;
extern const sCorps tDete[];
extern const int lDete;
extern const sCorps tDeti[];
extern const int lDeti;
extern const sCorps tEcbo[];
extern const int lEcbo;
extern const sCorps tEcha[];
extern const int lEcha;
extern const sCorps tEget[];
extern const int lEget;
extern const sCorps tEntr[];
extern const int lEntr;
extern const sCorps tErre[];
extern const int lErre;
extern const sCorps tErti[];
extern const int lErti;
extern const sCorps tExp1[];
extern const int lExp1;
extern const sCorps tExp2[];
extern const int lExp2;
extern const sCorps tGroc[];
extern const int lGroc;
extern const sCorps tImoc[];
extern const int lImoc;
extern const sCorps tImpo[];
extern const int lImpo;
extern const sCorps tInfo[];
extern const int lInfo;
extern const sCorps tNais[];
extern const int lNais;
extern const sCorps tNuma[];
extern const int lNuma;
extern const sCorps tNvmn[];
extern const int lNvmn;
extern const sCorps tPass[];
extern const int lPass;
extern const sCorps tPico[];
extern const int lPico;
extern const sCorps tRaco[];
extern const int lRaco;
extern const sCorps tRata[];
extern const int lRata;
extern const sCorps tRebo[];
extern const int lRebo;
extern const sCorps tSort[];
extern const int lSort;
extern const sCorps tFich[];
extern const int lFich;

// Labels of the body fields, in French, one table per record type beside its
// rule table: what each field holds, for the report program's readers.
struct sLibelle {
    numCorpsVSE champ;      // the field (numChamp of its rules)
    const char* libelle;
};
extern const sLibelle libAbat[];
extern const int nbLibAbat;
extern const sLibelle libActi[];
extern const int nbLibActi;
extern const sLibelle libAsso[];
extern const int nbLibAsso;
extern const sLibelle libDete[];
extern const int nbLibDete;
extern const sLibelle libDeti[];
extern const int nbLibDeti;
extern const sLibelle libEcbo[];
extern const int nbLibEcbo;
extern const sLibelle libEcha[];
extern const int nbLibEcha;
extern const sLibelle libEget[];
extern const int nbLibEget;
extern const sLibelle libEntr[];
extern const int nbLibEntr;
extern const sLibelle libErre[];
extern const int nbLibErre;
extern const sLibelle libErti[];
extern const int nbLibErti;
extern const sLibelle libExp1[];
extern const int nbLibExp1;
extern const sLibelle libExp2[];
extern const int nbLibExp2;
extern const sLibelle libGroc[];
extern const int nbLibGroc;
extern const sLibelle libImoc[];
extern const int nbLibImoc;
extern const sLibelle libImpo[];
extern const int nbLibImpo;
extern const sLibelle libInfo[];
extern const int nbLibInfo;
extern const sLibelle libNais[];
extern const int nbLibNais;
extern const sLibelle libNuma[];
extern const int nbLibNuma;
extern const sLibelle libNvmn[];
extern const int nbLibNvmn;
extern const sLibelle libPass[];
extern const int nbLibPass;
extern const sLibelle libPico[];
extern const int nbLibPico;
extern const sLibelle libRaco[];
extern const int nbLibRaco;
extern const sLibelle libRata[];
extern const int nbLibRata;
extern const sLibelle libRebo[];
extern const int nbLibRebo;
extern const sLibelle libSort[];
extern const int nbLibSort;
extern const sLibelle libFich[];
extern const int nbLibFich;
