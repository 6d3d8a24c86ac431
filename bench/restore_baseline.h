// The floor of a restore: only the work that no program can avoid to put the icons back and know that
// they are back.
#pragma once

#include "app/layout/layout_reader.h"

namespace velmora::bench {

// Reads every icon of the 64-bit stand-in shell's list view once (caption, bounds and position), sends
// one move per stored icon (the k-th icon of a caption for its k-th entry, moved by its own offset so
// that its bounds land on the stored ones), and reads every icon once more to check. True when every
// stored icon landed.
bool BaselineRestore(const StoredLayout& layout);

}  // namespace velmora::bench
