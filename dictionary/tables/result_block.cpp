// The module's own block of the results tables.
#include "dictionary/tables/result_block.h"

float ResultBlock[ResultBlockSize / sizeof(float)] = {};
