// The tool's program-wide variables, shared by the backup and the restore. They live from the entry
// routine until ExitCleanup.
#pragma once

#include <cstdint>

#include "app/icon_entry.h"
#include "runtime/heap_block.h"

namespace velmora {

extern Text BackupDirectory;
extern IconEntryArray DesktopIcons;
extern IconEntryArray UnrestoredShortcuts;
extern IconEntryArray MissingFiles;
extern IconEntryArray SavedIcons;
// Entries a restore placed whose icon did not end where the file puts it.
extern IconEntryArray NotLandedIcons;
// The parking cell of a restore; only left and top are used.
extern HeapBlock<ItemRectangle> FreeSlot;

// The arrays empty, then FreeSlot zeroed.
void CreateProgramVariables() noexcept;
// The program's clean-up routine, run when the program ends normally.
void ExitCleanup();

}  // namespace velmora
