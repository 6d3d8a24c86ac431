// A binary file with a 32-bit read/write position, as the line commands see it. The Win32 file and
// the tests' in-memory files implement it.
#pragma once

#include <cstdint>

namespace velmora {

class FileStream {
  public:
    virtual ~FileStream() = default;

    // Each returns false on a file error.
    virtual bool Read(void* buffer, uint32_t size, uint32_t& read) noexcept = 0;
    virtual bool Write(const void* bytes, uint32_t size) noexcept = 0;
    virtual bool Position(uint32_t& position) noexcept = 0;
    virtual bool Seek(uint32_t position) noexcept = 0;
    virtual bool SeekToEnd() noexcept = 0;
};

}  // namespace velmora
