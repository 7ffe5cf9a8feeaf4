// Date and time checks: calendar validity, complete and incomplete date
// fields, ordering of two dates, cut-off dates, and the check functions of the
// rule tables built on them. Dates are DDMMYYYY, times HHMMSS.
#pragma once

#include <cstdint>

int DateCalc_check_date(int year, int month, int day);
int DateCalc_leap_year(int year);

enum eCouI { COMPLETE = 0, INCOMPLETE = 1 };
enum esupInf { SUP = 0, INF = 1 };

// Validates a date field; in INCOMPLETE mode rewrites an unknown day or
// day-and-month in place first, so that the following rules see the rewrite.
int fDATECouI(char* champ, eCouI mode);

// Ordering key of a DDMMYYYY date: its first 8 bytes in the order year,
// month, day, most significant first, so that dates compare as integers the
// way their YYYYMMDD rewrites compare by character code. Blanks read as '0'
// when asked; positions past the end of a shorter value read as NUL, before
// every digit and blank. cleDuMot takes the date's leading bytes as lireMot8
// (checks/octets.h) packs them.
std::uint64_t cleAAAAMMJJ(const char* date, bool blancsEnZeros);
std::uint64_t cleDuMot(std::uint64_t mot, bool blancsEnZeros);

// Orders two dates compared as YYYYMMDD (blanks of champ read as '0'):
// SUP accepts champ on or after dependance, INF on or before.
int fCoherenDCSupInf(const char* dependance, const char* champ, esupInf sens);

// 1 when the date dependance (blanks read as '0') is on or after the cut-off param.
int fVTABP(const char* dependance, const char* param);
// fVTABP against the cut-offs P5, P6 and P8, their keys kept ready.
int apresP5(const char* dependance);
int apresP6(const char* dependance);
int apresP8(const char* dependance);

// Check functions (contract: see pfVerif_t in model/modele.h).
int fDATEC(const char* dependance, char* champ, const void* sverif, int lenSverif);
int fDATEI(const char* dependance, char* champ, const void* sverif, int lenSverif);
int fDATECxad(const char* dependance, char* champ, const void* sverif, int lenSverif);
int fDATEC_INC(const char* dependance, char* champ, const void* sverif, int lenSverif);
int fDatRecCorr(const char* dependance, char* champ, const void* sverif, int lenSverif);
int fDatRecCorr_O(const char* dependance, char* champ, const void* sverif, int lenSverif);
int fDatRecCorr_O_P18(const char* dependance, char* champ, const void* sverif, int lenSverif);
int fDATEP6(const char* dependance, char* champ, const void* sverif, int lenSverif);
int fDATEP6P7(const char* dependance, char* champ, const void* sverif, int lenSverif);
int fDatRecCohe(const char* dependance, char* champ, const void* sverif, int lenSverif);
int fDatRecPost(const char* dependance, char* champ, const void* sverif, int lenSverif);
int fDatRecPost_tr(const char* dependance, char* champ, const void* sverif, int lenSverif);
int fDatRec_OC_Post(const char* dependance, char* champ, const void* sverif, int lenSverif);
int fVerifValAutDate(const char* dependance, char* champ, const void* sverif, int lenSverif);
int fSimult(const char* dependance, char* champ, const void* sverif, int lenSverif);
int fHEUREC(const char* dependance, char* champ, const void* sverif, int lenSverif);
