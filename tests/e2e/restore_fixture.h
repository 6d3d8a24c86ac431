// A desktop to restore: the test desktop directories, the stand-in shell showing them and Velmora,
// with the steps a user takes (back up, pick a file, restore) and what the tests look at afterwards.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "tests/e2e/layout_files.h"
#include "tests/e2e/test_desktop.h"
#include "tests/e2e/velmora_app.h"
#include "tests/support/standin_client.h"
#include "tests/support/ui_driver.h"

namespace velmora::test {

inline constexpr char kRestored[] = "还原图标成功！！！";
inline constexpr char kInfoCaption[] = "信息：";
inline constexpr char kErrorCaption[] = "错误！";

class RestoreFixture : public testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    void StartShell(std::vector<std::string> options,
                    const std::vector<FixtureIcon>& fixture,
                    StandInDesktop::Bits bits = StandInDesktop::Bits::k64);
    void StartVelmora();

    // Every item of the desktop's first view, in list-view order.
    std::vector<StandInItem> Items();
    // The layout file of the desktop as it stands, as a backup would write it, saved in the scratch directory.
    std::string SaveLayoutAsItStands(const std::string& name);
    std::string SaveLayout(const std::string& name, const std::string& bytes);
    // Clicks the backup button with a new directory in the box; the file it wrote.
    std::string BackUp();
    // Every item moved onto the place of the next one (the last onto the first's), so that every
    // destination is taken when the restore starts.
    void Rotate();

    // Types the file and the delay and clicks the restore button; the message box that answers.
    std::optional<MessageBoxContent> RestoreFrom(const std::string& file, const std::string& delay = "0");
    void ExpectBox(const std::optional<MessageBoxContent>& box,
                   const std::string& text,
                   const std::string& caption,
                   BoxIcon icon);
    // Each item's bounds as the file says: a test failure per item that differs.
    void ExpectLayout(const std::string& layoutFile);
    // Nothing moved since the items were taken.
    void ExpectUnmoved(const std::vector<StandInItem>& before);

    TestDesktop desktop_;
    std::map<std::string, Kind> kinds_;
    std::optional<StandInDesktop> shell_;
    std::optional<VelmoraApp> app_;
    std::string scratch_;
    int backups_ = 0;
    // Off: a shell that never shows the files of the desktop directories.
    bool showDesktopFolders_ = true;
};

// Closes every Notepad window that Velmora's report opened, without saving.
void CloseNotepads();

}  // namespace velmora::test
