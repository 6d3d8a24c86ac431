#include "app/backup/backup_clicked.h"

#include <vector>

#include "app/backup/back_up_layout.h"
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
    switch (BackUpLayout(BackupDirectory.get()).status) {
        case BackupStatus::kWritten: {
            const Text message(ConcatTexts({"备份成功，备份文件在[", BackupDirectory.get(), "]！！！"}));
            Tell(message.get());
            return {};
        }
        case BackupStatus::kNoDesktop:
            Tell(kCannotReadDesktop);
            return {};
        case BackupStatus::kNotWritten:
            Tell(kCheckBackupPath);
            return {};
    }
    return {};
}

}  // namespace velmora
