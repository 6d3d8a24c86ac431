#include "runtime/init_runtime.h"

#include <windows.h>
#include <ole2.h>

#include "runtime/application.h"
#include "runtime/constant_data.h"
#include "runtime/dll_commands.h"
#include "runtime/hidden_owner_window.h"
#include "runtime/runtime_error.h"
#include "runtime/runtime_service.h"

namespace velmora {
namespace {

void TakeProgramPath(Application& app) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof(path));
    const std::string modulePath = path;
    const size_t slash = modulePath.rfind('\\');
    app.programDirectory = slash == std::string::npos ? std::string() : modulePath.substr(0, slash);
    app.programFileName = slash == std::string::npos ? modulePath : modulePath.substr(slash + 1);
    SetCurrentDirectoryA(app.programDirectory.c_str());
}

void StartLibraries(Application& app, const ProgramHeader& header) {
    for (int32_t i = 0; i < header.libraryCount; ++i) {
        const LibraryDescriptor* library = header.libraries[i];
        int32_t value = 0;
        if (library->notify != nullptr) {
            const RuntimeServiceEntry service = RuntimeService;
            value = library->notify(kNotifyStartup, static_cast<uint32_t>(reinterpret_cast<uintptr_t>(service)), 0);
        }
        app.libraryValues.Append(value);
    }
}

void ReadWindowTemplates(const ProgramHeader& header) {
    if (header.templateDataSize == 0) {
        return;
    }
    const WindowEngine* engine = Engine();
    if (engine == nullptr || engine->readTemplates == nullptr ||
        !engine->readTemplates(header.templateData, header.templateDataSize, header.codeBase)) {
        ReportRuntimeError("载入窗口模板数据段出错!", 0, 0, 0);
    }
}

}  // namespace

// All value memory comes from the process heap, which the heap backend uses directly; there is no
// other heap to take.
void InitRuntime() noexcept {
    Application& app = App();
    const ProgramHeader& header = Header();
    app.buildMode = header.buildMode;
    app.reserved = header.reserved;
    app.nextIdentifier = header.highestIdentifier + 1;
    if (!app.oleInitialised && SUCCEEDED(OleInitialize(nullptr))) {
        app.oleInitialised = true;
    }
    TakeProgramPath(app);
    CreateHiddenOwnerWindow();
    app.mainThreadId = GetCurrentThreadId();
    if (header.constantDataSize != 0) {
        SetConstantData(header.constantData, header.constantDataSize);
    }
    if (header.dllCommandCount > 0) {
        SetDllCommands(header.dllCommandCount, header.dllFileNames, header.dllCommandNames);
    }
    StartLibraries(app, header);
    if (const WindowEngine* engine = Engine(); engine != nullptr && engine->recordTags != nullptr) {
        SetRecordTagFinder(engine->recordTags);
    }
    ReadWindowTemplates(header);
}

void LoadStartupWindow(uint32_t windowId) noexcept {
    const WindowEngine* engine = Engine();
    if (engine == nullptr || engine->loadStartupWindow == nullptr || !engine->loadStartupWindow(windowId)) {
        ReportRuntimeError("载入启动窗口失败", 0, windowId, 0);
    }
}

}  // namespace velmora
