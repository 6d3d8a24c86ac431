// Appends little-endian template fields to a byte vector.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace velmora {

class ByteWriter {
  public:
    void Word(uint32_t value);
    void Signed(int32_t value) { Word(static_cast<uint32_t>(value)); }
    void Bytes(std::span<const uint8_t> bytes);
    // A 32-bit length followed by the bytes.
    void Block(std::span<const uint8_t> bytes);
    void Text(std::string_view text);
    void ZeroTerminated(std::string_view text);
    void PatchWord(size_t position, uint32_t value);

    size_t Size() const { return bytes_.size(); }
    std::vector<uint8_t>& Result() { return bytes_; }

  private:
    std::vector<uint8_t> bytes_;
};

}  // namespace velmora
