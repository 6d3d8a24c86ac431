#include "runtime/forms/property_values.h"

#include "runtime/forms/byte_reader.h"

namespace velmora {

const char* TextOf(uint32_t low) noexcept {
    const auto* text = reinterpret_cast<const char*>(static_cast<uintptr_t>(low));
    return text != nullptr ? text : "";
}

std::span<const uint8_t> ByteStringOf(uint32_t low) noexcept {
    const auto* block = reinterpret_cast<const uint8_t*>(static_cast<uintptr_t>(low));
    if (block == nullptr) {
        return {};
    }
    return std::span(block + 8, LoadWord(block + 4));
}

uint32_t PointerValue(const void* pointer) noexcept {
    return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(pointer));
}

}  // namespace velmora
