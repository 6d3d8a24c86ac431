// The backup of a crowded desktop: Velmora from the click to the message box, against the baseline
// that does only the unavoidable work, side by side on the same desktop.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>

#include "bench/backup_baseline.h"
#include "bench/bench_desktop.h"
#include "bench/side_by_side.h"
#include "tests/e2e/layout_files.h"
#include "bench/stopwatch.h"
#include "bench/velmora_timing.h"
#include "tests/support/build_paths.h"
#include "tests/support/ui_driver.h"

namespace velmora::bench {
namespace {

using test::FilesIn;
using test::ReadBytes;

void TimeBaseline(const BenchDesktop& desktop, const std::string& file, const std::string& expected, double& seconds) {
    desktop.Settle();
    const Stopwatch watch;
    ASSERT_TRUE(BaselineBackup(desktop.directories().userDirectory(), desktop.directories().commonDirectory(), file));
    seconds = watch.Seconds();
    ASSERT_EQ(ReadBytes(file), expected) << "the baseline wrote another layout";
}

void TimeVelmora(const BenchDesktop& desktop,
                 test::VelmoraApp& app,
                 const std::string& directory,
                 const std::string& expected,
                 double& seconds) {
    ASSERT_TRUE(ReadyForClick(app));
    desktop.Settle();
    const auto answer = TimeClickToMessageBox(app, app.backupButton());
    ASSERT_TRUE(answer);
    seconds = answer->seconds;
    ASSERT_EQ(answer->text, "备份成功，备份文件在[" + directory + "]！！！");
    const std::vector<std::string> files = FilesIn(directory);
    ASSERT_EQ(files.size(), 1u);
    const std::string written = directory + "\\" + files[0];
    ASSERT_EQ(ReadBytes(written), expected) << "Velmora wrote another layout";
    ASSERT_TRUE(DeleteFileA(written.c_str()));
}

// One Velmora for all runs of a size, as a user who backs up again and again; every run's file is
// checked byte for byte.
void MeasureBackups(const BenchDesktop& desktop, int runs, SizeFigures& times) {
    const auto expected = desktop.ExpectedBackup();
    ASSERT_TRUE(expected);
    const std::string velmoraDirectory = test::MakeScratchDirectory("bench-velmora");
    const std::string baselineFile = test::MakeScratchDirectory("bench-baseline") + "\\layout.ini";
    auto app = test::VelmoraApp::Start();
    ASSERT_TRUE(app);
    ASSERT_TRUE(test::TypeText(app->backupDirEdit(), velmoraDirectory));

    times.seconds = MeasureSideBySide(
        runs, [&](double& seconds) { TimeBaseline(desktop, baselineFile, *expected, seconds); },
        [&](double& seconds) { TimeVelmora(desktop, *app, velmoraDirectory, *expected, seconds); });
    if (testing::Test::HasFatalFailure())
        return;
    times.velmoraPeakWorkingSet = PeakWorkingSet(app->process().get());
    EXPECT_EQ(app->Close(), std::optional<DWORD>(0));
}

TEST(BackupBenchmark, VelmoraAgainstTheUnavoidableWork) {
    MeasureEverySize("Backup, from the click to the message box; median seconds per run", MeasureBackups);
}

}  // namespace
}  // namespace velmora::bench
