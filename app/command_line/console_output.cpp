#include "app/command_line/console_output.h"

#include <string>

namespace velmora {
namespace {

std::wstring Widen(std::string_view text) {
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

std::string InCodePage(std::string_view text, UINT codePage) {
    const std::wstring wide = Widen(text);
    const int length =
        WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), bytes.data(), length, nullptr,
                        nullptr);
    return bytes;
}

bool Usable(HANDLE handle) {
    return handle != nullptr && handle != INVALID_HANDLE_VALUE && GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

}  // namespace

ConsoleOutput::ConsoleOutput() noexcept {
    output_ = GetStdHandle(STD_OUTPUT_HANDLE);
    if (Usable(output_))
        return;
    // A GUI program started from a prompt gets no standard output: it writes to the prompt's console.
    output_ = nullptr;
    if (!AttachConsole(ATTACH_PARENT_PROCESS) && GetLastError() != ERROR_ACCESS_DENIED)
        return;
    console_ = KernelHandle(CreateFileA("CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                        nullptr, OPEN_EXISTING, 0, nullptr));
    output_ = console_.get();
}

void ConsoleOutput::Write(std::string_view text) noexcept {
    if (output_ == nullptr || text.empty())
        return;
    DWORD mode = 0;
    if (GetConsoleMode(output_, &mode)) {
        const std::wstring wide = Widen(text);
        DWORD written = 0;
        WriteConsoleW(output_, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
        return;
    }
    // A pipe or a file: in the console's code page when there is a console to read it in, else as is.
    const UINT consolePage = GetConsoleOutputCP();
    const std::string bytes =
        consolePage != 0 && consolePage != GetACP() ? InCodePage(text, consolePage) : std::string(text);
    DWORD written = 0;
    WriteFile(output_, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

}  // namespace velmora
