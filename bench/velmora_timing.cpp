#include "bench/velmora_timing.h"

#include <psapi.h>

#include <gtest/gtest.h>

#include "bench/stopwatch.h"
#include "tests/support/ui_driver.h"

namespace velmora::bench {
namespace {

constexpr char kMessageBoxClass[] = "#32770";

HWND ShownMessageBox(DWORD processId) {
    for (HWND box = FindWindowExA(nullptr, nullptr, kMessageBoxClass, nullptr); box;
         box = FindWindowExA(nullptr, box, kMessageBoxClass, nullptr)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(box, &owner);
        if (owner == processId && IsWindowVisible(box))
            return box;
    }
    return nullptr;
}

}  // namespace

bool ReadyForClick(test::VelmoraApp& app) {
    SetForegroundWindow(app.window());
    if (!test::WaitFor("Velmora's window to be active", test::kDefaultTimeoutMs,
                       [&] { return GetForegroundWindow() == app.window(); }))
        return false;
    if (WaitForInputIdle(app.process().get(), test::kDefaultTimeoutMs) != 0) {
        ADD_FAILURE() << "Velmora did not become ready for input";
        return false;
    }
    return true;
}

std::optional<TimedAnswer> TimeClickToMessageBox(test::VelmoraApp& app, HWND button) {
    const DWORD processId = app.process().id();
    const Stopwatch watch;
    test::Click(button);
    // A poll of its own: the figure must not carry the 20 ms steps of the tests' waits.
    const ULONGLONG deadline = GetTickCount64() + kAnswerTimeoutMs;
    HWND shown = ShownMessageBox(processId);
    while (!shown && GetTickCount64() < deadline) {
        Sleep(1);
        shown = ShownMessageBox(processId);
    }
    const double seconds = watch.Seconds();
    if (!shown) {
        ADD_FAILURE() << "no message box from Velmora within " << kAnswerTimeoutMs << " ms";
        return std::nullopt;
    }
    auto box = test::WaitForMessageBox(processId);
    if (!box || !test::AnswerMessageBox(*box, IDOK))
        return std::nullopt;
    return TimedAnswer{seconds, box->text};
}

size_t PeakWorkingSet(HANDLE process) {
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof(counters);
    if (!GetProcessMemoryInfo(process, &counters, sizeof(counters))) {
        ADD_FAILURE() << "cannot read the memory counters (error " << GetLastError() << ")";
        return 0;
    }
    return counters.PeakWorkingSetSize;
}

}  // namespace velmora::bench
