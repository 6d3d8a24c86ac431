#include <windows.h>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "tests/support/build_paths.h"
#include "tests/support/process.h"
#include "tests/support/ui_driver.h"

namespace velmora::test {
namespace {

class UiDriverTest : public testing::Test {
  protected:
    void SetUp() override { Start("information"); }

    void Start(const std::string& icon) {
        auto started = Process::Start(QuoteArgument(BuildFile("tests/windows/harness/tiny_window.exe")) + " " + icon);
        ASSERT_TRUE(started);
        tiny_.emplace(std::move(*started));
        window_ = WaitForTopWindow(tiny_->id(), "TinyWindow");
        ASSERT_NE(window_, nullptr);
    }

    std::optional<Process> tiny_;
    HWND window_ = nullptr;
};

TEST_F(UiDriverTest, TypesClicksAndAnswersTheMessageBox) {
    const HWND edit = FindDescendant(window_, "Edit");
    const HWND button = FindDescendant(window_, "Button");
    ASSERT_NE(edit, nullptr);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(ReadText(button), "确定");

    ASSERT_TRUE(TypeText(edit, "桌面图标 layout"));
    EXPECT_EQ(ReadText(edit), "桌面图标 layout");
    Click(button);

    auto box = WaitForMessageBox(tiny_->id());
    ASSERT_TRUE(box);
    EXPECT_EQ(box->caption, "小窗口");
    EXPECT_EQ(box->text, "桌面图标 layout");
    EXPECT_EQ(box->icon, BoxIcon::kInformation);
    ASSERT_TRUE(AnswerMessageBox(*box, IDNO));
    EXPECT_EQ(tiny_->WaitForExit(kDefaultTimeoutMs), std::optional<DWORD>(IDNO));
}

struct IconCase {
    const char* name;
    BoxIcon icon;
};

class MessageBoxIcon : public UiDriverTest, public testing::WithParamInterface<IconCase> {
  protected:
    void SetUp() override { Start(GetParam().name); }
};

TEST_P(MessageBoxIcon, IsRecognised) {
    Click(FindDescendant(window_, "Button"));
    auto box = WaitForMessageBox(tiny_->id());
    ASSERT_TRUE(box);
    EXPECT_EQ(box->icon, GetParam().icon);
    ASSERT_TRUE(AnswerMessageBox(*box, IDYES));
    EXPECT_EQ(tiny_->WaitForExit(kDefaultTimeoutMs), std::optional<DWORD>(IDYES));
}

INSTANTIATE_TEST_SUITE_P(Icons,
                         MessageBoxIcon,
                         testing::Values(IconCase{"error", BoxIcon::kError},
                                         IconCase{"warning", BoxIcon::kWarning},
                                         IconCase{"information", BoxIcon::kInformation},
                                         IconCase{"question", BoxIcon::kQuestion}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(UiDriverTest, AWaitForAWindowThatNeverComesFailsWithinItsTimeOutAndSaysWhat) {
    const ULONGLONG start = GetTickCount64();
    EXPECT_NONFATAL_FAILURE(WaitForTopWindow(tiny_->id(), "NoSuchClass", nullptr, 300),
                            "waiting for a window of class \"NoSuchClass\"");
    EXPECT_LT(GetTickCount64() - start, 5000u);
    EXPECT_NONFATAL_FAILURE(WaitForMessageBox(tiny_->id(), 200), "timed out after 200 ms");
}

TEST_F(UiDriverTest, AProcessThatDoesNotEndIsReportedAndEndedByItsOwner) {
    EXPECT_NONFATAL_FAILURE(tiny_->WaitForExit(200), "to end");
    const HANDLE handle = tiny_->get();
    DWORD exitCode = 0;
    HANDLE copy = nullptr;
    ASSERT_TRUE(
        DuplicateHandle(GetCurrentProcess(), handle, GetCurrentProcess(), &copy, 0, FALSE, DUPLICATE_SAME_ACCESS));
    tiny_.reset();
    EXPECT_EQ(WaitForSingleObject(copy, 5000), WAIT_OBJECT_0);
    GetExitCodeProcess(copy, &exitCode);
    CloseHandle(copy);
    EXPECT_NE(exitCode, STILL_ACTIVE);
}

}  // namespace
}  // namespace velmora::test
