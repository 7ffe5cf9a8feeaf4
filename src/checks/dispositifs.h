// Identification-device checks: the sheep and goat identification numbers
// (6 digits of a marking code, then a remainder that depends on the field),
// the 8-character model codes of ear tags, cut in parts that each have their
// own error, the counter that goes with a model, the country of origin, and
// the tag use indicator of a bovine re-tagging.
//
// Model codes: character 1 the maker (FAB_REP), character 2 the species
// letter (C2_MODEL, or C2_MODEL_BV for bovine tags), character 3 the kind of
// tag (C3_MODEL or C3_MODEL_BV), characters 4 to 6 digits, then 2 blanks. A
// bovine tag model (the _BV_ checks) may be left blank for a record dated
// before 1 January 2011 (P17).
#pragma once

// Check functions (contract: see pfVerif_t in model/modele.h).

// Identification numbers, dependance the country code of the record.
int fConform_OC_FR(const char* dependance, char* champ, const void* sverif, int lenSverif);
int fConform_OC_UE(const char* dependance, char* champ, const void* sverif, int lenSverif);
// Also reads the order type of body slot C9.
int fConform_OC_TP(const char* dependance, char* champ, const void* sverif, int lenSverif);
int fConform_OC_IND_M(const char* dependance, char* champ, const void* sverif, int lenSverif);

// Parts of a sheep and goat tag model code.
int fConform_OC_model1(const char* dependance, char* champ, const void* sverif, int lenSverif);
int fConform_OC_model2(const char* dependance, char* champ, const void* sverif, int lenSverif);
int fConform_OC_model3(const char* dependance, char* champ, const void* sverif, int lenSverif);
int fConform_OC_model4(const char* dependance, char* champ, const void* sverif, int lenSverif);
int fConform_OC_model5(const char* dependance, char* champ, const void* sverif, int lenSverif);

// Country of origin, dependance the country code of the identifier.
int fConform_OC_pays_orig(const char* dependance, char* champ, const void* sverif, int lenSverif);
// Counter, dependance the model code.
int fConform_OC_compteur(const char* dependance, char* champ, const void* sverif, int lenSverif);

// Parts of a bovine tag model code; model1 takes the record's date as
// dependance and alone judges a blank code.
int fConform_BV_model1(const char* dependance, char* champ, const void* sverif, int lenSverif);
int fConform_BV_model2(const char* dependance, char* champ, const void* sverif, int lenSverif);
int fConform_BV_model3(const char* dependance, char* champ, const void* sverif, int lenSverif);
int fConform_BV_model4(const char* dependance, char* champ, const void* sverif, int lenSverif);
int fConform_BV_model5(const char* dependance, char* champ, const void* sverif, int lenSverif);

// Tag use indicator: required from 1 January 2011 (dependance the record's
// date), and never "0".
int fConform_temoin_bouc1(const char* dependance, char* champ, const void* sverif, int lenSverif);
int fConform_temoin_bouc2(const char* dependance, char* champ, const void* sverif, int lenSverif);
