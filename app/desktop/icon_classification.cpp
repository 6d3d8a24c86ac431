#include "app/desktop/icon_classification.h"

#include <windows.h>
#include <shlobj.h>

#include "app/dll_commands.h"
#include "app/texts.h"
#include "app/tool_commands.h"
#include "commands/shell_commands.h"

namespace velmora {
namespace {

constexpr int32_t kUserDesktopDirectory = 3;
constexpr int32_t kDirectoryAttribute = 16;
constexpr char kLinkExtension[] = ".lnk";

// Attributes that cannot be read (-1) count as a directory, as the bit test says.
const char* FileOrFolder(int32_t attributes) {
    return (attributes & kDirectoryAttribute) != 0 ? "[folder]" : "[file]";
}

std::wstring WithoutTrailingSeparator(const char* directory) {
    std::wstring wide = WideOf(directory);
    if (!wide.empty() && wide.back() == L'\\')
        wide.pop_back();
    return wide;
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

IconClassifier::IconClassifier(const DesktopDirectories& directories) noexcept {
    // An empty text is no directory: joined to captions it would name the drive root or the current
    // directory.
    if (directories.user)
        places_.push_back({Text(NewText(directories.user.get())),
                           DirectoryListing::Of(WithoutTrailingSeparator(directories.user.get()))});
    if (directories.common)
        places_.push_back({Text(ConcatTexts({directories.common.get(), "\\"})),
                           DirectoryListing::Of(WithoutTrailingSeparator(directories.common.get()))});
}

Classification IconClassifier::Classify(const char* caption) const noexcept {
    const std::wstring name = WideOf(caption);
    // "?" and "*" are wildcards to the file functions: such a caption names no file of its own, and
    // asking for it would find another's.
    if (name.find_first_of(L"?*") != std::wstring::npos)
        return {"[system]", Text()};
    const std::wstring linkName = name + L".lnk";
    for (const Place& place : places_) {
        if (const auto attributes = Look(place, caption, name, ""))
            return {FileOrFolder(*attributes), Text()};
        if (Look(place, caption, linkName, kLinkExtension)) {
            // The listing says the shortcut file is there: it is read without asking the shell again.
            const Text link(ConcatTexts({place.prefix.get(), caption, kLinkExtension}));
            return {"[lnk]", Text(ReadLinkFileTarget(link.get()))};
        }
    }
    return {"[system]", Text()};
}

bool IconClassifier::IsOnDesktop(const char* caption, const char* suffix) const noexcept {
    const std::wstring name = WideOf(caption) + WideOf(suffix);
    if (name.find_first_of(L"?*") != std::wstring::npos)
        return false;
    for (const Place& place : places_) {
        if (Look(place, caption, name, suffix))
            return true;
    }
    return false;
}

std::optional<int32_t> IconClassifier::Look(const Place& place,
                                            const char* caption,
                                            const std::wstring& name,
                                            const char* suffix) const noexcept {
    if (place.listing.Answers(name)) {
        const auto attributes = place.listing.Find(name);
        return attributes ? std::optional<int32_t>(static_cast<int32_t>(*attributes)) : std::nullopt;
    }
    const Text path(ConcatTexts({place.prefix.get(), caption, suffix}));
    if (!tool::FileExists(path.get()))
        return std::nullopt;
    return tool::FileAttributes(path.get());
}

}  // namespace velmora
