#pragma once
// Tests that run with the process's locale set to a comma-decimal one, and back to "C" after.
#include <gtest/gtest.h>

#include <clocale>

#include "tests/support/comma_locale.h"

// Sets the process's locale as a host would; skips the test when no such locale can be had.
inline void EnterCommaLocale()
{
    const char* name = FindCommaLocale();
    if (name == nullptr)
        GTEST_SKIP() << "No locale with a comma as its decimal separator can be had here: "
                        "install Debian's 'locales' package (localedef and the de_DE source).";
    ASSERT_NE(std::setlocale(LC_ALL, name), nullptr) << name;
    ASSERT_STREQ(std::localeconv()->decimal_point, ",") << name;
}

inline void LeaveCommaLocale()
{
    std::setlocale(LC_ALL, "C");
}

class CommaLocaleTest : public ::testing::Test {
protected:
    void SetUp() override { EnterCommaLocale(); }
    void TearDown() override { LeaveCommaLocale(); }
};
