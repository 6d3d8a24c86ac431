// Owns an icon made from picture data, destroyed with DestroyIcon.
#pragma once

#include <windows.h>

#include <utility>

namespace velmora {

class IconHandle {
  public:
    IconHandle() noexcept = default;
    explicit IconHandle(HICON owned) noexcept : handle_(owned) {}
    ~IconHandle() { reset(); }
    IconHandle(IconHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    IconHandle& operator=(IconHandle&& other) noexcept {
        if (this != &other) {
            reset();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }
    IconHandle(const IconHandle&) = delete;
    IconHandle& operator=(const IconHandle&) = delete;

    HICON get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != nullptr; }
    HICON release() noexcept { return std::exchange(handle_, nullptr); }
    void reset() noexcept {
        if (handle_ != nullptr) {
            DestroyIcon(std::exchange(handle_, nullptr));
        }
    }

  private:
    HICON handle_ = nullptr;
};

}  // namespace velmora
