#include "commands/wide_text.h"

#include "runtime/heap.h"

namespace velmora {

WideText::WideText(const char* text) noexcept {
    if (text != nullptr && *text != '\0') {
        const int count = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
        if (count > 0) {
            auto* units = reinterpret_cast<wchar_t*>(units_.Grow(static_cast<uint32_t>(count) * sizeof(wchar_t)));
            if (MultiByteToWideChar(CP_ACP, 0, text, -1, units, count) == 0) {
                units_ = HeapBuffer{};
            }
        }
    }
    if (units_.size() == 0) {
        const wchar_t none = L'\0';
        units_.Append(&none, sizeof none);
    }
}

wchar_t* WideText::get() noexcept {
    return reinterpret_cast<wchar_t*>(units_.get());
}

char* NarrowText(const wchar_t* text, int length) noexcept {
    if (text == nullptr || length <= 0) {
        return nullptr;
    }
    const int size = WideCharToMultiByte(CP_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
    if (size <= 0) {
        return nullptr;
    }
    auto* narrow = static_cast<char*>(HeapAllocate(static_cast<uint32_t>(size) + 1));
    WideCharToMultiByte(CP_ACP, 0, text, length, narrow, size, nullptr, nullptr);
    narrow[size] = '\0';
    return narrow;
}

}  // namespace velmora
