#include <gtest/gtest.h>

#include <set>
#include <string>

#include "runtime/forms/unit_properties.h"

namespace velmora::forms_test {
namespace {

WindowUnitProperties ToolLikeWindow() {
    WindowUnitProperties window;
    window.borderStyle = 2;
    window.controlBox = 1;
    window.minimiseBox = 1;
    window.position = 1;
    window.movable = 1;
    window.noHiddenOwner = 3;
    window.setting19 = 4;
    window.mousePointer = 5;
    window.alwaysOnTop = 1;
    window.setting22 = 6;
    window.className = "MyClass";
    window.byteStrings[1] = {1, 2, 3};
    window.caption = "Velmora";
    window.textSetting = "末";
    return window;
}

TEST(WindowUnitProperties, VersionSixRoundTrips) {
    const WindowUnitProperties window = ToolLikeWindow();
    const std::vector<uint8_t> block = WriteWindowUnitProperties(window);
    ASSERT_GE(block.size(), kUnitPropertyLeadSize + 4);
    EXPECT_EQ(std::vector<uint8_t>(block.begin(), block.begin() + kUnitPropertyLeadSize),
              std::vector<uint8_t>(kUnitPropertyLeadSize, 0));
    EXPECT_EQ(block[kUnitPropertyLeadSize], 6);
    const std::optional<WindowUnitProperties> read = ReadWindowUnitProperties(block);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->borderStyle, 2);
    EXPECT_EQ(read->controlBox, 1);
    EXPECT_EQ(read->minimiseBox, 1);
    EXPECT_EQ(read->maximiseBox, 0);
    EXPECT_EQ(read->position, 1);
    EXPECT_EQ(read->movable, 1);
    EXPECT_EQ(read->noHiddenOwner, 3);
    EXPECT_EQ(read->setting19, 4);
    EXPECT_EQ(read->mousePointer, 5);
    EXPECT_EQ(read->alwaysOnTop, 1);
    EXPECT_EQ(read->setting22, 6);
    EXPECT_EQ(read->className, "MyClass");
    EXPECT_EQ(read->byteStrings, window.byteStrings);
    EXPECT_EQ(read->caption, "Velmora");
    EXPECT_EQ(read->textSetting, "末");
}

TEST(WindowUnitProperties, EarlierVersionsLackTheirLaterFields) {
    // Fields after the five further settings, by the version that introduced them, in 32-bit words;
    // the class name text is a length word.
    const struct {
        uint32_t version;
        size_t words;
    } versions[] = {{1, 0}, {2, 1}, {3, 3}, {4, 4}, {5, 5}, {6, 6}};
    WindowUnitProperties window = ToolLikeWindow();
    window.className.clear();
    const size_t base = WriteWindowUnitProperties([&] {
                            WindowUnitProperties first = window;
                            first.version = 1;
                            return first;
                        }())
                            .size();
    for (const auto& expected : versions) {
        window.version = expected.version;
        const std::vector<uint8_t> block = WriteWindowUnitProperties(window);
        EXPECT_EQ(block.size(), base + 4 * expected.words) << "version " << expected.version;
        const std::optional<WindowUnitProperties> read = ReadWindowUnitProperties(block);
        ASSERT_TRUE(read) << "version " << expected.version;
        EXPECT_EQ(read->caption, "Velmora");
        EXPECT_EQ(read->alwaysOnTop, expected.version >= 4 ? 1 : 0);
    }
}

TEST(WindowUnitProperties, VersionAboveSixAndEveryTruncationFail) {
    WindowUnitProperties window = ToolLikeWindow();
    window.version = 7;
    EXPECT_FALSE(ReadWindowUnitProperties(WriteWindowUnitProperties(window)));
    const std::vector<uint8_t> block = WriteWindowUnitProperties(ToolLikeWindow());
    for (size_t size = 0; size < block.size(); ++size) {
        const std::vector<uint8_t> cut(block.begin(), block.begin() + static_cast<ptrdiff_t>(size));
        EXPECT_FALSE(ReadWindowUnitProperties(cut)) << "size " << size;
    }
}

TEST(WindowUnitProperties, EveryPropertyHasAFieldOfItsOwnThatRoundTrips) {
    constexpr uint32_t kPropertyCount = 24;
    WindowUnitProperties window;
    std::set<const void*> fields;
    for (uint32_t number = 0; number < kPropertyCount; ++number) {
        int32_t* integer = WindowIntegerField(window, number);
        std::string* text = WindowTextField(window, number);
        std::vector<uint8_t>* bytes = WindowBytesField(window, number);
        ASSERT_EQ((integer != nullptr) + (text != nullptr) + (bytes != nullptr), 1) << "property " << number;
        const void* field = integer != nullptr ? static_cast<const void*>(integer)
                            : text != nullptr  ? static_cast<const void*>(text)
                                               : static_cast<const void*>(bytes);
        EXPECT_TRUE(fields.insert(field).second) << "property " << number << " shares its field";
        if (integer != nullptr) {
            *integer = static_cast<int32_t>(100 + number);
        } else if (text != nullptr) {
            *text = "text " + std::to_string(number);
        } else {
            *bytes = {static_cast<uint8_t>(number)};
        }
    }
    std::optional<WindowUnitProperties> read = ReadWindowUnitProperties(WriteWindowUnitProperties(window));
    ASSERT_TRUE(read);
    for (uint32_t number = 0; number < kPropertyCount; ++number) {
        if (const int32_t* integer = WindowIntegerField(*read, number); integer != nullptr) {
            EXPECT_EQ(*integer, static_cast<int32_t>(100 + number)) << "property " << number;
        } else if (const std::string* text = WindowTextField(*read, number); text != nullptr) {
            EXPECT_EQ(*text, "text " + std::to_string(number));
        } else {
            EXPECT_EQ(*WindowBytesField(*read, number), std::vector<uint8_t>{static_cast<uint8_t>(number)});
        }
    }
    EXPECT_EQ(WindowIntegerField(window, kPropertyCount), nullptr);
}

TEST(PropertyList, EntriesRoundTripAndMissingOnesTakeTheDefault) {
    const std::vector<uint8_t> block =
        WritePropertyList({{0, TextValue("内容")}, {6, IntegerValue(-4)}, {9, {1, 2}}, {12, TextValue("")}});
    const std::optional<PropertyList> list = PropertyList::Parse(block);
    ASSERT_TRUE(list);
    EXPECT_EQ(list->Count(), 4u);
    EXPECT_EQ(list->Text(0), "内容");
    EXPECT_EQ(list->Integer(6, 0), -4);
    EXPECT_EQ(list->Integer(7, 99), 99);
    EXPECT_EQ(list->Integer(9, 99), 99) << "a 2-byte value is no integer";
    ASSERT_TRUE(list->Find(12));
    EXPECT_TRUE(list->Find(12)->empty());
    EXPECT_FALSE(list->Find(13));
    const std::vector<UnitPropertyEntry> entries = list->Entries();
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries[2].number, 9u);
    EXPECT_EQ(entries[2].value, (std::vector<uint8_t>{1, 2}));
    EXPECT_EQ(WritePropertyList(entries), block);
}

TEST(PropertyList, MalformedBlocksFail) {
    const std::vector<uint8_t> good = WritePropertyList({{1, IntegerValue(1)}, {2, TextValue("ab")}});
    ASSERT_TRUE(PropertyList::Parse(good));
    for (size_t size = 0; size < good.size(); ++size) {
        const std::vector<uint8_t> cut(good.begin(), good.begin() + static_cast<ptrdiff_t>(size));
        EXPECT_FALSE(PropertyList::Parse(cut)) << "size " << size;
    }
    std::vector<uint8_t> trailing = good;
    trailing.push_back(0);
    EXPECT_FALSE(PropertyList::Parse(trailing));
    EXPECT_FALSE(PropertyList::Parse(WritePropertyList({{2, {}}, {1, {}}}))) << "unsorted";
    EXPECT_FALSE(PropertyList::Parse(WritePropertyList({{2, {}}, {2, {}}}))) << "duplicate";
    std::vector<uint8_t> version = good;
    version[kUnitPropertyLeadSize] = 2;
    EXPECT_FALSE(PropertyList::Parse(version));
    std::vector<uint8_t> count = good;
    count[kUnitPropertyLeadSize + 4] = 0xFF;
    count[kUnitPropertyLeadSize + 7] = 0xFF;
    EXPECT_FALSE(PropertyList::Parse(count));
}

}  // namespace
}  // namespace velmora::forms_test
