#include <algorithm>
#include <cstring>

#include "commands/command_values.h"
#include "commands/gbk.h"
#include "commands/text_commands.h"
#include "commands/value_text.h"
#include "runtime/heap.h"

namespace velmora {
namespace {

// Reads a text one character at a time with full-width forms folded to ASCII; other double-byte
// characters come out as their lead byte, which stops any number.
class FoldedReader {
  public:
    explicit FoldedReader(const char* text) noexcept : next_(reinterpret_cast<const unsigned char*>(text)) {}

    unsigned char Peek() const noexcept {
        const unsigned char lead = next_[0];
        if (lead < 0x80 || next_[1] == 0) {
            return lead;
        }
        const unsigned char trail = next_[1];
        if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
            return trail & 0x7F;
        }
        if (lead == 0xA1) {
            switch (trail) {
                case 0xA1:
                    return ' ';
                case 0xAB:
                    return '~';
                case 0xEE:
                case 0xEF:
                    return '*';
                default:
                    break;
            }
        }
        return lead;
    }

    void Advance() noexcept { next_ += (next_[0] >= 0x80 && next_[1] != 0) ? 2 : 1; }

  private:
    const unsigned char* next_;
};

bool IsCSpace(unsigned char byte) noexcept {
    return byte == ' ' || (byte >= '\t' && byte <= '\r');
}

// As atoi reads a number, saturating instead of overflowing.
int32_t LeadingInteger(const char* text) noexcept {
    FoldedReader reader(text);
    while (IsCSpace(reader.Peek())) {
        reader.Advance();
    }
    bool negative = false;
    if (reader.Peek() == '+' || reader.Peek() == '-') {
        negative = reader.Peek() == '-';
        reader.Advance();
    }
    int64_t magnitude = 0;
    for (unsigned char digit = reader.Peek(); digit >= '0' && digit <= '9'; digit = reader.Peek()) {
        magnitude = std::min<int64_t>(magnitude * 10 + (digit - '0'), int64_t{INT32_MAX} + 1);
        reader.Advance();
    }
    const int64_t value = negative ? -magnitude : magnitude;
    return static_cast<int32_t>(std::min<int64_t>(value, INT32_MAX));
}

uint32_t NumericElementSize(uint32_t type) noexcept {
    switch (type) {
        case kTypeByte:
            return 1;
        case kTypeShort:
            return 2;
        case kTypeInteger:
        case kTypeFloat:
            return 4;
        case kTypeLong:
        case kTypeDouble:
            return 8;
        default:
            return 0;
    }
}

// The data bytes of a byte string or numeric array up to the first zero byte.
char* TextFromBlock(const ValueRecord& value) noexcept {
    const auto* block = reinterpret_cast<const uint32_t*>(static_cast<uintptr_t>(value.low));
    if (block == nullptr) {
        return nullptr;
    }
    const uint32_t elementSize = value.type == kTypeBytes ? 1 : NumericElementSize(value.type & ~kArrayFlag);
    const uint32_t dimensions = block[0];
    uint64_t count = 1;
    for (uint32_t i = 0; i < dimensions; ++i) {
        count *= block[1 + i];
    }
    const auto* data = reinterpret_cast<const char*>(block + 1 + dimensions);
    const uint64_t byteCount = count * elementSize;
    const void* zero = std::memchr(data, 0, static_cast<size_t>(byteCount));
    const auto used = zero == nullptr ? byteCount : static_cast<uint64_t>(static_cast<const char*>(zero) - data);
    return NewText(data, static_cast<int32_t>(used));
}

}  // namespace

void ToInteger(ValueRecord* result, int32_t argCount, ValueRecord* args) noexcept {
    const ValueRecord& value = Arg(argCount, args, 0);
    switch (value.type) {
        case kTypeText:
            SetInteger(result, LeadingInteger(ArgText(value)));
            break;
        case kTypeRoutine:
            SetInteger(result, static_cast<int32_t>(value.low));
            break;
        default:
            SetInteger(result, ArgInteger(value));
            break;
    }
}

void ToText(ValueRecord* result, int32_t argCount, ValueRecord* args) noexcept {
    const ValueRecord& value = Arg(argCount, args, 0);
    if (value.type == kTypeBytes || ((value.type & kArrayFlag) != 0 && IsNumericType(value.type & ~kArrayFlag))) {
        SetText(result, TextFromBlock(value));
        return;
    }
    if ((value.type & kArrayFlag) != 0) {
        SetText(result, nullptr);
        return;
    }
    ValueTextBuffer buffer;
    const char* text = ScalarText(value, buffer);
    SetText(result, text == nullptr ? nullptr : NewText(text));
}

}  // namespace velmora
