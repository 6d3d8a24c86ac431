#include "app/layout/layout_directory.h"

#include <windows.h>

#include "commands/find_handle.h"
#include "commands/kernel_handle.h"

namespace velmora {
namespace {

// "[ScreenRect:" and two numbers of at most ten digits fit well in this.
constexpr DWORD kFirstLineLimit = 64;

StoredScreen ReadStoredScreen(const std::string& path) {
    const KernelHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    char bytes[kFirstLineLimit] = {};
    DWORD read = 0;
    if (!file || !ReadFile(file.get(), bytes, sizeof(bytes), &read, nullptr))
        return {};
    const std::string_view head(bytes, read);
    return ReadScreenLine(head.substr(0, head.find('\n')));
}

}  // namespace

std::vector<LayoutCandidate> ListLayoutFiles(const std::string& directory) noexcept {
    std::vector<LayoutCandidate> candidates;
    WIN32_FIND_DATAA found = {};
    const FindHandle search(FindFirstFileA((directory + "\\*.ini").c_str(), &found));
    if (!search)
        return candidates;
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            continue;
        const uint64_t written =
            static_cast<uint64_t>(found.ftLastWriteTime.dwHighDateTime) << 32 | found.ftLastWriteTime.dwLowDateTime;
        candidates.push_back({found.cFileName, written, ReadStoredScreen(directory + "\\" + found.cFileName)});
    } while (FindNextFileA(search.get(), &found));
    return candidates;
}

}  // namespace velmora
