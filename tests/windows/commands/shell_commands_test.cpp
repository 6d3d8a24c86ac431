#include "commands/shell_commands.h"

#include <windows.h>

#include <shlobj.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "commands/run_program.h"
#include "commands/runtime_link.h"
#include "tests/native/commands/value_builders.h"
#include "tests/support/build_paths.h"
#include "tests/support/process.h"
#include "tests/support/shortcut.h"

namespace velmora::test {
namespace {

// The runtime's side of message processing, as the runtime does it: every waiting message is
// dispatched, stopping before WM_QUIT.
int processCalls = 0;

int32_t TestRuntimeService(int32_t code, uint32_t, uint32_t) {
    if (code != kServiceProcessMessages) {
        return 0;
    }
    ++processCalls;
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE) && message.message != WM_QUIT) {
        PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE);
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}

DWORD clickedAt = 0;

LRESULT CALLBACK RecordingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        clickedAt = GetTickCount();
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

class DelayTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ConnectRuntime(TestRuntimeService, nullptr);
        processCalls = 0;
        clickedAt = 0;
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = RecordingProcedure;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "DelayTestWindow";
        RegisterClassA(&windowClass);
        window_ = CreateWindowA("DelayTestWindow", "delay", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(window_, nullptr);
    }

    void TearDown() override {
        DestroyWindow(window_);
        ConnectRuntime(nullptr, nullptr);
    }

    static double ProcessCpuMilliseconds() {
        FILETIME created, exited, kernel, user;
        GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
        const auto ticks = [](const FILETIME& time) {
            return (static_cast<uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
        };
        return static_cast<double>(ticks(kernel) + ticks(user)) / 10000.0;
    }

    HWND window_ = nullptr;
};

TEST_F(DelayTest, RunsPostedClicksAndSleepsMeanwhile) {
    const DWORD start = GetTickCount();
    PostMessageA(window_, WM_COMMAND, MAKEWPARAM(1, BN_CLICKED), 0);
    const double cpuBefore = ProcessCpuMilliseconds();
    Result none;
    Call(Delay, none, {Integer(500)});
    const double cpuUsed = ProcessCpuMilliseconds() - cpuBefore;
    const DWORD elapsed = GetTickCount() - start;

    EXPECT_NE(clickedAt, 0u) << "the posted click did not run inside the delay";
    EXPECT_GE(elapsed, 500u);
    // A spinning wait keeps a processor busy for much of the 500 ms; waiting for messages uses next to nothing.
    EXPECT_LT(cpuUsed, 100.0);
}

TEST_F(DelayTest, ZeroOrNegativeReturnsAtOnceWithoutProcessing) {
    PostMessageA(window_, WM_COMMAND, MAKEWPARAM(1, BN_CLICKED), 0);
    for (const int32_t milliseconds : {0, -5}) {
        Result none;
        Call(Delay, none, {Integer(milliseconds)});
    }
    EXPECT_EQ(processCalls, 0);
    EXPECT_EQ(clickedAt, 0u);
}

class ShellFilesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
        directory_ = MakeScratchDirectory("shell-commands");
        ASSERT_FALSE(directory_.empty());
    }
    void TearDown() override { OleUninitialize(); }

    static std::string Target(const std::string& path) {
        Result target;
        Call(ShortcutTarget, target, {Text(path.c_str())});
        return target.AsText();
    }

    std::string directory_;
};

TEST_F(ShellFilesTest, ShortcutTargetReadsShortcutsOnly) {
    const std::string target = directory_ + "\\目标.txt";
    std::ofstream(target) << "x";
    const std::string link = directory_ + "\\快捷方式.lnk";
    ASSERT_TRUE(CreateShortcutFile(link, target));
    EXPECT_EQ(Target(link), target);
    EXPECT_EQ(Target(target), "");
    EXPECT_EQ(Target(directory_ + "\\absent.lnk"), "");
    EXPECT_EQ(Target(""), "");
}

TEST(SpecialFolderPathTest, FoldersEndInABackslash) {
    char desktop[MAX_PATH];
    ASSERT_TRUE(SHGetSpecialFolderPathA(nullptr, desktop, CSIDL_DESKTOPDIRECTORY, FALSE));
    Result path;
    Call(SpecialFolderPath, path, {Integer(3)});
    EXPECT_EQ(path.AsText(), std::string(desktop) + "\\");

    for (const int32_t id : {1, 4, 8, 9, 10, 11}) {
        Result folder;
        Call(SpecialFolderPath, folder, {Integer(id)});
        const std::string text = folder.AsText();
        ASSERT_FALSE(text.empty()) << id;
        EXPECT_EQ(text.back(), '\\') << id;
        EXPECT_EQ(text.find("\\\\", 2), std::string::npos) << id;
    }
    for (const int32_t id : {0, 12, -1}) {
        Result none;
        Call(SpecialFolderPath, none, {Integer(id)});
        EXPECT_EQ(none.TextPointer(), nullptr) << id;
    }
}

TEST(VariableAddressTest, GivesTheAddressOfTheVariable) {
    int32_t variable = 0;
    Result address;
    Call(VariableAddress, address, {Record(kTypeInteger | kArrayFlag, reinterpret_cast<uintptr_t>(&variable))});
    EXPECT_EQ(address.AsInteger(), static_cast<int32_t>(reinterpret_cast<uintptr_t>(&variable)));
}

bool answered = false;

LRESULT CALLBACK AnsweringProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_APP) {
        answered = true;
        return 1;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// The wait runs on the window thread: a child that sends to the thread's windows waits for an answer
// (ten seconds at most) before it ends.
TEST(RunProgramTest, WaitingKeepsTheWindowsAnsweringAChildThatSendsToThem) {
    ConnectRuntime(TestRuntimeService, nullptr);
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = AnsweringProcedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "RunProgramTestWindow";
    RegisterClassA(&windowClass);
    const HWND window = CreateWindowA("RunProgramTestWindow", "run program", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                                      nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    const std::string command = QuoteArgument(BuildFile("tests/windows/commands/message_sender.exe")) + " " +
                                std::to_string(reinterpret_cast<uintptr_t>(window));
    answered = false;
    const uint32_t processId = StartProgram(command.c_str(), true, 1);
    const bool answeredWhileWaiting = answered;
    DestroyWindow(window);
    ConnectRuntime(nullptr, nullptr);
    EXPECT_NE(processId, 0u);
    EXPECT_TRUE(answeredWhileWaiting);
}

TEST(RunProgramTest, StartsWaitsAndReportsFailure) {
    const std::string marker = MakeScratchDirectory("run-program") + "\\done.txt";
    Result started;
    const std::string command = "cmd.exe /c echo x> \"" + marker + "\"";
    Call(RunProgram, started, {Text(command.c_str()), Boolean(true), Integer(1)});
    EXPECT_EQ(started.AsInteger(), 1);
    EXPECT_NE(GetFileAttributesA(marker.c_str()), INVALID_FILE_ATTRIBUTES) << "waited, so the file must exist";

    Result missing;
    Call(RunProgram, missing, {Text("no-such-program-here.exe"), Boolean(false)});
    EXPECT_EQ(missing.record().type, kTypeBoolean);
    EXPECT_EQ(missing.AsInteger(), 0);

    EXPECT_NE(StartProgram("cmd.exe /c exit 0", true, 9), 0u);
    EXPECT_EQ(StartProgram("", false, 2), 0u);
}

}  // namespace
}  // namespace velmora::test
