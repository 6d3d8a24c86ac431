// Owns a window that a component made beside its own (the edit box's spin control). The window may
// already be gone with its parent; then there is nothing left to destroy.
#pragma once

#include <windows.h>

#include "runtime/unique_handle.h"

namespace velmora {

struct CompanionWindowTraits {
    using Handle = HWND;
    static Handle Empty() noexcept { return nullptr; }
    static void Close(Handle window) noexcept {
        if (IsWindow(window)) {
            DestroyWindow(window);
        }
    }
};

// Not the runtime's WindowHandle: that one's window is always still there to destroy.
using CompanionWindow = UniqueHandle<CompanionWindowTraits>;

}  // namespace velmora
