#include "bench/scratch_files.h"

#include <windows.h>

#include <fstream>
#include <sstream>

#include "commands/find_handle.h"

namespace velmora::bench {

std::vector<std::string> FilesIn(const std::string& directory) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA data;
    const FindHandle search(FindFirstFileA((directory + "\\*").c_str(), &data));
    if (!search)
        return names;
    do {
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            names.push_back(data.cFileName);
    } while (FindNextFileA(search.get(), &data));
    return names;
}

std::string ReadBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

}  // namespace velmora::bench
