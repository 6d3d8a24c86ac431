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

}  // namespace
}  // namespace velmora

// The entry routine runs the whole program, the message loop included; when it returns the program is
// over and ends normally with exit code 0, whatever the routine returned.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    using namespace velmora;
    Application& app = App();
    app.image = &kProgramImage;
    app.mainThreadId = GetCurrentThreadId();
    StoreProgramDirectory(app);
    kProgramImage.entryRoutine();
    EndProgram(0);
}
