// The monitor relays hand the monitor the caller's own addresses, drop the hidden lengths
// and let whatever the monitor raises reach the caller.
#include "engine_services/monitor/monitor_relays.h"

#include "link/LinkJournal.h"
#include "link/MonitorLink.h"
#include "tests/support/parameter_names.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

struct MonitorCall {
    std::string Member;
    char* Code = nullptr;
    char CodeCharacter = '\0';
    char* Message = nullptr;
    LONG* First = nullptr;
    LONG* Second = nullptr;
};

struct MonitorFailure {
    int Tag;
};

// Records every call with its addresses, and writes back through the numbers it is given,
// as a monitor may.
class RecordingMonitor : public MonitorObserver {
public:
    void OnWinMon(char* code, char* message) override
    {
        // A code text may be one character with nothing after it.
        Calls.push_back({"WinMon", code, code[0], message, nullptr, nullptr});
    }
    void OnWinMsg(LONG* number, char* message) override
    {
        Calls.push_back({"WinMsg", nullptr, '\0', message, number, nullptr});
        Raise();
        *number = AnswerFirst;
    }
    void OnATVWinMsg(LONG* first, LONG* second, char* message) override
    {
        Calls.push_back({"ATVWinMsg", nullptr, '\0', message, first, second});
        Raise();
        *first = AnswerFirst;
        *second = AnswerSecond;
    }

    std::vector<MonitorCall> Calls;
    LONG AnswerFirst = 1001;
    LONG AnswerSecond = -2002;
    bool RaiseFailure = false;

private:
    void Raise() const
    {
        if (RaiseFailure)
            throw MonitorFailure{77};
    }
};

class MonitorRelays : public ::testing::Test {
protected:
    void SetUp() override { MonitorLink::SetObserver(&monitor); }
    void TearDown() override { MonitorLink::SetObserver(nullptr); }

    RecordingMonitor monitor;
    char message[8] = "MESSAGE";
};

// The hidden lengths are dropped whatever they say, 0 included.
class MonitorRelaysHiddenLength : public MonitorRelays, public ::testing::WithParamInterface<std::uint32_t> {};

TEST_P(MonitorRelaysHiddenLength, WinMonPassesTheCallersCodeAndMessage)
{
    char code[2] = {'E', 'X'};
    WinMonRelay(code, GetParam(), message, GetParam());

    ASSERT_EQ(monitor.Calls.size(), 1u);
    EXPECT_EQ(monitor.Calls[0].Member, "WinMon");
    EXPECT_EQ(monitor.Calls[0].Code, code);
    EXPECT_EQ(monitor.Calls[0].CodeCharacter, 'E');
    EXPECT_EQ(monitor.Calls[0].Message, message);
}

TEST_P(MonitorRelaysHiddenLength, WinMsgPassesTheCallersOwnVariable)
{
    LONG number = 5;
    WinMsgRelay(&number, message, GetParam());

    ASSERT_EQ(monitor.Calls.size(), 1u);
    EXPECT_EQ(monitor.Calls[0].Member, "WinMsg");
    EXPECT_EQ(monitor.Calls[0].First, &number);
    EXPECT_EQ(monitor.Calls[0].Message, message);
    EXPECT_EQ(number, 1001) << "the monitor's change is not seen by the caller";
}

TEST_P(MonitorRelaysHiddenLength, ATVWinMsgPassesBothOfTheCallersVariablesInOrder)
{
    LONG first = 5;
    LONG second = 6;
    ATVWinMsgRelay(&first, &second, message, GetParam());

    ASSERT_EQ(monitor.Calls.size(), 1u);
    EXPECT_EQ(monitor.Calls[0].Member, "ATVWinMsg");
    EXPECT_EQ(monitor.Calls[0].First, &first);
    EXPECT_EQ(monitor.Calls[0].Second, &second);
    EXPECT_EQ(monitor.Calls[0].Message, message);
    EXPECT_EQ(first, 1001);
    EXPECT_EQ(second, -2002);
}

TEST_P(MonitorRelaysHiddenLength, WinMonBlankPassesACodeOfOneBlankAndTheCallersMessage)
{
    WinMonBlankRelay(message, GetParam());

    ASSERT_EQ(monitor.Calls.size(), 1u);
    EXPECT_EQ(monitor.Calls[0].Member, "WinMon");
    ASSERT_NE(monitor.Calls[0].Code, nullptr);
    EXPECT_EQ(monitor.Calls[0].CodeCharacter, ' ');
    EXPECT_EQ(monitor.Calls[0].Message, message);
}

INSTANTIATE_TEST_SUITE_P(Lengths, MonitorRelaysHiddenLength, ::testing::Values(0u, 1u, 7u, 0xFFFFFFFFu),
                         NamedByValue<std::uint32_t>("Length"));

TEST_F(MonitorRelays, WinMonBlankHasTheEffectOfWinMonWithAOneBlankCode)
{
    LinkJournal::Clear();
    LinkJournal::Enable();
    char blank[1] = {' '};
    WinMonRelay(blank, 1, message, 7);
    WinMonBlankRelay(message, 7);
    LinkJournal::Disable();

    const auto& calls = LinkJournal::Calls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].Member, "MonitorLink::WinMon");
    EXPECT_EQ(calls[1].Member, calls[0].Member);
    EXPECT_EQ(calls[1].Argument, calls[0].Argument);
    ASSERT_EQ(monitor.Calls.size(), 2u);
    EXPECT_EQ(monitor.Calls[1].CodeCharacter, monitor.Calls[0].CodeCharacter);
    EXPECT_EQ(monitor.Calls[1].Message, monitor.Calls[0].Message);
}

TEST_F(MonitorRelays, WhatTheMonitorRaisesReachesTheCallerUnchanged)
{
    monitor.RaiseFailure = true;
    LONG first = 5;
    LONG second = 6;
    for (auto relay : {+[](LONG* a, LONG*, char* text) { WinMsgRelay(a, text, 7); },
                       +[](LONG* a, LONG* b, char* text) { ATVWinMsgRelay(a, b, text, 7); }}) {
        try {
            relay(&first, &second, message);
            ADD_FAILURE() << "the monitor's exception was swallowed";
        } catch (const MonitorFailure& failure) {
            EXPECT_EQ(failure.Tag, 77);
        }
    }
    EXPECT_EQ(first, 5);
    EXPECT_EQ(second, 6);
}

}  // namespace
