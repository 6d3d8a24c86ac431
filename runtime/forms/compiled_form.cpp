#include "runtime/forms/compiled_form.h"

#include <new>

#include "runtime/forms/byte_reader.h"
#include "runtime/forms/identifiers.h"

namespace velmora {

bool LinkCompiledForm(const CompiledForm& form, uint32_t codeBase, std::vector<uint8_t>& data) noexcept {
    try {
        data.assign(form.bytes.begin(), form.bytes.end());
    } catch (const std::bad_alloc&) {
        return false;
    }
    for (const uint32_t site : form.routineSites) {
        if (site > data.size() || data.size() - site < 4) {
            return false;
        }
        const uint32_t number = LoadWord(data.data() + site);
        if (number >= form.routines.size()) {
            return false;
        }
        // Addresses are 32-bit in the product; offsets wrap like the relocation that undoes them.
        const auto address = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(form.routines[number]));
        const uint32_t offset = address - codeBase;
        if (offset == static_cast<uint32_t>(kNoRoutine)) {
            return false;
        }
        StoreWord(data.data() + site, offset);
    }
    return true;
}

}  // namespace velmora
