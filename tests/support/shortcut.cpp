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

}  // namespace

bool CreateShortcutFile(const std::string& linkPath, const std::string& targetPath) {
    ComPtr<IShellLinkA> link;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.put_void())))
        return false;
    if (FAILED(link->SetPath(targetPath.c_str())))
        return false;
    ComPtr<IPersistFile> file;
    if (FAILED(link->QueryInterface(IID_IPersistFile, file.put_void())))
        return false;
    const int length = MultiByteToWideChar(CP_ACP, 0, linkPath.c_str(), -1, nullptr, 0);
    std::vector<wchar_t> widePath(length);
    MultiByteToWideChar(CP_ACP, 0, linkPath.c_str(), -1, widePath.data(), length);
    return SUCCEEDED(file->Save(widePath.data(), TRUE));
}

}  // namespace velmora::test
