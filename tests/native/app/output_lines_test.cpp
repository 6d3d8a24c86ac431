#include "app/command_line/output_lines.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(OutputLines, OneFactOneLineWhateverTheFieldsHold) {
    EXPECT_EQ(FactLine({"moved", "回收站", PointField(-300, 40), PointField(20, 120)}),
              "moved\t回收站\t-300,40\t20,120\r\n");
    EXPECT_EQ(FactLine({"missing", "a\tb\r\nc"}), "missing\ta b  c\r\n");
    EXPECT_EQ(FactLine({"noicon", ""}), "noicon\t\r\n");
    EXPECT_EQ(FactLine({"", "x"}), "\tx\r\n");
    EXPECT_EQ(FactLine({"summary", "backup", CountField("icons", 42), CountField("exit", 0)}),
              "summary\tbackup\ticons=42\texit=0\r\n");
    EXPECT_EQ(SizeField(1920, 1080), "1920x1080");
}

}  // namespace
}  // namespace velmora
