#include <windows.h>
#include <objbase.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>

#include "tests/e2e/layout_files.h"
#include "tests/e2e/test_desktop.h"
#include "tests/e2e/velmora_app.h"
#include "tests/support/build_paths.h"
#include "tests/support/shortcut.h"
#include "tests/support/standin_client.h"
#include "tests/support/ui_driver.h"

namespace velmora::test {
namespace {

constexpr char kInfoCaption[] = "信息：";
constexpr char kChooseDirectory[] = "请选择备份目录";
constexpr char kCheckBackupPath[] = "备份失败，请检查备份路径！";
constexpr char kCannotReadDesktop[] = "备份失败，无法读取桌面图标！";

// "2021年5月3日14时5分9秒" and its shorter forms, as the backup names its files.
std::string StampOf(const SYSTEMTIME& t) {
    std::string stamp =
        std::to_string(t.wYear) + "年" + std::to_string(t.wMonth) + "月" + std::to_string(t.wDay) + "日";
    if (t.wSecond)
        return stamp + std::to_string(t.wHour) + "时" + std::to_string(t.wMinute) + "分" + std::to_string(t.wSecond) +
               "秒";
    if (t.wMinute)
        return stamp + std::to_string(t.wHour) + "时" + std::to_string(t.wMinute) + "分";
    if (t.wHour)
        return stamp + std::to_string(t.wHour) + "时";
    return stamp;
}

std::string StampAt(ULONGLONG fileTime) {
    const FILETIME at = {static_cast<DWORD>(fileTime), static_cast<DWORD>(fileTime >> 32)};
    FILETIME local;
    FileTimeToLocalFileTime(&at, &local);
    SYSTEMTIME t;
    FileTimeToSystemTime(&local, &t);
    return StampOf(t);
}

ULONGLONG Now() {
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    return static_cast<ULONGLONG>(now.dwHighDateTime) << 32 | now.dwLowDateTime;
}

constexpr ULONGLONG kSecond = 10000000ULL;

std::string StampSecondsFromNow(int seconds) {
    return StampAt(Now() + static_cast<ULONGLONG>(seconds) * kSecond);
}

// Every name a backup taken between the two moments can have.
std::vector<std::string> NamesBetween(ULONGLONG from, ULONGLONG to) {
    std::vector<std::string> names;
    for (ULONGLONG at = from; at <= to + kSecond; at += kSecond)
        names.push_back(StampAt(at) + ".ini");
    return names;
}

class Backup : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
        backupDirectory_ = MakeScratchDirectory("backup");
        ASSERT_FALSE(backupDirectory_.empty());
    }
    void TearDown() override {
        app_.reset();
        shell_.reset();
        CoUninitialize();
    }

    // A desktop of every kind of item: files, folders and shortcuts in both desktop directories, a
    // file shown without its extension, the shell's own items, and GBK captions.
    void LayOutDesktop() {
        ASSERT_TRUE(desktop_.AddFile(desktop_.userDirectory(), "季度报告.docx"));
        ASSERT_TRUE(desktop_.AddFolder(desktop_.userDirectory(), "项目资料"));
        ASSERT_TRUE(desktop_.AddFile(desktop_.userDirectory(), "说明.txt"));
        ASSERT_TRUE(desktop_.AddShortcut(desktop_.userDirectory(), "记事本", "C:\\windows\\notepad.exe"));
        ASSERT_TRUE(desktop_.AddFile(desktop_.commonDirectory(), "公共通知.dat"));
        ASSERT_TRUE(desktop_.AddFolder(desktop_.commonDirectory(), "共享文件夹"));
        ASSERT_TRUE(desktop_.AddShortcut(desktop_.commonDirectory(), "注册表", "C:\\windows\\regedit.exe"));
        kinds_ = {
            {"季度报告.docx", {"[file]", ""}},
            {"项目资料", {"[folder]", ""}},
            {"记事本", {"[lnk]", ReadShortcutTarget(desktop_.userDirectory() + "记事本.lnk")}},
            {"公共通知.dat", {"[file]", ""}},
            {"共享文件夹", {"[folder]", ""}},
            {"注册表", {"[lnk]", ReadShortcutTarget(desktop_.commonDirectory() + "\\注册表.lnk")}},
        };
        ASSERT_EQ(kinds_["记事本"].target.empty(), false);
    }

    void StartShell(std::vector<std::string> options, StandInDesktop::Bits bits = StandInDesktop::Bits::k64) {
        options.insert(options.end(), {"--desktop-folders", "--hide-extension", ".txt"});
        shell_ = StandInDesktop::Start(options, {{"此电脑", 20, 20}, {"回收站", 20, 120}}, bits);
        ASSERT_TRUE(shell_);
    }

    void StartVelmora() {
        app_ = VelmoraApp::Start();
        ASSERT_TRUE(app_);
    }

    // Types the directory, clicks the backup button and reads the message box that answers.
    std::optional<MessageBoxContent> BackUpInto(const std::string& directory) {
        if (!TypeText(app_->backupDirEdit(), directory))
            return std::nullopt;
        app_->Click(app_->backupButton());
        auto box = WaitForMessageBox(app_->process().id());
        if (box) {
            EXPECT_EQ(box->caption, kInfoCaption);
        }
        return box;
    }

    void ExpectAnswer(const std::optional<MessageBoxContent>& box, const std::string& text) {
        ASSERT_TRUE(box);
        EXPECT_EQ(box->text, text);
        EXPECT_EQ(box->icon, BoxIcon::kNone);
        EXPECT_TRUE(AnswerMessageBox(*box, IDOK));
    }

    TestDesktop desktop_;
    std::map<std::string, Kind> kinds_;
    std::optional<StandInDesktop> shell_;
    std::optional<VelmoraApp> app_;
    std::string backupDirectory_;
};

struct ShellCase {
    const char* name;
    std::vector<std::string> options;
    StandInDesktop::Bits bits;
};

class BackupOfEveryShell : public Backup, public testing::WithParamInterface<ShellCase> {};

TEST_P(BackupOfEveryShell, WritesExactlyTheDesktopsLayout) {
    LayOutDesktop();
    StartShell(GetParam().options, GetParam().bits);
    StartVelmora();
    const ULONGLONG before = Now();
    ExpectAnswer(BackUpInto(backupDirectory_), "备份成功，备份文件在[" + backupDirectory_ + "]！！！");
    const std::vector<std::string> names = NamesBetween(before, Now());

    const std::vector<std::string> files = FilesIn(backupDirectory_);
    ASSERT_EQ(files.size(), 1u);
    EXPECT_NE(std::find(names.begin(), names.end(), files[0]), names.end()) << files[0];
    auto items = shell_->Report();
    ASSERT_TRUE(items);
    EXPECT_EQ(ReadBytes(backupDirectory_ + "\\" + files[0]), ExpectedLayout(*items, kinds_, 0));
    EXPECT_EQ(app_->Close(), std::optional<DWORD>(0));
}

INSTANTIATE_TEST_SUITE_P(Shells,
                         BackupOfEveryShell,
                         testing::Values(ShellCase{"WorkerW64", {}, StandInDesktop::Bits::k64},
                                         ShellCase{"WorkerW32", {}, StandInDesktop::Bits::k32},
                                         ShellCase{"Progman64", {"--progman"}, StandInDesktop::Bits::k64}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Backup, WithTwoShellViewsReadsTheOneLaterInZOrder) {
    LayOutDesktop();
    const std::string scratch = MakeScratchDirectory("second");
    StartShell({"--two-views", "--second-fixture", WriteFixtureFile(scratch, "second.txt", {{"别的视图", 500, 500}})});
    StartVelmora();
    ExpectAnswer(BackUpInto(backupDirectory_), "备份成功，备份文件在[" + backupDirectory_ + "]！！！");
    const std::vector<std::string> files = FilesIn(backupDirectory_);
    ASSERT_EQ(files.size(), 1u);
    auto items = shell_->Report();
    ASSERT_TRUE(items);
    // The stand-in makes its second view after the first, so the first lies later in z-order.
    EXPECT_EQ(ReadBytes(backupDirectory_ + "\\" + files[0]), ExpectedLayout(*items, kinds_, 0));
}

TEST_F(Backup, AnEmptyDirectoryBoxAsksForADirectory) {
    StartShell({});
    StartVelmora();
    ExpectAnswer(BackUpInto(""), kChooseDirectory);
}

TEST_F(Backup, ADirectoryThatCannotBeMadeIsReportedAndLeavesNoFile) {
    StartShell({});
    StartVelmora();
    const std::string blocker = backupDirectory_ + "\\a file";
    std::ofstream(blocker) << "in the way";
    ExpectAnswer(BackUpInto(blocker + "\\below"), kCheckBackupPath);
    EXPECT_EQ(FilesIn(backupDirectory_), std::vector<std::string>{"a file"});
}

TEST_F(Backup, NoDesktopListViewIsReportedAndLeavesNoFile) {
    StartShell({"--no-list-view"});
    StartVelmora();
    ExpectAnswer(BackUpInto(backupDirectory_), kCannotReadDesktop);
    EXPECT_TRUE(FilesIn(backupDirectory_).empty());
}

TEST_F(Backup, AHungShellIsReportedInTimeAndTheWindowStaysResponsive) {
    StartShell({"--hang"});
    StartVelmora();
    ExpectAnswer(BackUpInto(backupDirectory_), kCannotReadDesktop);
    EXPECT_TRUE(FilesIn(backupDirectory_).empty());
    ASSERT_TRUE(TypeText(app_->delayEdit(), "250"));
    EXPECT_EQ(ReadText(app_->delayEdit()), "250");
}

TEST_F(Backup, CreatesATypedDirectoryWithSlashesAndItsMissingParents) {
    LayOutDesktop();
    StartShell({});
    StartVelmora();
    std::string slashed = backupDirectory_ + "/新建/层级";
    for (char& c : slashed)
        c = c == '\\' ? '/' : c;
    ExpectAnswer(BackUpInto(slashed), "备份成功，备份文件在[" + slashed + "]！！！");
    EXPECT_EQ(FilesIn(backupDirectory_ + "\\新建\\层级").size(), 1u);
}

TEST_F(Backup, NeverMeetsAnEarlierBackupOfTheSameSecond) {
    LayOutDesktop();
    StartShell({});
    StartVelmora();
    // Earlier backups under every name this backup could take in the next seconds.
    std::vector<std::string> taken;
    for (int second = 0; second < 20; ++second) {
        const std::string name = StampSecondsFromNow(second) + ".ini";
        std::ofstream(backupDirectory_ + "\\" + name, std::ios::binary) << "earlier backup";
        taken.push_back(name);
    }
    ExpectAnswer(BackUpInto(backupDirectory_), "备份成功，备份文件在[" + backupDirectory_ + "]！！！");
    ExpectAnswer(BackUpInto(backupDirectory_), "备份成功，备份文件在[" + backupDirectory_ + "]！！！");

    auto items = shell_->Report();
    ASSERT_TRUE(items);
    int newFiles = 0;
    for (const std::string& name : FilesIn(backupDirectory_)) {
        const std::string bytes = ReadBytes(backupDirectory_ + "\\" + name);
        if (std::find(taken.begin(), taken.end(), name) != taken.end()) {
            EXPECT_EQ(bytes, "earlier backup") << name;
        } else {
            ++newFiles;
            EXPECT_NE(name.find(" ("), std::string::npos) << name;
            EXPECT_EQ(bytes, ExpectedLayout(*items, kinds_, 0)) << name;
        }
    }
    EXPECT_EQ(newFiles, 2);
}

}  // namespace
}  // namespace velmora::test
