#include "tests/support/ui_driver.h"

#include <commctrl.h>
#include <shlobj.h>

#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

#include "app/desktop/remote_buffer.h"

namespace velmora::test {
namespace {

constexpr UINT kMessageTimeoutMs = 5000;
constexpr char kDialogClass[] = "#32770";

std::string ClassOf(HWND window) {
    char name[256] = {};
    GetClassNameA(window, name, sizeof(name));
    return name;
}

BOOL CALLBACK CollectChild(HWND child, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
    return TRUE;
}

std::vector<HWND> Descendants(HWND parent) {
    std::vector<HWND> found;
    EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&found));
    return found;
}

bool SendWithTimeout(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR* result = nullptr) {
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kMessageTimeoutMs,
                               result ? result : &ignored) != 0;
}

// Icon handles belong to their process, so the icon a box shows is recognised by its pixels: the
// system icon whose drawing is closest to what the screen shows.
BoxIcon RecogniseIcon(HWND iconControl) {
    RECT rect = {};
    GetWindowRect(iconControl, &rect);
    const int width = GetSystemMetrics(SM_CXICON);
    const int height = GetSystemMetrics(SM_CYICON);
    HDC screen = GetDC(nullptr);
    HDC shown = CreateCompatibleDC(screen);
    HDC drawn = CreateCompatibleDC(screen);
    HBITMAP shownBitmap = CreateCompatibleBitmap(screen, width, height);
    HBITMAP drawnBitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ oldShown = SelectObject(shown, shownBitmap);
    HGDIOBJ oldDrawn = SelectObject(drawn, drawnBitmap);
    BitBlt(shown, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    const COLORREF background = GetPixel(shown, 0, 0);
    bool painted = false;
    for (int y = 0; y < height && !painted; ++y) {
        for (int x = 0; x < width && !painted; ++x)
            painted = GetPixel(shown, x, y) != background;
    }

    const std::pair<BoxIcon, LPCSTR> candidates[] = {{BoxIcon::kError, IDI_HAND},
                                                     {BoxIcon::kWarning, IDI_EXCLAMATION},
                                                     {BoxIcon::kInformation, IDI_ASTERISK},
                                                     {BoxIcon::kQuestion, IDI_QUESTION}};
    BoxIcon best = BoxIcon::kNone;
    long long bestDistance = -1;
    for (const auto& [kind, id] : candidates) {
        if (!painted)
            break;
        HBRUSH brush = CreateSolidBrush(background);
        RECT all = {0, 0, width, height};
        FillRect(drawn, &all, brush);
        DeleteObject(brush);
        DrawIconEx(drawn, 0, 0, LoadIconA(nullptr, id), width, height, 0, nullptr, DI_NORMAL);
        long long distance = 0;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const COLORREF a = GetPixel(shown, x, y);
                const COLORREF b = GetPixel(drawn, x, y);
                distance += std::abs(GetRValue(a) - GetRValue(b)) + std::abs(GetGValue(a) - GetGValue(b)) +
                            std::abs(GetBValue(a) - GetBValue(b));
            }
        }
        if (bestDistance < 0 || distance < bestDistance) {
            bestDistance = distance;
            best = kind;
        }
    }
    SelectObject(shown, oldShown);
    SelectObject(drawn, oldDrawn);
    DeleteObject(shownBitmap);
    DeleteObject(drawnBitmap);
    DeleteDC(shown);
    DeleteDC(drawn);
    ReleaseDC(nullptr, screen);
    return best;
}

// A box that has just appeared may not be painted yet: the icon counts once two looks agree.
BoxIcon SettledIcon(HWND iconControl) {
    BoxIcon previous = RecogniseIcon(iconControl);
    const ULONGLONG deadline = GetTickCount64() + 3000;
    while (GetTickCount64() < deadline) {
        Sleep(50);
        const BoxIcon now = RecogniseIcon(iconControl);
        if (now == previous && now != BoxIcon::kNone)
            return now;
        previous = now;
    }
    return previous;
}

}  // namespace

HWND FindTopWindow(DWORD processId, const std::string& className, const char* title) {
    for (HWND window = GetTopWindow(nullptr); window; window = GetWindow(window, GW_HWNDNEXT)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if ((processId && owner != processId) || !IsWindowVisible(window) ||
            lstrcmpiA(ClassOf(window).c_str(), className.c_str()))
            continue;
        if (title && ReadText(window) != title)
            continue;
        return window;
    }
    return nullptr;
}

HWND WaitForTopWindow(DWORD processId, const std::string& className, const char* title, DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        if (HWND found = FindTopWindow(processId, className, title))
            return found;
        if (GetTickCount64() >= deadline)
            break;
        Sleep(kPollMs);
    }
    // What the process shows instead tells most about why the window did not come.
    std::string shown;
    for (HWND window = GetTopWindow(nullptr); window; window = GetWindow(window, GW_HWNDNEXT)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (!processId || owner == processId) {
            shown += "\n  \"" + ClassOf(window) + "\" \"" + ReadText(window) + "\"" +
                     (IsWindowVisible(window) ? " visible" : " hidden") + (IsWindowEnabled(window) ? "" : " disabled");
        }
    }
    ADD_FAILURE() << "timed out after " << timeoutMs << " ms waiting for a window of class \"" << className << "\""
                  << (title ? std::string(" titled \"") + title + "\"" : std::string()) << " of process " << processId
                  << "; its top-level windows:" << shown;
    return nullptr;
}

bool WaitForWindowGone(HWND window, DWORD timeoutMs) {
    return WaitFor("window " + std::to_string(reinterpret_cast<uintptr_t>(window)) + " to close", timeoutMs,
                   [&] { return !IsWindow(window); });
}

HWND FindDescendant(HWND parent, const std::string& className, int index) {
    for (HWND child : Descendants(parent)) {
        if (lstrcmpiA(ClassOf(child).c_str(), className.c_str()) == 0 && index-- == 0)
            return child;
    }
    return nullptr;
}

// Dialogs reuse control ids across classes (Wine's file dialog gives its list view IDOK too).
HWND FindButtonById(HWND parent, int controlId) {
    for (HWND child : Descendants(parent)) {
        if (GetDlgCtrlID(child) == controlId && lstrcmpiA(ClassOf(child).c_str(), "Button") == 0)
            return child;
    }
    return nullptr;
}

HWND FindDescendantById(HWND parent, int controlId) {
    for (HWND child : Descendants(parent)) {
        if (GetDlgCtrlID(child) == controlId)
            return child;
    }
    return nullptr;
}

std::string ReadText(HWND window) {
    DWORD_PTR length = 0;
    if (!SendWithTimeout(window, WM_GETTEXTLENGTH, 0, 0, &length))
        return {};
    std::string text(length + 1, '\0');
    DWORD_PTR copied = 0;
    if (!SendWithTimeout(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), &copied))
        return {};
    text.resize(copied);
    return text;
}

bool TypeText(HWND control, const std::string& text) {
    DWORD_PTR result = 0;
    return SendWithTimeout(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), &result) && result;
}

void Click(HWND control) {
    if (!PostMessageA(control, BM_CLICK, 0, 0))
        ADD_FAILURE() << "cannot post a click to window " << reinterpret_cast<uintptr_t>(control) << " (error "
                      << GetLastError() << ")";
}

std::optional<MessageBoxContent> WaitForMessageBox(DWORD processId, DWORD timeoutMs) {
    const HWND box = WaitForTopWindow(processId, kDialogClass, nullptr, timeoutMs);
    if (!box)
        return std::nullopt;
    MessageBoxContent content;
    content.window = box;
    content.caption = ReadText(box);
    for (HWND child : Descendants(box)) {
        if (lstrcmpiA(ClassOf(child).c_str(), "Static"))
            continue;
        if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
            // A box without an icon may keep a hidden, empty icon control.
            DWORD_PTR icon = 0;
            if (IsWindowVisible(child) && SendWithTimeout(child, STM_GETICON, 0, 0, &icon) && icon)
                content.icon = SettledIcon(child);
        } else if (content.text.empty()) {
            content.text = ReadText(child);
        }
    }
    return content;
}

bool AnswerMessageBox(const MessageBoxContent& box, int buttonId) {
    const HWND button = FindButtonById(box.window, buttonId);
    if (!button) {
        ADD_FAILURE() << "the message box \"" << box.caption << "\" has no button " << buttonId;
        return false;
    }
    Click(button);
    return WaitForWindowGone(box.window);
}

namespace {

// The caption of the tree item the folder browser has selected, read in the browser's process.
std::string SelectedFolderCaption(HWND tree, HANDLE process) {
    DWORD_PTR item = 0;
    if (!SendWithTimeout(tree, TVM_GETNEXTITEM, TVGN_CARET, 0, &item) || !item)
        return {};
    RemoteBuffer record = RemoteBuffer::Allocate(process, sizeof(TVITEMA));
    RemoteBuffer text = RemoteBuffer::Allocate(process, MAX_PATH);
    if (!record || !text)
        return {};
    // Both programs are 32-bit, so the record's layout is the same on both sides.
    TVITEMA query = {};
    query.mask = TVIF_TEXT;
    query.hItem = reinterpret_cast<HTREEITEM>(item);
    query.pszText = static_cast<char*>(text.get());
    query.cchTextMax = MAX_PATH;
    char caption[MAX_PATH] = {};
    DWORD_PTR ok = 0;
    if (!record.Write(&query, sizeof(query)) ||
        !SendWithTimeout(tree, TVM_GETITEMA, 0, static_cast<LPARAM>(record.address()), &ok) || !ok ||
        !text.Read(caption, sizeof(caption)))
        return {};
    return std::string(caption, strnlen(caption, sizeof(caption)));
}

}  // namespace

bool ChooseFolder(HWND browser, const std::string& windowsPath) {
    DWORD processId = 0;
    GetWindowThreadProcessId(browser, &processId);
    HANDLE process =
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE | SYNCHRONIZE | PROCESS_QUERY_INFORMATION,
                    FALSE, processId);
    const HWND tree = FindDescendant(browser, "SysTreeView32");
    if (!process || !tree) {
        ADD_FAILURE() << "cannot reach the folder browser's process or tree";
        if (process)
            CloseHandle(process);
        return false;
    }
    const std::string leaf = windowsPath.substr(windowsPath.find_last_of('\\') + 1);
    // The browser fills its tree after it shows, and may select its own start folder then: select
    // until the selection holds.
    const bool selected = WaitFor("the folder browser to select " + windowsPath, kDefaultTimeoutMs, [&] {
        RemoteBuffer path = RemoteBuffer::Allocate(process, windowsPath.size() + 1);
        return path && path.Write(windowsPath.c_str(), windowsPath.size() + 1) &&
               SendWithTimeout(browser, BFFM_SETSELECTIONA, TRUE, static_cast<LPARAM>(path.address())) &&
               SelectedFolderCaption(tree, process) == leaf;
    });
    CloseHandle(process);
    if (!selected)
        return false;
    const HWND ok = FindButtonById(browser, IDOK);
    if (!ok) {
        ADD_FAILURE() << "the folder browser has no OK button";
        return false;
    }
    Click(ok);
    return WaitForWindowGone(browser);
}

bool ChooseFile(HWND fileDialog, const std::string& windowsPath) {
    constexpr int kFileNameCombo = 0x47C;
    constexpr int kFileNameEdit = 0x480;
    HWND nameBox = FindDescendantById(fileDialog, kFileNameCombo);
    if (nameBox && lstrcmpiA(ClassOf(nameBox).c_str(), "ComboBox") == 0)
        nameBox = FindDescendant(nameBox, "Edit");
    if (!nameBox)
        nameBox = FindDescendantById(fileDialog, kFileNameEdit);
    if (!nameBox || !TypeText(nameBox, windowsPath)) {
        ADD_FAILURE() << "cannot type into the file name box of the file dialog";
        return false;
    }
    const HWND ok = FindButtonById(fileDialog, IDOK);
    if (!ok) {
        ADD_FAILURE() << "the file dialog has no OK button";
        return false;
    }
    Click(ok);
    return WaitForWindowGone(fileDialog);
}

bool CancelDialog(HWND dialog) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    return WaitForWindowGone(dialog);
}

std::optional<std::string> WaitForNotepadText(DWORD processId, DWORD timeoutMs) {
    const HWND notepad = WaitForTopWindow(processId, "Notepad", nullptr, timeoutMs);
    if (!notepad)
        return std::nullopt;
    const HWND edit = FindDescendant(notepad, "Edit");
    if (!edit) {
        ADD_FAILURE() << "the Notepad window has no edit control";
        return std::nullopt;
    }
    return ReadText(edit);
}

}  // namespace velmora::test
