#pragma once
// The engine adaptor that the host loads: it binds the calculation engine's modules,
// moves the design variables between the host's maps and the engine, and runs the design.
#include "engine/export.h"

#include <string>

class ArrayMap;
class COrvelTLLink;
class ScalarMap;

class QUILL_EXPORT COrvelEngine {
public:
    // Creates the design-tree link and loads the engine's code module.
    COrvelEngine();
    // Releases one reference of the code module. The host destroys the object through its
    // virtual slot; the destructor is not exported by name.
    QUILL_HIDDEN virtual ~COrvelEngine();

    COrvelEngine(const COrvelEngine&) = delete;
    COrvelEngine& operator=(const COrvelEngine&) = delete;

    // Calls the engine's ASMEZI, then sends the host's scalar inputs to the engine.
    // Answers true.
    bool TransferData(ScalarMap* scalars, ArrayMap* arrays);
    // Calls the engine's ASMECC, then brings the engine's values and statuses back into the
    // host's map. Answers false when the engine could not be called or has handed over no
    // blocks.
    bool CheckData(ScalarMap* scalars, ArrayMap* arrays);

private:
    std::string CaseFileName;
    COrvelTLLink* DesignTreeLink;
};
