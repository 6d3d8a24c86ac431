// Owns a kernel object handle (file, process, thread), closed with CloseHandle.
#pragma once

#include <windows.h>

#include "runtime/unique_handle.h"

namespace velmora {

struct KernelHandleTraits {
    using Handle = HANDLE;
    static Handle Empty() noexcept { return nullptr; }
    static void Close(Handle handle) noexcept { CloseHandle(handle); }
};

class KernelHandle : public UniqueHandle<KernelHandleTraits> {
  public:
    KernelHandle() noexcept = default;
    // INVALID_HANDLE_VALUE, which CreateFileA returns on failure, is held as null.
    explicit KernelHandle(HANDLE owned) noexcept : UniqueHandle(owned == INVALID_HANDLE_VALUE ? nullptr : owned) {}
};

}  // namespace velmora
