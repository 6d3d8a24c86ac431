// The restore of a crowded desktop whose every icon was displaced: Velmora from the click to the
// message box, against the baseline that does only the unavoidable work, side by side on the same
// desktop; and how little processor a restore that waits between moves takes.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>

#include "app/layout/layout_reader.h"
#include "bench/bench_desktop.h"
#include "bench/bench_options.h"
#include "bench/ratio_table.h"
#include "bench/restore_baseline.h"
#include "bench/side_by_side.h"
#include "bench/stopwatch.h"
#include "bench/velmora_timing.h"
#include "tests/e2e/layout_files.h"
#include "tests/support/build_paths.h"
#include "tests/support/ui_driver.h"

namespace velmora::bench {
namespace {

constexpr char kRestored[] = "还原图标成功！！！";
// Far right of every icon: each icon's own place is free when the restore starts, so each takes one move.
constexpr int kDisplacement = 3000;

void Displace(const BenchDesktop& desktop) {
    const auto items = desktop.shell().Report();
    ASSERT_TRUE(items);
    for (const test::StandInItem& item : *items)
        ASSERT_TRUE(desktop.shell().MoveItem(item.index, item.position.x + kDisplacement, item.position.y));
    desktop.Settle();
}

void ExpectRestored(const BenchDesktop& desktop, const std::string& expected, const char* who) {
    const auto now = desktop.ExpectedBackup();
    ASSERT_TRUE(now);
    ASSERT_EQ(*now, expected) << who << " did not put every icon back";
}

// The file that the backup of the desktop as it first stands writes; what every run restores.
struct Layout {
    std::string bytes;
    std::string path;
    StoredLayout parsed;
};

std::optional<Layout> SaveLayout(const BenchDesktop& desktop) {
    const auto expected = desktop.ExpectedBackup();
    if (!expected)
        return std::nullopt;
    Layout layout{*expected, test::MakeScratchDirectory("bench-restore") + "\\layout.ini", ParseLayout(*expected)};
    if (!test::WriteBytes(layout.path, layout.bytes) || layout.parsed.badLine != 0)
        return std::nullopt;
    return layout;
}

void MeasureRestores(const BenchDesktop& desktop, int runs, SizeFigures& times) {
    const auto layout = SaveLayout(desktop);
    ASSERT_TRUE(layout);
    auto app = test::VelmoraApp::Start();
    ASSERT_TRUE(app);
    ASSERT_TRUE(test::TypeText(app->backupFileEdit(), layout->path));
    ASSERT_TRUE(test::TypeText(app->delayEdit(), "0"));

    const auto baseline = [&](double& seconds) {
        ASSERT_NO_FATAL_FAILURE(Displace(desktop));
        const Stopwatch watch;
        ASSERT_TRUE(BaselineRestore(layout->parsed));
        seconds = watch.Seconds();
        ExpectRestored(desktop, layout->bytes, "the baseline");
    };
    const auto velmora = [&](double& seconds) {
        ASSERT_NO_FATAL_FAILURE(Displace(desktop));
        ASSERT_TRUE(ReadyForClick(*app));
        const auto answer = TimeClickToMessageBox(*app, app->restoreButton());
        ASSERT_TRUE(answer);
        ASSERT_EQ(answer->text, kRestored);
        seconds = answer->seconds;
        ExpectRestored(desktop, layout->bytes, "Velmora");
    };
    times.seconds = MeasureSideBySide(runs, baseline, velmora);
    if (testing::Test::HasFatalFailure())
        return;
    times.velmoraPeakWorkingSet = PeakWorkingSet(app->process().get());
    EXPECT_EQ(app->Close(), std::optional<DWORD>(0));
}

TEST(RestoreBenchmark, VelmoraAgainstTheUnavoidableWork) {
    MeasureEverySize("Restore with delay 0, every icon displaced, from the click to the message box; median seconds",
                     MeasureRestores);
}

double ProcessorSeconds(HANDLE process) {
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(process, &created, &exited, &kernel, &user))
        return 0;
    const auto seconds = [](const FILETIME& time) {
        return static_cast<double>(static_cast<ULONGLONG>(time.dwHighDateTime) << 32 | time.dwLowDateTime) / 1e7;
    };
    return seconds(kernel) + seconds(user);
}

// Waiting must not spin: between moves Velmora sleeps until a message or the time comes.
TEST(RestoreBenchmark, WaitingBetweenMovesTakesNoProcessor) {
    constexpr int kIcons = 20;
    BenchDesktop desktop;
    ASSERT_TRUE(desktop.Start(kIcons));
    const auto layout = SaveLayout(desktop);
    ASSERT_TRUE(layout);
    auto app = test::VelmoraApp::Start();
    ASSERT_TRUE(app);
    ASSERT_TRUE(test::TypeText(app->backupFileEdit(), layout->path));
    ASSERT_TRUE(test::TypeText(app->delayEdit(), "100"));
    std::vector<double> shares;
    for (int run = 0; run < Options().runs; ++run) {
        Displace(desktop);
        ASSERT_TRUE(ReadyForClick(*app));
        const double before = ProcessorSeconds(app->process().get());
        const auto answer = TimeClickToMessageBox(*app, app->restoreButton());
        ASSERT_TRUE(answer);
        ASSERT_EQ(answer->text, kRestored);
        shares.push_back((ProcessorSeconds(app->process().get()) - before) / answer->seconds);
        ExpectRestored(desktop, layout->bytes, "Velmora");
    }
    std::printf(
        "\nRestore of %d icons with delay 100 ms: Velmora's processor time over wall time, median of %d "
        "runs: %.1f %% (goal: under 5 %%)\n",
        kIcons, Options().runs, Median(shares) * 100);
    EXPECT_EQ(app->Close(), std::optional<DWORD>(0));
}

}  // namespace
}  // namespace velmora::bench
