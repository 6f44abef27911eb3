#pragma once
// Functions the module holds that nothing calls and whose addresses nothing hands out.

// Stores the pointer in a module-wide variable that nothing reads.
void StoreEnginePointer(void* pointer);
// Stores the five values, in order, in module-wide variables that nothing reads.
void StoreFivePointers(void* first, void* second, void* third, void* fourth, void* fifth);
void EmptyModuleRoutineA();
void EmptyModuleRoutineB();
