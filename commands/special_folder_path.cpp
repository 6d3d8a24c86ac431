#include <windows.h>

#include <shlobj.h>

#include <cstring>

#include "commands/command_values.h"
#include "commands/shell_commands.h"
#include "runtime/heap.h"

namespace velmora {
namespace {

// Indexed by folder id 1 to 8; ids 9 to 11 come from the kernel.
constexpr int kFolderCsidls[] = {CSIDL_PERSONAL,  CSIDL_FAVORITES, CSIDL_DESKTOPDIRECTORY, CSIDL_FONTS,
                                 CSIDL_STARTMENU, CSIDL_PROGRAMS,  CSIDL_STARTUP,          CSIDL_APPDATA};

bool ReadFolder(int32_t id, char (&path)[MAX_PATH + 1]) noexcept {
    path[0] = '\0';
    if (id >= 1 && id <= 8) {
        return SHGetSpecialFolderPathA(nullptr, path, kFolderCsidls[id - 1], FALSE) != FALSE;
    }
    UINT length = 0;
    switch (id) {
        case 9:
            length = GetWindowsDirectoryA(path, MAX_PATH);
            break;
        case 10:
            length = GetSystemDirectoryA(path, MAX_PATH);
            break;
        case 11:
            length = GetTempPathA(MAX_PATH, path);
            break;
        default:
            return false;
    }
    // A length of MAX_PATH or more is the size the path would need: it did not fit.
    return length > 0 && length < MAX_PATH;
}

}  // namespace

void SpecialFolderPath(ValueRecord* result, int32_t argCount, ValueRecord* args) noexcept {
    char path[MAX_PATH + 1];
    if (!ReadFolder(ArgInteger(Arg(argCount, args, 0)), path) || path[0] == '\0') {
        SetText(result, nullptr);
        return;
    }
    path[MAX_PATH - 1] = '\0';
    const size_t length = std::strlen(path);
    if (path[length - 1] != '\\') {
        path[length] = '\\';
        path[length + 1] = '\0';
    }
    SetText(result, NewText(path));
}

}  // namespace velmora
