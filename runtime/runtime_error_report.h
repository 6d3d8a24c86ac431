// Where the report goes once its text is built: the message box and the shutdown of the product,
// or the native reporter. Does not return.
#pragma once

#include <string>

namespace velmora {

[[noreturn]] void ShowRuntimeErrorAndEnd(const std::string& text) noexcept;

}  // namespace velmora
