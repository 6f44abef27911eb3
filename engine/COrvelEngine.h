#pragma once
// The engine adaptor that the host loads: it binds the calculation engine's modules,
// moves the design variables between the host's maps and the engine, and runs the design.
#include "engine/counted_text.h"
#include "engine/export.h"
#include "platform/win_types.h"

class ArrayMap;
class COrvelTLLink;
class ScalarMap;
// The platform's VARIANT, which a host that calls EngineFunction defines by its own include.
struct tagVARIANT;
typedef tagVARIANT VARIANT;

class QUILL_EXPORTED_CLASS COrvelEngine {
public:
    // Creates the design-tree link and loads the engine's code module from the installation
    // of this module's own file (none when that file's path cannot be had).
    QUILL_EXPORTED COrvelEngine();
    // Releases one reference of the code module; when that unloads it, the blocks it handed
    // over are forgotten. The host destroys the object through its virtual slot; the
    // destructor is not exported by name.
    QUILL_HIDDEN virtual ~COrvelEngine();

    COrvelEngine(const COrvelEngine&) = delete;
    COrvelEngine& operator=(const COrvelEngine&) = delete;

    // Calls the engine's ASMEZI, then sends the host's scalar inputs to the engine.
    // Answers true.
    QUILL_EXPORTED bool TransferData(ScalarMap* scalars, ArrayMap* arrays);
    // Calls the engine's ASMECC, then brings the engine's values and statuses back into the
    // host's map. Answers false when the engine could not be called, or when there is a map
    // and no blocks: none handed over yet, or none since a release unloaded the code module
    // (the host calls TransferData after every Execute).
    QUILL_EXPORTED bool CheckData(ScalarMap* scalars, ArrayMap* arrays);

    // Reloads the code module and calls its ASMEUC, then runs the design module's ORVELTL
    // on the design case: its path up to ".QXR" and the run number written behind it. A
    // release that unloads the code module forgets the blocks it handed over.
    QUILL_EXPORTED void Execute();

    // Names the design case; a null pointer makes the name empty.
    QUILL_EXPORTED void SetFileName(char* fileName);
    // The tube layout that the design-tree link holds (null without a link).
    QUILL_EXPORTED void* get_TubeLayout();
    // No results come back through these: true, and 1e-20 for every name.
    QUILL_EXPORTED bool TransferResults(ScalarMap* scalars, ArrayMap* arrays);
    QUILL_EXPORTED double GetResultValue(char* name);
    QUILL_EXPORTED void ImportTAI(char* fileName, ScalarMap* scalars, ArrayMap* arrays);
    // Answers 0; the argument is neither read nor cleared.
    QUILL_EXPORTED LONG EngineFunction(int function, VARIANT argument);
    QUILL_EXPORTED void Shutdown();
    QUILL_EXPORTED void ShutdownFeature(int feature);
    QUILL_EXPORTED void Stop(int reason);
    // A constant empty text that the caller neither changes nor releases.
    QUILL_EXPORTED const char* ThermoInit();
    // A new copy of the error text, which the caller releases with free.
    QUILL_EXPORTED char* GetErrorMsg();

private:
    // Pointers only, so that the object has the module's layout in every host, whatever
    // its standard library.
    CountedText CaseFileName;
    COrvelTLLink* DesignTreeLink;
};

static_assert(sizeof(COrvelEngine) == 3 * sizeof(void*),
              "the virtual slot's pointer, the case file name and the design-tree link");
