#include "bench/bench_desktop.h"

#include <windows.h>
#include <objbase.h>

#include <gtest/gtest.h>

#include <cstdio>

#include "tests/support/shortcut.h"
#include "tests/support/wait.h"

namespace velmora::bench {
namespace {

// Programs every Wine prefix has, so that each shortcut's target resolves.
constexpr const char* kTargets[] = {"C:\\windows\\notepad.exe", "C:\\windows\\regedit.exe",
                                    "C:\\windows\\system32\\cmd.exe", "C:\\windows\\system32\\winver.exe"};
constexpr int kGridStep = 90;
constexpr int kGridColumns = 20;
// Time for the stand-in to take up messages posted to it after it was last idle.
constexpr DWORD kSettleMs = 200;

std::string Numbered(const char* stem, int number, const char* extension = "") {
    char name[64];
    std::snprintf(name, sizeof(name), "%s %05d%s", stem, number, extension);
    return name;
}

std::string Join(const std::string& directory, const std::string& name) {
    return directory.back() == '\\' ? directory + name : directory + "\\" + name;
}

std::string ItemLine(const test::StandInItem& item, const ExpectedKind& kind) {
    std::string line = kind.tag + "|[" + item.caption + "]|[" + std::to_string(item.bounds.left) + "/" +
                       std::to_string(item.bounds.top) + "/" + std::to_string(item.bounds.right) + "/" +
                       std::to_string(item.bounds.bottom) + "]";
    if (kind.tag == "[lnk]")
        line += "|[" + kind.target + "]";
    return line + "\r\n";
}

}  // namespace

bool BenchDesktop::Start(int n) {
    if (!LayOut(n))
        return false;
    shell_ = test::StandInDesktop::Start({"--desktop-folders"}, shellItems_);
    return shell_.has_value();
}

bool BenchDesktop::LayOut(int n) {
    size_ = n;
    const HRESULT com = CoInitialize(nullptr);
    bool made = true;
    for (int i = 0; i < n && made; ++i) {
        // Alternate pairs of directories, so that both hold every kind.
        const std::string& directory = (i / 4) % 2 ? directories_.commonDirectory() : directories_.userDirectory();
        switch (i % 4) {
            case 0: {
                const std::string caption = Numbered("快捷方式", i);
                made = test::CreateShortcutFile(Join(directory, caption + ".lnk"), kTargets[(i / 4) % 4]);
                kinds_[caption] = {"[lnk]", test::ReadShortcutTarget(Join(directory, caption + ".lnk"))};
                made = made && !kinds_[caption].target.empty();
                break;
            }
            case 1: {
                const std::string caption = Numbered("文档", i, ".txt");
                made = directories_.AddFile(directory, caption);
                kinds_[caption] = {"[file]", ""};
                break;
            }
            case 2: {
                const std::string caption = Numbered("文件夹", i);
                made = directories_.AddFolder(directory, caption);
                kinds_[caption] = {"[folder]", ""};
                break;
            }
            default: {
                const int k = i / 4;
                shellItems_.push_back(
                    {Numbered("系统项", i), 20 + (k % kGridColumns) * kGridStep, 20 + (k / kGridColumns) * kGridStep});
                break;
            }
        }
    }
    if (SUCCEEDED(com))
        CoUninitialize();
    if (!made)
        ADD_FAILURE() << "cannot lay out a desktop of " << n << " icons";
    return made;
}

void BenchDesktop::Settle() const {
    WaitForInputIdle(shell_->process().get(), test::kDefaultTimeoutMs);
    Sleep(kSettleMs);
}

std::optional<std::string> BenchDesktop::ExpectedBackup() const {
    auto items = shell_->Report();
    if (!items)
        return std::nullopt;
    std::string shown;
    int count = 0;
    for (const test::StandInItem& item : *items) {
        if (item.view != 0)
            continue;
        const auto found = kinds_.find(item.caption);
        shown += ItemLine(item, found == kinds_.end() ? ExpectedKind{"[system]", ""} : found->second);
        ++count;
    }
    return "[ScreenRect:" + std::to_string(GetSystemMetrics(SM_CXSCREEN)) + "/" +
           std::to_string(GetSystemMetrics(SM_CYSCREEN)) + "]\r\n[IconNum:" + std::to_string(count) + "]\r\n" + shown;
}

}  // namespace velmora::bench
