// Colour settings: a COLORREF, or one of the runtime's system-colour codes (0x80000000 | the
// GetSysColor index), which follow the user's colour scheme.
#pragma once

#include <windows.h>

#include <cstdint>

namespace velmora {

constexpr uint32_t kSystemColourFlag = 0x80000000;

constexpr uint32_t SystemColourCode(int index) {
    return kSystemColourFlag | static_cast<uint32_t>(index);
}

inline COLORREF ColourFromSetting(uint32_t setting) noexcept {
    if ((setting & kSystemColourFlag) != 0) {
        return GetSysColor(static_cast<int>(setting & 0xFF));
    }
    return static_cast<COLORREF>(setting & 0x00FFFFFF);
}

}  // namespace velmora
