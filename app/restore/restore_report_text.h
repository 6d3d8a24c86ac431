// The text of the restore report: what a restore could not do, one line per entry, each line ended by
// CR LF. A section is left out when its list is empty.
#pragma once

#include <string>
#include <vector>

#include "app/icon_entry.h"

namespace velmora {

// "无法还原快捷方式：N" with "k:caption.lnk<TAB>[target]" lines; "缺少文件：N" with "k:caption<TAB>"
// lines; "未能移到原位：N" with "k:caption<TAB>[left/top]" lines (the stored left and top).
std::vector<std::string> RestoreReportLines(IconEntryArray& unrestoredShortcuts,
                                            IconEntryArray& missingFiles,
                                            IconEntryArray& notLanded);

}  // namespace velmora
