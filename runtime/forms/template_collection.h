// Every window template of the program, kept as an array of window ids beside an array of templates.
// Read once at start-up and never changed in shape until the program ends.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "runtime/forms/window_template.h"

namespace velmora {

class TemplateCollection {
  public:
    TemplateCollection() noexcept = default;
    TemplateCollection(std::vector<uint32_t> windowIds, std::vector<WindowTemplate> templates) noexcept;

    uint32_t WindowCount() const noexcept { return static_cast<uint32_t>(ids_.size()); }
    std::span<const uint32_t> WindowIds() const noexcept { return ids_; }
    WindowTemplate& Window(uint32_t index) noexcept { return templates_[index]; }
    // Null when no window has this id.
    WindowTemplate* FindTemplate(uint32_t windowId) noexcept;

  private:
    std::vector<uint32_t> ids_;
    std::vector<WindowTemplate> templates_;
};

}  // namespace velmora
