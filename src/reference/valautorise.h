// Allowed-value tables: every list of values that a field rule or a check
// compares against. Each table is a constant array of strings with a separate
// count named Len followed by the table's name; entries keep the exact width of
// the field they are compared with, trailing blanks included.
//
// Pair and triple tables are flat lists read in groups; their count is the
// number of strings, except LenTEDC, which counts pairs.
//
// Generated from the reference lists; edit the lists, not the layout.
#pragma once

using tValAutorise = const char*;

// Stands for the absence of a table in a rule.
extern const int Len0;

// Header, trailer and action vocabulary
extern const tValAutorise tE5[];
extern const int LentE5;
extern const tValAutorise tE6[];
extern const int LentE6;
extern const tValAutorise tE6CRE[];
extern const int LentE6CRE;
extern const tValAutorise tE6INV[];
extern const int LentE6INV;
extern const tValAutorise tE6MOD[];
extern const int LentE6MOD;
extern const tValAutorise tE6DEM[];
extern const int LentE6DEM;
extern const tValAutorise tE6EDI[];
extern const int LentE6EDI;
extern const tValAutorise tE6INF[];
extern const int LentE6INF;
extern const tValAutorise TEC[];
extern const int LenTEC;
extern const tValAutorise TDC[];
extern const int LenTDC;
extern const tValAutorise BDN031[];
extern const int LenBDN031;
extern const tValAutorise BDN8[];
extern const int LenBDN8;
extern const tValAutorise TOUQ[];
extern const int LenTOUQ;
extern const tValAutorise NOUU[];
extern const int LenNOUU;
extern const tValAutorise versionVSE[];
extern const int LenversionVSE;
extern const tValAutorise ET1[];
extern const int LenET1;

// Countries and administrative areas
extern const tValAutorise FR[];
extern const int LenFR;
extern const tValAutorise TCEE[];
extern const int LenTCEE;
extern const tValAutorise TECH[];
extern const int LenTECH;
extern const tValAutorise TCPNOCEE[];
extern const int LenTCPNOCEE;
extern const tValAutorise TP[];
extern const int LenTP;
extern const tValAutorise TD[];
extern const int LenTD;
extern const tValAutorise TDD[];
extern const int LenTDD;

// Codes of single fields
extern const tValAutorise SEX[];
extern const int LenSEX;
extern const tValAutorise BOOL[];
extern const int LenBOOL;
extern const tValAutorise BOOLFal[];
extern const int LenBOOLFal;
extern const tValAutorise TR[];
extern const int LenTR;
extern const tValAutorise TRG[];
extern const int LenTRG;
extern const tValAutorise TTE[];
extern const int LenTTE;
extern const tValAutorise TCEP[];
extern const int LenTCEP;
extern const tValAutorise TRSCRE[];
extern const int LenTRSCRE;
extern const tValAutorise TRSMOD[];
extern const int LenTRSMOD;
extern const tValAutorise PROD[];
extern const int LenPROD;
extern const tValAutorise PROD_E[];
extern const int LenPROD_E;
extern const tValAutorise PROD_EV[];
extern const int LenPROD_EV;
extern const tValAutorise FIL_V[];
extern const int LenFIL_V;
extern const tValAutorise ELV_V[];
extern const int LenELV_V;
extern const tValAutorise CAT_RECEN[];
extern const int LenCAT_RECEN;
extern const tValAutorise TYP_COM[];
extern const int LenTYP_COM;
extern const tValAutorise TYP_NUMERO[];
extern const int LenTYP_NUMERO;
extern const tValAutorise TYP_IDENT[];
extern const int LenTYP_IDENT;
extern const tValAutorise UTIL_BOUC[];
extern const int LenUTIL_BOUC;
extern const tValAutorise TEMOIN[];
extern const int LenTEMOIN;
extern const tValAutorise C2_MODEL[];
extern const int LenC2_MODEL;
extern const tValAutorise C3_MODEL[];
extern const int LenC3_MODEL;
extern const tValAutorise C2_MODEL_BV[];
extern const int LenC2_MODEL_BV;
extern const tValAutorise C3_MODEL_BV[];
extern const int LenC3_MODEL_BV;
extern const tValAutorise FAB_REP[];
extern const int LenFAB_REP;
extern const tValAutorise NB[];
extern const int LenNB;
extern const tValAutorise ZERO[];
extern const int LenZERO;
extern const tValAutorise UN[];
extern const int LenUN;
extern const tValAutorise ET4[];
extern const int LenET4;
extern const tValAutorise ET12[];
extern const int LenET12;

// Blank patterns
extern const tValAutorise quatreBlancs[];
extern const int LenquatreBlancs;
extern const tValAutorise cinqBlancs[];
extern const int LencinqBlancs;
extern const tValAutorise HuitBlancs[];
extern const int LenHuitBlancs;
extern const tValAutorise HuitBlancsFal[];
extern const int LenHuitBlancsFal;
extern const tValAutorise DouzeBlancs[];
extern const int LenDouzeBlancs;
extern const tValAutorise vingtBlancs[];
extern const int LenvingtBlancs;
extern const tValAutorise quatorzeBlancs[];
extern const int LenquatorzeBlancs;
extern const tValAutorise trenteBlancs[];
extern const int LentrenteBlancs;
extern const tValAutorise soixanteBlancs[];
extern const int LensoixanteBlancs;

// Cut-off dates (DDMMYYYY)
extern const tValAutorise P5[];
extern const int LenP5;
extern const tValAutorise P6[];
extern const int LenP6;
extern const tValAutorise P7[];
extern const int LenP7;
extern const tValAutorise P8[];
extern const int LenP8;
extern const tValAutorise P17[];
extern const int LenP17;
extern const tValAutorise P18[];
extern const int LenP18;

// Tables read in groups: pairs (code, date or code) and triples (code, lower, upper)
extern const tValAutorise TCMS[];
extern const int LenTCMS;
extern const tValAutorise TCME[];
extern const int LenTCME;
extern const tValAutorise TEDC[];
extern const int LenTEDC;
extern const tValAutorise NEV[];
extern const int LenNEV;
extern const tValAutorise IND_M[];
extern const int LenIND_M;
