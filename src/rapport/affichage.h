// The report written for a reader (French text) or for a program (one JSON
// object per line).
#pragma once

#include <cstdio>
#include <string>

#include "rapport/analyse.h"

// A JSON string: the quotes, and inside them the text with '"', '\' and the
// control bytes escaped. Bytes above 127 are kept as they are when `utf8`
// (the program's own texts), else written \u00HH, the code point of the same
// number (the bytes of a record, which need not be UTF-8).
std::string chaineJson(const std::string& texte, bool utf8);

// The answer of the tool for an exit code: "fichier résultat", "fichier
// d'erreur" or "aucune réponse".
const char* reponseDuCode(int code);

void ecrireTexte(std::FILE* f, const std::string& chemin, const sRapport& r);
void ecrireJson(std::FILE* f, const sRapport& r);
