// Loading a window from its template: creating the window and its components through their units in
// record order, placing them in their containers and in z-order, giving them their cursors, showing
// them and announcing the new window.
#pragma once

#include <windows.h>

#include "runtime/forms/forms_state.h"

namespace velmora {

// True also when a live window of the template was only activated (or restored) again. A modal
// load ignores the owner; otherwise an owner that is not a window makes the load fail. On failure
// nothing of the window stays.
bool LoadWindow(WindowTemplate& window, bool modal, HWND owner) noexcept;

// Containers and z-order again, after a unit re-created the control of one of the window's components.
void PlaceComponents(WindowTemplate& window) noexcept;

// The windows a modal window disabled get their enabled state back; the modal mark is cleared.
void EndModalState(WindowInstance& instance) noexcept;

}  // namespace velmora
