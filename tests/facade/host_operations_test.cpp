// The host's other operations answer fixed values and leave the maps alone.
#include "engine/COrvelEngine.h"
#include "link/LinkJournal.h"
#include "link/UnmanagedEngineWrapper.h"
#include "platform/oleauto/variant.h"
#include "tests/support/host_values.h"
#include "tests/support/installation.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

TEST(HostOperations, FixedAnswers)
{
    RunInInstallation(StandardLayout(), [](const Installation&) {
        auto engine = std::make_unique<COrvelEngine>();
        char name[] = "MAWPShlDes";
        char empty[] = "";
        EXPECT_EQ(engine->GetResultValue(name), 1e-20);
        EXPECT_EQ(engine->GetResultValue(empty), 1e-20);
        EXPECT_EQ(engine->GetResultValue(nullptr), 1e-20);

        const char* thermo = engine->ThermoInit();
        EXPECT_STREQ(thermo, "");
        EXPECT_EQ(engine->ThermoInit(), thermo);
        EXPECT_EQ(std::make_unique<COrvelEngine>()->ThermoInit(), thermo) << "one constant for every object";

        char* first = engine->GetErrorMsg();
        char* second = engine->GetErrorMsg();
        ASSERT_NE(first, nullptr);
        ASSERT_NE(second, nullptr);
        EXPECT_NE(first, second);
        EXPECT_STREQ(first, "");
        std::free(first);
        std::free(second);

        EXPECT_EQ(engine->get_TubeLayout(), nullptr) << "nothing fills the link's tube layout";

        // The argument arrives by value and is left as it came: its text is not released.
        char16_t text[] = u"kept";
        VARIANT argument{};
        argument.vt = VT_BSTR;
        argument.bstrVal = text;
        EXPECT_EQ(engine->EngineFunction(7, argument), 0);
        EXPECT_EQ(argument.vt, VT_BSTR);
        EXPECT_EQ(text[0], u'k');
    });
}

TEST(HostOperations, ResultsAndImportLeaveTheMapsAlone)
{
    RunInInstallation(StandardLayout(), [](const Installation& installation) {
        auto engine = std::make_unique<COrvelEngine>();
        ScalarMap scalars;
        HoldScalar(scalars, "MAWPShlDes", 5.0, 1);
        ArrayMap arrays;
        arrays.Add("ArFlgOD");
        char file[] = "case.TAI";
        LinkJournal::Enable();
        EXPECT_TRUE(engine->TransferResults(nullptr, nullptr));
        EXPECT_TRUE(engine->TransferResults(&scalars, &arrays));
        engine->ImportTAI(file, &scalars, &arrays);
        engine->Shutdown();
        engine->ShutdownFeature(3);
        engine->Stop(1);
        EXPECT_TRUE(LinkJournal::Calls().empty());
        EXPECT_EQ(ReadScalar(scalars, "MAWPShlDes").Value, 5.0);
        EXPECT_EQ(installation.JournalLines(), (std::vector<std::string>{"load ASME"})) << "no engine call";
    });
}

}  // namespace
