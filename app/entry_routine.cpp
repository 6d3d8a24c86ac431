#include "app/entry_routine.h"

#include "app/program_variables.h"
#include "runtime/entry_points.h"

namespace velmora {

int32_t EntryRoutine() {
    kEntryPoints.supportDispatch(kSupportInitRuntime);
    CreateProgramVariables();
    kEntryPoints.supportDispatch(kSupportRegisterExitRoutine, &ExitCleanup);
    kEntryPoints.loadStartupWindow(kMainWindowId);
    kEntryPoints.runMessageLoop();
    return 0;
}

}  // namespace velmora
