// Automation object commands: create, call for an object, set a property, clear, test for empty.
#pragma once

#include "runtime/value.h"

namespace velmora {

void ObjectCreate(ValueRecord* result, int32_t argCount, ValueRecord* args) noexcept;
void ObjectCallForObject(ValueRecord* result, int32_t argCount, ValueRecord* args) noexcept;
void ObjectSetProperty(ValueRecord* result, int32_t argCount, ValueRecord* args) noexcept;
void ObjectClear(ValueRecord* result, int32_t argCount, ValueRecord* args) noexcept;
void ObjectIsEmpty(ValueRecord* result, int32_t argCount, ValueRecord* args) noexcept;

}  // namespace velmora
