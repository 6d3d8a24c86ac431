#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "app/icon_entry.h"
#include "app/program_variables.h"
#include "runtime/array_block.h"
#include "runtime/heap.h"
#include "runtime/native_error_hook.h"

namespace velmora {
namespace {

IconEntry* SampleEntry(int32_t index, const char* caption) {
    IconEntry* entry = NewIconEntry();
    entry->index = index;
    entry->kind = NewText("[lnk]");
    entry->caption = NewText(caption);
    *entry->rectangle = ItemRectangle{1, 2, 3, 4};
    entry->target = NewText("C:\\目标.exe");
    return entry;
}

TEST(IconEntryTest, CopyOwnsItsOwnTextsAndRectangle) {
    IconEntry* original = SampleEntry(7, "记事本");
    IconEntry* copy = CopyIconEntry(*original);
    EXPECT_NE(copy->kind, original->kind);
    EXPECT_NE(copy->caption, original->caption);
    EXPECT_NE(copy->rectangle, original->rectangle);
    EXPECT_NE(copy->target, original->target);
    FreeIconEntry(original);  // the copy must stay intact: the sanitizer sees any use after free
    EXPECT_EQ(copy->index, 7);
    EXPECT_STREQ(copy->caption, "记事本");
    EXPECT_STREQ(copy->target, "C:\\目标.exe");
    EXPECT_EQ(copy->rectangle->bottom, 4);
    FreeIconEntry(copy);
}

TEST(IconEntryTest, EmptyTextsStayNullInCopies) {
    IconEntry* entry = NewIconEntry();
    IconEntry* copy = CopyIconEntry(*entry);
    EXPECT_EQ(copy->kind, nullptr);
    EXPECT_EQ(copy->target, nullptr);
    ASSERT_NE(copy->rectangle, nullptr);
    EXPECT_EQ(copy->rectangle->left, 0);
    FreeIconEntry(entry);
    FreeIconEntry(copy);
    FreeIconEntry(nullptr);
}

TEST(IconEntryArrayTest, AppendsCopiesAndFreesEverything) {
    IconEntryArray array;
    array.Create();
    EXPECT_EQ(array.Count(), 0u);
    EXPECT_EQ(ArrayBlockSize(array.Block(), sizeof(IconEntry*)), 8u);
    for (int32_t i = 0; i < 5; ++i) {
        IconEntry* entry = SampleEntry(i, ("图标" + std::to_string(i)).c_str());
        array.Append(*entry);
        FreeIconEntry(entry);
    }
    ASSERT_EQ(array.Count(), 5u);
    EXPECT_EQ(DimensionCount(array.Block()), 1u);
    EXPECT_EQ(ArrayBlockSize(array.Block(), sizeof(IconEntry*)), 8u + 5 * sizeof(IconEntry*));
    EXPECT_STREQ(array.At(1, 0, 0).caption, "图标0");
    EXPECT_STREQ(array.At(5, 0, 0).caption, "图标4");

    array.Clear();
    EXPECT_EQ(array.Count(), 0u);
    ASSERT_NE(array.Block(), nullptr) << "cleared means empty, not gone";

    IconEntryArray moved = std::move(array);
    EXPECT_EQ(array.Block(), nullptr);
    moved.Free();
    EXPECT_EQ(moved.Block(), nullptr);
}

void WriteBoxText(const char* boxText) noexcept {
    std::string hex;
    char digits[3];
    for (const char* c = boxText; *c != '\0'; ++c) {
        std::snprintf(digits, sizeof(digits), "%02x", static_cast<unsigned char>(*c));
        hex += digits;
    }
    std::fputs(("[" + hex + "]").c_str(), stderr);
}

std::string HexBox(const char* text) {
    std::string hex = "\\[";
    char digits[3];
    for (const char* c = text; *c != '\0'; ++c) {
        std::snprintf(digits, sizeof(digits), "%02x", static_cast<unsigned char>(*c));
        hex += digits;
    }
    return hex + "\\]";
}

// The index is checked before the element is touched; a null array (never created) has no elements,
// and the sanitizer sees any address computed from it.
TEST(IconEntryArrayDeathTest, IndexChecksNameTheRoutineAndPosition) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    struct Case {
        bool null;
        int32_t index;
        const char* box;
    };
    const Case cases[] = {
        {false, 0,
         "运行时出错!\r\n\r\n错误代码：4\r\n\r\n错误信息：数组成员引用下标必须大于等于1\r\n\r\n67174550, 33\r\n"},
        {false, -5,
         "运行时出错!\r\n\r\n错误代码：4\r\n\r\n错误信息：数组成员引用下标必须大于等于1\r\n\r\n67174550, 33\r\n"},
        {false, 3,
         "运行时出错!\r\n\r\n错误代码：1\r\n\r\n错误信息：数组成员引用下标超出定义范围\r\n\r\n67174550, 33\r\n"},
        {true, 1,
         "运行时出错!\r\n\r\n错误代码：1\r\n\r\n错误信息：数组成员引用下标超出定义范围\r\n\r\n67174550, 33\r\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EXIT(
            {
                SetRuntimeErrorHook(WriteBoxText);
                IconEntryArray array;
                if (!c.null) {
                    array.Create();
                    IconEntry* entry = NewIconEntry();
                    array.Append(*entry);
                    array.Append(*entry);
                }
                array.At(c.index, 0x04010096, 33);
            },
            ::testing::ExitedWithCode(255), HexBox(c.box))
            << c.null << " " << c.index;
    }
}

// Everything the entry routine creates, ExitCleanup frees; LeakSanitizer checks the rest.
TEST(ProgramVariablesTest, ExitCleanupFreesWhatTheEntryRoutineCreated) {
    CreateProgramVariables();
    EXPECT_EQ(DesktopIcons.Count(), 0u);
    ASSERT_TRUE(FreeSlot);
    EXPECT_EQ(FreeSlot->left, 0);
    EXPECT_EQ(FreeSlot->bottom, 0);
    BackupDirectory.reset(NewText("D:\\备份"));
    IconEntry* entry = SampleEntry(3, "回收站");
    DesktopIcons.Append(*entry);
    SavedIcons.Append(*entry);
    MissingFiles.Append(*entry);
    UnrestoredShortcuts.Append(*entry);
    FreeIconEntry(entry);

    ExitCleanup();
    EXPECT_FALSE(BackupDirectory);
    EXPECT_EQ(DesktopIcons.Block(), nullptr);
    EXPECT_EQ(SavedIcons.Block(), nullptr);
    EXPECT_FALSE(FreeSlot);
}

}  // namespace
}  // namespace velmora
