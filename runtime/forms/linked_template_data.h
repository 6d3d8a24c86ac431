// The template data a program names in its header, linked from its compiled form when the program's
// static data is initialised (before any code of the runtime runs).
#pragma once

#include <cstdint>
#include <vector>

#include "runtime/forms/compiled_form.h"

namespace velmora {

class LinkedTemplateData {
  public:
    // codeBase: the program header's code base. A form that cannot be linked gives data that no
    // reader accepts, so the start-up reports unreadable template data.
    LinkedTemplateData(const CompiledForm& form, const void* codeBase) noexcept;

    const void* Data() const noexcept { return data_.data(); }
    uint32_t Size() const noexcept { return static_cast<uint32_t>(data_.size()); }

  private:
    std::vector<uint8_t> data_;
};

}  // namespace velmora
