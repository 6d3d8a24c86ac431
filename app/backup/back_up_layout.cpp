#include "app/backup/back_up_layout.h"

#include "app/backup/backup_clicked.h"
#include "app/backup/backup_file.h"
#include "app/desktop/read_desktop_icons.h"
#include "app/layout/layout_file.h"
#include "app/program_variables.h"
#include "app/texts.h"
#include "app/tool_commands.h"

namespace velmora {
namespace {

// Every line of the layout into the open file: the screen line, the count line, the item lines.
bool WriteLayout(int32_t file, IconEntryArray& icons) {
    const Text screen = ScreenLine();
    if (!tool::WriteLines(file, screen.get()))
        return false;
    const Text count = CountLine(static_cast<int32_t>(icons.Count()));
    return WriteLayoutLine(file, count.get()) && WriteIconLines(file, icons);
}

}  // namespace

Text WriteLayoutFile(const char* directory, IconEntryArray& icons) noexcept {
    if (!tool::FileExists(directory)) {
        const Text path(NewText(directory));
        CreateDirectoryPath(path);
    }
    const Text stamp = tool::DateTimeText(tool::CurrentTime());
    BackupFile file;
    if (!file.Open(directory))
        return Text();
    const bool written = WriteLayout(file.number(), icons);
    if (!written) {
        file.Discard();
        return Text();
    }
    return file.Commit(stamp.get());
}

BackupResult BackUpLayout(const char* directory) noexcept {
    // The desktop is read before the file is made, so that a desktop that cannot be read leaves no file.
    if (!ReadDesktopIcons(nullptr))
        return {BackupStatus::kNoDesktop, Text()};
    Text path = WriteLayoutFile(directory, DesktopIcons);
    if (!path)
        return {BackupStatus::kNotWritten, Text()};
    return {BackupStatus::kWritten, std::move(path)};
}

}  // namespace velmora
