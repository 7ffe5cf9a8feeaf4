// SORT records: body rule table.
#include "records/records.h"

// No body rules yet for this type: records of it get their header and trailer
// checked only.
const sCorps tSort[1] = {};
const int lSort = 0;
