#include "tests/support/shortcut.h"

#include <windows.h>
#include <objidl.h>
#include <shlobj.h>

#include <vector>

#include "commands/com_ptr.h"

namespace velmora::test {
namespace {

using velmora::ComPtr;

std::vector<wchar_t> Wide(const std::string& text) {
    const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    std::vector<wchar_t> wide(length);
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), length);
    return wide;
}

}  // namespace

namespace {

// The link loaded from its file, or null.
ComPtr<IShellLinkA> LoadShortcut(const std::string& linkPath) {
    ComPtr<IShellLinkA> link;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.putVoid())))
        return {};
    ComPtr<IPersistFile> file;
    if (FAILED(link->QueryInterface(IID_IPersistFile, file.putVoid())) ||
        FAILED(file->Load(Wide(linkPath).data(), STGM_READ)))
        return {};
    return link;
}

}  // namespace

std::string ReadShortcutTarget(const std::string& linkPath) {
    const ComPtr<IShellLinkA> link = LoadShortcut(linkPath);
    char target[MAX_PATH] = {};
    if (!link || FAILED(link->GetPath(target, sizeof(target), nullptr, 0)))
        return {};
    return target;
}

std::string ReadShortcutWorkingDirectory(const std::string& linkPath) {
    const ComPtr<IShellLinkA> link = LoadShortcut(linkPath);
    char directory[MAX_PATH] = {};
    if (!link || FAILED(link->GetWorkingDirectory(directory, sizeof(directory))))
        return {};
    return directory;
}

bool CreateShortcutFile(const std::string& linkPath, const std::string& targetPath) {
    ComPtr<IShellLinkA> link;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.putVoid())))
        return false;
    if (FAILED(link->SetPath(targetPath.c_str())))
        return false;
    ComPtr<IPersistFile> file;
    if (FAILED(link->QueryInterface(IID_IPersistFile, file.putVoid())))
        return false;
    return SUCCEEDED(file->Save(Wide(linkPath).data(), TRUE));
}

}  // namespace velmora::test
