// Explanation of an error file already received: each error record's type,
// identification and, for each of its error numbers, the fields of that type
// whose rules carry the number.
#pragma once

#include <cstdio>
#include <string>

// Explains the error file `contenu` (its bytes, any line ends) on f, as text
// or as one JSON object per line.
void expliquerErreurs(std::FILE* f, const std::string& chemin, const std::string& contenu, bool json);
