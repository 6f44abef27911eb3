#pragma once
// Marks what the module exports; everything else of the module stays hidden.
#define QUILL_EXPORT __attribute__((visibility("default")))
#define QUILL_HIDDEN __attribute__((visibility("hidden")))
