#include <cstring>

#include "runtime/array_block.h"
#include "runtime/heap.h"

namespace velmora {

char* NewText(const char* text) noexcept {
    if (text == nullptr) {
        return nullptr;
    }
    return NewText(text, static_cast<int32_t>(std::strlen(text)));
}

char* NewText(const char* bytes, int32_t length) noexcept {
    if (bytes == nullptr || length <= 0) {
        return nullptr;
    }
    auto* text = static_cast<char*>(HeapAllocate(static_cast<uint32_t>(length) + 1));
    std::memcpy(text, bytes, static_cast<size_t>(length));
    text[length] = '\0';
    return text;
}

uint8_t* NewBytes(const void* bytes, int32_t length) noexcept {
    if (length <= 0) {
        return nullptr;
    }
    auto* block = static_cast<uint8_t*>(NewArrayBlock(static_cast<uint32_t>(length), 1));
    if (bytes != nullptr) {
        std::memcpy(ArrayElements(block), bytes, static_cast<size_t>(length));
    }
    return block;
}

}  // namespace velmora
