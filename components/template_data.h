// Template data out of live components: a component's current properties written as its unit
// property block (interface code 5), and the texts of a block passed through a callback and the block
// written anew (interface code 9).
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/unit_interface.h"

namespace velmora {

class Component;

// The bytes of a block handed to a unit; empty for a null address or a length below 1.
std::span<const uint8_t> BlockBytes(UnitBytes block) noexcept;
// Copies the block into memory from the runtime's allocation service; false when there is none.
bool HandOverBlock(const std::vector<uint8_t>& block, UnitBytes& result) noexcept;

// The property list of a component: every one of its unit's own properties as its read routine
// gives it now. Throws std::bad_alloc only.
std::vector<uint8_t> CurrentPropertyList(Component& component);

// What the callback leaves of one text: its replacement, or the text itself. Throws std::bad_alloc only.
std::string PassText(UnitTextCallback callback, void* context, std::string_view text);

// Interface code 9 for the units whose block is a property list: the texts are the entries of the
// unit's text properties.
int32_t PassPropertyListTexts(uint32_t unitType,
                              UnitBytes block,
                              UnitTextCallback callback,
                              void* context,
                              UnitBytes* result) noexcept;

template <uint32_t UnitType>
int32_t PassTextsOfUnit(UnitBytes block, UnitTextCallback callback, void* context, UnitBytes* result) noexcept {
    return PassPropertyListTexts(UnitType, block, callback, context, result);
}

}  // namespace velmora
