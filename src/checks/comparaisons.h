// Value comparison checks: whether a field may be blank, must differ from
// another field, or must come from a list, depending on another field of the
// same record (a companion field, or the record's main date against a
// cut-off date).
#pragma once

#include "checks/generiques.h"
#include "checks/index.h"

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

// List membership with the indexes of the last few tables kept, for a check
// whose rules name the same few tables at every record (one per thread and
// check: thread_local IndexMemorise). A table not kept is looked up and takes
// the place of the oldest. Same answers as estDansTable.
class IndexMemorise {
public:
    bool contient(const char* valeur, const void* sverif, int lenSverif) {
        const IndexValeurs* index = nullptr;
        int i = 0;
        while (i < nbConnus_ && (connus_[i].table != sverif || connus_[i].nombre != lenSverif)) ++i;
        if (i < nbConnus_) {
            index = connus_[i].index;
        } else {
            index = indexDeTable(sverif, lenSverif);
            Connu& place = connus_[prochain_];
            place = Connu{sverif, lenSverif, index};
            prochain_ = (prochain_ + 1) % NB;
            if (nbConnus_ < NB) ++nbConnus_;
        }
        if (index != nullptr) return index->contient(valeur);
        return estDansTableParcours(valeur, sverif, lenSverif) != 0;
    }

private:
    static constexpr int NB = 4;
    struct Connu {
        const void* table = nullptr;
        int nombre = 0;
        const IndexValeurs* index = nullptr;
    };
    Connu connus_[NB] = {};
    int nbConnus_ = 0;
    int prochain_ = 0;
};
