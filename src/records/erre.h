// ERRE records arriving in a file (error returns on slaughter notifications,
// action ECQ): the checks that belong to this type.
//
// Several checks depend on the returned record's type C1 (columns 63 to 66),
// the country C5 (84 to 85) or the country C31 (176 to 177), which they read
// from the current record's text, xdebug, and only within the line: columns
// past the end of a short line are missing, never bytes of an earlier line.
#pragma once

// Columns debut..fin (1-based) of the current record's text (xdebug) into
// destination (fin - debut + 2 bytes), cut short at the end of the line.
void erreColonnes(int debut, int fin, char* destination);

// Check functions (contract: see pfVerif_t in model/modele.h).

// C1: the returned record is a slaughter notification, "ABAT".
int vErre_C1(const char* dependance, char* champ, const void* sverif, int lenSverif);
// C4, C8, C10: not blank.
int vErre_C4(const char* dependance, char* champ, const void* sverif, int lenSverif);
int vErre_C8(const char* dependance, char* champ, const void* sverif, int lenSverif);
int vErre_C10(const char* dependance, char* champ, const void* sverif, int lenSverif);
// C5: a known country; required (no blank character) when C1 is "ABAT",
// else two blanks are accepted.
int vErre_C5(const char* dependance, char* champ, const void* sverif, int lenSverif);
// C6: a national number of the country C5; blank only when C1 is not "ABAT".
int vErre_C6(const char* dependance, char* champ, const void* sverif, int lenSverif);
// C7: "FR".
int vErre_C7(const char* dependance, char* champ, const void* sverif, int lenSverif);
// C8 and C30: blank, or a French sanitary approval number when C1 is
// "ABAT", a French holding number otherwise.
int vErre_C8_conf(const char* dependance, char* champ, const void* sverif, int lenSverif);
int vErre_C30(const char* dependance, char* champ, const void* sverif, int lenSverif);
// C9: error code of exactly 4 ASCII letters or digits.
int vErre_C9(const char* dependance, char* champ, const void* sverif, int lenSverif);
// C29: blank or "FR".
int vErre_C29(const char* dependance, char* champ, const void* sverif, int lenSverif);
// C31: two blanks or a known country.
int vErre_C31(const char* dependance, char* champ, const void* sverif, int lenSverif);
// C32, the bovine of country C31, blank accepted by the three rules:
// _1 a French bovine number when C31 is "FR"; _2 a French or imported number
// when C31 is a third country (neither CH nor a member of the European
// Union); _3 a national number of C31 when it is CH or a member other than FR.
int vErre_C32_1(const char* dependance, char* champ, const void* sverif, int lenSverif);
int vErre_C32_2(const char* dependance, char* champ, const void* sverif, int lenSverif);
int vErre_C32_3(const char* dependance, char* champ, const void* sverif, int lenSverif);
// C36: 8 characters, a complete valid date; 8 blanks when C1 is not "ABAT".
int vErre_C36_1(const char* dependance, char* champ, const void* sverif, int lenSverif);
// C37: blank, or an emitter code: a departmental office of TDC ("001IPG  "),
// or a code beginning with "ONICAB" or "OFFICE", or "NORMABEV" or "POINTFOC".
int vErre_C37_1(const char* dependance, char* champ, const void* sverif, int lenSverif);
// C37, dependance the file's emitter (FICH E3): blank, the emitter itself, or
// a code paired with it in TEDC.
int vErre_C37_2(const char* dependance, char* champ, const void* sverif, int lenSverif);
