// The real Velmora.exe, started and driven as a user would: its window and each of its controls.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "tests/support/process.h"

namespace velmora::test {

class VelmoraApp {
  public:
    // Starts build/windows/Velmora.exe from the given directory (default: its own) and waits for its window.
    static std::optional<VelmoraApp> Start(const std::string& workingDirectory = {});

    Process& process() { return process_; }
    HWND window() const { return window_; }

    // The controls, found by class and by their place in the window.
    HWND delayEdit() const { return delayEdit_; }
    HWND backupFileEdit() const { return backupFileEdit_; }
    HWND backupDirEdit() const { return backupDirEdit_; }
    HWND chooseFileButton() const { return chooseFileButton_; }
    HWND browseDirButton() const { return browseDirButton_; }
    HWND createShortcutsCheck() const { return createShortcutsCheck_; }
    HWND backupButton() const { return backupButton_; }
    HWND restoreButton() const { return restoreButton_; }

    // Clicks once the program waits for input, as a person clicks after the last answer has shown.
    void Click(HWND control);

    // Closes the window as its close box does and returns the exit code.
    std::optional<DWORD> Close();

  private:
    VelmoraApp(Process process, HWND window) : process_(std::move(process)), window_(window) {}
    bool FindControls();

    Process process_;
    HWND window_ = nullptr;
    HWND delayEdit_ = nullptr;
    HWND backupFileEdit_ = nullptr;
    HWND backupDirEdit_ = nullptr;
    HWND chooseFileButton_ = nullptr;
    HWND browseDirButton_ = nullptr;
    HWND createShortcutsCheck_ = nullptr;
    HWND backupButton_ = nullptr;
    HWND restoreButton_ = nullptr;
};

}  // namespace velmora::test
