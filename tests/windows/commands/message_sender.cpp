// A child for the RunProgram tests: sends a message to the window whose handle is its argument and
// waits ten seconds at most for the answer, which its exit code gives (0 answered, 1 not).
#include <windows.h>

#include <cstdlib>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    const auto window = reinterpret_cast<HWND>(static_cast<uintptr_t>(std::strtoul(commandLine, nullptr, 10)));
    DWORD_PTR answer = 0;
    const bool answered = SendMessageTimeoutA(window, WM_APP, 0, 0, SMTO_NORMAL, 10000, &answer) != 0;
    return answered && answer == 1 ? 0 : 1;
}
