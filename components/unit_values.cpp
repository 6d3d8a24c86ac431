#include "components/unit_values.h"

#include <cstring>

namespace velmora {
namespace {

void ReturnPair(void* buffer, const void* address, size_t length) noexcept {
    const uint32_t words[2] = {static_cast<uint32_t>(reinterpret_cast<uintptr_t>(address)),
                               static_cast<uint32_t>(length)};
    std::memcpy(buffer, words, sizeof(words));
}

}  // namespace

std::span<const uint8_t> BytesArgument(const void* value) noexcept {
    if (value == nullptr) {
        return {};
    }
    uint32_t words[2];
    std::memcpy(words, value, sizeof(words));
    const auto* bytes = reinterpret_cast<const uint8_t*>(static_cast<uintptr_t>(words[0]));
    return bytes == nullptr ? std::span<const uint8_t>() : std::span<const uint8_t>(bytes, words[1]);
}

void ReturnInteger(void* buffer, int32_t value) noexcept {
    const int64_t wide = value;
    std::memcpy(buffer, &wide, sizeof(wide));
}

void ReturnNothing(void* buffer) noexcept {
    std::memset(buffer, 0, 8);
}

void ReturnText(void* buffer, const std::string& text) noexcept {
    ReturnPair(buffer, text.c_str(), text.size());
}

void ReturnBytes(void* buffer, const std::vector<uint8_t>& bytes) noexcept {
    ReturnPair(buffer, bytes.empty() ? nullptr : bytes.data(), bytes.size());
}

}  // namespace velmora
