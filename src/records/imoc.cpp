// IMOC records: body rule table.
#include "records/records.h"

// No body rules yet for this type: records of it get their header and trailer
// checked only.
const sCorps tImoc[1] = {};
const int lImoc = 0;
