// Entry (ENTR) and exit (SORT) records: the checks on the movement cause and
// on the partner holding (country C8, number C9, name C10), shared by both
// types. The types differ only by the cause codes they react to, which each
// one passes in a CausesMvt.
//
// The checks read the other fields of the current record from their value
// slots: both layouts put C4 in slot 3, C5 in slot 4, C8 in slot 7 and C9 in
// slot 8.
#pragma once

// Cause codes (first character of C5) of one record type, each set written as
// a string of one-character codes.
struct CausesMvt {
    const char* paysRequis;      // causes that need a partner country
    const char* paysSansNumero;  // causes for which a partner country without a number is accepted
    const char* nomFacultatif;   // causes for which a partner with neither number nor name is accepted
};

// Which action a check serves: a modification exempts movements dated before
// 1 January 1999 from the requirements on the partner.
enum regimeMvt { MVT_CRE, MVT_MOD };

// C5: the causes F, G, S and T are admitted for a creation only.
int mvt_fC5(const char* actionE5, const char* cause);
// C8: a partner country is a known country, and required by some causes.
int mvt_fC8(const char* pays, const CausesMvt& causes, regimeMvt regime);
// C9: a partner number needs a partner country; a partner country needs a
// number unless the cause allows it.
int mvt_fC9_1(const char* numero, const CausesMvt& causes, regimeMvt regime);
// C9: a French partner number is a well-formed holding number.
int mvt_fC9_2(char* numero);
// C10: a partner with neither number nor name is refused unless the cause
// allows it.
int mvt_fC10(const char* nom, const CausesMvt& causes, regimeMvt regime);
