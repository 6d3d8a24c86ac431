#include <windows.h>

#include <gtest/gtest.h>

#include "tests/e2e/restore_fixture.h"
#include "tests/support/build_paths.h"
#include "tests/support/process.h"
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
    ASSERT_GE(Items().size(), 40u);
    const std::string layout = BackUp();
    ASSERT_NE(ReadBytes(layout).find("[左边屏幕]|[-3"), std::string::npos) << "an icon left of the screen";
    for (int cycle = 1; cycle <= 10; ++cycle) {
        SCOPED_TRACE("cycle " + std::to_string(cycle));
        Rotate();
        ASSERT_NE(ItemLines(ReadBytes(SaveLayoutAsItStands("rotated.ini"))), ItemLines(ReadBytes(layout)));
        ExpectBox(RestoreFrom(layout), kRestored, kInfoCaption, BoxIcon::kNone);
        ASSERT_NO_FATAL_FAILURE(ExpectLayout(layout));
        // What a backup now writes is what was restored: no icon crept by a pixel.
        EXPECT_EQ(ItemLines(ReadBytes(BackUp())), ItemLines(ReadBytes(layout)));
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

// A few icons whose places the tests choose.
class SmallRestore : public Restore {
  protected:
    void Start(std::vector<std::string> options, const std::vector<FixtureIcon>& icons) {
        StartShell(std::move(options), icons);
        StartVelmora();
    }

    std::string Layout(const std::vector<std::string>& lines) {
        std::string text = "[ScreenRect:" + std::to_string(GetSystemMetrics(SM_CXSCREEN)) + "/" +
                           std::to_string(GetSystemMetrics(SM_CYSCREEN)) +
                           "]\r\n[IconNum:" + std::to_string(lines.size()) + "]\r\n";
        for (const std::string& line : lines)
            text += line + "\r\n";
        return SaveLayout("layout.ini", text);
    }

    // The bounds line of an item as it stands now, moved to (left, top).
    std::string SystemLine(const std::string& caption, int left, int top) {
        return "[system]|[" + caption + "]|[" + std::to_string(left) + "/" + std::to_string(top) + "/" +
               std::to_string(left + 75) + "/" + std::to_string(top + 70) + "]";
    }

    const StandInItem* Find(const std::vector<StandInItem>& items, const std::string& caption) {
        for (const StandInItem& item : items) {
            if (item.caption == caption)
                return &item;
        }
        ADD_FAILURE() << "no item " << caption;
        return nullptr;
    }

    // The text of the report Notepad that Velmora opened (not one of the others).
    std::string WaitForReport(const std::string& expected, DWORD otherNotepad = 0) {
        std::string text;
        WaitFor("the restore report in Notepad", kDefaultTimeoutMs, [&] {
            for (HWND window = FindWindowExA(nullptr, nullptr, "Notepad", nullptr); window;
                 window = FindWindowExA(nullptr, window, "Notepad", nullptr)) {
                DWORD owner = 0;
                GetWindowThreadProcessId(window, &owner);
                if (owner != otherNotepad) {
                    text = ReadText(FindDescendant(window, "Edit"));
                    return text == expected;
                }
            }
            return false;
        });
        return text;
    }
};

TEST_F(SmallRestore, AnIconInTheWayChangesPlacesWithTheOneMovedThere) {
    ASSERT_NO_FATAL_FAILURE(Start({}, {{"甲", 600, 400}, {"乙", 100, 100}}));
    const std::vector<StandInItem> before = Items();
    const StandInItem* a = Find(before, "甲");
    const StandInItem* b = Find(before, "乙");
    ASSERT_TRUE(a && b);
    // The file puts 甲 where 乙 stands.
    const std::string file = Layout({SystemLine("甲", b->bounds.left, b->bounds.top)});
    ExpectBox(RestoreFrom(file), kRestored, kInfoCaption, BoxIcon::kNone);
    const std::vector<StandInItem> after = Items();
    EXPECT_EQ(Find(after, "甲")->bounds.left, b->bounds.left);
    EXPECT_EQ(Find(after, "甲")->bounds.top, b->bounds.top);
    EXPECT_EQ(Find(after, "乙")->bounds.left, a->bounds.left) << "乙 takes 甲's old place";
    EXPECT_EQ(Find(after, "乙")->bounds.top, a->bounds.top);
}

TEST_F(SmallRestore, IconsAlreadyInPlaceAreNeitherMovedNorWaitedFor) {
    ASSERT_NO_FATAL_FAILURE(Start({}, {{"甲", 600, 400}, {"乙", 100, 100}, {"丙", 300, 100}}));
    const std::string file = SaveLayoutAsItStands("layout.ini");
    const std::vector<StandInItem> before = Items();
    const ULONGLONG start = GetTickCount64();
    // Three waits of five seconds would be fifteen.
    ExpectBox(RestoreFrom(file, "5000"), kRestored, kInfoCaption, BoxIcon::kNone);
    EXPECT_LT(GetTickCount64() - start, 5000u);
    ExpectUnmoved(before);
}

TEST_F(SmallRestore, EveryMoveWaitsTheDelayAndLettersOrZeroDoNotWait) {
    ASSERT_NO_FATAL_FAILURE(Start({}, {{"甲", 100, 100}, {"乙", 300, 100}, {"丙", 500, 100}}));
    const std::string file = SaveLayoutAsItStands("layout.ini");
    struct Case {
        const char* delay;
        ULONGLONG atLeast;
        ULONGLONG below;
    };
    // Three free moves each time: at least three delays, or clearly fewer than three of 1000.
    const Case cases[] = {{"250", 750, ~0ull}, {"abc", 0, 3000}, {"0", 0, 3000}, {"", 0, 3000}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("delay \"") + c.delay + "\"");
        const std::vector<StandInItem> items = Items();
        for (const StandInItem& item : items)
            ASSERT_TRUE(shell_->MoveItem(item.index, item.position.x, item.position.y + 400));
        const ULONGLONG start = GetTickCount64();
        ExpectBox(RestoreFrom(file, c.delay), kRestored, kInfoCaption, BoxIcon::kNone);
        const ULONGLONG elapsed = GetTickCount64() - start;
        EXPECT_GE(elapsed, c.atLeast);
        EXPECT_LT(elapsed, c.below);
        ExpectLayout(file);
    }
}

TEST_F(SmallRestore, AFileWithoutEntriesMovesNothingAndStillSaysSo) {
    ASSERT_NO_FATAL_FAILURE(Start({}, {{"甲", 100, 100}}));
    const std::vector<StandInItem> before = Items();
    ExpectBox(RestoreFrom(Layout({})), kRestored, kInfoCaption, BoxIcon::kNone);
    ExpectUnmoved(before);
}

TEST_F(SmallRestore, AnotherScreenSizeOrNoFileIsRefusedAndNothingMoves) {
    ASSERT_NO_FATAL_FAILURE(Start({}, {{"甲", 100, 100}}));
    const std::vector<StandInItem> before = Items();
    const std::string otherScreen =
        SaveLayout("other.ini", "[ScreenRect:" + std::to_string(GetSystemMetrics(SM_CXSCREEN) + 1) + "/" +
                                    std::to_string(GetSystemMetrics(SM_CYSCREEN)) + "]\r\n[IconNum:1]\r\n" +
                                    SystemLine("甲", 700, 500) + "\r\n");
    for (const std::string& file : {otherScreen, std::string(), scratch_ + "\\不存在.ini"}) {
        SCOPED_TRACE(file);
        ExpectBox(RestoreFrom(file), kOtherScreen, kErrorCaption, BoxIcon::kError);
    }
    ExpectUnmoved(before);
}

TEST_F(SmallRestore, AMalformedFileNamesItsLineMovesNothingAndVelmoraGoesOn) {
    ASSERT_NO_FATAL_FAILURE(Start({}, {{"甲", 100, 100}, {"乙", 300, 100}}));
    const std::vector<StandInItem> before = Items();
    const std::string screen = "[ScreenRect:" + std::to_string(GetSystemMetrics(SM_CXSCREEN)) + "/" +
                               std::to_string(GetSystemMetrics(SM_CYSCREEN)) + "]\r\n";
    const std::string good = SystemLine("甲", 700, 500) + "\r\n";
    std::string garbage(3000, '\0');
    for (size_t i = 0; i < garbage.size(); ++i)
        garbage[i] = static_cast<char>((i * 7919) % 251);
    struct Case {
        const char* name;
        std::string bytes;
        int line;
    };
    const Case cases[] = {
        {"count cut short", screen + "[IconNum:", 2},
        {"fewer lines than counted", screen + "[IconNum:3]\r\n" + good, 4},
        {"a short line", screen + "[IconNum:2]\r\n" + good + "[system]|[乙]\r\n", 4},
        {"rectangle numbers missing", screen + "[IconNum:1]\r\n[system]|[乙]|[1/2]\r\n", 3},
        {"a field not a number", screen + "[IconNum:1]\r\n[system]|[乙]|[1/二/3/4]\r\n", 3},
        {"a line of a megabyte", screen + "[IconNum:2]\r\n" + good + std::string(1 << 20, 'x') + "\r\n", 4},
        {"binary garbage", screen + "[IconNum:1]\r\n" + garbage, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string file = SaveLayout("malformed.ini", c.bytes);
        ExpectBox(RestoreFrom(file), "备份文件格式错误（第" + std::to_string(c.line) + "行），无法还原！",
                  kErrorCaption, BoxIcon::kError);
    }
    ExpectUnmoved(before);
    EXPECT_TRUE(IsWindowEnabled(app_->restoreButton()));
    EXPECT_EQ(app_->Close(), std::optional<DWORD>(0));
}

TEST_F(SmallRestore, NoDesktopIsReported) {
    ASSERT_NO_FATAL_FAILURE(Start({"--no-list-view"}, {}));
    ExpectBox(RestoreFrom(Layout({SystemLine("甲", 100, 100)})), kNoDesktop, kErrorCaption, BoxIcon::kError);
}

TEST_F(SmallRestore, AutoArrangeIsReportedAndNothingMoves) {
    ASSERT_NO_FATAL_FAILURE(Start({"--auto-arrange"}, {{"甲", 100, 100}}));
    const std::vector<StandInItem> before = Items();
    ExpectBox(RestoreFrom(Layout({SystemLine("甲", 700, 500)})), "桌面已开启“自动排列图标”，请先关闭后再还原！",
              kInfoCaption, BoxIcon::kWarning);
    ExpectUnmoved(before);
}

TEST_F(SmallRestore, MovesTheShellRefusesAndIconsNotOnTheDesktopAreReportedAsNotLanded) {
    ASSERT_NO_FATAL_FAILURE(Start({"--pinned", "乙"}, {{"甲", 100, 100}, {"乙", 300, 100}}));
    const std::string file =
        Layout({SystemLine("甲", 700, 500), SystemLine("乙", 900, 500), SystemLine("不在桌面上", 1100, 500)});
    ExpectBox(RestoreFrom(file), kRestored, kInfoCaption, BoxIcon::kNone);
    const std::string expected = "未能移到原位：2\r\n1:乙\t[900/500]\r\n2:不在桌面上\t[1100/500]\r\n";
    EXPECT_EQ(WaitForReport(expected), expected);
    EXPECT_EQ(Find(Items(), "甲")->bounds.left, 700);
}

TEST_F(SmallRestore, MissingFilesAreReportedInNotepadAndAUsersNotepadIsLeftAlone) {
    auto users = Process::Start("notepad.exe");
    ASSERT_TRUE(users);
    const HWND usersNotepad = WaitForTopWindow(users->id(), "Notepad");
    ASSERT_NE(usersNotepad, nullptr);
    ASSERT_TRUE(TypeText(FindDescendant(usersNotepad, "Edit"), "用户的笔记"));
    ASSERT_NO_FATAL_FAILURE(Start({}, {{"甲", 100, 100}}));
    const std::string file = Layout({"[file]|[季度报告.docx]|[100/100/175/170]", "[folder]|[旧项目]|[200/100/275/170]",
                                     SystemLine("甲", 700, 500)});
    ExpectBox(RestoreFrom(file), kRestored, kInfoCaption, BoxIcon::kNone);
    const std::string expected = "缺少文件：2\r\n1:季度报告.docx\t\r\n2:旧项目\t\r\n";
    EXPECT_EQ(WaitForReport(expected, users->id()), expected);
    EXPECT_TRUE(users->Running());
    EXPECT_EQ(ReadText(FindDescendant(usersNotepad, "Edit")), "用户的笔记");
}

TEST_F(SmallRestore, AMissingShortcutIsSkippedSilentlyUnlessAskedToRecreateIt) {
    ASSERT_NO_FATAL_FAILURE(Start({}, {{"甲", 100, 100}}));
    const std::string target = scratch_ + "\\工具\\编辑器.exe";
    ASSERT_TRUE(CreateDirectoryA((scratch_ + "\\工具").c_str(), nullptr));
    ASSERT_TRUE(WriteBytes(target, "MZ"));
    const std::string file = Layout({"[lnk]|[编辑器]|[700/500/775/570]|[" + target + "]"});
    const std::string link = desktop_.userDirectory() + "编辑器.lnk";

    ExpectBox(RestoreFrom(file), kRestored, kInfoCaption, BoxIcon::kNone);
    EXPECT_EQ(GetFileAttributesA(link.c_str()), INVALID_FILE_ATTRIBUTES);

    SendMessageA(app_->createShortcutsCheck(), BM_SETCHECK, BST_CHECKED, 0);
    ExpectBox(RestoreFrom(file), kRestored, kInfoCaption, BoxIcon::kNone);
    EXPECT_EQ(ReadShortcutTarget(link), target);
    EXPECT_EQ(ReadShortcutWorkingDirectory(link), scratch_ + "\\工具\\");
    const StandInItem* placed = Find(Items(), "编辑器");
    ASSERT_TRUE(placed);
    EXPECT_EQ(placed->bounds.left, 700);
    EXPECT_EQ(placed->bounds.top, 500);
    EXPECT_EQ(FindWindowA("Notepad", nullptr), nullptr);
}

TEST_F(SmallRestore, AShortcutWhoseIconNeverComesIsNotWaitedForLongerThanFiveSeconds) {
    showDesktopFolders_ = false;
    ASSERT_NO_FATAL_FAILURE(Start({}, {{"甲", 100, 100}}));
    const std::string target = scratch_ + "\\编辑器.exe";
    ASSERT_TRUE(WriteBytes(target, "MZ"));
    const std::string file = Layout({"[lnk]|[编辑器]|[700/500/775/570]|[" + target + "]"});
    SendMessageA(app_->createShortcutsCheck(), BM_SETCHECK, BST_CHECKED, 0);
    const ULONGLONG start = GetTickCount64();
    ExpectBox(RestoreFrom(file), kRestored, kInfoCaption, BoxIcon::kNone);
    EXPECT_GE(GetTickCount64() - start, 5000u);
    const std::string expected = "无法还原快捷方式：1\r\n1:编辑器.lnk\t[" + target + "]\r\n";
    EXPECT_EQ(WaitForReport(expected), expected);
}

TEST_F(SmallRestore, ShortcutsThatCannotBeRecreatedAreReportedAndNothingIsWrittenOutsideTheDesktop) {
    ASSERT_NO_FATAL_FAILURE(Start({}, {{"甲", 100, 100}}));
    const std::string target = scratch_ + "\\有.exe";
    ASSERT_TRUE(WriteBytes(target, "MZ"));
    const std::string file = Layout({"[lnk]|[目标已删]|[700/500/775/570]|[" + scratch_ + "\\已删.exe]",
                                     "[lnk]|[..\\逃逸]|[800/500/875/570]|[" + target + "]"});
    SendMessageA(app_->createShortcutsCheck(), BM_SETCHECK, BST_CHECKED, 0);
    ExpectBox(RestoreFrom(file), kRestored, kInfoCaption, BoxIcon::kNone);
    const std::string expected =
        "无法还原快捷方式：2\r\n1:目标已删.lnk\t[" + scratch_ + "\\已删.exe]\r\n2:..\\逃逸.lnk\t[" + target + "]\r\n";
    EXPECT_EQ(WaitForReport(expected), expected);
    const std::string user = desktop_.userDirectory();
    EXPECT_EQ(GetFileAttributesA((user + "..\\逃逸.lnk").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetFileAttributesA((user + "目标已删.lnk").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(FilesIn(user.substr(0, user.size() - 1)).empty());
}

TEST_F(SmallRestore, ButtonsStayDisabledDuringARestoreAndClosingTheWindowEndsItCleanly) {
    ASSERT_NO_FATAL_FAILURE(Start({}, {{"甲", 100, 100}, {"乙", 300, 100}}));
    const std::string file = Layout({SystemLine("甲", 700, 500), SystemLine("乙", 900, 500)});
    ASSERT_TRUE(TypeText(app_->backupFileEdit(), file));
    ASSERT_TRUE(TypeText(app_->delayEdit(), "3000"));
    app_->Click(app_->restoreButton());
    EXPECT_TRUE(WaitFor("the buttons to be disabled", kDefaultTimeoutMs, [&] {
        return !IsWindowEnabled(app_->restoreButton()) && !IsWindowEnabled(app_->backupButton());
    }));
    EXPECT_EQ(app_->Close(), std::optional<DWORD>(0));
    EXPECT_EQ(FindTopWindow(0, "#32770"), nullptr) << "no run-time error report";
}

}  // namespace
}  // namespace velmora::test
