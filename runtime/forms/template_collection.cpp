#include "runtime/forms/template_collection.h"

#include <utility>

namespace velmora {

TemplateCollection::TemplateCollection(std::vector<uint32_t> windowIds, std::vector<WindowTemplate> templates) noexcept
    : ids_(std::move(windowIds)), templates_(std::move(templates)) {}

WindowTemplate* TemplateCollection::FindTemplate(uint32_t windowId) noexcept {
    for (size_t index = 0; index < ids_.size(); ++index) {
        if (ids_[index] == windowId) {
            return &templates_[index];
        }
    }
    return nullptr;
}

}  // namespace velmora
