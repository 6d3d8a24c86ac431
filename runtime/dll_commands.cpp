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

std::string SystemDirectory() {
    char directory[MAX_PATH] = {};
    const UINT length = GetSystemDirectoryA(directory, sizeof(directory));
    return length > 0 && length < sizeof(directory) ? std::string(directory, length) : std::string();
}

// A library the system directory holds is loaded from there only, and its own imports are looked
// for there first: a file of the same name beside the program (a Downloads folder) never runs.
// Null when the name is no system library.
ModuleHandle LoadSystemLibrary(const char* fileName, bool& isSystemLibrary) {
    const std::string directory = SystemDirectory();
    const std::string path = directory.empty() ? std::string() : SystemLibraryPath(fileName, directory);
    isSystemLibrary = !path.empty() && GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
    return isSystemLibrary ? ModuleHandle(LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH))
                           : ModuleHandle();
}

ModuleHandle LoadNamedLibrary(const char* fileName) {
    bool isSystemLibrary = false;
    ModuleHandle system = LoadSystemLibrary(fileName, isSystemLibrary);
    if (isSystemLibrary) {
        return system;
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
        bool isSystemLibrary = false;
        ModuleHandle module = LoadSystemLibrary(moduleName, isSystemLibrary);
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
