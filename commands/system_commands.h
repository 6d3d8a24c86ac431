// System commands of the core library: screen size, message box, current time.
#pragma once

#include "runtime/value.h"

namespace velmora {

void ScreenWidth(ValueRecord* result, int32_t argCount, ValueRecord* args) noexcept;
void ScreenHeight(ValueRecord* result, int32_t argCount, ValueRecord* args) noexcept;
void InfoBox(ValueRecord* result, int32_t argCount, ValueRecord* args) noexcept;
void CurrentTime(ValueRecord* result, int32_t argCount, ValueRecord* args) noexcept;

}  // namespace velmora
