// Owns an icon made from picture data, destroyed with DestroyIcon.
#pragma once

#include <windows.h>

#include "runtime/unique_handle.h"

namespace velmora {

struct IconHandleTraits {
    using Handle = HICON;
    static Handle Empty() noexcept { return nullptr; }
    static void Close(Handle handle) noexcept { DestroyIcon(handle); }
};

using IconHandle = UniqueHandle<IconHandleTraits>;

}  // namespace velmora
