// The backup: the desktop's icon layout into a new layout backup file in the chosen directory.
#pragma once

#include "runtime/event_record.h"
#include "runtime/heap_block.h"

namespace velmora {

// The click of BackupButton.
EventResult BackupClicked(const EventCall& call) noexcept;

// Creates the directory and every missing parent; "/" and "\" both separate. The first piece is the
// root (a drive such as C:) and is neither tested nor created.
bool CreateDirectoryPath(const Text& path) noexcept;

}  // namespace velmora
