#include "app/libraries.h"

#include "commands/command_libraries.h"
#include "commands/runtime_link.h"

namespace velmora {
namespace {

// The command libraries share one connection to the runtime; the first notification makes it.
int32_t NotifyCommandLibrary(int32_t code, uint32_t first, uint32_t) {
    if (code == kNotifyStartup) {
        ConnectRuntime(reinterpret_cast<RuntimeServiceEntry>(static_cast<uintptr_t>(first)), nullptr);
    }
    return 0;
}

const LibraryDescriptor kCoreLibrary = {
    kLibraryMagic,
    "5A1E0C3B7D2F48A69C0E1B3D5F7A9C2E",
    1,
    0,
    "核心支持库",
    0,
    nullptr,
    static_cast<int32_t>(CoreLibraryCommands().size()),
    CoreLibraryCommands().data(),
    NotifyCommandLibrary,
};

const LibraryDescriptor kShellLibrary = {
    kLibraryMagic,
    "6B2F1D4C8E3A59B7AD1F2C4E6A8BAD3F",
    1,
    0,
    "外壳支持库",
    0,
    nullptr,
    static_cast<int32_t>(ShellLibraryCommands().size()),
    ShellLibraryCommands().data(),
    NotifyCommandLibrary,
};

const LibraryDescriptor kObjectLibrary = {
    kLibraryMagic,
    "7C3A2E5D9F4B6AC8BE2A3D5F7B9CBE4A",
    1,
    0,
    "对象支持库",
    0,
    nullptr,
    static_cast<int32_t>(ObjectLibraryCommands().size()),
    ObjectLibraryCommands().data(),
    NotifyCommandLibrary,
};

}  // namespace

const LibraryDescriptor* const kToolLibraries[] = {&kCoreLibrary, &kShellLibrary, &kObjectLibrary};
const int32_t kToolLibraryCount = static_cast<int32_t>(std::size(kToolLibraries));

}  // namespace velmora
