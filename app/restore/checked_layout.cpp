#include "app/restore/checked_layout.h"

#include <optional>
#include <string>

#include "app/layout/read_layout_file.h"
#include "app/tool_commands.h"

namespace velmora {

CheckedLayout CheckLayoutFile(const char* path) noexcept {
    CheckedLayout checked;
    const std::optional<std::string> bytes = ReadLayoutFile(path);
    if (!bytes)
        return checked;
    checked.stored = ReadScreenLine(std::string_view(*bytes).substr(0, bytes->find('\n')));
    if (checked.stored.width != tool::ScreenWidth() || checked.stored.height != tool::ScreenHeight()) {
        checked.check = LayoutCheck::kOtherScreen;
        return checked;
    }
    checked.layout = ParseLayout(*bytes);
    checked.check = checked.layout.badLine != 0 ? LayoutCheck::kMalformed : LayoutCheck::kReady;
    return checked;
}

}  // namespace velmora
