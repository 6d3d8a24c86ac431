#include "app/backup/backup_file.h"

#include <windows.h>

#include "app/texts.h"
#include "app/tool_commands.h"
#include "commands/file_commands.h"

namespace velmora {
namespace {

constexpr int32_t kCreateOrEmpty = 4;
constexpr int32_t kDenyOthers = 4;
constexpr int32_t kMaxNameAttempts = 1000;

}  // namespace

bool BackupFile::Open(const char* directory) noexcept {
    char path[MAX_PATH] = {};
    // Creates the file, so the name is ours alone.
    if (!GetTempFileNameA(directory, "vlm", 0, path))
        return false;
    directory_.reset(NewText(directory));
    temporaryPath_.reset(NewText(path));
    number_ = tool::OpenFile(path, kCreateOrEmpty, kDenyOthers);
    if (number_ == 0) {
        Discard();
        return false;
    }
    return true;
}

Text BackupFile::Commit(const char* stamp) noexcept {
    // Through the handle that wrote the file: once it is closed, a scanner or indexer may hold the file.
    const bool flushed = FlushDiskFile(number_);
    tool::CloseFile(number_);
    number_ = 0;
    if (!flushed) {
        Discard();
        return Text();
    }
    for (int32_t attempt = 1; attempt <= kMaxNameAttempts; ++attempt) {
        const Text suffix = attempt == 1 ? Text() : tool::ToText(attempt);
        const Text path(attempt == 1 ? ConcatTexts({directory_.get(), "\\", stamp, ".ini"})
                                     : ConcatTexts({directory_.get(), "\\", stamp, " (", suffix.get(), ").ini"}));
        // Without MOVEFILE_REPLACE_EXISTING, so a name another backup holds is never overwritten.
        if (MoveFileExA(temporaryPath_.get(), path.get(), MOVEFILE_WRITE_THROUGH)) {
            temporaryPath_.reset(nullptr);
            return Text(NewText(path.get()));
        }
        const DWORD error = GetLastError();
        if (error != ERROR_ALREADY_EXISTS && error != ERROR_FILE_EXISTS)
            break;
    }
    Discard();
    return Text();
}

void BackupFile::Discard() noexcept {
    if (number_ != 0) {
        tool::CloseFile(number_);
        number_ = 0;
    }
    if (temporaryPath_) {
        DeleteFileA(temporaryPath_.get());
        temporaryPath_.reset(nullptr);
    }
}

}  // namespace velmora
