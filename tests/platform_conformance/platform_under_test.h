#pragma once
// What differs between the two builds of the conformance table: where a fresh storage comes
// from, and whether the platform's answers come from Wine. Each build provides these two
// functions in a file of its own; the table and the tests are the same source for both.
#include "platform/com/storage.h"

// A new, empty structured storage opened for reading and writing with an exclusive share,
// as the unit services get one attached. The caller owns the one reference handed out.
HRESULT CreateTestStorage(IStorage** storage);

// Whether the platform under test is Wine's implementation of it: rows that name a known
// difference between Wine and the platform are skipped then.
bool PlatformIsWine();
