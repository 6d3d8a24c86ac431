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
    Text path = WriteLayoutFile(directory.c_str(), DesktopIcons);
    if (!path)
        return path;
    const std::vector<LayoutCandidate> snapshots = ListLayoutFiles(directory);
    for (const size_t old : LayoutsBeyondNewest(snapshots, kSnapshotsKept))
        DeleteFileA((directory + "\\" + snapshots[old].name).c_str());
    return path;
}

}  // namespace velmora
