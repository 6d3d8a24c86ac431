#include <windows.h>

#include <string>

#include "components/button_look.h"
#include "components/component.h"
#include "components/font_setting.h"
#include "components/runtime_link.h"
#include "components/unit_values.h"
#include "components/units.h"
#include "runtime/forms/identifiers.h"

namespace velmora {
namespace {

enum ButtonProperty : int32_t {
    kPicture = 0,
    kType = 1,
    kCaption = 2,
    kHorizontalAlignment = 3,
    kVerticalAlignment = 4,
    kFont = 5,
};

enum ButtonType : int32_t { kNormalButton = 0, kDefaultButton = 1 };
constexpr int32_t kEventClicked = 0;

class ButtonComponent final : public Component {
  public:
    explicit ButtonComponent(const UnitCreateArgs& args) noexcept : Component(args, kUnitButton) {}

    static ComponentObject* Create(const UnitCreateArgs& args) noexcept;

    int32_t WriteProperty(int32_t number, const void* value) override;
    void ReadProperty(int32_t number, void* buffer) override;
    bool IsDefaultButton() const noexcept override { return type_ == kDefaultButton; }

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    DWORD TypeStyle() const noexcept { return type_ == kDefaultButton ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON; }

    ButtonPicture picture_;
    int32_t type_ = kNormalButton;
    std::string caption_;
    int32_t horizontal_ = kAlignCentre;
    int32_t vertical_ = kAlignCentre;
    FontSetting font_;
};

ComponentObject* ButtonComponent::Create(const UnitCreateArgs& args) noexcept {
    const std::optional<PropertyList> properties = ComponentProperties(args);
    auto button = MakeComponent<ButtonComponent>(args);
    if (!properties || button == nullptr) {
        return nullptr;
    }
    try {
        button->picture_.Set(BytesProperty(*properties, kPicture));
        button->type_ = Clamped(properties->Integer(kType, kNormalButton), kNormalButton, kDefaultButton);
        button->caption_ = properties->Text(kCaption);
        button->horizontal_ = Clamped(properties->Integer(kHorizontalAlignment, kAlignCentre), kAlignNear, kAlignFar);
        button->vertical_ = Clamped(properties->Integer(kVerticalAlignment, kAlignCentre), kAlignNear, kAlignFar);
        button->font_.Set(BytesProperty(*properties, kFont));
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
    const DWORD style = ControlStyles(args) | BS_MULTILINE | button->TypeStyle() |
                        ButtonAlignmentStyles(button->horizontal_, button->vertical_) | button->picture_.Style();
    const HWND window = CreateWindowExA(
        0, "BUTTON", button->caption_.c_str(), style, args.left, args.top, args.width, args.height, args.parent,
        reinterpret_cast<HMENU>(static_cast<uintptr_t>(args.componentId & 0xFFFF)), GetModuleHandleA(nullptr), nullptr);
    ButtonComponent* raw = button.get();
    if (AttachComponent(std::move(button), window) == nullptr) {
        return nullptr;
    }
    raw->font_.ApplyTo(window, false);
    raw->picture_.ApplyTo(window);
    return raw;
}

LRESULT ButtonComponent::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kReflectBase + WM_COMMAND) {
        if (HIWORD(wParam) == BN_CLICKED) {
            RaiseEvent(*this, kEventClicked);
        }
        return 0;
    }
    return Component::OnMessage(message, wParam, lParam);
}

int32_t ButtonComponent::WriteProperty(int32_t number, const void* value) {
    const int32_t integer = IntegerArgument(value);
    switch (number) {
        case kPicture:
            picture_.Set(BytesArgument(value));
            picture_.ApplyTo(window);
            break;
        case kType: {
            type_ = Clamped(integer, kNormalButton, kDefaultButton);
            const auto style = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE));
            SendMessageA(window, BM_SETSTYLE, (style & ~BS_TYPEMASK) | TypeStyle(), TRUE);
            break;
        }
        case kCaption:
            caption_ = TextArgument(value);
            SetWindowTextA(window, caption_.c_str());
            break;
        case kHorizontalAlignment:
            horizontal_ = Clamped(integer, kAlignNear, kAlignFar);
            ChangeStyle(window, kButtonAlignmentMask, ButtonAlignmentStyles(horizontal_, vertical_));
            break;
        case kVerticalAlignment:
            vertical_ = Clamped(integer, kAlignNear, kAlignFar);
            ChangeStyle(window, kButtonAlignmentMask, ButtonAlignmentStyles(horizontal_, vertical_));
            break;
        case kFont:
            font_.Set(BytesArgument(value));
            font_.ApplyTo(window, true);
            break;
        default:
            break;
    }
    return 0;
}

void ButtonComponent::ReadProperty(int32_t number, void* buffer) {
    switch (number) {
        case kPicture:
            ReturnBytes(buffer, picture_.Bytes());
            break;
        case kType:
            ReturnInteger(buffer, type_);
            break;
        case kCaption:
            ReturnText(buffer, caption_);
            break;
        case kHorizontalAlignment:
            ReturnInteger(buffer, horizontal_);
            break;
        case kVerticalAlignment:
            ReturnInteger(buffer, vertical_);
            break;
        case kFont:
            ReturnBytes(buffer, font_.Bytes());
            break;
        default:
            ReturnNothing(buffer);
            break;
    }
}

}  // namespace

UnitRoutine ButtonUnitInterface(int32_t code) noexcept {
    return ComponentInterface(code, &ButtonComponent::Create);
}

}  // namespace velmora
