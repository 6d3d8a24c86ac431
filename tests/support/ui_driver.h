// Drives Windows programs as a user would: finds their windows, types, clicks, answers message boxes
// and common dialogs. Every wait has a time-out and records a test failure that names what it waited for.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "tests/support/wait.h"

namespace velmora::test {

// The first visible top-level window, in z-order, of the process (0: of any process) with the class
// (and the title, when given).
HWND WaitForTopWindow(DWORD processId,
                      const std::string& className,
                      const char* title = nullptr,
                      DWORD timeoutMs = kDefaultTimeoutMs);
HWND FindTopWindow(DWORD processId, const std::string& className, const char* title = nullptr);
bool WaitForWindowGone(HWND window, DWORD timeoutMs = kDefaultTimeoutMs);

// The index-th descendant (0-based, in the order EnumChildWindows gives) of the class, or null.
HWND FindDescendant(HWND parent, const std::string& className, int index = 0);
HWND FindDescendantById(HWND parent, int controlId);
HWND FindButtonById(HWND parent, int controlId);

// Texts travel with WM_GETTEXT and WM_SETTEXT, which the system carries across processes.
std::string ReadText(HWND window);
bool TypeText(HWND control, const std::string& text);
// Posted, so that a modal box the click opens does not block the test.
void Click(HWND control);

enum class BoxIcon { kNone, kError, kWarning, kInformation, kQuestion };

struct MessageBoxContent {
    HWND window = nullptr;
    std::string caption;
    std::string text;
    BoxIcon icon = BoxIcon::kNone;
};

std::optional<MessageBoxContent> WaitForMessageBox(DWORD processId, DWORD timeoutMs = kDefaultTimeoutMs);
// Clicks the box's button with this id (IDOK, IDYES, ...) and waits for the box to close.
bool AnswerMessageBox(const MessageBoxContent& box, int buttonId);

// The folder browser: selects the folder and confirms. The folder must exist.
bool ChooseFolder(HWND browser, const std::string& windowsPath);
// The open or save dialog: types the path into the file name box and confirms.
bool ChooseFile(HWND fileDialog, const std::string& windowsPath);
// Cancels any dialog and waits for it to close.
bool CancelDialog(HWND dialog);

// The text in the edit control of the process's Notepad window.
std::optional<std::string> WaitForNotepadText(DWORD processId, DWORD timeoutMs = kDefaultTimeoutMs);

}  // namespace velmora::test
