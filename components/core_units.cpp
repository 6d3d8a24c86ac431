#include "components/core_units.h"

#include <array>

#include "components/runtime_link.h"
#include "components/units.h"
#include "runtime/forms/identifiers.h"

namespace velmora {
namespace {

// Property kinds: how the runtime converts a value on its way to and from the unit.
constexpr uint16_t kInteger = 1000;
constexpr uint16_t kBoolean = 1003;
constexpr uint16_t kText = 1005;
constexpr uint16_t kNonNegative = 1006;
constexpr uint16_t kBytes = 1009;
constexpr uint16_t kMousePointer = 1011;
constexpr uint16_t kFont = 1013;

constexpr UnitProperty Property(const char* name, const char* englishName, uint16_t kind) {
    return {name, englishName, "", kind, 0, 0};
}

// Numbers 0 to 7 of every visual unit; the unit's own properties follow from 8.
constexpr UnitProperty kCommonProperties[] = {
    Property("左边", "left", kInteger),     Property("顶边", "top", kInteger),
    Property("宽度", "width", kInteger),    Property("高度", "height", kInteger),
    Property("标记", "tag", kText),         Property("可视", "visible", kBoolean),
    Property("禁止", "disabled", kBoolean), Property("鼠标指针", "mouse pointer", kMousePointer),
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
    Property("标题", "caption", kText),
    Property("边框", "border style", kInteger),
    Property("背景颜色", "background colour", kInteger),
    Property("底图", "background picture", kBytes),
    Property("底图方式", "background picture layout", kInteger),
    Property("背景音乐", "resource", kBytes),
    Property("播放次数", "resource mode", kInteger),
    Property("控制按钮", "control box", kBoolean),
    Property("最大化按钮", "maximise box", kBoolean),
    Property("最小化按钮", "minimise box", kBoolean),
    Property("位置", "position", kInteger),
    Property("可否移动", "movable", kBoolean),
    Property("图标", "icon", kBytes),
    Property("", "setting 13", kInteger),
    Property("", "setting 14", kInteger),
    Property("", "setting 15", kInteger),
    Property("", "setting 16", kText),
    Property("", "setting 17", kInteger),
    Property("", "no hidden owner", kInteger),
    Property("", "setting 19", kInteger),
    Property("鼠标指针样式", "window mouse pointer", kInteger),
    Property("总在最前", "always on top", kBoolean),
    Property("", "setting 22", kInteger),
    Property("窗口类名", "class name", kText),
};
constexpr auto kWindowProperties = WithCommonProperties(kWindowOwn);

constexpr UnitProperty kEditBoxOwn[] = {
    Property("内容", "content", kText),
    Property("边框", "border style", kInteger),
    Property("文本颜色", "text colour", kInteger),
    Property("背景颜色", "background colour", kInteger),
    Property("字体", "font", kFont),
    Property("隐藏选择", "hide selection", kBoolean),
    Property("最大允许长度", "maximum length", kNonNegative),
    Property("是否允许多行", "multi-line", kBoolean),
    Property("滚动条", "scroll bars", kInteger),
    Property("对齐方式", "alignment", kInteger),
    Property("输入方式", "input mode", kInteger),
    Property("密码遮盖字符", "password character", kText),
    Property("转换方式", "case conversion", kInteger),
    Property("调节器方式", "spin control", kInteger),
    Property("调节器底限值", "spin first bound", kInteger),
    Property("调节器上限值", "spin second bound", kInteger),
    Property("起始选择位置", "selection start", kInteger),
    Property("被选择字符数", "selection length", kInteger),
    Property("被选择文本", "selected text", kText),
    Property("数据源", "first binding text", kText),
    Property("数据列", "second binding text", kText),
};
constexpr auto kEditBoxProperties = WithCommonProperties(kEditBoxOwn);

constexpr UnitProperty kLabelOwn[] = {
    Property("标题", "caption", kText),
    Property("效果", "background mode", kInteger),
    Property("边框", "border", kInteger),
    Property("边框宽度", "border width", kInteger),
    Property("文本颜色", "text colour", kInteger),
    Property("背景颜色", "background colour", kInteger),
    Property("", "setting 6", kInteger),
    Property("底图", "picture", kBytes),
    Property("", "setting 8", kInteger),
    Property("", "setting 9", kInteger),
    Property("", "second picture", kBytes),
    Property("横向对齐方式", "horizontal alignment", kInteger),
    Property("", "effect", kInteger),
    Property("", "setting 13", kInteger),
    Property("", "setting 14", kInteger),
    Property("", "setting 15", kInteger),
    Property("纵向对齐方式", "vertical alignment", kInteger),
    Property("", "setting 17", kInteger),
    Property("是否自动折行", "line mode", kInteger),
    Property("数据源", "first binding text", kText),
    Property("数据列", "second binding text", kText),
};
constexpr auto kLabelProperties = WithCommonProperties(kLabelOwn);

constexpr UnitProperty kButtonOwn[] = {
    Property("图片", "picture", kBytes),
    Property("类型", "type", kInteger),
    Property("标题", "caption", kText),
    Property("横向对齐方式", "horizontal alignment", kInteger),
    Property("纵向对齐方式", "vertical alignment", kInteger),
    Property("字体", "font", kFont),
};
constexpr auto kButtonProperties = WithCommonProperties(kButtonOwn);

// Checked is passed as it is: only exactly 1 checks the box.
constexpr UnitProperty kCheckBoxOwn[] = {
    Property("图片", "picture", kBytes),
    Property("按钮形式", "push-button look", kBoolean),
    Property("平面", "flat", kBoolean),
    Property("标题", "caption", kText),
    Property("标题居左", "box on the right", kBoolean),
    Property("横向对齐方式", "horizontal alignment", kInteger),
    Property("纵向对齐方式", "vertical alignment", kInteger),
    Property("文本颜色", "text colour", kInteger),
    Property("背景颜色", "background colour", kInteger),
    Property("字体", "font", kFont),
    Property("选中", "checked", kInteger),
    Property("数据源", "first binding text", kText),
    Property("数据列", "second binding text", kText),
};
constexpr auto kCheckBoxProperties = WithCommonProperties(kCheckBoxOwn);

constexpr UnitProperty kCommonDialogOwn[] = {
    Property("类型", "dialog type", kInteger),
    Property("标题", "title", kText),
    Property("文件名", "file name", kText),
    Property("过滤器", "filter", kText),
    Property("初始过滤器", "filter index", kInteger),
    Property("初始目录", "initial directory", kText),
    Property("默认文件后缀", "default extension", kText),
    Property("文件不存在时询问", "create prompt", kBoolean),
    Property("文件必须存在", "file must exist", kBoolean),
    Property("文件覆盖提示", "overwrite prompt", kBoolean),
    Property("路径必须存在", "path must exist", kBoolean),
    Property("不改变目录", "no change directory", kBoolean),
    Property("颜色", "font colour", kInteger),
    Property("粗体", "bold", kBoolean),
    Property("斜体", "italic", kBoolean),
    Property("删除线", "strike-out", kBoolean),
    Property("下划线", "underline", kBoolean),
    Property("字体名称", "font name", kText),
    Property("字体尺寸", "font size", kInteger),
    Property("帮助文件名", "help file", kText),
    Property("帮助命令", "help command", kInteger),
    Property("帮助主题", "help topic", kInteger),
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

int32_t NotifyComponents(int32_t code, uint32_t first, uint32_t) noexcept {
    if (code == kNotifyStartup) {
        ConnectComponents(reinterpret_cast<RuntimeServiceEntry>(static_cast<uintptr_t>(first)));
    } else if (code == kNotifyProgramEnds) {
        ConnectComponents(nullptr);
    }
    return 0;
}

}  // namespace velmora
