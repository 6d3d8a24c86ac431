#include <windows.h>

#include <objidl.h>
#include <shellapi.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <cstring>

#include "commands/com_ptr.h"
#include "commands/command_values.h"
#include "commands/shell_commands.h"
#include "runtime/heap.h"

namespace velmora {

char* ReadLinkFileTarget(const char* path) noexcept {
    ComPtr<IShellLinkA> link;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.putVoid()))) {
        return nullptr;
    }
    const auto file = link.As<IPersistFile>(IID_IPersistFile);
    if (!file) {
        return nullptr;
    }
    char named[MAX_PATH + 4];
    const size_t length = strnlen(path, MAX_PATH - 1);
    std::memcpy(named, path, length);
    named[length] = '\0';
    if (std::strchr(named, '.') == nullptr) {
        std::strcat(named, ".lnk");
    }
    WCHAR wide[MAX_PATH + 4];
    if (MultiByteToWideChar(CP_ACP, 0, named, -1, wide, MAX_PATH + 4) == 0 || FAILED(file->Load(wide, STGM_READ))) {
        return nullptr;
    }
    char target[MAX_PATH];
    if (FAILED(link->GetPath(target, MAX_PATH, nullptr, 0))) {
        return nullptr;
    }
    target[MAX_PATH - 1] = '\0';
    return NewText(target);
}

namespace {

char* ReadShortcutTarget(const char* path) noexcept {
    SHFILEINFOA info{};
    if (SHGetFileInfoA(path, 0, &info, sizeof info, SHGFI_ATTRIBUTES) == 0 || (info.dwAttributes & SFGAO_LINK) == 0) {
        return nullptr;
    }
    return ReadLinkFileTarget(path);
}

}  // namespace

void ShortcutTarget(ValueRecord* result, int32_t argCount, ValueRecord* args) noexcept {
    SetText(result, ReadShortcutTarget(ArgText(Arg(argCount, args, 0))));
}

}  // namespace velmora
