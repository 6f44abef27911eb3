// The exchange of a Fortran caller's common block with the design tree.
#include "engine_services/common_block/common_block_exchange.h"

#include "engine_services/common_block/snapshot_allocation.h"
#include "link/COrvelTLLink.h"
#include "platform/com/hresult.h"

#include <cstring>
#include <new>

namespace {

constexpr const char* ReadFailure = "Internal error in common block data read";
constexpr const char* WriteFailure = "Internal error in common block data write";

// The link that the handle names, or null when a field on the way to it is null.
COrvelTLLink* LinkOf(const TLLinkHandle* handle)
{
    if (handle == nullptr || handle->Holder == nullptr)
        return nullptr;
    return handle->Holder->Link;
}

// Runs the transfer from the block and ends the first run; false when the link raised
// anything at all.
bool TransferredFromBlock(COrvelTLLink& link)
{
    try {
        link.TransferDataFromCommonBlock();
        link.SetFirstRun(false);
        return true;
    } catch (...) {
        return false;
    }
}

// Runs the transfer to the block unless the link is in its first run; false when the link
// raised anything at all.
bool TransferredToBlock(COrvelTLLink& link)
{
    try {
        if (!link.GetFirstRun())
            link.TransferDataToCommonBlock();
        return true;
    } catch (...) {
        return false;
    }
}

}  // namespace

CommonBlockSnapshot AllocateSnapshot(std::size_t bytes)
{
    return CommonBlockSnapshot(new (std::nothrow) unsigned char[bytes]);
}

void ReadCommonBlockWith(SnapshotAllocator allocate, void* block, TLLinkHandle* handle, LONG* unchanged,
                         const LONG* compare)
{
    COrvelTLLink* link = LinkOf(handle);
    if (link == nullptr)
        throw ETLTransferError(E_FAIL, ReadFailure);
    link->SetCommonBlock(block);

    const CommonBlockSnapshot snapshot = allocate(CommonBlockSize);
    if (!snapshot)
        throw ETLTransferError(E_FAIL, ReadFailure);
    std::memcpy(snapshot.get(), block, CommonBlockSize);

    if (!TransferredFromBlock(*link))
        throw ETLTransferError(E_FAIL, ReadFailure);
    // The compare flag may live in memory that the transfer changes: read it only now.
    if (*compare != 0)
        *unchanged = std::memcmp(snapshot.get(), block, CommonBlockSize) == 0 ? 1 : 0;
}

void ReadCommonBlock(void* block, TLLinkHandle* handle, LONG* unchanged, const LONG* compare)
{
    ReadCommonBlockWith(&AllocateSnapshot, block, handle, unchanged, compare);
}

void WriteCommonBlock(void* block, TLLinkHandle* handle)
{
    COrvelTLLink* link = LinkOf(handle);
    if (link == nullptr)
        throw ETLTransferError(E_FAIL, WriteFailure);
    link->SetCommonBlock(block);
    if (!TransferredToBlock(*link))
        throw ETLTransferError(E_FAIL, WriteFailure);
}

void SetDisplayOutputRelay(TLLinkHandle* handle, const LONG* on)
{
    COrvelTLLink* link = LinkOf(handle);
    if (link == nullptr)
        return;
    link->set_DisplayOutput(*on != 0);
}
