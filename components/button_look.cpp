#include "components/button_look.h"

#include "components/component.h"
#include "components/unit_values.h"

namespace velmora {
namespace {

constexpr DWORD kAlignmentMask = BS_CENTER | BS_VCENTER;
constexpr DWORD kImageMask = BS_ICON | BS_BITMAP;

}  // namespace

void ButtonFace::Read(const PropertyList& properties) {
    SetPicture(BytesProperty(properties, static_cast<uint32_t>(numbers_.picture)));
    caption_ = properties.Text(static_cast<uint32_t>(numbers_.caption));
    horizontal_ =
        Clamped(properties.Integer(static_cast<uint32_t>(numbers_.horizontal), horizontal_), kAlignNear, kAlignFar);
    vertical_ = Clamped(properties.Integer(static_cast<uint32_t>(numbers_.vertical), vertical_), kAlignNear, kAlignFar);
    font_.Set(BytesProperty(properties, static_cast<uint32_t>(numbers_.font)));
}

DWORD ButtonFace::Styles() const noexcept {
    constexpr DWORD kHorizontal[] = {BS_LEFT, BS_CENTER, BS_RIGHT};
    constexpr DWORD kVertical[] = {BS_TOP, BS_VCENTER, BS_BOTTOM};
    const DWORD image = picture_.icon ? BS_ICON : picture_.bitmap ? BS_BITMAP : 0;
    return kHorizontal[horizontal_] | kVertical[vertical_] | image;
}

HWND ButtonFace::MakeWindow(const UnitCreateArgs& args, DWORD styles) const noexcept {
    return CreateWindowExA(0, "BUTTON", caption_.c_str(), ControlStyles(args) | styles | Styles(), args.left, args.top,
                           args.width, args.height, args.parent,
                           reinterpret_cast<HMENU>(static_cast<uintptr_t>(args.componentId & 0xFFFF)),
                           GetModuleHandleA(nullptr), nullptr);
}

void ButtonFace::Attach(HWND button) const noexcept {
    font_.ApplyTo(button, false);
    ApplyPicture(button);
}

void ButtonFace::SetPicture(std::span<const uint8_t> bytes) {
    pictureBytes_.assign(bytes.begin(), bytes.end());
    picture_ = LoadPicture(bytes);
}

void ButtonFace::ApplyPicture(HWND button) const noexcept {
    ChangeStyle(button, kImageMask, Styles());
    if (picture_.icon) {
        SendMessageA(button, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(picture_.icon.get()));
    } else {
        SendMessageA(button, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture_.bitmap.get()));
    }
}

bool ButtonFace::Write(HWND button, int32_t number, const void* value) {
    if (number == numbers_.picture) {
        SetPicture(BytesArgument(value));
        ApplyPicture(button);
    } else if (number == numbers_.caption) {
        caption_ = TextArgument(value);
        SetWindowTextA(button, caption_.c_str());
    } else if (number == numbers_.horizontal || number == numbers_.vertical) {
        (number == numbers_.horizontal ? horizontal_ : vertical_) =
            Clamped(IntegerArgument(value), kAlignNear, kAlignFar);
        ChangeStyle(button, kAlignmentMask, Styles());
    } else if (number == numbers_.font) {
        font_.Set(BytesArgument(value));
        font_.ApplyTo(button, true);
    } else {
        return false;
    }
    return true;
}

bool ButtonFace::Read(int32_t number, void* buffer) const noexcept {
    if (number == numbers_.picture) {
        ReturnBytes(buffer, pictureBytes_);
    } else if (number == numbers_.caption) {
        ReturnText(buffer, caption_);
    } else if (number == numbers_.horizontal) {
        ReturnInteger(buffer, horizontal_);
    } else if (number == numbers_.vertical) {
        ReturnInteger(buffer, vertical_);
    } else if (number == numbers_.font) {
        ReturnBytes(buffer, font_.Bytes());
    } else {
        return false;
    }
    return true;
}

}  // namespace velmora
