// Line-by-line reading and writing of text files, independent of the kind of file underneath.
#pragma once

#include <cstdint>

#include "commands/file_stream.h"
#include "runtime/value.h"

namespace velmora {

constexpr uint32_t kLineChunkSize = 512;

// One line from the current position: it ends at LF (consumed, one CR before it dropped), at a zero
// or 0x1A byte (not consumed) or at the end of the file. A double-byte character is never split.
// On a file error the position moves to the end and the result is empty. Returns a heap text or null.
char* ReadTextLine(FileStream& file) noexcept;

// Each value that has a text form, followed by CR LF. On a file error the position goes back to
// where the writing began and the result is false.
bool WriteTextLines(FileStream& file, const ValueRecord* values, int32_t count) noexcept;

}  // namespace velmora
