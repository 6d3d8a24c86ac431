#include "tests/support/standin_desktop/desktop_items.h"

#include <windows.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace standin {
namespace {

bool EndsWithNoCase(const std::string& text, const std::string& suffix) {
    return text.size() >= suffix.size() && lstrcmpiA(text.c_str() + text.size() - suffix.size(), suffix.c_str()) == 0;
}

std::string CaptionOf(const std::string& name, bool isDirectory, const std::vector<std::string>& hidden) {
    if (isDirectory)
        return name;
    if (EndsWithNoCase(name, ".lnk"))
        return name.substr(0, name.size() - 4);
    for (const std::string& extension : hidden) {
        if (EndsWithNoCase(name, extension))
            return name.substr(0, name.size() - extension.size());
    }
    return name;
}

void AppendFolder(int csidl, const std::vector<std::string>& hidden, std::vector<FolderItem>& items) {
    char folder[MAX_PATH];
    if (!SHGetSpecialFolderPathA(nullptr, folder, csidl, FALSE))
        return;
    std::vector<FolderItem> found;
    WIN32_FIND_DATAA data;
    HANDLE search = FindFirstFileA((std::string(folder) + "\\*").c_str(), &data);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        const std::string name = data.cFileName;
        if (name == "." || name == ".." || lstrcmpiA(name.c_str(), "desktop.ini") == 0)
            continue;
        const bool isDirectory = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        found.push_back({std::string(folder) + "\\" + name, CaptionOf(name, isDirectory, hidden)});
    } while (FindNextFileA(search, &data));
    FindClose(search);
    std::sort(found.begin(), found.end(), [](const FolderItem& a, const FolderItem& b) { return a.path < b.path; });
    items.insert(items.end(), found.begin(), found.end());
}

}  // namespace

std::optional<std::vector<FixtureItem>> ReadFixture(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    std::vector<FixtureItem> items;
    std::string line;
    while (std::getline(file, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty())
            continue;
        const size_t firstTab = line.find('\t');
        const size_t secondTab = firstTab == std::string::npos ? firstTab : line.find('\t', firstTab + 1);
        if (secondTab == std::string::npos)
            return std::nullopt;
        FixtureItem item;
        item.caption = line.substr(0, firstTab);
        if (std::sscanf(line.c_str() + firstTab + 1, "%d", &item.x) != 1 ||
            std::sscanf(line.c_str() + secondTab + 1, "%d", &item.y) != 1)
            return std::nullopt;
        items.push_back(item);
    }
    return items;
}

std::vector<FolderItem> ReadDesktopFolders(const std::vector<std::string>& hiddenExtensions) {
    std::vector<FolderItem> items;
    AppendFolder(CSIDL_DESKTOPDIRECTORY, hiddenExtensions, items);
    AppendFolder(CSIDL_COMMON_DESKTOPDIRECTORY, hiddenExtensions, items);
    return items;
}

}  // namespace standin
