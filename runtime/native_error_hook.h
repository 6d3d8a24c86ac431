// Native builds have no message box: a run-time error goes to a hook that tests can set, then the
// process ends with exit code 255, the low byte of -1.
#pragma once

namespace velmora {

using RuntimeErrorHook = void (*)(const char* boxText) noexcept;
// Null restores the default, which writes the box text to standard error.
void SetRuntimeErrorHook(RuntimeErrorHook hook) noexcept;

}  // namespace velmora
