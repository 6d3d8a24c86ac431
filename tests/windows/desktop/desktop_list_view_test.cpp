#include <windows.h>

#include <gtest/gtest.h>

#include "app/desktop/desktop_list_view.h"
#include "tests/support/build_paths.h"
#include "tests/support/standin_client.h"

namespace velmora {
namespace {

using test::FixtureIcon;
using test::StandInDesktop;

const std::vector<FixtureIcon> kIcons = {{"回收站", 20, 20}, {"工作 资料", 120, 20}, {"notes.txt", 220, 140}};

void ExpectSameItems(const std::vector<DesktopItem>& read, const std::vector<test::StandInItem>& report, int view) {
    std::vector<test::StandInItem> expected;
    for (const auto& item : report) {
        if (item.view == view)
            expected.push_back(item);
    }
    ASSERT_EQ(read.size(), expected.size());
    for (size_t i = 0; i < read.size(); ++i) {
        EXPECT_EQ(read[i].index, static_cast<int32_t>(i));
        EXPECT_EQ(read[i].caption, expected[i].caption);
        EXPECT_TRUE(EqualRect(&read[i].bounds, &expected[i].bounds))
            << read[i].caption << ": " << read[i].bounds.left << "," << read[i].bounds.top << " expected "
            << expected[i].bounds.left << "," << expected[i].bounds.top;
    }
}

struct ShellCase {
    const char* name;
    std::vector<std::string> options;
    StandInDesktop::Bits bits;
};

class ReadsTheShell : public testing::TestWithParam<ShellCase> {};

TEST_P(ReadsTheShell, EveryCaptionAndBoundsRectangle) {
    auto desktop = StandInDesktop::Start(GetParam().options, kIcons, GetParam().bits);
    ASSERT_TRUE(desktop);
    const HWND list = FindDesktopListView();
    ASSERT_NE(list, nullptr);
    std::vector<DesktopItem> items;
    ASSERT_EQ(ReadListViewItems(list, items), ReadStatus::kRead);
    auto report = desktop->Report();
    ASSERT_TRUE(report);
    ExpectSameItems(items, *report, 0);
}

INSTANTIATE_TEST_SUITE_P(Shells,
                         ReadsTheShell,
                         testing::Values(ShellCase{"WorkerW64", {}, StandInDesktop::Bits::k64},
                                         ShellCase{"WorkerW32", {}, StandInDesktop::Bits::k32},
                                         ShellCase{"Progman64", {"--progman"}, StandInDesktop::Bits::k64},
                                         ShellCase{"Progman32", {"--progman"}, StandInDesktop::Bits::k32}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FindDesktopListView, WithTwoShellViewsTheOneLaterInZOrderWins) {
    const std::string scratch = test::MakeScratchDirectory("two-views");
    const std::string second = test::WriteFixtureFile(scratch, "second.txt", {{"第二个", 300, 300}});
    auto desktop = StandInDesktop::Start({"--two-views", "--second-fixture", second}, kIcons);
    ASSERT_TRUE(desktop);
    HWND later = nullptr;
    for (HWND window = FindWindowA("WorkerW", ""); window; window = GetWindow(window, GW_HWNDNEXT)) {
        if (FindWindowExA(window, nullptr, "SHELLDLL_DefView", nullptr))
            later = window;
    }
    ASSERT_NE(later, nullptr);
    const HWND list = FindDesktopListView();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(GetAncestor(list, GA_ROOT), later);
}

TEST(FindDesktopListView, FindsNothingWithoutAListView) {
    auto desktop = StandInDesktop::Start({"--no-list-view"}, kIcons);
    ASSERT_TRUE(desktop);
    EXPECT_EQ(FindDesktopListView(), nullptr);
}

TEST(ReadListViewItems, AnEmptyDesktopIsAReadingWithNoItems) {
    auto desktop = StandInDesktop::Start({});
    ASSERT_TRUE(desktop);
    std::vector<DesktopItem> items = {{7, "stale", {}}};
    ASSERT_EQ(ReadListViewItems(FindDesktopListView(), items), ReadStatus::kRead);
    EXPECT_TRUE(items.empty());
}

// The list view cuts the caption to fit the 512-byte buffer, and may fill all of it without a
// terminating zero: the reading never takes more than 511 bytes.
TEST(ReadListViewItems, CutsALongCaptionAt511BytesAtMost) {
    const std::string longCaption = std::string(300, 'a') + std::string(150, 'b') + std::string(150, 'c');
    auto desktop = StandInDesktop::Start({}, {{longCaption, 40, 40}});
    ASSERT_TRUE(desktop);
    std::vector<DesktopItem> items;
    ASSERT_EQ(ReadListViewItems(FindDesktopListView(), items), ReadStatus::kRead);
    ASSERT_EQ(items.size(), 1u);
    EXPECT_GE(items[0].caption.size(), 500u);
    EXPECT_LE(items[0].caption.size(), 511u);
    EXPECT_EQ(items[0].caption, longCaption.substr(0, items[0].caption.size()));
}

TEST(ReadListViewItems, AHungShellFailsTheReadingWithinItsTimeOut) {
    auto desktop = StandInDesktop::Start({"--hang"}, kIcons);
    ASSERT_TRUE(desktop);
    const HWND list = FindDesktopListView();
    ASSERT_NE(list, nullptr);
    std::vector<DesktopItem> items;
    const ULONGLONG start = GetTickCount64();
    EXPECT_EQ(ReadListViewItems(list, items), ReadStatus::kShellNotAnswering);
    EXPECT_LT(GetTickCount64() - start, 10000u);
    EXPECT_TRUE(items.empty());
}

// The shell may still finish a request after we gave up on it, and then writes into our buffers in
// its own memory: freed buffers would crash it.
TEST(ReadListViewItems, AnAnswerThatComesTooLateFailsTheReadingAndTheShellSurvivesIt) {
    auto desktop = StandInDesktop::Start({"--late-text-answer", "2"}, kIcons);
    ASSERT_TRUE(desktop);
    std::vector<DesktopItem> items;
    EXPECT_EQ(ReadListViewItems(FindDesktopListView(), items), ReadStatus::kShellNotAnswering);
    EXPECT_TRUE(items.empty());
    // The late answer is given by now.
    Sleep(3000);
    EXPECT_TRUE(desktop->process().Running());
    EXPECT_TRUE(desktop->Report());
    ASSERT_EQ(ReadListViewItems(FindDesktopListView(), items), ReadStatus::kRead);
    EXPECT_EQ(items.size(), kIcons.size());
}

TEST(ReadListViewItems, AnAbsurdItemCountIsNotBelieved) {
    auto desktop = StandInDesktop::Start({"--claimed-count", "2000000000"}, kIcons);
    ASSERT_TRUE(desktop);
    std::vector<DesktopItem> items;
    EXPECT_EQ(ReadListViewItems(FindDesktopListView(), items), ReadStatus::kShellNotAnswering);
    EXPECT_TRUE(items.empty());
}

TEST(ReadListViewItems, PositionsAreWhatMovingTakes) {
    auto desktop = StandInDesktop::Start({}, kIcons);
    ASSERT_TRUE(desktop);
    std::vector<DesktopItem> items;
    ASSERT_EQ(ReadListViewItems(FindDesktopListView(), items, true), ReadStatus::kRead);
    auto report = desktop->Report();
    ASSERT_TRUE(report);
    ASSERT_EQ(items.size(), report->size());
    for (size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i].position.x, (*report)[i].position.x) << items[i].caption;
        EXPECT_EQ(items[i].position.y, (*report)[i].position.y) << items[i].caption;
    }
}

TEST(PackPosition, KeepsXInTheLowWordWhateverItsSign) {
    struct Case {
        int32_t x, y;
        uint32_t packed;
    };
    for (const Case& c : {Case{10, 20, 0x0014000Au}, Case{-5, 7, 0x0007FFFBu}, Case{3, -2, 0xFFFE0003u},
                          Case{-1, -1, 0xFFFFFFFFu}, Case{0, 0, 0u}}) {
        EXPECT_EQ(static_cast<uint32_t>(PackPosition(c.x, c.y)), c.packed) << c.x << "," << c.y;
    }
}

TEST(MoveListViewItem, PutsTheIconAtANegativeXWithoutDisturbingY) {
    auto desktop = StandInDesktop::Start({}, kIcons);
    ASSERT_TRUE(desktop);
    ASSERT_TRUE(MoveListViewItem(FindDesktopListView(), 1, -40, 300));
    auto report = desktop->Report();
    ASSERT_TRUE(report);
    EXPECT_EQ((*report)[1].position.x, -40);
    EXPECT_EQ((*report)[1].position.y, 300);
}

TEST(MoveListViewItem, AMoveTheListViewRefusesIsNoMove) {
    auto desktop = StandInDesktop::Start({"--pinned", "工作 资料"}, kIcons);
    ASSERT_TRUE(desktop);
    EXPECT_FALSE(MoveListViewItem(FindDesktopListView(), 1, 500, 500));
    EXPECT_TRUE(MoveListViewItem(FindDesktopListView(), 0, 500, 500));
}

}  // namespace
}  // namespace velmora
