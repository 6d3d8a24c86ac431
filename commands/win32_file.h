// An open disk file of the file commands: a Win32 file handle with a 32-bit position.
#pragma once

#include <utility>

#include "commands/file_stream.h"
#include "commands/kernel_handle.h"

namespace velmora {

class Win32File final : public FileStream {
  public:
    explicit Win32File(KernelHandle handle) noexcept : handle_(std::move(handle)) {}

    bool Read(void* buffer, uint32_t size, uint32_t& read) noexcept override;
    bool Write(const void* bytes, uint32_t size) noexcept override;
    bool Position(uint32_t& position) noexcept override;
    bool Seek(uint32_t position) noexcept override;
    bool SeekToEnd() noexcept override;
    // Through to the disk.
    bool Flush() noexcept;

  private:
    bool MovePointer(LONG distance, DWORD method, uint32_t* position) noexcept;

    KernelHandle handle_;
};

}  // namespace velmora
