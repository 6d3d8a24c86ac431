// The Win32 functions the tool declares for its own use, bound by name on their first call. Each
// declaration's type is the function's own prototype from the Windows headers.
//
// The tool reaches Win32 three ways, each for its own reason:
// - These declarations: the window and process calls of the tool's own logic (finding the desktop's
//   list view and the report window, opening, ending and closing a process, the common desktop
//   directory). They are what the program declares: the runtime binds them in its DLL-command
//   tables, which the program header lists, and checks the stack after every call.
// - The command library (app/tool_commands.h): files, texts, times, message boxes, shortcuts, special
//   folders and waits, wherever the library has a command, so the tool keeps the library's rules
//   (GBK texts, file numbers, who owns a result).
// - Direct calls, for what must be bounded in time or owned: SendMessageTimeoutA to the shell and to
//   Notepad (a hung program must not freeze the tool), EnumWindows (one snapshot of the z-order, which
//   may change while it is walked), the remote buffers (RemoteBuffer alone allocates, reads, writes
//   and frees them), the backup file's temporary name, flush and rename (no library command does
//   those), and what comes with a handle owner or a lookup by name (GetCurrentProcess, IsWow64Process).
#pragma once

#include <windows.h>
#include <shlobj.h>

#include <array>

#include "runtime/dll_command.h"

namespace velmora {

inline constexpr DllCommand<decltype(::FindWindowA)> kFindWindowA{0, "", "FindWindowA"};
inline constexpr DllCommand<decltype(::FindWindowExA)> kFindWindowExA{1, "", "FindWindowExA"};
inline constexpr DllCommand<decltype(::GetModuleHandleA)> kGetModuleHandleA{2, "", "GetModuleHandleA"};
inline constexpr DllCommand<decltype(::GetProcAddress)> kGetProcAddress{3, "", "GetProcAddress"};
inline constexpr DllCommand<decltype(::SHGetSpecialFolderPathA)> kSHGetSpecialFolderPathA{4, "Shell32",
                                                                                          "SHGetSpecialFolderPathA"};
inline constexpr DllCommand<decltype(::GetWindowThreadProcessId)> kGetWindowThreadProcessId{5, "",
                                                                                            "GetWindowThreadProcessId"};
inline constexpr DllCommand<decltype(::OpenProcess)> kOpenProcess{6, "", "OpenProcess"};
inline constexpr DllCommand<decltype(::CloseHandle)> kCloseHandle{7, "", "CloseHandle"};
inline constexpr DllCommand<decltype(::TerminateProcess)> kTerminateProcess{8, "", "TerminateProcess"};

inline constexpr int32_t kDllCommandCount = 9;

// The program header's two tables, in declaration-index order.
extern const std::array<const char*, kDllCommandCount> kDllFileNames;
extern const std::array<const char*, kDllCommandCount> kDllCommandNames;

}  // namespace velmora
