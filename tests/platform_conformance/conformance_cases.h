#pragma once
// The rows of the conformance table: what the system asks of the platform's conversions,
// code pages and structured storage, and what the platform answers. Every row holds the
// platform's answer. A row that Wine is known to answer otherwise holds Wine's answer too,
// with the difference named: under Wine the row expects Wine's answer, so that a change on
// either side shows. A row whose answer no platform source records says so and why the
// answer was chosen; the other rows hold the platform's recorded answer.
#include <cstddef>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "platform/codepage/codepage.h"
#include "platform/com/storage.h"
#include "platform/last_error.h"
#include "platform/oleauto/oleauto.h"

// Wine's answer to a row, where it is known to differ from the platform's: what differs
// and where the platform's answer is recorded (`why`), and the answer itself.
template <typename Answer>
struct WineAnswer {
    const char* why = nullptr;
    Answer answer{};
};

// A value of one VARIANT type: `whole` for the integer, boolean, error and currency types
// (currency scaled by 10000, VT_UI8 by its bits), `real` for VT_R4, VT_R8 and VT_DATE,
// `text` for VT_BSTR, the decimal's parts for VT_DECIMAL.
struct Value {
    VARTYPE vt = VT_EMPTY;
    LONGLONG whole = 0;
    double real = 0;
    std::u16string_view text{};
    BYTE scale = 0;
    BYTE sign = 0;
    ULONG hi32 = 0;
    ULONGLONG lo64 = 0;
};

constexpr Value Whole(VARTYPE vt, LONGLONG whole)
{
    return Value{.vt = vt, .whole = whole};
}
constexpr Value Real(VARTYPE vt, double real)
{
    return Value{.vt = vt, .real = real};
}
constexpr Value Text(std::u16string_view text)
{
    return Value{.vt = VT_BSTR, .text = text};
}
constexpr Value Decimal(BYTE scale, BYTE sign, ULONG hi32, ULONGLONG lo64)
{
    return Value{.vt = VT_DECIMAL, .scale = scale, .sign = sign, .hi32 = hi32, .lo64 = lo64};
}

// VariantChangeType of `from` to `to`, flags 0: `answer`, and on success `result`.
struct ConversionAnswer {
    HRESULT answer;
    Value result;
};

struct ConversionCase {
    const char* name;
    Value from;
    VARTYPE to;
    HRESULT answer;
    Value result;
    WineAnswer<ConversionAnswer> wine{};
    const char* unrecorded = nullptr;

    ConversionAnswer Platform() const { return {answer, result}; }
};

// MultiByteToWideChar of all of `bytes` into room for `room` units (0 asks for the count).
struct ToWideAnswer {
    int answer;
    std::u16string_view units;  // when the answer is a conversion
    DWORD lastError = 0;        // when the answer is 0
};

struct ToWideCase {
    const char* name;
    UINT codePage;
    DWORD flags;
    std::string_view bytes{};
    int room;
    int answer;
    std::u16string_view units;
    DWORD lastError = 0;
    WineAnswer<ToWideAnswer> wine{};
    const char* unrecorded = nullptr;

    ToWideAnswer Platform() const { return {answer, units, lastError}; }
};

// WideCharToMultiByte of all of `units` into room for `room` bytes (0 asks for the count),
// with `defaultChar` (or none) and asking whether it was used when `askUsedDefault`.
struct ToNarrowAnswer {
    int answer;
    std::string_view bytes;     // when the answer is a conversion
    BOOL usedDefault = FALSE;   // when asked and the answer is a conversion
    DWORD lastError = 0;        // when the answer is 0
};

struct ToNarrowCase {
    const char* name;
    UINT codePage;
    DWORD flags;
    std::u16string_view units;
    const char* defaultChar;
    bool askUsedDefault;
    int room;
    int answer;
    std::string_view bytes;
    BOOL usedDefault = FALSE;
    DWORD lastError = 0;
    WineAnswer<ToNarrowAnswer> wine{};
    const char* unrecorded = nullptr;

    ToNarrowAnswer Platform() const { return {answer, bytes, usedDefault, lastError}; }
};

// A stream created with `mode` in a fresh storage, and one named "DAT" (created and
// released beforehand) opened with it.
struct StreamAnswers {
    HRESULT create;
    HRESULT open;
};

struct StreamModeCase {
    const char* name;
    DWORD mode;
    HRESULT create;
    HRESULT open;
    WineAnswer<StreamAnswers> wine{};
    const char* unrecorded = nullptr;

    StreamAnswers Platform() const { return {create, open}; }
};

// A stream created under `created`, then `opened` opened: the names' answers.
struct StreamNameCase {
    const char* name;
    std::u16string_view created;
    HRESULT create;
    std::u16string_view opened;
    HRESULT open;
    WineAnswer<StreamAnswers> wine{};
    const char* unrecorded = nullptr;

    StreamAnswers Platform() const { return {create, open}; }
};

// One call of a storage script on stream handle `stream` (0 to 3): its arguments and the
// platform's answer. `count` is a Read's count or a Seek's move; `bytes` what a Write
// writes or what a Read gives; `position` a Seek's new position or Stat's size.
enum class Call { Create, Open, Write, Read, Seek, Stat, Commit, ReleaseStream, ReleaseStorage };

struct StorageStep {
    Call call;
    int stream = 0;
    std::u16string_view name{};
    DWORD mode = 0;  // Create and Open: the mode; Seek: the origin; Stat and Commit: the flags
    LONGLONG count = 0;
    std::string_view bytes{};
    HRESULT answer = S_OK;
    ULONGLONG position = 0;
};

// The steps with the platform's answers; under Wine, where it is known to differ, the same
// calls with Wine's answers.
struct StorageScript {
    const char* name;
    std::span<const StorageStep> steps;
    WineAnswer<std::span<const StorageStep>> wine{};
    const char* unrecorded = nullptr;

    std::span<const StorageStep> Platform() const { return steps; }
};

std::span<const ConversionCase> ConversionCases();
std::span<const ToWideCase> ToWideCases();
std::span<const ToNarrowCase> ToNarrowCases();
std::span<const StreamModeCase> StreamModeCases();
std::span<const StreamNameCase> StreamNameCases();
std::span<const StorageScript> StorageScripts();

// The rows print as their names, in test names and in failure messages alike.
template <typename Row>
    requires requires(const Row& row) { row.wine.why; }
void PrintTo(const Row& row, std::ostream* out)
{
    *out << row.name;
}

// A parameterised test's name: its row's name.
template <typename ParamInfo>
std::string RowName(const ParamInfo& info)
{
    return info.param.name;
}
