#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "tests/e2e/velmora_app.h"
#include "tests/support/build_paths.h"
#include "tests/support/ui_driver.h"

namespace velmora::test {
namespace {

TEST(MainWindow, OpensCentredWithAFixedFrameAndItsInitialTexts) {
    auto app = VelmoraApp::Start();
    ASSERT_TRUE(app);
    const HWND window = app->window();
    EXPECT_EQ(ReadText(window), "Velmora");

    const LONG style = GetWindowLongA(window, GWL_STYLE);
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_DLGFRAME);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);

    RECT rect = {};
    GetWindowRect(window, &rect);
    EXPECT_EQ(rect.right - rect.left, 380);
    EXPECT_EQ(rect.bottom - rect.top, 250);
    EXPECT_EQ(rect.left, (GetSystemMetrics(SM_CXSCREEN) - 380) / 2);
    EXPECT_EQ(rect.top, (GetSystemMetrics(SM_CYSCREEN) - 250) / 2);

    EXPECT_EQ(ReadText(app->delayEdit()), "1000");
    EXPECT_EQ(ReadText(app->backupDirEdit()), "");
    EXPECT_EQ(ReadText(app->backupFileEdit()), "");
    EXPECT_EQ(SendMessageA(app->createShortcutsCheck(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(ReadText(app->createShortcutsCheck()), "是否创建缺少快捷方式");
    EXPECT_EQ(ReadText(app->backupButton()), "备份");
    EXPECT_EQ(ReadText(app->restoreButton()), "还原");
    EXPECT_EQ(ReadText(app->browseDirButton()), "备份目录");
    EXPECT_EQ(ReadText(app->chooseFileButton()), "选择备份文件");

    EXPECT_EQ(app->Close(), std::optional<DWORD>(0));
}

TEST(MainWindow, TheFolderButtonFillsTheDirectoryBoxAndACancelEmptiesIt) {
    const std::string folder = MakeScratchDirectory("browse");
    auto app = VelmoraApp::Start();
    ASSERT_TRUE(app);

    app->Click(app->browseDirButton());
    HWND browser = WaitForTopWindow(app->process().id(), "#32770");
    ASSERT_NE(browser, nullptr);
    ASSERT_TRUE(ChooseFolder(browser, folder));
    EXPECT_TRUE(WaitFor("the chosen folder in the directory box", kDefaultTimeoutMs,
                        [&] { return ReadText(app->backupDirEdit()) == folder; }))
        << "the box holds " << ReadText(app->backupDirEdit());

    app->Click(app->browseDirButton());
    browser = WaitForTopWindow(app->process().id(), "#32770");
    ASSERT_NE(browser, nullptr);
    ASSERT_TRUE(CancelDialog(browser));
    EXPECT_TRUE(WaitFor("the directory box to be emptied", kDefaultTimeoutMs,
                        [&] { return ReadText(app->backupDirEdit()).empty(); }));
    EXPECT_EQ(app->Close(), std::optional<DWORD>(0));
}

TEST(MainWindow, TheFileButtonFillsTheFileBoxAndACancelKeepsThePreviousChoice) {
    const std::string folder = MakeScratchDirectory("choose");
    const std::string file = folder + "\\2021年5月3日14时5分9秒.ini";
    HANDLE handle = CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(handle, INVALID_HANDLE_VALUE);
    CloseHandle(handle);
    auto app = VelmoraApp::Start();
    ASSERT_TRUE(app);

    app->Click(app->chooseFileButton());
    HWND dialog = WaitForTopWindow(app->process().id(), "#32770");
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(ChooseFile(dialog, file));
    EXPECT_TRUE(WaitFor("the chosen file in the file box", kDefaultTimeoutMs,
                        [&] { return ReadText(app->backupFileEdit()) == file; }));

    ASSERT_TRUE(TypeText(app->backupFileEdit(), "typed by hand"));
    app->Click(app->chooseFileButton());
    dialog = WaitForTopWindow(app->process().id(), "#32770");
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(CancelDialog(dialog));
    EXPECT_TRUE(WaitFor("the previous choice back in the file box", kDefaultTimeoutMs,
                        [&] { return ReadText(app->backupFileEdit()) == file; }));
    EXPECT_EQ(app->Close(), std::optional<DWORD>(0));
}

TEST(VelmoraExe, CarriesItsIconManifestAndVersion) {
    const std::string exe = BuildFile("Velmora.exe");
    HMODULE image = LoadLibraryExA(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(image, nullptr);
    EXPECT_NE(FindResourceA(image, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(14)), nullptr) << "no icon group";
    HRSRC manifestResource = FindResourceA(image, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    ASSERT_NE(manifestResource, nullptr);
    const std::string manifest(static_cast<const char*>(LockResource(LoadResource(image, manifestResource))),
                               SizeofResource(image, manifestResource));
    EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls\" version=\"6.0.0.0"), std::string::npos);
    EXPECT_NE(manifest.find("PerMonitorV2"), std::string::npos);
    EXPECT_NE(manifest.find("supportedOS"), std::string::npos);
    FreeLibrary(image);

    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(exe.c_str(), &ignored);
    ASSERT_GT(size, 0u);
    std::vector<char> version(size);
    ASSERT_TRUE(GetFileVersionInfoA(exe.c_str(), 0, size, version.data()));
    char* product = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(version.data(), "\\StringFileInfo\\080403a8\\ProductName",
                               reinterpret_cast<void**>(&product), &length));
    EXPECT_STREQ(product, "Velmora");
}

}  // namespace
}  // namespace velmora::test
