// The simple uppercase of single UTF-16 units, from the Unicode Character Database.
#include <gtest/gtest.h>

#include "platform/com/linux/simple_uppercase.h"

namespace {

TEST(SimpleUppercase, MapsEachUnitByItsOneToOneMapping)
{
    const struct {
        const char* what;
        char16_t unit;
        char16_t upper;
    } cases[] = {
        {"first small letter", u'a', u'A'},
        {"last small letter", u'z', u'Z'},
        {"capital letter", u'Q', u'Q'},
        {"digit", u'7', u'7'},
        {"e acute", 0x00E9, 0x00C9},
        {"division sign inside the Latin-1 letters", 0x00F7, 0x00F7},
        {"y diaeresis", 0x00FF, 0x0178},
        {"micro sign", 0x00B5, 0x039C},
        {"dotless i", 0x0131, u'I'},
        {"long s", 0x017F, u'S'},
        {"first of the alternating pairs", 0x0101, 0x0100},
        {"last of the alternating pairs", 0x017E, 0x017D},
        {"capital of an alternating pair", 0x0100, 0x0100},
        {"dz titlecase", 0x01C5, 0x01C4},
        {"dz small", 0x01C6, 0x01C4},
        {"final sigma", 0x03C2, 0x03A3},
        {"Cyrillic ya", 0x044F, 0x042F},
        {"Cyrillic io", 0x0451, 0x0401},
        {"Armenian", 0x0561, 0x0531},
        {"Georgian", 0x10D0, 0x1C90},
        {"Cherokee small", 0xAB70, 0x13A0},
        {"circled a", 0x24D0, 0x24B6},
        {"fullwidth z", 0xFF5A, 0xFF3A},
        {"sharp s keeps its form", 0x00DF, 0x00DF},
        {"n preceded by apostrophe keeps its form", 0x0149, 0x0149},
        {"alpha with psili and ypogegrammeni", 0x1F80, 0x1F88},
        {"its titlecase keeps its form", 0x1F88, 0x1F88},
        {"eta with ypogegrammeni", 0x1FC3, 0x1FCC},
        {"ligature ff keeps its form", 0xFB00, 0xFB00},
        {"high surrogate", 0xD801, 0xD801},
        {"low surrogate of a Deseret small letter", 0xDC28, 0xDC28},
        {"last unit", 0xFFFF, 0xFFFF},
        {"no character", 0x0000, 0x0000},
    };
    for (const auto& c : cases)
        EXPECT_EQ(static_cast<unsigned>(SimpleUppercase(c.unit)), static_cast<unsigned>(c.upper)) << c.what;
}

}  // namespace
