#include "components/component.h"

#include <new>

#include "components/runtime_link.h"
#include "components/template_data.h"
#include "components/unit_values.h"

namespace velmora {
namespace {

constexpr char kComponentProperty[] = "QV_Component";
constexpr char kRouteProperty[] = "QV_RouteTo";

}  // namespace

LRESULT CALLBACK ComponentWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    Component* component = ComponentOf(window);
    if (component == nullptr) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    if (message != WM_NCDESTROY) {
        return component->Dispatch(message, wParam, lParam);
    }
    const WNDPROC original = component->original_;
    component->Unsubclass(window);
    const LRESULT result = CallWindowProcA(original, window, message, wParam, lParam);
    if (!component->replacing_) {
        const std::unique_ptr<Component> owned(component);
        CallComponentService(kServiceComponentDestroyed, owned->windowId, owned->componentId);
    }
    return result;
}

Component::Component(const UnitCreateArgs& args, uint32_t unitType) noexcept {
    windowId = args.windowId;
    componentId = args.componentId;
    this->unitType = unitType;
}

std::vector<uint8_t> Component::TemplateData() {
    return CurrentPropertyList(*this);
}

LRESULT Component::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    try {
        return OnMessage(message, wParam, lParam);
    } catch (const std::bad_alloc&) {
        return CallOriginal(message, wParam, lParam);
    }
}

LRESULT Component::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = CallOriginal(message, wParam, lParam);
    if (message == WM_SETFOCUS) {
        RaiseEvent(*this, kEventGotFocus);
    } else if (message == WM_KILLFOCUS) {
        RaiseEvent(*this, kEventLostFocus);
    }
    return result;
}

LRESULT Component::CallOriginal(UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    return original_ == nullptr ? DefWindowProcA(window, message, wParam, lParam)
                                : CallWindowProcA(original_, window, message, wParam, lParam);
}

bool Component::Subclass(HWND target) noexcept {
    if (!SetPropA(target, kComponentProperty, this)) {
        return false;
    }
    window = target;
    original_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(target, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ComponentWindowProc)));
    return true;
}

void Component::Unsubclass(HWND target) noexcept {
    SetWindowLongPtrA(target, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
    RemovePropA(target, kComponentProperty);
}

bool Component::ReplaceWindow(HWND replacement) noexcept {
    if (replacement == nullptr) {
        return false;
    }
    const HWND old = window;
    SetWindowPos(replacement, old, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    replacing_ = true;
    DestroyWindow(old);
    replacing_ = false;
    if (!Subclass(replacement)) {
        DestroyWindow(replacement);
        window = nullptr;
        return false;
    }
    return true;
}

ComponentObject* AttachComponent(std::unique_ptr<Component> component, HWND window) noexcept {
    if (window == nullptr || component == nullptr) {
        return nullptr;
    }
    if (!component->Subclass(window)) {
        DestroyWindow(window);
        return nullptr;
    }
    return component.release();
}

Component* ComponentOf(HWND window) noexcept {
    return window == nullptr ? nullptr : static_cast<Component*>(GetPropA(window, kComponentProperty));
}

void RouteNotifications(HWND helper, HWND component) noexcept {
    SetPropA(helper, kRouteProperty, component);
}

bool ReflectNotification(HWND control, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) noexcept {
    if (control == nullptr) {
        return false;
    }
    if (const auto routed = static_cast<HWND>(GetPropA(control, kRouteProperty)); routed != nullptr) {
        control = routed;
    }
    if (ComponentOf(control) == nullptr) {
        return false;
    }
    result = SendMessageA(control, kReflectBase + message, wParam, lParam);
    return true;
}

std::optional<PropertyList> ComponentProperties(const UnitCreateArgs& args) noexcept {
    return PropertyList::Parse(std::span<const uint8_t>(args.properties, args.propertiesSize));
}

std::span<const uint8_t> BytesProperty(const PropertyList& properties, uint32_t number) noexcept {
    return properties.Find(number).value_or(std::span<const uint8_t>());
}

bool RegisterRuntimeClass(HINSTANCE instance, const char* className, UINT style) noexcept {
    WNDCLASSA existing;
    if (GetClassInfoA(instance, className, &existing)) {
        return true;
    }
    WNDCLASSA windowClass = {};
    windowClass.style = style;
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszClassName = className;
    return RegisterClassA(&windowClass) != 0;
}

void ChangeStyle(HWND window, DWORD mask, DWORD bits) noexcept {
    const auto style = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE));
    SetWindowLongPtrA(window, GWL_STYLE, static_cast<LONG_PTR>((style & ~mask) | (bits & mask)));
    SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(window, nullptr, TRUE);
}

void ApplyBorderLook(HWND window, const BorderLook& border) noexcept {
    constexpr DWORD kExStyleMask = WS_EX_CLIENTEDGE | WS_EX_STATICEDGE | WS_EX_DLGMODALFRAME;
    const auto exStyle = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_EXSTYLE));
    SetWindowLongPtrA(window, GWL_EXSTYLE, static_cast<LONG_PTR>((exStyle & ~kExStyleMask) | border.exStyle));
    ChangeStyle(window, WS_BORDER, border.style);
}

namespace {

int32_t WriteComponentProperty(ComponentObject* object, int32_t property, const void* value, int32_t) noexcept {
    if (object == nullptr) {
        return 0;
    }
    try {
        return static_cast<Component*>(object)->WriteProperty(property, value);
    } catch (const std::bad_alloc&) {
        return 0;
    }
}

void ReadComponentProperty(ComponentObject* object, int32_t property, void* buffer) noexcept {
    if (object == nullptr || buffer == nullptr) {
        return;
    }
    try {
        static_cast<Component*>(object)->ReadProperty(property, buffer);
    } catch (const std::bad_alloc&) {
        ReturnNothing(buffer);
    }
}

int32_t WriteComponentTemplate(ComponentObject* object, UnitBytes* result) noexcept {
    if (object == nullptr || result == nullptr) {
        return 0;
    }
    try {
        return HandOverBlock(static_cast<Component*>(object)->TemplateData(), *result) ? 1 : 0;
    } catch (const std::bad_alloc&) {
        return 0;
    }
}

int32_t ComponentWantsKey(ComponentObject* object, uint32_t virtualKey) noexcept {
    return object != nullptr && static_cast<Component*>(object)->WantsKey(virtualKey) ? 1 : 0;
}

int32_t ComponentIsDefaultButton(ComponentObject* object) noexcept {
    return object != nullptr && static_cast<Component*>(object)->IsDefaultButton() ? 1 : 0;
}

}  // namespace

UnitRoutine ComponentInterface(int32_t code, UnitCreateRoutine create, UnitPassTextsRoutine passTexts) noexcept {
    switch (code) {
        case kUnitCreate:
            return AsUnitRoutine(create);
        case kUnitWriteProperty:
            return AsUnitRoutine(&WriteComponentProperty);
        case kUnitWriteTemplate:
            return AsUnitRoutine(&WriteComponentTemplate);
        case kUnitReadProperty:
            return AsUnitRoutine(&ReadComponentProperty);
        case kUnitPassTexts:
            return AsUnitRoutine(passTexts);
        case kUnitWantsKey:
            return AsUnitRoutine(&ComponentWantsKey);
        case kUnitIsDefaultButton:
            return AsUnitRoutine(&ComponentIsDefaultButton);
        default:
            return nullptr;
    }
}

}  // namespace velmora
