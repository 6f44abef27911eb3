// The engine object has one layout, the module's, in every host: a host compiled against
// another layout of the standard library's strings allocates what the module's constructor
// fills.
#include "engine/COrvelEngine.h"
#include "tests/facade/other_string_abi_host.h"
#include "tests/support/installation.h"

#include <gtest/gtest.h>

namespace {

TEST(ObjectLayout, AHostWithTheOtherStringAbiAllocatesWhatTheModuleFills)
{
    RunInInstallation(StandardLayout(), [](const Installation& installation) {
        // This program is built with the module's string ABI.
        EXPECT_EQ(EngineObjectSizeInTheOtherStringAbiHost(), sizeof(COrvelEngine));
        // Under the address sanitizer a constructor that writes past the host's storage
        // ends the process here.
        RunTheDesignFromTheOtherStringAbiHost("/cases/HX.QXR4");
        EXPECT_EQ(installation.JournalCount("ORVELTL 0|" + installation.PrefixText() + "|/cases/HX.QXR|BATCH|4|"),
                  1u);
    });
}

}  // namespace
