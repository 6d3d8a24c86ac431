// The floor of a backup: only the work that no program can avoid to write the same file.
#pragma once

#include <string>

namespace velmora::bench {

// Reads every icon of the 64-bit stand-in shell's list view (one process open, three remote buffers, per item
// the text and rectangle requests and their copies), lists each desktop directory once, reads each
// shortcut's target and writes the layout file in one write. False when any of it fails.
bool BaselineBackup(const std::string& userDirectory, const std::string& commonDirectory, const std::string& filePath);

}  // namespace velmora::bench
