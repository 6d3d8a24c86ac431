// The shell's process, opened with only what reading its list view needs.
#pragma once

#include <windows.h>

#include <utility>

#include "app/dll_commands.h"

namespace velmora {

enum class RecordLayout { k32, k64 };

class ShellProcess {
  public:
    static ShellProcess Open(DWORD processId) noexcept {
        return ShellProcess(
            OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE | PROCESS_QUERY_LIMITED_INFORMATION,
                        FALSE, processId));
    }

    ShellProcess(ShellProcess&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    ShellProcess& operator=(ShellProcess&& other) noexcept {
        if (this != &other) {
            Close();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }
    ShellProcess(const ShellProcess&) = delete;
    ShellProcess& operator=(const ShellProcess&) = delete;
    ~ShellProcess() { Close(); }

    explicit operator bool() const noexcept { return handle_ != nullptr; }
    HANDLE get() const noexcept { return handle_; }

  private:
    explicit ShellProcess(HANDLE handle) : handle_(handle) {}
    void Close() noexcept {
        if (handle_)
            CallDllCommand(kCloseHandle, handle_);
        handle_ = nullptr;
    }

    HANDLE handle_ = nullptr;
};

// The item record layout the process expects: 64-bit for a native process of a 64-bit Windows,
// 32-bit for a 32-bit Windows or a process under WOW64. False when it cannot be told.
bool RecordLayoutOf(HANDLE process, RecordLayout& layout) noexcept;

}  // namespace velmora
