#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/e2e/restore_fixture.h"
#include "tests/e2e/velmora_command.h"
#include "tests/support/build_paths.h"

namespace velmora::test {
namespace {

std::string ScreenSize() {
    return std::to_string(GetSystemMetrics(SM_CXSCREEN)) + "x" + std::to_string(GetSystemMetrics(SM_CYSCREEN));
}

std::string ScreenLine(int width, int height) {
    return "[ScreenRect:" + std::to_string(width) + "/" + std::to_string(height) + "]\r\n";
}

std::string SystemLine(const std::string& caption, int left, int top) {
    return "[system]|[" + caption + "]|[" + std::to_string(left) + "/" + std::to_string(top) + "/" +
           std::to_string(left + 75) + "/" + std::to_string(top + 70) + "]";
}

std::string LayoutText(const std::vector<std::string>& lines,
                       int width = GetSystemMetrics(SM_CXSCREEN),
                       int height = GetSystemMetrics(SM_CYSCREEN)) {
    std::string text = ScreenLine(width, height) + "[IconNum:" + std::to_string(lines.size()) + "]\r\n";
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

const StandInItem* Find(const std::vector<StandInItem>& items, const std::string& caption) {
    const auto found =
        std::find_if(items.begin(), items.end(), [&](const StandInItem& item) { return item.caption == caption; });
    return found == items.end() ? nullptr : &*found;
}

std::string SnapshotDirectory() {
    char localAppData[MAX_PATH] = {};
    SHGetSpecialFolderPathA(nullptr, localAppData, CSIDL_LOCAL_APPDATA, TRUE);
    return std::string(localAppData) + "\\Velmora\\还原前";
}

void SetWriteTime(const std::string& path, int secondsAgo) {
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER time = {{now.dwLowDateTime, now.dwHighDateTime}};
    time.QuadPart -= static_cast<ULONGLONG>(secondsAgo) * 10000000ULL;
    const FILETIME then = {time.LowPart, time.HighPart};
    const HANDLE file = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << path;
    EXPECT_TRUE(SetFileTime(file, nullptr, nullptr, &then));
    CloseHandle(file);
}

class CommandLine : public RestoreFixture {
  protected:
    void SetUp() override {
        RestoreFixture::SetUp();
        // Snapshots of earlier tests would answer /undo.
        RemoveTree(SnapshotDirectory());
        DeleteFileA(SnapshotDirectory().c_str());
    }

    void Start(std::vector<std::string> options, const std::vector<FixtureIcon>& icons) {
        StartShell(std::move(options), icons);
    }

    // Runs Velmora with the arguments and checks what every run must hold.
    CommandRun Run(const std::vector<std::string>& arguments, const std::string& directory = {}) {
        CommandRun run = RunVelmora(arguments, directory);
        EXPECT_FALSE(run.showedWindow) << "a command-line run shows no window";
        EXPECT_EQ(FindWindowA("Notepad", nullptr), nullptr) << "a command-line run opens no Notepad";
        const std::vector<std::string> lines = OutputLines(run.output);
        if (!run.output.empty() && run.exitCode != std::optional<DWORD>(4) && arguments.front() != "/?") {
            EXPECT_EQ(lines.back().rfind("summary\t", 0), 0u) << "the last line sums up:\n" << run.output;
            EXPECT_NE(lines.back().find("\texit=" + std::to_string(run.exitCode.value_or(99))), std::string::npos)
                << lines.back();
        }
        return run;
    }

    // Every item where the stand-in reports it now, by caption.
    std::map<std::string, POINT> Positions() {
        std::map<std::string, POINT> positions;
        for (const StandInItem& item : Items())
            positions[item.caption] = {item.bounds.left, item.bounds.top};
        return positions;
    }

    void ExpectPositions(const std::map<std::string, POINT>& expected) {
        const std::map<std::string, POINT> now = Positions();
        ASSERT_EQ(now.size(), expected.size());
        for (const auto& [caption, point] : expected) {
            EXPECT_EQ(now.at(caption).x, point.x) << caption;
            EXPECT_EQ(now.at(caption).y, point.y) << caption;
        }
    }

    void LayOutAFewOfEveryKind() {
        ASSERT_TRUE(desktop_.AddFile(desktop_.userDirectory(), "笔记.dat"));
        kinds_["笔记.dat"] = {"[file]", ""};
        ASSERT_TRUE(desktop_.AddFolder(desktop_.userDirectory(), "项目"));
        kinds_["项目"] = {"[folder]", ""};
        Start({}, {{"此电脑", 20, 20}, {"回收站", 20, 120}, {"网络", 300, 300}, {"库", 1500, 20}});
    }
};

TEST_F(CommandLine, BackupWritesWhatTheButtonWritesAndPrintsThePath) {
    ASSERT_NO_FATAL_FAILURE(LayOutAFewOfEveryKind());
    StartVelmora();
    const std::string byButton = BackUp();
    ASSERT_FALSE(byButton.empty());
    const std::string directory = scratch_ + "\\命令行\\新建";
    const CommandRun run = Run({"/backup", directory});
    EXPECT_EQ(run.exitCode, std::optional<DWORD>(0)) << run.output;
    const std::vector<std::string> files = FilesIn(directory);
    ASSERT_EQ(files.size(), 1u);
    const std::string written = directory + "\\" + files.front();
    EXPECT_EQ(run.output,
              "file\t" + written + "\r\nsummary\tbackup\ticons=" + std::to_string(Items().size()) + "\texit=0\r\n");
    EXPECT_EQ(ReadBytes(written), ReadBytes(byButton));
    EXPECT_EQ(ReadBytes(written), ExpectedLayout(Items(), kinds_, 0));
}

TEST_F(CommandLine, ARelativeDirectoryIsTheStartingDirectorysAndOptionsIgnoreCase) {
    ASSERT_NO_FATAL_FAILURE(LayOutAFewOfEveryKind());
    const CommandRun run = Run({"-BACKUP", "相对"}, scratch_);
    EXPECT_EQ(run.exitCode, std::optional<DWORD>(0)) << run.output;
    EXPECT_EQ(FilesIn(scratch_ + "\\相对").size(), 1u);
}

TEST_F(CommandLine, BackupWithoutADesktopOrAWritableDirectory) {
    ASSERT_NO_FATAL_FAILURE(Start({"--no-list-view"}, {}));
    CommandRun run = Run({"/backup", scratch_ + "\\无桌面"});
    EXPECT_EQ(run.exitCode, std::optional<DWORD>(3));
    EXPECT_EQ(run.output, "error\tnodesktop\r\nsummary\tbackup\texit=3\r\n");
    EXPECT_TRUE(FilesIn(scratch_ + "\\无桌面").empty());
}

TEST_F(CommandLine, BackupIntoAPlaceNoFileCanBeWritten) {
    ASSERT_NO_FATAL_FAILURE(Start({}, {{"甲", 100, 100}}));
    // A file where the directory should be.
    const std::string blocked = scratch_ + "\\是文件";
    ASSERT_TRUE(WriteBytes(blocked, "x"));
    const CommandRun run = Run({"/backup", blocked + "\\子目录"});
    EXPECT_EQ(run.exitCode, std::optional<DWORD>(5));
    EXPECT_EQ(LinesOf(run.output, "error"), std::vector<std::string>{"error\tnotwritten\t" + blocked + "\\子目录"});
}

TEST_F(CommandLine, RestoreOfAFileRoundTripsAndTellsEveryMove) {
    ASSERT_NO_FATAL_FAILURE(LayOutAFewOfEveryKind());
    const std::string layout = SaveLayoutAsItStands("layout.ini");
    Rotate();
    const std::map<std::string, POINT> rotated = Positions();
    const CommandRun run = Run({"/restore", layout, "/delay", "10"});
    EXPECT_EQ(run.exitCode, std::optional<DWORD>(0)) << run.output;
    ASSERT_NO_FATAL_FAILURE(ExpectLayout(layout));
    const std::vector<std::string> lines = OutputLines(run.output);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), "file\t" + layout);
    // Every icon moved once to where the file puts it, from where the rotation had put it.
    const std::vector<std::string> moved = LinesOf(run.output, "moved");
    EXPECT_EQ(moved.size(), rotated.size()) << run.output;
    for (const auto& [caption, from] : rotated) {
        const StandInItem* item = Find(Items(), caption);
        ASSERT_TRUE(item);
        const std::string line = "moved\t" + caption + "\t" + std::to_string(from.x) + "," + std::to_string(from.y) +
                                 "\t" + std::to_string(item->bounds.left) + "," + std::to_string(item->bounds.top);
        EXPECT_NE(std::find(moved.begin(), moved.end(), line), moved.end()) << line << "\n" << run.output;
    }
    EXPECT_EQ(LinesOf(run.output, "snapshot").size(), 1u) << run.output;
    EXPECT_EQ(lines.back(), "summary\trestore\tmoved=" + std::to_string(rotated.size()) +
                                "\tmissing=0\trecreated=0\tunrestored=0\tnotlanded=0\texit=0");
}

TEST_F(CommandLine, AMissingFileGivesOneAndSaysWhich) {
    ASSERT_NO_FATAL_FAILURE(Start({}, {{"甲", 100, 100}}));
    const std::string file =
        SaveLayout("layout.ini", LayoutText({"[file]|[季度报告.docx]|[100/100/175/170]", SystemLine("甲", 700, 500)}));
    const CommandRun run = Run({"/restore", file});
    EXPECT_EQ(run.exitCode, std::optional<DWORD>(1)) << run.output;
    EXPECT_EQ(LinesOf(run.output, "missing"), std::vector<std::string>{"missing\t季度报告.docx"});
    EXPECT_EQ(Find(Items(), "甲")->bounds.left, 700);
}

TEST_F(CommandLine, RefusalsMoveNothing) {
    ASSERT_NO_FATAL_FAILURE(Start({}, {{"甲", 100, 100}}));
    const std::vector<StandInItem> before = Items();
    const std::string good = SystemLine("甲", 700, 500);
    struct Case {
        const char* name;
        std::string bytes;
        std::string error;
    };
    const Case cases[] = {
        {"another screen size", LayoutText({good}, 800, 600), "error\tscreen\t800x600\t" + ScreenSize()},
        {"no screen line", "[IconNum:1]\r\n" + good + "\r\n", "error\tscreen\t0x0\t" + ScreenSize()},
        {"a malformed line", LayoutText({good, "[system]|[乙]|[1/2]"}), "error\tformat\tline 4"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string file = SaveLayout("refused.ini", c.bytes);
        const CommandRun run = Run({"/restore", file});
        EXPECT_EQ(run.exitCode, std::optional<DWORD>(2)) << run.output;
        EXPECT_EQ(LinesOf(run.output, "error"), std::vector<std::string>{c.error}) << run.output;
        ExpectUnmoved(before);
    }
    const CommandRun none = Run({"/restore", scratch_ + "\\没有.ini"});
    EXPECT_EQ(none.exitCode, std::optional<DWORD>(2));
    EXPECT_EQ(LinesOf(none.output, "error"), std::vector<std::string>{"error\tunreadable\t" + scratch_ + "\\没有.ini"});
}

TEST_F(CommandLine, AutoArrangeIsRefused) {
    ASSERT_NO_FATAL_FAILURE(Start({"--auto-arrange"}, {{"甲", 100, 100}}));
    const std::vector<StandInItem> before = Items();
    const CommandRun run = Run({"/restore", SaveLayout("layout.ini", LayoutText({SystemLine("甲", 700, 500)}))});
    EXPECT_EQ(run.exitCode, std::optional<DWORD>(2));
    EXPECT_EQ(LinesOf(run.output, "error"), std::vector<std::string>{"error\tautoarrange"});
    ExpectUnmoved(before);
}

TEST_F(CommandLine, NoDesktopGivesThree) {
    ASSERT_NO_FATAL_FAILURE(Start({"--no-list-view"}, {}));
    const CommandRun run = Run({"/restore", SaveLayout("layout.ini", LayoutText({SystemLine("甲", 700, 500)}))});
    EXPECT_EQ(run.exitCode, std::optional<DWORD>(3));
    EXPECT_EQ(LinesOf(run.output, "error"), std::vector<std::string>{"error\tnodesktop"});
}

TEST_F(CommandLine, ADirectoryGivesTheNewestLayoutOfThisScreenSize) {
    ASSERT_NO_FATAL_FAILURE(Start({}, {{"甲", 100, 100}}));
    const std::string directory = scratch_ + "\\各种屏幕";
    ASSERT_TRUE(CreateDirectoryA(directory.c_str(), nullptr));
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    struct File {
        const char* name;
        int width, height, left, secondsAgo;
    };
    // The newest file of all is for another screen; of this screen's two, the newer has the older name.
    const File files[] = {
        {"2020年1月1日.ini", width, height, 900, 100},
        {"2019年1月1日.ini", width, height, 700, 50},
        {"投影仪.ini", 1024, 768, 300, 10},
        {"笔记本.ini", 1366, 768, 500, 20},
    };
    for (const File& f : files) {
        const std::string path = directory + "\\" + f.name;
        ASSERT_TRUE(WriteBytes(path, LayoutText({SystemLine("甲", f.left, 500)}, f.width, f.height)));
        ASSERT_NO_FATAL_FAILURE(SetWriteTime(path, f.secondsAgo));
    }
    ASSERT_TRUE(WriteBytes(directory + "\\说明.txt", "not a layout"));
    const CommandRun run = Run({"/restore", directory});
    EXPECT_EQ(run.exitCode, std::optional<DWORD>(0)) << run.output;
    EXPECT_EQ(OutputLines(run.output).front(), "file\t" + directory + "\\2019年1月1日.ini");
    EXPECT_EQ(Find(Items(), "甲")->bounds.left, 700);

    const std::string others = scratch_ + "\\别的屏幕";
    ASSERT_TRUE(CreateDirectoryA(others.c_str(), nullptr));
    ASSERT_TRUE(WriteBytes(others + "\\投影仪.ini", LayoutText({SystemLine("甲", 300, 500)}, 1024, 768)));
    const CommandRun none = Run({"/restore", others});
    EXPECT_EQ(none.exitCode, std::optional<DWORD>(2));
    EXPECT_EQ(LinesOf(none.output, "error"),
              std::vector<std::string>{"error\tnomatch\t" + others + "\t" + ScreenSize()});
    EXPECT_EQ(Find(Items(), "甲")->bounds.left, 700);
}

TEST_F(CommandLine, DryRunTellsTheMovesAndMovesNothing) {
    ASSERT_TRUE(desktop_.AddFile(desktop_.userDirectory(), "在.dat"));
    ASSERT_NO_FATAL_FAILURE(Start({}, {{"甲", 100, 100}, {"乙", 300, 100}, {"丙", 500, 100}}));
    const std::vector<StandInItem> before = Items();
    const StandInItem* b = Find(before, "乙");
    ASSERT_TRUE(b);
    // 甲 goes where 乙 stands (乙 takes 甲's place), 丙 stays, one file is gone, one icon is not there,
    // one shortcut would be re-created.
    const std::string file = SaveLayout(
        "layout.ini", LayoutText({SystemLine("甲", b->bounds.left, b->bounds.top),
                                  SystemLine("丙", Find(before, "丙")->bounds.left, Find(before, "丙")->bounds.top),
                                  "[file]|[不见了.doc]|[10/10/85/80]", SystemLine("没有图标", 900, 900),
                                  "[lnk]|[编辑器]|[700/500/775/570]|[C:\\windows\\notepad.exe]"}));
    const CommandRun run = Run({"/restore", file, "/dry-run", "/recreate", "/delay", "5000"});
    EXPECT_EQ(run.exitCode, std::optional<DWORD>(1)) << run.output;
    const std::string fromA =
        std::to_string(Find(before, "甲")->bounds.left) + "," + std::to_string(Find(before, "甲")->bounds.top);
    const std::string fromB = std::to_string(b->bounds.left) + "," + std::to_string(b->bounds.top);
    EXPECT_EQ(run.output, "file\t" + file + "\r\n" +                             //
                              "moved\t乙\t" + fromB + "\t" + fromA + "\r\n" +    //
                              "moved\t甲\t" + fromA + "\t" + fromB + "\r\n" +    //
                              "recreated\t编辑器\tC:\\windows\\notepad.exe\r\n"  //
                              "missing\t不见了.doc\r\n"                          //
                              "noicon\t没有图标\r\n"                             //
                              "summary\tdry-run\tmoved=2\tmissing=1\trecreated=1\tnoicon=1\texit=1\r\n");
    ExpectUnmoved(before);
    EXPECT_EQ(GetFileAttributesA((desktop_.userDirectory() + "编辑器.lnk").c_str()), INVALID_FILE_ATTRIBUTES)
        << "a dry run writes nothing";
    EXPECT_TRUE(FilesIn(SnapshotDirectory()).empty()) << "a dry run saves no snapshot";
}

TEST_F(CommandLine, UndoPutsBackWhatTheWindowsRestoreAndTheCommandLinesMoved) {
    ASSERT_NO_FATAL_FAILURE(LayOutAFewOfEveryKind());
    const std::string layout = SaveLayoutAsItStands("layout.ini");
    Rotate();
    const std::map<std::string, POINT> rotated = Positions();

    StartVelmora();
    ExpectBox(RestoreFrom(layout), kRestored, kInfoCaption, BoxIcon::kNone);
    ASSERT_NO_FATAL_FAILURE(ExpectLayout(layout));
    ASSERT_EQ(FilesIn(SnapshotDirectory()).size(), 1u) << "the window's restore saved the desktop first";
    CommandRun undo = Run({"/undo"});
    EXPECT_EQ(undo.exitCode, std::optional<DWORD>(0)) << undo.output;
    ExpectPositions(rotated);

    ASSERT_EQ(Run({"/restore", layout}).exitCode, std::optional<DWORD>(0));
    ASSERT_NO_FATAL_FAILURE(ExpectLayout(layout));
    undo = Run({"-UNDO"});
    EXPECT_EQ(undo.exitCode, std::optional<DWORD>(0)) << undo.output;
    ExpectPositions(rotated);
}

TEST_F(CommandLine, TheSnapshotDirectoryKeepsTheNewestTwenty) {
    ASSERT_NO_FATAL_FAILURE(Start({}, {{"甲", 100, 100}}));
    const std::string snapshots = SnapshotDirectory();
    ASSERT_TRUE(SHCreateDirectoryExA(nullptr, snapshots.c_str(), nullptr) == ERROR_SUCCESS);
    for (int i = 1; i <= 25; ++i) {
        const std::string path = snapshots + "\\旧" + std::to_string(i) + ".ini";
        ASSERT_TRUE(WriteBytes(path, LayoutText({SystemLine("甲", 100 + i, 100)})));
        ASSERT_NO_FATAL_FAILURE(SetWriteTime(path, 1000 + i));
    }
    const std::string before = ReadBytes(SaveLayoutAsItStands("before.ini"));
    const CommandRun run = Run({"/restore", SaveLayout("layout.ini", LayoutText({SystemLine("甲", 700, 500)}))});
    EXPECT_EQ(run.exitCode, std::optional<DWORD>(0)) << run.output;
    const std::vector<std::string> kept = FilesIn(snapshots);
    EXPECT_EQ(kept.size(), 20u);
    for (int i = 1; i <= 19; ++i)
        EXPECT_NE(std::find(kept.begin(), kept.end(), "旧" + std::to_string(i) + ".ini"), kept.end()) << i;
    const std::vector<std::string> snapshotLines = LinesOf(run.output, "snapshot");
    ASSERT_EQ(snapshotLines.size(), 1u);
    EXPECT_EQ(ReadBytes(snapshotLines.front().substr(sizeof("snapshot"))), before) << "the desktop before the restore";
}

TEST_F(CommandLine, ARestoreGoesOnWhenNoSnapshotCanBeSaved) {
    ASSERT_NO_FATAL_FAILURE(Start({}, {{"甲", 100, 100}}));
    // A file where the snapshot directory should be.
    const std::string snapshots = SnapshotDirectory();
    const std::string parent = snapshots.substr(0, snapshots.rfind('\\'));
    const int made = SHCreateDirectoryExA(nullptr, parent.c_str(), nullptr);
    ASSERT_TRUE(made == ERROR_SUCCESS || made == ERROR_ALREADY_EXISTS) << made;
    ASSERT_TRUE(WriteBytes(snapshots, "x"));
    const CommandRun run = Run({"/restore", SaveLayout("layout.ini", LayoutText({SystemLine("甲", 700, 500)}))});
    DeleteFileA(snapshots.c_str());
    EXPECT_EQ(run.exitCode, std::optional<DWORD>(0)) << run.output;
    EXPECT_EQ(LinesOf(run.output, "nosnapshot"), std::vector<std::string>{"nosnapshot\t" + snapshots});
    EXPECT_EQ(Find(Items(), "甲")->bounds.left, 700);
}

TEST_F(CommandLine, UndoWithoutSnapshotIsRefused) {
    ASSERT_NO_FATAL_FAILURE(Start({}, {{"甲", 100, 100}}));
    const CommandRun run = Run({"/undo"});
    EXPECT_EQ(run.exitCode, std::optional<DWORD>(2));
    EXPECT_EQ(LinesOf(run.output, "error"), std::vector<std::string>{"error\tnosnapshot\t" + SnapshotDirectory()});
}

TEST(CommandLineUsage, UsageErrorsGiveFourAndTheUsage) {
    const std::vector<std::vector<std::string>> cases = {
        {"/bogus"}, {"/restore"}, {"/backup", "a", "/undo"}, {"/undo", "/delay", "x"}, {"/backup", "a", "/dry-run"},
    };
    for (const auto& arguments : cases) {
        SCOPED_TRACE(testing::PrintToString(arguments));
        const CommandRun run = RunVelmora(arguments);
        EXPECT_EQ(run.exitCode, std::optional<DWORD>(4));
        EXPECT_EQ(run.output.rfind("error\tusage\t", 0), 0u) << run.output;
        EXPECT_NE(run.output.find("Exit codes:"), std::string::npos) << run.output;
        EXPECT_FALSE(run.showedWindow);
    }
}

TEST(CommandLineUsage, HelpFromBothProgramsGivesZero) {
    for (const char* program : {"Velmora.exe", "Velmora.com"}) {
        SCOPED_TRACE(program);
        const CommandRun run = RunVelmora({"/?"}, {}, program);
        EXPECT_EQ(run.exitCode, std::optional<DWORD>(0));
        EXPECT_EQ(run.output.rfind("Usage:\r\n", 0), 0u) << run.output;
        EXPECT_FALSE(run.showedWindow);
    }
}

}  // namespace
}  // namespace velmora::test
