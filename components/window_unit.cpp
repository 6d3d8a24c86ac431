#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "components/colours.h"
#include "components/component.h"
#include "components/picture.h"
#include "components/runtime_link.h"
#include "components/template_data.h"
#include "components/unit_values.h"
#include "components/units.h"
#include "components/window_styles.h"
#include "runtime/forms/cursor_codes.h"
#include "runtime/forms/identifiers.h"
#include "runtime/forms/unit_properties.h"

namespace velmora {
namespace {

constexpr char kDefaultClass[] = "KXWindow";
constexpr char kHiddenOwnerClass[] = "_QV_HideOwner";
constexpr UINT kTrayIconMessage = 0x8064;

enum WindowProperty : int32_t {
    kCaption = 0,
    kBorderStyle = 1,
    kBackgroundColour = 2,
    kBackgroundPicture = 3,
    kPictureLayout = 4,
    kResourceMode = 6,
    kControlBox = 7,
    kMaximiseBox = 8,
    kMinimiseBox = 9,
    kPosition = 10,
    kMovable = 11,
    kIcon = 12,
    kMousePointer = 20,
    kAlwaysOnTop = 21,
    kPropertyCount = 24,
};

enum WindowEvent : int32_t {
    kEventAboutToClose = 1,
    kEventDestroyed = 2,
    kEventMoved = 3,
    kEventResized = 4,
    kEventActivated = 5,
    kEventDeactivated = 6,
    kEventFirstActivated = 8,
    kEventTrayIcon = 9,
    kEventShown = 10,
    kEventHidden = 11,
    kEventCloseRequested = 12,
};

enum Position : int32_t { kPositionNormal = 0, kPositionCentred = 1, kPositionMinimised = 2, kPositionMaximised = 3 };
enum PictureLayout : int32_t { kLayoutTopLeft = 0, kLayoutTiled = 1, kLayoutStretched = 2, kLayoutCentred = 3 };

constexpr int32_t kHighestMousePointer = 29;

// The stored value of an integer property: the choices are clamped to their range.
int32_t ClampedSetting(int32_t number, int32_t value) noexcept {
    switch (number) {
        case kBorderStyle:
            return Clamped(value, 0, kHighestBorderStyle);
        case kPictureLayout:
            return Clamped(value, kLayoutTopLeft, kLayoutCentred);
        case kResourceMode:
            return Clamped(value, 0, 2);
        case kPosition:
            return Clamped(value, kPositionNormal, kPositionMaximised);
        case kMousePointer:
            return Clamped(value, 0, kHighestMousePointer);
        default:
            return value;
    }
}

// The runtime's hidden owner window, a top-level window of this process.
HWND FindHiddenOwner() noexcept {
    const DWORD process = GetCurrentProcessId();
    HWND candidate = nullptr;
    while ((candidate = FindWindowExA(nullptr, candidate, kHiddenOwnerClass, nullptr)) != nullptr) {
        DWORD owner = 0;
        GetWindowThreadProcessId(candidate, &owner);
        if (owner == process) {
            return candidate;
        }
    }
    return nullptr;
}

POINT CentredOnScreen(int32_t width, int32_t height) noexcept {
    return {(GetSystemMetrics(SM_CXSCREEN) - width) / 2, (GetSystemMetrics(SM_CYSCREEN) - height) / 2};
}

class FormWindow final : public Component {
  public:
    FormWindow(const UnitCreateArgs& args, WindowUnitProperties settings) noexcept
        : Component(args, kUnitWindow), settings_(std::move(settings)), embedded_(args.embedded) {
        for (int32_t number = 0; number < kPropertyCount; ++number) {
            if (int32_t* field = WindowIntegerField(settings_, static_cast<uint32_t>(number)); field != nullptr) {
                *field = ClampedSetting(number, *field);
            }
        }
    }

    static ComponentObject* Create(const UnitCreateArgs& args) noexcept;

    int32_t WriteProperty(int32_t number, const void* value) override;
    void ReadProperty(int32_t number, void* buffer) override;
    // Always the current version, so properties of later versions written since are kept.
    std::vector<uint8_t> TemplateData() override {
        WindowUnitProperties current = settings_;
        current.version = kWindowUnitVersion;
        return WriteWindowUnitProperties(current);
    }

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    FrameStyles Frame() const noexcept {
        return WindowFrameStyles({settings_.borderStyle, !settings_.caption.empty(), settings_.controlBox == 1,
                                  settings_.maximiseBox == 1, settings_.minimiseBox == 1, embedded_});
    }
    void Apply(int32_t number) noexcept;
    bool ShowsPointer() noexcept;
    void LoadPictures() noexcept {
        background_ = LoadPicture(settings_.byteStrings[0]);
        icon_ = LoadPicture(settings_.byteStrings[2]);
    }
    void ApplyFrame() noexcept;
    void ApplyIcon() noexcept;
    void ApplyMovable() noexcept;
    void ApplyTopmost() noexcept;
    static BOOL CALLBACK RaiseOtherTopmost(HWND other, LPARAM self) noexcept;
    void ApplyPosition() noexcept;
    void PaintBackground(HDC dc) noexcept;
    void PassFocus() noexcept;
    LRESULT Close();

    WindowUnitProperties settings_;
    bool embedded_ = false;
    Picture background_;
    Picture icon_;
    HWND lastFocus_ = nullptr;
    bool activatedBefore_ = false;
};

ComponentObject* FormWindow::Create(const UnitCreateArgs& args) noexcept {
    std::optional<WindowUnitProperties> settings;
    try {
        settings = ReadWindowUnitProperties(std::span<const uint8_t>(args.properties, args.propertiesSize));
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
    if (!settings) {
        return nullptr;
    }
    auto form = MakeComponent<FormWindow>(args, std::move(*settings));
    if (form == nullptr) {
        return nullptr;
    }
    const WindowUnitProperties& s = form->settings_;
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    const char* className = s.className.empty() ? kDefaultClass : s.className.c_str();
    if (s.className.empty() && !RegisterRuntimeClass(instance, kDefaultClass, CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS)) {
        return nullptr;
    }

    // WS_TABSTOP is the maximise box's bit on a top-level window: the record's focus flag must not
    // give the form a box its template did not ask for.
    const FrameStyles frame = form->Frame();
    DWORD style = (args.style & ~WS_TABSTOP) | WS_CLIPCHILDREN | frame.style;
    style |= args.embedded ? WS_CHILD : WS_POPUP;
    if (args.visible) {
        style |= WS_VISIBLE;
    }
    if (s.position == kPositionMinimised) {
        style |= WS_MINIMIZE;
    } else if (s.position == kPositionMaximised && (style & WS_THICKFRAME) != 0) {
        style |= WS_MAXIMIZE;
    }
    POINT origin = {args.left, args.top};
    if (s.position == kPositionCentred && !args.embedded) {
        origin = CentredOnScreen(args.width, args.height);
    }
    HWND owner = args.parent;
    if (owner == nullptr && !args.embedded && s.noHiddenOwner == 0) {
        owner = FindHiddenOwner();
    }
    // A child window's menu argument is its control id, which an embedded form does not have.
    const HMENU menu = args.embedded ? nullptr : args.menu;
    const HWND window = CreateWindowExA(frame.exStyle, className, s.caption.c_str(), style, origin.x, origin.y,
                                        args.width, args.height, owner, menu, instance, nullptr);
    FormWindow* raw = form.get();
    if (AttachComponent(std::move(form), window) == nullptr) {
        return nullptr;
    }

    raw->ApplyFrame();
    RECT placed = {};
    GetWindowRect(window, &placed);
    if (!IsIconic(window) && !IsZoomed(window) &&
        (placed.right - placed.left != args.width || placed.bottom - placed.top != args.height)) {
        SetWindowPos(window, nullptr, origin.x, origin.y, args.width, args.height, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    raw->LoadPictures();
    raw->ApplyIcon();
    SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    if (raw->settings_.alwaysOnTop == 1) {
        raw->ApplyTopmost();
    }
    if (raw->settings_.movable != 1) {
        raw->ApplyMovable();
    }
    return raw;
}

void FormWindow::ApplyFrame() noexcept {
    const FrameStyles frame = Frame();
    const auto style = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_EXSTYLE));
    SetWindowLongPtrA(window, GWL_STYLE, static_cast<LONG_PTR>((style & ~kFrameStyles) | frame.style));
    SetWindowLongPtrA(window, GWL_EXSTYLE, static_cast<LONG_PTR>((exStyle & ~kFrameExStyles) | frame.exStyle));
    SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormWindow::ApplyIcon() noexcept {
    const auto icon = reinterpret_cast<LPARAM>(icon_.icon.get());
    SendMessageA(window, WM_SETICON, ICON_BIG, icon);
    SendMessageA(window, WM_SETICON, ICON_SMALL, icon);
}

void FormWindow::ApplyMovable() noexcept {
    if (settings_.movable == 1) {
        GetSystemMenu(window, TRUE);
    } else if (const HMENU menu = GetSystemMenu(window, FALSE); menu != nullptr) {
        RemoveMenu(menu, SC_MOVE, MF_BYCOMMAND);
    }
}

void FormWindow::ApplyTopmost() noexcept {
    SetWindowPos(window, settings_.alwaysOnTop == 1 ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (settings_.alwaysOnTop == 1) {
        return;
    }
    // The program's other always-on-top forms stay above this one.
    EnumThreadWindows(GetCurrentThreadId(), &FormWindow::RaiseOtherTopmost, reinterpret_cast<LPARAM>(window));
}

BOOL CALLBACK FormWindow::RaiseOtherTopmost(HWND other, LPARAM self) noexcept {
    const Component* component = ComponentOf(other);
    if (other != reinterpret_cast<HWND>(self) && component != nullptr && component->unitType == kUnitWindow) {
        const auto* form = static_cast<const FormWindow*>(component);
        if (form->settings_.alwaysOnTop == 1 && form->settings_.noHiddenOwner == 0) {
            SetWindowPos(other, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
    }
    return TRUE;
}

void FormWindow::ApplyPosition() noexcept {
    if (!IsWindowVisible(window)) {
        return;
    }
    switch (settings_.position) {
        case kPositionNormal:
            ShowWindow(window, SW_SHOWNORMAL);
            break;
        case kPositionMinimised:
            ShowWindow(window, SW_MINIMIZE);
            break;
        case kPositionMaximised:
            ShowWindow(window, SW_MAXIMIZE);
            break;
        default: {
            if (IsIconic(window) || IsZoomed(window)) {
                ShowWindow(window, SW_RESTORE);
            }
            RECT bounds = {};
            GetWindowRect(window, &bounds);
            const POINT origin = CentredOnScreen(bounds.right - bounds.left, bounds.bottom - bounds.top);
            SetWindowPos(window, nullptr, origin.x, origin.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            break;
        }
    }
}

void FormWindow::PaintBackground(HDC dc) noexcept {
    RECT client = {};
    GetClientRect(window, &client);
    const BrushObject brush(CreateSolidBrush(ColourFromSetting(static_cast<uint32_t>(settings_.backgroundColour))));
    FillRect(dc, &client, brush ? brush.get() : static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    if (!background_.bitmap) {
        return;
    }
    BITMAP info = {};
    GetObjectA(background_.bitmap.get(), sizeof(info), &info);
    const HDC memory = CreateCompatibleDC(dc);
    if (memory == nullptr || info.bmWidth <= 0 || info.bmHeight <= 0) {
        DeleteDC(memory);
        return;
    }
    const HGDIOBJ previous = SelectObject(memory, background_.bitmap.get());
    const int width = client.right;
    const int height = client.bottom;
    switch (settings_.pictureLayout) {
        case kLayoutTiled:
            for (int y = 0; y < height; y += info.bmHeight) {
                for (int x = 0; x < width; x += info.bmWidth) {
                    BitBlt(dc, x, y, info.bmWidth, info.bmHeight, memory, 0, 0, SRCCOPY);
                }
            }
            break;
        case kLayoutStretched:
            StretchBlt(dc, 0, 0, width, height, memory, 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
            break;
        case kLayoutCentred:
            BitBlt(dc, (width - info.bmWidth) / 2, (height - info.bmHeight) / 2, info.bmWidth, info.bmHeight, memory, 0,
                   0, SRCCOPY);
            break;
        default:
            BitBlt(dc, 0, 0, info.bmWidth, info.bmHeight, memory, 0, 0, SRCCOPY);
            break;
    }
    SelectObject(memory, previous);
    DeleteDC(memory);
}

// The child that had the focus last, or else the first visible, enabled tab stop in tab order (the
// z-order the loader gave the components).
void FormWindow::PassFocus() noexcept {
    const auto takes = [this](HWND child) {
        return child != nullptr && IsWindow(child) && IsChild(window, child) && IsWindowVisible(child) &&
               IsWindowEnabled(child);
    };
    if (takes(lastFocus_)) {
        SetFocus(lastFocus_);
        return;
    }
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        if ((GetWindowLongPtrA(child, GWL_STYLE) & WS_TABSTOP) != 0 && takes(child)) {
            SetFocus(child);
            return;
        }
    }
}

LRESULT FormWindow::Close() {
    if (RaiseEvent(*this, kEventCloseRequested).Refused() || RaiseEvent(*this, kEventAboutToClose).Refused()) {
        return 0;
    }
    return CallOriginal(WM_CLOSE, 0, 0);
}

LRESULT FormWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT reflected = 0;
    switch (message) {
        case WM_COMMAND:
            if (ReflectNotification(reinterpret_cast<HWND>(lParam), message, wParam, lParam, reflected)) {
                return reflected;
            }
            break;
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            if (header != nullptr && ReflectNotification(header->hwndFrom, message, wParam, lParam, reflected)) {
                return reflected;
            }
            break;
        }
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
            if (ReflectNotification(reinterpret_cast<HWND>(lParam), message, wParam, lParam, reflected) &&
                reflected != 0) {
                return reflected;
            }
            break;
        case WM_ERASEBKGND:
            PaintBackground(reinterpret_cast<HDC>(wParam));
            return 1;
        case WM_SETCURSOR:
            if (LOWORD(lParam) == HTCLIENT && reinterpret_cast<HWND>(wParam) == window && ShowsPointer()) {
                return TRUE;
            }
            break;
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) == SC_MOVE && settings_.movable != 1) {
                return 0;
            }
            break;
        case WM_CLOSE:
            return Close();
        case WM_QUERYENDSESSION:
            return RaiseEvent(*this, kEventAboutToClose).Refused() ? FALSE : TRUE;
        case WM_DESTROY:
            RaiseEvent(*this, kEventDestroyed);
            break;
        case WM_MOVE: {
            const LRESULT result = CallOriginal(message, wParam, lParam);
            RaiseEvent(*this, kEventMoved);
            return result;
        }
        case WM_SIZE: {
            const LRESULT result = CallOriginal(message, wParam, lParam);
            RaiseEvent(*this, kEventResized);
            return result;
        }
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                if (const HWND focus = GetFocus(); focus != nullptr && IsChild(window, focus)) {
                    lastFocus_ = focus;
                }
                RaiseEvent(*this, kEventDeactivated);
            } else {
                if (!activatedBefore_) {
                    activatedBefore_ = true;
                    RaiseEvent(*this, kEventFirstActivated);
                }
                RaiseEvent(*this, kEventActivated);
            }
            break;
        case kTrayIconMessage: {
            const auto mouse = static_cast<UINT>(lParam);
            const uint32_t action = mouse == WM_LBUTTONUP                              ? 1
                                    : mouse == WM_LBUTTONDBLCLK                        ? 2
                                    : mouse == WM_RBUTTONUP || mouse == WM_CONTEXTMENU ? 3
                                                                                       : 0;
            if (action != 0) {
                RaiseEvent(*this, kEventTrayIcon, {action});
            }
            return 0;
        }
        case WM_SHOWWINDOW:
            RaiseEvent(*this, wParam != 0 ? kEventShown : kEventHidden);
            break;
        case WM_SETFOCUS: {
            const LRESULT result = CallOriginal(message, wParam, lParam);
            RaiseEvent(*this, kEventGotFocus);
            PassFocus();
            return result;
        }
        case WM_KILLFOCUS: {
            const LRESULT result = CallOriginal(message, wParam, lParam);
            RaiseEvent(*this, kEventLostFocus);
            return result;
        }
        default:
            break;
    }
    return CallOriginal(message, wParam, lParam);
}

// The cursor of a mouse-pointer setting of the cursor list; other settings keep the class cursor.
bool FormWindow::ShowsPointer() noexcept {
    const uint32_t id = SystemCursorIdOfCode(static_cast<uint32_t>(settings_.mousePointer));
    if (id == 0) {
        return false;
    }
    SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(id)));
    return true;
}

// What a written property changes on the window.
void FormWindow::Apply(int32_t number) noexcept {
    switch (number) {
        case kCaption:
            SetWindowTextA(window, settings_.caption.c_str());
            ApplyFrame();
            break;
        case kBorderStyle:
        case kControlBox:
        case kMaximiseBox:
        case kMinimiseBox:
            ApplyFrame();
            break;
        case kBackgroundPicture:
            background_ = LoadPicture(settings_.byteStrings[0]);
            InvalidateRect(window, nullptr, TRUE);
            break;
        case kBackgroundColour:
        case kPictureLayout:
            InvalidateRect(window, nullptr, TRUE);
            break;
        case kPosition:
            ApplyPosition();
            break;
        case kMovable:
            ApplyMovable();
            break;
        case kIcon:
            icon_ = LoadPicture(settings_.byteStrings[2]);
            ApplyIcon();
            break;
        case kAlwaysOnTop:
            ApplyTopmost();
            break;
        default:
            break;
    }
}

int32_t FormWindow::WriteProperty(int32_t number, const void* value) {
    if (number < 0) {
        return 0;
    }
    const auto field = static_cast<uint32_t>(number);
    if (std::string* text = WindowTextField(settings_, field); text != nullptr) {
        *text = TextArgument(value);
    } else if (std::vector<uint8_t>* bytes = WindowBytesField(settings_, field); bytes != nullptr) {
        *bytes = ToByteVector(BytesArgument(value));
    } else if (int32_t* integer = WindowIntegerField(settings_, field); integer != nullptr) {
        *integer = ClampedSetting(number, IntegerArgument(value));
    } else {
        return 0;
    }
    Apply(number);
    return 0;
}

void FormWindow::ReadProperty(int32_t number, void* buffer) {
    const auto field = static_cast<uint32_t>(number);
    if (number < 0) {
        ReturnNothing(buffer);
    } else if (number == kPosition) {
        ReturnInteger(buffer, IsIconic(window)   ? kPositionMinimised
                              : IsZoomed(window) ? kPositionMaximised
                                                 : kPositionNormal);
    } else if (const std::string* text = WindowTextField(settings_, field); text != nullptr) {
        ReturnText(buffer, *text);
    } else if (const std::vector<uint8_t>* bytes = WindowBytesField(settings_, field); bytes != nullptr) {
        ReturnBytes(buffer, *bytes);
    } else if (const int32_t* integer = WindowIntegerField(settings_, field); integer != nullptr) {
        ReturnInteger(buffer, *integer);
    } else {
        ReturnNothing(buffer);
    }
}

// The window's texts: the class name (from version 6 on), the caption and the text setting.
int32_t PassWindowTexts(UnitBytes block, UnitTextCallback callback, void* context, UnitBytes* result) noexcept {
    if (callback == nullptr || result == nullptr) {
        return 0;
    }
    try {
        std::optional<WindowUnitProperties> properties = ReadWindowUnitProperties(BlockBytes(block));
        if (!properties) {
            return 0;
        }
        if (properties->version >= kWindowUnitVersion) {
            properties->className = PassText(callback, context, properties->className);
        }
        properties->caption = PassText(callback, context, properties->caption);
        properties->textSetting = PassText(callback, context, properties->textSetting);
        return HandOverBlock(WriteWindowUnitProperties(*properties), *result) ? 1 : 0;
    } catch (const std::bad_alloc&) {
        return 0;
    }
}

}  // namespace

UnitRoutine WindowUnitInterface(int32_t code) noexcept {
    return ComponentInterface(code, &FormWindow::Create, &PassWindowTexts);
}

}  // namespace velmora
