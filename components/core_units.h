// The core library's units, for the core library descriptor.
#pragma once

#include <cstdint>
#include <span>

#include "runtime/library.h"

namespace velmora {

// In unit-number order: unit n is entry n - 1, up to the common dialog (0x1F). Entries of units this
// system does not have are descriptors without routines, so loading a form that uses one fails.
std::span<const UnitDescriptor> CoreLibraryUnits() noexcept;

// Property kinds: how the runtime converts a value on its way to and from the unit.
enum PropertyKind : uint16_t {
    kKindInteger = 1000,
    kKindBoolean = 1003,
    kKindText = 1005,
    kKindNonNegative = 1006,
    kKindBytes = 1009,
    kKindMousePointer = 1011,
    kKindFont = 1013,
};

// A unit's own properties, by its own property numbers (the common ones left out); empty for a unit
// type that is not one of the core library's.
std::span<const UnitProperty> UnitOwnProperties(uint32_t unitType) noexcept;

// The components' part of the core library's notification entry: connects them to the runtime at
// start-up.
int32_t NotifyComponents(int32_t code, uint32_t first, uint32_t second) noexcept;

}  // namespace velmora
