// The two tables through which program code reaches the runtime: thirteen entry points, and the
// seven support functions chosen by index through SupportDispatch.
#pragma once

#include <cstdint>

#include "runtime/value.h"

namespace velmora {

enum SupportIndex : int32_t {
    kSupportFindFileNext = 0,
    kSupportFindFileClose = 1,
    kSupportMakeArrayWritable = 2,
    kSupportRegisterExitRoutine = 3,
    kSupportReadUnitProperty = 4,
    kSupportWriteUnitProperty = 5,
    kSupportInitRuntime = 6,
};

// The support function's own arguments follow the index, as for the function itself:
//   0 (const char* pattern, uint32_t mask, int32_t anyFile, HANDLE* slot) -> char* in the low word
//   1 (HANDLE search)
//   2 (uint32_t elementSize, void** array)
//   3 (void (*routine)())
//   4 (uint32_t unitType, void* object, int32_t property, int32_t element) -> 64-bit value
//   5 (uint32_t unitType, void* object, int32_t property, int32_t element, uint32_t low, uint32_t high)
//   6 ()
uint64_t SupportDispatch(int32_t index, ...) noexcept;

uint64_t ReadProperty(uint32_t windowId, uint32_t componentId, int32_t property, int32_t element) noexcept;
void WriteProperty(uint32_t windowId,
                   uint32_t componentId,
                   int32_t property,
                   int32_t element,
                   uint32_t low,
                   uint32_t high) noexcept;

// A DLL command is called through its typed declaration (runtime/dll_command.h), which resolves the
// index through entry 2 and calls the function with the program's arguments unchanged; C++ cannot
// hand on an argument list of unknown types, so the entry itself is the resolver.
struct EntryPointTable {
    void (*raiseRuntimeError)(int32_t code, uint32_t identifier, uint32_t position) noexcept;
    void* (*callDllCommand)(int32_t index) noexcept;
    ValueRecord (*callLibraryCommandA)(LibraryCommand command, int32_t argCount, ValueRecord* args) noexcept;
    ValueRecord (*callLibraryCommandB)(LibraryCommand command, int32_t argCount, ValueRecord* args) noexcept;
    uint64_t (*readProperty)(uint32_t windowId, uint32_t componentId, int32_t property, int32_t element) noexcept;
    void (*writeProperty)(uint32_t windowId,
                          uint32_t componentId,
                          int32_t property,
                          int32_t element,
                          uint32_t low,
                          uint32_t high) noexcept;
    void* (*heapAllocate)(uint32_t size) noexcept;
    void* (*heapReallocate)(void* block, uint32_t size) noexcept;
    void (*heapRelease)(void* block) noexcept;
    void (*endProgram)(int32_t exitCode) noexcept;
    void (*runMessageLoop)() noexcept;
    void (*loadStartupWindow)(uint32_t windowId) noexcept;
    uint64_t (*supportDispatch)(int32_t index, ...) noexcept;
};

extern const EntryPointTable kEntryPoints;

}  // namespace velmora
