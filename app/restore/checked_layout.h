// The checks every restore makes before anything moves, from the window or the command line: the
// file can be read, it was made on a screen of this size, and it is well-formed throughout.
#pragma once

#include "app/layout/layout_reader.h"

namespace velmora {

enum class LayoutCheck {
    kReady,
    kUnreadable,   // no file, or it cannot be read
    kOtherScreen,  // made on a screen of another size, or without a screen line
    kMalformed,    // StoredLayout::badLine says where
};

struct CheckedLayout {
    LayoutCheck check = LayoutCheck::kUnreadable;
    StoredScreen stored;  // the file's screen size
    StoredLayout layout;  // read only when the screen matches
};

CheckedLayout CheckLayoutFile(const char* path) noexcept;

}  // namespace velmora
