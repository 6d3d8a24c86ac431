// The eight properties every component shares (0 left, 1 top, 2 width, 3 height, 4 tag, 5 visible,
// 6 disabled, 7 mouse pointer), read from the live window when there is one, else from the record;
// writes change the record first and then the live window.
#pragma once

#include <cstdint>

#include "runtime/forms/component_record.h"

namespace velmora {

constexpr int32_t kCoordinateLimit = 32627;

uint64_t ReadCommonProperty(const ComponentRecord& record, int32_t number) noexcept;
void WriteCommonProperty(ComponentRecord& record, int32_t number, uint32_t low) noexcept;

}  // namespace velmora
