#pragma once
// The record through which a caller names its design-tree link. Only the second field of
// the handle is read; it points at a middle record whose second field is the link. The
// first field of either record belongs to the caller and is never touched.
#include <cstddef>

class COrvelTLLink;

struct TLLinkHolder {
    void* CallerField;
    COrvelTLLink* Link;
};

struct TLLinkHandle {
    void* CallerField;
    TLLinkHolder* Holder;
};

static_assert(offsetof(TLLinkHolder, Link) == 8);
static_assert(offsetof(TLLinkHandle, Holder) == 8);
