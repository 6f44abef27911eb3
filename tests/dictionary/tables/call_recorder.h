#pragma once
// A per-entry operation that records its calls, for walks whose real operations leave
// nothing to observe.
#include "dictionary/transfer_types.h"

#include <gtest/gtest.h>

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
