// The restore button: the layout in the chosen backup file back onto the desktop, with its messages.
#pragma once

#include "runtime/event_record.h"

namespace velmora {

// The click of RestoreButton.
EventResult RestoreClicked(const EventCall& call) noexcept;

// ToInteger of DelayEdit: empty or letters give 0, which does not wait.
int32_t ReadMoveDelay() noexcept;

}  // namespace velmora
