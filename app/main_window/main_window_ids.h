// The identifiers of the tool's window and its components, the keys of property access.
#pragma once

#include <cstdint>

namespace velmora {

inline constexpr uint32_t kMainWindow = 0x52010001;
inline constexpr uint32_t kDelayEdit = 0x16010267;
inline constexpr uint32_t kBackupFileEdit = 0x160101DA;
inline constexpr uint32_t kChooseFileButton = 0x160101DC;
inline constexpr uint32_t kBackupDirEdit = 0x16010482;
inline constexpr uint32_t kBrowseDirButton = 0x16010484;
inline constexpr uint32_t kCreateShortcutsCheck = 0x160102D0;
inline constexpr uint32_t kBackupButton = 0x16010002;
inline constexpr uint32_t kRestoreButton = 0x1601014A;
inline constexpr uint32_t kFileDialog = 0x160101DB;

// Program code addresses a unit's own property n as 8 + n.
inline constexpr int32_t kEditContent = 8 + 0;
inline constexpr int32_t kCheckBoxChecked = 8 + 10;
inline constexpr int32_t kDialogFileName = 8 + 2;
inline constexpr int32_t kWholeValue = -1;

}  // namespace velmora
