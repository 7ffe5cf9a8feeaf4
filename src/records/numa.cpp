// NUMA records: body rule table.
#include "records/records.h"

// No body rules yet for this type: records of it get their header and trailer
// checked only.
const sCorps tNuma[1] = {};
const int lNuma = 0;
