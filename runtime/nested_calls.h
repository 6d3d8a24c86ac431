// The nested-call counter: while it is above 0 no event reaches the program (window loading, a
// run-time error report, services 2009 to 2010).
#pragma once

#include <cstdint>

namespace velmora {

void EnterNestedCall() noexcept;
void LeaveNestedCall() noexcept;
int32_t NestedCallDepth() noexcept;

}  // namespace velmora
