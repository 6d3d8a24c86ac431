#include "runtime/dll_names.h"

namespace velmora {

const char* const kDefaultModules[6] = {"Kernel32.dll", "Gdi32.dll", "User32.dll",
                                        "Advapi32.dll", "Mpr.dll",   "Shell32.dll"};

ExportName ParseExportName(const char* name) noexcept {
    if (name == nullptr || name[0] != '#') {
        return {false, 0, name == nullptr ? "" : name};
    }
    uint32_t ordinal = 0;
    for (const char* digit = name + 1; *digit >= '0' && *digit <= '9'; ++digit) {
        ordinal = (ordinal * 10 + static_cast<uint32_t>(*digit - '0')) % 65536;
    }
    return {true, static_cast<uint16_t>(ordinal), name};
}

std::string SystemLibraryPath(const std::string& fileName, const std::string& systemDirectory) {
    if (fileName.empty() || fileName.find_first_of(":\\/") != std::string::npos) {
        return "";
    }
    return systemDirectory + "\\" + fileName + (fileName.find('.') == std::string::npos ? ".dll" : "");
}

// The program directory is tried with a backslash added and as stored with its own trailing
// backslash; both spell the same path, so it is tried once.
std::vector<std::string> LibraryCandidates(const std::string& fileName, const std::string& programDirectory) {
    if (fileName.find(':') != std::string::npos) {
        return {fileName};
    }
    return {programDirectory + "\\" + fileName, fileName};
}

std::string DllCommandNotFoundMessage(const char* fileName, const char* commandName) {
    const std::string name = commandName == nullptr ? "" : commandName;
    if (fileName == nullptr || fileName[0] == '\0') {
        return "无法找到指定DLL库文件中的输出命令“" + name + "”";
    }
    return "无法找到指定DLL库文件“" + std::string(fileName) + "”中的输出命令“" + name + "”";
}

}  // namespace velmora
