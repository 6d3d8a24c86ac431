#include "app/restore/shortcut_name.h"

#include "commands/gbk.h"

namespace velmora {
namespace {

constexpr std::string_view kForbidden = "\\/:*?\"<>|";

}  // namespace

bool IsPlainFileName(std::string_view caption) noexcept {
    if (caption.empty() || caption == "." || caption == "..")
        return false;
    for (size_t i = 0; i < caption.size(); ++i) {
        const char byte = caption[i];
        if (IsLeadByte(byte)) {
            if (i + 1 == caption.size())
                return false;
            ++i;
            continue;
        }
        if (static_cast<unsigned char>(byte) < 0x20 || kForbidden.find(byte) != std::string_view::npos)
            return false;
    }
    return true;
}

}  // namespace velmora
