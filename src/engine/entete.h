// Header and trailer rules, common to every record type.
#pragma once

#include "engine/modele.h"

extern const sCorps tEntete[];
extern const int lEntete;
extern const sCorps tFin[];
extern const int lFin;
