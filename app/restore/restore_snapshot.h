// A way back from every restore: before a restore moves its first icon, the layout as it stands is
// saved into a directory of its own, which keeps the newest few.
#pragma once

#include <cstddef>
#include <string>

#include "runtime/heap_block.h"

namespace velmora {

inline constexpr size_t kSnapshotsKept = 20;

// "%LOCALAPPDATA%\Velmora\还原前"; empty when the local application data folder cannot be had.
std::string SnapshotDirectory() noexcept;

// DesktopIcons as they stand into a new file in the snapshot directory, then the oldest files there
// beyond the newest kSnapshotsKept removed. The path written, or null.
Text SaveRestoreSnapshot() noexcept;

}  // namespace velmora
