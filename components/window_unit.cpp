#include <windows.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "components/colours.h"
#include "components/component.h"
#include "components/picture.h"
#include "components/runtime_link.h"
#include "components/unit_values.h"
#include "components/units.h"
#include "components/window_styles.h"
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
    kResource = 5,
    kResourceMode = 6,
    kControlBox = 7,
    kMaximiseBox = 8,
    kMinimiseBox = 9,
    kPosition = 10,
    kMovable = 11,
    kIcon = 12,
    kTextSetting = 16,
    kNoHiddenOwner = 18,
    kMousePointer = 20,
    kAlwaysOnTop = 21,
    kClassName = 23,
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

// The cursors of mouse-pointer settings 1 to 13; the others keep the class cursor.
const LPCSTR kPointerCursors[] = {nullptr,    IDC_ARROW,       IDC_CROSS,  IDC_IBEAM,   IDC_WAIT,
                                  IDC_HELP,   IDC_APPSTARTING, IDC_NO,     IDC_SIZEALL, IDC_SIZENESW,
                                  IDC_SIZENS, IDC_SIZENWSE,    IDC_SIZEWE, IDC_UPARROW};

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
        : Component(args, kUnitWindow), settings_(std::move(settings)) {
        settings_.borderStyle = Clamped(settings_.borderStyle, 0, kHighestBorderStyle);
        settings_.position = Clamped(settings_.position, kPositionNormal, kPositionMaximised);
    }

    static ComponentObject* Create(const UnitCreateArgs& args) noexcept;

    int32_t WriteProperty(int32_t number, const void* value) override;
    void ReadProperty(int32_t number, void* buffer) override;

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    FrameStyles Frame() const noexcept {
        return WindowFrameStyles({settings_.borderStyle, !settings_.caption.empty(), settings_.controlBox == 1,
                                  settings_.maximiseBox == 1, settings_.minimiseBox == 1});
    }
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
    std::array<int32_t, kPropertyCount> keptSettings_ = {};
    int32_t pictureLayout_ = kLayoutTopLeft;
    int32_t resourceMode_ = 0;
    int32_t mousePointer_ = 0;
    std::string textSetting_;
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
    DWORD style = (args.style & ~WS_TABSTOP) | WS_CLIPCHILDREN | WS_POPUP | frame.style;
    if (args.visible) {
        style |= WS_VISIBLE;
    }
    if (s.position == kPositionMinimised) {
        style |= WS_MINIMIZE;
    } else if (s.position == kPositionMaximised && (style & WS_THICKFRAME) != 0) {
        style |= WS_MAXIMIZE;
    }
    POINT origin = {args.left, args.top};
    if (s.position == kPositionCentred) {
        origin = CentredOnScreen(args.width, args.height);
    }
    HWND owner = args.parent;
    if (owner == nullptr && s.noHiddenOwner == 0) {
        owner = FindHiddenOwner();
    }
    const HWND window = CreateWindowExA(frame.exStyle, className, s.caption.c_str(), style, origin.x, origin.y,
                                        args.width, args.height, owner, args.menu, instance, nullptr);
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
    const BrushObject brush(CreateSolidBrush(ColourFromSetting(settings_.backgroundColour)));
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
    switch (pictureLayout_) {
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
            if (LOWORD(lParam) == HTCLIENT && reinterpret_cast<HWND>(wParam) == window && mousePointer_ > 0 &&
                mousePointer_ < static_cast<int32_t>(std::size(kPointerCursors))) {
                SetCursor(LoadCursorA(nullptr, kPointerCursors[mousePointer_]));
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

int32_t FormWindow::WriteProperty(int32_t number, const void* value) {
    const int32_t integer = IntegerArgument(value);
    switch (number) {
        case kCaption:
            settings_.caption = TextArgument(value);
            SetWindowTextA(window, settings_.caption.c_str());
            ApplyFrame();
            break;
        case kBorderStyle:
            settings_.borderStyle = Clamped(integer, 0, kHighestBorderStyle);
            ApplyFrame();
            break;
        case kBackgroundColour:
            settings_.backgroundColour = static_cast<uint32_t>(integer);
            InvalidateRect(window, nullptr, TRUE);
            break;
        case kBackgroundPicture:
            settings_.byteStrings[0] = ToByteVector(BytesArgument(value));
            background_ = LoadPicture(settings_.byteStrings[0]);
            InvalidateRect(window, nullptr, TRUE);
            break;
        case kPictureLayout:
            pictureLayout_ = Clamped(integer, kLayoutTopLeft, kLayoutCentred);
            InvalidateRect(window, nullptr, TRUE);
            break;
        case kResource:
            settings_.byteStrings[1] = ToByteVector(BytesArgument(value));
            break;
        case kResourceMode:
            resourceMode_ = Clamped(integer, 0, 2);
            break;
        case kControlBox:
            settings_.controlBox = integer;
            ApplyFrame();
            break;
        case kMaximiseBox:
            settings_.maximiseBox = integer;
            ApplyFrame();
            break;
        case kMinimiseBox:
            settings_.minimiseBox = integer;
            ApplyFrame();
            break;
        case kPosition:
            settings_.position = Clamped(integer, kPositionNormal, kPositionMaximised);
            ApplyPosition();
            break;
        case kMovable:
            settings_.movable = integer;
            ApplyMovable();
            break;
        case kIcon:
            settings_.byteStrings[2] = ToByteVector(BytesArgument(value));
            icon_ = LoadPicture(settings_.byteStrings[2]);
            ApplyIcon();
            break;
        case kTextSetting:
            textSetting_ = TextArgument(value);
            break;
        case kNoHiddenOwner:
            settings_.noHiddenOwner = integer;
            break;
        case kMousePointer:
            mousePointer_ = Clamped(integer, 0, 29);
            break;
        case kAlwaysOnTop:
            settings_.alwaysOnTop = integer;
            ApplyTopmost();
            break;
        case kClassName:
            settings_.className = TextArgument(value);
            break;
        default:
            if (number >= 0 && number < kPropertyCount) {
                keptSettings_[number] = integer;
            }
            break;
    }
    return 0;
}

void FormWindow::ReadProperty(int32_t number, void* buffer) {
    switch (number) {
        case kCaption:
            ReturnText(buffer, settings_.caption);
            break;
        case kBorderStyle:
            ReturnInteger(buffer, settings_.borderStyle);
            break;
        case kBackgroundColour:
            ReturnInteger(buffer, static_cast<int32_t>(settings_.backgroundColour));
            break;
        case kBackgroundPicture:
            ReturnBytes(buffer, settings_.byteStrings[0]);
            break;
        case kPictureLayout:
            ReturnInteger(buffer, pictureLayout_);
            break;
        case kResource:
            ReturnBytes(buffer, settings_.byteStrings[1]);
            break;
        case kResourceMode:
            ReturnInteger(buffer, resourceMode_);
            break;
        case kControlBox:
            ReturnInteger(buffer, settings_.controlBox);
            break;
        case kMaximiseBox:
            ReturnInteger(buffer, settings_.maximiseBox);
            break;
        case kMinimiseBox:
            ReturnInteger(buffer, settings_.minimiseBox);
            break;
        case kPosition:
            ReturnInteger(buffer, IsIconic(window)   ? kPositionMinimised
                                  : IsZoomed(window) ? kPositionMaximised
                                                     : kPositionNormal);
            break;
        case kMovable:
            ReturnInteger(buffer, settings_.movable);
            break;
        case kIcon:
            ReturnBytes(buffer, settings_.byteStrings[2]);
            break;
        case kTextSetting:
            ReturnText(buffer, textSetting_);
            break;
        case kNoHiddenOwner:
            ReturnInteger(buffer, settings_.noHiddenOwner);
            break;
        case kMousePointer:
            ReturnInteger(buffer, mousePointer_);
            break;
        case kAlwaysOnTop:
            ReturnInteger(buffer, settings_.alwaysOnTop);
            break;
        case kClassName:
            ReturnText(buffer, settings_.className);
            break;
        default:
            ReturnInteger(buffer, number >= 0 && number < kPropertyCount ? keptSettings_[number] : 0);
            break;
    }
}

}  // namespace

UnitRoutine WindowUnitInterface(int32_t code) noexcept {
    return ComponentInterface(code, &FormWindow::Create);
}

}  // namespace velmora
