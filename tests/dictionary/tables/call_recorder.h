#pragma once
// A per-entry operation that records its calls, for walks whose real operations leave
// nothing to observe.
#include "dictionary/tables/results_walk.h"
#include "dictionary/transfer_types.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

class ScalarMap;

struct RecordedCall {
    enum class Kind { Value, Status };
    Kind Operation;
    ScalarMap* Map;
    std::string Name;
    const void* Element;
    TransferDirection Direction;
    ForceEngineSource Force;
};

// The direction and flag a caller passes to a walk, for tests over several of them.
struct WalkArguments {
    TransferDirection Direction;
    ForceEngineSource Force;
};

inline void PrintTo(const WalkArguments& arguments, std::ostream* out)
{
    *out << "direction " << int{arguments.Direction} << ", flag " << int{arguments.Force};
}

// A test-name suffix such as "Direction1Flag0".
inline std::string WalkArgumentsName(const testing::TestParamInfo<WalkArguments>& arguments)
{
    return "Direction" + std::to_string(arguments.param.Direction) + "Flag" + std::to_string(arguments.param.Force);
}

class CallRecorder {
public:
    // Operations with the arguments of TransferNoOp and TransferStatusNoOp.
    auto ValueOperation()
    {
        return [this](ScalarMap* map, const char* name, float* element, TransferDirection direction,
                      ForceEngineSource force) {
            Calls.push_back({RecordedCall::Kind::Value, map, name, element, direction, force});
        };
    }
    auto StatusOperation()
    {
        return [this](ScalarMap* map, const char* name, StatusEntry* entry, TransferDirection direction,
                      ForceEngineSource force) {
            Calls.push_back({RecordedCall::Kind::Status, map, name, entry, direction, force});
        };
    }

    std::vector<RecordedCall> Calls;
};

// Walks a results table with a recorder and expects one call per name, in table order, each
// with the map, the first element of ResultBlock, EngineToHost and force 1.
template <std::size_t Count, std::size_t Capacity>
void ExpectResultsWalkCalls(const char (&names)[Count][Capacity], ScalarMap* map)
{
    CallRecorder recorder;
    WalkResults(names, map, recorder.ValueOperation());
    ASSERT_EQ(recorder.Calls.size(), Count);
    for (std::size_t i = 0; i < Count; ++i) {
        const RecordedCall& call = recorder.Calls[i];
        EXPECT_EQ(call.Name, names[i]);
        EXPECT_EQ(call.Map, map);
        EXPECT_EQ(call.Element, &ResultBlock[0]);
        EXPECT_EQ(call.Direction, EngineToHost);
        EXPECT_EQ(call.Force, 1);
    }
}
