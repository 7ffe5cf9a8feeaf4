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
// the place of the oldest. An entry never filled names no table (null), and
// null is no reference table: its index is null, the table is scanned. Same
// answers as estDansTable.
class IndexMemorise {
public:
    bool contient(const char* valeur, const void* sverif, int lenSverif) {
        // The first two places are compared here: a check alternates between
        // two tables at most in the rules.
        const IndexValeurs* index;
        if (connus_[0].table == sverif && connus_[0].nombre == lenSverif) {
            index = connus_[0].index;
        } else if (connus_[1].table == sverif && connus_[1].nombre == lenSverif) {
            index = connus_[1].index;
        } else {
            index = chercher(sverif, lenSverif);
        }
        if (index != nullptr) return index->contient(valeur);
        return estDansTableParcours(valeur, sverif, lenSverif) != 0;
    }

private:
    // Out of line: the calls that find their table in the first two places
    // keep a short path.
    [[gnu::noinline]] const IndexValeurs* chercher(const void* sverif, int lenSverif) {
        for (const Connu& c : connus_) {
            if (c.table == sverif && c.nombre == lenSverif) return c.index;
        }
        Connu& place = connus_[prochain_];
        place = Connu{sverif, lenSverif, indexDeTable(sverif, lenSverif)};
        prochain_ = (prochain_ + 1) % NB;
        return place.index;
    }

    static constexpr int NB = 4;
    struct Connu {
        const void* table = nullptr;
        int nombre = 0;
        const IndexValeurs* index = nullptr;
    };
    Connu connus_[NB] = {};
    int prochain_ = 0;
};
