// Libraries linked into a program: the core runtime library (library number 1) and the shell
// libraries. Each carries a descriptor; the program header lists them in library-number order.
#pragma once

#include <cstddef>
#include <cstdint>

#include "runtime/value.h"

namespace velmora {

// The one way library code reaches the runtime: (service code, first, second) -> 32-bit value.
// Pointers travel as 32-bit values: the product is a 32-bit program.
using RuntimeServiceEntry = int32_t (*)(int32_t code, uint32_t first, uint32_t second);
// A library's notification entry: (code, first, second) -> 32-bit value.
using LibraryNotifyEntry = int32_t (*)(int32_t code, uint32_t first, uint32_t second);

constexpr uint32_t kLibraryMagic = 0x01312D65;
// At start-up first is the RuntimeServiceEntry; the value returned is the library's own, handed
// back as first with kNotifyProgramEnds.
constexpr int32_t kNotifyStartup = 1;
constexpr int32_t kNotifyProgramEnds = 6;

// One property of a unit (20 bytes).
struct UnitProperty {
    const char* name;
    const char* englishName;
    const char* description;
    uint16_t kind;  // the conversion of property reads and writes
    uint16_t flags;
    uint32_t reserved;
};

// A unit's routines by interface code: 1 create, 4 write a property, 5 write the template data out,
// 6 read a property, 9 pass the texts of template data through a callback.
using UnitRoutine = void* (*)();
using UnitInterface = UnitRoutine (*)(int32_t code) noexcept;
constexpr int32_t kUnitCreate = 1;
constexpr int32_t kUnitWriteProperty = 4;
constexpr int32_t kUnitWriteTemplate = 5;
constexpr int32_t kUnitReadProperty = 6;
constexpr int32_t kUnitPassTexts = 9;

constexpr uint32_t kUnitNoWindow = 0x8000;
constexpr uint32_t kUnitRaisesEvents = 0x04;
constexpr uint32_t kUnitRaisesEventsToo = 0x40;
constexpr uint32_t kUnitWindowFlag = 0x100;

// One unit type of a library (56 bytes).
struct UnitDescriptor {
    const char* chineseName;
    const char* displayName;
    const char* description;
    uint32_t flags;
    int32_t propertyCount;
    const UnitProperty* properties;
    int32_t eventCount;
    const void* events;
    int32_t methodCount;
    const int32_t* methods;  // indexes into the library's command table
    UnitInterface interfaceRoutine;
    int32_t defaultWidth;
    int32_t defaultHeight;
    uint32_t reserved;
};

struct LibraryDescriptor {
    uint32_t magic;          // kLibraryMagic
    const char* identifier;  // 32 hexadecimal digits
    int32_t majorVersion;
    int32_t minorVersion;
    const char* displayName;
    int32_t unitCount;
    const UnitDescriptor* units;
    int32_t commandCount;
    const void* commands;  // the library's own table of its commands
    LibraryNotifyEntry notify;
};

#if INTPTR_MAX == INT32_MAX
static_assert(sizeof(UnitProperty) == 20);
static_assert(offsetof(UnitProperty, kind) == 12);
static_assert(sizeof(UnitDescriptor) == 56);
#endif

// (library number << 16) | unit number, both from 1.
constexpr uint32_t UnitTypeCode(uint32_t libraryNumber, uint32_t unitNumber) {
    return libraryNumber << 16 | unitNumber;
}

}  // namespace velmora
