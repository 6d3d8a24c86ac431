// Owns a FindFirstFileA search handle, closed with FindClose.
#pragma once

#include <windows.h>

#include <utility>

namespace velmora {

class FindHandle {
  public:
    FindHandle() noexcept = default;
    explicit FindHandle(HANDLE owned) noexcept : handle_(owned) {}
    ~FindHandle() { reset(); }
    FindHandle(FindHandle&& other) noexcept : handle_(std::exchange(other.handle_, INVALID_HANDLE_VALUE)) {}
    FindHandle& operator=(FindHandle&& other) noexcept {
        if (this != &other) {
            reset();
            handle_ = std::exchange(other.handle_, INVALID_HANDLE_VALUE);
        }
        return *this;
    }
    FindHandle(const FindHandle&) = delete;
    FindHandle& operator=(const FindHandle&) = delete;

    HANDLE get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE release() noexcept { return std::exchange(handle_, INVALID_HANDLE_VALUE); }
    void reset() noexcept {
        if (handle_ != INVALID_HANDLE_VALUE) {
            FindClose(std::exchange(handle_, INVALID_HANDLE_VALUE));
        }
    }

  private:
    HANDLE handle_ = INVALID_HANDLE_VALUE;
};

}  // namespace velmora
