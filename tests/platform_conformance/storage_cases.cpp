// The storage rows: the modes that a caller of the unit services may pass on to CreateStream
// and OpenStream, the names that the unit services derive from file names, and the calls
// that the unit services make on the streams and the storage.
#include "tests/platform_conformance/conformance_cases.h"

namespace {

constexpr char WineFoldsOnlyAsciiLetters[] =
    "Wine's compound files fold only A to Z in element names; the platform compares them by the simple "
    "uppercase of each UTF-16 unit (its compound file format documentation, [MS-CFB] 2.6.4)";

constexpr char WineAcceptsReservedCharacters[] =
    "Wine's compound files accept any character in an element name; the platform refuses '!', ':', '/' and "
    "'\\' ([MS-CFB] 2.6.1)";
constexpr char WineAcceptsEmptyName[] =
    "Wine's compound files accept an empty element name; the platform refuses it (its recorded behaviour: "
    "STG_E_INVALIDNAME for a name longer than 31 units or none)";
constexpr char PlatformSilentOnCreateForOpen[] =
    "the platform's documentation and recorded behaviour are silent on STGM_CREATE for OpenStream: the "
    "stand-in refuses it as a flag that only creating takes";
constexpr char WineOpensWithCreate[] = "Wine opens a stream with STGM_CREATE; no platform source records it";
constexpr char PlatformSilentOnReadingWriteOnly[] =
    "the platform's documentation and recorded behaviour are silent on reading a stream opened write-only: "
    "the stand-in refuses it, as the access mode says";
constexpr char WineReadsWriteOnlyStreams[] = "Wine reads a stream opened write-only; no platform source records it";

constexpr DWORD Exclusive = STGM_SHARE_EXCLUSIVE;
constexpr DWORD ReadWrite = STGM_READWRITE | STGM_SHARE_EXCLUSIVE;

constexpr StreamModeCase ModeCases[] = {
    {"ReadWrite", ReadWrite, S_OK, S_OK},
    {"ReadOnly", STGM_READ | Exclusive, S_OK, S_OK},
    {"WriteOnly", STGM_WRITE | Exclusive, S_OK, S_OK},
    {"BothAccessBits", STGM_WRITE | STGM_READWRITE | Exclusive, STG_E_INVALIDFLAG, STG_E_INVALIDFLAG},
    {"ReadWithoutShare", STGM_READ, STG_E_INVALIDFLAG, STG_E_INVALIDFLAG},
    {"WriteWithoutShare", STGM_WRITE, STG_E_INVALIDFLAG, STG_E_INVALIDFLAG},
    {"ReadWriteWithoutShare", STGM_READWRITE, STG_E_INVALIDFLAG, STG_E_INVALIDFLAG},
    {"ShareDenyNone", STGM_READWRITE | STGM_SHARE_DENY_NONE, STG_E_INVALIDFLAG, STG_E_INVALIDFLAG},
    {"ShareDenyRead", STGM_READWRITE | STGM_SHARE_DENY_READ, STG_E_INVALIDFLAG, STG_E_INVALIDFLAG},
    {"ShareDenyWrite", STGM_READWRITE | STGM_SHARE_DENY_WRITE, STG_E_INVALIDFLAG, STG_E_INVALIDFLAG},
    {"Create", ReadWrite | STGM_CREATE, S_OK, STG_E_INVALIDFLAG, {WineOpensWithCreate, {S_OK, S_OK}},
     PlatformSilentOnCreateForOpen},
    {"Transacted", ReadWrite | STGM_TRANSACTED, STG_E_INVALIDFUNCTION, STG_E_INVALIDFUNCTION},
    {"DeleteOnRelease", ReadWrite | STGM_DELETEONRELEASE, STG_E_INVALIDFUNCTION, STG_E_INVALIDFUNCTION},
    {"NoScratch", ReadWrite | STGM_NOSCRATCH, STG_E_INVALIDFLAG, STG_E_INVALIDFLAG},
    {"NoSnapshot", ReadWrite | STGM_NOSNAPSHOT, STG_E_INVALIDFLAG, STG_E_INVALIDFLAG},
    {"UnknownBit0x4", ReadWrite | 0x4, STG_E_INVALIDFLAG, STG_E_INVALIDFLAG},
    {"UnknownBit0x80", ReadWrite | 0x80, STG_E_INVALIDFLAG, STG_E_INVALIDFLAG},
    {"UnknownBit0x800", ReadWrite | 0x800, STG_E_INVALIDFLAG, STG_E_INVALIDFLAG},
    {"UnknownBit0x80000", ReadWrite | 0x80000, STG_E_INVALIDFLAG, STG_E_INVALIDFLAG},
    {"UnknownBit0x10000000", ReadWrite | 0x10000000, STG_E_INVALIDFLAG, STG_E_INVALIDFLAG},
    {"UnknownBit0x80000000", ReadWrite | 0x80000000, STG_E_INVALIDFLAG, STG_E_INVALIDFLAG},
    {"EveryBit", 0xFFFFFFFF, STG_E_INVALIDFLAG, STG_E_INVALIDFLAG},
};

constexpr StreamNameCase NameCases[] = {
    {"SameName", u"DAT", S_OK, u"DAT", S_OK},
    {"AsciiLettersFold", u"Dat", S_OK, u"dAT", S_OK},
    {"OtherName", u"DAT", S_OK, u"TMP", STG_E_FILENOTFOUND},
    {"LatinLettersFold", u"\u00E9t\u00E9", S_OK, u"\u00C9T\u00C9", S_OK,
     {WineFoldsOnlyAsciiLetters, {S_OK, STG_E_FILENOTFOUND}}},
    {"GreekLettersFold", u"\u03B1\u03B2", S_OK, u"\u0391\u0392", S_OK,
     {WineFoldsOnlyAsciiLetters, {S_OK, STG_E_FILENOTFOUND}}},
    {"SharpSKeepsItsForm", u"\u00DF", S_OK, u"SS", STG_E_FILENOTFOUND},
    {"LongestName", u"ABCDEFGHIJKLMNOPQRSTUVWXYZ01234", S_OK, u"abcdefghijklmnopqrstuvwxyz01234", S_OK},
    // A refused name leaves no stream behind, under that name or a shorter one.
    {"NameTooLong", u"ABCDEFGHIJKLMNOPQRSTUVWXYZ012345", STG_E_INVALIDNAME, u"ABCDEFGHIJKLMNOPQRSTUVWXYZ01234",
     STG_E_FILENOTFOUND},
    {"NameWithExclamationMark", u"A!B", STG_E_INVALIDNAME, u"AB", STG_E_FILENOTFOUND,
     {WineAcceptsReservedCharacters, {S_OK, STG_E_FILENOTFOUND}}},
    {"NameWithColon", u"A:B", STG_E_INVALIDNAME, u"AB", STG_E_FILENOTFOUND,
     {WineAcceptsReservedCharacters, {S_OK, STG_E_FILENOTFOUND}}},
    {"NameWithSlash", u"A/B", STG_E_INVALIDNAME, u"AB", STG_E_FILENOTFOUND,
     {WineAcceptsReservedCharacters, {S_OK, STG_E_FILENOTFOUND}}},
    {"NameWithBackslash", u"A\\B", STG_E_INVALIDNAME, u"AB", STG_E_FILENOTFOUND,
     {WineAcceptsReservedCharacters, {S_OK, STG_E_FILENOTFOUND}}},
    {"EmptyName", u"", STG_E_INVALIDNAME, u"AB", STG_E_FILENOTFOUND,
     {WineAcceptsEmptyName, {S_OK, STG_E_FILENOTFOUND}}},
};

constexpr StorageStep Create(int stream, std::u16string_view name, DWORD mode, HRESULT answer = S_OK)
{
    return {.call = Call::Create, .stream = stream, .name = name, .mode = mode, .answer = answer};
}
constexpr StorageStep Open(int stream, std::u16string_view name, DWORD mode, HRESULT answer = S_OK)
{
    return {.call = Call::Open, .stream = stream, .name = name, .mode = mode, .answer = answer};
}
constexpr StorageStep Write(int stream, std::string_view bytes, HRESULT answer = S_OK)
{
    return {.call = Call::Write, .stream = stream, .bytes = bytes, .answer = answer};
}
constexpr StorageStep Read(int stream, LONGLONG count, std::string_view bytes, HRESULT answer = S_OK)
{
    return {.call = Call::Read, .stream = stream, .count = count, .bytes = bytes, .answer = answer};
}
constexpr StorageStep Seek(int stream, LONGLONG move, DWORD origin, HRESULT answer, ULONGLONG position = 0)
{
    return {.call = Call::Seek, .stream = stream, .mode = origin, .count = move, .answer = answer, .position = position};
}
constexpr StorageStep Stat(int stream, HRESULT answer, ULONGLONG size = 0)
{
    return {.call = Call::Stat, .stream = stream, .mode = STATFLAG_NONAME, .answer = answer, .position = size};
}
constexpr StorageStep Commit(int stream, HRESULT answer = S_OK)
{
    return {.call = Call::Commit, .stream = stream, .mode = STGC_DEFAULT, .answer = answer};
}
constexpr StorageStep ReleaseStream(int stream)
{
    return {.call = Call::ReleaseStream, .stream = stream};
}
constexpr StorageStep ReleaseStorage()
{
    return {.call = Call::ReleaseStorage};
}

constexpr StorageStep WriteThenRead[] = {
    Create(0, u"DAT", ReadWrite), Write(0, "record"), Stat(0, S_OK, 6), Seek(0, 0, STREAM_SEEK_SET, S_OK, 0),
    Read(0, 4, "reco"), Read(0, 10, "rd"), Read(0, 10, ""), Commit(0), ReleaseStream(0),
};
constexpr StorageStep ReopenKeepsTheBytes[] = {
    Create(0, u"DAT", ReadWrite), Write(0, "abc"), ReleaseStream(0),
    Open(1, u"dat", STGM_READ | Exclusive), Stat(1, S_OK, 3), Read(1, 8, "abc"), ReleaseStream(1),
};
constexpr StorageStep SeekOrigins[] = {
    Create(0, u"DAT", ReadWrite), Write(0, "0123456789"),
    Seek(0, -4, STREAM_SEEK_END, S_OK, 6), Read(0, 2, "67"),
    Seek(0, -3, STREAM_SEEK_CUR, S_OK, 5), Read(0, 1, "5"),
    Seek(0, 20, STREAM_SEEK_SET, S_OK, 20), Read(0, 4, ""),
    Seek(0, 0, 3, STG_E_INVALIDFUNCTION), ReleaseStream(0),
};
constexpr StorageStep WritePastTheEndFillsTheGap[] = {
    Create(0, u"DAT", ReadWrite), Seek(0, 3, STREAM_SEEK_SET, S_OK, 3), Write(0, "x"), Stat(0, S_OK, 4),
    ReleaseStream(0),
};
constexpr StorageStep WriteToReadOnlyStream[] = {
    Create(0, u"DAT", ReadWrite), Write(0, "abc"), ReleaseStream(0),
    Open(1, u"DAT", STGM_READ | Exclusive), Write(1, "x", STG_E_ACCESSDENIED), Stat(1, S_OK, 3), ReleaseStream(1),
};
constexpr StorageStep ReadFromWriteOnlyStream[] = {
    Create(0, u"DAT", STGM_WRITE | Exclusive), Write(0, "abc"), Seek(0, 0, STREAM_SEEK_SET, S_OK, 0),
    Read(0, 3, "", STG_E_ACCESSDENIED), ReleaseStream(0),
};
constexpr StorageStep ReadFromWriteOnlyStreamUnderWine[] = {
    Create(0, u"DAT", STGM_WRITE | Exclusive), Write(0, "abc"), Seek(0, 0, STREAM_SEEK_SET, S_OK, 0),
    Read(0, 3, "abc"), ReleaseStream(0),
};
constexpr StorageStep SecondOpenRefused[] = {
    Create(0, u"DAT", ReadWrite), Open(1, u"DAT", ReadWrite, STG_E_ACCESSDENIED), ReleaseStream(0),
    Open(1, u"DAT", ReadWrite), ReleaseStream(1),
};
constexpr StorageStep CreateOverExistingName[] = {
    Create(0, u"DAT", ReadWrite), ReleaseStream(0), Create(1, u"DAT", ReadWrite, STG_E_FILEALREADYEXISTS),
};
constexpr StorageStep ReplaceRevertsOpenHandle[] = {
    Create(0, u"DAT", ReadWrite), Write(0, "old"), Create(1, u"dat", ReadWrite | STGM_CREATE),
    Write(0, "x", STG_E_REVERTED), Read(0, 1, "", STG_E_REVERTED), Stat(0, STG_E_REVERTED),
    Stat(1, S_OK, 0), ReleaseStream(0), ReleaseStream(1),
};
constexpr StorageStep OpenFindsTheReplacement[] = {
    Create(0, u"DAT", ReadWrite), Write(0, "old bytes"), ReleaseStream(0), Create(1, u"Dat", ReadWrite | STGM_CREATE),
    Write(1, "new"), ReleaseStream(1), Open(2, u"dat", ReadWrite), Stat(2, S_OK, 3), Read(2, 16, "new"),
    ReleaseStream(2),
};
constexpr StorageStep OpenMissingStream[] = {
    Open(0, u"DAT", ReadWrite, STG_E_FILENOTFOUND),
};
constexpr StorageStep ReleaseStorageWithStreamsOpen[] = {
    Create(0, u"DAT", ReadWrite), Write(0, "abc"), Create(1, u"TMP", ReadWrite), ReleaseStorage(),
    Read(0, 1, "", STG_E_REVERTED), Write(0, "x", STG_E_REVERTED), Seek(0, 0, STREAM_SEEK_SET, STG_E_REVERTED),
    Stat(0, STG_E_REVERTED), Commit(1, STG_E_REVERTED), ReleaseStream(0), ReleaseStream(1),
};

constexpr StorageScript Scripts[] = {
    {"WriteThenRead", WriteThenRead},
    {"ReopenKeepsTheBytes", ReopenKeepsTheBytes},
    {"SeekOrigins", SeekOrigins},
    {"WritePastTheEndFillsTheGap", WritePastTheEndFillsTheGap},
    {"WriteToReadOnlyStream", WriteToReadOnlyStream},
    {"ReadFromWriteOnlyStream", ReadFromWriteOnlyStream, {WineReadsWriteOnlyStreams, ReadFromWriteOnlyStreamUnderWine},
     PlatformSilentOnReadingWriteOnly},
    {"SecondOpenRefused", SecondOpenRefused},
    {"CreateOverExistingName", CreateOverExistingName},
    {"ReplaceRevertsOpenHandle", ReplaceRevertsOpenHandle},
    {"OpenFindsTheReplacement", OpenFindsTheReplacement},
    {"OpenMissingStream", OpenMissingStream},
    {"ReleaseStorageWithStreamsOpen", ReleaseStorageWithStreamsOpen},
};

}  // namespace

std::span<const StreamModeCase> StreamModeCases()
{
    return ModeCases;
}

std::span<const StreamNameCase> StreamNameCases()
{
    return NameCases;
}

std::span<const StorageScript> StorageScripts()
{
    return Scripts;
}
