#include "tests/native/forms/template_samples.h"

#include <gtest/gtest.h>

#include <string>

#include "runtime/forms/identifiers.h"
#include "runtime/forms/unit_properties.h"

namespace velmora::forms_test {

std::vector<WindowFields> SampleWindows() {
    WindowUnitProperties windowUnit;
    windowUnit.borderStyle = 2;
    windowUnit.controlBox = 1;
    windowUnit.caption = "样例";

    ComponentFields own;
    own.id = 0x06010000;
    own.unitType = kUnitWindow;
    own.left = 50;
    own.top = 50;
    own.width = 380;
    own.height = 250;
    own.stateFlags = kStateVisible;
    own.tag = "窗口";
    own.bindings = {{0, 0x100}, {4, kNoRoutine}};
    own.unitProperties = WriteWindowUnitProperties(windowUnit);

    ComponentFields label;
    label.id = kLabelId;
    label.unitType = kUnitLabel;
    label.name = "标签1";
    label.left = -5;
    label.top = 4;
    label.width = 200;
    label.height = 100;
    label.contained = {kButtonId, 0, kEditId};
    label.mousePointer = {0x0E, 0, 0, 0};
    label.tag = "标签";
    label.stateFlags = kStateVisible;
    label.unitProperties = WritePropertyList({{0, TextValue("分组")}, {3, IntegerValue(40)}});

    ComponentFields button;
    button.id = kButtonId;
    button.unitType = kUnitButton;
    button.name = "按钮1";
    button.secondText = "second";
    button.left = 8;
    button.top = 8;
    button.width = 80;
    button.height = 24;
    button.container = kLabelId;
    button.stateFlags = kStateVisible | kStateFocusable;
    button.bindings = {{0, 0x10}, {-7, kNoRoutine}, {3, 0x7FFFFFF0}};
    button.unitProperties = WritePropertyList({{2, TextValue("确定")}});

    ComponentFields edit;
    edit.id = kEditId;
    edit.unitType = kUnitEditBox;
    edit.eventSource = kButtonId;
    edit.name = "编辑框";
    edit.left = 8;
    edit.top = 40;
    edit.width = 120;
    edit.height = 24;
    edit.container = kLabelId;
    edit.mousePointer = {};
    edit.stateFlags = kStateDisabled;
    edit.unitProperties = WritePropertyList({{0, TextValue("1000")}, {6, IntegerValue(4)}});

    ComponentFields menu;
    menu.id = kMenuId;
    menu.unitType = kUnitMenuItem;
    menu.name = "菜单";
    menu.menuWords = {kMenuChecked, 1, 0x4F};
    menu.menuCaption = "打开(&O)";
    menu.menuRoutine = 0x20;

    ComponentFields secondOwn;
    secondOwn.id = 0x06010000;
    secondOwn.unitType = kUnitWindow;
    secondOwn.width = 100;
    secondOwn.height = 60;
    secondOwn.unitProperties = WriteWindowUnitProperties({});

    WindowFields first;
    first.id = kSampleWindow;
    first.firstWord = 7;
    first.firstText = "first";
    first.components = {own, label, button, edit, menu};
    WindowFields second;
    second.id = kSecondWindow;
    second.secondText = "second";
    second.components = {secondOwn};
    return {first, second};
}

std::vector<uint8_t> SampleBytes() {
    return WriteTemplateData(SampleWindows()).bytes;
}

uint32_t Relocated(int32_t offset, uint32_t codeBase) {
    return offset == kNoRoutine ? 0 : codeBase + static_cast<uint32_t>(offset);
}

void ExpectRecordMatches(const ComponentRecord& record, const ComponentFields& fields, uint32_t codeBase) {
    SCOPED_TRACE(testing::Message() << "record " << std::hex << fields.id);
    EXPECT_EQ(record.UnitType(), fields.unitType);
    EXPECT_EQ(record.EventSource(), fields.eventSource);
    EXPECT_EQ(std::string(record.Name()), fields.name);
    EXPECT_EQ(std::string(record.SecondText()), fields.secondText);
    EXPECT_EQ(record.IsMenuItem(), fields.unitType == kUnitMenuItem);
    if (record.IsMenuItem()) {
        EXPECT_EQ(record.MenuState(), fields.menuWords[0]);
        EXPECT_EQ(record.MenuLevel(), fields.menuWords[1]);
        EXPECT_EQ(record.MenuShortcut(), fields.menuWords[2]);
        EXPECT_EQ(std::string(record.MenuCaption()), fields.menuCaption);
        EXPECT_EQ(record.MenuRoutine(), Relocated(fields.menuRoutine, codeBase));
        return;
    }
    EXPECT_EQ(record.ObjectSlot(), 0u);
    EXPECT_EQ(record.CursorSlot(), 0u);
    EXPECT_EQ(record.Left(), fields.left);
    EXPECT_EQ(record.Top(), fields.top);
    EXPECT_EQ(record.Width(), fields.width);
    EXPECT_EQ(record.Height(), fields.height);
    EXPECT_EQ(record.Container(), fields.container);
    ASSERT_EQ(record.ContainedCount(), fields.contained.size());
    for (uint32_t index = 0; index < fields.contained.size(); ++index) {
        EXPECT_EQ(record.ContainedId(index), fields.contained[index]);
    }
    const std::span<const uint8_t> pointer = record.MousePointer();
    EXPECT_EQ(std::vector<uint8_t>(pointer.begin(), pointer.end()), fields.mousePointer);
    EXPECT_EQ(std::string(record.Tag()), fields.tag);
    EXPECT_EQ(record.StateFlags(), fields.stateFlags);
    ASSERT_EQ(record.BindingCount(), fields.bindings.size());
    for (uint32_t index = 0; index < fields.bindings.size(); ++index) {
        EXPECT_EQ(record.Binding(index).event, fields.bindings[index].event);
        EXPECT_EQ(record.Binding(index).routine, Relocated(fields.bindings[index].routine, codeBase));
    }
    const std::span<const uint8_t> unit = record.UnitProperties();
    EXPECT_EQ(std::vector<uint8_t>(unit.begin(), unit.end()), fields.unitProperties);
}

}  // namespace velmora::forms_test
