#include <gtest/gtest.h>

#include <string>

#include "app/restore/shortcut_name.h"

namespace velmora {
namespace {

TEST(ShortcutNameTest, OnlyPlainFileNamesNameAShortcut) {
    const char* const plain[] = {"记事本", "Editor", "a b.c", "[x]", "..a", "\xB1\x5C"};
    for (const char* caption : plain)
        EXPECT_TRUE(IsPlainFileName(caption)) << caption;
    const std::string refused[] = {"",    ".",   "..",   "..\\evil", "a/b",
                                   "C:x", "a*",  "a?",   "a\"b",     "a<b",
                                   "a>b", "a|b", "a\tb", "\xB1",     std::string("a\0b", 3)};
    for (const std::string& caption : refused)
        EXPECT_FALSE(IsPlainFileName(caption)) << caption;
}

}  // namespace
}  // namespace velmora
