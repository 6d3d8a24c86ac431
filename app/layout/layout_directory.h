// The layout files of a directory, each with its write time and the screen size of its first line,
// for choosing among them.
#pragma once

#include <string>
#include <vector>

#include "app/layout/layout_choice.h"

namespace velmora {

// Every "*.ini" file directly in the directory; names only. Empty when there is none or the
// directory cannot be read.
std::vector<LayoutCandidate> ListLayoutFiles(const std::string& directory) noexcept;

}  // namespace velmora
