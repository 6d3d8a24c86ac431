#include "app/restore/restore_report_text.h"

#include <functional>

#include "app/routine_ids.h"

namespace velmora {
namespace {

std::string TextOf(const char* text) {
    return text ? text : "";
}

void AppendSection(std::vector<std::string>& lines,
                   const char* header,
                   IconEntryArray& entries,
                   const std::function<std::string(const IconEntry&)>& body) {
    const uint32_t count = entries.Count();
    if (count == 0)
        return;
    lines.push_back(header + std::to_string(count) + "\r\n");
    for (uint32_t k = 1; k <= count; ++k) {
        const IconEntry& entry = entries.At(static_cast<int32_t>(k), kShowRestoreReportRoutine, 1);
        lines.push_back(std::to_string(k) + ":" + TextOf(entry.caption) + body(entry) + "\r\n");
    }
}

}  // namespace

std::vector<std::string> RestoreReportLines(IconEntryArray& unrestoredShortcuts,
                                            IconEntryArray& missingFiles,
                                            IconEntryArray& notLanded) {
    std::vector<std::string> lines;
    AppendSection(lines, "无法还原快捷方式：", unrestoredShortcuts,
                  [](const IconEntry& entry) { return ".lnk\t[" + TextOf(entry.target) + "]"; });
    AppendSection(lines, "缺少文件：", missingFiles, [](const IconEntry&) { return std::string("\t"); });
    AppendSection(lines, "未能移到原位：", notLanded, [](const IconEntry& entry) {
        return "\t[" + std::to_string(entry.rectangle->left) + "/" + std::to_string(entry.rectangle->top) + "]";
    });
    return lines;
}

}  // namespace velmora
