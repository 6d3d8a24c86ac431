// A window's menu bar and accelerator table, built from the menu-item records of its template.
#pragma once

#include <windows.h>

#include <cstdint>

#include "runtime/forms/user_handles.h"
#include "runtime/forms/window_template.h"

namespace velmora {

// A menu item's command (WM_COMMAND from the menu or its accelerator) is its record index; the window
// unit raises event 0 of the component with the id at that index of the window's component map.
constexpr uint32_t MenuCommandId(uint32_t recordIndex) noexcept {
    return recordIndex;
}

// Items nest by their level: an item followed by items of a deeper level opens a pop-up with them.
// Hidden items (and what they hold) are left out. Null when the window has no visible menu items or
// memory runs out.
MenuHandle BuildMenu(const WindowTemplate& window) noexcept;

// An item's shortcut word holds the virtual key in its low half and the ACCEL modifier flags
// (FSHIFT, FCONTROL, FALT) in its high half; 0 means no shortcut. Null when no item has one.
AcceleratorTable BuildAccelerators(const WindowTemplate& window) noexcept;

}  // namespace velmora
