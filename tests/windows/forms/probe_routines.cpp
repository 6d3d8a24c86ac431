#include "tests/windows/forms/probe_routines.h"

#include <cstdio>
#include <string>

#include "runtime/runtime_service.h"
#include "tests/support/probe_report.h"

namespace velmora::forms_probe {
namespace {

std::string Hex(uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof(text), "%08X", value);
    return text;
}

}  // namespace

EventResult WindowLoaded(const EventCall&) noexcept {
    Report("L");
    return {};
}

EventResult FirstClicked(const EventCall&) noexcept {
    uint32_t source[2] = {};
    const int32_t found = RuntimeService(2017, static_cast<uint32_t>(reinterpret_cast<uintptr_t>(source)), 0);
    Report("C" + (found == 1 ? Hex(source[1]) : std::string("-")) + " ");
    return {true, 1};
}

EventResult MenuClicked(const EventCall&) noexcept {
    Report("M");
    return {};
}

}  // namespace velmora::forms_probe
