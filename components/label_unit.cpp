#include <windows.h>

#include <array>
#include <string>

#include "components/colours.h"
#include "components/component.h"
#include "components/gdi_object.h"
#include "components/picture.h"
#include "components/template_data.h"
#include "components/unit_values.h"
#include "components/units.h"
#include "runtime/forms/identifiers.h"

namespace velmora {
namespace {

constexpr char kLabelClass[] = "_QV_Label";

enum LabelProperty : int32_t {
    kCaption = 0,
    kBackgroundMode = 1,
    kBorder = 2,
    kBorderWidth = 3,
    kTextColour = 4,
    kBackgroundColour = 5,
    kPicture = 7,
    kSecondPicture = 10,
    kHorizontalAlignment = 11,
    kEffect = 12,
    kVerticalAlignment = 16,
    kLineMode = 18,
    kFirstBindingText = 19,
    kSecondBindingText = 20,
    kPropertyCount = 21,
};

enum BackgroundMode : int32_t { kOpaque = 0, kTransparent = 1 };
enum LineMode : int32_t { kWrapLines = 0, kSingleLine = 1, kSingleLineEllipsis = 2 };

constexpr int32_t kNarrowestBorderWidth = 5;
constexpr BorderLook kBorders[] = {
    {0, 0},
    {0, WS_EX_CLIENTEDGE},
    {0, WS_EX_STATICEDGE},
    {WS_BORDER, 0},
    {0, WS_EX_DLGMODALFRAME},
    {0, WS_EX_CLIENTEDGE | WS_EX_STATICEDGE},
    {0, WS_EX_DLGMODALFRAME | WS_EX_CLIENTEDGE},
};

// The highest value of each choice; 0 for plain integers.
constexpr int32_t HighestChoice(int32_t number) {
    switch (number) {
        case kBackgroundMode:
            return 3;
        case kBorder:
            return 6;
        case kHorizontalAlignment:
        case kVerticalAlignment:
        case kLineMode:
            return 2;
        case kEffect:
            return 8;
        default:
            return 0;
    }
}

class LabelComponent final : public Component {
  public:
    explicit LabelComponent(const UnitCreateArgs& args) noexcept : Component(args, kUnitLabel) {
        settings_[kBorderWidth] = kNarrowestBorderWidth;
        settings_[kTextColour] = static_cast<int32_t>(SystemColourCode(COLOR_BTNTEXT));
        settings_[kBackgroundColour] = static_cast<int32_t>(SystemColourCode(COLOR_BTNFACE));
    }

    static ComponentObject* Create(const UnitCreateArgs& args) noexcept;

    int32_t WriteProperty(int32_t number, const void* value) override;
    void ReadProperty(int32_t number, void* buffer) override;

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    bool IsPicture(int32_t number) const noexcept { return number == kPicture || number == kSecondPicture; }
    bool IsText(int32_t number) const noexcept {
        return number == kCaption || number == kFirstBindingText || number == kSecondBindingText;
    }
    void StoreInteger(int32_t number, int32_t value) noexcept;
    void ApplyBorder() noexcept;
    void Paint(HDC dc) noexcept;

    std::array<int32_t, kPropertyCount> settings_ = {};
    std::array<std::string, kPropertyCount> texts_;
    std::array<std::vector<uint8_t>, kPropertyCount> pictureBytes_;
    Picture picture_;
    HFONT font_ = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
};

void LabelComponent::StoreInteger(int32_t number, int32_t value) noexcept {
    const int32_t highest = HighestChoice(number);
    if (highest > 0) {
        value = Clamped(value, 0, highest);
    } else if (number == kBorderWidth) {
        value = std::max(value, kNarrowestBorderWidth);
    }
    settings_[number] = value;
}

ComponentObject* LabelComponent::Create(const UnitCreateArgs& args) noexcept {
    const std::optional<PropertyList> properties = ComponentProperties(args);
    auto label = MakeComponent<LabelComponent>(args);
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    if (!properties || label == nullptr ||
        !RegisterRuntimeClass(instance, kLabelClass, CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS)) {
        return nullptr;
    }
    try {
        for (int32_t number = 0; number < kPropertyCount; ++number) {
            if (label->IsText(number)) {
                label->texts_[number] = properties->Text(number);
            } else if (label->IsPicture(number)) {
                label->pictureBytes_[number] = ToByteVector(BytesProperty(*properties, number));
            } else {
                label->StoreInteger(number, properties->Integer(number, label->settings_[number]));
            }
        }
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
    label->picture_ = LoadPicture(label->pictureBytes_[kPicture]);
    const HWND window =
        CreateWindowExA(0, kLabelClass, label->texts_[kCaption].c_str(), ControlStyles(args), args.left, args.top,
                        args.width, args.height, args.parent,
                        reinterpret_cast<HMENU>(static_cast<uintptr_t>(args.componentId & 0xFFFF)), instance, nullptr);
    LabelComponent* raw = label.get();
    if (AttachComponent(std::move(label), window) == nullptr) {
        return nullptr;
    }
    raw->ApplyBorder();
    return raw;
}

void LabelComponent::ApplyBorder() noexcept {
    ApplyBorderLook(window, kBorders[settings_[kBorder]]);
}

void LabelComponent::Paint(HDC dc) noexcept {
    RECT client = {};
    GetClientRect(window, &client);
    if (settings_[kBackgroundMode] == kOpaque) {
        const BrushObject brush(
            CreateSolidBrush(ColourFromSetting(static_cast<uint32_t>(settings_[kBackgroundColour]))));
        FillRect(dc, &client, brush.get());
    }
    if (picture_.bitmap) {
        BITMAP info = {};
        GetObjectA(picture_.bitmap.get(), sizeof(info), &info);
        if (const HDC memory = CreateCompatibleDC(dc); memory != nullptr) {
            const HGDIOBJ previous = SelectObject(memory, picture_.bitmap.get());
            StretchBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
            SelectObject(memory, previous);
            DeleteDC(memory);
        }
    } else if (picture_.icon) {
        DrawIconEx(dc, 0, 0, picture_.icon.get(), 0, 0, 0, nullptr, DI_NORMAL);
    }
    constexpr UINT kHorizontal[] = {DT_LEFT, DT_CENTER, DT_RIGHT};
    UINT format = kHorizontal[settings_[kHorizontalAlignment]] | DT_NOPREFIX;
    if (settings_[kLineMode] == kWrapLines) {
        format |= DT_WORDBREAK;
    } else {
        constexpr UINT kVertical[] = {DT_TOP, DT_VCENTER, DT_BOTTOM};
        format |= DT_SINGLELINE | kVertical[settings_[kVerticalAlignment]];
        if (settings_[kLineMode] == kSingleLineEllipsis) {
            format |= DT_END_ELLIPSIS;
        }
    }
    const HGDIOBJ previousFont = SelectObject(dc, font_);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColourFromSetting(static_cast<uint32_t>(settings_[kTextColour])));
    DrawTextA(dc, texts_[kCaption].c_str(), -1, &client, format);
    SelectObject(dc, previousFont);
}

LRESULT LabelComponent::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            if (const HDC dc = BeginPaint(window, &paint); dc != nullptr) {
                Paint(dc);
                EndPaint(window, &paint);
            }
            return 0;
        }
        case WM_SETFONT:
            font_ =
                wParam != 0 ? reinterpret_cast<HFONT>(wParam) : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
            if (LOWORD(lParam) != 0) {
                InvalidateRect(window, nullptr, TRUE);
            }
            return 0;
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(font_);
        default:
            return Component::OnMessage(message, wParam, lParam);
    }
}

int32_t LabelComponent::WriteProperty(int32_t number, const void* value) {
    if (number < 0 || number >= kPropertyCount) {
        return 0;
    }
    if (IsText(number)) {
        texts_[number] = TextArgument(value);
        if (number == kCaption) {
            SetWindowTextA(window, texts_[kCaption].c_str());
        }
    } else if (IsPicture(number)) {
        pictureBytes_[number] = ToByteVector(BytesArgument(value));
        if (number == kPicture) {
            picture_ = LoadPicture(pictureBytes_[kPicture]);
        }
    } else {
        StoreInteger(number, IntegerArgument(value));
        if (number == kBorder) {
            ApplyBorder();
        }
    }
    InvalidateRect(window, nullptr, TRUE);
    return 0;
}

void LabelComponent::ReadProperty(int32_t number, void* buffer) {
    if (number < 0 || number >= kPropertyCount) {
        ReturnNothing(buffer);
    } else if (IsText(number)) {
        ReturnText(buffer, texts_[number]);
    } else if (IsPicture(number)) {
        ReturnBytes(buffer, pictureBytes_[number]);
    } else {
        ReturnInteger(buffer, settings_[number]);
    }
}

}  // namespace

UnitRoutine LabelUnitInterface(int32_t code) noexcept {
    return ComponentInterface(code, &LabelComponent::Create, &PassTextsOfUnit<kUnitLabel>);
}

}  // namespace velmora
