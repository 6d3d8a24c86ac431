// A window the runtime created itself, destroyed with DestroyWindow.
#pragma once

#include <windows.h>

#include <utility>

namespace velmora {

class WindowHandle {
  public:
    WindowHandle() = default;
    explicit WindowHandle(HWND window) : window_(window) {}
    WindowHandle(const WindowHandle&) = delete;
    WindowHandle& operator=(const WindowHandle&) = delete;
    WindowHandle(WindowHandle&& other) noexcept : window_(other.release()) {}
    WindowHandle& operator=(WindowHandle&& other) noexcept {
        if (this != &other) {
            reset(other.release());
        }
        return *this;
    }
    ~WindowHandle() { reset(nullptr); }

    HWND get() const noexcept { return window_; }
    HWND release() noexcept { return std::exchange(window_, nullptr); }
    void reset(HWND window) noexcept {
        if (window_ != nullptr) {
            DestroyWindow(window_);
        }
        window_ = window;
    }
    explicit operator bool() const noexcept { return window_ != nullptr; }

  private:
    HWND window_ = nullptr;
};

}  // namespace velmora
