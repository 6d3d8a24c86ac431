// The two command-call entries of program code: shell-library commands go through A, core-library
// commands through B; both behave alike.
#pragma once

#include <cstdint>

#include "runtime/value.h"

namespace velmora {

// Calls the command with a zeroed result record of its own and hands that record back.
ValueRecord CallLibraryCommandA(LibraryCommand command, int32_t argCount, ValueRecord* args) noexcept;
ValueRecord CallLibraryCommandB(LibraryCommand command, int32_t argCount, ValueRecord* args) noexcept;

}  // namespace velmora
