// A block of memory inside another process, freed with VirtualFreeEx when its owner goes.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <utility>

namespace velmora {

class RemoteBuffer {
  public:
    RemoteBuffer() = default;
    // Read-write, never executable: the buffers only carry list-view records and texts.
    static RemoteBuffer Allocate(HANDLE process, size_t size) noexcept {
        void* address = VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
        return address ? RemoteBuffer(process, address, size) : RemoteBuffer();
    }

    RemoteBuffer(RemoteBuffer&& other) noexcept
        : process_(std::exchange(other.process_, nullptr)),
          address_(std::exchange(other.address_, nullptr)),
          size_(std::exchange(other.size_, 0)) {}
    RemoteBuffer& operator=(RemoteBuffer&& other) noexcept {
        if (this != &other) {
            Free();
            process_ = std::exchange(other.process_, nullptr);
            address_ = std::exchange(other.address_, nullptr);
            size_ = std::exchange(other.size_, 0);
        }
        return *this;
    }
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;
    ~RemoteBuffer() { Free(); }

    explicit operator bool() const noexcept { return address_ != nullptr; }
    void* get() const noexcept { return address_; }
    uint64_t address() const noexcept { return reinterpret_cast<uintptr_t>(address_); }
    size_t size() const noexcept { return size_; }
    // Gives the block up without freeing it: for memory the other process may still write into.
    void* release() noexcept {
        size_ = 0;
        return std::exchange(address_, nullptr);
    }

    // Whole transfers only: a short read or write is a failure.
    bool Write(const void* data, size_t size, size_t offset = 0) const noexcept {
        SIZE_T written = 0;
        return offset + size <= size_ &&
               WriteProcessMemory(process_, static_cast<char*>(address_) + offset, data, size, &written) &&
               written == size;
    }
    bool Read(void* data, size_t size, size_t offset = 0) const noexcept {
        SIZE_T read = 0;
        return offset + size <= size_ &&
               ReadProcessMemory(process_, static_cast<char*>(address_) + offset, data, size, &read) && read == size;
    }

  private:
    RemoteBuffer(HANDLE process, void* address, size_t size) : process_(process), address_(address), size_(size) {}
    void Free() noexcept {
        if (address_)
            VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
        address_ = nullptr;
        size_ = 0;
    }

    HANDLE process_ = nullptr;  // not owned: the buffer never outlives the process handle's owner
    void* address_ = nullptr;
    size_t size_ = 0;
};

}  // namespace velmora
