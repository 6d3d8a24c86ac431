// What a restore asks of whoever runs it: the window or the command line decides how long to wait
// before each move, whether missing shortcuts are put back, whether to go on at all, and whether the
// moves are made or only planned; it is told what the pass does as it does it.
#pragma once

#include <cstdint>
#include <string>

#include "app/layout/layout_reader.h"

namespace velmora {

// One move of one icon, from where it stood to where it goes (bounds coordinates).
struct IconShift {
    int32_t icon = 0;  // its place in list-view order
    std::string caption;
    int32_t fromLeft = 0;
    int32_t fromTop = 0;
    int32_t toLeft = 0;
    int32_t toTop = 0;
};

class RestoreHost {
  public:
    // Asked anew before every move.
    virtual int32_t MoveDelay() noexcept = 0;
    // Asked anew for every missing shortcut.
    virtual bool RecreateMissingShortcuts() noexcept = 0;
    // Waits while the program's windows keep working; false when the restore is to stop now (its
    // window was closed meanwhile).
    virtual bool Wait(int32_t milliseconds) noexcept = 0;

    // A dry run re-creates nothing, moves nothing and waits for nothing: it plans the moves on its
    // picture of the desktop and tells them, and leaves the landing unchecked.
    virtual bool DryRun() noexcept { return false; }
    // Once per restore, when the first move is about to be made; DesktopIcons then holds the desktop
    // as it stands before the restore, classified as a backup classifies it. Not in a dry run.
    virtual void BeforeFirstMove() noexcept {}

    virtual void IconMoved(const IconShift&) noexcept {}
    // A missing shortcut re-created (in a dry run: one that would be).
    virtual void ShortcutRecreated(const StoredIcon&) noexcept {}
    // A missing shortcut left missing because re-creating was not asked for.
    virtual void ShortcutLeftMissing(const StoredIcon&) noexcept {}
    // An entry to be placed that has no icon on the desktop.
    virtual void NoIcon(const StoredIcon&) noexcept {}

  protected:
    ~RestoreHost() = default;
};

}  // namespace velmora
