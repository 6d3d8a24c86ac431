#include "commands/line_io.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/native/commands/memory_file.h"
#include "tests/native/commands/value_builders.h"

namespace velmora::test {
namespace {

std::string Repeat(char byte, size_t count) {
    return std::string(count, byte);
}

std::string ReadOne(FileStream& file) {
    char* line = ReadTextLine(file);
    std::string text = line == nullptr ? std::string() : std::string(line);
    HeapRelease(line);
    return text;
}

struct ReadCase {
    const char* name;
    std::string bytes;
    std::vector<std::string> lines;  // what successive reads return
};

std::vector<ReadCase> ReadCases() {
    const std::string x511 = Repeat('x', 511);
    std::string longLine;
    while (longLine.size() < 100 * 1024) {
        longLine += "桌面图标 layout ";
    }
    return {
        {"CR LF and no final line end", "a\r\nb", {"a", "b", "", ""}},
        {"LF only", "a\nb\n", {"a", "b", ""}},
        {"empty file", "", {"", ""}},
        {"empty lines", "\n\r\nx", {"", "", "x", ""}},
        {"only the last CR goes", "a\r\r\nb", {"a\r", "b"}},
        {"inner CR stays", "a\rb\n", {"a\rb", ""}},
        {"final CR without LF goes", "a\r", {"a", ""}},
        {"0x1A is not consumed",
         "ab\x1A"
         "cd\nef",
         {"ab", "", "", ""}},
        {"zero byte is not consumed", std::string("ab\0cd\n", 6), {"ab", "", ""}},
        {"line longer than a chunk", Repeat('y', 600) + "\r\nz", {Repeat('y', 600), "z", ""}},
        {"line of exactly one chunk", Repeat('y', 512) + "\nz", {Repeat('y', 512), "z"}},
        {"CR and LF on both sides of a chunk boundary", x511 + "\r\ny", {x511, "y"}},
        {"lead byte at byte 512", x511 + "中\nq", {x511 + "中", "q", ""}},
        {"LF as trail byte across a chunk boundary", x511 + "\xB0\ntail\nq", {x511 + "\xB0\ntail", "q"}},
        {"LF as trail byte inside a chunk", "a\xB0\nb\nc", {"a\xB0\nb", "c", ""}},
        {"lead byte at the end of the file", "ab\xB0", {"ab\xB0", ""}},
        {"lead byte ending the first chunk and the file", x511 + "\xB0", {x511 + "\xB0", ""}},
        {"lead byte followed by a zero byte", std::string("a\xB0\0b\nc", 7), {"a\xB0", "", ""}},
        {"100 KB line", longLine + "\r\nend", {longLine, "end", ""}},
        {"GBK caption lines", "信息：\r\n桌面,我的电脑\r\n", {"信息：", "桌面,我的电脑", ""}},
    };
}

TEST(LineIoTest, ReadTextLineReadsEachLine) {
    for (const ReadCase& c : ReadCases()) {
        MemoryFile file(c.bytes);
        for (size_t i = 0; i < c.lines.size(); ++i) {
            EXPECT_EQ(ReadOne(file), c.lines[i]) << c.name << ", read " << i + 1;
        }
    }
}

TEST(LineIoTest, LfOnlyReadsLikeCrLf) {
    MemoryFile crLf("one\r\ntwo\r\n三\r\n");
    MemoryFile lf("one\ntwo\n三\n");
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(ReadOne(crLf), ReadOne(lf)) << "read " << i + 1;
    }
}

TEST(LineIoTest, StopBytesKeepThePosition) {
    MemoryFile file(std::string("ab\0cd", 5));
    EXPECT_EQ(ReadOne(file), "ab");
    EXPECT_EQ(file.position(), 2u);
    EXPECT_EQ(ReadOne(file), "");
    EXPECT_EQ(file.position(), 2u);
}

TEST(LineIoTest, ReadErrorMovesToTheEndAndGivesEmpty) {
    MemoryFile file(Repeat('y', 600) + "\nz");
    file.FailReadsAfter(1);
    EXPECT_EQ(ReadOne(file), "");
    EXPECT_EQ(file.position(), file.bytes().size());
}

TEST(LineIoTest, WriteTextLinesEndsEveryValueWithCrLf) {
    const char bytes[] = {'b'};
    const ArrayBlock byteString(1, bytes, 1);
    const struct {
        const char* name;
        std::vector<ValueRecord> values;
        std::string written;
    } cases[] = {
        {"text and integer", {Text("x"), Integer(5)}, "x\r\n5\r\n"},
        {"empty text", {Text("")}, "\r\n"},
        {"null text", {Text(nullptr)}, "\r\n"},
        {"no values", {}, ""},
        {"scalars",
         {Boolean(true), Double(2.5), Byte(200), DateTime(44317.5)},
         "真\r\n2.5\r\n200\r\n2021年5月1日12时\r\n"},
        {"other types skipped",
         {Text("a"), byteString.As(kTypeBytes), Record(0x10030, 1), Omitted(), Text("b")},
         "a\r\nb\r\n"},
        {"GBK caption", {Text("信息：")}, "信息：\r\n"},
    };
    for (const auto& c : cases) {
        MemoryFile file;
        EXPECT_TRUE(WriteTextLines(file, c.values.data(), static_cast<int32_t>(c.values.size()))) << c.name;
        EXPECT_EQ(file.bytes(), c.written) << c.name;
    }
}

TEST(LineIoTest, WriteTextLinesWritesAtThePosition) {
    MemoryFile file("0123456789");
    file.Seek(4);
    const ValueRecord values[] = {Text("ab")};
    EXPECT_TRUE(WriteTextLines(file, values, 1));
    EXPECT_EQ(file.bytes(), "0123ab\r\n89");
    EXPECT_EQ(file.position(), 8u);
}

TEST(LineIoTest, WriteErrorRestoresThePositionAndKeepsWrittenBytes) {
    MemoryFile file("head");
    file.SeekToEnd();
    file.FailWritesAfter(2);
    const ValueRecord values[] = {Text("abc"), Text("d")};
    EXPECT_FALSE(WriteTextLines(file, values, 2));
    EXPECT_EQ(file.position(), 4u);
    EXPECT_EQ(file.bytes(), "headabc\r\n");
}

}  // namespace
}  // namespace velmora::test
