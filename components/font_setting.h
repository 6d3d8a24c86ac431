// A component's font property: the LOGFONT bytes as written and the font made from them. Without a
// usable LOGFONT (not exactly 60 bytes, or refused by GDI) the component uses the default GUI font.
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>
#include <vector>

#include "components/gdi_object.h"

namespace velmora {

class FontSetting {
  public:
    void Set(std::span<const uint8_t> bytes);
    HFONT Handle() const noexcept;
    const std::vector<uint8_t>& Bytes() const noexcept { return bytes_; }
    // Sends WM_SETFONT to the window, repainting it when asked.
    void ApplyTo(HWND window, bool repaint) const noexcept;

  private:
    std::vector<uint8_t> bytes_;
    FontObject font_;
};

// The height of a line of text in the font, in pixels.
int FontTextHeight(HFONT font) noexcept;

}  // namespace velmora
