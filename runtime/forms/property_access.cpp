#include "runtime/forms/property_access.h"

#include "runtime/forms/common_properties.h"
#include "runtime/forms/forms_state.h"
#include "runtime/forms/menu_item_properties.h"
#include "runtime/forms/unit_property_access.h"
#include "runtime/forms/window_loader.h"
#include "runtime/runtime_error.h"
#include "runtime/runtime_service.h"

namespace velmora {
namespace {

constexpr char kWindowNotLoaded[] = "未载入欲访问窗口组件所在的窗口";
constexpr char kReadNotLoaded[] = "读取组件属性时发现指定窗口尚未载入";
constexpr char kWriteNotLoaded[] = "修改组件属性时发现指定窗口尚未载入";

struct Target {
    WindowTemplate& window;
    ComponentRecord& record;
};

// An unknown component is reported like its window: the report's location line names which is missing.
Target FindTarget(uint32_t windowId, uint32_t componentId) {
    WindowTemplate* window = Forms().FindTemplate(windowId);
    ComponentRecord* record = window != nullptr ? window->FindComponent(componentId) : nullptr;
    if (record == nullptr) {
        ReportRuntimeError(kWindowNotLoaded, 0, windowId, componentId);
    }
    return {*window, *record};
}

// The unit's control may have been made anew; it goes back into its container and z-order.
void LayOutAgain(uint32_t windowId) {
    WindowTemplate* window = Forms().FindTemplate(windowId);
    if (window == nullptr || WindowObject(*window) == nullptr) {
        return;
    }
    RuntimeService(2009, 0, 0);
    PlaceComponents(*window);
    RuntimeService(2010, 0, 0);
}

ComponentObject* LiveOrReport(void* object, const char* message) {
    auto* component = static_cast<ComponentObject*>(object);
    if (component == nullptr) {
        ReportRuntimeError(message, 0, 0, 0);
    }
    if (!IsWindow(component->window)) {
        ReportRuntimeError(message, 0, component->windowId, component->componentId);
    }
    return component;
}

}  // namespace

uint64_t ReadFormProperty(uint32_t windowId, uint32_t componentId, int32_t number, int32_t element) noexcept {
    const Target target = FindTarget(windowId, componentId);
    if (target.record.IsMenuItem()) {
        return ReadMenuItemProperty(target.record, number);
    }
    if (number < kFirstUnitProperty) {
        return ReadCommonProperty(target.record, number);
    }
    ComponentObject* object = LiveObject(target.record);
    if (object == nullptr) {
        ReportRuntimeError(kReadNotLoaded, 0, windowId, componentId);
    }
    return ReadUnitValue(*object, target.record.UnitType(), number, element);
}

void WriteFormProperty(uint32_t windowId,
                       uint32_t componentId,
                       int32_t number,
                       int32_t element,
                       uint32_t low,
                       uint32_t high) noexcept {
    const Target target = FindTarget(windowId, componentId);
    if (target.record.IsMenuItem()) {
        WriteMenuItemProperty(target.window, target.record, number, low);
        return;
    }
    if (number < kFirstUnitProperty) {
        WriteCommonProperty(target.record, number, low);
        return;
    }
    ComponentObject* object = LiveObject(target.record);
    if (object == nullptr) {
        ReportRuntimeError(kWriteNotLoaded, 0, windowId, componentId);
    }
    if (WriteUnitValue(*object, target.record.UnitType(), number, element, low, high)) {
        LayOutAgain(windowId);
    }
}

uint64_t ReadObjectProperty(uint32_t unitType, void* object, int32_t number, int32_t element) noexcept {
    ComponentObject* component = LiveOrReport(object, kReadNotLoaded);
    if (number < kFirstUnitProperty) {
        return ReadFormProperty(component->windowId, component->componentId, number, element);
    }
    return ReadUnitValue(*component, unitType, number, element);
}

void WriteObjectProperty(uint32_t unitType,
                         void* object,
                         int32_t number,
                         int32_t element,
                         uint32_t low,
                         uint32_t high) noexcept {
    ComponentObject* component = LiveOrReport(object, kWriteNotLoaded);
    if (number < kFirstUnitProperty) {
        WriteFormProperty(component->windowId, component->componentId, number, element, low, high);
        return;
    }
    if (WriteUnitValue(*component, unitType, number, element, low, high)) {
        LayOutAgain(component->windowId);
    }
}

}  // namespace velmora
