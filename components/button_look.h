// What buttons and check boxes share: the face they show (the caption or a picture, aligned, in a
// font) with its properties, and the "BUTTON" window itself.
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "components/font_setting.h"
#include "components/picture.h"
#include "runtime/forms/unit_properties.h"
#include "runtime/unit_interface.h"

namespace velmora {

enum Alignment : int32_t { kAlignNear = 0, kAlignCentre = 1, kAlignFar = 2 };

// Where a unit keeps the face's properties among its own property numbers.
struct ButtonFaceNumbers {
    int32_t picture;
    int32_t caption;
    int32_t horizontal;
    int32_t vertical;
    int32_t font;
};

// An icon shows with BS_ICON, a bitmap with BS_BITMAP; a picture Win32 cannot load is dropped and the
// caption shows.
class ButtonFace {
  public:
    ButtonFace(const ButtonFaceNumbers& numbers, int32_t horizontal) noexcept
        : numbers_(numbers), horizontal_(horizontal) {}

    // The face's properties in a unit property block. Throws std::bad_alloc only.
    void Read(const PropertyList& properties);
    // The alignment and picture styles.
    DWORD Styles() const noexcept;
    // A "BUTTON" child window with the face's styles and caption; the font and image follow once it
    // exists (Attach).
    HWND MakeWindow(const UnitCreateArgs& args, DWORD styles) const noexcept;
    void Attach(HWND button) const noexcept;

    // True when the number is one of the face's: the property has been written or read.
    bool Write(HWND button, int32_t number, const void* value);
    bool Read(int32_t number, void* buffer) const noexcept;

  private:
    void SetPicture(std::span<const uint8_t> bytes);
    void ApplyPicture(HWND button) const noexcept;

    ButtonFaceNumbers numbers_;
    std::vector<uint8_t> pictureBytes_;
    Picture picture_;
    std::string caption_;
    int32_t horizontal_;
    int32_t vertical_ = kAlignCentre;
    FontSetting font_;
};

}  // namespace velmora
