// COrvelEngine::Execute: reload the code module and call ASMEUC, then run the design
// module's ORVELTL on the named design case.
#include "engine/COrvelEngine.h"

#include "engine/code_module.h"
#include "engine/design_case.h"
#include "engine/install_prefix.h"
#include "link/COrvelTLLink.h"
#include "link/MonitorLink.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace {
using ASMEUCFunction = void (*)();
using ORVELTLFunction = std::int32_t (*)(std::int32_t, const char* installPrefix, const char* casePath,
                                         const char* runKind, std::int32_t runNumber, void** rootGroup);

constexpr char BatchRun[] = "BATCH";
constexpr char DesignEntrySuffix[] = "TL";
}  // namespace

void COrvelEngine::Execute()
{
    ReleaseCodeModule();
    CodeModuleHandle = LoadEngineModule(InstallPrefix(), CodeModuleBaseName);
    if (CodeModuleHandle == nullptr)
        return;
    const auto asmeuc = FindEntryPoint<ASMEUCFunction>(CodeModuleHandle, "ASMEUC");
    if (asmeuc == nullptr)
        return;
    asmeuc();

    const std::optional<std::string> installPrefix = InstallPrefix();
    // Without ".QXR" there is no case path to hand over: the run ends as for an empty name.
    const std::string_view caseFileName(CaseFileName.Data(), CaseFileName.Length());
    const auto casePathLength = CasePathLength(caseFileName);
    if (!casePathLength)
        return;
    const std::string casePath(caseFileName.substr(0, *casePathLength));
    const std::int32_t runMode = MonitorLink::GetOrvelRunMode();
    const std::int32_t runNumber = RunNumberOf(LeadingNumber(caseFileName.substr(*casePathLength)), runMode);

    // The design module stays loaded for the rest of the process.
    HMODULE designModule = LoadEngineModule(installPrefix, DesignModuleBaseName);
    if (designModule == nullptr)
        return;
    const std::string entryName = std::string(DesignModuleBaseName) + DesignEntrySuffix;
    const auto orveltl = FindEntryPoint<ORVELTLFunction>(designModule, entryName.c_str());
    if (orveltl == nullptr || DesignTreeLink == nullptr)
        return;
    void* rootGroup = DesignTreeLink->get_RootGroup();
    // The design module was loaded from below the prefix, so there is one.
    orveltl(0, installPrefix->c_str(), casePath.c_str(), BatchRun, runNumber, &rootGroup);
}
