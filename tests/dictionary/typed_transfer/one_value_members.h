#pragma once
// The numeric members of the transfer family, each seen as moving one host value: the scalar
// "V" of a ScalarMap, or element 2 of the array "V" of an ArrayMap (a range member moves the
// range 2..2). The engine value is held as a double and converted to the member's own kind,
// so that one table of cases runs over them all.
#include "dictionary/array_transfer.h"
#include "dictionary/scalar_transfer.h"
#include "dictionary/typed_scalar_transfer.h"
#include "tests/support/host_values.h"

#include <cstdint>
#include <stdexcept>
#include <string_view>
#include <vector>

inline constexpr const char* ValueName = "V";
inline constexpr int ValueIndex = 2;

struct OneValueMember {
    const char* Label;
    bool OnArray;
    bool HasForce;
    void (*Move)(ScalarMap& scalars, ArrayMap& arrays, double& engine, TransferDirection direction,
                 ForceEngineSource force);
};

// Both maps hold "V"; a member uses one of them.
struct OneValueHost {
    ScalarMap Scalars;
    ArrayMap Arrays;
    const OneValueMember& Member;

    explicit OneValueHost(const OneValueMember& member) : Member(member)
    {
        Scalars.Add(ValueName);
        Arrays.Add(ValueName);
    }
    void Set(double value, short source)
    {
        if (Member.OnArray)
            Hold(Arrays, ValueName, ValueIndex, {value, source});
        else
            Hold(Scalars, ValueName, {value, source});
    }
    HeldValue Now() { return Member.OnArray ? Read(Arrays, ValueName, ValueIndex) : Read(Scalars, ValueName); }
    void Move(double& engine, TransferDirection direction, ForceEngineSource force)
    {
        Member.Move(Scalars, Arrays, engine, direction, force);
    }
};

namespace one_value {
inline std::uint64_t AsInteger(double value) { return static_cast<std::uint64_t>(static_cast<std::int64_t>(value)); }
inline double FromInteger(std::uint64_t value) { return static_cast<double>(static_cast<std::int64_t>(value)); }

inline const std::vector<OneValueMember>& All()
{
    static const std::vector<OneValueMember> members = {
        {"TransferScalarFloat", false, true,
         [](ScalarMap& s, ArrayMap&, double& e, TransferDirection d, ForceEngineSource f) {
             float value = static_cast<float>(e);
             TransferScalarFloat(&s, ValueName, &value, d, f);
             e = static_cast<double>(value);
         }},
        {"TransferScalarDouble", false, true,
         [](ScalarMap& s, ArrayMap&, double& e, TransferDirection d, ForceEngineSource f) {
             TransferScalarDouble(&s, ValueName, &e, d, f);
         }},
        {"TransferScalarDoublePlain", false, false,
         [](ScalarMap& s, ArrayMap&, double& e, TransferDirection d, ForceEngineSource) {
             TransferScalarDoublePlain(&s, ValueName, &e, d);
         }},
        {"TransferScalarUnsigned", false, true,
         [](ScalarMap& s, ArrayMap&, double& e, TransferDirection d, ForceEngineSource f) {
             std::uint64_t value = static_cast<std::uint64_t>(e);
             TransferScalarUnsigned(&s, ValueName, &value, d, f);
             e = static_cast<double>(value);
         }},
        {"TransferScalarUnsignedPlain", false, false,
         [](ScalarMap& s, ArrayMap&, double& e, TransferDirection d, ForceEngineSource) {
             std::uint64_t value = static_cast<std::uint64_t>(e);
             TransferScalarUnsignedPlain(&s, ValueName, &value, d);
             e = static_cast<double>(value);
         }},
        {"TransferArrayElementDouble", true, true,
         [](ScalarMap&, ArrayMap& a, double& e, TransferDirection d, ForceEngineSource f) {
             TransferArrayElementDouble(&a, ValueIndex, ValueName, &e, d, f);
         }},
        {"TransferArrayDouble", true, true,
         [](ScalarMap&, ArrayMap& a, double& e, TransferDirection d, ForceEngineSource f) {
             TransferArrayDouble(&a, ValueIndex, ValueIndex, 1, ValueName, &e, d, f);
         }},
        {"TransferArrayDoubleContiguous", true, true,
         [](ScalarMap&, ArrayMap& a, double& e, TransferDirection d, ForceEngineSource f) {
             TransferArrayDoubleContiguous(&a, ValueIndex, ValueIndex, ValueName, &e, d, f);
         }},
        {"TransferArrayDoublePlain", true, false,
         [](ScalarMap&, ArrayMap& a, double& e, TransferDirection d, ForceEngineSource) {
             TransferArrayDoublePlain(&a, ValueIndex, ValueIndex, 1, ValueName, &e, d);
         }},
        {"TransferArrayDoublePlainContiguous", true, false,
         [](ScalarMap&, ArrayMap& a, double& e, TransferDirection d, ForceEngineSource) {
             TransferArrayDoublePlainContiguous(&a, ValueIndex, ValueIndex, ValueName, &e, d);
         }},
        {"TransferArrayInteger", true, true,
         [](ScalarMap&, ArrayMap& a, double& e, TransferDirection d, ForceEngineSource f) {
             std::uint64_t value = AsInteger(e);
             TransferArrayInteger(&a, ValueIndex, ValueIndex, 1, ValueName, &value, d, f);
             e = FromInteger(value);
         }},
        {"TransferArrayIntegerPlain", true, false,
         [](ScalarMap&, ArrayMap& a, double& e, TransferDirection d, ForceEngineSource) {
             std::uint64_t value = AsInteger(e);
             TransferArrayIntegerPlain(&a, ValueIndex, ValueIndex, 1, ValueName, &value, d);
             e = FromInteger(value);
         }},
    };
    return members;
}

inline const OneValueMember& Named(std::string_view label)
{
    for (const OneValueMember& member : All())
        if (label == member.Label)
            return member;
    throw std::invalid_argument("no such member");
}
}  // namespace one_value
