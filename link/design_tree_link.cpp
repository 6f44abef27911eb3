#include "link/COrvelTLLink.h"

#include "link/LinkJournal.h"

#include <cstddef>
#include <cstring>
#include <stdexcept>

static_assert(sizeof(COrvelTLLink) == 40);
static_assert(offsetof(COrvelTLLink, CommonBlock) == 8);
static_assert(offsetof(COrvelTLLink, TubeLayout) == 16);
static_assert(offsetof(COrvelTLLink, FirstRun) == 32);

COrvelTLLink::COrvelTLLink()
    : KeptTree(new DesignTree), CommonBlock(nullptr), TubeLayout(nullptr), RootGroup(KeptTree), FirstRun(true),
      DisplayOutput(false)
{
}

void* COrvelTLLink::get_RootGroup()
{
    LinkJournal::Record("COrvelTLLink::get_RootGroup", {});
    return RootGroup;
}

void COrvelTLLink::TransferDataFromCommonBlock()
{
    LinkJournal::Record("COrvelTLLink::TransferDataFromCommonBlock", {});
    if (KeptTree->RaiseOnTransferFromBlock)
        throw std::runtime_error("design tree: transfer from the common block failed");
    if (CommonBlock == nullptr)
        throw std::runtime_error("design tree: no common block");
    auto* block = static_cast<unsigned char*>(CommonBlock);
    std::memcpy(KeptTree->Data.data(), block, DesignTree::CommonBlockBytes);
    ++KeptTree->TransfersFromBlock;
    if (KeptTree->OnTransferFromBlock)
        KeptTree->OnTransferFromBlock(block);
}

void COrvelTLLink::TransferDataToCommonBlock()
{
    LinkJournal::Record("COrvelTLLink::TransferDataToCommonBlock", {});
    if (KeptTree->RaiseOnTransferToBlock)
        throw std::runtime_error("design tree: transfer to the common block failed");
    if (CommonBlock == nullptr)
        throw std::runtime_error("design tree: no common block");
    std::memcpy(CommonBlock, KeptTree->Data.data(), DesignTree::CommonBlockBytes);
    ++KeptTree->TransfersToBlock;
}

bool COrvelTLLink::GetFirstRun() const
{
    LinkJournal::Record("COrvelTLLink::GetFirstRun", {});
    if (KeptTree->RaiseOnGetFirstRun)
        throw std::runtime_error("design tree: run state unavailable");
    return FirstRun;
}

void COrvelTLLink::set_DisplayOutput(bool on)
{
    LinkJournal::Record("COrvelTLLink::set_DisplayOutput", {}, -1, on ? "true" : "false");
    DisplayOutput = on;
    ++KeptTree->DisplayOutputSwitches;
}

void COrvelTLLink::DiscardTree()
{
    delete KeptTree;
    KeptTree = nullptr;
    RootGroup = nullptr;
}
