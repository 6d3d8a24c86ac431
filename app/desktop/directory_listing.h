// The entries of one directory, listed once and then found by name as the file system finds a name
// without wildcards: without regard to case. A lookup that misses costs no scan of the directory.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace velmora {

class DirectoryListing {
  public:
    DirectoryListing() = default;
    // Lists the directory (no trailing "\"); a directory that cannot be listed lists nothing.
    static DirectoryListing Of(const std::wstring& directory) noexcept;

    // Whether a lookup of the name in this directory gives what a look-up of the path itself gives.
    // Not for names that path parsing changes or reads otherwise (separators, trailing dots and
    // spaces, device names, short-name aliases, paths too long for the ANSI calls), nor for wildcards.
    bool Answers(const std::wstring& name) const noexcept;

    // The attributes of the entry of that name: the entry of exactly that spelling, else the first
    // listed whose name differs only in case. Nullopt when there is none.
    std::optional<DWORD> Find(const std::wstring& name) const noexcept;

  private:
    struct Entry {
        std::wstring name;
        DWORD attributes;
    };

    size_t directoryLength_ = 0;
    std::vector<Entry> entries_;  // ordered by name without regard to case, equal names as listed
};

// The text in UTF-16, converted as the ANSI file functions convert their paths.
std::wstring WideOf(const char* text) noexcept;

}  // namespace velmora
