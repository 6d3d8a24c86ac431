// Random inputs for the two commands that walk double-byte texts by hand: no crash, no read outside
// the input (run under AddressSanitizer), and ReadTextLine always makes progress.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "commands/line_io.h"
#include "commands/text_commands.h"
#include "tests/native/commands/memory_file.h"
#include "tests/native/commands/value_builders.h"

namespace velmora::test {
namespace {

// Bytes drawn mostly from the ones the scanners treat specially.
std::string RandomBytes(std::mt19937& random, size_t maxLength, bool allowZero) {
    static constexpr unsigned char kInteresting[] = {'\n', '\r', 0x1A, 0x00, ',',  '\\',
                                                     0xB0, 0xA3, 0xA1, 0x81, 0xFE, 'a'};
    std::uniform_int_distribution<size_t> length(0, maxLength);
    std::uniform_int_distribution<int> pick(0, 3);
    std::uniform_int_distribution<size_t> interesting(0, sizeof kInteresting - 1);
    std::uniform_int_distribution<int> any(0, 255);
    std::string bytes(length(random), '\0');
    for (char& byte : bytes) {
        byte = static_cast<char>(pick(random) == 0 ? any(random) : kInteresting[interesting(random)]);
        if (!allowZero && byte == '\0') {
            byte = 'z';
        }
    }
    return bytes;
}

TEST(FuzzTest, ReadTextLineAlwaysEndsAndNeverOverreads) {
    std::mt19937 random(20211);
    for (int round = 0; round < 3000; ++round) {
        const std::string bytes = RandomBytes(random, round % 10 == 0 ? 3000 : 1100, true);
        MemoryFile file(bytes);
        std::string consumed;
        // Each call either moves the position or stops at a zero/0x1A byte or the end.
        for (int call = 0; call < 4000; ++call) {
            const uint32_t before = file.position();
            char* line = ReadTextLine(file);
            const size_t lineLength = line == nullptr ? 0 : std::strlen(line);
            HeapRelease(line);
            ASSERT_LE(lineLength, bytes.size());
            if (file.position() == before) {
                const bool atStop = before >= bytes.size() || bytes[before] == '\0' || bytes[before] == '\x1A';
                ASSERT_TRUE(atStop) << "round " << round << " stalled at " << before;
                break;
            }
            ASSERT_GT(file.position(), before);
        }
    }
}

TEST(FuzzTest, SplitTextPartsRebuildTheText) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> maximum(-1, 6);
    for (int round = 0; round < 5000; ++round) {
        const std::string text = RandomBytes(random, 200, false);
        const std::string separator = RandomBytes(random, 3, false);
        const int32_t limit = maximum(random);
        std::vector<ValueRecord> args{Text(text.c_str()), Text(separator.c_str())};
        if (limit >= 0) {
            args.push_back(Integer(limit));
        }
        Result result;
        SplitText(result.get(), static_cast<int32_t>(args.size()), args.data());
        ASSERT_EQ(result.record().type, kTypeText | kArrayFlag);
        const std::vector<std::string> parts = result.AsTexts();
        if (limit >= 0) {
            ASSERT_LE(parts.size(), static_cast<size_t>(limit));
        }
        // Without a limit, joining the parts with the separator gives the text back (minus one trailing separator).
        if (limit < 0 && !separator.empty() && !text.empty()) {
            std::string joined;
            for (size_t i = 0; i < parts.size(); ++i) {
                joined += (i == 0 ? "" : separator) + parts[i];
            }
            const bool trailing = text.size() >= separator.size() && joined + separator == text;
            ASSERT_TRUE(joined == text || trailing) << "round " << round;
        }
    }
}

}  // namespace
}  // namespace velmora::test
