#pragma once
// ReadCommonBlock with a chosen allocation of the snapshot it compares the block against,
// so that a test can make the allocation fail.
#include "engine_services/common_block/tl_link_handle.h"
#include "platform/win_types.h"

#include <cstddef>
#include <memory>

// A snapshot of a block's bytes; empty when it could not be allocated.
using CommonBlockSnapshot = std::unique_ptr<unsigned char[]>;
using SnapshotAllocator = CommonBlockSnapshot (*)(std::size_t bytes);

// The allocation ReadCommonBlock uses: from the heap, empty instead of throwing.
CommonBlockSnapshot AllocateSnapshot(std::size_t bytes);

void ReadCommonBlockWith(SnapshotAllocator allocate, void* block, TLLinkHandle* handle, LONG* unchanged,
                         const LONG* compare);
