// A loaded module, freed with FreeLibrary.
#pragma once

#include <windows.h>

#include "runtime/unique_handle.h"

namespace velmora {

struct ModuleHandleTraits {
    using Handle = HMODULE;
    static Handle Empty() noexcept { return nullptr; }
    static void Close(Handle module) noexcept { FreeLibrary(module); }
};

using ModuleHandle = UniqueHandle<ModuleHandleTraits>;

}  // namespace velmora
