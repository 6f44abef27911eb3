// Records of a unit's stream: VARIANT images and the texts that follow them.
#include "engine_services/units/unit_records.h"

#include <cstring>
#include <new>
#include <string>

#include "engine_services/units/unit_streams.h"
#include "platform/codepage/codepage.h"
#include "platform/oleauto/oleauto.h"

namespace {

// Records travel between machines, and the engine's code reads numbers with a point: every
// conversion of a record takes the en-US forms without user overrides, whatever the user's
// locale.
constexpr LCID RecordLocale = 0x0409;

// A record's text is converted with the calling thread's ANSI code page when it is written
// and when it is read, so that it reads back as it was written.
constexpr UINT RecordTextCodePage = CP_THREAD_ACP;

HRESULT ChangeRecordType(VARIANT& value, VARTYPE vt)
{
    return VariantChangeTypeEx(&value, &value, RecordLocale, VARIANT_NOUSEROVERRIDE, vt);
}

bool IsByValueRecordType(VARTYPE vt)
{
    return vt <= VT_DATE || vt == VT_ERROR || vt == VT_BOOL || (vt >= VT_I1 && vt <= VT_UINT);
}

bool IsRecordType(VARTYPE vt)
{
    return IsByValueRecordType(vt) || vt == VT_BSTR;
}

// A read counts only when it answers exactly S_OK with every byte asked for.
bool ReadExactly(IStream* stream, void* into, ULONG bytes)
{
    ULONG got = 0;
    return stream->Read(into, bytes, &got) == S_OK && got == bytes;
}

// Whether the stream still holds `bytes` after its current position.
bool StreamHolds(IStream* stream, std::uint64_t bytes)
{
    ULARGE_INTEGER position{};
    STATSTG status{};
    if (FAILED(stream->Seek(LARGE_INTEGER{}, STREAM_SEEK_CUR, &position)) ||
        FAILED(stream->Stat(&status, STATFLAG_NONAME)))
        return false;
    return position.QuadPart <= status.cbSize.QuadPart && status.cbSize.QuadPart - position.QuadPart >= bytes;
}

// The bytes of the value field that a record type uses; a text's address means nothing
// outside this process and is not written.
std::size_t SignificantValueBytes(VARTYPE vt)
{
    switch (vt) {
    case VT_I1:
    case VT_UI1: return 1;
    case VT_I2:
    case VT_UI2:
    case VT_BOOL: return 2;
    case VT_I4:
    case VT_UI4:
    case VT_INT:
    case VT_UINT:
    case VT_R4:
    case VT_ERROR: return 4;
    case VT_R8:
    case VT_CY:
    case VT_DATE:
    case VT_I8:
    case VT_UI8: return 8;
    default: return 0;
    }
}

// The image holds the type and the value's own bytes; every other byte is zero, so that
// the same values always give the same file.
HRESULT WriteImage(IStream* stream, const VARIANT& value)
{
    BYTE image[RecordImageBytes] = {};
    std::memcpy(image, &value.vt, sizeof value.vt);
    constexpr std::size_t valueAt = offsetof(VARIANT, llVal);
    std::memcpy(image + valueAt, reinterpret_cast<const BYTE*>(&value) + valueAt, SignificantValueBytes(value.vt));
    return stream->Write(image, sizeof image, nullptr);
}

bool WriteText(IStream* stream, VARIANT& text)
{
    if (FAILED(WriteImage(stream, text)))
        return false;
    const std::uint32_t count = SysStringLen(text.bstrVal);
    if (FAILED(stream->Write(&count, sizeof count, nullptr)))
        return false;
    // A null text is the empty text: there are no bytes to write after the count.
    return count == 0 || SUCCEEDED(stream->Write(text.bstrVal, count * sizeof(OLECHAR), nullptr));
}

std::int32_t ReadText(IStream* stream, VARIANT& out)
{
    out.vt = VT_BSTR;
    out.bstrVal = nullptr;
    std::uint32_t count = 0;
    if (!ReadExactly(stream, &count, sizeof count))
        return 0;
    if (count == 0)
        return 1;
    // A corrupt count must not size an allocation: the text must fit 32 bits and still be
    // in the stream. Otherwise the read fails as a short read would, consuming the rest.
    const std::uint64_t bytes = std::uint64_t{count} * sizeof(OLECHAR);
    if (bytes > UINT32_MAX || !StreamHolds(stream, bytes)) {
        stream->Seek(LARGE_INTEGER{}, STREAM_SEEK_END, nullptr);
        return 0;
    }
    out.bstrVal = SysAllocStringLen(nullptr, count);
    if (out.bstrVal == nullptr)
        return 0;
    return ReadExactly(stream, out.bstrVal, static_cast<ULONG>(bytes)) ? 1 : 0;
}

// Reads one record, converts it to `vt` and hands it to `deliver`; any failure, an
// exception included, answers 0 and delivers nothing.
template <typename Deliver>
std::int32_t ReadConvertedInto(std::int32_t unit, VARTYPE vt, Deliver deliver)
{
    VARIANT value;
    VariantInit(&value);
    std::int32_t result = 0;
    try {
        if (ReadUnitVariant(unit, value) != 0 && SUCCEEDED(ChangeRecordType(value, vt))) {
            deliver(value);
            result = 1;
        }
    } catch (...) {
        result = 0;
    }
    VariantClear(&value);
    return result;
}

// The bytes of the narrow text's first characters that fit in `room`: a character of two
// bytes fits whole or not at all.
std::size_t WholeCharacterBytes(const std::string& narrow, std::size_t room)
{
    std::size_t bytes = 0;
    while (bytes < narrow.size()) {
        const BYTE first = static_cast<BYTE>(narrow[bytes]);
        const std::size_t next = bytes + (IsDBCSLeadByteEx(RecordTextCodePage, first) ? 2 : 1);
        if (next > room || next > narrow.size())
            break;
        bytes = next;
    }
    return bytes;
}

// The record's text as narrow text at the start of the buffer: as many of its bytes as the
// buffer holds, without the first byte of a character whose second byte does not fit (that
// byte stays blank).
bool DeliverText(VARIANT& value, char* buffer, std::uint32_t length)
{
    if (FAILED(ChangeRecordType(value, VT_BSTR)))
        return false;
    const UINT stored = SysStringLen(value.bstrVal);
    UINT units = 0;
    while (units < stored && value.bstrVal[units] != 0)
        ++units;
    if (units == 0)
        return true;
    // A text the code page cannot convert is not delivered.
    const int bytes = WideCharToMultiByte(RecordTextCodePage, 0, value.bstrVal, static_cast<int>(units), nullptr, 0,
                                          nullptr, nullptr);
    if (bytes <= 0)
        return false;
    std::string narrow(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(RecordTextCodePage, 0, value.bstrVal, static_cast<int>(units), narrow.data(), bytes, nullptr,
                        nullptr);
    std::memcpy(buffer, narrow.data(), WholeCharacterBytes(narrow, length));
    return true;
}

}  // namespace

std::int32_t WriteUnitVariant(std::int32_t unit, const VARIANT& value)
{
    IStream* stream = FindUnitStream(unit);
    if (stream == nullptr)
        return 0;
    VARIANT work{};
    VariantInit(&work);
    // The platform's VariantCopyInd takes its source as changeable, though it only reads it.
    VARIANT source = value;
    if (CopyFlag != 0 && FAILED(VariantCopyInd(&work, &source)))
        return 0;
    bool written = false;
    if (IsByValueRecordType(work.vt)) {
        written = SUCCEEDED(WriteImage(stream, work));
    } else {
        if (FAILED(ChangeRecordType(work, VT_BSTR))) {
            VariantClear(&work);
            return 0;
        }
        written = WriteText(stream, work);
    }
    VariantClear(&work);
    return written ? 1 : 0;
}

std::int32_t ReadUnitVariant(std::int32_t unit, VARIANT& out)
{
    IStream* stream = FindUnitStream(unit);
    if (stream == nullptr)
        return 0;
    VariantClear(&out);
    VariantInit(&out);
    // The image is read aside: the out VARIANT takes nothing from a short or rejected one.
    VARIANT image;
    if (!ReadExactly(stream, &image, RecordImageBytes))
        return 0;
    if (!IsRecordType(image.vt))
        return 0;
    if (image.vt == VT_BSTR)
        return ReadText(stream, out);
    std::memcpy(&out, &image, sizeof out);
    return 1;
}

std::int32_t WriteUnitText(std::int32_t unit, const char* text, std::int32_t length)
{
    if (text == nullptr || length < 0)
        return 0;
    std::string narrow(text, static_cast<std::size_t>(length));
    narrow.resize(std::strlen(narrow.c_str()));
    std::basic_string<WCHAR> wide(narrow.size() + 1, WCHAR{});
    // The count includes the terminator: 0 means the code page could not convert the text,
    // which is then not written.
    const int units = MultiByteToWideChar(RecordTextCodePage, 0, narrow.c_str(), -1, wide.data(),
                                          static_cast<int>(wide.size()));
    if (units == 0)
        return 0;
    VARIANT value;
    VariantInit(&value);
    value.vt = VT_BSTR;
    value.bstrVal = SysAllocStringLen(wide.data(), static_cast<UINT>(units - 1));
    if (value.bstrVal == nullptr)
        throw std::bad_alloc();
    const std::int32_t written = WriteUnitVariant(unit, value);
    VariantClear(&value);
    return written;
}

std::int32_t WriteUnitDouble(std::int32_t unit, double value)
{
    VARIANT variant;
    VariantInit(&variant);
    variant.vt = VT_R8;
    variant.dblVal = value;
    return WriteUnitVariant(unit, variant);
}

std::int32_t WriteUnitInteger(std::int32_t unit, std::int32_t value)
{
    VARIANT variant;
    VariantInit(&variant);
    variant.vt = VT_I4;
    variant.lVal = value;
    return WriteUnitVariant(unit, variant);
}

std::int32_t ReadUnitText(std::int32_t unit, char* buffer, std::uint32_t length)
{
    if (buffer != nullptr && length > 0)
        std::memset(buffer, ' ', length);
    VARIANT value;
    VariantInit(&value);
    std::int32_t result = 0;
    try {
        if (ReadUnitVariant(unit, value) != 0)
            result = (buffer == nullptr || length == 0 || DeliverText(value, buffer, length)) ? 1 : 0;
    } catch (...) {
        result = 0;
    }
    VariantClear(&value);
    return result;
}

std::int32_t ReadUnitDouble(std::int32_t unit, double& out)
{
    return ReadConvertedInto(unit, VT_R8, [&out](const VARIANT& value) { out = value.dblVal; });
}

std::int32_t ReadUnitInteger(std::int32_t unit, std::int32_t& out)
{
    return ReadConvertedInto(unit, VT_I4, [&out](const VARIANT& value) { out = value.lVal; });
}
