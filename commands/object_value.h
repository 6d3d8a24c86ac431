// The object value: an owned interface pointer and, for an automation record, the record's data.
#pragma once

#include <oaidl.h>

#include <cstdint>

#include "runtime/value.h"

namespace velmora {

constexpr uint32_t kTypeObject = 0x10030;
constexpr uint32_t kTypeVariant = 0x10031;
// A value passed by reference carries this flag; its payload is the address of the program's variable.
constexpr uint32_t kReferenceFlag = 0x20000000;

struct ObjectValue {
    IUnknown* object;
    void* record;  // with a record, object is the record's IRecordInfo
};
static_assert(sizeof(ObjectValue) == 8);

// The variable behind an object argument passed by reference, or null.
ObjectValue* ObjectVariable(const ValueRecord& value) noexcept;
// The object in an argument passed by value or by reference; empty for anything else.
ObjectValue ObjectArgument(const ValueRecord& value) noexcept;
// Releases what the value holds and leaves it empty.
void ClearObjectValue(ObjectValue& value) noexcept;

}  // namespace velmora
