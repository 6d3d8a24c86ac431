#include "commands/file_commands.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "tests/native/commands/value_builders.h"
#include "tests/support/build_paths.h"

namespace velmora::test {
namespace {

class FileCommandsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        directory_ = MakeScratchDirectory("file-commands");
        ASSERT_FALSE(directory_.empty());
    }

    std::string PathOf(const std::string& name) const { return directory_ + "\\" + name; }

    static void WriteFileBytes(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }

    static std::string FileBytes(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }

    static int32_t Open(const std::string& path, ValueRecord openMode, ValueRecord shareMode = Omitted()) {
        Result number;
        Call(OpenFile, number, {Text(path.c_str()), openMode, shareMode});
        return number.AsInteger();
    }

    static void Close(int32_t number) {
        Result none;
        Call(CloseFile, none, {Integer(number)});
    }

    static std::string ReadOneLine(int32_t number) {
        Result line;
        Call(ReadLine, line, {Integer(number)});
        return line.AsText();
    }

    static bool Write(int32_t number, std::initializer_list<ValueRecord> values) {
        std::vector<ValueRecord> args{Integer(number)};
        args.insert(args.end(), values);
        Result written;
        WriteLines(written.get(), static_cast<int32_t>(args.size()), args.data());
        return written.AsInteger() != 0;
    }

    std::string directory_;
};

TEST_F(FileCommandsTest, OpenModesDecideCreationAccessAndContents) {
    const struct {
        int32_t mode;
        bool opensMissing;
        bool reads;
        bool writes;
        const char* afterWritingX;  // a file that held "old" CR LF, after "x" was written at its start
    } cases[] = {
        {1, false, true, false, "old\r\n"}, {2, false, false, true, "x\r\n\r\n"}, {3, false, true, true, "x\r\n\r\n"},
        {4, true, false, true, "x\r\n"},    {5, true, false, true, "x\r\n\r\n"},  {6, true, true, true, "x\r\n\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("open mode " + std::to_string(c.mode));
        const std::string missing = PathOf("missing" + std::to_string(c.mode) + ".txt");
        const int32_t created = Open(missing, Integer(c.mode));
        EXPECT_EQ(created != 0, c.opensMissing);
        EXPECT_EQ(GetFileAttributesA(missing.c_str()) != INVALID_FILE_ATTRIBUTES, c.opensMissing);
        Close(created);

        const std::string existing = PathOf("existing" + std::to_string(c.mode) + ".txt");
        WriteFileBytes(existing, "old\r\n");
        const int32_t reading = Open(existing, Integer(c.mode));
        ASSERT_NE(reading, 0);
        EXPECT_EQ(ReadOneLine(reading), c.reads ? "old" : "");
        Close(reading);

        const int32_t writing = Open(existing, Integer(c.mode));
        ASSERT_NE(writing, 0);
        EXPECT_EQ(Write(writing, {Text("x")}), c.writes);
        Close(writing);
        EXPECT_EQ(FileBytes(existing), c.afterWritingX);
    }
}

TEST_F(FileCommandsTest, BadModesAndEmptyPathsOpenNothing) {
    const std::string path = PathOf("untouched.txt");
    EXPECT_EQ(Open(path, Integer(7)), 0);
    EXPECT_EQ(Open(path, Integer(0)), 0);
    EXPECT_EQ(Open(path, Integer(4), Integer(0)), 0);
    EXPECT_EQ(Open(path, Integer(4), Integer(5)), 0);
    EXPECT_EQ(Open("", Integer(4)), 0);
    EXPECT_EQ(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(FileCommandsTest, ShareModesDecideWhatASecondOpenerMay) {
    const struct {
        int32_t shareMode;
        bool secondReads;
        bool secondWrites;
    } cases[] = {{1, true, true}, {2, false, true}, {3, true, false}, {4, false, false}};
    const std::string path = PathOf("shared.txt");
    WriteFileBytes(path, "data\r\n");
    for (const auto& c : cases) {
        SCOPED_TRACE("share mode " + std::to_string(c.shareMode));
        const int32_t first = Open(path, Integer(1), Integer(c.shareMode));
        ASSERT_NE(first, 0);
        const int32_t reader = Open(path, Integer(1));
        const int32_t writer = Open(path, Integer(5));
        EXPECT_EQ(reader != 0, c.secondReads);
        EXPECT_EQ(writer != 0, c.secondWrites);
        Close(reader);
        Close(writer);
        Close(first);
    }
}

TEST_F(FileCommandsTest, LinesWrittenAreReadBackAcrossChunks) {
    const std::string path = PathOf("lines.ini");
    const std::string longLine = std::string(511, 'x') + "中" + std::string(700, 'y');
    const int32_t number = Open(path, Integer(4));
    ASSERT_NE(number, 0);
    EXPECT_TRUE(Write(number, {Text("信息："), Integer(5), Text(longLine.c_str()), Text("")}));
    Close(number);
    EXPECT_EQ(FileBytes(path), "信息：\r\n5\r\n" + longLine + "\r\n\r\n");

    const int32_t reading = Open(path, Integer(1));
    ASSERT_NE(reading, 0);
    EXPECT_EQ(ReadOneLine(reading), "信息：");
    EXPECT_EQ(ReadOneLine(reading), "5");
    EXPECT_EQ(ReadOneLine(reading), longLine);
    EXPECT_EQ(ReadOneLine(reading), "");
    EXPECT_EQ(ReadOneLine(reading), "");
    Close(reading);
}

TEST_F(FileCommandsTest, SeekToEndAppends) {
    const std::string path = PathOf("append.txt");
    WriteFileBytes(path, "a\r\n");
    const int32_t number = Open(path, Integer(3));
    ASSERT_NE(number, 0);
    Result moved;
    Call(SeekToEnd, moved, {Integer(number)});
    EXPECT_EQ(moved.AsInteger(), 1);
    EXPECT_TRUE(Write(number, {Text("b")}));
    Close(number);
    EXPECT_EQ(FileBytes(path), "a\r\nb\r\n");
}

TEST_F(FileCommandsTest, UnknownAndClosedNumbersAreHarmless) {
    const int32_t number = Open(PathOf("closed.txt"), Integer(4));
    ASSERT_NE(number, 0);
    Close(number);
    for (const int32_t unknown : {0, 12345, number}) {
        SCOPED_TRACE(unknown);
        EXPECT_EQ(ReadOneLine(unknown), "");
        EXPECT_FALSE(Write(unknown, {Text("x")}));
        Result moved;
        Call(SeekToEnd, moved, {Integer(unknown)});
        EXPECT_EQ(moved.AsInteger(), 0);
        Close(unknown);
    }
}

TEST_F(FileCommandsTest, ExistsAttributesAndDirectories) {
    const std::string file = PathOf("present.txt");
    WriteFileBytes(file, "x");
    const std::string readOnly = PathOf("locked.txt");
    WriteFileBytes(readOnly, "x");
    ASSERT_TRUE(SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_READONLY));

    const struct {
        std::string path;
        bool exists;
    } existence[] = {
        {file, true},
        {PathOf("*.txt"), true},
        {PathOf("pres?nt.txt"), true},
        {PathOf("*.none"), false},
        {directory_, true},
        {PathOf("absent.txt"), false},
        {"", false},
    };
    for (const auto& c : existence) {
        Result exists;
        Call(FileExists, exists, {Text(c.path.c_str())});
        EXPECT_EQ(exists.record().type, kTypeBoolean);
        EXPECT_EQ(exists.AsInteger() != 0, c.exists) << c.path;
    }

    Result attributes;
    Call(FileAttributes, attributes, {Text(directory_.c_str())});
    EXPECT_EQ(attributes.AsInteger(), 16);
    Call(FileAttributes, attributes, {Text(PathOf("absent.txt").c_str())});
    EXPECT_EQ(attributes.AsInteger(), -1);
    Call(FileAttributes, attributes, {Text(readOnly.c_str())});
    EXPECT_EQ(attributes.AsInteger() & 1, 1);
    EXPECT_EQ(attributes.AsInteger() & ~0x37, 0);
    SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(FileCommandsTest, MakeDirectoryCreatesOneLevel) {
    const std::string made = PathOf("new");
    const struct {
        std::string path;
        bool made;
    } cases[] = {{made, true}, {made, false}, {PathOf("missing\\child"), false}, {"", false}};
    for (const auto& c : cases) {
        Result result;
        Call(MakeDirectory, result, {Text(c.path.c_str())});
        EXPECT_EQ(result.AsInteger() != 0, c.made) << c.path;
    }
    EXPECT_EQ(GetFileAttributesA(made.c_str()) & FILE_ATTRIBUTE_DIRECTORY,
              static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
}

}  // namespace
}  // namespace velmora::test
