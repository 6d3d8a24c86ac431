#include <windows.h>

#include "runtime/end_program.h"
#include "runtime/exit_routines.h"
#include "runtime/nested_calls.h"
#include "runtime/runtime_error_report.h"

namespace velmora {

// The raised counter keeps events away from the program while the box's own loop runs. From
// another thread the box shows on that thread and EndProgram hands the end to the main thread.
void ShowRuntimeErrorAndEnd(const std::string& text) noexcept {
    EnterNestedCall();
    MessageBoxA(nullptr, text.c_str(), "错误", MB_ICONERROR);
    DiscardExitRoutines();
    EndProgram(-1);
}

}  // namespace velmora
