// The conversion rows: every by-value type that a unit record holds, a DECIMAL and texts, to
// the types that the unit records read (text, VT_R8, VT_I4) and to VT_I8 and VT_CY where
// exactness matters.
#include "tests/platform_conformance/conformance_cases.h"

namespace {

constexpr char WineWritesSmallRealsWithExponent[] =
    "Wine writes 5.6789E-05; the platform writes a double in fixed notation down to about 1E-11 "
    "(its recorded VarBstrFromR8 results)";
constexpr char WineReadsCurrencyThroughDouble[] =
    "Wine reads text into currency through a double; the platform's conversions into currency are exact up "
    "to +-922337203685477.5807 (its recorded behaviour)";

constexpr char WineTakesEveryWhiteSpace[] =
    "Wine's white space around a number is every Unicode white space, and so the stand-in's: no platform source "
    "says which characters the platform's number parser takes as white space";
constexpr char PlatformSilentOnInvalidDecimalAsText[] =
    "the platform's recorded conversions of a DECIMAL whose scale is above 28, or whose sign byte is neither 0 "
    "nor 0x80, to numbers answer E_INVALIDARG, and its documentation allows no other DECIMAL; its text "
    "conversion of one is not recorded, and the stand-in answers the same";
constexpr char WineFormatsInvalidDecimals[] = "Wine writes such a DECIMAL as text all the same";
constexpr char PlatformSilentOnSignWithOtherBits[] =
    "the platform's recorded conversions refuse the sign bytes 0x01, 0x40 and 0x7F, and its documentation "
    "allows only 0 and 0x80; the stand-in refuses DECIMAL_NEG with another bit alike";

constexpr Value None{};
constexpr LONGLONG CurrencyUnit = 10000;

constexpr ConversionCase Cases[] = {
    // Empty, null and error values.
    {"EmptyToText", Value{}, VT_BSTR, S_OK, Text(u"")},
    {"EmptyToDouble", Value{}, VT_R8, S_OK, Real(VT_R8, 0)},
    {"EmptyToLong", Value{}, VT_I4, S_OK, Whole(VT_I4, 0)},
    {"EmptyToByte", Value{}, VT_UI1, S_OK, Whole(VT_UI1, 0)},
    {"EmptyToUnsignedShort", Value{}, VT_UI2, S_OK, Whole(VT_UI2, 0)},
    {"EmptyToUnsignedLong", Value{}, VT_UI4, S_OK, Whole(VT_UI4, 0)},
    {"EmptyToUnsignedInt", Value{}, VT_UINT, S_OK, Whole(VT_UINT, 0)},
    {"EmptyToUnsignedLongLong", Value{}, VT_UI8, S_OK, Whole(VT_UI8, 0)},
    {"NullToText", Value{.vt = VT_NULL}, VT_BSTR, DISP_E_TYPEMISMATCH, None},
    {"NullToDouble", Value{.vt = VT_NULL}, VT_R8, DISP_E_TYPEMISMATCH, None},
    {"NullToLong", Value{.vt = VT_NULL}, VT_I4, DISP_E_TYPEMISMATCH, None},
    {"ErrorToText", Whole(VT_ERROR, 5), VT_BSTR, DISP_E_TYPEMISMATCH, None},
    {"ErrorToDouble", Whole(VT_ERROR, 5), VT_R8, DISP_E_TYPEMISMATCH, None},
    {"ErrorToLong", Whole(VT_ERROR, 5), VT_I4, DISP_E_TYPEMISMATCH, None},

    // Integers of every size.
    {"ShortToText", Whole(VT_I2, -12345), VT_BSTR, S_OK, Text(u"-12345")},
    {"ShortToDouble", Whole(VT_I2, -12345), VT_R8, S_OK, Real(VT_R8, -12345)},
    {"ShortToLong", Whole(VT_I2, -12345), VT_I4, S_OK, Whole(VT_I4, -12345)},
    {"LongToText", Whole(VT_I4, -2147483647 - 1), VT_BSTR, S_OK, Text(u"-2147483648")},
    {"LongToDouble", Whole(VT_I4, 2147483647), VT_R8, S_OK, Real(VT_R8, 2147483647.0)},
    {"LongToLong", Whole(VT_I4, -5), VT_I4, S_OK, Whole(VT_I4, -5)},
    {"SignedByteToText", Whole(VT_I1, -128), VT_BSTR, S_OK, Text(u"-128")},
    {"SignedByteToDouble", Whole(VT_I1, -128), VT_R8, S_OK, Real(VT_R8, -128)},
    {"SignedByteToLong", Whole(VT_I1, -128), VT_I4, S_OK, Whole(VT_I4, -128)},
    {"ByteToText", Whole(VT_UI1, 255), VT_BSTR, S_OK, Text(u"255")},
    {"ByteToDouble", Whole(VT_UI1, 255), VT_R8, S_OK, Real(VT_R8, 255)},
    {"ByteToLong", Whole(VT_UI1, 255), VT_I4, S_OK, Whole(VT_I4, 255)},
    {"UnsignedShortToText", Whole(VT_UI2, 65535), VT_BSTR, S_OK, Text(u"65535")},
    {"UnsignedShortToDouble", Whole(VT_UI2, 65535), VT_R8, S_OK, Real(VT_R8, 65535)},
    {"UnsignedShortToLong", Whole(VT_UI2, 65535), VT_I4, S_OK, Whole(VT_I4, 65535)},
    {"UnsignedLongToText", Whole(VT_UI4, 4294967295), VT_BSTR, S_OK, Text(u"4294967295")},
    {"UnsignedLongToDouble", Whole(VT_UI4, 4294967295), VT_R8, S_OK, Real(VT_R8, 4294967295.0)},
    {"UnsignedLongToLongKeepsTheBits", Whole(VT_UI4, 4294967295), VT_I4, S_OK, Whole(VT_I4, -1)},
    {"LongLongToText", Whole(VT_I8, 9223372036854775807), VT_BSTR, S_OK, Text(u"9223372036854775807")},
    {"LongLongToDouble", Whole(VT_I8, -4611686018427387904), VT_R8, S_OK, Real(VT_R8, -4611686018427387904.0)},
    {"LongLongToLongOverflows", Whole(VT_I8, 2147483648), VT_I4, DISP_E_OVERFLOW, None},
    {"LongLongToLong", Whole(VT_I8, -2147483647 - 1), VT_I4, S_OK, Whole(VT_I4, -2147483647 - 1)},
    {"UnsignedLongLongToText", Whole(VT_UI8, -1), VT_BSTR, S_OK, Text(u"18446744073709551615")},
    {"UnsignedLongLongToDouble", Whole(VT_UI8, 1LL << 53), VT_R8, S_OK, Real(VT_R8, 9007199254740992.0)},
    {"UnsignedLongLongToLongOverflows", Whole(VT_UI8, -1), VT_I4, DISP_E_OVERFLOW, None},
    {"IntToText", Whole(VT_INT, -7), VT_BSTR, S_OK, Text(u"-7")},
    {"IntToDouble", Whole(VT_INT, -7), VT_R8, S_OK, Real(VT_R8, -7)},
    {"IntToLong", Whole(VT_INT, -7), VT_I4, S_OK, Whole(VT_I4, -7)},
    {"UnsignedIntToText", Whole(VT_UINT, 4294967295), VT_BSTR, S_OK, Text(u"4294967295")},
    {"UnsignedIntToDouble", Whole(VT_UINT, 4294967295), VT_R8, S_OK, Real(VT_R8, 4294967295.0)},
    {"UnsignedIntToLongKeepsTheBits", Whole(VT_UINT, 4294967295), VT_I4, S_OK, Whole(VT_I4, -1)},

    // Booleans: as numbers unless VARIANT_ALPHABOOL asks for words.
    {"TrueToText", Whole(VT_BOOL, VARIANT_TRUE), VT_BSTR, S_OK, Text(u"-1")},
    {"FalseToText", Whole(VT_BOOL, VARIANT_FALSE), VT_BSTR, S_OK, Text(u"0")},
    {"TrueToDouble", Whole(VT_BOOL, VARIANT_TRUE), VT_R8, S_OK, Real(VT_R8, -1)},
    {"TrueToLong", Whole(VT_BOOL, VARIANT_TRUE), VT_I4, S_OK, Whole(VT_I4, -1)},

    // Reals: text with 15 (double) or 7 (single) significant digits, integers rounded half
    // to even and range-checked.
    {"DoubleToText", Real(VT_R8, 0.1), VT_BSTR, S_OK, Text(u"0.1")},
    {"DoubleToTextRoundsTo15Digits", Real(VT_R8, 3.141592653589793), VT_BSTR, S_OK, Text(u"3.14159265358979")},
    {"LargeDoubleToText", Real(VT_R8, 123456789012345678.0), VT_BSTR, S_OK, Text(u"1.23456789012346E+17")},
    {"DoubleOf1E15ToText", Real(VT_R8, 1e15), VT_BSTR, S_OK, Text(u"1E+15")},
    {"SmallDoubleToText", Real(VT_R8, 5.6789e-5), VT_BSTR, S_OK, Text(u"0.000056789"),
     {WineWritesSmallRealsWithExponent, {S_OK, Text(u"5.6789E-05")}}},
    {"TinyDoubleToText", Real(VT_R8, 5.6789e-12), VT_BSTR, S_OK, Text(u"5.6789E-12")},
    {"NegativeDoubleToText", Real(VT_R8, -1.5), VT_BSTR, S_OK, Text(u"-1.5")},
    {"DoubleToDouble", Real(VT_R8, -0.1), VT_R8, S_OK, Real(VT_R8, -0.1)},
    {"DoubleHalfToLongRoundsToEven", Real(VT_R8, 2.5), VT_I4, S_OK, Whole(VT_I4, 2)},
    {"DoubleNegativeHalfToLongRoundsToEven", Real(VT_R8, -1.5), VT_I4, S_OK, Whole(VT_I4, -2)},
    {"DoubleJustInRangeToLong", Real(VT_R8, 2147483647.49), VT_I4, S_OK, Whole(VT_I4, 2147483647)},
    {"DoubleAboveRangeToLongOverflows", Real(VT_R8, 2147483647.5), VT_I4, DISP_E_OVERFLOW, None},
    {"DoubleBelowRangeToLongOverflows", Real(VT_R8, -2147483648.51), VT_I4, DISP_E_OVERFLOW, None},
    {"SingleToText", Real(VT_R4, 654322.25), VT_BSTR, S_OK, Text(u"654322.3")},
    {"LargeSingleToText", Real(VT_R4, 1e8), VT_BSTR, S_OK, Text(u"1E+08")},
    {"SingleToDouble", Real(VT_R4, 1.5), VT_R8, S_OK, Real(VT_R8, 1.5)},
    {"SingleToLong", Real(VT_R4, 3.5), VT_I4, S_OK, Whole(VT_I4, 4)},

    // Currency.
    {"CurrencyToText", Whole(VT_CY, 15000), VT_BSTR, S_OK, Text(u"1.5")},
    {"SmallestCurrencyToText", Whole(VT_CY, -1), VT_BSTR, S_OK, Text(u"-0.0001")},
    {"CurrencyToDouble", Whole(VT_CY, 15000), VT_R8, S_OK, Real(VT_R8, 1.5)},
    {"CurrencyToLongRoundsToEven", Whole(VT_CY, 25000), VT_I4, S_OK, Whole(VT_I4, 2)},
    {"NegativeCurrencyToLongRoundsToEven", Whole(VT_CY, -25000), VT_I4, S_OK, Whole(VT_I4, -2)},
    // To a 64-bit integer the platform rounds half to even above zero, and below it takes the
    // whole units toward zero and one less (its recorded VarI8FromCy results: -1 gives -2,
    // -128 gives -129, -0.4 gives -1).
    {"CurrencyToLongLongRoundsToEven", Whole(VT_CY, 25000), VT_I8, S_OK, Whole(VT_I8, 2)},
    {"NegativeCurrencyHalfToLongLong", Whole(VT_CY, -25000), VT_I8, S_OK, Whole(VT_I8, -3)},
    {"NegativeWholeCurrencyToLongLong", Whole(VT_CY, -10000), VT_I8, S_OK, Whole(VT_I8, -2)},
    {"NegativeCurrencyFractionToLongLong", Whole(VT_CY, -4000), VT_I8, S_OK, Whole(VT_I8, -1)},

    // Dates.
    {"DateToText", Real(VT_DATE, 1.5), VT_BSTR, S_OK, Text(u"12/31/1899 12:00:00 PM")},
    {"DayZeroToText", Real(VT_DATE, 0), VT_BSTR, S_OK, Text(u"12:00:00 AM")},
    {"DateOnlyToText", Real(VT_DATE, 36526), VT_BSTR, S_OK, Text(u"1/1/2000")},
    {"LeapDayToText", Real(VT_DATE, 36585), VT_BSTR, S_OK, Text(u"2/29/2000")},
    {"MarchOfALeapYearToText", Real(VT_DATE, 36586), VT_BSTR, S_OK, Text(u"3/1/2000")},
    {"EndOfALeapYearToText", Real(VT_DATE, 36891), VT_BSTR, S_OK, Text(u"12/31/2000")},
    {"MarchOfACenturyYearWithoutLeapDayToText", Real(VT_DATE, 73110), VT_BSTR, S_OK, Text(u"3/1/2100")},
    {"MarchOf1900ToText", Real(VT_DATE, 61), VT_BSTR, S_OK, Text(u"3/1/1900")},
    {"DateToDouble", Real(VT_DATE, 1.5), VT_R8, S_OK, Real(VT_R8, 1.5)},
    {"DateToLong", Real(VT_DATE, 2.5), VT_I4, S_OK, Whole(VT_I4, 2)},

    // DECIMAL values.
    {"DecimalToText", Decimal(1, DECIMAL_NEG, 0, 15), VT_BSTR, S_OK, Text(u"-1.5")},
    {"LargeDecimalToText", Decimal(0, 0, 1, 0), VT_BSTR, S_OK, Text(u"18446744073709551616")},
    {"DecimalToDouble", Decimal(1, DECIMAL_NEG, 0, 15), VT_R8, S_OK, Real(VT_R8, -1.5)},
    {"DecimalToLongRoundsToEven", Decimal(1, DECIMAL_NEG, 0, 15), VT_I4, S_OK, Whole(VT_I4, -2)},
    {"DecimalWithScaleAbove28ToDoubleIsInvalid", Decimal(29, 0, 0, 15), VT_R8, E_INVALIDARG, None},
    {"DecimalWithUnknownSignToLongIsInvalid", Decimal(1, 0x40, 0, 15), VT_I4, E_INVALIDARG, None},
    {"DecimalWithSignAndOtherBitToDoubleIsInvalid", Decimal(1, DECIMAL_NEG | 1, 0, 15), VT_R8, E_INVALIDARG, None, {},
     PlatformSilentOnSignWithOtherBits},
    {"DecimalWithScaleAbove28ToTextIsInvalid", Decimal(29, 0, 0, 15), VT_BSTR, E_INVALIDARG, None,
     {WineFormatsInvalidDecimals, {S_OK, Text(u"0.00000000000000000000000000015")}}, PlatformSilentOnInvalidDecimalAsText},
    {"DecimalWithUnknownSignToTextIsInvalid", Decimal(1, 0x01, 0, 15), VT_BSTR, E_INVALIDARG, None,
     {WineFormatsInvalidDecimals, {S_OK, Text(u"-1.5")}}, PlatformSilentOnInvalidDecimalAsText},

    // Text to numbers: every form the platform's number parser reads with its standard flags.
    {"TextToDouble", Text(u"1.5"), VT_R8, S_OK, Real(VT_R8, 1.5)},
    {"TextWithBlanksAroundToDouble", Text(u" \t-1.5e2\t "), VT_R8, S_OK, Real(VT_R8, -150)},
    {"TextWithBlankAfterSignToDouble", Text(u"+ 0"), VT_R8, S_OK, Real(VT_R8, 0)},
    {"TextWithNoBreakSpacesAroundToDouble", Text(u"\u00A0-\u00A01.5\u00A0"), VT_R8, S_OK, Real(VT_R8, -1.5), {},
     WineTakesEveryWhiteSpace},
    {"TextWithLineBreaksAroundToDouble", Text(u"\r\n1.5\r\n"), VT_R8, S_OK, Real(VT_R8, 1.5), {},
     WineTakesEveryWhiteSpace},
    {"TextWithOtherWhiteSpaceAroundToLong", Text(u"\v\f\u0085\u2000\u3000" u"7\u1680\u200A\u2028\u202F\u205F"), VT_I4, S_OK,
     Whole(VT_I4, 7), {}, WineTakesEveryWhiteSpace},
    {"NoBreakSpaceIsNoNumber", Text(u"\u00A0"), VT_R8, DISP_E_TYPEMISMATCH, None},
    {"TextWithZeroWidthSpaceIsNoNumber", Text(u"\u200B" u"1"), VT_R8, DISP_E_TYPEMISMATCH, None, {},
     WineTakesEveryWhiteSpace},
    {"TextWithTwoSignsIsNoNumber", Text(u"+ +0"), VT_R8, DISP_E_TYPEMISMATCH, None},
    {"TextWithTrailingMinusToDouble", Text(u"5-"), VT_R8, S_OK, Real(VT_R8, -5)},
    {"TextWithSignsBeforeAndAfterIsNoNumber", Text(u"-5-"), VT_R8, DISP_E_TYPEMISMATCH, None},
    {"TextInParenthesesToDouble", Text(u"(5)"), VT_R8, S_OK, Real(VT_R8, -5)},
    {"TextWithOpenParenthesisOnlyIsNoNumber", Text(u"(5"), VT_R8, DISP_E_TYPEMISMATCH, None},
    {"EmptyParenthesesAreNoNumber", Text(u"()"), VT_R8, DISP_E_TYPEMISMATCH, None},
    {"TextWithThousandsToDouble", Text(u"1,000.5"), VT_R8, S_OK, Real(VT_R8, 1000.5)},
    {"TextWithCurrencySymbolToDouble", Text(u"$11"), VT_R8, S_OK, Real(VT_R8, 11)},
    {"TextWithCurrencyAndThousandsToDouble", Text(u"$1,234.5"), VT_R8, S_OK, Real(VT_R8, 1234.5)},
    {"HexadecimalTextToDouble", Text(u"&HF800"), VT_R8, S_OK, Real(VT_R8, 63488)},
    {"OctalTextToDouble", Text(u"&o777"), VT_R8, S_OK, Real(VT_R8, 511)},
    {"HexadecimalTextToLong", Text(u"&h0abcd"), VT_I4, S_OK, Whole(VT_I4, 0xabcd)},
    {"HexadecimalTextToLongKeepsTheBits", Text(u"&HFFFFFFFF"), VT_I4, S_OK, Whole(VT_I4, -1)},
    {"HexadecimalTextWithoutDigitsIsNoNumber", Text(u"&H"), VT_R8, DISP_E_TYPEMISMATCH, None},
    {"HexadecimalTextBeyond64BitsToDoubleOverflows", Text(u"&H10000000000000000"), VT_R8, DISP_E_OVERFLOW, None},
    {"HexadecimalTextBeyond64BitsToLongOverflows", Text(u"&H1FFFFFFFFFFFFFFFF"), VT_I4, DISP_E_OVERFLOW, None},
    {"HexadecimalTextBeyond32BitsToLongOverflows", Text(u"&H100000000"), VT_I4, DISP_E_OVERFLOW, None},
    {"CHexadecimalIsNoNumber", Text(u"0x10"), VT_R8, DISP_E_TYPEMISMATCH, None},
    {"TextWithLeadingZeroIsDecimal", Text(u"0100"), VT_I4, S_OK, Whole(VT_I4, 100)},
    {"TextWithTwoPointsIsNoNumber", Text(u"1.1."), VT_R8, DISP_E_TYPEMISMATCH, None},
    {"TextWithRealExponentIsNoNumber", Text(u"1e1."), VT_R8, DISP_E_TYPEMISMATCH, None},
    {"TextWithoutExponentDigitsIsNoNumber", Text(u"1e+"), VT_R8, DISP_E_TYPEMISMATCH, None},
    {"TextWithFractionOnlyToDouble", Text(u".5"), VT_R8, S_OK, Real(VT_R8, 0.5)},
    {"TextWithPointLastToDouble", Text(u"5."), VT_R8, S_OK, Real(VT_R8, 5)},
    {"EmptyTextIsNoNumber", Text(u""), VT_R8, DISP_E_TYPEMISMATCH, None},
    {"BlankTextIsNoNumber", Text(u" "), VT_R8, DISP_E_TYPEMISMATCH, None},
    {"WordIsNoNumber", Text(u"abc"), VT_R8, DISP_E_TYPEMISMATCH, None},
    {"TextBeyondDoubleOverflows", Text(u"1E400"), VT_R8, DISP_E_OVERFLOW, None},
    {"TextBelowDoubleIsZero", Text(u"1E-400"), VT_R8, S_OK, Real(VT_R8, 0)},
    {"TextHalfToLongRoundsToEven", Text(u"2.5"), VT_I4, S_OK, Whole(VT_I4, 2)},
    {"TextNegativeHalfToLongRoundsToEven", Text(u"-0.5"), VT_I4, S_OK, Whole(VT_I4, 0)},
    {"TextAboveLongOverflows", Text(u"2147483647.5"), VT_I4, DISP_E_OVERFLOW, None},
    {"LargestLongText", Text(u"2147483647"), VT_I4, S_OK, Whole(VT_I4, 2147483647)},
    {"LongTextJustBeyondRangeOverflows", Text(u"2147483648"), VT_I4, DISP_E_OVERFLOW, None},
    {"SmallestLongText", Text(u"-2147483648"), VT_I4, S_OK, Whole(VT_I4, -2147483647 - 1)},
    {"LongTextJustBelowRangeOverflows", Text(u"-2147483649"), VT_I4, DISP_E_OVERFLOW, None},
    {"TextToDispatchIsATypeMismatch", Text(u"1"), VT_DISPATCH, DISP_E_TYPEMISMATCH, None},
    {"TextToText", Text(u"\u00E9t\u00E9"), VT_BSTR, S_OK, Text(u"\u00E9t\u00E9")},

    // Text to 64-bit integers and currency: exact, never through a double.
    {"LargestLongLongText", Text(u"9223372036854775807"), VT_I8, S_OK, Whole(VT_I8, 9223372036854775807)},
    {"SmallestLongLongText", Text(u"-9223372036854775808"), VT_I8, S_OK, Whole(VT_I8, -9223372036854775807 - 1)},
    {"LongLongTextBeyondRangeOverflows", Text(u"9223372036854775808"), VT_I8, DISP_E_OVERFLOW, None},
    {"LargestUnsignedLongLongText", Text(u"18446744073709551615"), VT_UI8, S_OK, Whole(VT_UI8, -1)},
    {"UnsignedLongLongTextBeyondRangeOverflows", Text(u"18446744073709551616"), VT_UI8, DISP_E_OVERFLOW, None},
    {"TextToCurrencyIsExact", Text(u"12345678901234.5678"), VT_CY, S_OK, Whole(VT_CY, 123456789012345678),
     {WineReadsCurrencyThroughDouble, {S_OK, Whole(VT_CY, 123456789012345703)}}},
    {"LargestCurrencyText", Text(u"922337203685477.5807"), VT_CY, S_OK, Whole(VT_CY, 9223372036854775807),
     {WineReadsCurrencyThroughDouble, {DISP_E_OVERFLOW, None}}},
    {"CurrencyTextBeyondRangeOverflows", Text(u"922337203685477.5808"), VT_CY, DISP_E_OVERFLOW, None},
    {"SmallestCurrencyText", Text(u"-922337203685477.5808"), VT_CY, S_OK, Whole(VT_CY, -9223372036854775807 - 1),
     {WineReadsCurrencyThroughDouble, {DISP_E_OVERFLOW, None}}},
    {"CurrencyTextBelowRangeOverflows", Text(u"-922337203685477.5809"), VT_CY, DISP_E_OVERFLOW, None},
    {"TextToCurrency", Text(u"1.5"), VT_CY, S_OK, Whole(VT_CY, 15000)},

    // Doubles to currency: the double's exact value, rounded half to even, up to the
    // currency's range.
    {"DoubleAtCurrencyLimitToCurrency", Real(VT_R8, 922337203685477.5), VT_CY, S_OK,
     Whole(VT_CY, 9223372036854775000)},
    {"NegativeDoubleAtCurrencyLimitToCurrency", Real(VT_R8, -922337203685477.5), VT_CY, S_OK,
     Whole(VT_CY, -9223372036854775000)},
    {"DoubleBeyondCurrencyRangeOverflows", Real(VT_R8, 922337203685477.625), VT_CY, DISP_E_OVERFLOW, None},
    {"DoubleToCurrencyIsExact", Real(VT_R8, -461168601842738.7904), VT_CY, S_OK, Whole(VT_CY, -4611686018427388125)},
    {"DoubleToCurrencyRoundsItsExactValue", Real(VT_R8, 0.00025), VT_CY, S_OK, Whole(VT_CY, 3)},

    // 64-bit integers to currency: whole units below 922337203685477 in magnitude.
    {"LongLongJustInCurrencyRange", Whole(VT_I8, 922337203685476), VT_CY, S_OK,
     Whole(VT_CY, 922337203685476 * CurrencyUnit)},
    {"LongLongAboveCurrencyRangeOverflows", Whole(VT_I8, 922337203685477), VT_CY, DISP_E_OVERFLOW, None},
    {"NegativeLongLongJustInCurrencyRange", Whole(VT_I8, -922337203685476), VT_CY, S_OK,
     Whole(VT_CY, -922337203685476 * CurrencyUnit)},
    {"NegativeLongLongBelowCurrencyRangeOverflows", Whole(VT_I8, -922337203685477), VT_CY, DISP_E_OVERFLOW, None},
};

}  // namespace

std::span<const ConversionCase> ConversionCases()
{
    return Cases;
}
