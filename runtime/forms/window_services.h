// The runtime services that concern windows, components and events: 1001, 2000, 2005 to 2008, 2017,
// 2031 to 2033. Any other code returns 0.
#pragma once

#include <cstdint>

namespace velmora {

int32_t WindowService(int32_t code, uint32_t first, uint32_t second) noexcept;

// A loaded window is shown when its own record says it is visible.
bool LoadAndShowWindow(uint32_t windowId, bool modal, void* ownerObject) noexcept;

}  // namespace velmora
