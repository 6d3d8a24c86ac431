#include "runtime/dll_commands.h"

#include <windows.h>

#include <string>
#include <vector>

#include "runtime/application.h"
#include "runtime/dll_names.h"
#include "runtime/module_handle.h"
#include "runtime/runtime_error.h"

namespace velmora {
namespace {

struct DllCommandSlot {
    const char* fileName;
    const char* commandName;
    void* address;
    ModuleHandle module;
};

std::vector<DllCommandSlot>& Slots() {
    static std::vector<DllCommandSlot> slots;
    return slots;
}

void* Export(HMODULE module, const ExportName& name) {
    const LPCSTR exported = name.byOrdinal ? MAKEINTRESOURCEA(name.ordinal) : name.name;
    return reinterpret_cast<void*>(GetProcAddress(module, exported));
}

// The full path of a library that the system directory holds, or "" when the name is no system library.
std::string SystemLibraryFile(const char* fileName) {
    char directory[MAX_PATH] = {};
    const UINT length = GetSystemDirectoryA(directory, sizeof(directory));
    if (length == 0 || length >= sizeof(directory)) {
        return "";
    }
    const std::string path = SystemLibraryPath(fileName, std::string(directory, length));
    return !path.empty() && GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES ? path : "";
}

// By its full path, with its own imports looked for beside it first.
ModuleHandle LoadSystemLibrary(const std::string& path) {
    return ModuleHandle(LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
}

// A system library comes from the system directory only: a file of the same name beside the program
// (a Downloads folder) never runs. Other libraries are looked for beside the program first.
ModuleHandle LoadNamedLibrary(const char* fileName) {
    if (const std::string system = SystemLibraryFile(fileName); !system.empty()) {
        return LoadSystemLibrary(system);
    }
    for (const std::string& path : LibraryCandidates(fileName, App().programDirectory)) {
        ModuleHandle module(LoadLibraryA(path.c_str()));
        if (module) {
            return module;
        }
    }
    return ModuleHandle();
}

// Declarations without a DLL file name: the first default module that exports the name is kept.
void* FindInDefaultModules(const ExportName& name, ModuleHandle& kept) {
    for (const char* moduleName : kDefaultModules) {
        const std::string path = SystemLibraryFile(moduleName);
        ModuleHandle module = path.empty() ? ModuleHandle() : LoadSystemLibrary(path);
        if (!module) {
            continue;
        }
        if (void* address = Export(module.get(), name); address != nullptr) {
            kept = std::move(module);
            return address;
        }
    }
    return nullptr;
}

}  // namespace

void SetDllCommands(int32_t count, const char* const* fileNames, const char* const* commandNames) noexcept {
    std::vector<DllCommandSlot>& slots = Slots();
    slots.clear();
    slots.resize(static_cast<size_t>(count));
    for (size_t i = 0; i < slots.size(); ++i) {
        slots[i].fileName = fileNames[i] == nullptr ? "" : fileNames[i];
        slots[i].commandName = commandNames[i] == nullptr ? "" : commandNames[i];
    }
}

void* ResolveDllCommand(int32_t index) noexcept {
    std::vector<DllCommandSlot>& slots = Slots();
    if (index < 0 || static_cast<size_t>(index) >= slots.size()) {
        ReportRuntimeError(DllCommandNotFoundMessage("", "").c_str(), 0, 0, 0);
    }
    DllCommandSlot& slot = slots[static_cast<size_t>(index)];
    if (slot.address != nullptr) {
        return slot.address;
    }
    const ExportName name = ParseExportName(slot.commandName);
    ModuleHandle module;
    void* address = nullptr;
    if (slot.fileName[0] != '\0') {
        module = LoadNamedLibrary(slot.fileName);
        if (module) {
            address = Export(module.get(), name);
        }
    } else {
        address = FindInDefaultModules(name, module);
    }
    if (address == nullptr) {
        module.reset(nullptr);
        ReportRuntimeError(DllCommandNotFoundMessage(slot.fileName, slot.commandName).c_str(), 0, 0, 0);
    }
    slot.address = address;
    slot.module = std::move(module);
    return address;
}

void FreeDllCommandModules() noexcept {
    Slots().clear();
}

}  // namespace velmora
