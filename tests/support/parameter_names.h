#pragma once
// Names for the cases of parameterised tests whose parameter is an integer, so that every
// case has a readable, stable name: NamedByValue<int>("Flag") names the case of -1
// "FlagMinus1".
#include <gtest/gtest.h>

#include <string>

template <class Integer>
auto NamedByValue(std::string what)
{
    return [what](const testing::TestParamInfo<Integer>& info) {
        const Integer value = info.param;
        if (value >= 0)
            return what + std::to_string(value);
        // The magnitude of the most negative value does not fit its own type.
        return what + "Minus" + std::to_string(-static_cast<long long>(value));
    };
}
