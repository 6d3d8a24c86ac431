#include "commands/system_commands.h"

#include <windows.h>

#include <ctime>

#include "commands/command_values.h"
#include "commands/date_time.h"
#include "commands/runtime_link.h"
#include "commands/value_text.h"

namespace velmora {
namespace {

constexpr uint32_t kWindowUnitType = 0x10001;
constexpr char kDefaultCaption[] = "信息：";

HWND OwnerWindow(int32_t argCount, const ValueRecord* args) noexcept {
    if (argCount < 4) {
        return nullptr;
    }
    const ValueRecord& owner = args[3];
    if (owner.type == kWindowUnitType) {
        return reinterpret_cast<HWND>(static_cast<uintptr_t>(LoadedWindowHandle(owner.low)));
    }
    if (owner.type == kTypeInteger) {
        return reinterpret_cast<HWND>(static_cast<uintptr_t>(owner.low));
    }
    return nullptr;
}

// IDOK..IDNO (1 to 7) become 0 to 6; anything else, failure included, is 0.
int32_t ButtonCode(int pressed) noexcept {
    return pressed >= IDOK && pressed <= IDNO ? pressed - IDOK : 0;
}

}  // namespace

void ScreenWidth(ValueRecord* result, int32_t, ValueRecord*) noexcept {
    SetInteger(result, GetSystemMetrics(SM_CXSCREEN));
}

void ScreenHeight(ValueRecord* result, int32_t, ValueRecord*) noexcept {
    SetInteger(result, GetSystemMetrics(SM_CYSCREEN));
}

void InfoBox(ValueRecord* result, int32_t argCount, ValueRecord* args) noexcept {
    ValueTextBuffer buffer;
    const char* message = ScalarText(Arg(argCount, args, 0), buffer);
    UINT flags = static_cast<UINT>(ArgInteger(Arg(argCount, args, 1)));
    if ((flags & MB_SYSTEMMODAL) == 0) {
        flags |= MB_TASKMODAL;
    }
    const ValueRecord& caption = Arg(argCount, args, 2);
    const int pressed = MessageBoxA(OwnerWindow(argCount, args), message == nullptr ? "" : message,
                                    IsOmitted(caption) ? kDefaultCaption : ArgText(caption), flags);
    SetInteger(result, ButtonCode(pressed));
}

void CurrentTime(ValueRecord* result, int32_t, ValueRecord*) noexcept {
    const std::time_t now = std::time(nullptr);
    const std::tm* local = std::localtime(&now);
    if (local == nullptr) {
        SetDateTime(result, 0);
        return;
    }
    SetDateTime(result, OleDateFromCivil({local->tm_year + 1900, local->tm_mon + 1, local->tm_mday, local->tm_hour,
                                          local->tm_min, local->tm_sec}));
}

}  // namespace velmora
