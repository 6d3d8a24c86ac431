// Routines that windows ask to run in every idle phase of the message loop (services 1012, 1013).
#pragma once

#include <windows.h>

#include <cstdint>

namespace velmora {

using IdleRoutine = void (*)(uintptr_t argument) noexcept;

struct IdleCallback {
    HWND window;
    IdleRoutine routine;
    uintptr_t argument;
};

// Ignored when the handle is not a window or the window already has one.
void RegisterIdleCallback(const IdleCallback& callback) noexcept;
void RemoveIdleCallback(HWND window) noexcept;
// From the last entry to the first; entries whose window is gone are dropped.
void RunIdleCallbacks() noexcept;
void ClearIdleCallbacks() noexcept;

}  // namespace velmora
