#pragma once
// The host's side of a test: what a host map holds for a name or an array element, put there
// and read back through the link library's own members. Each helper runs under a
// JournalPause, so that its own link calls never reach the link journal, on or off.
#include "link/ArrayMap.h"
#include "link/ScalarMap.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Switches the link journal off while it lives and back on afterwards if it was on: the
// calls of a test's own set-up and read-back stay out of the calls that the test checks.
class JournalPause {
public:
    JournalPause();
    ~JournalPause();
    JournalPause(const JournalPause&) = delete;
    JournalPause& operator=(const JournalPause&) = delete;

private:
    bool m_WasEnabled;
};

// A scalar of a ScalarMap, or one element of an array of an ArrayMap, as the host holds it.
struct HeldValue {
    std::optional<double> Value;  // none when the host holds no value
    short Source = 0;
    short Status = 0;
    bool operator==(const HeldValue&) const = default;
};
void PrintTo(const HeldValue& held, std::ostream* out);

// The map holds the name from now on, with the value, source and status given. A name that
// the map did not hold is added first.
void Hold(ScalarMap& map, std::string_view name, const HeldValue& held);
void Hold(ScalarMap& map, const std::vector<std::string_view>& names, const HeldValue& held);
// The same with a text for the value; the empty text holds no value. The status is 0.
void HoldText(ScalarMap& map, std::string_view name, std::string_view text, short source);

// The map's array holds the element at the index with the value, source and status given;
// its other elements stay as they were. An array that the map did not hold is added first,
// with no elements.
void Hold(ArrayMap& map, std::string_view name, int index, const HeldValue& held);

// What the map holds for the name, or for the array element. A name that the map does not
// hold fails the test.
HeldValue Read(ScalarMap& map, std::string_view name);
HeldValue Read(ArrayMap& map, std::string_view name, int index);
// The scalar's value as the host's text; the empty text when it holds no value.
std::string ReadText(ScalarMap& map, std::string_view name);
