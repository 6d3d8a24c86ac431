// The program's DLL commands: declared by DLL file name and exported name in the program header,
// resolved on their first call, their modules kept until the program ends.
#pragma once

#include <cstdint>

namespace velmora {

// Sizes the tables to the count; nothing is loaded yet.
void SetDllCommands(int32_t count, const char* const* fileNames, const char* const* commandNames) noexcept;
// The address of command index, resolved and cached on first use. A command that cannot be found
// is a run-time error, so the result is never null.
void* ResolveDllCommand(int32_t index) noexcept;
// Frees the kept modules and empties the tables.
void FreeDllCommandModules() noexcept;

}  // namespace velmora
