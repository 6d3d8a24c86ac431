// The filter of the open and save dialogs: "description|pattern|..." as the common dialog wants it.
#pragma once

#include <string>
#include <string_view>

namespace velmora {

// Trailing white space removed; a filter that is not empty is completed to end in "||", and every
// single-byte "|" becomes a zero byte. Empty for an empty filter.
std::string Win32FileFilter(std::string_view filter);

}  // namespace velmora
