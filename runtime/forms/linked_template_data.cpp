#include "runtime/forms/linked_template_data.h"

#include <new>

namespace velmora {

LinkedTemplateData::LinkedTemplateData(const CompiledForm& form, const void* codeBase) noexcept {
    if (LinkCompiledForm(form, static_cast<uint32_t>(reinterpret_cast<uintptr_t>(codeBase)), data_)) {
        return;
    }
    // One byte is shorter than any window map.
    try {
        data_.assign(1, 0);
    } catch (const std::bad_alloc&) {
        data_.clear();
    }
}

}  // namespace velmora
