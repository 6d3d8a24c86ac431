// Run-time errors: faults of the program, reported once in a message box; the process then ends
// with exit code -1. Never for bad user data.
#pragma once

#include <cstdint>

#include "runtime/runtime_error_text.h"

namespace velmora {

// Program code: an error number with the routine identifier and the position within it.
[[noreturn]] void RaiseRuntimeError(int32_t code, uint32_t identifier, uint32_t position) noexcept;
// Runtime and libraries: a message, with the window and component it concerns or 0 and 0.
[[noreturn]] void ReportRuntimeError(const char* message, int32_t code, uint32_t first, uint32_t second) noexcept;
[[noreturn]] void ReportAllocationFailure(uint32_t size) noexcept;

// The window engine tells the report how to name windows and components by their tags.
void SetRecordTagFinder(RecordTagFinder finder) noexcept;

}  // namespace velmora
