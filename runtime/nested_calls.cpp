#include "runtime/nested_calls.h"

namespace velmora {
namespace {

int32_t depth = 0;

}  // namespace

void EnterNestedCall() noexcept {
    ++depth;
}

// An unbalanced leave would let events through inside a load; the counter never goes below 0.
void LeaveNestedCall() noexcept {
    if (depth > 0) {
        --depth;
    }
}

int32_t NestedCallDepth() noexcept {
    return depth;
}

}  // namespace velmora
