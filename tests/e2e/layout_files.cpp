#include "tests/e2e/layout_files.h"

#include <windows.h>

#include <fstream>
#include <sstream>

namespace velmora::test {

std::string ExpectedLayout(const std::vector<StandInItem>& items, const std::map<std::string, Kind>& kinds, int view) {
    std::vector<StandInItem> shown;
    for (const StandInItem& item : items) {
        if (item.view == view)
            shown.push_back(item);
    }
    std::string text = "[ScreenRect:" + std::to_string(GetSystemMetrics(SM_CXSCREEN)) + "/" +
                       std::to_string(GetSystemMetrics(SM_CYSCREEN)) + "]\r\n[IconNum:" + std::to_string(shown.size()) +
                       "]\r\n";
    for (const StandInItem& item : shown) {
        const auto found = kinds.find(item.caption);
        const Kind kind = found == kinds.end() ? Kind{"[system]", ""} : found->second;
        text += kind.tag + "|[" + item.caption + "]|[" + std::to_string(item.bounds.left) + "/" +
                std::to_string(item.bounds.top) + "/" + std::to_string(item.bounds.right) + "/" +
                std::to_string(item.bounds.bottom) + "]";
        if (kind.tag == "[lnk]")
            text += "|[" + kind.target + "]";
        text += "\r\n";
    }
    return text;
}

std::string ItemLines(const std::string& layout) {
    const size_t first = layout.find('\n');
    const size_t second = first == std::string::npos ? first : layout.find('\n', first + 1);
    return second == std::string::npos ? std::string() : layout.substr(second + 1);
}

std::vector<std::string> FilesIn(const std::string& directory) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA data;
    HANDLE search = FindFirstFileA((directory + "\\*").c_str(), &data);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            names.push_back(data.cFileName);
    } while (FindNextFileA(search, &data));
    FindClose(search);
    return names;
}

std::string ReadBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

bool WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << bytes;
    return static_cast<bool>(file.flush());
}

}  // namespace velmora::test
