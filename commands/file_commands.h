// File commands: disk files opened under a file number, read line by line and written as lines.
#pragma once

#include "runtime/value.h"

namespace velmora {

void FileExists(ValueRecord* result, int32_t argCount, ValueRecord* args) noexcept;
void FileAttributes(ValueRecord* result, int32_t argCount, ValueRecord* args) noexcept;
void MakeDirectory(ValueRecord* result, int32_t argCount, ValueRecord* args) noexcept;
void OpenFile(ValueRecord* result, int32_t argCount, ValueRecord* args) noexcept;
void CloseFile(ValueRecord* result, int32_t argCount, ValueRecord* args) noexcept;
void SeekToEnd(ValueRecord* result, int32_t argCount, ValueRecord* args) noexcept;
void ReadLine(ValueRecord* result, int32_t argCount, ValueRecord* args) noexcept;
void WriteLines(ValueRecord* result, int32_t argCount, ValueRecord* args) noexcept;

// Not a library command: writes the open disk file's buffers through to the disk by the handle that
// wrote them, so that no second opener can stand in the way. False when the number names no open
// disk file or the flush fails.
bool FlushDiskFile(int32_t fileNumber) noexcept;

}  // namespace velmora
