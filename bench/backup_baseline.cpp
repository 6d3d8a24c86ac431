#include "bench/backup_baseline.h"

#include <windows.h>
#include <commctrl.h>
#include <objbase.h>
#include <shlobj.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <unordered_map>

#include "app/desktop/list_view_records.h"
#include "app/desktop/remote_buffer.h"
#include "commands/com_ptr.h"
#include "commands/find_handle.h"
#include "commands/kernel_handle.h"

namespace velmora::bench {
namespace {

constexpr size_t kTextBytes = 512;

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

// The one shell view there is: the stand-in's.
HWND ShellListView() {
    const HWND worker = FindWindowA("WorkerW", "");
    const HWND defView = worker ? FindWindowExA(worker, nullptr, "SHELLDLL_DefView", nullptr) : nullptr;
    return defView ? FindWindowExA(defView, nullptr, "SysListView32", nullptr) : nullptr;
}

}  // namespace

bool BaselineBackup(const std::string& userDirectory, const std::string& commonDirectory, const std::string& filePath) {
    const std::string user =
        userDirectory.back() == '\\' ? userDirectory.substr(0, userDirectory.size() - 1) : userDirectory;
    const Listing inUser = ListDirectory(user);
    const Listing inCommon = ListDirectory(commonDirectory);
    LinkReader links;

    const HWND listView = ShellListView();
    DWORD processId = 0;
    if (!listView)
        return false;
    GetWindowThreadProcessId(listView, &processId);
    const KernelHandle process(
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId));
    if (!process)
        return false;
    const RemoteBuffer record = RemoteBuffer::Allocate(process.get(), sizeof(ListViewItem64));
    const RemoteBuffer text = RemoteBuffer::Allocate(process.get(), kTextBytes);
    const RemoteBuffer rect = RemoteBuffer::Allocate(process.get(), sizeof(RECT));
    if (!record || !text || !rect)
        return false;

    const int count = static_cast<int>(SendMessageA(listView, LVM_GETITEMCOUNT, 0, 0));
    std::string layout = "[ScreenRect:" + std::to_string(GetSystemMetrics(SM_CXSCREEN)) + "/" +
                         std::to_string(GetSystemMetrics(SM_CYSCREEN)) + "]\r\n[IconNum:" + std::to_string(count) +
                         "]\r\n";
    ListViewItem64 item = {};
    item.mask = LVIF_TEXT;
    item.textMax = kTextBytes;
    item.text = text.address();
    for (int i = 0; i < count; ++i) {
        item.item = i;
        char caption[kTextBytes] = {};
        RECT bounds = {LVIR_BOUNDS, 0, 0, 0};
        record.Write(&item, sizeof(item));
        const auto length = SendMessageA(listView, LVM_GETITEMTEXTA, i, static_cast<LPARAM>(record.address()));
        text.Read(caption, sizeof(caption));
        rect.Write(&bounds, sizeof(bounds));
        SendMessageA(listView, LVM_GETITEMRECT, i, static_cast<LPARAM>(rect.address()));
        rect.Read(&bounds, sizeof(bounds));
        const std::string name(caption, strnlen(caption, length < 0 ? 0 : std::min<size_t>(length, kTextBytes - 1)));
        const Kind kind = Classify(name, user, inUser, commonDirectory, inCommon, links);
        layout += std::string(kind.tag) + "|[" + name + "]|[" + std::to_string(bounds.left) + "/" +
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
