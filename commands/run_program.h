// Starting another program.
#pragma once

#include <cstdint>

#include "runtime/value.h"

namespace velmora {

// The command line as given, with the window mode 1 to 6 (clamped). Waits for the program to end when
// wait is set, else up to 1000 ms for its first input idle. Returns the new process's id, or 0 when
// it could not be started.
uint32_t StartProgram(const char* commandLine, bool wait, int32_t windowMode) noexcept;

void RunProgram(ValueRecord* result, int32_t argCount, ValueRecord* args) noexcept;

}  // namespace velmora
