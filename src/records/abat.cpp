// ABAT records: body rule table.
#include "records/records.h"

// No body rules yet for this type: records of it get their header and trailer
// checked only.
const sCorps tAbat[1] = {};
const int lAbat = 0;
