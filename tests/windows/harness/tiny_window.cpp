// A tiny program for the UI driver's own tests: an edit box and a button; the button shows the box's
// text in a Yes/No message box with the icon named on the command line (error, warning, information,
// question), and the answer becomes the exit code.
#include <windows.h>

#include <cstring>

namespace {

UINT g_iconFlag = MB_ICONINFORMATION;

UINT IconFlagOf(const char* name) {
    if (std::strstr(name, "error"))
        return MB_ICONERROR;
    if (std::strstr(name, "warning"))
        return MB_ICONWARNING;
    if (std::strstr(name, "question"))
        return MB_ICONQUESTION;
    return MB_ICONINFORMATION;
}

constexpr int kEditId = 100;
constexpr int kButtonId = 101;

LRESULT CALLBACK TinyWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    switch (message) {
        case WM_CREATE:
            CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 10, 10, 200, 24,
                            window, reinterpret_cast<HMENU>(kEditId), nullptr, nullptr);
            CreateWindowExA(0, "BUTTON", "确定", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 44, 80, 26, window,
                            reinterpret_cast<HMENU>(kButtonId), nullptr, nullptr);
            return 0;
        case WM_COMMAND:
            if (LOWORD(wParam) == kButtonId && HIWORD(wParam) == BN_CLICKED) {
                char text[256] = {};
                GetDlgItemTextA(window, kEditId, text, sizeof(text));
                const int answer = MessageBoxA(window, text, "小窗口", MB_YESNO | g_iconFlag);
                PostQuitMessage(answer);
            }
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    g_iconFlag = IconFlagOf(commandLine);
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = TinyWindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = "TinyWindow";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, "TinyWindow", "Tiny", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 300, 140,
                                  nullptr, nullptr, instance, nullptr);
    if (!window)
        return 3;
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
