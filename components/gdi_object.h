// Owns a GDI object (font, brush, bitmap), deleted with DeleteObject.
#pragma once

#include <windows.h>

#include "runtime/unique_handle.h"

namespace velmora {

template <typename GdiHandle>
struct GdiObjectTraits {
    using Handle = GdiHandle;
    static Handle Empty() noexcept { return nullptr; }
    static void Close(Handle handle) noexcept { DeleteObject(handle); }
};

template <typename Handle>
using GdiObject = UniqueHandle<GdiObjectTraits<Handle>>;

using FontObject = GdiObject<HFONT>;
using BrushObject = GdiObject<HBRUSH>;
using BitmapObject = GdiObject<HBITMAP>;

}  // namespace velmora
