#include "runtime/forms/window_services.h"

#include <windows.h>

#include "runtime/application.h"
#include "runtime/event_record.h"
#include "runtime/forms/component_cursor.h"
#include "runtime/forms/event_dispatch.h"
#include "runtime/forms/forms_state.h"
#include "runtime/forms/identifiers.h"
#include "runtime/forms/property_values.h"
#include "runtime/forms/window_loader.h"
#include "runtime/message_loop.h"
#include "runtime/runtime_error.h"

namespace velmora {
namespace {

template <typename T>
T* As(uint32_t value) {
    return reinterpret_cast<T*>(static_cast<uintptr_t>(value));
}

struct LoadRequest {
    uint32_t windowId;
    uint32_t ownerObject;
    uint32_t modal;
};

void DestroyCursorOf(ComponentRecord& record) {
    ReleaseCursor(reinterpret_cast<HCURSOR>(static_cast<uintptr_t>(record.CursorSlot())));
    record.SetCursorSlot(0);
}

// Service 2000. Components go before their window (Windows ends children first), so by the time the
// window is gone every object slot of it is clear and its records can take the template's values again.
void Destroyed(uint32_t windowId, uint32_t componentId) {
    if (App().ending) {
        return;
    }
    WindowTemplate* window = Forms().FindTemplate(windowId);
    if (window == nullptr) {
        return;
    }
    if (componentId != 0) {
        if (ComponentRecord* record = window->FindComponent(componentId); record != nullptr && !record->IsMenuItem()) {
            DestroyCursorOf(*record);
            record->SetObjectSlot(0);
        }
        return;
    }
    for (uint32_t index = 0; index < window->ComponentCount(); ++index) {
        DestroyCursorOf(window->Record(index));
        window->Record(index).SetObjectSlot(0);
    }
    if (WindowInstance* instance = Forms().Instance(windowId)) {
        instance->accelerators.reset();
        EndModalState(*instance);
        instance->loaded = false;
    }
    window->RestorePristineCopy();
    Forms().RemoveLoaded(windowId);
    if (NestedMessageLoopWaitsFor(windowId)) {
        ReleaseNestedMessageLoop();
    }
    QuitWhenNoWindowIsLeft();
}

ComponentObject* FindObject(uint32_t windowId, uint32_t componentId) {
    WindowTemplate* window = Forms().FindTemplate(windowId);
    ComponentRecord* record = window != nullptr ? window->FindComponent(componentId) : nullptr;
    return record != nullptr ? LiveObject(*record) : nullptr;
}

int32_t LoadedWindowHandle(uint32_t index) {
    const std::span<const uint32_t> loaded = Forms().LoadOrder();
    if (index >= loaded.size()) {
        return 0;
    }
    WindowTemplate* window = Forms().FindTemplate(loaded[index]);
    ComponentObject* object = window != nullptr ? WindowObject(*window) : nullptr;
    return object != nullptr ? static_cast<int32_t>(PointerValue(object->window)) : 0;
}

}  // namespace

bool LoadAndShowWindow(uint32_t windowId, bool modal, void* ownerObject) noexcept {
    WindowTemplate* window = Forms().FindTemplate(windowId);
    if (window == nullptr) {
        return false;
    }
    const auto* owner = static_cast<const ComponentObject*>(ownerObject);
    if (!LoadWindow(*window, modal, owner != nullptr ? owner->window : nullptr)) {
        return false;
    }
    ComponentObject* object = WindowObject(*window);
    if (object != nullptr && (window->Record(0).StateFlags() & kStateVisible) != 0 &&
        !IsWindowVisible(object->window)) {
        ShowWindow(object->window, SW_SHOW);
    }
    return true;
}

int32_t WindowService(int32_t code, uint32_t first, uint32_t second) noexcept {
    switch (code) {
        case 1001:
            return static_cast<int32_t>(PointerValue(Forms().Collection()));
        case 2000:
            Destroyed(first, second);
            return 0;
        case 2005: {
            const auto* request = As<const LoadRequest>(first);
            if (request != nullptr) {
                LoadAndShowWindow(request->windowId, request->modal != 0, As<void>(request->ownerObject));
            }
            return 0;
        }
        case 2006:
            return static_cast<int32_t>(PointerValue(FindObject(first, second)));
        case 2007: {
            ComponentObject* object = FindObject(first, second);
            if (object == nullptr) {
                ReportRuntimeError("指定窗口或窗口组件不存在或尚未载入", 0, first, second);
            }
            return static_cast<int32_t>(PointerValue(object));
        }
        case 2008:
            return RaiseEvent(*As<EventRecord>(first));
        case 2017:
            return CopyEventSource(As<uint32_t>(first));
        case 2031:
            return RaiseTypedEvent(*As<TypedEventRecord>(first));
        case 2032:
            return static_cast<int32_t>(Forms().LoadOrder().size());
        case 2033:
            return LoadedWindowHandle(first);
        default:
            return 0;
    }
}

}  // namespace velmora
