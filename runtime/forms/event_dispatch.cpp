#include "runtime/forms/event_dispatch.h"

#include <algorithm>
#include <new>
#include <vector>

#include "runtime/forms/forms_state.h"
#include "runtime/nested_calls.h"
#include "runtime/runtime_error.h"
#include "runtime/value.h"

namespace velmora {
namespace {

constexpr int32_t kIdleEvent = 7;
constexpr uint32_t kPassLowWord = 0x1;
constexpr uint32_t kPassBothWords = 0x2;
constexpr uint32_t kTypeMenuItemUnit = 0x00010003;
constexpr uint32_t kTypeWideWord = 0x80000008;
constexpr int32_t kMaximumArguments = 5;
constexpr int32_t kMaximumTypedArguments = 12;

struct EventSource {
    bool active = false;
    uint32_t windowId = 0;
    uint32_t componentId = 0;
};

EventSource currentSource;

struct FoundRoutine {
    EventRoutine routine = nullptr;
    EventSource source;
};

FoundRoutine FindEventRoutine(uint32_t windowId, uint32_t componentId, int32_t event) {
    if (NestedCallDepth() > 0) {
        return {};
    }
    WindowTemplate* window = Forms().FindTemplate(windowId);
    if (window == nullptr) {
        ReportRuntimeError("未找到引发事件的窗口", 0, windowId, componentId);
    }
    const ComponentRecord* record = window->FindComponent(componentId);
    if (record == nullptr) {
        ReportRuntimeError("未找到引发事件的窗口组件", 0, windowId, componentId);
    }
    // A chain that loops ends after as many steps as the window has records.
    for (uint32_t step = 0; step < window->ComponentCount() && record->EventSource() != 0; ++step) {
        const ComponentRecord* source = window->FindComponent(record->EventSource());
        if (source == nullptr || source == record || source->UnitType() != record->UnitType()) {
            break;
        }
        record = source;
    }
    const UnitDescriptor* unit = FindUnitDescriptor(record->UnitType());
    if (unit == nullptr || (unit->flags & (kUnitRaisesEvents | kUnitRaisesEventsToo)) == 0) {
        ReportRuntimeError("引发事件的窗口组件无效", 0, windowId, componentId);
    }
    const uint32_t routine = record->IsMenuItem() ? record->MenuRoutine() : record->RoutineForEvent(event);
    if (routine == 0) {
        return {};
    }
    const uint32_t sourceId = componentId == 0 ? window->ComponentIds()[0] : componentId;
    return {reinterpret_cast<EventRoutine>(static_cast<uintptr_t>(routine)), {true, windowId, sourceId}};
}

// The source of an event that runs inside another one's routine ends with it, and the outer routine
// sees its own again.
EventResult Deliver(const FoundRoutine& found, const EventCall& call) {
    const EventSource outer = currentSource;
    currentSource = found.source;
    const EventResult result = found.routine(call);
    currentSource = outer;
    return result;
}

uint64_t TypedArgument(const TypedEventArgument& argument) {
    const uint64_t both = static_cast<uint64_t>(argument.high) << 32 | argument.low;
    if ((argument.passing & kPassLowWord) != 0) {
        return argument.low;
    }
    if ((argument.passing & kPassBothWords) != 0 || argument.type == kTypeMenuItemUnit) {
        return both;
    }
    switch (argument.type) {
        case kTypeByte:
            return argument.low & 0xFF;
        case kTypeShort:
            return static_cast<uint64_t>(static_cast<int64_t>(static_cast<int16_t>(argument.low & 0xFFFF)));
        case kTypeDateTime:
        case kTypeDouble:
        case kTypeLong:
        case kTypeWideWord:
            return both;
        default:
            return argument.low;
    }
}

}  // namespace

int32_t RaiseEvent(EventRecord& record) noexcept {
    const FoundRoutine found = FindEventRoutine(record.windowId, record.componentId, record.event);
    if (found.routine == nullptr) {
        return 0;
    }
    uint64_t arguments[kMaximumArguments] = {};
    const int32_t count = record.argumentCount < 0 ? 0 : std::min(record.argumentCount, kMaximumArguments);
    for (int32_t index = 0; index < count; ++index) {
        arguments[index] = record.arguments[index];
    }
    const EventResult result = Deliver(found, EventCall{count, arguments});
    if (result.hasResult) {
        record.hasResult = 1;
        record.result = static_cast<uint32_t>(result.value);
    }
    return 1;
}

int32_t RaiseTypedEvent(TypedEventRecord& record) noexcept {
    const FoundRoutine found = FindEventRoutine(record.windowId, record.componentId, record.event);
    if (found.routine == nullptr) {
        return 0;
    }
    uint64_t arguments[kMaximumTypedArguments] = {};
    const int32_t count = record.argumentCount < 0 ? 0 : std::min(record.argumentCount, kMaximumTypedArguments);
    for (int32_t index = 0; index < count; ++index) {
        arguments[index] = TypedArgument(record.arguments[index]);
    }
    const EventResult result = Deliver(found, EventCall{count, arguments});
    if (result.hasResult) {
        record.hasResult = 1;
        record.resultLow = static_cast<uint32_t>(result.value);
        record.resultHigh = static_cast<uint32_t>(static_cast<uint64_t>(result.value) >> 32);
    }
    return 1;
}

int32_t CopyEventSource(uint32_t* pair) noexcept {
    if (!currentSource.active) {
        return 0;
    }
    pair[0] = currentSource.windowId;
    pair[1] = currentSource.componentId;
    return 1;
}

void RaiseWindowEvent(uint32_t windowId, int32_t event) noexcept {
    EventRecord record{windowId, 0, event, 0, {}, 0, 0};
    RaiseEvent(record);
}

void StartIdlePeriod() noexcept {
    for (const uint32_t windowId : Forms().LoadOrder()) {
        if (WindowInstance* instance = Forms().Instance(windowId)) {
            instance->idleDone = false;
        }
    }
}

// The handlers may load or close windows, so the walk goes over a copy of the list.
bool RaiseIdleEvents(uint32_t elapsedMs) noexcept {
    std::vector<uint32_t> windowIds;
    try {
        windowIds.assign(Forms().LoadOrder().begin(), Forms().LoadOrder().end());
    } catch (const std::bad_alloc&) {
        return false;
    }
    bool wantsMore = false;
    for (const uint32_t windowId : windowIds) {
        WindowInstance* instance = Forms().Instance(windowId);
        WindowTemplate* window = Forms().FindTemplate(windowId);
        if (instance == nullptr || window == nullptr || !instance->loaded || instance->idleDone ||
            WindowObject(*window) == nullptr) {
            continue;
        }
        EventRecord record{windowId, 0, kIdleEvent, 1, {elapsedMs}, 0, 0};
        RaiseEvent(record);
        if (record.hasResult != 0 && record.result != 0) {
            wantsMore = true;
        } else if ((instance = Forms().Instance(windowId)) != nullptr) {
            instance->idleDone = true;
        }
    }
    return wantsMore;
}

}  // namespace velmora
