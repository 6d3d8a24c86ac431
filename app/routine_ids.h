// The identifiers of the tool's routines (kind 0x04000000), named in run-time error reports such as
// an array index check.
#pragma once

#include <cstdint>

namespace velmora {

inline constexpr uint32_t kBackupClickedRoutine = 0x04010010;
inline constexpr uint32_t kCreateDirectoryPathRoutine = 0x04010011;
inline constexpr uint32_t kWriteIconLinesRoutine = 0x04010012;
inline constexpr uint32_t kReadDesktopIconsRoutine = 0x04010013;
inline constexpr uint32_t kRestoreIconPositionsRoutine = 0x04010014;
inline constexpr uint32_t kShowRestoreReportRoutine = 0x04010015;

}  // namespace velmora
