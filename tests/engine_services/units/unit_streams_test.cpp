// Binding numbered units to streams of the attached storage.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "engine_services/units/unit_stream_name.h"
#include "engine_services/units/unit_streams.h"
#include "tests/engine_services/units/storage_fixture.h"
#include "tests/support/platform_objects.h"

namespace {

// A stream that counts the commits and releases it receives before passing them on.
class CountingStream final : public ForwardingStream {
public:
    CountingStream(IStream* inner, int& commits, int& releases)
        : ForwardingStream(inner), commits_(commits), releases_(releases)
    {
    }
    ULONG Release() override
    {
        ++releases_;
        const ULONG left = inner_->Release();
        if (left == 0)
            delete this;
        return left;
    }
    HRESULT Commit(DWORD flags) override
    {
        ++commits_;
        return inner_->Commit(flags);
    }

private:
    int& commits_;
    int& releases_;
};

int commits = 0;
int releases = 0;

HRESULT CreateCountingStream(IStorage* storage, const OLECHAR* name, DWORD mode, IStream** stream)
{
    IStream* inner = nullptr;
    const HRESULT hr = CreateStorageStream(storage, name, mode, &inner);
    if (SUCCEEDED(hr))
        *stream = new CountingStream(inner, commits, releases);
    return hr;
}

HRESULT FailingOpener(IStorage*, const OLECHAR*, DWORD, IStream**)
{
    return STG_E_ACCESSDENIED;
}

class UnitStreams : public StorageFixture {
protected:
    // Whether the storage holds a stream of this name (its unit must be closed).
    bool StorageHolds(const OLECHAR* name)
    {
        IStream* stream = nullptr;
        if (FAILED(storage->OpenStream(name, nullptr, ReadWriteExclusive, 0, &stream)))
            return false;
        stream->Release();
        return true;
    }
};

TEST(UnitStreamName, DerivedFromTheCountedFileName)
{
    const struct {
        const char* name;
        std::int32_t length;
        const OLECHAR* stream;  // nullptr: no stream name
    } cases[] = {
        {"CASE7.INP", 9, OLESTR("INP")},
        {"A.B.C", 5, OLESTR("B.C")},
        {"CASE7.", 6, OLESTR("CASE7")},
        {"SCRATCH", 7, OLESTR("SCRATCH")},
        {".", 1, nullptr},
        {".DAT", 4, OLESTR("DAT")},
        {"CASE.DAT", 4, OLESTR("CASE")},
        {"CASE.DAT", 5, OLESTR("CASE")},
        {"AB\0CD.EF", 8, OLESTR("AB")},
        {"\xE9T\xC9.\x80", 5, OLESTR("\u20AC")},
        {"", 0, nullptr},
        {"CASE", -1, nullptr},
    };
    for (const auto& c : cases) {
        OLECHAR buffer[StreamNameUnits];
        const int units = StreamNameFromFileName(c.name, c.length, buffer);
        if (c.stream == nullptr) {
            EXPECT_EQ(units, 0) << c.name;
        } else {
            EXPECT_EQ(OleString(buffer), c.stream) << c.name;
            EXPECT_EQ(units, static_cast<int>(OleString(c.stream).size()));
        }
    }
}

TEST(UnitStreamName, AtMost255Units)
{
    OLECHAR buffer[StreamNameUnits];
    const std::string fits(255, 'N');
    EXPECT_EQ(StreamNameFromFileName(fits.c_str(), 255, buffer), 255);
    EXPECT_EQ(buffer[255], OLESTR('\0'));
    const std::string tooLong(256, 'N');
    EXPECT_EQ(StreamNameFromFileName(tooLong.c_str(), 256, buffer), 0);
}

TEST_F(UnitStreams, CreatedStreamIsNamedAfterTheFileExtension)
{
    Create(7, "CASE7.INP");
    EXPECT_EQ(CloseUnitStream(7), 1);
    EXPECT_TRUE(StorageHolds(OLESTR("INP")));
    EXPECT_EQ(OpenExistingUnitStream(8, "OTHER.INP", 9, ReadWriteExclusive), 1);
    EXPECT_EQ(OpenExistingUnitStream(9, "MISSING", 7, ReadWriteExclusive), 0);
    EXPECT_EQ(FindUnitStream(9), nullptr);
}

TEST_F(UnitStreams, FileNamesThatDifferInLetterCaseOnlyNameOneStream)
{
    const struct {
        const char* lower;
        const char* upper;
        const char* lowerAgain;
    } cases[] = {
        {"F.e", "G.E", "H.e"},
        {"F.\xE9", "G.\xC9", "H.\xE9"},  // e acute in the ANSI code page
    };
    for (const auto& c : cases) {
        Create(7, c.lower);
        Feed(7, {1, 2, 3});
        EXPECT_EQ(CloseUnitStream(7), 1);
        if (c.lower[2] != 'e' && RunsUnderWine()) {
            // Wine's answer, not the platform's: Wine folds only A to Z in element names.
            EXPECT_EQ(OpenExistingUnitStream(8, c.upper, 3, ReadWriteExclusive), 0) << c.upper;
            continue;
        }
        ASSERT_EQ(OpenExistingUnitStream(8, c.upper, 3, ReadWriteExclusive), 1) << c.upper;
        EXPECT_EQ(AtUnitEnd(8), 0) << "the stream holds the bytes written through the other name";
        EXPECT_EQ(CreateUnitStream(9, c.lowerAgain, 3, ReadWriteExclusive), 0) << "a stream of that name exists";
        EXPECT_EQ(CloseUnitStream(8), 1);
        EXPECT_EQ(CloseUnitStream(9), 0);
    }
}

TEST_F(UnitStreams, TwoUnitsKeepTheirOwnStreams)
{
    Create(1, "ONE");
    Create(2, "TWO");
    IStream* two = FindUnitStream(2);
    EXPECT_NE(FindUnitStream(1), nullptr);
    EXPECT_NE(FindUnitStream(1), two);
    EXPECT_EQ(CloseUnitStream(1), 1);
    EXPECT_EQ(FindUnitStream(1), nullptr);
    EXPECT_EQ(FindUnitStream(2), two);
    EXPECT_EQ(UnitTable.size(), 1u);
}

TEST_F(UnitStreams, RebindingReleasesTheEarlierStreamWithoutCommit)
{
    commits = releases = 0;
    ASSERT_EQ(OpenUnitStream(3, "FIRST", 5, ReadWriteExclusive, &CreateCountingStream), 1);
    Create(3, "SECOND");
    EXPECT_EQ(releases, 1);
    EXPECT_EQ(commits, 0);
    EXPECT_EQ(UnitTable.size(), 1u);
}

TEST_F(UnitStreams, CloseCommitsThenReleases)
{
    commits = releases = 0;
    ASSERT_EQ(OpenUnitStream(3, "FIRST", 5, ReadWriteExclusive, &CreateCountingStream), 1);
    EXPECT_EQ(CommitUnit(3), 1);
    EXPECT_EQ(commits, 1);
    EXPECT_EQ(CloseUnitStream(3), 1);
    EXPECT_EQ(commits, 2);
    EXPECT_EQ(releases, 1);
    EXPECT_EQ(CloseUnitStream(3), 0);
}

TEST_F(UnitStreams, FailingRebindLeavesTheUnitUnbound)
{
    Create(4, "FIRST");
    EXPECT_EQ(OpenUnitStream(4, "SECOND", 6, ReadWriteExclusive, &FailingOpener), 0);
    EXPECT_EQ(FindUnitStream(4), nullptr);
    Create(4, "THIRD");
    EXPECT_EQ(OpenUnitStream(4, ".", 1, ReadWriteExclusive, &CreateStorageStream), 0) << "no stream name";
    EXPECT_EQ(FindUnitStream(4), nullptr);
}

TEST_F(UnitStreams, EmptyNameChangesNothing)
{
    Create(5, "FIRST");
    IStream* bound = FindUnitStream(5);
    EXPECT_EQ(CreateUnitStream(5, "SECOND", 0, ReadWriteExclusive), 0);
    EXPECT_EQ(CreateUnitStream(5, nullptr, 6, ReadWriteExclusive), 0);
    EXPECT_EQ(FindUnitStream(5), bound);
}

TEST_F(UnitStreams, OpeningWithoutStorageStillDropsTheEarlierBinding)
{
    Create(6, "FIRST");
    Detach();
    EXPECT_EQ(IsStorageAttached(), 0);
    EXPECT_EQ(CreateUnitStream(6, "SECOND", 6, ReadWriteExclusive), 0);
    EXPECT_EQ(FindUnitStream(6), nullptr);
}

TEST_F(UnitStreams, DetachKeepsBoundUnitsWorking)
{
    Create(1, "ONE");
    Detach();
    EXPECT_EQ(IsStorageAttached(), 0);
    EXPECT_EQ(AttachedStorage, nullptr);
    EXPECT_NE(FindUnitStream(1), nullptr);
    EXPECT_EQ(CommitUnit(1), 1);
    EXPECT_EQ(RewindUnit(1), 1);
    EXPECT_EQ(CloseUnitStream(1), 1);
    EXPECT_TRUE(UnitTable.empty());
    Detach();
    EXPECT_EQ(IsStorageAttached(), 0) << "detaching twice changes nothing";
}

TEST_F(UnitStreams, UnitsOfAReleasedStorageAnswerFailureUntilClosed)
{
    Create(1, "ONE");
    Feed(1, {1, 2, 3, 4});
    ASSERT_EQ(RewindUnit(1), 1);
    ReleaseStorageAndAttachAnother();
    ASSERT_NE(FindUnitStream(1), nullptr) << "the unit stays bound to its reverted stream";
    EXPECT_EQ(CommitUnit(1), 0);
    EXPECT_EQ(RewindUnit(1), 0);
    EXPECT_EQ(AtUnitEnd(1), 1) << "a failed seek counts as the end";
    EXPECT_EQ(CloseUnitStream(1), 1);
    EXPECT_EQ(FindUnitStream(1), nullptr);
}

TEST_F(UnitStreams, AttachSetsCopyFlagAndAnObjectWithoutStorageAttachesNothing)
{
    Detach();
    IUnknown* plain = CreateTestObjectWithoutStorage();
    {
        StorageUnits units(plain, 0);
        EXPECT_EQ(IsStorageAttached(), 0);
        EXPECT_EQ(CopyFlag, 0);
    }
    EXPECT_EQ(CopyFlag, 0) << "detaching leaves the flag";
    {
        StorageUnits units(nullptr, 5);
        EXPECT_EQ(IsStorageAttached(), 0);
        EXPECT_EQ(CopyFlag, 5);
    }
    EXPECT_EQ(plain->Release(), 0u);
    Attach(2);
    EXPECT_EQ(IsStorageAttached(), 1);
    EXPECT_EQ(AttachedStorage, storage);
}

TEST_F(UnitStreams, UnboundUnitsAnswerFailure)
{
    EXPECT_EQ(FindUnitStream(11), nullptr);
    EXPECT_EQ(CommitUnit(11), 0);
    EXPECT_EQ(RewindUnit(11), 0);
    EXPECT_EQ(CloseUnitStream(11), 0);
    EXPECT_EQ(AtUnitEnd(11), 1);
}

TEST_F(UnitStreams, BackspaceNeverMoves)
{
    Create(1);
    Feed(1, {1, 2, 3});
    EXPECT_EQ(BackspaceUnit(1), 0);
    EXPECT_EQ(BackspaceUnit(12), 0);
    EXPECT_EQ(AtUnitEnd(1), 1) << "still at the end";
}

TEST_F(UnitStreams, AtUnitEndComparesThePositionWithTheSize)
{
    Create(1);
    EXPECT_EQ(AtUnitEnd(1), 1) << "a new stream is empty";
    Feed(1, {1, 2, 3, 4});
    EXPECT_EQ(AtUnitEnd(1), 1);
    ASSERT_EQ(RewindUnit(1), 1);
    EXPECT_EQ(AtUnitEnd(1), 0);
    ASSERT_EQ(FindUnitStream(1)->Seek(StreamOffset(10), STREAM_SEEK_SET, nullptr), S_OK);
    EXPECT_EQ(AtUnitEnd(1), 0) << "beyond the end is not the end";
}

}  // namespace
