#include <windows.h>

#include "components/button_look.h"
#include "components/component.h"
#include "components/runtime_link.h"
#include "components/template_data.h"
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
    explicit ButtonComponent(const UnitCreateArgs& args) noexcept
        : Component(args, kUnitButton),
          face_({kPicture, kCaption, kHorizontalAlignment, kVerticalAlignment, kFont}, kAlignCentre) {}

    static ComponentObject* Create(const UnitCreateArgs& args) noexcept;

    int32_t WriteProperty(int32_t number, const void* value) override;
    void ReadProperty(int32_t number, void* buffer) override;
    bool IsDefaultButton() const noexcept override { return type_ == kDefaultButton; }

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    DWORD TypeStyle() const noexcept { return type_ == kDefaultButton ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON; }

    ButtonFace face_;
    int32_t type_ = kNormalButton;
};

ComponentObject* ButtonComponent::Create(const UnitCreateArgs& args) noexcept {
    const std::optional<PropertyList> properties = ComponentProperties(args);
    auto button = MakeComponent<ButtonComponent>(args);
    if (!properties || button == nullptr) {
        return nullptr;
    }
    try {
        button->face_.Read(*properties);
        button->type_ = Clamped(properties->Integer(kType, kNormalButton), kNormalButton, kDefaultButton);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
    const HWND window = button->face_.MakeWindow(args, BS_MULTILINE | button->TypeStyle());
    ButtonComponent* raw = button.get();
    if (AttachComponent(std::move(button), window) == nullptr) {
        return nullptr;
    }
    raw->face_.Attach(window);
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
    if (number == kType) {
        type_ = Clamped(IntegerArgument(value), kNormalButton, kDefaultButton);
        const auto style = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE));
        SendMessageA(window, BM_SETSTYLE, (style & ~BS_TYPEMASK) | TypeStyle(), TRUE);
    } else {
        face_.Write(window, number, value);
    }
    return 0;
}

void ButtonComponent::ReadProperty(int32_t number, void* buffer) {
    if (number == kType) {
        ReturnInteger(buffer, type_);
    } else if (!face_.Read(number, buffer)) {
        ReturnNothing(buffer);
    }
}

}  // namespace

UnitRoutine ButtonUnitInterface(int32_t code) noexcept {
    return ComponentInterface(code, &ButtonComponent::Create, &PassTextsOfUnit<kUnitButton>);
}

}  // namespace velmora
