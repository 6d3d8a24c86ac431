#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <sstream>
#include <string>

#include "tests/support/build_paths.h"
#include "tests/support/process.h"
#include "tests/support/ui_driver.h"
#include "tests/support/wait.h"

namespace velmora::test {
namespace {

constexpr DWORD kExitAfterRuntimeError = 0xFFFFFFFF;

std::string ProbePath() {
    return BuildFile("tests/windows/runtime/runtime_probe.exe");
}

std::string DirectoryOf(const std::string& path) {
    return path.substr(0, path.rfind('\\'));
}

std::string ReadWholeFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// Runs the probe with a scenario and a fresh report file.
class RuntimeFrameTest : public ::testing::Test {
  protected:
    void SetUp() override { reportFile_ = MakeScratchDirectory("frame") + "\\report.txt"; }

    std::optional<Process> Start(const std::string& scenario, const std::string& directory = {}) {
        return Process::Start(QuoteArgument(ProbePath()) + " " + scenario + " " + QuoteArgument(reportFile_),
                              directory);
    }

    std::optional<DWORD> RunToEnd(const std::string& scenario, const std::string& directory = {}) {
        std::optional<Process> probe = Start(scenario, directory);
        if (!probe) {
            return std::nullopt;
        }
        return probe->WaitForExit(kDefaultTimeoutMs);
    }

    std::string Report() const { return ReadWholeFile(reportFile_); }

    std::string reportFile_;
};

TEST_F(RuntimeFrameTest, ExitRoutinesRunOnceInOrderBeforeTheLibrariesHearTheEnd) {
    // No template data: the message loop returns at once and the program ends normally.
    EXPECT_EQ(RunToEnd("exit-routines"), 0u);
    EXPECT_EQ(Report(), "SABE");
}

TEST_F(RuntimeFrameTest, CurrentDirectoryIsTheProgramDirectory) {
    const std::string elsewhere = MakeScratchDirectory("elsewhere");
    EXPECT_EQ(RunToEnd("current-directory", elsewhere), 0u);
    const std::string report = Report();
    ASSERT_GE(report.size(), 2u);
    ASSERT_EQ(report.front(), 'S');
    ASSERT_EQ(report.back(), 'E');
    const std::string directory = report.substr(1, report.size() - 2);
    EXPECT_EQ(
        CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, directory.c_str(), -1, DirectoryOf(ProbePath()).c_str(), -1),
        CSTR_EQUAL)
        << directory << " instead of " << DirectoryOf(ProbePath());
}

TEST_F(RuntimeFrameTest, EndProgramFromAnotherThreadEndsOnTheMainThread) {
    EXPECT_EQ(RunToEnd("end-from-thread"), 7u);
    EXPECT_EQ(Report(), "SME") << "the exit routine runs on the main thread, then the libraries hear the end";
}

TEST_F(RuntimeFrameTest, DllCommandsResolveByNameOrdinalAndModuleOrder) {
    EXPECT_EQ(RunToEnd("dll"), 0u);
    std::ostringstream expected;
    expected << "Stick=ok metrics=" << GetSystemMetrics(SM_CMONITORS) << " shell=ok add=5 multiply=12 again=42E";
    EXPECT_EQ(Report(), expected.str());
}

// A library named like a system library and dropped beside the program (a Downloads folder) is
// never loaded: not for a declaration that names it, not for the default modules, not by bare name.
TEST_F(RuntimeFrameTest, ALibraryPlantedBesideTheProgramIsNeverLoadedForASystemOne) {
    const std::string planted = MakeScratchDirectory("planted");
    const std::string probe = planted + "\\runtime_probe.exe";
    ASSERT_TRUE(CopyFileA(ProbePath().c_str(), probe.c_str(), FALSE));
    ASSERT_TRUE(
        CopyFileA(BuildFile("tests/windows/runtime/planted_mpr.dll").c_str(), (planted + "\\Mpr.dll").c_str(), FALSE));
    std::optional<Process> started =
        Process::Start(QuoteArgument(probe) + " system-libraries " + QuoteArgument(reportFile_));
    ASSERT_TRUE(started);
    EXPECT_EQ(started->WaitForExit(kDefaultTimeoutMs), 0u);
    EXPECT_EQ(Report(), "Sbare=S named=S default=SE") << "P: the planted library was loaded";
}

TEST_F(RuntimeFrameTest, TheMainLoopEndsWithTheLastWindow) {
    // Two windows and the count service; idle events start, then an idle callback closes one window
    // (the loop goes on) and then the other (the loop ends); the exit routine and the libraries follow.
    EXPECT_EQ(RunToEnd("windows"), 0u);
    EXPECT_EQ(Report(), "S2i12LAE");
}

TEST_F(RuntimeFrameTest, NestedLoopsLeaveQuitAndEndWhenReleased) {
    // The first nested loop returns at the waiting WM_QUIT and leaves it queued; the second idles
    // (the windows' idle events start) until a timer releases it.
    EXPECT_EQ(RunToEnd("nested-loops"), 0u);
    EXPECT_EQ(Report(), "SQiWRE");
}

TEST_F(RuntimeFrameTest, RuntimeServices) {
    EXPECT_EQ(RunToEnd("services"), 0u);
    const std::string program = ProbePath();
    const std::string expected =
        "S1 458757 3 255 0 U00 " + DirectoryOf(program) + "|" + program.substr(program.rfind('\\') + 1) + " quietE";
    EXPECT_EQ(CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, Report().c_str(), -1, expected.c_str(), -1), CSTR_EQUAL)
        << Report() << " instead of " << expected;
}

struct ErrorCase {
    const char* scenario;
    const char* boxText;
    const char* report;  // what the probe's exit routine and library told
};

class RuntimeErrorBoxTest : public RuntimeFrameTest, public ::testing::WithParamInterface<ErrorCase> {};

TEST_P(RuntimeErrorBoxTest, ShowsTheBoxThenEndsWithMinusOne) {
    const ErrorCase& c = GetParam();
    std::optional<Process> probe = Start(c.scenario);
    ASSERT_TRUE(probe);
    std::optional<MessageBoxContent> box = WaitForMessageBox(probe->id());
    ASSERT_TRUE(box) << c.scenario;
    EXPECT_EQ(box->caption, "错误");
    EXPECT_EQ(box->text, c.boxText);
    // The icon is recognised by its pixels, which the box may not have painted yet at first sight.
    EXPECT_TRUE(WaitFor("the error icon of the box", kDefaultTimeoutMs, [&] {
        const std::optional<MessageBoxContent> seen = WaitForMessageBox(probe->id());
        return seen && seen->icon == BoxIcon::kError;
    }));
    ASSERT_TRUE(AnswerMessageBox(*box, IDOK));
    EXPECT_EQ(probe->WaitForExit(kDefaultTimeoutMs), kExitAfterRuntimeError);
    EXPECT_EQ(Report(), c.report) << "exit routines are dropped; the libraries still hear the end";
}

INSTANTIATE_TEST_SUITE_P(
    Reports,
    RuntimeErrorBoxTest,
    ::testing::Values(
        ErrorCase{"runtime-error",
                  "运行时出错!\r\n\r\n错误代码：6\r\n\r\n错误信息：调用DLL命令后发现堆栈错误\r\n\r\n67174457, 105\r\n",
                  "SE"},
        ErrorCase{"allocation", "运行时出错!\r\n\r\n错误信息：分配 2000000000 字节内存失败!\r\n\r\n0, 0\r\n", "SE"},
        ErrorCase{"startup-window",
                  "运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n\r\n1375797249, 0\r\n未找到所指定的窗口\r\n", "SE"},
        ErrorCase{
            "dll-missing-default",
            "运行时出错!\r\n\r\n错误信息：无法找到指定DLL库文件中的输出命令“NoSuchExportAnywhere”\r\n\r\n0, 0\r\n",
            "SE"},
        ErrorCase{
            "dll-missing-named",
            "运行时出错!\r\n\r\n错误信息：无法找到指定DLL库文件“runtime_test_exports.dll”中的输出命令“NoSuchExport”"
            "\r\n\r\n0, 0\r\n",
            "SE"}),
    [](const ::testing::TestParamInfo<ErrorCase>& info) {
        std::string name = info.param.scenario;
        for (char& c : name) {
            if (c == '-') {
                c = '_';
            }
        }
        return name;
    });

}  // namespace
}  // namespace velmora::test
