#include "commands/run_program.h"

#include <windows.h>

#include <algorithm>
#include <cstring>

#include "commands/command_values.h"
#include "commands/heap_buffer.h"
#include "commands/kernel_handle.h"
#include "commands/runtime_link.h"

namespace velmora {
namespace {

constexpr DWORD kInputIdleWaitMs = 1000;

// Indexed by window mode 1 to 6.
constexpr WORD kShowCommands[] = {SW_HIDE,          SW_SHOWNORMAL,     SW_SHOWMINIMIZED,
                                  SW_SHOWMAXIMIZED, SW_SHOWNOACTIVATE, SW_MINIMIZE};

// The caller is the window thread: a child that sends to top-level windows (a broadcast, a DDE
// conversation) waits for it, so its messages keep running until the child ends.
void WaitForExit(HANDLE process) noexcept {
    for (;;) {
        CallRuntimeService(kServiceProcessMessages);
        if (MsgWaitForMultipleObjects(1, &process, FALSE, INFINITE, QS_ALLINPUT) != WAIT_OBJECT_0 + 1) {
            return;
        }
    }
}

}  // namespace

uint32_t StartProgram(const char* commandLine, bool wait, int32_t windowMode) noexcept {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = kShowCommands[std::clamp(windowMode, 1, 6) - 1];
    // CreateProcessA may write into the command line.
    HeapBuffer writable;
    writable.Append(commandLine, static_cast<uint32_t>(std::strlen(commandLine)) + 1);
    PROCESS_INFORMATION started{};
    if (!CreateProcessA(nullptr, writable.get(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started)) {
        return 0;
    }
    const KernelHandle process(started.hProcess);
    const KernelHandle thread(started.hThread);
    if (wait) {
        WaitForExit(process.get());
    } else {
        WaitForInputIdle(process.get(), kInputIdleWaitMs);
    }
    return started.dwProcessId;
}

void RunProgram(ValueRecord* result, int32_t argCount, ValueRecord* args) noexcept {
    const ValueRecord& mode = Arg(argCount, args, 2);
    const uint32_t processId = StartProgram(ArgText(Arg(argCount, args, 0)), ArgInteger(Arg(argCount, args, 1)) != 0,
                                            IsOmitted(mode) ? 2 : ArgInteger(mode));
    SetBoolean(result, processId != 0);
}

}  // namespace velmora
