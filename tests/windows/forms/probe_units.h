// A small core library for the forms probe: a window unit and one control unit that serves as button
// and label (a container), with a few unit properties of each kind the engine converts.
#pragma once

#include "runtime/library.h"

namespace velmora::forms_probe {

extern const LibraryDescriptor kProbeLibrary;

// The button's unit properties by full number.
enum ProbeProperty : int32_t {
    kCaption = 8,      // text
    kFlag = 9,         // boolean
    kFont = 10,        // font
    kCount = 11,       // 32-bit, negative becomes 0
    kLayoutAgain = 12  // 32-bit; a write asks for the layout again
};

// How many times the button unit's write routine returned 1.
int LayoutRequests();

}  // namespace velmora::forms_probe
