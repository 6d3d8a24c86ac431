// The in-memory template of one window: its kept words and texts and its component map (an array of
// component ids beside an array of records, record 0 being the window's own), plus the pristine copy
// that makes every load of the window start from the template's values.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "runtime/forms/component_record.h"

namespace velmora {

class WindowTemplate {
  public:
    WindowTemplate(uint32_t id,
                   uint32_t firstWord,
                   uint32_t secondWord,
                   std::string firstText,
                   std::string secondText,
                   std::vector<uint32_t> componentIds,
                   std::vector<ComponentRecord> records) noexcept;

    uint32_t Id() const noexcept { return id_; }
    uint32_t FirstWord() const noexcept { return firstWord_; }
    uint32_t SecondWord() const noexcept { return secondWord_; }
    const std::string& FirstText() const noexcept { return firstText_; }
    const std::string& SecondText() const noexcept { return secondText_; }

    // Records in template order: the creation order and so the tab order.
    uint32_t ComponentCount() const noexcept { return static_cast<uint32_t>(ids_.size()); }
    std::span<const uint32_t> ComponentIds() const noexcept { return ids_; }
    ComponentRecord& Record(uint32_t index) noexcept { return records_[index]; }
    const ComponentRecord& Record(uint32_t index) const noexcept { return records_[index]; }
    // Component id 0 names the window's own record; null when the id is unknown.
    ComponentRecord* FindComponent(uint32_t componentId) noexcept;
    bool HasMenuItems() const noexcept;

    // Taken when the window is loaded. A copy that was not restored yet is kept, as it is the older one.
    // False when memory runs out.
    bool TakePristineCopy() noexcept;
    // When the window is destroyed: run-time changes are dropped and the copy is used up.
    void RestorePristineCopy() noexcept;
    bool HasPristineCopy() const noexcept { return hasPristineCopy_; }

  private:
    uint32_t id_;
    uint32_t firstWord_;
    uint32_t secondWord_;
    std::string firstText_;
    std::string secondText_;
    std::vector<uint32_t> ids_;
    std::vector<ComponentRecord> records_;
    std::vector<ComponentRecord> pristine_;
    bool hasPristineCopy_ = false;
};

}  // namespace velmora
