#include "runtime/hidden_owner_window.h"

#include "runtime/end_program.h"
#include "runtime/window_handle.h"

namespace velmora {
namespace {

constexpr char kClassName[] = "_QV_HideOwner";

WindowHandle& OwnerWindow() {
    static WindowHandle window;
    return window;
}

LRESULT CALLBACK HiddenOwnerProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    if (message == kEndProgramMessage) {
        EndProgram(static_cast<int32_t>(wParam));
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

bool RegisterOwnerClass(HINSTANCE instance) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = HiddenOwnerProcedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    windowClass.lpszClassName = kClassName;
    return RegisterClassA(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

bool CreateHiddenOwnerWindow() noexcept {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    if (!RegisterOwnerClass(instance)) {
        return false;
    }
    OwnerWindow().reset(
        CreateWindowExA(WS_EX_TOOLWINDOW, kClassName, "", 0, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr));
    return static_cast<bool>(OwnerWindow());
}

void DestroyHiddenOwnerWindow() noexcept {
    OwnerWindow().reset(nullptr);
}

HWND HiddenOwnerWindow() noexcept {
    return OwnerWindow().get();
}

}  // namespace velmora
