#include "app/layout/layout_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "app/tool_commands.h"
#include "runtime/heap.h"
#include "tests/support/build_paths.h"

namespace velmora {
namespace {

constexpr int32_t kCreateOrEmpty = 4;
constexpr int32_t kShareAll = 1;

IconEntry* NewEntry(const char* kind, const char* caption, ItemRectangle rectangle, const char* target) {
    IconEntry* entry = NewIconEntry();
    entry->kind = NewText(kind);
    entry->caption = NewText(caption);
    *entry->rectangle = rectangle;
    entry->target = NewText(target);
    return entry;
}

// The lines go to the file and come from the icons that the caller names, whatever the program-wide
// variables hold meanwhile; each line lands at the end of what the file already has.
TEST(LayoutLines, GoToTheGivenFileFromTheGivenIcons) {
    const std::string path = test::MakeScratchDirectory("layout-lines") + "\\layout.ini";
    const int32_t file = tool::OpenFile(path.c_str(), kCreateOrEmpty, kShareAll);
    ASSERT_NE(file, 0);
    IconEntryArray icons;
    icons.Create();
    for (IconEntry* entry : {NewEntry("[file]", "季度报告.docx", {1, 2, 3, 4}, nullptr),
                             NewEntry("[lnk]", "记事本", {-5, 6, 7, 8}, "C:\\Windows\\notepad.exe")}) {
        icons.Append(*entry);
        FreeIconEntry(entry);
    }
    ASSERT_TRUE(tool::WriteLines(file, "[ScreenRect:800/600]"));
    EXPECT_TRUE(WriteLayoutLine(file, "[IconNum:2]"));
    EXPECT_TRUE(WriteIconLines(file, icons));
    tool::CloseFile(file);

    std::ifstream written(path, std::ios::binary);
    std::stringstream bytes;
    bytes << written.rdbuf();
    EXPECT_EQ(bytes.str(),
              "[ScreenRect:800/600]\r\n[IconNum:2]\r\n[file]|[季度报告.docx]|[1/2/3/4]\r\n"
              "[lnk]|[记事本]|[-5/6/7/8]|[C:\\Windows\\notepad.exe]\r\n");
}

TEST(LayoutLines, FailWhenTheFileNumberNamesNoOpenFile) {
    IconEntryArray icons;
    icons.Create();
    IconEntry* entry = NewEntry("[sys]", "回收站", {0, 0, 1, 1}, nullptr);
    icons.Append(*entry);
    FreeIconEntry(entry);
    EXPECT_FALSE(WriteLayoutLine(0, "[IconNum:1]"));
    EXPECT_FALSE(WriteIconLines(0, icons));
}

}  // namespace
}  // namespace velmora
