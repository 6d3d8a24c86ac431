// Unit properties (numbers 8 and up) of a live component, converted by the kind code that the unit's
// property table gives each property.
#pragma once

#include <cstdint>

#include "runtime/unit_interface.h"

namespace velmora {

constexpr int32_t kFirstUnitProperty = 8;

// A number the unit's table does not list reads as 0.
uint64_t ReadUnitValue(ComponentObject& object, uint32_t unitType, int32_t number, int32_t element) noexcept;
// True when the unit asks for its window's components to be laid out again. A number the unit's
// table does not list changes nothing.
bool WriteUnitValue(ComponentObject& object,
                    uint32_t unitType,
                    int32_t number,
                    int32_t element,
                    uint32_t low,
                    uint32_t high) noexcept;

}  // namespace velmora
