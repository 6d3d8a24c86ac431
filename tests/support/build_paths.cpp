#include "tests/support/build_paths.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>

namespace velmora::test {
namespace {

std::string TreeFile(const char* variable, const std::string& relative) {
    const char* tree = std::getenv(variable);
    if (!tree || !*tree) {
        ADD_FAILURE() << variable << " is not set: run the tests through ctest";
        return {};
    }
    return WindowsPathOf(std::string(tree) + "/" + relative);
}

}  // namespace

std::string WindowsPathOf(const std::string& unixPath) {
    std::string path = "Z:";
    for (char c : unixPath)
        path += c == '/' ? '\\' : c;
    return path;
}

std::string BuildFile(const std::string& relative) {
    return TreeFile("VELMORA_BUILD", relative);
}

std::string Build64File(const std::string& relative) {
    return TreeFile("VELMORA_BUILD64", relative);
}

std::string MakeScratchDirectory(const std::string& prefix) {
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof(temp), temp);
    for (unsigned attempt = GetTickCount();; ++attempt) {
        const std::string path =
            std::string(temp) + prefix + "-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(attempt);
        if (CreateDirectoryA(path.c_str(), nullptr))
            return path;
        if (GetLastError() != ERROR_ALREADY_EXISTS) {
            ADD_FAILURE() << "cannot create the scratch directory " << path;
            return {};
        }
    }
}

}  // namespace velmora::test
