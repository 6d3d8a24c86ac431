#include "tests/e2e/test_desktop.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include "tests/support/shortcut.h"

namespace velmora::test {
namespace {

std::string SpecialFolder(int csidl) {
    char path[MAX_PATH] = {};
    if (!SHGetSpecialFolderPathA(nullptr, path, csidl, TRUE))
        ADD_FAILURE() << "no special folder " << csidl;
    return path;
}

void EmptyDirectory(const std::string& directory) {
    WIN32_FIND_DATAA data;
    HANDLE search = FindFirstFileA((directory + "\\*").c_str(), &data);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        const std::string name = data.cFileName;
        if (name == "." || name == "..")
            continue;
        const std::string path = directory + "\\" + name;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            RemoveTree(path);
        } else {
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(path.c_str());
        }
    } while (FindNextFileA(search, &data));
    FindClose(search);
}

std::string Join(const std::string& directory, const std::string& name) {
    return directory.empty() || directory.back() == '\\' ? directory + name : directory + "\\" + name;
}

}  // namespace

void RemoveTree(const std::string& path) {
    EmptyDirectory(path);
    RemoveDirectoryA(path.c_str());
}

TestDesktop::TestDesktop()
    : user_(SpecialFolder(CSIDL_DESKTOPDIRECTORY) + "\\"), common_(SpecialFolder(CSIDL_COMMON_DESKTOPDIRECTORY)) {
    EmptyDirectory(user_.substr(0, user_.size() - 1));
    EmptyDirectory(common_);
}

TestDesktop::~TestDesktop() {
    EmptyDirectory(user_.substr(0, user_.size() - 1));
    EmptyDirectory(common_);
}

bool TestDesktop::AddFile(const std::string& directory, const std::string& name) const {
    const std::string path = Join(directory, name);
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        ADD_FAILURE() << "cannot create " << path;
        return false;
    }
    CloseHandle(file);
    return true;
}

bool TestDesktop::AddFolder(const std::string& directory, const std::string& name) const {
    const std::string path = Join(directory, name);
    if (!CreateDirectoryA(path.c_str(), nullptr)) {
        ADD_FAILURE() << "cannot create the folder " << path;
        return false;
    }
    return true;
}

bool TestDesktop::AddShortcut(const std::string& directory, const std::string& name, const std::string& target) const {
    const HRESULT com = CoInitialize(nullptr);
    const bool made = CreateShortcutFile(Join(directory, name + ".lnk"), target);
    if (SUCCEEDED(com))
        CoUninitialize();
    if (!made)
        ADD_FAILURE() << "cannot create the shortcut " << name;
    return made;
}

}  // namespace velmora::test
