#include "app/layout/read_layout_file.h"

#include <windows.h>

#include <algorithm>

#include "commands/kernel_handle.h"

namespace velmora {
namespace {

constexpr DWORD kReadLimit = 64u << 20;
constexpr DWORD kChunk = 1u << 16;

}  // namespace

std::optional<std::string> ReadLayoutFile(const char* path) noexcept {
    if (path == nullptr || *path == '\0')
        return std::nullopt;
    const KernelHandle file(CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return std::nullopt;
    std::string bytes;
    for (;;) {
        const size_t had = bytes.size();
        const DWORD wanted = static_cast<DWORD>(std::min<size_t>(kChunk, kReadLimit - had));
        if (wanted == 0)
            return bytes;
        bytes.resize(had + wanted);
        DWORD read = 0;
        if (!ReadFile(file.get(), bytes.data() + had, wanted, &read, nullptr))
            return std::nullopt;
        bytes.resize(had + read);
        if (read == 0)
            return bytes;
    }
}

}  // namespace velmora
