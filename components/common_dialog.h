// The common dialog component's method: shows the open, save, font or help dialog its properties
// describe and stores what the user chose back into them.
#pragma once

#include <cstdint>

#include "runtime/unit_interface.h"
#include "runtime/value.h"

namespace velmora {

// True when the user confirmed (or the help was shown); false on Cancel, on failure, or for an object
// that is not a common dialog.
bool CommonDialogOpen(ComponentObject* dialog) noexcept;

// The same as a library command: its one argument names the component, window id in the low word and
// component id in the high word; the result is a boolean. A component that is not loaded is the
// runtime's error (service 2007).
void CommonDialogOpenCommand(ValueRecord* result, int32_t argCount, ValueRecord* args);

}  // namespace velmora
