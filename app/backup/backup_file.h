// A layout backup file is complete or absent: it is written under a temporary name in the backup
// directory and gets its final name only when every line is in it.
#pragma once

#include "runtime/heap_block.h"

namespace velmora {

class BackupFile {
  public:
    // Opens a new temporary file in the directory under a file number; false when it cannot.
    bool Open(const char* directory) noexcept;
    int32_t number() const noexcept { return number_; }

    // Flushes the file to disk, closes it and names it "<directory>\<stamp>.ini", or
    // "<stamp> (2).ini" and so on when that name is taken: an earlier backup is never touched.
    // The final path, or null on failure (the temporary file is removed then).
    Text Commit(const char* stamp) noexcept;
    // Closes and removes the temporary file.
    void Discard() noexcept;

    BackupFile() = default;
    BackupFile(const BackupFile&) = delete;
    BackupFile& operator=(const BackupFile&) = delete;
    ~BackupFile() { Discard(); }

  private:
    Text directory_;
    Text temporaryPath_;
    int32_t number_ = 0;
};

}  // namespace velmora
