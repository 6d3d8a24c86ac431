// Reading a layout backup file back: the whole file is checked before anything is moved, so a file
// that was cut short, edited by hand or is no layout at all never moves half the desktop.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/icon_entry.h"

namespace velmora {

// Longer lines are no layout lines: a caption holds at most 511 bytes, a target a path.
inline constexpr size_t kLayoutLineLimit = 8192;
// No desktop holds more; a larger count is no count.
inline constexpr int32_t kLayoutEntryLimit = 100000;

// One item line as stored: the kind tag and the other fields without their brackets.
struct StoredIcon {
    std::string kind;  // "lnk", "system", "file", "folder" or whatever the file says
    std::string caption;
    ItemRectangle rectangle = {};
    std::string target;  // only for "lnk"
};

struct StoredScreen {
    int32_t width = 0;
    int32_t height = 0;
};

// The screen size of the first line "[ScreenRect:W/H]"; 0 and 0 when the line is not one.
StoredScreen ReadScreenLine(std::string_view firstLine) noexcept;

struct StoredLayout {
    StoredScreen screen;
    std::vector<StoredIcon> icons;
    // The 1-based number of the first line that is not what the format says, or 0.
    int32_t badLine = 0;
};

// The file's bytes: the screen line, "[IconNum:N]" and exactly N item lines. Lines end in CR LF
// (a lone LF is taken too); whatever follows the N-th item line is not read.
StoredLayout ParseLayout(std::string_view bytes);

// An item line: "[kind]|[caption]|[l/t/r/b]", and "|[target]" after the rectangle for "[lnk]". The
// kind is the first field and the rectangle the last one of its form (for "[lnk]" the one before the
// target), so a caption with "|", "[" or "]" reads back as written.
std::optional<StoredIcon> ParseItemLine(std::string_view line);

}  // namespace velmora
