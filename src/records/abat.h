// ABAT records (slaughter notification): the checks of this type.
//
// Most of them judge their field together with other fields of the same
// record, which they read from the body snapshot cp (model/modele.h). The
// first C2 rule, presence_C2, takes that snapshot from the current line; the
// other checks rely on it having run first for the record.
#pragma once

// Fills the snapshot cp from the current line (xdebug): every member is
// given at most its field's width of characters from the field's first
// column, fewer when the line ends before, followed by a NUL. The bytes past
// that NUL are left as they were and never read.
void getVseCorps();

// Check functions (contract: see pfVerif_t in model/modele.h). None of them
// reads its dependance or its value table.

// C2, the bovine's national number. presence_C2 takes the snapshot, then
// refuses a number of 12 blanks. vAbat_C2_1: a French bovine (C1 "FR", read
// from the line) needs a French or imported number. vAbat_C2_2: a bovine of
// Switzerland or of a member state other than France needs a foreign number
// that does not repeat its country code.
int presence_C2(const char* dependance, char* champ, const void* sverif, int lenSverif);
int vAbat_C2_1(const char* dependance, char* champ, const void* sverif, int lenSverif);
int vAbat_C2_2(const char* dependance, char* champ, const void* sverif, int lenSverif);

// C4, country of the holding of provenance: a code of TP or of TCPNOCEE.
int fVerif_ASDA(const char* dependance, char* champ, const void* sverif, int lenSverif);

// C5, number of the holding of provenance. presence_C5: not empty nor only
// blanks. fVerif_NUM_ASDA: for a French holding (C4 "FR"), the indicator C12
// must be present and, unless an office notifies (C11 "OFFICE..." or
// "ONICAB..."), the number must be a French holding number.
int presence_C5(const char* dependance, char* champ, const void* sverif, int lenSverif);
int fVerif_NUM_ASDA(const char* dependance, char* champ, const void* sverif, int lenSverif);

// C6 and C7, dates of entry and of slaughter: after 1997 (a blank entry date
// is allowed, a blank slaughter date is not), and the entry not after the
// slaughter when both are given.
int fVerifDateInputPost(const char* dependance, char* champ, const void* sverif, int lenSverif);
int fVerifDateAbatPost(const char* dependance, char* champ, const void* sverif, int lenSverif);
int fVerifDateAbatPostEntr(const char* dependance, char* champ, const void* sverif, int lenSverif);

// C8, slaughterhouse number. presence_C8: 8 blanks, or 8 letters, digits and
// blanks that do not begin with a blank. fVerif_NUM_TUE: when an office
// notifies ("OFFICE..."), the part before the first blank is C4 followed by
// C10; otherwise it begins with a letter or a digit.
int presence_C8(const char* dependance, char* champ, const void* sverif, int lenSverif);
int fVerif_NUM_TUE(const char* dependance, char* champ, const void* sverif, int lenSverif);

// C9, carcass weight "KKKK,HH" or 7 blanks, at most 1000,00 kg.
int fVerif_chaine_POIDS(const char* dependance, char* champ, const void* sverif, int lenSverif);
int fVerif_POIDS(const char* dependance, char* champ, const void* sverif, int lenSverif);

// C10, notifier's country: the country an office's identifier names
// (characters 7 and 8 of C11), "FR" for any other notifier.
int fVerif_CODEPE_ABATNOT(const char* dependance, char* champ, const void* sverif, int lenSverif);

// C11, notifier's identifier. presence_C11: not empty nor 12 blanks.
// fVerif_NUMID_ABATNOT_CONF: 7 or 8 characters before the first blank, and
// either an office ("OFFICE..." or "ONICAB...") or a number of a department
// ("2A", "2B" or a code of TD) whose characters 11 and 12 are blanks.
// fVerif_NUMID_ABATNOT_COHER and fVerif_NUMID_ABATNOT_TABREF accept every
// value: they hold the places of errors 129 and 127 on this field.
int presence_C11(const char* dependance, char* champ, const void* sverif, int lenSverif);
int fVerif_NUMID_ABATNOT_CONF(const char* dependance, char* champ, const void* sverif, int lenSverif);
int fVerif_NUMID_ABATNOT_COHER(const char* dependance, char* champ, const void* sverif, int lenSverif);
int fVerif_NUMID_ABATNOT_TABREF(const char* dependance, char* champ, const void* sverif, int lenSverif);

// C12, creation/invalidation indicator: accepts every value (holds the place
// of error 139).
int fVerif_INDIC_ABAT(const char* dependance, char* champ, const void* sverif, int lenSverif);
