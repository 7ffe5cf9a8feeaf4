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
