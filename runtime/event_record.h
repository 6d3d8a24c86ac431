// Events travel from the units to the program's routines in these records (runtime services 2008
// and 2031), and every routine bound to an event has the one routine type below.
#pragma once

#include <cstddef>
#include <cstdint>

namespace velmora {

struct EventRecord {
    uint32_t windowId;
    uint32_t componentId;  // 0: the window itself
    int32_t event;
    int32_t argumentCount;  // at most 5
    uint32_t arguments[5];
    uint32_t hasResult;
    uint32_t result;
};
static_assert(sizeof(EventRecord) == 44);

struct TypedEventArgument {
    uint32_t low;
    uint32_t high;
    uint32_t type;
    uint32_t passing;  // bit 0: the low word only (an address); bit 1: both words
};

struct TypedEventRecord {
    uint32_t windowId;
    uint32_t componentId;
    int32_t event;
    int32_t argumentCount;  // at most 12
    TypedEventArgument arguments[12];
    uint32_t hasResult;
    uint32_t resultLow;
    uint32_t resultHigh;
};
static_assert(offsetof(TypedEventRecord, hasResult) == 208);

// The arguments of one event as the dispatcher passes them: 32-bit ones zero- or sign-extended as
// their type says, 64-bit ones whole.
struct EventCall {
    int32_t argumentCount;
    const uint64_t* arguments;
};

// Every event routine may return a value; a handler without one returns {}.
struct EventResult {
    bool hasResult = false;
    int64_t value = 0;
};

using EventRoutine = EventResult (*)(const EventCall& call) noexcept;

}  // namespace velmora
