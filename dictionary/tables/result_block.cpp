#include "dictionary/tables/result_block.h"

float ResultBlock[ResultBlockSize / sizeof(float)] = {};
