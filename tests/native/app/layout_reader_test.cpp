#include <gtest/gtest.h>

#include <random>
#include <string>

#include "app/layout/layout_reader.h"

namespace velmora {
namespace {

void ExpectIcon(const StoredIcon& icon,
                const std::string& kind,
                const std::string& caption,
                ItemRectangle rectangle,
                const std::string& target) {
    EXPECT_EQ(icon.kind, kind);
    EXPECT_EQ(icon.caption, caption);
    EXPECT_EQ(icon.rectangle.left, rectangle.left);
    EXPECT_EQ(icon.rectangle.top, rectangle.top);
    EXPECT_EQ(icon.rectangle.right, rectangle.right);
    EXPECT_EQ(icon.rectangle.bottom, rectangle.bottom);
    EXPECT_EQ(icon.target, target);
}

TEST(LayoutReaderTest, ReadsAWellFormedFileAsWritten) {
    const StoredLayout layout = ParseLayout(
        "[ScreenRect:1920/1080]\r\n"
        "[IconNum:4]\r\n"
        "[system]|[回收站]|[20/20/95/90]\r\n"
        "[lnk]|[记事本]|[-1500/-8/-1425/62]|[C:\\windows\\notepad.exe]\r\n"
        "[folder]|[项目资料]|[120/5/195/75]\r\n"
        "[lnk]|[空目标]|[0/0/1/1]|[]\r\n"
        "lines after the count are not read\r\n");
    ASSERT_EQ(layout.badLine, 0);
    EXPECT_EQ(layout.screen.width, 1920);
    EXPECT_EQ(layout.screen.height, 1080);
    ASSERT_EQ(layout.icons.size(), 4u);
    ExpectIcon(layout.icons[0], "system", "回收站", {20, 20, 95, 90}, "");
    ExpectIcon(layout.icons[1], "lnk", "记事本", {-1500, -8, -1425, 62}, "C:\\windows\\notepad.exe");
    ExpectIcon(layout.icons[2], "folder", "项目资料", {120, 5, 195, 75}, "");
    ExpectIcon(layout.icons[3], "lnk", "空目标", {0, 0, 1, 1}, "");
}

TEST(LayoutReaderTest, CaptionsAndTargetsWithTheSeparatorsReadBackAsWritten) {
    struct Case {
        const char* line;
        const char* kind;
        const char* caption;
        const char* target;
    };
    const Case cases[] = {
        {"[file]|[a|b]|[1/2/3/4]", "file", "a|b", ""},
        {"[file]|[x]|[1/2/3/4]]|[1/2/3/4]", "file", "x]|[1/2/3/4]", ""},
        {"[system]|[[方括号]]|[1/2/3/4]", "system", "[方括号]", ""},
        {"[system]|[]|[1/2/3/4]", "system", "", ""},
        {"[lnk]|[a]|[b]|[1/2/3/4]|[C:\\[x]\\y.exe]", "lnk", "a]|[b", "C:\\[x]\\y.exe"},
        {"[lnk]|[c|[9/9/9/9]|d]|[1/2/3/4]|[t]", "lnk", "c|[9/9/9/9]|d", "t"},
    };
    for (const Case& c : cases) {
        const auto icon = ParseItemLine(c.line);
        ASSERT_TRUE(icon) << c.line;
        ExpectIcon(*icon, c.kind, c.caption, {1, 2, 3, 4}, c.target);
    }
}

TEST(LayoutReaderTest, NamesTheFirstLineThatIsNotTheFormat) {
    const std::string head = "[ScreenRect:800/600]\r\n";
    const std::string good = "[file]|[a]|[1/2/3/4]\r\n";
    struct Case {
        const char* name;
        std::string bytes;
        int32_t badLine;
    };
    const Case cases[] = {
        {"no count line", head, 2},
        {"count line of another kind", head + "[Icons:1]\r\n" + good, 2},
        {"count without its bracket", head + "[IconNum:1\r\n" + good, 2},
        {"count not a number", head + "[IconNum:x]\r\n" + good, 2},
        {"negative count", head + "[IconNum:-1]\r\n", 2},
        {"count beyond any desktop", head + "[IconNum:100001]\r\n", 2},
        {"fewer item lines than counted", head + "[IconNum:3]\r\n" + good + good, 5},
        {"an empty line where an item should be", head + "[IconNum:2]\r\n" + good + "\r\n" + good, 4},
        {"only two fields", head + "[IconNum:1]\r\n[file]|[a]\r\n", 3},
        {"three rectangle numbers", head + "[IconNum:1]\r\n[file]|[a]|[1/2/3]\r\n", 3},
        {"five rectangle numbers", head + "[IconNum:1]\r\n[file]|[a]|[1/2/3/4/5]\r\n", 3},
        {"a letter among the numbers", head + "[IconNum:1]\r\n[file]|[a]|[1/2/x/4]\r\n", 3},
        {"a number too large", head + "[IconNum:1]\r\n[file]|[a]|[1/2/3/4294967296]\r\n", 3},
        {"a shortcut without its target", head + "[IconNum:1]\r\n[lnk]|[a]|[1/2/3/4]\r\n", 3},
        {"a caption without brackets", head + "[IconNum:1]\r\n[file]|a|[1/2/3/4]\r\n", 3},
        {"a kind without brackets", head + "[IconNum:1]\r\nfile|[a]|[1/2/3/4]\r\n", 3},
        {"a zero byte", head + "[IconNum:1]\r\n[file]|[a" + std::string(1, '\0') + "]|[1/2/3/4]\r\n", 3},
        {"a line of a megabyte",
         head + "[IconNum:2]\r\n" + good + "[file]|[" + std::string(1 << 20, 'a') + "]|[1/2/3/4]\r\n", 4},
        {"cut inside the last line", head + "[IconNum:2]\r\n" + good + "[file]|[a]|[1/2", 4},
    };
    for (const Case& c : cases) {
        const StoredLayout layout = ParseLayout(c.bytes);
        EXPECT_EQ(layout.badLine, c.badLine) << c.name;
        EXPECT_TRUE(layout.icons.empty()) << c.name;
    }
}

TEST(LayoutReaderTest, TheScreenLineGivesNothingUnlessItIsOne) {
    struct Case {
        const char* line;
        int32_t width;
        int32_t height;
    };
    const Case cases[] = {
        {"[ScreenRect:1024/768]", 1024, 768}, {"[ScreenRect:1024/768]\r", 1024, 768},
        {"[ScreenRect:1024]", 0, 0},          {"[ScreenRect:1024/768", 0, 0},
        {"[ScreenRect:a/b]", 0, 0},           {"[ScreenRect:1/2/3]", 0, 0},
        {"ScreenRect:1024/768]", 0, 0},       {"", 0, 0},
    };
    for (const Case& c : cases) {
        const StoredScreen screen = ReadScreenLine(c.line);
        EXPECT_EQ(screen.width, c.width) << c.line;
        EXPECT_EQ(screen.height, c.height) << c.line;
    }
}

TEST(LayoutReaderTest, TakesLineFeedsWithoutCarriageReturns) {
    const StoredLayout layout = ParseLayout("[ScreenRect:1/2]\n[IconNum:1]\n[file]|[a]|[1/2/3/4]");
    ASSERT_EQ(layout.badLine, 0);
    ASSERT_EQ(layout.icons.size(), 1u);
    EXPECT_EQ(layout.icons[0].caption, "a");
}

// Random bytes and random damage to a good file: never a crash, never a read outside the input (the
// sanitizers watch), and a reading either fails at a line or holds exactly the counted entries.
TEST(LayoutReaderTest, SurvivesGarbageAndDamage) {
    std::mt19937 random(1103);
    const std::string good =
        "[ScreenRect:1920/1080]\r\n[IconNum:3]\r\n[system]|[回收站]|[20/20/95/90]\r\n"
        "[lnk]|[a|b]|[1/2/3/4]|[C:\\x.exe]\r\n[file]|[c]|[-5/6/7/8]\r\n";
    static constexpr char kInteresting[] = {'|', '[', ']', '/', '-', '\r', '\n', '\0', '0', '9', 'a', '\xB0'};
    std::uniform_int_distribution<size_t> pickInteresting(0, sizeof kInteresting - 1);
    std::uniform_int_distribution<int> anyByte(0, 255);
    for (int round = 0; round < 20000; ++round) {
        std::string bytes = good;
        if (round % 4 == 0) {
            bytes.assign(static_cast<size_t>(random() % 400), '\0');
            for (char& byte : bytes)
                byte = static_cast<char>(random() % 2 ? anyByte(random) : kInteresting[pickInteresting(random)]);
        } else {
            for (int damage = 0; damage < 1 + round % 5; ++damage) {
                const size_t at = random() % bytes.size();
                switch (random() % 3) {
                    case 0:
                        bytes[at] = kInteresting[pickInteresting(random)];
                        break;
                    case 1:
                        bytes.erase(at, 1 + random() % 8);
                        break;
                    default:
                        bytes.insert(at, 1, kInteresting[pickInteresting(random)]);
                }
                if (bytes.empty())
                    break;
            }
        }
        const StoredLayout layout = ParseLayout(bytes);
        if (layout.badLine == 0)
            EXPECT_LE(layout.icons.size(), 3u + 7u);
        else
            EXPECT_TRUE(layout.icons.empty());
    }
}

}  // namespace
}  // namespace velmora
