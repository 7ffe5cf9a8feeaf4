// End-to-end: the real binary over files of device and small-ruminant
// records (NUMA, REBO, PICO, GROC, IMOC, RACO). Each file is run with -i: the
// trace of each rejected record names the slots and error numbers, and its
// error record must carry exactly those numbers, in order. Every output line
// is compared whole.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "outils.h"

using namespace essai;

namespace {

const std::string B6(6, ' ');
const std::string B8(8, ' ');
const std::string B12(12, ' ');

// Valid records of each type, for the default header (establishment
// 001IPG, department 01, marking codes 100000 to 104999) and the record date
// 20 June 2024. Fields that an action does not check are filled all the same.

Vse numa(const std::string& action = "CRE") {
    Vse v = vide("NUMA", action);
    v.colonnes(63, "FR")               // C1, C2 the holding
        .colonnes(65, "01234567    ")
        .colonnes(77, "  ")            // C3 status
        .colonnes(79, "FR")            // C4, C5 the first national number
        .colonnes(81, "0112345678  ")
        .colonnes(93, "000100")        // C6 quantity
        .colonnes(99, "15062024")      // C7 date
        .colonnes(107, "1")            // C8 tag use code
        .colonnes(108, "ABE123  ")     // C9 model of the first tag
        .colonnes(116, "ABC456  ");    // C10 model of the second tag
    return v;
}

Vse rebo(const std::string& action = "CRE") {
    Vse v = vide("REBO", action);
    v.colonnes(63, "FR")               // C1, C2 the bovine
        .colonnes(65, "0112345678  ")
        .colonnes(79, "15062024")      // C4 date of re-tagging
        .colonnes(87, "FR")            // C5, C6 the holding
        .colonnes(89, "01234567    ")
        .colonnes(212, "16062024")     // C23 second date
        .colonnes(220, "ABE123  ")     // C24 model of the new tag
        .colonnes(228, "1");           // C25 tag use code
    return v;
}

Vse pico(const std::string& action = "CRE") {
    Vse v = vide("PICO", action);
    v.colonnes(63, "FR")               // C1, C2 the holding
        .colonnes(65, "01234567    ")
        .colonnes(79, "FR")            // C4, C5 the first identifier
        .colonnes(81, "1000001     ")
        .colonnes(93, "000100")        // C6 quantity
        .colonnes(99, "15062024")      // C7 date
        .colonnes(107, "AZE123  ")     // C8 tag model
        .colonnes(115, "I1")           // C9 order type
        .colonnes(117, "FR")           // C10 country
        .colonnes(119, "3");           // C11 counter
    return v;
}

Vse groc(const std::string& action = "CRE") {
    Vse v = vide("GROC", action);
    v.colonnes(63, "FR")               // C1, C2 the identifier
        .colonnes(65, "10000012345 ")
        .colonnes(79, "FR")            // C4, C5 the holding
        .colonnes(81, "01234567    ")
        .colonnes(93, "15062024")      // C6 date
        .colonnes(101, "AZE123  ")     // C7 tag model
        .colonnes(109, "FR")           // C8 country of origin
        .colonnes(111, "0")            // C9 counter
        .colonnes(112, B8)             // C10 no second date
        .colonnes(122, B6);            // C12 and no time
    return v;
}

Vse imoc(const std::string& action = "CRE") {
    Vse v = vide("IMOC", action);
    v.colonnes(63, "FR")               // C1, C2 the marking code
        .colonnes(65, "100000      ")
        .colonnes(79, "FR")            // C4, C5 the holding
        .colonnes(81, "01234567    ")
        .colonnes(93, "Z")             // C6 model letter
        .colonnes(94, "15062024");     // C7 date
    return v;
}

Vse raco(const std::string& action = "CRE") {
    Vse v = vide("RACO", action);
    v.colonnes(63, "FR")               // C1, C2 the holding
        .colonnes(65, "01234567    ")
        .colonnes(79, "2023")          // C4 census year
        .colonnes(83, "EFOLAN")        // C5 census category
        .colonnes(89, "000123")        // C6 count
        .colonnes(95, "15012024");     // C7 date
    return v;
}

// One record and the -i trace it gives ("" when it is accepted).
struct Cas {
    std::string quoi;
    Vse vse;
    std::string trace;
};

// Error numbers of a -i trace ("E6.86;C5.23;" gives 86 and 23; the lines
// that report a character outside 32 to 126 and a short record stand for 106
// and 108), as an error record writes them.
const std::string kCarsNonAutorises = "VSE  cars non autorisés \n";
const std::string kTropCourt = "VSE trop court \n";
std::string numerosDeTrace(const std::string& trace) {
    std::vector<int> numeros;
    if (trace.starts_with(kCarsNonAutorises)) numeros.push_back(106);
    if (trace.find(kTropCourt) != std::string::npos) numeros.push_back(108);
    for (size_t p = 0; (p = trace.find('.', p)) != std::string::npos; ++p) {
        numeros.push_back(std::stoi(trace.substr(p + 1, trace.find(';', p) - p - 1)));
    }
    std::string texte;
    for (int n : numeros) {
        char numero[8];
        std::snprintf(numero, sizeof numero, "I%03d1", n);
        texte += numero;
    }
    return texte;
}

// Runs one file of the records (the header's E11, which no rule reads,
// numbers them) and, after them, the raw lines `enPlus` with their traces;
// checks the exit code, the -i trace, the files left and every line of the
// delivered file. c7 and c8 are the first columns of the pair an error record
// echoes.
void verifierFichier(const std::vector<Cas>& cas, int c7, int c8,
                     const std::vector<std::pair<std::string, std::string>>& enPlus = {}) {
    std::vector<std::pair<std::string, std::string>> enregistrements;
    for (size_t i = 0; i < cas.size(); ++i) {
        Vse v = cas[i].vse;
        v.e11 = numero(i + 1, 10);
        enregistrements.emplace_back(v.texte(), cas[i].trace);
    }
    enregistrements.insert(enregistrements.end(), enPlus.begin(), enPlus.end());
    const int nombre = static_cast<int>(enregistrements.size());
    const std::string enteteFichier = fich(nombre).texte();
    std::vector<std::string> entree{enteteFichier};
    std::string traceAttendue;
    std::vector<std::string> refus;
    for (const auto& [texte, trace] : enregistrements) {
        entree.push_back(texte);
        traceAttendue += trace;
        if (!trace.empty()) refus.push_back(erreurAttendue(texte, enteteFichier, numerosDeTrace(trace), c7, c8));
    }

    Repertoire rep;
    const auto r = valider(rep, fichier(entree), {"-i"});
    EXPECT_EQ(r.sortie, traceAttendue);
    std::vector<std::string> attendu;
    if (refus.empty()) {
        attendu.push_back(accepteAttendu(enteteFichier, nombre));
        for (size_t i = 1; i < entree.size(); ++i) attendu.push_back(tamponne(entree[i]));
        attendreLivraison(rep, r, 0, attendu);
        return;
    }
    const int refuses = static_cast<int>(refus.size());
    attendu.push_back(refusAttendu(enteteFichier, refuses, nombre, nombre - refuses));
    attendu.insert(attendu.end(), refus.begin(), refus.end());
    attendreLivraison(rep, r, 2, attendu);
    // Which record each error record answers, for a readable failure.
    const auto sortie = lignes(rep.lire("out.txt"));
    for (size_t k = 1, i = 0; k < sortie.size() && i < cas.size(); ++i) {
        if (cas[i].trace.empty()) continue;
        EXPECT_EQ(col(sortie[k], 51, 60), numero(i + 1, 10)) << cas[i].quoi;
        ++k;
    }
}

// ---------------------------------------------------------------------------

TEST(BoutEnBoutDispositifs, ValidRecordsOfEveryAdmittedActionAreDelivered) {
    verifierFichier(
        {
            {"NUMA CRE", numa("CRE"), ""},
            {"NUMA MOD", numa("MOD"), ""},
            {"NUMA ECQ", numa("ECQ"), ""},
            {"NUMA CRE before 2011, tag models blank", avec(numa("CRE"), {{99, "31122010"}, {108, B8}, {116, B8}}),
             ""},
            {"REBO CRE", rebo("CRE"), ""},
            {"REBO INV", rebo("INV"), ""},
            {"REBO MOD", rebo("MOD"), ""},
            {"REBO CRE of a German bovine", avec(rebo("CRE"), {{63, "DE"}, {65, "0987654321  "}}), ""},
            {"REBO MOD before 2011, no indicator", avec(rebo("MOD"), {{79, "31122010"}, {228, " "}}), ""},
            {"PICO CRE", pico("CRE"), ""},
            {"PICO CRE replacement order", avec(pico("CRE"), {{81, "100000R1234 "}, {115, "PR"}}), ""},
            {"PICO CRE tag without counter", avec(pico("CRE"), {{107, "BCC001  "}, {119, " "}}), ""},
            {"GROC CRE", groc("CRE"), ""},
            {"GROC CRE with a second date", avec(groc("CRE"), {{112, "16062024"}, {122, "120000"}}), ""},
            {"GROC CRE of a Belgian animal", avec(groc("CRE"), {{63, "BE"}, {65, "A12345      "}, {109, "  "}}), ""},
            {"GROC DEM", avec(vide("GROC", "DEM"), {{63, "FR"}, {65, "10000012345 "}, {101, "AZE123  "}}), ""},
            {"IMOC CRE", imoc("CRE"), ""},
            {"IMOC INV", avec(vide("IMOC", "INV"), {{63, "FR"}, {65, "104999      "}}), ""},
            {"RACO CRE", raco("CRE"), ""},
            {"RACO CRE without date", avec(raco("CRE"), {{95, B8}}), ""},
            {"RACO INV", raco("INV"), ""},
            {"RACO MOD", raco("MOD"), ""},
        },
        63, 65);
}

TEST(BoutEnBoutDispositifs, Numa) {
    const Vse v = numa("CRE");
    const Vse m = numa("MOD");
    verifierFichier(
        {
            {"valid", v, ""},
            {"C1 not FR", avec(v, {{63, "BE"}}), "C1.27;"},
            {"C2 blank", avec(v, {{65, B12}}), "C2.27;C2.68;C2.50;"},
            {"C2 of another department", avec(v, {{65, "02345678    "}}), "C2.50;"},
            {"C4 not FR", avec(v, {{79, "DE"}}), "C4.26;"},
            {"C5 blank", avec(v, {{81, B12}}), "C5.26;C5.67;C5.50;"},
            {"C5 of another department", avec(v, {{81, "0212345678  "}}), "C5.50;"},
            {"C6 000000", avec(v, {{93, "000000"}}), "C6.48;C6.177;"},
            {"C6 001000", avec(v, {{93, "001000"}}), ""},
            {"C6 001001", avec(v, {{93, "001001"}}), "C6.177;"},
            {"C6 with a blank", avec(v, {{93, " 00100"}}), "C6.48;"},
            {"range up to the last serial", avec(v, {{81, "0199999900  "}}), ""},
            {"range past the last serial", avec(v, {{81, "0199999901  "}}), "C6.179;"},
            {"C7 no such day", avec(v, {{99, "31022024"}}), "C7.28;"},
            {"C7 after the record's date", avec(v, {{99, "21062024"}}), "C7.52;"},
            {"C8 not checked on creation", avec(v, {{107, "9"}}), ""},
            {"C9 blank from 2011", avec(v, {{108, B8}}), "C9.153;"},
            {"C9 and C10 blank from 1 January 2011", avec(v, {{99, "01012011"}, {108, B8}, {116, B8}}),
             "C9.153;C10.153;"},
            {"C9 sheep and goat letter", avec(v, {{108, "AZE123  "}}), "C9.155;"},
            {"C10 wrong in every part but the length", avec(v, {{116, "OBX12A  "}}), "C10.154;C10.156;C10.157;"},
            {"C10 5 characters", avec(v, {{116, "ABE12   "}}), "C10.153;C10.157;"},
            {"blank body: the first ten errors", vide("NUMA", "CRE"),
             "C1.27;C2.27;C2.68;C2.50;C4.26;C5.26;C5.67;C5.50;C6.48;C6.177;"},
            {"MOD valid", m, ""},
            {"MOD C7 not checked", avec(m, {{99, "99999999"}}), ""},
            {"MOD C8 blank", avec(m, {{107, " "}}), "C8.150;"},
            {"MOD C8 unknown", avec(m, {{107, "6"}}), "C8.150;"},
            {"MOD C6 001001", avec(m, {{93, "001001"}}), "C6.177;"},
            {"MOD before 2011, models blank", avec(m, {{99, "31122010"}, {108, B8}, {116, B8}}), ""},
            {"MOD from 2011, C10 blank", avec(m, {{116, B8}}), "C10.153;"},
        },
        63, 65);
}

// A serial beyond the 32-bit range reads as the bound, so the range is
// refused (a wrapped reading could accept it).
TEST(BoutEnBoutDispositifs, NumaSerialBeyond32Bits) {
    const Vse v = numa("CRE");
    verifierFichier(
        {
            {"019999999999 + 1", avec(v, {{81, "019999999999"}, {93, "000001"}}), "C5.67;C6.179;"},
            {"014294967297 + 1", avec(v, {{81, "014294967297"}, {93, "000001"}}), "C5.67;C6.179;"},
        },
        63, 65);
}

TEST(BoutEnBoutDispositifs, Rebo) {
    const Vse c = rebo("CRE");
    const Vse i = rebo("INV");
    const Vse m = rebo("MOD");
    verifierFichier(
        {
            {"CRE valid", c, ""},
            {"CRE C1 unknown", avec(c, {{63, "QQ"}}), "C1.1;"},
            {"CRE C2 blank", avec(c, {{65, B12}}), "C2.1;C2.67;"},
            {"CRE C2 not conform", avec(c, {{65, "2A12345678  "}}), "C2.67;"},
            {"CRE C2 outside the exchanges", avec(c, {{63, "US"}, {65, "US12        "}}), "C2.118;"},
            {"CRE C2 repeats its country", avec(c, {{63, "DE"}, {65, "DE12345678  "}}), "C2.1;"},
            {"CRE C4 no such day", avec(c, {{79, "31022024"}}), "C4.28;"},
            {"CRE C4 after the record's date", avec(c, {{79, "21062024"}}), "C4.52;"},
            {"CRE C5 not FR", avec(c, {{87, "BE"}}), "C5.27;"},
            {"CRE C6 blank", avec(c, {{89, B12}}), "C6.27;C6.68;C6.50;"},
            {"CRE C6 of another department", avec(c, {{89, "02345678    "}}), "C6.50;"},
            {"CRE C23 not checked", avec(c, {{212, "XXXXXXXX"}}), ""},
            // C24 sits in slot C8 after the jump.
            {"CRE C24 blank from 2011", avec(c, {{220, B8}}), "C8.153;"},
            {"CRE C24 blank before 2011", avec(c, {{79, "31122010"}, {220, B8}}), ""},
            {"CRE C24 with a blank", avec(c, {{220, "ABE 23  "}}), "C8.153;C8.157;"},
            {"CRE C24 sheep and goat model", avec(c, {{220, "AZE123  "}}), "C8.155;"},
            {"CRE C25 not checked", avec(c, {{228, "0"}}), ""},
            {"INV valid", i, ""},
            {"INV C4 and C24 not checked", avec(i, {{79, "XXXXXXXX"}, {220, "garbage "}}), ""},
            {"INV C23 no such day", avec(i, {{212, "31022024"}}), "C7.28;"},
            {"INV C23 after the record's date", avec(i, {{212, "21062024"}}), "C7.52;"},
            {"INV C23 blank", avec(i, {{212, B8}}), "C7.28;"},
            {"INV C6 of another department", avec(i, {{89, "02345678    "}}), "C6.50;"},
            {"MOD valid", m, ""},
            {"MOD C23 blank", avec(m, {{212, B8}}), "C7.28;"},
            {"MOD C24 not checked", avec(m, {{220, B8}}), ""},
            {"MOD C25 blank from 2011", avec(m, {{228, " "}}), "C9.150;"},
            {"MOD C25 0", avec(m, {{228, "0"}}), "C9.191;"},
            {"MOD C25 not matched against a list", avec(m, {{228, "X"}}), ""},
            {"MOD C4 day 32 orders after the record's date", avec(m, {{79, "32062024"}}), "C4.28;C4.52;"},
        },
        87, 89);
}

TEST(BoutEnBoutDispositifs, Pico) {
    const Vse v = pico("CRE");
    verifierFichier(
        {
            {"valid", v, ""},
            {"ECQ takes the CRE rules", avec(pico("ECQ"), {{119, "8"}}), "C11.158;"},
            {"C1 not FR", avec(v, {{63, "BE"}}), "C1.27;"},
            {"C2 of another department", avec(v, {{65, "02345678    "}}), "C2.50;"},
            {"C4 not FR", avec(v, {{79, "BE"}}), "C4.164;"},
            {"C5 blank", avec(v, {{81, B12}}), "C5.165;C5.151;C5.50;"},
            {"C5 outside the establishment's range", avec(v, {{81, "1050001     "}}), "C5.50;"},
            {"C5 letter for an order I1", avec(v, {{81, "100000R     "}}), "C5.151;"},
            {"C5 digit for an order PR", avec(v, {{115, "PR"}}), "C5.151;"},
            {"C5 blanks and digits mixed", avec(v, {{81, "100000112 4 "}}), "C5.151;"},
            {"C6 000000", avec(v, {{93, "000000"}}), "C6.48;C6.178;"},
            {"C6 010000", avec(v, {{93, "010000"}}), ""},
            {"C6 010001", avec(v, {{93, "010001"}}), "C6.178;"},
            {"I1 range up to 100000", avec(v, {{81, "10000099999 "}, {93, "000001"}}), ""},
            {"I1 range past 100000", avec(v, {{81, "10000099999 "}, {93, "000002"}}), "C6.180;"},
            {"PR range up to 10000", avec(v, {{81, "100000R9999 "}, {93, "000001"}, {115, "PR"}}), ""},
            {"PR range past 10000", avec(v, {{81, "100000R9999 "}, {93, "000002"}, {115, "PR"}}), "C6.180;"},
            {"PC range past 10000", avec(v, {{81, "100000C     "}, {93, "010000"}, {115, "PC"}}), ""},
            {"C7 no such day", avec(v, {{99, "00000000"}}), "C7.28;"},
            {"C8 kind X, so no counter", avec(v, {{107, "AZX123  "}}), "C8.156;C11.158;"},
            {"C8 unknown maker", avec(v, {{107, "OZE123  "}}), "C8.154;"},
            {"C8 5 characters", avec(v, {{107, "AZE12   "}}), "C8.153;C8.157;"},
            {"C9 unknown", avec(v, {{115, "XX"}}), "C9.166;"},
            {"C10 unknown", avec(v, {{117, "ZZ"}}), "C10.152;"},
            {"C11 8", avec(v, {{119, "8"}}), "C11.158;"},
            {"C11 blank for kind E", avec(v, {{119, " "}}), "C11.158;"},
            {"C11 given for kind C", avec(v, {{107, "AZC123  "}}), "C11.158;"},
        },
        63, 65);
}

TEST(BoutEnBoutDispositifs, Groc) {
    const Vse v = groc("CRE");
    const Vse d = avec(vide("GROC", "DEM"), {{63, "FR"}, {65, "10000012345 "}, {101, "AZE123  "}});
    verifierFichier(
        {
            {"valid", v, ""},
            {"C1 outside the exchanges", avec(v, {{63, "US"}}), "C1.1;C8.152;"},
            {"C2 blank", avec(v, {{65, B12}}), "C2.1;C2.151;"},
            {"C2 below the lowest marking code", avec(v, {{65, "09999912345 "}}), "C2.151;"},
            {"C2 without its final blank", avec(v, {{65, "100000123456"}}), "C2.151;"},
            {"C2 Belgian, repeats its country", avec(v, {{63, "BE"}, {65, "BE1234      "}, {109, "  "}}), "C2.1;"},
            {"C4 not FR", avec(v, {{79, "BE"}}), "C4.27;"},
            {"C5 of another department", avec(v, {{81, "02345678    "}}), "C5.50;"},
            {"C6 no such day", avec(v, {{93, "31022024"}}), "C6.28;"},
            {"C6 after the record's date", avec(v, {{93, "21062024"}}), "C6.52;"},
            {"C7 unknown maker", avec(v, {{101, "OZE123  "}}), "C7.154;"},
            {"C7 5 characters", avec(v, {{101, "AZE12   "}}), "C7.153;C7.157;"},
            {"C8 blank for a French animal", avec(v, {{109, "  "}}), "C8.152;"},
            {"C9 8", avec(v, {{111, "8"}}), "C9.158;"},
            {"C10 blank, C12 a time", avec(v, {{122, "120000"}}), "C12.103;"},
            {"C10 a date, C12 blank", avec(v, {{112, "16062024"}}), "C12.103;"},
            {"C10 a date, C12 no time", avec(v, {{112, "16062024"}, {122, "250000"}}), "C12.103;"},
            {"C10 no such day", avec(v, {{112, "31022024"}, {122, "120000"}}), "C10.102;"},
            {"C10 after the record's date", avec(v, {{112, "21062024"}, {122, "120000"}}), "C10.52;"},
            {"C10 before C6 is not compared", avec(v, {{112, "01012024"}, {122, "120000"}}), ""},
            {"blank body: the first ten errors", vide("GROC", "CRE"),
             "C1.1;C2.1;C2.1;C4.27;C5.27;C5.68;C5.50;C6.28;C7.153;C7.154;"},
            {"DEM valid", d, ""},
            {"DEM runs nothing on the date", avec(d, {{93, "31022024"}, {79, "ZZ"}, {111, "9"}}), ""},
            {"DEM C2 blank", avec(d, {{65, B12}}), "C2.1;C2.151;"},
            {"DEM C7 kind X", avec(d, {{101, "AZX123  "}}), "C7.156;"},
            {"DEM C1 outside the exchanges", avec(d, {{63, "US"}}), "C1.1;"},
        },
        79, 81);
}

TEST(BoutEnBoutDispositifs, Imoc) {
    const Vse v = imoc("CRE");
    const Vse i = avec(vide("IMOC", "INV"), {{63, "FR"}, {65, "100000      "}});
    verifierFichier(
        {
            {"valid", v, ""},
            {"C1 not FR", avec(v, {{63, "BE"}}), "C1.159;"},
            {"C2 blank", avec(v, {{65, B12}}), "C2.160;C2.161;C2.50;"},
            {"C2 outside the establishment's range", avec(v, {{65, "105000      "}}), "C2.50;"},
            {"C2 not followed by blanks", avec(v, {{65, "100000     X"}}), "C2.161;"},
            {"C4 not FR", avec(v, {{79, "BE"}}), "C4.27;"},
            {"C5 blank", avec(v, {{81, B12}}), "C5.27;C5.68;C5.50;"},
            {"C6 bovine letter", avec(v, {{93, "B"}}), "C6.162;"},
            {"C7 no such day", avec(v, {{94, "31022024"}}), "C7.163;"},
            {"C7 after the record's date", avec(v, {{94, "21062024"}}), "C7.52;"},
            {"INV valid", i, ""},
            {"INV C2 not followed by blanks", avec(i, {{65, "100000     X"}}), "C2.161;"},
            {"INV C2 outside the range", avec(i, {{65, "683499      "}}), "C2.50;"},
        },
        79, 81);
}

TEST(BoutEnBoutDispositifs, Raco) {
    const Vse v = raco("CRE");
    const Vse i = raco("INV");
    const Vse m = raco("MOD");
    verifierFichier(
        {
            {"valid", v, ""},
            {"C1 not FR", avec(v, {{63, "BE"}}), "C1.27;"},
            {"C2 of another department", avec(v, {{65, "02345678    "}}), "C2.50;"},
            {"C4 not a year", avec(v, {{79, "20X3"}}), "C4.167;C4.168;C7.137;"},
            {"C4 the year of the record", avec(v, {{79, "2024"}}), "C4.168;C7.137;"},
            {"C5 unknown", avec(v, {{83, "XXXXXX"}}), "C5.169;"},
            {"C6 000000", avec(v, {{89, "000000"}}), ""},
            {"C6 with a blank", avec(v, {{89, "00012 "}}), "C6.170;"},
            {"C7 no such day", avec(v, {{95, "31022024"}}), "C7.134;"},
            {"C7 after the record's date", avec(v, {{95, "21062024"}}), "C7.52;"},
            {"C7 in the census year", avec(v, {{95, "15122023"}}), "C7.137;"},
            {"INV valid", i, ""},
            {"INV C6 and C7 not checked", avec(i, {{89, "      "}, {95, "garbage "}}), ""},
            {"INV C4 the year of the record", avec(i, {{79, "2024"}}), "C4.168;"},
            {"MOD valid", m, ""},
            {"MOD C6 blank", avec(m, {{89, B6}}), "C6.170;"},
            {"MOD C7 not checked", avec(m, {{95, "31022024"}}), ""},
        },
        63, 65);
}

// Actions the header refuses for each type: 86 from the header, then 86 for
// every body rule of the action's column that carries 2, ten in all.
TEST(BoutEnBoutDispositifs, ActionsNotAdmittedGiveTen86) {
    const std::string numa86 = "E6.86;C1.86;C2.86;C2.86;C2.86;C4.86;C5.86;C5.86;C5.86;C6.86;";
    const std::string rebo86 = "E6.86;C1.86;C2.86;C2.86;C2.86;C2.86;C4.86;C4.86;C5.86;C6.86;";
    const std::string raco86 = "E6.86;C1.86;C2.86;C2.86;C2.86;C4.86;C4.86;C5.86;C6.86;C7.86;";
    verifierFichier(
        {
            {"NUMA DEM", numa("DEM"), numa86},
            {"NUMA INV", numa("INV"), numa86},
            {"NUMA EDI", numa("EDI"), numa86},
            {"NUMA INF", numa("INF"), numa86},
            {"PICO DEM", pico("DEM"), numa86},
            {"PICO INV", pico("INV"), numa86},
            {"PICO EDI", pico("EDI"), numa86},
            {"PICO MOD", pico("MOD"), numa86},
            {"RACO DEM", raco("DEM"), raco86},
            {"RACO EDI", raco("EDI"), raco86},
        },
        63, 65);
    verifierFichier(
        {
            {"REBO DEM", rebo("DEM"), rebo86},
            {"REBO EDI", rebo("EDI"), rebo86},
        },
        87, 89);
    verifierFichier(
        {
            {"GROC INV", groc("INV"), numa86},
            {"GROC EDI", groc("EDI"), numa86},
            {"GROC MOD", groc("MOD"), numa86},
            {"IMOC DEM", imoc("DEM"), numa86},
            {"IMOC EDI", imoc("EDI"), numa86},
            {"IMOC MOD", imoc("MOD"), numa86},
        },
        79, 81);
}

// A REBO line cut short in its second date: the missing trailer fails its
// rules and leaves no record date to bound the dates; the partial date fails.
TEST(BoutEnBoutDispositifs, ReboShortLine) {
    const std::string court = rebo("MOD").texte().substr(0, 215);
    verifierFichier({}, 87, 89, {{court, kTropCourt + "C4.52;C7.28;C7.52;F1.90;F2.91;F5.94;"}});
}

// A NUL byte or a byte above 127 inside a model code stays in its column:
// the line is refused once (106) and the model part it falls on fails.
TEST(BoutEnBoutDispositifs, ForeignBytesStayInTheirColumn) {
    std::string nul = pico("CRE").texte();
    nul[106] = '\0';  // column 107, the maker of the model C8
    std::string haut = groc("CRE").texte();
    haut[102] = '\xC9';  // column 103, the kind of the model C7
    verifierFichier({}, 63, 65, {{nul, kCarsNonAutorises + "C8.154;"}});
    verifierFichier({}, 79, 81, {{haut, kCarsNonAutorises + "C7.156;C9.158;"}});
}

TEST(BoutEnBoutDispositifs, ExampleFileIsDelivered) {
    const std::string contenu = lireExemple("dispositifs.vse");
    const auto enregistrements = lignes(contenu);
    ASSERT_GE(enregistrements.size(), 2u);
    EXPECT_EQ(col(enregistrements[0], 95, 100), [&] {
        char n[8];
        std::snprintf(n, sizeof n, "%06zu", enregistrements.size() - 1);
        return std::string(n);
    }());

    Repertoire rep;
    const auto r = valider(rep, contenu);
    EXPECT_EQ(r.code, 0) << r.erreur;
    EXPECT_EQ(rep.fichiers(), (std::set<std::string>{"log.txt", "out.txt"}));
    EXPECT_EQ(rep.lire("log.txt"), "");
    const auto sortie = lignes(rep.lire("out.txt"));
    ASSERT_EQ(sortie.size(), enregistrements.size());
    for (size_t i = 1; i < sortie.size(); ++i) {
        EXPECT_EQ(col(sortie[i], 77, 78), "40") << i;
        EXPECT_EQ(sortie[i], tamponne(enregistrements[i])) << i;
    }
}

}  // namespace
