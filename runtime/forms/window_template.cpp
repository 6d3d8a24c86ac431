#include "runtime/forms/window_template.h"

#include <new>
#include <utility>

#include "runtime/forms/identifiers.h"

namespace velmora {

WindowTemplate::WindowTemplate(uint32_t id,
                               uint32_t firstWord,
                               uint32_t secondWord,
                               std::string firstText,
                               std::string secondText,
                               std::vector<uint32_t> componentIds,
                               std::vector<ComponentRecord> records) noexcept
    : id_(id),
      firstWord_(firstWord),
      secondWord_(secondWord),
      firstText_(std::move(firstText)),
      secondText_(std::move(secondText)),
      ids_(std::move(componentIds)),
      records_(std::move(records)) {}

ComponentRecord* WindowTemplate::FindComponent(uint32_t componentId) noexcept {
    if (componentId == 0) {
        return records_.empty() ? nullptr : &records_[0];
    }
    for (size_t index = 0; index < ids_.size(); ++index) {
        if (ids_[index] == componentId) {
            return &records_[index];
        }
    }
    return nullptr;
}

bool WindowTemplate::HasMenuItems() const noexcept {
    for (const ComponentRecord& record : records_) {
        if (record.IsMenuItem()) {
            return true;
        }
    }
    return false;
}

bool WindowTemplate::TakePristineCopy() noexcept {
    if (hasPristineCopy_) {
        return true;
    }
    try {
        pristine_ = records_;
    } catch (const std::bad_alloc&) {
        return false;
    }
    hasPristineCopy_ = true;
    return true;
}

void WindowTemplate::RestorePristineCopy() noexcept {
    if (!hasPristineCopy_) {
        return;
    }
    // Element by element, so that pointers to records stay valid.
    for (size_t index = 0; index < records_.size(); ++index) {
        records_[index] = std::move(pristine_[index]);
    }
    pristine_.clear();
    hasPristineCopy_ = false;
}

}  // namespace velmora
