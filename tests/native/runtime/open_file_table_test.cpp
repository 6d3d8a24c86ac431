#include <gtest/gtest.h>

#include "runtime/open_file_table.h"

namespace velmora {
namespace {

TEST(OpenFileTableTest, RegisterLookUpUnregister) {
    const uintptr_t first = 0x1000;
    const uintptr_t second = 0x2000;
    EXPECT_EQ(OpenFileKind(first), -1);
    RegisterOpenFile(first, 1);
    RegisterOpenFile(second, 3);
    RegisterOpenFile(first, 2);  // already listed: the kind stays
    EXPECT_EQ(OpenFileKind(first), 1);
    EXPECT_EQ(OpenFileKind(second), 3);

    EXPECT_EQ(UnregisterOpenFile(first), 1);
    EXPECT_EQ(UnregisterOpenFile(first), 0);
    EXPECT_EQ(OpenFileKind(first), -1);
    EXPECT_EQ(OpenFileKind(second), 3) << "removing one keeps the others";
    EXPECT_EQ(UnregisterOpenFile(second), 1);
}

}  // namespace
}  // namespace velmora
