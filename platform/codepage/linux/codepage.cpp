// Conversions work in two passes over the text, counting and then storing, so that
// they never allocate.
#include "platform/codepage/codepage.h"

#include <cstring>

#include "platform/codepage/linux/windows1252.h"
#include "platform/last_error.h"

namespace {

constexpr char16_t Replacement = 0xFFFD;

enum class Encoding { Ansi, Utf8, Unsupported };

// The ANSI code page without its converter is not available, as a code page that is not
// installed on the platform.
Encoding EncodingOf(UINT codePage)
{
    switch (codePage) {
    case CP_ACP:
    case CP_THREAD_ACP:
    case AnsiCodePage: return Windows1252Available() ? Encoding::Ansi : Encoding::Unsupported;
    case CP_UTF8: return Encoding::Utf8;
    default: return Encoding::Unsupported;
    }
}

// A failure answers 0 and leaves its reason as the thread's last error.
int Fail(DWORD error)
{
    SetLastError(error);
    return 0;
}

// Collects output units; past the capacity it only counts and remembers the overflow.
template <typename Unit>
struct Sink {
    Unit* out;
    int capacity;  // 0: count only
    int count = 0;
    bool overflow = false;

    void Put(Unit unit)
    {
        if (capacity != 0) {
            if (count >= capacity) {
                overflow = true;
                return;
            }
            out[count] = unit;
        }
        ++count;
    }
    int Result() const { return overflow ? Fail(ERROR_INSUFFICIENT_BUFFER) : count; }
};

// One UTF-8 sequence from `in` (at least one byte left); answers the bytes consumed.
int DecodeUtf8(const BYTE* in, int left, char32_t& code)
{
    const BYTE lead = in[0];
    int length = 0;
    char32_t value = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        code = lead;
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, value = lead & 0x1F, minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, value = lead & 0x0F, minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, value = lead & 0x07, minimum = 0x10000;
    } else {
        code = Replacement;
        return 1;
    }
    for (int i = 1; i < length; ++i) {
        if (i >= left || (in[i] & 0xC0) != 0x80) {
            code = Replacement;
            return i;
        }
        value = (value << 6) | (in[i] & 0x3F);
    }
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        code = Replacement;
        return length;
    }
    code = value;
    return length;
}

void PutUtf16(Sink<WCHAR>& sink, char32_t code)
{
    if (code < 0x10000) {
        sink.Put(static_cast<WCHAR>(code));
        return;
    }
    code -= 0x10000;
    sink.Put(static_cast<WCHAR>(0xD800 + (code >> 10)));
    sink.Put(static_cast<WCHAR>(0xDC00 + (code & 0x3FF)));
}

void PutUtf8(Sink<char>& sink, char32_t code)
{
    if (code < 0x80) {
        sink.Put(static_cast<char>(code));
    } else if (code < 0x800) {
        sink.Put(static_cast<char>(0xC0 | (code >> 6)));
        sink.Put(static_cast<char>(0x80 | (code & 0x3F)));
    } else if (code < 0x10000) {
        sink.Put(static_cast<char>(0xE0 | (code >> 12)));
        sink.Put(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        sink.Put(static_cast<char>(0x80 | (code & 0x3F)));
    } else {
        sink.Put(static_cast<char>(0xF0 | (code >> 18)));
        sink.Put(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
        sink.Put(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        sink.Put(static_cast<char>(0x80 | (code & 0x3F)));
    }
}

}  // namespace

int MultiByteToWideChar(UINT CodePage, DWORD, LPCSTR lpMultiByteStr, int cbMultiByte, LPWSTR lpWideCharStr,
                        int cchWideChar)
{
    const Encoding encoding = EncodingOf(CodePage);
    if (encoding == Encoding::Unsupported || lpMultiByteStr == nullptr || cbMultiByte == 0 || cbMultiByte < -1 ||
        cchWideChar < 0 || (lpWideCharStr == nullptr && cchWideChar != 0))
        return Fail(ERROR_INVALID_PARAMETER);
    const int length = cbMultiByte == -1 ? static_cast<int>(std::strlen(lpMultiByteStr)) + 1 : cbMultiByte;
    const auto* in = reinterpret_cast<const BYTE*>(lpMultiByteStr);
    Sink<WCHAR> sink{lpWideCharStr, cchWideChar};
    for (int i = 0; i < length && !sink.overflow;) {
        if (encoding == Encoding::Ansi) {
            sink.Put(Windows1252ToUnicode(in[i]));
            ++i;
        } else {
            char32_t code = 0;
            i += DecodeUtf8(in + i, length - i, code);
            PutUtf16(sink, code);
        }
    }
    return sink.Result();
}

int WideCharToMultiByte(UINT CodePage, DWORD dwFlags, LPCWSTR lpWideCharStr, int cchWideChar, LPSTR lpMultiByteStr,
                        int cbMultiByte, LPCSTR lpDefaultChar, BOOL* lpUsedDefaultChar)
{
    const Encoding encoding = EncodingOf(CodePage);
    if (encoding == Encoding::Unsupported || lpWideCharStr == nullptr || cchWideChar == 0 || cchWideChar < -1 ||
        cbMultiByte < 0 || (lpMultiByteStr == nullptr && cbMultiByte != 0))
        return Fail(ERROR_INVALID_PARAMETER);
    // UTF-8 has a form for every character and takes no default.
    if (encoding == Encoding::Utf8 && (lpDefaultChar != nullptr || lpUsedDefaultChar != nullptr))
        return Fail(ERROR_INVALID_PARAMETER);
    int length = cchWideChar;
    if (length == -1) {
        length = 0;
        while (lpWideCharStr[length] != 0)
            ++length;
        ++length;
    }
    if (lpUsedDefaultChar != nullptr)
        *lpUsedDefaultChar = FALSE;
    const char defaultChar = lpDefaultChar != nullptr ? *lpDefaultChar : '?';
    Sink<char> sink{lpMultiByteStr, cbMultiByte};
    for (int i = 0; i < length && !sink.overflow; ++i) {
        const char16_t unit = lpWideCharStr[i];
        if (encoding == Encoding::Ansi) {
            auto byte = UnicodeToWindows1252(unit);
            if (!byte && (dwFlags & WC_NO_BEST_FIT_CHARS) == 0)
                byte = BestFitToWindows1252(unit);
            if (byte) {
                sink.Put(static_cast<char>(*byte));
            } else {
                sink.Put(defaultChar);
                if (lpUsedDefaultChar != nullptr)
                    *lpUsedDefaultChar = TRUE;
            }
            continue;
        }
        char32_t code = unit;
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < length && lpWideCharStr[i + 1] >= 0xDC00 &&
            lpWideCharStr[i + 1] <= 0xDFFF) {
            code = 0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) + (lpWideCharStr[i + 1] - 0xDC00);
            ++i;
        } else if (unit >= 0xD800 && unit <= 0xDFFF) {
            code = Replacement;
        }
        PutUtf8(sink, code);
    }
    return sink.Result();
}

BOOL IsDBCSLeadByteEx(UINT CodePage, BYTE)
{
    return EncodingOf(CodePage) == Encoding::Unsupported ? Fail(ERROR_INVALID_PARAMETER) : FALSE;
}
