// The message loop of the main thread: an idle phase while no message waits, then a message phase.
#pragma once

#include <cstdint>

namespace velmora {

// Returns when the program's last window is gone; at once when no loaded window is alive.
void RunMessageLoop() noexcept;

// A nested loop, run while a window is shown modally: it ends when ReleaseNestedMessageLoop is
// called for the window id it waits for, and leaves a WM_QUIT in the queue for the main loop.
void RunNestedMessageLoop(uint32_t windowId) noexcept;
bool NestedMessageLoopWaitsFor(uint32_t windowId) noexcept;
void ReleaseNestedMessageLoop() noexcept;

// Removes and dispatches every waiting message; stops at WM_QUIT without removing it.
void ProcessPendingMessages() noexcept;

// Called when a top-level window of the program is destroyed: ends the main loop once no loaded
// window is alive and the loop is running.
void QuitWhenNoWindowIsLeft() noexcept;

}  // namespace velmora
