// Owners of the user-interface handles the window engine makes itself: menus, accelerator tables and
// cursors made from template data. One type per handle kind.
#pragma once

#include <windows.h>

#include "runtime/unique_handle.h"

namespace velmora {

template <typename UserHandle, BOOL(WINAPI* Destroy)(UserHandle)>
struct UserHandleTraits {
    using Handle = UserHandle;
    static Handle Empty() noexcept { return nullptr; }
    static void Close(Handle handle) noexcept { Destroy(handle); }
};

using MenuHandle = UniqueHandle<UserHandleTraits<HMENU, DestroyMenu>>;
using AcceleratorTable = UniqueHandle<UserHandleTraits<HACCEL, DestroyAcceleratorTable>>;
using CursorHandle = UniqueHandle<UserHandleTraits<HCURSOR, DestroyCursor>>;

}  // namespace velmora
