// The checks layer: the free check functions that rule tables name (generic
// checks here; identifiers, coherence, dates, comparisons and numbers in the
// other headers), the byte helpers and the index of the reference tables.
// It may use src/model and src/reference, never src/records, src/engine or
// src/driver.
//
// Generic checks: list membership, presence of a value, blank placement, the
// action/record-type pairing of the header, and two value predicates.
#pragma once

// Check contract: see pfVerif_t in model/modele.h.
int fVerifValAut(const char* dependance, char* champ, const void* sverif, int lenSverif);
int fVerifDiffNull(const char* dependance, char* champ, const void* sverif, int lenSverif);
int fVerifAucunBlanc(const char* dependance, char* champ, const void* sverif, int lenSverif);
int fVerifAucunBlanc_SD(const char* dependance, char* champ, const void* sverif, int lenSverif);
int fVerifDepE6(const char* dependance, char* champ, const void* sverif, int lenSverif);

// List membership of a value that is not a rule's field (a key cut from a
// value, a code read from another slot): same answer as fVerifValAut.
// The tables of valautorise.h are looked up in their index, any other table
// is scanned by estDansTableParcours; both give the same answers.
int estDansTable(const char* valeur, const void* sverif, int lenSverif);
// The partner codes, then the first lenSverif strings of the table, in turn.
int estDansTableParcours(const char* valeur, const void* sverif, int lenSverif);

class IndexValeurs;
// The index that estDansTable consults for a table read with lenSverif
// strings (with the partner codes), or null when the table is scanned.
const IndexValeurs* indexDeTable(const void* sverif, int lenSverif);


// 1 when champ is empty or only blanks.
int champVide(const char* champ);
// 1 when champ is a complete, valid date DDMMYYYY from 1900 on.
int verifDateCompleteEtCorrecte(const char* champ);
