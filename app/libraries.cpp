#include "app/libraries.h"

#include "commands/command_libraries.h"
#include "commands/runtime_link.h"
#include "components/core_units.h"
#include "runtime/unit_interface.h"

namespace velmora {
namespace {

// Commands that take a component (an owner window, say) reach its window through the object.
uint32_t ComponentWindow(uint32_t componentObject) {
    const auto* object = reinterpret_cast<const ComponentObject*>(static_cast<uintptr_t>(componentObject));
    return object ? static_cast<uint32_t>(reinterpret_cast<uintptr_t>(object->window)) : 0;
}

// The command libraries share one connection to the runtime; the first notification makes it.
int32_t NotifyCommandLibrary(int32_t code, uint32_t first, uint32_t) {
    if (code == kNotifyStartup) {
        ConnectRuntime(reinterpret_cast<RuntimeServiceEntry>(static_cast<uintptr_t>(first)), ComponentWindow);
    }
    return 0;
}

// The core library holds the window units as well as commands.
int32_t NotifyCoreLibrary(int32_t code, uint32_t first, uint32_t second) {
    NotifyComponents(code, first, second);
    return NotifyCommandLibrary(code, first, second);
}

const LibraryDescriptor kCoreLibrary = {
    kLibraryMagic,
    "5A1E0C3B7D2F48A69C0E1B3D5F7A9C2E",
    1,
    0,
    "核心支持库",
    static_cast<int32_t>(CoreLibraryUnits().size()),
    CoreLibraryUnits().data(),
    static_cast<int32_t>(CoreLibraryCommands().size()),
    CoreLibraryCommands().data(),
    NotifyCoreLibrary,
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
