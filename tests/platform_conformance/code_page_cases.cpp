// The code-page rows: the ANSI code page (Windows-1252) and UTF-8, both directions, with the
// best-fit mapping to the ANSI code page and the flag that forbids it.
#include "tests/platform_conformance/conformance_cases.h"

namespace {

constexpr char WineCallsFullwidthQuestionMarkADefault[] =
    "Wine reports U+FF1F as a default character; the platform's published best-fit table for "
    "code page 1252 (bestfit1252.txt) maps it to '?' as a best fit";

constexpr char WineTakesUsedDefaultForUtf8[] =
    "Wine converts to UTF-8 when asked whether a default character was used; the platform fails with "
    "ERROR_INVALID_PARAMETER (WideCharToMultiByte's documentation: both default parameters must be NULL "
    "for CP_UTF8)";

constexpr char PlatformSilentOnEncodedSurrogates[] =
    "no platform source records how many U+FFFD the platform puts for an encoded surrogate";
constexpr char WinePutsTwoReplacementsForASurrogate[] = "Wine puts two U+FFFD for the three bytes";

constexpr UINT Windows1252 = 1252;
constexpr int Room = 16;

constexpr ToWideCase WideCases[] = {
    {"AnsiToWide", CP_ACP, 0, "A\x80\xE9\xFF", Room, 4, u"A\u20AC\u00E9\u00FF"},
    {"AnsiUndefinedBytesToWide", CP_ACP, 0, "\x81\x8D\x8F\x90\x9D", Room, 5, u"\u0081\u008D\u008F\u0090\u009D"},
    {"CodePage1252ToWide", Windows1252, 0, "\x80\x9F", Room, 2, u"\u20AC\u0178"},
    {"ThreadAnsiToWide", CP_THREAD_ACP, 0, "\x93q\x94", Room, 3, u"\u201Cq\u201D"},
    {"AnsiCountAsked", CP_ACP, 0, "abc", 0, 3, u""},
    {"AnsiIntoTooSmallRoom", CP_ACP, 0, "abc", 2, 0, u"", ERROR_INSUFFICIENT_BUFFER},
    {"Utf8ToWide", CP_UTF8, 0, "\xC3\xA9\xE2\x82\xAC", Room, 2, u"\u00E9\u20AC"},
    {"Utf8BeyondTheBasicPlaneToWide", CP_UTF8, 0, "\xF0\x9F\x98\x80", Room, 2, u"\U0001F600"},
    {"Utf8InvalidByteToWide", CP_UTF8, 0, "a\xFFz", Room, 3, u"a\uFFFDz"},
    // An encoded surrogate is no character: the stand-in puts one U+FFFD for its three bytes.
    {"Utf8FirstEncodedSurrogateToWide", CP_UTF8, 0, "a\xED\xA0\x80z", Room, 3, u"a\uFFFDz",
     0, {WinePutsTwoReplacementsForASurrogate, {4, u"a\uFFFD\uFFFDz"}}, PlatformSilentOnEncodedSurrogates},
    {"Utf8LastEncodedSurrogateToWide", CP_UTF8, 0, "a\xED\xBF\xBFz", Room, 3, u"a\uFFFDz",
     0, {WinePutsTwoReplacementsForASurrogate, {4, u"a\uFFFD\uFFFDz"}}, PlatformSilentOnEncodedSurrogates},
    {"Utf8JustBeforeTheSurrogatesToWide", CP_UTF8, 0, "\xED\x9F\xBF", Room, 1, u"\uD7FF"},
    {"Utf8FirstBeyondTheBasicPlaneToWide", CP_UTF8, 0, "\xF0\x90\x80\x80", Room, 2, u"\U00010000"},
    {"Utf8CountAsked", CP_UTF8, 0, "\xC3\xA9", 0, 1, u""},
    {"Utf8IntoTooSmallRoom", CP_UTF8, 0, "\xC3\xA9\xC3\xA9", 1, 0, u"", ERROR_INSUFFICIENT_BUFFER},
};

constexpr ToNarrowCase NarrowCases[] = {
    {"WideToAnsi", CP_ACP, 0, u"A\u20AC\u00E9\u0178", nullptr, true, Room, 4, "A\x80\xE9\x9F", FALSE},
    {"WideToCodePage1252", Windows1252, 0, u"\u20AC\u0178", nullptr, true, Room, 2, "\x80\x9F", FALSE},
    {"WideToAnsiBestFit", CP_ACP, 0, u"\u0100\u0107\u221E\uFF21\u2018", nullptr, true, Room, 5, "Ac8A\x91", FALSE},
    {"WideToAnsiBestFitOfLettersAndSigns", CP_ACP, 0, u"\u0141\u0131\u2264\u3000\u2500", nullptr, true, Room, 5,
     "Li= -", FALSE},
    {"WideToAnsiWithBestFitForbidden", CP_ACP, WC_NO_BEST_FIT_CHARS, u"\u0100\u00E9", nullptr, true, Room, 2, "?\xE9",
     TRUE},
    {"WideToAnsiWithoutAnyFit", CP_ACP, 0, u"\u0391\u4E2D", nullptr, true, Room, 2, "??", TRUE},
    {"WideToAnsiWithOwnDefault", CP_ACP, 0, u"x\u4E2D", "*", true, Room, 2, "x*", TRUE},
    {"WideToAnsiFullwidthQuestionMark", CP_ACP, 0, u"\uFF1F", nullptr, true, Room, 1, "?", FALSE,
     0, {WineCallsFullwidthQuestionMarkADefault, {1, "?", TRUE}}},
    {"WideToAnsiCountAsked", CP_ACP, 0, u"abc", nullptr, false, 0, 3, ""},
    {"WideToAnsiIntoTooSmallRoom", CP_ACP, 0, u"abc", nullptr, false, 2, 0, "", FALSE, ERROR_INSUFFICIENT_BUFFER},
    {"WideToUtf8", CP_UTF8, 0, u"\u00E9\u20AC", nullptr, false, Room, 5, "\xC3\xA9\xE2\x82\xAC"},
    {"WideToUtf8BeyondTheBasicPlane", CP_UTF8, 0, u"\U0001F600", nullptr, false, Room, 4, "\xF0\x9F\x98\x80"},
    {"WideToUtf8FirstBeyondTheBasicPlane", CP_UTF8, 0, u"\U00010000", nullptr, false, Room, 4, "\xF0\x90\x80\x80"},
    {"WideToUtf8LastOfUnicode", CP_UTF8, 0, u"\U0010FFFF", nullptr, false, Room, 4, "\xF4\x8F\xBF\xBF"},
    {"WideToUtf8LastOfTheBasicPlane", CP_UTF8, 0, u"\uFFFF", nullptr, false, Room, 3, "\xEF\xBF\xBF"},
    {"LoneSurrogateToUtf8", CP_UTF8, 0, u"a\xD800z", nullptr, false, Room, 5, "a\xEF\xBF\xBDz"},
    {"WideToUtf8AskingForDefault", CP_UTF8, 0, u"a", nullptr, true, Room, 0, "", FALSE, ERROR_INVALID_PARAMETER,
     {WineTakesUsedDefaultForUtf8, {1, "a", FALSE}}},
    {"WideToUtf8IntoTooSmallRoom", CP_UTF8, 0, u"\u20AC", nullptr, false, 2, 0, "", FALSE, ERROR_INSUFFICIENT_BUFFER},
};

}  // namespace

std::span<const ToWideCase> ToWideCases()
{
    return WideCases;
}

std::span<const ToNarrowCase> ToNarrowCases()
{
    return NarrowCases;
}
