#include "app/layout/layout_file.h"

#include <cstring>

#include "app/routine_ids.h"
#include "app/texts.h"
#include "app/tool_commands.h"

namespace velmora {

Text ScreenLine() noexcept {
    const Text width = tool::ToText(tool::ScreenWidth());
    const Text height = tool::ToText(tool::ScreenHeight());
    return Text(ConcatTexts({"[ScreenRect:", width.get(), "/", height.get(), "]"}));
}

Text CountLine(int32_t count) noexcept {
    const Text number = tool::ToText(count);
    return Text(ConcatTexts({"[IconNum:", number.get(), "]"}));
}

Text ItemLine(const IconEntry& entry) noexcept {
    const Text left = tool::ToText(entry.rectangle->left);
    const Text top = tool::ToText(entry.rectangle->top);
    const Text right = tool::ToText(entry.rectangle->right);
    const Text bottom = tool::ToText(entry.rectangle->bottom);
    if (TextsEqual(entry.kind, "[lnk]")) {
        return Text(ConcatTexts({entry.kind, "|[", entry.caption, "]|[", left.get(), "/", top.get(), "/", right.get(),
                                 "/", bottom.get(), "]|[", entry.target, "]"}));
    }
    return Text(ConcatTexts({entry.kind, "|[", entry.caption, "]|[", left.get(), "/", top.get(), "/", right.get(), "/",
                             bottom.get(), "]"}));
}

bool WriteLayoutLine(int32_t file, const char* line) noexcept {
    tool::SeekToEnd(file);
    return tool::WriteLines(file, line);
}

bool WriteIconLines(int32_t file, IconEntryArray& icons) noexcept {
    const uint32_t count = icons.Count();
    for (uint32_t i = 1; i <= count; ++i) {
        const Text line = ItemLine(icons.At(static_cast<int32_t>(i), kWriteIconLinesRoutine, 1));
        if (!WriteLayoutLine(file, line.get()))
            return false;
    }
    return true;
}

}  // namespace velmora
