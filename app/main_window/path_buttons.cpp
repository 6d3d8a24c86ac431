#include "app/main_window/path_buttons.h"

#include "app/main_window/component_texts.h"
#include "app/main_window/main_window_ids.h"
#include "app/tool_commands.h"

namespace velmora {

EventResult BrowseDirClicked(const EventCall&) noexcept {
    const Text folder = tool::BrowseForFolder("选择备份目录");
    WriteTextProperty(kBackupDirEdit, kEditContent, folder.get());
    return {};
}

EventResult ChooseFileClicked(const EventCall&) noexcept {
    tool::CommonDialogOpen(kMainWindow, kFileDialog);
    const Text chosen = ReadTextProperty(kFileDialog, kDialogFileName);
    WriteTextProperty(kBackupFileEdit, kEditContent, chosen.get());
    return {};
}

}  // namespace velmora
