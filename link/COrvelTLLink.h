#pragma once
// The link to the design tree. The caller provides the link's 40 bytes and runs the
// default constructor on them; no destructor is ever called. Callers read and write some
// fields directly by their byte offsets, so the layout is fixed. The tree is made on the
// link's first use of it, so that a link that never uses it costs its 40 bytes only.
#include "link/link_export.h"

// The design tree that a link keeps, defined for the link library and its tests only.
struct DesignTree;

class LINK_API COrvelTLLink {
public:
    COrvelTLLink();

    void* get_RootGroup();
    // Moves the common block's bytes into the design tree; raises on failure.
    void TransferDataFromCommonBlock();
    // Moves the design tree's bytes into the common block; raises on failure.
    void TransferDataToCommonBlock();
    bool GetFirstRun() const;
    void set_DisplayOutput(bool on);

    void SetCommonBlock(void* block) { CommonBlock = block; }
    void SetFirstRun(bool firstRun) { FirstRun = firstRun; }

    // Host side: the tree the link keeps, made now if it has none yet.
    DesignTree& Tree();
    // Host side: frees the tree of a link that is no longer used.
    void DiscardTree();

    // The fields, by byte offset (all public, so that the layout stays standard).
    DesignTree* KeptTree;  // bytes 0 to 7; null until the first use
    void* CommonBlock;     // bytes 8 to 15
    void* TubeLayout;      // bytes 16 to 23
    void* RootGroup;       // bytes 24 to 31: the tree, once made
    bool FirstRun;         // byte 32
    bool DisplayOutput;    // byte 33
};
