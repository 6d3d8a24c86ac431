// The two buttons that fill the path boxes.
#pragma once

#include "runtime/event_record.h"

namespace velmora {

// The folder browser's choice into BackupDirEdit; a cancelled browser empties the box.
EventResult BrowseDirClicked(const EventCall& call) noexcept;
// The file dialog's file name into BackupFileEdit; after a cancel that is the previous choice.
EventResult ChooseFileClicked(const EventCall& call) noexcept;

}  // namespace velmora
