#include "app/desktop/icon_classification.h"

#include <windows.h>
#include <shlobj.h>

#include <cstring>

#include "app/dll_commands.h"
#include "app/texts.h"
#include "app/tool_commands.h"

namespace velmora {
namespace {

constexpr int32_t kUserDesktopDirectory = 3;
constexpr int32_t kDirectoryAttribute = 16;

// A path that FileAttributes cannot read (-1) counts as a directory, as the bit test says.
const char* FileOrFolder(const char* path) {
    return tool::BitAnd(tool::FileAttributes(path), kDirectoryAttribute) != 0 ? "[folder]" : "[file]";
}

}  // namespace

DesktopDirectories WorkOutDesktopDirectories() noexcept {
    DesktopDirectories directories;
    directories.user = tool::SpecialFolderPath(kUserDesktopDirectory);
    char common[512] = {};
    if (CallDllCommand(kSHGetSpecialFolderPathA, nullptr, common, CSIDL_COMMON_DESKTOPDIRECTORY, FALSE))
        directories.common.reset(NewText(common));
    return directories;
}

Classification ClassifyCaption(const DesktopDirectories& directories, const char* caption) noexcept {
    const Text inUser(ConcatTexts({directories.user.get(), caption}));
    if (tool::FileExists(inUser.get()))
        return {FileOrFolder(inUser.get()), Text()};
    const Text userLink(ConcatTexts({inUser.get(), ".lnk"}));
    if (tool::FileExists(userLink.get()))
        return {"[lnk]", tool::ShortcutTarget(userLink.get())};
    const Text inCommon(ConcatTexts({directories.common.get(), "\\", caption}));
    if (tool::FileExists(inCommon.get()))
        return {FileOrFolder(inCommon.get()), Text()};
    const Text commonLink(ConcatTexts({inCommon.get(), ".lnk"}));
    if (tool::FileExists(commonLink.get()))
        return {"[lnk]", tool::ShortcutTarget(commonLink.get())};
    return {"[system]", Text()};
}

}  // namespace velmora
