#include "commands/win32_file.h"

namespace velmora {

bool Win32File::Read(void* buffer, uint32_t size, uint32_t& read) noexcept {
    DWORD got = 0;
    if (!ReadFile(handle_.get(), buffer, size, &got, nullptr)) {
        return false;
    }
    read = got;
    return true;
}

bool Win32File::Write(const void* bytes, uint32_t size) noexcept {
    DWORD written = 0;
    return WriteFile(handle_.get(), bytes, size, &written, nullptr) && written == size;
}

bool Win32File::MovePointer(LONG distance, DWORD method, uint32_t* position) noexcept {
    // Positions are 32-bit, as the file commands' positions are.
    LONG high = 0;
    SetLastError(NO_ERROR);
    const DWORD low = SetFilePointer(handle_.get(), distance, &high, method);
    if (low == INVALID_SET_FILE_POINTER && GetLastError() != NO_ERROR) {
        return false;
    }
    if (position != nullptr) {
        *position = low;
    }
    return true;
}

bool Win32File::Position(uint32_t& position) noexcept {
    return MovePointer(0, FILE_CURRENT, &position);
}

bool Win32File::Seek(uint32_t position) noexcept {
    return MovePointer(static_cast<LONG>(position), FILE_BEGIN, nullptr);
}

bool Win32File::SeekToEnd() noexcept {
    return MovePointer(0, FILE_END, nullptr);
}

bool Win32File::Flush() noexcept {
    return FlushFileBuffers(handle_.get()) != FALSE;
}

}  // namespace velmora
