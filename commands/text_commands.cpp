#include "commands/text_commands.h"

#include <algorithm>
#include <cstring>

#include "commands/command_values.h"
#include "commands/gbk.h"
#include "runtime/heap.h"

namespace velmora {
namespace {

bool BytesEqual(const char* left, const char* right, size_t count, bool ignoreCase) noexcept {
    if (!ignoreCase) {
        return std::memcmp(left, right, count) == 0;
    }
    for (size_t i = 0; i < count; ++i) {
        if (AsciiLower(left[i]) != AsciiLower(right[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace

void TextLength(ValueRecord* result, int32_t argCount, ValueRecord* args) noexcept {
    SetInteger(result, static_cast<int32_t>(std::strlen(ArgText(Arg(argCount, args, 0)))));
}

void TextLeft(ValueRecord* result, int32_t argCount, ValueRecord* args) noexcept {
    const char* text = ArgText(Arg(argCount, args, 0));
    const int32_t count = ArgInteger(Arg(argCount, args, 1));
    if (count <= 0) {
        SetText(result, nullptr);
        return;
    }
    const size_t length = std::strlen(text);
    SetText(result, NewText(text, static_cast<int32_t>(std::min(length, static_cast<size_t>(count)))));
}

void TextMiddle(ValueRecord* result, int32_t argCount, ValueRecord* args) noexcept {
    const char* text = ArgText(Arg(argCount, args, 0));
    const int64_t start = int64_t{ArgInteger(Arg(argCount, args, 1))} - 1;
    int64_t count = ArgInteger(Arg(argCount, args, 2));
    const auto length = static_cast<int64_t>(std::strlen(text));
    if (start < 0 || start >= length || count <= 0) {
        SetText(result, nullptr);
        return;
    }
    count = std::min(count, length - start);
    SetText(result, NewText(text + start, static_cast<int32_t>(count)));
}

void CharFromCode(ValueRecord* result, int32_t argCount, ValueRecord* args) noexcept {
    const char code = static_cast<char>(ArgInteger(Arg(argCount, args, 0)) & 0xFF);
    SetText(result, code == 0 ? nullptr : NewText(&code, 1));
}

void FindTextBackward(ValueRecord* result, int32_t argCount, ValueRecord* args) noexcept {
    const char* text = ArgText(Arg(argCount, args, 0));
    const char* sought = ArgText(Arg(argCount, args, 1));
    const ValueRecord& start = Arg(argCount, args, 2);
    const ValueRecord& ignoreCase = Arg(argCount, args, 3);
    const size_t length = std::strlen(text);
    const size_t soughtLength = std::strlen(sought);

    size_t region = length;
    if (!IsOmitted(start)) {
        const int32_t before = ArgInteger(start);
        region = before <= 1 ? 0 : std::min(length, static_cast<size_t>(before) - 1);
    }
    if (soughtLength == 0) {
        SetInteger(result, region > 0 ? 1 : -1);
        return;
    }
    const bool foldCase = !IsOmitted(ignoreCase) && ignoreCase.low == 1;
    int32_t found = -1;
    for (size_t i = 0; i + soughtLength <= region; ++i) {
        if (BytesEqual(text + i, sought, soughtLength, foldCase)) {
            found = static_cast<int32_t>(i + 1);
        }
        if (IsLeadByte(text[i])) {
            if (text[i + 1] == '\0') {
                break;
            }
            ++i;
        }
    }
    SetInteger(result, found);
}

void BytesLeft(ValueRecord* result, int32_t argCount, ValueRecord* args) noexcept {
    const ValueRecord& bytes = Arg(argCount, args, 0);
    const int32_t count = ArgInteger(Arg(argCount, args, 1));
    int32_t available = 0;
    const uint8_t* data = nullptr;
    if (bytes.type == kTypeBytes && bytes.low != 0) {
        const auto* block = reinterpret_cast<const uint8_t*>(static_cast<uintptr_t>(bytes.low));
        std::memcpy(&available, block + 4, sizeof available);
        data = block + 8;
    }
    const int32_t taken = std::max(0, std::min(available, count));
    SetBlock(result, kTypeBytes, taken == 0 ? nullptr : NewBytes(data, taken));
}

void BitAnd(ValueRecord* result, int32_t argCount, ValueRecord* args) noexcept {
    int32_t value = ArgInteger(Arg(argCount, args, 0));
    for (int32_t i = 1; i < argCount; ++i) {
        value &= ArgInteger(args[i]);
    }
    SetInteger(result, value);
}

void BitOr(ValueRecord* result, int32_t argCount, ValueRecord* args) noexcept {
    int32_t value = ArgInteger(Arg(argCount, args, 0));
    for (int32_t i = 1; i < argCount; ++i) {
        value |= ArgInteger(args[i]);
    }
    SetInteger(result, value);
}

}  // namespace velmora
