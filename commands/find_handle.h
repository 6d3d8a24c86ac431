// Owns a FindFirstFileA search handle, closed with FindClose.
#pragma once

#include <windows.h>

#include "runtime/unique_handle.h"

namespace velmora {

struct FindHandleTraits {
    using Handle = HANDLE;
    static Handle Empty() noexcept { return INVALID_HANDLE_VALUE; }
    static void Close(Handle handle) noexcept { FindClose(handle); }
};

using FindHandle = UniqueHandle<FindHandleTraits>;

}  // namespace velmora
