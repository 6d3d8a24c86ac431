// /restore and /undo on the command line: the window's checks and pass, told as lines of output.
#pragma once

#include <cstdint>

#include "app/command_line/command_line_options.h"
#include "app/command_line/console_output.h"

namespace velmora {

// The exit code.
int32_t RunCommandLineRestore(const CommandLine& command, ConsoleOutput& out) noexcept;

}  // namespace velmora
