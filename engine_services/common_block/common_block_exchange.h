#pragma once
// The exchange of a caller's common block with the design tree through the caller's
// COrvelTLLink, for callers with the Fortran calling convention (every argument by
// reference). A failure inside the link during a transfer, or a handle that reaches no
// link, reaches the caller as ETLTransferError with E_FAIL.
#include "engine_services/common_block/etl_transfer_error.h"
#include "engine_services/common_block/tl_link_handle.h"
#include "platform/win_types.h"

#include <cstddef>

// The bytes of design data in a common block.
inline constexpr std::size_t CommonBlockSize = 63016;

extern "C" {

// Moves the block into the design tree and ends the link's first run. When *compare,
// read after the transfer, is non-zero, *unchanged becomes 1 if the block's bytes are as
// they were before the transfer and 0 otherwise; else *unchanged is left alone.
void ReadCommonBlock(void* block, TLLinkHandle* handle, LONG* unchanged, const LONG* compare);

// Moves the design tree into the block, unless the link is still in its first run. The
// link holds the block's address afterwards either way.
void WriteCommonBlock(void* block, TLLinkHandle* handle);

// Switches the link's display output: on for any non-zero *on. A handle that reaches no
// link is left alone.
void SetDisplayOutputRelay(TLLinkHandle* handle, const LONG* on);

}
