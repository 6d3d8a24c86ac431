// The routines the forms probe's form binds, and the report they write.
#pragma once

#include <string>

#include "runtime/event_record.h"

namespace velmora::forms_probe {

void SetReportFile(const std::string& path);
// Opened and closed per piece: the process may end with ExitProcess at any point.
void Report(const std::string& text);

EventResult WindowLoaded(const EventCall& call) noexcept;
// Reports "C" and the event source's component id.
EventResult FirstClicked(const EventCall& call) noexcept;
EventResult MenuClicked(const EventCall& call) noexcept;

}  // namespace velmora::forms_probe
