#pragma once
// Members of the host link library are exported from its shared object.
#define LINK_API __attribute__((visibility("default")))
