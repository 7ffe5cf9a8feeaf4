// ASSO records (a business identifier associated with a keeper or a
// holding): the checks that belong to this type. They read the kind of party
// C4 and the kind of identifier C5 from the record's slots.
#pragma once

// Check functions (contract: see pfVerif_t in model/modele.h).

// Number C2 of a holding (C4 "E"): issued by the record's establishment E8
// (read from the header's slot), and well formed (table TD). A keeper's
// number (any other C4) passes both.
int asso_fC2_1(const char* dependance, char* champ, const void* sverif, int lenSverif);
int asso_fC2_2(const char* dependance, char* champ, const void* sverif, int lenSverif);

// Kind of identifier C5 against the kind of party C4: a keeper ("D") takes
// "SIREN" or "AGRIN", a holding ("E") "SIRET", "AGRIT", "AGRSA" or "CEM".
int asso_fC5(const char* dependance, char* champ, const void* sverif, int lenSverif);

// Form of the identifier C6, one check per kind of C5; each accepts a record
// of another kind.
// SIREN: 9 digits passing the Luhn test, then blanks (_INV: no Luhn test).
int asso_fC6_1(const char* dependance, char* champ, const void* sverif, int lenSverif);
int asso_fC6_1_INV(const char* dependance, char* champ, const void* sverif, int lenSverif);
// SIRET: 14 digits passing the Luhn test, then blanks (_INV: no Luhn test).
int asso_fC6_2(const char* dependance, char* champ, const void* sverif, int lenSverif);
int asso_fC6_2_INV(const char* dependance, char* champ, const void* sverif, int lenSverif);
// AGRIN: a capital letter, 8 digits, then blanks.
int asso_fC6_3(const char* dependance, char* champ, const void* sverif, int lenSverif);
// AGRIT: a capital letter, 11 digits, then blanks.
int asso_fC6_4(const char* dependance, char* champ, const void* sverif, int lenSverif);
// AGRSA, table TD: a sanitary approval number, no blank among its first 7
// characters, a department of the table (the overseas ones 971 to 976 but
// 975, Corsica 2A and 2B; not 20 nor 98), blanks from character 9 on.
int asso_fC6_5(const char* dependance, char* champ, const void* sverif, int lenSverif);
// CEM: 7 letters or digits, then blanks.
int asso_fC6_6(const char* dependance, char* champ, const void* sverif, int lenSverif);

// End date C8: blank (an open association), or a complete date (fC8_1), not
// before the start date C7 (fC8_2, dependance C7), not after the record's
// date F1 (fC8_3, dependance F1).
int asso_fC8_1(const char* dependance, char* champ, const void* sverif, int lenSverif);
int asso_fC8_2(const char* dependance, char* champ, const void* sverif, int lenSverif);
int asso_fC8_3(const char* dependance, char* champ, const void* sverif, int lenSverif);
