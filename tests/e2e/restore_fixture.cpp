#include "tests/e2e/restore_fixture.h"

#include <objbase.h>

#include "app/layout/layout_reader.h"
#include "tests/support/build_paths.h"
#include "tests/support/process.h"

namespace velmora::test {

void RestoreFixture::SetUp() {
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    scratch_ = MakeScratchDirectory("restore");
    ASSERT_FALSE(scratch_.empty());
}

void RestoreFixture::TearDown() {
    app_.reset();
    shell_.reset();
    CloseNotepads();
    CoUninitialize();
}

void RestoreFixture::StartShell(std::vector<std::string> options,
                                const std::vector<FixtureIcon>& fixture,
                                StandInDesktop::Bits bits) {
    if (showDesktopFolders_)
        options.insert(options.end(), {"--desktop-folders", "--hide-extension", ".txt"});
    shell_ = StandInDesktop::Start(options, fixture, bits);
    ASSERT_TRUE(shell_);
}

void RestoreFixture::StartVelmora() {
    app_ = VelmoraApp::Start();
    ASSERT_TRUE(app_);
}

std::vector<StandInItem> RestoreFixture::Items() {
    std::vector<StandInItem> items;
    if (auto report = shell_->Report()) {
        for (const StandInItem& item : *report) {
            if (item.view == 0)
                items.push_back(item);
        }
    }
    return items;
}

std::string RestoreFixture::SaveLayout(const std::string& name, const std::string& bytes) {
    const std::string path = scratch_ + "\\" + name;
    EXPECT_TRUE(WriteBytes(path, bytes)) << path;
    return path;
}

std::string RestoreFixture::SaveLayoutAsItStands(const std::string& name) {
    auto items = shell_->Report();
    EXPECT_TRUE(items);
    return SaveLayout(name, items ? ExpectedLayout(*items, kinds_, 0) : std::string());
}

std::string RestoreFixture::BackUp() {
    const std::string directory = scratch_ + "\\backup" + std::to_string(++backups_);
    if (!TypeText(app_->backupDirEdit(), directory))
        return {};
    app_->Click(app_->backupButton());
    ExpectBox(WaitForMessageBox(app_->process().id()), "备份成功，备份文件在[" + directory + "]！！！", kInfoCaption,
              BoxIcon::kNone);
    const std::vector<std::string> files = FilesIn(directory);
    EXPECT_EQ(files.size(), 1u);
    return files.empty() ? std::string() : directory + "\\" + files.front();
}

void RestoreFixture::Rotate() {
    const std::vector<StandInItem> items = Items();
    for (size_t i = 0; i < items.size(); ++i) {
        const StandInItem& next = items[(i + 1) % items.size()];
        EXPECT_TRUE(shell_->MoveItem(items[i].index, next.position.x, next.position.y)) << items[i].caption;
    }
}

std::optional<MessageBoxContent> RestoreFixture::RestoreFrom(const std::string& file, const std::string& delay) {
    if (!TypeText(app_->backupFileEdit(), file) || !TypeText(app_->delayEdit(), delay))
        return std::nullopt;
    app_->Click(app_->restoreButton());
    return WaitForMessageBox(app_->process().id(), 60000);
}

void RestoreFixture::ExpectBox(const std::optional<MessageBoxContent>& box,
                               const std::string& text,
                               const std::string& caption,
                               BoxIcon icon) {
    ASSERT_TRUE(box);
    EXPECT_EQ(box->text, text);
    EXPECT_EQ(box->caption, caption);
    EXPECT_EQ(box->icon, icon);
    EXPECT_TRUE(AnswerMessageBox(*box, IDOK));
}

void RestoreFixture::ExpectLayout(const std::string& layoutFile) {
    const StoredLayout layout = ParseLayout(ReadBytes(layoutFile));
    ASSERT_EQ(layout.badLine, 0);
    const std::vector<StandInItem> items = Items();
    // The k-th entry of a caption stands for the k-th item of that caption.
    std::map<std::string, std::vector<const StandInItem*>> byCaption;
    for (const StandInItem& item : items)
        byCaption[item.caption].push_back(&item);
    std::map<std::string, size_t> seen;
    for (const StoredIcon& icon : layout.icons) {
        const size_t k = seen[icon.caption]++;
        const auto& sameCaption = byCaption[icon.caption];
        if (k >= sameCaption.size()) {
            ADD_FAILURE() << "no icon for " << icon.caption;
            continue;
        }
        const RECT& bounds = sameCaption[k]->bounds;
        EXPECT_EQ(bounds.left, icon.rectangle.left) << icon.caption;
        EXPECT_EQ(bounds.top, icon.rectangle.top) << icon.caption;
    }
}

void RestoreFixture::ExpectUnmoved(const std::vector<StandInItem>& before) {
    const std::vector<StandInItem> now = Items();
    ASSERT_EQ(now.size(), before.size());
    for (size_t i = 0; i < now.size(); ++i) {
        EXPECT_EQ(now[i].position.x, before[i].position.x) << now[i].caption;
        EXPECT_EQ(now[i].position.y, before[i].position.y) << now[i].caption;
    }
}

void CloseNotepads() {
    for (HWND notepad = FindWindowA("Notepad", nullptr); notepad; notepad = FindWindowA("Notepad", nullptr)) {
        DWORD processId = 0;
        GetWindowThreadProcessId(notepad, &processId);
        const HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, processId);
        if (!process)
            return;
        TerminateProcess(process, 0);
        WaitForSingleObject(process, 5000);
        CloseHandle(process);
    }
}

}  // namespace velmora::test
