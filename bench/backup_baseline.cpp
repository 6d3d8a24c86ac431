#include "bench/backup_baseline.h"

#include <windows.h>
#include <commctrl.h>
#include <objbase.h>
#include <shlobj.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <unordered_map>

#include "bench/shell_icons.h"
#include "commands/com_ptr.h"
#include "commands/find_handle.h"
#include "commands/kernel_handle.h"

namespace velmora::bench {
namespace {

// Names as the directory lists them, with their attributes. The baseline matches names exactly: the
// benchmark's captions are the file names.
using Listing = std::unordered_map<std::string, DWORD>;

Listing ListDirectory(const std::string& directory) {
    Listing names;
    WIN32_FIND_DATAA data;
    const FindHandle search(FindFirstFileA((directory + "\\*").c_str(), &data));
    if (!search)
        return names;
    do {
        names.emplace(data.cFileName, data.dwFileAttributes);
    } while (FindNextFileA(search.get(), &data));
    return names;
}

// One shell link object reads every shortcut.
class LinkReader {
  public:
    LinkReader() {
        if (SUCCEEDED(
                CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link_.putVoid())))
            file_ = link_.As<IPersistFile>(IID_IPersistFile);
    }

    std::string Target(const std::string& linkPath) {
        WCHAR wide[MAX_PATH];
        char target[MAX_PATH] = {};
        if (!file_ || !MultiByteToWideChar(CP_ACP, 0, linkPath.c_str(), -1, wide, MAX_PATH) ||
            FAILED(file_->Load(wide, STGM_READ)) || FAILED(link_->GetPath(target, MAX_PATH, nullptr, 0)))
            return {};
        return target;
    }

  private:
    ComPtr<IShellLinkA> link_;
    ComPtr<IPersistFile> file_;
};

struct Kind {
    const char* tag;
    bool isLink;
    std::string target;
};

Kind Classify(const std::string& caption,
              const std::string& user,
              const Listing& inUser,
              const std::string& common,
              const Listing& inCommon,
              LinkReader& links) {
    const struct {
        const std::string& directory;
        const Listing& names;
    } places[] = {{user, inUser}, {common, inCommon}};
    for (const auto& place : places) {
        if (auto found = place.names.find(caption); found != place.names.end())
            return {found->second & FILE_ATTRIBUTE_DIRECTORY ? "[folder]" : "[file]", false, {}};
        if (place.names.count(caption + ".lnk"))
            return {"[lnk]", true, links.Target(place.directory + "\\" + caption + ".lnk")};
    }
    return {"[system]", false, {}};
}

}  // namespace

bool BaselineBackup(const std::string& userDirectory, const std::string& commonDirectory, const std::string& filePath) {
    const std::string user =
        userDirectory.back() == '\\' ? userDirectory.substr(0, userDirectory.size() - 1) : userDirectory;
    const Listing inUser = ListDirectory(user);
    const Listing inCommon = ListDirectory(commonDirectory);
    LinkReader links;

    std::vector<ShellIcon> icons;
    const HWND listView = ShellListView();
    if (!listView || !ReadShellIcons(listView, false, icons))
        return false;
    std::string layout = "[ScreenRect:" + std::to_string(GetSystemMetrics(SM_CXSCREEN)) + "/" +
                         std::to_string(GetSystemMetrics(SM_CYSCREEN)) +
                         "]\r\n[IconNum:" + std::to_string(icons.size()) + "]\r\n";
    for (const ShellIcon& icon : icons) {
        const Kind kind = Classify(icon.caption, user, inUser, commonDirectory, inCommon, links);
        const RECT& bounds = icon.bounds;
        layout += std::string(kind.tag) + "|[" + icon.caption + "]|[" + std::to_string(bounds.left) + "/" +
                  std::to_string(bounds.top) + "/" + std::to_string(bounds.right) + "/" +
                  std::to_string(bounds.bottom) + "]";
        if (kind.isLink)
            layout += "|[" + kind.target + "]";
        layout += "\r\n";
    }

    const KernelHandle file(
        CreateFileA(filePath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    return file && WriteFile(file.get(), layout.data(), static_cast<DWORD>(layout.size()), &written, nullptr) &&
           written == layout.size();
}

}  // namespace velmora::bench
