#include "dictionary/tables/local_blocks.h"

float LocalValueBlock[SlotCount] = {};
StatusEntry LocalStatusBlock[SlotCount] = {};
