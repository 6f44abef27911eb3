// The host's other operations answer fixed values and leave the maps alone.
#include "engine/COrvelEngine.h"
#include "link/COrvelTLLink.h"
#include "link/LinkJournal.h"
#include "link/UnmanagedEngineWrapper.h"
#include "platform/oleauto/variant.h"
#include "tests/support/host_values.h"
#include "tests/support/installation.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>

namespace {

bool g_RefuseNothrowAllocations = false;

}  // namespace

// Every nothrow allocation of the process, the module's included, comes through here, so
// that a test can make the module's design-tree link unavailable.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    if (g_RefuseNothrowAllocations)
        return nullptr;
    try {
        return ::operator new(size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

namespace {

// The engine keeps its design-tree link to itself. An explicit instantiation may name a
// private member: this one hands the test the member's pointer.
using DesignTreeLinkMember = COrvelTLLink* COrvelEngine::*;
DesignTreeLinkMember DesignTreeLinkOfEngine();
template <DesignTreeLinkMember Member>
struct DesignTreeLinkAccess {
    friend DesignTreeLinkMember DesignTreeLinkOfEngine() { return Member; }
};
template struct DesignTreeLinkAccess<&COrvelEngine::DesignTreeLink>;

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
        COrvelTLLink* link = engine.get()->*DesignTreeLinkOfEngine();
        ASSERT_NE(link, nullptr);
        int layout = 0;
        link->TubeLayout = &layout;
        EXPECT_EQ(engine->get_TubeLayout(), &layout) << "the pointer that the link holds, unchanged";

        // The argument arrives by value and is left as it came: its text is not released.
        OLECHAR text[] = OLESTR("kept");
        VARIANT argument{};
        argument.vt = VT_BSTR;
        argument.bstrVal = text;
        EXPECT_EQ(engine->EngineFunction(7, argument), 0);
        EXPECT_EQ(argument.vt, VT_BSTR);
        EXPECT_EQ(text[0], OLESTR('k'));
    });
}

TEST(HostOperations, WithoutADesignTreeLinkThereIsNoTubeLayout)
{
    if (!ProgramAllocatorReachesModules)
        GTEST_SKIP() << "the module allocates with its own run-time's functions, which this program cannot replace";
    RunInInstallation(StandardLayout(), [](const Installation&) {
        g_RefuseNothrowAllocations = true;
        auto engine = std::make_unique<COrvelEngine>();
        g_RefuseNothrowAllocations = false;
        ASSERT_EQ(engine.get()->*DesignTreeLinkOfEngine(), nullptr) << "the link's storage was refused";
        EXPECT_EQ(engine->get_TubeLayout(), nullptr);
    });
}

TEST(HostOperations, ResultsAndImportLeaveTheMapsAlone)
{
    RunInInstallation(StandardLayout(), [](const Installation& installation) {
        auto engine = std::make_unique<COrvelEngine>();
        ScalarMap scalars;
        Hold(scalars, "MAWPShlDes", {5.0, 1});
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
        EXPECT_EQ(Read(scalars, "MAWPShlDes"), (HeldValue{5.0, 1}));
        EXPECT_EQ(installation.JournalLines(), (std::vector<std::string>{"load ASME"})) << "no engine call";
    });
}

}  // namespace
