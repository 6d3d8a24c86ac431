// The application object: the one state of the runtime frame that lives for the whole process.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "runtime/heap_list.h"
#include "runtime/program_header.h"

namespace velmora {

struct Application {
    const ProgramImage* image = nullptr;
    std::string programDirectory;  // without trailing backslash
    std::string programFileName;
    DWORD mainThreadId = 0;
    uint32_t buildMode = 0;
    uint32_t reserved = 0;
    uint32_t nextIdentifier = 0;
    HeapList<int32_t> libraryValues;  // what each library returned at start-up
    bool oleInitialised = false;
    bool running = false;
    bool ending = false;
};

Application& App() noexcept;

// The window engine of the program, or null.
const WindowEngine* Engine() noexcept;
const ProgramHeader& Header() noexcept;
bool OnMainThread() noexcept;

}  // namespace velmora
