// Where the runtime hands control to the tool.
#pragma once

#include <cstdint>

namespace velmora {

// The form identifier of the tool's one window.
constexpr uint32_t kMainWindowId = 0x52010001;

// Runs the whole program: the runtime's start-up, the variables, the window and the message loop.
int32_t EntryRoutine();

}  // namespace velmora
