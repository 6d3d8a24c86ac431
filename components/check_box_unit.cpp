#include <windows.h>

#include <string>

#include "components/button_look.h"
#include "components/colours.h"
#include "components/component.h"
#include "components/gdi_object.h"
#include "components/runtime_link.h"
#include "components/template_data.h"
#include "components/unit_values.h"
#include "components/units.h"
#include "runtime/forms/identifiers.h"

namespace velmora {
namespace {

enum CheckBoxProperty : int32_t {
    kPicture = 0,
    kPushLike = 1,
    kFlat = 2,
    kCaption = 3,
    kBoxOnRight = 4,
    kHorizontalAlignment = 5,
    kVerticalAlignment = 6,
    kTextColour = 7,
    kBackgroundColour = 8,
    kFont = 9,
    kChecked = 10,
    kFirstBindingText = 11,
    kSecondBindingText = 12,
};

constexpr int32_t kEventClicked = 0;
constexpr DWORD kLookMask = BS_PUSHLIKE | BS_FLAT | BS_LEFTTEXT;

class CheckBoxComponent final : public Component {
  public:
    explicit CheckBoxComponent(const UnitCreateArgs& args) noexcept
        : Component(args, kUnitCheckBox),
          face_({kPicture, kCaption, kHorizontalAlignment, kVerticalAlignment, kFont}, kAlignNear) {}

    static ComponentObject* Create(const UnitCreateArgs& args) noexcept;

    int32_t WriteProperty(int32_t number, const void* value) override;
    void ReadProperty(int32_t number, void* buffer) override;

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    DWORD LookStyles() const noexcept {
        return (IsOn(pushLike_) ? BS_PUSHLIKE : 0) | (IsOn(flat_) ? BS_FLAT : 0) |
               (IsOn(boxOnRight_) ? BS_LEFTTEXT : 0);
    }
    void MakeBrush() noexcept { brush_ = BrushObject(CreateSolidBrush(ColourFromSetting(backgroundColour_))); }
    void SetChecked(int32_t checked) noexcept {
        SendMessageA(window, BM_SETCHECK, checked == 1 ? BST_CHECKED : BST_UNCHECKED, 0);
    }

    ButtonFace face_;
    int32_t pushLike_ = 0;
    int32_t flat_ = 0;
    int32_t boxOnRight_ = 0;
    uint32_t textColour_ = SystemColourCode(COLOR_BTNTEXT);
    uint32_t backgroundColour_ = SystemColourCode(COLOR_BTNFACE);
    BrushObject brush_;
    std::string bindingTexts_[2];
};

ComponentObject* CheckBoxComponent::Create(const UnitCreateArgs& args) noexcept {
    const std::optional<PropertyList> properties = ComponentProperties(args);
    auto box = MakeComponent<CheckBoxComponent>(args);
    if (!properties || box == nullptr) {
        return nullptr;
    }
    try {
        box->face_.Read(*properties);
        box->pushLike_ = properties->Integer(kPushLike, 0);
        box->flat_ = properties->Integer(kFlat, 0);
        box->boxOnRight_ = properties->Integer(kBoxOnRight, 0);
        box->textColour_ =
            static_cast<uint32_t>(properties->Integer(kTextColour, static_cast<int32_t>(box->textColour_)));
        box->backgroundColour_ =
            static_cast<uint32_t>(properties->Integer(kBackgroundColour, static_cast<int32_t>(box->backgroundColour_)));
        box->bindingTexts_[0] = properties->Text(kFirstBindingText);
        box->bindingTexts_[1] = properties->Text(kSecondBindingText);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
    box->MakeBrush();
    const HWND window = box->face_.MakeWindow(args, BS_AUTOCHECKBOX | BS_MULTILINE | box->LookStyles());
    const int32_t checked = properties->Integer(kChecked, 0);
    CheckBoxComponent* raw = box.get();
    if (AttachComponent(std::move(box), window) == nullptr) {
        return nullptr;
    }
    raw->face_.Attach(window);
    raw->SetChecked(checked);
    return raw;
}

LRESULT CheckBoxComponent::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case kReflectBase + WM_COMMAND:
            if (HIWORD(wParam) == BN_CLICKED) {
                RaiseEvent(*this, kEventClicked);
            }
            return 0;
        case kReflectBase + WM_CTLCOLORBTN:
        case kReflectBase + WM_CTLCOLORSTATIC: {
            const auto dc = reinterpret_cast<HDC>(wParam);
            SetTextColor(dc, ColourFromSetting(textColour_));
            SetBkColor(dc, ColourFromSetting(backgroundColour_));
            return reinterpret_cast<LRESULT>(brush_.get());
        }
        default:
            return Component::OnMessage(message, wParam, lParam);
    }
}

int32_t CheckBoxComponent::WriteProperty(int32_t number, const void* value) {
    const int32_t integer = IntegerArgument(value);
    if (face_.Write(window, number, value)) {
        return 0;
    }
    switch (number) {
        case kPushLike:
            pushLike_ = integer;
            ChangeStyle(window, kLookMask, LookStyles());
            break;
        case kFlat:
            flat_ = integer;
            ChangeStyle(window, kLookMask, LookStyles());
            break;
        case kBoxOnRight:
            boxOnRight_ = integer;
            ChangeStyle(window, kLookMask, LookStyles());
            break;
        case kTextColour:
            textColour_ = static_cast<uint32_t>(integer);
            InvalidateRect(window, nullptr, TRUE);
            break;
        case kBackgroundColour:
            backgroundColour_ = static_cast<uint32_t>(integer);
            MakeBrush();
            InvalidateRect(window, nullptr, TRUE);
            break;
        case kChecked:
            SetChecked(integer);
            break;
        case kFirstBindingText:
        case kSecondBindingText:
            bindingTexts_[number - kFirstBindingText] = TextArgument(value);
            break;
        default:
            break;
    }
    return 0;
}

void CheckBoxComponent::ReadProperty(int32_t number, void* buffer) {
    if (face_.Read(number, buffer)) {
        return;
    }
    switch (number) {
        case kPushLike:
            ReturnInteger(buffer, pushLike_);
            break;
        case kFlat:
            ReturnInteger(buffer, flat_);
            break;
        case kBoxOnRight:
            ReturnInteger(buffer, boxOnRight_);
            break;
        case kTextColour:
            ReturnInteger(buffer, static_cast<int32_t>(textColour_));
            break;
        case kBackgroundColour:
            ReturnInteger(buffer, static_cast<int32_t>(backgroundColour_));
            break;
        case kChecked:
            ReturnInteger(buffer, SendMessageA(window, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0);
            break;
        case kFirstBindingText:
        case kSecondBindingText:
            ReturnText(buffer, bindingTexts_[number - kFirstBindingText]);
            break;
        default:
            ReturnNothing(buffer);
            break;
    }
}

}  // namespace

UnitRoutine CheckBoxUnitInterface(int32_t code) noexcept {
    return ComponentInterface(code, &CheckBoxComponent::Create, &PassTextsOfUnit<kUnitCheckBox>);
}

}  // namespace velmora
