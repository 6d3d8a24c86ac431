// Font properties: a unit keeps a LOGFONTA; the program reads and writes it whole, as a font
// description, or one element at a time.
#pragma once

#include <windows.h>

#include <cstdint>

#include "runtime/unit_interface.h"

namespace velmora {

constexpr int32_t kWholeFont = -1;

// The heap record a whole font is exchanged as; the face name is a text owned by the record's holder.
struct FontDescription {
    int32_t angle;  // tenths of a degree
    int32_t bold;
    int32_t italic;
    int32_t strikeOut;
    int32_t underline;
    int32_t points;
    char* faceName;
};
#if INTPTR_MAX == INT32_MAX
static_assert(sizeof(FontDescription) == 7 * 4);
#endif

// What a unit returned as its font; no font, or a record of another size, is the stock GUI font.
LOGFONTA FontFromUnit(const UnitBytes& bytes) noexcept;

// Element kWholeFont gives a new FontDescription; 0 angle, 1 bold, 2 italic, 3 strike-out,
// 4 underline, 5 size in points, 6 face name (a new text).
uint64_t ReadFontElement(const LOGFONTA& font, int32_t element) noexcept;
// Element kWholeFont takes the address of a FontDescription (null changes nothing).
void WriteFontElement(LOGFONTA& font, int32_t element, uint32_t low) noexcept;

// An empty face name, or one too long for LOGFONTA, becomes "宋体".
void SetFaceName(LOGFONTA& font, const char* name) noexcept;

}  // namespace velmora
