// The link library's call journal: each call with its member, its variable's name, the
// element it is on (-1 for calls on no element) and its argument as text.
#include "link/ArrayMap.h"
#include "link/COrvelTLLink.h"
#include "link/LinkJournal.h"
#include "link/MonitorLink.h"
#include "link/ScalarMap.h"

#include <gtest/gtest.h>

#include <new>
#include <string>

namespace {

class LinkJournalTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        LinkJournal::Clear();
        LinkJournal::Enable();
    }
    void TearDown() override
    {
        LinkJournal::Disable();
        LinkJournal::Clear();
    }

    // Expects the journal to hold exactly this one call, and starts it afresh.
    void ExpectOnlyCall(const std::string& member, const std::string& name, int index, const std::string& argument)
    {
        ASSERT_EQ(LinkJournal::Calls().size(), 1u) << member;
        const LinkCall& call = LinkJournal::Calls().front();
        EXPECT_EQ(call.Member, member);
        EXPECT_EQ(call.Name, name) << member;
        EXPECT_EQ(call.Index, index) << member;
        EXPECT_EQ(call.Argument, argument) << member;
        LinkJournal::Clear();
    }
};

TEST_F(LinkJournalTest, ScalarCallsAreOnNoElement)
{
    ScalarMap map;
    map.Add("DesTempSS");
    ScalarLink* link = map["DesTempSS"];
    ASSERT_NE(link, nullptr);
    ExpectOnlyCall("ScalarMap::operator[]", "DesTempSS", -1, "");
    link->set_szValuePureSI(2.5);
    ExpectOnlyCall("ScalarLink::set_szValuePureSI(double)", "DesTempSS", -1, "2.5");
    link->set_szValuePureSI("7");
    ExpectOnlyCall("ScalarLink::set_szValuePureSI(text)", "DesTempSS", -1, "7");
    link->set_source(2);
    ExpectOnlyCall("ScalarLink::set_source", "DesTempSS", -1, "2");
    link->set_status(3);
    ExpectOnlyCall("ScalarLink::set_status", "DesTempSS", -1, "3");
    link->Destroy();
    ExpectOnlyCall("ScalarLink::Destroy", "DesTempSS", -1, "");
}

TEST_F(LinkJournalTest, DesignTreeAndMonitorCallsAreOnNoElement)
{
    alignas(COrvelTLLink) unsigned char storage[sizeof(COrvelTLLink)];
    auto* link = new (storage) COrvelTLLink;
    link->set_DisplayOutput(true);
    ExpectOnlyCall("COrvelTLLink::set_DisplayOutput", "", -1, "true");
    link->DiscardTree();

    char code[] = "E";
    char message[] = "MESSAGE";
    MonitorLink::WinMon(code, message);
    ExpectOnlyCall("MonitorLink::WinMon", "", -1, "E");
}

TEST_F(LinkJournalTest, ArrayCallsAreOnTheirElement)
{
    ArrayMap map;
    map.Add("ArFlgOD");
    ArrayLink* link = map["ArFlgOD"];
    ASSERT_NE(link, nullptr);
    ExpectOnlyCall("ArrayMap::operator[]", "ArFlgOD", -1, "");
    link->set_szValuesPureSI(4, 1.5);
    ExpectOnlyCall("ArrayLink::set_szValuesPureSI(double)", "ArFlgOD", 4, "1.5");
    link->Destroy();
    ExpectOnlyCall("ArrayLink::Destroy", "ArFlgOD", -1, "");
}

}  // namespace
