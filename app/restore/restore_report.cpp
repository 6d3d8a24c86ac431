#include "app/restore/restore_report.h"

#include <windows.h>

#include <string>
#include <vector>

#include "app/dll_commands.h"
#include "app/program_variables.h"
#include "app/restore/restore_report_text.h"
#include "app/tool_commands.h"
#include "commands/run_program.h"

namespace velmora {
namespace {

constexpr int32_t kDefaultWindowMode = 2;
// Notepad may take longer than RunProgram's one second to show its window.
constexpr DWORD kNotepadWindowWaitMs = 5000;
constexpr int32_t kNotepadPollMs = 50;
constexpr UINT kSendTimeoutMs = 5000;
constexpr int32_t kWarningIcon = 48;

DWORD OwnerOf(HWND window) {
    DWORD processId = 0;
    CallDllCommand(kGetWindowThreadProcessId, window, &processId);
    return processId;
}

// The main window of the Notepad we started; its title differs between systems and languages.
HWND NotepadWindowOf(DWORD processId) {
    for (HWND window = CallDllCommand(kFindWindowExA, nullptr, nullptr, "Notepad", nullptr); window;
         window = CallDllCommand(kFindWindowExA, nullptr, window, "Notepad", nullptr)) {
        if (OwnerOf(window) == processId)
            return window;
    }
    return nullptr;
}

HWND WaitForNotepadWindow(DWORD processId) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (HWND window = NotepadWindowOf(processId))
            return window;
        if (GetTickCount() - start >= kNotepadWindowWaitMs)
            break;
        tool::Delay(kNotepadPollMs);
    }
    // A Notepad that hands its document to another process (a packaged one, say) is found by title.
    return CallDllCommand(kFindWindowA, "Notepad", "无标题 - 记事本");
}

// Only a Notepad that we started is ever ended: one the user opened may hold unsaved text.
void EndOurNotepad(HWND window, DWORD ourProcess) {
    if (OwnerOf(window) != ourProcess)
        return;
    const HANDLE process = CallDllCommand(kOpenProcess, PROCESS_ALL_ACCESS, FALSE, ourProcess);
    if (!process)
        return;
    CallDllCommand(kTerminateProcess, process, 0u);
    CallDllCommand(kCloseHandle, process);
}

bool TypeIntoNotepad(const std::vector<std::string>& lines) {
    const DWORD processId = StartProgram("notepad", false, kDefaultWindowMode);
    if (processId == 0)
        return false;
    const HWND notepad = WaitForNotepadWindow(processId);
    if (!notepad)
        return false;
    const HWND editor = CallDllCommand(kFindWindowExA, notepad, nullptr, "edit", nullptr);
    if (!editor) {
        EndOurNotepad(notepad, processId);
        return false;
    }
    // One insertion per line; wParam 0: the insertion cannot be undone.
    for (const std::string& line : lines) {
        DWORD_PTR result = 0;
        if (!SendMessageTimeoutA(editor, EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(line.c_str()), SMTO_ABORTIFHUNG,
                                 kSendTimeoutMs, &result))
            return false;
    }
    return true;
}

}  // namespace

bool ShowRestoreReport() noexcept {
    const std::vector<std::string> lines = RestoreReportLines(UnrestoredShortcuts, MissingFiles, NotLandedIcons);
    if (TypeIntoNotepad(lines))
        return true;
    std::string text = "无法在记事本中显示还原报告，内容如下：\r\n\r\n";
    for (const std::string& line : lines)
        text += line;
    tool::InfoBox(text.c_str(), kWarningIcon);
    return false;
}

}  // namespace velmora
