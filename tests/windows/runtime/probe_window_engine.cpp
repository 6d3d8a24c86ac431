#include "tests/windows/runtime/probe_window_engine.h"

#include "runtime/message_loop.h"
#include "tests/support/probe_report.h"

namespace velmora {
namespace {

HWND windows[2] = {};
int idleEvents = 0;

LRESULT CALLBACK ProbeWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    if (message == WM_DESTROY) {
        for (int i = 0; i < 2; ++i) {
            if (windows[i] == window) {
                windows[i] = nullptr;
                Report(std::to_string(i + 1));
            }
        }
        QuitWhenNoWindowIsLeft();
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

bool LoadProbeWindows(uint32_t windowId) noexcept {
    if (windowId != kProbeWindowId) {
        return false;
    }
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = ProbeWindowProcedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "ProbeWindow";
    RegisterClassA(&windowClass);
    for (HWND& window : windows) {
        window = CreateWindowExA(0, "ProbeWindow", "probe", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200, 100, nullptr,
                                 nullptr, windowClass.hInstance, nullptr);
        if (window == nullptr) {
            return false;
        }
    }
    return true;
}

bool AnyProbeWindowAlive() noexcept {
    return IsWindow(windows[0]) || IsWindow(windows[1]);
}

int32_t ProbeService(int32_t code, uint32_t first, uint32_t) noexcept {
    if (code == 2032) {
        return (windows[0] != nullptr) + (windows[1] != nullptr);
    }
    if (code == 2033 && first < 2) {
        return static_cast<int32_t>(reinterpret_cast<uintptr_t>(windows[first]));
    }
    return 0;
}

void StartIdlePeriod() noexcept {}

// Each live window's idle handler asks for more time.
bool RaiseIdleEvents(uint32_t) noexcept {
    if (idleEvents++ == 0) {
        Report("i");
    }
    return AnyProbeWindowAlive();
}

const WindowEngine kEngine = {
    nullptr,      nullptr,         LoadProbeWindows, AnyProbeWindowAlive,
    ProbeService, StartIdlePeriod, RaiseIdleEvents,  nullptr,
    nullptr,      nullptr,         nullptr,          nullptr,
    nullptr,
};

}  // namespace

const WindowEngine& ProbeWindowEngine() {
    return kEngine;
}

HWND ProbeWindow(int index) {
    return windows[index];
}

int ProbeIdleEventCount() {
    return idleEvents;
}

}  // namespace velmora
