#include "tests/windows/forms/probe_units.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "runtime/event_record.h"
#include "runtime/forms/identifiers.h"
#include "runtime/forms/unit_properties.h"
#include "runtime/forms/window_template.h"
#include "runtime/unit_interface.h"

namespace velmora::forms_probe {
namespace {

constexpr char kWindowClass[] = "FormsProbeWindow";
constexpr int32_t kButtonCaption = 2;  // in the button's template block
constexpr UINT_PTR kSubclassId = 1;

struct ProbeComponent : ComponentObject {
    std::string caption;
    int32_t flag = 0;
    bool hasFont = false;
    LOGFONTA font{};
    int32_t count = 0;
    const WindowTemplate* windowTemplate = nullptr;
};

RuntimeServiceEntry service = nullptr;
int layoutRequests = 0;

std::vector<std::unique_ptr<ProbeComponent>>& Components() {
    static std::vector<std::unique_ptr<ProbeComponent>> components;
    return components;
}

ProbeComponent* ComponentOf(HWND window) {
    for (const std::unique_ptr<ProbeComponent>& component : Components()) {
        if (component->window == window) {
            return component.get();
        }
    }
    return nullptr;
}

uint32_t Address(const void* pointer) {
    return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(pointer));
}

// The runtime hears of the end of a component before it is freed.
void Ended(HWND window) {
    std::vector<std::unique_ptr<ProbeComponent>>& components = Components();
    const auto found = std::find_if(components.begin(), components.end(),
                                    [window](const auto& component) { return component->window == window; });
    if (found == components.end()) {
        return;
    }
    service(2000, (*found)->windowId, (*found)->componentId);
    components.erase(found);
}

LRESULT CALLBACK ProbeWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED && lParam != 0) {
        if (const ProbeComponent* component = ComponentOf(reinterpret_cast<HWND>(lParam))) {
            EventRecord record{component->windowId, component->componentId, 0, 0, {}, 0, 0};
            service(2008, Address(&record), 0);
        }
        return 0;
    }
    if (message == WM_COMMAND && lParam == 0) {
        // A menu command is the record index of the menu item.
        const ProbeComponent* form = ComponentOf(window);
        const uint32_t index = LOWORD(wParam);
        if (form != nullptr && form->windowTemplate != nullptr && index < form->windowTemplate->ComponentCount()) {
            EventRecord record{form->windowId, form->windowTemplate->ComponentIds()[index], 0, 0, {}, 0, 0};
            service(2008, Address(&record), 0);
        }
        return 0;
    }
    if (message == WM_NCDESTROY) {
        Ended(window);
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CALLBACK
ControlSubclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) noexcept {
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, ControlSubclass, kSubclassId);
        Ended(window);
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

ComponentObject* Keep(std::unique_ptr<ProbeComponent> component, const UnitCreateArgs& args, HWND window) {
    if (window == nullptr) {
        return nullptr;
    }
    component->window = window;
    component->windowId = args.windowId;
    component->componentId = args.componentId;
    component->windowTemplate = args.windowTemplate;
    ProbeComponent* kept = component.get();
    Components().push_back(std::move(component));
    return kept;
}

ComponentObject* CreateWindowUnit(const UnitCreateArgs& args) noexcept {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = ProbeWindowProcedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kWindowClass;
    RegisterClassA(&windowClass);
    auto component = std::make_unique<ProbeComponent>();
    const std::optional<WindowUnitProperties> properties =
        ReadWindowUnitProperties(std::span(args.properties, args.propertiesSize));
    component->caption = properties ? properties->caption : std::string();
    component->unitType = kUnitWindow;
    HWND window = CreateWindowExA(0, kWindowClass, component->caption.c_str(),
                                  WS_OVERLAPPEDWINDOW | (args.style & WS_DISABLED), args.left, args.top, args.width,
                                  args.height, args.parent, args.menu, GetModuleHandleA(nullptr), nullptr);
    return Keep(std::move(component), args, window);
}

ComponentObject* CreateControl(const UnitCreateArgs& args, const char* windowClass, uint32_t unitType) {
    auto component = std::make_unique<ProbeComponent>();
    const std::optional<PropertyList> properties = PropertyList::Parse(std::span(args.properties, args.propertiesSize));
    component->caption = properties ? std::string(properties->Text(unitType == kUnitLabel ? 0 : kButtonCaption)) : "";
    component->unitType = unitType;
    HWND window = CreateWindowExA(unitType == kUnitLabel ? WS_EX_CONTROLPARENT : 0, windowClass,
                                  component->caption.c_str(), WS_CHILD | args.style, args.left, args.top, args.width,
                                  args.height, args.parent, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (window != nullptr) {
        SetWindowSubclass(window, ControlSubclass, kSubclassId, 0);
    }
    return Keep(std::move(component), args, window);
}

ComponentObject* CreateButton(const UnitCreateArgs& args) noexcept {
    return CreateControl(args, "BUTTON", kUnitButton);
}

ComponentObject* CreateLabel(const UnitCreateArgs& args) noexcept {
    return CreateControl(args, "STATIC", kUnitLabel);
}

void ReturnPair(void* buffer, const void* data, size_t length) {
    const uint32_t words[2] = {Address(data), static_cast<uint32_t>(length)};
    std::memcpy(buffer, words, sizeof(words));
}

void ReadButton(ComponentObject* object, int32_t property, void* buffer) noexcept {
    auto* component = static_cast<ProbeComponent*>(object);
    const int32_t words[2] = {property == kFlag - 8 ? component->flag : component->count, 0};
    switch (property + 8) {
        case kCaption:
            ReturnPair(buffer, component->caption.c_str(), component->caption.size());
            return;
        case kFont:
            ReturnPair(buffer, component->hasFont ? &component->font : nullptr,
                       component->hasFont ? sizeof(LOGFONTA) : 0);
            return;
        default:
            std::memcpy(buffer, words, sizeof(words));
            return;
    }
}

int32_t WriteButton(ComponentObject* object, int32_t property, const void* value, int32_t) noexcept {
    auto* component = static_cast<ProbeComponent*>(object);
    switch (property + 8) {
        case kCaption:
            component->caption = *static_cast<const char* const*>(value);
            SetWindowTextA(component->window, component->caption.c_str());
            return 0;
        case kFlag:
            component->flag = *static_cast<const int32_t*>(value);
            return 0;
        case kFont: {
            const auto* bytes = static_cast<const UnitBytes*>(value);
            component->hasFont = bytes->length == sizeof(LOGFONTA);
            if (component->hasFont) {
                std::memcpy(&component->font, bytes->data, sizeof(LOGFONTA));
            }
            return 0;
        }
        case kCount:
            component->count = *static_cast<const int32_t*>(value);
            return 0;
        default:
            ++layoutRequests;
            return 1;
    }
}

UnitRoutine WindowInterface(int32_t code) noexcept {
    return code == kUnitCreate ? AsUnitRoutine(CreateWindowUnit) : nullptr;
}

UnitRoutine ButtonInterface(int32_t code) noexcept {
    switch (code) {
        case kUnitCreate:
            return AsUnitRoutine(CreateButton);
        case kUnitWriteProperty:
            return AsUnitRoutine(WriteButton);
        case kUnitReadProperty:
            return AsUnitRoutine(ReadButton);
        default:
            return nullptr;
    }
}

UnitRoutine LabelInterface(int32_t code) noexcept {
    return code == kUnitCreate ? AsUnitRoutine(CreateLabel) : nullptr;
}

constexpr UnitProperty kButtonProperties[] = {
    {"左边", "Left", "", 0, 0, 0},
    {"顶边", "Top", "", 0, 0, 0},
    {"宽度", "Width", "", 0, 0, 0},
    {"高度", "Height", "", 0, 0, 0},
    {"标记", "Tag", "", 0, 0, 0},
    {"可视", "Visible", "", 0, 0, 0},
    {"禁止", "Disabled", "", 0, 0, 0},
    {"鼠标指针", "MousePointer", "", 0, 0, 0},
    {"标题", "Caption", "", 1005, 0, 0},
    {"标志", "Flag", "", 1003, 0, 0},
    {"字体", "Font", "", 1013, 0, 0},
    {"数量", "Count", "", 1006, 0, 0},
    {"重排", "LayoutAgain", "", 1000, 0, 0},
};

constexpr uint32_t kEvents = kUnitRaisesEvents;

const UnitDescriptor kUnits[] = {
    {"窗口", "window", "", kEvents, 8, kButtonProperties, 0, nullptr, 0, nullptr, WindowInterface, 0, 0, 0},
    {},
    {"菜单", "MenuItem", "", kEvents, 0, nullptr, 0, nullptr, 0, nullptr, nullptr, 0, 0, 0},
    {},
    {},
    {},
    {},
    {},
    {},
    {"标签", "Label", "", kEvents, 8, kButtonProperties, 0, nullptr, 0, nullptr, LabelInterface, 0, 0, 0},
    {"按钮", "Button", "", kEvents, 13, kButtonProperties, 0, nullptr, 0, nullptr, ButtonInterface, 0, 0, 0},
};

int32_t NotifyProbeLibrary(int32_t code, uint32_t first, uint32_t) {
    if (code == kNotifyStartup) {
        service = reinterpret_cast<RuntimeServiceEntry>(static_cast<uintptr_t>(first));
    }
    return 0;
}

}  // namespace

const LibraryDescriptor kProbeLibrary = {
    kLibraryMagic, "F0F0F0F0F0F0F0F0F0F0F0F0F0F0F0F0", 1, 0, "forms probe", 11, kUnits, 0, nullptr, NotifyProbeLibrary,
};

int LayoutRequests() {
    return layoutRequests;
}

}  // namespace velmora::forms_probe
