#include "runtime/forms/cursor_codes.h"

namespace velmora {
namespace {

constexpr uint32_t kSystemCursorIds[kCursorListSize] = {
    0,
    32512,  // IDC_ARROW
    32515,  // IDC_CROSS
    32513,  // IDC_IBEAM
    32514,  // IDC_WAIT
    32651,  // IDC_HELP
    32650,  // IDC_APPSTARTING
    32648,  // IDC_NO
    32646,  // IDC_SIZEALL
    32643,  // IDC_SIZENESW
    32645,  // IDC_SIZENS
    32642,  // IDC_SIZENWSE
    32644,  // IDC_SIZEWE
    32516,  // IDC_UPARROW
    kHandCursorId,
};

}  // namespace

uint32_t SystemCursorIdOfCode(uint32_t code) noexcept {
    return code < kCursorListSize ? kSystemCursorIds[code] : 0;
}

std::optional<uint32_t> CursorCodeOfSystemId(uint32_t id) noexcept {
    for (uint32_t code = 1; code < kCursorListSize; ++code) {
        if (kSystemCursorIds[code] == id) {
            return code;
        }
    }
    return std::nullopt;
}

}  // namespace velmora
