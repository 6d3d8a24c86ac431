// What a desktop item is: a file, a folder, a shortcut (with its target) or the shell's own item,
// found by its caption in the user and then the common desktop directory.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/desktop/directory_listing.h"
#include "runtime/heap_block.h"

namespace velmora {

struct DesktopDirectories {
    Text user;    // ends in "\"; null when it cannot be had
    Text common;  // no trailing "\"; null when it cannot be had
};

DesktopDirectories WorkOutDesktopDirectories() noexcept;

struct Classification {
    const char* kind;  // "[file]", "[folder]", "[lnk]" or "[system]"
    Text target;       // the shortcut's target for "[lnk]"
};

// Classifies captions against the desktop directories, each listed once, so that a desktop of N
// items costs no N look-ups that miss in directories of N files. The results are those of asking the
// file system for each name; a directory that cannot be had is skipped.
class IconClassifier {
  public:
    explicit IconClassifier(const DesktopDirectories& directories) noexcept;

    Classification Classify(const char* caption) const noexcept;
    // Whether caption + suffix (such as ".lnk") names an entry of either directory, as FileExists
    // finds one; a name with a wildcard names none.
    bool IsOnDesktop(const char* caption, const char* suffix) const noexcept;

  private:
    struct Place {
        Text prefix;  // joined to a caption as the per-name checks join it
        DirectoryListing listing;
    };

    // The FileAttributes of prefix + caption + suffix when that names an entry.
    std::optional<int32_t> Look(const Place& place,
                                const char* caption,
                                const std::wstring& name,
                                const char* suffix) const noexcept;

    std::vector<Place> places_;  // the user directory first
};

}  // namespace velmora
