// The demo of ./dev run without a display: Velmora's main job as a user does it, on the stand-in
// desktop that the demo session started. It backs the desktop up, scrambles the icons, restores them,
// and saves a picture of the screen before, scrambled and after, and one of Velmora's window.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "tests/e2e/layout_files.h"
#include "tests/e2e/velmora_app.h"
#include "tests/support/ui_driver.h"

namespace velmora::test {
namespace {

// A 24-bit BMP of the screen rectangle; the demo session turns it into a PNG.
bool SaveScreen(const RECT& area, const std::string& path) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    SelectObject(memory, old);

    BITMAPINFOHEADER info = {};
    info.biSize = sizeof(info);
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    const DWORD rowBytes = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
    std::vector<char> pixels(rowBytes * static_cast<DWORD>(height));
    const bool read = GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), pixels.data(),
                                reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS) == height;
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    if (!read)
        return false;

    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(info);
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(&file), sizeof(file));
    out.write(reinterpret_cast<const char*>(&info), sizeof(info));
    out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
    return static_cast<bool>(out.flush());
}

bool SaveWholeScreen(const std::string& path) {
    const RECT screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    return SaveScreen(screen, path);
}

HWND DesktopListView() {
    const HWND worker = FindWindowA("WorkerW", "");
    const HWND defView = worker ? FindWindowExA(worker, nullptr, "SHELLDLL_DefView", nullptr) : nullptr;
    return defView ? FindWindowExA(defView, nullptr, "SysListView32", nullptr) : nullptr;
}

// Every icon onto a new place, as a resolution change leaves them.
void Scramble(HWND list) {
    const int count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        const int x = 700 + (i * 197) % 900;
        const int y = 300 + (i * 131) % 500;
        SendMessageA(list, LVM_SETITEMPOSITION, i, MAKELPARAM(x, y));
    }
}

// Answers the box and says what it said.
bool Answer(VelmoraApp& app, const char* step) {
    const auto box = WaitForMessageBox(app.process().id(), 60000);
    if (!box) {
        std::fprintf(stderr, "demo: no answer to the %s\n", step);
        return false;
    }
    std::printf("demo: %s: %s\n", step, box->text.c_str());
    return AnswerMessageBox(*box, IDOK);
}

int Run(const std::string& directory) {
    const HWND list = DesktopListView();
    auto app = VelmoraApp::Start();
    if (!list || !app) {
        std::fprintf(stderr, "demo: the stand-in desktop or Velmora did not come up\n");
        return 1;
    }
    const std::string backups = directory + "\\demo-backups";
    CreateDirectoryA(backups.c_str(), nullptr);
    for (const std::string& name : FilesIn(backups))
        DeleteFileA((backups + "\\" + name).c_str());

    if (!SaveWholeScreen(directory + "\\demo-1-before.bmp") || !TypeText(app->backupDirEdit(), backups))
        return 1;
    app->Click(app->backupButton());
    if (!Answer(*app, "backup"))
        return 1;
    const std::vector<std::string> files = FilesIn(backups);
    if (files.size() != 1)
        return 1;

    Scramble(list);
    if (!SaveWholeScreen(directory + "\\demo-2-scrambled.bmp"))
        return 1;
    if (!TypeText(app->backupFileEdit(), backups + "\\" + files.front()) || !TypeText(app->delayEdit(), "50"))
        return 1;
    app->Click(app->restoreButton());
    if (!Answer(*app, "restore"))
        return 1;
    Sleep(500);
    if (!SaveWholeScreen(directory + "\\demo-3-after.bmp"))
        return 1;
    // The answered box hands the activation to the desktop, which then covers the window.
    SetWindowPos(app->window(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    Sleep(500);
    RECT window = {};
    GetWindowRect(app->window(), &window);
    if (!SaveScreen(window, directory + "\\demo-window.bmp"))
        return 1;
    return app->Close() == std::optional<DWORD>(0) ? 0 : 1;
}

}  // namespace
}  // namespace velmora::test

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: demo_driver DIRECTORY\n");
        return 2;
    }
    return velmora::test::Run(argv[1]);
}
