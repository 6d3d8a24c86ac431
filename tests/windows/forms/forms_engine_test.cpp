// The window engine in a real program: the forms probe loads its form through the engine and reports
// what it sees; run-time errors are read from the error box.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <sstream>
#include <string>

#include "tests/support/build_paths.h"
#include "tests/support/process.h"
#include "tests/support/ui_driver.h"

namespace velmora::test {
namespace {

constexpr DWORD kExitAfterRuntimeError = 0xFFFFFFFF;

std::string ReadWholeFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

class FormsEngineTest : public ::testing::Test {
  protected:
    void SetUp() override { reportFile_ = MakeScratchDirectory("forms") + "\\report.txt"; }

    std::optional<Process> Start(const std::string& scenario) {
        return Process::Start(QuoteArgument(BuildFile("tests/windows/forms/forms_probe.exe")) + " " + scenario + " " +
                              QuoteArgument(reportFile_));
    }

    // The report of a scenario that ends normally.
    std::string Run(const std::string& scenario) {
        std::optional<Process> probe = Start(scenario);
        if (!probe) {
            return {};
        }
        EXPECT_EQ(probe->WaitForExit(kDefaultTimeoutMs), 0u) << scenario;
        return ReadWholeFile(reportFile_);
    }

    std::string reportFile_;
};

TEST_F(FormsEngineTest, RecordOrderIsZOrderAndHiddenComponentsStayHidden) {
    // Event 0 of the window first; the container holds its two components, the one on its second page
    // hidden like the component without the visible flag; the window itself is shown.
    EXPECT_EQ(Run("order"), "Lz:First,Hidden,Second,Unbound,Group, g:InGroup,OnPageTwo, v:1011110 w:1 p:0 n:1");
}

TEST_F(FormsEngineTest, RunTimeChangesAreGoneWhenTheWindowIsLoadedAgain) {
    EXPECT_EQ(Run("restore"), "L a:77,changed,新标记,1 d:0,10L b:10,First,first,0");
}

TEST_F(FormsEngineTest, LoadingALiveWindowRestoresItInsteadOfCreatingAnother) {
    EXPECT_EQ(Run("reuse"), "L r:0 same 1");
}

TEST_F(FormsEngineTest, EventsFindTheirRoutinesThroughBindingsAndEventSources) {
    // Unbound: nothing; the second button uses the first one's bindings but is its own event source;
    // nothing runs inside a nested call or for an unbound click; the menu item runs its click routine.
    EXPECT_EQ(Run("events"), "L u0 C16010101 f1r1 C16010103 s1 w0 n0 o0 C16010101 M");
}

TEST_F(FormsEngineTest, CommonPropertiesAreClampedInTheTemplateAndOnTheWindow) {
    EXPECT_EQ(Run("clamp"), "c:32627,0,-32627L l:32627,0");
}

TEST_F(FormsEngineTest, UnitPropertiesAreConvertedByKind) {
    // A face name of 40 characters becomes SimSun; booleans are normalised; negative counts become 0.
    EXPECT_EQ(Run("units"), "Lt:abc,abc f:1 n:0,7 face:set font:宋体,12,1 d:1,12,宋体 y:1 o:abc");
}

TEST_F(FormsEngineTest, AModalWindowDisablesTheOthersUntilItEnds) {
    EXPECT_EQ(Run("modal"), "Lm:0,1,2,1,1");
}

struct FailureCase {
    const char* scenario;
    const char* message;
    const char* location;
};

class FormsEngineFailureTest : public FormsEngineTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(FormsEngineFailureTest, EndsTheProgramWithTheErrorBox) {
    const FailureCase& failure = GetParam();
    std::optional<Process> probe = Start(failure.scenario);
    ASSERT_TRUE(probe);
    const std::optional<MessageBoxContent> box = WaitForMessageBox(probe->id());
    ASSERT_TRUE(box);
    EXPECT_EQ(box->caption, "错误");
    EXPECT_EQ(box->icon, BoxIcon::kError);
    EXPECT_NE(box->text.find(std::string("\r\n错误信息：") + failure.message + "\r\n"), std::string::npos) << box->text;
    EXPECT_NE(box->text.find(failure.location), std::string::npos) << box->text;
    EXPECT_TRUE(AnswerMessageBox(*box, IDOK));
    EXPECT_EQ(probe->WaitForExit(kDefaultTimeoutMs), kExitAfterRuntimeError);
    EXPECT_EQ(ReadWholeFile(reportFile_).find("survived"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Messages,
    FormsEngineFailureTest,
    ::testing::Values(
        FailureCase{"closed-read", "读取组件属性时发现指定窗口尚未载入",
                    "\r\n1375797249, 369164545\r\n\"探测窗口标记\"\r\n\"first\"\r\n"},
        FailureCase{"closed-write", "修改组件属性时发现指定窗口尚未载入", "\"探测窗口标记\"\r\n\"first\"\r\n"},
        FailureCase{"unknown-window", "未载入欲访问窗口组件所在的窗口", "\r\n未找到所指定的窗口\r\n"},
        FailureCase{"unknown-event-window", "未找到引发事件的窗口", "\r\n未找到所指定的窗口\r\n"},
        FailureCase{"unknown-event-component", "未找到引发事件的窗口组件", "\r\n未找到所指定的窗口组件\r\n"},
        FailureCase{"no-object", "指定窗口或窗口组件不存在或尚未载入", "\r\n未找到所指定的窗口组件\r\n"}),
    [](const ::testing::TestParamInfo<FailureCase>& info) {
        std::string name = info.param.scenario;
        for (char& c : name) {
            c = c == '-' ? '_' : c;
        }
        return name;
    });

}  // namespace
}  // namespace velmora::test
