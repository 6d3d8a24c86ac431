// The core library's units, for the core library descriptor.
#pragma once

#include <cstdint>
#include <span>

#include "runtime/library.h"

namespace velmora {

// In unit-number order: unit n is entry n - 1, up to the common dialog (0x1F). Entries of units this
// system does not have are descriptors without routines, so loading a form that uses one fails.
std::span<const UnitDescriptor> CoreLibraryUnits() noexcept;

// The components' part of the core library's notification entry: connects them to the runtime at
// start-up.
int32_t NotifyComponents(int32_t code, uint32_t first, uint32_t second) noexcept;

}  // namespace velmora
