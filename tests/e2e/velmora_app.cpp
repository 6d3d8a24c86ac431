#include "tests/e2e/velmora_app.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/support/build_paths.h"
#include "tests/support/ui_driver.h"

namespace velmora::test {
namespace {

// The control of the class whose top-left corner, in the window's client coordinates, is at (x, y).
HWND ControlAt(HWND window, const char* className, int x, int y) {
    for (int i = 0;; ++i) {
        const HWND control = FindDescendant(window, className, i);
        if (!control)
            return nullptr;
        RECT rect = {};
        GetWindowRect(control, &rect);
        POINT corner = {rect.left, rect.top};
        ScreenToClient(window, &corner);
        if (corner.x == x && corner.y == y)
            return control;
    }
}

}  // namespace

std::optional<VelmoraApp> VelmoraApp::Start(const std::string& workingDirectory) {
    auto process = Process::Start(QuoteArgument(BuildFile("Velmora.exe")), workingDirectory);
    if (!process)
        return std::nullopt;
    const HWND window = WaitForTopWindow(process->id(), "KXWindow", "Velmora");
    if (!window)
        return std::nullopt;
    // The window shows while it is still being loaded, when clicks are not yet taken: wait until the
    // program waits for input, as a person's first click would.
    if (WaitForInputIdle(process->get(), kDefaultTimeoutMs) != 0) {
        ADD_FAILURE() << "Velmora did not become ready for input";
        return std::nullopt;
    }
    VelmoraApp app(std::move(*process), window);
    if (!app.FindControls())
        return std::nullopt;
    return app;
}

bool VelmoraApp::FindControls() {
    struct Wanted {
        HWND* slot;
        const char* className;
        int x, y;
        const char* name;
    };
    const Wanted wanted[] = {
        {&delayEdit_, "Edit", 48, 18, "DelayEdit"},
        {&backupFileEdit_, "Edit", 112, 18, "BackupFileEdit"},
        {&backupDirEdit_, "Edit", 112, 48, "BackupDirEdit"},
        {&chooseFileButton_, "Button", 280, 18, "ChooseFileButton"},
        {&browseDirButton_, "Button", 280, 48, "BrowseDirButton"},
        {&createShortcutsCheck_, "Button", 160, 88, "CreateShortcutsCheck"},
        {&backupButton_, "Button", 72, 152, "BackupButton"},
        {&restoreButton_, "Button", 192, 152, "RestoreButton"},
    };
    bool all = true;
    for (const Wanted& w : wanted) {
        *w.slot = ControlAt(window_, w.className, w.x, w.y);
        if (!*w.slot) {
            ADD_FAILURE() << "Velmora's window has no " << w.name << " (" << w.className << " at " << w.x << "," << w.y
                          << ")";
            all = false;
        }
    }
    return all;
}

void VelmoraApp::Click(HWND control) {
    // A person's click activates the window first; a window that activates while a posted click is
    // under way moves the focus and cancels the click.
    SetForegroundWindow(window_);
    WaitFor("Velmora's window to be active", kDefaultTimeoutMs, [&] { return GetForegroundWindow() == window_; });
    if (WaitForInputIdle(process_.get(), kDefaultTimeoutMs) != 0)
        ADD_FAILURE() << "Velmora did not become ready for input";
    test::Click(control);
}

std::optional<DWORD> VelmoraApp::Close() {
    PostMessageA(window_, WM_SYSCOMMAND, SC_CLOSE, 0);
    return process_.WaitForExit(kDefaultTimeoutMs);
}

}  // namespace velmora::test
