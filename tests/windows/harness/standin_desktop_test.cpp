#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "tests/support/shortcut.h"
#include "tests/support/standin_client.h"
#include "tests/support/wait.h"

namespace velmora::test {
namespace {

const std::vector<FixtureIcon> kFixture = {
    {"我的电脑", 100, 200},
    {"readme.txt", 300, 40},
    {"照片 2021", 500, 300},
};

std::vector<HWND> TopWindowsOfClass(DWORD processId, const char* className) {
    std::vector<HWND> found;
    for (HWND window = FindWindowExA(nullptr, nullptr, className, nullptr); window;
         window = FindWindowExA(nullptr, window, className, nullptr)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId)
            found.push_back(window);
    }
    return found;
}

HWND ListViewUnder(HWND top) {
    const HWND defView = FindWindowExA(top, nullptr, "SHELLDLL_DefView", nullptr);
    return defView ? FindWindowExA(defView, nullptr, "SysListView32", nullptr) : nullptr;
}

TEST(StandInDesktop, ReportsExactlyItsFixture) {
    auto desktop = StandInDesktop::Start({}, kFixture);
    ASSERT_TRUE(desktop);
    auto items = desktop->Report();
    ASSERT_TRUE(items);
    ASSERT_EQ(items->size(), kFixture.size());
    for (size_t i = 0; i < kFixture.size(); ++i) {
        const StandInItem& item = (*items)[i];
        EXPECT_EQ(item.view, 0);
        EXPECT_EQ(item.index, static_cast<int>(i));
        EXPECT_EQ(item.caption, kFixture[i].caption);
        EXPECT_EQ(item.position.x, kFixture[i].x) << item.caption;
        EXPECT_EQ(item.position.y, kFixture[i].y) << item.caption;
        // A real icon rectangle: the icon and its label around the position.
        EXPECT_LE(item.bounds.left, item.position.x + 32) << item.caption;
        EXPECT_GE(item.bounds.right - item.bounds.left, 32) << item.caption;
        EXPECT_GE(item.bounds.bottom - item.bounds.top, 32) << item.caption;
    }
}

struct ArrangementCase {
    const char* name;
    std::vector<std::string> options;
    int workerWithView;   // top-level "WorkerW" windows that hold a view
    int progmanWithView;  // top-level "Progman" windows that hold a view
    bool hasListView;
};

class StandInArrangement : public testing::TestWithParam<ArrangementCase> {};

TEST_P(StandInArrangement, HasTheShellWindowsOfThatWindows) {
    const ArrangementCase& c = GetParam();
    auto desktop = StandInDesktop::Start(c.options, kFixture);
    ASSERT_TRUE(desktop);
    const DWORD id = desktop->process().id();
    int workers = 0;
    int progmans = 0;
    bool listView = false;
    for (HWND top : TopWindowsOfClass(id, "WorkerW")) {
        if (FindWindowExA(top, nullptr, "SHELLDLL_DefView", nullptr))
            ++workers;
        listView = listView || ListViewUnder(top);
        char title[16] = "x";
        GetWindowTextA(top, title, sizeof(title));
        EXPECT_STREQ(title, "");
    }
    for (HWND top : TopWindowsOfClass(id, "Progman")) {
        if (FindWindowExA(top, nullptr, "SHELLDLL_DefView", nullptr))
            ++progmans;
        listView = listView || ListViewUnder(top);
    }
    EXPECT_EQ(workers, c.workerWithView);
    EXPECT_EQ(progmans, c.progmanWithView);
    EXPECT_EQ(listView, c.hasListView);
}

INSTANTIATE_TEST_SUITE_P(Variants,
                         StandInArrangement,
                         testing::Values(ArrangementCase{"WorkerW", {}, 1, 0, true},
                                         ArrangementCase{"Progman", {"--progman"}, 0, 1, true},
                                         ArrangementCase{"TwoViews", {"--two-views"}, 2, 0, true},
                                         ArrangementCase{"NoListView", {"--no-list-view"}, 1, 0, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(StandInDesktop, HungShellStopsAnsweringMessages) {
    auto desktop = StandInDesktop::Start({"--hang"}, kFixture);
    ASSERT_TRUE(desktop);
    const std::vector<HWND> tops = TopWindowsOfClass(desktop->process().id(), "WorkerW");
    ASSERT_EQ(tops.size(), 1u);
    const HWND list = ListViewUnder(tops[0]);
    ASSERT_NE(list, nullptr);
    DWORD_PTR count = 0;
    EXPECT_EQ(SendMessageTimeoutA(list, LVM_GETITEMCOUNT, 0, 0, SMTO_ABORTIFHUNG, 1000, &count), 0);
}

// A file or shortcut placed on a Wine desktop directory for one test.
class DesktopFile {
  public:
    DesktopFile(int csidl, const std::string& name) {
        char folder[MAX_PATH] = {};
        SHGetSpecialFolderPathA(nullptr, folder, csidl, TRUE);
        path_ = std::string(folder) + "\\" + name;
    }
    DesktopFile(const DesktopFile&) = delete;
    DesktopFile& operator=(const DesktopFile&) = delete;
    ~DesktopFile() { Remove(); }
    bool WriteFile() const { return static_cast<bool>(std::ofstream(path_) << "x"); }
    bool WriteShortcutTo(const std::string& target) const { return CreateShortcutFile(path_, target); }
    void Remove() const { DeleteFileA(path_.c_str()); }

  private:
    std::string path_;
};

bool HasCaption(const std::vector<StandInItem>& items, const std::string& caption) {
    return std::any_of(items.begin(), items.end(), [&](const StandInItem& item) { return item.caption == caption; });
}

TEST(StandInDesktop, ShowsAndFollowsTheDesktopDirectories) {
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    const DesktopFile note(CSIDL_DESKTOPDIRECTORY, "笔记.txt");
    const DesktopFile tool(CSIDL_COMMON_DESKTOPDIRECTORY, "工具.lnk");
    const DesktopFile later(CSIDL_DESKTOPDIRECTORY, "later.dat");
    ASSERT_TRUE(note.WriteFile());
    ASSERT_TRUE(tool.WriteShortcutTo("C:\\windows\\notepad.exe"));

    auto desktop = StandInDesktop::Start({"--desktop-folders", "--hide-extension", ".txt"}, {{"回收站", 40, 40}});
    ASSERT_TRUE(desktop);
    auto items = desktop->Report();
    ASSERT_TRUE(items);
    EXPECT_TRUE(HasCaption(*items, "笔记"));
    EXPECT_TRUE(HasCaption(*items, "工具"));
    EXPECT_TRUE(HasCaption(*items, "回收站"));
    EXPECT_FALSE(HasCaption(*items, "笔记.txt"));

    ASSERT_TRUE(later.WriteFile());
    EXPECT_TRUE(WaitFor("the new file's icon", kDefaultTimeoutMs, [&] {
        auto now = desktop->Report();
        return now && HasCaption(*now, "later.dat");
    }));
    note.Remove();
    EXPECT_TRUE(WaitFor("the removed file's icon to go", kDefaultTimeoutMs, [&] {
        auto now = desktop->Report();
        return now && !HasCaption(*now, "笔记");
    }));
    CoUninitialize();
}

}  // namespace
}  // namespace velmora::test
