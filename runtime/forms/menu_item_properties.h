// The four properties of a menu item: 0 caption, 1 checked, 2 disabled, 3 visible. A write rebuilds
// the window's menu.
#pragma once

#include <cstdint>

#include "runtime/forms/window_template.h"

namespace velmora {

uint64_t ReadMenuItemProperty(const ComponentRecord& item, int32_t number) noexcept;
void WriteMenuItemProperty(WindowTemplate& window, ComponentRecord& item, int32_t number, uint32_t low) noexcept;

}  // namespace velmora
