#include "commands/heap_buffer.h"

#include <cstring>
#include <utility>

#include "runtime/heap.h"

namespace velmora {

HeapBuffer::~HeapBuffer() {
    HeapRelease(data_);
}

HeapBuffer::HeapBuffer(HeapBuffer&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)),
      size_(std::exchange(other.size_, 0)),
      capacity_(std::exchange(other.capacity_, 0)) {}

HeapBuffer& HeapBuffer::operator=(HeapBuffer&& other) noexcept {
    if (this != &other) {
        HeapRelease(data_);
        data_ = std::exchange(other.data_, nullptr);
        size_ = std::exchange(other.size_, 0);
        capacity_ = std::exchange(other.capacity_, 0);
    }
    return *this;
}

void HeapBuffer::Append(const void* bytes, uint32_t count) noexcept {
    if (count > 0) {
        std::memcpy(Grow(count), bytes, count);
    }
}

char* HeapBuffer::Grow(uint32_t count) noexcept {
    if (capacity_ - size_ < count) {
        uint32_t capacity = capacity_ < 64 ? 64 : capacity_;
        while (capacity - size_ < count) {
            capacity *= 2;
        }
        data_ = static_cast<char*>(HeapReallocate(data_, capacity));
        capacity_ = capacity;
    }
    char* added = data_ + size_;
    size_ += count;
    return added;
}

}  // namespace velmora
