// The storage rows through IStorage and IStream: modes, names and scripts of calls on a
// fresh storage.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/platform_conformance/conformance_cases.h"
#include "tests/platform_conformance/expected_answer.h"
#include "tests/platform_conformance/platform_text.h"
#include "tests/support/platform_objects.h"

namespace {

constexpr DWORD ReadWrite = STGM_READWRITE | STGM_SHARE_EXCLUSIVE;
constexpr int StreamHandles = 4;

class FreshStorage {
protected:
    FreshStorage() { created = CreateTestStorage(STGM_READWRITE | STGM_SHARE_EXCLUSIVE, &storage); }
    ~FreshStorage()
    {
        for (IStream*& stream : streams)
            ReleaseStream(stream);
        if (storage != nullptr)
            storage->Release();
    }

    static void ReleaseStream(IStream*& stream)
    {
        if (stream != nullptr)
            stream->Release();
        stream = nullptr;
    }

    HRESULT Create(std::u16string_view name, DWORD mode, IStream*& stream)
    {
        return storage->CreateStream(TerminatedName(name).data(), mode, 0, 0, &stream);
    }
    HRESULT Open(std::u16string_view name, DWORD mode, IStream*& stream)
    {
        return storage->OpenStream(TerminatedName(name).data(), nullptr, mode, 0, &stream);
    }

    HRESULT created = E_FAIL;
    IStorage* storage = nullptr;
    IStream* streams[StreamHandles] = {};
};

class PlatformStreamMode : public ::testing::TestWithParam<StreamModeCase>, protected FreshStorage {};

TEST_P(PlatformStreamMode, CreateAnswersAsThePlatform)
{
    const StreamModeCase& row = GetParam();
    const ExpectedAnswer expected(row);
    ASSERT_EQ(created, S_OK);
    EXPECT_EQ(Hex(Create(u"NEW", row.mode, streams[0])), Hex(expected->create));
    EXPECT_EQ(streams[0] != nullptr, SUCCEEDED(expected->create));
}

TEST_P(PlatformStreamMode, OpenAnswersAsThePlatform)
{
    const StreamModeCase& row = GetParam();
    const ExpectedAnswer expected(row);
    ASSERT_EQ(created, S_OK);
    ASSERT_EQ(Create(u"DAT", ReadWrite, streams[0]), S_OK);
    ReleaseStream(streams[0]);
    EXPECT_EQ(Hex(Open(u"DAT", row.mode, streams[1])), Hex(expected->open));
    EXPECT_EQ(streams[1] != nullptr, SUCCEEDED(expected->open));
}

class PlatformStreamName : public ::testing::TestWithParam<StreamNameCase>, protected FreshStorage {};

TEST_P(PlatformStreamName, AnswersAsThePlatform)
{
    const StreamNameCase& row = GetParam();
    const ExpectedAnswer expected(row);
    ASSERT_EQ(created, S_OK);
    EXPECT_EQ(Hex(Create(row.created, ReadWrite, streams[0])), Hex(expected->create));
    ReleaseStream(streams[0]);
    EXPECT_EQ(Hex(Open(row.opened, ReadWrite, streams[1])), Hex(expected->open));
}

class PlatformStorageCalls : public ::testing::TestWithParam<StorageScript>, protected FreshStorage {
protected:
    // Makes one call of the script and checks the platform's answer.
    void Run(const StorageStep& step)
    {
        IStream*& stream = streams[step.stream];
        const bool callsTheStream = step.call == Call::Write || step.call == Call::Read || step.call == Call::Seek ||
                                    step.call == Call::Stat || step.call == Call::Commit;
        if (callsTheStream) {
            ASSERT_NE(stream, nullptr) << "no stream is open as handle " << step.stream;
        }
        switch (step.call) {
        case Call::Create: EXPECT_EQ(Hex(Create(step.name, step.mode, stream)), Hex(step.answer)); break;
        case Call::Open: EXPECT_EQ(Hex(Open(step.name, step.mode, stream)), Hex(step.answer)); break;
        case Call::Write: {
            ULONG written = 0;
            EXPECT_EQ(Hex(stream->Write(step.bytes.data(), static_cast<ULONG>(step.bytes.size()), &written)),
                      Hex(step.answer));
            if (SUCCEEDED(step.answer)) {
                EXPECT_EQ(written, step.bytes.size());
            }
            break;
        }
        case Call::Read: {
            std::string bytes(static_cast<std::size_t>(step.count), '\0');
            ULONG read = 0;
            EXPECT_EQ(Hex(stream->Read(bytes.data(), static_cast<ULONG>(step.count), &read)), Hex(step.answer));
            if (SUCCEEDED(step.answer)) {
                EXPECT_EQ(Readable(bytes.substr(0, read)), Readable(step.bytes));
            }
            break;
        }
        case Call::Seek: {
            LARGE_INTEGER move;
            move.QuadPart = step.count;
            ULARGE_INTEGER position;
            position.QuadPart = 0;
            EXPECT_EQ(Hex(stream->Seek(move, step.mode, &position)), Hex(step.answer));
            if (SUCCEEDED(step.answer)) {
                EXPECT_EQ(position.QuadPart, step.position);
            }
            break;
        }
        case Call::Stat: {
            STATSTG status{};
            EXPECT_EQ(Hex(stream->Stat(&status, step.mode)), Hex(step.answer));
            if (SUCCEEDED(step.answer)) {
                EXPECT_EQ(status.type, static_cast<DWORD>(STGTY_STREAM));
                EXPECT_EQ(status.cbSize.QuadPart, step.position);
            }
            break;
        }
        case Call::Commit: EXPECT_EQ(Hex(stream->Commit(step.mode)), Hex(step.answer)); break;
        case Call::ReleaseStream: ReleaseStream(stream); break;
        case Call::ReleaseStorage:
            storage->Release();
            storage = nullptr;
            break;
        }
    }
};

TEST_P(PlatformStorageCalls, AnswerAsThePlatform)
{
    const StorageScript& row = GetParam();
    const ExpectedAnswer steps(row);
    ASSERT_EQ(created, S_OK);
    int number = 0;
    for (const StorageStep& step : *steps) {
        SCOPED_TRACE("call " + std::to_string(++number));
        Run(step);
        if (HasFatalFailure())
            return;
    }
}

INSTANTIATE_TEST_SUITE_P(Table, PlatformStreamMode, ::testing::ValuesIn(StreamModeCases().begin(), StreamModeCases().end()),
                         RowName<::testing::TestParamInfo<StreamModeCase>>);
INSTANTIATE_TEST_SUITE_P(Table, PlatformStreamName, ::testing::ValuesIn(StreamNameCases().begin(), StreamNameCases().end()),
                         RowName<::testing::TestParamInfo<StreamNameCase>>);
INSTANTIATE_TEST_SUITE_P(Table, PlatformStorageCalls, ::testing::ValuesIn(StorageScripts().begin(), StorageScripts().end()),
                         RowName<::testing::TestParamInfo<StorageScript>>);

}  // namespace
