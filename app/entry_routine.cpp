#include "app/entry_routine.h"

#include "app/command_line/command_line_run.h"
#include "app/program_variables.h"
#include "runtime/entry_points.h"

namespace velmora {

// With arguments the job is done without the window: after the runtime's start-up, which the
// library commands need and which shows nothing (its owner window stays hidden), and before the
// window is loaded.
int32_t EntryRoutine() {
    const CommandLineRequest request = ReadCommandLine();
    kEntryPoints.supportDispatch(kSupportInitRuntime);
    CreateProgramVariables();
    kEntryPoints.supportDispatch(kSupportRegisterExitRoutine, &ExitCleanup);
    if (IsCommandLineRun(request))
        kEntryPoints.endProgram(RunCommandLine(request));
    kEntryPoints.loadStartupWindow(kMainWindowId);
    kEntryPoints.runMessageLoop();
    return 0;
}

}  // namespace velmora
