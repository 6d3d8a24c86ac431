#include "runtime/forms/forms_window_engine.h"

#include <windows.h>

#include <span>

#include "runtime/forms/event_dispatch.h"
#include "runtime/forms/forms_state.h"
#include "runtime/forms/pre_translation.h"
#include "runtime/forms/property_access.h"
#include "runtime/forms/window_services.h"

namespace velmora {
namespace {

bool ReadTemplates(const void* data, uint32_t size, const void* codeBase) noexcept {
    if (data == nullptr) {
        return false;
    }
    return Forms().Read(std::span(static_cast<const uint8_t*>(data), size),
                        static_cast<uint32_t>(reinterpret_cast<uintptr_t>(codeBase)));
}

void FreeTemplates() noexcept {
    Forms().Free();
}

bool LoadStartupWindow(uint32_t windowId) noexcept {
    return LoadAndShowWindow(windowId, false, nullptr);
}

bool AnyLoadedWindowAlive() noexcept {
    TemplateCollection* collection = Forms().Collection();
    if (collection == nullptr) {
        return false;
    }
    for (uint32_t index = 0; index < collection->WindowCount(); ++index) {
        if (WindowObject(collection->Window(index)) != nullptr) {
            return true;
        }
    }
    return false;
}

RecordTags FindRecordTags(uint32_t windowId, uint32_t componentId) noexcept {
    WindowTemplate* window = Forms().FindTemplate(windowId);
    if (window == nullptr || window->ComponentCount() == 0) {
        return {false, "", false, ""};
    }
    const ComponentRecord* component = window->FindComponent(componentId);
    const bool componentFound = component != nullptr && !component->IsMenuItem();
    return {true, window->Record(0).Tag(), componentFound, componentFound ? component->Tag() : ""};
}

}  // namespace

const WindowEngine kFormsWindowEngine = {
    ReadTemplates,     FreeTemplates,      LoadStartupWindow,       AnyLoadedWindowAlive, WindowService,
    StartIdlePeriod,   RaiseIdleEvents,    PreTranslateFormMessage, FindRecordTags,       ReadFormProperty,
    WriteFormProperty, ReadObjectProperty, WriteObjectProperty,
};

}  // namespace velmora
