// Keys a form takes before its controls see them: the menu's accelerators, Tab and Shift+Tab between
// the components that take the focus, and Enter for the default button.
#pragma once

struct tagMSG;

namespace velmora {

// True when the message was consumed and must not be dispatched.
bool PreTranslateFormMessage(tagMSG* message) noexcept;

}  // namespace velmora
