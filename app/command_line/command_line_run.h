// Velmora started with arguments: the job done without any window, told on the console, and an exit
// code at the end.
#pragma once

#include <cstdint>
#include <variant>

#include "app/command_line/command_line_options.h"

namespace velmora {

using CommandLineRequest = std::variant<CommandLine, UsageError>;

// The process's arguments, with the path made absolute. Read before the runtime makes the program's
// directory the current one, so that a relative path means what it meant at the prompt.
CommandLineRequest ReadCommandLine() noexcept;

// False for no arguments at all: the window then opens as always.
bool IsCommandLineRun(const CommandLineRequest& request) noexcept;

// Runs the request; the exit code.
int32_t RunCommandLine(const CommandLineRequest& request) noexcept;

}  // namespace velmora
