// The end of the program: shutdown in its fixed order, then the process exits.
#pragma once

#include <cstdint>

namespace velmora {

// From another thread the main thread is asked to shut down, then the process ends.
[[noreturn]] void EndProgram(int32_t exitCode) noexcept;

}  // namespace velmora
