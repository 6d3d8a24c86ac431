#include "app/texts.h"

#include <cstring>
#include <limits>

#include "runtime/heap.h"
#include "runtime/numeric_conversion.h"

#include <bit>

namespace velmora {
namespace {

const char* OrEmpty(const char* text) {
    return text == nullptr ? "" : text;
}

}  // namespace

int32_t CompareTexts(const char* left, const char* right) noexcept {
    return std::strcmp(OrEmpty(left), OrEmpty(right));
}

bool TextsEqual(const char* left, const char* right) noexcept {
    return CompareTexts(left, right) == 0;
}

char* ConcatTexts(std::initializer_list<const char*> texts) noexcept {
    size_t length = 0;
    for (const char* text : texts) {
        length += std::strlen(OrEmpty(text));
    }
    if (length == 0) {
        return nullptr;
    }
    auto* joined = static_cast<char*>(HeapAllocate(static_cast<uint32_t>(length + 1)));
    char* end = joined;
    for (const char* text : texts) {
        const size_t part = std::strlen(OrEmpty(text));
        std::memcpy(end, OrEmpty(text), part);
        end += part;
    }
    *end = '\0';
    return joined;
}

int32_t TruncateToInteger(double value) noexcept {
    const auto bits = std::bit_cast<uint64_t>(value);
    return NumericValueToInteger(
        ValueRecord{static_cast<uint32_t>(bits), static_cast<uint32_t>(bits >> 32), kTypeDouble});
}

std::optional<int32_t> ParseStrictInteger(std::string_view text) noexcept {
    const bool negative = !text.empty() && text.front() == '-';
    if (negative)
        text.remove_prefix(1);
    if (text.empty() || text.size() > 10)
        return std::nullopt;
    int64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    value = negative ? -value : value;
    if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max())
        return std::nullopt;
    return static_cast<int32_t>(value);
}

}  // namespace velmora
