// Owns a window that a component made beside its own (the edit box's spin control). The window may
// already be gone with its parent; then there is nothing left to destroy.
#pragma once

#include <windows.h>

#include <utility>

namespace velmora {

class WindowHandle {
  public:
    WindowHandle() noexcept = default;
    explicit WindowHandle(HWND owned) noexcept : handle_(owned) {}
    ~WindowHandle() { reset(); }
    WindowHandle(WindowHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    WindowHandle& operator=(WindowHandle&& other) noexcept {
        if (this != &other) {
            reset();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }
    WindowHandle(const WindowHandle&) = delete;
    WindowHandle& operator=(const WindowHandle&) = delete;

    HWND get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != nullptr; }
    HWND release() noexcept { return std::exchange(handle_, nullptr); }
    void reset() noexcept {
        const HWND window = std::exchange(handle_, nullptr);
        if (window != nullptr && IsWindow(window)) {
            DestroyWindow(window);
        }
    }

  private:
    HWND handle_ = nullptr;
};

}  // namespace velmora
