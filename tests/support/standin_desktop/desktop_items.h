// The items a stand-in view shows: from a fixture and, like the shell, from the desktop directories.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace standin {

struct FixtureItem {
    std::string caption;
    int x = 0;
    int y = 0;
};

// Lines "caption<TAB>x<TAB>y"; empty lines are skipped. Nullopt when the file cannot be read or a
// line is malformed.
std::optional<std::vector<FixtureItem>> ReadFixture(const std::string& path);

struct FolderItem {
    std::string path;     // full path of the file or directory
    std::string caption;  // what the shell shows
};

// The entries of the user and then the common desktop directory, each sorted by name. A shortcut is
// shown without ".lnk", and so is a file whose extension is one of hiddenExtensions.
std::vector<FolderItem> ReadDesktopFolders(const std::vector<std::string>& hiddenExtensions);

}  // namespace standin
