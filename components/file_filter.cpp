#include "components/file_filter.h"

namespace velmora {

std::string Win32FileFilter(std::string_view filter) {
    const size_t end = filter.find_last_not_of(" \t\r\n");
    std::string list(filter.substr(0, end == std::string_view::npos ? 0 : end + 1));
    if (list.empty()) {
        return list;
    }
    if (!list.ends_with("||")) {
        list += "||";
    }
    // A double-byte character may have "|" as its trail byte; only single-byte bars separate.
    for (size_t i = 0; i < list.size(); ++i) {
        const auto byte = static_cast<unsigned char>(list[i]);
        if (byte >= 0x81 && byte <= 0xFE && i + 1 < list.size()) {
            ++i;
        } else if (list[i] == '|') {
            list[i] = '\0';
        }
    }
    return list;
}

}  // namespace velmora
