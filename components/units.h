// The interface routines of the core library's units (interface code -> routine).
#pragma once

#include <cstdint>

#include "runtime/library.h"

namespace velmora {

UnitRoutine WindowUnitInterface(int32_t code) noexcept;
UnitRoutine ButtonUnitInterface(int32_t code) noexcept;
UnitRoutine CheckBoxUnitInterface(int32_t code) noexcept;
UnitRoutine LabelUnitInterface(int32_t code) noexcept;
UnitRoutine EditBoxUnitInterface(int32_t code) noexcept;
UnitRoutine CommonDialogUnitInterface(int32_t code) noexcept;

}  // namespace velmora
