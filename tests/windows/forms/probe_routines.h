// The routines the forms probe's form binds; they write to the probe's report.
#pragma once

#include "runtime/event_record.h"

namespace velmora::forms_probe {

EventResult WindowLoaded(const EventCall& call) noexcept;
// Reports "C" and the event source's component id.
EventResult FirstClicked(const EventCall& call) noexcept;
EventResult MenuClicked(const EventCall& call) noexcept;

}  // namespace velmora::forms_probe
