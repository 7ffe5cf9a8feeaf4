// The record-type switch table: record type code -> body rule table, and the
// two body slots echoed in the error record of a rejected record.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

#include "model/modele.h"
#include "records/records.h"

const sAiguillage tAiguillage[LEN_AIGUILLAGE] = {
    {"ABAT", tAbat, &lAbat, ABAT, CINC, CINC},
    {"ACTI", tActi, &lActi, ACTI, C1, C2},
    {"ASSO", tAsso, &lAsso, ASSO, C1, C2},
    {"DETE", tDete, &lDete, DETE, C1, C2},
    {"DETI", tDeti, &lDeti, DETI, C1, C2},
    {"ECBO", tEcbo, &lEcbo, ECBO, CINC, CINC},
    {"ECHA", tEcha, &lEcha, ECHA, C18, C19},
    {"EGET", tEget, &lEget, EGET, CINC, CINC},
    {"ENTR", tEntr, &lEntr, ENTR, C6, C7},
    {"ERRE", tErre, &lErre, ERRE, CINC, CINC},
    {"ERTI", tErti, &lErti, ERTI, CINC, CINC},
    {"EXP1", tExp1, &lExp1, EXP1, C1, C2},
    {"EXP2", tExp2, &lExp2, EXP2, C1, C2},
    {"GROC", tGroc, &lGroc, GROC, C4, C5},
    {"IMOC", tImoc, &lImoc, IMOC, C4, C5},
    {"IMPO", tImpo, &lImpo, IMPO, C18, C19},
    {"INFO", tInfo, &lInfo, INFO, CINC, CINC},
    {"NAIS", tNais, &lNais, NAIS, C16, C17},
    {"NUMA", tNuma, &lNuma, NUMA, C1, C2},
    {"NVMN", tNvmn, &lNvmn, NVMN, C16, C17},
    {"PASS", tPass, &lPass, PASS, C4, C5},
    {"PICO", tPico, &lPico, PICO, C1, C2},
    {"RACO", tRaco, &lRaco, RACO, C1, C2},
    {"RATA", tRata, &lRata, RATA, CINC, CINC},
    {"REBO", tRebo, &lRebo, REBO, C5, C6},
    {"SORT", tSort, &lSort, SORT, C6, C7},
    {"ZZZZ", nullptr, &Len0, -1, CINC, CINC},
};

int chercherAiguillage(const char* typeVSE) {
    // Every record type is 4 characters: a value of another length is none of
    // them, and one of 4 is looked up as one 32-bit word among the types
    // sorted once (the names are distinct, so the first equal entry is the
    // only one).
    if (typeVSE[0] == '\0' || typeVSE[1] == '\0' || typeVSE[2] == '\0' || typeVSE[3] == '\0' ||
        typeVSE[4] != '\0') {
        return ERR_AIGUILLAGE;
    }
    struct Type {
        std::uint32_t mot;
        int index;
        bool operator<(const Type& autre) const { return mot < autre.mot; }
    };
    auto mot = [](const char* quatre) {
        std::uint32_t m;
        std::memcpy(&m, quatre, 4);
        return m;
    };
    static const auto types = [&mot] {
        std::array<Type, ERR_AIGUILLAGE> t{};
        for (int i = 0; i < ERR_AIGUILLAGE; ++i) t[static_cast<size_t>(i)] = {mot(tAiguillage[i].nomVSE), i};
        std::sort(t.begin(), t.end());
        return t;
    }();
    const Type cherche{mot(typeVSE), 0};
    const auto trouve = std::lower_bound(types.begin(), types.end(), cherche);
    return trouve != types.end() && trouve->mot == cherche.mot ? trouve->index : ERR_AIGUILLAGE;
}
