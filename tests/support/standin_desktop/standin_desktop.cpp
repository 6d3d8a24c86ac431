// A stand-in for the shell's desktop as Velmora sees it: top-level shell windows holding a
// "SHELLDLL_DefView" that holds a real "SysListView32" in icon view.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "tests/support/standin_desktop/desktop_items.h"
#include "tests/support/standin_desktop/standin_options.h"
#include "tests/support/standin_protocol.h"

namespace standin {
namespace {

constexpr UINT_PTR kRescanTimer = 1;
constexpr UINT kRescanMilliseconds = 200;
constexpr UINT_PTR kListSubclass = 1;
// Longer than any caller waits for one answer.
constexpr DWORD kLateAnswerMs = 5000;

struct View {
    HWND top = nullptr;
    HWND defView = nullptr;
    HWND list = nullptr;
    std::vector<FixtureItem> fixture;
    std::map<LPARAM, std::string> folderPaths;  // item id -> file the item shows
};

struct Desktop {
    Options options;
    std::vector<std::unique_ptr<View>> views;
    HIMAGELIST images = nullptr;
    LPARAM nextId = 1;
    std::vector<HANDLE> folderChanges;  // change notifications of the desktop directories
};

Desktop* g_desktop = nullptr;

std::string ItemText(HWND list, int index) {
    char text[512] = {};
    LVITEMA item = {};
    item.iSubItem = 0;
    item.pszText = text;
    item.cchTextMax = sizeof(text);
    SendMessageA(list, LVM_GETITEMTEXTA, index, reinterpret_cast<LPARAM>(&item));
    return text;
}

int InsertItem(View& view, const std::string& caption, LPARAM id) {
    LVITEMA item = {};
    item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
    item.iItem = ListView_GetItemCount(view.list);
    item.pszText = const_cast<char*>(caption.c_str());
    item.iImage = 0;
    item.lParam = id;
    return static_cast<int>(SendMessageA(view.list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

void AddFolderItems(View& view) {
    for (const FolderItem& item : ReadDesktopFolders(g_desktop->options.hiddenExtensions)) {
        const LPARAM id = g_desktop->nextId++;
        view.folderPaths[id] = item.path;
        InsertItem(view, item.caption, id);
    }
}

// Like the shell: a file that appeared gets an icon, a file that went loses its icon. Sets, so that a
// desktop of thousands of files does not keep the stand-in busy between its answers.
void Rescan(View& view) {
    const std::vector<FolderItem> current = ReadDesktopFolders(g_desktop->options.hiddenExtensions);
    std::set<std::string> currentPaths;
    for (const FolderItem& item : current)
        currentPaths.insert(item.path);
    std::set<std::string> knownPaths;
    for (auto it = view.folderPaths.begin(); it != view.folderPaths.end();) {
        if (currentPaths.count(it->second)) {
            knownPaths.insert(it->second);
            ++it;
            continue;
        }
        LVFINDINFOA find = {};
        find.flags = LVFI_PARAM;
        find.lParam = it->first;
        const int index = static_cast<int>(SendMessageA(view.list, LVM_FINDITEMA, -1, reinterpret_cast<LPARAM>(&find)));
        if (index >= 0)
            ListView_DeleteItem(view.list, index);
        it = view.folderPaths.erase(it);
    }
    for (const FolderItem& item : current) {
        if (knownPaths.count(item.path))
            continue;
        const LPARAM id = g_desktop->nextId++;
        view.folderPaths[id] = item.path;
        InsertItem(view, item.caption, id);
    }
}

// Like the shell, which hears of changes to the desktop directories: a rescan only after a change, so
// that thousands of icons do not keep the stand-in busy between its answers. Without notifications,
// every tick rescans.
void StopWatchingDesktopFolders() {
    for (HANDLE change : g_desktop->folderChanges)
        FindCloseChangeNotification(change);
    g_desktop->folderChanges.clear();
}

void WatchDesktopFolders() {
    for (int csidl : {CSIDL_DESKTOPDIRECTORY, CSIDL_COMMON_DESKTOPDIRECTORY}) {
        char folder[MAX_PATH];
        const HANDLE change = SHGetSpecialFolderPathA(nullptr, folder, csidl, FALSE)
                                  ? FindFirstChangeNotificationA(
                                        folder, FALSE, FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME)
                                  : INVALID_HANDLE_VALUE;
        if (change == INVALID_HANDLE_VALUE) {
            StopWatchingDesktopFolders();
            return;
        }
        g_desktop->folderChanges.push_back(change);
    }
}

bool DesktopFoldersChanged() {
    bool changed = g_desktop->folderChanges.empty();
    for (HANDLE change : g_desktop->folderChanges) {
        if (WaitForSingleObject(change, 0) == WAIT_OBJECT_0) {
            FindNextChangeNotification(change);
            changed = true;
        }
    }
    return changed;
}

bool WriteReport() {
    std::ofstream report(g_desktop->options.report, std::ios::binary | std::ios::trunc);
    if (!report)
        return false;
    for (size_t v = 0; v < g_desktop->views.size(); ++v) {
        const HWND list = g_desktop->views[v]->list;
        if (!list)
            continue;
        const int count = ListView_GetItemCount(list);
        for (int i = 0; i < count; ++i) {
            RECT bounds = {};
            bounds.left = LVIR_BOUNDS;
            SendMessageA(list, LVM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&bounds));
            POINT position = {};
            SendMessageA(list, LVM_GETITEMPOSITION, i, reinterpret_cast<LPARAM>(&position));
            char numbers[160];
            std::snprintf(numbers, sizeof(numbers), "%ld,%ld,%ld,%ld\t%ld,%ld", bounds.left, bounds.top, bounds.right,
                          bounds.bottom, position.x, position.y);
            report << v << '\t' << i << '\t' << ItemText(list, i) << '\t' << numbers << "\r\n";
        }
    }
    return static_cast<bool>(report.flush());
}

bool Committed(const void* address) {
    MEMORY_BASIC_INFORMATION memory = {};
    return VirtualQuery(address, &memory, sizeof(memory)) == sizeof(memory) && memory.State == MEM_COMMIT;
}

// A real shell would now write into whatever the caller's buffers have become and crash or corrupt
// itself; the stand-in ends as such a crash would, where anyone can see it.
void AnswerLate(LPARAM lParam) {
    Sleep(kLateAnswerMs);
    const auto* item = reinterpret_cast<const LVITEMA*>(lParam);
    if (!Committed(item) || !Committed(item->pszText))
        ExitProcess(3);
}

bool IsPinned(HWND list, int index) {
    const std::vector<std::string>& pinned = g_desktop->options.pinned;
    return std::find(pinned.begin(), pinned.end(), ItemText(list, index)) != pinned.end();
}

// What a shell's list view may do: refuse to move some items, answer a request only after the caller
// gave up waiting (and then still write into the caller's buffer), or claim an absurd item count.
LRESULT CALLBACK ListViewProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) noexcept {
    static int textRequests = 0;
    // Only what other processes ask counts; the stand-in's own requests are no caller's.
    if (InSendMessage()) {
        if ((message == LVM_SETITEMPOSITION || message == LVM_SETITEMPOSITION32) &&
            IsPinned(list, static_cast<int>(wParam)))
            return FALSE;
        if (message == LVM_GETITEMTEXTA && ++textRequests == g_desktop->options.lateTextAnswer)
            AnswerLate(lParam);
        if (message == LVM_GETITEMCOUNT && g_desktop->options.claimedCount >= 0)
            return g_desktop->options.claimedCount;
    }
    return DefSubclassProc(list, message, wParam, lParam);
}

LRESULT CALLBACK ShellWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    switch (message) {
        case kReportMessage:
            return WriteReport() ? 1 : 0;
        case WM_TIMER:
            if (wParam == kRescanTimer && DesktopFoldersChanged()) {
                for (auto& view : g_desktop->views) {
                    if (view->top == window && view->list)
                        Rescan(*view);
                }
            }
            return 0;
        case WM_CLOSE:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

bool RegisterClasses(HINSTANCE instance) {
    for (const char* name : {"WorkerW", "Progman", "SHELLDLL_DefView"}) {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = ShellWindowProc;
        windowClass.hInstance = instance;
        windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_DESKTOP + 1);
        windowClass.lpszClassName = name;
        if (!RegisterClassA(&windowClass))
            return false;
    }
    return true;
}

HWND CreateListView(HWND parent, int width, int height, HINSTANCE instance) {
    DWORD style = WS_CHILD | WS_VISIBLE | LVS_ICON | LVS_SHAREIMAGELISTS;
    if (g_desktop->options.autoArrange)
        style |= LVS_AUTOARRANGE;
    HWND list =
        CreateWindowExA(0, WC_LISTVIEWA, "FolderView", style, 0, 0, width, height, parent, nullptr, instance, nullptr);
    if (list) {
        ListView_SetImageList(list, g_desktop->images, LVSIL_NORMAL);
        SetWindowSubclass(list, ListViewProc, kListSubclass, 0);
    }
    return list;
}

std::unique_ptr<View> CreateView(const char* topClass, const char* title, bool withList, HINSTANCE instance) {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    auto view = std::make_unique<View>();
    view->top = CreateWindowExA(WS_EX_TOOLWINDOW, topClass, title, WS_POPUP | WS_CLIPCHILDREN, 0, 0, width, height,
                                nullptr, nullptr, instance, nullptr);
    if (!view->top)
        return nullptr;
    view->defView = CreateWindowExA(0, "SHELLDLL_DefView", "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, width,
                                    height, view->top, nullptr, instance, nullptr);
    if (!view->defView)
        return nullptr;
    if (withList) {
        view->list = CreateListView(view->defView, width, height, instance);
        if (!view->list)
            return nullptr;
    }
    return view;
}

bool LoadFixture(const std::string& path, std::vector<FixtureItem>& items) {
    if (path.empty())
        return true;
    auto read = ReadFixture(path);
    if (!read)
        return false;
    items = std::move(*read);
    return true;
}

// The list view arranges all its icons at its first paint, so positions are set after that. Captions
// are looked up in one pass over the items, so that thousands of fixture items start quickly.
void PlaceFixtureItems(View& view) {
    std::map<std::string, int> firstIndexOf;
    for (int i = ListView_GetItemCount(view.list) - 1; i >= 0; --i)
        firstIndexOf[ItemText(view.list, i)] = i;
    for (const FixtureItem& item : view.fixture) {
        auto found = firstIndexOf.find(item.caption);
        if (found == firstIndexOf.end())
            found = firstIndexOf.emplace(item.caption, InsertItem(view, item.caption, g_desktop->nextId++)).first;
        UpdateWindow(view.list);
        ListView_SetItemPosition(view.list, found->second, item.x, item.y);
    }
}

int Fail(const std::string& message) {
    std::fprintf(stderr, "standin_desktop: %s\n", message.c_str());
    return 2;
}

int Run(int argc, char** argv, HINSTANCE instance) {
    Desktop desktop;
    g_desktop = &desktop;
    std::string error;
    if (!ParseOptions(argc, argv, desktop.options, error))
        return Fail(error);

    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    if (!RegisterClasses(instance))
        return Fail("cannot register the window classes");
    desktop.images = ImageList_Create(32, 32, ILC_COLOR32 | ILC_MASK, 1, 1);
    ImageList_AddIcon(desktop.images, LoadIcon(nullptr, IDI_APPLICATION));

    const Arrangement arrangement = desktop.options.arrangement;
    if (arrangement == Arrangement::kProgman) {
        auto view = CreateView("Progman", "Program Manager", true, instance);
        if (!view)
            return Fail("cannot create the Progman window");
        // Windows 11 24H2 keeps an empty "WorkerW" child beside the view.
        CreateWindowExA(0, "WorkerW", "", WS_CHILD, 0, 0, 0, 0, view->top, nullptr, instance, nullptr);
        desktop.views.push_back(std::move(view));
    } else {
        auto view = CreateView("WorkerW", "", arrangement != Arrangement::kNoListView, instance);
        if (!view)
            return Fail("cannot create the WorkerW window");
        desktop.views.push_back(std::move(view));
        if (arrangement == Arrangement::kTwoViews) {
            auto second = CreateView("WorkerW", "", true, instance);
            if (!second)
                return Fail("cannot create the second WorkerW window");
            desktop.views.push_back(std::move(second));
        }
    }

    if (!LoadFixture(desktop.options.fixture, desktop.views[0]->fixture))
        return Fail("cannot read the fixture " + desktop.options.fixture);
    if (desktop.views.size() > 1 && !LoadFixture(desktop.options.secondFixture, desktop.views[1]->fixture))
        return Fail("cannot read the fixture " + desktop.options.secondFixture);

    // Watched before the first reading, so that no change after it goes unheard.
    if (desktop.options.fromDesktopFolders)
        WatchDesktopFolders();
    for (auto& view : desktop.views) {
        if (view->list && desktop.options.fromDesktopFolders && view == desktop.views.front())
            AddFolderItems(*view);
        ShowWindow(view->top, SW_SHOWNOACTIVATE);
        UpdateWindow(view->top);
        if (view->list)
            PlaceFixtureItems(*view);
    }
    for (auto& view : desktop.views) {
        if (view->list && desktop.options.fromDesktopFolders && view == desktop.views.front())
            SetTimer(view->top, kRescanTimer, kRescanMilliseconds, nullptr);
        SetPropA(view->top, kReadyProperty, reinterpret_cast<HANDLE>(1));
    }

    if (desktop.options.hang) {
        for (;;)
            Sleep(INFINITE);
    }
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    StopWatchingDesktopFolders();
    ImageList_Destroy(desktop.images);
    return 0;
}

}  // namespace
}  // namespace standin

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    return standin::Run(__argc, __argv, instance);
}
