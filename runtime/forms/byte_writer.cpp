#include "runtime/forms/byte_writer.h"

#include "runtime/forms/byte_reader.h"

namespace velmora {

void ByteWriter::Word(uint32_t value) {
    const size_t at = bytes_.size();
    bytes_.resize(at + 4);
    StoreWord(bytes_.data() + at, value);
}

void ByteWriter::Bytes(std::span<const uint8_t> bytes) {
    bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
}

void ByteWriter::Block(std::span<const uint8_t> bytes) {
    Word(static_cast<uint32_t>(bytes.size()));
    Bytes(bytes);
}

void ByteWriter::Text(std::string_view text) {
    Block(std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

void ByteWriter::ZeroTerminated(std::string_view text) {
    text = text.substr(0, text.find('\0'));
    Bytes(std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
    bytes_.push_back(0);
}

void ByteWriter::PatchWord(size_t position, uint32_t value) {
    StoreWord(bytes_.data() + position, value);
}

}  // namespace velmora
