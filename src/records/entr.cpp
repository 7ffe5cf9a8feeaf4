// ENTR records: body rule table.
#include "records/records.h"

// No body rules yet for this type: records of it get their header and trailer
// checked only.
const sCorps tEntr[1] = {};
const int lEntr = 0;
