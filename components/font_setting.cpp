#include "components/font_setting.h"

#include <cstring>

namespace velmora {

void FontSetting::Set(std::span<const uint8_t> bytes) {
    bytes_.assign(bytes.begin(), bytes.end());
    font_.reset();
    if (bytes.size() == sizeof(LOGFONTA)) {
        LOGFONTA logFont;
        std::memcpy(&logFont, bytes.data(), sizeof(logFont));
        logFont.lfFaceName[LF_FACESIZE - 1] = '\0';
        font_ = FontObject(CreateFontIndirectA(&logFont));
    }
}

HFONT FontSetting::Handle() const noexcept {
    return font_ ? font_.get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

void FontSetting::ApplyTo(HWND window, bool repaint) const noexcept {
    SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(Handle()), repaint ? TRUE : FALSE);
}

int FontTextHeight(HFONT font) noexcept {
    const HDC dc = GetDC(nullptr);
    if (dc == nullptr) {
        return 0;
    }
    const HGDIOBJ previous = SelectObject(dc, font);
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(nullptr, dc);
    return metrics.tmHeight;
}

}  // namespace velmora
