#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/dll_names.h"

namespace velmora {
namespace {

TEST(DllNamesTest, ExportNamesAndOrdinals) {
    struct Case {
        const char* name;
        bool byOrdinal;
        uint16_t ordinal;
    };
    const Case cases[] = {
        {"FindWindowA", false, 0},
        {"#165", true, 165},
        {"#0", true, 0},
        {"#65537", true, 1},
        {"#", true, 0},
        {"#12ab", true, 12},
        {"a#1", false, 0},
        {"", false, 0},
        {"#99999999999", true, static_cast<uint16_t>(99999999999ULL % 65536)},
    };
    for (const Case& c : cases) {
        const ExportName name = ParseExportName(c.name);
        EXPECT_EQ(name.byOrdinal, c.byOrdinal) << c.name;
        EXPECT_EQ(name.ordinal, c.ordinal) << c.name;
        EXPECT_STREQ(name.name, c.name);
    }
    EXPECT_STREQ(ParseExportName(nullptr).name, "");
}

TEST(DllNamesTest, NamedLibrariesAreLookedForInTheProgramDirectoryFirst) {
    EXPECT_EQ(LibraryCandidates("Shell32", "C:\\程序"), (std::vector<std::string>{"C:\\程序\\Shell32", "Shell32"}));
    EXPECT_EQ(LibraryCandidates("C:\\lib\\x.dll", "C:\\程序"), (std::vector<std::string>{"C:\\lib\\x.dll"}));
    EXPECT_EQ(LibraryCandidates("sub\\x.dll", "C:"), (std::vector<std::string>{"C:\\sub\\x.dll", "sub\\x.dll"}));
}

TEST(DllNamesTest, BareNamesHaveASystemDirectoryPath) {
    const struct {
        const char* fileName;
        const char* path;
    } cases[] = {
        {"Shell32", "C:\\Windows\\system32\\Shell32.dll"},
        {"Mpr.dll", "C:\\Windows\\system32\\Mpr.dll"},
        {"x.drv", "C:\\Windows\\system32\\x.drv"},
        {"sub\\x.dll", ""},
        {"sub/x.dll", ""},
        {"C:x.dll", ""},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SystemLibraryPath(c.fileName, "C:\\Windows\\system32"), c.path) << c.fileName;
    }
}

TEST(DllNamesTest, DefaultModulesInOrder) {
    const std::vector<std::string> modules(std::begin(kDefaultModules), std::end(kDefaultModules));
    EXPECT_EQ(modules, (std::vector<std::string>{"Kernel32.dll", "Gdi32.dll", "User32.dll", "Advapi32.dll", "Mpr.dll",
                                                 "Shell32.dll"}));
}

TEST(DllNamesTest, NotFoundMessages) {
    EXPECT_EQ(DllCommandNotFoundMessage("Shell32", "Nope"), "无法找到指定DLL库文件“Shell32”中的输出命令“Nope”");
    EXPECT_EQ(DllCommandNotFoundMessage("", "Nope"), "无法找到指定DLL库文件中的输出命令“Nope”");
    EXPECT_EQ(DllCommandNotFoundMessage(nullptr, "#7"), "无法找到指定DLL库文件中的输出命令“#7”");
}

}  // namespace
}  // namespace velmora
