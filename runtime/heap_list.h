// A growable list of plain values kept on the value heap, so that running out of memory is the
// run-time error like every other value allocation, not an exception.
#pragma once

#include <cstdint>
#include <cstring>
#include <type_traits>

#include "runtime/heap.h"

namespace velmora {

template <typename T>
class HeapList {
    static_assert(std::is_trivially_copyable_v<T>);

  public:
    HeapList() = default;
    HeapList(const HeapList&) = delete;
    HeapList& operator=(const HeapList&) = delete;
    ~HeapList() { Clear(); }

    void Append(const T& item) noexcept {
        if (count_ == capacity_) {
            capacity_ = capacity_ == 0 ? 8 : capacity_ * 2;
            items_ = static_cast<T*>(HeapReallocate(items_, capacity_ * static_cast<uint32_t>(sizeof(T))));
        }
        items_[count_++] = item;
    }

    void RemoveAt(uint32_t index) noexcept {
        std::memmove(items_ + index, items_ + index + 1, (count_ - index - 1) * sizeof(T));
        --count_;
    }

    void Clear() noexcept {
        HeapRelease(items_);
        items_ = nullptr;
        count_ = 0;
        capacity_ = 0;
    }

    uint32_t Count() const noexcept { return count_; }
    T& operator[](uint32_t index) noexcept { return items_[index]; }
    const T& operator[](uint32_t index) const noexcept { return items_[index]; }
    T* begin() noexcept { return items_; }
    T* end() noexcept { return items_ + count_; }

  private:
    T* items_ = nullptr;
    uint32_t count_ = 0;
    uint32_t capacity_ = 0;
};

}  // namespace velmora
