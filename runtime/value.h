// The value vocabulary shared by program code, the runtime, the components and the commands.
#pragma once

#include <cstddef>
#include <cstdint>

namespace velmora {

enum TypeCode : uint32_t {
    kTypeNone = 0,  // an omitted optional argument
    kTypeByte = 0x80000101,
    kTypeShort = 0x80000201,
    kTypeInteger = 0x80000301,
    kTypeLong = 0x80000401,
    kTypeFloat = 0x80000501,
    kTypeDouble = 0x80000601,
    kTypeBoolean = 0x80000002,
    kTypeDateTime = 0x80000003,
    kTypeText = 0x80000004,
    kTypeBytes = 0x80000005,
    kTypeRoutine = 0x80000006,
};

constexpr uint32_t kArrayFlag = 0x20000000;

// Arguments and results of library commands travel in these 12-byte records.
struct ValueRecord {
    uint32_t low;
    uint32_t high;
    uint32_t type;
};
static_assert(sizeof(ValueRecord) == 12);
static_assert(offsetof(ValueRecord, high) == 4);
static_assert(offsetof(ValueRecord, type) == 8);

// result is zeroed by the caller; args points to argCount consecutive records.
using LibraryCommand = void (*)(ValueRecord* result, int32_t argCount, ValueRecord* args);

// Unit (component) and library-defined types have bit 31 clear; arrays of them carry kArrayFlag too.
constexpr bool IsArrayType(uint32_t type) {
    return (type & kArrayFlag) != 0;
}
constexpr uint32_t ElementType(uint32_t type) {
    return type & ~kArrayFlag;
}

}  // namespace velmora
