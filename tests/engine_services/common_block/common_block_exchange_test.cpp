// The common-block exchange: reading a block into the design tree, writing the tree into a
// block once the first run is over, the compare flag, failures inside the link, handles
// that reach no link and the display-output switch.
#include "engine_services/common_block/common_block_exchange.h"

#include "engine_services/common_block/snapshot_allocation.h"
#include "link/COrvelTLLink.h"
#include "link/DesignTree.h"
#include "link/LinkJournal.h"
#include "tests/support/guarded_memory.h"
#include "tests/support/parameter_names.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>
#include <numeric>
#include <ostream>
#include <string>
#include <vector>

namespace {

constexpr HRESULT ExpectedFailureCode = static_cast<HRESULT>(0x80004005u);
constexpr const char* ReadMessage = "Internal error in common block data read";
constexpr const char* WriteMessage = "Internal error in common block data write";
constexpr LONG UntouchedFlag = 7;

static_assert(CommonBlockSize == 63016);

std::vector<unsigned char> Pattern(unsigned char seed)
{
    std::vector<unsigned char> bytes(CommonBlockSize);
    std::iota(bytes.begin(), bytes.end(), seed);
    return bytes;
}

// Runs an operation that must throw ETLTransferError and answers what it threw.
template <typename Operation>
ETLTransferError ThrownBy(Operation operation)
{
    try {
        operation();
    } catch (const ETLTransferError& error) {
        return error;
    }
    ADD_FAILURE() << "no ETLTransferError was thrown";
    return ETLTransferError(0, nullptr);
}

void ExpectFailure(const ETLTransferError& error, const char* message)
{
    EXPECT_EQ(error.HResult, ExpectedFailureCode);
    ASSERT_NE(error.Message, nullptr);
    EXPECT_STREQ(error.Message, message);
}

// A link named through a handle laid out as a caller lays it out: two records whose
// second pointer-sized fields lead to the link. The first fields hold marks of the caller's.
class CommonBlockExchange : public ::testing::Test {
protected:
    void SetUp() override { link.Tree().Data = Pattern(100); }
    void TearDown() override { link.DiscardTree(); }

    TLLinkHandle* Handle() { return reinterpret_cast<TLLinkHandle*>(outer); }

    void Read(LONG compare = 0) { ReadCommonBlock(block.data(), Handle(), &unchanged, &compare); }
    void Write() { WriteCommonBlock(block.data(), Handle()); }

    void ExpectCallerFieldsKept() const
    {
        EXPECT_EQ(outer[0], &outerMark);
        EXPECT_EQ(middle[0], &middleMark);
    }

    COrvelTLLink link;
    int outerMark = 0;
    int middleMark = 0;
    void* middle[2] = {&middleMark, &link};
    void* outer[2] = {&outerMark, middle};
    std::vector<unsigned char> block = Pattern(1);
    LONG unchanged = UntouchedFlag;
};

TEST_F(CommonBlockExchange, WriteBeforeTheFirstReadMovesNothingButKeepsTheBlocksAddress)
{
    ASSERT_TRUE(link.GetFirstRun());
    Write();

    EXPECT_EQ(link.Tree().TransfersToBlock, 0);
    EXPECT_EQ(block, Pattern(1));
    EXPECT_EQ(link.CommonBlock, block.data());
    EXPECT_TRUE(link.GetFirstRun());
    ExpectCallerFieldsKept();
}

TEST_F(CommonBlockExchange, ReadMovesTheBlockIntoTheTreeAndEndsTheFirstRun)
{
    Read();

    EXPECT_EQ(link.Tree().TransfersFromBlock, 1);
    EXPECT_EQ(link.Tree().Data, Pattern(1));
    EXPECT_EQ(link.CommonBlock, block.data());
    EXPECT_FALSE(link.GetFirstRun());
    EXPECT_EQ(unchanged, UntouchedFlag) << "compare flag 0 must leave the unchanged flag alone";
    ExpectCallerFieldsKept();
}

TEST_F(CommonBlockExchange, WriteAfterASuccessfulReadMovesTheTreeIntoTheBlockItIsGiven)
{
    Read();
    link.Tree().Data = Pattern(200);
    std::vector<unsigned char> other = Pattern(50);
    WriteCommonBlock(other.data(), Handle());

    EXPECT_EQ(link.Tree().TransfersToBlock, 1);
    EXPECT_EQ(other, Pattern(200));
    EXPECT_EQ(block, Pattern(1));
    EXPECT_EQ(link.CommonBlock, other.data());
}

// A failing read, whatever the link raises and whatever the first-run state was.
struct FailingRead {
    const char* Name;
    bool FirstRunBefore;
    bool RaiseNonStandard;
};

void PrintTo(const FailingRead& c, std::ostream* out) { *out << c.Name; }

class CommonBlockFailingRead : public CommonBlockExchange, public ::testing::WithParamInterface<FailingRead> {};

TEST_P(CommonBlockFailingRead, ThrowsTheReadErrorAndKeepsFirstRunAndTheUnchangedFlag)
{
    link.SetFirstRun(GetParam().FirstRunBefore);
    if (GetParam().RaiseNonStandard)
        link.Tree().OnTransferFromBlock = [](unsigned char*) { throw 42; };
    else
        link.Tree().RaiseOnTransferFromBlock = true;

    ExpectFailure(ThrownBy([&] { Read(1); }), ReadMessage);

    EXPECT_EQ(link.FirstRun, GetParam().FirstRunBefore);
    EXPECT_EQ(unchanged, UntouchedFlag);
    EXPECT_EQ(link.CommonBlock, block.data());
}

INSTANTIATE_TEST_SUITE_P(Cases, CommonBlockFailingRead,
                         ::testing::Values(FailingRead{"FirstRunRuntimeError", true, false},
                                           FailingRead{"FirstRunNonStandardException", true, true},
                                           FailingRead{"LaterRunRuntimeError", false, false}),
                         [](const auto& testCase) { return std::string(testCase.param.Name); });

TEST_F(CommonBlockExchange, AFailedFirstReadLeavesLaterWritesMovingNothing)
{
    link.Tree().RaiseOnTransferFromBlock = true;
    ThrownBy([&] { Read(); });
    link.Tree().RaiseOnTransferFromBlock = false;

    Write();

    EXPECT_EQ(link.Tree().TransfersToBlock, 0);
    EXPECT_EQ(block, Pattern(1));
}

TEST_F(CommonBlockExchange, AWriteWhoseLinkRaisesThrowsTheWriteError)
{
    Read();
    for (bool raiseInGetFirstRun : {true, false}) {
        SCOPED_TRACE(raiseInGetFirstRun ? "GetFirstRun raises" : "transfer raises");
        link.Tree().RaiseOnGetFirstRun = raiseInGetFirstRun;
        link.Tree().RaiseOnTransferToBlock = !raiseInGetFirstRun;
        std::vector<unsigned char> other = Pattern(50);

        ExpectFailure(ThrownBy([&] { WriteCommonBlock(other.data(), Handle()); }), WriteMessage);

        EXPECT_EQ(link.CommonBlock, other.data());
        EXPECT_EQ(other, Pattern(50));
    }
}

// The compare flag: which byte the transfer changes (none, or one), and the flag as the
// caller sets it before the call and as it stands after the transfer.
struct CompareCase {
    const char* Name;
    LONG CompareBefore;
    LONG CompareAfterTransfer;
    long ChangedByte;  // -1 for none
    LONG Expected;
};

void PrintTo(const CompareCase& c, std::ostream* out) { *out << c.Name; }

class CommonBlockCompare : public CommonBlockExchange, public ::testing::WithParamInterface<CompareCase> {};

TEST_P(CommonBlockCompare, GivesWhetherTheTransferLeftTheBlockAsItWas)
{
    const CompareCase& param = GetParam();
    LONG compare = param.CompareBefore;
    link.Tree().OnTransferFromBlock = [&](unsigned char* bytes) {
        if (param.ChangedByte >= 0)
            bytes[param.ChangedByte] ^= 0x01;
        compare = param.CompareAfterTransfer;
    };

    ReadCommonBlock(block.data(), Handle(), &unchanged, &compare);

    EXPECT_EQ(unchanged, param.Expected);
}

constexpr long LastByte = static_cast<long>(CommonBlockSize) - 1;

INSTANTIATE_TEST_SUITE_P(
    Cases, CommonBlockCompare,
    ::testing::Values(CompareCase{"Untouched", 1, 1, -1, 1},
                      CompareCase{"FirstByteChanged", 1, 1, 0, 0},
                      CompareCase{"MiddleByteChanged", 1, 1, 31507, 0},
                      CompareCase{"LastByteChanged", 1, 1, LastByte, 0},
                      CompareCase{"NegativeFlagCompares", -1, -1, LastByte, 0},
                      CompareCase{"FlagZeroLeavesUnchangedAlone", 0, 0, 0, UntouchedFlag},
                      CompareCase{"FlagSetDuringTransferCompares", 0, 1, 5, 0},
                      CompareCase{"FlagClearedDuringTransferLeavesUnchangedAlone", 1, 0, -1, UntouchedFlag}),
    [](const auto& testCase) { return std::string(testCase.param.Name); });

// A block that ends at an inaccessible page: any read or write past its last byte faults.
class GuardedBlock : public GuardedBytes {
public:
    GuardedBlock() : GuardedBytes(CommonBlockSize) {}
    unsigned char* Block() const { return Bytes(); }
};

TEST_F(CommonBlockExchange, BytesBeyondTheBlockAreNeverRead)
{
    GuardedBlock guarded;
    ASSERT_NE(guarded.Block(), nullptr);
    std::memcpy(guarded.Block(), Pattern(9).data(), CommonBlockSize);
    LONG compare = 1;

    ReadCommonBlock(guarded.Block(), Handle(), &unchanged, &compare);
    WriteCommonBlock(guarded.Block(), Handle());

    EXPECT_EQ(unchanged, 1);
    EXPECT_EQ(link.Tree().TransfersToBlock, 1);
}

CommonBlockSnapshot FailToAllocate(std::size_t) { return nullptr; }

TEST_F(CommonBlockExchange, ASnapshotThatCannotBeAllocatedFailsTheReadWithoutATransfer)
{
    LONG compare = 1;
    ExpectFailure(ThrownBy([&] { ReadCommonBlockWith(&FailToAllocate, block.data(), Handle(), &unchanged, &compare); }),
                  ReadMessage);

    EXPECT_EQ(link.Tree().TransfersFromBlock, 0);
    EXPECT_EQ(link.Tree().Data, Pattern(100));
    EXPECT_TRUE(link.GetFirstRun());
    EXPECT_EQ(unchanged, UntouchedFlag);
}

TEST(CommonBlockSnapshotAllocation, AnswersAWritableBlockOfTheSizeAsked)
{
    const CommonBlockSnapshot snapshot = AllocateSnapshot(CommonBlockSize);
    ASSERT_TRUE(snapshot);
    snapshot[0] = 1;
    snapshot[CommonBlockSize - 1] = 2;
    EXPECT_EQ(snapshot[CommonBlockSize - 1], 2);
}

// Handles that reach no link: a null second field of the handle, or of the middle record.
class CommonBlockUnreachableLink : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override
    {
        LinkJournal::Clear();
        LinkJournal::Enable();
    }
    void TearDown() override { LinkJournal::Disable(); }

    TLLinkHandle* Handle()
    {
        if (GetParam())
            outer[1] = nullptr;
        return reinterpret_cast<TLLinkHandle*>(outer);
    }

    void* middle[2] = {nullptr, nullptr};
    void* outer[2] = {nullptr, middle};
    std::vector<unsigned char> block = Pattern(1);
};

TEST_P(CommonBlockUnreachableLink, ReadAndWriteThrowTheirOwnErrorsAndCallNoLink)
{
    LONG unchanged = UntouchedFlag;
    LONG compare = 1;
    ExpectFailure(ThrownBy([&] { ReadCommonBlock(block.data(), Handle(), &unchanged, &compare); }), ReadMessage);
    ExpectFailure(ThrownBy([&] { WriteCommonBlock(block.data(), Handle()); }), WriteMessage);

    EXPECT_TRUE(LinkJournal::Calls().empty());
    EXPECT_EQ(unchanged, UntouchedFlag);
    EXPECT_EQ(block, Pattern(1));
}

TEST_P(CommonBlockUnreachableLink, SetDisplayOutputDoesNothing)
{
    const LONG on = 1;
    SetDisplayOutputRelay(Handle(), &on);

    EXPECT_TRUE(LinkJournal::Calls().empty());
}

INSTANTIATE_TEST_SUITE_P(NullField, CommonBlockUnreachableLink, ::testing::Values(true, false),
                         [](const auto& testCase) { return testCase.param ? "OfTheHandle" : "OfTheMiddleRecord"; });

class CommonBlockDisplayOutput : public CommonBlockExchange, public ::testing::WithParamInterface<LONG> {};

TEST_P(CommonBlockDisplayOutput, PassesTrueForAnyNonZeroFlag)
{
    const LONG on = GetParam();
    const bool expected = on != 0;
    link.DisplayOutput = !expected;

    SetDisplayOutputRelay(Handle(), &on);

    EXPECT_EQ(link.DisplayOutput, expected);
    EXPECT_EQ(link.Tree().DisplayOutputSwitches, 1);
    ExpectCallerFieldsKept();
}

INSTANTIATE_TEST_SUITE_P(Flags, CommonBlockDisplayOutput,
                         ::testing::Values(0, 1, 2, -1, std::numeric_limits<LONG>::min(),
                                           std::numeric_limits<LONG>::max(), 0x100),
                         NamedByValue<LONG>("Flag"));

}  // namespace
