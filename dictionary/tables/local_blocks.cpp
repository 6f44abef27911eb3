// The module's own value and status blocks for the array variable walk.
#include "dictionary/tables/local_blocks.h"

float LocalValueBlock[SlotCount] = {};
StatusEntry LocalStatusBlock[SlotCount] = {};
