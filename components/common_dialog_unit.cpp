#include <windows.h>

#include "components/common_dialog_component.h"
#include "components/template_data.h"
#include "components/unit_values.h"
#include "components/units.h"
#include "runtime/forms/identifiers.h"

namespace velmora {
namespace {

constexpr char kAnchorClass[] = "_QV_CommonDlg";
constexpr int32_t kHighestHelpCommand = 5;

}  // namespace

CommonDialogComponent::CommonDialogComponent(const UnitCreateArgs& args) noexcept
    : Component(args, kUnitCommonDialog) {}

bool CommonDialogComponent::IsText(int32_t number) noexcept {
    switch (number) {
        case kDialogTitle:
        case kFileName:
        case kFilter:
        case kInitialDirectory:
        case kDefaultExtension:
        case kFontName:
        case kHelpFile:
            return true;
        default:
            return false;
    }
}

void CommonDialogComponent::SetInteger(int32_t number, int32_t value) noexcept {
    switch (number) {
        case kDialogType:
            value = Clamped(value, kOpenFileDialog, kHelpDialog);
            break;
        case kFilterIndex:
        case kFontSize:
            value = std::max(value, 0);
            break;
        case kHelpCommand:
            value = Clamped(value, 0, kHighestHelpCommand);
            break;
        default:
            break;
    }
    integers_[number] = value;
}

ComponentObject* CommonDialogComponent::Create(const UnitCreateArgs& args) noexcept {
    const std::optional<PropertyList> properties = ComponentProperties(args);
    auto dialog = MakeComponent<CommonDialogComponent>(args);
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    if (!properties || dialog == nullptr || !RegisterRuntimeClass(instance, kAnchorClass, CS_DBLCLKS)) {
        return nullptr;
    }
    try {
        for (int32_t number = 0; number < kCommonDialogPropertyCount; ++number) {
            if (IsText(number)) {
                dialog->SetText(number, properties->Text(number));
            } else {
                dialog->SetInteger(number, properties->Integer(number, 0));
            }
        }
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
    const HWND window = CreateWindowExA(
        0, kAnchorClass, "", ControlStyles(args), args.left, args.top, args.width, args.height, args.parent,
        reinterpret_cast<HMENU>(static_cast<uintptr_t>(args.componentId & 0xFFFF)), instance, nullptr);
    return AttachComponent(std::move(dialog), window);
}

int32_t CommonDialogComponent::WriteProperty(int32_t number, const void* value) {
    if (number < 0 || number >= kCommonDialogPropertyCount) {
        return 0;
    }
    if (IsText(number)) {
        SetText(number, TextArgument(value));
    } else {
        SetInteger(number, IntegerArgument(value));
    }
    return 0;
}

void CommonDialogComponent::ReadProperty(int32_t number, void* buffer) {
    if (number < 0 || number >= kCommonDialogPropertyCount) {
        ReturnNothing(buffer);
    } else if (IsText(number)) {
        ReturnText(buffer, texts_[number]);
    } else {
        ReturnInteger(buffer, integers_[number]);
    }
}

UnitRoutine CommonDialogUnitInterface(int32_t code) noexcept {
    return ComponentInterface(code, &CommonDialogComponent::Create, &PassTextsOfUnit<kUnitCommonDialog>);
}

}  // namespace velmora
