// The calling thread's last error code.
#include "platform/last_error.h"

namespace {

thread_local DWORD lastError = 0;

}  // namespace

DWORD GetLastError()
{
    return lastError;
}

void SetLastError(DWORD dwErrCode)
{
    lastError = dwErrCode;
}
