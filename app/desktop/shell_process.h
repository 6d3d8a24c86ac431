// The shell's process, opened with only what reading its list view needs.
#pragma once

#include <windows.h>

#include "app/dll_commands.h"
#include "runtime/unique_handle.h"

namespace velmora {

enum class RecordLayout { k32, k64 };

struct ShellProcessTraits {
    using Handle = HANDLE;
    static Handle Empty() noexcept { return nullptr; }
    static void Close(Handle process) noexcept { CallDllCommand(kCloseHandle, process); }
};

class ShellProcess : public UniqueHandle<ShellProcessTraits> {
  public:
    static ShellProcess Open(DWORD processId) noexcept {
        return ShellProcess(CallDllCommand(
            kOpenProcess, PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE | PROCESS_QUERY_LIMITED_INFORMATION,
            FALSE, processId));
    }

  private:
    explicit ShellProcess(HANDLE process) noexcept : UniqueHandle(process) {}
};

// The item record layout the process expects: 64-bit for a native process of a 64-bit Windows,
// 32-bit for a 32-bit Windows or a process under WOW64. False when it cannot be told.
bool RecordLayoutOf(HANDLE process, RecordLayout& layout) noexcept;

}  // namespace velmora
