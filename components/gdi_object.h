// Owns a GDI object (font, brush, bitmap), deleted with DeleteObject.
#pragma once

#include <windows.h>

#include <utility>

namespace velmora {

template <typename Handle>
class GdiObject {
  public:
    GdiObject() noexcept = default;
    explicit GdiObject(Handle owned) noexcept : handle_(owned) {}
    ~GdiObject() { reset(); }
    GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    GdiObject& operator=(GdiObject&& other) noexcept {
        if (this != &other) {
            reset();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;

    Handle get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != nullptr; }
    Handle release() noexcept { return std::exchange(handle_, nullptr); }
    void reset() noexcept {
        if (handle_ != nullptr) {
            DeleteObject(std::exchange(handle_, nullptr));
        }
    }

  private:
    Handle handle_ = nullptr;
};

using FontObject = GdiObject<HFONT>;
using BrushObject = GdiObject<HBRUSH>;
using BitmapObject = GdiObject<HBITMAP>;

}  // namespace velmora
