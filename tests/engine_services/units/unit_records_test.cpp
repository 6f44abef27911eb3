// The record format byte by byte, and reading records back as text, double and integer.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <list>
#include <string>
#include <vector>

#include "engine_services/units/unit_records.h"
#include "platform/oleauto/oleauto.h"
#include "tests/engine_services/units/unit_record_fixture.h"

namespace {

template <typename T>
T At(const std::vector<BYTE>& bytes, std::size_t offset)
{
    T value{};
    std::memcpy(&value, bytes.data() + offset, sizeof value);
    return value;
}

std::vector<BYTE> FirstBytes(std::vector<BYTE> bytes, std::size_t count)
{
    bytes.resize(count);
    return bytes;
}

TEST_F(UnitRecords, TextRecordHoldsImageCountAndUtf16)
{
    ASSERT_EQ(WriteUnitText(1, "Ab \xE9", 4), 1);
    const auto bytes = Bytes(1);
    ASSERT_EQ(bytes.size(), 28u + 2 * 4);
    EXPECT_EQ(At<VARTYPE>(bytes, 0), VT_BSTR);
    EXPECT_EQ(At<std::uint32_t>(bytes, 24), 4u);
    EXPECT_EQ(At<OLECHAR>(bytes, 28), OLESTR('A'));
    EXPECT_EQ(At<OLECHAR>(bytes, 30), OLESTR('b'));
    EXPECT_EQ(At<OLECHAR>(bytes, 32), OLESTR(' '));
    EXPECT_EQ(At<OLECHAR>(bytes, 34), OLESTR('\u00E9'));
}

TEST_F(UnitRecords, TextEndsAtItsCountOrAnEarlierZeroByte)
{
    ASSERT_EQ(WriteUnitText(1, "CASE.DAT", 4), 1);
    ASSERT_EQ(WriteUnitText(1, "AB\0CD", 5), 1);
    ASSERT_EQ(WriteUnitText(1, "", 0), 1);
    const auto bytes = Bytes(1);
    ASSERT_EQ(bytes.size(), (28u + 8) + (28u + 4) + 28u);
    EXPECT_EQ(At<std::uint32_t>(bytes, 24), 4u);
    EXPECT_EQ(At<std::uint32_t>(bytes, 36 + 24), 2u);
    EXPECT_EQ(At<std::uint32_t>(bytes, 36 + 32 + 24), 0u);
}

TEST_F(UnitRecords, DoubleAndIntegerRecordsAreBareImages)
{
    ASSERT_EQ(WriteUnitDouble(1, 2.75), 1);
    ASSERT_EQ(WriteUnitInteger(1, -123456), 1);
    const auto bytes = Bytes(1);
    ASSERT_EQ(bytes.size(), 48u);
    EXPECT_EQ(At<VARTYPE>(bytes, 0), VT_R8);
    EXPECT_EQ(At<double>(bytes, 8), 2.75);
    EXPECT_EQ(At<VARTYPE>(bytes, 24), VT_I4);
    EXPECT_EQ(At<std::int32_t>(bytes, 32), -123456);
}

TEST_F(UnitRecords, WhileCopyFlagIsZeroEveryRecordIsEmpty)
{
    Attach(0);
    ASSERT_EQ(WriteUnitText(1, "TEXT", 4), 1);
    ASSERT_EQ(WriteUnitDouble(1, 1.5), 1);
    ASSERT_EQ(WriteUnitInteger(1, 9), 1);
    const auto bytes = Bytes(1);
    ASSERT_EQ(bytes.size(), 72u);
    for (std::size_t record = 0; record < 3; ++record)
        EXPECT_EQ(At<VARTYPE>(bytes, record * 24), VT_EMPTY);
    ASSERT_EQ(RewindUnit(1), 1);
    EXPECT_EQ(ReadText(6), "      ");
    double number = 7;
    ASSERT_EQ(ReadUnitDouble(1, number), 1);
    EXPECT_EQ(number, 0.0);
    std::int32_t whole = 7;
    ASSERT_EQ(ReadUnitInteger(1, whole), 1);
    EXPECT_EQ(whole, 0);
}

TEST_F(UnitRecords, TextReadsBackBlankFilledAndCutToTheBuffer)
{
    ASSERT_EQ(WriteUnitText(1, "ABC  ", 5), 1);
    ASSERT_EQ(WriteUnitText(1, "LONGER TEXT", 11), 1);
    ASSERT_EQ(WriteUnitText(1, "", 0), 1);
    ASSERT_EQ(WriteUnitText(1, "Z", 1), 1);
    ASSERT_EQ(RewindUnit(1), 1);
    EXPECT_EQ(ReadText(8), "ABC     ") << "trailing blanks kept, then blanks";
    EXPECT_EQ(ReadText(6), "LONGER");
    EXPECT_EQ(ReadText(4), "    ");
    EXPECT_EQ(ReadText(3), "Z  ") << "a text of one character";
    EXPECT_EQ(ReadText(4, 0), "    ") << "past the last record";
    EXPECT_EQ(AtUnitEnd(1), 1);
}

TEST_F(UnitRecords, AZeroUnitInsideTheTextEndsTheCopy)
{
    const struct {
        const char* what;
        OleString text;
        std::uint32_t length;
        const char* delivered;
    } cases[] = {
        {"zero in the middle", OleString(OLESTR("AB\0CD"), 5), 6, "AB    "},
        {"zero first", OleString(OLESTR("\0XY"), 3), 4, "    "},
        {"zero last", OleString(OLESTR("ABC\0"), 4), 5, "ABC  "},
        {"buffer ends before the zero", OleString(OLESTR("ABC\0D"), 5), 2, "AB"},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(CreateUnitStream(1, "CASE.DAT", 8, ReadWriteExclusive | STGM_CREATE), 1);
        Feed(1, StringRecord(static_cast<std::uint32_t>(c.text.size()), c.text));
        ASSERT_EQ(RewindUnit(1), 1);
        EXPECT_EQ(ReadText(c.length), c.delivered) << c.what;
        EXPECT_EQ(AtUnitEnd(1), 1) << c.what << ": the whole record is consumed";
    }
}

TEST_F(UnitRecords, AZeroLengthBufferStillConsumesTheRecord)
{
    ASSERT_EQ(WriteUnitText(1, "FIRST", 5), 1);
    ASSERT_EQ(WriteUnitText(1, "SECOND", 6), 1);
    ASSERT_EQ(RewindUnit(1), 1);
    EXPECT_EQ(ReadUnitText(1, nullptr, 0), 1);
    EXPECT_EQ(ReadText(6), "SECOND");
}

TEST_F(UnitRecords, WithoutRoomForTextTheRecordIsConsumedAndNothingIsWritten)
{
    ASSERT_EQ(WriteUnitText(1, "FIRST", 5), 1);
    ASSERT_EQ(WriteUnitDouble(1, 2.5), 1);
    ASSERT_EQ(WriteUnitText(1, "THIRD", 5), 1);
    ASSERT_EQ(RewindUnit(1), 1);
    EXPECT_EQ(ReadUnitText(1, nullptr, 8), 1) << "no buffer, with a length";
    std::string guard(4, '#');
    EXPECT_EQ(ReadUnitText(1, guard.data(), 0), 1) << "a buffer of no bytes";
    EXPECT_EQ(guard, "####");
    EXPECT_EQ(ReadText(5), "THIRD");
}

TEST_F(UnitRecords, ARecordWithoutATextFormAnswersZeroAndCopiesNothing)
{
    const std::int32_t code = static_cast<std::int32_t>(0x80020004);  // the platform's "parameter not found"
    Feed(1, Image(VT_NULL));
    Feed(1, Image(VT_ERROR, &code, sizeof code));
    ASSERT_EQ(WriteUnitText(1, "NEXT", 4), 1);
    ASSERT_EQ(RewindUnit(1), 1);
    EXPECT_EQ(ReadText(4, 0), "    ") << "a null record";
    EXPECT_EQ(ReadText(4, 0), "    ") << "an error record";
    EXPECT_EQ(ReadText(4), "NEXT") << "each record was consumed";
}

TEST_F(UnitRecords, UnboundUnitsReadAndWriteNothing)
{
    EXPECT_EQ(WriteUnitText(2, "X", 1), 0);
    EXPECT_EQ(WriteUnitDouble(2, 1.0), 0);
    char buffer[3] = {'#', '#', '#'};
    EXPECT_EQ(ReadUnitText(2, buffer, 3), 0);
    EXPECT_EQ(std::string(buffer, 3), "   ");
    double number = 4.0;
    EXPECT_EQ(ReadUnitDouble(2, number), 0);
    EXPECT_EQ(number, 4.0);
}

TEST_F(UnitRecords, RecordsConvertBetweenTypesAsThePlatformDoes)
{
    ASSERT_EQ(WriteUnitDouble(1, 1e20), 1);
    ASSERT_EQ(WriteUnitText(1, " 2.5 ", 5), 1);
    ASSERT_EQ(WriteUnitDouble(1, 3.5), 1);
    ASSERT_EQ(WriteUnitInteger(1, 42), 1);
    ASSERT_EQ(RewindUnit(1), 1);
    EXPECT_EQ(ReadText(7), "1E+20  ");
    std::int32_t whole = 0;
    ASSERT_EQ(ReadUnitInteger(1, whole), 1);
    EXPECT_EQ(whole, 2) << "parsed and rounded half to even";
    ASSERT_EQ(ReadUnitInteger(1, whole), 1);
    EXPECT_EQ(whole, 4);
    double number = 0;
    ASSERT_EQ(ReadUnitDouble(1, number), 1);
    EXPECT_EQ(number, 42.0);
}

TEST_F(UnitRecords, FailedConversionsLeaveTheOutputUntouched)
{
    ASSERT_EQ(WriteUnitText(1, "NOT A NUMBER", 12), 1);
    ASSERT_EQ(WriteUnitDouble(1, 3e9), 1);
    ASSERT_EQ(RewindUnit(1), 1);
    double number = 8.5;
    EXPECT_EQ(ReadUnitDouble(1, number), 0);
    EXPECT_EQ(number, 8.5);
    std::int32_t whole = 17;
    EXPECT_EQ(ReadUnitInteger(1, whole), 0) << "overflow";
    EXPECT_EQ(whole, 17);
}

TEST_F(UnitRecords, RejectedTypesConsumeTheirImageOnly)
{
    for (const VARTYPE vt : {VARTYPE{VT_DISPATCH}, VARTYPE{VT_UNKNOWN}, VARTYPE{24}, VARTYPE{VT_VARIANT},
                             VARTYPE{VT_DECIMAL}, VARTYPE{15}, VARTYPE{VT_ARRAY | VT_I4}}) {
        const void* pointer = this;  // an address a file must never hand back
        Feed(1, Image(vt, &pointer, sizeof pointer));
    }
    ASSERT_EQ(WriteUnitInteger(1, 5), 1);
    ASSERT_EQ(RewindUnit(1), 1);
    for (int record = 0; record < 7; ++record) {
        VARIANT out;
        VariantInit(&out);
        EXPECT_EQ(ReadUnitVariant(1, out), 0);
        EXPECT_EQ(out.vt, VT_EMPTY);
    }
    std::int32_t whole = 0;
    ASSERT_EQ(ReadUnitInteger(1, whole), 1);
    EXPECT_EQ(whole, 5);
}

TEST_F(UnitRecords, OverwritingAfterRewindKeepsTheLongerContent)
{
    ASSERT_EQ(WriteUnitDouble(1, 1.25), 1);
    ASSERT_EQ(WriteUnitDouble(1, 2.25), 1);
    ASSERT_EQ(RewindUnit(1), 1);
    ASSERT_EQ(WriteUnitInteger(1, 7), 1);
    EXPECT_EQ(Bytes(1).size(), 48u);
    ASSERT_EQ(RewindUnit(1), 1);
    std::int32_t whole = 0;
    ASSERT_EQ(ReadUnitInteger(1, whole), 1);
    EXPECT_EQ(whole, 7);
    double number = 0;
    ASSERT_EQ(ReadUnitDouble(1, number), 1);
    EXPECT_EQ(number, 2.25);
}

TEST_F(UnitRecords, ShortOrCorruptRecordsFailAndLeaveNoValue)
{
    // The value bytes of a text image that a reader must never take as an address.
    const std::uint64_t junk = 0xDEADBEEFCAFEF00Dull;
    const struct {
        const char* what;
        std::vector<BYTE> bytes;
        VARTYPE typeAfter;  // a text record leaves a string without text behind
    } cases[] = {
        {"image cut short", FirstBytes(Image(VT_R8), 20), VT_EMPTY},
        {"text image cut short", FirstBytes(Image(VT_BSTR, &junk, sizeof junk), 20), VT_EMPTY},
        {"count cut short", FirstBytes(StringRecord(1, OLESTR("")), 26), VT_BSTR},
        {"text cut short", StringRecord(3, OLESTR("AB")), VT_BSTR},
        {"count beyond the stream", StringRecord(0x7FFFFFFF, OLESTR("AB")), VT_BSTR},
        {"byte size beyond 32 bits", StringRecord(0x80000000u, OLESTR("AB")), VT_BSTR},
        {"largest count", StringRecord(0xFFFFFFFFu, OLESTR("AB")), VT_BSTR},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(RewindUnit(1), 1);
        ASSERT_EQ(CreateUnitStream(1, "CASE.DAT", 8, ReadWriteExclusive | STGM_CREATE), 1);
        Feed(1, c.bytes);
        ASSERT_EQ(RewindUnit(1), 1);
        EXPECT_EQ(ReadText(4, 0), "    ") << c.what;
        EXPECT_EQ(AtUnitEnd(1), 1) << c.what << ": a failed read consumes the rest of the stream";
        ASSERT_EQ(RewindUnit(1), 1);
        VARIANT out;
        VariantInit(&out);
        EXPECT_EQ(ReadUnitVariant(1, out), 0) << c.what;
        EXPECT_EQ(out.vt, c.typeAfter) << c.what;
        VariantClear(&out);
    }
}

TEST_F(UnitRecords, ByValueImagesAreTakenAsRead)
{
    const double value = 6.5;
    std::vector<BYTE> image = Image(VT_R8, &value, sizeof value);
    image[2] = 0xAB;  // reserved words are not significant
    Feed(1, image);
    ASSERT_EQ(RewindUnit(1), 1);
    VARIANT out;
    VariantInit(&out);
    ASSERT_EQ(ReadUnitVariant(1, out), 1);
    EXPECT_EQ(out.vt, VT_R8);
    EXPECT_EQ(out.dblVal, 6.5);
}

TEST_F(UnitRecords, WriterCopiesThroughReferencesAndRefusesWhatHasNoText)
{
    double value = 9.75;
    VARIANT byReference;
    VariantInit(&byReference);
    byReference.vt = VT_R8 | VT_BYREF;
    byReference.pdblVal = &value;
    ASSERT_EQ(WriteUnitVariant(1, byReference), 1);
    const auto bytes = Bytes(1);
    ASSERT_EQ(bytes.size(), 24u);
    EXPECT_EQ(At<VARTYPE>(bytes, 0), VT_R8);
    EXPECT_EQ(At<double>(bytes, 8), 9.75);

    VARIANT array;
    VariantInit(&array);
    array.vt = VT_ARRAY | VT_I4;
    array.parray = nullptr;
    EXPECT_EQ(WriteUnitVariant(1, array), 0);
    EXPECT_EQ(Bytes(1).size(), 24u) << "nothing written";
}

TEST_F(UnitRecords, AStringRecordKeepsNoAddressOfTheWriter)
{
    ASSERT_EQ(WriteUnitText(1, "X", 1), 1);
    const auto bytes = Bytes(1);
    for (std::size_t i = 8; i < 24; ++i)
        EXPECT_EQ(bytes[i], 0) << i;
}

#if defined(_WIN32)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
#endif
// A stream of the storage whose n-th Write answers a given HRESULT: a failure writes
// nothing, a success writes as any other.
class StreamAnsweringItsNthWrite : public ForwardingStream {
public:
    StreamAnsweringItsNthWrite(IStream* inner, int nth, HRESULT answer)
        : ForwardingStream(inner), nth_(nth), answer_(answer)
    {
    }
    HRESULT Write(const void* pv, ULONG cb, ULONG* put) override
    {
        if (++writes != nth_)
            return ForwardingStream::Write(pv, cb, put);
        if (SUCCEEDED(answer_)) {
            const HRESULT written = ForwardingStream::Write(pv, cb, put);
            return FAILED(written) ? written : answer_;
        }
        if (put != nullptr)
            *put = 0;
        return answer_;
    }

    int writes = 0;

private:
    int nth_;
    HRESULT answer_;
};
#if defined(_WIN32)
#pragma GCC diagnostic pop
#endif

class UnitRecordsOnAStreamWhoseWriteFails : public UnitRecords {
protected:
    void TearDown() override
    {
        // The bound entries release their streams through the wrappers.
        UnitTable.clear();
        UnitRecords::TearDown();
    }
    // Unit 1 bound to a new stream of the storage whose n-th Write answers `answer`.
    StreamAnsweringItsNthWrite& BindAnsweringNthWrite(int nth, HRESULT answer)
    {
        EXPECT_EQ(CreateUnitStream(1, "CASE.DAT", 8, ReadWriteExclusive | STGM_CREATE), 1);
        UnitEntry& entry = UnitTable.back();
        StreamAnsweringItsNthWrite& wrapper = wrappers.emplace_back(entry.stream, nth, answer);
        entry.stream = &wrapper;
        return wrapper;
    }

    std::list<StreamAnsweringItsNthWrite> wrappers;
};

// The record ends at the first write that fails: the writes before it stay in the stream, and
// none follows it. A write counts by its HRESULT alone, so S_FALSE lets the record go on.
TEST_F(UnitRecordsOnAStreamWhoseWriteFails, TheRecordEndsAtTheFailedWrite)
{
    const double number = 1.5;
    const struct {
        const char* what;
        std::function<std::int32_t()> write;
        std::vector<std::size_t> writeEnds;  // where the record's bytes stand after each write
        std::vector<BYTE> record;
    } records[] = {
        {"text", [] { return WriteUnitText(1, "ABC", 3); }, {24, 28, 34}, StringRecord(3, OLESTR("ABC"))},
        {"empty text", [] { return WriteUnitText(1, "", 0); }, {24, 28}, StringRecord(0, OLESTR(""))},
        {"double", [] { return WriteUnitDouble(1, 1.5); }, {24}, Image(VT_R8, &number, sizeof number)},
    };
    for (const auto& r : records) {
        const int writes = static_cast<int>(r.writeEnds.size());
        for (int nth = 1; nth <= writes; ++nth) {
            const std::string what = std::string(r.what) + ", write " + std::to_string(nth);
            StreamAnsweringItsNthWrite& failing = BindAnsweringNthWrite(nth, E_FAIL);
            EXPECT_EQ(r.write(), 0) << what;
            EXPECT_EQ(failing.writes, nth) << what << ": no write after the failed one";
            const std::size_t kept = nth == 1 ? 0 : r.writeEnds[static_cast<std::size_t>(nth - 2)];
            EXPECT_EQ(Bytes(1), FirstBytes(r.record, kept)) << what;

            StreamAnsweringItsNthWrite& falseAnswer = BindAnsweringNthWrite(nth, S_FALSE);
            EXPECT_EQ(r.write(), 1) << what << " answering S_FALSE";
            EXPECT_EQ(falseAnswer.writes, writes) << what << " answering S_FALSE";
            EXPECT_EQ(Bytes(1), r.record) << what << " answering S_FALSE";
        }
        StreamAnsweringItsNthWrite& sound = BindAnsweringNthWrite(writes + 1, E_FAIL);
        EXPECT_EQ(r.write(), 1) << r.what;
        EXPECT_EQ(sound.writes, writes) << r.what;
        EXPECT_EQ(Bytes(1), r.record) << r.what;
    }
}

// A value as a caller may hand it over: every byte of the VARIANT that its type does not
// use holds `garbage`.
VARIANT WithGarbage(BYTE garbage, VARTYPE vt, const void* value, std::size_t size)
{
    VARIANT variant;
    std::memset(&variant, garbage, sizeof variant);
    variant.vt = vt;
    std::memcpy(reinterpret_cast<BYTE*>(&variant) + 8, value, size);
    return variant;
}

// Leaves `garbage` in the stack below the caller's frame, where the locals of the next
// call from that frame will lie.
[[gnu::noinline]] void ScribbleStack(BYTE garbage)
{
    volatile BYTE area[4096];
    for (volatile BYTE& byte : area)
        byte = garbage;
}

TEST_F(UnitRecords, OnlyTheSignificantBytesOfAnImageAreNonZero)
{
    const std::int64_t bits = 0x0102030405060708;  // the first `size` bytes serve each type
    const struct {
        const char* what;
        VARTYPE vt;
        std::size_t size;
    } cases[] = {
        {"empty", VT_EMPTY, 0}, {"null", VT_NULL, 0}, {"I2", VT_I2, 2},     {"I4", VT_I4, 4},
        {"R4", VT_R4, 4},       {"R8", VT_R8, 8},     {"CY", VT_CY, 8},     {"DATE", VT_DATE, 8},
        {"ERROR", VT_ERROR, 4}, {"BOOL", VT_BOOL, 2}, {"I1", VT_I1, 1},     {"UI1", VT_UI1, 1},
        {"UI2", VT_UI2, 2},     {"UI4", VT_UI4, 4},   {"I8", VT_I8, 8},     {"UI8", VT_UI8, 8},
        {"INT", VT_INT, 4},     {"UINT", VT_UINT, 4},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(CreateUnitStream(1, "CASE.DAT", 8, ReadWriteExclusive | STGM_CREATE), 1);
        ASSERT_EQ(WriteUnitVariant(1, WithGarbage(0xA5, c.vt, &bits, c.size)), 1) << c.what;
        EXPECT_EQ(Bytes(1), Image(c.vt, &bits, c.size)) << c.what;
    }
}

TEST_F(UnitRecords, TextAndReferencedValuesLeaveNoGarbageInTheImage)
{
    BSTR text = SysAllocString(OLESTR("AB"));
    double number = 2.5;
    ASSERT_EQ(WriteUnitVariant(1, WithGarbage(0xA5, VT_BSTR, &text, sizeof text)), 1);
    const double* reference = &number;
    ASSERT_EQ(WriteUnitVariant(1, WithGarbage(0x5A, VT_R8 | VT_BYREF, &reference, sizeof reference)), 1);
    SysFreeString(text);
    std::vector<BYTE> expected = StringRecord(2, OLESTR("AB"));
    const std::vector<BYTE> referenced = Image(VT_R8, &number, sizeof number);
    expected.insert(expected.end(), referenced.begin(), referenced.end());
    EXPECT_EQ(Bytes(1), expected);
}

TEST_F(UnitRecords, TheSameValuesGiveTheSameBytesWhateverTheStackHeld)
{
    std::vector<BYTE> files[2];
    const BYTE garbage[2] = {0xA5, 0x5A};
    for (int run = 0; run < 2; ++run) {
        ASSERT_EQ(CreateUnitStream(1, "CASE.DAT", 8, ReadWriteExclusive | STGM_CREATE), 1);
        ScribbleStack(garbage[run]);
        ASSERT_EQ(WriteUnitInteger(1, 7), 1);
        ScribbleStack(garbage[run]);
        ASSERT_EQ(WriteUnitDouble(1, 0.5), 1);
        ScribbleStack(garbage[run]);
        ASSERT_EQ(WriteUnitText(1, "TEXT", 4), 1);
        files[run] = Bytes(1);
    }
    EXPECT_EQ(files[0], files[1]);
    const std::int32_t seven = 7;
    const double half = 0.5;
    std::vector<BYTE> expected = Image(VT_I4, &seven, sizeof seven);
    const std::vector<BYTE> number = Image(VT_R8, &half, sizeof half);
    const std::vector<BYTE> text = StringRecord(4, OLESTR("TEXT"));
    expected.insert(expected.end(), number.begin(), number.end());
    expected.insert(expected.end(), text.begin(), text.end());
    EXPECT_EQ(files[0], expected);
}

}  // namespace
