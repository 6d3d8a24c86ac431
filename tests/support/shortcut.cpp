#include "tests/support/shortcut.h"

#include <windows.h>
#include <objidl.h>
#include <shlobj.h>

#include <vector>

namespace velmora::test {
namespace {

template <typename Interface>
class ComPtr {
  public:
    ComPtr() = default;
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ~ComPtr() {
        if (pointer_)
            pointer_->Release();
    }
    Interface* operator->() const { return pointer_; }
    Interface** put() { return &pointer_; }
    void** put_void() { return reinterpret_cast<void**>(&pointer_); }

  private:
    Interface* pointer_ = nullptr;
};

std::vector<wchar_t> Wide(const std::string& text) {
    const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    std::vector<wchar_t> wide(length);
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), length);
    return wide;
}

}  // namespace

std::string ReadShortcutTarget(const std::string& linkPath) {
    ComPtr<IShellLinkA> link;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.put_void())))
        return {};
    ComPtr<IPersistFile> file;
    if (FAILED(link->QueryInterface(IID_IPersistFile, file.put_void())) ||
        FAILED(file->Load(Wide(linkPath).data(), STGM_READ)))
        return {};
    char target[MAX_PATH] = {};
    if (FAILED(link->GetPath(target, sizeof(target), nullptr, 0)))
        return {};
    return target;
}

bool CreateShortcutFile(const std::string& linkPath, const std::string& targetPath) {
    ComPtr<IShellLinkA> link;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.put_void())))
        return false;
    if (FAILED(link->SetPath(targetPath.c_str())))
        return false;
    ComPtr<IPersistFile> file;
    if (FAILED(link->QueryInterface(IID_IPersistFile, file.put_void())))
        return false;
    return SUCCEEDED(file->Save(Wide(linkPath).data(), TRUE));
}

}  // namespace velmora::test
