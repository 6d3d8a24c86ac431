// What buttons and check boxes share: the alignment styles and the picture shown instead of the caption.
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>
#include <vector>

#include "components/picture.h"

namespace velmora {

enum Alignment : int32_t { kAlignNear = 0, kAlignCentre = 1, kAlignFar = 2 };

constexpr DWORD kButtonAlignmentMask = BS_CENTER | BS_VCENTER;
constexpr DWORD kButtonImageMask = BS_ICON | BS_BITMAP;

DWORD ButtonAlignmentStyles(int32_t horizontal, int32_t vertical) noexcept;

// An icon shows with BS_ICON, a bitmap with BS_BITMAP; a picture Win32 cannot load is dropped and the
// caption shows.
class ButtonPicture {
  public:
    void Set(std::span<const uint8_t> bytes);
    const std::vector<uint8_t>& Bytes() const noexcept { return bytes_; }
    DWORD Style() const noexcept;
    // Sets the image style and the image of an existing button.
    void ApplyTo(HWND button) const noexcept;

  private:
    std::vector<uint8_t> bytes_;
    Picture picture_;
};

}  // namespace velmora
