// The shell library: variable addresses, a delay that keeps the windows alive, shortcuts, folders.
#pragma once

#include "runtime/value.h"

namespace velmora {

void VariableAddress(ValueRecord* result, int32_t argCount, ValueRecord* args) noexcept;
void Delay(ValueRecord* result, int32_t argCount, ValueRecord* args) noexcept;
void ShortcutTarget(ValueRecord* result, int32_t argCount, ValueRecord* args) noexcept;
// The target of a file already known to be a shortcut: what ShortcutTarget gives without asking the
// shell first whether the file is a link, which costs more than reading it. Null on any failure.
char* ReadLinkFileTarget(const char* path) noexcept;
void BrowseForFolder(ValueRecord* result, int32_t argCount, ValueRecord* args) noexcept;
void SpecialFolderPath(ValueRecord* result, int32_t argCount, ValueRecord* args) noexcept;

}  // namespace velmora
