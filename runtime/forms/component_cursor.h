// Cursors made from a component's mouse-pointer data: a code of the cursor list (0 to 14), a system
// cursor id, or a cursor file (.cur). The loader keeps the cursor in the record's cursor slot and the
// component's window shows it over its client area.
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>

#include "runtime/forms/cursor_codes.h"

namespace velmora {

// Null for data that names no cursor. Cursors made from cursor files belong to the engine until
// ReleaseCursor; system cursors are shared and never destroyed.
HCURSOR MakeCursor(std::span<const uint8_t> pointerData) noexcept;
void ReleaseCursor(HCURSOR cursor) noexcept;

// The window shows the cursor in its record's slot (looked up by ids at each WM_SETCURSOR, so a
// restored record shows nothing).
void ShowComponentCursor(HWND window, uint32_t windowId, uint32_t componentId) noexcept;

}  // namespace velmora
