// The test form goes through the real build path: form source, form compiler, generated C++ file,
// linking at start-up, and the reader.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "runtime/forms/compiled_form.h"
#include "runtime/forms/identifiers.h"
#include "runtime/forms/template_reader.h"
#include "runtime/forms/unit_properties.h"
#include "tests/native/forms/test_form_routines.h"

namespace velmora {
extern const CompiledForm kTestForm;

namespace forms_test {
namespace {

constexpr uint32_t kSettings = 0x52010101;
constexpr uint32_t kAbout = 0x52010102;
constexpr uint32_t kGroupLabel = 0x16010201;
constexpr uint32_t kNameEdit = 0x16010202;
constexpr uint32_t kHiddenCheck = 0x16010203;
constexpr uint32_t kOkButton = 0x16010204;
constexpr uint32_t kCopyButton = 0x16010205;
constexpr uint32_t kOpenDialog = 0x16010206;
constexpr uint32_t kFileMenu = 0x26010207;
constexpr uint32_t kOpenItem = 0x26010208;

template <class Routine>
uint32_t Address(Routine routine) {
    return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(routine));
}

class TestForm : public testing::Test {
  protected:
    void SetUp() override {
        codeBase_ = Address(&SettingsCreated) - 0x1000;
        ASSERT_TRUE(LinkCompiledForm(kTestForm, codeBase_, data_));
        collection_ = ReadTemplateData(data_, codeBase_);
        ASSERT_TRUE(collection_);
    }

    WindowTemplate& Settings() { return *collection_->FindTemplate(kSettings); }

    uint32_t codeBase_ = 0;
    std::vector<uint8_t> data_;
    std::optional<TemplateCollection> collection_;
};

TEST_F(TestForm, BindingsReachTheRoutinesByAddress) {
    EXPECT_EQ(Settings().Record(0).RoutineForEvent(0), Address(&SettingsCreated));
    EXPECT_EQ(Settings().Record(0).RoutineForEvent(4), 0u);
    EXPECT_EQ(Settings().FindComponent(kNameEdit)->RoutineForEvent(0), Address(&NameChanged));
    EXPECT_EQ(Settings().FindComponent(kOkButton)->RoutineForEvent(0), Address(&OkClicked));
    EXPECT_EQ(Settings().FindComponent(kOkButton)->RoutineForEvent(-7), 0u);
    EXPECT_EQ(Settings().FindComponent(kCopyButton)->BindingCount(), 0u);
    EXPECT_EQ(Settings().FindComponent(kCopyButton)->EventSource(), kOkButton);
    EXPECT_EQ(Settings().FindComponent(kOpenItem)->MenuRoutine(), Address(&OkClicked));
    EXPECT_EQ(Settings().FindComponent(kFileMenu)->MenuRoutine(), 0u);
    ASSERT_EQ(kTestForm.routineNames.size(), 3u);
    EXPECT_STREQ(kTestForm.routineNames[0], "forms_test::SettingsCreated");
}

TEST_F(TestForm, RecordsFollowTheSourceInOrderAndContent) {
    const struct {
        uint32_t id;
        uint32_t unit;
        const char* name;
        int32_t left, top, width, height;
        uint32_t state;
        uint32_t container;
    } expected[] = {
        {0x06010000, kUnitWindow, "设置窗口", 10, 20, 300, 200, kStateVisible, 0},
        {kGroupLabel, kUnitLabel, "分组", 4, 4, 200, 100, kStateVisible, 0},
        {kNameEdit, kUnitEditBox, "名称编辑框", 8, 8, 120, 24, kStateVisible | kStateFocusable, kGroupLabel},
        {kHiddenCheck, kUnitCheckBox, "隐藏选择框", 8, 40, 120, 24, kStateDisabled, kGroupLabel},
        {kOkButton, kUnitButton, "确定", 210, 150, 80, 30, kStateVisible | kStateFocusable, 0},
        {kCopyButton, kUnitButton, "复制", 120, 150, 80, 30, kStateVisible | kStateFocusable, 0},
        {kOpenDialog, kUnitCommonDialog, "通用对话框", 0, 0, 32, 32, 0, 0},
        {kFileMenu, kUnitMenuItem, "文件", 0, 0, 0, 0, 0, 0},
        {kOpenItem, kUnitMenuItem, "", 0, 0, 0, 0, 0, 0},
    };
    ASSERT_EQ(Settings().ComponentCount(), std::size(expected));
    for (uint32_t index = 0; index < std::size(expected); ++index) {
        const auto& want = expected[index];
        const ComponentRecord& record = Settings().Record(index);
        SCOPED_TRACE(testing::Message() << "record " << index);
        EXPECT_EQ(Settings().ComponentIds()[index], want.id);
        EXPECT_EQ(record.UnitType(), want.unit);
        EXPECT_STREQ(record.Name(), want.name);
        EXPECT_EQ(record.Left(), want.left);
        EXPECT_EQ(record.Top(), want.top);
        EXPECT_EQ(record.Width(), want.width);
        EXPECT_EQ(record.Height(), want.height);
        EXPECT_EQ(record.StateFlags(), want.state);
        EXPECT_EQ(record.Container(), want.container);
    }
    EXPECT_STREQ(Settings().Record(0).Tag(), "窗口标记");
    const ComponentRecord& group = *Settings().FindComponent(kGroupLabel);
    ASSERT_EQ(group.ContainedCount(), 3u);
    EXPECT_EQ(group.ContainedId(0), kNameEdit);
    EXPECT_EQ(group.ContainedId(1), 0u);
    EXPECT_EQ(group.ContainedId(2), kHiddenCheck);
    const std::span<const uint8_t> pointer = Settings().FindComponent(kHiddenCheck)->MousePointer();
    EXPECT_EQ(std::vector<uint8_t>(pointer.begin(), pointer.end()), (std::vector<uint8_t>{3, 0, 0, 0}));
    const ComponentRecord& openItem = *Settings().FindComponent(kOpenItem);
    EXPECT_STREQ(openItem.MenuCaption(), "打开");
    EXPECT_EQ(openItem.MenuState(), kMenuChecked);
    EXPECT_EQ(openItem.MenuLevel(), 1u);
    EXPECT_EQ(openItem.MenuShortcut(), 0x4Fu);
    EXPECT_EQ(collection_->FindTemplate(kAbout)->ComponentCount(), 1u);
}

TEST_F(TestForm, UnitPropertiesAreStoredByName) {
    const std::optional<WindowUnitProperties> window = ReadWindowUnitProperties(Settings().Record(0).UnitProperties());
    ASSERT_TRUE(window);
    EXPECT_EQ(window->version, 6u);
    EXPECT_EQ(window->caption, "设置");
    EXPECT_EQ(window->borderStyle, 2);
    EXPECT_EQ(window->controlBox, 1);
    EXPECT_EQ(window->minimiseBox, 1);
    EXPECT_EQ(window->maximiseBox, 0);
    EXPECT_EQ(window->position, 1);
    EXPECT_EQ(window->movable, 1);
    EXPECT_EQ(window->className, "");

    const auto list = [&](uint32_t id) { return PropertyList::Parse(Settings().FindComponent(id)->UnitProperties()); };
    ASSERT_TRUE(list(kGroupLabel));
    EXPECT_EQ(list(kGroupLabel)->Text(0), "分组：");
    EXPECT_EQ(list(kGroupLabel)->Integer(3, 0), 40);
    EXPECT_EQ(list(kNameEdit)->Text(0), "默认");
    EXPECT_EQ(list(kNameEdit)->Integer(6, 0), 16);
    EXPECT_EQ(list(kHiddenCheck)->Integer(10, 0), 1);
    EXPECT_EQ(list(kOkButton)->Integer(1, 0), 1);
    const std::optional<std::span<const uint8_t>> font = list(kOkButton)->Find(5);
    ASSERT_TRUE(font);
    EXPECT_EQ(std::vector<uint8_t>(font->begin(), font->end()), (std::vector<uint8_t>{0x0C, 0, 0, 0}));
    EXPECT_EQ(list(kOpenDialog)->Text(3), "配置文件(*.ini)|*.ini");
    EXPECT_EQ(list(kOpenDialog)->Count(), 2u);
}

TEST(LinkCompiledForm, RejectsSitesAndRoutinesOutsideTheForm) {
    const std::vector<uint8_t> bytes(16, 0);
    const uint32_t sites[] = {12};
    const uint32_t outside[] = {13};
    const FormRoutine routines[] = {reinterpret_cast<FormRoutine>(&OkClicked)};
    const char* const names[] = {"OkClicked"};
    std::vector<uint8_t> data;
    EXPECT_TRUE(LinkCompiledForm({bytes, sites, routines, names}, 0, data));
    EXPECT_EQ(data[12] | data[13] << 8 | data[14] << 16 | static_cast<uint32_t>(data[15]) << 24, Address(&OkClicked));
    EXPECT_FALSE(LinkCompiledForm({bytes, outside, routines, names}, 0, data));
    std::vector<uint8_t> badNumber = bytes;
    badNumber[12] = 1;
    EXPECT_FALSE(LinkCompiledForm({badNumber, sites, routines, names}, 0, data));
    EXPECT_FALSE(LinkCompiledForm({bytes, sites, routines, names}, Address(&OkClicked) + 1, data))
        << "an offset of -1 would bind nothing";
}

}  // namespace
}  // namespace forms_test
}  // namespace velmora
