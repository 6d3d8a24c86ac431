// The process entry: the small application framework that stands where a framework's WinMain would.
#include <windows.h>

#include "runtime/application.h"
#include "runtime/end_program.h"

namespace velmora {
namespace {

// The directory as the application object keeps it before InitRuntime: cut after the last backslash,
// the backslash kept.
void StoreProgramDirectory(Application& app) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof(path));
    const std::string modulePath = path;
    app.programDirectory = modulePath.substr(0, modulePath.rfind('\\') + 1);
}

// Where Windows has it (8, or 7 with KB2533623; looked up by name for the others), no library that
// is loaded by name, delay-loaded or loaded for COM comes from the program's folder: only the system
// directory is searched. Libraries the program names with a path still load.
void SearchLibrariesInTheSystemDirectoryOnly() {
    using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);
    const HMODULE kernel = GetModuleHandleA("kernel32.dll");
    // void (*)() is the generic function pointer type that converts to any other without a warning.
    const auto setDefaultDllDirectories = reinterpret_cast<SetDefaultDllDirectoriesFunction>(
        reinterpret_cast<void (*)()>(GetProcAddress(kernel, "SetDefaultDllDirectories")));
    if (setDefaultDllDirectories != nullptr) {
        setDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    }
}

}  // namespace
}  // namespace velmora

// The entry routine runs the whole program, the message loop included; when it returns the program is
// over and ends normally with exit code 0, whatever the routine returned.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    using namespace velmora;
    SearchLibrariesInTheSystemDirectoryOnly();
    Application& app = App();
    app.image = &kProgramImage;
    app.mainThreadId = GetCurrentThreadId();
    StoreProgramDirectory(app);
    kProgramImage.entryRoutine();
    EndProgram(0);
}
