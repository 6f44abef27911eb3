// Four routines that do nothing with their arguments.
#include "dictionary/empty_routines.h"

void EmptyRoutineA(void*, void*, void*, void*) {}
void EmptyRoutineB(void*, void*, void*, std::uint8_t) {}
void EmptyRoutineC(void*, void*, void*, void*) {}
void EmptyRoutineD(void*, void*, void*, void*) {}
