// The numbered runtime service handed to every library at start-up.
#pragma once

#include <cstdint>

namespace velmora {

// An unknown code returns 0.
int32_t RuntimeService(int32_t code, uint32_t first, uint32_t second) noexcept;

}  // namespace velmora
