// The link to the design tree: a link that never uses its tree costs only its 40 bytes;
// the tree comes with the first use and stays.
#include "link/COrvelTLLink.h"
#include "link/DesignTree.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <vector>

namespace {
std::size_t g_BytesAllocated = 0;
bool g_Counting = false;

// The bytes that the link library asks of the heap while the operation runs.
template <typename Operation>
std::size_t BytesAllocatedBy(Operation operation)
{
    g_BytesAllocated = 0;
    g_Counting = true;
    operation();
    g_Counting = false;
    return g_BytesAllocated;
}
}  // namespace

// Every allocation of the process, the link library's included, comes through here (on
// Linux).
void* operator new(std::size_t size)
{
    if (g_Counting)
        g_BytesAllocated += size;
    if (void* memory = std::malloc(size != 0 ? size : 1))
        return memory;
    throw std::bad_alloc();
}
// Not inlined, so that the compiler does not pair the free inside with the new outside.
__attribute__((noinline)) void operator delete(void* memory) noexcept { std::free(memory); }
__attribute__((noinline)) void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }

namespace {

// On the platform each module binds its own operator new: the link library's allocations
// never come through the one above.
#if defined(_WIN32)
constexpr bool LinkLibraryAllocationsAreSeen = false;
#else
constexpr bool LinkLibraryAllocationsAreSeen = true;
#endif
#define SKIP_UNLESS_LINK_LIBRARY_ALLOCATIONS_ARE_SEEN()                                          \
    if (!LinkLibraryAllocationsAreSeen)                                                          \
    GTEST_SKIP() << "the link library allocates through its own run-time here"

constexpr int kLinks = 5000;

// Storage for links as the module provides it: 40 bytes each, never destroyed.
struct LinkStorage {
    alignas(COrvelTLLink) unsigned char Bytes[sizeof(COrvelTLLink)];
};

TEST(DesignTreeLink, LinksThatUseNoTreeCostTheirFortyBytes)
{
    SKIP_UNLESS_LINK_LIBRARY_ALLOCATIONS_ARE_SEEN();
    std::vector<LinkStorage> storage(kLinks);
    std::vector<COrvelTLLink*> links;
    links.reserve(kLinks);
    EXPECT_EQ(BytesAllocatedBy([&] {
                  for (LinkStorage& place : storage)
                      links.push_back(new (place.Bytes) COrvelTLLink);
              }),
              0u);
    EXPECT_EQ(BytesAllocatedBy([&] {
                  for (COrvelTLLink* link : links) {
                      EXPECT_TRUE(link->GetFirstRun());
                      EXPECT_EQ(link->TubeLayout, nullptr);
                      EXPECT_EQ(link->CommonBlock, nullptr);
                  }
              }),
              0u);
}

TEST(DesignTreeLink, TheTreeComesWithTheFirstExchangeAndStays)
{
    SKIP_UNLESS_LINK_LIBRARY_ALLOCATIONS_ARE_SEEN();
    LinkStorage storage;
    auto* link = new (storage.Bytes) COrvelTLLink;
    std::vector<unsigned char> block(DesignTree::CommonBlockBytes, 0x5A);
    link->SetCommonBlock(block.data());

    EXPECT_GE(BytesAllocatedBy([&] { link->TransferDataFromCommonBlock(); }), std::size_t{DesignTree::CommonBlockBytes});
    EXPECT_EQ(link->Tree().Data, block);
    std::fill(block.begin(), block.end(), 0);
    EXPECT_EQ(BytesAllocatedBy([&] {
                  link->TransferDataToCommonBlock();
                  link->get_RootGroup();
              }),
              0u);
    EXPECT_EQ(block, std::vector<unsigned char>(DesignTree::CommonBlockBytes, 0x5A));
    EXPECT_EQ(link->Tree().TransfersFromBlock, 1);
    EXPECT_EQ(link->Tree().TransfersToBlock, 1);
    link->DiscardTree();
}

TEST(DesignTreeLink, EachLinkHasOneRootGroupOfItsOwn)
{
    LinkStorage first;
    LinkStorage second;
    auto* one = new (first.Bytes) COrvelTLLink;
    auto* other = new (second.Bytes) COrvelTLLink;
    void* root = one->get_RootGroup();
    EXPECT_NE(root, nullptr);
    EXPECT_EQ(one->get_RootGroup(), root);
    EXPECT_NE(other->get_RootGroup(), root);
    one->DiscardTree();
    other->DiscardTree();
}

}  // namespace
