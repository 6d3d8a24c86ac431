// The edit box's input modes: which typed characters each accepts, and the content each rewrites
// when the box loses the focus.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace velmora {

enum InputMode : int32_t {
    kInputNormal = 0,
    kInputReadOnly = 1,
    kInputPassword = 2,
    kInputIntegerText = 3,
    kInputDecimalText = 4,
    kInputByte = 5,
    kInputShort = 6,
    kInputInteger = 7,
    kInputLong = 8,
    kInputFloat = 9,
    kInputDouble = 10,
    kInputDateTime = 11,
};
constexpr int32_t kHighestInputMode = kInputDateTime;

// A typed character (from 32 up; control characters always pass).
bool AcceptsTypedCharacter(int32_t mode, unsigned char character) noexcept;

// The content as the mode rewrites it; the content itself for modes without normalisation.
std::string NormalisedContent(int32_t mode, std::string_view content);

}  // namespace velmora
