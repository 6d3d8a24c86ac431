#include <windows.h>

#include "commands/command_values.h"
#include "commands/runtime_link.h"
#include "commands/shell_commands.h"

namespace velmora {

// Sleeps in MsgWaitForMultipleObjects between passes, so the windows run their events as soon as
// input arrives and no processor is kept busy.
void Delay(ValueRecord*, int32_t argCount, ValueRecord* args) noexcept {
    const int32_t milliseconds = ArgInteger(Arg(argCount, args, 0));
    if (milliseconds <= 0) {
        return;
    }
    const DWORD duration = static_cast<DWORD>(milliseconds);
    const DWORD start = GetTickCount();
    for (;;) {
        CallRuntimeService(kServiceProcessMessages);
        // The difference stays right across the 49.7-day wrap of the tick count.
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed > duration) {
            return;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, duration - elapsed + 1, QS_ALLINPUT);
    }
}

}  // namespace velmora
