// The cursor list of mouse-pointer settings: code 0 is the class's own cursor, codes 1 to 14 name
// system cursors (14 is the hand).
#pragma once

#include <cstdint>
#include <optional>

namespace velmora {

constexpr uint32_t kCursorListSize = 15;
constexpr uint32_t kHandCursorId = 0x7F89;

// The system cursor id of a list code 1 to 14; 0 for code 0 and codes outside the list.
uint32_t SystemCursorIdOfCode(uint32_t code) noexcept;
// The list code of a system cursor id of the list.
std::optional<uint32_t> CursorCodeOfSystemId(uint32_t id) noexcept;

}  // namespace velmora
