// A bounds-checked little-endian cursor over template bytes: every read either succeeds or fails
// without touching memory outside the span.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace velmora {

class ByteReader {
  public:
    explicit ByteReader(std::span<const uint8_t> bytes) noexcept : bytes_(bytes) {}

    bool ReadWord(uint32_t& value) noexcept;
    bool ReadSigned(int32_t& value) noexcept;
    bool ReadBytes(size_t count, std::span<const uint8_t>& bytes) noexcept;
    // A 32-bit length followed by that many bytes.
    bool ReadBlock(std::span<const uint8_t>& bytes) noexcept;
    // Bytes up to a zero byte, which is consumed but not returned.
    bool ReadZeroTerminated(std::string_view& text) noexcept;
    bool Skip(size_t count) noexcept;

    size_t Position() const noexcept { return position_; }
    size_t Remaining() const noexcept { return bytes_.size() - position_; }

  private:
    std::span<const uint8_t> bytes_;
    size_t position_ = 0;
};

uint32_t LoadWord(const uint8_t* bytes) noexcept;
void StoreWord(uint8_t* bytes, uint32_t value) noexcept;

}  // namespace velmora
