// The command tables of the libraries that hold the commands, for the runtime to register.
#pragma once

#include <span>

#include "runtime/value.h"

namespace velmora {

struct CommandEntry {
    const char* name;
    LibraryCommand command;
};

// Screen size, message box, time, text, conversion and file commands.
std::span<const CommandEntry> CoreLibraryCommands() noexcept;
// Variable address, delay, shortcut target, folder browser and special folders.
std::span<const CommandEntry> ShellLibraryCommands() noexcept;
// Automation objects.
std::span<const CommandEntry> ObjectLibraryCommands() noexcept;

}  // namespace velmora
