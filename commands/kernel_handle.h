// Owns a kernel object handle (file, process, thread), closed with CloseHandle.
#pragma once

#include <windows.h>

#include <utility>

namespace velmora {

class KernelHandle {
  public:
    KernelHandle() noexcept = default;
    // INVALID_HANDLE_VALUE, which CreateFileA returns on failure, is held as null.
    explicit KernelHandle(HANDLE owned) noexcept : handle_(owned == INVALID_HANDLE_VALUE ? nullptr : owned) {}
    ~KernelHandle() { reset(); }
    KernelHandle(KernelHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    KernelHandle& operator=(KernelHandle&& other) noexcept {
        if (this != &other) {
            reset();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }
    KernelHandle(const KernelHandle&) = delete;
    KernelHandle& operator=(const KernelHandle&) = delete;

    HANDLE get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != nullptr; }
    HANDLE release() noexcept { return std::exchange(handle_, nullptr); }
    void reset() noexcept {
        if (handle_ != nullptr) {
            CloseHandle(std::exchange(handle_, nullptr));
        }
    }

  private:
    HANDLE handle_ = nullptr;
};

}  // namespace velmora
