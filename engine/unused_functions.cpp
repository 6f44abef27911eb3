// Functions the module holds that nothing calls.
#include "engine/unused_functions.h"

namespace {
void* StoredEnginePointer = nullptr;
void* StoredPointers[5] = {};
}  // namespace

void StoreEnginePointer(void* pointer) { StoredEnginePointer = pointer; }

void StoreFivePointers(void* first, void* second, void* third, void* fourth, void* fifth)
{
    StoredPointers[0] = first;
    StoredPointers[1] = second;
    StoredPointers[2] = third;
    StoredPointers[3] = fourth;
    StoredPointers[4] = fifth;
}

void EmptyModuleRoutineA() {}
void EmptyModuleRoutineB() {}
