#include <windows.h>

#include <ole2.h>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <thread>

#include "commands/runtime_link.h"
#include "commands/shell_commands.h"
#include "tests/native/commands/value_builders.h"
#include "tests/support/build_paths.h"
#include "tests/support/ui_driver.h"

namespace velmora::test {
namespace {

// The program's loaded windows, as the runtime lists them to the folder browser.
HWND programWindows[2] = {};

int32_t WindowListService(int32_t code, uint32_t first, uint32_t) {
    if (code == kServiceWindowCount) {
        return 2;
    }
    if (code == kServiceWindowHandle && first < 2) {
        return static_cast<int32_t>(reinterpret_cast<uintptr_t>(programWindows[first]));
    }
    return 0;
}

// The browser runs on a thread of its own that also owns the program's windows, as the program's
// one thread does; the test thread watches and answers like a user.
class BrowseForFolderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
        ConnectRuntime(WindowListService, nullptr);
        directory_ = MakeScratchDirectory("browse");
        ASSERT_FALSE(directory_.empty());
    }

    void TearDown() override {
        ConnectRuntime(nullptr, nullptr);
        OleUninitialize();
    }

    // Shows the browser; answer gets its window. Returns the command's text and whether each
    // program window was enabled during and after the browser.
    std::string Browse(const std::function<void(HWND)>& answer) {
        std::string chosen;
        HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        std::thread program([&] {
            OleInitialize(nullptr);
            for (HWND& window : programWindows) {
                window = CreateWindowA("STATIC", "program", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                                       GetModuleHandleA(nullptr), nullptr);
            }
            EnableWindow(programWindows[1], FALSE);
            SetEvent(ready);
            Result folder;
            Call(BrowseForFolder, folder, {Text("选择备份目录")});
            chosen = folder.AsText();
            enabledAfter_[0] = IsWindowEnabled(programWindows[0]) != FALSE;
            enabledAfter_[1] = IsWindowEnabled(programWindows[1]) != FALSE;
            for (HWND window : programWindows) {
                DestroyWindow(window);
            }
            OleUninitialize();
        });
        WaitForSingleObject(ready, 10000);
        CloseHandle(ready);
        const HWND browser = WaitForTopWindow(GetCurrentProcessId(), "#32770");
        if (browser != nullptr) {
            enabledDuring_ = IsWindowEnabled(programWindows[0]) != FALSE;
            answer(browser);
        }
        program.join();
        return chosen;
    }

    std::string directory_;
    bool enabledDuring_ = true;
    bool enabledAfter_[2] = {};
};

TEST_F(BrowseForFolderTest, ChosenFolderIsReturnedWithoutBackslash) {
    const std::string chosen = Browse([&](HWND browser) { EXPECT_TRUE(ChooseFolder(browser, directory_)); });
    EXPECT_EQ(chosen, directory_);
    EXPECT_FALSE(enabledDuring_) << "the program's windows must be disabled while the browser is open";
    EXPECT_TRUE(enabledAfter_[0]);
    EXPECT_FALSE(enabledAfter_[1]) << "a window disabled before must stay disabled";
}

TEST_F(BrowseForFolderTest, CancelGivesEmptyAndRestoresTheWindows) {
    const std::string chosen = Browse([](HWND browser) { EXPECT_TRUE(CancelDialog(browser)); });
    EXPECT_EQ(chosen, "");
    EXPECT_FALSE(enabledDuring_);
    EXPECT_TRUE(enabledAfter_[0]);
    EXPECT_FALSE(enabledAfter_[1]);
}

}  // namespace
}  // namespace velmora::test
