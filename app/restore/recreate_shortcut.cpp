#include "app/restore/recreate_shortcut.h"

#include <cstring>

#include "app/restore/shortcut_name.h"
#include "app/texts.h"
#include "app/tool_commands.h"

namespace velmora {
namespace {

constexpr int32_t kUserDesktopDirectory = 3;

// "?" and "*" would make the file check match some other file.
bool TargetExists(const char* target) {
    return target != nullptr && std::strpbrk(target, "?*") == nullptr && tool::FileExists(target);
}

}  // namespace

bool RecreateShortcut(const IconEntry& entry) noexcept {
    if (!IsPlainFileName(entry.caption ? entry.caption : "") || !TargetExists(entry.target))
        return false;
    const Text desktop = tool::SpecialFolderPath(kUserDesktopDirectory);
    if (!desktop)
        return false;
    const Text path(ConcatTexts({desktop.get(), entry.caption, ".lnk"}));
    if (tool::FileExists(path.get()))
        return false;

    tool::Object shell;
    tool::ObjectCreate(shell, "WshShell", "wshom.ocx");
    tool::Object shortcut = tool::ObjectCallForObject(shell, "CreateShortcut", path.get());
    if (shortcut.IsEmpty() || !tool::ObjectSetProperty(shortcut, "TargetPath", entry.target))
        return false;
    const Text workingDirectory = tool::TextLeft(entry.target, tool::FindTextBackward(entry.target, "\\"));
    tool::ObjectSetProperty(shortcut, "WorkingDirectory", workingDirectory.get());
    // Save returns nothing; whether it wrote the file shows on the disk.
    tool::ObjectCallForObject(shortcut, "Save", nullptr);
    return tool::FileExists(path.get());
}

}  // namespace velmora
