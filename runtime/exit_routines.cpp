#include "runtime/exit_routines.h"

#include "runtime/heap_list.h"

namespace velmora {
namespace {

HeapList<ExitRoutine>& Routines() {
    static HeapList<ExitRoutine> routines;
    return routines;
}

}  // namespace

void RegisterExitRoutine(ExitRoutine routine) noexcept {
    for (ExitRoutine registered : Routines()) {
        if (registered == routine) {
            return;
        }
    }
    Routines().Append(routine);
}

// A routine that registers another while the list runs appends to it; the index walk sees it.
void RunExitRoutines() noexcept {
    HeapList<ExitRoutine>& routines = Routines();
    for (uint32_t i = 0; i < routines.Count(); ++i) {
        routines[i]();
    }
    routines.Clear();
}

void DiscardExitRoutines() noexcept {
    Routines().Clear();
}

}  // namespace velmora
