#include "commands/runtime_link.h"

namespace velmora {
namespace {

RuntimeServiceEntry connectedService = nullptr;
ComponentWindowReader connectedWindowReader = nullptr;

}  // namespace

void ConnectRuntime(RuntimeServiceEntry service, ComponentWindowReader windowReader) noexcept {
    connectedService = service;
    connectedWindowReader = windowReader;
}

int32_t CallRuntimeService(int32_t code, uint32_t first, uint32_t second) noexcept {
    return connectedService == nullptr ? 0 : connectedService(code, first, second);
}

uint32_t LoadedWindowHandle(uint32_t windowId) noexcept {
    const auto object = static_cast<uint32_t>(CallRuntimeService(kServiceComponentObject, windowId, 0));
    return object == 0 || connectedWindowReader == nullptr ? 0 : connectedWindowReader(object);
}

}  // namespace velmora
