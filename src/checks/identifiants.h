// Identifier conformity checks: French farm holding and bovine numbers with
// their department rules, their country-dependent variants, foreign national
// numbers, establishment numbers, three-character department prefixes, and
// the predicates that type-specific checks call directly.
#pragma once

// Check functions (contract: see pfVerif_t in model/modele.h).
int fConform8(const char* dependance, char* champ, const void* sverif, int lenSverif);
int fConform8FR(const char* dependance, char* champ, const void* sverif, int lenSverif);
int fConform8FRnon(const char* dependance, char* champ, const void* sverif, int lenSverif);
int fCONFORM8FRNULL(const char* dependance, char* champ, const void* sverif, int lenSverif);
int fConform10(const char* dependance, char* champ, const void* sverif, int lenSverif);
int fConform10FR(const char* dependance, char* champ, const void* sverif, int lenSverif);
int fConform10FRnon(const char* dependance, char* champ, const void* sverif, int lenSverif);
int fConform10FRnonECHAnon(const char* dependance, char* champ, const void* sverif, int lenSverif);
int fConform10FRnonECHAoui(const char* dependance, char* champ, const void* sverif, int lenSverif);
int fCONFORM10FRNULL(const char* dependance, char* champ, const void* sverif, int lenSverif);
int fConformEget(const char* dependance, char* champ, const void* sverif, int lenSverif);
int fVerifNumEtranger(const char* dependance, char* champ, const void* sverif, int lenSverif);
int fVerifNumEtrangerN(const char* dependance, char* champ, const void* sverif, int lenSverif);
int fConform3(const char* dependance, char* champ, const void* sverif, int lenSverif);

// Predicates on a value alone.
int fVerifLuhn(const char* chaine);
int appartient_UE(const char* s);
int verifNumAgrementSanitaireFr(const char* champ);
int verifNumExploitFr(const char* champ);
int verifNumBovinFrOuImporte(const char* champ);
