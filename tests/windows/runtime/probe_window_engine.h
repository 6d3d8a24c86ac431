// A window engine for the probe: its one "window template" loads two real top-level windows, and
// it tells the report when they are destroyed and when idle events are raised.
#pragma once

#include <windows.h>

#include <cstdint>

#include "runtime/window_engine.h"

namespace velmora {

constexpr uint32_t kProbeWindowId = 0x52010002;

const WindowEngine& ProbeWindowEngine();
// 0 or 1; null before loading and after destruction.
HWND ProbeWindow(int index);
int ProbeIdleEventCount();

}  // namespace velmora
