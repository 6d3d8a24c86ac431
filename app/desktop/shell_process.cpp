#include "app/desktop/shell_process.h"

#include "app/dll_commands.h"

namespace velmora {
namespace {

using IsWow64Process2Function = BOOL(WINAPI*)(HANDLE, USHORT*, USHORT*);
using IsWow64ProcessFunction = BOOL(WINAPI*)(HANDLE, BOOL*);

// void (*)() is the generic function pointer type that converts to any other without a warning.
template <typename Function>
Function LookUp(HMODULE module, const char* name) noexcept {
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(CallDllCommand(kGetProcAddress, module, name)));
}

bool Is64BitMachine(USHORT machine) {
    return machine == IMAGE_FILE_MACHINE_AMD64 || machine == IMAGE_FILE_MACHINE_ARM64 ||
           machine == IMAGE_FILE_MACHINE_IA64;
}

}  // namespace

bool RecordLayoutOf(HANDLE process, RecordLayout& layout) noexcept {
    const HMODULE kernel = CallDllCommand(kGetModuleHandleA, "kernel32");
    if (!kernel)
        return false;
    // Both are looked up by name: IsWow64Process2 is missing before Windows 10 1709.
    if (auto isWow64Process2 = LookUp<IsWow64Process2Function>(kernel, "IsWow64Process2")) {
        USHORT processMachine = IMAGE_FILE_MACHINE_UNKNOWN;
        USHORT nativeMachine = IMAGE_FILE_MACHINE_UNKNOWN;
        if (!isWow64Process2(process, &processMachine, &nativeMachine))
            return false;
        const bool underWow64 = processMachine != IMAGE_FILE_MACHINE_UNKNOWN;
        layout = !underWow64 && Is64BitMachine(nativeMachine) ? RecordLayout::k64 : RecordLayout::k32;
        return true;
    }
    auto isWow64Process = LookUp<IsWow64ProcessFunction>(kernel, "IsWow64Process");
    if (!isWow64Process) {
        layout = RecordLayout::k32;  // older than Windows XP SP2: only 32-bit Windows
        return true;
    }
    BOOL shellUnderWow64 = FALSE;
    BOOL selfUnderWow64 = FALSE;
    if (!isWow64Process(process, &shellUnderWow64) || !isWow64Process(GetCurrentProcess(), &selfUnderWow64))
        return false;
    // We are a 32-bit program: under WOW64 the Windows is 64-bit, and a shell not under WOW64 is native.
    layout = selfUnderWow64 && !shellUnderWow64 ? RecordLayout::k64 : RecordLayout::k32;
    return true;
}

}  // namespace velmora
