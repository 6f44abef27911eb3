#pragma once
// The exception of the common-block exchange: a plain record of a code and a static message,
// thrown by value. It has no base class, so a catcher names ETLTransferError itself.
#include "platform/win_types.h"

#include <cstddef>
#include <type_traits>

struct ETLTransferError {
    ETLTransferError(HRESULT result, const char* message) : HResult(result), Message(message) {}

    HRESULT HResult;
    const char* Message;  // a static, zero-terminated text that the exception does not own
};

static_assert(std::is_trivially_copyable_v<ETLTransferError>);
static_assert(std::is_standard_layout_v<ETLTransferError>);
static_assert(offsetof(ETLTransferError, HResult) == 0);
static_assert(offsetof(ETLTransferError, Message) == 8);
