// How a command-line run ends, for scripts that test %ERRORLEVEL% or $LASTEXITCODE.
#pragma once

#include <cstdint>

namespace velmora {

enum ExitCode : int32_t {
    kExitDone = 0,
    kExitIncomplete = 1,  // done, but some entries were not restored
    kExitRefused = 2,     // other screen size, malformed file, auto-arrange on, no file that fits
    kExitNoDesktop = 3,   // the desktop cannot be read
    kExitUsage = 4,
    kExitNotWritten = 5,  // the backup file cannot be written
};

}  // namespace velmora
