// The reference layer, at the bottom of the stack: the allowed-value
// tables, and nothing else; it includes nothing of src/.
//
// Allowed-value tables: every list of values that a field rule or a check
// compares against. Each table is a constant array of strings with a separate
// count named Len followed by the table's name; entries keep the exact width of
// the field they are compared with, trailing blanks included.
//
// Pair and triple tables are flat lists read in groups; their count is the
// number of strings, except LenTEDC, which counts pairs.
//
// The tables were transcribed from the reference lists with a throwaway script
// (one list per table, entries kept in their stored order); none is generated
// at build time. TABLES_DE_REFERENCE below is the one list of them: it makes
// their declarations here and the registry of the indexes, so that a table
// added to the list is declared and indexed together.
#pragma once

using tValAutorise = const char*;

// Stands for the absence of a table in a rule.
extern const int Len0;

// Every table, by group: X(name) for each.
#define TABLES_DE_REFERENCE(X) \
    /* Header, trailer and action vocabulary */ \
    X(tE5) X(tE6) X(tE6CRE) X(tE6INV) X(tE6MOD) X(tE6DEM) X(tE6EDI) X(tE6INF) X(TEC) X(TDC) \
    X(BDN031) X(BDN8) X(TOUQ) X(NOUU) X(versionVSE) X(ET1) \
    /* Countries and administrative areas */ \
    X(FR) X(TCEE) X(TECH) X(TCPNOCEE) X(TP) X(TD) X(TDD) \
    /* Codes of single fields */ \
    X(SEX) X(BOOL) X(BOOLFal) X(TR) X(TRG) X(TTE) X(TCEP) X(TRSCRE) X(TRSMOD) X(PROD) X(PROD_E) \
    X(PROD_EV) X(FIL_V) X(ELV_V) X(CAT_RECEN) X(TYP_COM) X(TYP_NUMERO) X(TYP_IDENT) X(UTIL_BOUC) \
    X(TEMOIN) X(C2_MODEL) X(C3_MODEL) X(C2_MODEL_BV) X(C3_MODEL_BV) X(FAB_REP) X(NB) X(ZERO) \
    X(UN) X(ET4) X(ET12) \
    /* Blank patterns */ \
    X(quatreBlancs) X(cinqBlancs) X(HuitBlancs) X(HuitBlancsFal) X(DouzeBlancs) X(vingtBlancs) \
    X(quatorzeBlancs) X(trenteBlancs) X(soixanteBlancs) \
    /* Cut-off dates (DDMMYYYY) */ \
    X(P5) X(P6) X(P7) X(P8) X(P17) X(P18) \
    /* Tables read in groups: pairs (code, date or code) and triples (code, lower, upper) */ \
    X(TCMS) X(TCME) X(TEDC) X(NEV) X(IND_M)

#define DECLARER_TABLE_DE_REFERENCE(t) \
    extern const tValAutorise t[]; \
    extern const int Len##t;
TABLES_DE_REFERENCE(DECLARER_TABLE_DE_REFERENCE)
#undef DECLARER_TABLE_DE_REFERENCE
