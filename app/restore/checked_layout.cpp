#include "app/restore/checked_layout.h"

#include <optional>
#include <string>

#include "app/layout/read_layout_file.h"
#include "app/tool_commands.h"

namespace velmora {
namespace {

// The size on the file's first line; 0 by 0 when that line is no screen line.
StoredScreen ReadStoredScreenSize(std::string_view bytes) {
    return ReadScreenLine(bytes.substr(0, bytes.find('\n')));
}

}  // namespace

CheckedLayout CheckLayoutFile(const char* path) noexcept {
    CheckedLayout checked;
    const std::optional<std::string> bytes = ReadLayoutFile(path);
    if (!bytes)
        return checked;
    checked.stored = ReadStoredScreenSize(*bytes);
    if (checked.stored.width != tool::ScreenWidth() || checked.stored.height != tool::ScreenHeight()) {
        checked.check = LayoutCheck::kOtherScreen;
        return checked;
    }
    checked.layout = ParseLayout(*bytes);
    checked.check = checked.layout.badLine != 0 ? LayoutCheck::kMalformed : LayoutCheck::kReady;
    return checked;
}

}  // namespace velmora
