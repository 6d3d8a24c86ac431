// Pictures of windows and components: the icon and bitmap files that Win32 loads by itself. Anything
// else (PNG, JPEG, GIF, damaged data) gives an empty picture, and the component shows no picture.
#pragma once

#include <cstdint>
#include <span>

#include "components/gdi_object.h"
#include "components/icon_handle.h"

namespace velmora {

struct Picture {
    IconHandle icon;
    BitmapObject bitmap;

    bool Empty() const noexcept { return !icon && !bitmap; }
};

Picture LoadPicture(std::span<const uint8_t> bytes) noexcept;

}  // namespace velmora
