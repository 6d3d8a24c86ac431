// The routines a program asks to run when it ends normally (support function 3).
#pragma once

namespace velmora {

using ExitRoutine = void (*)();

// Appends the routine unless it is already registered.
void RegisterExitRoutine(ExitRoutine routine) noexcept;
// Runs them in registration order, then empties the list.
void RunExitRoutines() noexcept;
// After a run-time error: the list is emptied without running anything.
void DiscardExitRoutines() noexcept;

}  // namespace velmora
