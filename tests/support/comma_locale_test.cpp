// The search for a comma-decimal locale when the build's own cannot be had: the locale path
// the developer set, or its absence, is put back before the machine's locales are tried.
// This program is told of a build locale folder that holds none.
#include "tests/support/comma_locale.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

TEST(CommaLocaleFallback, KeepsTheLocalePathTheDeveloperSet)
{
    ASSERT_EQ(setenv("LOCPATH", "/home/developer/locales", 1), 0);
    FindCommaLocale();
    const char* path = std::getenv("LOCPATH");
    ASSERT_NE(path, nullptr);
    EXPECT_EQ(std::string(path), "/home/developer/locales");
}

TEST(CommaLocaleFallback, LeavesAnUnsetLocalePathUnset)
{
    ASSERT_EQ(unsetenv("LOCPATH"), 0);
    FindCommaLocale();
    EXPECT_EQ(std::getenv("LOCPATH"), nullptr);
}

}  // namespace
