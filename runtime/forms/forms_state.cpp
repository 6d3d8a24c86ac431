#include "runtime/forms/forms_state.h"

#include <algorithm>
#include <new>

#include "runtime/forms/template_reader.h"
#include "runtime/runtime_service.h"

namespace velmora {

bool FormsState::Read(std::span<const uint8_t> data, uint32_t codeBase) noexcept {
    std::optional<TemplateCollection> collection = ReadTemplateData(data, codeBase);
    if (!collection) {
        return false;
    }
    try {
        instances_ = std::vector<WindowInstance>(collection->WindowCount());
        loadOrder_.reserve(collection->WindowCount());
    } catch (const std::bad_alloc&) {
        return false;
    }
    collection_ = std::move(collection);
    return true;
}

void FormsState::Free() noexcept {
    loadOrder_.clear();
    instances_.clear();
    collection_.reset();
}

WindowTemplate* FormsState::FindTemplate(uint32_t windowId) noexcept {
    return collection_ ? collection_->FindTemplate(windowId) : nullptr;
}

WindowInstance* FormsState::Instance(uint32_t windowId) noexcept {
    if (!collection_) {
        return nullptr;
    }
    const std::span<const uint32_t> ids = collection_->WindowIds();
    const auto found = std::find(ids.begin(), ids.end(), windowId);
    if (found == ids.end()) {
        return nullptr;
    }
    return &instances_[static_cast<size_t>(found - ids.begin())];
}

// The list has room for every window (reserved when the templates were read), so adding never allocates.
bool FormsState::AddLoaded(uint32_t windowId) noexcept {
    RemoveLoaded(windowId);
    if (loadOrder_.size() == loadOrder_.capacity()) {
        return false;
    }
    loadOrder_.push_back(windowId);
    return true;
}

void FormsState::RemoveLoaded(uint32_t windowId) noexcept {
    loadOrder_.erase(std::remove(loadOrder_.begin(), loadOrder_.end(), windowId), loadOrder_.end());
}

FormsState& Forms() noexcept {
    static FormsState state;
    return state;
}

ComponentObject* LiveObject(const ComponentRecord& record) noexcept {
    ComponentObject* object = record.ObjectAs<ComponentObject>();
    return object != nullptr && IsWindow(object->window) ? object : nullptr;
}

HWND LiveWindow(const ComponentRecord& record) noexcept {
    const ComponentObject* object = LiveObject(record);
    return object != nullptr ? object->window : nullptr;
}

ComponentObject* WindowObject(WindowTemplate& window) noexcept {
    return window.ComponentCount() == 0 ? nullptr : LiveObject(window.Record(0));
}

const UnitDescriptor* FindUnitDescriptor(uint32_t unitType) noexcept {
    return reinterpret_cast<const UnitDescriptor*>(static_cast<uintptr_t>(RuntimeService(1002, unitType, 0)));
}

UnitRoutine FindUnitRoutine(uint32_t unitType, int32_t code) noexcept {
    const UnitDescriptor* unit = FindUnitDescriptor(unitType);
    if (unit == nullptr || unit->interfaceRoutine == nullptr) {
        return nullptr;
    }
    return unit->interfaceRoutine(code);
}

}  // namespace velmora
