// The shell library: variable addresses, a delay that keeps the windows alive, shortcuts, folders.
#pragma once

#include "runtime/value.h"

namespace velmora {

void VariableAddress(ValueRecord* result, int32_t argCount, ValueRecord* args) noexcept;
void Delay(ValueRecord* result, int32_t argCount, ValueRecord* args) noexcept;
void ShortcutTarget(ValueRecord* result, int32_t argCount, ValueRecord* args) noexcept;
void BrowseForFolder(ValueRecord* result, int32_t argCount, ValueRecord* args) noexcept;
void SpecialFolderPath(ValueRecord* result, int32_t argCount, ValueRecord* args) noexcept;

}  // namespace velmora
