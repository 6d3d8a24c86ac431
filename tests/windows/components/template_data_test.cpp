// Template data out of live components: what a unit writes out makes the same component again, and
// the texts of template data pass through a callback.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "components/core_units.h"
#include "runtime/forms/unit_properties.h"
#include "tests/support/ui_driver.h"
#include "tests/windows/components/test_form.h"

namespace velmora::test {
namespace {

std::vector<uint8_t> FontBytes(const char* face, LONG height) {
    LOGFONTA font = {};
    font.lfHeight = height;
    std::strcpy(font.lfFaceName, face);
    std::vector<uint8_t> bytes(sizeof(font));
    std::memcpy(bytes.data(), &font, sizeof(font));
    return bytes;
}

// Moves every component away from its template: by program writes and, for the edit box, by typing.
void ChangeEveryComponent(TestForm& form) {
    form.WriteText(kWindowRecord, 0, "新标题");               // caption
    form.Write(kWindowRecord, 4, 2);                          // background picture layout
    form.Write(kWindowRecord, 20, 14);                        // mouse pointer
    form.Write(kWindowRecord, 21, 1);                         // always on top
    form.WriteText(kWindowRecord, 16, "设置");                // text setting
    form.Write(kOkButton, 1, 1);                              // type
    form.WriteText(kOkButton, 2, "好");                       // caption
    form.Write(kOkButton, 3, 2);                              // horizontal alignment
    form.WriteBytes(kOkButton, 5, FontBytes("Tahoma", -20));  // font
    form.Write(kCreateCheck, 10, 0);                          // checked
    form.Write(kCreateCheck, 2, 1);                           // flat
    form.Write(kCreateCheck, 7, 0x00FF00);                    // text colour
    form.WriteText(kCreateCheck, 11, "数据源");               // binding text
    form.WriteText(kNameLabel, 0, "新标签");                  // caption
    form.Write(kNameLabel, 2, 3);                             // border
    form.Write(kNameLabel, 3, 9);                             // border width
    form.Write(kNameEdit, 6, 8);                              // maximum length
    form.Write(kNameEdit, 10, 3);                             // input mode
    form.Write(kNameEdit, 13, 1);                             // spin control
    form.Write(kNameEdit, 14, -5);                            // spin bound
    ASSERT_TRUE(TypeText(form.Window(kNameEdit), "-1234"));
    form.Write(kNameEdit, 16, 1);                    // selection start
    form.Write(kNameEdit, 17, 2);                    // selection length
    form.WriteText(kOpenDialog, 2, "C:\\布局.ini");  // file name
    form.Write(kOpenDialog, 8, 1);                   // file must exist
    form.Write(kOpenDialog, 18, 12);                 // font size
}

TEST(ComponentTemplateDataTest, WrittenOutPropertiesMakeTheSameComponentsAgain) {
    std::map<uint32_t, std::vector<uint8_t>> blocks;
    std::map<std::pair<uint32_t, int32_t>, std::vector<uint8_t>> expected;
    {
        TestForm original;
        ASSERT_TRUE(original.Load());
        ChangeEveryComponent(original);
        for (const uint32_t id : original.ComponentIds()) {
            blocks[id] = original.WrittenBlock(id);
            const size_t count = UnitOwnProperties(original.UnitTypeOf(id)).size();
            ASSERT_GT(count, 0u);
            for (size_t number = 0; number < count; ++number) {
                const auto property = static_cast<int32_t>(number);
                expected[{id, property}] = original.ReadRaw(id, property);
            }
        }
    }
    TestForm copy;
    ASSERT_TRUE(copy.Load(blocks));
    for (const auto& [key, value] : expected) {
        EXPECT_EQ(copy.ReadRaw(key.first, key.second), value)
            << "component " << std::hex << key.first << std::dec << " property " << key.second;
    }
    EXPECT_EQ(copy.ReadText(kNameEdit, 0), "-1234") << "what the user typed is written out";
    EXPECT_EQ(GetWindowLongPtrA(copy.Window(kWindowRecord), GWL_EXSTYLE) & WS_EX_TOPMOST, WS_EX_TOPMOST);
}

TEST(ComponentTemplateDataTest, WindowWritesTheCurrentVersionSoLaterPropertiesAreKept) {
    WindowUnitProperties earliest;
    earliest.version = 1;
    earliest.borderStyle = 2;
    earliest.caption = "旧版";
    const std::vector<uint8_t> block = WriteWindowUnitProperties(earliest);
    TestForm form;
    ASSERT_TRUE(form.Load({{kWindowRecord, block}}));
    form.Write(kWindowRecord, 21, 1);  // always on top
    const std::optional<WindowUnitProperties> written = ReadWindowUnitProperties(form.WrittenBlock(kWindowRecord));
    ASSERT_TRUE(written);
    EXPECT_EQ(written->version, kWindowUnitVersion);
    EXPECT_EQ(written->alwaysOnTop, 1);
    EXPECT_EQ(written->caption, "旧版");
}

// Prefixes every text that is not empty and records every text it is given.
struct Translation {
    std::vector<std::string> seen;
    std::string replacement;

    static UnitBytes Translate(void* context, UnitBytes text) noexcept {
        auto* self = static_cast<Translation*>(context);
        const std::string original(static_cast<const char*>(text.data), static_cast<size_t>(text.length));
        self->seen.push_back(original);
        if (original.empty()) {
            return {nullptr, 0};
        }
        self->replacement = "译" + original;
        return {self->replacement.data(), static_cast<int32_t>(self->replacement.size())};
    }
};

std::vector<uint8_t> PassTexts(const TestForm& form, uint32_t id, std::span<const uint8_t> block, Translation& into) {
    const auto pass = UnitRoutineOf<UnitPassTextsRoutine>(form.UnitTypeOf(id), kUnitPassTexts);
    UnitBytes result = {};
    const UnitBytes given = {block.data(), static_cast<int32_t>(block.size())};
    if (pass(given, &Translation::Translate, &into, &result) != 1) {
        return {};
    }
    const auto* bytes = static_cast<const uint8_t*>(result.data);
    std::vector<uint8_t> copy(bytes, bytes + result.length);
    HeapFree(GetProcessHeap(), 0, const_cast<void*>(result.data));
    return copy;
}

TEST(ComponentTemplateDataTest, TextsPassThroughTheCallbackAndEverythingElseStays) {
    std::map<uint32_t, std::vector<uint8_t>> translated;
    Translation translation;
    {
        TestForm original;
        ASSERT_TRUE(original.Load());
        for (const uint32_t id : original.ComponentIds()) {
            translated[id] = PassTexts(original, id, original.LoadedBlock(id), translation);
            ASSERT_FALSE(translated[id].empty()) << std::hex << id;
        }
    }
    for (const char* text : {"组件测试", "默认", "确定", "创建快捷方式", "名称：", "配置文件(*.ini)|*.ini"}) {
        EXPECT_NE(std::find(translation.seen.begin(), translation.seen.end(), text), translation.seen.end()) << text;
    }

    TestForm copy;
    ASSERT_TRUE(copy.Load(translated));
    const struct {
        uint32_t component;
        int32_t property;
        const char* text;
    } texts[] = {
        {kWindowRecord, 0, "译组件测试"}, {kNameEdit, 0, "译默认"},
        {kOkButton, 2, "译确定"},         {kCreateCheck, 3, "译创建快捷方式"},
        {kNameLabel, 0, "译名称："},      {kOpenDialog, 3, "译配置文件(*.ini)|*.ini"},
        {kWindowRecord, 23, ""},
    };
    for (const auto& expected : texts) {
        EXPECT_EQ(copy.ReadText(expected.component, expected.property), expected.text);
    }
    EXPECT_EQ(copy.ReadInteger(kWindowRecord, 1), 2) << "the border style stays";
    EXPECT_EQ(copy.ReadInteger(kCreateCheck, 10), 1) << "the box stays checked";
    EXPECT_EQ(copy.ReadInteger(kOpenDialog, 0), 0) << "the dialog type stays";
}

TEST(ComponentTemplateDataTest, MalformedTemplateDataGivesNothing) {
    TestForm form;
    ASSERT_TRUE(form.Load());
    for (const uint32_t id : form.ComponentIds()) {
        const std::vector<uint8_t>& block = form.LoadedBlock(id);
        Translation translation;
        EXPECT_TRUE(PassTexts(form, id, std::span<const uint8_t>(block).first(block.size() - 1), translation).empty())
            << std::hex << id << " accepted a cut block";
        EXPECT_TRUE(PassTexts(form, id, {}, translation).empty()) << std::hex << id << " accepted no block";
        EXPECT_TRUE(translation.seen.empty());
    }
}

}  // namespace
}  // namespace velmora::test
