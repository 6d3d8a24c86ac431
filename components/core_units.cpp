#include "components/core_units.h"

#include <array>

#include "components/runtime_link.h"
#include "components/units.h"
#include "runtime/forms/identifiers.h"

namespace velmora {
namespace {

// The core library is library number 1.
constexpr uint32_t kCoreLibraryNumber = 1;

constexpr UnitProperty Property(const char* name, const char* englishName, uint16_t kind) {
    return {name, englishName, "", kind, 0, 0};
}

// Numbers 0 to 7 of every visual unit; the unit's own properties follow from 8.
constexpr UnitProperty kCommonProperties[] = {
    Property("左边", "left", kKindInteger),     Property("顶边", "top", kKindInteger),
    Property("宽度", "width", kKindInteger),    Property("高度", "height", kKindInteger),
    Property("标记", "tag", kKindText),         Property("可视", "visible", kKindBoolean),
    Property("禁止", "disabled", kKindBoolean), Property("鼠标指针", "mouse pointer", kKindMousePointer),
};

template <size_t N>
constexpr std::array<UnitProperty, std::size(kCommonProperties) + N> WithCommonProperties(
    const UnitProperty (&own)[N]) {
    std::array<UnitProperty, std::size(kCommonProperties) + N> all = {};
    size_t next = 0;
    for (const UnitProperty& property : kCommonProperties) {
        all[next++] = property;
    }
    for (const UnitProperty& property : own) {
        all[next++] = property;
    }
    return all;
}

constexpr UnitProperty kWindowOwn[] = {
    Property("标题", "caption", kKindText),
    Property("边框", "border style", kKindInteger),
    Property("背景颜色", "background colour", kKindInteger),
    Property("底图", "background picture", kKindBytes),
    Property("底图方式", "background picture layout", kKindInteger),
    Property("背景音乐", "resource", kKindBytes),
    Property("播放次数", "resource mode", kKindInteger),
    Property("控制按钮", "control box", kKindBoolean),
    Property("最大化按钮", "maximise box", kKindBoolean),
    Property("最小化按钮", "minimise box", kKindBoolean),
    Property("位置", "position", kKindInteger),
    Property("可否移动", "movable", kKindBoolean),
    Property("图标", "icon", kKindBytes),
    Property("", "setting 13", kKindInteger),
    Property("", "setting 14", kKindInteger),
    Property("", "setting 15", kKindInteger),
    Property("", "setting 16", kKindText),
    Property("", "setting 17", kKindInteger),
    Property("", "no hidden owner", kKindInteger),
    Property("", "setting 19", kKindInteger),
    Property("鼠标指针样式", "window mouse pointer", kKindInteger),
    Property("总在最前", "always on top", kKindBoolean),
    Property("", "setting 22", kKindInteger),
    Property("窗口类名", "class name", kKindText),
};
constexpr auto kWindowProperties = WithCommonProperties(kWindowOwn);

constexpr UnitProperty kEditBoxOwn[] = {
    Property("内容", "content", kKindText),
    Property("边框", "border style", kKindInteger),
    Property("文本颜色", "text colour", kKindInteger),
    Property("背景颜色", "background colour", kKindInteger),
    Property("字体", "font", kKindFont),
    Property("隐藏选择", "hide selection", kKindBoolean),
    Property("最大允许长度", "maximum length", kKindNonNegative),
    Property("是否允许多行", "multi-line", kKindBoolean),
    Property("滚动条", "scroll bars", kKindInteger),
    Property("对齐方式", "alignment", kKindInteger),
    Property("输入方式", "input mode", kKindInteger),
    Property("密码遮盖字符", "password character", kKindText),
    Property("转换方式", "case conversion", kKindInteger),
    Property("调节器方式", "spin control", kKindInteger),
    Property("调节器底限值", "spin first bound", kKindInteger),
    Property("调节器上限值", "spin second bound", kKindInteger),
    Property("起始选择位置", "selection start", kKindInteger),
    Property("被选择字符数", "selection length", kKindInteger),
    Property("被选择文本", "selected text", kKindText),
    Property("数据源", "first binding text", kKindText),
    Property("数据列", "second binding text", kKindText),
};
constexpr auto kEditBoxProperties = WithCommonProperties(kEditBoxOwn);

constexpr UnitProperty kLabelOwn[] = {
    Property("标题", "caption", kKindText),
    Property("效果", "background mode", kKindInteger),
    Property("边框", "border", kKindInteger),
    Property("边框宽度", "border width", kKindInteger),
    Property("文本颜色", "text colour", kKindInteger),
    Property("背景颜色", "background colour", kKindInteger),
    Property("", "setting 6", kKindInteger),
    Property("底图", "picture", kKindBytes),
    Property("", "setting 8", kKindInteger),
    Property("", "setting 9", kKindInteger),
    Property("", "second picture", kKindBytes),
    Property("横向对齐方式", "horizontal alignment", kKindInteger),
    Property("", "effect", kKindInteger),
    Property("", "setting 13", kKindInteger),
    Property("", "setting 14", kKindInteger),
    Property("", "setting 15", kKindInteger),
    Property("纵向对齐方式", "vertical alignment", kKindInteger),
    Property("", "setting 17", kKindInteger),
    Property("是否自动折行", "line mode", kKindInteger),
    Property("数据源", "first binding text", kKindText),
    Property("数据列", "second binding text", kKindText),
};
constexpr auto kLabelProperties = WithCommonProperties(kLabelOwn);

constexpr UnitProperty kButtonOwn[] = {
    Property("图片", "picture", kKindBytes),
    Property("类型", "type", kKindInteger),
    Property("标题", "caption", kKindText),
    Property("横向对齐方式", "horizontal alignment", kKindInteger),
    Property("纵向对齐方式", "vertical alignment", kKindInteger),
    Property("字体", "font", kKindFont),
};
constexpr auto kButtonProperties = WithCommonProperties(kButtonOwn);

// Checked is passed as it is: only exactly 1 checks the box.
constexpr UnitProperty kCheckBoxOwn[] = {
    Property("图片", "picture", kKindBytes),
    Property("按钮形式", "push-button look", kKindBoolean),
    Property("平面", "flat", kKindBoolean),
    Property("标题", "caption", kKindText),
    Property("标题居左", "box on the right", kKindBoolean),
    Property("横向对齐方式", "horizontal alignment", kKindInteger),
    Property("纵向对齐方式", "vertical alignment", kKindInteger),
    Property("文本颜色", "text colour", kKindInteger),
    Property("背景颜色", "background colour", kKindInteger),
    Property("字体", "font", kKindFont),
    Property("选中", "checked", kKindInteger),
    Property("数据源", "first binding text", kKindText),
    Property("数据列", "second binding text", kKindText),
};
constexpr auto kCheckBoxProperties = WithCommonProperties(kCheckBoxOwn);

constexpr UnitProperty kCommonDialogOwn[] = {
    Property("类型", "dialog type", kKindInteger),
    Property("标题", "title", kKindText),
    Property("文件名", "file name", kKindText),
    Property("过滤器", "filter", kKindText),
    Property("初始过滤器", "filter index", kKindInteger),
    Property("初始目录", "initial directory", kKindText),
    Property("默认文件后缀", "default extension", kKindText),
    Property("文件不存在时询问", "create prompt", kKindBoolean),
    Property("文件必须存在", "file must exist", kKindBoolean),
    Property("文件覆盖提示", "overwrite prompt", kKindBoolean),
    Property("路径必须存在", "path must exist", kKindBoolean),
    Property("不改变目录", "no change directory", kKindBoolean),
    Property("颜色", "font colour", kKindInteger),
    Property("粗体", "bold", kKindBoolean),
    Property("斜体", "italic", kKindBoolean),
    Property("删除线", "strike-out", kKindBoolean),
    Property("下划线", "underline", kKindBoolean),
    Property("字体名称", "font name", kKindText),
    Property("字体尺寸", "font size", kKindInteger),
    Property("帮助文件名", "help file", kKindText),
    Property("帮助命令", "help command", kKindInteger),
    Property("帮助主题", "help topic", kKindInteger),
};
constexpr auto kCommonDialogProperties = WithCommonProperties(kCommonDialogOwn);

UnitRoutine NoUnitRoutines(int32_t) noexcept {
    return nullptr;
}

// The unit's number within its library: the low 16 bits of its unit type code.
constexpr uint32_t UnitNumber(uint32_t unitType) {
    return unitType & 0xFFFF;
}

constexpr UnitDescriptor Unit(const char* chineseName,
                              const char* displayName,
                              uint32_t flags,
                              std::span<const UnitProperty> properties,
                              UnitInterface interfaceRoutine,
                              int32_t width,
                              int32_t height) {
    return {chineseName,       displayName, "",      flags, static_cast<int32_t>(properties.size()),
            properties.data(), 0,           nullptr, 0,     nullptr,
            interfaceRoutine,  width,       height,  0};
}

constexpr UnitDescriptor kAbsentUnit = Unit("", "", 0, {}, NoUnitRoutines, 0, 0);

constexpr std::array<UnitDescriptor, UnitNumber(kUnitCommonDialog)> MakeCoreUnits() {
    std::array<UnitDescriptor, UnitNumber(kUnitCommonDialog)> units = {};
    for (UnitDescriptor& unit : units) {
        unit = kAbsentUnit;
    }
    units[UnitNumber(kUnitWindow) - 1] =
        Unit("窗口", "window", kUnitRaisesEvents, kWindowProperties, WindowUnitInterface, 400, 300);
    // Menu items are built by the window loader; the descriptor lets their clicks through.
    units[UnitNumber(kUnitMenuItem) - 1] = Unit("菜单", "menu", kUnitRaisesEvents, {}, NoUnitRoutines, 0, 0);
    units[UnitNumber(kUnitEditBox) - 1] =
        Unit("编辑框", "EditBox", kUnitRaisesEvents, kEditBoxProperties, EditBoxUnitInterface, 96, 24);
    units[UnitNumber(kUnitLabel) - 1] = Unit("标签", "Label", 0, kLabelProperties, LabelUnitInterface, 96, 24);
    units[UnitNumber(kUnitButton) - 1] =
        Unit("按钮", "Button", kUnitRaisesEvents, kButtonProperties, ButtonUnitInterface, 64, 32);
    units[UnitNumber(kUnitCheckBox) - 1] =
        Unit("选择框", "CheckBox", kUnitRaisesEvents, kCheckBoxProperties, CheckBoxUnitInterface, 96, 24);
    units[UnitNumber(kUnitCommonDialog) - 1] =
        Unit("通用对话框", "CommonDlg", kUnitNoWindow, kCommonDialogProperties, CommonDialogUnitInterface, 32, 32);
    return units;
}

constexpr std::array<UnitDescriptor, UnitNumber(kUnitCommonDialog)> kCoreUnits = MakeCoreUnits();

}  // namespace

std::span<const UnitDescriptor> CoreLibraryUnits() noexcept {
    return kCoreUnits;
}

std::span<const UnitProperty> UnitOwnProperties(uint32_t unitType) noexcept {
    const uint32_t number = UnitNumber(unitType);
    if (unitType >> 16 != kCoreLibraryNumber || number == 0 || number > kCoreUnits.size()) {
        return {};
    }
    const UnitDescriptor& unit = kCoreUnits[number - 1];
    if (unit.propertyCount <= static_cast<int32_t>(std::size(kCommonProperties))) {
        return {};
    }
    return std::span<const UnitProperty>(unit.properties, static_cast<size_t>(unit.propertyCount))
        .subspan(std::size(kCommonProperties));
}

int32_t NotifyComponents(int32_t code, uint32_t first, uint32_t) noexcept {
    if (code == kNotifyStartup) {
        ConnectComponents(reinterpret_cast<RuntimeServiceEntry>(static_cast<uintptr_t>(first)));
    } else if (code == kNotifyProgramEnds) {
        ConnectComponents(nullptr);
    }
    return 0;
}

}  // namespace velmora
