// A host that links the module runs the engine from the decoy tree.
#include "tests/facade/decoy_tree_run.h"

#include "engine/COrvelEngine.h"
#include "tests/facade/decoy_tree.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

void RunTheInstallationsEngineFromTheDecoyFolder(const Installation& installation)
{
    ASSERT_NO_FATAL_FAILURE(EnterTheDecoyTree(installation));
    auto engine = std::make_unique<COrvelEngine>();
    engine->TransferData(nullptr, nullptr);
    EXPECT_TRUE(engine->CheckData(nullptr, nullptr)) << "the installation's code module is bound";
    std::string caseFile = "HX.QXR1";
    engine->SetFileName(caseFile.data());
    engine->Execute();
    ExpectTheInstallationsEngineRan(installation);
    ReturnToTheRoot(installation);
}

