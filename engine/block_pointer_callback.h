#pragma once
// The callback through which the engine hands over the addresses of its blocks.

// The engine calls this, inside ASMEZI, with the addresses of its value, status and
// auxiliary blocks; each call replaces all three (kept by dictionary/engine_blocks.h).
void BlockPointerCallback(void* values, void* statuses, void* auxiliary);
using BlockPointerCallbackFunction = void (*)(void*, void*, void*);
