#include "app/backup/backup_clicked.h"

#include <vector>

#include "app/backup/backup_file.h"
#include "app/desktop/read_desktop_icons.h"
#include "app/layout/layout_file.h"
#include "app/main_window/component_texts.h"
#include "app/main_window/main_window_ids.h"
#include "app/program_variables.h"
#include "app/texts.h"
#include "app/tool_commands.h"

namespace velmora {
namespace {

constexpr char kChooseDirectory[] = "请选择备份目录";
constexpr char kCheckBackupPath[] = "备份失败，请检查备份路径！";
constexpr char kCannotReadDesktop[] = "备份失败，无法读取桌面图标！";

void Tell(const char* text) {
    tool::InfoBox(text, 0);
}

// Every line of the layout into the open file: the screen line, the count line, the item lines.
bool WriteLayout(int32_t file, IconEntryArray& icons) {
    const Text screen = ScreenLine();
    if (!tool::WriteLines(file, screen.get()))
        return false;
    const Text count = CountLine(static_cast<int32_t>(icons.Count()));
    return WriteLayoutLine(file, count.get()) && WriteIconLines(file, icons);
}

}  // namespace

bool CreateDirectoryPath(const Text& path) noexcept {
    std::vector<Text> pieces;
    for (Text& slashPiece : tool::SplitText(path.get(), "/")) {
        for (Text& piece : tool::SplitText(slashPiece.get(), "\\"))
            pieces.push_back(std::move(piece));
    }
    if (pieces.empty())
        return true;
    Text current(NewText(pieces.front().get()));
    for (size_t i = 1; i < pieces.size(); ++i) {
        current.reset(ConcatTexts({current.get(), "\\", pieces[i].get()}));
        if (!tool::FileExists(current.get()) && !tool::MakeDirectory(current.get()))
            return false;
    }
    return true;
}

EventResult BackupClicked(const EventCall&) noexcept {
    BackupDirectory = ReadTextProperty(kBackupDirEdit, kEditContent);
    if (!BackupDirectory) {
        Tell(kChooseDirectory);
        return {};
    }
    if (!tool::FileExists(BackupDirectory.get()))
        CreateDirectoryPath(BackupDirectory);

    const Text stamp = tool::DateTimeText(tool::CurrentTime());
    // The desktop is read before the file is made, so that a desktop that cannot be read leaves no file.
    if (!ReadDesktopIcons(nullptr)) {
        Tell(kCannotReadDesktop);
        return {};
    }
    BackupFile file;
    if (!file.Open(BackupDirectory.get())) {
        Tell(kCheckBackupPath);
        return {};
    }
    const bool written = WriteLayout(file.number(), DesktopIcons);
    if (!written || !file.Commit(stamp.get())) {
        file.Discard();
        Tell(kCheckBackupPath);
        return {};
    }
    const Text message(ConcatTexts({"备份成功，备份文件在[", BackupDirectory.get(), "]！！！"}));
    Tell(message.get());
    return {};
}

}  // namespace velmora
