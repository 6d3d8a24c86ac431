#include "runtime/forms/byte_reader.h"

#include <cstring>

namespace velmora {

uint32_t LoadWord(const uint8_t* bytes) noexcept {
    return static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
           static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24;
}

void StoreWord(uint8_t* bytes, uint32_t value) noexcept {
    bytes[0] = static_cast<uint8_t>(value);
    bytes[1] = static_cast<uint8_t>(value >> 8);
    bytes[2] = static_cast<uint8_t>(value >> 16);
    bytes[3] = static_cast<uint8_t>(value >> 24);
}

bool ByteReader::ReadWord(uint32_t& value) noexcept {
    if (Remaining() < 4) {
        return false;
    }
    value = LoadWord(bytes_.data() + position_);
    position_ += 4;
    return true;
}

bool ByteReader::ReadSigned(int32_t& value) noexcept {
    uint32_t word = 0;
    if (!ReadWord(word)) {
        return false;
    }
    value = static_cast<int32_t>(word);
    return true;
}

bool ByteReader::ReadBytes(size_t count, std::span<const uint8_t>& bytes) noexcept {
    if (Remaining() < count) {
        return false;
    }
    bytes = bytes_.subspan(position_, count);
    position_ += count;
    return true;
}

bool ByteReader::ReadBlock(std::span<const uint8_t>& bytes) noexcept {
    const size_t start = position_;
    uint32_t length = 0;
    if (!ReadWord(length) || !ReadBytes(length, bytes)) {
        position_ = start;
        return false;
    }
    return true;
}

bool ByteReader::ReadZeroTerminated(std::string_view& text) noexcept {
    if (Remaining() == 0) {
        return false;
    }
    const uint8_t* start = bytes_.data() + position_;
    const void* end = std::memchr(start, 0, Remaining());
    if (end == nullptr) {
        return false;
    }
    const size_t length = static_cast<size_t>(static_cast<const uint8_t*>(end) - start);
    text = std::string_view(reinterpret_cast<const char*>(start), length);
    position_ += length + 1;
    return true;
}

bool ByteReader::Skip(size_t count) noexcept {
    if (Remaining() < count) {
        return false;
    }
    position_ += count;
    return true;
}

}  // namespace velmora
