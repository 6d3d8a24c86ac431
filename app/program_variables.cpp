#include "app/program_variables.h"

namespace velmora {

Text BackupDirectory;
IconEntryArray DesktopIcons;
IconEntryArray UnrestoredShortcuts;
IconEntryArray MissingFiles;
IconEntryArray SavedIcons;
IconEntryArray NotLandedIcons;
HeapBlock<ItemRectangle> FreeSlot;

void CreateProgramVariables() noexcept {
    DesktopIcons.Create();
    UnrestoredShortcuts.Create();
    MissingFiles.Create();
    SavedIcons.Create();
    NotLandedIcons.Create();
    FreeSlot.reset(static_cast<ItemRectangle*>(HeapAllocate(sizeof(ItemRectangle))));
    *FreeSlot.get() = ItemRectangle{};
}

void ExitCleanup() {
    BackupDirectory.reset(nullptr);
    DesktopIcons.Free();
    UnrestoredShortcuts.Free();
    MissingFiles.Free();
    SavedIcons.Free();
    NotLandedIcons.Free();
    FreeSlot.reset(nullptr);
}

}  // namespace velmora
