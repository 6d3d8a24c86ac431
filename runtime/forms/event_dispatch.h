// Events raised by components reach the program routines bound to them in the window templates.
#pragma once

#include <cstdint>

#include "runtime/event_record.h"

namespace velmora {

// Services 2008 and 2031: 1 when a program routine was called. No binding, or a nested call in
// progress, drops the event; an unknown window or component, or a unit that raises no events, is a
// run-time error.
int32_t RaiseEvent(EventRecord& record) noexcept;
int32_t RaiseTypedEvent(TypedEventRecord& record) noexcept;

// Service 2017: the window id and component id of the event being handled (the window's own record's
// id for the window itself); 0 outside an event.
int32_t CopyEventSource(uint32_t* pair) noexcept;

// An event of the window itself without arguments.
void RaiseWindowEvent(uint32_t windowId, int32_t event) noexcept;

// Idle event 7 of every loaded window not yet done in this idle period, with the milliseconds elapsed;
// true while some handler returned a non-zero value.
void StartIdlePeriod() noexcept;
bool RaiseIdleEvents(uint32_t elapsedMs) noexcept;

}  // namespace velmora
