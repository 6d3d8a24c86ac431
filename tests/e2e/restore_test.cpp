#include <windows.h>

#include <gtest/gtest.h>

#include "tests/e2e/restore_fixture.h"
#include "tests/support/build_paths.h"
#include "tests/support/shortcut.h"

namespace velmora::test {
namespace {

constexpr char kNoDesktop[] = "还原失败，无法读取桌面图标！";
constexpr char kOtherScreen[] = "分辨率不同，无法还原!!";

class Restore : public RestoreFixture {
  protected:
    // About forty items of every kind: files (one shown without its extension), folders and shortcuts
    // in both desktop directories, the shell's own items, GBK captions, captions with "|" and "]", two
    // icons of one caption, and an icon left of the screen.
    void LayOutCrowdedDesktop() {
        const std::string& user = desktop_.userDirectory();
        const std::string& common = desktop_.commonDirectory();
        for (int i = 1; i <= 8; ++i) {
            ASSERT_TRUE(desktop_.AddFile(user, "文件" + std::to_string(i) + ".dat"));
            kinds_["文件" + std::to_string(i) + ".dat"] = {"[file]", ""};
            ASSERT_TRUE(desktop_.AddFolder(user, "文件夹" + std::to_string(i)));
            kinds_["文件夹" + std::to_string(i)] = {"[folder]", ""};
        }
        for (int i = 1; i <= 6; ++i) {
            const std::string name = "快捷方式" + std::to_string(i);
            ASSERT_TRUE(desktop_.AddShortcut(user, name, "C:\\windows\\notepad.exe"));
            kinds_[name] = {"[lnk]", ReadShortcutTarget(user + name + ".lnk")};
        }
        ASSERT_TRUE(desktop_.AddFile(user, "方括号]文件.dat"));
        kinds_["方括号]文件.dat"] = {"[file]", ""};
        // A folder and a text file shown without its extension: two icons captioned "报告".
        ASSERT_TRUE(desktop_.AddFolder(user, "报告"));
        ASSERT_TRUE(desktop_.AddFile(user, "报告.txt"));
        kinds_["报告"] = {"[folder]", ""};
        ASSERT_TRUE(desktop_.AddFile(common, "公共通知.dat"));
        kinds_["公共通知.dat"] = {"[file]", ""};
        ASSERT_TRUE(desktop_.AddFolder(common, "共享文件夹"));
        kinds_["共享文件夹"] = {"[folder]", ""};
        ASSERT_TRUE(desktop_.AddShortcut(common, "注册表", "C:\\windows\\regedit.exe"));
        kinds_["注册表"] = {"[lnk]", ReadShortcutTarget(common + "\\注册表.lnk")};
        std::vector<FixtureIcon> system = {{"此电脑", 20, 20},      {"回收站", 20, 120}, {"网络|共享]", 20, 220},
                                           {"控制面板", 20, 320},   {"用户", 20, 420},   {"左边屏幕", -300, 40},
                                           {"Internet", 1700, 900}, {"库", 1500, 20},    {"打印机", 1500, 120},
                                           {"文档", 1500, 220},     {"下载", 1500, 320}, {"音乐", 1500, 420}};
        fixture_ = system;
    }

    void StartCrowded(std::vector<std::string> options = {}, StandInDesktop::Bits bits = StandInDesktop::Bits::k64) {
        LayOutCrowdedDesktop();
        StartShell(options, fixture_, bits);
        StartVelmora();
    }

    std::vector<FixtureIcon> fixture_;
};

struct ShellCase {
    const char* name;
    std::vector<std::string> options;
    StandInDesktop::Bits bits;
};

class RestoreOnEveryShell : public Restore, public testing::WithParamInterface<ShellCase> {};

TEST_P(RestoreOnEveryShell, PutsEveryIconBackExactlyAndNothingCreepsOverTenCycles) {
    ASSERT_NO_FATAL_FAILURE(StartCrowded(GetParam().options, GetParam().bits));
    const std::string layout = SaveLayoutAsItStands("layout.ini");
    ASSERT_GE(Items().size(), 40u);
    for (int cycle = 1; cycle <= 10; ++cycle) {
        SCOPED_TRACE("cycle " + std::to_string(cycle));
        Rotate();
        ASSERT_NE(ItemLines(ReadBytes(SaveLayoutAsItStands("rotated.ini"))), ItemLines(ReadBytes(layout)));
        ExpectBox(RestoreFrom(layout), kRestored, kInfoCaption, BoxIcon::kNone);
        ASSERT_NO_FATAL_FAILURE(ExpectLayout(layout));
        // What a backup now writes is what was restored: no icon crept by a pixel.
        EXPECT_EQ(ItemLines(ReadBytes(SaveLayoutAsItStands("again.ini"))), ItemLines(ReadBytes(layout)));
        if (HasFailure())
            break;
    }
    EXPECT_EQ(FindWindowA("Notepad", nullptr), nullptr) << "a restore that did everything shows no report";
    EXPECT_EQ(app_->Close(), std::optional<DWORD>(0));
}

INSTANTIATE_TEST_SUITE_P(Shells,
                         RestoreOnEveryShell,
                         testing::Values(ShellCase{"WorkerW64", {}, StandInDesktop::Bits::k64},
                                         ShellCase{"WorkerW32", {}, StandInDesktop::Bits::k32},
                                         ShellCase{"Progman64", {"--progman"}, StandInDesktop::Bits::k64}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace velmora::test
