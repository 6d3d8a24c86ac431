// The libraries linked into the tool, in library-number order.
#pragma once

#include <cstdint>

#include "runtime/library.h"

namespace velmora {

extern const LibraryDescriptor* const kToolLibraries[];
extern const int32_t kToolLibraryCount;

}  // namespace velmora
