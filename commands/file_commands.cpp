#include "commands/file_commands.h"

#include <windows.h>

#include <memory>

#include "commands/command_values.h"
#include "commands/find_handle.h"
#include "commands/line_io.h"
#include "commands/win32_file.h"
#include "runtime/open_file_table.h"

namespace velmora {
namespace {

constexpr uint8_t kDiskFileKind = 1;
constexpr DWORD kAttributeMask = 0x37;

struct OpenMode {
    DWORD access;
    DWORD disposition;
};

// Indexed by open mode 1 to 6.
constexpr OpenMode kOpenModes[] = {
    {GENERIC_READ, OPEN_EXISTING},  {GENERIC_WRITE, OPEN_EXISTING}, {GENERIC_READ | GENERIC_WRITE, OPEN_EXISTING},
    {GENERIC_WRITE, CREATE_ALWAYS}, {GENERIC_WRITE, OPEN_ALWAYS},   {GENERIC_READ | GENERIC_WRITE, OPEN_ALWAYS},
};

// Indexed by share mode 1 to 4: what other openers may still do.
constexpr DWORD kShareModes[] = {
    FILE_SHARE_READ | FILE_SHARE_WRITE,
    FILE_SHARE_WRITE,
    FILE_SHARE_READ,
    0,
};

// The open disk file behind a file number, or null when the number is not one.
Win32File* ListedFile(int32_t number) noexcept {
    const uintptr_t file = static_cast<uint32_t>(number);
    if (file == 0 || OpenFileKind(file) != kDiskFileKind) {
        return nullptr;
    }
    return reinterpret_cast<Win32File*>(file);
}

Win32File* ListedFile(const ValueRecord& number) noexcept {
    return ListedFile(ArgInteger(number));
}

int32_t ModeArgument(const ValueRecord& value, int32_t fallback) noexcept {
    return IsOmitted(value) ? fallback : ArgInteger(value);
}

}  // namespace

void FileExists(ValueRecord* result, int32_t argCount, ValueRecord* args) noexcept {
    WIN32_FIND_DATAA found;
    const FindHandle search(FindFirstFileA(ArgText(Arg(argCount, args, 0)), &found));
    SetBoolean(result, static_cast<bool>(search));
}

void FileAttributes(ValueRecord* result, int32_t argCount, ValueRecord* args) noexcept {
    const DWORD attributes = GetFileAttributesA(ArgText(Arg(argCount, args, 0)));
    SetInteger(result, attributes == INVALID_FILE_ATTRIBUTES ? -1 : static_cast<int32_t>(attributes & kAttributeMask));
}

void MakeDirectory(ValueRecord* result, int32_t argCount, ValueRecord* args) noexcept {
    SetBoolean(result, CreateDirectoryA(ArgText(Arg(argCount, args, 0)), nullptr) != FALSE);
}

void OpenFile(ValueRecord* result, int32_t argCount, ValueRecord* args) noexcept {
    SetInteger(result, 0);
    const char* path = ArgText(Arg(argCount, args, 0));
    const int32_t openMode = ModeArgument(Arg(argCount, args, 1), 3);
    const int32_t shareMode = ModeArgument(Arg(argCount, args, 2), 1);
    if (*path == '\0' || openMode < 1 || openMode > 6 || shareMode < 1 || shareMode > 4) {
        return;
    }
    const OpenMode& mode = kOpenModes[openMode - 1];
    KernelHandle handle(CreateFileA(path, mode.access, kShareModes[shareMode - 1], nullptr, mode.disposition,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!handle) {
        return;
    }
    auto file = std::make_unique<Win32File>(std::move(handle));
    const auto number = reinterpret_cast<uintptr_t>(file.get());
    RegisterOpenFile(number, kDiskFileKind);
    file.release();
    SetInteger(result, static_cast<int32_t>(number));
}

void CloseFile(ValueRecord*, int32_t argCount, ValueRecord* args) noexcept {
    Win32File* file = ListedFile(Arg(argCount, args, 0));
    if (file != nullptr && UnregisterOpenFile(reinterpret_cast<uintptr_t>(file)) == 1) {
        // Closing the handle cannot fail in a way the program could act on.
        std::unique_ptr<Win32File> closed(file);
    }
}

void SeekToEnd(ValueRecord* result, int32_t argCount, ValueRecord* args) noexcept {
    Win32File* file = ListedFile(Arg(argCount, args, 0));
    SetBoolean(result, file != nullptr && file->SeekToEnd());
}

void ReadLine(ValueRecord* result, int32_t argCount, ValueRecord* args) noexcept {
    Win32File* file = ListedFile(Arg(argCount, args, 0));
    SetText(result, file == nullptr ? nullptr : ReadTextLine(*file));
}

void WriteLines(ValueRecord* result, int32_t argCount, ValueRecord* args) noexcept {
    Win32File* file = ListedFile(Arg(argCount, args, 0));
    SetBoolean(result, file != nullptr && WriteTextLines(*file, args + 1, argCount - 1));
}

bool FlushDiskFile(int32_t fileNumber) noexcept {
    Win32File* file = ListedFile(fileNumber);
    return file != nullptr && file->Flush();
}

}  // namespace velmora
