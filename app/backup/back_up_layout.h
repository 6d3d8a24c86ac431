// The backup's core, shared by the backup button and the command line: the desktop's icon layout
// into a new layout backup file, written whole or not at all.
#pragma once

#include "app/icon_entry.h"
#include "runtime/heap_block.h"

namespace velmora {

enum class BackupStatus {
    kWritten,
    kNoDesktop,   // the desktop's icons cannot be read; no file is made
    kNotWritten,  // the file cannot be made or written; none is left behind
};

struct BackupResult {
    BackupStatus status = BackupStatus::kNotWritten;
    Text path;  // the file written
};

// Reads the desktop into DesktopIcons and writes it into a new file in the directory, which is
// created with its missing parents first.
BackupResult BackUpLayout(const char* directory) noexcept;

// The icons as they stand, with the screen's size now, into a new file in the directory (created
// when missing), named after the time now. The path written, or null.
Text WriteLayoutFile(const char* directory, IconEntryArray& icons) noexcept;

}  // namespace velmora
