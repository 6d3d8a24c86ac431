// Start-up of the runtime frame, called by the program's entry routine before anything else.
#pragma once

#include <cstdint>

namespace velmora {

void InitRuntime() noexcept;
// Loads the window without modal flag and owner; an unknown id or a failed creation is a run-time error.
void LoadStartupWindow(uint32_t windowId) noexcept;

}  // namespace velmora
