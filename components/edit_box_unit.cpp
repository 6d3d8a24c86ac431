#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "components/colours.h"
#include "components/component.h"
#include "components/edit_input.h"
#include "components/font_setting.h"
#include "components/gdi_object.h"
#include "components/runtime_link.h"
#include "components/template_data.h"
#include "components/unit_values.h"
#include "components/units.h"
#include "components/window_handle.h"
#include "runtime/forms/identifiers.h"

namespace velmora {
namespace {

enum EditBoxProperty : int32_t {
    kContent = 0,
    kBorderStyle = 1,
    kTextColour = 2,
    kBackgroundColour = 3,
    kFont = 4,
    kHideSelection = 5,
    kMaxLength = 6,
    kMultiLine = 7,
    kScrollBars = 8,
    kAlignment = 9,
    kInputMode = 10,
    kPasswordCharacter = 11,
    kCaseConversion = 12,
    kSpin = 13,
    kSpinFirstBound = 14,
    kSpinSecondBound = 15,
    kSelectionStart = 16,
    kSelectionLength = 17,
    kSelectedText = 18,
    kFirstBindingText = 19,
    kSecondBindingText = 20,
};

enum EditBoxEvent : int32_t { kEventContentChanged = 0, kEventSpin = 1 };
enum SpinMode : int32_t { kNoSpin = 0, kSpinSteps = 1, kSpinReports = 2 };
enum ScrollBars : int32_t { kNoScrollBars = 0, kHorizontalBar = 1, kVerticalBar = 2, kBothBars = 3 };

constexpr int32_t kHighestBorderStyle = 5;
constexpr char kDefaultPasswordCharacter = '*';
// 0 none, 1 sunken, 2 thin line, 3 flat, 4 raised, 5 sunken with a flat rim.
constexpr BorderLook kBorders[] = {
    {0, 0},
    {0, WS_EX_CLIENTEDGE},
    {WS_BORDER, 0},
    {0, WS_EX_STATICEDGE},
    {0, WS_EX_DLGMODALFRAME},
    {0, WS_EX_CLIENTEDGE | WS_EX_STATICEDGE},
};

std::string WindowText(HWND window) {
    std::string text(static_cast<size_t>(std::max(GetWindowTextLengthA(window), 0)) + 1, '\0');
    text.resize(static_cast<size_t>(std::max(GetWindowTextA(window, text.data(), static_cast<int>(text.size())), 0)));
    return text;
}

RECT RectInParent(HWND window) noexcept {
    RECT rect = {};
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

class EditBoxComponent final : public Component {
  public:
    explicit EditBoxComponent(const UnitCreateArgs& args) noexcept : Component(args, kUnitEditBox) {}

    static ComponentObject* Create(const UnitCreateArgs& args) noexcept;

    int32_t WriteProperty(int32_t number, const void* value) override;
    void ReadProperty(int32_t number, void* buffer) override;
    bool WantsKey(uint32_t virtualKey) const noexcept override {
        return virtualKey == VK_RETURN && IsOn(multiLine_) && inputMode_ != kInputReadOnly;
    }

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void ReadSettings(const PropertyList& properties);
    DWORD EditStyles() const noexcept;
    HWND MakeControl(HWND parent, DWORD baseStyle, const RECT& rect, int controlId) const noexcept;
    // Everything after the control's window exists; true when the box grew to fit its font.
    bool Setup() noexcept;
    bool FitHeight() noexcept;
    void MakeBrush() noexcept { brush_ = BrushObject(CreateSolidBrush(ColourFromSetting(backgroundColour_))); }
    void ApplyBorder() noexcept;
    void ApplyInputMode() noexcept;
    void ApplySelection() noexcept;
    void PlaceSpin() noexcept;
    void CreateSpin() noexcept;
    int32_t Recreate();
    void SetContent(std::string_view text);
    void Normalise();
    void Step(int delta);
    char PasswordCharacter() const noexcept {
        return passwordCharacter_.empty() ? kDefaultPasswordCharacter : passwordCharacter_[0];
    }
    int32_t SpinLower() const noexcept { return std::min(spinBounds_[0], spinBounds_[1]); }
    int32_t SpinUpper() const noexcept { return std::max(spinBounds_[0], spinBounds_[1]); }

    std::string content_;
    int32_t borderStyle_ = 1;
    uint32_t textColour_ = SystemColourCode(COLOR_WINDOWTEXT);
    uint32_t backgroundColour_ = SystemColourCode(COLOR_WINDOW);
    BrushObject brush_;
    FontSetting font_;
    int32_t hideSelection_ = 1;
    int32_t maxLength_ = 0;
    int32_t multiLine_ = 0;
    int32_t scrollBars_ = kNoScrollBars;
    int32_t alignment_ = 0;
    int32_t inputMode_ = kInputNormal;
    std::string passwordCharacter_;
    int32_t caseConversion_ = 0;
    int32_t spinMode_ = kNoSpin;
    int32_t spinBounds_[2] = {0, 100};
    int32_t selectionStart_ = 0;
    int32_t selectionLength_ = 0;
    std::string bindingTexts_[2];
    std::string selectedText_;
    CompanionWindow spin_;
    bool settingContent_ = false;
};

void EditBoxComponent::ReadSettings(const PropertyList& properties) {
    content_ = properties.Text(kContent);
    borderStyle_ = Clamped(properties.Integer(kBorderStyle, borderStyle_), 0, kHighestBorderStyle);
    textColour_ = static_cast<uint32_t>(properties.Integer(kTextColour, static_cast<int32_t>(textColour_)));
    backgroundColour_ =
        static_cast<uint32_t>(properties.Integer(kBackgroundColour, static_cast<int32_t>(backgroundColour_)));
    font_.Set(BytesProperty(properties, kFont));
    hideSelection_ = properties.Integer(kHideSelection, hideSelection_);
    maxLength_ = std::max(properties.Integer(kMaxLength, 0), 0);
    multiLine_ = properties.Integer(kMultiLine, 0);
    scrollBars_ = Clamped(properties.Integer(kScrollBars, kNoScrollBars), kNoScrollBars, kBothBars);
    alignment_ = Clamped(properties.Integer(kAlignment, 0), 0, 2);
    inputMode_ = Clamped(properties.Integer(kInputMode, kInputNormal), kInputNormal, kHighestInputMode);
    passwordCharacter_ = properties.Text(kPasswordCharacter);
    caseConversion_ = Clamped(properties.Integer(kCaseConversion, 0), 0, 2);
    spinMode_ = Clamped(properties.Integer(kSpin, kNoSpin), kNoSpin, kSpinReports);
    spinBounds_[0] = properties.Integer(kSpinFirstBound, spinBounds_[0]);
    spinBounds_[1] = properties.Integer(kSpinSecondBound, spinBounds_[1]);
    selectionStart_ = properties.Integer(kSelectionStart, 0);
    selectionLength_ = properties.Integer(kSelectionLength, 0);
    bindingTexts_[0] = properties.Text(kFirstBindingText);
    bindingTexts_[1] = properties.Text(kSecondBindingText);
}

DWORD EditBoxComponent::EditStyles() const noexcept {
    DWORD style = IsOn(hideSelection_) ? 0 : ES_NOHIDESEL;
    if (IsOn(multiLine_)) {
        style |= ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL;
        if (scrollBars_ == kHorizontalBar || scrollBars_ == kBothBars) {
            style |= ES_AUTOHSCROLL | WS_HSCROLL;
        }
        if (scrollBars_ == kVerticalBar || scrollBars_ == kBothBars) {
            style |= WS_VSCROLL;
        }
    } else {
        style |= ES_AUTOHSCROLL;
    }
    constexpr DWORD kAlignments[] = {ES_LEFT, ES_CENTER, ES_RIGHT};
    constexpr DWORD kCases[] = {0, ES_LOWERCASE, ES_UPPERCASE};
    style |= kAlignments[alignment_] | kCases[caseConversion_];
    if (inputMode_ == kInputReadOnly) {
        style |= ES_READONLY;
    } else if (inputMode_ == kInputPassword) {
        style |= ES_PASSWORD;
    }
    return style;
}

HWND EditBoxComponent::MakeControl(HWND parent, DWORD baseStyle, const RECT& rect, int controlId) const noexcept {
    return CreateWindowExA(0, "EDIT", content_.c_str(), baseStyle | EditStyles(), rect.left, rect.top,
                           rect.right - rect.left, rect.bottom - rect.top, parent,
                           reinterpret_cast<HMENU>(static_cast<intptr_t>(controlId)), GetModuleHandleA(nullptr),
                           nullptr);
}

ComponentObject* EditBoxComponent::Create(const UnitCreateArgs& args) noexcept {
    const std::optional<PropertyList> properties = ComponentProperties(args);
    auto box = MakeComponent<EditBoxComponent>(args);
    if (!properties || box == nullptr) {
        return nullptr;
    }
    try {
        box->ReadSettings(*properties);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
    const RECT rect = {args.left, args.top, args.left + args.width, args.top + args.height};
    const HWND window =
        box->MakeControl(args.parent, ControlStyles(args), rect, static_cast<int>(args.componentId & 0xFFFF));
    EditBoxComponent* raw = box.get();
    if (AttachComponent(std::move(box), window) == nullptr) {
        return nullptr;
    }
    raw->Setup();
    return raw;
}

bool EditBoxComponent::Setup() noexcept {
    MakeBrush();
    font_.ApplyTo(window, false);
    const bool grew = FitHeight();
    SendMessageA(window, EM_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
    if (inputMode_ == kInputPassword) {
        SendMessageA(window, EM_SETPASSWORDCHAR, static_cast<unsigned char>(PasswordCharacter()), 0);
    }
    if (spinMode_ != kNoSpin && !IsOn(multiLine_)) {
        CreateSpin();
    }
    ApplySelection();
    SendMessageA(window, EM_SCROLLCARET, 0, 0);
    ApplyBorder();
    return grew;
}

// A single-line box is at least one line of its font plus the edges tall.
bool EditBoxComponent::FitHeight() noexcept {
    if (IsOn(multiLine_)) {
        return false;
    }
    const int needed = FontTextHeight(font_.Handle()) + 2 * GetSystemMetrics(SM_CYEDGE);
    RECT rect = {};
    GetWindowRect(window, &rect);
    if (rect.bottom - rect.top >= needed) {
        return false;
    }
    SetWindowPos(window, nullptr, 0, 0, rect.right - rect.left, needed, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}

void EditBoxComponent::ApplyBorder() noexcept {
    ApplyBorderLook(window, kBorders[borderStyle_]);
}

void EditBoxComponent::ApplyInputMode() noexcept {
    SendMessageA(window, EM_SETREADONLY, inputMode_ == kInputReadOnly ? TRUE : FALSE, 0);
    SendMessageA(window, EM_SETPASSWORDCHAR,
                 inputMode_ == kInputPassword ? static_cast<unsigned char>(PasswordCharacter()) : 0, 0);
    InvalidateRect(window, nullptr, TRUE);
}

// A start of -1 is the end of the content; a length of -1 reaches to the end.
void EditBoxComponent::ApplySelection() noexcept {
    const int32_t length = GetWindowTextLengthA(window);
    const int32_t start = selectionStart_ < 0 ? length : std::min(selectionStart_, length);
    const int32_t end = selectionLength_ < 0 ? length : std::min(start + std::max(selectionLength_, 0), length);
    SendMessageA(window, EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
}

void EditBoxComponent::PlaceSpin() noexcept {
    if (!spin_) {
        return;
    }
    const RECT rect = RectInParent(window);
    SetWindowPos(spin_.get(), window, rect.right, rect.top, GetSystemMetrics(SM_CXVSCROLL), rect.bottom - rect.top,
                 SWP_NOACTIVATE | (IsWindowVisible(window) ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
}

void EditBoxComponent::CreateSpin() noexcept {
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&controls);
    const DWORD exStyle = borderStyle_ == 0 || borderStyle_ == 1 || borderStyle_ == 3 ? WS_EX_STATICEDGE : 0;
    const HWND spin = CreateWindowExA(exStyle, "msctls_updown32", "", WS_CHILD, 0, 0, 0, 0, GetParent(window), nullptr,
                                      GetModuleHandleA(nullptr), nullptr);
    if (spin == nullptr) {
        spinMode_ = kNoSpin;
        return;
    }
    spin_ = CompanionWindow(spin);
    RouteNotifications(spin, window);
    SendMessageA(spin, UDM_SETRANGE32, static_cast<WPARAM>(SpinLower()), static_cast<LPARAM>(SpinUpper()));
    EnableWindow(spin, IsWindowEnabled(window));
    PlaceSpin();
}

// Styles the edit control fixes at creation change by making a new control in the old one's place.
int32_t EditBoxComponent::Recreate() {
    content_ = WindowText(window);
    const RECT rect = RectInParent(window);
    const auto keep = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE)) &
                      (WS_CHILD | WS_CLIPSIBLINGS | WS_VISIBLE | WS_DISABLED | WS_TABSTOP);
    const HWND fresh = MakeControl(GetParent(window), keep, rect, GetDlgCtrlID(window));
    spin_.reset();
    if (!ReplaceWindow(fresh)) {
        return 0;
    }
    Setup();
    return 1;
}

// Windows' own EN_CHANGE during the write is held back; the one sent afterwards raises the event, so
// each write raises it exactly once, with the new text in place.
void EditBoxComponent::SetContent(std::string_view text) {
    content_ = text;
    settingContent_ = true;
    SetWindowTextA(window, content_.c_str());
    settingContent_ = false;
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(0, EN_CHANGE), reinterpret_cast<LPARAM>(window));
}

void EditBoxComponent::Normalise() {
    const std::string current = WindowText(window);
    const std::string normalised = NormalisedContent(inputMode_, current);
    if (normalised == current) {
        return;
    }
    DWORD end = 0;
    SendMessageA(window, EM_GETSEL, 0, reinterpret_cast<LPARAM>(&end));
    SetContent(normalised);
    SendMessageA(window, EM_SETSEL, end, static_cast<LPARAM>(end));
}

void EditBoxComponent::Step(int delta) {
    if (!IsWindowEnabled(window) || !IsWindowVisible(window)) {
        return;
    }
    if (spinMode_ == kSpinReports) {
        RaiseEvent(*this, kEventSpin, {static_cast<uint32_t>(delta < 0 ? -1 : 1)});
        return;
    }
    const int64_t next = static_cast<int64_t>(std::atoi(WindowText(window).c_str())) + (delta < 0 ? -1 : 1);
    int32_t value = static_cast<int32_t>(next);
    if (next < SpinLower()) {
        value = SpinUpper();
    } else if (next > SpinUpper()) {
        value = SpinLower();
    }
    char text[16];
    std::snprintf(text, sizeof(text), "%d", value);
    SetContent(text);
    SendMessageA(window, EM_SETSEL, 0, -1);
    SetFocus(window);
}

LRESULT EditBoxComponent::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (reinterpret_cast<HWND>(lParam) == window && HIWORD(wParam) == EN_CHANGE) {
                RaiseEvent(*this, kEventContentChanged);
                return 0;
            }
            break;
        case kReflectBase + WM_COMMAND:
            switch (HIWORD(wParam)) {
                case EN_CHANGE:
                    if (!settingContent_) {
                        RaiseEvent(*this, kEventContentChanged);
                    }
                    break;
                case EN_SETFOCUS:
                    RaiseEvent(*this, kEventGotFocus);
                    break;
                case EN_KILLFOCUS:
                    Normalise();
                    RaiseEvent(*this, kEventLostFocus);
                    break;
                default:
                    break;
            }
            return 0;
        case kReflectBase + WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            if (header->hwndFrom == spin_.get() && header->code == static_cast<UINT>(UDN_DELTAPOS)) {
                Step(reinterpret_cast<const NMUPDOWN*>(lParam)->iDelta);
            }
            return 0;
        }
        case kReflectBase + WM_CTLCOLOREDIT:
        case kReflectBase + WM_CTLCOLORSTATIC: {
            const auto dc = reinterpret_cast<HDC>(wParam);
            SetTextColor(dc, ColourFromSetting(textColour_));
            SetBkColor(dc, ColourFromSetting(backgroundColour_));
            return reinterpret_cast<LRESULT>(brush_.get());
        }
        case WM_CHAR:
            if (!AcceptsTypedCharacter(inputMode_, static_cast<unsigned char>(wParam))) {
                return 0;
            }
            break;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            return CallOriginal(message, wParam, lParam);
        case WM_WINDOWPOSCHANGED: {
            const LRESULT result = CallOriginal(message, wParam, lParam);
            PlaceSpin();
            return result;
        }
        case WM_ENABLE:
            if (spin_) {
                EnableWindow(spin_.get(), static_cast<BOOL>(wParam));
            }
            break;
        default:
            return Component::OnMessage(message, wParam, lParam);
    }
    return CallOriginal(message, wParam, lParam);
}

int32_t EditBoxComponent::WriteProperty(int32_t number, const void* value) {
    const int32_t integer = IntegerArgument(value);
    switch (number) {
        case kContent:
            SetContent(TextArgument(value));
            break;
        case kBorderStyle:
            borderStyle_ = Clamped(integer, 0, kHighestBorderStyle);
            ApplyBorder();
            break;
        case kTextColour:
            textColour_ = static_cast<uint32_t>(integer);
            InvalidateRect(window, nullptr, TRUE);
            break;
        case kBackgroundColour:
            backgroundColour_ = static_cast<uint32_t>(integer);
            MakeBrush();
            SetWindowPos(window, nullptr, 0, 0, 0, 0,
                         SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            InvalidateRect(window, nullptr, TRUE);
            break;
        case kFont:
            font_.Set(BytesArgument(value));
            font_.ApplyTo(window, true);
            return FitHeight() ? 1 : 0;
        case kHideSelection:
            hideSelection_ = integer;
            return Recreate();
        case kMaxLength:
            maxLength_ = std::max(integer, 0);
            SendMessageA(window, EM_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
            break;
        case kMultiLine:
            multiLine_ = integer;
            return Recreate();
        case kScrollBars:
            scrollBars_ = Clamped(integer, kNoScrollBars, kBothBars);
            return IsOn(multiLine_) ? Recreate() : 0;
        case kAlignment:
            alignment_ = Clamped(integer, 0, 2);
            ChangeStyle(window, ES_CENTER | ES_RIGHT, EditStyles());
            break;
        case kInputMode:
            inputMode_ = Clamped(integer, kInputNormal, kHighestInputMode);
            ApplyInputMode();
            break;
        case kPasswordCharacter:
            passwordCharacter_ = TextArgument(value);
            ApplyInputMode();
            break;
        case kCaseConversion:
            caseConversion_ = Clamped(integer, 0, 2);
            ChangeStyle(window, ES_LOWERCASE | ES_UPPERCASE, EditStyles());
            break;
        case kSpin:
            spinMode_ = Clamped(integer, kNoSpin, kSpinReports);
            if (spinMode_ == kNoSpin) {
                spin_.reset();
            } else if (!spin_ && !IsOn(multiLine_)) {
                CreateSpin();
            }
            break;
        case kSpinFirstBound:
        case kSpinSecondBound:
            spinBounds_[number - kSpinFirstBound] = integer;
            if (spin_) {
                SendMessageA(spin_.get(), UDM_SETRANGE32, static_cast<WPARAM>(SpinLower()),
                             static_cast<LPARAM>(SpinUpper()));
            }
            break;
        case kSelectionStart:
            selectionStart_ = integer;
            ApplySelection();
            break;
        case kSelectionLength:
            selectionLength_ = integer;
            ApplySelection();
            break;
        case kSelectedText: {
            const std::string text(TextArgument(value));
            SendMessageA(window, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
            break;
        }
        case kFirstBindingText:
        case kSecondBindingText:
            bindingTexts_[number - kFirstBindingText] = TextArgument(value);
            break;
        default:
            break;
    }
    return 0;
}

void EditBoxComponent::ReadProperty(int32_t number, void* buffer) {
    DWORD start = 0;
    DWORD end = 0;
    switch (number) {
        case kContent:
            content_ = WindowText(window);
            ReturnText(buffer, content_);
            return;
        case kBorderStyle:
            return ReturnInteger(buffer, borderStyle_);
        case kTextColour:
            return ReturnInteger(buffer, static_cast<int32_t>(textColour_));
        case kBackgroundColour:
            return ReturnInteger(buffer, static_cast<int32_t>(backgroundColour_));
        case kFont:
            return ReturnBytes(buffer, font_.Bytes());
        case kHideSelection:
            return ReturnInteger(buffer, hideSelection_);
        case kMaxLength:
            return ReturnInteger(buffer, maxLength_);
        case kMultiLine:
            return ReturnInteger(buffer, multiLine_);
        case kScrollBars:
            return ReturnInteger(buffer, scrollBars_);
        case kAlignment:
            return ReturnInteger(buffer, alignment_);
        case kInputMode:
            return ReturnInteger(buffer, inputMode_);
        case kPasswordCharacter:
            return ReturnText(buffer, passwordCharacter_);
        case kCaseConversion:
            return ReturnInteger(buffer, caseConversion_);
        case kSpin:
            return ReturnInteger(buffer, spinMode_);
        case kSpinFirstBound:
        case kSpinSecondBound:
            return ReturnInteger(buffer, spinBounds_[number - kSpinFirstBound]);
        case kSelectionStart:
        case kSelectionLength:
        case kSelectedText:
            SendMessageA(window, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
            if (number == kSelectionStart) {
                return ReturnInteger(buffer, static_cast<int32_t>(start));
            }
            if (number == kSelectionLength) {
                return ReturnInteger(buffer, static_cast<int32_t>(end - start));
            }
            content_ = WindowText(window);
            selectedText_ = content_.substr(std::min<size_t>(start, content_.size()), end - start);
            return ReturnText(buffer, selectedText_);
        case kFirstBindingText:
        case kSecondBindingText:
            return ReturnText(buffer, bindingTexts_[number - kFirstBindingText]);
        default:
            return ReturnNothing(buffer);
    }
}

}  // namespace

UnitRoutine EditBoxUnitInterface(int32_t code) noexcept {
    return ComponentInterface(code, &EditBoxComponent::Create, &PassTextsOfUnit<kUnitEditBox>);
}

}  // namespace velmora
