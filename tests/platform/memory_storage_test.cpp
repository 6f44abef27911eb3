// The in-memory storage judges names, modes and handles as the platform's compound files.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/com/linux/memory_storage.h"
#include "tests/support/platform_objects.h"

namespace {

constexpr DWORD ReadWrite = STGM_READWRITE | STGM_SHARE_EXCLUSIVE;

class MemoryStorageTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(CreateMemoryStorage(STGM_READWRITE | STGM_SHARE_EXCLUSIVE, &storage), S_OK); }
    void TearDown() override
    {
        if (storage != nullptr)
            storage->Release();
    }

    IStream* Create(const char16_t* name, DWORD mode = ReadWrite)
    {
        IStream* stream = nullptr;
        EXPECT_EQ(storage->CreateStream(name, mode, 0, 0, &stream), S_OK);
        return stream;
    }

    IStorage* storage = nullptr;
};

struct ModeCase {
    DWORD mode;
    HRESULT open;
    HRESULT create;
};

TEST_F(MemoryStorageTest, AccessModesAreJudgedAsOnThePlatform)
{
    const ModeCase cases[] = {
        {STGM_READ | STGM_SHARE_EXCLUSIVE, S_OK, S_OK},
        {STGM_WRITE | STGM_SHARE_EXCLUSIVE, S_OK, S_OK},
        {STGM_READWRITE | STGM_SHARE_EXCLUSIVE, S_OK, S_OK},
        {STGM_READ, STG_E_INVALIDFLAG, STG_E_INVALIDFLAG},
        {STGM_READWRITE, STG_E_INVALIDFLAG, STG_E_INVALIDFLAG},
        {STGM_READWRITE | STGM_SHARE_DENY_NONE, STG_E_INVALIDFLAG, STG_E_INVALIDFLAG},
        {STGM_READWRITE | STGM_SHARE_DENY_WRITE, STG_E_INVALIDFLAG, STG_E_INVALIDFLAG},
        {ReadWrite | STGM_TRANSACTED, STG_E_INVALIDFUNCTION, STG_E_INVALIDFUNCTION},
        {ReadWrite | STGM_DELETEONRELEASE, STG_E_INVALIDFUNCTION, STG_E_INVALIDFUNCTION},
        {3 | STGM_SHARE_EXCLUSIVE, STG_E_INVALIDFLAG, STG_E_INVALIDFLAG},
    };
    Create(u"DATA")->Release();
    int created = 0;
    for (const ModeCase& c : cases) {
        IStream* stream = nullptr;
        EXPECT_EQ(storage->OpenStream(u"DATA", nullptr, c.mode, 0, &stream), c.open) << "mode " << c.mode;
        if (stream != nullptr)
            stream->Release();
        const std::u16string name = u"NEW" + std::u16string(1, static_cast<char16_t>(u'A' + created++));
        stream = nullptr;
        EXPECT_EQ(storage->CreateStream(name.c_str(), c.mode, 0, 0, &stream), c.create) << "mode " << c.mode;
        EXPECT_EQ(stream != nullptr, c.create == S_OK);
        if (stream != nullptr)
            stream->Release();
    }
}

TEST_F(MemoryStorageTest, NamesMustExistOnceAndFitThirtyOneUnits)
{
    IStream* stream = nullptr;
    EXPECT_EQ(storage->OpenStream(u"MISSING", nullptr, ReadWrite, 0, &stream), STG_E_FILENOTFOUND);
    EXPECT_EQ(stream, nullptr);
    EXPECT_EQ(storage->CreateStream(u"", ReadWrite, 0, 0, &stream), STG_E_INVALIDNAME);
    EXPECT_EQ(storage->CreateStream(nullptr, ReadWrite, 0, 0, &stream), STG_E_INVALIDNAME);
    const std::u16string longest(31, u'N');
    const std::u16string tooLong(32, u'N');
    EXPECT_EQ(storage->CreateStream(tooLong.c_str(), ReadWrite, 0, 0, &stream), STG_E_INVALIDNAME);
    Create(longest.c_str())->Release();
    Create(u"INP")->Release();
    EXPECT_EQ(storage->CreateStream(u"INP", ReadWrite, 0, 0, &stream), STG_E_FILEALREADYEXISTS);
    EXPECT_EQ(storage->CreateStream(u"inp", ReadWrite, 0, 0, &stream), STG_E_FILEALREADYEXISTS);
}

TEST(MemoryStorageNames, CompareByTheSimpleUppercaseOfEachUnit)
{
    const struct {
        const char* what;
        const char16_t* created;
        const char16_t* opened;
        bool sameStream;
    } cases[] = {
        {"ASCII", u"inp", u"INP", true},
        {"e acute", u"F.\u00E9", u"F.\u00C9", true},
        {"y diaeresis, uppercased outside Latin-1", u"\u00FF", u"\u0178", true},
        {"sigma and final sigma", u"\u03C3\u03C2", u"\u03A3\u03A3", true},
        {"Cyrillic", u"\u0434\u0430\u043D\u043E", u"\u0414\u0410\u041D\u041E", true},
        {"dz with caron, small and titlecase", u"\u01C6", u"\u01C5", true},
        {"Georgian, mapped since Unicode 11", u"\u10D0", u"\u1C90", true},
        {"fullwidth a", u"\uFF41", u"\uFF21", true},
        {"sharp s has no simple uppercase", u"\u00DF", u"\u1E9E", false},
        {"nor does it become SS", u"STRA\u00DFE", u"STRASSE", false},
        {"surrogate units are never mapped", u"\U00010428", u"\U00010400", false},
        {"I with dot above is a letter of its own", u"I", u"\u0130", false},
        {"different letters", u"A1", u"A2", false},
    };
    for (const auto& c : cases) {
        IStorage* storage = nullptr;
        ASSERT_EQ(CreateMemoryStorage(ReadWrite, &storage), S_OK);
        IStream* stream = nullptr;
        ASSERT_EQ(storage->CreateStream(c.created, ReadWrite, 0, 0, &stream), S_OK) << c.what;
        stream->Release();
        stream = nullptr;
        EXPECT_EQ(storage->OpenStream(c.opened, nullptr, ReadWrite, 0, &stream),
                  c.sameStream ? S_OK : STG_E_FILENOTFOUND)
            << c.what;
        if (stream != nullptr)
            stream->Release();
        stream = nullptr;
        EXPECT_EQ(storage->CreateStream(c.opened, ReadWrite, 0, 0, &stream),
                  c.sameStream ? STG_E_FILEALREADYEXISTS : S_OK)
            << c.what;
        if (stream != nullptr)
            stream->Release();
        storage->Release();
    }
}

TEST_F(MemoryStorageTest, AnOpenStreamIsRefusedASecondHandleUntilReleased)
{
    IStream* first = Create(u"INP");
    IStream* second = nullptr;
    EXPECT_EQ(storage->OpenStream(u"INP", nullptr, ReadWrite, 0, &second), STG_E_ACCESSDENIED);
    first->Release();
    EXPECT_EQ(storage->OpenStream(u"INP", nullptr, ReadWrite, 0, &second), S_OK);
    second->Release();
}

TEST_F(MemoryStorageTest, CreateWithReplaceRevertsTheOldHandle)
{
    IStream* old = Create(u"INP");
    ASSERT_EQ(old->Write("abc", 3, nullptr), S_OK);
    IStream* replacement = Create(u"INP", ReadWrite | STGM_CREATE);
    char byte = 0;
    EXPECT_EQ(old->Read(&byte, 1, nullptr), STG_E_REVERTED);
    EXPECT_EQ(old->Write("x", 1, nullptr), STG_E_REVERTED);
    STATSTG status{};
    ASSERT_EQ(replacement->Stat(&status, STATFLAG_NONAME), S_OK);
    EXPECT_EQ(status.cbSize.QuadPart, 0u);
    old->Release();
    replacement->Release();
}

TEST_F(MemoryStorageTest, ReleasingTheStorageRevertsItsOpenStreams)
{
    IStream* stream = Create(u"INP");
    ASSERT_EQ(stream->Write("abc", 3, nullptr), S_OK);
    ASSERT_EQ(storage->Release(), 0u);
    storage = nullptr;

    char buffer[4] = {};
    ULONG count = 7;
    EXPECT_EQ(stream->Read(buffer, sizeof buffer, &count), STG_E_REVERTED);
    EXPECT_EQ(count, 0u);
    count = 7;
    EXPECT_EQ(stream->Write("x", 1, &count), STG_E_REVERTED);
    EXPECT_EQ(count, 0u);
    ULARGE_INTEGER position{};
    EXPECT_EQ(stream->Seek(LARGE_INTEGER{0}, STREAM_SEEK_SET, &position), STG_E_REVERTED);
    STATSTG status{};
    EXPECT_EQ(stream->Stat(&status, STATFLAG_NONAME), STG_E_REVERTED);
    EXPECT_EQ(stream->Stat(&status, STATFLAG_DEFAULT), STG_E_REVERTED) << "reverted before the flag is judged";
    EXPECT_EQ(stream->Commit(STGC_DEFAULT), STG_E_REVERTED);
    EXPECT_EQ(stream->Release(), 0u) << "only Release still works";
}

TEST_F(MemoryStorageTest, StreamsLiveOnWhileAnotherReferenceHoldsTheStorage)
{
    IStream* stream = Create(u"INP");
    storage->AddRef();
    EXPECT_EQ(storage->Release(), 1u);
    EXPECT_EQ(stream->Write("abc", 3, nullptr), S_OK);
    EXPECT_EQ(stream->Commit(STGC_DEFAULT), S_OK);
    stream->Release();
}

TEST_F(MemoryStorageTest, ReadOnlyStorageAndStreamRefuseWrites)
{
    IStorage* readOnly = nullptr;
    ASSERT_EQ(CreateMemoryStorage(STGM_READ | STGM_SHARE_EXCLUSIVE, &readOnly), S_OK);
    IStream* stream = nullptr;
    EXPECT_EQ(readOnly->CreateStream(u"INP", ReadWrite, 0, 0, &stream), STG_E_ACCESSDENIED);
    readOnly->Release();

    Create(u"INP")->Release();
    ASSERT_EQ(storage->OpenStream(u"INP", nullptr, STGM_READ | STGM_SHARE_EXCLUSIVE, 0, &stream), S_OK);
    ULONG written = 7;
    EXPECT_EQ(stream->Write("x", 1, &written), STG_E_ACCESSDENIED);
    EXPECT_EQ(written, 0u);
    stream->Release();
}

TEST_F(MemoryStorageTest, ReadAtTheEndAnswersOkWithFewerBytes)
{
    IStream* stream = Create(u"INP");
    ASSERT_EQ(stream->Write("abcd", 4, nullptr), S_OK);
    ASSERT_EQ(stream->Seek(LARGE_INTEGER{2}, STREAM_SEEK_SET, nullptr), S_OK);
    char buffer[8] = {};
    ULONG got = 0;
    EXPECT_EQ(stream->Read(buffer, sizeof buffer, &got), S_OK);
    EXPECT_EQ(got, 2u);
    EXPECT_EQ(std::string(buffer, got), "cd");
    EXPECT_EQ(stream->Read(buffer, sizeof buffer, &got), S_OK);
    EXPECT_EQ(got, 0u);
    stream->Release();
}

TEST_F(MemoryStorageTest, WritePastTheEndGrowsTheStreamWithZeros)
{
    IStream* stream = Create(u"INP");
    ULARGE_INTEGER position{};
    ASSERT_EQ(stream->Seek(LARGE_INTEGER{3}, STREAM_SEEK_SET, &position), S_OK);
    EXPECT_EQ(position.QuadPart, 3u);
    ASSERT_EQ(stream->Write("z", 1, nullptr), S_OK);
    STATSTG status{};
    ASSERT_EQ(stream->Stat(&status, STATFLAG_NONAME), S_OK);
    EXPECT_EQ(status.cbSize.QuadPart, 4u);
    EXPECT_EQ(status.type, STGTY_STREAM);
    ASSERT_EQ(stream->Seek(LARGE_INTEGER{0}, STREAM_SEEK_SET, nullptr), S_OK);
    char buffer[4] = {1, 1, 1, 1};
    ASSERT_EQ(stream->Read(buffer, 4, nullptr), S_OK);
    EXPECT_EQ(std::memcmp(buffer, "\0\0\0z", 4), 0);
    stream->Release();
}

TEST_F(MemoryStorageTest, SeekChecksItsOriginAndTheStart)
{
    IStream* stream = Create(u"INP");
    ASSERT_EQ(stream->Write("abcd", 4, nullptr), S_OK);
    ULARGE_INTEGER position{};
    EXPECT_EQ(stream->Seek(LARGE_INTEGER{0}, 3, &position), STG_E_INVALIDFUNCTION);
    EXPECT_EQ(stream->Seek(LARGE_INTEGER{-1}, STREAM_SEEK_END, &position), S_OK);
    EXPECT_EQ(position.QuadPart, 3u);
    EXPECT_EQ(stream->Seek(LARGE_INTEGER{-1}, STREAM_SEEK_CUR, &position), S_OK);
    EXPECT_EQ(position.QuadPart, 2u);
    EXPECT_EQ(stream->Seek(LARGE_INTEGER{-3}, STREAM_SEEK_CUR, &position), STG_E_INVALIDFUNCTION);
    EXPECT_EQ(stream->Seek(LARGE_INTEGER{0}, STREAM_SEEK_CUR, &position), S_OK);
    EXPECT_EQ(position.QuadPart, 2u);
    EXPECT_EQ(stream->Commit(STGC_DEFAULT), S_OK);
    stream->Release();
}

TEST_F(MemoryStorageTest, SeekMovesForwardFromTheOriginItIsGiven)
{
    IStream* stream = Create(u"INP");
    ASSERT_EQ(stream->Write("abcd", 4, nullptr), S_OK);
    ULARGE_INTEGER position{};
    ASSERT_EQ(stream->Seek(LARGE_INTEGER{1}, STREAM_SEEK_SET, &position), S_OK);
    EXPECT_EQ(stream->Seek(LARGE_INTEGER{2}, STREAM_SEEK_CUR, &position), S_OK);
    EXPECT_EQ(position.QuadPart, 3u);
    EXPECT_EQ(stream->Seek(LARGE_INTEGER{2}, STREAM_SEEK_END, &position), S_OK);
    EXPECT_EQ(position.QuadPart, 6u) << "past the end is a position too";
    EXPECT_EQ(stream->Seek(LARGE_INTEGER{1}, STREAM_SEEK_CUR, &position), S_OK);
    EXPECT_EQ(position.QuadPart, 7u);
    stream->Release();
}

TEST_F(MemoryStorageTest, CreateStreamWithoutAPlaceForTheStreamIsRefused)
{
    EXPECT_EQ(storage->CreateStream(u"INP", ReadWrite, 0, 0, nullptr), STG_E_INVALIDPOINTER);
    IStream* stream = nullptr;
    EXPECT_EQ(storage->OpenStream(u"INP", nullptr, ReadWrite, 0, &stream), STG_E_FILENOTFOUND)
        << "no stream was made";
}

TEST_F(MemoryStorageTest, InterfacesAreOfferedByIdentifier)
{
    void* found = nullptr;
    EXPECT_EQ(storage->QueryInterface(IID_IStream, &found), E_NOINTERFACE);
    EXPECT_EQ(found, nullptr);
    ASSERT_EQ(storage->QueryInterface(IID_IStorage, &found), S_OK);
    EXPECT_EQ(found, storage);
    storage->Release();

    IUnknown* plain = CreateTestObjectWithoutStorage();
    EXPECT_EQ(plain->QueryInterface(IID_IStorage, &found), E_NOINTERFACE);
    EXPECT_EQ(found, nullptr);
    EXPECT_EQ(plain->QueryInterface(IID_IUnknown, &found), S_OK);
    EXPECT_EQ(plain->Release(), 1u);
    EXPECT_EQ(plain->Release(), 0u);
}

// Every byte of an identifier counts: one that differs from a known one in any byte of its
// last eight names another interface.
TEST_F(MemoryStorageTest, IdentifiersDifferingInOneOfTheirLastBytesAreNotOffered)
{
    IUnknown* plain = CreateTestObjectWithoutStorage();
    for (int i = 0; i < 8; ++i) {
        for (IID known : {IID_IStorage, IID_IUnknown}) {
            known.Data4[i] ^= 0x01;
            void* found = nullptr;
            EXPECT_EQ(storage->QueryInterface(known, &found), E_NOINTERFACE) << "byte " << i;
            EXPECT_EQ(found, nullptr);
            EXPECT_EQ(plain->QueryInterface(known, &found), E_NOINTERFACE) << "byte " << i;
        }
    }
    EXPECT_EQ(plain->Release(), 0u);
}

}  // namespace
