#include "components/runtime_link.h"

#include <algorithm>

#include "runtime/event_record.h"

namespace velmora {
namespace {

RuntimeServiceEntry connectedService = nullptr;

}  // namespace

void ConnectComponents(RuntimeServiceEntry service) noexcept {
    connectedService = service;
}

int32_t CallComponentService(int32_t code, uint32_t first, uint32_t second) noexcept {
    return connectedService == nullptr ? 0 : connectedService(code, first, second);
}

EventOutcome RaiseEvent(const ComponentObject& object,
                        int32_t event,
                        std::initializer_list<uint32_t> arguments) noexcept {
    EventRecord record = {};
    record.windowId = object.windowId;
    record.componentId = object.componentId;
    record.event = event;
    record.argumentCount = static_cast<int32_t>(std::min<size_t>(arguments.size(), 5));
    std::copy_n(arguments.begin(), record.argumentCount, record.arguments);
    EventOutcome outcome;
    outcome.routineCalled =
        CallComponentService(kServiceRaiseEvent, static_cast<uint32_t>(reinterpret_cast<uintptr_t>(&record))) != 0;
    outcome.hasResult = outcome.routineCalled && record.hasResult != 0;
    outcome.result = record.result;
    return outcome;
}

uint32_t ComponentWindow(uint32_t componentObject) noexcept {
    const auto* object = reinterpret_cast<const ComponentObject*>(static_cast<uintptr_t>(componentObject));
    return object == nullptr ? 0 : static_cast<uint32_t>(reinterpret_cast<uintptr_t>(object->window));
}

}  // namespace velmora
