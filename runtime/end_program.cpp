#include "runtime/end_program.h"

#include <windows.h>
#include <ole2.h>

#include "runtime/application.h"
#include "runtime/constant_data.h"
#include "runtime/dll_commands.h"
#include "runtime/exit_routines.h"
#include "runtime/hidden_owner_window.h"
#include "runtime/idle_callbacks.h"
#include "runtime/nested_calls.h"

namespace velmora {
namespace {

void NotifyLibrariesOfTheEnd() {
    const ProgramHeader& header = Header();
    Application& app = App();
    for (int32_t i = 0; i < header.libraryCount; ++i) {
        const LibraryDescriptor* library = header.libraries[i];
        const auto index = static_cast<uint32_t>(i);
        const int32_t value = index < app.libraryValues.Count() ? app.libraryValues[index] : 0;
        if (library->notify != nullptr) {
            library->notify(kNotifyProgramEnds, static_cast<uint32_t>(value), 0);
        }
    }
    app.libraryValues.Clear();
}

// The runtime has no sockets, sounds, cached images or ActiveX registrations of its own, so only
// what it did acquire is given back here.
void ShutDown() {
    Application& app = App();
    app.ending = true;
    ClearIdleCallbacks();
    if (const WindowEngine* engine = Engine(); engine != nullptr && engine->freeTemplates != nullptr) {
        engine->freeTemplates();
    }
    RunExitRoutines();
    if (app.image != nullptr) {
        NotifyLibrariesOfTheEnd();
    }
    FreeDllCommandModules();
    ForgetConstantData();
    DestroyHiddenOwnerWindow();
    if (app.oleInitialised) {
        OleUninitialize();
        app.oleInitialised = false;
    }
}

}  // namespace

void EndProgram(int32_t exitCode) noexcept {
    EnterNestedCall();
    Application& app = App();
    if (!OnMainThread()) {
        // A sent message: this thread waits while the main thread shuts down and ends the process.
        if (HWND owner = HiddenOwnerWindow(); owner != nullptr) {
            SendMessageA(owner, kEndProgramMessage, static_cast<WPARAM>(exitCode), 0);
        }
        if (!app.ending) {
            ExitProcess(static_cast<UINT>(exitCode));
        }
        // Shutdown is under way on the main thread and ends the process; this thread waits for it.
        for (;;) {
            Sleep(INFINITE);
        }
    }
    // An exit routine or a library that ends the program again must not start a second shutdown.
    if (!app.ending) {
        ShutDown();
    }
    ExitProcess(static_cast<UINT>(exitCode));
}

}  // namespace velmora
