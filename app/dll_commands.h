// The Win32 functions the tool declares for its own use, bound by name on their first call. Each
// declaration's type is the function's own prototype from the Windows headers.
#pragma once

#include <windows.h>
#include <shlobj.h>

#include <array>

#include "runtime/dll_command.h"

namespace velmora {

inline constexpr DllCommand<decltype(::FindWindowA)> kFindWindowA{0, "", "FindWindowA"};
inline constexpr DllCommand<decltype(::FindWindowExA)> kFindWindowExA{1, "", "FindWindowExA"};
inline constexpr DllCommand<decltype(::GetWindow)> kGetWindow{2, "", "GetWindow"};
inline constexpr DllCommand<decltype(::GetModuleHandleA)> kGetModuleHandleA{3, "", "GetModuleHandleA"};
inline constexpr DllCommand<decltype(::GetProcAddress)> kGetProcAddress{4, "", "GetProcAddress"};
inline constexpr DllCommand<decltype(::ReadProcessMemory)> kReadProcessMemory{5, "", "ReadProcessMemory"};
inline constexpr DllCommand<decltype(::SHGetSpecialFolderPathA)> kSHGetSpecialFolderPathA{6, "Shell32",
                                                                                          "SHGetSpecialFolderPathA"};
inline constexpr DllCommand<decltype(::GetWindowThreadProcessId)> kGetWindowThreadProcessId{7, "",
                                                                                            "GetWindowThreadProcessId"};
inline constexpr DllCommand<decltype(::OpenProcess)> kOpenProcess{8, "", "OpenProcess"};
inline constexpr DllCommand<decltype(::LocalSize)> kLocalSizeOfItem{9, "", "LocalSize"};
inline constexpr DllCommand<decltype(::VirtualAllocEx)> kVirtualAllocEx{10, "", "VirtualAllocEx"};
inline constexpr DllCommand<decltype(::LocalSize)> kLocalSizeOfRectangle{11, "", "LocalSize"};
inline constexpr DllCommand<decltype(::SendMessageA)> kSendMessageA{12, "", "SendMessageA"};
inline constexpr DllCommand<decltype(::WriteProcessMemory)> kWriteProcessMemory{13, "", "WriteProcessMemory"};
inline constexpr DllCommand<decltype(::VirtualFreeEx)> kVirtualFreeEx{14, "", "VirtualFreeEx"};
inline constexpr DllCommand<decltype(::CloseHandle)> kCloseHandle{15, "", "CloseHandle"};
inline constexpr DllCommand<decltype(::TerminateProcess)> kTerminateProcess{16, "", "TerminateProcess"};

inline constexpr int32_t kDllCommandCount = 17;

// The program header's two tables, in declaration-index order.
extern const std::array<const char*, kDllCommandCount> kDllFileNames;
extern const std::array<const char*, kDllCommandCount> kDllCommandNames;

}  // namespace velmora
