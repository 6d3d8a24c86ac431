// How the command libraries reach the runtime: one numbered service entry, handed over at start-up.
#pragma once

#include <cstdint>

#include "runtime/library.h"

namespace velmora {

// The window handle of a component object that service 2006 handed out, or 0.
using ComponentWindowReader = uint32_t (*)(uint32_t componentObject);

enum RuntimeServiceCode : int32_t {
    kServiceComponentObject = 2006,
    kServiceProcessMessages = 2018,
    kServiceWindowCount = 2032,
    kServiceWindowHandle = 2033,
};

// The libraries' start-up notification. Until it is called every service answers 0.
void ConnectRuntime(RuntimeServiceEntry service, ComponentWindowReader windowReader) noexcept;
int32_t CallRuntimeService(int32_t code, uint32_t first = 0, uint32_t second = 0) noexcept;
// The window handle of the loaded window with this id, or 0.
uint32_t LoadedWindowHandle(uint32_t windowId) noexcept;

}  // namespace velmora
