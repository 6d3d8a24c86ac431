// Putting a missing desktop shortcut back, through the Windows Script Host's shell object.
#pragma once

#include "app/icon_entry.h"

namespace velmora {

// Writes "<user desktop>\<caption>.lnk" pointing at the entry's target, with the target's directory
// as working directory. False, with nothing written, when the target is gone, the caption is no plain
// file name, a file of that name exists already, or the shortcut was not written.
bool RecreateShortcut(const IconEntry& entry) noexcept;

}  // namespace velmora
