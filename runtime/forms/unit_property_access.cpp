#include "runtime/forms/unit_property_access.h"

#include <windows.h>

#include <cstring>
#include <new>
#include <vector>

#include "runtime/forms/byte_reader.h"
#include "runtime/forms/component_cursor.h"
#include "runtime/forms/font_property.h"
#include "runtime/forms/forms_state.h"
#include "runtime/forms/property_values.h"
#include "runtime/heap.h"
#include "runtime/runtime_error.h"

namespace velmora {
namespace {

enum class KindClass { kWord, kDoubleWord, kBoolean, kText, kNonNegative, kBytes, kMousePointer, kFont, kUnknown };

KindClass ClassOf(uint16_t kind) {
    switch (kind) {
        case 1000:
        case 1001:
        case 1014:
        case 1015:
        case 1017:
            return KindClass::kWord;
        case 1002:
        case 1004:
            return KindClass::kDoubleWord;
        case 1003:
            return KindClass::kBoolean;
        case 1005:
        case 1007:
        case 1008:
        case 1016:
        case 1018:
        case 1019:
        case 1020:
        case 1021:
        case 1022:
            return KindClass::kText;
        case 1006:
            return KindClass::kNonNegative;
        case 1009:
        case 1010:
        case 1012:
        case 1023:
        case 1024:
            return KindClass::kBytes;
        case 1011:
            return KindClass::kMousePointer;
        case 1013:
            return KindClass::kFont;
        default:
            return KindClass::kUnknown;
    }
}

KindClass PropertyClass(uint32_t unitType, int32_t number) {
    const UnitDescriptor* unit = FindUnitDescriptor(unitType);
    if (unit == nullptr || unit->properties == nullptr || number < kFirstUnitProperty ||
        number >= unit->propertyCount) {
        return KindClass::kUnknown;
    }
    return ClassOf(unit->properties[number].kind);
}

UnitBytes ReadRaw(ComponentObject& object, uint32_t unitType, int32_t number) {
    const auto read = UnitRoutineAs<UnitReadPropertyRoutine>(FindUnitRoutine(unitType, kUnitReadProperty));
    uint32_t buffer[2] = {};
    if (read != nullptr) {
        read(&object, number - kFirstUnitProperty, buffer);
    }
    return UnitBytes{reinterpret_cast<const void*>(static_cast<uintptr_t>(buffer[0])), static_cast<int32_t>(buffer[1])};
}

// The unit gives cursor data with system cursor ids; the program sees the list numbers, and back.
std::vector<uint8_t> PointerData(std::span<const uint8_t> data, bool toListCode) {
    std::vector<uint8_t> copy(data.begin(), data.end());
    if (copy.size() >= 4) {
        const uint32_t first = LoadWord(copy.data());
        if (toListCode) {
            if (const std::optional<uint32_t> code = CursorCodeOfSystemId(first)) {
                StoreWord(copy.data(), *code);
            }
        } else if (first < kCursorListSize) {
            StoreWord(copy.data(), SystemCursorIdOfCode(first));
        }
    }
    return copy;
}

uint64_t Word(uint32_t value) {
    return value;
}

}  // namespace

uint64_t ReadUnitValue(ComponentObject& object, uint32_t unitType, int32_t number, int32_t element) noexcept {
    const KindClass kind = PropertyClass(unitType, number);
    if (kind == KindClass::kUnknown) {
        return 0;
    }
    const UnitBytes raw = ReadRaw(object, unitType, number);
    const auto low = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(raw.data));
    const auto high = static_cast<uint32_t>(raw.length);
    const auto* bytes = static_cast<const char*>(raw.data);
    const int32_t length = bytes == nullptr || raw.length < 0 ? 0 : raw.length;
    switch (kind) {
        case KindClass::kDoubleWord:
            return static_cast<uint64_t>(high) << 32 | low;
        case KindClass::kBoolean:
            return low == 1 ? 1 : 0;
        case KindClass::kText:
            return Word(PointerValue(NewText(bytes, length)));
        case KindClass::kBytes:
            return Word(PointerValue(NewBytes(bytes, length)));
        case KindClass::kMousePointer:
            try {
                const std::vector<uint8_t> data =
                    PointerData(std::span(reinterpret_cast<const uint8_t*>(bytes), static_cast<size_t>(length)), true);
                return Word(PointerValue(NewBytes(data.data(), static_cast<int32_t>(data.size()))));
            } catch (const std::bad_alloc&) {
                ReportAllocationFailure(static_cast<uint32_t>(length));
            }
        case KindClass::kFont:
            return ReadFontElement(FontFromUnit(raw), element);
        default:
            return low;
    }
}

bool WriteUnitValue(ComponentObject& object,
                    uint32_t unitType,
                    int32_t number,
                    int32_t element,
                    uint32_t low,
                    uint32_t high) noexcept {
    const KindClass kind = PropertyClass(unitType, number);
    const auto write = UnitRoutineAs<UnitWritePropertyRoutine>(FindUnitRoutine(unitType, kUnitWriteProperty));
    if (kind == KindClass::kUnknown || write == nullptr) {
        return false;
    }
    const int32_t unitNumber = number - kFirstUnitProperty;
    int32_t word = static_cast<int32_t>(low);
    switch (kind) {
        case KindClass::kDoubleWord: {
            const uint64_t wide = static_cast<uint64_t>(high) << 32 | low;
            return write(&object, unitNumber, &wide, 0) == 1;
        }
        case KindClass::kBoolean:
            word = low != 0 ? 1 : 0;
            break;
        case KindClass::kNonNegative:
            word = word < 0 ? 0 : word;
            break;
        case KindClass::kText: {
            const char* text = TextOf(low);
            return write(&object, unitNumber, &text, 0) == 1;
        }
        case KindClass::kBytes: {
            const std::span<const uint8_t> data = ByteStringOf(low);
            const UnitBytes bytes{data.data(), static_cast<int32_t>(data.size())};
            return write(&object, unitNumber, &bytes, 0) == 1;
        }
        case KindClass::kMousePointer:
            try {
                const std::vector<uint8_t> data = PointerData(ByteStringOf(low), false);
                const UnitBytes bytes{data.empty() ? nullptr : data.data(), static_cast<int32_t>(data.size())};
                return write(&object, unitNumber, &bytes, 0) == 1;
            } catch (const std::bad_alloc&) {
                ReportAllocationFailure(static_cast<uint32_t>(ByteStringOf(low).size()));
            }
        case KindClass::kFont: {
            LOGFONTA font = FontFromUnit(ReadRaw(object, unitType, number));
            WriteFontElement(font, element, low);
            const UnitBytes bytes{&font, static_cast<int32_t>(sizeof(font))};
            return write(&object, unitNumber, &bytes, 0) == 1;
        }
        default:
            break;
    }
    return write(&object, unitNumber, &word, 0) == 1;
}

}  // namespace velmora
