// Allowed-value tables (see valautorise.h). Entries in stored order.
#include "reference/valautorise.h"

const int Len0 = 0;

// Header, trailer and action vocabulary

const tValAutorise tE5[] = {
    "CRE", "INV", "MOD", "DEM", "EDI", "INF", "ECQ",
};
const int LentE5 = static_cast<int>(sizeof tE5 / sizeof tE5[0]);

const tValAutorise tE6[] = {
    "ABAT", "ACTI", "ASSO", "DETE", "DETI", "ECBO", "ECHA", "EGET", "ENTR", "ERRE", "ERTI",
    "EXP1", "EXP2", "FICH", "GROC", "IMOC", "IMPO", "INFO", "NAIS", "NUMA", "NVMN", "PASS",
    "PICO", "RACO", "RATA", "REBO", "SORT",
};
const int LentE6 = static_cast<int>(sizeof tE6 / sizeof tE6[0]);

const tValAutorise tE6CRE[] = {
    "ABAT", "ACTI", "ASSO", "DETE", "DETI", "ECBO", "ECHA", "EGET", "ENTR", "ERTI", "EXP1",
    "EXP2", "GROC", "IMPO", "IMOC", "NAIS", "NUMA", "NVMN", "PICO", "RACO", "RATA", "REBO",
    "SORT",
};
const int LentE6CRE = static_cast<int>(sizeof tE6CRE / sizeof tE6CRE[0]);

const tValAutorise tE6INV[] = {
    "ABAT", "ACTI", "ASSO", "DETE", "DETI", "ECBO", "ECHA", "EGET", "ENTR", "ERTI", "EXP1",
    "EXP2", "IMPO", "IMOC", "NAIS", "NVMN", "PASS", "REBO", "RACO", "SORT",
};
const int LentE6INV = static_cast<int>(sizeof tE6INV / sizeof tE6INV[0]);

const tValAutorise tE6MOD[] = {
    "ABAT", "ACTI", "ASSO", "DETE", "DETI", "ECHA", "EGET", "ENTR", "ERTI", "EXP1", "EXP2",
    "IMPO", "NAIS", "NUMA", "NVMN", "RACO", "RATA", "REBO", "SORT",
};
const int LentE6MOD = static_cast<int>(sizeof tE6MOD / sizeof tE6MOD[0]);

const tValAutorise tE6DEM[] = {
    "DETE", "GROC", "INFO", "NAIS", "PASS",
};
const int LentE6DEM = static_cast<int>(sizeof tE6DEM / sizeof tE6DEM[0]);

const tValAutorise tE6EDI[] = {
    "PASS",
};
const int LentE6EDI = static_cast<int>(sizeof tE6EDI / sizeof tE6EDI[0]);

const tValAutorise tE6INF[] = {
    "FICH",
};
const int LentE6INF = static_cast<int>(sizeof tE6INF / sizeof tE6INF[0]);

const tValAutorise TEC[] = {
    "001IPG  ", "003IPG  ", "013ARS  ", "018IPG  ", "021IPG  ", "023IPG  ", "025ARS  ",
    "036IPG  ", "038IPG  ", "042ARS  ", "043IPG  ", "054ARS  ", "058IPG  ", "059ARS  ",
    "063IPG  ", "071IPG  ", "074ARS  ", "081ARS  ", "089ARS  ", "350ARS  ", "020ARS  ",
    "971IPG  ", "972IPG  ", "973IPG  ", "974IPG  ", "976IPG  ",
};
const int LenTEC = static_cast<int>(sizeof TEC / sizeof TEC[0]);

const tValAutorise TDC[] = {
    "001IPG  ", "002IPG  ", "003IPG  ", "004IPG  ", "005IPG  ", "006IPG  ", "007IPG  ",
    "008IPG  ", "009IPG  ", "010IPG  ", "011IPG  ", "012IPG  ", "013IPG  ", "014IPG  ",
    "015IPG  ", "016IPG  ", "017IPG  ", "018IPG  ", "019IPG  ", "021IPG  ", "022IPG  ",
    "023IPG  ", "024IPG  ", "025IPG  ", "026IPG  ", "027IPG  ", "028IPG  ", "029IPG  ",
    "030IPG  ", "031IPG  ", "032IPG  ", "033IPG  ", "034IPG  ", "035IPG  ", "036IPG  ",
    "037IPG  ", "038IPG  ", "039IPG  ", "040IPG  ", "041IPG  ", "042IPG  ", "043IPG  ",
    "044IPG  ", "045IPG  ", "046IPG  ", "047IPG  ", "048IPG  ", "049IPG  ", "050IPG  ",
    "051IPG  ", "052IPG  ", "053IPG  ", "054IPG  ", "055IPG  ", "056IPG  ", "057IPG  ",
    "058IPG  ", "059IPG  ", "060IPG  ", "061IPG  ", "062IPG  ", "063IPG  ", "064IPG  ",
    "065IPG  ", "066IPG  ", "067IPG  ", "068IPG  ", "069IPG  ", "070IPG  ", "071IPG  ",
    "072IPG  ", "073IPG  ", "074IPG  ", "075IPG  ", "076IPG  ", "077IPG  ", "078IPG  ",
    "079IPG  ", "080IPG  ", "081IPG  ", "082IPG  ", "083IPG  ", "084IPG  ", "085IPG  ",
    "086IPG  ", "087IPG  ", "088IPG  ", "089IPG  ", "090IPG  ", "091IPG  ", "092IPG  ",
    "093IPG  ", "094IPG  ", "095IPG  ", "02AIPG  ", "02BIPG  ", "971IPG  ", "972IPG  ",
    "973IPG  ", "974IPG  ", "976IPG  ",
};
const int LenTDC = static_cast<int>(sizeof TDC / sizeof TDC[0]);

const tValAutorise BDN031[] = {
    "031BDN  ",
};
const int LenBDN031 = static_cast<int>(sizeof BDN031 / sizeof BDN031[0]);

const tValAutorise BDN8[] = {
    "BDN     ",
};
const int LenBDN8 = static_cast<int>(sizeof BDN8 / sizeof BDN8[0]);

const tValAutorise TOUQ[] = {
    "3", "4",
};
const int LenTOUQ = static_cast<int>(sizeof TOUQ / sizeof TOUQ[0]);

const tValAutorise NOUU[] = {
    "N", "U",
};
const int LenNOUU = static_cast<int>(sizeof NOUU / sizeof NOUU[0]);

const tValAutorise versionVSE[] = {
    "025",
};
const int LenversionVSE = static_cast<int>(sizeof versionVSE / sizeof versionVSE[0]);

const tValAutorise ET1[] = {
    "*",
};
const int LenET1 = static_cast<int>(sizeof ET1 / sizeof ET1[0]);

// Countries and administrative areas

const tValAutorise FR[] = {
    "FR",
};
const int LenFR = static_cast<int>(sizeof FR / sizeof FR[0]);

const tValAutorise TCEE[] = {
    "AT", "BE", "BG", "CY", "CZ", "DE", "DK", "EE", "EL", "ES", "FI", "FR", "HR", "HU", "IE",
    "IT", "LU", "LV", "LT", "MT", "NL", "PL", "PT", "RO", "SE", "SI", "UK", "SK", "XI",
};
const int LenTCEE = static_cast<int>(sizeof TCEE / sizeof TCEE[0]);

const tValAutorise TECH[] = {
    "AT", "BE", "BG", "CH", "CY", "CZ", "DE", "DK", "EE", "EL", "ES", "FI", "FR", "HR", "HU",
    "IE", "IT", "LU", "LV", "LT", "MT", "NL", "PL", "PT", "RO", "SE", "SI", "UK", "SK", "XI",
};
const int LenTECH = static_cast<int>(sizeof TECH / sizeof TECH[0]);

const tValAutorise TCPNOCEE[] = {
    "AF", "ZA", "AL", "DZ", "AD", "AO", "AI", "AQ", "AG", "AN", "SA", "AR", "AM", "AW", "AU",
    "AZ", "BS", "BH", "BD", "BB", "BY", "BZ", "BJ", "BM", "BT", "BO", "BA", "BW", "BV", "BR",
    "BN", "BF", "BI", "KY", "KH", "CM", "CA", "CV", "CF", "CL", "CN", "CX", "CC", "CO", "KM",
    "CG", "CK", "KR", "KP", "CR", "CI", "CU", "DJ", "DO", "DM", "EG", "SV", "AE", "EC", "ER",
    "US", "ET", "FK", "FO", "FJ", "FX", "GA", "GM", "GE", "GS", "GH", "GI", "GD", "GL", "GP",
    "GU", "GT", "GN", "GW", "GQ", "GY", "GF", "HT", "HM", "HN", "HK", "UM", "VG", "VI", "IN",
    "ID", "IR", "IQ", "IS", "IL", "JM", "JP", "JO", "KZ", "KE", "KG", "KI", "KW", "LA", "LS",
    "LB", "LR", "LY", "LI", "MO", "MG", "MY", "MW", "MV", "ML", "MP", "MA", "MH", "MQ", "MU",
    "MR", "YT", "MX", "FM", "MC", "MD", "MN", "MS", "MZ", "MM", "NA", "NR", "NP", "NI", "NE",
    "NG", "NU", "NF", "NO", "NC", "NZ", "IO", "OM", "UG", "UZ", "PK", "PW", "PA", "PG", "PY",
    "PE", "PH", "PN", "PF", "PR", "QA", "RE", "RU", "RW", "EH", "SH", "KN", "LC", "SM", "PM",
    "VC", "SB", "WS", "AS", "ST", "SN", "SC", "SL", "SG", "SO", "SD", "LK", "CH", "SR", "SJ",
    "SZ", "SY", "TJ", "TW", "TZ", "TD", "TF", "TH", "TG", "TK", "TO", "TT", "TN", "TM", "TC",
    "TR", "TV", "UA", "UY", "VU", "VA", "VE", "VN", "WF", "YE", "ZM", "ZW", "CD", "MK", "ME",
    "XS", "PS", "TL", "BL", "MF", "GB",
};
const int LenTCPNOCEE = static_cast<int>(sizeof TCPNOCEE / sizeof TCPNOCEE[0]);

const tValAutorise TP[] = {
    "AF", "ZA", "AL", "DZ", "DE", "AD", "AO", "AI", "AQ", "AG", "AN", "SA", "AR", "AM", "AW",
    "AU", "AT", "AZ", "BS", "BH", "BD", "BB", "BY", "BE", "BZ", "BJ", "BM", "BT", "BO", "BA",
    "BW", "BV", "BR", "BN", "BG", "BF", "BI", "KY", "KH", "CM", "CA", "CV", "CF", "CL", "CN",
    "CX", "CY", "CC", "CO", "KM", "CG", "CK", "KR", "KP", "CR", "CI", "HR", "CU", "DK", "DJ",
    "DO", "DM", "EG", "SV", "AE", "EC", "ER", "ES", "EE", "US", "ET", "FK", "FO", "FJ", "FI",
    "FR", "FX", "GA", "GM", "GE", "GS", "GH", "GI", "EL", "GD", "GL", "GP", "GU", "GT", "GN",
    "GW", "GQ", "GY", "GF", "HT", "HM", "HN", "HK", "HU", "UM", "VG", "VI", "IN", "ID", "IR",
    "IQ", "IE", "IS", "IL", "IT", "JM", "JP", "JO", "KZ", "KE", "KG", "KI", "KW", "LA", "LS",
    "LV", "LB", "LR", "LY", "LI", "LT", "LU", "MO", "MG", "MY", "MW", "MV", "ML", "MT", "MP",
    "MA", "", "MQ", "MU", "MR", "YT", "MX", "FM", "MC", "MD", "MN", "MS", "MZ", "MM", "NA",
    "NR", "NP", "NI", "NE", "NG", "NU", "NF", "NO", "NC", "NZ", "IO", "OM", "UG", "UZ", "PK",
    "PW", "PA", "PG", "PY", "NL", "PE", "PH", "PN", "PL", "PF", "PR", "PT", "QA", "RE", "RO",
    "UK", "RU", "RW", "EH", "SH", "KN", "LC", "SM", "PM", "VC", "SB", "WS", "AS", "ST", "SN",
    "SC", "SL", "SG", "SK", "SI", "SO", "SD", "LK", "SE", "CH", "SR", "SJ", "SZ", "SY", "TJ",
    "TW", "TZ", "TD", "CZ", "TF", "TH", "TG", "TK", "TO", "TT", "TN", "TM", "TC", "TR", "TV",
    "UA", "UY", "VU", "VA", "VE", "VN", "WF", "YE", "ZM", "ZW", "CD", "MK", "ME", "RS", "PS",
    "TL", "BL", "MF", "GB", "XI",
};
const int LenTP = static_cast<int>(sizeof TP / sizeof TP[0]);

const tValAutorise TD[] = {
    "01", "02", "03", "04", "05", "06", "07", "08", "09", "10", "11", "12", "13", "14", "15",
    "16", "17", "18", "19", "21", "22", "23", "24", "25", "26", "27", "28", "29", "30", "31",
    "32", "33", "34", "35", "36", "37", "38", "39", "40", "41", "42", "43", "44", "45", "46",
    "47", "48", "49", "50", "51", "52", "53", "54", "55", "56", "57", "58", "59", "60", "61",
    "62", "63", "64", "65", "66", "67", "68", "69", "70", "71", "72", "73", "74", "75", "76",
    "77", "78", "79", "80", "81", "82", "83", "84", "85", "86", "87", "88", "89", "90", "91",
    "92", "93", "94", "95", "20", "97", "98",
};
const int LenTD = static_cast<int>(sizeof TD / sizeof TD[0]);

const tValAutorise TDD[] = {
    "001", "002", "003", "004", "005", "006", "007", "008", "009", "010", "011", "012", "013",
    "014", "015", "016", "017", "018", "019", "021", "022", "023", "024", "025", "026", "027",
    "028", "029", "030", "031", "032", "033", "034", "035", "036", "037", "038", "039", "040",
    "041", "042", "043", "044", "045", "046", "047", "048", "049", "050", "051", "052", "053",
    "054", "055", "056", "057", "058", "059", "060", "061", "062", "063", "064", "065", "066",
    "067", "068", "069", "070", "071", "072", "073", "074", "075", "076", "077", "078", "079",
    "080", "081", "082", "083", "084", "085", "086", "087", "088", "089", "090", "091", "092",
    "093", "094", "095", "02A", "02B", "971", "972", "973", "976", "974", "098",
};
const int LenTDD = static_cast<int>(sizeof TDD / sizeof TDD[0]);

// Codes of single fields

const tValAutorise SEX[] = {
    "1", "2",
};
const int LenSEX = static_cast<int>(sizeof SEX / sizeof SEX[0]);

const tValAutorise BOOL[] = {
    "0", "1",
};
const int LenBOOL = static_cast<int>(sizeof BOOL / sizeof BOOL[0]);

const tValAutorise BOOLFal[] = {
    " ", "*", "0", "1",
};
const int LenBOOLFal = static_cast<int>(sizeof BOOLFal / sizeof BOOLFal[0]);

const tValAutorise TR[] = {
    "00", "10", "11", "12", "13", "14", "15", "17", "18", "19", "20", "21", "22", "23", "24",
    "25", "26", "28", "29", "30", "31", "32", "33", "34", "35", "36", "37", "38", "39", "41",
    "42", "43", "44", "45", "46", "48", "49", "51", "52", "53", "54", "55", "56", "57", "58",
    "61", "63", "64", "65", "66", "69", "71", "72", "73", "74", "75", "76", "77", "78", "79",
    "80", "81", "82", "85", "86", "88", "90", "92", "95", "97",
};
const int LenTR = static_cast<int>(sizeof TR / sizeof TR[0]);

const tValAutorise TRG[] = {
    "10", "12", "14", "15", "16", "17", "18", "19", "20", "21", "22", "23", "24", "25", "26",
    "27", "28", "29", "30", "31", "32", "33", "34", "35", "36", "37", "38", "39", "40", "41",
    "42", "43", "44", "45", "46", "47", "48", "49", "50", "51", "52", "53", "54", "55", "56",
    "57", "58", "59", "60", "61", "62", "63", "65", "66", "67", "68", "69", "70", "71", "72",
    "73", "74", "75", "76", "77", "78", "79", "81", "82", "83", "84", "85", "86", "87", "88",
    "89", "91", "92", "94", "95", "96", "97", "98", "99",
};
const int LenTRG = static_cast<int>(sizeof TRG / sizeof TRG[0]);

const tValAutorise TTE[] = {
    "10", "20", "31", "32", "33", "34", "40", "50", "90",
};
const int LenTTE = static_cast<int>(sizeof TTE / sizeof TTE[0]);

const tValAutorise TCEP[] = {
    "00", "01", "02", "03", "04", "05", "06", "07", "08", "09",
};
const int LenTCEP = static_cast<int>(sizeof TCEP / sizeof TCEP[0]);

const tValAutorise TRSCRE[] = {
    "ASS.", "CAT ", "CUMA", "EARL", "GAEC", "GIE ", "M   ", "M.ME", "MM  ", "MME ", "SA  ",
    "SARL", "SCA ", "SCEA", "SCEL", "SCI ", "SEA ", "SEF ", "SICA", "EPL ", "GFA ", "STEF",
    "VVE ", "MMES", "GAPE", "INDI", "COEX", "EURL", "COOP", "CEQU", "MAIR", "CIA ", "SNC ",
    "LEPA", "AUTR", "SAS ", "AFP ", "GP  ", "SCL ", "SCP ", "ENTR", "MLLE", "SOC ", "EIRL",
    "SASU", "EI  ", "SCIC",
};
const int LenTRSCRE = static_cast<int>(sizeof TRSCRE / sizeof TRSCRE[0]);

const tValAutorise TRSMOD[] = {
    "ASS.", "CAT ", "CUMA", "EARL", "ETS ", "GAEC", "GIE ", "M   ", "MR  ", "M.ME", "MLE ",
    "MM  ", "MME ", "SA  ", "SARL", "SCA ", "SCEA", "SCEL", "SCI ", "SEA ", "SEF ", "SICA",
    "STE ", "EPL ", "GFA ", "STEF", "VVE ", "MMES", "GAPE", "MRS ", "INDI", "COEX", "EURL",
    "COOP", "CEQU", "MAIR", "CIA ", "SNC ", "LEPA", "AUTR", "SAS ", "AFP ", "GP  ", "SCL ",
    "SCP ", "ENTR", "MLLE", "SOC ", "EIRL", "SASU", "EI  ", "SCIC",
};
const int LenTRSMOD = static_cast<int>(sizeof TRSMOD / sizeof TRSMOD[0]);

const tValAutorise PROD[] = {
    "B", "C", "N", "O", "P", "V",
};
const int LenPROD = static_cast<int>(sizeof PROD / sizeof PROD[0]);

const tValAutorise PROD_E[] = {
    "P", "V",
};
const int LenPROD_E = static_cast<int>(sizeof PROD_E / sizeof PROD_E[0]);

const tValAutorise PROD_EV[] = {
    "D", "E", "F", "G", "H", "J", "K", "L", "M",
};
const int LenPROD_EV = static_cast<int>(sizeof PROD_EV / sizeof PROD_EV[0]);

const tValAutorise FIL_V[] = {
    "OEUF",
};
const int LenFIL_V = static_cast<int>(sizeof FIL_V / sizeof FIL_V[0]);

const tValAutorise ELV_V[] = {
    "0   ", "1   ", "2   ", "3   ",
};
const int LenELV_V = static_cast<int>(sizeof ELV_V / sizeof ELV_V[0]);

const tValAutorise CAT_RECEN[] = {
    "EFOLAN", "EFOVAN", "REOLAN", "REOVAN", "EFOEAP", "EFCAAN", "RECAAN", "EFCVAN", "RECVAN",
    "EFCEAP",
};
const int LenCAT_RECEN = static_cast<int>(sizeof CAT_RECEN / sizeof CAT_RECEN[0]);

const tValAutorise TYP_COM[] = {
    "I0", "I1", "I2", "I3", "I4", "I5", "PR", "PC",
};
const int LenTYP_COM = static_cast<int>(sizeof TYP_COM / sizeof TYP_COM[0]);

const tValAutorise TYP_NUMERO[] = {
    "SIREN", "SIRET", "AGRIN", "AGRIT", "AGRSA", "CEM  ",
};
const int LenTYP_NUMERO = static_cast<int>(sizeof TYP_NUMERO / sizeof TYP_NUMERO[0]);

const tValAutorise TYP_IDENT[] = {
    "D", "E",
};
const int LenTYP_IDENT = static_cast<int>(sizeof TYP_IDENT / sizeof TYP_IDENT[0]);

const tValAutorise UTIL_BOUC[] = {
    "0", "1", "2", "3", "4", "5",
};
const int LenUTIL_BOUC = static_cast<int>(sizeof UTIL_BOUC / sizeof UTIL_BOUC[0]);

const tValAutorise TEMOIN[] = {
    "D", "E",
};
const int LenTEMOIN = static_cast<int>(sizeof TEMOIN / sizeof TEMOIN[0]);

const tValAutorise C2_MODEL[] = {
    "Z", "C", "O",
};
const int LenC2_MODEL = static_cast<int>(sizeof C2_MODEL / sizeof C2_MODEL[0]);

const tValAutorise C3_MODEL[] = {
    "E", "C",
};
const int LenC3_MODEL = static_cast<int>(sizeof C3_MODEL / sizeof C3_MODEL[0]);

const tValAutorise C2_MODEL_BV[] = {
    "B",
};
const int LenC2_MODEL_BV = static_cast<int>(sizeof C2_MODEL_BV / sizeof C2_MODEL_BV[0]);

const tValAutorise C3_MODEL_BV[] = {
    "E", "C",
};
const int LenC3_MODEL_BV = static_cast<int>(sizeof C3_MODEL_BV / sizeof C3_MODEL_BV[0]);

const tValAutorise FAB_REP[] = {
    "A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M", "N",
};
const int LenFAB_REP = static_cast<int>(sizeof FAB_REP / sizeof FAB_REP[0]);

const tValAutorise NB[] = {
    "NB                            ",
};
const int LenNB = static_cast<int>(sizeof NB / sizeof NB[0]);

const tValAutorise ZERO[] = {
    "0",
};
const int LenZERO = static_cast<int>(sizeof ZERO / sizeof ZERO[0]);

const tValAutorise UN[] = {
    "1",
};
const int LenUN = static_cast<int>(sizeof UN / sizeof UN[0]);

const tValAutorise ET4[] = {
    "****",
};
const int LenET4 = static_cast<int>(sizeof ET4 / sizeof ET4[0]);

const tValAutorise ET12[] = {
    "************",
};
const int LenET12 = static_cast<int>(sizeof ET12 / sizeof ET12[0]);

// Blank patterns

const tValAutorise quatreBlancs[] = {
    "    ",
};
const int LenquatreBlancs = static_cast<int>(sizeof quatreBlancs / sizeof quatreBlancs[0]);

const tValAutorise cinqBlancs[] = {
    "     ",
};
const int LencinqBlancs = static_cast<int>(sizeof cinqBlancs / sizeof cinqBlancs[0]);

const tValAutorise HuitBlancs[] = {
    "        ",
};
const int LenHuitBlancs = static_cast<int>(sizeof HuitBlancs / sizeof HuitBlancs[0]);

const tValAutorise HuitBlancsFal[] = {
    "        ", "********",
};
const int LenHuitBlancsFal = static_cast<int>(sizeof HuitBlancsFal / sizeof HuitBlancsFal[0]);

const tValAutorise DouzeBlancs[] = {
    "            ",
};
const int LenDouzeBlancs = static_cast<int>(sizeof DouzeBlancs / sizeof DouzeBlancs[0]);

const tValAutorise vingtBlancs[] = {
    "                    ",
};
const int LenvingtBlancs = static_cast<int>(sizeof vingtBlancs / sizeof vingtBlancs[0]);

const tValAutorise quatorzeBlancs[] = {
    "              ",
};
const int LenquatorzeBlancs = static_cast<int>(sizeof quatorzeBlancs / sizeof quatorzeBlancs[0]);

const tValAutorise trenteBlancs[] = {
    "                              ",
};
const int LentrenteBlancs = static_cast<int>(sizeof trenteBlancs / sizeof trenteBlancs[0]);

const tValAutorise soixanteBlancs[] = {
    "                                                            ",
};
const int LensoixanteBlancs = static_cast<int>(sizeof soixanteBlancs / sizeof soixanteBlancs[0]);

// Cut-off dates (DDMMYYYY)

const tValAutorise P5[] = {
    "01071999",
};
const int LenP5 = static_cast<int>(sizeof P5 / sizeof P5[0]);

const tValAutorise P6[] = {
    "01071999",
};
const int LenP6 = static_cast<int>(sizeof P6 / sizeof P6[0]);

const tValAutorise P7[] = {
    "01071999",
};
const int LenP7 = static_cast<int>(sizeof P7 / sizeof P7[0]);

const tValAutorise P8[] = {
    "01011999",
};
const int LenP8 = static_cast<int>(sizeof P8 / sizeof P8[0]);

const tValAutorise P17[] = {
    "01012011",
};
const int LenP17 = static_cast<int>(sizeof P17 / sizeof P17[0]);

const tValAutorise P18[] = {
    "01052007",
};
const int LenP18 = static_cast<int>(sizeof P18 / sizeof P18[0]);

// Tables read in groups: pairs (code, date or code) and triples (code, lower, upper)

const tValAutorise TCMS[] = {
    "B", "TOUJOURS",
    "C", "TOUJOURS",
    "D", "01011999",
    "E", "TOUJOURS",
    "H", "TOUJOURS",
    "J", "TOUJOURS",
    "L", "01011999",
    "M", "TOUJOURS",
    "P", "01011999",
    "U", "01011999",
};
const int LenTCMS = static_cast<int>(sizeof TCMS / sizeof TCMS[0]);

const tValAutorise TCME[] = {
    "A", "TOUJOURS",
    "J", "TOUJOURS",
    "L", "01011999",
    "N", "TOUJOURS",
    "P", "TOUJOURS",
};
const int LenTCME = static_cast<int>(sizeof TCME / sizeof TCME[0]);

const tValAutorise TEDC[] = {
    "013ARS  ", "004IPG  ",
    "013ARS  ", "005IPG  ",
    "013ARS  ", "006IPG  ",
    "013ARS  ", "013IPG  ",
    "013ARS  ", "083IPG  ",
    "013ARS  ", "084IPG  ",
    "025ARS  ", "025IPG  ",
    "025ARS  ", "039IPG  ",
    "025ARS  ", "070IPG  ",
    "025ARS  ", "090IPG  ",
    "025ARS  ", "008IPG  ",
    "025ARS  ", "051IPG  ",
    "042ARS  ", "007IPG  ",
    "042ARS  ", "026IPG  ",
    "042ARS  ", "038IPG  ",
    "020ARS  ", "02AIPG  ",
    "020ARS  ", "02BIPG  ",
    "042ARS  ", "042IPG  ",
    "042ARS  ", "069IPG  ",
    "054ARS  ", "052IPG  ",
    "054ARS  ", "054IPG  ",
    "054ARS  ", "055IPG  ",
    "054ARS  ", "057IPG  ",
    "054ARS  ", "067IPG  ",
    "054ARS  ", "068IPG  ",
    "054ARS  ", "088IPG  ",
    "059ARS  ", "002IPG  ",
    "059ARS  ", "059IPG  ",
    "059ARS  ", "060IPG  ",
    "059ARS  ", "062IPG  ",
    "059ARS  ", "080IPG  ",
    "074ARS  ", "073IPG  ",
    "074ARS  ", "074IPG  ",
    "081ARS  ", "009IPG  ",
    "081ARS  ", "011IPG  ",
    "081ARS  ", "012IPG  ",
    "081ARS  ", "015IPG  ",
    "081ARS  ", "019IPG  ",
    "081ARS  ", "024IPG  ",
    "081ARS  ", "030IPG  ",
    "081ARS  ", "031IPG  ",
    "081ARS  ", "032IPG  ",
    "081ARS  ", "033IPG  ",
    "081ARS  ", "034IPG  ",
    "081ARS  ", "040IPG  ",
    "081ARS  ", "046IPG  ",
    "081ARS  ", "047IPG  ",
    "081ARS  ", "048IPG  ",
    "081ARS  ", "064IPG  ",
    "081ARS  ", "065IPG  ",
    "081ARS  ", "066IPG  ",
    "081ARS  ", "081IPG  ",
    "081ARS  ", "082IPG  ",
    "081ARS  ", "087IPG  ",
    "089ARS  ", "010IPG  ",
    "089ARS  ", "045IPG  ",
    "089ARS  ", "075IPG  ",
    "089ARS  ", "077IPG  ",
    "089ARS  ", "078IPG  ",
    "089ARS  ", "089IPG  ",
    "089ARS  ", "091IPG  ",
    "089ARS  ", "092IPG  ",
    "089ARS  ", "093IPG  ",
    "089ARS  ", "094IPG  ",
    "089ARS  ", "095IPG  ",
    "350ARS  ", "014IPG  ",
    "350ARS  ", "016IPG  ",
    "350ARS  ", "017IPG  ",
    "350ARS  ", "022IPG  ",
    "350ARS  ", "027IPG  ",
    "350ARS  ", "028IPG  ",
    "350ARS  ", "029IPG  ",
    "350ARS  ", "035IPG  ",
    "350ARS  ", "037IPG  ",
    "350ARS  ", "041IPG  ",
    "350ARS  ", "044IPG  ",
    "350ARS  ", "049IPG  ",
    "350ARS  ", "050IPG  ",
    "350ARS  ", "053IPG  ",
    "350ARS  ", "056IPG  ",
    "350ARS  ", "061IPG  ",
    "350ARS  ", "072IPG  ",
    "350ARS  ", "076IPG  ",
    "350ARS  ", "079IPG  ",
    "350ARS  ", "085IPG  ",
    "350ARS  ", "086IPG  ",
    "NORM01  ", "NORMABEV",
    "NORM02  ", "NORMABEV",
    "PFOC01  ", "POINTFOC",
    "OVINFOS ", "OVINFOS ",
};
const int LenTEDC = static_cast<int>(sizeof TEDC / sizeof TEDC[0]) / 2;  // counted in pairs

const tValAutorise NEV[] = {
    "001IPG", "AA,BA,,HL",
    "002IPG", "CA,DA,,IL",
    "003IPG", "EA,FA,OH,JL,JQ,KQ",
    "004IPG", "GA,PH,KL",
    "005IPG", "HA,QH,LL",
    "006IPG", "IA,RH,ML",
    "007IPG", "JA,KA,LA,SH,NL",
    "008IPG", "MA,TH,OL",
    "009IPG", "NA,UH,PL",
    "010IPG", "OA,VH,QL",
    "011IPG", "PA,WH,RL",
    "012IPG", "QA,XH,SL",
    "013IPG", "RA,YH,TL",
    "014IPG", "SA,TA,ZH,UL",
    "015IPG", "UA,AI,VL",
    "016IPG", "VA,BI,WL",
    "017IPG", "WA,CI,XL",
    "018IPG", "XA,DI,YL",
    "019IPG", "YA,EI,ZL",
    "02AIPG", "ZA,FI,AM",
    "02BIPG", "AB,GI,BM",
    "021IPG", "BB,HI,CM",
    "022IPG", "CB,DB,EB,FB,GB,HB,IB,JB,KB,LB,MB,NB,OB,PB,QB,RB,SB,TB,UB,VB,WB,XB,YB,ZB,AC,BC,II,DM,CP,DP,EP",
    "023IPG", "CC,JI,EM",
    "024IPG", "DC,KI,FM,QZ",
    "025IPG", "EC,LI,GM",
    "026IPG", "FC,GC,HC,IC,JC,KC,LC,MC,MI,HM",
    "027IPG", "NC,OC,NI,IM",
    "028IPG", "PC,QC,RC,OI,JM",
    "029IPG", "SC,TC,UC,VC,WC,XC,PI,KM,FP",
    "030IPG", "YC,QI,LM",
    "031IPG", "ZC,RI,MM",
    "032IPG", "AD,SI,NM,GP",
    "033IPG", "BD,TI,OM",
    "034IPG", "CD,UI,PM",
    "035IPG", "DD,ED,FD,VI,QM",
    "036IPG", "GD,WI,RM",
    "037IPG", "HD,ID,XI,SM",
    "038IPG", "JD,KD,YI,TM,RQ,QQ",
    "039IPG", "LD,ZI,UM",
    "040IPG", "MD,AJ,VM",
    "041IPG", "ND,BJ,WM",
    "042IPG", "OD,CJ,XM",
    "043IPG", "PD,DJ,YM",
    "044IPG", "QD,RD,EJ,ZM,HP,LQ",
    "045IPG", "SD,TD,FJ,AN",
    "046IPG", "UD,GJ,BN,GQ",
    "047IPG", "VD,WD,HJ,CN,HQ,IQ",
    "048IPG", "XD,IJ,DN",
    "049IPG", "YD,ZD,AE,JJ,EN,YP",
    "050IPG", "BE,CE,KJ,FN,JP",
    "051IPG", "DE,LJ,GN",
    "052IPG", "EE,MJ,HN",
    "053IPG", "FE,GE,HE,NJ,IN,NQ,OQ,PQ",
    "054IPG", "IE,JE,OJ,JN",
    "055IPG", "KE,PJ,KN",
    "056IPG", "LE,ME,NE,OE,PE,QE,RE,SE,TE,UE,QJ,LN,KP",
    "057IPG", "VE,RJ,MN",
    "058IPG", "WE,SJ,NN",
    "059IPG", "XE,YE,ZE,AF,BF,CF,TJ,ON",
    "060IPG", "DF,EF,UJ,PN",
    "061IPG", "FF,VJ,QN",
    "062IPG", "GF,HF,IF,JF,KF,WJ,RN,LP",
    "063IPG", "LF,XJ,SN",
    "064IPG", "MF,YJ,TN,IP",
    "065IPG", "NF,ZJ,UN",
    "066IPG", "OF,PF,AK,VN",
    "067IPG", "QF,RF,BK,WN,MP",
    "068IPG", "SF,TF,CK,XN",
    "069IPG", "UF,DK,YN",
    "070IPG", "VF,EK,ZN",
    "071IPG", "WF,FK,AO",
    "072IPG", "XF,YF,ZF,AG,BG,GK,BO,NP,OP,PP,AQ,BQ,CQ,DQ,EQ,FQ",
    "073IPG", "CG,HK,CO",
    "074IPG", "DG,IK,DO",
    "075IPG", "EG",
    "076IPG", "FG,JK,EO,MQ",
    "077IPG", "GG,HG,KK,FO",
    "078IPG", "IG,LK,GO",
    "079IPG", "JG,KG,MK,HO,QP",
    "080IPG", "LG,MG,NG,NK,IO,RP",
    "081IPG", "OG,OK,JO",
    "082IPG", "PG,PK,KO,ZP",
    "083IPG", "QG,QK,LO",
    "084IPG", "RG,RK,MO",
    "085IPG", "SG,TG,UG,SK,NO,SP",
    "086IPG", "VG,TK,OO",
    "087IPG", "WG,UK,PO",
    "088IPG", "XG,YG,VK,QO",
    "089IPG", "ZG,WK,RO",
    "090IPG", "AH,XK,SO",
    "091IPG", "BH,YK,TO",
    "092IPG", "CH,ZK,UO",
    "093IPG", "DH,AL,VO",
    "094IPG", "EH,BL,WO",
    "095IPG", "FH,CL,XO",
    "971IPG", "GH,DL,YO,UP",
    "972IPG", "HH,EL,ZO",
    "973IPG", "IH,FL,AP,VP,WP",
    "974IPG", "JH,KH,LH,GL,BP",
    "976IPG", "XP",
};
const int LenNEV = static_cast<int>(sizeof NEV / sizeof NEV[0]);

const tValAutorise IND_M[] = {
    "001IPG", "100000", "104999",
    "002IPG", "105000", "109999",
    "003IPG", "110000", "119999",
    "004IPG", "120000", "124999",
    "005IPG", "125000", "129999",
    "006IPG", "130000", "134999",
    "007IPG", "135000", "139999",
    "008IPG", "140000", "144999",
    "009IPG", "145000", "149999",
    "010IPG", "150000", "154999",
    "011IPG", "155000", "159999",
    "012IPG", "160000", "169999",
    "013IPG", "170000", "174999",
    "014IPG", "175000", "184999",
    "015IPG", "185000", "189999",
    "016IPG", "190000", "194999",
    "017IPG", "195000", "199999",
    "018IPG", "200000", "204999",
    "019IPG", "205000", "209999",
    "02AIPG", "210000", "211999",
    "02BIPG", "212000", "214999",
    "021IPG", "215000", "219999",
    "022IPG", "220000", "224999",
    "023IPG", "225000", "229999",
    "024IPG", "230000", "234999",
    "025IPG", "235000", "239999",
    "026IPG", "240000", "244999",
    "027IPG", "245000", "249999",
    "028IPG", "250000", "254999",
    "029IPG", "255000", "259999",
    "030IPG", "260000", "264999",
    "031IPG", "265000", "269999",
    "032IPG", "270000", "274999",
    "033IPG", "275000", "279999",
    "034IPG", "280000", "284999",
    "035IPG", "285000", "289999",
    "036IPG", "290000", "294999",
    "037IPG", "295000", "299999",
    "038IPG", "300000", "304999",
    "039IPG", "305000", "309999",
    "040IPG", "310000", "314999",
    "041IPG", "315000", "319999",
    "042IPG", "320000", "324999",
    "043IPG", "325000", "329999",
    "044IPG", "330000", "339999",
    "045IPG", "340000", "344999",
    "046IPG", "345000", "349999",
    "047IPG", "350000", "354999",
    "048IPG", "355000", "359999",
    "049IPG", "360000", "364999",
    "050IPG", "365000", "379999",
    "051IPG", "380000", "384999",
    "052IPG", "385000", "389999",
    "053IPG", "390000", "394999",
    "054IPG", "395000", "399999",
    "055IPG", "400000", "404999",
    "056IPG", "405000", "409999",
    "057IPG", "410000", "414999",
    "058IPG", "415000", "419999",
    "059IPG", "420000", "424999",
    "060IPG", "425000", "429999",
    "061IPG", "430000", "434999",
    "062IPG", "435000", "439999",
    "063IPG", "440000", "449999",
    "064IPG", "450000", "464999",
    "065IPG", "465000", "469999",
    "066IPG", "470000", "474999",
    "067IPG", "475000", "479999",
    "068IPG", "480000", "484999",
    "069IPG", "485000", "489999",
    "070IPG", "490000", "494999",
    "071IPG", "495000", "504999",
    "072IPG", "505000", "509999",
    "073IPG", "510000", "514999",
    "074IPG", "515000", "519999",
    "075IPG", "614000", "614499",
    "076IPG", "520000", "524999",
    "077IPG", "525000", "529999",
    "078IPG", "530000", "534999",
    "079IPG", "535000", "544999",
    "080IPG", "545000", "549999",
    "081IPG", "550000", "554999",
    "082IPG", "555000", "559999",
    "083IPG", "560000", "564999",
    "084IPG", "565000", "569999",
    "085IPG", "570000", "575009",
    "086IPG", "575010", "584999",
    "087IPG", "585000", "594999",
    "088IPG", "595000", "599999",
    "089IPG", "600000", "604999",
    "090IPG", "605000", "609999",
    "091IPG", "610000", "610999",
    "092IPG", "614500", "614999",
    "093IPG", "611000", "611999",
    "094IPG", "612000", "612999",
    "095IPG", "613000", "613999",
    "971IPG", "615000", "624999",
    "972IPG", "625000", "634999",
    "973IPG", "635000", "639999",
    "974IPG", "640000", "649999",
    "976IPG", "650000", "655000",
};
const int LenIND_M = static_cast<int>(sizeof IND_M / sizeof IND_M[0]);
