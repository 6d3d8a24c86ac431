// One owned block of the value heap: a text, a byte string, an array block or a record.
#pragma once

#include <utility>

#include "runtime/heap.h"

namespace velmora {

template <typename T>
class HeapBlock {
  public:
    HeapBlock() = default;
    explicit HeapBlock(T* block) : block_(block) {}
    HeapBlock(const HeapBlock&) = delete;
    HeapBlock& operator=(const HeapBlock&) = delete;
    HeapBlock(HeapBlock&& other) noexcept : block_(other.release()) {}
    HeapBlock& operator=(HeapBlock&& other) noexcept {
        if (this != &other) {
            reset(other.release());
        }
        return *this;
    }
    ~HeapBlock() { reset(nullptr); }

    T* get() const noexcept { return block_; }
    T* release() noexcept { return std::exchange(block_, nullptr); }
    void reset(T* block) noexcept {
        if (block == block_) {
            return;
        }
        HeapRelease(block_);
        block_ = block;
    }
    T* operator->() const noexcept { return block_; }
    explicit operator bool() const noexcept { return block_ != nullptr; }

  private:
    T* block_ = nullptr;
};

// A text: null is the empty text.
using Text = HeapBlock<char>;

}  // namespace velmora
