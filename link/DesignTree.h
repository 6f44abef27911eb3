#pragma once
// The design tree that a link keeps, and the host-side controls that tests use to make the
// link's calls fail or to act during a transfer. Not installed: a host reaches the tree
// only through the link's members.
#include "link/link_export.h"

#include <cstddef>
#include <functional>
#include <vector>

// The data moved to and from the common block, and the controls.
struct LINK_API DesignTree {
    // The bytes of design data that a common block exchanges with the tree.
    static constexpr std::size_t CommonBlockBytes = 63016;

    std::vector<unsigned char> Data = std::vector<unsigned char>(CommonBlockBytes, 0);
    int TransfersFromBlock = 0;
    int TransfersToBlock = 0;
    int DisplayOutputSwitches = 0;
    // Host side: make the next calls raise std::runtime_error.
    bool RaiseOnTransferFromBlock = false;
    bool RaiseOnTransferToBlock = false;
    bool RaiseOnGetFirstRun = false;
    // Host side: run on the block during a transfer from it, after its bytes are taken.
    std::function<void(unsigned char* block)> OnTransferFromBlock;
};
