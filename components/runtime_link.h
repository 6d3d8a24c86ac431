// How the components reach the runtime: the numbered service entry handed to the core library at
// start-up, and the events raised through it.
#pragma once

#include <cstdint>
#include <initializer_list>

#include "runtime/library.h"
#include "runtime/unit_interface.h"

namespace velmora {

enum ComponentServiceCode : int32_t {
    kServiceComponentDestroyed = 2000,
    kServiceFindComponent = 2007,
    kServiceRaiseEvent = 2008,
    kServiceAllocate = 2024,
};

// Until it is called every service answers 0 and every event is dropped.
void ConnectComponents(RuntimeServiceEntry service) noexcept;
int32_t CallComponentService(int32_t code, uint32_t first = 0, uint32_t second = 0) noexcept;

// What the routine bound to an event gave back.
struct EventOutcome {
    bool routineCalled = false;
    bool hasResult = false;
    uint32_t result = 0;

    // An explicit false from the routine.
    bool Refused() const noexcept { return hasResult && result == 0; }
};

EventOutcome RaiseEvent(const ComponentObject& object,
                        int32_t event,
                        std::initializer_list<uint32_t> arguments = {}) noexcept;

// The window handle of a component object, for the libraries that get objects from service 2006.
uint32_t ComponentWindow(uint32_t componentObject) noexcept;

}  // namespace velmora
