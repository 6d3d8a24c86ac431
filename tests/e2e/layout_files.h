// What the end-to-end tests compare: layout files as Velmora writes them, built from what the stand-in
// desktop reports, and the files in a directory.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "tests/support/standin_client.h"

namespace velmora::test {

struct Kind {
    std::string tag;     // "[file]", "[folder]", "[lnk]"; captions not listed are "[system]"
    std::string target;  // for "[lnk]"
};

// The layout file of the items of one view, with this screen's size, as a backup writes it.
std::string ExpectedLayout(const std::vector<StandInItem>& items, const std::map<std::string, Kind>& kinds, int view);
// The item lines alone (everything after the count line).
std::string ItemLines(const std::string& layout);

std::vector<std::string> FilesIn(const std::string& directory);
std::string ReadBytes(const std::string& path);
bool WriteBytes(const std::string& path, const std::string& bytes);

}  // namespace velmora::test
