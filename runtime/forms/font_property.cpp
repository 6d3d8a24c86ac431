#include "runtime/forms/font_property.h"

#include <cstdlib>
#include <cstring>

#include "runtime/heap.h"

namespace velmora {
namespace {

constexpr int32_t kFullCircle = 3600;
constexpr int32_t kPointsPerInch = 72;
constexpr char kFallbackFace[] = "宋体";

int32_t PixelsPerInch() {
    HDC screen = GetDC(nullptr);
    const int32_t pixels = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen != nullptr) {
        ReleaseDC(nullptr, screen);
    }
    return pixels > 0 ? pixels : 96;
}

int32_t PointsOf(const LOGFONTA& font) {
    return MulDiv(std::abs(font.lfHeight), kPointsPerInch, PixelsPerInch());
}

uint32_t Pointer(const void* pointer) {
    return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(pointer));
}

}  // namespace

LOGFONTA FontFromUnit(const UnitBytes& bytes) noexcept {
    LOGFONTA font{};
    if (bytes.data != nullptr && bytes.length == static_cast<int32_t>(sizeof(LOGFONTA))) {
        std::memcpy(&font, bytes.data, sizeof(font));
        font.lfFaceName[LF_FACESIZE - 1] = '\0';
        return font;
    }
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof(font), &font);
    return font;
}

void SetFaceName(LOGFONTA& font, const char* name) noexcept {
    const size_t length = name == nullptr ? 0 : std::strlen(name);
    if (length == 0 || length >= LF_FACESIZE) {
        std::memcpy(font.lfFaceName, kFallbackFace, sizeof(kFallbackFace));
        return;
    }
    std::memcpy(font.lfFaceName, name, length + 1);
}

uint64_t ReadFontElement(const LOGFONTA& font, int32_t element) noexcept {
    switch (element) {
        case kWholeFont: {
            auto* description = static_cast<FontDescription*>(HeapAllocate(sizeof(FontDescription)));
            *description = {font.lfEscapement,       font.lfWeight >= FW_BOLD, font.lfItalic != 0,
                            font.lfStrikeOut != 0,   font.lfUnderline != 0,    PointsOf(font),
                            NewText(font.lfFaceName)};
            return Pointer(description);
        }
        case 0:
            return static_cast<uint32_t>(font.lfEscapement);
        case 1:
            return font.lfWeight >= FW_BOLD ? 1 : 0;
        case 2:
            return font.lfItalic != 0 ? 1 : 0;
        case 3:
            return font.lfStrikeOut != 0 ? 1 : 0;
        case 4:
            return font.lfUnderline != 0 ? 1 : 0;
        case 5:
            return static_cast<uint32_t>(PointsOf(font));
        case 6:
            return Pointer(NewText(font.lfFaceName));
        default:
            return 0;
    }
}

void WriteFontElement(LOGFONTA& font, int32_t element, uint32_t low) noexcept {
    const auto value = static_cast<int32_t>(low);
    switch (element) {
        case kWholeFont: {
            const auto* description = reinterpret_cast<const FontDescription*>(static_cast<uintptr_t>(low));
            if (description == nullptr) {
                return;
            }
            WriteFontElement(font, 0, static_cast<uint32_t>(description->angle));
            WriteFontElement(font, 1, static_cast<uint32_t>(description->bold));
            WriteFontElement(font, 2, static_cast<uint32_t>(description->italic));
            WriteFontElement(font, 3, static_cast<uint32_t>(description->strikeOut));
            WriteFontElement(font, 4, static_cast<uint32_t>(description->underline));
            WriteFontElement(font, 5, static_cast<uint32_t>(description->points));
            SetFaceName(font, description->faceName);
            return;
        }
        case 0: {
            int32_t angle = value % kFullCircle;
            if (angle < 0) {
                angle += kFullCircle;
            }
            font.lfEscapement = angle;
            font.lfOrientation = angle;
            return;
        }
        case 1:
            font.lfWeight = value != 0 ? FW_BOLD : 0;
            return;
        case 2:
            font.lfItalic = value != 0 ? 1 : 0;
            return;
        case 3:
            font.lfStrikeOut = value != 0 ? 1 : 0;
            return;
        case 4:
            font.lfUnderline = value != 0 ? 1 : 0;
            return;
        case 5:
            font.lfHeight = -MulDiv(value, PixelsPerInch(), kPointsPerInch);
            return;
        case 6:
            SetFaceName(font, reinterpret_cast<const char*>(static_cast<uintptr_t>(low)));
            return;
        default:
            return;
    }
}

}  // namespace velmora
