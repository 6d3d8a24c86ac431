// Owners of the user-interface handles the window engine makes itself: menus, accelerator tables and
// cursors made from template data. One type per handle kind.
#pragma once

#include <windows.h>

#include <utility>

namespace velmora {

template <typename Handle, BOOL(WINAPI* Destroy)(Handle)>
class UniqueUserHandle {
  public:
    UniqueUserHandle() noexcept = default;
    explicit UniqueUserHandle(Handle handle) noexcept : handle_(handle) {}
    UniqueUserHandle(const UniqueUserHandle&) = delete;
    UniqueUserHandle& operator=(const UniqueUserHandle&) = delete;
    UniqueUserHandle(UniqueUserHandle&& other) noexcept : handle_(other.release()) {}
    UniqueUserHandle& operator=(UniqueUserHandle&& other) noexcept {
        if (this != &other) {
            reset(other.release());
        }
        return *this;
    }
    ~UniqueUserHandle() { reset(); }

    Handle get() const noexcept { return handle_; }
    Handle release() noexcept { return std::exchange(handle_, nullptr); }
    void reset(Handle handle = nullptr) noexcept {
        if (handle_ != nullptr) {
            Destroy(handle_);
        }
        handle_ = handle;
    }
    explicit operator bool() const noexcept { return handle_ != nullptr; }

  private:
    Handle handle_ = nullptr;
};

using MenuHandle = UniqueUserHandle<HMENU, DestroyMenu>;
using AcceleratorTable = UniqueUserHandle<HACCEL, DestroyAcceleratorTable>;
using CursorHandle = UniqueUserHandle<HCURSOR, DestroyCursor>;

}  // namespace velmora
