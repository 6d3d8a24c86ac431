// A window the runtime created itself, destroyed with DestroyWindow.
#pragma once

#include <windows.h>

#include "runtime/unique_handle.h"

namespace velmora {

struct WindowHandleTraits {
    using Handle = HWND;
    static Handle Empty() noexcept { return nullptr; }
    static void Close(Handle window) noexcept { DestroyWindow(window); }
};

using WindowHandle = UniqueHandle<WindowHandleTraits>;

}  // namespace velmora
