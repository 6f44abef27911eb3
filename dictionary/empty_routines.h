#pragma once
// Four routines that do nothing with their arguments; nothing in the system calls them.
#include <cstdint>

void EmptyRoutineA(void* first, void* second, void* third, void* fourth);
void EmptyRoutineB(void* first, void* second, void* third, std::uint8_t fourth);
void EmptyRoutineC(void* first, void* second, void* third, void* fourth);
void EmptyRoutineD(void* first, void* second, void* third, void* fourth);
