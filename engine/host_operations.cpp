// The host's other operations: most answer a fixed value or do nothing.
#include "engine/COrvelEngine.h"

#include "dictionary/transfer_types.h"
#include "link/COrvelTLLink.h"
#include "platform/oleauto/variant.h"

#include <cstdlib>
#include <cstring>

namespace {
constexpr char EmptyText[] = "";
// No operation records an error, so the message is always empty.
constexpr char ErrorText[] = "";
}  // namespace

void COrvelEngine::SetFileName(char* fileName) { CaseFileName.Assign(fileName); }

void* COrvelEngine::get_TubeLayout() { return DesignTreeLink != nullptr ? DesignTreeLink->TubeLayout : nullptr; }

bool COrvelEngine::TransferResults(ScalarMap*, ArrayMap*) { return true; }

double COrvelEngine::GetResultValue(char*) { return NoValueDouble; }

void COrvelEngine::ImportTAI(char*, ScalarMap*, ArrayMap*) {}

LONG COrvelEngine::EngineFunction(int, VARIANT) { return 0; }

void COrvelEngine::Shutdown() {}

void COrvelEngine::ShutdownFeature(int) {}

void COrvelEngine::Stop(int) {}

const char* COrvelEngine::ThermoInit() { return EmptyText; }

char* COrvelEngine::GetErrorMsg() { return strdup(ErrorText); }
