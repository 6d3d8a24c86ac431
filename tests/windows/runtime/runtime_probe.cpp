// A small program on the runtime frame, driven by the frame tests: its first argument picks what it
// does, its second names a file where it reports what happened.
#include <windows.h>
#include <shellapi.h>
#include <winnetwk.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "runtime/dll_command.h"
#include "runtime/dll_commands.h"
#include "runtime/end_program.h"
#include "runtime/entry_points.h"
#include "runtime/exit_routines.h"
#include "runtime/heap.h"
#include "runtime/idle_callbacks.h"
#include "runtime/message_loop.h"
#include "runtime/program_header.h"
#include "runtime/runtime_service.h"
#include "tests/support/probe_report.h"
#include "tests/windows/runtime/probe_window_engine.h"

namespace velmora {
namespace {

using NumberFunction = int WINAPI(int, int);

constexpr DllCommand<decltype(::GetTickCount)> kGetTickCount{0, "", "GetTickCount"};
constexpr DllCommand<decltype(::GetSystemMetrics)> kGetSystemMetrics{1, "", "GetSystemMetrics"};
constexpr DllCommand<decltype(::DragAcceptFiles)> kDragAcceptFiles{2, "", "DragAcceptFiles"};
constexpr DllCommand<NumberFunction> kAddByName{3, "runtime_test_exports.dll", "AddNumbers"};
constexpr DllCommand<NumberFunction> kMultiplyByOrdinal{4, "runtime_test_exports.dll", "#7"};
constexpr DllCommand<NumberFunction> kMissingDefault{5, "", "NoSuchExportAnywhere"};
constexpr DllCommand<NumberFunction> kMissingNamed{6, "runtime_test_exports.dll", "NoSuchExport"};
// Mpr is a system library that is no known DLL, so nothing but the search order keeps a planted one out.
constexpr DllCommand<decltype(::WNetGetConnectionA)> kMprNamed{7, "Mpr", "WNetGetConnectionA"};
constexpr DllCommand<decltype(::WNetGetConnectionA)> kMprDefault{8, "", "WNetGetConnectionA"};

const char* const kDllFiles[] = {kGetTickCount.fileName, kGetSystemMetrics.fileName,  kDragAcceptFiles.fileName,
                                 kAddByName.fileName,    kMultiplyByOrdinal.fileName, kMissingDefault.fileName,
                                 kMissingNamed.fileName, kMprNamed.fileName,          kMprDefault.fileName};
const char* const kDllNames[] = {
    kGetTickCount.commandName, kGetSystemMetrics.commandName,  kDragAcceptFiles.commandName,
    kAddByName.commandName,    kMultiplyByOrdinal.commandName, kMissingDefault.commandName,
    kMissingNamed.commandName, kMprNamed.commandName,          kMprDefault.commandName};

// A library that tells the report when it hears of the start and of the end.
int32_t NotifyProbeLibrary(int32_t code, uint32_t first, uint32_t) {
    if (code == kNotifyStartup) {
        Report(first != 0 ? "S" : "s");
    } else if (code == kNotifyProgramEnds) {
        Report("E");
    }
    return 0;
}

const UnitDescriptor kProbeUnits[] = {
    {"探测", "Probe", "", kUnitNoWindow, 0, nullptr, 0, nullptr, 0, nullptr, nullptr, 0, 0, 0},
};

const LibraryDescriptor kProbeLibrary = {
    kLibraryMagic, "0123456789ABCDEF0123456789ABCDEF", 1, 0, "probe", 1, kProbeUnits, 0, nullptr, NotifyProbeLibrary,
};
const LibraryDescriptor* const kLibraries[] = {&kProbeLibrary};

void ExitRoutineA() {
    Report("A");
}
void ExitRoutineB() {
    Report("B");
}
DWORD mainThread = 0;
void ExitRoutineOnMainThread() {
    Report(GetCurrentThreadId() == mainThread ? "M" : "T");
}

void RegisterExit(ExitRoutine routine) {
    kEntryPoints.supportDispatch(kSupportRegisterExitRoutine, routine);
}

void WaitForMessages() {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        DispatchMessageA(&message);
    }
}

DWORD WINAPI EndFromThread(void*) {
    EndProgram(7);
}

void CallDllCommands() {
    Report("tick=" + std::string(CallDllCommand(kGetTickCount) != 0 ? "ok" : "zero"));
    Report(" metrics=" + std::to_string(CallDllCommand(kGetSystemMetrics, SM_CMONITORS)));
    CallDllCommand(kDragAcceptFiles, nullptr, FALSE);
    Report(" shell=ok");
    Report(" add=" + std::to_string(CallDllCommand(kAddByName, 2, 3)));
    Report(" multiply=" + std::to_string(CallDllCommand(kMultiplyByOrdinal, 3, 4)));
    Report(" again=" + std::to_string(CallDllCommand(kAddByName, 20, 22)));
}

std::string DirectoryOf(const std::string& path) {
    return path.substr(0, path.rfind('\\'));
}

std::string ModulePath(HMODULE module) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(module, path, sizeof(path));
    return path;
}

// "P" for a module from the program's own directory, "S" for one from elsewhere, "-" for none.
std::string WhereFrom(HMODULE module) {
    if (module == nullptr) {
        return "-";
    }
    const std::string programDirectory = DirectoryOf(ModulePath(nullptr));
    const std::string moduleDirectory = DirectoryOf(ModulePath(module));
    return CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, programDirectory.c_str(), -1, moduleDirectory.c_str(),
                          -1) == CSTR_EQUAL
               ? "P"
               : "S";
}

std::string WhereFrom(const void* address) {
    HMODULE module = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       static_cast<const char*>(address), &module);
    return WhereFrom(module);
}

// Run with an Mpr.dll planted beside the probe: a library loaded by bare name (as a delay-load
// would), the declared "Mpr" and the default modules all come from the system directory.
void ReportSystemLibraries() {
    const HMODULE bare = LoadLibraryA("Mpr.dll");
    Report("bare=" + WhereFrom(bare));
    if (bare != nullptr) {
        FreeLibrary(bare);
    }
    Report(" named=" + WhereFrom(ResolveDllCommand(kMprNamed.index)));
    Report(" default=" + WhereFrom(ResolveDllCommand(kMprDefault.index)));
}

// Once idle events have started, the first call closes the first window, the next the second.
void CloseProbeWindows(uintptr_t) noexcept {
    if (ProbeIdleEventCount() == 0) {
        return;
    }
    for (int i = 0; i < 2; ++i) {
        if (HWND window = ProbeWindow(i); window != nullptr) {
            DestroyWindow(window);
            return;
        }
    }
}

void RunWindows() {
    RegisterExit(ExitRoutineA);
    kEntryPoints.loadStartupWindow(kProbeWindowId);
    const IdleCallback callback{ProbeWindow(1), CloseProbeWindows, 0};
    RuntimeService(1012, static_cast<uint32_t>(reinterpret_cast<uintptr_t>(&callback)), 0);
    RuntimeService(1012, static_cast<uint32_t>(reinterpret_cast<uintptr_t>(&callback)), 0);
    Report(std::to_string(RuntimeService(2032, 0, 0)));
    kEntryPoints.runMessageLoop();
    Report("L");
}

void CALLBACK ReleaseOnTimer(HWND window, UINT, UINT_PTR timer, DWORD) {
    KillTimer(window, timer);
    Report(NestedMessageLoopWaitsFor(kProbeWindowId) ? "W" : "w");
    ReleaseNestedMessageLoop();
}

// A nested loop leaves WM_QUIT for the main loop, and ends when it is released.
void RunNestedLoops() {
    kEntryPoints.loadStartupWindow(kProbeWindowId);
    PostQuitMessage(0);
    RunNestedMessageLoop(kProbeWindowId);
    MSG message;
    Report(PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE) ? "Q" : "q");
    PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    SetTimer(ProbeWindow(0), 1, 10, ReleaseOnTimer);
    RunNestedMessageLoop(kProbeWindowId);
    Report("R");
}

void ReportServices() {
    const ValueRecord byteValue{0x1FF, 0, kTypeByte};
    const auto address = [](const void* pointer) {
        return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(pointer));
    };
    Report(std::to_string(RuntimeService(1004, 0, 0)) + " " + std::to_string(RuntimeService(1005, 0, 0)) + " " +
           std::to_string(RuntimeService(2030, 0, 0)) + " " +
           std::to_string(RuntimeService(2001, address(&byteValue), 0)) + " " +
           std::to_string(RuntimeService(9999, 1, 2)) + " " +
           (RuntimeService(1002, 0x00010001, 0) == static_cast<int32_t>(address(&kProbeUnits[0])) ? "U" : "u") +
           std::to_string(RuntimeService(1002, 0x00010002, 0)) + std::to_string(RuntimeService(1002, 0x00020001, 0)));
    const auto* directory = reinterpret_cast<const char*>(static_cast<uintptr_t>(RuntimeService(2003, 0, 0)));
    const auto* fileName = reinterpret_cast<const char*>(static_cast<uintptr_t>(RuntimeService(2004, 0, 0)));
    Report(std::string(" ") + directory + "|" + fileName);
    void* quiet = reinterpret_cast<void*>(static_cast<uintptr_t>(RuntimeService(2024, 2000000000, 1)));
    Report(quiet == nullptr ? " quiet" : " allocated");
}

void RunScenario(const std::string& scenario) {
    if (scenario == "exit-routines") {
        RegisterExit(ExitRoutineA);
        RegisterExit(ExitRoutineB);
        RegisterExit(ExitRoutineA);
        kEntryPoints.runMessageLoop();
    } else if (scenario == "runtime-error") {
        RegisterExit(ExitRoutineA);
        kEntryPoints.raiseRuntimeError(6, 0x04010039, 105);
    } else if (scenario == "allocation") {
        kEntryPoints.heapAllocate(2000000000);
    } else if (scenario == "startup-window") {
        kEntryPoints.loadStartupWindow(0x52010001);
    } else if (scenario == "current-directory") {
        char directory[MAX_PATH] = {};
        GetCurrentDirectoryA(sizeof(directory), directory);
        Report(directory);
    } else if (scenario == "end-from-thread") {
        mainThread = GetCurrentThreadId();
        RegisterExit(ExitRoutineOnMainThread);
        HANDLE thread = CreateThread(nullptr, 0, EndFromThread, nullptr, 0, nullptr);
        CloseHandle(thread);
        WaitForMessages();
    } else if (scenario == "windows") {
        RunWindows();
    } else if (scenario == "nested-loops") {
        RunNestedLoops();
    } else if (scenario == "services") {
        ReportServices();
    } else if (scenario == "dll") {
        CallDllCommands();
    } else if (scenario == "system-libraries") {
        ReportSystemLibraries();
    } else if (scenario == "dll-missing-default") {
        CallDllCommand(kMissingDefault, 1, 2);
    } else if (scenario == "dll-missing-named") {
        CallDllCommand(kMissingNamed, 1, 2);
    }
}

int32_t ProbeEntry() {
    if (__argc >= 3) {
        SetReportFile(__argv[2]);
    }
    kEntryPoints.supportDispatch(kSupportInitRuntime);
    RunScenario(__argc >= 2 ? __argv[1] : "");
    return 0;
}

const ProgramHeader kHeader = {
    3, 0, 0x10499, nullptr, nullptr, 0, nullptr, 0, 1, kLibraries, 9, kDllFiles, kDllNames,
};

}  // namespace

const ProgramImage kProgramImage = {&kHeader, ProbeEntry, &ProbeWindowEngine()};

}  // namespace velmora
