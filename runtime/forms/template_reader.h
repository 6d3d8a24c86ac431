// Reads the window template data embedded in the program into the template collection.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "runtime/forms/template_collection.h"

namespace velmora {

// Every event binding is relocated by codeBase. nullopt for data that is malformed, truncated or
// longer than its content, and when memory runs out; nothing outside `data` is ever read.
std::optional<TemplateCollection> ReadTemplateData(std::span<const uint8_t> data, uint32_t codeBase) noexcept;

}  // namespace velmora
