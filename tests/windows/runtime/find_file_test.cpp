#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "runtime/find_file.h"
#include "runtime/heap.h"
#include "tests/support/build_paths.h"

namespace velmora {
namespace {

// A directory with two plain files, a hidden file and a subdirectory.
class FindFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        directory_ = test::MakeScratchDirectory("find");
        for (const char* name : {"a.txt", "b.txt", "h.txt"}) {
            HANDLE file = CreateFileA((directory_ + "\\" + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
            ASSERT_NE(file, INVALID_HANDLE_VALUE);
            CloseHandle(file);
        }
        ASSERT_TRUE(SetFileAttributesA((directory_ + "\\h.txt").c_str(), FILE_ATTRIBUTE_HIDDEN));
        ASSERT_TRUE(CreateDirectoryA((directory_ + "\\sub").c_str(), nullptr));
    }

    // Every name the search yields, until it ends; the slot must be empty again at the end.
    std::set<std::string> FindAll(uint32_t mask, bool anyFile) {
        std::set<std::string> names;
        HANDLE slot = nullptr;
        std::string pattern = directory_ + "\\*";
        for (int guard = 0; guard < 100; ++guard) {
            char* name = FindFileNext(pattern.c_str(), mask, anyFile, &slot);
            pattern.clear();
            if (name == nullptr) {
                EXPECT_EQ(slot, nullptr) << "the end of the search closes it";
                return names;
            }
            EXPECT_NE(slot, nullptr);
            names.insert(name);
            HeapRelease(name);
        }
        ADD_FAILURE() << "the search did not end";
        return names;
    }

    std::string directory_;
};

TEST_F(FindFileTest, AnyFileSkipsDirectories) {
    EXPECT_EQ(FindAll(0, true), (std::set<std::string>{"a.txt", "b.txt", "h.txt"}));
}

TEST_F(FindFileTest, AttributeMaskSelectsByBits) {
    EXPECT_EQ(FindAll(FILE_ATTRIBUTE_DIRECTORY, false), (std::set<std::string>{".", "..", "sub"}));
    EXPECT_EQ(FindAll(FILE_ATTRIBUTE_HIDDEN, false), (std::set<std::string>{"h.txt"}));
    // Bits outside 0x37 do not count: FILE_ATTRIBUTE_NORMAL alone selects what mask 0 selects.
    EXPECT_EQ(FindAll(FILE_ATTRIBUTE_NORMAL, false), FindAll(0, false));
}

TEST_F(FindFileTest, NoPatternAndNoSearchYieldsNothing) {
    HANDLE slot = nullptr;
    EXPECT_EQ(FindFileNext(nullptr, 0, true, &slot), nullptr);
    EXPECT_EQ(FindFileNext("", 0, true, &slot), nullptr);
    EXPECT_EQ(FindFileNext((directory_ + "\\nothing*").c_str(), 0, true, &slot), nullptr);
    EXPECT_EQ(slot, nullptr);
    FindFileClose(nullptr);
}

TEST_F(FindFileTest, ANewPatternReplacesTheSearchInTheSlot) {
    HANDLE slot = nullptr;
    char* first = FindFileNext((directory_ + "\\a.*").c_str(), 0, true, &slot);
    ASSERT_NE(first, nullptr);
    char* second = FindFileNext((directory_ + "\\b.*").c_str(), 0, true, &slot);
    ASSERT_NE(second, nullptr);
    EXPECT_STREQ(second, "b.txt");
    EXPECT_EQ(FindFileNext(nullptr, 0, true, &slot), nullptr);
    EXPECT_EQ(slot, nullptr);
    HeapRelease(first);
    HeapRelease(second);
}

TEST(FileFilterTest, Rules) {
    EXPECT_TRUE(MatchesFileFilter(FILE_ATTRIBUTE_ARCHIVE, 0, true));
    EXPECT_FALSE(MatchesFileFilter(FILE_ATTRIBUTE_DIRECTORY, 0xFF, true));
    EXPECT_TRUE(MatchesFileFilter(0, 0, false));
    EXPECT_FALSE(MatchesFileFilter(FILE_ATTRIBUTE_ARCHIVE, 0, false));
    EXPECT_TRUE(MatchesFileFilter(FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_READONLY, FILE_ATTRIBUTE_READONLY, false));
    EXPECT_FALSE(MatchesFileFilter(FILE_ATTRIBUTE_TEMPORARY, FILE_ATTRIBUTE_TEMPORARY, false));
}

}  // namespace
}  // namespace velmora
