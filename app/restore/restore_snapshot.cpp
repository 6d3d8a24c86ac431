#include "app/restore/restore_snapshot.h"

#include <windows.h>
#include <shlobj.h>

#include "app/backup/back_up_layout.h"
#include "app/dll_commands.h"
#include "app/layout/layout_directory.h"
#include "app/program_variables.h"

namespace velmora {

std::string SnapshotDirectory() noexcept {
    char localAppData[MAX_PATH] = {};
    if (!CallDllCommand(kSHGetSpecialFolderPathA, nullptr, localAppData, CSIDL_LOCAL_APPDATA, TRUE) ||
        localAppData[0] == '\0')
        return {};
    return std::string(localAppData) + "\\Velmora\\还原前";
}

Text SaveRestoreSnapshot() noexcept {
    const std::string directory = SnapshotDirectory();
    if (directory.empty())
        return Text();
    // The restore's own picture in DesktopIcons holds captions and places only; the snapshot is a
    // backup like any other, read and classified afresh, and the restore's picture is kept meanwhile.
    IconEntryArray restoring = std::move(DesktopIcons);
    Text path = BackUpLayout(directory.c_str()).path;
    DesktopIcons = std::move(restoring);
    if (!path)
        return path;
    const std::vector<LayoutCandidate> snapshots = ListLayoutFiles(directory);
    for (const size_t old : LayoutsBeyondNewest(snapshots, kSnapshotsKept))
        DeleteFileA((directory + "\\" + snapshots[old].name).c_str());
    return path;
}

}  // namespace velmora
