// The tool as the runtime sees it: its header, its entry routine and its window engine.
#include "app/dll_commands.h"
#include "app/entry_routine.h"
#include "app/libraries.h"
#include "runtime/program_header.h"

namespace velmora {
namespace {

constexpr uint32_t kBuildMode = 3;
constexpr uint32_t kHighestIdentifier = 0x10499;

const ProgramHeader kHeader = {
    kBuildMode,
    0,
    kHighestIdentifier,
    reinterpret_cast<const void*>(&EntryRoutine),
    nullptr,
    0,
    nullptr,
    0,
    kToolLibraryCount,
    kToolLibraries,
    kDllCommandCount,
    kDllFileNames.data(),
    kDllCommandNames.data(),
};

}  // namespace

const ProgramImage kProgramImage = {&kHeader, EntryRoutine, nullptr};

}  // namespace velmora
