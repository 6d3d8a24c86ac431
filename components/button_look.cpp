#include "components/button_look.h"

#include "components/component.h"
#include "components/unit_values.h"

namespace velmora {

DWORD ButtonAlignmentStyles(int32_t horizontal, int32_t vertical) noexcept {
    constexpr DWORD kHorizontal[] = {BS_LEFT, BS_CENTER, BS_RIGHT};
    constexpr DWORD kVertical[] = {BS_TOP, BS_VCENTER, BS_BOTTOM};
    return kHorizontal[Clamped(horizontal, kAlignNear, kAlignFar)] |
           kVertical[Clamped(vertical, kAlignNear, kAlignFar)];
}

void ButtonPicture::Set(std::span<const uint8_t> bytes) {
    bytes_.assign(bytes.begin(), bytes.end());
    picture_ = LoadPicture(bytes);
}

DWORD ButtonPicture::Style() const noexcept {
    return picture_.icon ? BS_ICON : picture_.bitmap ? BS_BITMAP : 0;
}

void ButtonPicture::ApplyTo(HWND button) const noexcept {
    ChangeStyle(button, kButtonImageMask, Style());
    if (picture_.icon) {
        SendMessageA(button, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(picture_.icon.get()));
    } else {
        SendMessageA(button, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture_.bitmap.get()));
    }
}

}  // namespace velmora
