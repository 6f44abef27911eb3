// COrvelEngine's object, its binding of the code module, and the transfers around ASMEZI and ASMECC.
#include "engine/COrvelEngine.h"

#include "dictionary/engine_blocks.h"
#include "dictionary/scalar_variables.h"
#include "engine/block_pointer_callback.h"
#include "engine/code_module.h"
#include "engine/install_prefix.h"
#include "link/COrvelTLLink.h"

#include <new>

namespace {
using ASMEZIFunction = void (*)(BlockPointerCallbackFunction);
using ASMECCFunction = void (*)();

// The link's storage comes from the module; no destructor ever runs on it.
COrvelTLLink* NewDesignTreeLink()
{
    void* storage = ::operator new(sizeof(COrvelTLLink), std::nothrow);
    return storage != nullptr ? new (storage) COrvelTLLink : nullptr;
}
}  // namespace

COrvelEngine::COrvelEngine() : DesignTreeLink(NewDesignTreeLink())
{
    // Another object's handle is overwritten, not released: loading the same module
    // again gives the same handle and one more reference.
    CodeModuleHandle = LoadEngineModule(InstallPrefix(), CodeModuleBaseName);
}

COrvelEngine::~COrvelEngine() { ReleaseCodeModule(); }

bool COrvelEngine::TransferData(ScalarMap* scalars, ArrayMap*)
{
    if (CodeModuleHandle == nullptr)
        return true;
    const auto asmezi = FindEntryPoint<ASMEZIFunction>(CodeModuleHandle, "ASMEZI");
    if (asmezi == nullptr)
        return true;
    asmezi(&BlockPointerCallback);
    if (scalars != nullptr && BlockAddressesHandedOver())
        TransferScalarVariables(scalars, HostToEngine, 0);
    return true;
}

bool COrvelEngine::CheckData(ScalarMap* scalars, ArrayMap*)
{
    if (CodeModuleHandle == nullptr)
        return false;
    const auto asmecc = FindEntryPoint<ASMECCFunction>(CodeModuleHandle, "ASMECC");
    if (asmecc == nullptr)
        return false;
    asmecc();
    if (scalars == nullptr)
        return true;
    // Without blocks nothing came back from the engine into the map: no success to report.
    if (!BlockAddressesHandedOver())
        return false;
    TransferScalarVariables(scalars, EngineToHost, 0);
    return true;
}
