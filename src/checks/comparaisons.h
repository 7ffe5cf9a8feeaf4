// Value comparison checks: whether a field may be blank, must differ from
// another field, or must come from a list, depending on another field of the
// same record (a companion field, or the record's main date against a
// cut-off date).
#pragma once

// Check functions (contract: see pfVerif_t in model/modele.h).
int fVDIFFVD(const char* dependance, char* champ, const void* sverif, int lenSverif);
int fCDIFF(const char* dependance, char* champ, const void* sverif, int lenSverif);
int fVTABDIFFFR(const char* dependance, char* champ, const void* sverif, int lenSverif);
int fVDIFFNULLVTAB(const char* dependance, char* champ, const void* sverif, int lenSverif);
int fVTABP5(const char* dependance, char* champ, const void* sverif, int lenSverif);
int fVTABP6(const char* dependance, char* champ, const void* sverif, int lenSverif);
int fVTABP8(const char* dependance, char* champ, const void* sverif, int lenSverif);
int fVDIFFNULLP5(const char* dependance, char* champ, const void* sverif, int lenSverif);
int fVDIFFNULLP6(const char* dependance, char* champ, const void* sverif, int lenSverif);

// The two routines behind the cut-off wrappers; p is the cut-off date.
int fVTABP5a8(const char* dependance, char* champ, const void* sverif, int lenSverif, const char* p);
int fVDIFFNULLP(const char* dependance, char* champ, const void* sverif, int lenSverif, const char* p);

// 0 when characters posDebut to posFin (1-based) of champ read "0000", else 1.
int fVerifDiffZero(const char* champ, int posDebut, int posFin);
