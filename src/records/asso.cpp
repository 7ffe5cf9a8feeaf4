// ASSO records: body rule table.
#include "records/records.h"

// No body rules yet for this type: records of it get their header and trailer
// checked only.
const sCorps tAsso[1] = {};
const int lAsso = 0;
