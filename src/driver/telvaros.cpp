#include "driver/telvaros.h"

int telvaros(int, char**) { return 1; }
