// Value records for calling commands in tests, and owners for the results they hand back.
#pragma once

#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

#include "runtime/heap.h"
#include "runtime/value.h"

namespace velmora::test {

inline ValueRecord Record(uint32_t type, uint64_t payload) {
    return {static_cast<uint32_t>(payload), static_cast<uint32_t>(payload >> 32), type};
}

inline ValueRecord Omitted() {
    return {};
}

inline ValueRecord Text(const char* text) {
    return Record(kTypeText, reinterpret_cast<uintptr_t>(text));
}

inline ValueRecord Integer(int32_t value) {
    return Record(kTypeInteger, static_cast<uint32_t>(value));
}

inline ValueRecord Byte(uint8_t value) {
    return Record(kTypeByte, value);
}

inline ValueRecord Short(int16_t value) {
    return Record(kTypeShort, static_cast<uint16_t>(value));
}

inline ValueRecord Long(int64_t value) {
    return Record(kTypeLong, static_cast<uint64_t>(value));
}

inline ValueRecord Boolean(bool value) {
    return Record(kTypeBoolean, value ? 1 : 0);
}

inline ValueRecord Float(float value) {
    uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return Record(kTypeFloat, bits);
}

inline ValueRecord Double(double value, uint32_t type = kTypeDouble) {
    uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return Record(type, bits);
}

inline ValueRecord DateTime(double value) {
    return Double(value, kTypeDateTime);
}

// A block laid out as an array: (1, count, elements...).
class ArrayBlock {
  public:
    ArrayBlock(uint32_t count, const void* elements, uint32_t elementSize) : words_(2 + (count * elementSize + 3) / 4) {
        words_[0] = 1;
        words_[1] = count;
        std::memcpy(words_.data() + 2, elements, count * elementSize);
    }

    ValueRecord As(uint32_t type) const { return Record(type, reinterpret_cast<uintptr_t>(words_.data())); }

  private:
    std::vector<uint32_t> words_;
};

// Owns a command's result and frees the text, byte string or text array in it.
class Result {
  public:
    Result() = default;
    ~Result() {
        if (record_.type == (kTypeText | kArrayFlag) && record_.low != 0) {
            for (uint32_t i = 0; i < Block()[1]; ++i) {
                HeapRelease(reinterpret_cast<void*>(static_cast<uintptr_t>(Block()[2 + i])));
            }
        }
        if (record_.type == kTypeText || record_.type == kTypeBytes || (record_.type & kArrayFlag) != 0) {
            HeapRelease(reinterpret_cast<void*>(static_cast<uintptr_t>(record_.low)));
        }
    }
    Result(const Result&) = delete;
    Result& operator=(const Result&) = delete;

    ValueRecord* get() { return &record_; }
    const ValueRecord& record() const { return record_; }
    int32_t AsInteger() const { return static_cast<int32_t>(record_.low); }
    const char* TextPointer() const { return reinterpret_cast<const char*>(static_cast<uintptr_t>(record_.low)); }
    std::string AsText() const { return TextPointer() == nullptr ? std::string() : std::string(TextPointer()); }

    // The parts of a text array; null parts read as "".
    std::vector<std::string> AsTexts() const {
        std::vector<std::string> texts;
        for (uint32_t i = 0; i < Block()[1]; ++i) {
            const auto* part = reinterpret_cast<const char*>(static_cast<uintptr_t>(Block()[2 + i]));
            texts.emplace_back(part == nullptr ? "" : part);
        }
        return texts;
    }

    // The bytes of a byte-string result; a null block is empty.
    std::string AsBytes() const {
        if (record_.low == 0) {
            return {};
        }
        const auto* block = reinterpret_cast<const char*>(Block());
        return std::string(block + 8, Block()[1]);
    }

    const uint32_t* Block() const { return reinterpret_cast<const uint32_t*>(static_cast<uintptr_t>(record_.low)); }

  private:
    ValueRecord record_{};
};

template <typename Command>
void Call(Command command, Result& result, std::initializer_list<ValueRecord> args) {
    std::vector<ValueRecord> records(args);
    command(result.get(), static_cast<int32_t>(records.size()), records.data());
}

}  // namespace velmora::test
