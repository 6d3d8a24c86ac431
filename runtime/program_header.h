// What a program hands the runtime: its header in read-only data, its entry routine and the window
// engine it links.
#pragma once

#include <cstdint>

#include "runtime/library.h"
#include "runtime/window_engine.h"

namespace velmora {

struct ProgramHeader {
    uint32_t buildMode;
    uint32_t reserved;
    uint32_t highestIdentifier;  // the next free identifier is one more
    const void* codeBase;        // added to the event-binding offsets of the window templates
    const void* constantData;
    uint32_t constantDataSize;
    const void* templateData;
    uint32_t templateDataSize;  // 0: the program has no windows
    int32_t libraryCount;
    const LibraryDescriptor* const* libraries;
    int32_t dllCommandCount;
    const char* const* dllFileNames;
    const char* const* dllCommandNames;
};
#if INTPTR_MAX == INT32_MAX
static_assert(sizeof(ProgramHeader) == 13 * 4);
#endif

struct ProgramImage {
    const ProgramHeader* header;
    int32_t (*entryRoutine)();
    const WindowEngine* windowEngine;  // null for a program without windows
};

// Each program defines its image; the runtime's start-up runs it.
extern const ProgramImage kProgramImage;

}  // namespace velmora
