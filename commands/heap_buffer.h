// A growable byte buffer in the value heap, freed when it goes out of scope.
#pragma once

#include <cstdint>

namespace velmora {

class HeapBuffer {
  public:
    HeapBuffer() noexcept = default;
    ~HeapBuffer();
    HeapBuffer(HeapBuffer&& other) noexcept;
    HeapBuffer& operator=(HeapBuffer&& other) noexcept;
    HeapBuffer(const HeapBuffer&) = delete;
    HeapBuffer& operator=(const HeapBuffer&) = delete;

    void Append(const void* bytes, uint32_t count) noexcept;
    // Adds count uninitialised bytes at the end and returns where they start.
    char* Grow(uint32_t count) noexcept;
    void DropLast() noexcept { --size_; }

    const char* get() const noexcept { return data_; }
    char* get() noexcept { return data_; }
    uint32_t size() const noexcept { return size_; }

  private:
    char* data_ = nullptr;
    uint32_t size_ = 0;
    uint32_t capacity_ = 0;
};

}  // namespace velmora
