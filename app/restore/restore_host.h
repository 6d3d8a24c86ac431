// What a restore asks of whoever runs it: the window (or, later, a command line) decides how long to
// wait before each move, whether missing shortcuts are put back, and whether to go on at all.
#pragma once

#include <cstdint>

namespace velmora {

class RestoreHost {
  public:
    // Asked anew before every move.
    virtual int32_t MoveDelay() noexcept = 0;
    // Asked anew for every missing shortcut.
    virtual bool RecreateMissingShortcuts() noexcept = 0;
    // Waits while the program's windows keep working; false when the restore is to stop now (its
    // window was closed meanwhile).
    virtual bool Wait(int32_t milliseconds) noexcept = 0;

  protected:
    ~RestoreHost() = default;
};

}  // namespace velmora
