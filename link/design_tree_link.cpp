// The link to the design tree, over an in-memory tree.
#include "link/COrvelTLLink.h"

#include "link/DesignTree.h"

#include "link/LinkJournal.h"

#include <cstddef>
#include <cstring>
#include <stdexcept>

static_assert(sizeof(COrvelTLLink) == 40);
static_assert(offsetof(COrvelTLLink, CommonBlock) == 8);
static_assert(offsetof(COrvelTLLink, TubeLayout) == 16);
static_assert(offsetof(COrvelTLLink, FirstRun) == 32);

COrvelTLLink::COrvelTLLink()
    : KeptTree(nullptr), CommonBlock(nullptr), TubeLayout(nullptr), RootGroup(nullptr), FirstRun(true),
      DisplayOutput(false)
{
}

DesignTree& COrvelTLLink::Tree()
{
    if (KeptTree == nullptr) {
        KeptTree = new DesignTree;
        RootGroup = KeptTree;
    }
    return *KeptTree;
}

void* COrvelTLLink::get_RootGroup()
{
    LinkJournal::Record("COrvelTLLink::get_RootGroup", {});
    Tree();
    return RootGroup;
}

void COrvelTLLink::TransferDataFromCommonBlock()
{
    LinkJournal::Record("COrvelTLLink::TransferDataFromCommonBlock", {});
    DesignTree& tree = Tree();
    if (tree.RaiseOnTransferFromBlock)
        throw std::runtime_error("design tree: transfer from the common block failed");
    if (CommonBlock == nullptr)
        throw std::runtime_error("design tree: no common block");
    auto* block = static_cast<unsigned char*>(CommonBlock);
    std::memcpy(tree.Data.data(), block, DesignTree::CommonBlockBytes);
    ++tree.TransfersFromBlock;
    if (tree.OnTransferFromBlock)
        tree.OnTransferFromBlock(block);
}

void COrvelTLLink::TransferDataToCommonBlock()
{
    LinkJournal::Record("COrvelTLLink::TransferDataToCommonBlock", {});
    DesignTree& tree = Tree();
    if (tree.RaiseOnTransferToBlock)
        throw std::runtime_error("design tree: transfer to the common block failed");
    if (CommonBlock == nullptr)
        throw std::runtime_error("design tree: no common block");
    std::memcpy(CommonBlock, tree.Data.data(), DesignTree::CommonBlockBytes);
    ++tree.TransfersToBlock;
}

bool COrvelTLLink::GetFirstRun() const
{
    LinkJournal::Record("COrvelTLLink::GetFirstRun", {});
    // Only the host side can make this fail, and only through a tree it has made.
    if (KeptTree != nullptr && KeptTree->RaiseOnGetFirstRun)
        throw std::runtime_error("design tree: run state unavailable");
    return FirstRun;
}

void COrvelTLLink::set_DisplayOutput(bool on)
{
    LinkJournal::Record("COrvelTLLink::set_DisplayOutput", {}, -1, on ? "true" : "false");
    DisplayOutput = on;
    ++Tree().DisplayOutputSwitches;
}

void COrvelTLLink::DiscardTree()
{
    delete KeptTree;
    KeptTree = nullptr;
    RootGroup = nullptr;
}
